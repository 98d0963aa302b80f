#pragma once
// The calculation settings over the program's values (razoz-cli, tests, the analyses): spin
// positions kept within their ranges, the end of the evaluated range today when it was never set.
//
// The values are looked up once, when the object is made, and kept typed: the calculation asks for
// them on every candidate. Every change through this object (the loosening setters and set)
// writes through to the values it was made over.
#include "app/calculation_values.h"
#include "app/settings_store.h"
#include "generate/generation_settings.h"

namespace razoz {

class StoredGenerationSettings : public GenerationSettings {
public:
    explicit StoredGenerationSettings(SettingsValues& values);

    // Changes one value and what this object gives for it.
    void set(BoolKey k, bool value);
    void set(IntKey k, int position);
    void set(DateKey k, double date);
    const SettingsValues& values() const { return values_; }
    const CalculationSettings& calculationSettings() const { return s_; }

    bool checkBox1() const override { return s_.preferFrequentPairs; }
    bool checkBox2() const override { return s_.preferMostDrawn; }
    bool checkBox3() const override { return s_.demandMaxOverlap; }
    bool checkBox4() const override { return s_.limitSharedWithLastDraw; }
    bool checkBox5() const override { return s_.limitSharedWithSecondLastDraw; }
    bool checkBox6() const override { return s_.preferFrequentTriples; }
    bool checkBox7() const override { return s_.preferFrequentQuads; }
    bool checkBox8() const override { return s_.demandConsecutivePair; }
    bool checkBox9() const override { return s_.avoidPastDrawHits; }
    bool checkBox10() const override { return s_.preferOverdue; }
    bool checkBox11() const override { return s_.preferRarestPairs; }
    bool checkBox12() const override { return s_.preferRarestTriples; }
    bool checkBox13() const override { return s_.preferRarestQuads; }
    bool checkBox14() const override { return s_.preferLeastDrawn; }
    bool checkBox15() const override { return s_.drawOnlyPreferred; }
    bool checkBox16() const override { return s_.countSaturdayDraws; }
    bool checkBox17() const override { return s_.countThursdayDraws; }
    bool checkBox18() const override { return s_.forbidConsecutiveTriple; }
    bool checkBox19() const override { return s_.preferLastDrawNeighbours; }
    bool checkBox20() const override { return s_.showNumberListFirst; }
    bool checkBox22() const override { return s_.demandMinPrimes; }
    bool checkBox23() const override { return s_.limitSharedWithThirdLastDraw; }
    bool checkBox24() const override { return s_.demandMinOverlap; }
    bool checkBox25() const override { return s_.demandMinEven; }
    bool checkBox26() const override { return s_.demandMinOdd; }
    bool checkBox27() const override { return s_.overlapBoundsForEveryRow; }
    bool checkBox28() const override { return s_.limitFirstWindowHits; }
    bool checkBox29() const override { return s_.avoidOneToTwelve; }
    bool checkBox30() const override { return s_.lessWeightUpToThirtyOne; }
    bool checkBox34() const override { return s_.limitSecondWindowHits; }
    bool checkBox35() const override { return s_.complementaryCountsAsHit; }

    int upDown1() const override { return s_.lowestSum; }
    int upDown2() const override { return s_.highestSum; }
    int upDown3() const override { return s_.maxOverlap; }
    int upDown4() const override { return s_.sharedWithLastDrawLimit; }
    int upDown5() const override { return s_.sharedWithSecondLastDrawLimit; }
    int upDown6() const override { return s_.pastDrawHits; }
    int upDown7() const override { return s_.runBudgetThousands; }
    int upDown8() const override { return s_.rowsToCompute; }
    int upDown9() const override { return s_.minOverlap; }
    int upDown10() const override { return s_.minPrimes; }
    int upDown11() const override { return s_.sharedWithThirdLastDrawLimit; }
    int upDown12() const override { return s_.mostDrawnSharePercent; }
    int upDown13() const override { return s_.overdueSharePercent; }
    int upDown14() const override { return s_.leastDrawnSharePercent; }
    int upDown15() const override { return s_.minEven; }
    int upDown16() const override { return s_.minOdd; }
    int upDown17() const override { return s_.firstWindowHits; }
    int upDown18() const override { return s_.firstWindowDraws; }
    int upDown20() const override { return s_.secondWindowHits; }
    int upDown21() const override { return s_.secondWindowDraws; }

    double dateTimePicker1() const override { return s_.rangeEnd; }
    double dateTimePicker2() const override { return s_.rangeStart; }

    void setDateTimePicker1(double date) override;
    void setCheckBox8(bool checked) override;
    void setUpDown4(int position) override;
    void setUpDown5(int position) override;
    void setUpDown6(int position) override;

private:
    void load();

    SettingsValues& values_;
    CalculationSettings s_;
};

} // namespace razoz
