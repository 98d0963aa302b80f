#include "ui/page_mathematisch.h"

#include "ui/click_label.h"
#include "ui/control_factory.h"
#include "ui/page_diagramm.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace razoz {

MathematischPage::MathematischPage(Session& session, DiagrammPage& diagramm, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet8"));
    // A shortcut button is 22 pixels square; a text takes the line beside it.
    const auto button = [](int left, int top) { return QRect(left, top, 22, 22); };
    SpeedButton17 =
        makeChartShortcut(this, "SpeedButton17", QStringLiteral("Diagramm der Quersummenverteilung"), button(8, 60));
    Label88 = makeLinkLabel(
        this, "Label88",
        QStringLiteral("Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  "),
        {36, 60, 820, 22});
    SpeedButton29 = makeChartShortcut(this, "SpeedButton29", QStringLiteral("Diagramm der Primzahlen pro Tipp"),
                                      button(kRuleButtonLeft, 138));
    SpeedButton32 = makeChartShortcut(this, "SpeedButton32", QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp"),
                                      button(kRuleButtonLeft, 164));
    SpeedButton31 = makeChartShortcut(this, "SpeedButton31", QStringLiteral("Diagramm der geraden Zahlen pro Tipp"),
                                      button(kRuleButtonLeft, 190));
    SpeedButton21 =
        makeChartShortcut(this, "SpeedButton21", QStringLiteral("Diagramm der Paarbildung der Zahlen"), button(8, 228));
    Label89 =
        makeLinkLabel(this, "Label89",
                      QStringLiteral("Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."),
                      {36, 228, 820, 22});

    // "Dreier, " and "Vierer ..." read as one sentence whatever the language makes of their lengths.
    auto* line = new QWidget(this);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    SpeedButton27 = makeChartShortcut(line, "SpeedButton27", QStringLiteral("Diagramm der Dreiergruppen der Zahlen"));
    SpeedButton28 = makeChartShortcut(line, "SpeedButton28", QStringLiteral("Diagramm der Vierergruppen der Zahlen"));
    Label91 = makeLinkLabel(line, "Label91", QStringLiteral("Dreier, "));
    Label90 = makeLinkLabel(line, "Label90",
                            QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können "
                                           "hier ganz verhindert werden"));
    row->addWidget(SpeedButton27);
    row->addWidget(SpeedButton28);
    row->addSpacing(4);
    row->addWidget(Label91);
    row->addWidget(Label90);
    row->addStretch(1);
    line->setGeometry(8, 284 - 1, 848, 24);

    DiagrammPage* chart = &diagramm;
    connect(SpeedButton17, &QToolButton::clicked, chart, &DiagrammPage::DiagrammQuersummen);
    connect(Label88, &ClickLabel::clicked, chart, &DiagrammPage::Label88Click);
    connect(SpeedButton21, &QToolButton::clicked, chart, &DiagrammPage::SpeedButton21Click);
    connect(SpeedButton27, &QToolButton::clicked, chart, &DiagrammPage::SpeedButton27Click);
    connect(SpeedButton28, &QToolButton::clicked, chart, &DiagrammPage::SpeedButton28Click);
    connect(Label89, &ClickLabel::clicked, chart, &DiagrammPage::Label89Click);
    connect(Label91, &ClickLabel::clicked, chart, &DiagrammPage::Label91Click);
    connect(Label90, &ClickLabel::clicked, chart, &DiagrammPage::Label90Click);
    connect(SpeedButton29, &QToolButton::clicked, chart, &DiagrammPage::Button9Click);
    connect(SpeedButton32, &QToolButton::clicked, chart, &DiagrammPage::Button10Click);
    connect(SpeedButton31, &QToolButton::clicked, chart, &DiagrammPage::Button11Click);
}

} // namespace razoz
