#pragma once
// The main window: pages, menu, status bar, and the shared values of the running program.
#include "app/prompt.h"
#include "app/session.h"
#include "app/settings_store.h"
#include "archive/current_draw.h"
#include "archive/draw_archive.h"

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
class LottotippPage;
class Session;
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

    // What every window shares.
    Session& session() { return *session_; }

    // The pages, for the program's own tools and tests; no other window reaches into them.
    QTabWidget* pages() const { return PageControl1; }
    LottotippPage* lottotipp() const { return lottotipp_; }
    TipGrid* tipGrid() const;
    BerechnungPage* berechnung() const { return berechnung_; }
    DiagrammPage* diagramm() const { return diagramm_; }
    DatenbankPage* datenbank() const { return datenbank_; }
    InternetPage* internet() const { return internet_; }
    QString statusText(int panel) const;

public slots:
    void FormShow();
    void FormClose();
    void SelectDrawByDate();
    void ShowPreviousDraw();
    void ShowNextDraw();
    void EditLosnummer();
    void Komplettcheck();
    void FormResize();
    // Status bar: panel 0 carries progress texts, panel 1 the hints.
    void setStatus(int panel, const QString& text);

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
    // One step of the previous/next buttons, then the display and the tip check.
    void stepDraw(void (DrawNavigator::*step)(DrawArchive&, DrawDays));
    void showLosnummer();
    // Runs an archive action and reports a failed open, read or write as an error.
    void guarded(const std::function<void()>& action);

    std::unique_ptr<Prompt> ownPrompt_;
    std::unique_ptr<Session> session_;
    QStringList arguments_;
    bool shown_ = false;
    QString settingsFile_;
    std::unique_ptr<SettingsStore> store_;
    bool settingsRead_ = false; // FormShow has opened the store
    int lastHeight_ = 0;

    // Controls
    QTabWidget* PageControl1;
    LottotippPage* lottotipp_;
    BerechnungPage* berechnung_;
    DiagrammPage* diagramm_;
    DatenbankPage* datenbank_;
    InternetPage* internet_;
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
