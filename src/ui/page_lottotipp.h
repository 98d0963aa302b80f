#pragma once
// The "Lottotipp" page: the draw panel on top, the tip grid below, the calculation buttons beside it.
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace razoz {

class ClickLabel;

class LottotippPage : public QWidget {
    Q_OBJECT
public:
    explicit LottotippPage(QWidget* parent = nullptr);

    // Where the tip grid goes: its controls are placed relative to the page's top-left.
    void setTipGrid(QWidget* grid);

    // Draw panel Panel4
    QFrame* Panel4;
    QToolButton* SpeedButton10; // update
    QToolButton* SpeedButton6;  // previous draw
    QLabel* Label35;            // draw text
    QToolButton* SpeedButton7;  // next draw
    QLabel* Label13;            // "QS: "
    ClickLabel* Losnummer;      // ticket number
    QCheckBox* CheckBox16;      // "Samstag Ziehungen"
    QCheckBox* CheckBox17;      // "Donnerstag Ziehungen"
    // Calculation panel Panel3
    QFrame* Panel3;
    QPushButton* BitBtn4; // "Tipps &berechnen"
    // Banners
    QFrame* Panel8;
    ClickLabel* Label43;
    QFrame* Panel9;
    ClickLabel* Label44;

private:
    QWidget* grid_ = nullptr;
};

} // namespace razoz
