#include "base/locale_format.h"

#include <gtest/gtest.h>

using namespace razoz;

TEST(LocaleFormat, FixedFormatsWhateverTheSystem)
{
    EXPECT_EQ(formatShortDate(QDate(2005, 4, 2)), "02.04.2005");
    EXPECT_EQ(formatShortTime(QTime(9, 5)), "09:05");
    EXPECT_EQ(formatNumber(1234567.5, 2), "1.234.567,50");
    EXPECT_EQ(formatCurrency(10.5), "10,50 €");
    EXPECT_EQ(formatCurrency(1234.5), "1234,50 €");
    EXPECT_EQ(parseNumber(" 1.234,50 "), 1234.5);
    EXPECT_EQ(parseNumber("0,5"), 0.5);
    EXPECT_FALSE(parseNumber("zehn"));
    EXPECT_FALSE(parseNumber(""));
    fixProgramLocale();
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    EXPECT_EQ(QLocale().groupSeparator(), ".");
}
