#pragma once
// The main window as the window tests start it: a scripted prompt, the addresses and files it hands
// to the system recorded, in a program folder of its own or the test's, shown with its start-up done.
#include "test_support.h"
#include "ui/tform1.h"

#include <QList>
#include <QSize>
#include <QStringList>
#include <QUrl>

#include <optional>

class QAction;

namespace razoz::test {

struct MainWindowOptions {
    bool installData = false;    // the installation data (land/, sounds …) copied into the folder first
    bool shippedArchive = false; // the folder's archive replaced by a copy of the shipped one
    bool settingsFile = true;    // settings.ini in the folder; false: the test program's settings store
    QStringList arguments = {};  // the command line after the program name
    QSize size = {};             // the window's size before it shows, when valid
    bool show = true;            // false: the test prepares the window and calls show() itself
};

class MainWindow {
    // The folder comes before the window that uses it and goes after it.
    std::optional<ProgramDir> ownDir_;
    const ProgramDir* dir_;

public:
    // In a program folder of its own.
    explicit MainWindow(MainWindowOptions options = {});
    // In the test's program folder, which outlives the window.
    explicit MainWindow(const ProgramDir& dir, MainWindowOptions options = {});
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window and lets its start-up run.
    void show();

    const ProgramDir& dir() const { return *dir_; }
    QStringList openedAddresses() const; // `opened` as text
    QAction* action(const char* name) const;
    template <class W> W* control(const char* name) const { return form.findChild<W*>(QString::fromLatin1(name)); }

    ScriptedPrompt prompt;
    QList<QUrl> opened; // what the window handed to the system's viewer, in order
    TForm1 form;

private:
    TForm1::Environment environment(const MainWindowOptions& options);
    void start(const MainWindowOptions& options);
};

} // namespace razoz::test
