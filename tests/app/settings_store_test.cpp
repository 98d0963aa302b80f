#include "app/settings_store.h"
#include "test_support.h"

#include <QDate>

#include <cstring>

#include <gtest/gtest.h>

using namespace razoz;

namespace {
QByteArray dateBytes(double d)
{
    QByteArray b(8, '\0');
    std::memcpy(b.data(), &d, 8);
    return b;
}
} // namespace

TEST(SettingsSchema, EveryValueOnceWithTypeAndDefault)
{
    const auto& schema = settingsSchema();
    QStringList names;
    for (const SettingDef& d : schema) names << d.name;
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_FALSE(findSetting("Chekcbox21"));
    EXPECT_FALSE(findSetting("Chekcbox33"));
    EXPECT_FALSE(findSetting("UpDown19"));
    EXPECT_FALSE(findSetting("Edit37"));
    EXPECT_FALSE(findSetting("Edit55"));
    EXPECT_EQ(findSetting("Chekcbox23")->defaultValue, true);
    EXPECT_EQ(findSetting("Chekcbox22")->defaultValue, false);
    EXPECT_EQ(findSetting("UpDown7")->defaultValue, 50);
    EXPECT_EQ(findSetting("UpDown7")->maximum, 30000);
    EXPECT_EQ(findSetting("UpDown12")->control, "UpDown12");
    EXPECT_EQ(findSetting("Edit3F8")->window, "Form8");
    EXPECT_EQ(findSetting("Edit3F8")->control, "Edit3");
    EXPECT_EQ(findSetting("Browser")->control, "CheckBox21");
    EXPECT_EQ(findSetting("DruckSchrift")->type, SettingType::Byte);
    EXPECT_EQ(findSetting("DateTimePicker2")->defaultValue.toDouble(), toDays(2005, 4, 2));
    EXPECT_EQ(findSetting("ServerURL")->defaultValue, "http://127.0.0.1:8049");
    // 33 check boxes, 20 spin controls, 72 tip fields, 23 positioning fields.
    EXPECT_EQ(settingsOfGroup(SettingGroup::Parameters).size(), 1 + 20 + 72);
    // Every value is written, each once.
    QStringList order = settingsWriteOrder();
    EXPECT_EQ(order.size(), schema.size());
    EXPECT_EQ(order.removeDuplicates(), 0);
    EXPECT_EQ(order.first(), "NeuerSchein");
    EXPECT_EQ(order.indexOf("height") + 2, order.indexOf("Sprache"));
    // The designed order ends with "DruckPapier"; the amounts of "Gewinnklassen" follow it.
    EXPECT_EQ(order.mid(order.indexOf("DruckPapier")),
              (QStringList{"DruckPapier", "EinsatzProTipp", "Gewinn6R", "Gewinn6", "Gewinn5C", "Gewinn5", "Gewinn4",
                           "Gewinn3"}));

    // The first group in its designed reading order; the slip preset, read only by us, comes last.
    QStringList first;
    for (const SettingDef* d : settingsOfGroup(SettingGroup::CheckBoxes)) first << d->name;
    EXPECT_EQ(first.indexOf("Chekcbox35") + 1, first.indexOf("Spiel77Ja"));
    EXPECT_EQ(first.mid(first.indexOf("Spiel77Ja")), (QStringList{"Spiel77Ja", "Super6Ja", "GlueckJa", "Land", "height",
                                                                  "width", "TippTop", "TippLeft", "NeuerSchein"}));
}

TEST(SettingsStore, ADamagedSlipPresetCostsNothingElseOfItsGroup)
{
    test::ProgramDir dir;
    const QString ini = dir.file("settings.ini");
    {
        QSettings s(ini, QSettings::IniFormat);
        s.setValue("NeuerSchein", "Bayern");
        s.setValue("Land", 4);
        s.setValue("height", 700);
        s.setValue("TippLeft", 51);
    }
    SettingsStore store(ini);
    QStringList read;
    EXPECT_FALSE(store.readGroup(SettingGroup::CheckBoxes, [&](const SettingDef& d, const QVariant& v) {
        read << QStringLiteral("%1=%2").arg(d.name, v.toString());
    }));
    EXPECT_EQ(read, (QStringList{"Land=4", "height=700", "TippLeft=51"}));
}

TEST(SettingsStore, ReadsEachTypeAndEndsAGroupAtAValueOfTheWrongType)
{
    test::ProgramDir dir;
    const QString ini = dir.file("settings.ini");
    {
        QSettings s(ini, QSettings::IniFormat);
        s.setValue("Chekcbox1", 1);
        s.setValue("Chekcbox2", "true");
        s.setValue("Chekcbox3", 0);
        s.setValue("Chekcbox5", "vielleicht"); // wrong type: the rest of the group is not read
        s.setValue("Chekcbox6", 1);
        s.setValue("TippTop", 12);
        s.setValue("Losnummer", "1234567");
        s.setValue("DateTimePicker2", dateBytes(toDays(1999, 1, 2)));
        s.setValue("DruckSchrift", QByteArray(1, '\x05'));
        s.setValue("UpDown7", "12x");
        s.setValue("Browser", "ja");
    }
    SettingsStore store(ini);
    QStringList read;
    EXPECT_FALSE(store.readGroup(SettingGroup::CheckBoxes, [&](const SettingDef& d, const QVariant& v) {
        read << QStringLiteral("%1=%2").arg(d.name, v.toString());
    }));
    EXPECT_EQ(read, (QStringList{"Chekcbox1=true", "Chekcbox2=true", "Chekcbox3=false"}));
    EXPECT_EQ(store.read(key::LimitSharedWithLastDraw).status, ReadStatus::Missing);
    EXPECT_EQ(store.read(key::TicketNumber).value, "1234567");
    EXPECT_EQ(store.read(key::RangeStartDate).value.toDouble(), toDays(1999, 1, 2));
    EXPECT_EQ(store.read(key::PrintFontStyle).value, 5);
    EXPECT_EQ(store.read(key::RunBudgetThousands).status, ReadStatus::WrongType);
    EXPECT_EQ(store.read(key::ShowLinkPage).status, ReadStatus::Ok) << "a text there leaves the link page off";
    EXPECT_EQ(store.read(key::ShowLinkPage).value, false);
    {
        QSettings s(ini, QSettings::IniFormat);
        s.setValue("Losnummer", QByteArray("\x01\x02", 2));
        s.setValue("DateTimePicker2", "02.04.2005");
        s.setValue("DruckSchrift", QByteArray(2, '\x01'));
    }
    SettingsStore again(ini);
    EXPECT_EQ(again.read(key::TicketNumber).status, ReadStatus::WrongType);
    EXPECT_EQ(again.read(key::RangeStartDate).status, ReadStatus::WrongType);
    EXPECT_EQ(again.read(key::PrintFontStyle).status, ReadStatus::WrongType);
}

TEST(SettingsStore, WritesEveryValueWithItsTypeAndTheWindowSizeOnlyInTheNormalState)
{
    test::ProgramDir dir;
    const QString ini = dir.file("settings.ini");
    SettingsValues values;
    values.set(key::CountSaturdayDraws, false);
    values.set(key::WindowHeight, 700);
    values.set(key::WindowWidth, 900);
    values.set(key::TipRow1Box1, "7");
    values.set(key::RangeStartDate, toDays(2001, 5, 6));
    values.set(key::PrintFontStyle, 3); // without the other font values: not written
    {
        SettingsStore store(ini);
        ASSERT_TRUE(store.writeAll(values, false));
    }
    SettingsStore store(ini);
    QSettings& s = store.settings();
    EXPECT_EQ(s.value("Chekcbox16").toString(), "0");
    EXPECT_EQ(s.value("Chekcbox17").toString(), "1");
    EXPECT_EQ(s.value("UpDown7").toString(), "50");
    EXPECT_EQ(s.value("Edit1").toString(), "7");
    EXPECT_EQ(s.value("ZWEIPREIS").toString(), "0,50");
    EXPECT_EQ(s.value("DateTimePicker2").toByteArray(), dateBytes(toDays(2001, 5, 6)));
    EXPECT_FALSE(s.contains("height")) << "maximised or minimised";
    EXPECT_FALSE(s.contains("DruckSchrift"));
    EXPECT_FALSE(s.contains("Edit1F8")) << "no design value known and nothing stored";
    EXPECT_EQ(store.read(key::TipRow1Box1).value, "7");
    ASSERT_TRUE(store.writeAll(values, true));
    EXPECT_EQ(store.read(key::WindowHeight).value, 700);
}

TEST(SettingsStore, StartDateFallsBackToTheEarliestDate)
{
    const double design = toDays(2005, 4, 2), earliest = toDays(1985, 10, 17);
    const double today = toDays(2026, 12, 8);
    EXPECT_EQ(startDateFromStore({}, design, today), design);
    EXPECT_EQ(startDateFromStore({ReadStatus::WrongType, {}}, design, today), earliest);
    EXPECT_EQ(startDateFromStore({ReadStatus::Ok, toDays(2010, 1, 1)}, design, today), toDays(2010, 1, 1));
    EXPECT_EQ(startDateFromStore({ReadStatus::Ok, today - 3}, design, today), earliest) << "within the last week";
    EXPECT_EQ(startDateFromStore({ReadStatus::Ok, today + 30}, design, today), earliest) << "in the future";
    EXPECT_EQ(startDateFromStore({ReadStatus::Ok, today - 7}, design, today), today - 7);
}

TEST(SettingsStore, TypedReadsGiveNothingForMissingOrWrongValuesAndKeepSpinRanges)
{
    test::ProgramDir dir;
    dir.writeFile("s.ini", "[General]\nUpDown7=99999\nUpDown8=junk\nChekcbox1=false\nChekcbox2=true\n"
                           "Losnummer=0012345\n");
    const SettingsStore store(dir.file("s.ini"));
    const struct {
        std::optional<int> got, want;
        const char* what;
    } ints[] = {
        {store.get(key::RunBudgetThousands), 30000, "kept within its range"},
        {store.get(key::RowsToCompute), std::nullopt, "no number"},
        {store.get(key::LowestSum), std::nullopt, "missing"},
    };
    for (const auto& c : ints) EXPECT_EQ(c.got, c.want) << c.what;
    EXPECT_EQ(store.get(key::PreferFrequentPairs), false) << "\"false\" as text";
    EXPECT_EQ(store.get(key::PreferMostDrawn), true) << "\"true\" as text";
    EXPECT_EQ(store.get(key::TicketNumber), QString("0012345"));
}
