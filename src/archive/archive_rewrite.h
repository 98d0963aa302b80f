#pragma once
// Writing a whole archive at once: a scratch file beside it, then an atomic rename over the old one.
#include "archive/draw_record.h"

#include <QFile>
#include <QString>

#include <span>

namespace razoz {

// A rewrite of a file that holds user data: the new contents go to a scratch file beside it, reach
// the disk, then replace the file by an atomic rename. The file is untouched until commit(); a
// scratch file that is not committed is removed. Failures throw ArchiveError naming the file.
class ScratchFile {
public:
    ScratchFile(const QString& targetPath, const QString& scratchName);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    void write(std::span<const DrawRecord> records);
    void commit();

private:
    QString target_, scratchPath_;
    QFile file_;
    bool committed_ = false;
};

// Scratch name of rewrites that insert or replace records ("dovovuduv.dat~").
QString insertScratchName(const QString& archivePath);

// Writes `records` to `scratchName` in the archive's folder and renames it over the archive (which
// need not exist). On any failure the archive is as before and the scratch file is gone.
void replaceArchive(const QString& archivePath, const QString& scratchName, std::span<const DrawRecord> records);

// fsync of an open file (true when it reached the disk) and of a folder after a rename in it.
bool syncFileToDisk(int handle);
void syncFolderToDisk(const QString& folder);

} // namespace razoz
