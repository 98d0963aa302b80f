#pragma once
// What the main window shows of a running tip calculation: every pool statistic on the "Diagramm"
// page, the grid emptied when the drawing starts, each row as it is finished; and the number list
// dialog, shown over the "Lottotipp" page.
#include "generate/generation_observer.h"
#include "generate/number_list.h"

class QWidget;

#include <functional>

namespace razoz {

class DiagrammPage;
class Session;
class TForm6;
class TipGrid;

class WindowGenerationObserver : public GenerationObserver {
public:
    WindowGenerationObserver(Session& session, TipGrid& grid, QWidget& lottotippPage, DiagrammPage& diagramm);

    void chartDrawn(const BarChart& chart) override;
    void drawingStarts() override;
    void rowFinished(int row, const RowValues& values, std::optional<int> sum) override;

private:
    Session& session_;
    TipGrid& grid_;
    QWidget& lottotipp_;
    DiagrammPage& diagramm_;
};

class WindowNumberList : public NumberList {
public:
    // `clearRows` empties the unlocked rows before the list shows.
    WindowNumberList(Session& session, QWidget& lottotippPage, TForm6& dialog, std::function<void()> clearRows = {});
    NumberListOutcome edit(NumberListEntries& entries) override;

private:
    Session& session_;
    QWidget& lottotipp_;
    TForm6& dialog_;
    std::function<void()> clearRows_;
};

} // namespace razoz
