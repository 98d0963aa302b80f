#pragma once
// The row tools of the "Lottotipp" page: editing a row in the number list (Tipp1Edit … Tipp12Edit),
// the lucky number, the tip text file "Tipp.txt" and the tip distribution chart.
#include <QObject>

namespace razoz {

class DiagrammPage;
class LottotippPage;
class Session;
class TForm6;

class TipRowActions : public QObject {
    Q_OBJECT
public:
    // Connects itself to the page's buttons.
    TipRowActions(Session& session, LottotippPage& page, DiagrammPage& diagramm, TForm6& numberList,
                  QObject* parent = nullptr);

public slots:
    // Tipp1EditClick … Tipp12EditClick: the list's caption names the row, then TippEdit.
    void TippEditClick(int row);
    // Edits the row of the boxes "Edit<first>" … "Edit<last>" in the number list.
    void TippEdit(int first, int last);
    // "Glückszahl setzen": seeds the random generator with the user's lucky number.
    void SpeedButton13Click();
    // "Tipp": writes "Tipp.txt" and hands it to the system's viewer.
    void BitBtn7Click();
    // "Tippverteilung": how often each number occurs in the rows, on the "Diagramm" page.
    void Button6Click();

private:
    Session& session_;
    LottotippPage& page_;
    DiagrammPage& diagramm_;
    TForm6& numberList_;
};

} // namespace razoz
