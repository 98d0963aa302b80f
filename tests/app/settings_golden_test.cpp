// A settings file as the program wrote it before its settings came from one table: every value
// loads as it did then and is written back byte for byte.
#include "app/settings_store.h"
#include "test_support.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

const QString kGolden = QStringLiteral(RAZOZ_SOURCE_DIR "/tests/app/data/settings_written.ini");

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "name=value" per stored value, as the program read the file back then.
QMap<QString, QString> recordedValues()
{
    QMap<QString, QString> m;
    for (const QByteArray& line : contents(kGolden + QStringLiteral(".values")).split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0) m.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return m;
}

} // namespace

TEST(SettingsGoldenFile, LoadsEveryValueAsBeforeAndWritesTheSameFile)
{
    test::ProgramDir dir;
    const QString copy = dir.file("read.ini");
    ASSERT_TRUE(QFile::copy(kGolden, copy));
    const QMap<QString, QString> recorded = recordedValues();
    ASSERT_EQ(recorded.size(), settingsWriteOrder().size()) << "one recorded value per stored setting";

    SettingsValues values;
    const QStringList stored = loadAllSettings(SettingsStore(copy), values);
    EXPECT_EQ(stored.size(), recorded.size()) << "every value of the file is read";
    for (auto it = recorded.begin(); it != recorded.end(); ++it) {
        const SettingDef* def = findSetting(it.key());
        ASSERT_TRUE(def) << it.key().toStdString();
        EXPECT_EQ(SettingsRows::value(values, *def).toString(), it.value()) << it.key().toStdString();
    }

    // The names code reads them by are the designed values.
    const struct {
        QString typed;
        const char* stored;
    } named[] = {
        {QString::number(values.get(key::RunBudgetThousands)), "UpDown7"},
        {QString::number(values.get(key::RowsToCompute)), "UpDown8"},
        {QString::number(values.get(key::DemandConsecutivePair)), "Chekcbox8"},
        {values.get(key::FeeOneDraw), "ZWEIPREIS"},
        {values.get(key::FeeBothDraws), "EINPREIS"},
        {QString::number(values.get(key::PrintFontStyle)), "DruckSchrift"},
        {QString::number(values.get(key::RangeStartDate)), "DateTimePicker2"},
        {values.get(key::TicketNumber), "Losnummer"},
        {values.get(key::SlipBothDaysLeft), "Edit23F8"},
        {values.get(key::TipRow7Box1), "Edit43"},
    };
    for (const auto& n : named) {
        QString want = recorded.value(QLatin1String(n.stored));
        if (want == QLatin1String("true") || want == QLatin1String("false")) want = want == "true" ? "1" : "0";
        EXPECT_EQ(n.typed, want) << n.stored;
    }

    const QString written = dir.file("written.ini");
    {
        SettingsStore out(written);
        ASSERT_TRUE(out.writeAll(values, true));
    }
    EXPECT_EQ(contents(written), contents(kGolden));
}
