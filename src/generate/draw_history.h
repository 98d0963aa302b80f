#pragma once
// The archived draws as the history tests of a calculation see them: for every record its date,
// weekday and two bit masks (the six numbers, the complementary number). Each test asks again
// before it looks: the copy is checked against the file's size and modification time, so an
// archive changed meanwhile is read anew, and a vanished one is an ArchiveError.
#include "archive/draw_filter.h"

#include <QString>

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace razoz {

// Bit n set for every number n among the values (values outside 1..49 set nothing).
std::uint64_t numberMask(const int* values, int count);

class DrawHistory {
public:
    explicit DrawHistory(const QString& archivePath);

    // HasNoHitRecord: true when no record dated after `start` and on or before `end` that passes
    // the draw-day boxes gives the candidate `hits` or more hits; with `complementary` the
    // complementary number counts as one more hit. Throws ArchiveError when the archive cannot be
    // read.
    bool hasNoHitRecord(std::uint64_t candidate, double start, double end, int hits, DrawDays days, bool complementary);

    // Where the window of the last `draws` draws up to `end` begins: the date of the (draws + 1)-th
    // latest record dated on or before `end` that passes the draw-day boxes, so that the window
    // (that date, end] holds those draws (records of that very date stay outside); minus infinity
    // when there are `draws` or fewer. Throws ArchiveError when the archive cannot be read.
    double lastDrawsStart(double end, int draws, DrawDays days);
    // hasNoHitRecord over the last `draws` draws up to `end` (the window of lastDrawsStart), with one
    // look at the file for both.
    bool hasNoHitInLastDraws(std::uint64_t candidate, double end, int draws, int hits, DrawDays days,
                             bool complementary);

    // How many times the records were read from the file (tests, benchmarks).
    int loads() const { return loads_; }
    // How many times hasNoHitRecord was asked.
    int queries() const { return queries_; }

private:
    struct Selection {
        double start = 0, end = 0;
        DrawDays days;
        std::uint64_t generation = 0;
        std::vector<std::uint64_t> numbers, complementary;
    };
    void validate();
    double windowStart(double end, int draws, DrawDays days); // on the records as validated
    bool noHitIn(std::uint64_t candidate, double start, double end, int hits, DrawDays days, bool complementary);
    const Selection& select(double start, double end, DrawDays days);

    std::filesystem::path path_;
    QString archivePath_;
    bool loaded_ = false;
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type modified_{};
    int loads_ = 0;
    int queries_ = 0;
    std::uint64_t generation_ = 0;

    std::vector<double> dates_;
    std::vector<std::uint8_t> weekdays_;
    std::vector<std::uint64_t> numbers_, complementary_;

    // The windows of the three tests, each kept while its bounds stay.
    std::array<Selection, 4> selections_;
    std::size_t nextSlot_ = 0;

    // The starts of the draw-counted windows, each kept while the archive and its bounds stay.
    struct WindowStart {
        double end = 0;
        int draws = -1;
        DrawDays days;
        std::uint64_t generation = 0;
        double start = 0;
    };
    std::array<WindowStart, 4> starts_;
    std::size_t nextStart_ = 0;
    std::vector<double> scratch_;
};

} // namespace razoz
