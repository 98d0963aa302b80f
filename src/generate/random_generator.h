#pragma once
// The one 32-bit linear congruential generator of the program: equal seeds give equal tips.
#include <cstdint>

namespace razoz {

class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : seed_(seed) {}

    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }
    void seedFromClock();

    // A value 0..n-1: the upper 32 bits of seed × n after one step.
    std::uint32_t next(std::uint32_t n)
    {
        seed_ = seed_ * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(seed_) * n) >> 32);
    }

    // The generator the whole program shares.
    static RandomGenerator& shared();

private:
    std::uint32_t seed_;
};

} // namespace razoz
