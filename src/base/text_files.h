#pragma once
// Reading and writing the program's text files (language files, reports).
// A byte-order mark decides the encoding; without one the bytes are UTF-8 when they are valid
// UTF-8, else the Windows code page of the chosen language.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace razoz {

// "windows-1250" for Czech and Polish, "windows-1251" for Russian, "windows-1254" for Turkish,
// "windows-1252" for every other code.
QByteArray codePageFor(const QString& languageCode);

// Decodes file contents as described above.
QString decodeText(const QByteArray& bytes, const QString& languageCode = {});

// Splits decoded text into lines (CR LF, LF or CR); a final line ending adds no empty line.
QStringList splitLines(const QString& text);

// Reads a text file as lines; false when the file cannot be opened (lines then empty).
bool readTextLines(const QString& path, QStringList& lines, const QString& languageCode = {});

// Every rewrite of a whole file: the bytes go to a scratch file beside it that then replaces it by
// rename, so a failed write leaves the earlier file whole. False on failure, the reason in `error`.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Writes lines as UTF-8 without mark (LF line ends); false when the file cannot be written.
bool writeUtf8Lines(const QString& path, const QStringList& lines);

// Writes lines as UTF-16 little endian with byte-order mark and CR LF line ends.
bool writeUtf16Lines(const QString& path, const QStringList& lines);

} // namespace razoz
