#pragma once
// The program folder: archive, language files, tips, scripts and reports live in it.
#include <QString>

namespace razoz {

// `override` (from --program-folder) wins, then RAZOZ_HOME, then the executable's folder; when that
// is not writable, the per-user data folder, seeded from the installed data on first use.
// The result ends with a separator and exists.
QString resolveProgramFolder(const QString& override, const QString& executableFolder);

// Copies files and folders of `from` into `to` where `to` lacks them; nothing is overwritten.
void seedMissing(const QString& from, const QString& to);

} // namespace razoz
