// Typing in and deleting draws, and the archive's health check.
#include "app/languages.h"
#include "archive/archive_health.h"
#include "archive/draw_archive.h"
#include "archive/manual_entry.h"
#include "base/text_files.h"
#include "test_support.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

namespace {

// Thursday 17.10.1985 … : the first six archived draws, all before 04.06.1986.
std::vector<DrawRecord> early()
{
    return {firstDraw(), draw({1985, 10, 24}, {5, 16, 18, 29, 43, 44}, 2),
            draw({1985, 10, 31}, {10, 14, 29, 33, 46, 48}, 30), draw({1985, 11, 7}, {2, 9, 14, 19, 34, 43}, 49)};
}

EntryOutcome enter(DrawArchive& a, const DrawRecord& r, const QDate& shown)
{
    return storeEnteredDraw(a, r, findEntryReference(a, toDays(shown)));
}

} // namespace

TEST(ManualEntry, ReferenceIsTheShownDateOrTheLastRecord)
{
    test::ProgramDir dir;
    dir.writeArchive(early());
    DrawArchive a(dir.archivePath());
    auto ref = findEntryReference(a, toDays({1985, 10, 24}));
    EXPECT_EQ(ref.record, early()[1]);
    EXPECT_EQ(ref.index, 1);
    EXPECT_FALSE(ref.isLast);
    ref = findEntryReference(a, toDays({1985, 10, 25})); // no draw that day: the last record
    EXPECT_EQ(ref.record, early()[3]);
    EXPECT_TRUE(ref.isLast);

    dir.writeArchive({});
    EXPECT_THROW(findEntryReference(a, toDays({1985, 10, 24})), ArchiveError);
    QFile::remove(dir.archivePath());
    EXPECT_THROW(findEntryReference(a, toDays({1985, 10, 24})), ArchiveError);
}

TEST(ManualEntry, AppendsSortedWhenLaterThanTheLastRecord)
{
    test::ProgramDir dir;
    dir.writeArchive(early());
    DrawArchive a(dir.archivePath());
    DrawRecord typed = draw({1985, 11, 14}, {49, 3, 17, 8, 22, 1}, 5, 9);
    typed.spiel77 = {1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(enter(a, typed, {1985, 11, 7}), EntryOutcome::Appended);
    auto all = a.readAll();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[4].numbers, (std::array<std::uint8_t, 6>{1, 3, 8, 17, 22, 49}));
    EXPECT_EQ(all[4].spiel77, typed.spiel77); // the hidden digits are carried through
}

// Every rewrite keeps every record, the early Thursday draws of 1985/86 included.
TEST(ManualEntry, InsertAndReplaceRewriteInDateOrderKeepingEveryRecord)
{
    test::ProgramDir dir;
    dir.writeArchive(early());
    DrawArchive a(dir.archivePath());
    const DrawRecord between = draw({1985, 10, 26}, {1, 2, 3, 4, 5, 6}, 7, 1);
    EXPECT_EQ(enter(a, between, {1985, 10, 24}), EntryOutcome::Inserted);
    auto want = early();
    want.insert(want.begin() + 2, between);
    EXPECT_EQ(a.readAll(), want);

    const DrawRecord fixed = draw({1985, 10, 17}, {3, 11, 13, 15, 34, 36}, 27);
    EXPECT_EQ(enter(a, fixed, {1985, 10, 17}), EntryOutcome::Replaced);
    want[0] = fixed;
    EXPECT_EQ(a.readAll(), want);
    EXPECT_FALSE(QFile::exists(dir.file("dovovuduv.dat~")));

    // A date after the last draw typed while an earlier draw is shown goes to the end, by rewrite.
    const DrawRecord late = draw({1985, 11, 9}, {11, 12, 13, 14, 15, 16}, 17);
    EXPECT_EQ(enter(a, late, {1985, 10, 31}), EntryOutcome::Inserted);
    want.push_back(late);
    EXPECT_EQ(a.readAll(), want);
}

TEST(ManualEntry, ReplacingADateOfTwoRecordsLeavesOne)
{
    test::ProgramDir dir;
    auto records = early();
    records.insert(records.begin() + 2, draw({1985, 10, 24}, {1, 2, 3, 4, 5, 6}, 7));
    dir.writeArchive(records);
    DrawArchive a(dir.archivePath());
    const DrawRecord typed = draw({1985, 10, 24}, {6, 16, 18, 29, 43, 44}, 2);
    EXPECT_EQ(enter(a, typed, {1985, 10, 24}), EntryOutcome::Replaced);
    auto want = early();
    want[1] = typed;
    EXPECT_EQ(a.readAll(), want);
}

TEST(ManualEntry, AnImpossibleDrawIsRefusedAndNothingWritten)
{
    test::ProgramDir dir;
    dir.writeArchive(early());
    const QByteArray before = dir.readFile("dovovuduv.dat");
    DrawArchive a(dir.archivePath());
    for (const DrawRecord& bad :
         {draw({1985, 11, 14}, {1, 1, 2, 3, 4, 5}, 6), draw({1985, 10, 24}, {1, 2, 3, 4, 5, 6}, 6),
          draw({1985, 11, 14}, {1, 2, 3, 4, 5, 6}, 7, 10), draw({1985, 10, 10}, {1, 2, 3, 4, 5, 6}, 7)}) {
        EXPECT_THROW(enter(a, bad, {1985, 10, 24}), ArchiveError);
        EXPECT_EQ(dir.readFile("dovovuduv.dat"), before);
    }
}

TEST(DeleteDraws, RemovesEveryRecordOfTheDateTwiceInARow)
{
    test::ProgramDir dir;
    auto records = early();
    records.push_back(draw({1985, 11, 7}, {1, 2, 3, 4, 5, 6}, 7)); // a second record of 07.11.
    dir.writeArchive(records);
    DrawArchive a(dir.archivePath());
    EXPECT_EQ(deleteDrawsOn(a, toDays({1985, 11, 7})), 2);
    const auto base = early();
    EXPECT_EQ(a.readAll(), (std::vector<DrawRecord>(base.begin(), base.begin() + 3)));
    EXPECT_EQ(deleteDrawsOn(a, toDays({1985, 10, 31})), 1);
    EXPECT_EQ(a.readAll(), (std::vector<DrawRecord>(base.begin(), base.begin() + 2)));
    EXPECT_EQ(deleteDrawsOn(a, toDays({1985, 10, 31})), 0);
    EXPECT_EQ(a.recordCount(), 2);
    EXPECT_FALSE(QFile::exists(dir.file("Zahlen.da~")));
    QFile::remove(dir.archivePath());
    EXPECT_THROW(deleteDrawsOn(a, toDays({1985, 10, 31})), ArchiveError);
}

TEST(ArchiveHealth, TheShippedArchiveLacksOnlySaturday11July2026)
{
    DrawArchive a(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat"));
    const HealthReport report = checkArchiveHealth(a);
    EXPECT_EQ(report.records, 4185);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].kind, HealthProblem::Kind::MissingDrawDay);
    EXPECT_EQ(formatDate(report.problems[0].date), "11.07.2026");
}

// The health line in the interface language, with the warning once a later real draw is due.
TEST(ArchiveHealth, TheSummarySpeaksTheLanguageAndWarnsWhenADrawIsDue)
{
    DrawArchive shipped(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat"));
    const HealthReport report = checkArchiveHealth(shipped);
    EXPECT_EQ(report.lastDate, toDays(QDate(2026, 9, 7)));
    const InterfaceTexts german(germanInterfaceTexts());
    QStringList english;
    ASSERT_TRUE(readTextLines(QStringLiteral(RAZOZ_SOURCE_DIR "/data/land/meldungen.txt.en"), english));
    struct Case {
        QDate today;
        bool english;
        const char* line;
    };
    for (const Case& c : {
             Case{{2026, 9, 10}, false, "4185 Ziehungen; es fehlt: Sa. 11.07.2026"}, // Thursday's draw not yet due
             Case{{2026, 9, 11},
                  false,
                  "4185 Ziehungen; es fehlt: Sa. 11.07.2026; letzte Ziehung am 07.09.2026 – bitte aktualisieren"},
             Case{{2026, 12, 10}, true, "4185 draws; missing: Sat 11.07.2026; last draw on 07.09.2026 - please update"},
         })
        EXPECT_EQ(healthSummary(report, c.english ? InterfaceTexts(english) : german, toDays(c.today),
                                QLocale(c.english ? QLocale::English : QLocale::German))
                      .toStdString(),
                  c.line);

    test::ProgramDir dir;
    dir.writeArchive({firstDraw()});
    DrawArchive one(dir.archivePath());
    EXPECT_EQ(healthSummary(checkArchiveHealth(one), german, toDays(QDate(1985, 10, 18)), QLocale(QLocale::German)),
              "1 Ziehung, keine Auffälligkeiten");
}

struct CalendarCase {
    QDate day;
    bool draw;
};
class RealCalendar : public ::testing::TestWithParam<CalendarCase> {};
TEST_P(RealCalendar, KnowsTheDrawDays)
{
    EXPECT_EQ(isRealDrawDay(toDays(GetParam().day)), GetParam().draw) << GetParam().day.toString().toStdString();
}
INSTANTIATE_TEST_SUITE_P(Table, RealCalendar,
                         ::testing::Values(CalendarCase{{1985, 10, 17}, true}, CalendarCase{{1985, 10, 10}, false},
                                           CalendarCase{{1985, 10, 19}, false}, CalendarCase{{1985, 12, 26}, false},
                                           CalendarCase{{1986, 12, 25}, false}, CalendarCase{{1987, 12, 24}, true},
                                           CalendarCase{{1990, 5, 12}, false}, CalendarCase{{1990, 5, 19}, true},
                                           CalendarCase{{1990, 8, 25}, true}, CalendarCase{{1990, 9, 1}, false},
                                           CalendarCase{{1991, 6, 8}, false}, CalendarCase{{1991, 6, 15}, true},
                                           CalendarCase{{2020, 3, 12}, true}, CalendarCase{{2020, 3, 19}, false},
                                           CalendarCase{{2020, 5, 21}, true}, CalendarCase{{2022, 7, 4}, false},
                                           CalendarCase{{2022, 7, 11}, true}, CalendarCase{{2026, 9, 8}, false}));

TEST(ArchiveHealth, FindsEveryKindOfProblem)
{
    test::ProgramDir dir;
    auto records = early(); // Thursdays 17.10. … 07.11.1985
    records[1].reintegro = 12;
    records[2].numbers[5] = records[2].numbers[0];
    std::swap(records[2], records[3]);
    records.push_back(records[0]);
    dir.writeArchive(records, QByteArray(7, '\0'));
    DrawArchive a(dir.archivePath());
    const HealthReport report = checkArchiveHealth(a);
    EXPECT_EQ(report.records, 5);
    std::vector<std::tuple<QString, qint64, QString>> got;
    for (const auto& p : report.problems) got.emplace_back(kindName(p.kind), p.index, formatDate(p.date));
    const std::vector<std::tuple<QString, qint64, QString>> want = {
        {"out-of-range", 1, "24.10.1985"}, {"repeated-number", 3, "31.10.1985"}, {"out-of-order", 3, "31.10.1985"},
        {"out-of-order", 4, "17.10.1985"}, {"duplicate-date", 4, "17.10.1985"},  {"partial-record", 5, formatDate(0)}};
    EXPECT_EQ(got, want);
    EXPECT_EQ(report.problems[0].detail, "reintegro");
    EXPECT_EQ(report.problems.back().detail, "7");

    dir.writeArchive({firstDraw(), draw({1985, 11, 7}, {2, 9, 14, 19, 34, 43}, 49)});
    const HealthReport gap = checkArchiveHealth(a);
    ASSERT_EQ(gap.problems.size(), 2u);
    EXPECT_EQ(formatDate(gap.problems[0].date), "24.10.1985");
    EXPECT_EQ(formatDate(gap.problems[1].date), "31.10.1985");
}
