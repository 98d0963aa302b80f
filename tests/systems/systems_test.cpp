#include "systems/system_build.h"
#include "test_support.h"
#include "tipfiles/tip_file.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <bit>
#include <random>

using namespace razoz;
using namespace razoz::systems;

namespace {

// Every m-set of 0..v-1 in lexicographic order, the plain way.
template <typename F> void forEachSet(int v, int m, int from, RowMask set, F& f)
{
    if (m == 0) {
        f(set);
        return;
    }
    for (int p = from; p <= v - m; ++p) forEachSet(v, m - 1, p + 1, set | (RowMask(1) << p), f);
}

Coverage bruteForce(const std::vector<RowMask>& rows, int v, Guarantee g, int maxHoles)
{
    Coverage c;
    auto visit = [&](RowMask set) {
        ++c.total;
        for (RowMask r : rows)
            if (std::popcount(r & set) >= g.t) {
                ++c.covered;
                return;
            }
        if (static_cast<int>(c.holes.size()) < maxHoles) c.holes.push_back(set);
    };
    forEachSet(v, g.m, 0, 0, visit);
    return c;
}

std::vector<RowMask> randomRows(int v, int count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<RowMask> rows;
    while (static_cast<int>(rows.size()) < count) {
        RowMask r = 0;
        while (std::popcount(r) < kRowSize) r |= RowMask(1) << (rng() % static_cast<unsigned>(v));
        rows.push_back(r);
    }
    return rows;
}

std::vector<int> firstNumbers(int v)
{
    std::vector<int> n;
    for (int i = 1; i <= v; ++i) n.push_back(i);
    return n;
}

} // namespace

TEST(SystemCheck, AgreesWithBruteForce)
{
    struct Case {
        int v, t, m, rows;
    };
    // The last case is large enough for the check's two threads.
    for (const Case c : {Case{6, 1, 1, 1}, Case{9, 2, 2, 3}, Case{12, 3, 3, 12}, Case{14, 3, 4, 9}, Case{15, 4, 6, 30},
                         Case{20, 2, 5, 6}, Case{16, 5, 5, 200}, Case{30, 3, 5, 200}}) {
        SCOPED_TRACE(testing::Message() << c.t << " if " << c.m << " on " << c.v << ", " << c.rows << " rows");
        const std::vector<RowMask> rows = randomRows(c.v, c.rows, static_cast<unsigned>(c.v * 100 + c.t * 10 + c.m));
        const Coverage expected = bruteForce(rows, c.v, Guarantee{c.t, c.m}, 25);
        const Coverage got = checkGuarantee(rows, c.v, Guarantee{c.t, c.m}, 25);
        EXPECT_EQ(got.total, expected.total);
        EXPECT_EQ(got.covered, expected.covered);
        EXPECT_EQ(got.holes, expected.holes);
    }
}

TEST(SystemBounds, SchoenheimAndTheProvenValues)
{
    struct Case {
        int v, t;
        std::uint64_t bound;
    };
    for (const Case c : {Case{7, 3, 4}, Case{10, 3, 7}, Case{12, 3, 14}, Case{22, 3, 77}, Case{49, 3, 948},
                         Case{10, 5, 44}, Case{6, 6, 1}, Case{49, 1, 9}})
        EXPECT_EQ(schoenheimBound(c.v, c.t), c.bound) << c.t << " if " << c.t << " on " << c.v;
    // Raised to the proven optimum where the literature has one; 1 if m exactly.
    EXPECT_EQ(lowerBound(12, {3, 3}).rows, 15u);
    EXPECT_TRUE(lowerBound(12, {3, 3}).fromLiterature);
    EXPECT_EQ(lowerBound(14, {3, 3}).rows, schoenheimBound(14, 3));
    EXPECT_EQ(lowerBound(49, {3, 6}).rows, 87u);
    EXPECT_EQ(lowerBound(20, {1, 4}).rows, 3u);
}

TEST(SystemConstructions, SteinerSystemCoversEveryTripleOnce)
{
    const std::vector<RowMask> rows = steinerSystem22();
    ASSERT_EQ(rows.size(), 77u);
    for (RowMask r : rows) EXPECT_EQ(std::popcount(r), kRowSize);
    const Coverage c = checkGuarantee(rows, 22, {3, 3});
    EXPECT_TRUE(c.holds());
    EXPECT_EQ(c.total, 1540u); // 77 rows × 20 triples: each triple exactly once

    // Without one row, exactly its 20 triples are open.
    std::vector<RowMask> less = rows;
    const RowMask gone = less[5];
    less.erase(less.begin() + 5);
    const Coverage holes = checkGuarantee(less, 22, {3, 3}, 100);
    EXPECT_EQ(holes.total - holes.covered, 20u);
    ASSERT_EQ(holes.holes.size(), 20u);
    for (RowMask h : holes.holes) EXPECT_EQ(h & gone, h);
}

TEST(SystemSearch, ReproducibleBySeedAndAlwaysProven)
{
    struct Case {
        int v, t, m;
    };
    for (const Case c : {Case{10, 3, 3}, Case{12, 3, 3}, Case{9, 4, 4}, Case{12, 3, 4}, Case{10, 2, 3}}) {
        SCOPED_TRACE(testing::Message() << c.t << " if " << c.m << " on " << c.v);
        SearchOptions options;
        options.seconds = 0;
        options.maxIterations = 3000;
        options.seed = 7;
        std::vector<int> sizes;
        options.progress = [&](int size) { sizes.push_back(size); };
        const auto first = searchSystem(c.v, {c.t, c.m}, options);
        const std::vector<int> reported = sizes;
        const auto again = searchSystem(c.v, {c.t, c.m}, options);
        sizes = reported;
        EXPECT_EQ(first, again);
        EXPECT_TRUE(checkGuarantee(first, c.v, {c.t, c.m}).holds());
        ASSERT_FALSE(sizes.empty());
        EXPECT_EQ(static_cast<std::size_t>(sizes.back()), first.size());
        EXPECT_TRUE(std::is_sorted(sizes.rbegin(), sizes.rend()));
    }
    SearchOptions options;
    options.seconds = 0;
    options.maxIterations = 20000;
    EXPECT_EQ(searchSystem(12, {3, 3}, options).size(), 15u); // the proven optimum
}

TEST(SystemBuild, CacheIsUsedAndRefusedWhenDamaged)
{
    QTemporaryDir dir;
    BuildOptions options;
    options.cacheFolder = dir.filePath("Systeme");
    options.search.seconds = 0;
    options.search.maxIterations = 2000;
    const std::vector<int> numbers = {3, 8, 14, 19, 22, 27, 31, 35, 40, 44, 47};
    const BuiltSystem first = buildSystem(numbers, {3, 4}, options);
    EXPECT_EQ(first.source, "search");
    EXPECT_TRUE(first.coverage.holds());
    const BuiltSystem second = buildSystem(numbers, {3, 4}, options);
    EXPECT_EQ(second.source, "cache");
    EXPECT_EQ(second.rows, first.rows);

    // A row lost from the file: the check refuses it and a new search replaces it.
    const QString path = cacheFile(options.cacheFolder, 11, {3, 4});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.truncate(text.lastIndexOf('\n', text.size() - 2) + 1);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    const BuiltSystem third = buildSystem(numbers, {3, 4}, options);
    EXPECT_TRUE(third.cacheRefused);
    EXPECT_EQ(third.source, "search");
    EXPECT_TRUE(third.coverage.holds());
    EXPECT_EQ(buildSystem(numbers, {3, 4}, options).source, "cache");

    // Junk in the file: refused as well.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("razoz-system 11 3 4\n1 2 3 4 5 99\n");
    file.close();
    ASSERT_EQ(QFile(path).size(), 33);
    EXPECT_TRUE(buildSystem(numbers, {3, 4}, options).cacheRefused);
}

TEST(SystemBuild, RefusesWhatExceedsTheLimitNamingTheFullSystem)
{
    try {
        buildSystem(firstNumbers(30), {6, 6}, {});
        FAIL() << "no refusal";
    } catch (const SystemError& e) {
        EXPECT_NE(std::string(e.what()).find("593775"), std::string::npos) << e.what();
    }
    EXPECT_THROW(buildSystem({1, 2, 3, 4, 5}, {3, 3}, {}), SystemError);
    EXPECT_THROW(buildSystem({1, 2, 3, 4, 5, 5, 6}, {3, 3}, {}), SystemError);
    const BuiltSystem full = buildSystem(firstNumbers(9), {6, 6}, {});
    EXPECT_EQ(full.rows.size(), 84u);
    EXPECT_TRUE(full.optimal);
}

TEST(SystemTipFiles, ThirtyRowsMakeThreeSlips)
{
    const std::vector<int> numbers = firstNumbers(49);
    std::vector<RowMask> rows = randomRows(49, 30, 3);
    const auto numbered = numberRows(rows, numbers);
    QTemporaryDir dir;
    const QStringList paths = writeSystemTipFiles(dir.path(), "system", numbered);
    ASSERT_EQ(paths.size(), 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    EXPECT_TRUE(paths[2].endsWith("system-03.wtp"));
    for (int f = 0; f < 3; ++f) {
        const TipRows slip = readTipFile(paths[f]);
        for (int r = 0; r < kTipRows; ++r) {
            const std::size_t at = static_cast<std::size_t>(f * kTipRows + r);
            const auto got = rowNumbers(slip[r]);
            if (at >= numbered.size()) {
                EXPECT_FALSE(got) << "file " << f << " row " << r;
                continue;
            }
            ASSERT_TRUE(got);
            EXPECT_EQ(*got, numbered[at]);
        }
    }
}
