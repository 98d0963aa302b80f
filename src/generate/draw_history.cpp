#include "generate/draw_history.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>
#include <system_error>

namespace razoz {

std::uint64_t numberMask(const int* values, int count)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < count; ++i)
        if (values[i] >= 1 && values[i] <= 49) mask |= std::uint64_t(1) << values[i];
    return mask;
}

DrawHistory::DrawHistory(const QString& archivePath) : path_(archivePath.toStdU16String()), archivePath_(archivePath) {}

void DrawHistory::validate()
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path_, ec);
    const auto modified = ec ? std::filesystem::file_time_type{} : std::filesystem::last_write_time(path_, ec);
    if (ec) throw ArchiveError(QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(archivePath_));
    if (loaded_ && size == size_ && modified == modified_) return;

    DrawArchive archive(archivePath_);
    dates_.clear();
    weekdays_.clear();
    numbers_.clear();
    complementary_.clear();
    archive.forEach([&](const DrawRecord& r, qint64) {
        int six[6];
        for (int i = 0; i < 6; ++i) six[i] = r.numbers[std::size_t(i)];
        const int c = r.complementary;
        dates_.push_back(r.date);
        weekdays_.push_back(std::uint8_t(weekdayOf(r.date)));
        numbers_.push_back(numberMask(six, 6));
        complementary_.push_back(numberMask(&c, 1));
    });
    loaded_ = true;
    size_ = size;
    modified_ = modified;
    ++loads_;
    ++generation_;
}

const DrawHistory::Selection& DrawHistory::select(double start, double end, DrawDays days)
{
    for (const Selection& s : selections_)
        if (s.generation == generation_ && s.start == start && s.end == end && s.days.saturday == days.saturday &&
            s.days.thursday == days.thursday)
            return s;
    Selection& s = selections_[nextSlot_];
    nextSlot_ = (nextSlot_ + 1) % selections_.size();
    s.start = start;
    s.end = end;
    s.days = days;
    s.generation = generation_;
    s.numbers.clear();
    s.complementary.clear();
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        if (!(start < dates_[i] && dates_[i] <= end)) continue;
        if (!weekdayPasses(DayRule::Standard, days, weekdays_[i])) continue;
        s.numbers.push_back(numbers_[i]);
        s.complementary.push_back(complementary_[i]);
    }
    return s;
}

double DrawHistory::lastDrawsStart(double end, int draws, DrawDays days)
{
    validate();
    return windowStart(end, draws, days);
}

double DrawHistory::windowStart(double end, int draws, DrawDays days)
{
    for (const WindowStart& w : starts_)
        if (w.generation == generation_ && w.end == end && w.draws == draws && w.days.saturday == days.saturday &&
            w.days.thursday == days.thursday)
            return w.start;
    scratch_.clear();
    for (std::size_t i = 0; i < dates_.size(); ++i)
        if (dates_[i] <= end && weekdayPasses(DayRule::Standard, days, weekdays_[i])) scratch_.push_back(dates_[i]);
    double start = -std::numeric_limits<double>::infinity();
    const std::size_t n = std::size_t(std::max(draws, 0));
    if (scratch_.size() > n) {
        std::nth_element(scratch_.begin(), scratch_.begin() + std::ptrdiff_t(n), scratch_.end(), std::greater<>());
        start = scratch_[n];
    }
    WindowStart& w = starts_[nextStart_];
    nextStart_ = (nextStart_ + 1) % starts_.size();
    w = {end, draws, days, generation_, start};
    return start;
}

bool DrawHistory::hasNoHitRecord(std::uint64_t candidate, double start, double end, int hits, DrawDays days,
                                 bool complementary)
{
    ++queries_;
    validate();
    return noHitIn(candidate, start, end, hits, days, complementary);
}

bool DrawHistory::hasNoHitInLastDraws(std::uint64_t candidate, double end, int draws, int hits, DrawDays days,
                                      bool complementary)
{
    // Every look at the file costs two system calls; a candidate asks this up to twice.
    ++queries_;
    validate();
    return noHitIn(candidate, windowStart(end, draws, days), end, hits, days, complementary);
}

bool DrawHistory::noHitIn(std::uint64_t candidate, double start, double end, int hits, DrawDays days,
                          bool complementary)
{
    const Selection& s = select(start, end, days);
    const std::size_t n = s.numbers.size();
    const std::uint64_t* numbers = s.numbers.data();
    const std::uint64_t* comp = s.complementary.data();
    const std::uint64_t withComplementary = complementary ? ~std::uint64_t(0) : 0;
    for (std::size_t i = 0; i < n; ++i) {
        const int h = std::popcount(candidate & numbers[i]) + int((candidate & comp[i] & withComplementary) != 0);
        if (h >= hits) return false;
    }
    return true;
}

} // namespace razoz
