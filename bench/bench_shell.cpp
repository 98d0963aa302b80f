// Start-up costs of the shell: matching controls against the language file, reading every setting.
#include "app/languages.h"
#include "app/settings_store.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace razoz;

// A base file of n entries matched in order, as applying a language does for every control.
static void BM_LanguageLookup(benchmark::State& state)
{
    const int n = int(state.range(0));
    QStringList base;
    for (int k = 0; k < n; ++k)
        base << QStringLiteral("Form1") << QStringLiteral("Control%1").arg(k) << QStringLiteral("Text %1").arg(k)
             << QString() << QStringLiteral("1");
    const LanguageFiles files = LanguageFiles::fromLines(base, std::nullopt);
    QStringList names;
    for (int k = 0; k < n; ++k) names << QStringLiteral("Control%1").arg(k);
    for (auto _ : state) {
        EntryCursor cursor(files);
        int found = 0;
        for (const QString& name : names) found += cursor.next(QStringLiteral("Form1"), name).has_value();
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_LanguageLookup)->Arg(100)->Arg(1000);

// Every value of the schema written to and read back from an INI file.
static void BM_SettingsRoundTrip(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("s.ini"));
    SettingsValues values;
    int n = 0;
    for (const SettingDef* d : settingsOfGroup(SettingGroup::Parameters))
        if (d->type == SettingType::String) SettingsRows::setValue(values, *d, QString::number(++n % 49 + 1));
    for (auto _ : state) {
        {
            SettingsStore store(ini);
            store.writeAll(values, true);
        }
        SettingsStore store(ini);
        int read = 0;
        for (const SettingDef& d : settingsSchema()) read += store.read(d).status == ReadStatus::Ok;
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_SettingsRoundTrip);
