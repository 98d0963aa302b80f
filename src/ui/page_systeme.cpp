#include "ui/page_systeme.h"

#include "base/locale_format.h"
#include "print/slip.h"
#include "ui/control_factory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>
#include <set>

namespace razoz {

using namespace systems;

namespace {

const char* const kBuildCaption = "System berechnen";
const char* const kStopCaption = "Anhalten";

QSpinBox* makeNumberBox(QWidget* parent, const char* name, int min, int max, int value, const QString& hint, QRect at)
{
    auto* box = makeControl<QSpinBox>(parent, name, at);
    box->setRange(min, max);
    box->setValue(value);
    box->setToolTip(hint);
    return box;
}

QPlainTextEdit* makeReadOnlyText(QWidget* parent, const char* name, const QString& hint, QRect at)
{
    auto* text = makeControl<QPlainTextEdit>(parent, name, at);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setToolTip(hint);
    useFixedWidthFont(text);
    return text;
}

QString sourceText(const QString& source)
{
    if (source == QLatin1String("cache")) return QStringLiteral("früher berechnet");
    if (source == QLatin1String("construction")) return QStringLiteral("bekannte Konstruktion");
    if (source == QLatin1String("search")) return QStringLiteral("Suche");
    if (source == QLatin1String("union")) return QStringLiteral("aus zwei Teilsystemen");
    if (source == QLatin1String("full")) return QStringLiteral("volles System");
    return source;
}

QString boundKind(Guarantee g, const LowerBound& b)
{
    if (b.fromLiterature) return QStringLiteral("bewiesen in der Literatur");
    if (g.t == 1) return QStringLiteral("jede Zahl braucht einen Tipp");
    if (g.t == g.m) return QStringLiteral("Schönheim-Schranke");
    return QStringLiteral("Zählschranke");
}

QString count(std::uint64_t n)
{
    return formatNumber(static_cast<double>(n));
}

} // namespace

ChosenNumbers readChosenNumbers(const QString& text)
{
    ChosenNumbers out;
    std::set<int> seen;
    for (const QString& field : text.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = field.toInt(&ok);
        if (!ok) {
            out.problem = QStringLiteral("„%1“ ist keine Zahl.").arg(field);
            return out;
        }
        if (n < 1 || n > kMaxNumbers) {
            out.problem = QStringLiteral("Die Zahl %1 liegt nicht zwischen 1 und 49.").arg(n);
            return out;
        }
        if (!seen.insert(n).second) {
            out.problem = QStringLiteral("Die Zahl %1 steht doppelt.").arg(n);
            return out;
        }
    }
    out.numbers.assign(seen.begin(), seen.end());
    if (out.numbers.size() < static_cast<std::size_t>(kRowSize))
        out.problem = QStringLiteral("Ein System braucht mindestens 6 verschiedene Zahlen von 1 bis 49 (bisher %1).")
                          .arg(out.numbers.size());
    return out;
}

SystemePage::SystemePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheetSysteme"));

    makeLabel(this, "SysLabelNumbers", QStringLiteral("Zahlen:"), {16, 14, 70, 22});
    SysNumbers = makeControl<QLineEdit>(this, "SysNumbers", {90, 12, 440, 26});
    SysNumbers->setPlaceholderText(QStringLiteral("z. B. 1 5 7 12 19 23 31 40"));
    SysNumbers->setToolTip(
        QStringLiteral("Die Zahlen des Systems (mindestens 6 von 1 bis 49), getrennt durch Leerzeichen oder Kommas"));
    SysFromGrid =
        makeButton(this, "SysFromGrid", QStringLiteral("Aus dem Tippschein"),
                   QStringLiteral("Übernimmt die Zahlen der Tipps auf der Seite „Lottotipp“"), {540, 11, 160, 28});
    SysFromPool = makeButton(this, "SysFromPool", QStringLiteral("Aus dem Zahlenpool"),
                             QStringLiteral("Übernimmt die Zahlen des Zahlenpools, den die Berechnung mit den "
                                            "aktuellen Einstellungen bildet"),
                             {708, 11, 160, 28});

    makeLabel(this, "SysLabelT", QStringLiteral("Garantie:"), {16, 48, 70, 22});
    SysT = makeNumberBox(this, "SysT", 1, kRowSize, 3,
                         QStringLiteral("So viele Richtige hat mindestens ein Tipp des Systems …"), {90, 46, 50, 26});
    makeLabel(this, "SysLabelIf", QStringLiteral("Richtige, wenn"), {148, 48, 100, 22});
    SysM = makeNumberBox(this, "SysM", 1, kRowSize, 3,
                         QStringLiteral("… sobald so viele der sechs gezogenen Zahlen unter den gewählten sind"),
                         {250, 46, 50, 26});
    makeLabel(this, "SysLabelM", QStringLiteral("gezogene Zahlen unter den gewählten sind"), {308, 48, 340, 22});
    makeLabel(this, "SysLabelSeconds", QStringLiteral("Zeitlimit (s):"), {660, 48, 96, 22});
    SysSeconds = makeNumberBox(this, "SysSeconds", 1, 3600, 30,
                               QStringLiteral("So lange sucht die Berechnung höchstens nach einem kleineren System"),
                               {760, 46, 70, 26});
    SysM->setMinimum(SysT->value());

    SysSizes = makeLabel(this, "SysSizes", {}, {16, 80, 852, 22});
    SysSizes->setToolTip(QStringLiteral("Größe des vollen Systems, die kleinste mögliche Größe (Untergrenze) und "
                                        "die beste bekannte Größe"));
    SysMessage = makeLabel(this, "SysMessage", {}, {16, 104, 852, 22});
    SysMessage->setToolTip(QStringLiteral("Warum die Zahlen nicht verwendet werden können"));
    QPalette red = SysMessage->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    SysMessage->setPalette(red);

    SysBuild = makeButton(this, "SysBuild", QString::fromUtf8(kBuildCaption),
                          QStringLiteral("Berechnet ein möglichst kleines System mit der Garantie; ein zweiter "
                                         "Klick hält die Suche an und zeigt das beste bisher"),
                          {16, 132, 170, 30});
    SysCheck = makeButton(this, "SysCheck", QStringLiteral("Prüfen…"),
                          QStringLiteral("Prüft das angezeigte System oder geladene Tippdateien: Anteil der "
                                         "erfüllten Garantien und die ersten Lücken"),
                          {194, 132, 120, 30});
    SysTiers = makeButton(this, "SysTiers", QStringLiteral("Gewinnklassen…"),
                          QStringLiteral("Die Gewinnklassen der Tipps des angezeigten Scheins"), {322, 132, 140, 30});

    SysResult = makeLabel(this, "SysResult", {}, {16, 170, 852, 22});
    SysResult->setToolTip(QStringLiteral("Das geprüfte System: Größe, Herkunft und Abstand zur Untergrenze"));
    SysRows = makeReadOnlyText(this, "SysRows", QStringLiteral("Die Tipps des Systems"), {16, 198, 300, 272});

    SysToGrid = makeButton(this, "SysToGrid", QStringLiteral("In den Tippschein"),
                           QStringLiteral("Schreibt die 12 Tipps des angezeigten Scheins in den Tippschein"),
                           {332, 197, 150, 28});
    SysPrev = makeControl<QToolButton>(this, "SysPrev", {490, 199, 26, 24});
    SysPrev->setText(QStringLiteral("<"));
    SysPrev->setToolTip(QStringLiteral("Der vorige Schein des Systems in den Tippschein"));
    SysSlip = makeLabel(this, "SysSlip", {}, {520, 200, 122, 22});
    SysSlip->setAlignment(Qt::AlignCenter);
    SysSlip->setToolTip(QStringLiteral("Der angezeigte Schein von 12 Tipps"));
    SysNext = makeControl<QToolButton>(this, "SysNext", {646, 199, 26, 24});
    SysNext->setText(QStringLiteral(">"));
    SysNext->setToolTip(QStringLiteral("Der nächste Schein des Systems in den Tippschein"));
    SysSave =
        makeButton(this, "SysSave", QStringLiteral("Tippdateien speichern…"),
                   QStringLiteral("Speichert je 12 Tipps als eine Tippdatei in einen Ordner"), {332, 233, 190, 28});
    SysPrint = makeButton(this, "SysPrint", QStringLiteral("Scheine drucken"),
                          QStringLiteral("Druckt jeden Schein des Systems nacheinander"), {530, 233, 150, 28});
    SysCost = makeLabel(this, "SysCost", {}, {332, 268, 536, 22});
    SysCost->setToolTip(QStringLiteral("Einsatz des Systems für eine Ziehung, ohne Zusatzspiele und Gebühren"));
    SysCheckOut =
        makeReadOnlyText(this, "SysCheckOut", QStringLiteral("Das Ergebnis der Prüfung"), {332, 294, 536, 176});

    connect(SysNumbers, &QLineEdit::textChanged, this, &SystemePage::showSizes);
    connect(SysT, &QSpinBox::valueChanged, this, [this](int t) {
        SysM->setMinimum(t); // t ≤ m
        showSizes();
    });
    connect(SysM, &QSpinBox::valueChanged, this, &SystemePage::showSizes);
    connect(SysTiers, &QPushButton::clicked, this, [this] { emit tiersRequested(slipRows(slip_)); });
    showSizes();
    updateEnabled();
}

std::optional<std::vector<int>> SystemePage::numbers()
{
    const ChosenNumbers chosen = readChosenNumbers(SysNumbers->text());
    showMessage(chosen.problem);
    if (!chosen.problem.isEmpty()) return std::nullopt;
    return chosen.numbers;
}

Guarantee SystemePage::guarantee() const
{
    return {SysT->value(), SysM->value()};
}

void SystemePage::setNumbers(const std::vector<int>& numbers)
{
    QStringList texts;
    for (int n : numbers) texts << QString::number(n);
    SysNumbers->setText(texts.join(QLatin1Char(' ')));
}

void SystemePage::showMessage(const QString& text)
{
    SysMessage->setText(text);
}

// What the typed request implies, before anything is built.
void SystemePage::showSizes()
{
    const ChosenNumbers chosen = readChosenNumbers(SysNumbers->text());
    if (!chosen.problem.isEmpty()) {
        SysSizes->clear();
        return;
    }
    SysMessage->clear();
    const int v = static_cast<int>(chosen.numbers.size());
    const Guarantee g = guarantee();
    const LowerBound bound = lowerBound(v, g);
    QString text = QStringLiteral("Volles System: %1 Tipps · Untergrenze: %2 (%3)")
                       .arg(count(binomial(v, kRowSize)), count(bound.rows), boundKind(g, bound));
    if (const auto best = bestKnown(v, g)) text += QStringLiteral(" · beste bekannte Größe: %1").arg(count(*best));
    SysSizes->setText(text);
}

void SystemePage::showSystem(const BuiltSystem& s)
{
    rows_ = numberRows(s.rows, s.numbers);
    systemNumbers_ = s.numbers;
    systemGuarantee_ = s.guarantee;
    const auto size = static_cast<std::uint64_t>(s.rows.size());
    QString text = QStringLiteral("System %1 bei %2 auf %3 Zahlen: %4 Tipps (%5) · ")
                       .arg(s.guarantee.t)
                       .arg(s.guarantee.m)
                       .arg(s.numbers.size())
                       .arg(count(size), sourceText(s.source));
    text += s.optimal
                ? QStringLiteral("optimal")
                : QStringLiteral("%1 über der Untergrenze %2").arg(count(size - s.bound.rows), count(s.bound.rows));
    text += QStringLiteral(" · geprüft: alle %1 Fälle").arg(count(s.coverage.total));
    SysResult->setText(text);

    QStringList lines;
    const int width = static_cast<int>(QString::number(rows_.size()).size());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        QString line = QStringLiteral("%1:").arg(r + 1, width);
        for (int n : rows_[r]) line += QStringLiteral(" %1").arg(n, 2);
        lines << line;
    }
    SysRows->setPlainText(lines.join(QLatin1Char('\n')));

    const int slips = slipCount();
    SysCost->setText(QStringLiteral("%1 Tipps auf %2 %3 · %4 pro Ziehung")
                         .arg(count(size))
                         .arg(slips)
                         .arg(slips == 1 ? QStringLiteral("Schein") : QStringLiteral("Scheinen"))
                         .arg(formatCurrency(static_cast<double>(size) * kRowPriceCents / 100.0)));
    setSlip(0);
}

void SystemePage::showProgress(int size)
{
    SysResult->setText(QStringLiteral("Suche läuft: bestes System bisher %1 Tipps").arg(size));
}

int SystemePage::slipCount() const
{
    return static_cast<int>((rows_.size() + kTipRows - 1) / kTipRows);
}

void SystemePage::setSlip(int index)
{
    slip_ = std::clamp(index, 0, std::max(0, slipCount() - 1));
    SysSlip->setText(rows_.empty() ? QString() : QStringLiteral("Schein %1 von %2").arg(slip_ + 1).arg(slipCount()));
    updateEnabled();
}

TipRows SystemePage::slipRows(int index) const
{
    TipRows slip;
    for (int r = 0; r < kTipRows; ++r) {
        const std::size_t at = static_cast<std::size_t>(index) * kTipRows + static_cast<std::size_t>(r);
        if (at >= rows_.size()) break;
        for (int c = 0; c < kTipColumns; ++c) slip[r][c] = QString::number(rows_[at][static_cast<std::size_t>(c)]);
    }
    return slip;
}

void SystemePage::showCheck(const QString& text)
{
    SysCheckOut->setPlainText(text);
}

void SystemePage::setBuilding(bool building)
{
    SysBuild->setText(QString::fromUtf8(building ? kStopCaption : kBuildCaption));
}

void SystemePage::setBusy(bool busy, const QObject* stopper)
{
    busy_ = busy;
    updateEnabled();
    if (busy && stopper == SysBuild) SysBuild->setEnabled(true);
}

void SystemePage::updateEnabled()
{
    const bool rows = !rows_.empty();
    for (QWidget* w : std::initializer_list<QWidget*>{SysNumbers, SysFromGrid, SysFromPool, SysT, SysM, SysSeconds,
                                                      SysBuild, SysCheck})
        w->setEnabled(!busy_);
    for (QWidget* w : std::initializer_list<QWidget*>{SysTiers, SysToGrid, SysSave, SysPrint})
        w->setEnabled(!busy_ && rows);
    SysPrev->setEnabled(!busy_ && rows && slip_ > 0);
    SysNext->setEnabled(!busy_ && rows && slip_ + 1 < slipCount());
}

} // namespace razoz
