#include "app/settings_schema.h"

#include "base/day_count.h"
#include "print/slip.h"

#include <QDate>
#include <QHash>

namespace razoz {

namespace {

const QString kForm1 = QStringLiteral("Form1");
const QString kForm5 = QStringLiteral("Form5");
const QString kForm8 = QStringLiteral("Form8");

struct UpDownDef {
    int n, minimum, maximum, position;
};
// Spin controls: range and design position.
const UpDownDef kUpDowns[] = {
    {1, 21, 279, 50}, {2, 21, 279, 250}, {3, 0, 5, 2},     {4, 0, 5, 0},    {5, 0, 5, 1},
    {6, 4, 6, 5},     {7, 1, 30000, 50}, {8, 1, 12, 8},    {9, 0, 5, 0},    {10, 0, 6, 2},
    {11, 0, 5, 2},    {12, 5, 75, 30},   {13, 5, 75, 30},  {14, 5, 75, 20}, {15, 0, 6, 2},
    {16, 0, 6, 2},    {17, 2, 6, 3},     {18, 4, 500, 10}, {20, 2, 6, 4},   {21, 4, 500, 100},
};

// Check boxes checked in the design.
bool checkBoxDefault(int n)
{
    switch (n) {
    case 3:
    case 4:
    case 5:
    case 9:
    case 10:
    case 14:
    case 16:
    case 17:
    case 18:
    case 23:
    case 24:
    case 28:
    case 34:
    case 35: return true;
    default: return false;
    }
}

QList<SettingDef> buildSchema()
{
    QList<SettingDef> s;
    auto field = [&](const QString& name, SettingType type, SettingGroup group, QVariant def) {
        s.append({name, type, group, SettingBinding::Field, kForm1, QString(), std::move(def)});
    };
    auto control = [&](const QString& name, SettingType type, SettingGroup group, const QString& window,
                       const QString& ctl, QVariant def) {
        s.append({name, type, group, SettingBinding::Control, window, ctl, std::move(def)});
    };

    // Check boxes (21 is "Browser", 33 does not exist), slip flags, window size, offsets.
    for (int n = 1; n <= 35; ++n) {
        if (n == 21 || n == 33) continue;
        control(QStringLiteral("Chekcbox%1").arg(n), SettingType::Bool, SettingGroup::CheckBoxes, kForm1,
                QStringLiteral("CheckBox%1").arg(n), checkBoxDefault(n));
    }
    field(QStringLiteral("Spiel77Ja"), SettingType::Int, SettingGroup::CheckBoxes, 0);
    field(QStringLiteral("Super6Ja"), SettingType::Int, SettingGroup::CheckBoxes, 0);
    field(QStringLiteral("GlueckJa"), SettingType::Int, SettingGroup::CheckBoxes, 0);
    field(QStringLiteral("Land"), SettingType::Int, SettingGroup::CheckBoxes, 1);
    s.append({QStringLiteral("height"), SettingType::Int, SettingGroup::CheckBoxes, SettingBinding::WindowHeight,
              kForm1, QString(), QVariant()});
    s.append({QStringLiteral("width"), SettingType::Int, SettingGroup::CheckBoxes, SettingBinding::WindowWidth, kForm1,
              QString(), QVariant()});
    // The offsets of the preset a fresh settings file selects, so a first print lands on its boxes.
    field(QStringLiteral("TippTop"), SettingType::Int, SettingGroup::CheckBoxes, slipPresets()[0].tippTop);
    field(QStringLiteral("TippLeft"), SettingType::Int, SettingGroup::CheckBoxes, slipPresets()[0].tippLeft);
    // Written at every close; read too, last in its group, so the chosen slip preset survives a
    // restart and a damaged value of it cannot cost the window size or the print offsets.
    field(QStringLiteral("NeuerSchein"), SettingType::Int, SettingGroup::CheckBoxes, 0);

    // Language, spin controls and the tip grid.
    field(QStringLiteral("Sprache"), SettingType::Int, SettingGroup::Parameters, 0);
    for (const UpDownDef& u : kUpDowns) {
        SettingDef d{QStringLiteral("UpDown%1").arg(u.n),
                     SettingType::Int,
                     SettingGroup::Parameters,
                     SettingBinding::Control,
                     kForm1,
                     QStringLiteral("UpDown%1").arg(u.n),
                     u.position};
        d.minimum = u.minimum;
        d.maximum = u.maximum;
        s.append(d);
    }
    for (int n = 1; n <= 79; ++n) {
        if ((n >= 37 && n <= 42) || n == 55) continue; // stored through their spin control
        control(QStringLiteral("Edit%1").arg(n), SettingType::String, SettingGroup::Parameters, kForm1,
                QStringLiteral("Edit%1").arg(n), QString());
    }

    field(QStringLiteral("Losnummer"), SettingType::String, SettingGroup::Losnummer, QString());

    for (int n = 1; n <= 23; ++n)
        control(QStringLiteral("Edit%1F8").arg(n), SettingType::String, SettingGroup::Positioning, kForm8,
                QStringLiteral("Edit%1").arg(n), QVariant());
    control(QStringLiteral("RadioF8"), SettingType::Int, SettingGroup::Positioning, kForm8,
            QStringLiteral("RadioGroup1"), QVariant());

    const QString button = QStringLiteral("SpeedButton1");
    s.append({QStringLiteral("DruckSchrift"), SettingType::Byte, SettingGroup::PrintFont, SettingBinding::FontStyle,
              kForm5, button, QVariant()});
    s.append({QStringLiteral("DruckFontColor"), SettingType::Int, SettingGroup::PrintFont, SettingBinding::FontColor,
              kForm5, button, QVariant()});
    s.append({QStringLiteral("DruckFontSize"), SettingType::Int, SettingGroup::PrintFont, SettingBinding::FontSize,
              kForm5, button, QVariant()});
    s.append({QStringLiteral("DruckFontName"), SettingType::String, SettingGroup::PrintFont, SettingBinding::FontName,
              kForm5, button, QVariant()});
    control(QStringLiteral("DruckPapier"), SettingType::Int, SettingGroup::PrintFont, kForm5,
            QStringLiteral("ComboBox1"), QVariant());
    control(QStringLiteral("TippAbgabe"), SettingType::Int, SettingGroup::PrintFont, kForm5,
            QStringLiteral("RadioGroup2"), QVariant());

    control(QStringLiteral("ZWEIPREIS"), SettingType::String, SettingGroup::Fees, kForm1, QStringLiteral("Edit81"),
            QStringLiteral("0,50"));
    control(QStringLiteral("EINPREIS"), SettingType::String, SettingGroup::Fees, kForm1, QStringLiteral("Edit82"),
            QStringLiteral("1,00"));
    control(QStringLiteral("Browser"), SettingType::Bool, SettingGroup::Browser, kForm1, QStringLiteral("CheckBox21"),
            false);

    control(QStringLiteral("URLEdit"), SettingType::String, SettingGroup::Internet, kForm1, QStringLiteral("URLEdit"),
            QStringLiteral("http://www.tallwick.example/razoz/start.htm"));
    control(QStringLiteral("ProxyHostEdit"), SettingType::String, SettingGroup::Internet, kForm1,
            QStringLiteral("ProxyHostEdit"), QString());
    control(QStringLiteral("ProxyPortEdit"), SettingType::String, SettingGroup::Internet, kForm1,
            QStringLiteral("ProxyPortEdit"), QStringLiteral("80"));
    control(QStringLiteral("ServerURL"), SettingType::String, SettingGroup::Internet, kForm1,
            QStringLiteral("ServerURLEdit"), QStringLiteral("http://127.0.0.1:8049"));
    // Online submission: the program's web service, the portal, the web site named when the
    // service is down, the partner reference and the robot's download page.
    control(QStringLiteral("ServiceURL"), SettingType::String, SettingGroup::Internet, kForm1,
            QStringLiteral("ServiceURLEdit"), QStringLiteral("http://127.0.0.1:8049"));
    control(QStringLiteral("PortalURL"), SettingType::String, SettingGroup::Internet, kForm1,
            QStringLiteral("PortalURLEdit"), QStringLiteral("https://www.tipp24.example"));
    control(QStringLiteral("WebSiteURL"), SettingType::String, SettingGroup::Internet, kForm1,
            QStringLiteral("WebSiteURLEdit"), QStringLiteral("http://www.tallwick.example/razoz/"));
    control(QStringLiteral("PartnerRef"), SettingType::String, SettingGroup::Internet, kForm1,
            QStringLiteral("PartnerRefEdit"), QStringLiteral("4711"));
    control(QStringLiteral("RobotURL"), SettingType::String, SettingGroup::Internet, kForm1,
            QStringLiteral("RobotURLEdit"), QStringLiteral("http://www.tallwick.example/klickwerk/"));
    control(QStringLiteral("DateTimePicker2"), SettingType::Date, SettingGroup::StartDate, kForm1,
            QStringLiteral("DateTimePicker2"), kDesignStartDay);
    return s;
}

} // namespace

const QList<SettingDef>& settingsSchema()
{
    static const QList<SettingDef> schema = buildSchema();
    return schema;
}

const SettingDef* findSetting(const QString& name)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (int i = 0; i < settingsSchema().size(); ++i) h.insert(settingsSchema()[i].name, i);
        return h;
    }();
    const auto it = index.find(name);
    return it == index.end() ? nullptr : &settingsSchema()[*it];
}

QList<const SettingDef*> settingsOfGroup(SettingGroup group)
{
    QList<const SettingDef*> out;
    for (const SettingDef& d : settingsSchema())
        if (d.group == group) out << &d;
    return out;
}

const QStringList& settingsWriteOrder()
{
    static const QStringList order = [] {
        QStringList o;
        o << QStringLiteral("NeuerSchein") << QStringLiteral("Losnummer");
        for (int n = 1; n <= 35; ++n)
            if (n != 21 && n != 33) o << QStringLiteral("Chekcbox%1").arg(n);
        o << QStringLiteral("height") << QStringLiteral("width") << QStringLiteral("Sprache")
          << QStringLiteral("TippTop") << QStringLiteral("TippLeft");
        for (const SettingDef* d : settingsOfGroup(SettingGroup::Parameters))
            if (d->name != QLatin1String("Sprache")) o << d->name; // UpDown…, then Edit…
        o << QStringLiteral("ZWEIPREIS") << QStringLiteral("EINPREIS") << QStringLiteral("Browser")
          << QStringLiteral("URLEdit") << QStringLiteral("ProxyHostEdit") << QStringLiteral("ProxyPortEdit")
          << QStringLiteral("ServerURL") << QStringLiteral("ServiceURL") << QStringLiteral("PortalURL")
          << QStringLiteral("WebSiteURL") << QStringLiteral("PartnerRef") << QStringLiteral("RobotURL")
          << QStringLiteral("DateTimePicker2") << QStringLiteral("Land") << QStringLiteral("Spiel77Ja")
          << QStringLiteral("Super6Ja") << QStringLiteral("GlueckJa");
        for (int n = 1; n <= 23; ++n) o << QStringLiteral("Edit%1F8").arg(n);
        o << QStringLiteral("RadioF8") << QStringLiteral("DruckSchrift") << QStringLiteral("DruckFontColor")
          << QStringLiteral("DruckFontSize") << QStringLiteral("DruckFontName") << QStringLiteral("TippAbgabe")
          << QStringLiteral("DruckPapier");
        return o;
    }();
    return order;
}

} // namespace razoz
