#include "analysis/analysis_run.h"

#include "archive/draw_archive.h"

#include <cmath>

namespace razoz {

ArchiveCopy ArchiveCopy::read(const QString& archivePath)
{
    DrawArchive archive(archivePath);
    return ArchiveCopy(archive.readAll());
}

int ArchiveCopy::selectByDate(double target) const
{
    target = std::nearbyint(target);
    for (int i = 0; i < size(); ++i)
        if (at(i).date >= target) return i;
    return size() - 1;
}

int ArchiveCopy::next(int index, DrawDays days) const
{
    const int count = size();
    for (int pos = std::min(std::max(index, -1) + 1, count - 1); pos < count; ++pos) {
        if (navigationAccepts(days, at(pos).date)) return pos;
        if (pos == count - 1) break;
    }
    // The last draw is deselected: back to the latest accepted draw before it.
    for (int pos = count - 2; pos >= 0; --pos)
        if (navigationAccepts(days, at(pos).date)) return pos;
    return count - 1;
}

int ArchiveCopy::previous(int index, DrawDays days) const
{
    const int count = size();
    int wanted = std::max(index - 1, 1);
    for (;;) {
        wanted = std::min(wanted, count - 1);
        if (wanted <= 1 || navigationAccepts(days, at(wanted).date)) return wanted;
        wanted = std::max(wanted - 1, 1);
    }
}

} // namespace razoz
