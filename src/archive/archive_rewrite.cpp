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

void replaceArchive(const QString& archivePath, const QString& scratchName, std::span<const DrawRecord> records)
{
    const QString scratchPath = QFileInfo(archivePath).dir().filePath(scratchName);
    const QString shown = QDir::toNativeSeparators(scratchPath);
    {
        QFile scratch(scratchPath);
        if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw ArchiveError(QStringLiteral("Die Datei kann nicht angelegt werden: %1").arg(shown));
        const qint64 bytes = qint64(records.size_bytes());
        // On the disk before the rename, so a power loss cannot leave the new name without its data.
        const bool written =
            (bytes == 0 || scratch.write(reinterpret_cast<const char*>(records.data()), bytes) == bytes) &&
            scratch.flush() && syncFileToDisk(scratch.handle());
        scratch.close();
        if (!written || scratch.error() != QFileDevice::NoError) {
            QFile::remove(scratchPath);
            throw ArchiveError(QStringLiteral("Schreibfehler in der Datei: %1").arg(shown));
        }
    }
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(scratchPath.toStdU16String()),
                            std::filesystem::path(archivePath.toStdU16String()), ec);
    if (ec) {
        QFile::remove(scratchPath);
        throw ArchiveError(
            QStringLiteral("Die Datei kann nicht ersetzt werden: %1").arg(QDir::toNativeSeparators(archivePath)));
    }
    syncFolderToDisk(QFileInfo(archivePath).absolutePath());
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
