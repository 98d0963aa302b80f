#include "test_support.h"
#include "tipfiles/tip_file.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace razoz;

TEST(TipFileWrite, EmptyGridAndRoundTrip)
{
    test::ProgramDir dir;
    writeTipFile(dir.file("e.wtp"), TipRows{});
    QByteArray twelve;
    for (int i = 0; i < 12; ++i) twelve += ",,,,,\r\n";
    EXPECT_EQ(dir.readFile("e.wtp"), twelve);

    TipRows rows;
    for (int r = 0; r < kTipRows; ++r)
        for (int c = 0; c < kTipColumns; ++c) rows[r][c] = QString::number(r + c * 7 + 1);
    rows[4] = {"7", "", "", "", "", "8"};
    writeTipFile(dir.file("a.wtp"), rows);
    EXPECT_TRUE(dir.readFile("a.wtp").startsWith("1,8,15,22,29,36\r\n"));
    EXPECT_EQ(Textladen(dir.file("a.wtp")), rows);
    // A file that cannot be written leaves no trace and says so.
    EXPECT_THROW(writeTipFile(dir.file("no/such/folder.wtp"), rows), TipFileError);
}

TEST(TipFileWrite, ProposedNameFromTheNextDrawDay)
{
    EXPECT_EQ(proposedTipFileName(QDate(2005, 4, 2), QDate(2026, 1, 1)), "20050407.wtp");
    EXPECT_EQ(proposedTipFileName(QDate(2005, 4, 7), QDate(2026, 1, 1)), "20050409.wtp");
    EXPECT_EQ(proposedTipFileName(QDate(2005, 4, 3), QDate(2026, 1, 1)), "20050407.wtp");
    EXPECT_EQ(proposedTipFileName(QDate(2005, 4, 5), QDate(2026, 1, 1)), "20260101.wtp");
}

TEST(TipFileWrite, DialogsCarryTheTipFileFilterAndAFailedLoadKeepsTheGrid)
{
    test::ProgramDir dir;
    test::ScriptedPrompt prompt;
    TipRows rows;
    rows[0] = {"3", "11", "13", "15", "34", "35"};
    prompt.fileAnswers.push_back(dir.file("x.wtp"));
    EXPECT_EQ(SaveTipFile(prompt, rows, QDate(2005, 4, 2), QDate(2026, 1, 1), dir.path()), dir.file("x.wtp"));
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_TRUE(prompt.shown.back().text.contains("Tippdatei|*.wtp")) << prompt.shown.back().text.toStdString();

    prompt.fileAnswers.push_back(dir.file("x.wtp"));
    const auto loaded = LoadTipFile(prompt, dir.path());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, rows);

    EXPECT_FALSE(LoadTipFile(prompt, dir.path())); // cancelled
    prompt.fileAnswers.push_back(dir.file("missing.wtp"));
    EXPECT_FALSE(LoadTipFile(prompt, dir.path()));
    EXPECT_EQ(prompt.texts("error").size(), 1u);
}
