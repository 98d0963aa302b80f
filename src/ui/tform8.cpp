#include "ui/tform8.h"

#include "ui/control_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace razoz {

TForm8::TForm8(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Positionierung des Scheindruckes"));
    setFixedSize(430, 490);

    RadioGroup1 = makeControl<QGroupBox>(this, "RadioGroup1", {10, 8, 410, 62});
    RadioGroup1->setTitle(QStringLiteral("Grundstuktur 6x2 oder 1x12"));
    const char* items[2] = {"Tipps in Blöcken mit Aufteilung 7x7", "Zahlen eines Tipps waagerechte 49x1"};
    for (int i = 0; i < 2; ++i) {
        RadioGroup1Items[i] = makeControl<QRadioButton>(RadioGroup1, i == 0 ? "RadioGroup1Item0" : "RadioGroup1Item1",
                                                        {10, 18 + i * 20, 390, 20});
        RadioGroup1Items[i]->setText(QString::fromUtf8(items[i]));
    }
    RadioGroup1Items[0]->setChecked(true);

    auto edit = [&](int n, QRect geometry) {
        edits[n] = makeControl<QLineEdit>(this, QStringLiteral("Edit%1").arg(n).toLatin1().constData(), geometry);
    };
    // Labels are numbered in reading order, so the language files can name them.
    int labels = 0;
    auto label = [&](const char* text, QRect geometry) {
        auto* l = makeControl<QLabel>(this, QStringLiteral("Label%1").arg(++labels).toLatin1().constData(), geometry);
        l->setText(QString::fromUtf8(text));
        return l;
    };
    // Single values.
    const std::pair<int, const char*> singles[] = {
        {1, "Feldhöhe:"}, {2, "Feldweite:"}, {3, "Links-Korrektur:"}, {4, "Korrektur 2.Reihe:"}};
    int top = 80;
    for (const auto& [n, text] : singles) {
        label(text, {10, top, 155, 20});
        edit(n, {170, top, 60, 20});
        top += 24;
    }
    label("Oben:", {170, top, 66, 18});
    label("Links:", {240, top, 66, 18});
    top += 20;
    // Box labels: caption, top edit, left edit.
    const std::tuple<const char*, int, int> boxes[] = {
        {"Spiel 77  Ja:", 5, 6},    {"Spiel 77  Nein:", 7, 8},     {"Super 6 Ja:", 9, 10},
        {"Super 6  Nein:", 12, 11}, {"Glücksspirale Ja:", 16, 18}, {"Glücksspirale Nein:", 22, 20},
        {"Mittwoch:", 13, 15},      {"Samstag:", 17, 19},          {"Sa/Mi:", 21, 23}};
    for (const auto& [text, topEdit, leftEdit] : boxes) {
        label(text, {10, top, 155, 20});
        edit(topEdit, {170, top, 60, 20});
        edit(leftEdit, {240, top, 60, 20});
        top += 24;
    }
    label("Bilddatei des Scheines (jpg)", {10, top, 410, 20});
    top += 20;
    edit(14, {10, top, 290, 20});
    top += 30;
    BitBtn1 = makeControl<QPushButton>(this, "BitBtn1", {170, top, 90, 26});
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    setPositioning(PositioningTexts::design());
}

PositioningTexts TForm8::positioning() const
{
    PositioningTexts t;
    for (int n = 1; n <= 23; ++n) t.edit[n] = edits[n]->text();
    t.layout = layoutItem();
    return t;
}

void TForm8::setPositioning(const PositioningTexts& t)
{
    for (int n = 1; n <= 23; ++n) edits[n]->setText(t.edit[n]);
    setLayoutItem(t.layout);
}

int TForm8::layoutItem() const
{
    return RadioGroup1Items[1]->isChecked() ? 1 : 0;
}

void TForm8::setLayoutItem(int item)
{
    RadioGroup1Items[item == 1 ? 1 : 0]->setChecked(true);
}

} // namespace razoz
