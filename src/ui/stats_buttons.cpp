#include "ui/stats_buttons.h"

#include "ui/click_label.h"
#include "ui/page_diagramm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

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
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

// A shortcut button is 22 pixels square; a text takes the line beside it.
void place(QWidget* w, int left, int top, int width = 22)
{
    w->setGeometry(left, top, width, 22);
}

} // namespace

DatenbankStatsButtons::DatenbankStatsButtons(DiagrammPage* diagramm, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DatenbankStatsButtons"));
    Button5 = pushButton(this, "Button5", QStringLiteral("Ausstehende"),
                         QStringLiteral("EErzeugt die Grafik für die Ausstehenden Zahlen"));
    Button8 = pushButton(this, "Button8", QStringLiteral("Superzahl ausstehende"),
                         QStringLiteral("Erzeugt die Grafik für die ausstehenden Superzahlen"));
    Button2 = pushButton(this, "Button2", QStringLiteral("Paare suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Paarbildung der Zahlen"));
    Button3 = pushButton(this, "Button3", QStringLiteral("Dreier suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen"));
    Button4 = pushButton(this, "Button4", QStringLiteral("Vierer suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"));
    Button9 = pushButton(this, "Button9", QStringLiteral("Primzahlen pro Tipp"),
                         QStringLiteral("Erzeugt die Grafik für die Primzahlen pro Tipp"));
    Button10 = pushButton(this, "Button10", QStringLiteral("Ungerade pro Tipp"),
                          QStringLiteral("Erzeugt die Grafik für die ungeraden Zahlen pro Tipp"));
    Button11 = pushButton(this, "Button11", QStringLiteral("Gerade pro Tipp"),
                          QStringLiteral("Erzeugt die Grafik für die geraden Zahlen pro Tipp"));

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

StatistischChartShortcuts::StatistischChartShortcuts(DiagrammPage* diagramm, QWidget* page) : QObject(page)
{
    setObjectName(QStringLiteral("StatistischChartShortcuts"));
    SpeedButton26 = shortcut(page, "SpeedButton26", QStringLiteral("Diagramm der Verteilung der gezogenen Zahlen"));
    SpeedButton22 = shortcut(page, "SpeedButton22", QStringLiteral("Diagramm der ausstehenden Zahlen"));
    SpeedButton23 = shortcut(page, "SpeedButton23", QStringLiteral("Diagramm der Paarbildung der Zahlen"));
    SpeedButton24 = shortcut(page, "SpeedButton24", QStringLiteral("Diagramm der Dreiergruppen der Zahlen"));
    SpeedButton25 = shortcut(page, "SpeedButton25", QStringLiteral("Diagramm der Vierergruppen der Zahlen"));
    place(SpeedButton26, kLeft, 34);
    place(SpeedButton22, kLeft, 86);
    place(SpeedButton23, kLeft, 112);
    place(SpeedButton24, kLeft, 138);
    place(SpeedButton25, kLeft, 164);

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

MathematischChartShortcuts::MathematischChartShortcuts(DiagrammPage* diagramm, QWidget* page) : QObject(page)
{
    setObjectName(QStringLiteral("MathematischChartShortcuts"));
    SpeedButton17 = shortcut(page, "SpeedButton17", QStringLiteral("Diagramm der Quersummenverteilung"));
    SpeedButton21 = shortcut(page, "SpeedButton21", QStringLiteral("Diagramm der Paarbildung der Zahlen"));
    SpeedButton29 = shortcut(page, "SpeedButton29", QStringLiteral("Diagramm der Primzahlen pro Tipp"));
    SpeedButton32 = shortcut(page, "SpeedButton32", QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp"));
    SpeedButton31 = shortcut(page, "SpeedButton31", QStringLiteral("Diagramm der geraden Zahlen pro Tipp"));
    Label88 = linkLabel(
        page, "Label88",
        QStringLiteral("Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  "));
    Label89 =
        linkLabel(page, "Label89",
                  QStringLiteral("Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."));
    place(SpeedButton17, 8, 60);
    place(Label88, 36, 60, 820);
    place(SpeedButton29, kRuleButtonLeft, 138);
    place(SpeedButton32, kRuleButtonLeft, 164);
    place(SpeedButton31, kRuleButtonLeft, 190);
    place(SpeedButton21, 8, 228);
    place(Label89, 36, 228, 820);

    // "Dreier, " and "Vierer ..." read as one sentence whatever the language makes of their lengths.
    auto* line = new QWidget(page);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    SpeedButton27 = shortcut(line, "SpeedButton27", QStringLiteral("Diagramm der Dreiergruppen der Zahlen"));
    SpeedButton28 = shortcut(line, "SpeedButton28", QStringLiteral("Diagramm der Vierergruppen der Zahlen"));
    Label91 = linkLabel(line, "Label91", QStringLiteral("Dreier, "));
    Label90 = linkLabel(line, "Label90",
                        QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können "
                                       "hier ganz verhindert werden"));
    row->addWidget(SpeedButton27);
    row->addWidget(SpeedButton28);
    row->addSpacing(4);
    row->addWidget(Label91);
    row->addWidget(Label90);
    row->addStretch(1);
    line->setGeometry(8, 284 - 1, 848, 24);

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
