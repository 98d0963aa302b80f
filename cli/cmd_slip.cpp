// slip: the slip page as the print builds it; --pdf renders it.
#include "cli.h"

#include "app/slip_settings.h"
#include "archive/dates.h"
#include "base/locale_format.h"
#include "print/slip.h"
#include "print/slip_painter.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>

namespace razoz::cli {

namespace {

int intOption(CliContext& ctx, const QString& name, int fallback, int minimum, int maximum)
{
    const auto v = ctx.takeOption(name);
    if (!v) return fallback;
    bool ok = false;
    const int n = v->toInt(&ok);
    if (!ok || n < minimum || n > maximum)
        throw UsageError(
            QStringLiteral("%1: \"%2\" is no whole number from %3 to %4").arg(name, *v).arg(minimum).arg(maximum));
    return n;
}

TriState triOption(CliContext& ctx, const QString& name, TriState stored)
{
    const auto v = ctx.takeOption(name);
    if (!v) return stored;
    if (*v == QLatin1String("on")) return TriState::Checked;
    if (*v == QLatin1String("off")) return TriState::Unchecked;
    if (*v == QLatin1String("none")) return TriState::Grayed;
    throw UsageError(QStringLiteral("%1: \"%2\" is none of on, off, none").arg(name, *v));
}

QJsonObject labelJson(const SlipLabel& l, bool box)
{
    QJsonObject o{{"name", l.name}};
    if (box)
        o.insert("enabled", l.enabled);
    else
        o.insert("caption", l.caption);
    o.insert("left", l.placed ? QJsonValue(l.left) : QJsonValue(QJsonValue::Null));
    o.insert("top", l.placed ? QJsonValue(l.top) : QJsonValue(QJsonValue::Null));
    return o;
}

} // namespace

std::unique_ptr<QCoreApplication> makeCliApplication(int& argc, char** argv)
{
    // Rendering a PDF needs fonts, and fonts need a GUI application; it never opens a window.
    bool pdf = false;
    for (int i = 1; i < argc; ++i) pdf = pdf || qstrcmp(argv[i], "--pdf") == 0;
    if (!pdf) return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

namespace {

// The number of the positioning window's edit ("Edit7") a positioning value belongs to.
int positioningEditOf(const SettingDef& def)
{
    return QStringView(def.control).mid(4).toInt();
}

} // namespace

int slipCommand(CliContext& ctx)
{
    SlipRequest req;
    req.programFolder = ctx.programFolder();
    req.preset = intOption(ctx, QStringLiteral("--preset"), ctx.setting(key::SlipPreset), 0, kCustomPreset);
    if (!isSlipPresetItem(req.preset)) req.preset = 0;
    // The positioning window as stored.
    for (const SettingDef* d : settingsOfGroup(SettingGroup::Positioning))
        if (d->type == SettingType::String)
            if (const StoredValue v = ctx.storedValue(*d); v.status == ReadStatus::Ok)
                req.positioning.edit[positioningEditOf(*d)] = v.value.toString();
    req.positioning.layout = ctx.settingOr(key::SlipPositioningLayout, 0) == 1 ? 1 : 0;
    if (const auto layout = ctx.takeOption(QStringLiteral("--layout"))) {
        if (*layout != QLatin1String("7x7") && *layout != QLatin1String("49x1"))
            throw UsageError(QStringLiteral("--layout: \"%1\" is none of 7x7, 49x1").arg(*layout));
        if (req.preset != 1 && req.preset != kCustomPreset && *layout == QLatin1String("49x1"))
            throw UsageError(QStringLiteral("--layout 49x1 applies to presets 1 and 13 only"));
        req.positioning.layout = *layout == QLatin1String("49x1") ? 1 : 0;
    }
    // Without stored offsets, those of the chosen preset, as choosing it in the dialog gives.
    // The user-defined positioning keeps the defaults' offsets, as the dialog leaves them.
    const SlipPreset& chosen = slipPresets()[std::size_t(req.preset < kSlipPresetCount ? req.preset : 0)];
    req.tippTop = intOption(ctx, QStringLiteral("--top"), ctx.settingOr(key::PrintOffsetTop, chosen.tippTop), 0, 200);
    req.tippLeft =
        intOption(ctx, QStringLiteral("--left"), ctx.settingOr(key::PrintOffsetLeft, chosen.tippLeft), 0, 200);
    const bool saturday = ctx.takeFlag(QStringLiteral("--saturday"));
    const bool wednesday = ctx.takeFlag(QStringLiteral("--wednesday"));
    if (saturday || wednesday) {
        req.saturday = saturday;
        req.wednesday = wednesday;
    } else {
        std::tie(req.saturday, req.wednesday) =
            defaultDrawDays(ctx.setting(key::PlaysSaturdayOnly), QDate::currentDate());
    }
    const SlipGames played = storedSlipGames(ctx.settingsValues());
    req.spiel77 = triOption(ctx, QStringLiteral("--spiel77"), played.spiel77);
    req.super6 = triOption(ctx, QStringLiteral("--super6"), played.super6);
    req.glueck = triOption(ctx, QStringLiteral("--glueck"), played.glueck);
    req.paper = intOption(ctx, QStringLiteral("--paper"), ctx.settingOr(key::PrintPaper, -1), -1, 3);
    if (ctx.storedValue(key::PrintFontStyle).status == ReadStatus::Ok) {
        // A value missing beside the stored style keeps the slip's own mark font for it.
        const SlipFont design;
        const int style =
            ctx.settingOr(key::PrintFontStyle, int(design.bold) | int(design.italic) << 1 | int(design.underline) << 2 |
                                                   int(design.strikeOut) << 3);
        req.font.bold = style & 1;
        req.font.italic = style & 2;
        req.font.underline = style & 4;
        req.font.strikeOut = style & 8;
        req.font.pointSize = ctx.settingOr(key::PrintFontSize, design.pointSize);
        req.font.family = ctx.settingOr(key::PrintFontName, design.family);
        req.font.color = fromWindowsColor(ctx.settingOr(key::PrintFontColor, windowsColor(design.color)));
    }
    const auto pdf = ctx.takeOption(QStringLiteral("--pdf"));
    req.rows = takeTipRows(ctx);
    ctx.expectNoMore();

    SlipPage page;
    try {
        page = buildSlipPage(req);
    } catch (const SlipError& e) {
        throw Failure(e.message());
    }
    SlipCostInput cost;
    cost.rows = countPlayedRows(req.rows);
    cost.spiel77 = req.spiel77 == TriState::Checked;
    cost.super6 = req.super6 == TriState::Checked;
    cost.glueck = req.glueck == TriState::Checked;
    cost.saturday = req.saturday;
    cost.wednesday = req.wednesday;
    cost.feeOneDraw = oneDrawFee(ctx.setting(key::FeeOneDraw));
    cost.feeBothDraws = bothDrawsFee(ctx.setting(key::FeeBothDraws));
    const QString costText = formatCurrency(dialogCost(cost));

    if (pdf) {
        try {
            writeSlipPdf(page, *pdf);
        } catch (const SlipError& e) {
            throw Failure(e.message());
        }
    }
    if (ctx.json()) {
        QJsonArray marks, boxes;
        for (const SlipLabel& m : page.marks) marks.append(labelJson(m, false));
        for (const SlipLabel& b : page.boxes) boxes.append(labelJson(b, true));
        ctx.printJson(QJsonObject{{"page", QJsonObject{{"width_mm", page.paper.widthMm},
                                                       {"height_mm", page.paper.heightMm},
                                                       {"landscape", page.paper.landscape}}},
                                  {"marks", marks},
                                  {"boxes", boxes},
                                  {"cost", costText}});
        return 0;
    }
    ctx.out() << QStringLiteral("Seite: %1 x %2 mm, %3\n")
                     .arg(formatNumber(page.paper.widthMm))
                     .arg(formatNumber(page.paper.heightMm))
                     .arg(page.paper.landscape ? QStringLiteral("quer") : QStringLiteral("hoch"));
    for (const SlipLabel& m : page.marks)
        if (m.placed) ctx.out() << QStringLiteral("%1 x links %2 oben %3\n").arg(m.name).arg(m.left).arg(m.top);
    for (const SlipLabel& b : page.boxes)
        if (b.enabled) ctx.out() << QStringLiteral("%1 x links %2 oben %3\n").arg(b.name).arg(b.left).arg(b.top);
    ctx.out() << QStringLiteral("Kosten: %1\n").arg(costText);
    if (pdf) ctx.out() << QStringLiteral("PDF: %1\n").arg(*pdf);
    return 0;
}

} // namespace razoz::cli
