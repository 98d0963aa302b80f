#pragma once
// Tip files: twelve lines, one tip row each, six comma-separated box texts per line (".wtp"),
// and the rule every number box of the grid applies to what is written into it.
#include "base/prompt.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <optional>
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

// A box text read as an integer (blanks around it allowed); nullopt for an empty or non-numeric text.
std::optional<int> parseBoxNumber(const QString& text);
// A box text that holds a number of the game (1..49); nullopt for anything else.
std::optional<int> tipNumber(const QString& text);
// The six numbers of a row when every box holds a number of the game; nullopt otherwise.
std::optional<std::array<int, kTipColumns>> rowNumbers(const TipRowTexts& row);

// The rule of every number box (Edit1Change): a text that is no integer becomes empty, an integer
// is written in canonical decimal ("07" → "7"), and one outside 1..49 becomes empty.
QString normalizeBoxText(const QString& text);
TipRows normalizeTipRows(const TipRows& rows);

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

// The file's text: twelve lines ended by CR LF, each the six box texts joined by "," (an empty
// row is five commas). Plain ASCII: the boxes hold digits only.
QByteArray formatTipFile(const TipRows& rows);

// Writes the file through a scratch file that replaces it by rename, so a failed write leaves an
// earlier file of that name whole; TipFileError naming the file on failure.
void writeTipFile(const QString& path, const TipRows& rows);

// The save and open dialogs show tip files while a tip file is saved or loaded.
inline const QString kTipFileFilter = QStringLiteral("Tippdatei|*.wtp");
inline const QString kTipFileExtension = QStringLiteral("wtp");

// The draw a saved tip is meant for: after a Thursday, Saturday or Sunday (and, once Mondays are
// drawn, a Monday) the next draw day of the game's week (Thursday → Saturday, Saturday → Monday
// from 11.07.2022 on, else Thursday); a shown draw on any other weekday proposes today.
QDate proposedTipDate(const QDate& currentDraw, const QDate& today);
// "yyyymmdd.wtp" of that date: after Saturday 02.04.2005 "20050407.wtp".
QString proposedTipFileName(const QDate& currentDraw, const QDate& today);

// Textladen: the rows of the file as the grid holds them once written into its boxes (the box
// rule applied to every value). TipFileError when the file cannot be read.
TipRows Textladen(const QString& path);

// SaveTipFile: asks for the file (tip-file filter and extension, the proposed name in `folder`)
// and writes the rows. The chosen path, or empty when cancelled or failed (the failure shown).
QString SaveTipFile(Prompt& prompt, const TipRows& rows, const QDate& currentDraw, const QDate& today,
                    const QString& folder);
// LoadTipFile: asks for a tip file and reads it with Textladen. nullopt when cancelled or when
// the file cannot be read (shown; the grid then keeps what it holds). The caller selects the
// current draw again and runs the check in every case.
std::optional<TipRows> LoadTipFile(Prompt& prompt, const QString& folder);

} // namespace razoz
