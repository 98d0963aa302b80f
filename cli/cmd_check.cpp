// check: the full tip check of up to twelve rows against the draw selected for a date.
#include "cli.h"

#include "archive/dates.h"
#include "check/tip_check.h"

#include <QJsonArray>
#include <QJsonObject>

namespace razoz::cli {

namespace {

TipRowTexts parseRowOption(const QString& value, int row)
{
    const QStringList fields = value.split(QLatin1Char(','));
    if (fields.size() != kTipColumns)
        throw UsageError(QStringLiteral("--row %1: \"%2\" needs six fields separated by \",\" "
                                        "(an empty field is an empty box)")
                             .arg(row)
                             .arg(value));
    TipRowTexts texts;
    for (int c = 0; c < kTipColumns; ++c) {
        const QString field = fields[c].trimmed();
        if (field.isEmpty()) continue;
        texts[c] = normalizeBoxText(field);
        if (texts[c].isEmpty())
            throw UsageError(QStringLiteral("--row %1: \"%2\" is no number from 1 to 49").arg(row).arg(field));
    }
    return texts;
}

QJsonArray intArray(const auto& values)
{
    QJsonArray a;
    for (int v : values) a.append(v);
    return a;
}

QString rowLine(int r, const TipRowTexts& boxes, const RowCheck& row)
{
    QString line = QStringLiteral("%1. Tipp:").arg(r + 1, 2);
    for (int c = 0; c < kTipColumns; ++c) {
        const QString text = boxes[c].isEmpty() ? QStringLiteral("-") : boxes[c];
        const int state = row.complete ? row.match.states[c] : 0;
        line += QStringLiteral(" %1%2").arg(text, 2).arg(state == 1 ? '*' : state == 2 ? '+' : ' ');
    }
    if (row.complete) line += QStringLiteral("  QS: %1  Treffer: %2").arg(row.sum, 3).arg(row.hitText);
    while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    return line;
}

} // namespace

TipRows takeTipRows(CliContext& ctx, bool required)
{
    const QStringList rowValues = ctx.takeOptions(QStringLiteral("--row"));
    const auto tipsFile = ctx.takeOption(QStringLiteral("--tips"));
    if (!rowValues.isEmpty() && tipsFile) throw UsageError(QStringLiteral("--row and --tips exclude each other"));
    if (required && rowValues.isEmpty() && !tipsFile) throw UsageError(QStringLiteral("give --row or --tips"));
    if (rowValues.size() > kTipRows)
        throw UsageError(QStringLiteral("at most %1 rows (--row given %2 times)").arg(kTipRows).arg(rowValues.size()));
    TipRows rows;
    if (tipsFile) {
        try {
            rows = Textladen(*tipsFile); // as the grid would hold them
        } catch (const TipFileError& e) {
            throw Failure(QString::fromStdString(e.what()));
        }
    }
    for (int r = 0; r < rowValues.size(); ++r) rows[r] = parseRowOption(rowValues[r], r + 1);
    return rows;
}

int checkCommand(CliContext& ctx)
{
    const auto date = ctx.takeOption(QStringLiteral("--date"));
    const auto losnummerOption = ctx.takeOption(QStringLiteral("--losnummer"));
    const TipRows rows = takeTipRows(ctx);
    ctx.expectNoMore();
    const double target = date ? parseDateOption(QStringLiteral("--date"), *date) : today();
    const QString losnummer = losnummerOption ? *losnummerOption : ctx.setting(key::TicketNumber);

    // Checked here: selecting a draw would create a missing archive, and razoz-cli writes nothing.
    DrawArchive archive = DrawArchive::inFolder(ctx.programFolder());
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    if (archive.recordCount() == 0) throw Failure(QStringLiteral("the archive holds no draws"));
    DrawNavigator nav;
    nav.selectByDate(archive, target);

    const GridCheck result = Komplettcheck(rows, nav.current(), losnummer);
    if (ctx.json()) {
        QJsonArray rowsJson;
        for (int r = 0; r < kTipRows; ++r) {
            const RowCheck& row = result.rows[r];
            const TipRowTexts boxes = row.complete ? row.sortedTexts() : rows[r];
            QJsonArray boxesJson;
            for (const QString& b : boxes) boxesJson.append(b);
            rowsJson.append(QJsonObject{
                {"boxes", boxesJson},
                {"sum", row.complete ? QJsonValue(row.sum) : QJsonValue(QJsonValue::Null)},
                {"hits", row.complete ? QJsonValue(row.match.hits) : QJsonValue(QJsonValue::Null)},
                {"complementary", row.match.complementary},
                {"reintegro", row.match.reintegro},
                {"states", intArray(row.match.states)},
                {"label", row.hitText},
                {"tier", row.prize.hitTier ? QJsonValue(tierName(*row.prize.hitTier)) : QJsonValue(QJsonValue::Null)},
                {"reintegro_prize", row.prize.reintegro}});
        }
        QJsonArray tally;
        for (const auto& pair : result.tally.counts) tally.append(intArray(pair));
        ctx.printJson(QJsonObject{
            {"draw", drawJson(nav.current(), nav.index(), nav.separator())}, {"rows", rowsJson}, {"tally", tally}});
        return 0;
    }
    ctx.out() << formatDraw(nav.current(), nav.separator()) << '\n' << formatSum(nav.current()) << '\n';
    for (int r = 0; r < kTipRows; ++r) {
        const RowCheck& row = result.rows[r];
        ctx.out() << rowLine(r, row.complete ? row.sortedTexts() : rows[r], row) << '\n';
    }
    ctx.out() << "Treffer (ohne Z / mit Z):";
    for (int h = 0; h <= kMaxHits; ++h)
        ctx.out() << QStringLiteral("  %1: %2/%3").arg(h).arg(result.tally[h][0]).arg(result.tally[h][1]);
    ctx.out() << '\n';
    return 0;
}

} // namespace razoz::cli
