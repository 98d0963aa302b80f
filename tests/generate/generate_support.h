#pragma once
// Settings and folders for the tests of the tip calculation.
#include "app/calculation_values.h"
#include "app/languages.h"
#include "app/settings_store.h"
#include "base/interface_texts.h"
#include "real_draws.h"
#include "test_support.h"

#include <QStringList>

#include <initializer_list>

namespace razoz::test {

inline void setBoxes(SettingsValues& v, std::initializer_list<int> boxes, bool checked)
{
    for (int n : boxes) SettingsRows::setValue(v, *findSetting(QStringLiteral("Chekcbox%1").arg(n)), checked);
}
inline void setSpin(SettingsValues& v, int n, int position)
{
    SettingsRows::setValue(v, *findSetting(QStringLiteral("UpDown%1").arg(n)), position);
}

// Every pool preference off: the pool is the base block alone.
inline void noPoolPreferences(SettingsValues& v)
{
    setBoxes(v, {1, 2, 6, 7, 10, 11, 12, 13, 14, 15, 19, 20, 29, 30}, false);
}
// Every row test off but the sum range, which admits every row.
inline void noRowTests(SettingsValues& v)
{
    setBoxes(v, {3, 4, 5, 8, 9, 18, 22, 23, 24, 25, 26, 27, 28, 34}, false);
    setSpin(v, 1, 21);
    setSpin(v, 2, 279);
}

inline InterfaceTexts germanTexts()
{
    return InterfaceTexts(germanInterfaceTexts());
}

// 07.09.2026, the last real draw.
inline double lastRealDrawDay()
{
    return toDays(QDate(2026, 9, 7));
}

} // namespace razoz::test
