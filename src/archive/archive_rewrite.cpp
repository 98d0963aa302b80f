#include "archive/archive_rewrite.h"

#include "archive/draw_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace razoz {

QString insertScratchName(const QString& archivePath)
{
    return QFileInfo(archivePath).fileName() + QLatin1Char('~');
}

ScratchFile::ScratchFile(const QString& targetPath, const QString& scratchName)
    : target_(targetPath), scratchPath_(QFileInfo(targetPath).dir().filePath(scratchName)), file_(scratchPath_)
{
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ArchiveError(
            QStringLiteral("Die Datei kann nicht angelegt werden: %1").arg(QDir::toNativeSeparators(scratchPath_)));
}

ScratchFile::~ScratchFile()
{
    if (committed_) return;
    file_.close();
    QFile::remove(scratchPath_);
}

void ScratchFile::write(std::span<const DrawRecord> records)
{
    const qint64 bytes = qint64(records.size_bytes());
    if (bytes && file_.write(reinterpret_cast<const char*>(records.data()), bytes) != bytes)
        throw ArchiveError(
            QStringLiteral("Schreibfehler in der Datei: %1").arg(QDir::toNativeSeparators(scratchPath_)));
}

void ScratchFile::commit()
{
    // On the disk before the rename, so a power loss cannot leave the new name without its data.
    const bool written = file_.flush() && syncFileToDisk(file_.handle());
    file_.close();
    if (!written || file_.error() != QFileDevice::NoError)
        throw ArchiveError(
            QStringLiteral("Schreibfehler in der Datei: %1").arg(QDir::toNativeSeparators(scratchPath_)));
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(scratchPath_.toStdU16String()),
                            std::filesystem::path(target_.toStdU16String()), ec);
    if (ec)
        throw ArchiveError(
            QStringLiteral("Die Datei kann nicht ersetzt werden: %1").arg(QDir::toNativeSeparators(target_)));
    committed_ = true;
    syncFolderToDisk(QFileInfo(target_).absolutePath());
}

void replaceArchive(const QString& archivePath, const QString& scratchName, std::span<const DrawRecord> records)
{
    ScratchFile scratch(archivePath, scratchName);
    scratch.write(records);
    scratch.commit();
}

bool syncFileToDisk(int handle)
{
#ifdef Q_OS_UNIX
    return handle < 0 || ::fsync(handle) == 0;
#else
    Q_UNUSED(handle);
    return true;
#endif
}

void syncFolderToDisk(const QString& folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd); // the rename itself; a folder that cannot be synced loses nothing written
    ::close(fd);
#else
    Q_UNUSED(folder);
#endif
}

} // namespace razoz
