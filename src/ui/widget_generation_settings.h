#pragma once
// The calculation settings over the live controls of the windows: each check box, spin control and
// date picker is found once, when the object is made, and read at the moment the calculation asks
// (on every candidate), so a change the user makes while it runs counts at once. A setting whose
// control does not exist reads its value from the session's settings values.
#include "app/stored_generation_settings.h"
#include "generate/generation_settings.h"

#include <QPointer>

#include <array>

class QCheckBox;
class QDateEdit;
class QSpinBox;
class QWidget;

namespace razoz {

class Session;

class WidgetGenerationSettings : public GenerationSettings {
public:
    // `mainWindow`: the window whose controls hold the calculation settings (the dialogs have
    // controls of the same names, so they are not searched).
    WidgetGenerationSettings(QWidget* mainWindow, Session& session);
    ~WidgetGenerationSettings() override;

    bool checkBox1() const override { return check(1); }
    bool checkBox2() const override { return check(2); }
    bool checkBox3() const override { return check(3); }
    bool checkBox4() const override { return check(4); }
    bool checkBox5() const override { return check(5); }
    bool checkBox6() const override { return check(6); }
    bool checkBox7() const override { return check(7); }
    bool checkBox8() const override { return check(8); }
    bool checkBox9() const override { return check(9); }
    bool checkBox10() const override { return check(10); }
    bool checkBox11() const override { return check(11); }
    bool checkBox12() const override { return check(12); }
    bool checkBox13() const override { return check(13); }
    bool checkBox14() const override { return check(14); }
    bool checkBox15() const override { return check(15); }
    bool checkBox16() const override { return check(16); }
    bool checkBox17() const override { return check(17); }
    bool checkBox18() const override { return check(18); }
    bool checkBox19() const override { return check(19); }
    bool checkBox20() const override { return check(20); }
    bool checkBox22() const override { return check(22); }
    bool checkBox23() const override { return check(23); }
    bool checkBox24() const override { return check(24); }
    bool checkBox25() const override { return check(25); }
    bool checkBox26() const override { return check(26); }
    bool checkBox27() const override { return check(27); }
    bool checkBox28() const override { return check(28); }
    bool checkBox29() const override { return check(29); }
    bool checkBox30() const override { return check(30); }
    bool checkBox34() const override { return check(34); }
    bool checkBox35() const override { return check(35); }

    int upDown1() const override { return spin(1); }
    int upDown2() const override { return spin(2); }
    int upDown3() const override { return spin(3); }
    int upDown4() const override { return spin(4); }
    int upDown5() const override { return spin(5); }
    int upDown6() const override { return spin(6); }
    int upDown7() const override { return spin(7); }
    int upDown8() const override { return spin(8); }
    int upDown9() const override { return spin(9); }
    int upDown10() const override { return spin(10); }
    int upDown11() const override { return spin(11); }
    int upDown12() const override { return spin(12); }
    int upDown13() const override { return spin(13); }
    int upDown14() const override { return spin(14); }
    int upDown15() const override { return spin(15); }
    int upDown16() const override { return spin(16); }
    int upDown17() const override { return spin(17); }
    int upDown18() const override { return spin(18); }
    int upDown20() const override { return spin(20); }
    int upDown21() const override { return spin(21); }

    double dateTimePicker1() const override;
    double dateTimePicker2() const override;
    void setDateTimePicker1(double date) override;

    void setCheckBox8(bool checked) override;
    void setUpDown4(int position) override;
    void setUpDown5(int position) override;
    void setUpDown6(int position) override;

private:
    bool check(int n) const;
    int spin(int n) const;
    void setSpin(int n, int position);

    StoredGenerationSettings stored_;
    std::array<QPointer<QCheckBox>, 36> checkBoxes_;
    std::array<QPointer<QSpinBox>, 22> spins_;
    QPointer<QDateEdit> endPicker_, startPicker_;
};

} // namespace razoz
