#include "ui/generation_view.h"

#include "app/session.h"
#include "base/day_count.h"
#include "ui/calculation_settings_link.h"
#include "ui/long_action_runner.h"
#include "ui/page_diagramm.h"
#include "ui/tform6.h"
#include "ui/tip_grid.h"

#include <QDateEdit>
#include <QLabel>

namespace razoz {

WindowGenerationObserver::WindowGenerationObserver(const Parts& p)
    : session_(p.session), runner_(p.runner), grid_(p.grid), lottotipp_(p.lottotippPage), diagramm_(p.diagramm),
      settings_(p.settings), endPicker_(p.endPicker)
{
}

void WindowGenerationObserver::chartDrawn(const BarChart& chart)
{
    runner_.onWindow([this, &chart] {
        diagramm_.showChart(chart);
        diagramm_.showPage();
        diagramm_.repaint();
    });
}

void WindowGenerationObserver::drawingStarts()
{
    runner_.onWindow([this] {
        grid_.emptyUnlockedRows();
        session_.showPage(&lottotipp_);
    });
}

void WindowGenerationObserver::rowFinished(int row, const RowValues& values, std::optional<int> sum)
{
    if (!sum) return; // a locked row stays as it is
    runner_.onWindow([this, row, values, sum] {
        TipRowTexts texts;
        if (values[0] != 0)
            for (std::size_t c = 0; c < texts.size(); ++c) texts[c] = QString::number(values[c]);
        grid_.setRowTexts(row, texts);
        grid_.sumLabel(row)->setText(QString::number(*sum));
    });
}

void WindowGenerationObserver::rangeEndMoved(double date)
{
    // As selecting the draw moves the picker: its handlers run as for the user's choice.
    runner_.onWindow([this, date] { endPicker_.setDate(fromDays(date)); });
}

void WindowGenerationObserver::ruleLoosened(LoosenedRule rule, int value)
{
    runner_.onWindow([this, rule, value] { settings_.showLoosened(rule, value); });
}

void WindowGenerationObserver::loosenedRulesRestored()
{
    runner_.onWindow([this] { settings_.showUserValues(); });
}

WindowNumberList::WindowNumberList(Session& session, LongActionRunner& runner, QWidget& lottotippPage, TForm6& dialog,
                                   std::function<void()> clearRows)
    : session_(session), runner_(runner), lottotipp_(lottotippPage), dialog_(dialog), clearRows_(std::move(clearRows))
{
}

NumberListOutcome WindowNumberList::edit(NumberListEntries& entries)
{
    return runner_.onWindow<NumberListOutcome>(
        [this, &entries] {
            // The rows being recomputed are emptied first, so the list is not read against old rows.
            if (clearRows_) clearRows_();
            session_.showPage(&lottotipp_);
            return dialog_.edit(entries);
        },
        NumberListOutcome::Cancel);
}

} // namespace razoz
