// Row editing, the lucky number and the tip text file.
#include "archive/dates.h"
#include "generate/lucky_number.h"
#include "generate/row_edit.h"
#include "generate/tip_text.h"
#include "test_support.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

InterfaceTexts numberedTexts()
{
    QStringList lines;
    for (int i = 0; i < 60; ++i) lines << QStringLiteral("t%1").arg(i);
    return InterfaceTexts(lines);
}

NumberMarks marks(std::initializer_list<int> numbers)
{
    NumberMarks m;
    for (int n : numbers) m.set(std::size_t(n - 1));
    return m;
}

} // namespace

TEST(RowEdit, MarksTheRowUpToItsFirstUnusableBoxAndWritesTheCheckedNumbersBack)
{
    EXPECT_EQ(marksOfRow({"3", "11", "13", "15", "34", "35"}), marks({3, 11, 13, 15, 34, 35}));
    EXPECT_EQ(marksOfRow({"3", "11", "", "15", "34", "35"}), marks({3, 11}));
    EXPECT_EQ(marksOfRow({"3", "x", "13", "15", "34", "35"}), marks({3}));
    EXPECT_EQ(marksOfRow({"50", "11", "13", "15", "34", "35"}), marks({}));

    const TipRowTexts row{"3", "11", "13", "15", "34", "35"};
    EXPECT_EQ(rowFromMarks(row, marks({40, 2, 9, 17, 33})), (TipRowTexts{"2", "9", "17", "33", "40", "35"}))
        << "five numbers fill the first five boxes; the sixth keeps its number";
    EXPECT_EQ(rowFromMarks(row, marks({49, 1, 2, 3, 4, 5, 6, 7})), (TipRowTexts{"1", "2", "3", "4", "5", "6"}))
        << "the six smallest of more";
    EXPECT_EQ(rowFromMarks(row, {}), row);
}

struct TitleCase {
    QDate shown;
    DrawDays days;
    QDate expected;
};

class TipTextTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TipTextTitle, NamesTheNextDrawForEachDrawDayChoice)
{
    const TitleCase& c = GetParam();
    const double date = tipTextDrawDate(toDays(c.shown), c.days);
    EXPECT_EQ(fromDays(date), c.expected);
    const QStringList lines = tipTextLines({}, date, "Tipp", QLocale(QLocale::German));
    EXPECT_EQ(lines[0], "Razoz-Quorex Tipp für " + QLocale(QLocale::German).dayName(c.expected.dayOfWeek()) + " " +
                            c.expected.toString("dd.MM.yy"));
}

// 03.12.2026 is a Thursday, 05.12.2026 a Saturday, 07.12.2026 a Monday; 02.04.2005 a Saturday.
INSTANTIATE_TEST_SUITE_P(DrawDays, TipTextTitle,
                         ::testing::Values(TitleCase{QDate(2026, 12, 5), {true, true}, QDate(2026, 12, 7)},
                                           TitleCase{QDate(2026, 12, 7), {true, true}, QDate(2026, 12, 10)},
                                           TitleCase{QDate(2022, 7, 9), {true, true}, QDate(2022, 7, 11)},
                                           TitleCase{QDate(2005, 4, 2), {true, true}, QDate(2005, 4, 7)},
                                           TitleCase{QDate(2005, 4, 4), {true, true}, QDate(2005, 4, 9)},
                                           TitleCase{QDate(2026, 12, 3), {true, true}, QDate(2026, 12, 5)},
                                           TitleCase{QDate(2026, 12, 5), {true, false}, QDate(2026, 12, 12)},
                                           TitleCase{QDate(2026, 12, 3), {false, true}, QDate(2026, 12, 10)},
                                           TitleCase{QDate(2026, 12, 3), {false, false}, QDate(2026, 12, 10)}));

TEST(TipText, WritesOneLinePerFullRowAndSkipsHalfRows)
{
    TipRows rows{};
    rows[0] = {"3", "11", "13", "15", "34", "35"};
    rows[1] = {"1", "2", "", "4", "5", "6"};    // half a row
    rows[2] = {"", "2", "3", "4", "5", "6"};    // no first number
    rows[3] = {"7", "8", "9", "10", "x", "12"}; // junk
    rows[9] = {"4", "9", "17", "22", "30", "41"};
    const QStringList lines = tipTextLines(rows, toDays(QDate(2026, 12, 10)), "Tipp", QLocale(QLocale::German));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QString::fromUtf8("Razoz-Quorex Tipp für Donnerstag 10.12.26"));
    EXPECT_EQ(lines[1], QString(46, '~'));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], " 1. Tipp:  3   11   13   15   34   35");
    EXPECT_EQ(lines[4], "10. Tipp:  4    9   17   22   30   41");

    test::ProgramDir dir;
    const QString path = writeTipText(dir.path(), lines);
    EXPECT_EQ(path, dir.file("Tipp.txt"));
    EXPECT_EQ(QString::fromUtf8(dir.readFile("Tipp.txt")), lines.join('\n') + '\n');
    EXPECT_THROW(writeTipText(dir.file("missing/"), lines), TipTextError);
}

TEST(LuckyNumber, SeedsTheGeneratorWithTheAnswerOrTheProposal)
{
    const InterfaceTexts texts = numberedTexts();
    RandomGenerator random(99);
    RandomGenerator copy(99);
    const QString proposal = QString::number(copy.next(99999));

    test::ScriptedPrompt prompt;
    prompt.inputAnswers.push_back(QStringLiteral(" 4711 "));
    EXPECT_EQ(setLuckyNumber(prompt, random, texts), "t32 4711");
    EXPECT_EQ(random.seed(), 4711u);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, "t30 (1-99999999)?");
    EXPECT_EQ(prompt.shown[0].text, "t31|" + proposal);

    // Cancelling keeps the proposal; a negative number wraps; junk seeds from the clock silently.
    random.setSeed(99);
    EXPECT_EQ(setLuckyNumber(prompt, random, texts), "t32 " + proposal);
    EXPECT_EQ(random.seed(), proposal.toUInt());
    prompt.inputAnswers.push_back(QStringLiteral("-1"));
    EXPECT_EQ(setLuckyNumber(prompt, random, texts), "t32 -1");
    EXPECT_EQ(random.seed(), 0xFFFFFFFFu);
    prompt.inputAnswers.push_back(QStringLiteral("12abc"));
    EXPECT_EQ(setLuckyNumber(prompt, random, texts), std::nullopt);
    EXPECT_EQ(luckySeed("99999999999"), std::nullopt) << "beyond the integers it is no number";
}
