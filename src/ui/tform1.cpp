#include "ui/tform1.h"

#include "app/calculation_values.h"
#include "app/languages.h"
#include "app/session.h"
#include "app/version.h"
#include "base/day_count.h"
#include "base/locale_format.h"
#include "generate/random_generator.h"
#include "ui/analysis_actions.h"
#include "ui/calculation_action.h"
#include "ui/calculation_settings_link.h"
#include "ui/click_label.h"
#include "ui/date_picker.h"
#include "ui/datenbank_actions.h"
#include "ui/draw_selection.h"
#include "ui/first_start.h"
#include "ui/language_applier.h"
#include "ui/language_switch.h"
#include "ui/long_action_runner.h"
#include "ui/main_menu.h"
#include "ui/online_actions.h"
#include "ui/page_berechnung.h"
#include "ui/page_datenbank.h"
#include "ui/page_diagramm.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/page_systeme.h"
#include "ui/qt_prompt.h"
#include "ui/slip_actions.h"
#include "ui/status_hints.h"
#include "ui/system_actions.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform8.h"
#include "ui/tiers_dialog.h"
#include "ui/tip_grid.h"
#include "ui/tip_row_actions.h"
#include "ui/window_settings.h"
#include "ui/windows.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace razoz {

TForm1::TForm1(Environment env, QWidget* parent)
    : QMainWindow(parent), arguments_(std::move(env.arguments)), settingsFile_(std::move(env.settingsFile))
{
    registerWindow(this);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tallwicks Razoz-Quorex  6 aus 49  La Dovovuduv Espania"));
    Prompt* prompt = env.prompt;
    if (!prompt) {
        ownPrompt_ = std::make_unique<QtPrompt>(this);
        prompt = ownPrompt_.get();
    }
    session_ = std::make_unique<Session>(env.programFolder, *prompt);
    session_->setOpener(std::move(env.opener));
    Session& session = *session_;
    runner_ = std::make_unique<LongActionRunner>(
        session.prompt(), [this](int panel, const QString& text) { session_->showStatus(panel, text); });
    runner_->onBusyChanged = [this](bool running, const QList<const QObject*>& stoppers) {
        setLongActionRunning(running, stoppers);
    };

    PageControl1 = new QTabWidget(this);
    scaler_ = std::make_unique<ControlScaler>(*PageControl1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // The chart page runs the statistics for the buttons of the other pages, so it comes first.
    diagramm_ = new DiagrammPage(session);
    lottotipp_ = new LottotippPage(session);
    berechnung_ = new BerechnungPage(session, *diagramm_);
    datenbank_ = new DatenbankPage(session, *diagramm_);
    systeme_ = new SystemePage;
    internet_ = new InternetPage;
    PageControl1->addTab(lottotipp_, QStringLiteral("Lottotipp"));
    PageControl1->addTab(berechnung_, QStringLiteral("Berechnung"));
    PageControl1->addTab(diagramm_, QStringLiteral("Diagramm"));
    PageControl1->addTab(datenbank_, QStringLiteral("Datenbank"));
    PageControl1->addTab(systeme_, QStringLiteral("Systeme"));
    PageControl1->addTab(internet_, QStringLiteral("Internet-Optionen"));
    setCentralWidget(PageControl1);

    std::tie(statusPanel0, statusPanel1) = buildStatusBar(*this);

    buildMenu();
    resize(900, 580);
    calculationLink_ = new CalculationSettingsLink(this, datenbank_->DateTimePicker1, session.calculation(), this);
    takeCalculationSettings();

    connect(lottotipp_->BitBtn4, &QPushButton::clicked, this, &TForm1::Label28Click);
    connect(lottotipp_->TiersButton, &QPushButton::clicked, this, qOverload<>(&TForm1::showTiers));
    connect(lottotipp_->SpeedButton6, &QToolButton::clicked, this,
            [this] { stepDraw(*session_, *tipGrid(), &DrawNavigator::showPrevious); });
    connect(lottotipp_->SpeedButton7, &QToolButton::clicked, this,
            [this] { stepDraw(*session_, *tipGrid(), &DrawNavigator::showNext); });
    connect(lottotipp_->Losnummer, &ClickLabel::clicked, this, &TForm1::EditLosnummer);
    connect(lottotipp_, &LottotippPage::productPageRequested, this, &TForm1::Label43Click);
    connect(datenbank_->SpeedButton5, &QToolButton::clicked, this, &TForm1::SelectDrawByDate);
    connect(internet_, &InternetPage::linkClicked, this, &TForm1::Label52Click);
    connect(&session, &Session::statusShown, this, &TForm1::setStatus);
    connect(&session, &Session::pageRequested, this, [this](QObject* page) {
        if (auto* w = qobject_cast<QWidget*>(page); w && PageControl1->indexOf(w) >= 0)
            PageControl1->setCurrentWidget(w);
    });

    connect(lottotipp_->SpeedButton15, &QToolButton::clicked, this, &TForm1::SpeedButton15Click);
    connect(lottotipp_->SpeedButton16, &QToolButton::clicked, this, &TForm1::SpeedButton16Click);
    connect(menu_.print, &QAction::triggered, this, &TForm1::SpeedButton12Click);
    archiveActions_ = connectArchiveActions(*this, menu_.update);
    analysisActions_ = connectAnalysisActions(*this);

    // The slip dialogs are windows of their own (not children of this one), so the settings and
    // the language files find their "Edit1"… apart from the main window's controls.
    form8_ = std::make_unique<TForm8>();
    form5_ = std::make_unique<TForm5>(*form8_, session.prompt(), session.texts());
    registerWindow(form5_.get());
    form6_ = std::make_unique<TForm6>(session);
    registerWindow(form6_.get());
    calculation_ = new CalculationAction(
        {session, *runner_, *lottotipp_, *diagramm_, *form6_, *calculationLink_, *datenbank_->DateTimePicker1,
         menu_.calculate, [this](int panel, const QString& text) { setStatus(panel, text); },
         [this] { SelectDrawByDate(); }, [this](const QString& hint) { statusPanel1->setToolTip(hint); }},
        this);
    registerWindow(form8_.get());
    new TipRowActions(session, *lottotipp_, *diagramm_, *form6_, this);
    new SystemActions({session, *runner_, *systeme_, *tipGrid(), [this] { return SpeedButton12Click(); }}, this);
    // The tiers of the system's slip on show ("Schein 2 von 9"), twelve rows as the dialog takes them.
    connect(systeme_, &SystemePage::tiersRequested, this,
            [this](const TipRows& rows) { showTiers(rows, QStringLiteral("System, ") + systeme_->SysSlip->text()); });
    online_ = connectOnlineActions(*this, menu_.handOver);

    // Hints go to status panel 1 when the mouse enters a control.
    statusHints_ = new StatusHints(this, statusPanel1);
}

void TForm1::archiveChanged(double date)
{
    const QDate d = fromDays(date);
    if (d.isValid()) datenbank_->DateTimePicker1->setDate(d);
    SelectDrawByDate();
    showArchiveHealth();
}

void TForm1::showArchiveHealth()
{
    datenbank_->showArchiveHealth();
}

TForm1::~TForm1()
{
    // A worker still running uses the archive actions: it ends before they go.
    runner_.reset();
}

void TForm1::buildMenu()
{
    menu_ = buildMainMenu(*this);
    connect(menu_.calculate, &QAction::triggered, this, &TForm1::Label28Click);
    connect(menu_.tiers, &QAction::triggered, this, qOverload<>(&TForm1::showTiers));
    for (QAction* a : menu_.languages)
        for (const Language& l : razoz::languages())
            if (l.menuName == a->objectName())
                connect(a, &QAction::triggered, this, [this, index = l.index] { LanguageClick(index); });
    connect(menu_.exportLanguage, &QAction::triggered, this, &TForm1::Export1Click);
    connect(menu_.documentation, &QAction::triggered, this, &TForm1::Dokumentationanzeigen1Click);
    connect(menu_.about, &QAction::triggered, this, &TForm1::berRazozQuorex1Click);
    connect(menu_.close, &QAction::triggered, this, &QWidget::close);
}

TipGrid* TForm1::tipGrid() const
{
    return lottotipp_->tipGrid;
}

QString TForm1::statusText(int panel) const
{
    return (panel == 0 ? statusPanel0 : statusPanel1)->text();
}

void TForm1::setStatus(int panel, const QString& text)
{
    if (panel == 0) {
        statusPanel0->setText(text);
        return;
    }
    // A hint belongs to the status it explains.
    statusPanel1->setToolTip({});
    if (statusHints_)
        statusHints_->setStatus(text);
    else
        statusPanel1->setText(text);
}

void TForm1::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent* e)
{
    // A run is stopped first (a question it has not yet shown is answered with Cancel/No) and
    // waited for; one that unwinds on this thread closes the window when it has ended.
    if (!runner_->shutdownFor(this)) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
}

void TForm1::FormShow()
{
    fixProgramLocale(); // dates, times and numbers look the same on every system
    scaler_->start(height());
    session_->setSettingsLoaded(false);
    readSettings();
    selectTodaysDraw();
    diagramm_->SpeedButton2Click(); // the frequency chart, ready when the user first looks
    runCommandLinePrint();
}

// The start-up reading of the settings into the session's values and the controls; each step
// shows what it read (the draw days, the language, the ticket number), and the tip check waits
// until the fees are read.
void TForm1::readSettings()
{
    const std::unique_ptr<SettingsStore> store = openStore();
    settingsRead_ = true;
    readWindowSettings(*this, *store);
    takeCalculationSettings();
}

std::unique_ptr<SettingsStore> TForm1::settingsStore() const
{
    return settingsRead_ ? openStore() : nullptr;
}

std::unique_ptr<SettingsStore> TForm1::openStore() const
{
    return settingsFile_.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(settingsFile_);
}

// The calculation settings from the values read, then from every control that shows one.
void TForm1::takeCalculationSettings()
{
    session_->calculation().edit([this](CalculationSettings& s) { s = calculationSettingsFrom(session_->settings()); });
    calculationLink_->takeControls();
}

void TForm1::selectTodaysDraw()
{
    RandomGenerator::shared().seedFromClock();
    datenbank_->DateTimePicker1->setDate(QDate::currentDate());
    SelectDrawByDate();
    // Without draws the first charts and tips are empty: offer the two ways to get them (not in
    // the unattended print mode of the command line).
    if (arguments_.value(0) != QLatin1String("D")) offerFirstDraws(*this, *archiveActions_);
    showArchiveHealth();
}

void TForm1::runCommandLinePrint()
{
    if (arguments_.isEmpty() || arguments_.first() != QLatin1String("D")) return;
    printTipFile(*this, arguments_.value(1));
    // Closing from inside the first show would leave the window half shown.
    QTimer::singleShot(0, this, &QWidget::close);
}

int TForm1::SpeedButton12Click()
{
    return printSlip(*this);
}

void TForm1::SpeedButton15Click()
{
    saveTipRows(*this);
}

void TForm1::SpeedButton16Click()
{
    loadTipRows(*this);
}

void TForm1::FormClose()
{
    // A window closed before its start-up never read the store: writing would replace the user's
    // values with design values.
    if (!settingsRead_) return;
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    writeWindowSettings(*session_, *openStore(), normal);
}

// Scales every control of the pages with the window's height.
void TForm1::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (scaler_) scaler_->scaleTo(height());
}

void TForm1::LanguageClick(int sprache)
{
    switchLanguage(*this, sprache, menu_.languages);
}

void TForm1::Export1Click()
{
    exportLanguageWithPrompt(applicationWindows(), session_->prompt(), baseFilePath(session_->programFolder()));
}

void TForm1::Dokumentationanzeigen1Click()
{
    // Nothing is reported when the documentation is missing.
    const QString path = session_->programFolder() + QStringLiteral("Razoz-Quorex.pdf");
    if (QFileInfo(path).isFile()) session_->openExternally(QUrl::fromLocalFile(path));
}

void TForm1::berRazozQuorex1Click()
{
    QString caption = menu_.about->text();
    caption.remove(QLatin1Char('&'));
    session_->prompt().information(
        QStringLiteral("%1 %2\n\n%3").arg(QLatin1String(kProgramName), QLatin1String(kVersion), windowTitle()),
        caption);
}

void TForm1::Label52Click(const QString& address)
{
    session_->openExternally(QUrl::fromUserInput(address));
}

void TForm1::Label43Click()
{
    Label52Click(QString::fromLatin1(kProductPage));
}

void TForm1::SelectDrawByDate()
{
    selectDrawByDate(*session_, *tipGrid());
}

void TForm1::showLosnummer()
{
    const QString& number = session_->ticketNumber();
    lottotipp_->showTicketLabel(number.isEmpty() ? session_->text(54)
                                                 : session_->text(12) + QStringLiteral(": ") + number);
}

void TForm1::setLosnummer(const QString& number)
{
    session_->setTicketNumber(number);
    showLosnummer();
    Komplettcheck(); // the "+ S" labels follow the new last digit
}

void TForm1::EditLosnummer()
{
    const auto answer = session_->prompt().inputText(session_->text(54), session_->text(12) + QStringLiteral(": "),
                                                     session_->ticketNumber());
    if (answer) session_->setTicketNumber(*answer);
    lottotipp_->showTicketLabel(session_->text(12) + QStringLiteral(": ") + session_->ticketNumber());
    Komplettcheck();
}

void TForm1::setLongActionRunning(bool running, const QList<const QObject*>& stoppers)
{
    const auto starts = [&stoppers](const QObject* o) { return !stoppers.contains(o); };
    const std::initializer_list<QWidget*> buttons{
        lottotipp_->BitBtn4,    lottotipp_->SpeedButton4, lottotipp_->SpeedButton10, lottotipp_->SpeedButton16,
        lottotipp_->OnlineTipp, datenbank_->BitBtn1,      datenbank_->BitBtn2,       datenbank_->BitBtn8,
        datenbank_->BitBtn6,    datenbank_->BitBtn10,     datenbank_->BitBtn9,       datenbank_->BitBtn19,
        lottotipp_->TiersButton};
    for (QWidget* w : buttons)
        if (w && starts(w)) w->setEnabled(!running);
    // Printing and the hand-over read the rows a run writes; a language switch retitles its stop.
    QList<QAction*> actions{menu_.calculate, menu_.update, menu_.print, menu_.handOver, menu_.tiers};
    actions += menu_.languages;
    for (QAction* a : actions)
        if (starts(a)) a->setEnabled(!running);
    if (tiers_ && starts(tiers_->computeButton)) tiers_->computeButton->setEnabled(!running);
    systeme_->setBusy(running, stoppers.value(0));
    if (!running) datenbank_->SpeedButton8->setVisible(false); // also after a run the close ended
}

TiersDialog* TForm1::makeTiersDialog()
{
    if (!tiers_) {
        tiers_ = new TiersDialog(
            *session_, *runner_, [this] { return tipGrid()->texts(); }, this);
        tiers_->computeButton->setEnabled(!runner_->busy());
    }
    return tiers_;
}

TiersDialog* TForm1::tiersDialog() const
{
    return tiers_;
}

void TForm1::showTiers()
{
    makeTiersDialog()->showForGrid();
}

void TForm1::showTiers(const TipRows& rows, const QString& title)
{
    makeTiersDialog()->showFor(rows, title);
}

void TForm1::Komplettcheck()
{
    tipGrid()->Komplettcheck();
}

void TForm1::Label28Click()
{
    calculation_->start();
}

} // namespace razoz
