#pragma once
// The "Lottotipp" page: the draw panel on top, the tip grid below, the calculation buttons beside it.
#include "archive/draw_filter.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace razoz {

class ClickLabel;
class SpinControl;
class Session;
class TipGrid;

class LottotippPage : public QWidget {
    Q_OBJECT
public:
    // Shows every draw the session announces and reports the draw-day boxes to it.
    explicit LottotippPage(Session& session, QWidget* parent = nullptr);

    // Checks both boxes into the given state.
    void setDrawDays(DrawDays days);
    void showTicketLabel(const QString& text);
    void showSum();

    TipGrid* tipGrid; // the twelve tip rows, placed relative to the page's top-left

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
    QPushButton* BitBtn4;       // "Tipps &berechnen"
    SpinControl* Edit80;        // UpDown8: number of rows to compute
    QToolButton* SpeedButton13; // "Glückszahl setzen"
    QPushButton* OnlineTipp;    // "Tipp &abgeben": the tips to the click-script robot
    // Beside the grid: its rows to a tip file and back.
    QToolButton* SpeedButton15; // save
    QToolButton* SpeedButton16; // load
    // The rows as a text file, and how often each number occurs in them.
    QPushButton* BitBtn7;      // "Tipp"
    QPushButton* Button6;      // "Tippverteilung"
    QToolButton* SpeedButton4; // "Tipps in DB suchen": have these rows ever won?
    QPushButton* TiersButton;  // "Gewinnklassen": how often they would have won each tier
    // Banners
    QFrame* Panel8;
    ClickLabel* Label43;
    QFrame* Panel9;
    ClickLabel* Label44;

signals:
    // A click on a banner or its label: the product's web page.
    void productPageRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void showCurrentDraw();
    void reportDrawDays();
    Session& session_;
};

} // namespace razoz
