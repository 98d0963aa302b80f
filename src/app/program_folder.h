#pragma once
// The program folder: archive, language files, tips, scripts and reports live in it.
#include <QString>

#include <functional>

namespace razoz {

// Whether a file can be created in `folder` (tried, not guessed from permission bits).
bool folderWritable(const QString& folder);

// `override` (from --program-folder) wins, then RAZOZ_HOME, then the executable's folder; when that
// is not writable, the per-user data folder, seeded from the installed data on first use.
// The result ends with a separator and exists.
QString resolveProgramFolder(const QString& override, const QString& executableFolder,
                             const std::function<bool(const QString&)>& isWritable = folderWritable);

// Copies files and folders of `from` into `to` where `to` lacks them; nothing is overwritten.
void seedMissing(const QString& from, const QString& to);

} // namespace razoz
