#include "ui/date_picker.h"

#include "archive/dates.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolTip>

namespace razoz {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('/') || c == QLatin1Char('-');
}

} // namespace

TypedDate readTypedDate(const QString& typed, QDate current, bool finished)
{
    QString text = typed;
    for (QChar& c : text)
        if (isSeparator(c)) c = QLatin1Char('.');
    static const QRegularExpression digitsOnly(QStringLiteral("^[0-9]{0,8}$"));
    static const QRegularExpression withDots(
        QStringLiteral("^([0-9]{1,2})(?:\\.(?:([0-9]{1,2})(?:\\.([0-9]{0,4}))?)?)?$"));
    const auto complete = [](int d, int m, int y) { return TypedDate{TypedDate::Complete, QDate(y, m, d)}; };
    if (digitsOnly.match(text).hasMatch()) {
        const int n = int(text.size());
        if (n == 8) return complete(text.left(2).toInt(), text.mid(2, 2).toInt(), text.mid(4).toInt());
        if (!finished) return {};
        if (n == 1 || n == 2) return complete(text.toInt(), current.month(), current.year());
        if (n == 4) return complete(text.left(2).toInt(), text.mid(2, 2).toInt(), current.year());
        return {TypedDate::Bad, {}};
    }
    const QRegularExpressionMatch m = withDots.match(text);
    if (!m.hasMatch()) return {TypedDate::Bad, {}};
    const int day = m.captured(1).toInt();
    const QString month = m.captured(2), year = m.captured(3);
    if (year.size() == 4) return complete(day, month.toInt(), year.toInt());
    if (!finished) return {};
    if (!year.isEmpty()) return {TypedDate::Bad, {}};
    return complete(day, month.isEmpty() ? current.month() : month.toInt(), current.year());
}

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setCalendarPopup(true);
    setMinimumDate(fromDays(kEarliestDrawDay));
    refusalText_ = QStringLiteral("Bitte ein gültiges Datum ab dem 17.10.1985 eingeben");
    // A date set by the program (or picked in the calendar) ends a refusal; Enter re-emits the date kept.
    connect(this, &QDateEdit::dateChanged, this, [this](QDate d) {
        if (d != keptDate_) markRefused(false);
    });
}

void DatePicker::setRefusalTextAll(QObject* root, const QString& text)
{
    for (DatePicker* p : root->findChildren<DatePicker*>()) p->setRefusalText(text);
}

QValidator::State DatePicker::validate(QString& input, int& pos) const
{
    // While a date is typed in one go the text is ours; the sections take over again afterwards.
    if (typing_) return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

void DatePicker::fixup(QString& input) const
{
    if (!typing_) QDateEdit::fixup(input);
}

void DatePicker::keyPressEvent(QKeyEvent* e)
{
    const QString t = e->text();
    const bool plain = !(e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    const bool dateChar = plain && t.size() == 1 && (t[0].isDigit() || isSeparator(t[0]));
    if (!isReadOnly() && dateChar) {
        // Typing starts at the beginning of the field (or over the whole text); inside the field the
        // digits edit their section as before.
        QLineEdit* edit = lineEdit();
        const bool allSelected = edit->hasSelectedText() && edit->selectedText().size() == edit->text().size();
        if (!typing_ || allSelected) {
            const bool atStart =
                edit->selectionStart() == 0 || (!edit->hasSelectedText() && edit->cursorPosition() == 0);
            if (!atStart || !t[0].isDigit()) {
                QDateEdit::keyPressEvent(e);
                return;
            }
            typing_ = true;
            buffer_.clear();
            markRefused(false);
        }
        if (buffer_.size() < 10) buffer_ += t;
        typed();
        return;
    }
    if (typing_ && plain && e->key() == Qt::Key_Backspace) {
        buffer_.chop(1);
        markRefused(false);
        if (buffer_.isEmpty()) {
            typing_ = false;
            showDate();
        } else {
            typed();
        }
        return;
    }
    if (typing_ && e->key() == Qt::Key_Escape) {
        typing_ = false;
        markRefused(false);
        showDate();
        return;
    }
    if (typing_) finishTyping();
    QDateEdit::keyPressEvent(e);
}

void DatePicker::focusOutEvent(QFocusEvent* e)
{
    if (typing_) finishTyping();
    QDateEdit::focusOutEvent(e);
}

void DatePicker::typed()
{
    lineEdit()->setText(buffer_);
    lineEdit()->setCursorPosition(int(buffer_.size()));
    const TypedDate r = readTypedDate(buffer_, date(), false);
    if (r.kind == TypedDate::Incomplete) return;
    if (r.kind == TypedDate::Complete && r.date.isValid() && r.date >= minimumDate() && r.date <= maximumDate())
        accept(r.date);
    else
        refuse();
}

void DatePicker::finishTyping()
{
    const TypedDate r = readTypedDate(buffer_, date(), true);
    if (r.kind == TypedDate::Complete && r.date.isValid() && r.date >= minimumDate() && r.date <= maximumDate()) {
        accept(r.date);
        return;
    }
    if (!refused_) refuse();
    typing_ = false;
    showDate();
}

void DatePicker::accept(QDate d)
{
    typing_ = false;
    markRefused(false);
    setDate(d);
    showDate();
}

void DatePicker::refuse()
{
    // The typed text stays for correcting (backspace); leaving the field shows the date kept.
    keptDate_ = date();
    markRefused(true);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), refusalText_, this);
    emit refused(buffer_);
}

void DatePicker::showDate()
{
    lineEdit()->setText(textFromDateTime(dateTime()));
}

void DatePicker::markRefused(bool on)
{
    if (refused_ == on) return;
    refused_ = on;
    QPalette p = palette();
    if (on)
        p.setColor(QPalette::Base, QColor(255, 200, 200));
    else
        p = QPalette();
    setPalette(p);
    lineEdit()->setPalette(p);
}

} // namespace razoz
