#pragma once
// The program folder: archive, language files, tips, scripts and reports live in it.
#include <QString>

#include <functional>

namespace razoz {

// Whether a file can be created in `folder` (tried, not guessed from permission bits).
bool folderWritable(const QString& folder);

// The data folder of a system install ("share/razoz-quorex" beside the "bin" of the executable),
// recognised by its language files; empty when the executable does not run from such an install.
QString installedDataFolder(const QString& executableFolder);

// The per-user data folder that replaces the program folder of a system install.
QString userDataFolder();

// `override` (from --program-folder) wins, then RAZOZ_HOME. A system install keeps the user's data
// in the per-user data folder, seeded from the installed data; so does an executable folder that
// is not writable. Otherwise the executable's folder (a portable install, the build tree).
// The result ends with a separator and exists.
QString resolveProgramFolder(const QString& override, const QString& executableFolder,
                             const std::function<bool(const QString&)>& isWritable = folderWritable);

// Copies files and folders of `from` into `to` where `to` lacks them; nothing the user has is
// overwritten, except an archive without a single draw, which the shipped archive replaces.
void seedMissing(const QString& from, const QString& to);

} // namespace razoz
