#include "base/locale_format.h"
#include "generate/tip_generator.h"
#include "generate_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace razoz;
using namespace razoz::test;

namespace {

// Counts the runs (one yield each) and can act at a given run.
class CountingRun : public QuietRunControl {
public:
    int yields = 0;
    std::function<void(int)> onYield;
    void yield() override
    {
        ++yields;
        if (onYield) onYield(yields);
    }
};

// Records the rules the calculation loosens, with the run each was loosened at.
class RecordingObserver : public GenerationObserver {
public:
    explicit RecordingObserver(const CountingRun& run) : run_(run) {}
    std::vector<std::tuple<QString, int, int>> changes; // rule (its control), value, run
    int restored = 0;
    void ruleLoosened(LoosenedRule rule, int value) override
    {
        static const char* const controls[] = {"CheckBox8", "UpDown4", "UpDown5", "UpDown6"};
        changes.emplace_back(QString::fromLatin1(controls[int(rule)]), value, run_.yields);
    }
    void loosenedRulesRestored() override { ++restored; }

private:
    const CountingRun& run_;
};

class GeneratorTest : public ::testing::Test {
protected:
    GeneratorTest()
    {
        static const std::vector<DrawRecord> real = realDraws();
        dir.writeArchive(real);
        values.set(key::RangeEndDate, lastRealDrawDay());
    }
    GenerationResult generate(std::uint32_t seed = 4711, GenerationObserver* observer = nullptr)
    {
        CalculationSettingsSource s(calculationSettingsFrom(values));
        return generate(s, seed, observer);
    }
    GenerationResult generate(CalculationSettingsSource& s, std::uint32_t seed, GenerationObserver* observer = nullptr)
    {
        RandomGenerator random(seed);
        GenerationHooks hooks;
        hooks.observer = observer;
        return generateTips(s, dir.archivePath(), locked, run, random, texts, hooks);
    }
    // Settings no row can meet: the only row with sum 279 holds a triple.
    void noRowPasses()
    {
        setSpin(values, 1, 279);
        setSpin(values, 2, 279);
        setBoxes(values, {18}, true);
    }

    ProgramDir dir;
    SettingsValues values;
    LockedRows locked;
    CountingRun run;
    InterfaceTexts texts = germanTexts();
};

TEST_F(GeneratorTest, DefaultsGiveTheRequestedRowsReproducibly)
{
    const GenerationResult a = generate(42);
    EXPECT_EQ(a.end, GenerationEnd::Finished);
    EXPECT_EQ(a.status, texts.text(26));
    EXPECT_EQ(a.iterationLimit, 50000);
    // The rows of seed 42 over the real archive: one more or one less random draw anywhere
    // changes them.
    const SlipRows expected{{{9, 10, 30, 32, 39, 41},
                             {8, 9, 14, 31, 32, 39},
                             {1, 10, 22, 25, 42, 44},
                             {4, 9, 16, 25, 35, 47},
                             {10, 26, 30, 35, 43, 47},
                             {7, 9, 13, 25, 32, 47},
                             {9, 10, 15, 31, 35, 39},
                             {4, 9, 10, 25, 34, 43},
                             {},
                             {},
                             {},
                             {}}};
    EXPECT_EQ(a.rows, expected);
    EXPECT_EQ(a.runCounter, 17);
    for (int r = 0; r < 8; ++r) {
        EXPECT_TRUE(std::is_sorted(a.rows[r].begin(), a.rows[r].end()));
        EXPECT_EQ(a.sums[r], rowSum(a.rows[r]));
        // The last draw's numbers were taken out of the pool.
        for (int n : {18, 27, 28, 33, 46, 48, 23}) EXPECT_EQ(std::count(a.rows[r].begin(), a.rows[r].end(), n), 0);
    }
    for (int r = 8; r < 12; ++r) EXPECT_EQ(a.sums[r], 0);

    const GenerationResult b = generate(42);
    EXPECT_EQ(b.rows, a.rows);
    EXPECT_NE(generate(43).rows, a.rows);
}

// Every run either completes a row or is turned down by exactly one test, and the counts name it.
TEST_F(GeneratorTest, EveryRunThatIsNoRowIsCountedForTheTestThatTurnedItDown)
{
    const GenerationResult a = generate(42);
    EXPECT_EQ(a.rejectedTotal(), a.runCounter - 8);
    EXPECT_EQ(a.rejected[std::size_t(RowTest::None)], 0);

    noRowPasses();
    values.set(key::RunBudgetThousands, 2);
    const GenerationResult b = generate(42);
    ASSERT_EQ(b.end, GenerationEnd::BudgetSpent);
    const int sum = b.rejected[std::size_t(RowTest::SumRange)];
    const int triple = b.rejected[std::size_t(RowTest::NoTriple)];
    EXPECT_GT(sum, triple);
    EXPECT_EQ(sum + triple, b.runCounter);
    EXPECT_TRUE(rejectedText(b).startsWith(
        QStringLiteral("2.000 Kandidaten abgelehnt: Summenbereich %1").arg(formatNumber(sum))))
        << rejectedText(b).toStdString();
}

TEST_F(GeneratorTest, ALockedRowStaysUnsortedAndLaterRowsAreTestedAgainstIt)
{
    locked[0] = TipRowTexts{"40", "3", "17", "22", "9", "31"};
    setBoxes(values, {27}, true);
    setSpin(values, 9, 0);
    setSpin(values, 3, 1);
    setSpin(values, 8, 4);
    const GenerationResult r = generate();
    EXPECT_EQ(r.rows[0], (RowValues{40, 3, 17, 22, 9, 31}));
    EXPECT_FALSE(r.sums[0]);
    for (int row = 2; row < 4; ++row) EXPECT_LE(overlapCount(r.rows[row], r.rows[0]), 1) << row;
}

TEST_F(GeneratorTest, ABadLockedRowChangesNothing)
{
    locked[3] = TipRowTexts{"1", "2", "", "4", "5", "6"};
    setBoxes(values, {8}, true);
    CalculationSettingsSource s(calculationSettingsFrom(values));
    const GenerationResult r = generate(s, 1);
    EXPECT_EQ(r.end, GenerationEnd::BadLockedRow);
    EXPECT_FALSE(r.rowsWritten);
    EXPECT_TRUE(r.message.contains(QStringLiteral("4. Tipp")));
    EXPECT_EQ(run.yields, 0);
    EXPECT_TRUE(s.snapshot().demandConsecutivePair);
}

// The end date moves onto the draw selected for it and stays there; a replay moves only its own.
TEST_F(GeneratorTest, TheEndDateMovesOntoTheSelectedDraw)
{
    struct Moves : GenerationObserver {
        std::vector<double> dates;
        void rangeEndMoved(double date) override { dates.push_back(date); }
    };
    for (const bool replay : {false, true}) {
        SCOPED_TRACE(replay ? "replay" : "calculation");
        values.set(key::RangeEndDate, lastRealDrawDay() + 3); // after the last draw: the latest counts
        CalculationSettingsSource s(calculationSettingsFrom(values));
        double replayEnd = lastRealDrawDay() + 3;
        Moves moves;
        RandomGenerator random(1);
        GenerationHooks hooks;
        hooks.observer = &moves;
        if (replay) hooks.replayEnd = &replayEnd;
        generateTips(s, dir.archivePath(), locked, run, random, texts, hooks);
        EXPECT_EQ(s.snapshot().rangeEnd, replay ? lastRealDrawDay() + 3 : lastRealDrawDay());
        EXPECT_EQ(moves.dates, replay ? std::vector<double>{} : std::vector<double>{lastRealDrawDay()});
        EXPECT_EQ(replayEnd, replay ? lastRealDrawDay() : lastRealDrawDay() + 3);
    }
}

TEST_F(GeneratorTest, MissingArchiveEndsBeforeAnyRow)
{
    QFile::remove(dir.archivePath());
    const GenerationResult r = generate();
    EXPECT_EQ(r.end, GenerationEnd::ArchiveMissing);
    EXPECT_FALSE(r.rowsWritten);
}

TEST_F(GeneratorTest, APoolOfFewerThanSixNumbersDrawsNothing)
{
    noPoolPreferences(values);
    setBoxes(values, {15}, true);
    locked[1] = TipRowTexts{"1", "2", "3", "4", "5", "6"};
    const GenerationResult r = generate();
    EXPECT_EQ(r.end, GenerationEnd::PoolTooSmall);
    EXPECT_EQ(r.runCounter, 0);
    EXPECT_EQ(r.status, texts.text(25));
    EXPECT_EQ(r.rows[1], (RowValues{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(r.rows[0], RowValues{});
}

struct Loosening {
    int budget;     // thousands
    bool lockFirst; // rows 1 and 2 locked, so rows 3.. spend the budget
    std::vector<std::tuple<QString, int, int>> during;
    int userEditAt = 0; // the run at which the user sets "UpDown5" to 4 (0: never)
};
class LooseningTest : public GeneratorTest, public ::testing::WithParamInterface<Loosening> {};

// The shared settings keep the user's values throughout; a value the user sets during the run
// ends the loosening of its rule.
TEST_P(LooseningTest, FourRulesAreLoosenedAtTheirRunsAndTheUsersValuesStay)
{
    noRowPasses();
    setSpin(values, 7, GetParam().budget);
    setBoxes(values, {8}, true);
    setSpin(values, 4, 0);
    setSpin(values, 5, 1);
    setSpin(values, 6, 5);
    if (GetParam().lockFirst) {
        locked[0] = TipRowTexts{"1", "2", "3", "4", "5", "6"};
        locked[1] = TipRowTexts{"7", "8", "9", "10", "11", "12"};
    }
    CalculationSettingsSource s(calculationSettingsFrom(values));
    const CalculationSettings before = s.snapshot();
    run.onYield = [&](int n) {
        if (n == GetParam().userEditAt) s.edit([](CalculationSettings& c) { c.sharedWithSecondLastDrawLimit = 4; });
    };
    RecordingObserver observer(run);
    const GenerationResult r = generate(s, 9, &observer);
    EXPECT_EQ(r.end, GenerationEnd::BudgetSpent);
    EXPECT_EQ(r.status, texts.text(25));
    EXPECT_EQ(r.runCounter, GetParam().budget * 1000);
    for (int row = 2; row < 12; ++row) EXPECT_EQ(r.rows[row], RowValues{});
    EXPECT_EQ(observer.changes, GetParam().during);
    EXPECT_EQ(observer.restored, 1);
    CalculationSettings expected = before;
    if (GetParam().userEditAt) expected.sharedWithSecondLastDrawLimit = 4;
    EXPECT_EQ(s.snapshot(), expected);
}

INSTANTIATE_TEST_SUITE_P(Budgets, LooseningTest,
                         ::testing::Values(Loosening{50,
                                                     true,
                                                     {{"CheckBox8", 0, 25000},
                                                      {"UpDown6", 6, 30000},
                                                      {"UpDown5", 2, 40000},
                                                      {"UpDown4", 1, 40000},
                                                      {"UpDown5", 3, 45000},
                                                      {"UpDown4", 2, 45000}}},
                                           // Row 1 spends the budget: the limits of rows 3 to 12 are never loosened.
                                           Loosening{50, false, {{"CheckBox8", 0, 25000}}},
                                           Loosening{19,
                                                     true,
                                                     {{"UpDown5", 2, 9000},
                                                      {"UpDown4", 1, 9000},
                                                      {"CheckBox8", 0, 9500},
                                                      {"UpDown5", 3, 14000},
                                                      {"UpDown4", 2, 14000}}},
                                           Loosening{1, true, {{"CheckBox8", 0, 500}}},
                                           // The user's 4 from run 42000 on: "UpDown5" is not loosened again.
                                           Loosening{50,
                                                     true,
                                                     {{"CheckBox8", 0, 25000},
                                                      {"UpDown6", 6, 30000},
                                                      {"UpDown5", 2, 40000},
                                                      {"UpDown4", 1, 40000},
                                                      {"UpDown4", 2, 45000}},
                                                     42000}));

// Rows are admitted from a given run on: a change during the run counts from the next candidate.
TEST_F(GeneratorTest, ACandidatePassingOnTheLastRunIsEmptied)
{
    for (int opening : {999, 1000}) {
        SCOPED_TRACE(opening);
        noRowTests(values);
        noRowPasses();
        setSpin(values, 7, 1);
        CalculationSettingsSource s(calculationSettingsFrom(values));
        run.yields = 0;
        run.onYield = [&](int n) {
            if (n == opening)
                s.edit([](CalculationSettings& c) {
                    c.lowestSum = 21;
                    c.highestSum = 279;
                    c.forbidConsecutiveTriple = false;
                });
        };
        const GenerationResult r = generate(s, 5);
        EXPECT_EQ(r.runCounter, 1000);
        EXPECT_EQ(r.status, texts.text(25));
        // Row 1 passes on run 999 and stays; row 2 then passes on run 1000 and is emptied.
        EXPECT_EQ(r.rows[0] != RowValues{}, opening == 999);
        EXPECT_EQ(r.rows[1], RowValues{});
    }
}

class StopAfterRow : public GenerationObserver {
public:
    CountingRun* run = nullptr;
    int row = 0;
    void rowFinished(int r, const RowValues&, std::optional<int>) override
    {
        if (r == row) run->requestStop();
    }
};

TEST_F(GeneratorTest, AStopLeavesTheLaterRowsEmpty)
{
    setSpin(values, 8, 12);
    StopAfterRow stop;
    stop.run = &run;
    stop.row = 2;
    const GenerationResult r = generate(42, &stop);
    EXPECT_EQ(r.end, GenerationEnd::Stopped);
    EXPECT_EQ(r.status, texts.text(26));
    for (int row = 0; row < 3; ++row) EXPECT_NE(r.rows[row], RowValues{}) << row;
    for (int row = 3; row < 12; ++row) EXPECT_EQ(r.rows[row], RowValues{}) << row;
}

// A stop during a run lets that candidate finish its tests, then ends the row.
TEST_F(GeneratorTest, AStopDuringARunEndsTheRowAfterItsTests)
{
    noRowPasses();
    run.onYield = [&](int n) {
        if (n == 7) run.requestStop();
    };
    const GenerationResult s = generate(42);
    EXPECT_EQ(s.runCounter, 7);
    EXPECT_EQ(s.rows[0], RowValues{});
}

TEST_F(GeneratorTest, AnArchiveThatVanishesDuringTheRunEndsIt)
{
    setSpin(values, 8, 12);
    run.onYield = [&](int n) {
        if (n == 3) QFile::remove(dir.archivePath());
    };
    setBoxes(values, {8}, true);
    CalculationSettingsSource s(calculationSettingsFrom(values));
    const GenerationResult r = generate(s, 42);
    EXPECT_EQ(r.end, GenerationEnd::ArchiveFailure);
    EXPECT_TRUE(r.rowsWritten);
    EXPECT_FALSE(r.message.isEmpty());
    EXPECT_EQ(run.lastStatus(1), r.message);
    EXPECT_TRUE(s.snapshot().demandConsecutivePair);
}

TEST(CandidateStatus, RowsTwoToFourPadBeforeTheSum)
{
    const InterfaceTexts texts = germanTexts();
    const RowValues v{4, 9, 17, 22, 30, 41};
    EXPECT_EQ(candidateStatus(0, v, 123, texts), QStringLiteral("1.Tipp:  4 9  17  22  30  41  QS: 123"));
    EXPECT_EQ(candidateStatus(1, v, 123, texts), QStringLiteral("2.Tipp:  4 9  17  22  30  41   QS: 123"));
    EXPECT_EQ(candidateStatus(2, v, 123, texts), QStringLiteral("3.Tipp:  4 9  17  22  30  41    QS: 123"));
    EXPECT_EQ(candidateStatus(3, v, 123, texts), QStringLiteral("4.Tipp:  4 9  17  22  30  41   QS: 123"));
}

} // namespace
