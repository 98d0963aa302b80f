#pragma once
// The grid the calculation settings pages share: a narrow column for the chart shortcuts, the
// captions, then the values, so the edits of one page stand under each other. Headings and notes
// span the lines; a sentence with edits inside takes a line of its own.
#include <QGridLayout>

class QLabel;
class QLayout;
class QWidget;

namespace razoz {

class SettingsPageLayout {
public:
    explicit SettingsPageLayout(QWidget* page);

    // A section title: bold, a little space above it (but not at the top).
    void heading(QLabel* label);
    // An explanation under the rules it explains, wrapped to the width of the page.
    void note(QLabel* label);
    // A rule: its chart shortcuts (may be null), its caption and its value (may be null).
    void rule(QWidget* chart, QWidget* caption, QWidget* value = nullptr);
    // A line read as one sentence (caption, edits and texts in a row).
    void sentence(QWidget* chart, QLayout* line);
    void sentence(QWidget* chart, QWidget* line);
    // The rows start at the top; what is left of the page stays empty below them.
    void finish();

private:
    QGridLayout* grid_;
    int row_ = 0;
};

} // namespace razoz
