// razoz: the desktop program.
#include "app/program_folder.h"
#include "ui/tform1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallwicks Razoz"));
    QStringList args = app.arguments().mid(1);
    QString folder;
    const int at = args.indexOf(QStringLiteral("--program-folder"));
    if (at >= 0 && at + 1 < args.size()) {
        folder = args[at + 1];
        args.remove(at, 2);
    }
    razoz::TForm1::Environment env;
    env.programFolder = razoz::resolveProgramFolder(folder, QApplication::applicationDirPath());
    env.arguments = args;
    razoz::TForm1 window(std::move(env));
    window.show();
    return app.exec();
}
