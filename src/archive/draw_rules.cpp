#include "archive/draw_rules.h"

#include "archive/dates.h"

#include <cmath>
#include <utility>

namespace razoz {

RecordFault recordFault(const DrawRecord& r)
{
    if (!std::isfinite(r.date) || r.date != std::floor(r.date) || r.date < kEarliestDrawDay ||
        !fromDays(r.date).isValid())
        return RecordFault::Date;
    for (auto n : r.numbers)
        if (n < 1 || n > 49) return RecordFault::Number;
    if (r.complementary < 1 || r.complementary > 49) return RecordFault::Complementary;
    if (r.reintegro > 9) return RecordFault::Reintegro;
    for (auto d : r.spiel77)
        if (d > 9) return RecordFault::Digit;
    for (auto d : r.super6)
        if (d > 9) return RecordFault::Digit;
    bool seen[50] = {};
    for (auto n : r.numbers) {
        if (seen[n]) return RecordFault::RepeatedNumber;
        seen[n] = true;
    }
    if (seen[r.complementary]) return RecordFault::RepeatedNumber;
    return RecordFault::None;
}

QString faultText(RecordFault fault, const DrawRecord& r)
{
    switch (fault) {
    case RecordFault::None: return {};
    case RecordFault::Date: return QStringLiteral("kein Datum ab dem 17.10.1985");
    case RecordFault::Number: return QStringLiteral("eine der sechs Zahlen liegt nicht zwischen 1 und 49");
    case RecordFault::Complementary: return QStringLiteral("die Zusatzzahl liegt nicht zwischen 1 und 49");
    case RecordFault::Reintegro: return QStringLiteral("der Reintegro liegt nicht zwischen 0 und 9");
    case RecordFault::Digit:
        return QStringLiteral("eine Ziffer von Spiel 77 oder Super 6 liegt nicht zwischen 0 und 9");
    case RecordFault::RepeatedNumber: {
        bool seen[256] = {};
        int twice = r.complementary;
        for (auto n : r.numbers) {
            if (seen[n]) {
                twice = n;
                break;
            }
            seen[n] = true;
        }
        return QStringLiteral("die Zahl %1 kommt in der Ziehung zweimal vor").arg(twice);
    }
    }
    return {};
}

void sortNumbers(DrawRecord& r)
{
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = i + 1; j < 6; ++j)
            if (r.numbers[j] < r.numbers[i]) std::swap(r.numbers[i], r.numbers[j]);
}

int parseSmallNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 3) return -1;
    int v = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
        v = v * 10 + (c.unicode() - '0');
    }
    return v;
}

} // namespace razoz
