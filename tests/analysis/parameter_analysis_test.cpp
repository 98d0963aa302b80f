// The parameter analysis: the replay's steps, CheckBox31, the table and its report, its ends.
#include "analysis/parameter_analysis.h"
#include "app/calculation_values.h"
#include "app/languages.h"
#include "archive/draw_archive.h"
#include "synthetic_archive.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

namespace {

struct Replay {
    SettingsValues values;
    InterfaceTexts texts{germanInterfaceTexts()};
    ParameterAnalysisOptions options;

    Replay() { values.set(key::RangeStartDate, toDays(QDate(1985, 10, 17))); }
    // Only the locked first row stands on the slip: the check is then known in advance.
    void lockOnly(const TipRowTexts& row)
    {
        values.set(key::RowsToCompute, 1);
        options.locked[0] = row;
    }
    ParameterAnalysisResult run(const QString& archive, const QDate& from, RunControl* control = nullptr)
    {
        CalculationSettingsSource settings(calculationSettingsFrom(values));
        options.from = toDays(from);
        QuietRunControl quiet;
        RandomGenerator random;
        return runParameterAnalysis(settings, archive, options, control ? *control : quiet, random, texts);
    }
};

std::vector<double> checkedDates(const ParameterAnalysisResult& r)
{
    std::vector<double> out;
    for (const ParameterPass& p : r.passes) out.push_back(p.checked);
    return out;
}

TipRowTexts textsOf(const DrawRecord& r)
{
    TipRowTexts t;
    for (int i = 0; i < 6; ++i) t[std::size_t(i)] = QString::number(r.numbers[std::size_t(i)]);
    return t;
}

} // namespace

// Sixty draws, Thursday (even positions) and Saturday (odd), the last a Saturday.
class ParameterReplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        records = test::syntheticArchive(60);
        dir.writeArchive(records);
    }
    double at(int i) const { return records[std::size_t(i)].date; }
    QDate dateAt(int i) const { return fromDays(at(i)); }
    test::ProgramDir dir;
    std::vector<DrawRecord> records;
    Replay replay;
};

TEST_F(ParameterReplay, OnlySaturdaysStepsSixDaysFromSaturdayToSaturdayAndChecksTheLastDrawTwice)
{
    replay.values.set(key::CountThursdayDraws, false);
    replay.lockOnly(textsOf(records[0]));
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), dateAt(51));
    ASSERT_EQ(r.end, AnalysisEnd::Finished);
    EXPECT_EQ(checkedDates(r), (std::vector<double>{at(53), at(55), at(57), at(59), at(59)}));
    EXPECT_EQ(r.passes.front().known, at(51));
    EXPECT_EQ(r.passes.back().known, at(59)) << "computed with that draw known";
    EXPECT_EQ(r.table.draws, 5);
    EXPECT_EQ(r.drawIndex, 59);
}

TEST_F(ParameterReplay, BothDrawDaysEvaluateEveryLaterDrawInTurn)
{
    replay.lockOnly(textsOf(records[0]));
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), dateAt(50));
    ASSERT_EQ(r.end, AnalysisEnd::Finished);
    EXPECT_EQ(checkedDates(r),
              (std::vector<double>{at(51), at(52), at(53), at(54), at(55), at(56), at(57), at(58), at(59), at(59)}));
    EXPECT_EQ(replayStep(true, false), 6);
    EXPECT_EQ(replayStep(false, true), 6);
}

// Since 11.07.2022 a Saturday is followed by a Monday draw: it is evaluated too, in the columns of
// the other days.
TEST(ParameterAnalysis, MondayDrawsAreEvaluatedInTheOtherDaysColumns)
{
    test::ProgramDir dir;
    std::vector<DrawRecord> records;
    for (const QDate& d :
         {QDate(2026, 9, 5), QDate(2026, 9, 7), QDate(2026, 9, 10), QDate(2026, 9, 12), QDate(2026, 9, 14)})
        records.push_back(draw(d, {1, 2, 3, 4, 5, 6}, 7));
    dir.writeArchive(records);
    Replay replay;
    replay.lockOnly({"1", "2", "3", "4", "5", "6"});
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), QDate(2026, 9, 5));
    ASSERT_EQ(r.end, AnalysisEnd::Finished) << r.message.toStdString();
    EXPECT_EQ(checkedDates(r), (std::vector<double>{records[1].date, records[2].date, records[3].date, records[4].date,
                                                    records[4].date}));
    using T = ParameterAnalysisTable;
    EXPECT_EQ(r.table.counts[6][T::WeekendPlain], 1u);
    EXPECT_EQ(r.table.counts[6][T::OtherPlain], 4u);
}

TEST_F(ParameterReplay, CheckBox31RecomputesOnlyAfterACheckWithThreeHits)
{
    replay.values.set(key::CountThursdayDraws, false);
    replay.lockOnly(textsOf(records[55])); // scores six on the second checked draw
    replay.options.onlyAfterThree = true;
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), dateAt(51));
    ASSERT_EQ(r.end, AnalysisEnd::Finished);
    ASSERT_EQ(r.passes.size(), 5u);
    EXPECT_EQ(r.passes[1].scored, 1);
    int computed = 0;
    for (std::size_t i = 0; i < r.passes.size(); ++i) {
        EXPECT_EQ(r.passes[i].computed, i == 0 || r.passes[i - 1].scored > 0) << "pass " << i;
        computed += r.passes[i].computed;
    }
    EXPECT_TRUE(r.passes[2].computed);
    EXPECT_LT(computed, 5);
    EXPECT_EQ(r.calculations, computed);

    replay.options.onlyAfterThree = false;
    EXPECT_EQ(replay.run(dir.archivePath(), dateAt(51)).calculations, 5);
}

// What random rows would have scored in the same draws: every checked row lands in exactly one cell,
// so each column's expectations add up to the rows checked in its draws, each split by the exact
// share of the C(49, 6) rows with that many hits.
TEST_F(ParameterReplay, TheChanceBaselineSplitsTheRowsOfEachColumnByTheExactChanceOfEachCell)
{
    replay.values.set(key::RowsToCompute, 4);
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), dateAt(50));
    ASSERT_EQ(r.end, AnalysisEnd::Finished) << r.message.toStdString();
    using T = ParameterAnalysisTable;
    const ParameterChance& chance = r.table.chance;
    std::int64_t rowsIn[4] = {};
    int scored = 0;
    for (int h = 0; h <= 6; ++h)
        for (int col = 0; col < 4; ++col) {
            rowsIn[col] += r.table.counts[std::size_t(h)][std::size_t(col)];
            if (h >= 3) scored += int(r.table.counts[std::size_t(h)][std::size_t(col)]);
        }
    ASSERT_GT(rowsIn[T::WeekendPlain] + rowsIn[T::WeekendComplementary], 0);
    ASSERT_GT(rowsIn[T::OtherPlain] + rowsIn[T::OtherComplementary], 0);
    EXPECT_EQ(chance.rowsChecked, rowsIn[0] + rowsIn[1] + rowsIn[2] + rowsIn[3]);
    for (const auto& [plain, withC] :
         {std::pair{T::WeekendPlain, T::WeekendComplementary}, std::pair{T::OtherPlain, T::OtherComplementary}}) {
        const std::int64_t rows = rowsIn[plain] + rowsIn[withC];
        Fraction all;
        for (int h = 0; h <= 6; ++h) {
            EXPECT_EQ(chance.expected[std::size_t(h)][std::size_t(plain)],
                      Fraction(rows * combinations(6, h) * combinations(42, 6 - h), 13983816))
                << h;
            EXPECT_EQ(chance.expected[std::size_t(h)][std::size_t(withC)],
                      Fraction(rows * combinations(6, h) * combinations(42, 5 - h), 13983816))
                << h;
            all += chance.expected[std::size_t(h)][std::size_t(plain)] +
                   chance.expected[std::size_t(h)][std::size_t(withC)];
        }
        EXPECT_EQ(all, Fraction(rows));
    }
    EXPECT_EQ(chance.scored, scored);
    EXPECT_NEAR(double(chance.scoredMoments.mean), double(chance.rowsChecked) * 260624.0 / 13983816.0, 1e-9);
    EXPECT_GE(chance.scoredMoments.variance, 0);

    const QStringList lines = parameterReportLines(r.table, replay.texts);
    EXPECT_EQ(lines[15], QString::number(r.table.draws) + QLatin1Char(' ') + replay.texts.text(1));
    EXPECT_TRUE(lines[17].startsWith(QStringLiteral("Erwartung bei zufälligen Tipps"))) << lines[17].toStdString();
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("(p: "))) << lines.last().toStdString();
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(
        QStringLiteral("Tipps mit 3 Richtigen oder mehr: %1 beobachtet, ").arg(scored)))
        << lines[lines.size() - 2].toStdString();
}

// A Saturday draw and, in the early years, a Sunday draw count in the weekend columns.
class WeekendColumn : public ::testing::TestWithParam<QDate> {};

TEST_P(WeekendColumn, TwoHitsAndTheComplementaryNumberCountInTheLineOf2xPlusZZ)
{
    test::ProgramDir dir;
    dir.writeArchive({draw(QDate(1986, 1, 4), {1, 2, 3, 4, 5, 6}, 7), draw(QDate(1986, 1, 9), {1, 2, 3, 4, 5, 6}, 7),
                      draw(GetParam(), {10, 11, 12, 13, 14, 15}, 20)});
    Replay replay;
    replay.values.set(key::CountThursdayDraws, false);
    replay.lockOnly({"10", "11", "30", "31", "32", "20"});
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), QDate(1986, 1, 4));
    ASSERT_EQ(r.end, AnalysisEnd::Finished) << r.message.toStdString();
    using T = ParameterAnalysisTable;
    // Checked twice: the last draw ends the replay by being selected again.
    EXPECT_EQ(r.table.draws, 2);
    EXPECT_EQ(r.table.counts[2][T::WeekendComplementary], 2u);
    std::uint32_t all = 0;
    for (const auto& line : r.table.counts)
        for (auto n : line) all += n;
    EXPECT_EQ(all, 2u);
    const QStringList lines = parameterReportLines(r.table, replay.texts);
    EXPECT_EQ(lines[8 + 2], QStringLiteral("2x + ZZ\t=>\t2\t=>\t0"));
}

INSTANTIATE_TEST_SUITE_P(SaturdayAndSunday, WeekendColumn, ::testing::Values(QDate(1986, 1, 11), QDate(1986, 1, 12)));

TEST(ParameterAnalysis, TheReportHasTheTableLinesThenTheDrawCount)
{
    ParameterAnalysisTable t;
    t.counts[0] = {1, 2, 3, 4};
    t.counts[6] = {5, 0, 7, 0};
    t.counts[5] = {0, 8, 0, 9};
    t.draws = 12;
    QStringList texts;
    for (int i = 0; i < 40; ++i) texts << QStringLiteral("T%1").arg(i);
    const QStringList lines = parameterReportLines(t, InterfaceTexts(texts));
    const QStringList expected = {QStringLiteral("T33"),
                                  QStringLiteral("0x\t=>\t1\t=>\t3"),
                                  QStringLiteral("1x\t=>\t0\t=>\t0"),
                                  QStringLiteral("2x\t=>\t0\t=>\t0"),
                                  QStringLiteral("3x\t=>\t0\t=>\t0"),
                                  QStringLiteral("4x\t=>\t0\t=>\t0"),
                                  QStringLiteral("5x\t=>\t0\t=>\t0"),
                                  QStringLiteral("6x\t=>\t5\t=>\t7"),
                                  QStringLiteral("0x + ZZ\t=>\t2\t=>\t4"),
                                  QStringLiteral("1x + ZZ\t=>\t0\t=>\t0"),
                                  QStringLiteral("2x + ZZ\t=>\t0\t=>\t0"),
                                  QStringLiteral("3x + ZZ\t=>\t0\t=>\t0"),
                                  QStringLiteral("4x + ZZ\t=>\t0\t=>\t0"),
                                  QStringLiteral("5x + ZZ\t=>\t8\t=>\t9"),
                                  QString(),
                                  QStringLiteral("12 T1")};
    EXPECT_EQ(lines, expected);
}

TEST_F(ParameterReplay, TodayRunsNoPassAndTheLastDrawRunsOne)
{
    replay.lockOnly(textsOf(records[0]));
    const ParameterAnalysisResult none = replay.run(dir.archivePath(), QDate::currentDate());
    EXPECT_EQ(none.end, AnalysisEnd::Finished);
    EXPECT_EQ(none.table.draws, 0);
    EXPECT_EQ(none.drawIndex, 59) << "the draw for today is the latest";

    const ParameterAnalysisResult one = replay.run(dir.archivePath(), dateAt(59));
    EXPECT_EQ(checkedDates(one), (std::vector<double>{at(59)}));
}

TEST_F(ParameterReplay, TheSameSeedGivesTheSameTable)
{
    replay.options.seed = 4711;
    const ParameterAnalysisResult a = replay.run(dir.archivePath(), dateAt(52));
    const ParameterAnalysisResult b = replay.run(dir.archivePath(), dateAt(52));
    ASSERT_EQ(a.end, AnalysisEnd::Finished);
    EXPECT_EQ(a.table, b.table);
    EXPECT_EQ(a.rows, b.rows);
    EXPECT_FALSE(a.rows[0][0].isEmpty()) << "tips were computed";
    EXPECT_EQ(a.check.tally, Komplettcheck(a.rows, a.draw, QString()).tally);
}

TEST_F(ParameterReplay, AStopEndsItWithoutReportAndABadLockedRowFails)
{
    QuietRunControl stopped;
    stopped.requestStop();
    EXPECT_EQ(replay.run(dir.archivePath(), dateAt(52), &stopped).end, AnalysisEnd::Stopped);

    replay.options.locked[3] = TipRowTexts{"1", "2", "3", "", "5", "6"};
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), dateAt(52));
    EXPECT_EQ(r.end, AnalysisEnd::Failed);
    EXPECT_FALSE(r.message.isEmpty());
}

TEST(ParameterAnalysis, AnEmptyArchiveEndsAtOnceInsteadOfWalkingOn)
{
    test::ProgramDir dir;
    Replay replay;
    EXPECT_EQ(replay.run(dir.archivePath(), QDate(1986, 1, 2)).end, AnalysisEnd::Failed) << "no archive";
    dir.writeArchive({});
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), QDate(1986, 1, 2));
    EXPECT_EQ(r.end, AnalysisEnd::Failed);
    EXPECT_EQ(r.table.draws, 0);
}

TEST(ParameterAnalysis, AnArchiveOutOfOrderEndsInsteadOfGoingRoundInCircles)
{
    // The last record is older than the one before: a selection past the end falls back to it.
    test::ProgramDir dir;
    dir.writeArchive({draw(QDate(1986, 1, 2), {1, 2, 3, 4, 5, 6}, 7),
                      draw(QDate(1986, 1, 11), {7, 8, 9, 10, 11, 12}, 13),
                      draw(QDate(1986, 1, 4), {13, 14, 15, 16, 17, 18}, 19)});
    Replay replay;
    replay.lockOnly({"1", "2", "3", "4", "5", "6"});
    const ParameterAnalysisResult r = replay.run(dir.archivePath(), QDate(1986, 1, 2));
    EXPECT_EQ(r.end, AnalysisEnd::Finished);
    EXPECT_EQ(checkedDates(r), (std::vector<double>{toDays(QDate(1986, 1, 11)), toDays(QDate(1986, 1, 4))}));
}
