#pragma once
// "Schein Optimierung", the second inner page of "Berechnung": the rules between the rows of one slip.
#include <QWidget>

namespace razoz {

class Session;

class ScheinOptimierungPage : public QWidget {
    Q_OBJECT
public:
    explicit ScheinOptimierungPage(Session& session, QWidget* parent = nullptr);

private:
    Session& session_;
};

} // namespace razoz
