#pragma once
// What the two historical analyses share: how a run ended and the walk over an archive copy that
// steps the way the draw buttons do.
#include "archive/draw_filter.h"
#include "archive/draw_record.h"

#include <QString>

#include <vector>

namespace razoz {

enum class AnalysisEnd {
    Finished, // the report is ready
    Stopped,  // the user stopped the run: no report
    Declined, // a match report was not answered Yes: no report
    Failed,   // an error ended the run: no report (see the message)
};

// The archive's records as read once at the start of an analysis, with the selection and the
// steps of the draw panel (first draw on or after a date; previous never to position 0; next and
// previous stepping over the draws the boxes deselect).
class ArchiveCopy {
public:
    explicit ArchiveCopy(std::vector<DrawRecord> records) : records_(std::move(records)) {}
    // Throws ArchiveError when the archive cannot be read.
    static ArchiveCopy read(const QString& archivePath);

    bool empty() const { return records_.empty(); }
    int size() const { return int(records_.size()); }
    const DrawRecord& at(int index) const { return records_[std::size_t(index)]; }
    const std::vector<DrawRecord>& records() const { return records_; }

    // Requires a non-empty copy.
    int selectByDate(double target) const;
    int next(int index, DrawDays days) const;
    int previous(int index, DrawDays days) const;

private:
    std::vector<DrawRecord> records_;
};

} // namespace razoz
