#pragma once
// What the main window shows of a running tip calculation: every pool statistic on the "Diagramm"
// page, the grid emptied when the drawing starts, each row as it is finished, the end date moved
// onto the selected draw and the loosened rules in their controls; and the number list dialog,
// shown over the "Lottotipp" page. The calculation runs on the runner's worker: each step is shown
// on the window's thread while the calculation waits for it.
#include "generate/generation_observer.h"
#include "generate/number_list.h"

class QDateEdit;
class QWidget;

#include <functional>

namespace razoz {

class CalculationSettingsLink;
class DiagrammPage;
class LongActionRunner;
class Session;
class TForm6;
class TipGrid;

class WindowGenerationObserver : public GenerationObserver {
public:
    struct Parts {
        Session& session;
        LongActionRunner& runner;
        TipGrid& grid;
        QWidget& lottotippPage;
        DiagrammPage& diagramm;
        CalculationSettingsLink& settings;
        QDateEdit& endPicker;
    };
    explicit WindowGenerationObserver(const Parts& parts);

    void chartDrawn(const BarChart& chart) override;
    void drawingStarts() override;
    void rowFinished(int row, const RowValues& values, std::optional<int> sum) override;
    void rangeEndMoved(double date) override;
    void ruleLoosened(LoosenedRule rule, int value) override;
    void loosenedRulesRestored() override;

private:
    Session& session_;
    LongActionRunner& runner_;
    TipGrid& grid_;
    QWidget& lottotipp_;
    DiagrammPage& diagramm_;
    CalculationSettingsLink& settings_;
    QDateEdit& endPicker_;
};

class WindowNumberList : public NumberList {
public:
    // `clearRows` empties the unlocked rows before the list shows.
    WindowNumberList(Session& session, LongActionRunner& runner, QWidget& lottotippPage, TForm6& dialog,
                     std::function<void()> clearRows = {});
    // Cancel when the window closes first.
    NumberListOutcome edit(NumberListEntries& entries) override;

private:
    Session& session_;
    LongActionRunner& runner_;
    QWidget& lottotipp_;
    TForm6& dialog_;
    std::function<void()> clearRows_;
};

} // namespace razoz
