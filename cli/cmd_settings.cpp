// settings show: every setting with the value a command uses and where it came from.
#include "cli.h"

#include "archive/dates.h"

#include <QJsonArray>
#include <QJsonObject>

namespace razoz::cli {

namespace {

QJsonValue jsonValue(const SettingDef& def, const QVariant& v)
{
    if (!v.isValid()) return QJsonValue();
    switch (def.type) {
    case SettingType::Bool: return v.toBool();
    case SettingType::Int:
    case SettingType::Byte: return v.toInt();
    case SettingType::String: return v.toString();
    case SettingType::Date: return formatDate(v.toDouble());
    }
    return QJsonValue();
}

QString plainValue(const QJsonValue& v)
{
    if (v.isNull()) return QStringLiteral("-");
    if (v.isBool()) return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (v.isDouble()) return QString::number(v.toInt());
    return v.toString();
}

} // namespace

int settingsCommand(CliContext& ctx)
{
    const QString verb = ctx.takeWord(QStringLiteral("settings command (show)"));
    if (verb != QLatin1String("show")) throw UsageError(QStringLiteral("unknown settings command: %1").arg(verb));
    ctx.expectNoMore();
    QJsonArray list;
    for (const SettingDef& def : settingsSchema()) {
        if (!def.stored()) continue;
        QVariant v = SettingsRows::value(ctx.settingsValues(), def);
        if (v.isValid() && def.type == SettingType::Int) v = clampToRange(def, v.toInt());
        QJsonObject o;
        o.insert(QStringLiteral("name"), def.name);
        o.insert(QStringLiteral("value"), jsonValue(def, v));
        o.insert(QStringLiteral("source"), ctx.isStored(def) ? QStringLiteral("stored") : QStringLiteral("default"));
        list.append(o);
    }
    if (ctx.json()) {
        ctx.printJson(QJsonObject{{QStringLiteral("settings"), list}});
        return 0;
    }
    for (const QJsonValue& e : list) {
        const QJsonObject o = e.toObject();
        ctx.out() << o.value(QStringLiteral("name")).toString() << " = " << plainValue(o.value(QStringLiteral("value")))
                  << "  (" << o.value(QStringLiteral("source")).toString() << ")\n";
    }
    return 0;
}

} // namespace razoz::cli
