#pragma once
// Tip files: twelve lines, one tip row each, six comma-separated box texts per line (".wtp").
#include <QByteArray>
#include <QString>

#include <array>
#include <stdexcept>

namespace razoz {

inline constexpr int kTipRows = 12;
inline constexpr int kTipColumns = 6;

// The six box texts of one tip row, column 1 first, exactly as the boxes hold them ("" = empty box).
using TipRowTexts = std::array<QString, kTipColumns>;
// The twelve rows of the grid, "1. Tipp" first.
using TipRows = std::array<TipRowTexts, kTipRows>;

struct TipFileError : std::runtime_error {
    explicit TipFileError(const QString& m) : std::runtime_error(m.toStdString()) {}
};

// Splits one line the way the loader always has: fields 1..5 end at the next ","; a missing ","
// leaves that field empty and the rest of the line for the later fields; field 6 ends at the
// first ":" (a comment may follow the sixth number). "7,8" gives "7", "", "", "", "", "8".
TipRowTexts splitTipLine(const QString& line);

// The twelve rows of a file's text. Missing lines give empty rows, lines after the twelfth are
// ignored, CR LF and LF both end a line. The texts are not validated: the grid's box rule
// (normalizeBoxText) empties whatever is not a number 1..49 when they are written into it.
TipRows parseTipFile(const QByteArray& bytes);

// Reads a tip file; TipFileError naming the file when it cannot be opened or read.
TipRows readTipFile(const QString& path);

} // namespace razoz
