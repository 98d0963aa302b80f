#include "ui/tform1.h"

#include "generate/tip_generator.h"
#include "ui/widget_generation_settings.h"

#include "app/languages.h"
#include "app/session.h"
#include "app/version.h"
#include "archive/archive_health.h"
#include "archive/dates.h"
#include "base/day_count.h"
#include "base/locale_format.h"
#include "generate/random_generator.h"
#include "tipfiles/tip_file.h"
#include "ui/analysis_actions.h"
#include "ui/click_label.h"
#include "ui/date_picker.h"
#include "ui/datenbank_actions.h"
#include "ui/first_start.h"
#include "ui/generation_view.h"
#include "ui/language_applier.h"
#include "ui/long_action_runner.h"
#include "ui/online_actions.h"
#include "ui/page_berechnung.h"
#include "ui/page_datenbank.h"
#include "ui/page_diagramm.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/print_action.h"
#include "ui/qt_prompt.h"
#include "ui/qt_translations.h"
#include "ui/settings_binder.h"
#include "ui/status_hints.h"
#include "ui/tform3.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform8.h"
#include "ui/tip_grid.h"
#include "ui/tip_row_actions.h"
#include "ui/windows.h"

#include <algorithm>

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
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
    internet_ = new InternetPage;
    PageControl1->addTab(lottotipp_, QStringLiteral("Lottotipp"));
    PageControl1->addTab(berechnung_, QStringLiteral("Berechnung"));
    PageControl1->addTab(diagramm_, QStringLiteral("Diagramm"));
    PageControl1->addTab(datenbank_, QStringLiteral("Datenbank"));
    PageControl1->addTab(internet_, QStringLiteral("Internet-Optionen"));
    setCentralWidget(PageControl1);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    statusPanel0 = new QLabel(bar);
    statusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel0->setMinimumWidth(150);
    statusPanel1 = new QLabel(bar);
    statusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanel1->setMinimumWidth(50);
    bar->addWidget(statusPanel0);
    bar->addWidget(statusPanel1, 1);
    setStatusBar(bar);

    buildMenu();
    resize(900, 580);

    connect(lottotipp_->BitBtn4, &QPushButton::clicked, this, &TForm1::Label28Click);
    connect(lottotipp_->SpeedButton6, &QToolButton::clicked, this, &TForm1::ShowPreviousDraw);
    connect(lottotipp_->SpeedButton7, &QToolButton::clicked, this, &TForm1::ShowNextDraw);
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
    connect(Scheindrucken1, &QAction::triggered, this, &TForm1::SpeedButton12Click);
    createArchiveActions();
    analysisActions_ = connectAnalysisActions(*this);

    // The slip dialogs are windows of their own (not children of this one), so the settings and
    // the language files find their "Edit1"… apart from the main window's controls.
    form8_ = std::make_unique<TForm8>();
    form5_ = std::make_unique<TForm5>(*form8_, session.prompt(), session.texts());
    registerWindow(form5_.get());
    form6_ = std::make_unique<TForm6>(session);
    registerWindow(form6_.get());
    registerWindow(form8_.get());
    new TipRowActions(session, *lottotipp_, *diagramm_, *form6_, this);
    createOnlineActions();

    // Hints go to status panel 1 when the mouse enters a control.
    statusHints_ = new StatusHints(this, statusPanel1);
}

void TForm1::createArchiveActions()
{
    Session& session = *session_;
    // The server and the proxy are read from the "Internet-Optionen" page at the moment of use.
    auto options = [this] {
        UpdateOptions o;
        o.serverUrl = internet_->ServerURLEdit->text().trimmed();
        o.proxyHost = internet_->ProxyHostEdit->text().trimmed();
        o.proxyPort = internet_->ProxyPortEdit->text().trimmed();
        o.pickerDate = toDays(datenbank_->DateTimePicker1->date());
        o.today = today();
        return o;
    };
    archiveActions_ =
        std::make_unique<DatenbankActions>([this] { return session_->archivePath(); }, options, session.prompt(),
                                           *runner_, [this](double date) { archiveChanged(date); });
    archiveActions_->onBusyChanged = [this](bool running) { datenbank_->SpeedButton8->setVisible(running); };
    archiveActions_->onDrawFetched = [this](const CurrentDraw& d) {
        const QString text = formatDraw(d, session_->navigator().separator());
        datenbank_->Label29->setText(text);
        lottotipp_->Label35->setText(text);
        lottotipp_->Label13->setText(formatSum(d));
    };
    archiveActions_->editDraw = [this](const DrawRecord& reference) { return enterDrawDialog(reference, this); };
    archiveActions_->interfaceText = [this](int n) { return session_->text(n); };

    DatenbankActions& a = *archiveActions_;
    connect(datenbank_->BitBtn1, &QPushButton::clicked, this, [&a] { a.updateArchive(); });
    connect(lottotipp_->SpeedButton10, &QToolButton::clicked, this, [&a] { a.updateArchive(); });
    connect(Aktualisieren1, &QAction::triggered, this, [&a] { a.updateArchive(); });
    connect(datenbank_->SpeedButton8, &QToolButton::clicked, this, [&a] { a.stopUpdate(); });
    connect(datenbank_->BitBtn2, &QPushButton::clicked, this, [&a] { a.rebuildArchive(); });
    // The entry starts from the draw of the picker's date, the deletion removes the draw on display.
    connect(datenbank_->BitBtn8, &QPushButton::clicked, this,
            [this, &a] { a.enterDraw(toDays(datenbank_->DateTimePicker1->date())); });
    connect(datenbank_->BitBtn6, &QPushButton::clicked, this,
            [this, &a] { a.deleteShownDraw(session_->currentDraw().date); });
    connect(datenbank_->BitBtn10, &QPushButton::clicked, this, [&a] { a.importCsv(); });
}

void TForm1::createOnlineActions()
{
    OnlineWindow w;
    w.rows = [this] { return tipGrid()->texts(); };
    w.rowCount = [this] {
        auto* spin = qobject_cast<QSpinBox*>(findControl(this, key::RowsToCompute.def().control));
        return spin ? spin->value() : session_->settings().get(key::RowsToCompute);
    };
    w.shownDraw = [this] { return datenbank_->DateTimePicker1->date(); };
    w.options = [this] {
        OnlineOptions o;
        o.proxyHost = internet_->ProxyHostEdit->text().trimmed();
        o.proxyPort = internet_->ProxyPortEdit->text().trimmed();
        o.linkPage = internet_->CheckBox21->isChecked();
        o.serviceAddress = internet_->ServiceURLEdit->text().trimmed();
        o.portalAddress = internet_->PortalURLEdit->text().trimmed();
        o.webSite = internet_->WebSiteURLEdit->text().trimmed();
        o.partnerRef = internet_->PartnerRefEdit->text().trimmed();
        return o;
    };
    w.robotPage = [this] { return internet_->RobotURLEdit->text().trimmed(); };
    w.printAction = [this] { return SpeedButton12Click(); };
    w.openStore = [this]() -> std::unique_ptr<SettingsStore> {
        if (!settingsRead_) return nullptr;
        return settingsFile_.isEmpty() ? std::make_unique<SettingsStore>()
                                       : std::make_unique<SettingsStore>(settingsFile_);
    };
    w.setLosnummer = [this](const QString& number) {
        session_->setTicketNumber(number);
        showLosnummer();
        Komplettcheck(); // the "+ S" labels follow the new last digit
    };
    w.showLottotipp = [this] { PageControl1->setCurrentWidget(lottotipp_); };
    online_ = std::make_unique<OnlineActions>(*session_, *form5_, std::move(w), this);
    connect(Abgeben1, &QAction::triggered, online_.get(), &OnlineActions::OnlineTippClick);
    connect(lottotipp_->OnlineTipp, &QPushButton::clicked, online_.get(), &OnlineActions::AutoWebScript);
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
    QString line;
    try {
        DrawArchive archive(session_->archivePath());
        if (archive.exists())
            line = healthSummary(checkArchiveHealth(archive), session_->texts(), today(),
                                 languageLocale(session_->language()));
    } catch (const ArchiveError& e) {
        line = e.message();
    }
    datenbank_->Label99->setText(line);
}

TForm1::~TForm1()
{
    // A worker still running uses the archive actions: it ends before they go.
    runner_.reset();
}

void TForm1::buildMenu()
{
    QMenuBar* menu = menuBar();
    menu->setObjectName(QStringLiteral("MainMenu1"));
    auto action = [&](QMenu* in, const char* name, const QString& caption) {
        QAction* a = in ? in->addAction(caption) : menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    Aktualisieren1 = action(nullptr, "Aktualisieren1", QStringLiteral("&Aktualisieren"));
    Aktualisieren1->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    Berechnen1 = action(nullptr, "Berechnen1", QStringLiteral("&Berechnen"));
    Berechnen1->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    connect(Berechnen1, &QAction::triggered, this, &TForm1::Label28Click);
    Abgeben1 = action(nullptr, "Abgeben1", QStringLiteral("Ab&geben"));
    Abgeben1->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    Scheindrucken1 = action(nullptr, "Scheindrucken1", QStringLiteral("Schein &drucken"));
    Scheindrucken1->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    // Shortcuts of menu-bar entries only fire when the window knows them.
    addActions({Aktualisieren1, Berechnen1, Abgeben1, Scheindrucken1});

    MainMenu1Sprache = menu->addMenu(QStringLiteral("Sprache/Language/Langue"));
    MainMenu1Sprache->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    MainMenu1Sprache->menuAction()->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    const struct {
        const char* name;
        const char* caption;
    } languages[] = {{"Deutsch1", "Deutsch"},   {"Englisch1", "Englisch"},       {"Franzsisch1", "Französisch"},
                     {"Spanisch1", "Spanisch"}, {"Trkisch1", "Türkisch"},        {"Russisch1", "Russisch"},
                     {"Polnisch1", "Polnisch"}, {"Tschechisch1", "Tschechisch"}, {"Niederlndisch1", "Niederländisch"}};
    for (const auto& l : languages) {
        QAction* a = action(MainMenu1Sprache, l.name, QString::fromUtf8(l.caption));
        a->setCheckable(true);
        languageActions << a;
    }
    languageActions.first()->setChecked(true);
    auto* exclusive = new QActionGroup(this);
    for (QAction* a : languageActions) {
        exclusive->addAction(a);
        for (const Language& l : razoz::languages())
            if (l.menuName == a->objectName())
                connect(a, &QAction::triggered, this, [this, index = l.index] { LanguageClick(index); });
    }
    MainMenu1Sprache->addSeparator();
    Export1 = action(MainMenu1Sprache, "Export1", QStringLiteral("Export"));
    connect(Export1, &QAction::triggered, this, &TForm1::Export1Click);

    QMenu* help = menu->addMenu(QStringLiteral("Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    help->menuAction()->setObjectName(QStringLiteral("Hilfe1"));
    Dokumentationanzeigen1 = action(help, "Dokumentationanzeigen1", QStringLiteral("Dokumentation anzeigen"));
    connect(Dokumentationanzeigen1, &QAction::triggered, this, &TForm1::Dokumentationanzeigen1Click);
    berRazozQuorex1 = action(help, "berRazozQuorex1", QStringLiteral("Über Razoz-Quorex"));
    connect(berRazozQuorex1, &QAction::triggered, this, &TForm1::berRazozQuorex1Click);
    Schlieen1 = action(nullptr, "Schlieen1", QStringLiteral("S&chließen"));
    connect(Schlieen1, &QAction::triggered, this, &QWidget::close);
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
    if (panel == 0)
        statusPanel0->setText(text);
    else if (statusHints_)
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
    if (runner_->busy() && !runner_->shutdown()) {
        e->ignore();
        if (!closeAfterRun_) {
            closeAfterRun_ = true;
            connect(
                runner_.get(), &LongActionRunner::finished, this,
                [this] {
                    closeAfterRun_ = false;
                    close();
                },
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
        }
        return;
    }
    FormClose();
    e->accept();
}

void TForm1::FormShow()
{
    fixLocale();
    initValues();
    openSettings();
    readCheckBoxSettings();
    readParameterSettings();
    applyStoredLanguage();
    readLosnummer();
    readPositioningSettings();
    readPrintFontSettings();
    readFeeSettings();
    session_->setSettingsLoaded(true); // 12
    readInternetSettings();
    finishSettings();
    selectTodaysDraw();
    drawFirstChart();
    runCommandLinePrint();
}

// Dates, times and numbers look the same on every system.
void TForm1::fixLocale()
{
    fixProgramLocale();
}

void TForm1::initValues()
{
    scaler_->start(height());
    session_->setIterationLimit(100000);
    session_->setSettingsLoaded(false);
}

void TForm1::openSettings()
{
    store_ =
        settingsFile_.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(settingsFile_);
    settingsRead_ = true;
}

void TForm1::readGroup(SettingGroup group)
{
    readSettingsGroup(*store_, group, applicationWindows(), session_->settings());
}

// Check boxes, slip flags, window size and print offsets; at least one draw day stays selected.
void TForm1::readCheckBoxSettings()
{
    readGroup(SettingGroup::CheckBoxes);
    lottotipp_->setDrawDays(atLeastOneDrawDay(session_->drawDays()));
}

// The slip dialogs are created with the main window; their settings are read with the positioning
// and print-font settings.

// Language, spin controls and the tip grid.
void TForm1::readParameterSettings()
{
    readGroup(SettingGroup::Parameters);
    // A number no language has starts in German.
    const int stored = session_->settings().get(key::Language);
    session_->setLanguage(stored >= 0 && stored <= 8 ? stored : 0);
}

void TForm1::applyStoredLanguage()
{
    LanguageClick(session_->language());
}

void TForm1::readLosnummer()
{
    if (const auto stored = store_->get(key::TicketNumber)) session_->setTicketNumber(*stored);
    session_->settings().set(key::TicketNumber, session_->ticketNumber());
    showLosnummer();
}

// Into the slip positioning window (when it exists; otherwise the values are kept).
void TForm1::readPositioningSettings()
{
    readGroup(SettingGroup::Positioning);
}

// The slip print font is read only as a whole.
void TForm1::readPrintFontSettings()
{
    const QList<QWidget*> windows = applicationWindows();
    for (const SettingDef* d : settingsOfGroup(SettingGroup::PrintFont)) {
        if (d->binding != SettingBinding::Control && !store_->holds(key::PrintFontStyle)) continue;
        const StoredValue v = store_->read(*d);
        if (v.status != ReadStatus::Ok) continue;
        SettingsRows::setValue(session_->settings(), *d, v.value);
        applySetting(windows, *d, v.value);
    }
}

void TForm1::readFeeSettings()
{
    readGroup(SettingGroup::Fees);
    readGroup(SettingGroup::Browser);
}

// Start page, proxy, results server; then the start of the evaluated range.
void TForm1::readInternetSettings()
{
    readGroup(SettingGroup::Internet);
    const SettingDef* picker = &key::RangeStartDate.def();
    const double start = startDateFromStore(store_->read(*picker), kDesignStartDay, today());
    session_->settings().set(key::RangeStartDate, start);
    applySetting(applicationWindows(), *picker, start);
}

void TForm1::finishSettings()
{
    // The spin position, kept within its range (the shown text may carry separators or a suffix).
    int position = session_->settings().get(key::RunBudgetThousands);
    if (auto* spin = qobject_cast<QSpinBox*>(findControl(this, key::RunBudgetThousands.def().control)))
        position = spin->value();
    session_->setIterationLimit(iterationLimitFor(position));
    if (internet_->ProxyHostEdit->text().isEmpty()) internet_->ProxyPortEdit->setText(defaultOf(key::ProxyPort));
    store_.reset();
}

// 15, 16.
void TForm1::selectTodaysDraw()
{
    RandomGenerator::shared().seedFromClock();
    datenbank_->DateTimePicker1->setDate(QDate::currentDate());
    SelectDrawByDate();
    // Without draws the first charts and tips are empty: offer the two ways to get them (not in
    // the unattended print mode of the command line).
    if (arguments_.value(0) != QLatin1String("D"))
        offerFirstDraws(session_->archivePath(), session_->prompt(), session_->texts(),
                        // The first charts wait for the draws the user chose to get.
                        {[this] {
                             archiveActions_->importCsv();
                             runner_->waitUntilIdle();
                         },
                         [this](double fromDay) {
                             datenbank_->DateTimePicker1->setDate(fromDays(fromDay));
                             archiveActions_->updateArchive();
                             runner_->waitUntilIdle();
                         },
                         internet_->ServerURLEdit->text().trimmed(),
                         [this](const QString& url) { internet_->ServerURLEdit->setText(url); },
                         [this](int panel, const QString& text) { setStatus(panel, text); }});
    showArchiveHealth();
}

// The frequency chart of the drawn numbers, ready when the user first looks.
void TForm1::drawFirstChart()
{
    diagramm_->SpeedButton2Click();
}

// "D" and a tip file: the file into the grid, the slip printed, the program closed.
void TForm1::runCommandLinePrint()
{
    if (arguments_.isEmpty() || arguments_.first() != QLatin1String("D")) return;
    try {
        tipGrid()->setTexts(Textladen(arguments_.value(1)));
        Komplettcheck();
        SpeedButton12Click();
    } catch (const TipFileError& e) {
        // No slip of an empty grid: the user learns which file failed.
        session_->prompt().error(QString::fromStdString(e.what()));
    }
    // Closing from inside the first show would leave the window half shown.
    QTimer::singleShot(0, this, &QWidget::close);
}

int TForm1::SpeedButton12Click()
{
    Session& s = *session_;
    PrintActionContext ctx(*form5_, *form8_, s.settings(), s.prompt(), s.texts());
    ctx.programFolder = s.programFolder();
    ctx.archivePath = s.archivePath();
    ctx.rows = tipGrid()->texts();
    ctx.onlySaturday = internet_->CheckBox32->isChecked();
    ctx.feeOneText = internet_->Edit81->text();
    ctx.feeBothText = internet_->Edit82->text();
    std::unique_ptr<SettingsStore> store;
    if (settingsRead_)
        store = settingsFile_.isEmpty() ? std::make_unique<SettingsStore>()
                                        : std::make_unique<SettingsStore>(settingsFile_);
    ctx.store = store.get();
    ctx.showLottotipp = [this] { PageControl1->setCurrentWidget(lottotipp_); };
    ctx.setLosnummer = [this](const QString& number) {
        session_->setTicketNumber(number);
        showLosnummer();
        Komplettcheck(); // the "+ S" labels follow the new last digit
    };
    if (slipPreview) ctx.preview = slipPreview;
    ctx.online = [this] { online_->SpeedButton17Click(); };
    ctx.parent = this;
    return razoz::SpeedButton12Click(ctx);
}

void TForm1::SpeedButton15Click()
{
    // After a per-date tip file the dialog starts in its folder, as it does for that file's name.
    const QString last = online_->lastTipFile();
    SaveTipFile(session_->prompt(), tipGrid()->texts(), fromDays(session_->currentDraw().date), QDate::currentDate(),
                last.isEmpty() ? session_->programFolder() : QFileInfo(last).absolutePath());
}

void TForm1::SpeedButton16Click()
{
    if (const auto rows = LoadTipFile(session_->prompt(), session_->programFolder())) tipGrid()->setTexts(*rows);
    // The current draw again and the check, whether or not a file was loaded.
    SelectDrawByDate();
}

void TForm1::FormClose()
{
    // A window closed before its start-up never read the store: writing would replace the user's
    // values with design values.
    if (!settingsRead_) return;
    // Writing never stops the close; what was written before a failure stays.
    SettingsStore store = settingsFile_.isEmpty() ? SettingsStore() : SettingsStore(settingsFile_);
    SettingsValues& values = session_->settings();
    collectSettings(applicationWindows(), values);
    values.set(key::TicketNumber, session_->ticketNumber());
    values.set(key::Language, session_->language());
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    store.writeAll(values, normal);
}

void TForm1::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    FormResize();
}

// Scales every control of the pages with the window's height.
void TForm1::FormResize()
{
    if (scaler_) scaler_->scaleTo(height());
}

void TForm1::LanguageClick(int sprache)
{
    const Language& language = languageAt(sprache);
    loadQtTranslations(language.code);
    DateiLaden1Click(baseFilePath(session_->programFolder()), language.code);
    session_->setLanguage(language.index);
    for (QAction* a : languageActions) a->setChecked(a->objectName() == language.menuName);
    // The ticket label and the sum label have design captions in the base file; show the number and
    // the shown draw's sum again so a language change does not blank them.
    if (session_->settingsLoaded()) {
        showLosnummer();
        if (session_->currentDraw().date > 0) lottotipp_->showSum();
        showArchiveHealth(); // the language files blank the line too
    }
}

void TForm1::DateiLaden1Click(const QString& basePath, const QString& code)
{
    // Without the base file the choice changes only the menu marks and the setting.
    if (!applyLanguageFiles(applicationWindows(), basePath, code)) return;
    InterfaceTexts texts = session_->texts();
    loadInterfaceTexts(session_->programFolder(), code, texts);
    session_->setTexts(texts.lines());
    DatePicker::setRefusalTextAll(this, session_->text(58));
}

void TForm1::Export1Click()
{
    exportLanguageWithPrompt(applicationWindows(), session_->prompt(), baseFilePath(session_->programFolder()));
}

void TForm1::openAddress(const QString& address)
{
    session_->openExternally(QUrl::fromUserInput(address));
}

void TForm1::Dokumentationanzeigen1Click()
{
    // Nothing is reported when the documentation is missing.
    const QString path = session_->programFolder() + QStringLiteral("Razoz-Quorex.pdf");
    if (QFileInfo(path).isFile()) session_->openExternally(QUrl::fromLocalFile(path));
}

void TForm1::berRazozQuorex1Click()
{
    QString caption = berRazozQuorex1->text();
    caption.remove(QLatin1Char('&'));
    session_->prompt().information(
        QStringLiteral("%1 %2\n\n%3").arg(QLatin1String(kProgramName), QLatin1String(kVersion), windowTitle()),
        caption);
}

void TForm1::Label52Click(const QString& address)
{
    openAddress(address);
}

void TForm1::Label43Click()
{
    openAddress(QString::fromLatin1(kProductPage));
}

void TForm1::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ArchiveError& e) {
        session_->prompt().error(e.message());
    }
}

void TForm1::SelectDrawByDate()
{
    guarded([&] {
        DrawArchive archive(session_->archivePath());
        if (session_->navigator().selectByDate(archive, session_->endDate()) ==
            DrawNavigator::Selection::MissingArchive) {
            // The request comes first, so a folder where the file cannot be created still explains it.
            session_->prompt().information(QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
            archive.createEmpty();
            return;
        }
        if (session_->currentDraw().date > 0) session_->announceDrawChanged();
        Komplettcheck();
    });
}

void TForm1::ShowPreviousDraw()
{
    stepDraw(&DrawNavigator::showPrevious);
}

void TForm1::ShowNextDraw()
{
    stepDraw(&DrawNavigator::showNext);
}

void TForm1::stepDraw(void (DrawNavigator::*step)(DrawArchive&, DrawDays))
{
    guarded([&] {
        DrawArchive archive(session_->archivePath());
        (session_->navigator().*step)(archive, session_->drawDays());
        session_->announceDrawChanged();
        Komplettcheck();
    });
}

void TForm1::showLosnummer()
{
    const QString& number = session_->ticketNumber();
    lottotipp_->showTicketLabel(number.isEmpty() ? session_->text(54)
                                                 : session_->text(12) + QStringLiteral(": ") + number);
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
        datenbank_->BitBtn6,    datenbank_->BitBtn10,     datenbank_->BitBtn9,       datenbank_->BitBtn19};
    for (QWidget* w : buttons)
        if (w && starts(w)) w->setEnabled(!running);
    // Printing and the hand-over read the rows a run writes; a language switch retitles its stop.
    QList<QAction*> actions{Berechnen1, Aktualisieren1, Scheindrucken1, Abgeben1};
    actions += languageActions;
    for (QAction* a : actions)
        if (starts(a)) a->setEnabled(!running);
    if (!running) datenbank_->SpeedButton8->setVisible(false); // also after a run the close ended
}

void TForm1::Komplettcheck()
{
    tipGrid()->Komplettcheck();
}

void TForm1::Label28Click()
{
    // A second click while the calculation runs stops it at the next candidate.
    if (calculating_) {
        runner_->requestStop();
        return;
    }
    if (runner_->busy()) return;
    QPushButton* button = lottotipp_->BitBtn4;
    const QString caption = button->text();
    const bool loaded = session_->settingsLoaded();
    button->setText(session_->text(16));
    session_->setSettingsLoaded(false);
    LockedRows locked;
    for (int r = 0; r < kTipRows; ++r)
        if (tipGrid()->rowLocked(r)) locked[static_cast<std::size_t>(r)] = tipGrid()->rowTexts(r);
    // Still on the window's thread: the settings are read from the controls at every candidate.
    GenerationResult result;
    calculating_ = true;
    runner_->runHere(
        [&](RunControl& run, Prompt&) {
            WidgetGenerationSettings settings(this, *session_);
            WindowGenerationObserver observer(*session_, *tipGrid(), *lottotipp_, *diagramm_);
            WindowNumberList numberList(*session_, *lottotipp_, *form6_, [this] { tipGrid()->emptyUnlockedRows(); });
            result = generateTips(settings, session_->archivePath(), locked, run, RandomGenerator::shared(),
                                  session_->texts(), {settings.checkBox20() ? &numberList : nullptr, &observer});
        },
        {button, Berechnen1});
    calculating_ = false;
    button->setText(caption);
    session_->setSettingsLoaded(loaded);
    if (result.rowsWritten) {
        for (int r = 0; r < kTipRows; ++r) {
            if (locked[static_cast<std::size_t>(r)]) continue;
            TipRowTexts texts;
            const RowValues& row = result.rows[static_cast<std::size_t>(r)];
            if (row[0] != 0)
                for (int c = 0; c < kTipColumns; ++c)
                    texts[static_cast<std::size_t>(c)] = QString::number(row[static_cast<std::size_t>(c)]);
            tipGrid()->setRowTexts(r, texts);
        }
    }
    if (!result.status.isEmpty()) setStatus(1, result.status);
    if (!result.message.isEmpty()) session_->prompt().information(result.message);
    SelectDrawByDate();
}

} // namespace razoz
