#include "ui/tform1.h"

#include "app/languages.h"
#include "app/locale_format.h"
#include "archive/dates.h"
#include "generate/random_generator.h"
#include "ui/click_label.h"
#include "ui/date_picker.h"
#include "ui/language_applier.h"
#include "ui/page_berechnung.h"
#include "ui/page_datenbank.h"
#include "ui/page_diagramm.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/qt_prompt.h"
#include "ui/qt_translations.h"
#include "ui/settings_binder.h"
#include "ui/stats_buttons.h"
#include "ui/status_hints.h"
#include "ui/tip_grid.h"
#include "ui/windows.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

namespace razoz {

TForm1::TForm1(Environment env, QWidget* parent)
    : QMainWindow(parent), ProgramFolder(std::move(env.programFolder)), Memo2(germanInterfaceTexts()),
      arguments_(std::move(env.arguments)), settingsFile_(std::move(env.settingsFile))
{
    registerWindow(this);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tallwicks Razoz-Quorex  6 aus 49  La Dovovuduv Espania"));
    if (env.prompt) {
        prompt_ = env.prompt;
    } else {
        ownPrompt_ = std::make_unique<QtPrompt>(this);
        prompt_ = ownPrompt_.get();
    }

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    lottotipp = new LottotippPage;
    berechnung = new BerechnungPage;
    diagramm = new DiagrammPage;
    datenbank = new DatenbankPage;
    internet = new InternetPage;
    PageControl1->addTab(lottotipp, QStringLiteral("Lottotipp"));
    PageControl1->addTab(berechnung, QStringLiteral("Berechnung"));
    PageControl1->addTab(diagramm, QStringLiteral("Diagramm"));
    PageControl1->addTab(datenbank, QStringLiteral("Datenbank"));
    PageControl1->addTab(internet, QStringLiteral("Internet-Optionen"));
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

    tipGrid = new TipGrid;
    tipGrid->setContext({.currentDraw = [this] { return navigator_.current(); },
                         .losnummer = [this] { return Losnummer; },
                         .settingsLoaded = [this] { return SettingsLoaded; },
                         .prompt = [this] { return prompt_; },
                         .interfaceTexts = [this] { return &Memo2; },
                         .programFolder = [this] { return ProgramFolder; },
                         .hitSoundFile = [this] { return HitSoundFile; }});
    lottotipp->setTipGrid(tipGrid);
    tipCheck = [this] { tipGrid->Komplettcheck(); };

    connect(lottotipp->SpeedButton6, &QToolButton::clicked, this, &TForm1::ShowPreviousDraw);
    connect(lottotipp->SpeedButton7, &QToolButton::clicked, this, &TForm1::ShowNextDraw);
    connect(lottotipp->Losnummer, &ClickLabel::clicked, this, &TForm1::EditLosnummer);
    connect(datenbank->SpeedButton5, &QToolButton::clicked, this, &TForm1::SelectDrawByDate);
    connect(internet, &InternetPage::linkClicked, this, &TForm1::Label52Click);
    connect(lottotipp->Label43, &ClickLabel::clicked, this, &TForm1::Label43Click);
    connect(lottotipp->Label44, &ClickLabel::clicked, this, &TForm1::Label43Click);

    // The statistics: the chart page reads the range, draw days and texts from here when a chart runs.
    diagramm->setHost({[this] { return ProgramFolder; }, [this] { return endDate(); }, [this] { return drawDays(); },
                       [this]() -> const InterfaceTexts& { return Memo2; }, [this]() -> Prompt& { return prompt(); },
                       [this] { PageControl1->setCurrentWidget(diagramm); }});
    datenbankCharts = new DatenbankStatsButtons(diagramm, datenbank);
    datenbankCharts->setGeometry(260, 96, 400, 140);
    statistischCharts = new StatistischChartShortcuts(diagramm, berechnung->Statistisch);
    mathematischCharts = new MathematischChartShortcuts(diagramm, berechnung->Mathematisch);

    // Hints go to status panel 1 when the mouse enters a control.
    new StatusHints(this, statusPanel1);
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
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
    Abgeben1 = action(nullptr, "Abgeben1", QStringLiteral("Ab&geben"));
    Abgeben1->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    // Shortcuts of menu-bar entries only fire when the window knows them.
    addActions({Aktualisieren1, Berechnen1, Abgeben1});

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
    Schlieen1 = action(nullptr, "Schlieen1", QStringLiteral("S&chließen"));
    connect(Schlieen1, &QAction::triggered, this, &QWidget::close);
}

DrawDays TForm1::drawDays() const
{
    return {lottotipp->CheckBox16->isChecked(), lottotipp->CheckBox17->isChecked()};
}

double TForm1::endDate() const
{
    return toDays(datenbank->DateTimePicker1->date());
}

void TForm1::setStatus(int panel, const QString& text)
{
    (panel == 0 ? statusPanel0 : statusPanel1)->setText(text);
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
    FormClose();
    e->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e)
{
    // The banner panels open the product page like their labels (a click on the label itself is the
    // label's, even when it passes on to the panel).
    if (e->type() == QEvent::MouseButtonRelease && (watched == lottotipp->Panel8 || watched == lottotipp->Panel9)) {
        auto* panel = static_cast<QWidget*>(watched);
        auto* me = static_cast<QMouseEvent*>(e);
        QWidget* under = panel->childAt(me->position().toPoint());
        if (me->button() == Qt::LeftButton && under != lottotipp->Label43 && under != lottotipp->Label44)
            Label43Click();
    }
    return QMainWindow::eventFilter(watched, e);
}

void TForm1::FormShow()
{
    fixLocale();
    initValues();
    openSettings();
    readCheckBoxSettings();
    createPositioningWindow();
    readParameterSettings();
    applyStoredLanguage();
    readLosnummer();
    readPositioningSettings();
    readPrintFontSettings();
    readFeeSettings();
    SettingsLoaded = true; // 12
    readInternetSettings();
    finishSettings();
    selectTodaysDraw();
    drawFirstChart();
    runCommandLinePrint();
}

// 1. Dates, times and numbers look the same on every system.
void TForm1::fixLocale()
{
    fixProgramLocale();
}

// 2.
void TForm1::initValues()
{
    LastHeight = height();
    designHeight_ = LastHeight;
    Today = today();
    if (!ProgramFolder.endsWith(QLatin1Char('/')) && !ProgramFolder.endsWith(QLatin1Char('\\')))
        ProgramFolder += QLatin1Char('/');
    HitSoundFile = QStringLiteral("yippee.wav");
    IterationLimit = 100000;
    SettingsLoaded = false;
}

// 3.
void TForm1::openSettings()
{
    store_ =
        settingsFile_.isEmpty() ? std::make_unique<SettingsStore>() : std::make_unique<SettingsStore>(settingsFile_);
    settingsRead_ = true;
}

void TForm1::readGroup(SettingGroup group)
{
    readSettingsGroup(*store_, group, applicationWindows(), settings_);
}

// 4. Check boxes, slip flags, window size and print offsets; at least one draw day stays selected.
void TForm1::readCheckBoxSettings()
{
    readGroup(SettingGroup::CheckBoxes);
    if (!lottotipp->CheckBox16->isChecked() && !lottotipp->CheckBox17->isChecked()) {
        lottotipp->CheckBox16->setChecked(true);
        lottotipp->CheckBox17->setChecked(true);
    }
}

// 5. The slip positioning window is created by the print settings; its settings are read in step 9.
void TForm1::createPositioningWindow() {}

// 6. Language, spin controls and the tip grid.
void TForm1::readParameterSettings()
{
    readGroup(SettingGroup::Parameters);
    // A number no language has starts in German.
    const int stored = settings_.intValue(QStringLiteral("Sprache"));
    Sprache = stored >= 0 && stored <= 8 ? stored : 0;
}

// 7.
void TForm1::applyStoredLanguage()
{
    LanguageClick(Sprache);
}

// 8.
void TForm1::readLosnummer()
{
    const StoredValue v = store_->read(QStringLiteral("Losnummer"));
    if (v.status == ReadStatus::Ok) Losnummer = v.value.toString();
    settings_.setValue(QStringLiteral("Losnummer"), Losnummer);
    showLosnummer();
}

// 9. Into the slip positioning window (when it exists; otherwise the values are kept).
void TForm1::readPositioningSettings()
{
    readGroup(SettingGroup::Positioning);
}

// 10. The slip print font is read only as a whole.
void TForm1::readPrintFontSettings()
{
    const QList<QWidget*> windows = applicationWindows();
    for (const SettingDef* d : settingsOfGroup(SettingGroup::PrintFont)) {
        if (d->binding != SettingBinding::Control && !store_->settings().contains(QStringLiteral("DruckSchrift")))
            continue;
        const StoredValue v = store_->read(*d);
        if (v.status != ReadStatus::Ok) continue;
        settings_.setValue(d->name, v.value);
        applySetting(windows, *d, v.value);
    }
}

// 11.
void TForm1::readFeeSettings()
{
    readGroup(SettingGroup::Fees);
    readGroup(SettingGroup::Browser);
}

// 13. Start page, proxy, results server; then the start of the evaluated range.
void TForm1::readInternetSettings()
{
    readGroup(SettingGroup::Internet);
    const SettingDef* picker = findSetting(QStringLiteral("DateTimePicker2"));
    const double start = startDateFromStore(store_->read(*picker), picker->defaultValue.toDouble(), Today);
    settings_.setValue(picker->name, start);
    applySetting(applicationWindows(), *picker, start);
}

// 14.
void TForm1::finishSettings()
{
    // The spin position, kept within its range (the shown text may carry separators or a suffix).
    const SettingDef* upDown7 = findSetting(QStringLiteral("UpDown7"));
    int position = std::clamp(settings_.intValue(upDown7->name), upDown7->minimum, upDown7->maximum);
    if (auto* spin = qobject_cast<QSpinBox*>(findControl(this, upDown7->control))) position = spin->value();
    IterationLimit = position * 1000;
    if (internet->ProxyHostEdit->text().isEmpty()) internet->ProxyPortEdit->setText(QStringLiteral("80"));
    store_.reset();
}

// 15, 16.
void TForm1::selectTodaysDraw()
{
    ArchiveFileName = kArchiveFileName;
    RandomGenerator::shared().seedFromClock();
    datenbank->DateTimePicker1->setDate(QDate::currentDate());
    SelectDrawByDate();
}

// 17. The frequency chart of the drawn numbers, ready when the user first looks.
void TForm1::drawFirstChart()
{
    diagramm->SpeedButton2Click();
}

// 18. Command-line print mode ("D" and a tip file) runs here once tip files and slip printing are in place.
void TForm1::runCommandLinePrint() {}

void TForm1::FormClose()
{
    // A window closed before its start-up never read the store: writing would replace the user's
    // values with design values.
    if (!settingsRead_) return;
    // Writing never stops the close; what was written before a failure stays.
    SettingsStore store = settingsFile_.isEmpty() ? SettingsStore() : SettingsStore(settingsFile_);
    collectSettings(applicationWindows(), settings_);
    settings_.setValue(QStringLiteral("Losnummer"), Losnummer);
    settings_.setValue(QStringLiteral("Sprache"), Sprache);
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    store.writeAll(settings_, normal);
}

void TForm1::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    FormResize();
}

namespace {
// Controls whose children are their own parts (spin boxes, lists, charts) are scaled as a whole.
bool scalesChildren(QWidget* w)
{
    return !qobject_cast<QAbstractSpinBox*>(w) && !qobject_cast<QComboBox*>(w) &&
           !qobject_cast<QAbstractScrollArea*>(w);
}
} // namespace

// Scales every control of the pages by new height / design height, always from the design
// geometry and font, so growing and shrinking back ends where it started.
void TForm1::FormResize()
{
    if (LastHeight <= 0 || designHeight_ <= 0 || height() == LastHeight) return;
    LastHeight = height();
    const double factor = double(LastHeight) / designHeight_;
    // The controls placed by hand (no layout, no page stack, not a part of another control).
    QList<QWidget*> placed;
    std::function<void(QWidget*)> collect = [&](QWidget* parent) {
        const bool managed = qobject_cast<QStackedWidget*>(parent) || parent->layout();
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow()) continue;
            if (!managed && !w->objectName().startsWith(QLatin1String("qt_"))) placed << w;
            if (scalesChildren(w)) collect(w);
        }
    };
    for (int i = 0; i < PageControl1->count(); ++i) collect(PageControl1->widget(i));
    // Record every design value before changing any: a parent's new font would pass to its children.
    for (QWidget* w : placed) {
        auto it = design_.find(w);
        if (it == design_.end() || !it->widget) design_.insert(w, Design{w, w->geometry(), w->font()});
    }
    for (QWidget* w : placed) {
        const Design& d = design_[w];
        const QRect g = d.geometry;
        w->setGeometry(qRound(g.x() * factor), qRound(g.y() * factor), qRound(g.width() * factor),
                       qRound(g.height() * factor));
        QFont f = d.font;
        if (f.pointSizeF() > 0)
            f.setPointSizeF(d.font.pointSizeF() * factor);
        else if (f.pixelSize() > 0)
            f.setPixelSize(std::max(1, qRound(d.font.pixelSize() * factor)));
        w->setFont(f);
    }
}

void TForm1::LanguageClick(int sprache)
{
    const Language& language = languageAt(sprache);
    loadQtTranslations(language.code);
    DateiLaden1Click(baseFilePath(ProgramFolder), language.code);
    Sprache = language.index;
    for (QAction* a : languageActions) a->setChecked(a->objectName() == language.menuName);
    // The ticket label and the sum label have design captions in the base file; show the number and
    // the shown draw's sum again so a language change does not blank them.
    if (SettingsLoaded) {
        showLosnummer();
        if (navigator_.current().date > 0) lottotipp->Label13->setText(formatSum(navigator_.current()));
    }
}

void TForm1::DateiLaden1Click(const QString& basePath, const QString& code)
{
    // Without the base file the choice changes only the menu marks and the setting.
    if (!applyLanguageFiles(applicationWindows(), basePath, code)) return;
    loadInterfaceTexts(ProgramFolder, code, Memo2);
    DatePicker::setRefusalTextAll(this, Memo2.text(58));
}

void TForm1::Export1Click()
{
    exportLanguageWithPrompt(applicationWindows(), prompt(), baseFilePath(ProgramFolder));
}

void TForm1::openAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void TForm1::Dokumentationanzeigen1Click()
{
    // Nothing is reported when the documentation is missing.
    const QString path = ProgramFolder + QStringLiteral("Razoz-Quorex.pdf");
    if (QFileInfo(path).isFile()) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
        prompt().error(e.message());
    }
}

void TForm1::showCurrentDraw()
{
    const CurrentDraw& d = navigator_.current();
    datenbank->Label29->setText(formatDraw(d, navigator_.separator()));
    lottotipp->Label13->setText(formatSum(d));
    const QDate date = fromDays(d.date);
    if (date.isValid() && date >= datenbank->DateTimePicker1->minimumDate()) datenbank->DateTimePicker1->setDate(date);
    lottotipp->Label35->setText(datenbank->Label29->text());
}

void TForm1::SelectDrawByDate()
{
    guarded([&] {
        DrawArchive archive(archivePath());
        if (navigator_.selectByDate(archive, endDate()) == DrawNavigator::Selection::MissingArchive) {
            // The request comes first, so a folder where the file cannot be created still explains it.
            prompt().information(QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
            archive.createEmpty();
            return;
        }
        if (navigator_.current().date > 0) showCurrentDraw();
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
        DrawArchive archive(archivePath());
        (navigator_.*step)(archive, drawDays());
        showCurrentDraw();
        Komplettcheck();
    });
}

void TForm1::showLosnummer()
{
    lottotipp->Losnummer->setText(Losnummer.isEmpty() ? Memo2.text(54)
                                                      : Memo2.text(12) + QStringLiteral(": ") + Losnummer);
}

void TForm1::EditLosnummer()
{
    const auto answer = prompt().inputText(Memo2.text(54), Memo2.text(12) + QStringLiteral(": "), Losnummer);
    if (answer) Losnummer = *answer;
    lottotipp->Losnummer->setText(Memo2.text(12) + QStringLiteral(": ") + Losnummer);
    Komplettcheck();
}

void TForm1::Komplettcheck()
{
    if (tipCheck) tipCheck();
}

} // namespace razoz
