#pragma once
// Realistic archives for tests and benchmarks: two draws a week (Thursday, Saturday) from
// 17.10.1985, six different numbers, a complementary number and a Reintegro digit from a fixed LCG.
#include "archive/dates.h"
#include "archive/draw_record.h"

#include <QDate>

#include <cstdint>
#include <vector>

namespace razoz::test {

inline std::vector<DrawRecord> syntheticArchive(int count, std::uint32_t seed = 12345)
{
    std::vector<DrawRecord> out;
    out.reserve(std::size_t(count));
    QDate date(1985, 10, 17);
    auto next = [&](std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return int((std::uint64_t(seed) * n) >> 32);
    };
    for (int i = 0; i < count; ++i) {
        DrawRecord r;
        r.date = toDays(date);
        bool used[50] = {};
        for (int k = 0; k < 7; ++k) {
            int n;
            do n = next(49) + 1;
            while (used[n]);
            used[n] = true;
            if (k < 6)
                r.numbers[std::size_t(k)] = std::uint8_t(n);
            else
                r.complementary = std::uint8_t(n);
        }
        r.reintegro = std::uint8_t(next(10));
        out.push_back(r);
        date = date.addDays(date.dayOfWeek() == Qt::Thursday ? 2 : 5);
    }
    return out;
}

} // namespace razoz::test
