#include "ui/tip_grid.h"

#include "app/session.h"
#include "print/slip.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

namespace razoz {

const std::array<int, kTipRows> TipGrid::kRowTop = {43, 64, 83, 102, 121, 139, 158, 177, 196, 215, 234, 254};
const std::array<int, kTipColumns> TipGrid::kColumnLeft = {146, 178, 210, 242, 274, 306};

namespace {

// Designed control numbers per row; the edits' numbers are the print's (its marks carry them too).
constexpr std::array<int, kTipRows> kRowLabel = {28, 30, 31, 32, 33, 34, 46, 48, 62, 61, 63, 64};
constexpr std::array<int, kTipRows> kHitLabel = {22, 23, 24, 25, 26, 27, 45, 47, 65, 66, 69, 70};
constexpr std::array<int, kTipRows> kSumLabel = {36, 37, 38, 39, 40, 41, 49, 50, 67, 68, 71, 72};

constexpr int kBoxWidth = 25;
constexpr int kBoxHeight = 19;
constexpr int kRowLabelLeft = 64;
constexpr int kRowLabelWidth = 78; // room for the longer translations of "12. Tipp"

const QString kLockHint = QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
const QString kClearHint = QStringLiteral("Löschen aller Tipps");
const QString kEditHint = QStringLiteral(
    "Klicken Sie hier um Tipp %1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen");

QString labelName(int n)
{
    return QStringLiteral("Label%1").arg(n);
}

// The main window writes a control's hint into status panel 1; a status tip would instead cover both
// panels with a passing message.
void setHint(QWidget* w, const QString& hint)
{
    w->setToolTip(hint);
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

TipGrid::TipGrid(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), player_(std::make_unique<QtHitSoundPlayer>())
{
    setObjectName(QStringLiteral("TipGrid"));
    QFont boxFont(QStringLiteral("Arial"));
    boxFont.setPixelSize(12);
    for (int r = 0; r < kTipRows; ++r) {
        const int y = kRowTop[r];
        auto* label = new QLabel(QStringLiteral("%1. Tipp").arg(r + 1), this);
        label->setObjectName(labelName(kRowLabel[r]));
        label->setGeometry(kRowLabelLeft, y, kRowLabelWidth, kBoxHeight);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setCursor(Qt::PointingHandCursor);
        setHint(label, kLockHint);
        setTextColour(label, windowTextColour());
        label->installEventFilter(this);
        rowLabels_[r] = label;

        for (int c = 0; c < kTipColumns; ++c) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QStringLiteral("Edit%1").arg(tipBoxEditNumber(r, c)));
            box->setGeometry(kColumnLeft[c], y, kBoxWidth, kBoxHeight);
            box->setFont(boxFont);
            box->setTextMargins(0, 0, 0, 0);
            box->installEventFilter(this);
            connect(box, &QLineEdit::textChanged, this, [this, box] { Edit1Change(box); });
            boxes_[r][c] = box;
        }

        auto* edit = new QToolButton(this);
        edit->setObjectName(QStringLiteral("Tipp%1Edit").arg(r + 1));
        edit->setText(QStringLiteral("…"));
        edit->setGeometry(kEditButtonLeft, y, 20, kBoxHeight);
        setHint(edit, kEditHint.arg(r + 1));
        connect(edit, &QToolButton::clicked, this, [this, r] { emit rowEditRequested(r); });
        editButtons_[r] = edit;

        auto* hits = new QLabel(this);
        hits->setObjectName(labelName(kHitLabel[r]));
        hits->setGeometry(kHitLabelLeft, y, 64, kBoxHeight);
        hits->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        hitLabels_[r] = hits;

        auto* sum = new QLabel(this);
        sum->setObjectName(labelName(kSumLabel[r]));
        sum->setGeometry(kSumLabelLeft, y, 40, kBoxHeight);
        sum->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        sumLabels_[r] = sum;
    }
    clearButton_ = new QToolButton(this);
    clearButton_->setObjectName(QStringLiteral("SpeedButton11"));
    clearButton_->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    clearButton_->setAutoRaise(true);
    clearButton_->setGeometry(kRowLabelLeft - 26, kRowTop[0] - 1, 22, 22);
    setHint(clearButton_, kClearHint);
    connect(clearButton_, &QToolButton::clicked, this, &TipGrid::Loeschendertipp);
    resize(sizeHint());
}

TipGrid::~TipGrid() = default;

QSize TipGrid::sizeHint() const
{
    return {kSumLabelLeft + 50, kRowTop.back() + kBoxHeight + 4};
}

void TipGrid::setSoundPlayer(std::unique_ptr<HitSoundPlayer> player)
{
    player_ = std::move(player);
}

TipRowTexts TipGrid::rowTexts(int row) const
{
    TipRowTexts t;
    for (int c = 0; c < kTipColumns; ++c) t[c] = boxes_[row][c]->text();
    return t;
}

void TipGrid::setRowTexts(int row, const TipRowTexts& texts)
{
    // Edit1Change applies the rule; an unchanged box keeps its cursor and undo history.
    for (int c = 0; c < kTipColumns; ++c)
        if (boxes_[row][c]->text() != texts[c]) boxes_[row][c]->setText(texts[c]);
}

TipRows TipGrid::texts() const
{
    TipRows rows;
    for (int r = 0; r < kTipRows; ++r) rows[r] = rowTexts(r);
    return rows;
}

void TipGrid::setTexts(const TipRows& rows)
{
    for (int r = 0; r < kTipRows; ++r) setRowTexts(r, rows[r]);
}

bool TipGrid::rowLocked(int row) const
{
    return rowLabels_[row]->palette().color(QPalette::WindowText) == kLockedColour;
}

void TipGrid::setRowLocked(int row, bool locked)
{
    setTextColour(rowLabels_[row], locked ? kLockedColour : windowTextColour());
}

QColor TipGrid::windowTextColour() const
{
    return palette().color(QPalette::WindowText);
}

QString TipGrid::interfaceText(int n) const
{
    return session_.text(n);
}

RowMatch TipGrid::Zettelcheck(const TipRowTexts& texts)
{
    rowMatch_ = razoz::Zettelcheck(texts, session_.currentDraw(), session_.ticketNumber());
    return rowMatch_;
}

void TipGrid::Komplettcheck()
{
    runCheck(session_.settingsLoaded());
}

void TipGrid::runCheck(bool allowed)
{
    tally_.reset();
    if (!allowed) return;
    const GridCheck result = razoz::Komplettcheck(texts(), session_.currentDraw(), session_.ticketNumber());
    const QColor normal = palette().color(QPalette::Base);
    for (int r = 0; r < kTipRows; ++r) {
        const RowCheck& row = result.rows[r];
        const int y = boxes_[r][0]->y();
        hitLabels_[r]->move(hitLabels_[r]->x(), y);
        sumLabels_[r]->move(sumLabels_[r]->x(), y);
        if (!row.complete) {
            for (QLineEdit* box : boxes_[r]) setBoxColour(box, normal);
            hitLabels_[r]->clear();
            setHint(hitLabels_[r], QString());
            sumLabels_[r]->clear();
            continue;
        }
        sumLabels_[r]->setText(QString::number(row.sum));
        setRowTexts(r, row.sortedTexts()); // the check tidies every complete row
        for (int c = 0; c < kTipColumns; ++c) {
            const int state = row.match.states[c];
            setBoxColour(boxes_[r][c], state == 1 ? kDrawnColour : state == 2 ? kComplementaryColour : normal);
        }
        hitLabels_[r]->setText(row.hitText);
        // The hint names the prize tier; status panel 1 shows it while the mouse is on the label.
        setHint(hitLabels_[r], prizeText(row.prize));
        setTextColour(hitLabels_[r], row.red ? QColor(Qt::red) : QColor(Qt::black));
    }
    tally_ = result.tally;
    if (result.lastMatch) rowMatch_ = *result.lastMatch;
    if (result.soundWanted() && player_) {
        player_->play(session_.hitSoundPath());
    }
    emit checked();
}

void TipGrid::setBoxColour(QLineEdit* box, const QColor& colour)
{
    if (box->palette().color(QPalette::Base) == colour) return;
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

void TipGrid::SpeedButton11Click()
{
    emptyUnlockedRows();
    runCheck(true); // clearing checks even before the settings are loaded
}

void TipGrid::emptyUnlockedRows()
{
    for (int r = 0; r < kTipRows; ++r) {
        if (rowLocked(r)) continue;
        for (QLineEdit* box : boxes_[r]) box->clear();
        hitLabels_[r]->clear();
        setHint(hitLabels_[r], QString());
        sumLabels_[r]->clear();
    }
}

int TipGrid::firstEdit(int row)
{
    return tipBoxEditNumber(row, 0);
}

void TipGrid::Loeschendertipp()
{
    if (session_.prompt().question(interfaceText(51), interfaceText(50))) SpeedButton11Click();
}

void TipGrid::Edit1Change(QLineEdit* box)
{
    const QString text = normalizeBoxText(box->text());
    if (text != box->text()) box->setText(text); // changes again, once, to a text the rule keeps
}

void TipGrid::Edit1Exit(QLineEdit* box)
{
    Q_UNUSED(box);
    if (session_.settingsLoaded()) Komplettcheck();
}

void TipGrid::Label30Click(QLabel* label)
{
    const QColor now = label->palette().color(QPalette::WindowText);
    setTextColour(label, now == windowTextColour() ? kLockedColour : windowTextColour());
}

bool TipGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control leaves the box; switching windows, opening a menu or closing
        // the window (its owner may be going away) does not.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && isVisible() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Edit1Exit(box);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
            Label30Click(label);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace razoz
