// The report files: exact bytes of "Test.txt", a rich-text "Test.rtf" that reads back line for
// line in any language, and the fallback folder when the preferred one cannot be written.
#include "analysis/analysis_reports.h"
#include "rtf_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace razoz;

TEST(AnalysisReports, ThePlainReportEndsEveryLineWithCrLf)
{
    EXPECT_EQ(plainTextReport({QStringLiteral("Auswertung für"), QString(), QStringLiteral("3 Ziehungen")}),
              QByteArray("Auswertung f\xc3\xbcr\r\n\r\n3 Ziehungen\r\n"));
}

TEST(AnalysisReports, TheRichTextReportReadsBackLineForLine)
{
    const QStringList lines = {QStringLiteral("Wiederholungen: Richtige mit früheren Ziehungen"),
                               QStringLiteral("0x    =>12"), QStringLiteral(" "),
                               QStringLiteral("Совпадения {в} \\ следующем"), QStringLiteral("a\tb")};
    const QByteArray rtf = rtfReport(lines);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    for (char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    EXPECT_EQ(test::rtfLines(rtf), lines);
}

TEST(AnalysisReports, AnUnwritableFolderSendsTheReportToTheFallback)
{
    test::ProgramDir dir;
    const QString missing = dir.file(QStringLiteral("no/such/folder"));
    const ReportFile r = writeReport(kParameterReportName, "x\r\n", missing, dir.path());
    ASSERT_TRUE(r.written) << r.error.toStdString();
    EXPECT_TRUE(r.fellBack);
    EXPECT_EQ(r.path, dir.file(kParameterReportName));
    EXPECT_EQ(dir.readFile(kParameterReportName), QByteArray("x\r\n"));

    // A second run replaces the report whole.
    const ReportFile again = writeReport(kParameterReportName, "y\r\n", dir.path());
    EXPECT_FALSE(again.fellBack);
    EXPECT_EQ(dir.readFile(kParameterReportName), QByteArray("y\r\n"));

    const ReportFile nowhere = writeReport(kRepeatReportName, "z", missing, missing + QStringLiteral("2"));
    EXPECT_FALSE(nowhere.written);
    EXPECT_FALSE(nowhere.error.isEmpty());
}
