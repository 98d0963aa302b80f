#pragma once
// The prompt interface over Qt's message boxes, input box and file dialogs.
#include "base/prompt.h"

class QWidget;

namespace razoz {

class QtPrompt : public Prompt {
public:
    explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void information(const QString& text, const QString& caption = {}) override;
    void error(const QString& text) override;
    bool question(const QString& caption, const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& value) override;
    QString openFileName(const QString& caption, const QString& filter, const QString& folder) override;
    QString saveFileName(const QString& caption, const QString& filter, const QString& defaultSuffix,
                         const QString& proposedPath) override;
    QStringList openFileNames(const QString& caption, const QString& filter, const QString& folder) override;
    QString folderName(const QString& caption, const QString& folder) override;

private:
    QWidget* parent_;
};

// "Textdatei|*.txt" → "Textdatei (*.txt)".
QString qtFileFilter(const QString& filter);

} // namespace razoz
