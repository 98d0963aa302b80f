// system build / system check: systems with a proven guarantee "t if m".
#include "cli.h"

#include "systems/system_build.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace razoz::cli {

using namespace razoz::systems;

namespace {

std::vector<int> takeNumbers(CliContext& ctx)
{
    const auto option = ctx.takeOption(QStringLiteral("--numbers"));
    if (!option) throw UsageError(QStringLiteral("give --numbers a,b,…"));
    std::vector<int> numbers;
    for (const QString& field : option->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = field.trimmed().toInt(&ok);
        if (!ok) throw UsageError(QStringLiteral("--numbers: \"%1\" is no number").arg(field));
        numbers.push_back(n);
    }
    try {
        return chosenNumbers(numbers);
    } catch (const SystemError& e) {
        throw UsageError(QStringLiteral("--numbers: %1").arg(QString::fromStdString(e.what())));
    }
}

std::optional<Guarantee> takeGuarantee(CliContext& ctx, bool required)
{
    const auto option = ctx.takeOption(QStringLiteral("--guarantee"));
    if (!option) {
        if (required) throw UsageError(QStringLiteral("give --guarantee TifM (e.g. 3if4)"));
        return std::nullopt;
    }
    const auto g = parseGuarantee(*option);
    if (!g)
        throw UsageError(QStringLiteral("--guarantee: \"%1\" is no guarantee TifM with 1 ≤ T ≤ M ≤ 6").arg(*option));
    return g;
}

QJsonArray numbersJson(RowMask mask, const std::vector<int>& numbers)
{
    QJsonArray out;
    for (int p : positions(mask)) out.append(numbers[static_cast<std::size_t>(p)]);
    return out;
}

QString numbersText(RowMask mask, const std::vector<int>& numbers)
{
    QStringList out;
    for (int p : positions(mask)) out.append(QString::number(numbers[static_cast<std::size_t>(p)]).rightJustified(2));
    return out.join(QLatin1Char(' '));
}

// Every --row (six numbers) or the complete rows of every --tips file; rows as number lists.
std::vector<std::vector<int>> takeRows(CliContext& ctx)
{
    const QStringList rowValues = ctx.takeOptions(QStringLiteral("--row"));
    const QStringList files = ctx.takeOptions(QStringLiteral("--tips"));
    if (!rowValues.isEmpty() && !files.isEmpty())
        throw UsageError(QStringLiteral("--row and --tips exclude each other"));
    if (rowValues.isEmpty() && files.isEmpty()) throw UsageError(QStringLiteral("give --row or --tips"));
    std::vector<std::vector<int>> rows;
    for (int r = 0; r < rowValues.size(); ++r) {
        std::vector<int> row;
        for (const QString& field : rowValues[r].split(QLatin1Char(','))) {
            const auto n = tipNumber(field);
            if (!n)
                throw UsageError(QStringLiteral("--row %1: \"%2\" is no number from 1 to 49").arg(r + 1).arg(field));
            row.push_back(*n);
        }
        if (row.size() != static_cast<std::size_t>(kRowSize))
            throw UsageError(QStringLiteral("--row %1: \"%2\" needs six numbers").arg(r + 1).arg(rowValues[r]));
        rows.push_back(row);
    }
    for (const QString& file : files) {
        TipRows tips;
        try {
            tips = normalizeTipRows(readTipFile(file));
        } catch (const TipFileError& e) {
            throw Failure(QString::fromStdString(e.what()));
        }
        for (const TipRowTexts& texts : tips)
            if (const auto numbers = rowNumbers(texts)) rows.emplace_back(numbers->begin(), numbers->end());
    }
    if (rows.size() > static_cast<std::size_t>(kMaxRows))
        throw Failure(QStringLiteral("more than %1 rows").arg(kMaxRows));
    return rows;
}

int buildCommand(CliContext& ctx)
{
    const std::vector<int> numbers = takeNumbers(ctx);
    const Guarantee g = *takeGuarantee(ctx, true);
    BuildOptions options;
    if (const auto s = ctx.takeOption(QStringLiteral("--seconds"))) {
        bool ok = false;
        options.search.seconds = s->toDouble(&ok);
        if (!ok || options.search.seconds < 0)
            throw UsageError(QStringLiteral("--seconds: \"%1\" is no number of seconds").arg(*s));
    }
    if (const auto s = ctx.takeOption(QStringLiteral("--seed"))) {
        bool ok = false;
        options.search.seed = s->toULongLong(&ok);
        if (!ok) throw UsageError(QStringLiteral("--seed: \"%1\" is no number").arg(*s));
    }
    const auto tipsOut = ctx.takeOption(QStringLiteral("--tips-out"));
    ctx.expectNoMore();
    if (g.m > static_cast<int>(numbers.size()))
        throw UsageError(
            QStringLiteral("--guarantee: %1 drawn numbers cannot be among %2").arg(g.m).arg(numbers.size()));
    options.cacheFolder = QDir(ctx.programFolder()).filePath(QStringLiteral("Systeme"));

    BuiltSystem s;
    try {
        s = buildSystem(numbers, g, options);
    } catch (const SystemError& e) {
        throw Failure(QString::fromStdString(e.what()));
    }
    QStringList tipFiles;
    if (tipsOut) {
        if (!QDir().mkpath(*tipsOut)) throw Failure(QStringLiteral("cannot create folder %1").arg(*tipsOut));
        try {
            tipFiles =
                writeSystemTipFiles(*tipsOut, QStringLiteral("system-%1if%2-v%3").arg(g.t).arg(g.m).arg(numbers.size()),
                                    numberRows(s.rows, s.numbers));
        } catch (const TipFileError& e) {
            throw Failure(QString::fromStdString(e.what()));
        }
    }
    if (s.cacheRefused) std::fprintf(stderr, "razoz-cli: the cached system failed its check and was replaced\n");

    const auto size = static_cast<qint64>(s.rows.size());
    if (ctx.json()) {
        QJsonArray rows, chosen;
        for (RowMask r : s.rows) rows.append(numbersJson(r, s.numbers));
        for (int n : s.numbers) chosen.append(n);
        QJsonObject doc{{"numbers", chosen},
                        {"t", g.t},
                        {"m", g.m},
                        {"rows", rows},
                        {"size", size},
                        {"lower_bound", static_cast<qint64>(s.bound.rows)},
                        {"optimal", s.optimal},
                        {"best_known", s.bestKnown ? QJsonValue(static_cast<qint64>(*s.bestKnown)) : QJsonValue()},
                        {"source", s.source},
                        {"covered", static_cast<qint64>(s.coverage.covered)},
                        {"sets", static_cast<qint64>(s.coverage.total)},
                        {"proven", s.coverage.holds()}};
        if (tipsOut) doc.insert("tip_files", QJsonArray::fromStringList(tipFiles));
        ctx.printJson(doc);
        return 0;
    }
    QTextStream& out = ctx.out();
    out << g.t << " if " << g.m << " on " << s.numbers.size() << " numbers: " << size << " rows, ";
    if (s.optimal)
        out << "optimal (lower bound " << s.bound.rows << ")";
    else
        out << "lower bound " << s.bound.rows << ", gap " << size - static_cast<qint64>(s.bound.rows);
    if (s.bestKnown) out << ", best known " << *s.bestKnown;
    out << "\nproven: " << s.coverage.covered << " of " << s.coverage.total << " sets of " << g.m << " numbers\n";
    for (RowMask r : s.rows) out << numbersText(r, s.numbers) << '\n';
    for (const QString& f : tipFiles) out << f << '\n';
    return 0;
}

int checkSystemCommand(CliContext& ctx)
{
    const std::vector<std::vector<int>> rows = takeRows(ctx);
    const std::vector<int> numbers = takeNumbers(ctx);
    const auto g = takeGuarantee(ctx, false);
    ctx.expectNoMore();
    const int v = static_cast<int>(numbers.size());
    if (g && g->m > v)
        throw UsageError(QStringLiteral("--guarantee: %1 drawn numbers cannot be among %2").arg(g->m).arg(v));
    const int m = g ? g->m : std::min(v, kRowSize);
    std::vector<RowMask> masks;
    for (const auto& row : rows) masks.push_back(rowMask(row, numbers));
    const std::vector<GuaranteeLine> table = guaranteeTable(masks, v, m);

    if (ctx.json()) {
        QJsonArray lines;
        for (const GuaranteeLine& line : table) {
            QJsonArray holes;
            for (RowMask h : line.coverage.holes) holes.append(numbersJson(h, numbers));
            lines.append(QJsonObject{{"t", line.t},
                                     {"m", m},
                                     {"covered", static_cast<qint64>(line.coverage.covered)},
                                     {"sets", static_cast<qint64>(line.coverage.total)},
                                     {"uncovered", static_cast<qint64>(line.coverage.total - line.coverage.covered)},
                                     {"holes", holes}});
        }
        QJsonObject doc{{"rows", static_cast<qint64>(rows.size())}, {"guarantees", lines}};
        if (g) doc.insert("holds", table[static_cast<std::size_t>(g->t - 1)].coverage.holds());
        ctx.printJson(doc);
        return 0;
    }
    QTextStream& out = ctx.out();
    out << rows.size() << " rows on " << v << " numbers\n";
    for (const GuaranteeLine& line : table) {
        const Coverage& c = line.coverage;
        out << line.t << " if " << m << ": " << c.covered << " of " << c.total << " sets ("
            << QString::number(c.total ? 100.0 * static_cast<double>(c.covered) / static_cast<double>(c.total) : 100.0,
                               'f', 2)
            << " %)" << (g && g->t == line.t ? (c.holds() ? "  holds" : "  fails") : "") << '\n';
        if (!g || g->t == line.t)
            for (RowMask h : c.holes) out << "  hole: " << numbersText(h, numbers) << '\n';
    }
    return 0;
}

} // namespace

int systemCommand(CliContext& ctx)
{
    const QString sub = ctx.takeWord(QStringLiteral("system subcommand (build or check)"));
    if (sub == QLatin1String("build")) return buildCommand(ctx);
    if (sub == QLatin1String("check")) return checkSystemCommand(ctx);
    throw UsageError(QStringLiteral("unknown system subcommand: %1 (build, check)").arg(sub));
}

} // namespace razoz::cli
