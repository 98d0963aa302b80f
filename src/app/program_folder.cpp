#include "app/program_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace razoz {

namespace {

QString withSeparator(QString folder)
{
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

} // namespace

bool folderWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
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
        if (QFileInfo::exists(target)) continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
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
    if (isWritable(executableFolder)) return withSeparator(executableFolder);
    QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    user = QDir(user).filePath(QStringLiteral("Razoz-Quorex"));
    QDir().mkpath(user);
    seedMissing(executableFolder, user);
    return withSeparator(user);
}

} // namespace razoz
