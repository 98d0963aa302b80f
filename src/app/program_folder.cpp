#include "app/program_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifndef RAZOZ_INSTALLED_DATA
#define RAZOZ_INSTALLED_DATA "../share/razoz-quorex"
#endif

namespace razoz {

namespace {

QString withSeparator(QString folder)
{
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

const QLatin1String kArchiveName("dovovuduv.dat");

// Through a scratch file and a rename over the target, so a failed copy never leaves half an
// archive and the target is never missing.
void replaceByCopy(const QString& source, const QString& target)
{
    const QString scratch = target + QStringLiteral(".seed");
    QFile::remove(scratch);
    if (!QFile::copy(source, scratch)) return;
    QFile::setPermissions(scratch, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(scratch.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), ec);
    if (ec) QFile::remove(scratch);
}

} // namespace

bool folderWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
}

QString installedDataFolder(const QString& executableFolder)
{
    const QString data = QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(RAZOZ_INSTALLED_DATA)));
    return QFileInfo(QDir(data).filePath(QStringLiteral("land"))).isDir() ? withSeparator(data) : QString();
}

QString userDataFolder()
{
    // One folder for the program, razoz-cli and razoz-server alike, whatever each calls itself.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("Razoz-Quorex"));
}

void seedMissing(const QString& from, const QString& to)
{
    QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (QFileInfo(file).isExecutable()) continue; // programs stay where they are installed
        const QString rel = source.relativeFilePath(file);
        const QString target = QDir(to).filePath(rel);
        const QFileInfo existing(target);
        if (existing.exists()) {
            // The first start without data leaves an empty archive; it holds nothing to keep.
            if (rel == kArchiveName && existing.isFile() && existing.size() == 0 && QFileInfo(file).size() > 0)
                replaceByCopy(file, target);
            continue;
        }
        QDir().mkpath(QFileInfo(target).absolutePath());
        // Installed files are read-only; the user's copies must not be.
        if (QFile::copy(file, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

QString resolveProgramFolder(const QString& override, const QString& executableFolder,
                             const std::function<bool(const QString&)>& isWritable)
{
    QString chosen = override;
    if (chosen.isEmpty()) chosen = qEnvironmentVariable("RAZOZ_HOME");
    if (!chosen.isEmpty()) {
        QDir().mkpath(chosen);
        return withSeparator(chosen);
    }
    QString seed = installedDataFolder(executableFolder);
    if (seed.isEmpty()) {
        if (isWritable(executableFolder)) return withSeparator(executableFolder);
        seed = executableFolder;
    }
    const QString user = userDataFolder();
    QDir().mkpath(user);
    seedMissing(seed, user);
    return withSeparator(user);
}

} // namespace razoz
