#pragma once
// The main window.
#include <QMainWindow>

namespace razoz {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

} // namespace razoz
