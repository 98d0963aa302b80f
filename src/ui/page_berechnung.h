#pragma once
// The "Berechnung" page: the calculation settings on four inner pages.
#include <QWidget>

class QTabWidget;

namespace razoz {

class BerechnungPage : public QWidget {
    Q_OBJECT
public:
    explicit BerechnungPage(QWidget* parent = nullptr);

    QTabWidget* PageControl2;
    QWidget* Statistisch;
    QWidget* ScheinOptimierung;
    QWidget* Mathematisch;
    QWidget* Allgemein;
};

} // namespace razoz
