#pragma once
// The "Diagramm" page (the chart of the statistics).
#include <QWidget>

namespace razoz {

class DiagrammPage : public QWidget {
    Q_OBJECT
public:
    explicit DiagrammPage(QWidget* parent = nullptr);
};

} // namespace razoz
