#include "ui/page_statistisch.h"

#include "ui/control_factory.h"
#include "ui/page_diagramm.h"

#include <QToolButton>

namespace razoz {

StatistischPage::StatistischPage(Session& session, DiagrammPage& diagramm, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet6"));
    const auto at = [](int top) { return QRect(kShortcutLeft, top, 22, 22); };
    SpeedButton26 = makeChartShortcut(this, "SpeedButton26",
                                      QStringLiteral("Diagramm der Verteilung der gezogenen Zahlen"), at(34));
    SpeedButton22 =
        makeChartShortcut(this, "SpeedButton22", QStringLiteral("Diagramm der ausstehenden Zahlen"), at(86));
    SpeedButton23 =
        makeChartShortcut(this, "SpeedButton23", QStringLiteral("Diagramm der Paarbildung der Zahlen"), at(112));
    SpeedButton24 =
        makeChartShortcut(this, "SpeedButton24", QStringLiteral("Diagramm der Dreiergruppen der Zahlen"), at(138));
    SpeedButton25 =
        makeChartShortcut(this, "SpeedButton25", QStringLiteral("Diagramm der Vierergruppen der Zahlen"), at(164));

    // The frequency itself stays on its page; a shortcut is there to show the chart.
    DiagrammPage* chart = &diagramm;
    connect(SpeedButton26, &QToolButton::clicked, chart, [chart] {
        chart->showPage();
        chart->SpeedButton2Click();
    });
    connect(SpeedButton22, &QToolButton::clicked, chart, &DiagrammPage::Button5Click);
    connect(SpeedButton23, &QToolButton::clicked, chart, &DiagrammPage::Label89Click);
    connect(SpeedButton24, &QToolButton::clicked, chart, &DiagrammPage::Label91Click);
    connect(SpeedButton25, &QToolButton::clicked, chart, &DiagrammPage::Label90Click);
}

} // namespace razoz
