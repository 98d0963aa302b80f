#include "base/chance.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace razoz;

TEST(Chance, CombinationsAndFractionsAreExact)
{
    EXPECT_EQ(combinations(49, 6), 13983816);
    EXPECT_EQ(combinations(42, 0), 1);
    EXPECT_EQ(combinations(42, -1), 0);
    EXPECT_EQ(combinations(5, 6), 0);
    EXPECT_EQ(combinations(66, 33), 7219428434016265740); // the largest central one of 64 bits
    EXPECT_THROW(combinations(68, 34), std::overflow_error);

    EXPECT_EQ(Fraction(252, 13983816), Fraction(3, 166474));
    EXPECT_EQ(Fraction(1, 10) * Fraction(9, 13983816), Fraction(9, 139838160));
    EXPECT_EQ(Fraction(1, 6) + Fraction(1, 3), Fraction(1, 2));
    EXPECT_EQ(Fraction(4185) * Fraction(6, 13983816), Fraction(4185, 2330636));
    EXPECT_THROW(Fraction(1, 0), std::invalid_argument);
    EXPECT_THROW(Fraction(1, 3037000500) * Fraction(1, 3037000500), std::overflow_error);
}

TEST(Chance, UpperTailsMatchExactSums)
{
    struct Case {
        std::int64_t n;
        long double p;
        std::int64_t k;
        double expected;
    };
    // From exact rational sums; both sides of the mean and the far tail.
    const Case binomial[] = {{1000, 0.1L, 120, 0.02199614496579435},
                             {1000, 0.1L, 100, 0.5154177095659203},
                             {1000, 0.1L, 160, 2.6130612905014235e-09},
                             {4185, 1.0L / 13983816, 1, 0.0002992297653301304},
                             {4185, 1.0L / 13983816, 2, 4.4762994781058014e-08},
                             {200, 0.3L, 50, 0.949408205970105},
                             {10, 0.5L, 0, 1.0},
                             {10, 0.5L, 11, 0.0},
                             {10, 0.0L, 1, 0.0}};
    for (const Case& c : binomial) {
        const long double got = binomialUpperTail(c.n, c.p, c.k);
        EXPECT_NEAR(double(got), c.expected, c.expected * 1e-9 + 1e-15) << c.n << " " << c.k;
    }
    EXPECT_NEAR(double(binomialUpperTail(1000, 0.1L, 120)), 0.02200, 5e-6);

    EXPECT_NEAR(double(binomialSumUpperTail(3, 0.5L, 4, 0.25L, 3)), 0.48583984375, 1e-15);
    EXPECT_NEAR(double(binomialSumUpperTail(30, 0.1L, 40, 0.2L, 15)), 0.12476810632358606, 1e-12);
    EXPECT_NEAR(double(binomialSumUpperTail(400, 0.01L, 600, 0.01L, 14)), double(binomialUpperTail(1000, 0.01L, 14)),
                1e-15);

    EXPECT_NEAR(double(poissonUpperTail(5, 10)), 0.03182805730620475, 1e-13);
    EXPECT_NEAR(double(poissonUpperTail(5, 3)), 1 - 0.006737946999085467 * (1 + 5 + 12.5), 1e-13);
    EXPECT_NEAR(double(poissonUpperTail(0.0003L, 1)), 0.0002999550044996413, 1e-16);
    EXPECT_EQ(poissonUpperTail(0, 1), 0);
    EXPECT_EQ(poissonUpperTail(2, 0), 1);
}

TEST(Chance, ChiSquareUpperTailsMatchTheTables)
{
    struct Case {
        long double x;
        int degrees;
        double p;
    };
    for (const Case& c : {Case{3.841459L, 1, 0.05}, Case{16.918978L, 9, 0.05}, Case{65.170769L, 48, 0.05},
                          Case{47.334989L, 48, 0.5}, Case{2, 2, 0.36787944}, Case{0, 5, 1}, Case{200, 9, 0}})
        EXPECT_NEAR(double(chiSquareUpperTail(c.x, c.degrees)), c.p, 1e-6) << double(c.x) << " " << c.degrees;
}
