#pragma once
// "Tipps &berechnen" and the menu entry "&Berechnen": the tip calculation on the runner's worker
// with the settings as the user edits them meanwhile; each row reaches the grid as it is done and
// a loosened rule shows in its control. A second click stops it at the next candidate.
#include "generate/tip_generator.h"

#include <QObject>

#include <functional>

class QAction;
class QDateEdit;
class QPushButton;
class QWidget;

namespace razoz {

class CalculationSettingsLink;
class DiagrammPage;
class LongActionRunner;
class LottotippPage;
class Session;
class TForm6;
class TipGrid;

class CalculationAction : public QObject {
public:
    struct Parts {
        Session& session;
        LongActionRunner& runner;
        LottotippPage& lottotipp; // its grid takes the rows; its BitBtn4 starts and stops
        DiagrammPage& diagramm;   // the pool statistics as they are drawn
        TForm6& numberList;
        CalculationSettingsLink& settings;
        QDateEdit& endPicker;
        QAction* menuEntry; // "&Berechnen", the other starter and stopper
        std::function<void(int panel, const QString& text)> setStatus;
        std::function<void()> selectDrawByDate; // afterwards: the draw of the end date and the check
        // The hint of the final status: how many candidates each test turned down.
        std::function<void(const QString& hint)> setStatusHint;
    };
    CalculationAction(Parts parts, QObject* parent);

    void start();
    bool running() const { return running_; }

private:
    void show(const GenerationResult& result, const LockedRows& locked);
    TipGrid& grid() const;

    Parts p_;
    bool running_ = false;
};

} // namespace razoz
