#pragma once
// The archive actions of the "Datenbank" page and the draw panel: update (BitBtn1, SpeedButton10,
// "&Aktualisieren"), stop (SpeedButton8), rebuild (BitBtn2), entry (BitBtn8), deletion (BitBtn6),
// CSV import. Each handler of the window is one call here. The update, the rebuild and the import
// run on the runner's worker thread with the inputs read when they start; entry and deletion are
// quick and stay on the window's thread. Only one long action runs at a time.
#include "archive/archive_update.h"
#include "base/prompt.h"

#include <functional>
#include <memory>
#include <optional>

class QAction;

namespace razoz {

class TForm1;

class LongActionRunner;

class DatenbankActions {
public:
    using ArchivePath = std::function<QString()>;
    // Server address, proxy, DateTimePicker1 and today, read at the moment of use.
    using OptionsSource = std::function<UpdateOptions()>;
    // Selects the draw for the date (SelectDrawByDate) and runs the tip check.
    using DrawChanged = std::function<void(double date)>;

    DatenbankActions(ArchivePath archivePath, OptionsSource options, Prompt& prompt, LongActionRunner& runner,
                     DrawChanged drawChanged);

    // Optional window hooks, called on the window's thread.
    std::function<void(bool running)> onBusyChanged; // show SpeedButton8 (the runner disables the rest)
    // Label29, Label13, Label35 during the update; the update waits until they show the draw, so a
    // stop given here takes effect before the next request.
    std::function<void(const CurrentDraw&)> onDrawFetched;
    std::function<std::optional<DrawRecord>(const DrawRecord& reference)> editDraw; // TForm3; nullopt: cancelled
    std::function<QString(int n)> interfaceText; // numbered texts of the current language

    // True while any long action of the runner runs.
    bool busy() const;

    void updateArchive();
    void rebuildArchive();
    void stopUpdate();
    void enterDraw(double shownDate);
    void deleteShownDraw(double shownDate);
    void importCsv();

private:
    void runUpdate(bool rebuild);
    // Text n of the current language; the German text when no language is wired or the file is short.
    QString textOr(int n, const QString& german) const;
    void setBusy(bool running);

    ArchivePath archivePath_;
    OptionsSource options_;
    Prompt& prompt_;
    LongActionRunner& runner_;
    DrawChanged drawChanged_;
};

// Makes the archive actions of the main window and connects them to its buttons and to `updateEntry`.
std::unique_ptr<DatenbankActions> connectArchiveActions(TForm1& form, QAction* updateEntry);

} // namespace razoz
