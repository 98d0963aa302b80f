// "Tippverteilung": counts of the numbers in the tip rows.
#include "stats/tip_distribution.h"

#include <gtest/gtest.h>

using namespace razoz;

TEST(TipDistribution, CountsRowByRowUpToTheFirstEmptyBox)
{
    TipRows rows{};
    rows[0] = {"1", "2", "3", "4", "5", "6"};
    rows[1] = {"2", "3", "10", "20", "30", "49"};
    rows[3] = {"1", "1", "1", "1", "1", "1"}; // after the empty row 3: not counted
    QStringList lines;
    for (int i = 0; i < 40; ++i) lines << QStringLiteral("t%1").arg(i);
    const BarChart chart = tipDistribution(rows, InterfaceTexts(lines));

    ASSERT_EQ(chart.bars.size(), 49u);
    EXPECT_EQ(chart.bars[0].y, 1) << "number 1 once: row 4 is behind the empty row 3";
    EXPECT_EQ(chart.bars[1].y, 2);
    EXPECT_EQ(chart.bars[48].y, 1);
    EXPECT_EQ(chart.bars[6].y, 0);
    EXPECT_EQ(chart.bars[48].x, 49);
    EXPECT_EQ(chart.leftAxis, (AxisLimits{0, 2}));
    EXPECT_EQ(chart.title, "t29");
    EXPECT_EQ(chart.bars[1].color, BarColor::Red) << "2 is prime";
    EXPECT_EQ(chart.bars[46].color, BarColor::Red) << "47 is prime";
    EXPECT_EQ(chart.bars[0].color, BarColor::Green);
    EXPECT_EQ(chart.bars[8].color, BarColor::Green);

    // A junk box ends the count like an empty one.
    rows[0][3] = "x";
    EXPECT_EQ(tipDistribution(rows, InterfaceTexts(lines)).bars[4].y, 0);
    EXPECT_EQ(tipDistribution(rows, InterfaceTexts(lines)).bars[2].y, 1);
}
