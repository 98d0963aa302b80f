#pragma once
// The main window: pages, menu, status bar, and the shared values of the running program.
#include "app/session.h"
#include "app/settings_store.h"
#include "archive/current_draw.h"
#include "archive/draw_archive.h"
#include "base/prompt.h"
#include "base/run_control.h"
#include "print/slip.h"
#include "ui/control_scaler.h"
#include "ui/main_menu.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace razoz {
class StatusHints;

class AnalysisActions;
class BerechnungPage;
class CalculationAction;
class CalculationSettingsLink;
class DatenbankActions;
class DatenbankPage;
class DiagrammPage;
class InternetPage;
class LongActionRunner;
class LottotippPage;
class OnlineActions;
class Session;
class SystemePage;
class TForm5;
class TForm6;
class TForm8;
class TiersDialog;
class TipGrid;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    struct Environment {
        QString programFolder;    // with trailing separator
        Prompt* prompt = nullptr; // null: real dialogs
        QStringList arguments;    // command line after the program name
        QString settingsFile;     // an INI file instead of the user's settings store (tests)
        Session::Opener opener;   // null: nothing is handed to the system's viewer (tests)
    };
    explicit TForm1(Environment env, QWidget* parent = nullptr);
    ~TForm1() override;

    // What every window shares.
    Session& session() { return *session_; }

    // The pages, for the program's own tools and tests; no other window reaches into them.
    QTabWidget* pages() const { return PageControl1; }
    LottotippPage* lottotipp() const { return lottotipp_; }
    TipGrid* tipGrid() const;
    BerechnungPage* berechnung() const { return berechnung_; }
    DiagrammPage* diagramm() const { return diagramm_; }
    DatenbankPage* datenbank() const { return datenbank_; }
    SystemePage* systeme() const { return systeme_; }
    InternetPage* internet() const { return internet_; }
    // The archive actions of the "Datenbank" page, the update button of the draw panel and the menu.
    // The archive search and the historical analyses.
    AnalysisActions& analysisActions() { return *analysisActions_; }
    // The slip print dialogs, created with the main window and kept for the whole run.
    TForm5& form5() { return *form5_; }
    // The number list, for the calculation and the editing of a row.
    TForm6& form6() { return *form6_; }
    TForm8& form8() { return *form8_; }
    // "Gewinnklassen" for the grid's rows (the menu entry and the Lottotipp page's button), or for
    // rows another page gives; created at its first use and kept.
    void showTiers();
    void showTiers(const TipRows& rows, const QString& title);
    TiersDialog* tiersDialog() const;
    // "Ab&geben", the per-date tip file and "Tipp &abgeben".
    OnlineActions& online() { return *online_; }
    QString statusText(int panel) const;
    // Keeps the shared calculation settings equal to the controls.
    CalculationSettingsLink& calculationSettings() { return *calculationLink_; }
    // The runner of the long actions (the calculation, an analysis or search, an archive change).
    LongActionRunner& runner() { return *runner_; }
    // The one place for what must not start while a long action runs: the buttons and menu entries
    // of the other long actions, print, the online hand-over, loading tips and the language
    // switch are disabled; `stoppers` stop the running one and stay enabled.
    void setLongActionRunning(bool running, const QList<const QObject*>& stoppers = {});
    // After every change of the archive: the draw of the date, the tip check, the health line.
    void archiveChanged(double date);
    // The ticket number's label; the archive's health line.
    void showLosnummer();
    void showArchiveHealth();
    // A new ticket number: its label and the tip check ("+ S" follows its last digit).
    void setLosnummer(const QString& number);
    // The settings store, once the start-up has read it (before, nothing may be written).
    std::unique_ptr<SettingsStore> settingsStore() const;
    // Shows the built slip page; unset: Qt's print preview (tests set it).
    std::function<void(const SlipPage&)> slipPreview;

public slots:
    void FormShow();
    void FormClose();
    void SelectDrawByDate();
    void EditLosnummer();
    void Komplettcheck();
    // "Tipps &berechnen" and the menu entry "&Berechnen": starts the tip calculation, or stops the
    // one that runs.
    void Label28Click();
    // "Schein drucken": the print settings, then the slip of the grid's rows in the print preview.
    int SpeedButton12Click();
    void SpeedButton15Click(); // save the tip rows to a tip file
    void SpeedButton16Click(); // load a tip file into the grid
    // Status bar: panel 0 carries progress texts, panel 1 the hints.
    void setStatus(int panel, const QString& text);

    // Interface languages: the nine menu entries call LanguageClick with their "Sprache" number.
    void LanguageClick(int sprache);
    void Export1Click();
    void Dokumentationanzeigen1Click();
    // The about box: program name, version and the window's title line (translated with it).
    void berRazozQuorex1Click();
    void Label52Click(const QString& address);
    void Label43Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void buildMenu();
    void readSettings();
    std::unique_ptr<SettingsStore> openStore() const;
    void takeCalculationSettings();
    void selectTodaysDraw();
    void runCommandLinePrint();

    CalculationSettingsLink* calculationLink_ = nullptr;
    CalculationAction* calculation_ = nullptr;
    std::unique_ptr<Prompt> ownPrompt_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<LongActionRunner> runner_;
    std::unique_ptr<DatenbankActions> archiveActions_;
    std::unique_ptr<AnalysisActions> analysisActions_;
    // TForm5 refers to TForm8, so it goes first.
    std::unique_ptr<TForm8> form8_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<OnlineActions> online_;
    QStringList arguments_;
    bool shown_ = false;
    QString settingsFile_;
    bool settingsRead_ = false; // FormShow has opened the store

    // Controls
    QTabWidget* PageControl1;
    std::unique_ptr<ControlScaler> scaler_; // of PageControl1
    LottotippPage* lottotipp_;
    BerechnungPage* berechnung_;
    DiagrammPage* diagramm_;
    DatenbankPage* datenbank_;
    SystemePage* systeme_;
    InternetPage* internet_;
    QLabel* statusPanel0;
    QLabel* statusPanel1;
    StatusHints* statusHints_ = nullptr; // panel 1: hints over the last status
    MainMenu menu_;
    QPointer<TiersDialog> tiers_;
    TiersDialog* makeTiersDialog();
};

} // namespace razoz
