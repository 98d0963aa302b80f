#include "ui/tform5.h"

#include "base/locale_format.h"
#include "generate/random_generator.h"
#include "ui/control_factory.h"
#include "ui/tform8.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace razoz {

namespace {

QSpinBox* spin(QWidget* parent, int n, QRect geometry, int maximum)
{
    auto* s = makeControl<QSpinBox>(parent, QStringLiteral("UpDown%1").arg(n).toLatin1().constData(), geometry);
    s->setProperty("editName", QStringLiteral("Edit%1").arg(n));
    s->setRange(0, maximum);
    return s;
}

// A third state comes after checked, as the players know it: off, on, grayed, off.
class GameCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override
    {
        if (!isTristate()) return QCheckBox::nextCheckState();
        const Qt::CheckState s = checkState();
        setCheckState(s == Qt::Unchecked ? Qt::Checked : s == Qt::Checked ? Qt::PartiallyChecked : Qt::Unchecked);
    }
};

} // namespace

TForm5::TForm5(TForm8& form8, Prompt& prompt, const InterfaceTexts& texts, QWidget* parent)
    : QDialog(parent), form8_(form8), prompt_(prompt), texts_(texts)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Druckeeinstellungen für den Lottoschein"));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(9);
    f.setBold(true);
    setFont(f);
    setFixedSize(362, 418);
    random_ = [](int n) { return int(RandomGenerator::shared().next(std::uint32_t(n))); };
    chooseFont_ = [this](const QFont& current) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current, this);
        if (!ok) return std::nullopt;
        return chosen;
    };

    auto check = [&](const char* name, const char* text, QRect g, bool tri) {
        QCheckBox* c = makeControl<GameCheckBox>(this, name, g);
        c->setText(QString::fromUtf8(text));
        c->setTristate(tri);
        connect(c, &QCheckBox::clicked, this, &TForm5::CheckBox1Click);
        return c;
    };
    CheckBox1 = check("CheckBox1", "Samstag", {10, 8, 110, 20}, false);
    CheckBox2 = check("CheckBox2", "Mittwoch", {10, 28, 110, 20}, false);
    CheckBox3 = check("CheckBox3", "Spiel 77", {130, 8, 110, 20}, true);
    CheckBox4 = check("CheckBox4", "Super 6", {130, 28, 110, 20}, true);
    CheckBox6 = check("CheckBox6", "Glücksspirale", {130, 48, 128, 20}, true);
    CheckBox5 = makeControl<QCheckBox>(this, "CheckBox5", {10, 340, 250, 20});
    CheckBox5->setText(QStringLiteral("Schein zum Test mit anzeigen"));
    CheckBox7 = makeControl<QCheckBox>(this, "CheckBox7", {10, 48, 110, 20});
    CheckBox7->setText(QStringLiteral("Extra"));
    CheckBox7->hide();
    connect(CheckBox7, &QCheckBox::clicked, this, &TForm5::CheckBox7Click);

    Label3 = makeControl<QLabel>(this, "Label3", {260, 8, 90, 18});
    Label3->setText(QStringLiteral("Kosten:"));
    Label4 = makeControl<QLabel>(this, "Label4", {260, 28, 90, 18});
    Label4->setText(QStringLiteral("Kosten:"));
    Label5 = makeControl<QLabel>(this, "Label5", {10, 150, 340, 60});
    Label5->setText(QStringLiteral("Klicken Sie auf \"Online\" um  die Daten anonym an Tipp24 oder lottobay zu "
                                   "übergeben.  Anschließend können Sie sich  einloggen oder neu registrieren. "));
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setWordWrap(true);
    Label5->hide();

    // The seven ticket-number digits, shown by the print action.
    for (int n = 3; n <= 9; ++n) {
        UpDown[n] = spin(this, n, {10 + (n - 3) * 38, 76, 36, 22}, 9);
        UpDown[n]->hide();
    }
    connect(UpDown[9], &QSpinBox::textChanged, this, &TForm5::Edit9Change);
    SpeedButton2 = makeControl<QToolButton>(this, "SpeedButton2", {280, 76, 24, 22});
    SpeedButton2->setText(QStringLiteral("N"));
    SpeedButton2->setToolTip(QStringLiteral("Neu Losnummer welche noch nie gezogen wurde erzeugen"));
    SpeedButton2->hide();
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm5::SpeedButton2Click);
    SpeedButton3 = makeControl<QToolButton>(this, "SpeedButton3", {308, 76, 24, 22});
    SpeedButton3->setText(QStringLiteral("?"));
    SpeedButton3->setToolTip(QStringLiteral("Suchen ob diese Losnr schon gezogen wurde"));
    SpeedButton3->hide();
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm5::SpeedButton3Click);
    SpeedButton4 = makeControl<QToolButton>(this, "SpeedButton4", {336, 76, 20, 22});
    SpeedButton4->hide();

    RadioGroup1 = makeControl<QGroupBox>(this, "RadioGroup1", {6, 104, 244, 230});
    RadioGroup1->setTitle(QStringLiteral("Auswahl der Landeslotterie "));
    presetGroup = new QButtonGroup(this);
    const QStringList captions = slipPresetCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = makeControl<QRadioButton>(
            RadioGroup1, QStringLiteral("RadioGroup1Item%1").arg(i).toLatin1().constData(), {6, 18 + i * 15, 236, 15});
        b->setText(captions[i]);
        presetGroup->addButton(b, i);
    }
    presetGroup->button(0)->setChecked(true);
    connect(presetGroup, &QButtonGroup::idClicked, this, [this](int) { RadioGroup1Click(); });

    anpassen = makeControl<QPushButton>(this, "anpassen", {256, 300, 100, 26});
    anpassen->setText(QStringLiteral("anpassen"));
    anpassen->setEnabled(false);
    connect(anpassen, &QPushButton::clicked, this, &TForm5::anpassenClick);

    ComboBox1 = makeControl<QComboBox>(this, "ComboBox1", {256, 110, 100, 22});
    ComboBox1->addItems(kSlipPaperItems);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setPlaceholderText(QStringLiteral("A4"));

    Label1 = makeControl<QLabel>(this, "Label1", {252, 144, 50, 20});
    Label1->setText(QStringLiteral("Oben:"));
    UpDown[1] = spin(this, 1, {302, 144, 54, 22}, 200);
    Label2 = makeControl<QLabel>(this, "Label2", {252, 172, 50, 20});
    Label2->setText(QStringLiteral("Links"));
    UpDown[2] = spin(this, 2, {302, 172, 54, 22}, 200);

    SpeedButton1 = makeControl<QPushButton>(this, "SpeedButton1", {256, 210, 100, 26});
    SpeedButton1->setText(QStringLiteral("Schriftart"));
    QFont markFont(QStringLiteral("Arial"));
    markFont.setPointSize(8);
    markFont.setBold(true);
    SpeedButton1->setFont(markFont);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm5::SpeedButton1Click);

    // The two portal addresses side by side, each wide enough to be read whole.
    RadioGroup2 = makeControl<QGroupBox>(this, "RadioGroup2", {6, 104, 350, 44});
    RadioGroup2->setTitle(QStringLiteral("Tippschein abgeben bei..."));
    const char* portals[2] = {"www.lottery24.example", "www.tipp24.example"};
    for (int i = 0; i < 2; ++i) {
        auto* b = makeControl<QRadioButton>(RadioGroup2, i == 0 ? "RadioGroup2Item0" : "RadioGroup2Item1",
                                            i == 0 ? QRect(2, 18, 181, 20) : QRect(184, 18, 164, 20));
        b->setText(QString::fromLatin1(portals[i]));
    }
    RadioGroup2->findChildren<QRadioButton*>()[1]->setChecked(true);
    RadioGroup2->hide();

    BitBtn1 = makeControl<QPushButton>(this, "BitBtn1", {10, 376, 100, 30});
    BitBtn1->setText(QStringLiteral("Abbrechen"));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(3); });
    BitBtn2 = makeControl<QPushButton>(this, "BitBtn2", {130, 376, 100, 30});
    BitBtn2->setText(QStringLiteral("Drucken"));
    connect(BitBtn2, &QPushButton::clicked, this, &TForm5::BitBtn2Click);
    BitBtn3 = makeControl<QPushButton>(this, "BitBtn3", {250, 376, 100, 30});
    BitBtn3->setText(QStringLiteral("&Online"));
    BitBtn3->hide();
    connect(BitBtn3, &QPushButton::clicked, this, &TForm5::BitBtn3Click);
    CheckBox1Click();
}

void TForm5::setFees(double oneDraw, double bothDraws)
{
    feeOne_ = oneDraw;
    feeBoth_ = bothDraws;
}

void TForm5::setFixedLastDigit(int digit)
{
    fixedLast_ = digit;
    UpDown[9]->setValue(digit);
}

TicketDigits TForm5::digits() const
{
    TicketDigits d{};
    for (int i = 0; i < 7; ++i) d[i] = UpDown[3 + i]->value();
    return d;
}

void TForm5::setDigits(const TicketDigits& d)
{
    for (int i = 0; i < 7; ++i) UpDown[3 + i]->setValue(d[i]);
}

int TForm5::presetItem() const
{
    return std::max(0, presetGroup->checkedId());
}

void TForm5::setPresetItem(int item)
{
    if (QAbstractButton* b = presetGroup->button(std::clamp(item, 0, kCustomPreset))) b->setChecked(true);
    RadioGroup1Click();
}

TriState TForm5::triState(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked: return TriState::Checked;
    case Qt::PartiallyChecked: return TriState::Grayed;
    default: return TriState::Unchecked;
    }
}

void TForm5::setTriState(QCheckBox* box, TriState state)
{
    box->setCheckState(state == TriState::Checked  ? Qt::Checked
                       : state == TriState::Grayed ? Qt::PartiallyChecked
                                                   : Qt::Unchecked);
}

SlipFont TForm5::markFont() const
{
    const QFont f = SpeedButton1->font();
    SlipFont s;
    s.family = f.family();
    s.pointSize = f.pointSize() > 0 ? f.pointSize() : 8;
    s.bold = f.bold();
    s.italic = f.italic();
    s.underline = f.underline();
    s.strikeOut = f.strikeOut();
    s.color = SpeedButton1->palette().color(QPalette::ButtonText);
    return s;
}

SlipCostInput TForm5::costInput() const
{
    SlipCostInput in;
    in.rows = rows_;
    in.spiel77 = CheckBox3->checkState() == Qt::Checked;
    in.super6 = CheckBox4->checkState() == Qt::Checked;
    in.glueck = CheckBox6->checkState() == Qt::Checked;
    in.saturday = CheckBox1->isChecked();
    in.wednesday = CheckBox2->isChecked();
    in.feeOneDraw = feeOne_;
    in.feeBothDraws = feeBoth_;
    return in;
}

void TForm5::CheckBox1Click()
{
    Label4->setText(formatCurrency(dialogCost(costInput())));
}

void TForm5::RadioGroup1Click()
{
    anpassen->setEnabled(false);
    const int item = presetItem();
    if (item < kSlipPresetCount) {
        UpDown[1]->setValue(slipPresets()[item].tippTop);
        UpDown[2]->setValue(slipPresets()[item].tippLeft);
    } else {
        anpassen->setEnabled(true);
    }
    // Only Brandenburg and the user-defined positioning print a tip in one line.
    if (item != 1 && item != kCustomPreset) form8_.setLayoutItem(0);
}

void TForm5::anpassenClick()
{
    form8_.exec();
}

void TForm5::SpeedButton1Click()
{
    if (const auto chosen = chooseFont_(SpeedButton1->font())) SpeedButton1->setFont(*chosen);
}

void TForm5::SpeedButton2Click()
{
    setDigits(newTicketNumber(fixedLast_, random_));
}

void TForm5::SpeedButton3Click()
{
    DrawArchive archive(archivePath_);
    try {
        prompt_.information(searchTicketNumber(archive, digits()).message);
    } catch (const ArchiveError& e) {
        prompt_.error(e.message());
    }
}

void TForm5::Edit9Change()
{
    fixedLast_ = UpDown[9]->value();
}

void TForm5::CheckBox7Click()
{
    if (CheckBox7->isChecked()) {
        for (QCheckBox* c : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox6}) c->setCheckState(Qt::Unchecked);
        RadioGroup2->findChildren<QRadioButton*>()[1]->setChecked(true);
        RadioGroup2->setEnabled(false);
        Label4->setText(formatCurrency(extraCost(rows_, feeOne_)));
    } else {
        RadioGroup2->setEnabled(true);
    }
}

void TForm5::BitBtn2Click()
{
    losnummer_.clear();
    for (int n = 3; n <= 9; ++n) losnummer_ += UpDown[n]->text();
    done(1);
}

void TForm5::BitBtn3Click()
{
    if (CheckBox7->isChecked()) SpeedButton2Click();
    losnummer_.clear();
    for (int n = 3; n <= 9; ++n) losnummer_ += UpDown[n]->text();
    done(2);
}

void TForm5::setOnlineLook(bool online)
{
    const QList<QWidget*> printOnly = {CheckBox5, CheckBox6, BitBtn2,   RadioGroup1, ComboBox1,   Label1,
                                       Label2,    UpDown[1], UpDown[2], anpassen,    SpeedButton1};
    const QList<QWidget*> onlineOnly = {Label5, BitBtn3, RadioGroup2};
    for (QWidget* w : printOnly) w->setVisible(!online);
    for (QWidget* w : onlineOnly) w->setVisible(online);
    CheckBox7->setVisible(online && QDate::currentDate() < QDate(2009, 1, 1));
    for (int n = 3; n <= 9; ++n) UpDown[n]->setVisible(true);
    SpeedButton2->setVisible(true);
    SpeedButton3->setVisible(true);
    if (online) {
        RadioGroup2->findChildren<QRadioButton*>()[1]->setChecked(true);
        CheckBox3->setTristate(false);
        CheckBox4->setTristate(false);
        BitBtn3->setDefault(true);
    } else {
        for (int n = 3; n <= 9; ++n) UpDown[n]->setVisible(false);
        SpeedButton2->setVisible(false);
        SpeedButton3->setVisible(false);
        BitBtn3->setDefault(false);
    }
    // The lower buttons follow the height, so "&Online" and "Abbrechen" stay inside the short look.
    const int buttonsTop = online ? 220 : 376;
    for (QWidget* b : {static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(BitBtn2), static_cast<QWidget*>(BitBtn3)})
        b->move(b->x(), buttonsTop);
    setFixedHeight(online ? 260 : 408);
    if (!texts_.text(37).isEmpty()) setWindowTitle(texts_.text(37));
}

} // namespace razoz
