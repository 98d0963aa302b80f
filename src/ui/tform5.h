#pragma once
// "Druckeeinstellungen für den Lottoschein": draw days, add-on games and their cost, the ticket
// number of the paper slip, the state-lottery preset, the offsets, the paper and the mark font.
// The print look is the form's own; setOnlineLook switches to the look of online submission.
#include "base/interface_texts.h"
#include "base/prompt.h"
#include "print/slip.h"
#include "print/ticket_number.h"

#include <QDialog>
#include <QFont>

#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace razoz {

class TForm8;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5(TForm8& form8, Prompt& prompt, const InterfaceTexts& texts, QWidget* parent = nullptr);

    // Handed in by the print action before the dialog is shown.
    void setPlayedRows(int n) { rows_ = n; }
    void setFees(double oneDraw, double bothDraws);
    void setFixedLastDigit(int digit);
    int fixedLastDigit() const { return fixedLast_; }
    void setArchivePath(const QString& path) { archivePath_ = path; }
    // Draws digits for a new ticket number (0..n-1); default: the program's generator.
    void setRandomSource(std::function<int(int)> random) { random_ = std::move(random); }
    // Picks the mark font; default: the font dialog.
    void setFontChooser(std::function<std::optional<QFont>(const QFont&)> chooser) { chooseFont_ = std::move(chooser); }

    void setOnlineLook(bool online);

    // Read after the dialog closed.
    QString Losnummer() const { return losnummer_; }
    TicketDigits digits() const;
    void setDigits(const TicketDigits& d);
    int presetItem() const;
    void setPresetItem(int item); // runs RadioGroup1Click, also when the item stays
    static TriState triState(const QCheckBox* box);
    static void setTriState(QCheckBox* box, TriState state);
    SlipFont markFont() const;
    SlipCostInput costInput() const;

    // Controls, by their designed names.
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    std::array<QSpinBox*, 10> UpDown{}; // UpDown1, UpDown2 (offsets), UpDown3 … UpDown9 (digits)
    QToolButton *SpeedButton2, *SpeedButton3, *SpeedButton4;
    QGroupBox* RadioGroup1;
    QButtonGroup* presetGroup;
    QPushButton* anpassen;
    QComboBox* ComboBox1;
    QPushButton* SpeedButton1;
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3;
    QGroupBox* RadioGroup2;

public slots:
    void CheckBox1Click();
    void RadioGroup1Click();
    void anpassenClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Edit9Change();
    void CheckBox7Click();
    void BitBtn2Click();
    void BitBtn3Click();

private:
    TForm8& form8_;
    Prompt& prompt_;
    const InterfaceTexts& texts_;
    int rows_ = 0;
    double feeOne_ = 0.50, feeBoth_ = 1.00;
    int fixedLast_ = 0;
    QString archivePath_;
    QString losnummer_;
    std::function<int(int)> random_;
    std::function<std::optional<QFont>(const QFont&)> chooseFont_;
};

} // namespace razoz
