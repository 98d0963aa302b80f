// The random picker of the number list: ticks draw, clicks freeze one pick after another.
#include "generate/random_picker.h"

#include <gtest/gtest.h>

using namespace razoz;

namespace {

std::vector<int> shown(const RandomPicker& p)
{
    std::vector<int> out;
    for (int k = 1; k <= 49; ++k)
        if (p.marks().test(std::size_t(k - 1))) out.push_back(k);
    return out;
}

} // namespace

TEST(RandomPicker, ClicksFreezeOnePickAfterAnotherAndTheLastClickStops)
{
    RandomGenerator random(4711);
    RandomPicker p;
    p.tick(random);
    EXPECT_TRUE(shown(p).empty()) << "a stopped picker draws nothing";
    EXPECT_EQ(random.seed(), 4711u);

    p.click();
    ASSERT_TRUE(p.running());
    EXPECT_EQ(p.nextPick(), 1);
    for (int frozen = 0; frozen < 6; ++frozen) {
        for (int t = 0; t < 20; ++t) {
            const auto before = p.picks();
            p.tick(random);
            EXPECT_EQ(shown(p).size(), 6u) << "six different numbers on every tick";
            for (int i = 1; i <= frozen; ++i) EXPECT_EQ(p.picks()[std::size_t(i)], before[std::size_t(i)]) << i;
        }
        if (frozen < 5) {
            p.click();
            EXPECT_EQ(p.nextPick(), frozen + 2);
        }
    }
    const std::vector<int> last = shown(p);
    p.click();
    EXPECT_FALSE(p.running());
    EXPECT_EQ(p.nextPick(), 1);
    p.tick(random);
    EXPECT_EQ(shown(p), last) << "the numbers last shown stay";

    // The next start begins with nothing shown.
    p.click();
    EXPECT_TRUE(shown(p).empty());
}

TEST(RandomPicker, APickFrozenBeforeAnyTickIsStillDrawn)
{
    RandomGenerator random(1);
    RandomPicker p;
    p.click();
    p.click(); // a quick double click freezes pick 1 before the first tick
    p.tick(random);
    EXPECT_EQ(shown(p).size(), 6u);
    EXPECT_GT(p.picks()[1], 0);
    const int first = p.picks()[1];
    p.tick(random);
    EXPECT_EQ(p.picks()[1], first);
}
