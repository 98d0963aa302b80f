#include "generate/pool_builder.h"

#include "stats/statistics.h"

#include <algorithm>

namespace razoz {

namespace {

// Interface texts of the status line.
enum Text {
    kDrawnNumbers = 0,
    kPoolBuilt = 17,
    kPairs = 18,
    kTriples = 19,
    kQuads = 20,
    kOverdue = 21,
    kNeighbours = 22,
};

QString whole(double v)
{
    return QString::number(qint64(v));
}

class Builder {
public:
    Builder(const CalculationSettings& s, const QString& archivePath, const ReferenceDraws& ref,
            const InterfaceTexts& texts, RunControl& run, GenerationObserver* observer)
        : s_(s), path_(archivePath), ref_(ref), texts_(texts), run_(run), observer_(observer)
    {
    }

    NumberPool& pool() { return pool_; }

    // Steps 1 to 6: runs of k consecutive numbers, the frequent ones and the rarest ones.
    void runs(Statistic statistic, int k, int text, bool frequent, bool rarest)
    {
        if (!frequent && !rarest) return;
        announce(text);
        const BarChart chart = statistic_(statistic);
        // The quad chart scales itself; a bar chart drawn from zero gives 0 and the largest count.
        AxisLimits lim = chart.limits();
        if (statistic == Statistic::Quads) {
            lim.min = 0;
            lim.max = 0;
            for (const auto& b : chart.bars) lim.max = std::max(lim.max, b.y);
        }
        const int last = int(chart.bars.size()) - k; // the last k-1 bars are left out
        auto take = [&](double low, double high) {
            for (int i = 0; i <= last; ++i) {
                const double v = chart.bars[std::size_t(i)].y;
                if (low < v && v <= high)
                    for (int j = 1; j <= k; ++j) pool_.append(i + j);
            }
        };
        if (frequent) {
            const double low = roundHalfEven(lim.max - (lim.max - lim.min) * 0.3);
            const double high = roundHalfEven(lim.max);
            thresholds(low, high);
            take(low, high);
        }
        if (rarest) {
            const double high = roundHalfEven((lim.max - lim.min) * 0.3 + lim.min);
            thresholds(0, high);
            take(0, high);
        }
    }

    // Steps 7 and 9: the top x % of the value range get three entries, the rest of the share two.
    void topShare(const BarChart& chart, int x, const QString& gap)
    {
        const AxisLimits lim = chart.limits();
        const double high = roundHalfEven(lim.max);
        const double low1 = roundHalfEven(lim.max - x / 100.0 * (lim.max - lim.min));
        thresholds(low1, high, gap);
        inRange(chart, low1, high, 2);
        const double low2 = roundHalfEven(lim.max - x / 200.0 * (lim.max - lim.min));
        thresholds(low2, high);
        inRange(chart, low2, high, 1);
    }

    // Step 8: the bottom x % likewise.
    void bottomShare(const BarChart& chart, int x)
    {
        const AxisLimits lim = chart.limits();
        const double low = roundHalfEven(lim.min);
        const double high1 = roundHalfEven(x / 100.0 * (lim.max - lim.min) + lim.min);
        thresholds(low, high1);
        inRange(chart, low, high1, 2);
        const double high2 = roundHalfEven(x / 200.0 * (lim.max - lim.min) + lim.min);
        thresholds(low, high2);
        inRange(chart, low, high2, 1);
    }

    void numberSteps()
    {
        if (s_.preferMostDrawn || s_.preferLeastDrawn) {
            announce(kDrawnNumbers);
            const BarChart frequency = statistic_(Statistic::Frequency);
            if (s_.preferMostDrawn) topShare(frequency, s_.mostDrawnSharePercent, QStringLiteral("  "));
            if (s_.preferLeastDrawn) bottomShare(frequency, s_.leastDrawnSharePercent);
        }
        if (s_.preferOverdue) {
            announce(kOverdue);
            topShare(statistic_(Statistic::Overdue), s_.overdueSharePercent, QStringLiteral(" "));
        }
    }

    // Step 10: four entries for each neighbour of the last draw's eight values.
    void neighbours()
    {
        if (!s_.preferLastDrawNeighbours) return;
        announce(kNeighbours);
        for (int v : ref_.last) {
            if (v >= 2) pool_.append(v - 1, 4);
            if (v < 49) pool_.append(v + 1, 4);
        }
    }

    // Step 11: after one empty slot every number once and 1 a second time, unless only the
    // preferred numbers are to be used.
    void baseBlock()
    {
        pool_.appendEmpty();
        if (s_.drawOnlyPreferred) return;
        for (int n = 1; n <= 49; ++n) pool_.append(n);
        pool_.append(1);
    }

    // Steps 12 to 15.
    void removals()
    {
        auto recent = [&](bool on, int limit, const DrawValues& d) {
            if (!on || limit != 0) return;
            for (int i = 0; i < 7; ++i) pool_.removeAll(d[std::size_t(i)]);
        };
        recent(s_.limitSharedWithLastDraw, s_.sharedWithLastDrawLimit, ref_.last);
        recent(s_.limitSharedWithSecondLastDraw, s_.sharedWithSecondLastDrawLimit, ref_.secondLast);
        recent(s_.limitSharedWithThirdLastDraw, s_.sharedWithThirdLastDrawLimit, ref_.thirdLast);
        if (s_.avoidOneToTwelve) pool_.removeBelow(13);
        if (s_.lessWeightUpToThirtyOne)
            for (int k = 1; k <= 31; ++k) pool_.removeFirst(k);
        pool_.compact();
    }

private:
    BarChart statistic_(Statistic statistic)
    {
        const StatsRange range{s_.rangeStart, s_.rangeEnd, {s_.countSaturdayDraws, s_.countThursdayDraws}};
        BarChart chart = runStatistic(statistic, path_, range, texts_);
        if (observer_) observer_->chartDrawn(chart);
        return chart;
    }

    void announce(int text) { run_.status(1, texts_.text(kPoolBuilt) + QLatin1Char(' ') + texts_.text(text)); }

    void thresholds(double low, double high, const QString& gap = QStringLiteral("  "))
    {
        run_.status(1, QStringLiteral("Min: ") + whole(low) + gap + QStringLiteral("Max: ") + whole(high) +
                           QStringLiteral("  ") + QString::number(pool_.size()));
    }

    void inRange(const BarChart& chart, double low, double high, int times)
    {
        for (std::size_t i = 0; i < chart.bars.size(); ++i) {
            const double v = chart.bars[i].y;
            if (low <= v && v <= high) pool_.append(int(i) + 1, times);
        }
    }

    const CalculationSettings& s_;
    const QString& path_;
    const ReferenceDraws& ref_;
    const InterfaceTexts& texts_;
    RunControl& run_;
    GenerationObserver* observer_;
    NumberPool pool_;
};

} // namespace

PoolBuild buildNumberPool(const CalculationSettings& settings, const QString& archivePath, const ReferenceDraws& ref,
                          const InterfaceTexts& texts, RunControl& run, NumberList* numberList,
                          GenerationObserver* observer)
{
    Builder b(settings, archivePath, ref, texts, run, observer);
    b.runs(Statistic::Pairs, 2, kPairs, settings.preferFrequentPairs, settings.preferRarestPairs);
    b.runs(Statistic::Triples, 3, kTriples, settings.preferFrequentTriples, settings.preferRarestTriples);
    b.runs(Statistic::Quads, 4, kQuads, settings.preferFrequentQuads, settings.preferRarestQuads);
    b.numberSteps();
    b.neighbours();
    b.baseBlock();
    b.removals();

    PoolBuild result{std::move(b.pool())};
    if (settings.showNumberListFirst && numberList) {
        NumberListEntries entries = numberListOf(result.pool);
        switch (numberList->edit(entries)) {
        case NumberListOutcome::Keep: break;
        case NumberListOutcome::Rebuild: result.pool = buildPoolFromList(entries); break;
        case NumberListOutcome::Cancel: result.cancelled = true; break;
        }
    }
    return result;
}

std::optional<std::vector<int>> calculationPoolNumbers(CalculationSettings settings, const QString& archivePath,
                                                       const InterfaceTexts& texts, RunControl& run)
{
    const DrawDays days{settings.countSaturdayDraws, settings.countThursdayDraws};
    const auto ref = captureReferenceDraws(archivePath, settings.rangeEnd, days);
    if (!ref) return std::nullopt;
    if (ref->lastDate > 0) settings.rangeEnd = ref->lastDate;
    const NumberPool pool = buildNumberPool(settings, archivePath, *ref, texts, run).pool;
    std::vector<int> numbers;
    for (int n = 1; n <= 49; ++n)
        if (pool.countInPool(n) > 0) numbers.push_back(n);
    return numbers;
}

} // namespace razoz
