#include "ui/stats_buttons.h"

#include "ui/click_label.h"
#include "ui/page_diagramm.h"

#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace razoz {

namespace {

// The small bar chart the shortcut buttons carry instead of a caption.
QIcon chartIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const int heights[] = {7, 12, 5, 10};
    for (int i = 0; i < 4; ++i)
        p.fillRect(1 + i * 4, 15 - heights[i], 3, heights[i], i == 1 ? QColor(255, 0, 0) : QColor(0, 128, 0));
    p.setPen(Qt::black);
    p.drawLine(0, 15, 15, 15);
    return QIcon(pixmap);
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {})
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

QToolButton* shortcut(QWidget* parent, const char* name, const QString& hint = {})
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(chartIcon());
    b->setAutoRaise(true);
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

ClickLabel* linkLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* l = new ClickLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

} // namespace

DatenbankStatsButtons::DatenbankStatsButtons(DiagrammPage* diagramm, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DatenbankStatsButtons"));
    Button5 = pushButton(this, "Button5", QStringLiteral("Ausstehende"),
                         QStringLiteral("EErzeugt die Grafik für die Ausstehenden Zahlen"));
    Button8 = pushButton(this, "Button8", QStringLiteral("Superzahl ausstehende"));
    Button2 = pushButton(this, "Button2", QStringLiteral("Paare suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Paarbildung der Zahlen"));
    Button3 = pushButton(this, "Button3", QStringLiteral("Dreier suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen"));
    Button4 = pushButton(this, "Button4", QStringLiteral("Vierer suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"));
    Button9 = pushButton(this, "Button9", QStringLiteral("Primzahlen pro Tipp"));
    Button10 = pushButton(this, "Button10", QStringLiteral("Ungerade pro Tipp"));
    Button11 = pushButton(this, "Button11", QStringLiteral("Gerade pro Tipp"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Button5, 0, 0);
    grid->addWidget(Button8, 1, 0);
    grid->addWidget(Button2, 2, 0);
    grid->addWidget(Button3, 3, 0);
    grid->addWidget(Button4, 0, 1);
    grid->addWidget(Button9, 1, 1);
    grid->addWidget(Button10, 2, 1);
    grid->addWidget(Button11, 3, 1);

    connect(Button5, &QPushButton::clicked, diagramm, &DiagrammPage::Button5Click);
    connect(Button8, &QPushButton::clicked, diagramm, &DiagrammPage::Button8Click);
    connect(Button2, &QPushButton::clicked, diagramm, &DiagrammPage::Button2Click);
    connect(Button3, &QPushButton::clicked, diagramm, &DiagrammPage::Button3Click);
    connect(Button4, &QPushButton::clicked, diagramm, &DiagrammPage::Button4Click);
    connect(Button9, &QPushButton::clicked, diagramm, &DiagrammPage::Button9Click);
    connect(Button10, &QPushButton::clicked, diagramm, &DiagrammPage::Button10Click);
    connect(Button11, &QPushButton::clicked, diagramm, &DiagrammPage::Button11Click);
}

StatistischChartShortcuts::StatistischChartShortcuts(DiagrammPage* diagramm, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("StatistischChartShortcuts"));
    SpeedButton26 = shortcut(this, "SpeedButton26");
    SpeedButton22 = shortcut(this, "SpeedButton22");
    SpeedButton23 = shortcut(this, "SpeedButton23");
    SpeedButton24 = shortcut(this, "SpeedButton24");
    SpeedButton25 = shortcut(this, "SpeedButton25");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    for (auto* b : {SpeedButton26, SpeedButton22, SpeedButton23, SpeedButton24, SpeedButton25})
        column->addWidget(b);
    column->addStretch(1);

    // The frequency itself stays on its page; a shortcut is there to show the chart.
    connect(SpeedButton26, &QToolButton::clicked, diagramm, [diagramm] {
        diagramm->showPage();
        diagramm->SpeedButton2Click();
    });
    connect(SpeedButton22, &QToolButton::clicked, diagramm, &DiagrammPage::Button5Click);
    connect(SpeedButton23, &QToolButton::clicked, diagramm, &DiagrammPage::Label89Click);
    connect(SpeedButton24, &QToolButton::clicked, diagramm, &DiagrammPage::Label91Click);
    connect(SpeedButton25, &QToolButton::clicked, diagramm, &DiagrammPage::Label90Click);
}

MathematischChartShortcuts::MathematischChartShortcuts(DiagrammPage* diagramm, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MathematischChartShortcuts"));
    SpeedButton17 = shortcut(this, "SpeedButton17");
    SpeedButton21 = shortcut(this, "SpeedButton21");
    SpeedButton27 = shortcut(this, "SpeedButton27");
    SpeedButton28 = shortcut(this, "SpeedButton28");
    SpeedButton29 = shortcut(this, "SpeedButton29", QStringLiteral("Diagramm der Primzahlen pro Tipp"));
    SpeedButton32 = shortcut(this, "SpeedButton32", QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp"));
    SpeedButton31 = shortcut(this, "SpeedButton31", QStringLiteral("Diagramm der geraden Zahlen pro Tipp"));
    Label88 = linkLabel(
        this, "Label88",
        QStringLiteral("Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  "));
    Label89 = linkLabel(
        this, "Label89",
        QStringLiteral("Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."));
    Label91 = linkLabel(this, "Label91", QStringLiteral("Dreier, "));
    Label90 = linkLabel(this, "Label90",
                        QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können "
                                       "hier ganz verhindert werden"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(SpeedButton17, 0, 0);
    grid->addWidget(Label88, 0, 1, 1, 3);
    grid->addWidget(SpeedButton21, 1, 0);
    grid->addWidget(Label89, 1, 1, 1, 3);
    grid->addWidget(SpeedButton27, 2, 0);
    grid->addWidget(Label91, 2, 1, 1, 3);
    grid->addWidget(SpeedButton28, 3, 0);
    grid->addWidget(Label90, 3, 1, 1, 3);
    grid->addWidget(SpeedButton29, 4, 0);
    grid->addWidget(SpeedButton32, 4, 1);
    grid->addWidget(SpeedButton31, 4, 2);
    grid->setColumnStretch(3, 1);

    connect(SpeedButton17, &QToolButton::clicked, diagramm, &DiagrammPage::DiagrammQuersummen);
    connect(Label88, &ClickLabel::clicked, diagramm, &DiagrammPage::Label88Click);
    connect(SpeedButton21, &QToolButton::clicked, diagramm, &DiagrammPage::SpeedButton21Click);
    connect(SpeedButton27, &QToolButton::clicked, diagramm, &DiagrammPage::SpeedButton27Click);
    connect(SpeedButton28, &QToolButton::clicked, diagramm, &DiagrammPage::SpeedButton28Click);
    connect(Label89, &ClickLabel::clicked, diagramm, &DiagrammPage::Label89Click);
    connect(Label91, &ClickLabel::clicked, diagramm, &DiagrammPage::Label91Click);
    connect(Label90, &ClickLabel::clicked, diagramm, &DiagrammPage::Label90Click);
    connect(SpeedButton29, &QToolButton::clicked, diagramm, &DiagrammPage::Button9Click);
    connect(SpeedButton32, &QToolButton::clicked, diagramm, &DiagrammPage::Button10Click);
    connect(SpeedButton31, &QToolButton::clicked, diagramm, &DiagrammPage::Button11Click);
}

} // namespace razoz
