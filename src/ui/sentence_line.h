#pragma once
// One line that reads as a sentence: captions, edits and texts side by side at their natural widths,
// whatever length a language gives them.
#include <QHBoxLayout>
#include <QList>
#include <QWidget>

class QLabel;

namespace razoz {

class Session;

// Puts the widgets on one line, left-aligned, the rest of the line empty.
QHBoxLayout* sentenceLine(std::initializer_list<QWidget*> parts);

// A label designed as one text with wide gaps of blanks where edits stand ("Quersummen von      bis
// …"). The whole text stays in the named label (the language files read and write it there); the
// line shows the pieces between the gaps with the edits in between, and splits the text again
// whenever the session's language changes.
class GapSentence : public QWidget {
    Q_OBJECT
public:
    // `name`: the designed label's name; `edits`: the edits, one per gap, in reading order.
    GapSentence(Session& session, const char* name, const QString& text, QList<QWidget*> edits,
                QWidget* parent = nullptr);
    QLabel* label() const { return label_; }
    // The pieces as shown, in reading order.
    QStringList pieces() const;
    void split();

private:
    QLabel* label_;
    QList<QLabel*> pieces_;
};

} // namespace razoz
