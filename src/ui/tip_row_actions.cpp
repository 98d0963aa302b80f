#include "ui/tip_row_actions.h"

#include "app/session.h"
#include "generate/lucky_number.h"
#include "generate/row_edit.h"
#include "generate/tip_text.h"
#include "stats/tip_distribution.h"
#include "ui/page_diagramm.h"
#include "ui/page_lottotipp.h"
#include "ui/tform6.h"
#include "ui/tip_grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include <vector>

namespace razoz {

TipRowActions::TipRowActions(Session& session, LottotippPage& page, DiagrammPage& diagramm, TForm6& numberList,
                             QObject* parent)
    : QObject(parent), session_(session), page_(page), diagramm_(diagramm), numberList_(numberList)
{
    connect(page_.tipGrid, &TipGrid::rowEditRequested, this, &TipRowActions::TippEditClick);
    connect(page_.SpeedButton13, &QToolButton::clicked, this, &TipRowActions::SpeedButton13Click);
    connect(page_.BitBtn7, &QPushButton::clicked, this, &TipRowActions::BitBtn7Click);
    connect(page_.Button6, &QPushButton::clicked, this, &TipRowActions::Button6Click);
}

void TipRowActions::TippEditClick(int row)
{
    numberList_.setWindowTitle(QStringLiteral("%1. ").arg(row + 1) + session_.text(24));
    TippEdit(TipGrid::firstEdit(row), TipGrid::lastEdit(row));
}

void TipRowActions::TippEdit(int first, int last)
{
    std::vector<QLineEdit*> boxes;
    TipRowTexts texts;
    for (int n = first; n <= last && boxes.size() < texts.size(); ++n) {
        auto* box = page_.tipGrid->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
        if (!box) return;
        texts[boxes.size()] = box->text();
        boxes.push_back(box);
    }
    numberList_.beginRowEdit(marksOfRow(texts));
    if (numberList_.exec() == TForm6::ResultOk) {
        const TipRowTexts edited = rowFromMarks(texts, numberList_.checkedNumbers());
        for (std::size_t c = 0; c < boxes.size(); ++c)
            if (boxes[c]->text() != edited[c]) boxes[c]->setText(edited[c]);
        page_.tipGrid->Komplettcheck(); // sum label and hits of the edited row at once
    }
    numberList_.endRowEdit();
}

void TipRowActions::SpeedButton13Click()
{
    if (const auto status = setLuckyNumber(session_.prompt(), RandomGenerator::shared(), session_.texts()))
        session_.showStatus(1, *status);
}

void TipRowActions::BitBtn7Click()
{
    const double date = tipTextDrawDate(session_.currentDraw().date, session_.drawDays());
    const QStringList lines = tipTextLines(page_.tipGrid->texts(), date, session_.text(24));
    try {
        session_.openExternally(QUrl::fromLocalFile(writeTipText(session_.programFolder(), lines)));
    } catch (const TipTextError& e) {
        session_.prompt().error(e.text);
    }
}

void TipRowActions::Button6Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    diagramm_.showChart(tipDistribution(page_.tipGrid->texts(), session_.texts()));
    diagramm_.showPage();
    QApplication::restoreOverrideCursor();
}

} // namespace razoz
