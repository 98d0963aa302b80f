#include "cli.h"

#include "app/languages.h"
#include "app/start_up_settings.h"
#include "archive/dates.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace razoz::cli {

CliContext::CliContext(QString programFolder, QString settingsFile, QString language, bool json, QStringList args)
    : programFolder_(std::move(programFolder)), language_(std::move(language)), json_(json), args_(std::move(args)),
      out_(stdout)
{
    store_ = settingsFile.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(settingsFile);
    // Read as the window reads them at start-up, with the same rules and the same fault policy.
    StartUpHooks hooks;
    hooks.apply = [this](const SettingDef& def, const QVariant&) { stored_ << def.name; };
    readStartUpSettings(*store_, values_, today(), hooks);
    if (!store_->holds(key::RangeStartDate)) stored_.removeAll(key::RangeStartDate.def().name);
}

QString CliContext::languageCode() const
{
    if (!language_.isEmpty()) return language_;
    return languageAt(setting(key::Language)).code;
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

DrawDays CliContext::takeDrawDays()
{
    DrawDays days = atLeastOneDrawDay({setting(key::CountSaturdayDraws), setting(key::CountThursdayDraws)});
    if (takeFlag(QStringLiteral("--no-saturday"))) days.saturday = false;
    if (takeFlag(QStringLiteral("--no-thursday"))) days.thursday = false;
    return days;
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
