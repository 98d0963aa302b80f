#pragma once
// The main window: pages, menu, status bar, and the shared values of the running program.
#include "app/interface_texts.h"
#include "app/prompt.h"
#include "archive/current_draw.h"
#include "archive/draw_filter.h"

#include <QMainWindow>

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
class DatenbankStatsButtons;
class StatistischChartShortcuts;
class MathematischChartShortcuts;
class LottotippPage;
class TipGrid;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    struct Environment {
        QString programFolder;   // with trailing separator
        Prompt* prompt = nullptr; // null: real dialogs
        QStringList arguments;   // command line after the program name
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
    QWidget* internet;
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

public slots:
    void FormShow();
    void FormClose();
    void SelectDrawByDate();
    void ShowPreviousDraw();
    void ShowNextDraw();
    void EditLosnummer();
    void Komplettcheck();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenu();
    void showCurrentDraw();
    void showLosnummer();
    // Runs an archive action and reports a failed open, read or write as an error.
    void guarded(const std::function<void()>& action);

    std::unique_ptr<Prompt> ownPrompt_;
    Prompt* prompt_;
    DrawNavigator navigator_;
    QStringList arguments_;
    bool shown_ = false;
};

} // namespace razoz
