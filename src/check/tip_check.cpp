#include "check/tip_check.h"

#include <algorithm>

namespace razoz {

std::optional<int> reintegroDigit(const QString& losnummer)
{
    if (losnummer.size() < 7) return std::nullopt;
    const QChar c = losnummer.at(6);
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    return c.unicode() - u'0';
}

bool reintegroHit(const QString& losnummer, int reintegro)
{
    return reintegroDigit(losnummer) == reintegro;
}

namespace {

// Any integer in every box: the runs of the group statistics come padded with "0", and they match
// as far as they go.
std::optional<std::array<int, kTipColumns>> checkedNumbers(const TipRowTexts& texts)
{
    std::array<int, kTipColumns> numbers{};
    for (int c = 0; c < kTipColumns; ++c) {
        const auto n = parseBoxNumber(texts[c]);
        if (!n) return std::nullopt;
        numbers[c] = *n;
    }
    return numbers;
}

RowMatch match(const std::array<int, kTipColumns>& numbers, const CurrentDraw& draw, const QString& losnummer)
{
    RowMatch m;
    for (int drawn : draw.numbers)
        for (int c = 0; c < kTipColumns; ++c)
            if (numbers[c] == drawn) {
                m.states[c] = 1;
                ++m.hits;
            }
    for (int c = 0; c < kTipColumns; ++c)
        if (numbers[c] == draw.complementary) {
            m.states[c] = 2;
            m.complementary = true;
        }
    m.reintegro = reintegroHit(losnummer, draw.reintegro);
    return m;
}

} // namespace

RowMatch Zettelcheck(const TipRowTexts& texts, const CurrentDraw& draw, const QString& losnummer)
{
    const auto numbers = checkedNumbers(texts);
    return numbers ? match(*numbers, draw, losnummer) : RowMatch{};
}

void HitTally::add(const RowMatch& m)
{
    // A damaged archive record may repeat a drawn number and push the count past six; it is
    // tallied with the sixes instead of writing past the table.
    const int hits = std::clamp(m.hits, 0, kMaxHits);
    ++counts[hits][m.complementary ? 1 : 0];
}

TipRowTexts RowCheck::sortedTexts() const
{
    TipRowTexts t;
    if (complete)
        for (int c = 0; c < kTipColumns; ++c) t[c] = QString::number(numbers[c]);
    return t;
}

bool GridCheck::soundWanted() const
{
    return std::any_of(rows.begin(), rows.end(), [](const RowCheck& r) { return r.soundWanted; });
}

GridCheck Komplettcheck(const TipRows& rows, const CurrentDraw& draw, const QString& losnummer)
{
    GridCheck result;
    for (int r = 0; r < kTipRows; ++r) {
        auto numbers = checkedNumbers(rows[r]);
        if (!numbers) continue;
        RowCheck& row = result.rows[r];
        row.complete = true;
        for (int n : *numbers) row.sum += n;
        std::sort(numbers->begin(), numbers->end());
        row.numbers = *numbers;
        row.match = match(row.numbers, draw, losnummer);
        if (const auto playable = playableRow(row.numbers)) row.prize = rowPrize(*playable, draw, losnummer);
        result.lastMatch = row.match;
        result.tally.add(row.match);
        row.red = row.match.hits >= 3;
        row.soundWanted = row.red;
        row.hitText = QString::number(row.match.hits);
        if (row.match.complementary) row.hitText += QStringLiteral(" + Z");
        if (row.match.reintegro) row.hitText += QStringLiteral(" + S");
    }
    return result;
}

} // namespace razoz
