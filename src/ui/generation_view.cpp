#include "ui/generation_view.h"

#include "app/session.h"
#include "ui/page_diagramm.h"
#include "ui/tform6.h"
#include "ui/tip_grid.h"

#include <QLabel>

namespace razoz {

WindowGenerationObserver::WindowGenerationObserver(Session& session, TipGrid& grid, QWidget& lottotippPage,
                                                   DiagrammPage& diagramm)
    : session_(session), grid_(grid), lottotipp_(lottotippPage), diagramm_(diagramm)
{
}

void WindowGenerationObserver::chartDrawn(const BarChart& chart)
{
    diagramm_.showChart(chart);
    diagramm_.showPage();
    diagramm_.repaint();
}

void WindowGenerationObserver::drawingStarts()
{
    grid_.emptyUnlockedRows();
    session_.showPage(&lottotipp_);
}

void WindowGenerationObserver::rowFinished(int row, const RowValues& values, std::optional<int> sum)
{
    if (!sum) return; // a locked row stays as it is
    TipRowTexts texts;
    if (values[0] != 0)
        for (std::size_t c = 0; c < texts.size(); ++c) texts[c] = QString::number(values[c]);
    grid_.setRowTexts(row, texts);
    grid_.sumLabel(row)->setText(QString::number(*sum));
}

WindowNumberList::WindowNumberList(Session& session, QWidget& lottotippPage, TForm6& dialog,
                                   std::function<void()> clearRows)
    : session_(session), lottotipp_(lottotippPage), dialog_(dialog), clearRows_(std::move(clearRows))
{
}

NumberListOutcome WindowNumberList::edit(NumberListEntries& entries)
{
    // The rows being recomputed are emptied first, so the list is not read against old rows.
    if (clearRows_) clearRows_();
    session_.showPage(&lottotipp_);
    return dialog_.edit(entries);
}

} // namespace razoz
