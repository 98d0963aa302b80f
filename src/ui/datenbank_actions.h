#pragma once
// The archive actions of the "Datenbank" page and the draw panel: update (BitBtn1, SpeedButton10,
// "&Aktualisieren"), stop (SpeedButton8), rebuild (BitBtn2), entry (BitBtn8), deletion (BitBtn6),
// CSV import. Each handler of the window is one call here; only one archive action runs at a time.
#include "archive/archive_update.h"
#include "base/prompt.h"
#include "base/run_control.h"

#include <functional>
#include <memory>
#include <optional>

namespace razoz {

class DatenbankActions {
public:
    using ArchivePath = std::function<QString()>;
    // Server address, proxy, DateTimePicker1 and today, read at the moment of use.
    using OptionsSource = std::function<UpdateOptions()>;
    using RunControlFactory = std::function<std::unique_ptr<ThrottledRunControl>()>;
    // Selects the draw for the date (SelectDrawByDate) and runs the tip check.
    using DrawChanged = std::function<void(double date)>;

    DatenbankActions(ArchivePath archivePath, OptionsSource options, Prompt& prompt, RunControlFactory runControl,
                     DrawChanged drawChanged);

    // Optional window hooks.
    std::function<void(bool running)> onBusyChanged;       // disable the archive buttons, show SpeedButton8
    std::function<void(const CurrentDraw&)> onDrawFetched; // Label29, Label13, Label35 during the update
    std::function<std::optional<DrawRecord>(const DrawRecord& reference)> editDraw; // TForm3; nullopt: cancelled
    std::function<QString(int n)> interfaceText; // numbered texts of the current language

    bool busy() const { return busy_; }

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
    bool begin();
    void end();

    ArchivePath archivePath_;
    OptionsSource options_;
    Prompt& prompt_;
    RunControlFactory runControl_;
    DrawChanged drawChanged_;
    ThrottledRunControl* running_ = nullptr;
    bool busy_ = false;
};

} // namespace razoz
