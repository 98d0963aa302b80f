#include "generate/random_picker.h"

namespace razoz {

void RandomPicker::click()
{
    if (!running_) {
        running_ = true;
        marks_.reset();
        picks_ = {};
        nextPick_ = 1;
    } else if (nextPick_ < pickCount_) {
        ++nextPick_;
    } else {
        // The numbers last shown stay checked.
        running_ = false;
        nextPick_ = 1;
    }
}

void RandomPicker::tick(RandomGenerator& random)
{
    if (!running_) return;
    marks_.reset();
    for (int i = 1; i < nextPick_; ++i)
        if (picks_[std::size_t(i)] > 0) marks_.set(std::size_t(picks_[std::size_t(i)] - 1));
    for (int i = 1; i <= pickCount_; ++i) {
        // A pick frozen before any tick drew it (a quick double click) is drawn now, so a full set
        // of numbers always shows.
        if (i < nextPick_ && picks_[std::size_t(i)] > 0) continue;
        int b;
        do b = int(random.next(49)) + 1;
        while (marks_.test(std::size_t(b - 1)));
        picks_[std::size_t(i)] = b;
        marks_.set(std::size_t(b - 1));
    }
}

void RandomPicker::stop()
{
    running_ = false;
    nextPick_ = 1;
}

} // namespace razoz
