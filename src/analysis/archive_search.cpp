#include "analysis/archive_search.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "base/locale_format.h"
#include "check/row_chance.h"
#include "check/tip_check.h"

namespace razoz {

std::optional<qint64> readWholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return n;
}

QString notWholeNumberText(const QString& text)
{
    return QStringLiteral("'%1' ist keine gültige ganze Zahl").arg(text);
}

namespace {

SearchLabel labelFor(const RowMatch& m, bool firstRow)
{
    SearchLabel label{QString::number(m.hits), m.hits >= 3};
    if (m.complementary) label.text += QStringLiteral(" + Z");
    // The Reintegro belongs to the ticket, not to a row: it is shown once, on the first row.
    if (firstRow && m.reintegro) label.text += QStringLiteral(" + R");
    return label;
}

} // namespace

SearchResult searchTips(const QString& archivePath, const TipRows& rows, const SearchOptions& options,
                        const SearchReply& reply)
{
    SearchResult result;
    DrawFilter filter;
    filter.start = options.start;
    filter.end = options.end;
    filter.days = options.days;
    filter.rule = DayRule::Search;

    // The baseline counts the rows a random row could stand for: six different numbers 1..49.
    std::array<bool, kTipRows> playable{};
    for (int r = 0; r < kTipRows; ++r) playable[std::size_t(r)] = playableRow(rows[std::size_t(r)]).has_value();
    const Fraction chance = chanceOfAtLeastHits(options.threshold);
    DrawArchive archive(archivePath);
    archive.openForReading();
    auto finish = [&] {
        archive.close();
        result.expected = Fraction(result.rowsChecked) * chance;
        return result;
    };
    for (int index = 0; !archive.atEnd(); ++index) {
        const DrawRecord record = archive.readNext();
        if (!filter.accepts(record)) continue;
        result.examined = true;
        result.lastDraw = CurrentDraw::from(record);
        result.lastIndex = index;
        ++result.draws;
        for (int r = 0; r < kTipRows; ++r) {
            const RowMatch m = Zettelcheck(rows[std::size_t(r)], result.lastDraw, options.losnummer);
            result.labels[std::size_t(r)] = labelFor(m, r == 0);
            if (playable[std::size_t(r)]) ++result.rowsChecked;
            if (m.hits < options.threshold) continue;
            const SearchReport report{record.date, r, m.hits};
            result.reports.push_back(report);
            if (!reply || !reply(report, result)) {
                result.endedByUser = true;
                return finish();
            }
        }
    }
    return finish();
}

QString searchChanceText(const SearchResult& result, int threshold)
{
    return QStringLiteral("Zufällige Tipps hätten %1 Treffer mit %2 Richtigen oder mehr ergeben (%3 Ziehungen, %4 "
                          "geprüfte Tipps); gefunden: %5")
        .arg(formatNumber(double(result.expected.value()), 2))
        .arg(threshold)
        .arg(formatNumber(result.draws), formatNumber(double(result.rowsChecked)))
        .arg(result.reports.size());
}

QString matchLeadIn(const InterfaceTexts& texts)
{
    const QString lead = texts.text(6);
    return lead.isEmpty() || lead.endsWith(QLatin1Char(' ')) ? lead : lead + QLatin1Char(' ');
}

QString searchReportText(const InterfaceTexts& texts, double date)
{
    return matchLeadIn(texts) + formatDate(date) + QStringLiteral("   ") + texts.text(7);
}

} // namespace razoz
