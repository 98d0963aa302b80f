// The link page, the per-date tip file and its date, and files replaced whole.
#include "online/online_files.h"
#include "online/order_url.h"
#include "test_support.h"

#include <QFile>
#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace razoz;

namespace {
QStringList pageLines(const QByteArray& bytes)
{
    QStringDecoder cp1252("windows-1252");
    QStringList lines = QString(cp1252.decode(bytes)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString()); // every line ends with CR LF
    return lines;
}
} // namespace

TEST(LinkPage, TwelveLinesForwardToTheAddressAndLinkIt)
{
    const QString url = QStringLiteral("https://www.tipp24.example/o?Tippreihe1_Zahl1=3&Tippreihe1_Zahl2=11");
    const QStringList lines = pageLines(linkPageText(url, QStringLiteral("www.tipp24.example")));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], "<html>");
    EXPECT_EQ(lines[2], "<title>Razoz-Quorex Online-Abgabe über www.tipp24.example</Title>");
    EXPECT_EQ(lines[3], "<script language=\"JavaScript\">");
    EXPECT_EQ(lines[4], "function aufruf() {");
    // Inside the script the "&" is written as an escape the string still means "&" by.
    EXPECT_EQ(lines[5], "window.location.href=\"https://www.tipp24.example/o?Tippreihe1_Zahl1=3\\x26"
                        "Tippreihe1_Zahl2=11\";}");
    EXPECT_EQ(lines[8], "<body onload=aufruf()>");
    EXPECT_EQ(lines[9], "<a href=\"https://www.tipp24.example/o?Tippreihe1_Zahl1=3&amp;Tippreihe1_Zahl2=11\">Tipp an "
                        "Tipp24 übergeben. Sie können den Tipp anschließend kontrollieren und sich erst dann "
                        "anmelden.</a>");
    EXPECT_EQ(lines[11], "</html>");
}

TEST(LinkPage, AnAnswerWithMarkupCannotLeaveTheAttributeOrTheString)
{
    const QString evil =
        QStringLiteral("https://x.example/?\"><script>alert(1)</script><a href=\"';alert(2);//\\\u2028\n&Tippreihe1=");
    const QByteArray page = linkPageText(evil, QStringLiteral("x<b>.example"));
    const QStringList lines = pageLines(page);
    ASSERT_EQ(lines.size(), 12); // no line break got through
    EXPECT_EQ(page.count("<script"), 1);
    EXPECT_EQ(page.count("</script"), 1);
    EXPECT_FALSE(page.contains("<b>"));
    // The string holds no raw quote or backslash that could end it.
    QString js = lines[5].mid(QStringLiteral("window.location.href=\"").size());
    js.chop(QStringLiteral("\";}").size());
    for (int i = 0; i < js.size(); ++i) {
        if (js[i] == QLatin1Char('\\')) {
            ++i; // the escaped character
            continue;
        }
        EXPECT_NE(js[i], QLatin1Char('"')) << i;
        EXPECT_NE(js[i], QLatin1Char('\''));
        EXPECT_NE(js[i], QLatin1Char('<'));
    }
    // The attribute holds no quote or angle bracket.
    QString attr = lines[9].mid(9);
    attr = attr.left(attr.indexOf(QLatin1String("\">Tipp an")));
    EXPECT_FALSE(attr.contains('"') || attr.contains('<') || attr.contains('>')) << attr.toStdString();
    EXPECT_TRUE(attr.contains("&quot;&gt;&lt;script&gt;"));
    EXPECT_TRUE(attr.contains("&#8232;&#10;"));
}

TEST(PerDateTipFile, OnlyRowsWithAFirstNumberInGridOrder)
{
    TipRows rows;
    rows[0] = {"3", "11", "13", "15", "34", "35"};
    rows[1] = {"", "1", "2", "3", "4", "5"}; // left out although filled
    rows[4] = {"7", "", "", "", "", ""};
    rows[11] = {"49", "48", "47", "46", "45", "44"};
    EXPECT_EQ(formatPerDateTipFile(rows), QByteArray("3,11,13,15,34,35\r\n7,,,,,\r\n49,48,47,46,45,44\r\n"));
    EXPECT_EQ(formatPerDateTipFile(TipRows{}), QByteArray());
}

struct TargetCase {
    QDate shown;
    const char* name;
};

class PerDateTipName : public ::testing::TestWithParam<TargetCase> {};

TEST_P(PerDateTipName, NamesTheNextDrawDayAfterTheShownDraw)
{
    EXPECT_EQ(perDateTipFileName(GetParam().shown, QDate(2026, 12, 9)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(PerDateTipFile, PerDateTipName,
                         ::testing::Values(TargetCase{QDate(2009, 1, 1), "20090103.wtp"},  // Thursday
                                           TargetCase{QDate(2009, 1, 3), "20090108.wtp"},  // Saturday
                                           TargetCase{QDate(2009, 1, 4), "20090108.wtp"},  // Sunday
                                           TargetCase{QDate(2009, 1, 5), "20261209.wtp"},  // Monday: today
                                           TargetCase{QDate(2026, 12, 5), "20261207.wtp"}, // Saturday
                                           TargetCase{QDate(2026, 12, 6), "20261207.wtp"}, // Sunday
                                           TargetCase{QDate(2026, 12, 7), "20261210.wtp"}, // Monday
                                           TargetCase{QDate(2008, 12, 31), "20261209.wtp"} // Wednesday
                                           ));

TEST(OnlineFiles, AReplacedFileIsWholeAndAFailedWriteNamesTheFile)
{
    test::ProgramDir dir;
    dir.writeFile("tipp.htm", "old page that is longer than the new one");
    writeFileReplacing(dir.file("tipp.htm"), "new");
    EXPECT_EQ(dir.readFile("tipp.htm"), "new");
    try {
        writeFileReplacing(dir.file("missing/tipp.htm"), "x");
        FAIL() << "no error";
    } catch (const OnlineError& e) {
        EXPECT_TRUE(e.message.contains("tipp.htm")) << e.message.toStdString();
    }
    // The tips folder is made once and found again.
    EXPECT_EQ(ensureTipsFolder(dir.path()), dir.file("Tipps/"));
    EXPECT_EQ(ensureTipsFolder(dir.path()), dir.file("Tipps/"));
    dir.writeFile("Blocked", "a file where a folder should be");
    EXPECT_THROW(ensureFolder(dir.file("Blocked/Tipps")), OnlineError);
    EXPECT_EQ(filledScriptPath(dir.path(), QDate(2009, 1, 3)), dir.file("Tipps/20090103.zorb"));
}
