#include "generate/tip_generator.h"

#include "archive/draw_archive.h"
#include "check/tip_check.h"
#include "generate/pool_builder.h"

#include <QDir>

namespace razoz {

namespace {

enum Text {
    kDrawing = 23,
    kTip = 24,
    kBudgetSpent = 25,
    kDone = 26,
};

// The four settings the calculation loosens, put back however it ends.
class Loosened {
public:
    explicit Loosened(GenerationSettings& s)
        : s_(s), pair_(s.checkBox8()), last_(s.upDown4()), secondLast_(s.upDown5()), hits_(s.upDown6())
    {
    }
    ~Loosened()
    {
        s_.setCheckBox8(pair_);
        s_.setUpDown4(last_);
        s_.setUpDown5(secondLast_);
        s_.setUpDown6(hits_);
    }
    Loosened(const Loosened&) = delete;
    Loosened& operator=(const Loosened&) = delete;

private:
    GenerationSettings& s_;
    bool pair_;
    int last_, secondLast_, hits_;
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

GenerationResult generateTips(GenerationSettings& settings, const QString& archivePath, const LockedRows& locked,
                              RunControl& run, RandomGenerator& random, const InterfaceTexts& texts,
                              const GenerationHooks& hooks)
{
    GenerationResult res;
    res.iterationLimit = 1000 * settings.upDown7();
    const int limit = res.iterationLimit;
    const Loosened loosened(settings);
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
        const DrawDays days{settings.checkBox16(), settings.checkBox17()};
        const auto ref = captureReferenceDraws(archivePath, settings.dateTimePicker1(), days);
        if (!ref)
            return endEarly(
                GenerationEnd::ArchiveMissing,
                QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(QDir::toNativeSeparators(archivePath)));
        res.reference = *ref;
        // Statistics and history windows end at the selected draw, not at the day typed in.
        if (ref->lastDate > 0 && ref->lastDate != settings.dateTimePicker1())
            settings.setDateTimePicker1(ref->lastDate);

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
                const bool drawn = r == 0 || (runs < limit && r < settings.upDown8());
                if (drawn && poolUsable) {
                    int fill = 0;
                    while (fill < 6 && runs < limit && !run.stopRequested()) {
                        run.yield();
                        ++runs;
                        if (runs == limit / 2) settings.setCheckBox8(false);
                        if (r >= 2) {
                            const int left = limit - runs;
                            if (left == 20000) settings.setUpDown6(6);
                            if (left == 10000) {
                                settings.setUpDown5(2);
                                settings.setUpDown4(1);
                            }
                            if (left == 5000) {
                                settings.setUpDown5(3);
                                settings.setUpDown4(2);
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
                        if (CheckRow(c, r, res.rows, res.reference, settings, history) != RowTest::None) {
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

} // namespace razoz
