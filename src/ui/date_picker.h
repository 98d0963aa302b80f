#pragma once
// The date pickers: a date edit with the calendar pop-up that also takes a date typed in one go,
// "17.10.1985" or "17101985" (also with "," "/" "-"), starting at the beginning of the field. A date
// it may not take (before the earliest draw day, or one that does not exist) is refused visibly:
// the field turns red and says why, and the date shown before stays.
#include <QDate>
#include <QDateEdit>

namespace razoz {

// What a typed text means while typing (finished false) or when the user leaves the field.
struct TypedDate {
    enum Kind { Incomplete, Complete, Bad } kind = Incomplete;
    QDate date; // for Complete: the date named, which may be invalid (31.02.)
};
// finished: a short text names the day ("5"), day and month ("5.3", "0503") of the current date.
TypedDate readTypedDate(const QString& typed, QDate current, bool finished);

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    // The explanation shown when a date is refused (numbered interface text of the language).
    void setRefusalText(const QString& text) { refusalText_ = text; }
    const QString& refusalText() const { return refusalText_; }
    // True from a refusal until a date is accepted or typing starts again.
    bool isRefused() const { return refused_; }
    // Sets the refusal text of every picker under root.
    static void setRefusalTextAll(QObject* root, const QString& text);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void refused(const QString& typed);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void typed();
    void finishTyping();
    void accept(QDate date);
    void refuse();
    void showDate();
    void markRefused(bool on);

    bool typing_ = false;
    bool refused_ = false;
    QString buffer_;
    QDate keptDate_; // the date shown when the last refusal came
    QString refusalText_;
};

} // namespace razoz
