// The archive search: which draws it examines, what it reports, where a No ends it, what the
// hit labels and the current draw hold afterwards.
#include "analysis/archive_search.h"
#include "archive/draw_archive.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

namespace {

const TipRowTexts kRow{"3", "11", "13", "27", "40", "41"};

TipRows rowsWith(const TipRowTexts& first, const TipRowTexts& second = {})
{
    TipRows rows;
    rows[0] = first;
    rows[1] = second;
    return rows;
}

SearchOptions wholeRange(int threshold)
{
    SearchOptions o;
    o.start = toDays(QDate(1985, 10, 17));
    o.end = toDays(QDate(2030, 1, 1));
    o.threshold = threshold;
    return o;
}

struct Asked {
    std::vector<SearchReport> reports;
    std::deque<bool> answers; // default Yes
    SearchReply reply()
    {
        return [this](const SearchReport& r, const SearchResult&) {
            reports.push_back(r);
            if (answers.empty()) return true;
            const bool a = answers.front();
            answers.pop_front();
            return a;
        };
    }
};

} // namespace

TEST(ArchiveSearch, TheDefaultThresholdWantsAllSixNumbersTheComplementaryNumberDoesNotCount)
{
    test::ProgramDir dir;
    dir.writeArchive({draw(QDate(1985, 10, 17), {3, 11, 13, 27, 40, 41}, 7),
                      // five of the row and the complementary number: still only five hits
                      draw(QDate(1985, 10, 19), {3, 11, 13, 27, 40, 44}, 41),
                      draw(QDate(1985, 10, 24), {41, 40, 27, 13, 11, 3}, 9)});
    Asked asked;
    const SearchResult r = searchTips(dir.archivePath(), rowsWith(kRow), wholeRange(6), asked.reply());
    ASSERT_EQ(asked.reports.size(), 2u);
    EXPECT_EQ(asked.reports[0], (SearchReport{toDays(QDate(1985, 10, 17)), 0, 6}));
    EXPECT_EQ(asked.reports[1].date, toDays(QDate(1985, 10, 24)));
    EXPECT_FALSE(r.endedByUser);
    EXPECT_EQ(r.lastDraw.date, toDays(QDate(1985, 10, 24)));
    EXPECT_EQ(r.lastIndex, 2);
}

TEST(ArchiveSearch, ANoAtTheFirstReportEndsTheSearchOnTheEarlierDraw)
{
    test::ProgramDir dir;
    dir.writeArchive(
        {draw(QDate(1985, 10, 17), {1, 2, 4, 5, 6, 7}, 8), draw(QDate(1985, 10, 19), {3, 11, 13, 1, 2, 4}, 40, 5),
         draw(QDate(1985, 10, 24), {3, 11, 13, 1, 2, 4}, 8), draw(QDate(1985, 10, 26), {3, 11, 13, 27, 40, 41}, 8)});
    const TipRowTexts second{"1", "2", "4", "5", "6", "7"};
    Asked asked;
    asked.answers = {false};
    const SearchResult r = searchTips(dir.archivePath(), rowsWith(kRow, second), wholeRange(3), asked.reply());
    // 17.10.: row 2 has six hits and is reported first; No ends it there.
    ASSERT_EQ(asked.reports.size(), 1u);
    EXPECT_EQ(asked.reports[0], (SearchReport{toDays(QDate(1985, 10, 17)), 1, 6}));
    EXPECT_TRUE(r.endedByUser);
    EXPECT_EQ(r.lastDraw.date, toDays(QDate(1985, 10, 17)));

    // Row 1 scores three on 19.10. and 24.10.: only the earlier date is named before the No.
    Asked first;
    first.answers = {false};
    const SearchResult r1 = searchTips(dir.archivePath(), rowsWith(kRow), wholeRange(3), first.reply());
    ASSERT_EQ(first.reports.size(), 1u);
    EXPECT_EQ(first.reports[0].date, toDays(QDate(1985, 10, 19)));
    EXPECT_EQ(r1.lastDraw.date, toDays(QDate(1985, 10, 19)));
    EXPECT_EQ(r1.labels[0], (SearchLabel{QStringLiteral("3 + Z"), true}));
}

TEST(ArchiveSearch, OnlyThursdaysSaturdaysAndSundaysInTheRangeAreExamined)
{
    test::ProgramDir dir;
    const auto six = {3, 11, 13, 27, 40, 41};
    dir.writeArchive({draw(QDate(1985, 10, 17), six),  // Thursday, the start date
                      draw(QDate(1986, 1, 6), six),    // Monday: never
                      draw(QDate(1986, 1, 11), six),   // Saturday
                      draw(QDate(1986, 1, 12), six),   // Sunday
                      draw(QDate(1986, 1, 16), six),   // Thursday, the end date
                      draw(QDate(1986, 1, 18), six)}); // after the end date
    SearchOptions o = wholeRange(6);
    o.end = toDays(QDate(1986, 1, 16));
    Asked both;
    searchTips(dir.archivePath(), rowsWith(kRow), o, both.reply());
    std::vector<double> dates;
    for (const auto& r : both.reports) dates.push_back(r.date);
    EXPECT_EQ(dates, (std::vector<double>{toDays(QDate(1985, 10, 17)), toDays(QDate(1986, 1, 11)),
                                          toDays(QDate(1986, 1, 12)), toDays(QDate(1986, 1, 16))}));

    o.days = {false, true};
    Asked thursday;
    const SearchResult r = searchTips(dir.archivePath(), rowsWith(kRow), o, thursday.reply());
    EXPECT_EQ(thursday.reports.size(), 2u);
    EXPECT_EQ(r.lastDraw.date, toDays(QDate(1986, 1, 16)));

    o.days = {false, false};
    Asked none;
    const SearchResult nothing = searchTips(dir.archivePath(), rowsWith(kRow), o, none.reply());
    EXPECT_FALSE(nothing.examined);
    EXPECT_TRUE(none.reports.empty());
}

TEST(ArchiveSearch, TheReintegroMarkStandsOnTheFirstRowOnly)
{
    test::ProgramDir dir;
    dir.writeArchive({draw(QDate(1985, 10, 17), {3, 11, 13, 15, 34, 35}, 27, 4)});
    SearchOptions o = wholeRange(7);
    o.losnummer = QStringLiteral("1234564");
    const SearchResult r =
        searchTips(dir.archivePath(), rowsWith(kRow, {"3", "27", "5", "6", "7", "8"}), o, Asked().reply());
    EXPECT_EQ(r.labels[0], (SearchLabel{QStringLiteral("3 + Z + R"), true}));
    EXPECT_EQ(r.labels[1], (SearchLabel{QStringLiteral("1 + Z"), false}));
    EXPECT_EQ(r.labels[2], (SearchLabel{QStringLiteral("0"), false})) << "an empty row is matched with no hits";

    o.losnummer = QStringLiteral("123456"); // six digits: no seventh to compare
    EXPECT_EQ(searchTips(dir.archivePath(), rowsWith(kRow), o, Asked().reply()).labels[0]->text,
              QStringLiteral("3 + Z"));
}

TEST(ArchiveSearch, AThresholdOfZeroReportsEveryRowEvenEmptyOnes)
{
    test::ProgramDir dir;
    dir.writeArchive({draw(QDate(1985, 10, 17), {3, 11, 13, 15, 34, 35}, 27)});
    Asked asked;
    searchTips(dir.archivePath(), rowsWith(kRow), wholeRange(0), asked.reply());
    EXPECT_EQ(asked.reports.size(), std::size_t(kTipRows));
}

TEST(ArchiveSearch, AMissingArchiveIsAnErrorAndTheReportNamesTheDate)
{
    test::ProgramDir dir;
    EXPECT_THROW(searchTips(dir.archivePath(), rowsWith(kRow), wholeRange(6), Asked().reply()), ArchiveError);
    InterfaceTexts texts({"0", "1", "2", "3", "4", "5", "Treffer vom", "- weiter?"});
    EXPECT_EQ(searchReportText(texts, toDays(QDate(1985, 10, 19))),
              QStringLiteral("Treffer vom 19.10.1985   - weiter?"));
    InterfaceTexts spaced({"0", "1", "2", "3", "4", "5", "Treffer vom ", "- weiter?"});
    EXPECT_EQ(searchReportText(spaced, toDays(QDate(1985, 10, 19))),
              QStringLiteral("Treffer vom 19.10.1985   - weiter?"));
}

// Chance alone: each playable row of each examined draw reaches the threshold with the share of
// the C(49, 6) rows that do; rows with a repeat or a zero cannot stand for a random row.
TEST(ArchiveSearch, TheChanceBaselineCountsThePlayableRowsOfTheExaminedDraws)
{
    test::ProgramDir dir;
    dir.writeArchive({draw(QDate(1985, 10, 17), {3, 11, 13, 15, 34, 35}), draw(QDate(1985, 10, 19), {1, 2, 3, 4, 5, 6}),
                      draw(QDate(1985, 10, 21), {1, 2, 3, 4, 5, 6})}); // a Monday, not examined
    TipRows rows = rowsWith(kRow, {"3", "3", "13", "27", "40", "41"});
    rows[2] = {"0", "11", "13", "27", "40", "41"};
    rows[3] = {"1", "2", "3", "4", "5", "7"};
    struct Case {
        int threshold;
        Fraction expected;
    };
    for (const Case& c :
         {Case{6, Fraction(2 * 2, 13983816)}, Case{3, Fraction(2 * 2 * 260624, 13983816)}, Case{0, Fraction(4)}}) {
        const SearchResult r = searchTips(dir.archivePath(), rows, wholeRange(c.threshold), Asked().reply());
        EXPECT_EQ(r.draws, 2) << c.threshold;
        EXPECT_EQ(r.rowsChecked, 4) << c.threshold;
        EXPECT_EQ(r.expected, c.expected) << c.threshold;
    }
    const SearchResult five = searchTips(dir.archivePath(), rows, wholeRange(5), Asked().reply());
    EXPECT_EQ(searchChanceText(five, 5),
              QStringLiteral("Zufällige Tipps hätten 0,00 Treffer mit 5 Richtigen oder mehr ergeben (2 Ziehungen, 4 "
                             "geprüfte Tipps); gefunden: 1"));
}
