#include "ui/system_actions.h"

#include "app/session.h"
#include "archive/draw_archive.h"
#include "base/locale_format.h"
#include "generate/pool_builder.h"
#include "systems/system_build.h"
#include "ui/long_action_runner.h"
#include "ui/page_systeme.h"
#include "ui/tip_grid.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <memory>
#include <set>

namespace razoz {

using namespace systems;

namespace {

QString numbersText(RowMask mask, const std::vector<int>& numbers)
{
    QString out;
    for (int p : positions(mask)) out += QStringLiteral(" %1").arg(numbers[static_cast<std::size_t>(p)], 2);
    return out;
}

QString tableText(const std::vector<GuaranteeLine>& table, std::size_t rows, const std::vector<int>& numbers,
                  Guarantee g)
{
    QStringList lines{
        QStringLiteral("%1 Tipps auf %2 Zahlen, Garantie %3 bei %4:").arg(rows).arg(numbers.size()).arg(g.t).arg(g.m)};
    for (const GuaranteeLine& line : table) {
        const Coverage& c = line.coverage;
        const double share = c.total ? 100.0 * static_cast<double>(c.covered) / static_cast<double>(c.total) : 100.0;
        QString text = QStringLiteral("%1 bei %2: %3 von %4 Fällen (%5 %)")
                           .arg(line.t)
                           .arg(g.m)
                           .arg(formatNumber(static_cast<double>(c.covered)),
                                formatNumber(static_cast<double>(c.total)), formatAmount(share, 2));
        if (line.t == g.t) text += c.holds() ? QStringLiteral("  – erfüllt") : QStringLiteral("  – nicht erfüllt");
        lines << text;
    }
    const Coverage& asked = table[static_cast<std::size_t>(g.t - 1)].coverage;
    if (!asked.holds()) {
        lines << QStringLiteral("Erste Lücken (%1 gezogene Zahlen, die kein Tipp mit %2 Richtigen trifft):")
                     .arg(g.m)
                     .arg(g.t);
        for (RowMask hole : asked.holes) lines << numbersText(hole, numbers);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

SystemActions::SystemActions(Parts parts, QObject* parent) : QObject(parent), p_(std::move(parts))
{
    SystemePage& page = p_.page;
    connect(page.SysBuild, &QPushButton::clicked, this, &SystemActions::build);
    connect(page.SysFromGrid, &QPushButton::clicked, this, &SystemActions::takeGridNumbers);
    connect(page.SysFromPool, &QPushButton::clicked, this, &SystemActions::takePoolNumbers);
    connect(page.SysToGrid, &QPushButton::clicked, this, [this] { slipToGrid(p_.page.slip()); });
    connect(page.SysPrev, &QToolButton::clicked, this, [this] { slipToGrid(p_.page.slip() - 1); });
    connect(page.SysNext, &QToolButton::clicked, this, [this] { slipToGrid(p_.page.slip() + 1); });
    connect(page.SysSave, &QPushButton::clicked, this, &SystemActions::saveTipFiles);
    connect(page.SysPrint, &QPushButton::clicked, this, &SystemActions::printSlips);
    connect(page.SysCheck, &QPushButton::clicked, this, &SystemActions::check);
}

void SystemActions::build()
{
    // The second click stops the search; the best system found so far is still checked and shown.
    if (building_) {
        p_.runner.requestStop();
        return;
    }
    if (p_.runner.busy()) return;
    SystemePage& page = p_.page;
    const auto numbers = page.numbers();
    if (!numbers) return;
    const Guarantee g = page.guarantee();
    const int v = static_cast<int>(numbers->size());
    const std::uint64_t least = g.t == kRowSize ? binomial(v, kRowSize) : lowerBound(v, g).rows;
    if (least > static_cast<std::uint64_t>(kMaxRows)) {
        page.showMessage(QStringLiteral("%1 bei %2 auf %3 Zahlen braucht mindestens %4 Tipps, mehr als %5; das volle "
                                        "System hat %6 Tipps.")
                             .arg(g.t)
                             .arg(g.m)
                             .arg(v)
                             .arg(formatNumber(static_cast<double>(least)), formatNumber(kMaxRows),
                                  formatNumber(static_cast<double>(binomial(v, kRowSize)))));
        return;
    }

    BuildOptions options;
    options.search.seconds = page.SysSeconds->value();
    options.cacheFolder = QDir(p_.session.programFolder()).filePath(QStringLiteral("Systeme"));
    struct Outcome {
        std::optional<BuiltSystem> system;
        QString failure;
        bool stopped = false;
    };
    const auto outcome = std::make_shared<Outcome>();
    QPointer<SystemePage> shown(&page);
    auto job = [options, numbers = *numbers, g, outcome, shown](RunControl& run, Prompt&) mutable {
        options.search.control = &run;
        options.search.progress = [&run, shown](int size) {
            run.status(0, QStringLiteral("System: bisher %1 Tipps").arg(size));
            QMetaObject::invokeMethod(
                shown.data(), [shown, size] { shown->showProgress(size); }, Qt::QueuedConnection);
        };
        try {
            outcome->system = buildSystem(numbers, g, options);
        } catch (const SystemError& e) {
            outcome->failure = QString::fromStdString(e.what());
        }
        outcome->stopped = run.stopRequested();
    };
    building_ = true;
    page.setBuilding(true);
    page.showCheck({});
    p_.runner.start(std::move(job),
                    [this, outcome] {
                        building_ = false;
                        SystemePage& page = p_.page;
                        page.setBuilding(false);
                        if (outcome->system) {
                            page.showSystem(*outcome->system);
                            p_.session.showStatus(0, outcome->stopped ? QStringLiteral("Suche angehalten")
                                                                      : QStringLiteral("System berechnet"));
                        } else {
                            page.SysResult->clear();
                            page.showMessage(outcome->stopped
                                                 ? QStringLiteral("Angehalten, bevor ein System gefunden war.")
                                                 : QStringLiteral("Kein System berechnet: %1").arg(outcome->failure));
                        }
                    },
                    {page.SysBuild});
}

void SystemActions::takeGridNumbers()
{
    std::set<int> seen;
    const TipRows rows = p_.grid.texts();
    for (const TipRowTexts& row : rows)
        for (const QString& box : row)
            if (const auto n = tipNumber(box)) seen.insert(*n);
    p_.page.setNumbers({seen.begin(), seen.end()});
    p_.page.numbers(); // too few is said at once
}

void SystemActions::takePoolNumbers()
{
    if (p_.runner.busy()) return;
    struct Outcome {
        std::optional<std::vector<int>> numbers;
        QString failure;
    };
    const auto outcome = std::make_shared<Outcome>();
    auto job = [outcome, settings = p_.session.calculation().snapshot(), archivePath = p_.session.archivePath(),
                texts = p_.session.texts()](RunControl&, Prompt&) {
        // The pool's steps would leave their texts in the status bar.
        QuietRunControl quiet;
        try {
            outcome->numbers = calculationPoolNumbers(settings, archivePath, texts, quiet);
            if (!outcome->numbers)
                outcome->failure = QStringLiteral("Die Datei kann nicht geöffnet werden: %1")
                                       .arg(QDir::toNativeSeparators(archivePath));
        } catch (const ArchiveError& e) {
            outcome->failure = e.message();
        }
    };
    p_.runner.start(std::move(job), [this, outcome] {
        if (!outcome->numbers) {
            p_.page.showMessage(outcome->failure);
            return;
        }
        p_.page.setNumbers(*outcome->numbers);
        p_.page.numbers();
    });
}

void SystemActions::slipToGrid(int index)
{
    SystemePage& page = p_.page;
    if (page.rows().empty()) return;
    page.setSlip(index);
    p_.grid.setTexts(page.slipRows(page.slip()));
    p_.grid.Komplettcheck();
}

void SystemActions::saveTipFiles()
{
    SystemePage& page = p_.page;
    if (page.rows().empty()) return;
    Prompt& prompt = p_.session.prompt();
    const QString folder = prompt.folderName(QStringLiteral("Tippdateien speichern"), p_.session.programFolder());
    if (folder.isEmpty()) return;
    const Guarantee g = page.systemGuarantee();
    try {
        const QStringList files = writeSystemTipFiles(
            folder, QStringLiteral("system-%1bei%2-%3zahlen").arg(g.t).arg(g.m).arg(page.systemNumbers().size()),
            page.rows());
        p_.session.showStatus(
            0,
            QStringLiteral("%1 Tippdateien gespeichert in %2").arg(files.size()).arg(QDir::toNativeSeparators(folder)));
    } catch (const TipFileError& e) {
        prompt.error(QString::fromStdString(e.what()));
    }
}

void SystemActions::printSlips()
{
    // Slip by slip through the grid and its print dialog; cancelling one ends the run.
    for (int s = 0; s < p_.page.slipCount(); ++s) {
        slipToGrid(s);
        if (!p_.printGrid || p_.printGrid() != 1) break;
    }
}

void SystemActions::check()
{
    if (p_.runner.busy()) return;
    SystemePage& page = p_.page;
    Prompt& prompt = p_.session.prompt();
    std::vector<std::vector<int>> rows;
    std::vector<int> numbers;
    Guarantee g = page.guarantee();
    if (!page.rows().empty() &&
        prompt.question(QStringLiteral("Prüfen"),
                        QStringLiteral("Das angezeigte System prüfen?\n„Nein“ lädt Tippdateien zur Prüfung."))) {
        for (const auto& row : page.rows()) rows.emplace_back(row.begin(), row.end());
        numbers = page.systemNumbers();
        g = page.systemGuarantee();
    } else {
        const QStringList files =
            prompt.openFileNames(QStringLiteral("Tippdateien prüfen"), kTipFileFilter, p_.session.programFolder());
        if (files.isEmpty()) return;
        std::set<int> seen;
        try {
            for (const QString& file : files)
                for (const TipRowTexts& texts : normalizeTipRows(readTipFile(file)))
                    if (const auto row = rowNumbers(texts)) {
                        rows.emplace_back(row->begin(), row->end());
                        seen.insert(row->begin(), row->end());
                    }
        } catch (const TipFileError& e) {
            prompt.error(QString::fromStdString(e.what()));
            return;
        }
        // The typed numbers when they can be used, else every number the rows hold.
        const ChosenNumbers typed = readChosenNumbers(page.SysNumbers->text());
        numbers = typed.problem.isEmpty() ? typed.numbers : std::vector<int>(seen.begin(), seen.end());
    }
    if (rows.empty()) {
        page.showMessage(QStringLiteral("Die Dateien enthalten keinen vollständigen Tipp."));
        return;
    }
    if (numbers.size() < static_cast<std::size_t>(kRowSize)) {
        page.showMessage(QStringLiteral("Die Tipps enthalten weniger als 6 verschiedene Zahlen."));
        return;
    }
    if (rows.size() > static_cast<std::size_t>(kMaxRows)) {
        page.showMessage(QStringLiteral("Mehr als %1 Tipps werden nicht geprüft.").arg(formatNumber(kMaxRows)));
        return;
    }
    page.showMessage({});
    checkRows(rows, numbers, g);
}

void SystemActions::checkRows(const std::vector<std::vector<int>>& rows, const std::vector<int>& numbers,
                              systems::Guarantee g)
{
    std::vector<RowMask> masks;
    for (const auto& row : rows) masks.push_back(rowMask(row, numbers));
    const auto text = std::make_shared<QString>();
    auto job = [masks, numbers, g, text, count = rows.size()](RunControl&, Prompt&) {
        *text = tableText(guaranteeTable(masks, static_cast<int>(numbers.size()), g.m), count, numbers, g);
    };
    p_.page.showCheck(QStringLiteral("Prüfung läuft …"));
    p_.runner.start(std::move(job), [this, text] { p_.page.showCheck(*text); });
}

} // namespace razoz
