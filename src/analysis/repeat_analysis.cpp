#include "analysis/repeat_analysis.h"

#include "analysis/archive_search.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "base/locale_format.h"
#include "check/prize_tiers.h"
#include "check/tip_check.h"
#include "generate/draw_history.h"

#include <algorithm>
#include <bit>

namespace razoz {

namespace {

// A draw as the analysis compares it: its numbers as row 1 would hold them and a mask for the
// common case of six different numbers.
struct Compared {
    TipRowTexts texts;
    std::uint64_t mask = 0;
    bool plain = false; // six different numbers 1..49: the mask alone counts the hits
};

Compared compared(const DrawRecord& r)
{
    Compared c;
    int values[6];
    bool inRange = true;
    for (int i = 0; i < 6; ++i) {
        values[i] = r.numbers[std::size_t(i)];
        c.texts[std::size_t(i)] = normalizeBoxText(QString::number(values[i]));
        inRange = inRange && values[i] >= 1 && values[i] <= 49;
    }
    c.mask = numberMask(values, 6);
    c.plain = inRange && std::popcount(c.mask) == 6;
    return c;
}

int hits(const Compared& row, const Compared& drawn, const DrawRecord& record)
{
    if (row.plain && drawn.plain) return std::popcount(row.mask & drawn.mask);
    return sharedNumbers(row.texts, record);
}

QString countLine(int h, std::uint32_t n)
{
    return QString::number(h) + QStringLiteral("x    =>") + QString::number(n);
}

} // namespace

int sharedNumbers(const TipRowTexts& row, const DrawRecord& draw)
{
    // A damaged record may repeat a number: the count stays within the table.
    return std::clamp(Zettelcheck(row, CurrentDraw::from(draw), QString()).hits, 0, 6);
}

RepeatAnalysisResult runRepeatAnalysis(const QString& archivePath, const RepeatAnalysisOptions& options,
                                       RunControl& run, const RepeatReply& reply)
{
    RepeatAnalysisResult res;
    std::optional<ArchiveCopy> copy;
    try {
        copy = ArchiveCopy::read(archivePath);
    } catch (const ArchiveError& e) {
        res.end = AnalysisEnd::Failed;
        res.message = e.message();
        return res;
    }
    const ArchiveCopy& archive = *copy;
    if (archive.empty()) {
        res.end = AnalysisEnd::Failed;
        res.message = QStringLiteral("Die Datenbank enthält keine Ziehungen");
        return res;
    }
    std::vector<Compared> all;
    all.reserve(std::size_t(archive.size()));
    for (const DrawRecord& r : archive.records()) all.push_back(compared(r));

    int index = archive.selectByDate(options.chosen);
    auto setCurrent = [&](int i) {
        res.currentIndex = i;
        res.current = CurrentDraw::from(archive.at(i));
        res.hasCurrent = true;
    };
    setCurrent(index);
    double stopDate = archive.at(index).date + 10;
    const double lastDate = archive.at(archive.size() - 1).date;
    bool first = true;

    while (archive.at(index).date < stopDate) {
        const DrawRecord& d = archive.at(index);
        const Compared& row = all[std::size_t(index)];
        res.row1 = row.texts;
        run.status(0, formatDate(stopDate));
        run.status(1, formatDate(d.date));
        run.yield();
        if (run.stopRequested()) {
            res.end = AnalysisEnd::Stopped;
            return res;
        }

        // The first draw's history is empty: it begins at the chosen date itself.
        const double historyStart = first ? options.chosen : options.start;
        for (int i = 0; i < archive.size(); ++i) {
            const DrawRecord& earlier = archive.at(i);
            if (earlier.date < historyStart || earlier.date >= d.date) continue;
            const int h = hits(row, all[std::size_t(i)], earlier);
            ++res.table.history[std::size_t(h)];
            if (h < options.threshold) continue;
            const RepeatMatch match{d.date, earlier.date, h};
            res.matches.push_back(match);
            if (!reply || !reply(match)) {
                res.end = AnalysisEnd::Declined;
                res.current = CurrentDraw::from(earlier); // shown while asked; its position stays
                return res;
            }
        }
        stopDate = lastDate;

        // Follow-ups: a step counts when it reaches a later draw. The first step must get past
        // the analysed draw, or the analysis would stand on it for ever.
        const int step1 = archive.next(index, options.days);
        ++res.passes;
        first = false;
        if (!(archive.at(step1).date > d.date)) {
            setCurrent(step1);
            break;
        }
        ++res.table.next1[std::size_t(hits(row, all[std::size_t(step1)], archive.at(step1)))];
        int at = step1;
        const int step2 = archive.next(step1, options.days);
        at = step2;
        if (archive.at(step2).date > archive.at(step1).date) {
            ++res.table.next2[std::size_t(hits(row, all[std::size_t(step2)], archive.at(step2)))];
            const int step3 = archive.next(step2, options.days);
            at = step3;
            if (archive.at(step3).date > archive.at(step2).date) {
                ++res.table.next3[std::size_t(hits(row, all[std::size_t(step3)], archive.at(step3)))];
                at = archive.previous(at, options.days);
            }
            at = archive.previous(at, options.days);
        }
        // The net effect is one step: the draw after the analysed one.
        if (at <= index || !(archive.at(at).date > d.date)) at = step1;
        index = at;
        setCurrent(index);
    }
    return res;
}

std::array<Fraction, 7> expectedShares(const std::array<std::uint32_t, 7>& counts)
{
    std::int64_t total = 0;
    for (auto n : counts) total += n;
    std::array<Fraction, 7> expected;
    for (int h = 0; h <= 6; ++h)
        expected[std::size_t(h)] = Fraction(total * (rowsWithHits(h, false) + rowsWithHits(h, true)), kPossibleRows);
    return expected;
}

QStringList repeatReportLines(const RepeatAnalysisTable& table, const InterfaceTexts& texts)
{
    QStringList lines;
    lines << texts.text(40);
    for (int h = 0; h <= 6; ++h) lines << countLine(h, table.history[std::size_t(h)]);
    const std::array<const std::array<std::uint32_t, 7>*, 3> follow{&table.next1, &table.next2, &table.next3};
    for (int k = 0; k < 3; ++k) {
        lines << QStringLiteral(" ") << texts.text(41 + k);
        for (int h = 0; h <= 6; ++h) lines << countLine(h, (*follow[std::size_t(k)])[std::size_t(h)]);
    }
    lines << QStringLiteral(" ")
          << QStringLiteral("Zufallserwartung (Anzahl der Vergleiche × Wahrscheinlichkeit, dass zwei Ziehungen "
                            "so viele Zahlen teilen):");
    const std::array<const std::array<std::uint32_t, 7>*, 4> blocks{&table.history, &table.next1, &table.next2,
                                                                    &table.next3};
    for (int k = 0; k < 4; ++k) {
        lines << QStringLiteral(" ") << texts.text(40 + k);
        const auto expected = expectedShares(*blocks[std::size_t(k)]);
        for (int h = 0; h <= 6; ++h)
            lines << QString::number(h) + QStringLiteral("x    =>") +
                         formatNumber(double(expected[std::size_t(h)].value()), 2);
    }
    return lines;
}

QString repeatMatchText(const InterfaceTexts& texts, double date)
{
    return matchLeadIn(texts) + formatDate(date) + QStringLiteral("  ") + texts.text(7);
}

} // namespace razoz
