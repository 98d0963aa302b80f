#pragma once
// The files online submission writes: the link page "tipp.htm", the service's message page
// "Meldung.htm" and the per-date tip file in "Tipps". Each is written to a scratch file first and
// replaces the old one by rename.
#include "tipfiles/tip_file.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace razoz {

inline const QString kLinkPageName = QStringLiteral("tipp.htm");
inline const QString kMessagePageName = QStringLiteral("Meldung.htm");
inline const QString kTipsFolderName = QStringLiteral("Tipps");
inline const QString kScriptFolderName = QStringLiteral("Script");

// Text for a double-quoted HTML attribute: & < > " ' as character references, and every
// character outside printable ASCII as a numeric reference.
QString htmlAttributeEscaped(const QString& text);
// Text for a double-quoted JavaScript string inside a <script> element: backslash, quotes, < > &
// and everything outside printable ASCII as \xHH or \uHHHH, so it can neither end the string nor
// the element.
QString javaScriptStringEscaped(const QString& text);

// The twelve lines of "tipp.htm" (each ended by CR LF), windows-1252: a page that forwards the
// browser to `url` at once and shows a link to it.
QByteArray linkPageText(const QString& url, const QString& portalDomain);

// The service's message page as it is saved: a Content-Security-Policy meta element first, so
// the page can neither run script nor load anything, and none of its own meta refreshes, so it
// cannot send the browser elsewhere.
QByteArray sandboxedMessagePage(const QByteArray& page);

// Writes through a scratch file and a rename; OnlineError naming the file on failure.
void writeFileReplacing(const QString& path, const QByteArray& bytes);

// Creates the folder when missing; OnlineError when it cannot be created.
void ensureFolder(const QString& folder);
// "<program folder>Tipps/", created when missing.
QString ensureTipsFolder(const QString& programFolder);

// "yyyymmdd.wtp" of the draw the tips are meant for (the next draw day after the shown draw;
// today when the shown draw is on no draw day).
QString perDateTipFileName(const QDate& shownDraw, const QDate& today);
// One line per row whose first box is filled, grid order, the six box texts joined by ",",
// each line ended by CR LF.
QByteArray formatPerDateTipFile(const TipRows& rows);

// "<program folder>Tipps/yyyymmdd.zorb" of today: where the filled click script goes.
QString filledScriptPath(const QString& programFolder, const QDate& today);

} // namespace razoz
