#pragma once
// "Script für Zahlenübergabe auswählen!": the click script for the robot and its four parameters.
#include "base/prompt.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace razoz {

class TZorbForm : public QDialog {
    Q_OBJECT
public:
    explicit TZorbForm(Prompt& prompt, QWidget* parent = nullptr);

    // Where the list and the browse dialog look ("<program folder>Script").
    void setScriptFolder(const QString& folder) { scriptFolder_ = folder; }
    const QString& scriptFolder() const { return scriptFolder_; }
    // The program's web service, asked for a newer script on OK.
    void setServiceAddress(const QString& address) { serviceAddress_ = address; }

    QLabel* Label1;
    QComboBox* LabeledEdit1; // the script's full path; the list holds the scripts of the folder
    QToolButton* BitBtn1;    // browse
    QLabel* Label2;
    QLineEdit* LabeledEdit2; // ZAHL1
    QLineEdit* LabeledEdit3; // ZAHL2
    QLineEdit* LabeledEdit4; // TEXT1
    QLineEdit* LabeledEdit5; // TEXT2
    QLabel *LabeledEdit2Label, *LabeledEdit3Label, *LabeledEdit4Label, *LabeledEdit5Label;
    QPushButton* BitBtn2; // OK
    QPushButton* BitBtn3; // cancel

public slots:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void FormClose();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;

private:
    Prompt& prompt_;
    QString scriptFolder_;
    QString serviceAddress_;
};

} // namespace razoz
