// razoz: the desktop program.
#include "ui/tform1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tallwicks Razoz"));
    razoz::TForm1 window;
    window.show();
    return app.exec();
}
