#pragma once
// The random picker of the number list dialog ("&Zufall"): while it runs, every tick shows a new
// random choice of PickCount numbers; each click freezes one more of them, and the click after the
// last freeze stops it with the numbers last shown.
#include "generate/random_generator.h"

#include <array>
#include <bitset>

namespace razoz {

class RandomPicker {
public:
    // Numbers 1..49 shown checked; bit k - 1 is number k.
    using Marks = std::bitset<49>;
    static constexpr int kMaxPicks = 26;

    bool running() const { return running_; }
    int pickCount() const { return pickCount_; }
    void setPickCount(int n) { pickCount_ = n < 1 ? 1 : n > kMaxPicks ? kMaxPicks : n; }
    // 1-based: the pick the next click freezes.
    int nextPick() const { return nextPick_; }
    // Picks 1..pickCount as last drawn (0 = none yet).
    const std::array<int, kMaxPicks + 1>& picks() const { return picks_; }
    const Marks& marks() const { return marks_; }

    // A click on "&Zufall": starts (nothing shown, no picks), freezes one more pick, or stops.
    void click();
    // One tick: the frozen picks stay, every later pick is drawn anew among the numbers not yet
    // shown (a number already shown is drawn again). Does nothing while stopped.
    void tick(RandomGenerator& random);
    // The dialog closes: the picker stops and starts over with the first pick next time.
    void stop();

private:
    bool running_ = false;
    int pickCount_ = 6;
    int nextPick_ = 1;
    std::array<int, kMaxPicks + 1> picks_{};
    Marks marks_;
};

} // namespace razoz
