#pragma once
// One archived draw: exactly the 32 bytes of a record of "dovovuduv.dat".
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace razoz {

struct DrawRecord {
    double date = 0;                       // days since 30.12.1899
    std::array<std::uint8_t, 6> numbers{}; // in the order the source delivered them
    std::uint8_t complementary = 0;
    std::uint8_t reintegro = 0;
    std::array<std::uint8_t, 7> spiel77{}; // one digit per byte, unused by this game
    std::array<std::uint8_t, 6> super6{};
    std::array<std::uint8_t, 3> spare{};

    int sum() const
    {
        int s = 0;
        for (auto n : numbers) s += n;
        return s;
    }
    bool contains(int number) const
    {
        for (auto n : numbers)
            if (n == number) return true;
        return false;
    }
    friend bool operator==(const DrawRecord&, const DrawRecord&) = default;
};

static_assert(sizeof(DrawRecord) == 32, "a draw record is 32 bytes on disk");
static_assert(offsetof(DrawRecord, numbers) == 8 && offsetof(DrawRecord, complementary) == 14 &&
                  offsetof(DrawRecord, reintegro) == 15 && offsetof(DrawRecord, spiel77) == 16 &&
                  offsetof(DrawRecord, super6) == 23 && offsetof(DrawRecord, spare) == 29,
              "record fields sit at their file offsets");
static_assert(std::endian::native == std::endian::little, "records are read and written as little-endian");

inline constexpr std::size_t kRecordSize = sizeof(DrawRecord);

// The record every archive the program creates itself starts with: Thursday 17.10.1985.
DrawRecord firstDraw();

} // namespace razoz
