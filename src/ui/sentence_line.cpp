#include "ui/sentence_line.h"

#include "app/session.h"

#include <QLabel>
#include <QRegularExpression>

namespace razoz {

QHBoxLayout* sentenceLine(std::initializer_list<QWidget*> parts)
{
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    for (QWidget* w : parts) line->addWidget(w);
    line->addStretch(1);
    return line;
}

GapSentence::GapSentence(Session& session, const char* name, const QString& text, QList<QWidget*> edits,
                         QWidget* parent)
    : QWidget(parent)
{
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    label_ = new QLabel(text, this);
    label_->setObjectName(QString::fromLatin1(name));
    label_->hide();
    for (int i = 0; i <= edits.size(); ++i) {
        auto* piece = new QLabel(this);
        pieces_ << piece;
        line->addWidget(piece);
        if (i < edits.size()) line->addWidget(edits[i]);
    }
    line->addStretch(1);
    split();
    connect(&session, &Session::languageChanged, this, &GapSentence::split);
}

QStringList GapSentence::pieces() const
{
    QStringList out;
    for (const QLabel* p : pieces_) out << p->text();
    return out;
}

void GapSentence::split()
{
    // A gap is a run of at least two blanks; a translation with fewer gaps leaves the last pieces
    // empty, one with more keeps the surplus text in the last piece.
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    QStringList parts = label_->text().trimmed().split(gap);
    while (parts.size() > pieces_.size()) {
        const QString last = parts.takeLast();
        parts.last() += QLatin1Char(' ') + last;
    }
    for (int i = 0; i < pieces_.size(); ++i) pieces_[i]->setText(parts.value(i));
}

} // namespace razoz
