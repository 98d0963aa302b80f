#pragma once
// The main window: pages, menu, status bar, and the shared values of the running program.
#include "app/interface_texts.h"
#include "app/prompt.h"
#include "app/settings_store.h"
#include "archive/current_draw.h"
#include "archive/draw_filter.h"

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

class BerechnungPage;
class DatenbankPage;
class DiagrammPage;
class InternetPage;
class DatenbankStatsButtons;
class StatistischChartShortcuts;
class MathematischChartShortcuts;
class LottotippPage;
class TipGrid;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    struct Environment {
        QString programFolder;    // with trailing separator
        Prompt* prompt = nullptr; // null: real dialogs
        QStringList arguments;    // command line after the program name
        QString settingsFile;     // an INI file instead of the user's settings store (tests)
    };
    explicit TForm1(Environment env, QWidget* parent = nullptr);
    ~TForm1() override;

    Prompt& prompt() { return *prompt_; }
    InterfaceTexts& texts() { return Memo2; }
    const QString& programFolder() const { return ProgramFolder; }
    QString archivePath() const { return ProgramFolder + ArchiveFileName; }
    DrawNavigator& navigator() { return navigator_; }
    const CurrentDraw& currentDraw() const { return navigator_.current(); }
    int currentDrawIndex() const { return navigator_.index(); }
    DrawDays drawDays() const;
    // End of the evaluated range: the date of DateTimePicker1.
    double endDate() const;

    // Private values of the running program, set at start-up.
    QString ProgramFolder;
    QString ArchiveFileName = kArchiveFileName;
    QString HitSoundFile = QStringLiteral("yippee.wav");
    QString Losnummer;
    int Sprache = 0;
    int LastHeight = 0;
    double Today = 0;
    bool SettingsLoaded = false;
    int IterationLimit = 100000;
    InterfaceTexts Memo2; // numbered interface texts of the current language

    // Controls
    QTabWidget* PageControl1;
    LottotippPage* lottotipp;
    TipGrid* tipGrid; // the twelve tip rows on the "Lottotipp" page
    BerechnungPage* berechnung;
    DiagrammPage* diagramm;
    // Chart buttons of "Datenbank" (Button5 …) and shortcuts of "Statistisch" and "Mathematisch".
    DatenbankStatsButtons* datenbankCharts;
    StatistischChartShortcuts* statistischCharts;
    MathematischChartShortcuts* mathematischCharts;
    DatenbankPage* datenbank;
    InternetPage* internet;
    QLabel* statusPanel0;
    QLabel* statusPanel1;
    QMenu* MainMenu1Sprache;
    QAction* Aktualisieren1;
    QAction* Berechnen1;
    QAction* Abgeben1;
    QAction* Dokumentationanzeigen1;
    QAction* Schlieen1;
    QList<QAction*> languageActions; // Deutsch1 … Niederlndisch1, in menu order
    QAction* Export1;

    // The tip check run after every selection and step; set by the tip grid.
    std::function<void()> tipCheck;

    // Status bar: panel 0 carries progress texts, panel 1 the hints.
    void setStatus(int panel, const QString& text);

    // Every persisted value as the program holds it; other windows read and set their fields here.
    SettingsValues& settingsValues() { return settings_; }

public slots:
    void FormShow();
    void FormClose();
    void SelectDrawByDate();
    void ShowPreviousDraw();
    void ShowNextDraw();
    void EditLosnummer();
    void Komplettcheck();
    void FormResize();

    // Interface languages: the nine menu entries call LanguageClick with their "Sprache" number.
    void LanguageClick(int sprache);
    void DateiLaden1Click(const QString& basePath, const QString& code);
    void Export1Click();
    void Dokumentationanzeigen1Click();
    void Label52Click(const QString& address);
    void Label43Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void buildMenu();
    // Start-up steps, in the order FormShow runs them.
    void fixLocale();               // 1
    void initValues();              // 2
    void openSettings();            // 3
    void readCheckBoxSettings();    // 4
    void createPositioningWindow(); // 5
    void readParameterSettings();   // 6
    void applyStoredLanguage();     // 7
    void readLosnummer();           // 8
    void readPositioningSettings(); // 9
    void readPrintFontSettings();   // 10
    void readFeeSettings();         // 11
    void readInternetSettings();    // 13
    void finishSettings();          // 14
    void selectTodaysDraw();        // 15, 16
    void drawFirstChart();          // 17
    void runCommandLinePrint();     // 18
    void readGroup(SettingGroup group);
    void openAddress(const QString& address);
    void showCurrentDraw();
    // One step of the previous/next buttons, then the display and the tip check.
    void stepDraw(void (DrawNavigator::*step)(DrawArchive&, DrawDays));
    void showLosnummer();
    // Runs an archive action and reports a failed open, read or write as an error.
    void guarded(const std::function<void()>& action);

    std::unique_ptr<Prompt> ownPrompt_;
    Prompt* prompt_;
    DrawNavigator navigator_;
    QStringList arguments_;
    bool shown_ = false;
    QString settingsFile_;
    std::unique_ptr<SettingsStore> store_;
    SettingsValues settings_;
    bool settingsRead_ = false; // FormShow has opened the store
    // Design geometry and font of every scaled control and the height they belong to.
    struct Design {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
    };
    QHash<QWidget*, Design> design_;
    int designHeight_ = 0;
};

} // namespace razoz
