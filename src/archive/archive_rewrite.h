#pragma once
// Writing a whole archive at once: a scratch file beside it, then an atomic rename over the old one.
#include "archive/draw_record.h"

#include <QString>

#include <span>

namespace razoz {

// Scratch name of rewrites that insert or replace records ("dovovuduv.dat~").
QString insertScratchName(const QString& archivePath);

// Writes `records` to `scratchName` in the archive's folder and renames it over the archive (which
// need not exist). On any failure the archive is as before and the scratch file is gone.
void replaceArchive(const QString& archivePath, const QString& scratchName, std::span<const DrawRecord> records);

// fsync of an open file (true when it reached the disk) and of a folder after a rename in it.
bool syncFileToDisk(int handle);
void syncFolderToDisk(const QString& folder);

} // namespace razoz
