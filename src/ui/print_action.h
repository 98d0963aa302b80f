#pragma once
// "Schein drucken" (SpeedButton12Click): opens the print settings, then builds the slip page and
// shows it in the print preview, hands over to online submission, or does nothing.
#include "app/settings_store.h"
#include "base/interface_texts.h"
#include "base/prompt.h"
#include "print/slip.h"

#include <QDate>
#include <QString>

#include <functional>

class QWidget;

namespace razoz {

class TForm5;
class TForm8;

struct PrintActionContext {
    PrintActionContext(TForm5& f5, TForm8& f8, SettingsValues& values, Prompt& p, const InterfaceTexts& t)
        : form5(f5), form8(f8), settings(values), prompt(p), texts(t)
    {
    }
    TForm5& form5;
    TForm8& form8;
    SettingsValues& settings; // "NeuerSchein", "TippTop", "TippLeft", "Spiel77Ja", … read and set
    Prompt& prompt;
    const InterfaceTexts& texts;
    QString programFolder;
    QString archivePath;
    TipRows rows;                                       // the grid as it stands
    bool onlySaturday = false;                          // CheckBox32
    QString feeOneText = defaultOf(key::FeeOneDraw);    // Edit81
    QString feeBothText = defaultOf(key::FeeBothDraws); // Edit82
    QDate today = QDate::currentDate();
    SettingsStore* store = nullptr;                   // "Drucken" writes the ticket number and games at once
    std::function<int(int)> random;                   // the fixed last digit; default the program's generator
    std::function<void()> showLottotipp;              // the grid is shown behind the dialog
    std::function<void(const QString&)> setLosnummer; // the main window's number and its label
    std::function<void()> online;                     // result 2: online submission
    std::function<void(const SlipPage&)> preview;     // default: showSlipPreview
    QWidget* parent = nullptr;
};

// Returns the dialog's result (1 printed, 2 online, anything else nothing done).
int SpeedButton12Click(PrintActionContext& ctx);

// The page in Qt's print preview, from which the user prints or saves a PDF; returns when it closes.
void showSlipPreview(const SlipPage& page, QWidget* parent);

} // namespace razoz
