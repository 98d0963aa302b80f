#include "ui/tform6.h"

#include "app/session.h"
#include "generate/weight_list.h"
#include "ui/control_factory.h"

#include <QDate>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace razoz {

namespace {

const QString kDesignCaption = QStringLiteral("Welche Zahlen für die Berechnung");
const QString kPickerCaption = QStringLiteral("&Zufall");

constexpr int kBoxLeft = 12;
constexpr int kBoxTop = 10;
constexpr int kBoxStepX = 55; // wide enough for the longest weight message below the boxes
constexpr int kBoxStepY = 28;
constexpr int kPanelTop = kBoxTop + 7 * kBoxStepY + 4;
constexpr int kWidth = kBoxLeft + 7 * kBoxStepX + 4;

} // namespace

WeightBox::WeightBox(int number, QWidget* parent) : QCheckBox(parent), number_(number)
{
    setObjectName(QStringLiteral("CheckBox%1").arg(number));
    setText(QString::number(number));
    setChecked(true);
    // The box's own background carries its colour (a button paints its Button role otherwise).
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void WeightBox::mouseReleaseEvent(QMouseEvent* e)
{
    QCheckBox::mouseReleaseEvent(e); // a left release toggles and reports the click first
    emit released(e->button());
}

void WeightBox::mouseMoveEvent(QMouseEvent* e)
{
    QCheckBox::mouseMoveEvent(e);
    emit hovered();
}

TForm6::TForm6(Session& session, RandomGenerator& random, QWidget* parent)
    : QDialog(parent), session_(session), random_(random)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(kDesignCaption);
    setFixedSize(kWidth, kPanelTop + 44 + 22);

    for (int k = 1; k <= 49; ++k) {
        auto* box = new WeightBox(k, this);
        const int row = (k - 1) / 7, column = (k - 1) % 7;
        box->setGeometry(kBoxLeft + column * kBoxStepX, kBoxTop + row * kBoxStepY, kBoxStepX - 4, kBoxStepY - 4);
        CheckBox[std::size_t(k - 1)] = box;
        connect(box, &QCheckBox::clicked, this, [this, box] { CheckBox1Click(box); });
        connect(box, &WeightBox::released, this, [this, box](Qt::MouseButton b) { CheckBox17MouseDown(box, b); });
        connect(box, &WeightBox::hovered, this, [this, box] { CheckBox1MouseMove(box); });
    }

    Panel1 = makeControl<QFrame>(this, "Panel1", {0, kPanelTop, kWidth, 44});
    Panel1->setFrameShape(QFrame::StyledPanel);
    SpeedButton1 = makeControl<QToolButton>(Panel1, "SpeedButton1", {8, 8, 28, 28});
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton1->setToolTip(QStringLiteral("Speichern der Liste"));
    SpeedButton2 = makeControl<QToolButton>(Panel1, "SpeedButton2", {40, 8, 28, 28});
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    SpeedButton2->setToolTip(QStringLiteral("Laden der Liste"));
    BitBtn2 = makeButton(Panel1, "BitBtn2", QStringLiteral("Abbruch"), {}, {80, 8, 88, 28});
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn4 = makeButton(Panel1, "BitBtn4", kPickerCaption, {}, {172, 8, 88, 28});
    BitBtn1 = makeButton(Panel1, "BitBtn1", QStringLiteral("OK"), {}, {kWidth - 102, 8, 94, 28});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn3 = makeButton(Panel1, "BitBtn3", QStringLiteral("&Rechnen"), {}, {kWidth - 102, 8, 94, 28});
    BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    // Enter reaches "OK" even where "&Rechnen" covers it; no other button takes Enter on focus.
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4}) b->setAutoDefault(false);
    BitBtn1->setDefault(true);
    BitBtn3->raise();
    BitBtn4->hide();

    StatusBar1 = makeControl<QStatusBar>(this, "StatusBar1", {0, kPanelTop + 44, kWidth, 22});
    StatusBar1->setSizeGripEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(25);

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm6::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm6::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(ResultAbort); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { done(ResultRetry); });
    connect(BitBtn4, &QPushButton::clicked, this, &TForm6::BitBtn4Click);
    connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);

    for (WeightBox* box : CheckBox) setBoxColour(box, normalColour());
}

QColor TForm6::normalColour() const
{
    return palette().color(QPalette::ToolTipBase);
}

QColor TForm6::boxColour(int number) const
{
    return CheckBox[std::size_t(number - 1)]->palette().color(QPalette::Window);
}

void TForm6::setBoxColour(WeightBox* box, const QColor& colour)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Window, colour);
    box->setPalette(p);
}

NumberListEntries TForm6::entries() const
{
    NumberListEntries out;
    for (int k = 1; k <= 49; ++k) {
        const WeightBox* box = CheckBox[std::size_t(k - 1)];
        out[std::size_t(k - 1)] = {box->isChecked(), box->toolTip()};
    }
    return out;
}

void TForm6::setEntries(const NumberListEntries& entries)
{
    for (int k = 1; k <= 49; ++k) {
        WeightBox* box = CheckBox[std::size_t(k - 1)];
        box->setChecked(entries[std::size_t(k - 1)].checked);
        box->setToolTip(entries[std::size_t(k - 1)].weight);
    }
}

QString TForm6::weight(int number) const
{
    return CheckBox[std::size_t(number - 1)]->toolTip();
}

void TForm6::calculationLook()
{
    BitBtn3->show();
    BitBtn3->raise();
    BitBtn4->hide();
    for (WeightBox* box : CheckBox) setBoxColour(box, normalColour());
    const QString caption = session_.text(36);
    setWindowTitle(caption.isEmpty() ? kDesignCaption : caption);
}

NumberListOutcome TForm6::edit(NumberListEntries& entries)
{
    // Each calculation starts the list afresh: no count-down left over from an earlier use.
    DecrementMode = false;
    picker_.stop();
    calculationLook();
    StatusBar1->clearMessage();
    setEntries(entries);
    const int result = exec();
    entries = this->entries();
    switch (result) {
    case ResultOk: return NumberListOutcome::Keep;
    case ResultRetry: return NumberListOutcome::Rebuild;
    default: return NumberListOutcome::Cancel;
    }
}

void TForm6::beginRowEdit(const NumberMarks& row)
{
    BitBtn3->hide();
    BitBtn4->show();
    picker_.setPickCount(6);
    for (WeightBox* box : CheckBox) {
        const bool marked = row.test(std::size_t(box->number() - 1));
        box->setChecked(marked);
        setBoxColour(box, marked ? kMarkedColour : normalColour());
    }
}

NumberMarks TForm6::checkedNumbers() const
{
    NumberMarks marks;
    for (const WeightBox* box : CheckBox)
        if (box->isChecked()) marks.set(std::size_t(box->number() - 1));
    return marks;
}

void TForm6::endRowEdit()
{
    calculationLook();
}

void TForm6::showWeight(WeightBox* box)
{
    StatusBar1->showMessage(QStringLiteral("Die Zahl ") + box->text() + QStringLiteral(" geht mit der Gewichtung ") +
                            box->toolTip() + QStringLiteral(" in die Berechnung ein"));
}

void TForm6::CheckBox1Click(WeightBox* box)
{
    if (box->isChecked()) {
        const QString w = steppedWeight(box->toolTip(), DecrementMode);
        box->setToolTip(w);
        if (w == QStringLiteral("0")) box->setChecked(false);
    }
    showWeight(box);
}

void TForm6::CheckBox17MouseDown(WeightBox* box, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        DecrementMode = true;
        CheckBox1Click(box);
    } else {
        DecrementMode = false;
    }
}

void TForm6::CheckBox1MouseMove(WeightBox* box)
{
    showWeight(box);
}

void TForm6::SpeedButton1Click()
{
    const QString path =
        session_.prompt().saveFileName(SpeedButton1->toolTip(), kWeightListFilter, kWeightListExtension,
                                       session_.programFolder() + proposedWeightListName(QDate::currentDate()));
    if (path.isEmpty()) return;
    const NumberListEntries saved = savedWeights(entries());
    setEntries(saved);
    try {
        writeWeightList(path, saved);
    } catch (const WeightListError& e) {
        session_.prompt().error(e.text);
    }
}

void TForm6::SpeedButton2Click()
{
    const QString path =
        session_.prompt().openFileName(SpeedButton2->toolTip(), kWeightListFilter, session_.programFolder());
    if (path.isEmpty()) return;
    try {
        setEntries(readWeightList(path));
    } catch (const WeightListError& e) {
        session_.prompt().error(e.text);
    }
}

void TForm6::showMarks(const NumberMarks& marks)
{
    for (WeightBox* box : CheckBox) {
        const bool marked = marks.test(std::size_t(box->number() - 1));
        box->setChecked(marked);
        setBoxColour(box, marked ? kMarkedColour : normalColour());
    }
}

void TForm6::BitBtn4Click()
{
    // The caption before the run is the one of the chosen language; it comes back afterwards.
    if (!picker_.running()) pickerCaption_ = BitBtn4->text();
    picker_.click();
    if (picker_.running() && picker_.nextPick() == 1) {
        showMarks({});
        Timer1->start();
    } else if (!picker_.running()) {
        Timer1->stop();
        BitBtn4->setText(pickerCaption_);
    }
}

void TForm6::Timer1Timer()
{
    if (!picker_.running()) return;
    BitBtn4->setText(QString::number(picker_.nextPick()) + QStringLiteral(" Stopp"));
    picker_.tick(random_);
    showMarks(picker_.marks());
}

void TForm6::FormClose()
{
    Timer1->stop();
    if (picker_.running()) BitBtn4->setText(pickerCaption_);
    picker_.stop();
}

void TForm6::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm6::reject()
{
    done(ResultCancel);
}

} // namespace razoz
