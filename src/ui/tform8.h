#pragma once
// "Positionierung des Scheindruckes": the geometry of the user-defined slip positioning. Plain
// text edits, read as integers only when the slip is printed.
#include "print/slip.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace razoz {

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    PositioningTexts positioning() const;
    void setPositioning(const PositioningTexts& texts);
    int layoutItem() const;
    void setLayoutItem(int item);

    QGroupBox* RadioGroup1;
    std::array<QRadioButton*, 2> RadioGroup1Items{};
    std::array<QLineEdit*, 24> edits{}; // Edit1 … Edit23 at their numbers
    QPushButton* BitBtn1;
};

} // namespace razoz
