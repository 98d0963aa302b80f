#pragma once
// Typing a draw in by hand and deleting the draws of a date ("Eingeben", "Löschen").
#include "archive/draw_archive.h"

namespace razoz {

// Scratch file of the deletion rewrite, beside the archive.
inline const QString kDeleteScratchName = QStringLiteral("Zahlen.da~");

// The record the entry dialog starts from: the first one dated `date` (the shown draw's date), or
// else the last record of the file.
struct EntryReference {
    DrawRecord record;
    qint64 index = 0;
    bool isLast = false;
};
// ArchiveError when the archive is missing or holds no draw.
EntryReference findEntryReference(DrawArchive& archive, double date);

enum class EntryOutcome { Appended, Inserted, Replaced };

// Stores a typed-in draw: the six numbers sorted ascending; appended when it is later than the
// reference and the reference is the last record, else the archive is rewritten in date order, the
// draw replacing every record of its date. Every other record is kept, whatever its date.
// ArchiveError (nothing written) for a draw the archive may not hold.
EntryOutcome storeEnteredDraw(DrawArchive& archive, DrawRecord entered, const EntryReference& reference);

// Removes every record dated `date`; the others keep their order. Returns how many were removed
// (the file is not rewritten when none was). ArchiveError when the archive is missing.
qint64 deleteDrawsOn(DrawArchive& archive, double date);

} // namespace razoz
