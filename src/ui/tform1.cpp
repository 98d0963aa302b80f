#include "ui/tform1.h"

#include "archive/dates.h"
#include "generate/random_generator.h"
#include "ui/click_label.h"
#include "ui/page_berechnung.h"
#include "ui/page_datenbank.h"
#include "ui/page_diagramm.h"
#include "ui/page_lottotipp.h"
#include "ui/qt_prompt.h"
#include "ui/stats_buttons.h"
#include "ui/tip_grid.h"
#include "ui/windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

namespace razoz {

TForm1::TForm1(Environment env, QWidget* parent)
    : QMainWindow(parent), ProgramFolder(std::move(env.programFolder)), arguments_(std::move(env.arguments))
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
    internet = new QWidget;
    internet->setObjectName(QStringLiteral("TabSheet5"));
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
    resize(830, 580);

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

    // The statistics: the chart page reads the range, draw days and texts from here when a chart runs.
    diagramm->setHost({[this] { return ProgramFolder; }, [this] { return endDate(); },
                       [this] { return drawDays(); }, [this]() -> const InterfaceTexts& { return Memo2; },
                       [this]() -> Prompt& { return prompt(); },
                       [this] { PageControl1->setCurrentWidget(diagramm); }});
    datenbankCharts = new DatenbankStatsButtons(diagramm, datenbank);
    datenbankCharts->setGeometry(260, 96, 400, 140);
    statistischCharts = new StatistischChartShortcuts(diagramm, berechnung->Statistisch);
    statistischCharts->setGeometry(770, 8, 32, 170);
    mathematischCharts = new MathematischChartShortcuts(diagramm, berechnung->Mathematisch);
    mathematischCharts->setGeometry(8, 290, 790, 150);

    // Hints go to status panel 1 when the mouse enters a control.
    qApp->installEventFilter(this);
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

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
    } languages[] = {{"Deutsch1", "Deutsch"},         {"Englisch1", "Englisch"},
                     {"Franzsisch1", "Französisch"},  {"Spanisch1", "Spanisch"},
                     {"Trkisch1", "Türkisch"},        {"Russisch1", "Russisch"},
                     {"Polnisch1", "Polnisch"},       {"Tschechisch1", "Tschechisch"},
                     {"Niederlndisch1", "Niederländisch"}};
    for (const auto& l : languages) {
        QAction* a = action(MainMenu1Sprache, l.name, QString::fromUtf8(l.caption));
        a->setCheckable(true);
        languageActions << a;
    }
    languageActions.first()->setChecked(true);
    MainMenu1Sprache->addSeparator();
    Export1 = action(MainMenu1Sprache, "Export1", QStringLiteral("Export"));

    QMenu* help = menu->addMenu(QStringLiteral("Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    help->menuAction()->setObjectName(QStringLiteral("Hilfe1"));
    Dokumentationanzeigen1 = action(help, "Dokumentationanzeigen1", QStringLiteral("Dokumentation anzeigen"));
    Schlieen1 = action(nullptr, "Schlieen1", QStringLiteral("S&chließen"));
    connect(Schlieen1, &QAction::triggered, this, &QWidget::close);
}

DrawDays TForm1::drawDays() const
{
    return {lottotipp->CheckBox16->isChecked(), lottotipp->CheckBox17->isChecked()};
}

double TForm1::endDate() const { return toDays(datenbank->DateTimePicker1->date()); }

void TForm1::setStatus(int panel, const QString& text) { (panel == 0 ? statusPanel0 : statusPanel1)->setText(text); }

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
    if (e->type() == QEvent::Enter) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this && !w->toolTip().isEmpty()) statusPanel1->setText(w->toolTip());
    }
    return QMainWindow::eventFilter(watched, e);
}

void TForm1::FormShow()
{
    LastHeight = height();
    Today = today();
    SettingsLoaded = false;
    IterationLimit = 100000;
    // Settings, interface language and numbered texts are read here (the settings store).
    SettingsLoaded = true;
    showLosnummer();
    ArchiveFileName = kArchiveFileName;
    RandomGenerator::shared().seedFromClock();
    datenbank->DateTimePicker1->setDate(QDate::currentDate());
    SelectDrawByDate();
    diagramm->SpeedButton2Click(); // the frequency chart is ready when the user first looks
}

void TForm1::FormClose() {}

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
            prompt().information(QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
            return;
        }
        if (navigator_.current().date > 0) showCurrentDraw();
        Komplettcheck();
    });
}

void TForm1::ShowPreviousDraw()
{
    guarded([&] {
        DrawArchive archive(archivePath());
        navigator_.showPrevious(archive, drawDays());
        showCurrentDraw();
        Komplettcheck();
    });
}

void TForm1::ShowNextDraw()
{
    guarded([&] {
        DrawArchive archive(archivePath());
        navigator_.showNext(archive, drawDays());
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
