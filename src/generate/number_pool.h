#pragma once
// The number pool of one calculation: a list of slots, each empty (0) or holding a number 1..49.
// A row is drawn by picking slots uniformly at random, so a number's chance is proportional to its
// number of entries; a pick on an empty slot yields nothing and is repeated.
#include <cstdint>
#include <vector>

namespace razoz {

class NumberPool {
public:
    // Slots 0..lastIndex(); a pick ranges over size() = lastIndex() + 1 values.
    int size() const { return int(slots_.size()); }
    int lastIndex() const { return size() - 1; }
    int at(int index) const { return slots_[std::size_t(index)]; }
    const std::vector<std::uint8_t>& values() const { return slots_; }

    void clear() { slots_.clear(); }
    // Appends `number` `times` times at the next free slots (the pool grows as far as asked).
    void append(int number, int times = 1);
    // Leaves the next slot empty.
    void appendEmpty() { slots_.push_back(0); }
    // AddToPool: t + 1 entries, where a t of 0 counts as 1 (0 and 1 both give two entries).
    void addToPool(int number, int t);

    // CountInPool: the entries equal to `number`.
    int countInPool(int number) const;
    // How many different numbers have at least one entry.
    int distinctNumbers() const;

    // Empties every entry equal to `number` / below `limit` / the first entry equal to `number`.
    void removeAll(int number);
    void removeBelow(int limit);
    void removeFirst(int number);
    // CompactPool: drops every empty slot; the entries keep their order.
    void compact();

    friend bool operator==(const NumberPool&, const NumberPool&) = default;

private:
    std::vector<std::uint8_t> slots_;
};

} // namespace razoz
