#pragma once
// What the windows of one running program share: the program folder, the prompt, the numbered
// texts of the current language, the current draw, the ticket number, the settings values and the
// start-up state. Every window and dialog receives the one Session; none reaches into another.
#include "app/settings_store.h"
#include "archive/current_draw.h"
#include "archive/draw_filter.h"
#include "base/interface_texts.h"
#include "base/prompt.h"
#include "generate/calculation_settings.h"

#include <QObject>
#include <QUrl>

#include <functional>

namespace razoz {

class Session : public QObject {
    Q_OBJECT
public:
    Session(QString programFolder, Prompt& prompt, QObject* parent = nullptr);

    // With a trailing separator; every data file is found relative to it.
    const QString& programFolder() const { return programFolder_; }
    QString archivePath() const { return programFolder_ + archiveFileName_; }
    QString hitSoundPath() const { return programFolder_ + hitSoundFile_; }
    Prompt& prompt() const { return prompt_; }

    // The numbered interface texts and the language ("Sprache" 0..8) they belong to.
    const InterfaceTexts& texts() const { return texts_; }
    QString text(int n) const { return texts_.text(n); }
    void setTexts(const QStringList& lines);
    int language() const { return language_; }
    void setLanguage(int sprache);

    // The current draw, shown and checked against.
    DrawNavigator& navigator() { return navigator_; }
    const CurrentDraw& currentDraw() const { return navigator_.current(); }
    int currentDrawIndex() const { return navigator_.index(); }
    // Tells every window that the current draw was selected, stepped or set.
    void announceDrawChanged() { emit drawChanged(); }

    // The draw days of "Samstag Ziehungen" / "Donnerstag Ziehungen" and the end of the evaluated
    // range (the date of the draw picker): the controls report every change here.
    DrawDays drawDays() const { return drawDays_; }
    void setDrawDays(DrawDays days) { drawDays_ = days; }
    double endDate() const { return endDate_; }
    void setEndDate(double days) { endDate_ = days; }

    const QString& ticketNumber() const { return ticketNumber_; }
    void setTicketNumber(const QString& number);

    // Set once the settings are read at start-up; the tip check waits for it.
    bool settingsLoaded() const { return settingsLoaded_; }
    void setSettingsLoaded(bool loaded) { settingsLoaded_ = loaded; }
    // The settings the calculation and the analyses read, kept equal to the controls as the user
    // edits them (the program's settings values catch up when the window closes).
    CalculationSettingsSource& calculation() { return calculation_; }

    // Every persisted value as the program holds it.
    SettingsValues& settings() { return settings_; }
    const SettingsValues& settings() const { return settings_; }

    // Progress texts (panel 0) and hints (panel 1) of the main window's status bar.
    void showStatus(int panel, const QString& text) { emit statusShown(panel, text); }
    // Asks the main window to bring one of its pages to the front.
    void showPage(QObject* page) { emit pageRequested(page); }

    // Hands a document or web address to the system's viewer. Every report, page and address the
    // program opens goes through this one seam; without an opener (tests) nothing opens and false
    // is returned.
    using Opener = std::function<bool(const QUrl&)>;
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    bool openExternally(const QUrl& url) const { return opener_ ? opener_(url) : false; }

signals:
    void drawChanged();
    void languageChanged();
    void ticketNumberChanged();
    void statusShown(int panel, const QString& text);
    void pageRequested(QObject* page);

private:
    QString programFolder_;
    QString archiveFileName_;
    QString hitSoundFile_;
    Prompt& prompt_;
    InterfaceTexts texts_;
    int language_ = 0;
    DrawNavigator navigator_;
    DrawDays drawDays_;
    double endDate_ = 0;
    QString ticketNumber_;
    bool settingsLoaded_ = false;
    CalculationSettingsSource calculation_;
    SettingsValues settings_;
    Opener opener_;
};

// The run budget for a "UpDown7" position: thousands of candidate rows, the position kept within

} // namespace razoz
