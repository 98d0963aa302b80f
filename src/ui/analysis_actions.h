#pragma once
// The archive search of the "Lottotipp" page (SpeedButton4 "Tipps in DB suchen") and the two
// historical analyses of the "Datenbank" page (BitBtn9, BitBtn19). Each handler of the window is
// one call here; the work is in src/analysis. All run through the window's long-action runner: the
// search on its worker thread, the analyses (which still read the calculation settings from the
// controls at every candidate) on the window's thread. While an analysis runs the window stays
// responsive, its status bar shows the progress, and a second click on its button stops it.
#include "analysis/archive_search.h"
#include "analysis/parameter_analysis.h"
#include "analysis/repeat_analysis.h"
#include "archive/current_draw.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QCheckBox;
class QDateEdit;
class QPushButton;
class QWidget;

namespace razoz {

class Session;
class LongActionRunner;
class TipGrid;

class AnalysisActions {
public:
    struct Window {
        QWidget* mainWindow = nullptr; // its controls hold the calculation settings
        TipGrid* grid = nullptr;
        QDateEdit* endPicker = nullptr;         // DateTimePicker1
        QCheckBox* checkBox31 = nullptr;        // recompute only after a 3
        QPushButton* parameterButton = nullptr; // BitBtn9
        QPushButton* repeatButton = nullptr;    // BitBtn19
        QWidget* lottotippPage = nullptr;
        std::function<void()> selectDrawByDate;           // SelectDrawByDate of the window
        std::function<void(const CurrentDraw&)> showDraw; // Label29, Label35, Label13; the picker stays
        // Shows "Liste für Zahlenreihengenerierung anzeigen / bearbeiten" off (true) or as the user
        // set it (false), without changing the user's setting.
        std::function<void(bool off)> showNumberListOff;
    };
    AnalysisActions(Session& session, LongActionRunner& runner, Window window);
    ~AnalysisActions();

    // The folder "Test.txt" is written to (the program's working folder); tests set their own.
    std::function<QString()> currentFolder;

    void SpeedButton4Click(); // archive search
    void BitBtn9Click();      // parameter analysis, or stop the one that runs
    void BitBtn19Click();     // repeat analysis, or stop the one that runs
    // An analysis runs (the search is not one).
    bool running() const { return runningKind_ != Kind::None; }

private:
    void showAnalysedDraw(double date);
    // What an analysis left: the rows, the draw, its report.
    void showParameterAnalysis(const ParameterAnalysisResult& result, const ParameterAnalysisOptions& options);
    void showRepeatAnalysis(const RepeatAnalysisResult& result);
    class Busy;
    enum class Kind { None, Parameters, Repeat };
    // A click on the button of the running analysis stops it; true when the click was taken.
    bool stopIfRunning(Kind kind);
    void showSearchState(const SearchResult& state);

    Session& session_;
    LongActionRunner& runner_;
    Window w_;
    Kind runningKind_ = Kind::None;
};

class TForm1;
// The analysis handlers of the main window: built over its pages and connected to their buttons.
std::unique_ptr<AnalysisActions> connectAnalysisActions(TForm1& form);

} // namespace razoz
