// Results as CSV: reading, merging into the archive, writing; and the archive the build ships.
#include "archive/draw_archive.h"
#include "archive/draw_csv.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<DrawRecord> parse(const QByteArray& text)
{
    return parseResultsCsv(text, QStringLiteral("test.csv"));
}

} // namespace

TEST(ShippedArchive, ImportOfTheShippedCsvEqualsTheShippedArchiveByteForByte)
{
    test::ProgramDir dir;
    DrawArchive archive(dir.archivePath());
    const ImportReport report = importResultsCsv(archive, QStringLiteral(RAZOZ_SOURCE_DIR "/data/draws.csv"));
    EXPECT_EQ(report.records, 4185);
    EXPECT_EQ(report.added, 4185);
    EXPECT_EQ(report.replaced, 0);
    const QByteArray imported = dir.readFile("dovovuduv.dat");
    EXPECT_EQ(imported, readBytes(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat")));
    // The program folder of the build holds an archive with draws (the shipped one or the user's own).
    EXPECT_GT(QFileInfo(QStringLiteral(RAZOZ_BIN_DIR "/dovovuduv.dat")).size(), 0);

    const auto all = archive.readAll();
    ASSERT_EQ(all.size(), 4185u);
    EXPECT_EQ(all.front(), firstDraw()); // 17.10.1985, Reintegro 0 where the list has none
    EXPECT_EQ(all.back(), draw({2026, 9, 7}, {18, 27, 28, 33, 46, 48}, 23, 4));
    EXPECT_FALSE(QFile::exists(dir.file("dovovuduv.dat~")));
}

TEST(ShippedArchive, PlacedOnlyWhereNoArchiveWithDrawsIs)
{
    test::ProgramDir dir;
    dir.writeFile("shipped.dat", QByteArray(64, 'S'));
    auto place = [&] {
        QProcess p;
        p.start(QStringLiteral("cmake"), {"-DSOURCE=" + dir.file("shipped.dat"), "-DTARGET=" + dir.archivePath(), "-P",
                                          QStringLiteral(RAZOZ_SOURCE_DIR "/cmake/place_shipped_archive.cmake")});
        ASSERT_TRUE(p.waitForFinished(30000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    };
    place(); // none there: the shipped one
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), QByteArray(64, 'S'));
    dir.writeFile("dovovuduv.dat", QByteArray()); // an empty one holds nothing to keep
    place();
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), QByteArray(64, 'S'));
    dir.writeFile("dovovuduv.dat", QByteArray(32, 'U')); // the user's archive stays
    place();
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), QByteArray(32, 'U'));
}

struct CsvFormatCase {
    const char* name;
    QByteArray text;
};

class CsvFormats : public ::testing::TestWithParam<CsvFormatCase> {};

TEST_P(CsvFormats, ReadTheSameDraw)
{
    const auto draws = parse(GetParam().text);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0], draw({2005, 4, 2}, {4, 9, 17, 22, 38, 41}, 12, 7));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvFormats,
    ::testing::Values(CsvFormatCase{"dotted", "02.04.2005;4;9;17;22;38;41;12;7\r\n"},
                      CsvFormatCase{"short_dotted", "2.4.2005;4;9;17;22;38;41;12;7"},
                      CsvFormatCase{"slashes_commas", "2/4/2005,4,9,17,22,38,41,12,7\n"},
                      CsvFormatCase{"iso", "2005-04-02;4;9;17;22;38;41;12;7;"},
                      CsvFormatCase{"header_any_order_extra_column",
                                    "Fecha,Reintegro,Joker,N6,N5,N4,N3,N2,N1,Complementario\n"
                                    "02/04/2005,7,1234567,41,38,22,17,9,4,12\n"},
                      CsvFormatCase{"header_tabs_zero_padded", "date\tn1\tn2\tn3\tn4\tn5\tn6\tbonus\trefund\n"
                                                               "2005-04-02\t04\t09\t17\t22\t38\t41\t12\t07\n"},
                      CsvFormatCase{"header_one_numbers_column_quoted",
                                    "\xEF\xBB\xBF"
                                    "DATE,NUMBERS,ZZ,R\r\n2005-04-02,\"4,9,17,22,38,41\",12,7\r\n"},
                      CsvFormatCase{"header_blank_lines_blanks", "\xEF\xBB\xBF"
                                                                 "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\r\n\r\n  "
                                                                 "02.04.2005 ; 4;9;17;22;38;41;12; 7 \r\n\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvRead, EmptyReintegroReadsZeroAndFileOrderIsKept)
{
    const auto draws = parse("19.10.1985;1;2;3;4;5;6;7;\n17.10.1985;3;11;13;15;34;35;27\n");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].reintegro, 0);
    EXPECT_EQ(draws[1], firstDraw());
}

struct BadLineCase {
    const char* name;
    QByteArray text;
    int line;
    const char* says;
};

class CsvBadLines : public ::testing::TestWithParam<BadLineCase> {};

// A bad line anywhere names its line and leaves the archive exactly as it was.
TEST_P(CsvBadLines, NameTheLineAndWriteNothing)
{
    const auto& c = GetParam();
    test::ProgramDir dir;
    const std::vector<DrawRecord> before = {firstDraw(), draw({1985, 10, 24}, {5, 16, 18, 29, 43, 44}, 2)};
    dir.writeArchive(before);
    const QByteArray bytesBefore = dir.readFile("dovovuduv.dat");
    dir.writeFile("in.csv", "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n31.10.1985;10;14;29;33;46;48;30;\n" + c.text);
    DrawArchive archive(dir.archivePath());
    try {
        importResultsCsv(archive, dir.file("in.csv"));
        FAIL() << "accepted";
    } catch (const CsvLineError& e) {
        EXPECT_EQ(e.line(), c.line);
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("in.csv, Zeile %1: ").arg(c.line))) << e.what();
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << e.what();
    }
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), bytesBefore);
    EXPECT_FALSE(QFile::exists(dir.file("dovovuduv.dat~")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvBadLines,
    ::testing::Values(BadLineCase{"number_50", "07.11.1985;2;9;14;19;34;50;49;\n", 3, "zwischen 1 und 49"},
                      BadLineCase{"number_0", "\n07.11.1985;0;9;14;19;34;43;49;\n", 4, "zwischen 1 und 49"},
                      BadLineCase{"complementary_0", "07.11.1985;2;9;14;19;34;43;0;\n", 3, "Zusatzzahl"},
                      BadLineCase{"reintegro_10", "07.11.1985;2;9;14;19;34;43;49;10\n", 3, "Reintegro"},
                      BadLineCase{"repeated", "07.11.1985;2;9;14;19;34;34;49;\n", 3, "34 kommt"},
                      BadLineCase{"complementary_among_six", "07.11.1985;2;9;14;19;34;43;9;\n", 3, "9 kommt"},
                      BadLineCase{"not_a_number", "07.11.1985;2;x;14;19;34;43;49;\n", 3, "Z2"},
                      BadLineCase{"reintegro_not_a_number", "07.11.1985;2;9;14;19;34;43;49;x\n", 3, "R ist"},
                      BadLineCase{"negative", "07.11.1985;2;-9;14;19;34;43;49;\n", 3, "Z2"},
                      BadLineCase{"too_few_fields", "07.11.1985;2;9;14;19;34;43\n", 3, "7 Felder"},
                      BadLineCase{"too_many_fields", "07.11.1985;2;9;14;19;34;43;1;2;3\n", 3, "10 Felder"},
                      BadLineCase{"bad_date", "31.02.1986;2;9;14;19;34;43;49;\n", 3, "kein Datum"},
                      BadLineCase{"before_first_draw", "10.10.1985;2;9;14;19;34;43;49;\n", 3, "17.10.1985"},
                      BadLineCase{"second_header", "Datum;Z1\n", 3, "kein Datum"},
                      BadLineCase{"date_twice", "07.11.1985;2;9;14;19;34;43;49;\n31.10.1985;1;2;3;4;5;6;7;\n", 4,
                                  "Zeile 2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvMerge, AddsInDateOrderReplacesSameDateAndKeepsEveryOtherRecord)
{
    test::ProgramDir dir;
    DrawRecord kept = draw({1985, 10, 24}, {5, 16, 18, 29, 43, 44}, 2);
    DrawRecord old = draw({1985, 10, 31}, {1, 2, 3, 4, 5, 6}, 7);
    old.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    old.super6 = {9, 8, 7, 6, 5, 4};
    DrawRecord twin = old; // two records of one date, as a two-line server answer leaves them
    twin.numbers[0] = 9;
    const DrawRecord late = draw({1985, 11, 14}, {19, 22, 34, 36, 37, 43}, 38);
    dir.writeArchive({firstDraw(), kept, old, twin, late});
    DrawArchive archive(dir.archivePath());
    const auto report = mergeDraws(archive, {draw({1985, 11, 21}, {6, 15, 35, 44, 46, 48}, 38), kept,
                                             draw({1985, 10, 31}, {10, 14, 29, 33, 46, 48}, 30, 1),
                                             draw({1985, 11, 7}, {2, 9, 14, 19, 34, 43}, 49)});
    EXPECT_EQ(report.added, 2);
    EXPECT_EQ(report.replaced, 2);
    EXPECT_EQ(report.records, 6);
    // The same draw again is no correction; another draw of a known date is.
    EXPECT_EQ(report.differing, (std::vector<double>{toDays(QDate(1985, 10, 31))}));
    DrawRecord replaced = draw({1985, 10, 31}, {10, 14, 29, 33, 46, 48}, 30, 1);
    replaced.spiel77 = old.spiel77; // the results file has no digits: the old ones stay
    replaced.super6 = old.super6;
    const std::vector<DrawRecord> want = {firstDraw(), kept,
                                          replaced,    draw({1985, 11, 7}, {2, 9, 14, 19, 34, 43}, 49),
                                          late,        draw({1985, 11, 21}, {6, 15, 35, 44, 46, 48}, 38)};
    EXPECT_EQ(archive.readAll(), want);
}

TEST(CsvMerge, AnArchiveOutOfOrderLosesNoRecord)
{
    test::ProgramDir dir;
    const DrawRecord a = draw({1990, 1, 4}, {1, 2, 3, 4, 5, 6}, 7);
    const DrawRecord b = draw({1986, 1, 2}, {1, 2, 3, 4, 5, 7}, 8);
    const DrawRecord c = draw({1995, 1, 5}, {1, 2, 3, 4, 5, 8}, 9);
    dir.writeArchive({a, b, c});
    DrawArchive archive(dir.archivePath());
    const DrawRecord mid = draw({1992, 1, 2}, {11, 12, 13, 14, 15, 16}, 17);
    mergeDraws(archive, {mid});
    EXPECT_EQ(archive.readAll(), (std::vector<DrawRecord>{a, b, mid, c}));
}

TEST(CsvExport, ReadsBackAsTheSameArchive)
{
    test::ProgramDir dir;
    auto records = test::syntheticArchive(300);
    dir.writeArchive(records);
    DrawArchive archive(dir.archivePath());
    const QByteArray csv = exportResultsCsv(archive);
    EXPECT_TRUE(csv.startsWith("Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n"));
    EXPECT_TRUE(csv.contains("\n17.10.1985;"));
    test::ProgramDir other;
    DrawArchive copy(other.archivePath());
    mergeDraws(copy, parse(csv));
    EXPECT_EQ(other.readFile("dovovuduv.dat"), dir.readFile("dovovuduv.dat"));
}
