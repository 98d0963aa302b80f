#include "ui/calculation_action.h"

#include "app/session.h"
#include "generate/random_generator.h"
#include "ui/generation_view.h"
#include "ui/long_action_runner.h"
#include "ui/page_lottotipp.h"
#include "ui/tip_grid.h"

#include <QAction>
#include <QPushButton>

#include <memory>

namespace razoz {

CalculationAction::CalculationAction(Parts parts, QObject* parent) : QObject(parent), p_(std::move(parts)) {}

TipGrid& CalculationAction::grid() const
{
    return *p_.lottotipp.tipGrid;
}

void CalculationAction::start()
{
    // A second click while the calculation runs stops it at the next candidate.
    if (running_) {
        p_.runner.requestStop();
        return;
    }
    if (p_.runner.busy()) return;
    Session& session = p_.session;
    QPushButton* button = p_.lottotipp.BitBtn4;
    const QString caption = button->text();
    const bool loaded = session.settingsLoaded();
    button->setText(session.text(16));
    // The tip check waits while the rows change.
    session.setSettingsLoaded(false);
    LockedRows locked;
    for (int r = 0; r < kTipRows; ++r)
        if (grid().rowLocked(r)) locked[std::size_t(r)] = grid().rowTexts(r);
    const auto result = std::make_shared<GenerationResult>();
    running_ = true;
    const QString archivePath = session.archivePath();
    const InterfaceTexts texts = session.texts();
    const bool numberListFirst = session.calculation().snapshot().showNumberListFirst;
    auto job = [this, locked, result, archivePath, texts, numberListFirst](RunControl& run, Prompt&) {
        WindowGenerationObserver observer(
            {p_.session, p_.runner, grid(), p_.lottotipp, p_.diagramm, p_.settings, p_.endPicker});
        WindowNumberList numberList(p_.session, p_.runner, p_.lottotipp, p_.numberList,
                                    [this] { grid().emptyUnlockedRows(); });
        *result = generateTips(p_.session.calculation(), archivePath, locked, run, RandomGenerator::shared(), texts,
                               {numberListFirst ? &numberList : nullptr, &observer});
    };
    p_.runner.start(std::move(job),
                    [this, result, locked, caption, loaded] {
                        running_ = false;
                        p_.lottotipp.BitBtn4->setText(caption);
                        p_.session.setSettingsLoaded(loaded);
                        show(*result, locked);
                    },
                    {button, p_.menuEntry});
}

void CalculationAction::show(const GenerationResult& result, const LockedRows& locked)
{
    if (result.rowsWritten) {
        for (int r = 0; r < kTipRows; ++r) {
            if (locked[std::size_t(r)]) continue;
            TipRowTexts texts;
            const RowValues& row = result.rows[std::size_t(r)];
            if (row[0] != 0)
                for (int c = 0; c < kTipColumns; ++c) texts[std::size_t(c)] = QString::number(row[std::size_t(c)]);
            grid().setRowTexts(r, texts);
        }
    }
    if (!result.status.isEmpty()) {
        p_.setStatus(1, result.status);
        if (p_.setStatusHint) p_.setStatusHint(rejectedText(result));
    }
    if (!result.message.isEmpty()) p_.session.prompt().information(result.message);
    if (p_.selectDrawByDate) p_.selectDrawByDate();
}

} // namespace razoz
