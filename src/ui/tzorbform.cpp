#include "ui/tzorbform.h"

#include "online/click_script.h"
#include "ui/control_factory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace razoz {

TZorbForm::TZorbForm(Prompt& prompt, QWidget* parent) : QDialog(parent), prompt_(prompt)
{
    setObjectName(QStringLiteral("ZorbForm"));
    setWindowTitle(QStringLiteral("Script für Zahlenübergabe auswählen!"));
    setModal(true);

    Label1 = makeLabel(this, "Label1", QStringLiteral("Tallwicks Click-Script File"), {12, 10, 400, 18});
    LabeledEdit1 = makeControl<QComboBox>(this, "LabeledEdit1", {12, 30, 400, 24});
    LabeledEdit1->setEditable(true);
    LabeledEdit1->setInsertPolicy(QComboBox::NoInsert);
    BitBtn1 = makeControl<QToolButton>(this, "BitBtn1", {418, 29, 26, 26});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));

    Label2 = makeLabel(this, "Label2", QStringLiteral("Parameter "), {12, 66, 200, 18});
    const struct {
        QLineEdit** edit;
        QLabel** label;
        const char* name;
        const char* labelName;
        const char* caption;
        const char* initial;
        QRect place;
    } params[] = {
        {&LabeledEdit2, &LabeledEdit2Label, "LabeledEdit2", "LabeledEdit2Label", "ZAHL1", "0", {12, 104, 100, 24}},
        {&LabeledEdit3, &LabeledEdit3Label, "LabeledEdit3", "LabeledEdit3Label", "ZAHL2", "0", {122, 104, 100, 24}},
        {&LabeledEdit4, &LabeledEdit4Label, "LabeledEdit4", "LabeledEdit4Label", "TEXT1", "Login", {232, 104, 100, 24}},
        {&LabeledEdit5, &LabeledEdit5Label, "LabeledEdit5", "LabeledEdit5Label", "TEXT2", "Wort", {342, 104, 100, 24}},
    };
    for (const auto& p : params) {
        *p.label = makeLabel(this, p.labelName, QString::fromLatin1(p.caption),
                             {p.place.x(), p.place.y() - 18, p.place.width(), 16});
        *p.edit = makeControl<QLineEdit>(this, p.name, p.place);
        (*p.edit)->setText(QString::fromLatin1(p.initial));
    }

    BitBtn2 = makeButton(this, "BitBtn2", QStringLiteral("OK"), {}, {232, 144, 100, 28});
    BitBtn2->setDefault(true);
    BitBtn3 = makeButton(this, "BitBtn3", QStringLiteral("Abbrechen"), {}, {342, 144, 100, 28});
    setFixedSize(456, 184);

    connect(BitBtn1, &QToolButton::clicked, this, &TZorbForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TZorbForm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
}

void TZorbForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TZorbForm::FormShow()
{
    const QString text = LabeledEdit1->currentText();
    LabeledEdit1->clear();
    const QStringList scripts = listClickScripts(scriptFolder_);
    LabeledEdit1->addItems(scripts);
    LabeledEdit1->setEditText(text.isEmpty() && !scripts.isEmpty() ? scripts.last() : text);
}

void TZorbForm::BitBtn1Click()
{
    const QString chosen = prompt_.openFileName(QStringLiteral("Click-Script öffnen"),
                                                QStringLiteral("Tallwicks Click Script|*.zorb"), scriptFolder_);
    if (!chosen.isEmpty()) LabeledEdit1->setEditText(chosen);
}

void TZorbForm::BitBtn2Click()
{
    // A failed look-up leaves the local script as it is.
    if (!serviceAddress_.trimmed().isEmpty())
        updateClickScript(serviceAddress_, LabeledEdit1->currentText().trimmed(), scriptFolder_);
    accept();
}

void TZorbForm::FormClose()
{
    for (QLineEdit* number : {LabeledEdit2, LabeledEdit3})
        if (number->text().isEmpty()) number->setText(QStringLiteral("0"));
}

void TZorbForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

} // namespace razoz
