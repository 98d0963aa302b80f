#include "archive/manual_entry.h"

#include "archive/archive_rewrite.h"
#include "archive/dates.h"
#include "archive/draw_rules.h"

#include <cmath>

namespace razoz {

EntryReference findEntryReference(DrawArchive& archive, double date)
{
    date = std::nearbyint(date);
    archive.openForReading();
    if (archive.atEnd()) {
        archive.close();
        throw ArchiveError(QStringLiteral("Das Archiv enthält keine Ziehung: %1").arg(archive.path()));
    }
    EntryReference ref;
    ref.record = archive.readNext();
    while (!archive.atEnd() && ref.record.date != date) {
        ref.record = archive.readNext();
        ++ref.index;
    }
    ref.isLast = archive.atEnd();
    archive.close();
    return ref;
}

EntryOutcome storeEnteredDraw(DrawArchive& archive, DrawRecord entered, const EntryReference& reference)
{
    sortNumbers(entered);
    entered.date = std::nearbyint(entered.date);
    entered.spare = {};
    if (const RecordFault fault = recordFault(entered); fault != RecordFault::None)
        throw ArchiveError(QStringLiteral("Die Ziehung wird nicht gespeichert: %1.").arg(faultText(fault, entered)));

    if (entered.date > reference.record.date && reference.isLast) {
        archive.append(entered);
        return EntryOutcome::Appended;
    }
    bool written = false, replaced = false;
    archive.rewriteFiltered(
        insertScratchName(archive.path()),
        [&](const DrawRecord& r, std::vector<DrawRecord>& out) {
            if (!written && r.date >= entered.date) {
                out.push_back(entered);
                written = true;
            }
            if (r.date == entered.date)
                replaced = true;
            else
                out.push_back(r);
        },
        [&](std::vector<DrawRecord>& out) {
            if (!written) out.push_back(entered);
        });
    return replaced ? EntryOutcome::Replaced : EntryOutcome::Inserted;
}

qint64 deleteDrawsOn(DrawArchive& archive, double date)
{
    date = std::nearbyint(date);
    qint64 found = 0;
    archive.forEach([&](const DrawRecord& r, qint64) { found += r.date == date; });
    if (found == 0) return 0;
    archive.rewriteFiltered(kDeleteScratchName, [&](const DrawRecord& r, std::vector<DrawRecord>& out) {
        if (r.date != date) out.push_back(r);
    });
    return found;
}

} // namespace razoz
