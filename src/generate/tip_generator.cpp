#include "generate/tip_generator.h"

#include "archive/draw_archive.h"
#include "base/locale_format.h"
#include "check/tip_check.h"
#include "generate/pool_builder.h"

#include <QDir>
#include <QStringList>

#include <algorithm>
#include <numeric>

namespace razoz {

namespace {

enum Text {
    kDrawing = 23,
    kTip = 24,
    kBudgetSpent = 25,
    kDone = 26,
};

// The four rules the calculation loosens as its budget runs out. A loosened value holds from the
// candidate it was loosened at to the end of the run, unless the user changes that setting
// meanwhile: from then on the user's value counts. The shared settings never hold a loosened value.
class Loosening {
public:
    Loosening(GenerationObserver* observer) : observer_(observer) {}

    // Loosens `rule` from this candidate on (`now`: its settings).
    void loosen(LoosenedRule rule, int value, CalculationSettings& now)
    {
        Entry& e = entries_[std::size_t(rule)];
        if (e.userChanged) return;
        if (!e.value) e.from = get(now, rule);
        e.value = value;
        set(now, rule, value);
        loosened_ = true;
        if (observer_) observer_->ruleLoosened(rule, value);
    }
    // The settings of the next candidate: the user's, with what is still loosened.
    void applyTo(CalculationSettings& s)
    {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            Entry& e = entries_[i];
            if (!e.value || e.userChanged) continue;
            if (get(s, LoosenedRule(i)) != e.from)
                e.userChanged = true;
            else
                set(s, LoosenedRule(i), *e.value);
        }
    }
    // The window shows the user's values again, however the run ends.
    ~Loosening()
    {
        if (loosened_ && observer_) observer_->loosenedRulesRestored();
    }
    Loosening(const Loosening&) = delete;
    Loosening& operator=(const Loosening&) = delete;

private:
    struct Entry {
        std::optional<int> value;
        int from = 0;
        bool userChanged = false;
    };
    static int get(const CalculationSettings& s, LoosenedRule rule)
    {
        switch (rule) {
        case LoosenedRule::ConsecutivePair: return s.demandConsecutivePair ? 1 : 0;
        case LoosenedRule::SharedWithLastDraw: return s.sharedWithLastDrawLimit;
        case LoosenedRule::SharedWithSecondLastDraw: return s.sharedWithSecondLastDrawLimit;
        case LoosenedRule::PastDrawHits: return s.pastDrawHits;
        }
        return 0;
    }
    static void set(CalculationSettings& s, LoosenedRule rule, int value)
    {
        switch (rule) {
        case LoosenedRule::ConsecutivePair: s.demandConsecutivePair = value != 0; break;
        case LoosenedRule::SharedWithLastDraw: s.sharedWithLastDrawLimit = value; break;
        case LoosenedRule::SharedWithSecondLastDraw: s.sharedWithSecondLastDrawLimit = value; break;
        case LoosenedRule::PastDrawHits: s.pastDrawHits = value; break;
        }
    }

    GenerationObserver* observer_;
    std::array<Entry, 4> entries_{};
    bool loosened_ = false;
};

} // namespace

QString candidateStatus(int row, const RowValues& v, int sum, const InterfaceTexts& texts)
{
    QString s = QString::number(row + 1) + QLatin1Char('.') + texts.text(kTip) + QStringLiteral(":  ") +
                QString::number(v[0]) + QLatin1Char(' ') + QString::number(v[1]);
    for (std::size_t i = 2; i < 6; ++i) s += QStringLiteral("  ") + QString::number(v[i]);
    s += row == 1 || row == 3 ? QStringLiteral("   ") : row == 2 ? QStringLiteral("    ") : QStringLiteral("  ");
    s += QStringLiteral("QS: ") + QString::number(sum);
    return s;
}

GenerationResult generateTips(CalculationSettingsSource& source, const QString& archivePath, const LockedRows& locked,
                              RunControl& run, RandomGenerator& random, const InterfaceTexts& texts,
                              const GenerationHooks& hooks)
{
    GenerationResult res;
    Loosening loosening(hooks.observer);
    // A consistent copy of the settings, taken afresh for every candidate.
    auto current = [&] {
        CalculationSettings s = source.snapshot();
        if (hooks.replayEnd) {
            s.rangeEnd = *hooks.replayEnd;
            s.showNumberListFirst = false;
        }
        loosening.applyTo(s);
        return s;
    };
    CalculationSettings settings = current();
    res.iterationLimit = iterationLimit(settings);
    const int limit = res.iterationLimit;
    auto endEarly = [&](GenerationEnd end, const QString& message) {
        res.end = end;
        res.message = message;
        res.status = message;
        run.status(1, message);
        return res;
    };

    std::array<std::optional<RowValues>, kTipRows> lockedRows;
    for (int r = 0; r < kTipRows; ++r) {
        if (!locked[std::size_t(r)]) continue;
        lockedRows[std::size_t(r)] = rowNumbers(*locked[std::size_t(r)]);
        if (!lockedRows[std::size_t(r)])
            return endEarly(
                GenerationEnd::BadLockedRow,
                QStringLiteral("Der %1. Tipp ist gesperrt, enthält aber nicht sechs Zahlen von 1 bis 49").arg(r + 1));
        res.rows[std::size_t(r)] = *lockedRows[std::size_t(r)];
    }

    DrawHistory ownHistory(archivePath);
    DrawHistory& history = hooks.history ? *hooks.history : ownHistory;
    const int queriesBefore = history.queries();
    try {
        const DrawDays days{settings.countSaturdayDraws, settings.countThursdayDraws};
        const auto ref = captureReferenceDraws(archivePath, settings.rangeEnd, days);
        if (!ref)
            return endEarly(
                GenerationEnd::ArchiveMissing,
                QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(QDir::toNativeSeparators(archivePath)));
        res.reference = *ref;
        // Statistics and history windows end at the selected draw, not at the day typed in.
        if (ref->lastDate > 0 && ref->lastDate != settings.rangeEnd) {
            if (hooks.replayEnd) {
                *hooks.replayEnd = ref->lastDate;
            } else {
                source.edit([&](CalculationSettings& s) { s.rangeEnd = ref->lastDate; });
                if (hooks.observer) hooks.observer->rangeEndMoved(ref->lastDate);
            }
            settings = current();
        }

        const PoolBuild built =
            buildNumberPool(settings, archivePath, res.reference, texts, run, hooks.numberList, hooks.observer);
        if (built.cancelled) {
            res.end = GenerationEnd::NumberListCancelled;
            return res;
        }
        const NumberPool& pool = built.pool;
        // A pool of fewer than six different numbers can never complete a row.
        const bool poolUsable = pool.distinctNumbers() >= 6;

        if (hooks.observer) hooks.observer->drawingStarts();
        res.rowsWritten = true;
        run.status(1, texts.text(kDrawing));

        int& runs = res.runCounter;
        for (int r = 0; r < kTipRows; ++r) {
            RowValues c{};
            std::optional<int> sum;
            if (lockedRows[std::size_t(r)]) {
                c = *lockedRows[std::size_t(r)]; // neither sorted nor tested
            } else {
                const bool drawn = r == 0 || (runs < limit && r < settings.rowsToCompute);
                if (drawn && poolUsable) {
                    int fill = 0;
                    while (fill < 6 && runs < limit && !run.stopRequested()) {
                        run.yield();
                        ++runs;
                        settings = current();
                        if (runs == limit / 2) loosening.loosen(LoosenedRule::ConsecutivePair, 0, settings);
                        if (r >= 2) {
                            const int left = limit - runs;
                            if (left == 20000) loosening.loosen(LoosenedRule::PastDrawHits, 6, settings);
                            if (left == 10000) {
                                loosening.loosen(LoosenedRule::SharedWithSecondLastDraw, 2, settings);
                                loosening.loosen(LoosenedRule::SharedWithLastDraw, 1, settings);
                            }
                            if (left == 5000) {
                                loosening.loosen(LoosenedRule::SharedWithSecondLastDraw, 3, settings);
                                loosening.loosen(LoosenedRule::SharedWithLastDraw, 2, settings);
                            }
                        }
                        // Empty slots and repeated numbers cost another pick, not another run.
                        while (c[5] == 0) {
                            int v = pool.at(int(random.next(std::uint32_t(pool.size()))));
                            for (int i = 0; i < fill; ++i)
                                if (c[std::size_t(i)] == v) v = 0;
                            c[std::size_t(fill)] = v;
                            if (v != 0) ++fill;
                        }
                        const int candidateSum = rowSum(c);
                        sortRow(c);
                        run.status(1, candidateStatus(r, c, candidateSum, texts));
                        if (const RowTest failed = CheckRow(c, r, res.rows, res.reference, settings, history);
                            failed != RowTest::None) {
                            ++res.rejected[std::size_t(failed)];
                            c = {};
                            fill = 0;
                        }
                    }
                }
                if (runs >= limit) c = {};
                sortRow(c);
                sum = rowSum(c);
            }
            res.rows[std::size_t(r)] = c;
            res.sums[std::size_t(r)] = sum;
            if (hooks.observer) hooks.observer->rowFinished(r, c, sum);
        }

        res.historyRead = history.queries() > queriesBefore;
        if (!poolUsable) {
            res.end = GenerationEnd::PoolTooSmall;
            res.status = texts.text(kBudgetSpent);
        } else if (runs >= limit) {
            res.end = GenerationEnd::BudgetSpent;
            res.status = texts.text(kBudgetSpent);
        } else {
            res.end = run.stopRequested() ? GenerationEnd::Stopped : GenerationEnd::Finished;
            res.status = texts.text(kDone);
        }
        run.status(1, res.status);
        return res;
    } catch (const ArchiveError& e) {
        res.historyRead = history.queries() > queriesBefore;
        return endEarly(GenerationEnd::ArchiveFailure, e.message());
    }
}

int GenerationResult::rejectedTotal() const
{
    return std::accumulate(rejected.begin(), rejected.end(), 0);
}

QString rejectedText(const GenerationResult& result)
{
    std::vector<int> tests;
    for (int t = 1; t < kRowTests; ++t)
        if (result.rejected[std::size_t(t)] > 0) tests.push_back(t);
    if (tests.empty()) return {};
    std::stable_sort(tests.begin(), tests.end(),
                     [&](int a, int b) { return result.rejected[std::size_t(a)] > result.rejected[std::size_t(b)]; });
    QStringList parts;
    for (int t : tests)
        parts << rowTestText(RowTest(t)) + QLatin1Char(' ') + formatNumber(result.rejected[std::size_t(t)]);
    return QStringLiteral("%1 Kandidaten abgelehnt: %2")
        .arg(formatNumber(result.rejectedTotal()), parts.join(QStringLiteral(" · ")));
}

} // namespace razoz
