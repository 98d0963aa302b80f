#include "ui/tform1.h"

namespace razoz {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tallwicks Razoz-Quorex  6 aus 49  La Dovovuduv Espania"));
}

} // namespace razoz
