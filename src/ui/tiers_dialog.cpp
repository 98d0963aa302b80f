#include "ui/tiers_dialog.h"

#include "app/prize_settings.h"
#include "app/session.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "base/day_count.h"
#include "base/locale_format.h"
#include "ui/date_picker.h"
#include "ui/long_action_runner.h"
#include "ui/tier_charts.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace razoz {

namespace {

// The tiers with a prize of their own, in the order of the fields; the Reintegro returns the stake.
constexpr std::array<PrizeTier, 6> kPricedTiers = {PrizeTier::SixPlusR, PrizeTier::Six,  PrizeTier::FivePlusC,
                                                   PrizeTier::Five,     PrizeTier::Four, PrizeTier::Three};
constexpr int kColumnsPerTier = 3; // count, expected, p

QString pText(long double p)
{
    if (p >= 0.01L) return formatNumber(double(p), 2);
    return QString::number(double(p), 'e', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString rowText(const std::array<int, kTipColumns>& numbers)
{
    QStringList parts;
    for (int n : numbers) parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

// When a tier was won: every date while they are few, else the first and the last.
QString datesText(PrizeTier tier, const std::vector<double>& dates)
{
    QString text = tierRankText(tier) + QStringLiteral(": ");
    if (dates.empty()) return text + QStringLiteral("nie gewonnen");
    if (dates.size() <= 12) {
        QStringList all;
        for (double d : dates) all << formatDate(d);
        return text + all.join(QStringLiteral(", "));
    }
    return text + QStringLiteral("%1-mal, erstmals am %2, zuletzt am %3")
                      .arg(dates.size())
                      .arg(formatDate(dates.front()), formatDate(dates.back()));
}

QTableWidgetItem* cell(const QString& text, const QString& tip = {})
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (!tip.isEmpty()) item->setToolTip(tip);
    return item;
}

QString centsField(const std::optional<Cents>& cents)
{
    if (!cents) return {};
    QString text = formatCents(*cents);
    return text.left(text.size() - 2); // without " €": the field's label names the unit
}

} // namespace

TiersDialog::TiersDialog(Session& session, LongActionRunner& runner, std::function<TipRows()> gridRows, QWidget* parent)
    : QDialog(parent), session_(session), runner_(runner), gridRows_(std::move(gridRows))
{
    setObjectName(QStringLiteral("TiersDialog"));
    setWindowTitle(QStringLiteral("Gewinnklassen"));
    auto* layout = new QVBoxLayout(this);

    auto* source = new QHBoxLayout;
    rowsLabel = new QLabel;
    rowsLabel->setObjectName(QStringLiteral("RowsLabel"));
    loadButton = new QPushButton(QStringLiteral("Tippdatei laden…"));
    loadButton->setObjectName(QStringLiteral("LoadTipFile"));
    gridButton = new QPushButton(QStringLiteral("Reihen des Tippscheins"));
    gridButton->setObjectName(QStringLiteral("GridRows"));
    source->addWidget(rowsLabel, 1);
    source->addWidget(gridButton);
    source->addWidget(loadButton);
    layout->addLayout(source);

    auto* range = new QHBoxLayout;
    startPicker = new DatePicker;
    startPicker->setObjectName(QStringLiteral("StartDate"));
    endPicker = new DatePicker;
    endPicker->setObjectName(QStringLiteral("EndDate"));
    saturdays = new QCheckBox(QStringLiteral("Samstag Ziehungen"));
    saturdays->setObjectName(QStringLiteral("Saturdays"));
    thursdays = new QCheckBox(QStringLiteral("Donnerstag Ziehungen"));
    thursdays->setObjectName(QStringLiteral("Thursdays"));
    computeButton = new QPushButton(QStringLiteral("&Berechnen"));
    computeButton->setObjectName(QStringLiteral("Compute"));
    computeButton->setDefault(true);
    range->addWidget(new QLabel(QStringLiteral("Ziehungen vom")));
    range->addWidget(startPicker);
    range->addWidget(new QLabel(QStringLiteral("bis")));
    range->addWidget(endPicker);
    range->addSpacing(12);
    range->addWidget(saturdays);
    range->addWidget(thursdays);
    range->addStretch(1);
    range->addWidget(computeButton);
    layout->addLayout(range);

    auto* moneyBox = new QGroupBox(
        QStringLiteral("Einsatz und Gewinne in € (leer: unbekannt; der Reintegro gibt den Einsatz zurück)"));
    auto* money = new QGridLayout(moneyBox);
    stakeEdit = new QLineEdit;
    stakeEdit->setObjectName(QStringLiteral("Stake"));
    money->addWidget(new QLabel(QStringLiteral("Einsatz pro Tipp und Ziehung")), 0, 0);
    money->addWidget(stakeEdit, 1, 0);
    for (std::size_t i = 0; i < kPricedTiers.size(); ++i) {
        prizeEdits[i] = new QLineEdit;
        prizeEdits[i]->setObjectName(QStringLiteral("Prize%1").arg(i));
        money->addWidget(new QLabel(tierRankText(kPricedTiers[i])), 0, int(i) + 1);
        money->addWidget(prizeEdits[i], 1, int(i) + 1);
    }
    layout->addWidget(moneyBox);

    rangeLabel = new QLabel;
    rangeLabel->setObjectName(QStringLiteral("RangeLabel"));
    layout->addWidget(rangeLabel);

    table = new QTableWidget(0, 1 + kPrizeTiers * kColumnsPerTier);
    table->setObjectName(QStringLiteral("TierTable"));
    QStringList headers{QStringLiteral("Tipp")};
    for (PrizeTier t : kAllPrizeTiers) headers << tierName(t) << QStringLiteral("erw.") << QStringLiteral("p");
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Twelve rows and the total line fit without scrolling.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() +
                            (kTipRows + 1) * table->verticalHeader()->defaultSectionSize() + 4);
    layout->addWidget(table, 1);

    auto* charts = new QHBoxLayout;
    bars = new TierBarsView;
    bars->setObjectName(QStringLiteral("TierBars"));
    balanceChart = new BalanceLineView;
    balanceChart->setObjectName(QStringLiteral("BalanceChart"));
    charts->addWidget(bars, 1);
    charts->addWidget(balanceChart, 1);
    layout->addLayout(charts, 1);

    balanceLabel = new QLabel;
    balanceLabel->setObjectName(QStringLiteral("BalanceLabel"));
    balanceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(balanceLabel);

    // The money fields show what the settings hold; every edit goes back to them, so the close of
    // the program stores it with the other settings.
    filling_ = true;
    const TierMoney stored = storedTierMoney(session_.settings());
    stakeEdit->setText(centsField(stored.stake));
    for (std::size_t i = 0; i < kPricedTiers.size(); ++i)
        prizeEdits[i]->setText(centsField(stored.prizes[tierIndex(kPricedTiers[i])]));
    filling_ = false;
    connect(stakeEdit, &QLineEdit::textChanged, this, &TiersDialog::moneyEdited);
    for (QLineEdit* e : prizeEdits) connect(e, &QLineEdit::textChanged, this, &TiersDialog::moneyEdited);

    connect(computeButton, &QPushButton::clicked, this, &TiersDialog::compute);
    connect(loadButton, &QPushButton::clicked, this, &TiersDialog::loadTipFile);
    connect(gridButton, &QPushButton::clicked, this, [this] {
        ownRows_.reset();
        showRowsSource();
    });
    resize(1180, 800);
    showBalance();
}

void TiersDialog::resetRange()
{
    // The whole archive by default; an archive that cannot be read leaves the range to the user.
    double first = 0, last = 0;
    try {
        DrawArchive archive(session_.archivePath());
        if (archive.exists())
            archive.forEach([&](const DrawRecord& r, qint64) {
                if (first == 0 || r.date < first) first = r.date;
                last = std::max(last, r.date);
            });
    } catch (const ArchiveError&) {
    }
    if (first > 0) {
        startPicker->setDate(fromDays(first));
        endPicker->setDate(fromDays(last));
    }
    const DrawDays days = session_.drawDays();
    saturdays->setChecked(days.saturday);
    thursdays->setChecked(days.thursday);
}

void TiersDialog::showRowsSource()
{
    gridButton->setVisible(ownRows_.has_value());
    const TipRows rows = ownRows_ ? *ownRows_ : gridRows_();
    int playable = 0;
    for (const TipRowTexts& r : rows)
        if (playableRow(r)) ++playable;
    const QString what = ownRows_ ? ownTitle_ : QStringLiteral("Tippschein");
    rowsLabel->setText(QStringLiteral("Reihen: %1 (%2 spielbare Reihen)").arg(what).arg(playable));
}

void TiersDialog::showForGrid()
{
    ownRows_.reset();
    resetRange();
    showRowsSource();
    show();
    raise();
    activateWindow();
}

void TiersDialog::showFor(const TipRows& rows, const QString& title)
{
    ownRows_ = rows;
    ownTitle_ = title;
    resetRange();
    showRowsSource();
    show();
    raise();
    activateWindow();
}

void TiersDialog::loadTipFile()
{
    const QString folder = session_.programFolder();
    const QString path = session_.prompt().openFileName(QStringLiteral("Tippdatei laden"), kTipFileFilter, folder);
    if (path.isEmpty()) return;
    try {
        ownRows_ = Textladen(path);
        ownTitle_ = QFileInfo(path).fileName();
    } catch (const TipFileError& e) {
        session_.prompt().error(QString::fromStdString(e.what()));
        return;
    }
    showRowsSource();
}

void TiersDialog::compute()
{
    if (runner_.busy()) return;
    const TipRows rows = ownRows_ ? *ownRows_ : gridRows_();
    showRowsSource();
    TierRange range;
    range.start = toDays(startPicker->date());
    range.end = toDays(endPicker->date());
    range.days = atLeastOneDrawDay({saturdays->isChecked(), thursdays->isChecked()});
    if (range.start > range.end) {
        session_.prompt().error(QStringLiteral("Das Anfangsdatum liegt nach dem Enddatum."));
        return;
    }
    const QString archivePath = session_.archivePath();
    const QString losnummer = session_.ticketNumber();
    struct Outcome {
        std::optional<TierHistory> history;
        QString failure;
    };
    const auto outcome = std::make_shared<Outcome>();
    auto job = [archivePath, rows, range, losnummer, outcome](RunControl& run, Prompt&) {
        run.status(0, QStringLiteral("Gewinnklassen werden berechnet …"));
        try {
            outcome->history = tierHistory(archivePath, rows, range, losnummer);
        } catch (const ArchiveError& e) {
            outcome->failure = QStringLiteral("%1: %2").arg(archivePath, e.message());
        }
        run.status(0, QStringLiteral("Gewinnklassen berechnet"));
    };
    runner_.start(std::move(job), [self = QPointer<TiersDialog>(this), outcome, range] {
        if (!self) return;
        if (!outcome->failure.isEmpty()) {
            self->session_.prompt().error(outcome->failure);
            return;
        }
        self->history_ = std::move(outcome->history);
        const TierHistory& h = *self->history_;
        QString text = QStringLiteral("%1 Ziehungen vom %2 bis %3")
                           .arg(h.draws)
                           .arg(formatDate(range.start), formatDate(range.end));
        text += h.draws > 0 && h.reintegroDraws == 0
                    ? QStringLiteral(", der Reintegro in keiner (ohne Losnummer oder nur Ziehungen vor dem %1)")
                          .arg(formatDate(kFirstReintegroDay))
                    : QStringLiteral(", davon %1 mit Reintegro für die Losnummer").arg(h.reintegroDraws);
        self->rangeLabel->setText(text);
        self->showHistory();
    });
}

void TiersDialog::showHistory()
{
    const TierHistory& h = *history_;
    table->setRowCount(int(h.rows.size()) + 1);
    // Every other tier on a shaded ground, so its three columns read as one.
    const QBrush shade(QColor(240, 240, 240));
    const auto place = [&](int line, int tier, QTableWidgetItem* count, QTableWidgetItem* expected,
                           QTableWidgetItem* p) {
        const int column = 1 + tier * kColumnsPerTier;
        for (QTableWidgetItem* item : {count, expected, p}) {
            if (tier % 2) item->setBackground(shade);
            table->setItem(line, column + int(item == expected) + 2 * int(item == p), item);
        }
    };
    std::array<std::vector<double>, kPrizeTiers> allDates;
    for (std::size_t r = 0; r < h.rows.size(); ++r) {
        const RowTiers& row = h.rows[r];
        auto* name = cell(QStringLiteral("%1. Tipp: %2").arg(row.row + 1).arg(rowText(row.numbers)));
        name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->setItem(int(r), 0, name);
        for (PrizeTier t : kAllPrizeTiers) {
            const TierTally& tally = row.tiers[tierIndex(t)];
            const QString tip = datesText(t, tally.dates);
            place(int(r), tierIndex(t), cell(QString::number(tally.count()), tip),
                  cell(formatNumber(double(tally.expected.value()), 2), tip), cell(pText(tally.p), tip));
            auto& dates = allDates[std::size_t(tierIndex(t))];
            dates.insert(dates.end(), tally.dates.begin(), tally.dates.end());
        }
    }
    const int totalLine = int(h.rows.size());
    auto* name = cell(QStringLiteral("Alle %1 Reihen").arg(h.rows.size()));
    name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    table->setItem(totalLine, 0, name);
    std::vector<TierBarsView::Bar> chartBars;
    for (PrizeTier t : kAllPrizeTiers) {
        const TierTotal& total = h.total[tierIndex(t)];
        auto& dates = allDates[std::size_t(tierIndex(t))];
        std::sort(dates.begin(), dates.end());
        const QString tip = datesText(t, dates);
        auto* count = cell(QString::number(total.count), tip);
        count->setFont(bold);
        place(totalLine, tierIndex(t), count, cell(formatNumber(double(total.expected.value()), 2), tip),
              cell(pText(total.p), tip));
        chartBars.push_back({tierName(t), total.count, double(total.expected.value())});
    }
    table->resizeColumnsToContents();
    bars->setBars(std::move(chartBars));
    if (h.rows.empty()) rangeLabel->setText(QStringLiteral("Keine Reihe hält sechs verschiedene Zahlen von 1 bis 49."));
    showBalance();
}

TierMoney TiersDialog::money() const
{
    TierMoney m;
    m.stake = parseCents(stakeEdit->text()).value_or(0);
    for (std::size_t i = 0; i < kPricedTiers.size(); ++i)
        if (const auto c = parseCents(prizeEdits[i]->text()); c && *c > 0) m.prizes[tierIndex(kPricedTiers[i])] = c;
    return m;
}

void TiersDialog::moneyEdited()
{
    if (filling_) return;
    // A field that holds no amount shows it and counts as unknown; the settings keep what it held
    // before, so a slip of the keyboard loses no amount.
    const auto bad = [](const QLineEdit* e) { return !e->text().trimmed().isEmpty() && !parseCents(e->text()); };
    const auto mark = [&bad](QLineEdit* e) {
        e->setStyleSheet(bad(e) ? QStringLiteral("color: red") : QString());
        e->setToolTip(bad(e) ? QStringLiteral("Kein Betrag: bitte z. B. 1.234,50 eingeben") : QString());
    };
    TierMoney kept = money();
    const TierMoney stored = storedTierMoney(session_.settings());
    mark(stakeEdit);
    if (bad(stakeEdit)) kept.stake = stored.stake;
    for (std::size_t i = 0; i < kPricedTiers.size(); ++i) {
        mark(prizeEdits[i]);
        const int t = tierIndex(kPricedTiers[i]);
        if (bad(prizeEdits[i])) kept.prizes[t] = stored.prizes[t];
    }
    storeTierMoney(session_.settings(), kept);
    showBalance();
}

void TiersDialog::showBalance()
{
    const TierMoney m = money();
    const bool anyAmount =
        m.stake > 0 || std::any_of(m.prizes.begin(), m.prizes.end(), [](auto& p) { return bool(p); });
    if (!history_ || !anyAmount) {
        balanceChart->setSeries({});
        balanceLabel->setText(history_ ? QStringLiteral("Einsatz und Gewinne eintragen, um die Bilanz zu sehen.")
                                       : QString());
        return;
    }
    const PrizeBalance b = prizeBalance(*history_, m.stake, m.prizes);
    QString text = QStringLiteral("Einsatz %1   Gewinne %2   Bilanz %3")
                       .arg(formatCents(b.cost), formatCents(b.winnings), formatCents(b.balance()));
    if (b.unknownWins > 0)
        text += QStringLiteral("   (%1 %2 ohne bekannten Betrag nicht mitgezählt)")
                    .arg(b.unknownWins)
                    .arg(b.unknownWins == 1 ? QStringLiteral("Gewinn") : QStringLiteral("Gewinne"));
    balanceLabel->setText(text);
    balanceChart->setSeries(b.series);
}

} // namespace razoz
