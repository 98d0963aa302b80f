// The repeat analysis: history per draw (the first one empty), the three follow-ups and the net
// single step, the reports per match, and its ends.
#include "analysis/repeat_analysis.h"
#include "archive/draw_archive.h"
#include "synthetic_archive.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

namespace {

using Counts = std::array<std::uint32_t, 7>;

RepeatAnalysisOptions from(const QDate& date, int threshold = 6)
{
    RepeatAnalysisOptions o;
    o.chosen = toDays(date);
    o.start = toDays(QDate(1985, 10, 17));
    o.threshold = threshold;
    return o;
}

RepeatReply yesToAll(std::vector<RepeatMatch>* seen = nullptr)
{
    return [seen](const RepeatMatch& m) {
        if (seen) seen->push_back(m);
        return true;
    };
}

// Five draws: 17.10. 1-6, 19.10. 4-9, 24.10. 1-3 + 10-12, 26.10. 1-6 again, 31.10. 20-25.
std::vector<DrawRecord> smallArchive()
{
    return {draw(QDate(1985, 10, 17), {1, 2, 3, 4, 5, 6}, 40), draw(QDate(1985, 10, 19), {4, 5, 6, 7, 8, 9}, 40),
            draw(QDate(1985, 10, 24), {1, 2, 3, 10, 11, 12}, 40), draw(QDate(1985, 10, 26), {6, 5, 4, 3, 2, 1}, 40),
            draw(QDate(1985, 10, 31), {20, 21, 22, 23, 24, 25}, 40)};
}

} // namespace

TEST(RepeatAnalysis, FromTheSecondToLastDrawOnePassComparesWithTheLastDrawOnly)
{
    test::ProgramDir dir;
    dir.writeArchive(smallArchive());
    QuietRunControl run;
    const RepeatAnalysisResult r = runRepeatAnalysis(dir.archivePath(), from(QDate(1985, 10, 26)), run, yesToAll());
    EXPECT_EQ(r.end, AnalysisEnd::Finished);
    EXPECT_EQ(r.passes, 1);
    EXPECT_EQ(r.table.history, Counts{}) << "the first draw's history starts at the chosen date itself";
    EXPECT_EQ(r.table.next1, (Counts{1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.table.next2, Counts{});
    EXPECT_EQ(r.table.next3, Counts{});
    EXPECT_EQ(r.currentIndex, 4);
    EXPECT_EQ(r.row1, (TipRowTexts{"6", "5", "4", "3", "2", "1"}));
}

TEST(RepeatAnalysis, EveryDrawIsComparedWithTheEarlierDrawsAndTheNextThree)
{
    test::ProgramDir dir;
    dir.writeArchive(smallArchive());
    QuietRunControl run;
    std::vector<RepeatMatch> seen;
    const RepeatAnalysisResult r =
        runRepeatAnalysis(dir.archivePath(), from(QDate(1985, 10, 17), 3), run, yesToAll(&seen));
    ASSERT_EQ(r.end, AnalysisEnd::Finished);
    EXPECT_EQ(r.passes, 4); // 17.10. … 26.10.; the last draw is where it ends
    // History of 19.10.: 17.10. (3 shared); of 24.10.: 17.10. (3), 19.10. (0); of 26.10.: 17.10. (6),
    // 19.10. (3), 24.10. (3). The first pass has none.
    EXPECT_EQ(r.table.history, (Counts{1, 0, 0, 4, 0, 0, 1}));
    // Next draws of 17.10.: 3, 3, 6; of 19.10.: 0, 3, 0; of 24.10.: 3, 0; of 26.10.: 0.
    EXPECT_EQ(r.table.next1, (Counts{2, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(r.table.next2, (Counts{1, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(r.table.next3, (Counts{1, 0, 0, 0, 0, 0, 1}));
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen.back(), (RepeatMatch{toDays(QDate(1985, 10, 26)), toDays(QDate(1985, 10, 24)), 3}));
}

TEST(RepeatAnalysis, AnIdenticalEarlierDrawIsReportedAtTheDefaultThresholdAndANoEndsWithoutReport)
{
    test::ProgramDir dir;
    dir.writeArchive(smallArchive());
    QuietRunControl run;
    std::vector<RepeatMatch> seen;
    const RepeatAnalysisResult all =
        runRepeatAnalysis(dir.archivePath(), from(QDate(1985, 10, 17)), run, yesToAll(&seen));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], (RepeatMatch{toDays(QDate(1985, 10, 26)), toDays(QDate(1985, 10, 17)), 6}));
    EXPECT_EQ(all.matches, seen);

    const RepeatAnalysisResult declined =
        runRepeatAnalysis(dir.archivePath(), from(QDate(1985, 10, 17)), run, [](const RepeatMatch&) { return false; });
    EXPECT_EQ(declined.end, AnalysisEnd::Declined);
    EXPECT_EQ(declined.current.date, toDays(QDate(1985, 10, 17))) << "the earlier draw was loaded to compare";
    EXPECT_EQ(declined.currentIndex, 3);
}

TEST(RepeatAnalysis, EndsWhenNoLaterDrawPassesTheFilter)
{
    // Only Thursday draws may be shown; the archive ends with two Saturdays after the last Thursday.
    test::ProgramDir dir;
    dir.writeArchive(
        {draw(QDate(1985, 10, 17), {1, 2, 3, 4, 5, 6}, 40), draw(QDate(1985, 10, 24), {1, 2, 3, 7, 8, 9}, 40),
         draw(QDate(1985, 10, 26), {1, 2, 10, 11, 12, 13}, 40), draw(QDate(1985, 11, 2), {1, 14, 15, 16, 17, 18}, 40)});
    RepeatAnalysisOptions o = from(QDate(1985, 10, 17));
    o.days = {false, true};
    QuietRunControl run;
    const RepeatAnalysisResult r = runRepeatAnalysis(dir.archivePath(), o, run, yesToAll());
    EXPECT_EQ(r.end, AnalysisEnd::Finished);
    EXPECT_EQ(r.passes, 2);
    EXPECT_EQ(r.table.next1, (Counts{0, 0, 0, 1, 0, 0, 0})) << "24.10. after 17.10.; nothing after 24.10.";
    EXPECT_EQ(r.table.history, (Counts{0, 0, 0, 1, 0, 0, 0}));
}

TEST(RepeatAnalysis, AStopEndsItAndDamagedRecordsStayWithinTheTable)
{
    test::ProgramDir dir;
    dir.writeArchive({draw(QDate(1985, 10, 17), {5, 5, 5, 5, 5, 5}, 40),
                      draw(QDate(1985, 10, 19), {5, 5, 1, 2, 3, 4}, 40),
                      draw(QDate(1985, 10, 24), {0, 5, 1, 2, 3, 60}, 40)});
    QuietRunControl run;
    const RepeatAnalysisResult r = runRepeatAnalysis(dir.archivePath(), from(QDate(1985, 10, 17), 7), run, yesToAll());
    ASSERT_EQ(r.end, AnalysisEnd::Finished);
    // 5 5 5 5 5 5 against a record with two fives counts far above six: it counts as six.
    EXPECT_EQ(r.table.next1[6], 1u);
    EXPECT_EQ(r.table.history[6], 1u);
    // The draw with numbers outside 1..49 was never analysed (it is the last); as a row it would share nothing.
    EXPECT_EQ(r.passes, 2);
    EXPECT_EQ(sharedNumbers({"", "5", "1", "2", "3", ""}, draw(QDate(1985, 10, 17), {5, 1, 2, 3, 4, 6})), 0);

    QuietRunControl stopped;
    stopped.requestStop();
    EXPECT_EQ(runRepeatAnalysis(dir.archivePath(), from(QDate(1985, 10, 17)), stopped, yesToAll()).end,
              AnalysisEnd::Stopped);
}

TEST(RepeatAnalysis, AnEmptyOrMissingArchiveFails)
{
    test::ProgramDir dir;
    QuietRunControl run;
    EXPECT_EQ(runRepeatAnalysis(dir.archivePath(), from(QDate(1985, 10, 17)), run, yesToAll()).end,
              AnalysisEnd::Failed);
    dir.writeArchive({});
    const RepeatAnalysisResult r = runRepeatAnalysis(dir.archivePath(), from(QDate(1985, 10, 17)), run, yesToAll());
    EXPECT_EQ(r.end, AnalysisEnd::Failed);
    EXPECT_FALSE(r.message.isEmpty());
}

TEST(RepeatAnalysis, TheReportListsTheFourTablesUnderTheirHeadings)
{
    RepeatAnalysisTable t;
    t.history = {1, 2, 3, 4, 5, 6, 7};
    t.next3[6] = 9;
    QStringList texts;
    for (int i = 0; i < 44; ++i) texts << QStringLiteral("T%1").arg(i);
    const QStringList lines = repeatReportLines(t, InterfaceTexts(texts));
    // The designed tables, then the same four with the counts chance alone gives.
    ASSERT_EQ(lines.size(), 1 + 7 + 3 * 9 + 2 + 4 * 9);
    EXPECT_EQ(lines[0], QStringLiteral("T40"));
    EXPECT_EQ(lines[1], QStringLiteral("0x    =>1"));
    EXPECT_EQ(lines[7], QStringLiteral("6x    =>7"));
    EXPECT_EQ(lines[8], QStringLiteral(" "));
    EXPECT_EQ(lines[9], QStringLiteral("T41"));
    EXPECT_EQ(lines[26], QStringLiteral(" "));
    EXPECT_EQ(lines[27], QStringLiteral("T43"));
    EXPECT_EQ(lines[34], QStringLiteral("6x    =>9"));
    EXPECT_TRUE(lines[36].startsWith(QStringLiteral("Zufallserwartung"))) << lines[36].toStdString();
    // 28 earlier draws compared: 28 × C(6,h)·C(43,6−h) / C(49,6).
    EXPECT_EQ(lines[38], QStringLiteral("T40"));
    EXPECT_EQ(lines[39], QStringLiteral("0x    =>12,21"));
    EXPECT_EQ(lines[42], QStringLiteral("3x    =>0,49"));
    EXPECT_EQ(lines[65], QStringLiteral("T43"));
    EXPECT_EQ(lines[69], QStringLiteral("3x    =>0,16"));
    EXPECT_EQ(lines.last(), QStringLiteral("6x    =>0,00"));
    Fraction total;
    for (const Fraction& e : expectedShares(t.history)) total += e;
    EXPECT_EQ(total, Fraction(28)) << "the chances of 0..6 shared numbers add up to one";
    EXPECT_EQ(expectedShares(t.history)[6], Fraction(28, 13983816));
}

// The analysis steps over its copy of the archive exactly as the draw buttons step over the file.
class ArchiveCopySteps : public ::testing::TestWithParam<DrawDays> {};

TEST_P(ArchiveCopySteps, MatchTheDrawButtons)
{
    test::ProgramDir dir;
    std::vector<DrawRecord> records = test::syntheticArchive(14);
    records.push_back(draw(QDate(1986, 1, 6), {1, 2, 3, 4, 5, 6})); // a Monday draw
    records.push_back(draw(QDate(1986, 1, 9), {1, 2, 3, 4, 5, 6}));
    records.push_back(draw(QDate(1986, 1, 11), {1, 2, 3, 4, 5, 6})); // a Saturday last
    dir.writeArchive(records);
    const ArchiveCopy copy(records);
    DrawArchive archive(dir.archivePath());
    for (int start = 0; start < copy.size(); ++start) {
        DrawNavigator nav;
        nav.setCurrent(CurrentDraw::from(records[std::size_t(start)]), start, DrawSeparator::Selected);
        nav.showNext(archive, GetParam());
        EXPECT_EQ(copy.next(start, GetParam()), nav.index()) << "next from " << start;
        nav.setCurrent(CurrentDraw::from(records[std::size_t(start)]), start, DrawSeparator::Selected);
        nav.showPrevious(archive, GetParam());
        EXPECT_EQ(copy.previous(start, GetParam()), nav.index()) << "previous from " << start;
    }
    for (const DrawRecord& r : records) {
        for (double target : {r.date - 1, r.date, r.date + 1}) {
            DrawNavigator nav;
            nav.selectByDate(archive, target);
            EXPECT_EQ(copy.selectByDate(target), nav.index()) << formatDate(target).toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DrawDays, ArchiveCopySteps,
                         ::testing::Values(DrawDays{true, true}, DrawDays{true, false}, DrawDays{false, true}));
