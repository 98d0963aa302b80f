#include "ui/slip_actions.h"

#include "app/session.h"
#include "base/day_count.h"
#include "tipfiles/tip_file.h"
#include "ui/online_actions.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/print_action.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>

namespace razoz {

int printSlip(TForm1& form)
{
    Session& s = form.session();
    InternetPage* internet = form.internet();
    PrintActionContext ctx(form.form5(), form.form8(), s.settings(), s.prompt(), s.texts());
    ctx.programFolder = s.programFolder();
    ctx.archivePath = s.archivePath();
    ctx.rows = form.tipGrid()->texts();
    ctx.onlySaturday = internet->CheckBox32->isChecked();
    ctx.feeOneText = internet->Edit81->text();
    ctx.feeBothText = internet->Edit82->text();
    const std::unique_ptr<SettingsStore> store = form.settingsStore();
    ctx.store = store.get();
    ctx.showLottotipp = [&form] { form.pages()->setCurrentWidget(form.lottotipp()); };
    ctx.setLosnummer = [&form](const QString& number) { form.setLosnummer(number); };
    if (form.slipPreview) ctx.preview = form.slipPreview;
    ctx.online = [&form] { form.online().SpeedButton17Click(); };
    ctx.parent = &form;
    return SpeedButton12Click(ctx);
}

void saveTipRows(TForm1& form)
{
    Session& s = form.session();
    const QString last = form.online().lastTipFile();
    SaveTipFile(s.prompt(), form.tipGrid()->texts(), fromDays(s.currentDraw().date), QDate::currentDate(),
                last.isEmpty() ? s.programFolder() : QFileInfo(last).absolutePath());
}

void loadTipRows(TForm1& form)
{
    Session& s = form.session();
    if (const auto rows = LoadTipFile(s.prompt(), s.programFolder())) form.tipGrid()->setTexts(*rows);
    form.SelectDrawByDate();
}

void printTipFile(TForm1& form, const QString& path)
{
    try {
        form.tipGrid()->setTexts(Textladen(path));
        form.Komplettcheck();
        form.SpeedButton12Click();
    } catch (const TipFileError& e) {
        // No slip of an empty grid: the user learns which file failed.
        form.session().prompt().error(QString::fromStdString(e.what()));
    }
}

} // namespace razoz
