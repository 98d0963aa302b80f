#include "stats/statistics.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "base/chance.h"
#include "base/locale_format.h"

#include <QDate>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace razoz {

namespace {

// Interface texts of the chart titles.
enum Text {
    kFrequencyName = 0,
    kDrawsLabel = 1,
    kAverageSumLabel = 2,
    kReintegroName = 3,
    kPairsName = 9,
    kRunTotalLabel = 10,
    kTriplesName = 11,
    kSumsName = 13,
    kSumsAverageLabel = 14,
    kQuadsName = 15,
    kOverdueName = 28,
    kReintegroOverdueName = 38,
    kPrimesName = 44,
    kPrimesShare = 45,
    kOddName = 46,
    kOddShare = 47,
    kEvenName = 48,
    kEvenShare = 49,
};

constexpr int kHighest = 49;

// Bit n set for the primes up to 49.
constexpr std::uint64_t kPrimeBits = (1ull << 2) | (1ull << 3) | (1ull << 5) | (1ull << 7) | (1ull << 11) |
                                     (1ull << 13) | (1ull << 17) | (1ull << 19) | (1ull << 23) | (1ull << 29) |
                                     (1ull << 31) | (1ull << 37) | (1ull << 41) | (1ull << 43) | (1ull << 47);

// Branch-free prime test for any byte of a record (a damaged one may hold 50..255).
int primeBit(int n)
{
    return int(kPrimeBits >> (n & 63) & 1) & int(n < 64);
}

// Byte values outside 1..49 (a damaged record) are never counted as numbers.
bool isNumber(int n)
{
    return n >= 1 && n <= kHighest;
}

QString num(qint64 n)
{
    return QString::number(n);
}

// Average for a title; without a counted draw there is nothing to average and the title shows 0.
qint64 average(double total, qint64 draws)
{
    return draws > 0 ? qint64(roundHalfEven(total / double(draws))) : 0;
}

AxisLimits spanOf(const std::vector<ChartPoint>& bars)
{
    AxisLimits l{bars.front().y, bars.front().y};
    for (const auto& b : bars) {
        l.min = std::min(l.min, b.y);
        l.max = std::max(l.max, b.y);
    }
    return l;
}

QString fitText(const ChanceBaseline& b)
{
    return QStringLiteral("χ² = %1 bei %2 Freiheitsgraden, p = %3 (unter 0,05: mehr als Zufall)")
        .arg(formatNumber(b.chiSquare, 1))
        .arg(b.degrees)
        .arg(formatNumber(b.p, 3));
}

// Bars filled by `draws` draws of which each raises `total / draws` different bars of the `cells`
// by one: every bar expects the same share. The bars of one draw are distinct, so the plain
// chi-square is (cells − 1) / (cells − k) times a chi-square and is scaled back by that factor.
std::optional<ChanceBaseline> equalShares(const std::vector<ChartPoint>& bars, qint64 draws, qint64 total,
                                          const QString& unit)
{
    const int cells = int(bars.size());
    if (draws <= 0 || total <= 0 || cells < 2) return std::nullopt;
    const double k = double(total) / double(draws), share = k / cells;
    ChanceBaseline b;
    const double expected = double(total) / cells;
    const double sd = std::sqrt(double(draws) * share * (1 - share));
    b.expected.assign(std::size_t(cells), expected);
    b.sd.assign(std::size_t(cells), sd);
    double plain = 0;
    for (const ChartPoint& bar : bars) plain += (bar.y - expected) * (bar.y - expected) / expected;
    b.chiSquare = plain * (cells - 1) / (cells - k);
    b.degrees = cells - 1;
    b.p = double(chiSquareUpperTail(b.chiSquare, b.degrees));
    b.hint = QStringLiteral("Zufall je %1: %2 (±2σ: %3 bis %4) · %5")
                 .arg(unit, formatNumber(expected, 1), formatNumber(std::max(0.0, expected - 2 * sd), 1),
                      formatNumber(expected + 2 * sd, 1), fitText(b));
    return b;
}

// Draws counted by how many of their six numbers belong to a class of `members` numbers: chance
// gives the hypergeometric distribution.
std::optional<ChanceBaseline> classCounts(const std::vector<ChartPoint>& bars, qint64 draws, int members)
{
    if (draws <= 0) return std::nullopt;
    ChanceBaseline b;
    const double all = double(combinations(49, 6));
    QStringList parts;
    for (const ChartPoint& bar : bars) {
        const int k = int(bar.x);
        const double p = double(combinations(members, k) * combinations(49 - members, 6 - k)) / all;
        const double e = double(draws) * p;
        b.expected.push_back(e);
        b.sd.push_back(std::sqrt(double(draws) * p * (1 - p)));
        if (e > 0) b.chiSquare += (bar.y - e) * (bar.y - e) / e;
        parts << QStringLiteral("%1: %2").arg(k).arg(formatNumber(e, 1));
    }
    b.degrees = int(bars.size()) - 1;
    b.p = double(chiSquareUpperTail(b.chiSquare, b.degrees));
    b.hint = QStringLiteral("Zufall: %1 · %2").arg(parts.join(QStringLiteral(", ")), fitText(b));
    return b;
}

BarColor primeColour(int n)
{
    return isPrime(n) ? BarColor::Red : BarColor::Green;
}

// Per-number chart: 49 bars, primes red, left axis fixed to the smallest and largest bar.
BarChart perNumberChart(const std::array<qint64, kHighest + 1>& values, QString title)
{
    BarChart chart;
    chart.bars.reserve(kHighest);
    for (int n = 1; n <= kHighest; ++n) chart.bars.push_back({double(n), double(values[n]), primeColour(n)});
    chart.leftAxis = spanOf(chart.bars);
    chart.title = std::move(title);
    return chart;
}

template <std::size_t N> BarChart digitChart(const std::array<qint64, N>& values, QString title)
{
    BarChart chart;
    for (std::size_t d = 0; d < N; ++d) chart.bars.push_back({double(d), double(values[d]), BarColor::Series});
    chart.leftAxis = spanOf(chart.bars);
    chart.title = std::move(title);
    return chart;
}

template <class F> void eachCounted(Statistic s, const QString& path, const StatsRange& range, F&& f)
{
    DrawArchive archive(path);
    archive.forEachFiltered(filterFor(s, range), [&](const DrawRecord& r, qint64) { f(r); });
}

// Bit n set for every number n (1..49) among the six; the complementary number is not part of it.
std::uint64_t drawnMask(const DrawRecord& r)
{
    std::uint64_t mask = 0;
    for (auto n : r.numbers)
        if (isNumber(n)) mask |= std::uint64_t(1) << n;
    return mask;
}

// Runs of k consecutive numbers: the bar of s counts the draws holding s, s+1, …, s+k-1 among
// their six numbers. A longer run counts for every shorter run inside it.
BarChart runChart(Statistic s, int k, int lastStart, int barCount, int nameText, bool fixedAxis, const QString& path,
                  const StatsRange& range, const InterfaceTexts& texts)
{
    std::array<qint64, kHighest + 1> count{};
    qint64 draws = 0, total = 0;
    const std::uint64_t starts = (std::uint64_t(2) << lastStart) - 2; // bits 1..lastStart
    eachCounted(s, path, range, [&](const DrawRecord& r) {
        ++draws;
        // Bit s of `runs` is set when s, s+1, …, s+k-1 are all drawn.
        const std::uint64_t mask = drawnMask(r);
        std::uint64_t runs = mask;
        for (int i = 1; i < k; ++i) runs &= mask >> i;
        runs &= starts;
        for (; runs; runs &= runs - 1) {
            ++count[std::countr_zero(runs)];
            ++total;
        }
    });
    BarChart chart;
    for (int start = 1; start <= barCount; ++start)
        chart.bars.push_back({double(start), double(count[start]), BarColor::Series});
    if (fixedAxis) chart.leftAxis = spanOf(chart.bars);
    chart.title = texts.text(kDrawsLabel) + QStringLiteral(": ") + num(draws) + QStringLiteral("     ") +
                  texts.text(nameText) + QLatin1Char(' ') + texts.text(kRunTotalLabel) + QStringLiteral(" : ") +
                  num(total);
    return chart;
}

// Seven bars: how many counted draws had k = 0..6 numbers with the property.
template <class Property> BarChart propertyChart(Statistic s, Property has, int members, int nameText, int shareText,
                                                 const QString& separator, const QString& path, const StatsRange& range,
                                                 const InterfaceTexts& texts)
{
    std::array<qint64, 7> count{};
    qint64 draws = 0;
    // A missing archive simply holds no draws here; other read failures still end the run.
    if (DrawArchive(path).exists()) {
        eachCounted(s, path, range, [&](const DrawRecord& r) {
            ++draws;
            int k = 0;
            for (auto n : r.numbers) k += int(has(int(n)));
            ++count[k];
        });
    }
    qint64 total = 0;
    for (int k = 0; k <= 6; ++k) total += k * count[k];
    const qint64 share = draws > 0 ? qint64(roundHalfEven(double(100 * total) / double(6 * draws))) : 0;
    BarChart chart = digitChart(count, {});
    chart.title = texts.text(nameText) + QLatin1Char(' ') + num(draws) + QLatin1Char(' ') + texts.text(kDrawsLabel) +
                  separator + num(share) + QStringLiteral("% ") + texts.text(shareText) + QLatin1Char('.');
    chart.chance = classCounts(chart.bars, draws, members);
    return chart;
}

} // namespace

QString statisticName(Statistic s)
{
    switch (s) {
    case Statistic::Frequency: return QStringLiteral("frequency");
    case Statistic::Overdue: return QStringLiteral("overdue");
    case Statistic::Sums: return QStringLiteral("sums");
    case Statistic::Reintegro: return QStringLiteral("reintegro");
    case Statistic::ReintegroOverdue: return QStringLiteral("reintegro-overdue");
    case Statistic::Pairs: return QStringLiteral("pairs");
    case Statistic::Triples: return QStringLiteral("triples");
    case Statistic::Quads: return QStringLiteral("quads");
    case Statistic::Primes: return QStringLiteral("primes");
    case Statistic::Odd: return QStringLiteral("odd");
    case Statistic::Even: return QStringLiteral("even");
    }
    return {};
}

std::optional<Statistic> statisticFromName(const QString& name)
{
    for (Statistic s : kAllStatistics)
        if (statisticName(s) == name) return s;
    return std::nullopt;
}

double reintegroFirstDay()
{
    return kFirstReintegroDay;
}

DrawFilter filterFor(Statistic s, const StatsRange& range)
{
    DrawFilter f;
    f.start = range.start;
    f.end = range.end;
    f.days = range.days;
    f.rule = DayRule::Standard;
    f.startInclusive = false;
    switch (s) {
    case Statistic::Frequency: f.startInclusive = true; break;
    case Statistic::Reintegro:
        f.startInclusive = true;
        f.start = std::max(range.start, reintegroFirstDay());
        f.rule = DayRule::Reintegro;
        break;
    case Statistic::ReintegroOverdue: f.start = std::max(range.start, reintegroFirstDay()); break;
    default: break;
    }
    return f;
}

BarChart numberFrequency(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    std::array<qint64, kHighest + 1> count{};
    qint64 draws = 0;
    double total = 0;
    qint64 counted = 0;
    eachCounted(Statistic::Frequency, path, range, [&](const DrawRecord& r) {
        for (auto n : r.numbers)
            if (isNumber(n)) ++count[n];
        if (isNumber(r.complementary)) ++count[r.complementary];
        ++draws;
        total += r.sum();
    });
    for (int n = 1; n <= kHighest; ++n) counted += count[n];
    BarChart chart =
        perNumberChart(count, texts.text(kFrequencyName) + QStringLiteral("     ") + texts.text(kDrawsLabel) +
                                  QStringLiteral(": ") + num(draws) + QStringLiteral("    ") +
                                  texts.text(kAverageSumLabel) + QStringLiteral(": ") + num(average(total, draws)));
    // The 7 numbers of a draw (with the complementary one) are distinct: equalShares scales for it.
    chart.chance = equalShares(chart.bars, draws, counted, QStringLiteral("Zahl"));
    return chart;
}

BarChart numberOverdue(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    // Counting the draws since each number's last appearance keeps the pass at one write per number
    // drawn: overdue = 1 + draws after the last appearance.
    std::array<qint64, kHighest + 1> lastSeen{}; // draw count at the last appearance, 0 = never
    qint64 draws = 0;
    eachCounted(Statistic::Overdue, path, range, [&](const DrawRecord& r) {
        ++draws;
        for (auto n : r.numbers)
            if (isNumber(n)) lastSeen[n] = draws;
        if (isNumber(r.complementary)) lastSeen[r.complementary] = draws;
    });
    std::array<qint64, kHighest + 1> overdue{};
    for (int n = 1; n <= kHighest; ++n) overdue[n] = 1 + draws - lastSeen[n];
    return perNumberChart(overdue, texts.text(kOverdueName));
}

BarChart sumDistribution(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    // Sized for any six bytes, so a damaged record cannot count outside the table.
    std::array<qint64, 6 * 255 + 1> count{};
    int smallest = 500, largest = 0;
    qint64 draws = 0;
    double total = 0;
    eachCounted(Statistic::Sums, path, range, [&](const DrawRecord& r) {
        const int s = r.sum();
        ++count[s];
        smallest = std::min(smallest, s);
        largest = std::max(largest, s);
        ++draws;
        total += s;
    });
    BarChart chart;
    for (int s = smallest; s <= largest; ++s) chart.bars.push_back({double(s), double(count[s]), BarColor::Series});
    chart.title = texts.text(kSumsName) + QStringLiteral("     ") + texts.text(kDrawsLabel) + QStringLiteral(": ") +
                  num(draws) + QStringLiteral("    ") + texts.text(kSumsAverageLabel) + QStringLiteral(": ") +
                  num(average(total, draws));
    return chart;
}

BarChart reintegroFrequency(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    std::array<qint64, 10> count{};
    qint64 draws = 0;
    eachCounted(Statistic::Reintegro, path, range, [&](const DrawRecord& r) {
        if (r.reintegro > 9) return;
        ++count[r.reintegro];
        ++draws;
    });
    BarChart chart = digitChart(count, texts.text(kReintegroName));
    chart.chance = equalShares(chart.bars, draws, draws, QStringLiteral("Ziffer"));
    return chart;
}

BarChart reintegroOverdue(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    // Unlike the numbers, a digit never drawn shows the count of draws, not one more.
    std::array<qint64, 10> lastSeen{};
    std::array<bool, 10> seen{};
    qint64 draws = 0;
    eachCounted(Statistic::ReintegroOverdue, path, range, [&](const DrawRecord& r) {
        ++draws;
        if (r.reintegro <= 9) {
            lastSeen[r.reintegro] = draws;
            seen[r.reintegro] = true;
        }
    });
    std::array<qint64, 10> overdue{};
    for (int d = 0; d < 10; ++d) overdue[d] = seen[d] ? 1 + draws - lastSeen[d] : draws;
    return digitChart(overdue, texts.text(kReintegroOverdueName));
}

BarChart pairCounts(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    return runChart(Statistic::Pairs, 2, 48, 48, kPairsName, true, path, range, texts);
}

BarChart tripleCounts(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    return runChart(Statistic::Triples, 3, 47, 47, kTriplesName, true, path, range, texts);
}

BarChart quadCounts(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    // 49 bars, the last three always 0; the left axis scales itself.
    return runChart(Statistic::Quads, 4, 47, 49, kQuadsName, false, path, range, texts);
}

BarChart primesPerDraw(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    return propertyChart(
        Statistic::Primes, [](int n) { return primeBit(n); }, 15, kPrimesName, kPrimesShare, QStringLiteral(". "), path,
        range, texts);
}

BarChart oddPerDraw(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    return propertyChart(
        Statistic::Odd, [](int n) { return n % 2 == 1; }, 25, kOddName, kOddShare, QStringLiteral(".  "), path, range,
        texts);
}

BarChart evenPerDraw(const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    return propertyChart(
        Statistic::Even, [](int n) { return n % 2 == 0; }, 24, kEvenName, kEvenShare, QStringLiteral(".  "), path,
        range, texts);
}

BarChart runStatistic(Statistic s, const QString& path, const StatsRange& range, const InterfaceTexts& texts)
{
    switch (s) {
    case Statistic::Frequency: return numberFrequency(path, range, texts);
    case Statistic::Overdue: return numberOverdue(path, range, texts);
    case Statistic::Sums: return sumDistribution(path, range, texts);
    case Statistic::Reintegro: return reintegroFrequency(path, range, texts);
    case Statistic::ReintegroOverdue: return reintegroOverdue(path, range, texts);
    case Statistic::Pairs: return pairCounts(path, range, texts);
    case Statistic::Triples: return tripleCounts(path, range, texts);
    case Statistic::Quads: return quadCounts(path, range, texts);
    case Statistic::Primes: return primesPerDraw(path, range, texts);
    case Statistic::Odd: return oddPerDraw(path, range, texts);
    case Statistic::Even: return evenPerDraw(path, range, texts);
    }
    return {};
}

bool isPrime(int n)
{
    return unsigned(n) < 64 && (kPrimeBits >> n & 1);
}

int primzahlen(std::span<const int> numbers)
{
    return int(std::count_if(numbers.begin(), numbers.end(), isPrime));
}

double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

} // namespace razoz
