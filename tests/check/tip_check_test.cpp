#include "check/tip_check.h"
#include "test_support.h"
#include "tipfiles/tip_file.h"

#include <gtest/gtest.h>

using namespace razoz;

namespace {

// The first archived draw: 3 11 13 15 34 35, C 27, R 0.
CurrentDraw shownDraw()
{
    CurrentDraw d;
    d.date = kEarliestDrawDay;
    d.numbers = {3, 11, 13, 15, 34, 35};
    d.complementary = 27;
    d.reintegro = 0;
    return d;
}

TipRowTexts row(std::initializer_list<const char*> texts)
{
    TipRowTexts t;
    int c = 0;
    for (const char* s : texts) t[c++] = QString::fromLatin1(s);
    return t;
}

} // namespace

TEST(BoxRule, KeepsOnlyCanonicalNumbersFrom1To49)
{
    EXPECT_EQ(normalizeBoxText("50"), "");
    EXPECT_EQ(normalizeBoxText("0"), "");
    EXPECT_EQ(normalizeBoxText("-3"), "");
    EXPECT_EQ(normalizeBoxText("a"), "");
    EXPECT_EQ(normalizeBoxText("4a"), "");
    EXPECT_EQ(normalizeBoxText(""), "");
    EXPECT_EQ(normalizeBoxText("99999999999"), ""); // beyond int: not a number, no overflow
    EXPECT_EQ(normalizeBoxText("07"), "7");
    EXPECT_EQ(normalizeBoxText(" 12 "), "12");
    EXPECT_EQ(normalizeBoxText("1"), "1");
    EXPECT_EQ(normalizeBoxText("49"), "49");
    // A row counts only with a number of the game in every box.
    EXPECT_EQ(rowNumbers(row({"3", " 11", "13", "15", "34", "49"})), (std::array<int, 6>{3, 11, 13, 15, 34, 49}));
    EXPECT_EQ(rowNumbers(row({"3", "11", "13", "15", "34", "50"})), std::nullopt);
    EXPECT_EQ(rowNumbers(row({"0", "11", "13", "15", "34", "35"})), std::nullopt);
    EXPECT_EQ(rowNumbers(row({"3", "11", "13", "15", "34"})), std::nullopt);
}

TEST(Komplettcheck, WorkedExampleSortsColoursSumsAndTallies)
{
    TipRows rows;
    rows[0] = row({"41", "13", "3", "27", "11", "40"});
    rows[1] = row({"1", "2", "4", "5", "6", "7"});
    const GridCheck result = Komplettcheck(rows, shownDraw(), QString());
    const RowCheck& r = result.rows[0];
    ASSERT_TRUE(r.complete);
    EXPECT_EQ(r.sortedTexts(), row({"3", "11", "13", "27", "40", "41"}));
    EXPECT_EQ(r.match.states, (std::array<int, 6>{1, 1, 1, 2, 0, 0}));
    EXPECT_EQ(r.sum, 135);
    EXPECT_EQ(r.match.hits, 3);
    EXPECT_TRUE(r.match.complementary);
    EXPECT_FALSE(r.match.reintegro);
    EXPECT_EQ(r.hitText, "3 + Z");
    EXPECT_TRUE(r.red);
    EXPECT_TRUE(r.soundWanted);
    // The second row has no hit: black label, no sound of its own, counted with the noughts.
    EXPECT_EQ(result.rows[1].hitText, "0");
    EXPECT_FALSE(result.rows[1].red);
    EXPECT_FALSE(result.rows[1].soundWanted);
    EXPECT_EQ(result.tally[3][1], 1);
    EXPECT_EQ(result.tally[0][0], 1);
    int total = 0;
    for (const auto& pair : result.tally.counts) total += pair[0] + pair[1];
    EXPECT_EQ(total, 2);
    EXPECT_TRUE(result.soundWanted());
    ASSERT_TRUE(result.lastMatch);
    EXPECT_EQ(result.lastMatch->hits, 0); // the last complete row matched
}

TEST(Komplettcheck, ReintegroHitNeedsTheSeventhCharacterOfTheTicketNumber)
{
    TipRows rows;
    rows[0] = row({"1", "2", "4", "5", "6", "7"});
    rows[5] = row({"3", "11", "13", "15", "34", "35"});
    for (const QString& seven : {QStringLiteral("1234560"), QStringLiteral("12345608")}) {
        const GridCheck result = Komplettcheck(rows, shownDraw(), seven);
        EXPECT_EQ(result.rows[0].hitText, "0 + S") << seven.toStdString();
        EXPECT_EQ(result.rows[5].hitText, "6 + S") << seven.toStdString();
        EXPECT_EQ(result.rows[2].hitText, "") << "an empty row gets no marker";
    }
    // Six digits (even ending in the Reintegro), a letter or another digit in seventh place: never.
    for (const QString& other : {QStringLiteral("123450"), QStringLiteral("123456x"), QStringLiteral("1234561")}) {
        const GridCheck result = Komplettcheck(rows, shownDraw(), other);
        EXPECT_EQ(result.rows[0].hitText, "0") << other.toStdString();
        EXPECT_EQ(result.rows[5].hitText, "6") << other.toStdString();
    }
    EXPECT_FALSE(reintegroHit(QString::fromUtf8("123456\u0660"), 0)); // an Arabic-Indic zero is no digit here
}

TEST(Komplettcheck, IncompleteRowsAreNeitherCheckedNorCounted)
{
    TipRows rows;
    rows[0] = row({"3", "11", "13", "15", "34", ""});
    rows[1] = row({"", "", "", "", "", ""});
    const GridCheck result = Komplettcheck(rows, shownDraw(), QStringLiteral("1234560"));
    for (int r : {0, 1}) {
        EXPECT_FALSE(result.rows[r].complete);
        EXPECT_EQ(result.rows[r].hitText, "");
        EXPECT_EQ(result.rows[r].sortedTexts(), TipRowTexts{});
        EXPECT_EQ(result.rows[r].match, RowMatch{});
    }
    EXPECT_EQ(result.tally, HitTally{});
    EXPECT_FALSE(result.lastMatch);
    // The match of an incomplete row has no hits and no flags, even with a matching ticket number.
    EXPECT_EQ(Zettelcheck(rows[0], shownDraw(), QStringLiteral("1234560")), RowMatch{});
}

TEST(Zettelcheck, RepeatedNumbersCountEachTimeAndPaddingNeverHits)
{
    CurrentDraw d = shownDraw();
    d.numbers = {5, 9, 17, 22, 30, 41};
    const RowMatch fives = Zettelcheck(row({"5", "5", "5", "5", "5", "5"}), d, QString());
    EXPECT_EQ(fives.hits, 6);
    EXPECT_EQ(fives.states, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    TipRows rows;
    rows[0] = row({"5", "5", "5", "5", "5", "5"});
    EXPECT_EQ(Komplettcheck(rows, d, QString()).rows[0].hitText, "6");
    // Runs of consecutive numbers padded with "0" (the group statistics) match as far as they go.
    const RowMatch pair = Zettelcheck(row({"9", "17", "0", "0", "0", "0"}), d, QString());
    EXPECT_EQ(pair.hits, 2);
    EXPECT_EQ(pair.states, (std::array<int, 6>{1, 1, 0, 0, 0, 0}));
    // A complementary number also drawn among the six (a damaged record) wins the column.
    d.complementary = 9;
    EXPECT_EQ(Zettelcheck(row({"9", "1", "2", "3", "4", "6"}), d, QString()).states[0], 2);
}

TEST(HitTally, ADamagedDrawRepeatingANumberCannotOverrunTheTable)
{
    CurrentDraw d = shownDraw();
    d.numbers = {5, 5, 5, 5, 5, 5};
    TipRows rows;
    rows[0] = row({"5", "5", "5", "5", "5", "5"});
    const GridCheck result = Komplettcheck(rows, d, QString());
    EXPECT_EQ(result.rows[0].match.hits, 36);
    EXPECT_EQ(result.tally[6][0], 1);
}

TEST(TipFile, LinesSplitAsTheLoaderAlwaysDid)
{
    EXPECT_EQ(splitTipLine("3,11,13,15,34,35"), row({"3", "11", "13", "15", "34", "35"}));
    EXPECT_EQ(splitTipLine("3,11,13,15,34,35:Geburtstage"), row({"3", "11", "13", "15", "34", "35"}));
    EXPECT_EQ(splitTipLine("7,8"), row({"7", "", "", "", "", "8"}));
    EXPECT_EQ(splitTipLine(",,,,,"), TipRowTexts{});
    EXPECT_EQ(splitTipLine(""), TipRowTexts{});
    // A seventh field stays with the sixth and is emptied by the box rule.
    EXPECT_EQ(splitTipLine("1,2,3,4,5,6,7")[5], "6,7");
    EXPECT_EQ(normalizeBoxText(splitTipLine("1,2,3,4,5,6,7")[5]), "");
}

TEST(TipFile, ShortJunkAndWindowsFilesLoadWhatTheGridWouldKeep)
{
    test::ProgramDir dir;
    dir.writeFile("a.wtp", "3,11,13,15,34,35\r\n1,2,3,4,5,6:Kommentar\r\nx,y,,50,0,07\r\n7,8");
    const TipRows rows = normalizeTipRows(readTipFile(dir.file("a.wtp")));
    EXPECT_EQ(rows[0], row({"3", "11", "13", "15", "34", "35"}));
    EXPECT_EQ(rows[1], row({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(rows[2], row({"", "", "", "", "", "7"}));
    EXPECT_EQ(rows[3], row({"7", "", "", "", "", "8"}));
    for (int r = 4; r < kTipRows; ++r) EXPECT_EQ(rows[r], TipRowTexts{}) << "missing line " << r + 1;

    // Binary junk and an over-long line do not shift the rows after them.
    QByteArray junk(100000, 'x');
    junk[500] = '\0';
    dir.writeFile("b.wtp", junk + "\n1,2,3,4,5,6\n");
    const TipRows fromJunk = normalizeTipRows(readTipFile(dir.file("b.wtp")));
    EXPECT_EQ(fromJunk[0], TipRowTexts{});
    EXPECT_EQ(fromJunk[1], row({"1", "2", "3", "4", "5", "6"}));

    // Lines after the twelfth are ignored.
    QByteArray many;
    for (int i = 1; i <= 20; ++i) many += QByteArray::number(i) + ",1,1,1,1,1\n";
    dir.writeFile("c.wtp", many);
    const TipRows twelve = readTipFile(dir.file("c.wtp"));
    EXPECT_EQ(twelve[11][0], "12");

    // A line around the kept length is cut at the same place whether it comes from a file or
    // from memory; the sixth field's last digit sits right at the cut.
    for (int length = 4094; length <= 4098; ++length)
        for (const QByteArray& end : {QByteArray("\n"), QByteArray("\r\n")}) {
            const QByteArray line = ",,,,," + QByteArray(length - 6, '0') + "7" + end + "1,2,3,4,5,6" + end;
            dir.writeFile("d.wtp", line);
            EXPECT_EQ(normalizeTipRows(readTipFile(dir.file("d.wtp")))[0], normalizeTipRows(parseTipFile(line))[0])
                << "line of " << length;
            EXPECT_EQ(readTipFile(dir.file("d.wtp"))[1][5], "6") << "line of " << length;
        }

    // A device that never ends a line does not keep the reader busy.
    EXPECT_EQ(normalizeTipRows(readTipFile(QStringLiteral("/dev/zero")))[0], TipRowTexts{});
    EXPECT_THROW(readTipFile(dir.file("missing.wtp")), TipFileError);
    EXPECT_THROW(readTipFile(dir.path()), TipFileError);
}
