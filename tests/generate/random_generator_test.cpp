#include "generate/random_generator.h"

#include <gtest/gtest.h>

using razoz::RandomGenerator;

TEST(RandomGenerator, StepsTheSeedAndScalesByTheUpperWord)
{
    RandomGenerator g(0);
    EXPECT_EQ(g.next(10), 0u); // seed 1: 1×10 >> 32
    EXPECT_EQ(g.seed(), 1u);
    EXPECT_EQ(g.next(49), 1u); // seed 134775814: ×49 = 6604014886 → upper word 1
    EXPECT_EQ(g.seed(), 134775814u);
    g.setSeed(0xFFFFFFFFu); // wraps modulo 2^32
    const std::uint32_t expected = 0xFFFFFFFFu * 134775813u + 1u;
    g.next(2);
    EXPECT_EQ(g.seed(), expected);

    // Equal seeds give equal sequences; every value stays below n.
    RandomGenerator a(4711), b(4711);
    for (int i = 0; i < 1000; ++i) {
        const auto x = a.next(49);
        EXPECT_EQ(x, b.next(49));
        EXPECT_LT(x, 49u);
    }
}
