#include "ui/page_lottotipp.h"

#include "app/session.h"
#include "ui/click_label.h"
#include "ui/control_factory.h"
#include "ui/elided_label.h"
#include "ui/tip_grid.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace razoz {

namespace {

QFrame* panel(QWidget* parent, const char* name, QRect geometry)
{
    auto* p = makeControl<QFrame>(parent, name, geometry);
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Raised);
    return p;
}

} // namespace

LottotippPage::LottotippPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet1"));

    Panel4 = panel(this, "Panel4", {0, 0, 886, 36});
    SpeedButton10 = makeControl<QToolButton>(Panel4, "SpeedButton10", {4, 5, 26, 26});
    SpeedButton10->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    SpeedButton10->setToolTip(QStringLiteral("Aktualisieren der Lottozahlen vom Server"));
    SpeedButton6 = makeControl<QToolButton>(Panel4, "SpeedButton6", {34, 5, 26, 26});
    SpeedButton6->setArrowType(Qt::LeftArrow);
    SpeedButton6->setToolTip(QStringLiteral("vorhergehende Ziehung anzeigen"));
    Label35 = makeControl<QLabel>(Panel4, "Label35", {62, 6, 380, 24});
    Label35->setAutoFillBackground(true);
    Label35->setBackgroundRole(QPalette::ToolTipBase);
    Label35->setForegroundRole(QPalette::ToolTipText);
    Label35->setFrameShape(QFrame::Box);
    useFixedWidthFont(Label35);
    SpeedButton7 = makeControl<QToolButton>(Panel4, "SpeedButton7", {446, 5, 26, 26});
    SpeedButton7->setArrowType(Qt::RightArrow);
    SpeedButton7->setToolTip(QStringLiteral("nächste Ziehung anzeigen"));
    Label13 = makeControl<QLabel>(Panel4, "Label13", {478, 6, 54, 24});
    Label13->setText(QStringLiteral("QS: "));
    Label13->setToolTip(QStringLiteral("Quersummer (Summer aller Ziffern) der Ziehungszahlen"));
    // Wide enough for the longest shipped caption and a seven-digit number: its last digit is the one
    // the Reintegro is checked against.
    Losnummer = makeControl<ElidedClickLabel>(Panel4, "Losnummer", {534, 6, 182, 24});
    Losnummer->setText(QStringLiteral("Losnr."));
    Losnummer->setCursor(Qt::PointingHandCursor);
    Losnummer->setToolTip(QStringLiteral("hier anklicken um die Scheinnummer einzugeben "));
    CheckBox16 = makeCheckBox(Panel4, "CheckBox16", QStringLiteral("Samstag Ziehungen"),
                              QStringLiteral("Ziehungsdaten der Samstags Ziehungen verwenden"), {718, 1, 164, 17});
    CheckBox17 = makeCheckBox(Panel4, "CheckBox17", QStringLiteral("Donnerstag Ziehungen"),
                              QStringLiteral("Ziehungsdaten der Donnerstag Ziehungen verwenden"), {718, 18, 164, 17});

    Panel3 = panel(this, "Panel3", {630, 46, 250, 120});
    BitBtn4 = makeControl<QPushButton>(Panel3, "BitBtn4", {8, 8, 176, 30});
    BitBtn4->setText(QStringLiteral("Tipps &berechnen"));
    BitBtn4->setToolTip(
        QStringLiteral("Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet"));
    // How many rows the button computes, right beside it.
    Edit80 = makeSpin(Panel3, key::RowsToCompute, "Edit80", {}, {190, 8, 52, 30});

    SpeedButton13 = makeControl<QToolButton>(Panel3, "SpeedButton13", {8, 84, 234, 28});
    SpeedButton13->setText(QStringLiteral("Glückszahl setzen"));
    SpeedButton13->setToolTip(
        QStringLiteral("Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren"));
    OnlineTipp = makeButton(Panel3, "OnlineTipp", QStringLiteral("Tipp &abgeben"),
                            QStringLiteral("Hier können Sie den Tipp Online abgeben"), {8, 46, 234, 30});

    SpeedButton15 = makeControl<QToolButton>(this, "SpeedButton15", {630, 286, 26, 26});
    SpeedButton15->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton15->setToolTip(QStringLiteral("Speichern des Tipps"));
    SpeedButton16 = makeControl<QToolButton>(this, "SpeedButton16", {660, 286, 26, 26});
    SpeedButton16->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    SpeedButton16->setToolTip(QStringLiteral("Tipp laden aus Datei"));
    BitBtn7 = makeButton(this, "BitBtn7", QStringLiteral("Tipp"), {}, {694, 286, 64, 26});
    Button6 = makeButton(this, "Button6", QStringLiteral("Tippverteilung"), {}, {762, 286, 118, 26});
    SpeedButton4 = makeControl<QToolButton>(this, "SpeedButton4", {630, 318, 250, 26});
    SpeedButton4->setText(QStringLiteral("Tipps in DB suchen"));
    SpeedButton4->setToolTip(QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"));
    TiersButton = makeButton(this, "TiersButton", QStringLiteral("Gewinnklassen"),
                             QStringLiteral("Wie oft diese Tipps jede Gewinnklasse gewonnen hätten, neben dem Zufall"),
                             {630, 350, 250, 26});

    Panel8 = panel(this, "Panel8", {630, 180, 250, 44});
    Label43 = makeControl<ClickLabel>(Panel8, "Label43", {4, 4, 242, 36});
    Label43->setText(QStringLiteral("Razoz-Quorex im Internet"));
    Label43->setAlignment(Qt::AlignCenter);
    Label43->setCursor(Qt::PointingHandCursor);
    Panel9 = panel(this, "Panel9", {630, 232, 250, 44});
    Label44 = makeControl<ClickLabel>(Panel9, "Label44", {4, 4, 242, 36});
    Label44->setText(QStringLiteral("Neuigkeiten und Updates"));
    Label44->setAlignment(Qt::AlignCenter);
    Label44->setCursor(Qt::PointingHandCursor);
    Panel8->installEventFilter(this);
    Panel9->installEventFilter(this);
    connect(Label43, &ClickLabel::clicked, this, &LottotippPage::productPageRequested);
    connect(Label44, &ClickLabel::clicked, this, &LottotippPage::productPageRequested);

    tipGrid = new TipGrid(session_, this);
    tipGrid->move(0, 0);
    tipGrid->lower();

    reportDrawDays();
    connect(CheckBox16, &QCheckBox::toggled, this, &LottotippPage::reportDrawDays);
    connect(CheckBox17, &QCheckBox::toggled, this, &LottotippPage::reportDrawDays);
    connect(&session_, &Session::drawChanged, this, &LottotippPage::showCurrentDraw);
}

void LottotippPage::setDrawDays(DrawDays days)
{
    CheckBox16->setChecked(days.saturday);
    CheckBox17->setChecked(days.thursday);
}

void LottotippPage::reportDrawDays()
{
    session_.setDrawDays({CheckBox16->isChecked(), CheckBox17->isChecked()});
}

void LottotippPage::showTicketLabel(const QString& text)
{
    Losnummer->setText(text);
}

void LottotippPage::showSum()
{
    Label13->setText(formatSum(session_.currentDraw()));
}

void LottotippPage::showCurrentDraw()
{
    Label35->setText(formatDraw(session_.currentDraw(), session_.navigator().separator()));
    showSum();
}

bool LottotippPage::eventFilter(QObject* watched, QEvent* e)
{
    // The banner panels open the product page like their labels (a click on the label itself is the
    // label's, even when it passes on to the panel).
    if (e->type() == QEvent::MouseButtonRelease && (watched == Panel8 || watched == Panel9)) {
        auto* panel = static_cast<QWidget*>(watched);
        auto* me = static_cast<QMouseEvent*>(e);
        QWidget* under = panel->childAt(me->position().toPoint());
        if (me->button() == Qt::LeftButton && under != Label43 && under != Label44) emit productPageRequested();
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace razoz
