#include "cli.h"

#include "app/languages.h"
#include "archive/dates.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>

namespace razoz::cli {

CliContext::CliContext(QString programFolder, QString settingsFile, QString language, bool json, QStringList args)
    : programFolder_(std::move(programFolder)), language_(std::move(language)), json_(json), args_(std::move(args)),
      out_(stdout)
{
    store_ = settingsFile.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(settingsFile);
}

QString CliContext::languageCode() const
{
    if (!language_.isEmpty()) return language_;
    return languageAt(intSetting(QStringLiteral("Sprache"), 0)).code;
}

QString CliContext::takeWord(const QString& what)
{
    for (int i = 0; i < args_.size(); ++i) {
        if (!args_[i].startsWith(QLatin1String("--"))) return args_.takeAt(i);
        ++i; // skip the value of an option; flags are taken before words are read
    }
    throw UsageError(QStringLiteral("missing %1").arg(what));
}

std::optional<QString> CliContext::takeOption(const QString& name)
{
    const QStringList all = takeOptions(name);
    if (all.size() > 1) throw UsageError(QStringLiteral("%1 given more than once").arg(name));
    if (all.isEmpty()) return std::nullopt;
    return all.first();
}

QStringList CliContext::takeOptions(const QString& name)
{
    QStringList values;
    for (int i = 0; i < args_.size();) {
        if (args_[i] == name) {
            if (i + 1 >= args_.size()) throw UsageError(QStringLiteral("%1 needs a value").arg(name));
            values << args_[i + 1];
            args_.remove(i, 2);
        } else {
            ++i;
        }
    }
    return values;
}

bool CliContext::takeFlag(const QString& name)
{
    bool found = false;
    while (args_.removeOne(name)) found = true;
    return found;
}

void CliContext::expectNoMore()
{
    if (!args_.isEmpty()) throw UsageError(QStringLiteral("unexpected argument: %1").arg(args_.first()));
}

QVariant CliContext::setting(const QString& name) const
{
    const SettingDef* def = findSetting(name);
    if (!def) return store_->settings().value(name);
    const StoredValue v = store_->read(*def);
    QVariant value = v.status == ReadStatus::Ok ? v.value : def->defaultValue;
    // A spin control's position stays within its range.
    if (value.isValid() && def->maximum > def->minimum) value = std::clamp(value.toInt(), def->minimum, def->maximum);
    return value;
}

bool CliContext::boolSetting(const QString& name, bool fallback) const
{
    if (findSetting(name)) {
        const StoredValue v = store_->read(name);
        return v.status == ReadStatus::Ok ? v.value.toBool() : fallback;
    }
    const QVariant v = store_->settings().value(name);
    if (!v.isValid()) return fallback;
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true")) return true;
    if (s == QLatin1String("false")) return false;
    bool ok = false;
    const int n = s.toInt(&ok);
    return ok ? n != 0 : fallback;
}

int CliContext::intSetting(const QString& name, int fallback) const
{
    if (const SettingDef* def = findSetting(name)) {
        const StoredValue v = store_->read(*def);
        if (v.status != ReadStatus::Ok) return fallback;
        return def->maximum > def->minimum ? std::clamp(v.value.toInt(), def->minimum, def->maximum) : v.value.toInt();
    }
    bool ok = false;
    const int n = store_->settings().value(name).toString().trimmed().toInt(&ok);
    return ok ? n : fallback;
}

QString CliContext::stringSetting(const QString& name, const QString& fallback) const
{
    if (findSetting(name)) {
        const StoredValue v = store_->read(name);
        return v.status == ReadStatus::Ok ? v.value.toString() : fallback;
    }
    const QVariant v = store_->settings().value(name);
    return v.isValid() ? v.toString() : fallback;
}

std::optional<double> CliContext::dateSetting(const QString& name) const
{
    const QVariant v = store_->settings().value(name);
    if (v.typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray bytes = v.toByteArray();
    if (bytes.size() != 8) return std::nullopt;
    double d;
    std::memcpy(&d, bytes.constData(), 8);
    return d;
}

InterfaceTexts CliContext::interfaceTexts() const
{
    InterfaceTexts texts(germanInterfaceTexts());
    loadInterfaceTexts(programFolder_, languageCode(), texts);
    return texts;
}

void CliContext::printJson(const QJsonValue& value)
{
    QJsonDocument doc = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    out_ << doc.toJson(QJsonDocument::Compact) << '\n';
}

double parseDateOption(const QString& option, const QString& text)
{
    const QDate d = parseDate(text);
    if (!d.isValid())
        throw UsageError(QStringLiteral("%1: \"%2\" is no date of the form dd.mm.yyyy").arg(option, text));
    return toDays(d);
}

} // namespace razoz::cli
