#include "archive/current_draw.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace razoz;
using razoz::test::draw;
using razoz::test::ProgramDir;

namespace {
const QDate kThu(1985, 10, 17), kSat(1985, 10, 19), kSun(1985, 10, 20), kMon(1985, 10, 21);
}

TEST(Dates, DayCountsAndWeekdays)
{
    EXPECT_EQ(toDays(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(toDays(kThu), kEarliestDrawDay);
    EXPECT_EQ(weekdayOf(toDays(kThu)), Thursday);
    EXPECT_EQ(weekdayOf(toDays(kSat)), Saturday);
    EXPECT_EQ(weekdayOf(toDays(kSun)), Sunday);
    EXPECT_EQ(fromDays(toDays(QDate(2028, 2, 29))), QDate(2028, 2, 29));
    EXPECT_EQ(toDays(QDate(2022, 7, 11)), kFirstMondayDraw);
    EXPECT_FALSE(parseDate("2005-04-02").isValid());
    EXPECT_EQ(parseDate("02.04.2005"), QDate(2005, 4, 2));
}

TEST(DrawDayRules, StandardReintegroSearchAndNavigation)
{
    const double thu = toDays(kThu), sat = toDays(kSat), sun = toDays(kSun), mon = toDays(kMon);
    const DrawDays both{true, true}, onlySat{true, false}, onlyThu{false, true}, none{false, false};
    // Standard: both boxes admit every weekday.
    EXPECT_TRUE(dayPasses(DayRule::Standard, both, mon));
    EXPECT_FALSE(dayPasses(DayRule::Standard, onlyThu, sat));
    EXPECT_FALSE(dayPasses(DayRule::Standard, onlyThu, sun));
    EXPECT_TRUE(dayPasses(DayRule::Standard, onlySat, sat));
    EXPECT_TRUE(dayPasses(DayRule::Standard, onlySat, sun));
    EXPECT_FALSE(dayPasses(DayRule::Standard, onlySat, thu));
    EXPECT_FALSE(dayPasses(DayRule::Standard, onlySat, mon));
    EXPECT_FALSE(dayPasses(DayRule::Standard, none, thu));
    // Reintegro: never Sunday or other days, even with both boxes.
    EXPECT_FALSE(dayPasses(DayRule::Reintegro, both, sun));
    EXPECT_FALSE(dayPasses(DayRule::Reintegro, both, mon));
    EXPECT_TRUE(dayPasses(DayRule::Reintegro, both, sat));
    // Search: Sunday counts as Saturday, other days never.
    EXPECT_TRUE(dayPasses(DayRule::Search, both, sun));
    EXPECT_FALSE(dayPasses(DayRule::Search, both, mon));
    // Navigation only rejects what a cleared box deselects.
    EXPECT_TRUE(navigationAccepts(none, mon));
    EXPECT_FALSE(navigationAccepts(onlyThu, sun));
    EXPECT_FALSE(navigationAccepts(onlySat, thu));
}

TEST(DrawFilter, BoundsAreInclusiveOrStrict)
{
    DrawFilter f{toDays(kThu), toDays(kSat), true, {}, DayRule::Standard};
    EXPECT_TRUE(f.inRange(toDays(kThu)));
    EXPECT_TRUE(f.inRange(toDays(kSat)));
    EXPECT_FALSE(f.inRange(toDays(kSun)));
    f.startInclusive = false;
    EXPECT_FALSE(f.inRange(toDays(kThu)));
}

TEST(DrawArchive, FirstDrawRoundTripsAndEmptyArchiveIsValid)
{
    ProgramDir dir;
    DrawArchive a = DrawArchive::inFolder(dir.path());
    EXPECT_FALSE(a.exists());
    a.createEmpty();
    EXPECT_TRUE(a.exists());
    EXPECT_TRUE(a.readAll().empty());
    a.createWithFirstDraw();
    const auto all = a.readAll();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].date, toDays(kThu));
    EXPECT_EQ(all[0].numbers, (std::array<std::uint8_t, 6>{3, 11, 13, 15, 34, 35}));
    EXPECT_EQ(all[0].complementary, 27);
    EXPECT_EQ(all[0].reintegro, 0);
    EXPECT_EQ(dir.readFile("dovovuduv.dat").size(), 32);
    EXPECT_EQ(dir.readFile("dovovuduv.dat").mid(16), QByteArray(16, '\0'));
}

TEST(DrawArchive, PartialTailIsNeverReadAndIsCutBeforeAnAppend)
{
    ProgramDir dir;
    dir.writeArchive({firstDraw()}, QByteArray(1, '\x7f')); // 33 bytes
    DrawArchive a(dir.archivePath());
    EXPECT_EQ(a.recordCount(), 1);
    EXPECT_EQ(a.readAll().size(), 1u);
    const DrawRecord sat = draw(kSat, {1, 2, 3, 4, 5, 6}, 7, 8);
    EXPECT_EQ(a.append(sat), firstDraw()); // returns the last record before the append
    const auto all = a.readAll();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1], sat);
    EXPECT_EQ(dir.readFile("dovovuduv.dat").size(), 64);
}

TEST(DrawArchive, ReadsAcrossBlockBoundaries)
{
    ProgramDir dir;
    const auto records = test::syntheticArchive(1500);
    dir.writeArchive(records);
    DrawArchive a(dir.archivePath());
    EXPECT_EQ(a.readAll(), records);
}

TEST(DrawArchive, MissingFileIsAnError)
{
    ProgramDir dir;
    DrawArchive a(dir.archivePath());
    EXPECT_THROW(a.openForReading(), ArchiveError);
}

TEST(DrawArchive, RewriteReplacesThroughScratchAndKeepsArchiveOnFailure)
{
    ProgramDir dir;
    dir.writeArchive({firstDraw(), draw(kSat, {1, 2, 3, 4, 5, 6}), draw(kSun, {7, 8, 9, 10, 11, 12})});
    DrawArchive a(dir.archivePath());
    a.rewriteFiltered("Zahlen.da~", [](const DrawRecord& r, std::vector<DrawRecord>& out) {
        if (r.date != toDays(kSat)) out.push_back(r);
    });
    EXPECT_EQ(a.readAll().size(), 2u);
    EXPECT_FALSE(QFile::exists(dir.file("Zahlen.da~")));

    const QByteArray before = dir.readFile("dovovuduv.dat");
    EXPECT_THROW(
        a.rewriteFiltered("dovovuduv.dat~",
                          [](const DrawRecord&, std::vector<DrawRecord>&) { throw ArchiveError("rule failed"); }),
        ArchiveError);
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), before);
    EXPECT_FALSE(QFile::exists(dir.file("dovovuduv.dat~")));
}

TEST(CurrentDraw, FormatAndSum)
{
    const QLocale de(QLocale::German);
    CurrentDraw d = CurrentDraw::from(firstDraw());
    EXPECT_EQ(formatDraw(d, DrawSeparator::Selected, de), "Do. 17.10.85     3  11  13  15  34  35 C:27 R:0");
    EXPECT_EQ(formatDraw(d, DrawSeparator::Stepped, de), "Do. 17.10.85    3  11  13  15  34  35 C:27 R:0");
    EXPECT_EQ(formatSum(d), "QS: 111");
    d.numbers = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(d.sum(), 21);
    d.numbers = {44, 45, 46, 47, 48, 49};
    EXPECT_EQ(formatSum(d), "QS: 279");
}

class Navigation : public ::testing::Test {
protected:
    // Thu 17.10, Sat 19.10, Thu 24.10, Sat 26.10, Thu 31.10, Sat 02.11 (1985)
    void SetUp() override
    {
        records = test::syntheticArchive(6);
        dir.writeArchive(records);
    }
    double day(int i) const { return records[std::size_t(i)].date; }
    ProgramDir dir;
    std::vector<DrawRecord> records;
    DrawArchive archive{dir.archivePath()};
    DrawNavigator nav;
};

TEST_F(Navigation, SelectByDate)
{
    nav.selectByDate(archive, today());
    EXPECT_EQ(nav.index(), 5);
    EXPECT_EQ(nav.current().date, day(5));
    EXPECT_EQ(nav.separator(), DrawSeparator::Selected);
    nav.selectByDate(archive, day(2) - 1); // between two draws: the later one
    EXPECT_EQ(nav.index(), 2);
    nav.selectByDate(archive, day(0) - 100); // before the first draw: position 0
    EXPECT_EQ(nav.index(), 0);
    EXPECT_EQ(nav.current().date, day(0));
    nav.selectByDate(archive, day(3));
    EXPECT_EQ(nav.index(), 3);
}

TEST_F(Navigation, MissingAndEmptyArchive)
{
    ProgramDir empty;
    DrawArchive missing(empty.archivePath());
    EXPECT_EQ(nav.selectByDate(missing, today()), DrawNavigator::Selection::MissingArchive);
    EXPECT_FALSE(missing.exists()); // the window creates it after asking the user to read in
    missing.createEmpty();
    nav.selectByDate(archive, day(4));
    nav.showPrevious(archive, {});
    const CurrentDraw before = nav.current();
    nav.selectByDate(missing, today()); // empty now: nothing changes, not even the separator
    EXPECT_EQ(nav.current(), before);
    EXPECT_EQ(nav.index(), 0);
    EXPECT_EQ(nav.separator(), DrawSeparator::Stepped);
    nav.showPrevious(missing, {});
    EXPECT_EQ(nav.current(), CurrentDraw{});
    EXPECT_EQ(nav.index(), 0);
    ProgramDir gone;
    DrawArchive absent(gone.archivePath());
    EXPECT_THROW(nav.showNext(absent, {}), ArchiveError);
}

TEST_F(Navigation, StepsStopAtPositionOneAndAtTheEnd)
{
    nav.selectByDate(archive, day(1));
    nav.showPrevious(archive, {});
    EXPECT_EQ(nav.index(), 1); // never position 0 by stepping
    EXPECT_EQ(nav.separator(), DrawSeparator::Stepped);
    nav.selectByDate(archive, today());
    nav.showNext(archive, {});
    EXPECT_EQ(nav.index(), 5);
    nav.showPrevious(archive, {});
    EXPECT_EQ(nav.index(), 4);
}

TEST_F(Navigation, FilterStepsOverDeselectedDays)
{
    nav.selectByDate(archive, day(5)); // Saturday 02.11.
    nav.showPrevious(archive, {true, false});
    EXPECT_EQ(nav.index(), 3); // skips Thursday 31.10. to Saturday 26.10.
    nav.showNext(archive, {true, false});
    EXPECT_EQ(nav.index(), 5);
    nav.showPrevious(archive, {false, true});
    EXPECT_EQ(nav.index(), 4);
    // The last draw is deselected: "next" goes back to the latest accepted one before it.
    nav.showNext(archive, {false, true});
    EXPECT_EQ(nav.index(), 4);
    // At position 1 a deselected draw stays shown.
    nav.selectByDate(archive, day(2));
    nav.showPrevious(archive, {false, true});
    EXPECT_EQ(nav.index(), 1);
}
