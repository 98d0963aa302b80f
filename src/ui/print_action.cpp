#include "ui/print_action.h"

#include "app/slip_settings.h"
#include "generate/random_generator.h"
#include "print/slip_painter.h"
#include "ui/tform5.h"
#include "ui/tform8.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QToolButton>

namespace razoz {

void showSlipPreview(const SlipPage& page, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(slipPageLayout(page.paper));
    printer.setDocName(page.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(page.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&page](QPrinter* p) {
        QPainter painter(p);
        paintSlipPage(painter, page);
    });
    preview.setWindowState(Qt::WindowMaximized); // zoomed to fit a large window
    preview.exec();
}

int SpeedButton12Click(PrintActionContext& ctx)
{
    TForm5& f5 = ctx.form5;
    SettingsValues& s = ctx.settings;
    // The controls of the number search, the fixed last digit and where the search looks.
    for (int n = 3; n <= 9; ++n) f5.UpDown[n]->show();
    f5.SpeedButton2->show();
    f5.SpeedButton3->show();
    const auto random = ctx.random ? ctx.random : [](int n) { return int(RandomGenerator::shared().next(n)); };
    f5.setFixedLastDigit(random(10));
    f5.setRandomSource(random);
    f5.setArchivePath(ctx.archivePath);
    // The games, fees, slip preset and print offsets as last stored.
    const SlipGames games = storedSlipGames(s);
    TForm5::setTriState(f5.CheckBox4, games.super6);
    TForm5::setTriState(f5.CheckBox3, games.spiel77);
    TForm5::setTriState(f5.CheckBox6, games.glueck);
    f5.setFees(oneDrawFee(ctx.feeOneText), bothDrawsFee(ctx.feeBothText));
    f5.setPresetItem(s.get(key::SlipPreset));
    f5.UpDown[1]->setValue(s.get(key::PrintOffsetTop));
    f5.UpDown[2]->setValue(s.get(key::PrintOffsetLeft));
    // The draw days the slip is for and the rows it carries.
    const auto [saturday, wednesday] = defaultDrawDays(ctx.onlySaturday, ctx.today);
    f5.CheckBox1->setChecked(saturday);
    f5.CheckBox2->setChecked(wednesday);
    f5.setPlayedRows(countPlayedRows(ctx.rows));
    f5.CheckBox1Click();
    // The grid behind the dialog, then the dialog; the games chosen are kept whatever the answer.
    if (ctx.showLottotipp) ctx.showLottotipp();
    const int result = f5.exec();
    storeSlipGames(s, {TForm5::triState(f5.CheckBox3), TForm5::triState(f5.CheckBox4), TForm5::triState(f5.CheckBox6)});

    if (result == 2) {
        if (ctx.online) ctx.online();
        return result;
    }
    if (result != 1) return result;

    // The ticket number and games are written at once; a failing store is ignored.
    s.set(key::TicketNumber, f5.Losnummer());
    if (ctx.store) writeTicketAndGamesNow(*ctx.store, s);
    if (ctx.setLosnummer) ctx.setLosnummer(f5.Losnummer());
    // The preset and offsets chosen are kept for the next print.
    s.set(key::SlipPreset, f5.presetItem());
    s.set(key::PrintOffsetTop, f5.UpDown[1]->value());
    s.set(key::PrintOffsetLeft, f5.UpDown[2]->value());

    SlipRequest req;
    req.rows = ctx.rows;
    req.preset = f5.presetItem();
    req.tippTop = f5.UpDown[1]->value();
    req.tippLeft = f5.UpDown[2]->value();
    req.positioning = ctx.form8.positioning();
    req.saturday = f5.CheckBox1->isChecked();
    req.wednesday = f5.CheckBox2->isChecked();
    req.spiel77 = TForm5::triState(f5.CheckBox3);
    req.super6 = TForm5::triState(f5.CheckBox4);
    req.glueck = TForm5::triState(f5.CheckBox6);
    req.showPicture = f5.CheckBox5->isChecked();
    req.paper = f5.ComboBox1->currentIndex();
    req.font = f5.markFont();
    req.programFolder = ctx.programFolder;
    SlipPage page;
    try {
        page = buildSlipPage(req);
    } catch (const SlipError& e) {
        // Nothing is printed; the user learns which box to mend.
        ctx.prompt.error(e.message());
        return result;
    }
    ctx.form8.setPositioning(req.positioning); // the positioning window shows what was printed
    if (ctx.preview)
        ctx.preview(page);
    else
        showSlipPreview(page, ctx.parent);
    return result;
}

} // namespace razoz
