#include "generate/number_list.h"
#include "generate/pool_builder.h"
#include "generate_support.h"
#include "stats/statistics.h"

#include <gtest/gtest.h>

#include <map>

using namespace razoz;
using namespace razoz::test;

namespace {

class PoolTest : public ::testing::Test {
protected:
    PoolTest() { values.set(key::RangeEndDate, toDays(QDate(2030, 1, 1))); }

    NumberPool build(const ReferenceDraws& ref = {}, NumberList* list = nullptr)
    {
        const CalculationSettings s = calculationSettingsFrom(values);
        const PoolBuild b = buildNumberPool(s, dir.archivePath(), ref, texts, run, list);
        cancelled = b.cancelled;
        return b.pool;
    }
    // These draws from 1999 on, no preference and no base block: only the steps a test turns on.
    void onlyStepsOver(const std::vector<DrawRecord>& draws)
    {
        dir.writeArchive(draws);
        values.set(key::RangeStartDate, toDays(QDate(1999, 1, 1)));
        noPoolPreferences(values);
        setBoxes(values, {4, 5, 23}, false);
        setBoxes(values, {15}, true);
    }
    std::map<int, int> counts(const NumberPool& pool)
    {
        std::map<int, int> c;
        for (int i = 0; i < pool.size(); ++i) ++c[pool.at(i)];
        return c;
    }

    ProgramDir dir;
    SettingsValues values;
    InterfaceTexts texts = germanTexts();
    QuietRunControl run;
    bool cancelled = false;
};

ReferenceDraws lastDraw(DrawValues last)
{
    ReferenceDraws r;
    r.last = last;
    return r;
}

TEST_F(PoolTest, WithoutPreferencesEveryNumberOnceAndOneTwice)
{
    dir.writeArchive(syntheticArchive(50));
    noPoolPreferences(values);
    setBoxes(values, {4, 5, 23}, false);
    const NumberPool pool = build();
    ASSERT_EQ(pool.size(), 50);
    // The base block in its order, the extra 1 last: a seed depends on this order.
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(pool.at(n - 1), n);
    EXPECT_EQ(pool.at(49), 1);
}

TEST_F(PoolTest, OnlyPreferredNumbersWithoutAStatisticLeaveThePoolEmpty)
{
    dir.writeArchive(syntheticArchive(50));
    noPoolPreferences(values);
    setBoxes(values, {15}, true);
    EXPECT_EQ(build().size(), 0);
}

TEST_F(PoolTest, LimitZeroRemovesTheSixNumbersAndTheComplementaryButNotTheReintegro)
{
    dir.writeArchive(syntheticArchive(50));
    noPoolPreferences(values);
    setBoxes(values, {4}, true);
    setSpin(values, 4, 0);
    setBoxes(values, {5, 23}, false);
    const auto c = counts(build(lastDraw({3, 11, 13, 15, 34, 35, 27, 8})));
    for (int n : {3, 11, 13, 15, 34, 35, 27}) EXPECT_EQ(c.count(n), 0u) << n;
    EXPECT_EQ(c.at(8), 1);
    EXPECT_EQ(c.at(1), 2);

    // A limit above 0 leaves the pool alone; the row test takes over.
    setSpin(values, 4, 1);
    EXPECT_EQ(build(lastDraw({3, 11, 13, 15, 34, 35, 27, 8})).size(), 50);
}

TEST_F(PoolTest, NeighboursOfTheLastDrawStayWithinOneToFortyNine)
{
    dir.writeArchive(syntheticArchive(50));
    noPoolPreferences(values);
    setBoxes(values, {4, 5, 23}, false);
    setBoxes(values, {15, 19}, true); // no base block: the neighbours alone
    // 1 and 49 add no 0 and no 50; the Reintegro 0 adds four entries of 1.
    const NumberPool pool = build(lastDraw({1, 20, 21, 30, 40, 49, 10, 0}));
    const auto c = counts(pool);
    const std::map<int, int> expected{{2, 4},  {19, 4}, {21, 4}, {20, 4}, {22, 4}, {29, 4}, {31, 4},
                                      {39, 4}, {41, 4}, {48, 4}, {9, 4},  {11, 4}, {1, 4}};
    EXPECT_EQ(c, expected);
    EXPECT_EQ(pool.size(), 52);
}

TEST_F(PoolTest, DateAvoidanceAndLoweredDateNumbers)
{
    dir.writeArchive(syntheticArchive(50));
    noPoolPreferences(values);
    setBoxes(values, {4, 5, 23}, false);
    setBoxes(values, {30}, true);
    auto c = counts(build());
    // Each of 1..31 loses its first entry: only 1 keeps its second base entry.
    EXPECT_EQ(c.at(1), 1);
    for (int n = 2; n <= 31; ++n) EXPECT_EQ(c.count(n), 0u) << n;
    for (int n = 32; n <= 49; ++n) EXPECT_EQ(c.at(n), 1) << n;

    setBoxes(values, {30}, false);
    setBoxes(values, {29}, true);
    c = counts(build());
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(c.count(n), 0u) << n;
    EXPECT_EQ(c.at(13), 1);
}

// The pair step reads every bar but the last, the triple step all but the last two: 48-49 and the
// triples from 46 and 47 are never preferred, however often they were drawn.
TEST_F(PoolTest, RunStepsLeaveOutTheLastBars)
{
    std::vector<DrawRecord> draws;
    QDate d(2000, 1, 6); // a Thursday
    for (int i = 0; i < 10; ++i, d = d.addDays(7)) draws.push_back(draw(d, {2, 10, 20, 47, 48, 49}, 30));
    draws.push_back(draw(d, {1, 2, 3, 20, 30, 40}, 45));
    onlyStepsOver(draws);
    setBoxes(values, {1}, true);
    // Pairs: 47-48 and 48-49 were drawn 10 times, 1-2 and 2-3 once; only 47-48 is frequent.
    EXPECT_EQ(counts(build()), (std::map<int, int>{{47, 1}, {48, 1}}));
    setBoxes(values, {1}, false);
    setBoxes(values, {6}, true);
    // Triples: 47-48-49 (bar 47, the last) is left out, and no other triple is frequent.
    EXPECT_TRUE(counts(build()).empty());
}

// A frequent run takes the counts above its low threshold, a rarest run the counts above 0: a run
// exactly at the threshold and a run never drawn get nothing.
TEST_F(PoolTest, RunStepsTakeCountsStrictlyAboveTheirLowerBound)
{
    std::vector<DrawRecord> draws;
    QDate d(2000, 1, 6);
    // 44..47 ten times: the largest count of every chart is 10, the frequent threshold 7 and the
    // rarest one 3. 29-30-31 seven times sits at the frequent threshold; 1-2-3-4 once is rare.
    for (int i = 0; i < 10; ++i, d = d.addDays(7)) draws.push_back(draw(d, {2, 10, 44, 45, 46, 47}, 20));
    for (int i = 0; i < 7; ++i, d = d.addDays(7)) draws.push_back(draw(d, {5, 12, 29, 30, 31, 40}, 20));
    draws.push_back(draw(d, {1, 2, 3, 4, 20, 35}, 40));
    onlyStepsOver(draws);
    const std::map<int, int> frequent{{44, 1}, {45, 2}, {46, 2}, {47, 1}}, rare{{1, 1}, {2, 2}, {3, 2}, {4, 1}};
    const struct {
        int box;
        std::map<int, int> expected;
    } steps[] = {{1, frequent},                           // pairs
                 {6, frequent},                           // triples
                 {11, rare},                              // rarest pairs
                 {12, rare},                              // rarest triples
                 {13, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}}}; // rarest quads
    for (const auto& step : steps) {
        setBoxes(values, {step.box}, true);
        EXPECT_EQ(counts(build()), step.expected) << "CheckBox" << step.box;
        setBoxes(values, {step.box}, false);
    }
}

// Thresholds are rounded half to even: 5 − 10 % of 5 = 4.5 gives 4, so a count of 4 is preferred.
TEST_F(PoolTest, ShareThresholdsRoundHalfToEven)
{
    std::vector<DrawRecord> draws;
    QDate d(2000, 1, 6);
    int filler = 10;
    for (int i = 0; i < 5; ++i, d = d.addDays(7)) {
        std::vector<int> six{1};
        if (i < 4) six.push_back(2);
        while (six.size() < 6) six.push_back(filler++);
        draws.push_back(draw(d, {six[0], six[1], six[2], six[3], six[4], six[5]}, filler++));
    }
    ASSERT_LE(filler, 50);
    onlyStepsOver(draws);
    setBoxes(values, {2}, true);
    setSpin(values, 12, 10);
    // First pass from R(4.5) = 4: 1 (5 times) and 2 (4 times) twice each; second pass from
    // R(4.75) = 5: 1 once more.
    EXPECT_EQ(counts(build()), (std::map<int, int>{{1, 3}, {2, 2}}));
}

// The worked example: the default preferences over the real archive.
TEST_F(PoolTest, DefaultPreferencesOverTheRealArchive)
{
    dir.writeArchive(realDraws());
    values.set(key::RangeEndDate, lastRealDrawDay());
    const auto ref = captureReferenceDraws(dir.archivePath(), lastRealDrawDay(), {true, true});
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->last, (DrawValues{18, 27, 28, 33, 46, 48, 23, 4}));
    const auto c = counts(build(*ref));

    const StatsRange range{values.get(key::RangeStartDate), lastRealDrawDay(), {}};
    const BarChart overdue = numberOverdue(dir.archivePath(), range, texts);
    const BarChart frequency = numberFrequency(dir.archivePath(), range, texts);
    const AxisLimits o = overdue.limits(), f = frequency.limits();
    for (int n = 1; n <= 49; ++n) {
        int expected = n == 1 ? 2 : 1;
        const double ov = overdue.bars[std::size_t(n - 1)].y, fr = frequency.bars[std::size_t(n - 1)].y;
        // Overdue: top 15 % of the range three entries, the rest of the top 30 % two.
        if (ov >= roundHalfEven(o.max - 0.15 * (o.max - o.min)))
            expected += 3;
        else if (ov >= roundHalfEven(o.max - 0.30 * (o.max - o.min)))
            expected += 2;
        // Frequency: bottom 10 % three, the rest of the bottom 20 % two.
        if (fr <= roundHalfEven(f.min + 0.10 * (f.max - f.min)))
            expected += 3;
        else if (fr <= roundHalfEven(f.min + 0.20 * (f.max - f.min)))
            expected += 2;
        if (n == 18 || n == 27 || n == 28 || n == 33 || n == 46 || n == 48 || n == 23) expected = 0;
        EXPECT_EQ(c.count(n) ? c.at(n) : 0, expected) << n;
    }
}

class ScriptedList : public NumberList {
public:
    NumberListOutcome outcome = NumberListOutcome::Keep;
    std::function<void(NumberListEntries&)> edits;
    NumberListEntries shown;
    int calls = 0;
    NumberListOutcome edit(NumberListEntries& entries) override
    {
        ++calls;
        shown = entries;
        if (edits) edits(entries);
        return outcome;
    }
};

TEST_F(PoolTest, NumberListShowsTheCountsAndRebuildsFromTheWeights)
{
    dir.writeArchive(syntheticArchive(50));
    noPoolPreferences(values);
    setBoxes(values, {5, 23}, false);
    setBoxes(values, {4, 20}, true);
    setSpin(values, 4, 0);
    ScriptedList list;
    const ReferenceDraws ref = lastDraw({3, 11, 13, 15, 34, 35, 27, 8});

    list.outcome = NumberListOutcome::Keep;
    const NumberPool kept = build(ref, &list);
    EXPECT_EQ(list.calls, 1);
    EXPECT_EQ(list.shown[0], (NumberListEntry{true, QStringLiteral("2")}));
    EXPECT_EQ(list.shown[2], (NumberListEntry{false, QStringLiteral("0")}));
    EXPECT_EQ(list.shown[48], (NumberListEntry{true, QStringLiteral("1")}));
    EXPECT_EQ(kept.size(), 50 - 7);

    list.outcome = NumberListOutcome::Rebuild;
    list.edits = [](NumberListEntries& e) {
        for (auto& entry : e) entry.checked = false;
        e[4] = {true, QStringLiteral("3")};   // 5: four entries
        e[5] = {true, QStringLiteral("0")};   // 6: two
        e[6] = {true, QStringLiteral("1,5")}; // 7: no integer, counts as 0: two
        e[7] = {false, QStringLiteral("9")};  // 8: unchecked, dropped
        e[8] = {true, QStringLiteral(" 1 ")}; // 9: two
    };
    const NumberPool rebuilt = build(ref, &list);
    // Slot 0 stays empty: a pick landing there costs one more random draw.
    const std::vector<std::uint8_t> expected{0, 5, 5, 5, 5, 6, 6, 7, 7, 9, 9};
    EXPECT_EQ(rebuilt.values(), expected);
    EXPECT_FALSE(cancelled);

    list.outcome = NumberListOutcome::Cancel;
    build(ref, &list);
    EXPECT_TRUE(cancelled);
}

TEST_F(PoolTest, HeavyWeightsGrowThePoolPastFiveHundred)
{
    dir.writeArchive(syntheticArchive(50));
    setBoxes(values, {20}, true);
    ScriptedList list;
    list.outcome = NumberListOutcome::Rebuild;
    list.edits = [](NumberListEntries& e) {
        for (auto& entry : e) entry = {true, QStringLiteral("20")};
    };
    const NumberPool pool = build({}, &list);
    ASSERT_EQ(pool.size(), 1 + 49 * 21);
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(pool.countInPool(n), 21) << n;
    EXPECT_EQ(pool.at(pool.lastIndex()), 49);
}

TEST(NumberList, WeightsOfAnyText)
{
    EXPECT_EQ(listWeight(QStringLiteral("7")), 7);
    EXPECT_EQ(listWeight(QStringLiteral("")), 0);
    EXPECT_EQ(listWeight(QStringLiteral("x")), 0);
    EXPECT_EQ(listWeight(QStringLiteral("-4")), 0);
    EXPECT_EQ(listWeight(QStringLiteral("999999999")), kMaxListWeight);
    NumberPool p;
    p.addToPool(3, 0);
    p.addToPool(4, 1);
    p.addToPool(5, 2);
    EXPECT_EQ(p.countInPool(3), 2);
    EXPECT_EQ(p.countInPool(4), 2);
    EXPECT_EQ(p.countInPool(5), 3);
}

} // namespace
