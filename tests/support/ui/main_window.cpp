#include "main_window.h"

#include <QAction>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace razoz::test {

MainWindow::MainWindow(MainWindowOptions options) : ownDir_(std::in_place), dir_(&*ownDir_), form(environment(options))
{
    start(options);
}

MainWindow::MainWindow(const ProgramDir& dir, MainWindowOptions options) : dir_(&dir), form(environment(options))
{
    start(options);
}

// Prepares the folder, before the window exists.
TForm1::Environment MainWindow::environment(const MainWindowOptions& options)
{
    if (options.installData) dir_->copyInstallData();
    if (options.shippedArchive) {
        QFile::remove(dir_->archivePath());
        EXPECT_TRUE(QFile::copy(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat"), dir_->archivePath()));
    }
    return {dir_->path(), &prompt, options.arguments, options.settingsFile ? dir_->file("settings.ini") : QString(),
            [this](const QUrl& url) {
                opened << url;
                return true;
            }};
}

void MainWindow::start(const MainWindowOptions& options)
{
    if (options.size.isValid()) form.resize(options.size);
    if (options.show) show();
}

void MainWindow::show()
{
    form.show();
    QTest::qWait(1);
}

QStringList MainWindow::openedAddresses() const
{
    QStringList texts;
    for (const QUrl& url : opened) texts << url.toString();
    return texts;
}

QAction* MainWindow::action(const char* name) const
{
    return form.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace razoz::test
