#pragma once
// The "Berechnung" page: the calculation settings on four inner pages, each a class of its own that
// owns its rows and chart shortcuts.
#include <QWidget>

class QLabel;
class QTabWidget;

namespace razoz {

class AllgemeinPage;
class DiagrammPage;
class MathematischPage;
class ScheinOptimierungPage;
class Session;
class StatistischPage;

class BerechnungPage : public QWidget {
    Q_OBJECT
public:
    BerechnungPage(Session& session, DiagrammPage& diagramm, QWidget* parent = nullptr);

    QTabWidget* PageControl2;
    StatistischPage* Statistisch;
    ScheinOptimierungPage* ScheinOptimierung;
    MathematischPage* Mathematisch;
    AllgemeinPage* Allgemein;
    // The draw the calculation ends at: the shown one, from which "the last N draws" count back.
    QLabel* shownDraw;

private:
    void showDraw();
    Session& session_;
};

} // namespace razoz
