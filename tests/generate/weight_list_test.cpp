// Weight lists and the weight rule of the number list.
#include "generate/weight_list.h"
#include "test_support.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

NumberListEntries someEntries()
{
    NumberListEntries e;
    for (int k = 1; k <= 49; ++k) e[std::size_t(k - 1)] = {true, QString::number(k % 5)};
    e[6] = {false, QStringLiteral("3")}; // number 7 off
    e[9] = {true, QString()};            // number 10 on without a weight
    return e;
}

} // namespace

TEST(WeightList, SavesCheckedWeightsAndEmptyLinesAndLoadsThemBack)
{
    const QByteArray text = formatWeightList(someEntries());
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 50); // 49 lines, each ended
    EXPECT_EQ(lines[0], "1\r");
    EXPECT_EQ(lines[6], "\r") << "an unchecked number is an empty line";
    EXPECT_EQ(lines[9], "1\r") << "a checked number without a weight is saved with 1";
    EXPECT_EQ(lines[4], "0\r");

    const NumberListEntries back = parseWeightList(text);
    EXPECT_EQ(back[0], (NumberListEntry{true, "1"}));
    EXPECT_EQ(back[6], (NumberListEntry{false, "1"})) << "an empty line unchecks with weight 1";
    EXPECT_EQ(back[9], (NumberListEntry{true, "1"}));
    EXPECT_EQ(back[48], (NumberListEntry{true, "4"}));
}

TEST(WeightList, ReadsAFileWhoseLineSevenIsEmptyAndRejectsOneOfAnotherLength)
{
    test::ProgramDir dir;
    QByteArray text;
    for (int k = 1; k <= 49; ++k) text += (k == 7 ? QByteArray() : QByteArray::number(k)) + "\n";
    dir.writeFile("list.wgl", text);
    const NumberListEntries e = readWeightList(dir.file("list.wgl"));
    EXPECT_EQ(e[6], (NumberListEntry{false, "1"}));
    EXPECT_EQ(e[5], (NumberListEntry{true, "6"}));
    EXPECT_EQ(e[48], (NumberListEntry{true, "49"}));

    // Blank lines after the 49th do no harm; a short or long list is no weight list.
    dir.writeFile("blank-end.wgl", text + "\r\n\r\n");
    EXPECT_EQ(readWeightList(dir.file("blank-end.wgl")), e);
    dir.writeFile("short.wgl", "1\n2\n3\n");
    EXPECT_THROW(readWeightList(dir.file("short.wgl")), WeightListError);
    dir.writeFile("long.wgl", text + "50\n");
    EXPECT_THROW(readWeightList(dir.file("long.wgl")), WeightListError);
    EXPECT_THROW(readWeightList(dir.file("missing.wgl")), WeightListError);
}

TEST(WeightList, AFailedWriteKeepsTheOldFile)
{
    test::ProgramDir dir;
    dir.writeFile("old.wgl", "keep");
    EXPECT_THROW(writeWeightList(dir.file("no-such-folder/x.wgl"), someEntries()), WeightListError);
    writeWeightList(dir.file("old.wgl"), someEntries());
    EXPECT_EQ(readWeightList(dir.file("old.wgl"))[9], (NumberListEntry{true, "1"}));
    EXPECT_EQ(proposedWeightListName(QDate(2026, 12, 9)), "20261209.wgl");
}

struct WeightStep {
    const char* weight;
    bool decrement;
    const char* result;
};

class WeightRule : public ::testing::TestWithParam<WeightStep> {};

TEST_P(WeightRule, StepsByOneAndNeverBelowZero)
{
    EXPECT_EQ(steppedWeight(QString::fromLatin1(GetParam().weight), GetParam().decrement), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Weights, WeightRule,
                         ::testing::Values(WeightStep{"3", false, "4"}, WeightStep{"3", true, "2"},
                                           WeightStep{"1", true, "0"}, WeightStep{"0", true, "0"},
                                           WeightStep{"", false, "1"}, WeightStep{"junk", false, "1"},
                                           WeightStep{"", true, "0"}, WeightStep{" 7 ", false, "8"}));
