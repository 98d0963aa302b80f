#include "ui/tform3.h"

#include "archive/dates.h"
#include "ui/control_factory.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace razoz {

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));
    setFixedSize(420, 190);
    DateTimePicker1 = makeControl<QDateEdit>(this, "DateTimePicker1", {12, 12, 120, 24});
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setMinimumDate(fromDays(kEarliestDrawDay));
    static const char* const names[8] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"};
    for (int i = 0; i < 8; ++i) {
        const int left = i < 6 ? 12 + i * 50 : (i == 6 ? 40 : 130);
        const int top = i < 6 ? 48 : 84;
        QSpinBox* box = makeControl<QSpinBox>(this, names[i], {left, top, 46, 24});
        box->setRange(i == 7 ? 0 : 1, i == 7 ? 9 : 49);
        box->setValue(i == 7 ? 9 : 49);
        box->setProperty("upDownName", QStringLiteral("UpDown%1").arg(i + 1));
        Edit[std::size_t(i)] = box;
    }
    makeControl<QLabel>(this, "Label7", {12, 88, 24, 20})->setText(QStringLiteral("Z:"));
    makeControl<QLabel>(this, "Label8", {104, 88, 24, 20})->setText(QStringLiteral("S:"));
    for (int i = 0; i < 7; ++i) {
        const QByteArray name = "S77_" + QByteArray::number(i + 1);
        S77[std::size_t(i)] = makeControl<QLineEdit>(this, name.constData(), {70 + i * 22, 120, 20, 22});
        S77[std::size_t(i)]->setText(QStringLiteral("1"));
        S77[std::size_t(i)]->hide();
    }
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "SS_" + QByteArray::number(i + 1);
        SS[std::size_t(i)] = makeControl<QLineEdit>(this, name.constData(), {250 + i * 22, 120, 20, 22});
        SS[std::size_t(i)]->setText(QStringLiteral("1"));
        SS[std::size_t(i)]->hide();
    }
    BitBtn1 = makeControl<QPushButton>(this, "BitBtn1", {212, 150, 96, 28});
    BitBtn1->setText(QStringLiteral("Abbrechen"));
    BitBtn2 = makeControl<QPushButton>(this, "BitBtn2", {312, 150, 96, 28});
    BitBtn2->setText(QStringLiteral("OK"));
    BitBtn2->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm3::load(const DrawRecord& r)
{
    DateTimePicker1->setDate(fromDays(r.date));
    for (std::size_t i = 0; i < 6; ++i) Edit[i]->setValue(r.numbers[i]);
    Edit[6]->setValue(r.complementary);
    Edit[7]->setValue(r.reintegro);
    for (std::size_t i = 0; i < 7; ++i) S77[i]->setText(QString::number(r.spiel77[i]));
    for (std::size_t i = 0; i < 6; ++i) SS[i]->setText(QString::number(r.super6[i]));
}

std::optional<DrawRecord> TForm3::record() const
{
    DrawRecord r;
    r.date = toDays(DateTimePicker1->date());
    for (std::size_t i = 0; i < 6; ++i) r.numbers[i] = std::uint8_t(Edit[i]->value());
    r.complementary = std::uint8_t(Edit[6]->value());
    r.reintegro = std::uint8_t(Edit[7]->value());
    auto digit = [](const QLineEdit* e, std::uint8_t& into) {
        bool ok = false;
        const int v = e->text().trimmed().toInt(&ok);
        if (!ok || v < 0 || v > 9) return false;
        into = std::uint8_t(v);
        return true;
    };
    for (std::size_t i = 0; i < 7; ++i)
        if (!digit(S77[i], r.spiel77[i])) return std::nullopt;
    for (std::size_t i = 0; i < 6; ++i)
        if (!digit(SS[i], r.super6[i])) return std::nullopt;
    return r;
}

std::optional<DrawRecord> enterDrawDialog(const DrawRecord& reference, QWidget* parent)
{
    TForm3 dialog(parent);
    dialog.load(reference);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.record();
}

} // namespace razoz
