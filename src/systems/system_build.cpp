#include "systems/system_build.h"

#include "tipfiles/tip_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <bit>
#include <set>

namespace razoz::systems {

std::optional<Guarantee> parseGuarantee(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d)\\s*(?:if|/|wenn)\\s*(\\d)\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const Guarantee g{match.captured(1).toInt(), match.captured(2).toInt()};
    if (g.t < 1 || g.t > g.m || g.m > kRowSize) return std::nullopt;
    return g;
}

std::vector<int> chosenNumbers(const std::vector<int>& numbers)
{
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    for (int n : sorted)
        if (n < 1 || n > kMaxNumbers) throw SystemError(QStringLiteral("%1 is no number from 1 to 49").arg(n));
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        throw SystemError(QStringLiteral("%1 is chosen twice").arg(*std::adjacent_find(sorted.begin(), sorted.end())));
    if (sorted.size() < static_cast<std::size_t>(kRowSize))
        throw SystemError(QStringLiteral("a system needs at least six numbers (%1 given)").arg(sorted.size()));
    return sorted;
}

std::vector<std::array<int, kRowSize>> numberRows(const std::vector<RowMask>& rows, const std::vector<int>& numbers)
{
    std::vector<std::array<int, kRowSize>> out;
    for (RowMask r : rows) {
        std::array<int, kRowSize> row{};
        const std::vector<int> p = positions(r);
        for (std::size_t i = 0; i < row.size() && i < p.size(); ++i) row[i] = numbers[static_cast<std::size_t>(p[i])];
        out.push_back(row);
    }
    return out;
}

RowMask rowMask(const std::vector<int>& row, const std::vector<int>& numbers)
{
    RowMask mask = 0;
    for (int n : row) {
        const auto it = std::lower_bound(numbers.begin(), numbers.end(), n);
        if (it != numbers.end() && *it == n) mask |= RowMask(1) << (it - numbers.begin());
    }
    return mask;
}

std::vector<RowMask> steinerSystem22()
{
    // The cyclic Golay code of length 23 from x^11+x^10+x^6+x^5+x^4+x^2+1, extended by a parity bit.
    constexpr std::uint32_t generator = 0xC75;
    std::vector<std::uint32_t> basis;
    for (int i = 0; i < 12; ++i) basis.push_back(generator << i);
    std::vector<RowMask> rows;
    for (std::uint32_t pick = 0; pick < (1u << 12); ++pick) {
        std::uint32_t word = 0;
        for (int i = 0; i < 12; ++i)
            if (pick & (1u << i)) word ^= basis[static_cast<std::size_t>(i)];
        if (std::popcount(word) % 2) word |= 1u << 23;
        constexpr std::uint32_t fixed = (1u << 22) | (1u << 23);
        if (std::popcount(word) == 8 && (word & fixed) == fixed) rows.push_back(word & ~fixed);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<RowMask> unionOf(const std::vector<RowMask>& first, int v, const std::vector<RowMask>& second)
{
    std::vector<RowMask> rows = first;
    for (RowMask r : second) rows.push_back(r << v);
    return rows;
}

QString cacheFile(const QString& folder, int v, Guarantee g)
{
    return QDir(folder).filePath(QStringLiteral("system-v%1-%2if%3.txt").arg(v).arg(g.t).arg(g.m));
}

namespace {

constexpr const char* kCacheHeader = "razoz-system";

// The cached rows of (v, t, m): nullopt when there is no file; an empty list when it is damaged.
std::optional<std::vector<RowMask>> readCache(const QString& folder, int v, Guarantee g)
{
    QFile file(cacheFile(folder, v, g));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    std::vector<RowMask> rows;
    const std::vector<RowMask> damaged;
    if (lines.isEmpty() || lines[0].trimmed() != QByteArray(kCacheHeader) + ' ' + QByteArray::number(v) + ' ' +
                                                     QByteArray::number(g.t) + ' ' + QByteArray::number(g.m))
        return damaged;
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        RowMask row = 0;
        const QList<QByteArray> fields = line.split(' ');
        for (const QByteArray& f : fields) {
            bool ok = false;
            const int p = f.toInt(&ok);
            if (!ok || p < 1 || p > v) return damaged;
            row |= RowMask(1) << (p - 1);
        }
        if (fields.size() != kRowSize || std::popcount(row) != kRowSize) return damaged;
        rows.push_back(row);
        if (rows.size() > static_cast<std::size_t>(kMaxRows)) return damaged;
    }
    return rows;
}

void writeCache(const QString& folder, int v, Guarantee g, const std::vector<RowMask>& rows)
{
    if (!QDir().mkpath(folder)) return; // a cache that cannot be written only costs time
    QSaveFile file(cacheFile(folder, v, g));
    if (!file.open(QIODevice::WriteOnly)) return;
    QByteArray text = QByteArray(kCacheHeader) + ' ' + QByteArray::number(v) + ' ' + QByteArray::number(g.t) + ' ' +
                      QByteArray::number(g.m) + '\n';
    for (RowMask r : rows) {
        QByteArrayList fields;
        for (int p : positions(r)) fields.append(QByteArray::number(p + 1));
        text += fields.join(' ') + '\n';
    }
    file.write(text);
    file.commit();
}

struct Found {
    std::vector<RowMask> rows;
    QString source;
    bool cacheRefused = false;
};

// The refusal of a system beyond kMaxRows names what the full system would take.
[[noreturn]] void refuseSize(int v, Guarantee g, std::uint64_t atLeast)
{
    throw SystemError(QStringLiteral("%1 if %2 on %3 numbers needs at least %4 rows, more than %5; the full system "
                                     "of %3 numbers has %6 rows")
                          .arg(g.t)
                          .arg(g.m)
                          .arg(v)
                          .arg(atLeast)
                          .arg(kMaxRows)
                          .arg(binomial(v, kRowSize)));
}

Found findOnPositions(int v, Guarantee g, const BuildOptions& options)
{
    const LowerBound bound = lowerBound(v, g);
    if (bound.rows > static_cast<std::uint64_t>(kMaxRows)) refuseSize(v, g, bound.rows);
    Found found;
    if (!options.cacheFolder.isEmpty()) {
        if (const auto cached = readCache(options.cacheFolder, v, g)) {
            if (!cached->empty() && checkGuarantee(*cached, v, g, 0).holds()) return Found{*cached, "cache"};
            found.cacheRefused = true;
        }
    }
    if (v == kRowSize) {
        found.rows = {(RowMask(1) << v) - 1};
        found.source = "construction";
    } else if (g.t == kRowSize) {
        if (binomial(v, kRowSize) > static_cast<std::uint64_t>(kMaxRows)) refuseSize(v, g, binomial(v, kRowSize));
        found.rows = fullSystem(v);
        found.source = "full";
    } else if (g.t == 1) {
        // Rows over v − m + 1 of the numbers: m drawn among v always meet them.
        const int reach = v - g.m + 1;
        for (int start = 0; start < reach; start += kRowSize) {
            const int from = std::min(start, v - kRowSize);
            found.rows.push_back(((RowMask(1) << kRowSize) - 1) << from);
        }
        found.source = "construction";
    } else if (v == 22 && g.t == 3 && g.m == 3) {
        found.rows = steinerSystem22();
        found.source = "construction";
    } else if (searchable(v, g)) {
        SearchOptions search = options.search;
        search.target = bound.rows;
        found.rows = searchSystem(v, g, search);
        found.source = "search";
    } else if (g.m > g.t) {
        // Two parts: "t if t" on the first v1 numbers, "t if m−t+1" on the rest; m drawn among
        // all put t in the first part or m − t + 1 in the second.
        const Guarantee second{g.t, g.m - g.t + 1};
        const int v1 = g.t == 3 && v - 22 >= second.m ? 22 : v / 2;
        BuildOptions part = options;
        const Found a = findOnPositions(v1, Guarantee{g.t, g.t}, part);
        const Found b = findOnPositions(v - v1, second, part);
        found.rows = unionOf(a.rows, v1, b.rows);
        found.source = "union";
    } else {
        throw SystemError(QStringLiteral("no search for %1 if %2 on %3 numbers").arg(g.t).arg(g.m).arg(v));
    }
    if (found.rows.size() > static_cast<std::size_t>(kMaxRows)) refuseSize(v, g, found.rows.size());
    if (!checkGuarantee(found.rows, v, g, 0).holds())
        throw SystemError(
            QStringLiteral("the system found for %1 if %2 on %3 numbers fails its check").arg(g.t).arg(g.m).arg(v));
    if (!options.cacheFolder.isEmpty()) writeCache(options.cacheFolder, v, g, found.rows);
    return found;
}

} // namespace

BuiltSystem buildSystem(const std::vector<int>& numbers, Guarantee g, const BuildOptions& options)
{
    BuiltSystem s;
    s.numbers = chosenNumbers(numbers);
    s.guarantee = g;
    const int v = static_cast<int>(s.numbers.size());
    if (g.t < 1 || g.t > g.m || g.m > kRowSize)
        throw SystemError(QStringLiteral("no guarantee %1 if %2 (1 ≤ t ≤ m ≤ 6)").arg(g.t).arg(g.m));
    Found found = findOnPositions(v, g, options);
    s.rows = std::move(found.rows);
    s.source = found.source;
    s.cacheRefused = found.cacheRefused;
    s.bound = lowerBound(v, g);
    s.bestKnown = systems::bestKnown(v, g);
    // Proven here, whatever the source: the check of every m-set.
    s.coverage = checkGuarantee(s.rows, v, g);
    if (!s.coverage.holds()) throw SystemError(QStringLiteral("the system fails its check"));
    s.optimal = s.rows.size() <= s.bound.rows;
    return s;
}

QStringList writeSystemTipFiles(const QString& folder, const QString& base,
                                const std::vector<std::array<int, kRowSize>>& rows)
{
    QStringList paths;
    const int files = (static_cast<int>(rows.size()) + kTipRows - 1) / kTipRows;
    const int width = std::max(2, static_cast<int>(QString::number(files).size()));
    for (int f = 0; f < files; ++f) {
        TipRows slip;
        for (int r = 0; r < kTipRows; ++r) {
            const std::size_t at = static_cast<std::size_t>(f) * kTipRows + static_cast<std::size_t>(r);
            if (at >= rows.size()) break;
            for (int c = 0; c < kTipColumns; ++c) slip[r][c] = QString::number(rows[at][static_cast<std::size_t>(c)]);
        }
        const QString path = QDir(folder).filePath(
            QStringLiteral("%1-%2.%3").arg(base).arg(f + 1, width, 10, QLatin1Char('0')).arg(kTipFileExtension));
        writeTipFile(path, slip);
        paths.append(path);
    }
    return paths;
}

} // namespace razoz::systems
