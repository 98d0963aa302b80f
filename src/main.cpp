// razoz: the desktop program.
#include "app/program_folder.h"
#include "app/termination_signal.h"
#include "app/version.h"
#include "base/text_files.h"
#include "ui/language_applier.h"
#include "ui/tform1.h"
#include "ui/windows.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before the QApplication exists: they need no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("razoz %s\n", razoz::kVersion);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs("usage: razoz [--program-folder DIR] [--settings FILE] [D FILE.wtp]\n"
                       "  the desktop program; D FILE.wtp prints the slip of a tip file and closes\n",
                       stdout);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallwicks Razoz"));
    QStringList args = app.arguments().mid(1);
    QString folder;
    const int at = args.indexOf(QStringLiteral("--program-folder"));
    if (at >= 0 && at + 1 < args.size()) {
        folder = args[at + 1];
        args.remove(at, 2);
    }
    // Developer tool: --export-base FILE writes the control text file of the windows as designed
    // (the windows are created, not shown, so no settings or language touch them).
    QString exportBase;
    const int exportAt = args.indexOf(QStringLiteral("--export-base"));
    if (exportAt >= 0 && exportAt + 1 < args.size()) {
        exportBase = args[exportAt + 1];
        args.remove(exportAt, 2);
    }
    QString settingsFile;
    const int settingsAt = args.indexOf(QStringLiteral("--settings"));
    if (settingsAt >= 0 && settingsAt + 1 < args.size()) {
        settingsFile = args[settingsAt + 1];
        args.remove(settingsAt, 2);
    }
    razoz::TForm1::Environment env;
    env.settingsFile = settingsFile;
    env.programFolder = razoz::resolveProgramFolder(folder, QApplication::applicationDirPath());
    env.arguments = args;
    // RAZOZ_OPEN_LOG records what would be opened instead of opening it (the program's own tests).
    const QString openLog = qEnvironmentVariable("RAZOZ_OPEN_LOG");
    if (openLog.isEmpty()) {
        env.opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    } else {
        env.opener = [openLog](const QUrl& url) {
            QFile log(openLog);
            if (!log.open(QIODevice::Append | QIODevice::Text)) return false;
            log.write(url.toString().toUtf8() + '\n');
            return true;
        };
    }
    razoz::TForm1 window(std::move(env));
    if (!exportBase.isEmpty())
        return razoz::writeUtf8Lines(exportBase, razoz::exportLanguage(razoz::applicationWindows()).baseLines()) ? 0
                                                                                                                 : 1;
    razoz::closeOnTerminationSignal(&window, [&window] { window.close(); });
    window.show();
    return app.exec();
}
