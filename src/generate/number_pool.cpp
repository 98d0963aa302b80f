#include "generate/number_pool.h"

#include <algorithm>
#include <bit>

namespace razoz {

namespace {
bool isNumber(int n)
{
    return n >= 1 && n <= 49;
}
} // namespace

void NumberPool::append(int number, int times)
{
    if (!isNumber(number) || times <= 0) return;
    slots_.insert(slots_.end(), std::size_t(times), std::uint8_t(number));
}

void NumberPool::addToPool(int number, int t)
{
    append(number, std::max(t, 1) + 1);
}

int NumberPool::countInPool(int number) const
{
    if (!isNumber(number)) return 0;
    return int(std::count(slots_.begin(), slots_.end(), std::uint8_t(number)));
}

int NumberPool::distinctNumbers() const
{
    std::uint64_t seen = 0;
    for (auto n : slots_) seen |= std::uint64_t(1) << n;
    return std::popcount(seen & ~std::uint64_t(1)); // bit 0 is the empty slot
}

void NumberPool::removeAll(int number)
{
    if (!isNumber(number)) return;
    std::replace(slots_.begin(), slots_.end(), std::uint8_t(number), std::uint8_t(0));
}

void NumberPool::removeBelow(int limit)
{
    for (auto& n : slots_)
        if (n < limit) n = 0;
}

void NumberPool::removeFirst(int number)
{
    if (!isNumber(number)) return;
    const auto it = std::find(slots_.begin(), slots_.end(), std::uint8_t(number));
    if (it != slots_.end()) *it = 0;
}

void NumberPool::compact()
{
    slots_.erase(std::remove(slots_.begin(), slots_.end(), std::uint8_t(0)), slots_.end());
}

} // namespace razoz
