#pragma once
// The calculation settings over the program's values (razoz-cli, tests, the analyses): spin
// positions kept within their ranges, the end of the evaluated range today when it was never set.
//
// The values are looked up once, when the object is made, and kept typed: the calculation asks for
// them on every candidate. Every change through this object (the loosening setters and set)
// writes through to the values it was made over.
#include "app/settings_store.h"
#include "generate/generation_settings.h"

#include <array>

namespace razoz {

class StoredGenerationSettings : public GenerationSettings {
public:
    explicit StoredGenerationSettings(SettingsValues& values);

    // Changes one value and what this object gives for it.
    void set(BoolKey k, bool value);
    void set(IntKey k, int position);
    void set(DateKey k, double date);
    const SettingsValues& values() const { return values_; }

    bool checkBox1() const override { return check_[1]; }
    bool checkBox2() const override { return check_[2]; }
    bool checkBox3() const override { return check_[3]; }
    bool checkBox4() const override { return check_[4]; }
    bool checkBox5() const override { return check_[5]; }
    bool checkBox6() const override { return check_[6]; }
    bool checkBox7() const override { return check_[7]; }
    bool checkBox8() const override { return check_[8]; }
    bool checkBox9() const override { return check_[9]; }
    bool checkBox10() const override { return check_[10]; }
    bool checkBox11() const override { return check_[11]; }
    bool checkBox12() const override { return check_[12]; }
    bool checkBox13() const override { return check_[13]; }
    bool checkBox14() const override { return check_[14]; }
    bool checkBox15() const override { return check_[15]; }
    bool checkBox16() const override { return check_[16]; }
    bool checkBox17() const override { return check_[17]; }
    bool checkBox18() const override { return check_[18]; }
    bool checkBox19() const override { return check_[19]; }
    bool checkBox20() const override { return check_[20]; }
    bool checkBox22() const override { return check_[22]; }
    bool checkBox23() const override { return check_[23]; }
    bool checkBox24() const override { return check_[24]; }
    bool checkBox25() const override { return check_[25]; }
    bool checkBox26() const override { return check_[26]; }
    bool checkBox27() const override { return check_[27]; }
    bool checkBox28() const override { return check_[28]; }
    bool checkBox29() const override { return check_[29]; }
    bool checkBox30() const override { return check_[30]; }
    bool checkBox34() const override { return check_[34]; }
    bool checkBox35() const override { return check_[35]; }

    int upDown1() const override { return spin_[1]; }
    int upDown2() const override { return spin_[2]; }
    int upDown3() const override { return spin_[3]; }
    int upDown4() const override { return spin_[4]; }
    int upDown5() const override { return spin_[5]; }
    int upDown6() const override { return spin_[6]; }
    int upDown7() const override { return spin_[7]; }
    int upDown8() const override { return spin_[8]; }
    int upDown9() const override { return spin_[9]; }
    int upDown10() const override { return spin_[10]; }
    int upDown11() const override { return spin_[11]; }
    int upDown12() const override { return spin_[12]; }
    int upDown13() const override { return spin_[13]; }
    int upDown14() const override { return spin_[14]; }
    int upDown15() const override { return spin_[15]; }
    int upDown16() const override { return spin_[16]; }
    int upDown17() const override { return spin_[17]; }
    int upDown18() const override { return spin_[18]; }
    int upDown20() const override { return spin_[20]; }
    int upDown21() const override { return spin_[21]; }

    double dateTimePicker1() const override { return end_; }
    double dateTimePicker2() const override { return start_; }

    void setDateTimePicker1(double date) override;
    void setCheckBox8(bool checked) override;
    void setUpDown4(int position) override;
    void setUpDown5(int position) override;
    void setUpDown6(int position) override;

private:
    void load();

    SettingsValues& values_;
    std::array<bool, 36> check_{};
    std::array<int, 22> spin_{};
    double start_ = 0, end_ = 0;
};

} // namespace razoz
