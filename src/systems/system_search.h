#pragma once
// The search for small systems: a greedy start, then simulated annealing that keeps the number of
// rows fixed and drives the uncovered m-sets to zero, drops a row and goes on. Reproducible: the
// same seed and iteration budget give the same rows (a time limit may end a run earlier).
#include "systems/system_check.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace razoz {
class RunControl;
}

namespace razoz::systems {

struct SearchOptions {
    std::uint64_t seed = 1;
    double seconds = 10;                    // wall-clock limit; 0 = none
    std::uint64_t maxIterations = 0;        // annealing steps; 0 = none (then `seconds` ends it)
    std::uint64_t target = 0;               // stop once a system this small is found (a lower bound)
    RunControl* control = nullptr;          // stopRequested() ends the search with the best so far
    std::function<void(int)> progress = {}; // the size of each smaller system found
};

// Whether the search handles the case: the m-sets fit in memory and one annealing step stays cheap.
bool searchable(int v, Guarantee g);

// The smallest system found on positions 0..v-1; every returned system holds its guarantee (the
// search counts the m-sets exactly). Empty when the case is not searchable.
std::vector<RowMask> searchSystem(int v, Guarantee g, const SearchOptions& options);

} // namespace razoz::systems
