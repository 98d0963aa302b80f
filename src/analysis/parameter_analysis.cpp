#include "analysis/parameter_analysis.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "base/day_count.h"
#include "base/locale_format.h"
#include "check/prize_tiers.h"
#include "generate/draw_history.h"

namespace razoz {

namespace {

TipRows rowsOf(const GenerationResult& result, const LockedRows& locked)
{
    TipRows rows;
    for (int r = 0; r < kTipRows; ++r) {
        const auto i = std::size_t(r);
        if (locked[i]) {
            rows[i] = *locked[i];
            continue;
        }
        if (result.rows[i][0] == 0) continue;
        for (int c = 0; c < kTipColumns; ++c) rows[i][std::size_t(c)] = QString::number(result.rows[i][std::size_t(c)]);
    }
    return rows;
}

QString tableLine(const QString& label, std::uint32_t weekend, std::uint32_t other)
{
    return label + QStringLiteral("\t=>\t") + QString::number(weekend) + QStringLiteral("\t=>\t") +
           QString::number(other);
}

} // namespace

int replayStep(bool saturday, bool thursday)
{
    return saturday && thursday ? 1 : 6;
}

ParameterAnalysisResult runParameterAnalysis(CalculationSettingsSource& settings, const QString& archivePath,
                                             const ParameterAnalysisOptions& options, RunControl& run,
                                             RandomGenerator& random, const InterfaceTexts& texts)
{
    ParameterAnalysisResult res;
    auto fail = [&](const QString& message) {
        res.end = AnalysisEnd::Failed;
        res.message = message;
        return res;
    };
    std::optional<ArchiveCopy> copy;
    try {
        copy = ArchiveCopy::read(archivePath);
    } catch (const ArchiveError& e) {
        return fail(e.message());
    }
    const ArchiveCopy& archive = *copy;
    // Without a draw no selection can move, and the replay would walk the date on for ever.
    if (archive.empty()) return fail(QStringLiteral("Die Datenbank enthält keine Ziehungen"));

    // Every replayed calculation reads the settings live, except the end date, which is the replay's.
    double replayEnd = 0;
    DrawHistory history(archivePath);
    GenerationHooks hooks;
    hooks.history = &history;
    hooks.replayEnd = &replayEnd;

    int index = archive.selectByDate(options.from);
    double picker = archive.at(index).date;
    auto show = [&](int i) {
        res.hasDraw = true;
        res.drawIndex = i;
        res.draw = CurrentDraw::from(archive.at(i));
    };
    show(index);

    double previous = options.from;
    double last = today();
    bool generate = true;
    bool firstPass = true;
    while (last != previous) {
        last = previous;
        random.setSeed(options.seed);
        ParameterPass pass;
        pass.known = picker;
        pass.computed = !options.onlyAfterThree || generate;
        if (pass.computed) {
            replayEnd = picker;
            const GenerationResult g = generateTips(settings, archivePath, options.locked, run, random, texts, hooks);
            ++res.calculations;
            if (!g.rowsWritten || g.end == GenerationEnd::ArchiveFailure) return fail(g.message);
            res.rows = rowsOf(g, options.locked);
        }
        if (run.stopRequested()) {
            res.end = AnalysisEnd::Stopped;
            return res;
        }

        const double before = picker;
        const CalculationSettings now = settings.snapshot();
        index = archive.selectByDate(picker + replayStep(now.countSaturdayDraws, now.countThursdayDraws));
        picker = archive.at(index).date;
        show(index);
        res.check = Komplettcheck(res.rows, res.draw, options.losnummer);
        const int wd = weekdayOf(picker);
        const int scoredBefore = res.table.chance.scored;
        res.table.add(res.rows, res.check, wd == Saturday || wd == Sunday);
        const int scored = res.table.chance.scored - scoredBefore;
        generate = scored != 0;
        pass.checked = picker;
        pass.scored = scored;
        res.passes.push_back(pass);
        previous = picker;
        run.status(0, formatDate(picker));
        // The last draw is checked a second time and ends the replay; a selection that falls back
        // (an archive out of order) ends it too instead of going round in circles.
        if (!firstPass && !(picker > before)) break;
        firstPass = false;
    }
    return res;
}

void ParameterAnalysisTable::add(const TipRows& rows, const GridCheck& check, bool weekend)
{
    ++draws;
    const int plain = weekend ? WeekendPlain : OtherPlain;
    const int withC = weekend ? WeekendComplementary : OtherComplementary;
    std::int64_t checked = 0;
    for (int h = 0; h <= kMaxHits; ++h) {
        auto& line = counts[std::size_t(h)];
        const auto& tally = check.tally[h];
        line[std::size_t(plain)] += std::uint32_t(tally[0]);
        line[std::size_t(withC)] += std::uint32_t(tally[1]);
        checked += tally[0] + tally[1];
        if (h >= 3) chance.scored += tally[0] + tally[1];
    }
    if (checked == 0) return;
    chance.rowsChecked += checked;
    for (int h = 0; h <= kMaxHits; ++h) {
        auto& line = chance.expected[std::size_t(h)];
        line[std::size_t(plain)] += Fraction(checked * rowsWithHits(h, false), kPossibleRows);
        line[std::size_t(withC)] += Fraction(checked * rowsWithHits(h, true), kPossibleRows);
    }
    std::vector<std::array<int, kTipColumns>> playable;
    for (const TipRowTexts& row : rows)
        if (auto numbers = playableRow(row)) playable.push_back(*numbers);
    // A checked row that repeats a number is still counted, as if it stood apart from the others.
    chance.scoredMoments += rowsReachingMoments(playable, 3, int(checked) - int(playable.size()));
}

namespace {

QString expectedCell(std::uint32_t observed, const Fraction& expected)
{
    const long double e = expected.value();
    const QString ratio = e > 0 ? formatNumber(double(observed / e), 2) : QStringLiteral("–");
    return QStringLiteral("%1 (Verhältnis %2)").arg(formatNumber(double(e), 2), ratio);
}

} // namespace

QStringList parameterReportLines(const ParameterAnalysisTable& table, const InterfaceTexts& texts)
{
    using T = ParameterAnalysisTable;
    QStringList lines;
    lines << texts.text(33);
    for (int h = 0; h <= 6; ++h) {
        const auto& c = table.counts[std::size_t(h)];
        lines << tableLine(QString::number(h) + QStringLiteral("x"), c[T::WeekendPlain], c[T::OtherPlain]);
    }
    for (int h = 0; h <= 5; ++h) {
        const auto& c = table.counts[std::size_t(h)];
        lines << tableLine(QString::number(h) + QStringLiteral("x + ZZ"), c[T::WeekendComplementary],
                           c[T::OtherComplementary]);
    }
    lines << QString() << QString::number(table.draws) + QLatin1Char(' ') + texts.text(1);
    const ParameterChance& chance = table.chance;
    if (chance.rowsChecked == 0) return lines;

    lines << QString()
          << QStringLiteral("Erwartung bei zufälligen Tipps (geprüfte Tipps × Wahrscheinlichkeit, über die "
                            "ausgewerteten Ziehungen; beobachtet ÷ erwartet als Verhältnis):");
    auto chanceLine = [&](const QString& label, int h, T::Column weekend, T::Column other) {
        const auto& c = table.counts[std::size_t(h)];
        const auto& e = chance.expected[std::size_t(h)];
        lines << label + QStringLiteral("\t=>\t") + expectedCell(c[weekend], e[weekend]) + QStringLiteral("\t=>\t") +
                     expectedCell(c[other], e[other]);
    };
    for (int h = 0; h <= 6; ++h)
        chanceLine(QString::number(h) + QStringLiteral("x"), h, T::WeekendPlain, T::OtherPlain);
    for (int h = 0; h <= 5; ++h)
        chanceLine(QString::number(h) + QStringLiteral("x + ZZ"), h, T::WeekendComplementary, T::OtherComplementary);
    const long double mean = chance.scoredMoments.mean;
    lines << QString()
          << QStringLiteral("Tipps mit 3 Richtigen oder mehr: %1 beobachtet, %2 erwartet, Verhältnis %3, p = %4")
                 .arg(chance.scored)
                 .arg(formatNumber(double(mean), 2),
                      mean > 0 ? formatNumber(double(chance.scored / mean), 2) : QStringLiteral("–"),
                      formatNumber(double(chance.scoredP()), 4))
          << QStringLiteral("(p: wie oft zufällige Tipps mindestens so viele Treffer hätten; Normalnäherung mit den "
                            "Kovarianzen der Tipps einer Ziehung)");
    return lines;
}

} // namespace razoz
