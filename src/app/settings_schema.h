#pragma once
// Every value of the per-user settings store, as settings_table.h lists it: its name, type, the
// control it belongs to, its default and the group it is read in at start-up. The store keeps the
// designed value names.
#include <QList>
#include <QString>
#include <QVariant>

namespace razoz {

// Stored forms: Bool and Int as integers, String as text, Date as an 8-byte double (days since
// 30.12.1899), Byte as a one-byte binary value.
enum class SettingType { Bool, Int, String, Date, Byte };

// Start-up reads the values group by group; a value of the wrong type ends its group.
enum class SettingGroup {
    CheckBoxes,  // check boxes, slip flags, window size, print offsets
    Parameters,  // language, spin controls, tip grid
    Losnummer,   // ticket number (not guarded)
    Positioning, // slip positioning window
    PrintFont,   // print font, paper and submission mode (not guarded)
    Fees,        // handling fees
    Browser,     // link page switch
    Internet,    // start page, proxy, results server
    StartDate,   // start of the evaluated range
    NotStored,   // held while the program runs, never read from or written to the store
};

// How a value reaches its control.
enum class SettingBinding {
    Field,   // a value of the program, not a control
    Control, // check box, spin box, line edit, date edit, radio group or combo box by name
    WindowHeight,
    WindowWidth,
    FontStyle, // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    FontColor, // Windows colour value 0x00BBGGRR
    FontSize,  // points
    FontName,
};

struct SettingDef {
    QString name; // the stored name
    SettingType type;
    SettingGroup group;
    SettingBinding binding;
    QString window;               // objectName of the window ("Form1", "Form5", "Form8")
    QString control;              // objectName of the control
    QVariant defaultValue;        // invalid when the design value of the control decides
    int minimum = 0, maximum = 0; // spin range (both 0: none)
    int index = 0;                // row of the table
    int writePosition = 0;        // place in the shut-down write order, 0 when never stored
    const char* codeName = "";    // the name of its key constant

    bool stored() const { return writePosition > 0; }
};

// Every row of the settings table (index = row), the values never stored included.
const QList<SettingDef>& settingsTable();
// Every stored value, in start-up reading order.
const QList<SettingDef>& settingsSchema();
// The value stored under that name; nullptr for an unknown name or one that is never stored.
const SettingDef* findSetting(const QString& name);
// The values of one group in reading order.
QList<const SettingDef*> settingsOfGroup(SettingGroup group);
// Every stored value in the order they are written at shut-down.
const QList<const SettingDef*>& settingsInWriteOrder();
// Their names.
const QStringList& settingsWriteOrder();

} // namespace razoz
