#pragma once
// "Allgemein", the fourth inner page of "Berechnung": the general calculation settings.
#include <QWidget>

namespace razoz {

class Session;

class AllgemeinPage : public QWidget {
    Q_OBJECT
public:
    explicit AllgemeinPage(Session& session, QWidget* parent = nullptr);

private:
    Session& session_;
};

} // namespace razoz
