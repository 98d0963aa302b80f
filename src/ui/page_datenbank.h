#pragma once
// The "Datenbank" page: the shown draw, its date, and the archive actions.
#include <QWidget>

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QToolButton;

namespace razoz {

class DatenbankStatsButtons;
class DiagrammPage;
class Session;

class DatenbankPage : public QWidget {
    Q_OBJECT
public:
    // The health line of the archive (Label99): its draws, gaps and last draw, or why it cannot be read.
    void showArchiveHealth();
    // Shows every draw the session announces and reports every date picked as the end of the range.
    DatenbankPage(Session& session, DiagrammPage& diagramm, QWidget* parent = nullptr);

    QLabel* Label29;               // draw text
    QDateEdit* DateTimePicker1;    // date of the current draw, end of the evaluated range
    QToolButton* SpeedButton5;     // check against the draw of the chosen date
    QPushButton* BitBtn1;          // "&Datenbank aktualisieren"
    QToolButton* SpeedButton8;     // stops the update, visible only while it runs
    QPushButton* BitBtn2;          // "Datenbank neu anlegen"
    QPushButton* BitBtn8;          // "Eingeben"
    QPushButton* BitBtn6;          // "Löschen"
    QPushButton* BitBtn10;         // "CSV einlesen": draws from a results list
    QLabel* Label99;               // the archive's health
    DatenbankStatsButtons* charts; // Button5 … Button11
    // The historical analyses from the picker's date on.
    QLabel* Label94;       // explains the parameter analysis
    QPushButton* BitBtn9;  // parameter analysis
    QCheckBox* CheckBox31; // keep the rows until one has scored 3
    QLabel* Label95;       // explains the repeat analysis
    QPushButton* BitBtn19; // repeat analysis

private:
    void showCurrentDraw();
    Session& session_;
};

// The hint both date pickers share.
extern const char* const kPickerHint;

} // namespace razoz
