#include "ui/online_actions.h"

#include "app/hand_over.h"
#include "app/slip_settings.h"
#include "generate/random_generator.h"
#include "online/click_script.h"
#include "online/online_files.h"
#include "ui/page_datenbank.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/tform5.h"
#include "ui/tip_grid.h"
#include "ui/tzorbform.h"
#include "ui/windows.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace razoz {

OnlineActions::OnlineActions(Session& session, TForm5& form5, OnlineWindow window, QWidget* parent)
    : QObject(parent), session_(session), form5_(form5), window_(std::move(window)),
      zorb_(std::make_unique<TZorbForm>(session.prompt()))
{
    // A window of its own, so the language files find its controls apart from the main window's.
    registerWindow(zorb_.get());
}

OnlineActions::~OnlineActions() = default;

OrderChoices OnlineActions::choices() const
{
    OrderChoices c;
    c.saturday = form5_.CheckBox1->isChecked();
    c.wednesday = form5_.CheckBox2->isChecked();
    c.spiel77 = form5_.CheckBox3->checkState() == Qt::Checked;
    c.super6 = form5_.CheckBox4->checkState() == Qt::Checked;
    c.extra = form5_.CheckBox7->isChecked();
    c.losnummer = form5_.Losnummer();
    return c;
}

void OnlineActions::OnlineTippClick()
{
    TForm5& f5 = form5_;
    SettingsValues& s = session_.settings();
    f5.setOnlineLook(true);
    // A new ticket number around a random last digit.
    std::function<int(int)> digit = random;
    if (!digit) digit = [](int n) { return int(RandomGenerator::shared().next(n)); };
    f5.setFixedLastDigit(digit(10));
    f5.setRandomSource(digit);
    f5.setArchivePath(session_.archivePath());
    f5.SpeedButton2Click();
    // The add-on games as last played; no "Extra" and no Glücksspirale online.
    const SlipGames games = storedSlipGames(s);
    TForm5::setTriState(f5.CheckBox3, games.spiel77);
    TForm5::setTriState(f5.CheckBox4, games.super6);
    f5.CheckBox7->setChecked(false);
    s.set(key::PlaysGluecksspirale, 0);
    // The print action runs SpeedButton17Click when the dialog closes towards online.
    if (window_.printAction) window_.printAction();
    // A dialog that never composed a number leaves the stored one alone.
    const QString number = f5.Losnummer();
    if (!number.isEmpty()) s.set(key::TicketNumber, number);
    if (auto store = window_.openStore ? window_.openStore() : nullptr)
        writeTicketAndGamesNow(*store, s, !number.isEmpty());
    if (!number.isEmpty() && window_.setLosnummer) window_.setLosnummer(number);
    // Back to the print look.
    f5.setOnlineLook(false);
    if (window_.showLottotipp) window_.showLottotipp();
}

void OnlineActions::SpeedButton17Click()
{
    const QList<QRadioButton*> portals = form5_.RadioGroup2->findChildren<QRadioButton*>();
    const bool tipp24 = portals.size() < 2 || portals[1]->isChecked();
    if (!tipp24) {
        OnlineSpielClick();
        return;
    }
    const int rows = window_.rowCount ? window_.rowCount() : 8;
    submitToTipp24(handOverOf(session_), window_.options(), window_.rows(), rows, choices());
}

QString OnlineActions::OnlineSpielClick()
{
    const QString path = perDateTipPath(session_.programFolder(), window_.shownDraw(), today());
    lastTipFile_ = path;
    writePerDateTips(handOverOf(session_), window_.rows(), path);
    return path;
}

void OnlineActions::AutoWebScript()
{
    TZorbForm& z = *zorb_;
    RobotSettings robot = readRobotSettings(robotSettingsFile);
    z.LabeledEdit2->setText(robot.zahl1);
    z.LabeledEdit4->setText(robot.text1);
    z.LabeledEdit3->setText(robot.zahl2);
    z.LabeledEdit5->setText(robot.text2);
    // Without the robot there is nothing to hand over: offer its download page.
    const QString program = robotProgram(robot.path);
    if (robot.path.trimmed().isEmpty() || !QFileInfo(program).isFile()) {
        if (session_.prompt().question(QStringLiteral("Mausmeister jetzt installieren?"),
                                       QStringLiteral("Tallwicks Mausmeister installieren?")))
            openWebPage(handOverOf(session_), window_.robotPage ? window_.robotPage() : QString());
        return;
    }
    // A failed tip file is reported and the hand-over goes on.
    const QString tipFile = OnlineSpielClick();
    z.setScriptFolder(QDir(session_.programFolder()).filePath(kScriptFolderName));
    z.setServiceAddress(window_.options().serviceAddress);
    z.LabeledEdit1->setEditText(robot.script);
    // Cancel ends here; the tip file stays.
    if (z.exec() != QDialog::Accepted) return;
    // The choices are kept for the next time.
    robot.script = z.LabeledEdit1->currentText().trimmed();
    robot.zahl1 = z.LabeledEdit2->text();
    robot.text1 = z.LabeledEdit4->text();
    robot.zahl2 = z.LabeledEdit3->text();
    robot.text2 = z.LabeledEdit5->text();
    writeRobotChoices(robot, robotSettingsFile);
    ScriptFill fill;
    fill.tipFilePath = QDir::toNativeSeparators(tipFile);
    fill.rows = window_.rows();
    fill.saturday = form5_.CheckBox1->isChecked();
    fill.wednesday = form5_.CheckBox2->isChecked();
    fill.spiel77 = form5_.CheckBox3->checkState() == Qt::Checked;
    fill.super6 = form5_.CheckBox4->checkState() == Qt::Checked;
    QString filled;
    try {
        filled = writeFilledScript(robot.script, fill, session_.programFolder(), today());
    } catch (const OnlineError& e) {
        session_.prompt().error(e.message);
        return;
    }
    if (!startRobot(program, robotArguments(filled, robot), QFileInfo(program).absolutePath()))
        session_.prompt().error(
            QStringLiteral("Der Klickomat (%1) konnte nicht gestartet werden.").arg(QDir::toNativeSeparators(program)));
}

// "Ab&geben", the per-date tip file and "Tipp &abgeben", with the addresses and the proxy of the
// "Internet-Optionen" page read at the moment of use.
std::unique_ptr<OnlineActions> connectOnlineActions(TForm1& form, QAction* handOverEntry)
{
    Session& session = form.session();
    LottotippPage* lottotipp = form.lottotipp();
    InternetPage* internet = form.internet();
    OnlineWindow w;
    w.rows = [&form] { return form.tipGrid()->texts(); };
    w.rowCount = [&session] { return session.calculation().snapshot().rowsToCompute; };
    w.shownDraw = [&form] { return form.datenbank()->DateTimePicker1->date(); };
    w.options = [internet] {
        OnlineOptions o;
        o.proxyHost = internet->ProxyHostEdit->text().trimmed();
        o.proxyPort = internet->ProxyPortEdit->text().trimmed();
        o.linkPage = internet->CheckBox21->isChecked();
        o.serviceAddress = internet->ServiceURLEdit->text().trimmed();
        o.portalAddress = internet->PortalURLEdit->text().trimmed();
        o.webSite = internet->WebSiteURLEdit->text().trimmed();
        o.partnerRef = internet->PartnerRefEdit->text().trimmed();
        return o;
    };
    w.robotPage = [internet] { return internet->RobotURLEdit->text().trimmed(); };
    w.printAction = [&form] { return form.SpeedButton12Click(); };
    w.openStore = [&form] { return form.settingsStore(); };
    w.setLosnummer = [&form](const QString& number) { form.setLosnummer(number); };
    w.showLottotipp = [&form, lottotipp] { form.pages()->setCurrentWidget(lottotipp); };
    auto online = std::make_unique<OnlineActions>(session, form.form5(), std::move(w), &form);
    QObject::connect(handOverEntry, &QAction::triggered, online.get(), &OnlineActions::OnlineTippClick);
    QObject::connect(lottotipp->OnlineTipp, &QPushButton::clicked, online.get(), &OnlineActions::AutoWebScript);
    return online;
}

} // namespace razoz
