#pragma once
// Online submission from the main window: "Ab&geben" (the print settings in their online look,
// then the portal), the per-date tip file and "Tipp &abgeben" (the click-script robot).
#include "app/session.h"
#include "app/settings_store.h"
#include "online/submission.h"
#include "tipfiles/tip_file.h"

#include <QDate>
#include <QObject>

#include <functional>
#include <memory>

class QWidget;

class QAction;

namespace razoz {

class TForm1;

class TForm5;
class TZorbForm;

// What the handlers read from and do to the main window, at the moment of use.
struct OnlineWindow {
    std::function<TipRows()> rows;                             // the tip grid
    std::function<int()> rowCount;                             // UpDown8
    std::function<QDate()> shownDraw;                          // DateTimePicker1
    std::function<OnlineOptions()> options;                    // "Internet-Optionen"
    std::function<QString()> robotPage;                        // the robot's download page
    std::function<int()> printAction;                          // SpeedButton12Click
    std::function<std::unique_ptr<SettingsStore>()> openStore; // null: nothing written
    std::function<void(const QString&)> setLosnummer;          // number and label of the window
    std::function<void()> showLottotipp;
};

class OnlineActions : public QObject {
    Q_OBJECT
public:
    OnlineActions(Session& session, TForm5& form5, OnlineWindow window, QWidget* parent);
    ~OnlineActions() override;

    TZorbForm& zorbForm() { return *zorb_; }
    // The robot's settings; empty: the user's store (tests give an INI file).
    QString robotSettingsFile;
    // The date of the filled script and of the tip file's fallback; default: the clock.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // Digits of the ticket number; default: the program's generator.
    std::function<int(int)> random;
    // The per-date tip file last named (the next tip-file dialog proposes it).
    const QString& lastTipFile() const { return lastTipFile_; }

public slots:
    void OnlineTippClick();
    void SpeedButton17Click();
    // Returns the per-date tip file's full path (also when it could not be written).
    QString OnlineSpielClick();
    void AutoWebScript();

private:
    OrderChoices choices() const;
    Session& session_;
    TForm5& form5_;
    OnlineWindow window_;
    std::unique_ptr<TZorbForm> zorb_;
    QString lastTipFile_;
};

// Makes the online actions of the main window and connects them to its buttons and to `handOverEntry`.
std::unique_ptr<OnlineActions> connectOnlineActions(TForm1& form, QAction* handOverEntry);

} // namespace razoz
