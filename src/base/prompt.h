#pragma once
// Every message box, input box and file dialog of the program goes through this interface:
// the windows show real dialogs, tests answer scripted, razoz-cli never asks.
#include <QString>
#include <QStringList>

#include <optional>

namespace razoz {

class Prompt {
public:
    virtual ~Prompt() = default;

    // Information box with an OK button.
    virtual void information(const QString& text, const QString& caption = {}) = 0;
    // The window system's error dialog for a failed action.
    virtual void error(const QString& text) = 0;
    // Yes/No box; true for Yes.
    virtual bool question(const QString& caption, const QString& text) = 0;
    // One-line input box; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& value) = 0;
    // File dialogs; an empty string when cancelled. `filter` is "Description|*.ext".
    virtual QString openFileName(const QString& caption, const QString& filter, const QString& folder) = 0;
    virtual QString saveFileName(const QString& caption, const QString& filter, const QString& defaultSuffix,
                                 const QString& proposedPath) = 0;
    // Several files at once; empty when cancelled. Where no such dialog exists: one file.
    virtual QStringList openFileNames(const QString& caption, const QString& filter, const QString& folder)
    {
        const QString one = openFileName(caption, filter, folder);
        return one.isEmpty() ? QStringList() : QStringList{one};
    }
    // A folder; empty when cancelled (or where no folder can be chosen).
    virtual QString folderName(const QString& caption, const QString& folder) { return {}; }
};

} // namespace razoz
