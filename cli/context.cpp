#include "cli.h"

#include "archive/dates.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

namespace razoz::cli {

CliContext::CliContext(QString programFolder, QString settingsFile, QString language, bool json, QStringList args)
    : programFolder_(std::move(programFolder)), language_(std::move(language)), json_(json), args_(std::move(args)),
      out_(stdout)
{
    if (settingsFile.isEmpty())
        settings_ = std::make_unique<QSettings>(QStringLiteral("Tallwick"), QStringLiteral("Dovovuduv"));
    else
        settings_ = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

QString CliContext::languageCode() const
{
    if (!language_.isEmpty()) return language_;
    static const char* codes[] = {"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"};
    const int n = intSetting(QStringLiteral("Sprache"), 0);
    return QString::fromLatin1(n >= 0 && n < 9 ? codes[n] : "de");
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

bool CliContext::boolSetting(const QString& name, bool fallback) const
{
    const QVariant v = settings_->value(name);
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
    const QVariant v = settings_->value(name);
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : fallback;
}

QString CliContext::stringSetting(const QString& name, const QString& fallback) const
{
    const QVariant v = settings_->value(name);
    return v.isValid() ? v.toString() : fallback;
}

std::optional<double> CliContext::dateSetting(const QString& name) const
{
    const QVariant v = settings_->value(name);
    if (v.typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray bytes = v.toByteArray();
    if (bytes.size() != 8) return std::nullopt;
    double d;
    std::memcpy(&d, bytes.constData(), 8);
    return d;
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
