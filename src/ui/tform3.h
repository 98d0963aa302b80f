#pragma once
// TForm3 "Zahlen der Ziehung eingeben": the entry dialog of BitBtn8, created anew for each entry.
#include "archive/draw_record.h"

#include <QDialog>

#include <array>
#include <optional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace razoz {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Fills the controls from the reference record (the hidden digit fields included).
    void load(const DrawRecord& reference);
    // The record the controls hold; nullopt when a hidden digit field is no digit 0..9.
    std::optional<DrawRecord> record() const;

    QDateEdit* DateTimePicker1;
    std::array<QSpinBox*, 8> Edit{}; // Edit1..Edit8, each also carrying its up-down's name (UpDown1..8)
    std::array<QLineEdit*, 7> S77{}; // S77_1..S77_7, hidden
    std::array<QLineEdit*, 6> SS{};  // SS_1..SS_6, hidden
    QPushButton* BitBtn1;            // abort
    QPushButton* BitBtn2;            // OK
};

// Shows the dialog modally: the typed record on OK; nullopt when cancelled or when a hidden digit
// field holds no digit (nothing is then written).
std::optional<DrawRecord> enterDrawDialog(const DrawRecord& reference, QWidget* parent);

} // namespace razoz
