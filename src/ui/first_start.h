#pragma once
// A first start that helps: an archive without a single draw is filled, if the user wants, from a
// results list (CSV) or from the draw-results server, so the first charts and tips have data.
#include "base/interface_texts.h"

#include <QString>

#include <functional>

namespace razoz {

class DatenbankActions;
class TForm1;

class Prompt;

struct FirstDrawSources {
    std::function<void()> importCsv;                  // the CSV import of the "Datenbank" page (asks for the file)
    std::function<void(double fromDay)> update;       // the archive update, from the draw day after fromDay
    QString serverUrl;                                // proposed in the question, which the user may change
    std::function<void(const QString&)> setServerUrl; // the address the user chose ("Internet-Optionen")
    std::function<void(int panel, const QString& text)> status; // the status bar
};

// When the archive holds no draw, asks whether to read a results list; when the user declines,
// whether to load every draw of the game from the server, whose address the answer may change.
// When the server gives no draw the archive stays empty (without the game's first draw on its
// own) and the user learns what to do next (text 72). True when it asked at all.
bool offerFirstDraws(const QString& archivePath, Prompt& prompt, const InterfaceTexts& texts,
                     const FirstDrawSources& sources);

// The same for the main window: its CSV import and update, its server address and status bar.
bool offerFirstDraws(TForm1& form, DatenbankActions& actions);

} // namespace razoz
