#pragma once
// The numbered interface texts of the current language: text n is line n of the message file.
#include <QString>
#include <QStringList>

namespace razoz {

class InterfaceTexts {
public:
    InterfaceTexts() = default;
    explicit InterfaceTexts(QStringList lines) : lines_(std::move(lines)) {}

    // Empty for a number past the end of a short or missing file: the program never fails on it.
    QString text(int n) const { return n >= 0 && n < lines_.size() ? lines_.at(n) : QString(); }
    const QStringList& lines() const { return lines_; }
    void setLines(QStringList lines) { lines_ = std::move(lines); }

private:
    QStringList lines_;
};

} // namespace razoz
