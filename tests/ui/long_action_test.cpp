// The long-action runner in the real window: an update stalled by its server stops at once, the
// window takes input meanwhile, everything that could interfere is off, and closing the window
// mid-run stops the run and still stores the settings. Plus the runner's own promises: progress
// on the window's thread at most about 30 times a second, questions answered there.
#include "archive/draw_archive.h"
#include "http_server.h"
#include "long_action.h"
#include "main_window.h"
#include "test_support.h"
#include "ui/long_action_runner.h"
#include "ui/page_datenbank.h"
#include "ui/page_internet.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <QToolButton>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace razoz;
using test::draw;

namespace {

// Accepts every request and answers none until released (or the test ends).
struct StalledServer {
    std::atomic<int> holding{0};
    std::atomic<bool> released{false};
    test::HttpServer server{[this](const httplib::Request&, httplib::Response& res) {
        ++holding;
        for (int i = 0; i < 3000 && !released; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        --holding;
        res.status = 500;
    }};
    ~StalledServer() { released = true; }
};

// A Saturday a week ago at least: the update asks for the days since.
std::vector<DrawRecord> recentArchive()
{
    QDate last = QDate::currentDate().addDays(-7);
    while (last.dayOfWeek() != Qt::Saturday) last = last.addDays(-1);
    return {draw(last.addDays(-2), {3, 4, 5, 6, 7, 8}, 9, 3), draw(last, {4, 5, 6, 7, 8, 9}, 10, 4)};
}

bool enabled(QObject* o)
{
    if (auto* a = qobject_cast<QAction*>(o)) return a->isEnabled();
    return qobject_cast<QWidget*>(o)->isEnabled();
}

// What must not start while a long action runs.
std::vector<QObject*> interfering(TForm1& form)
{
    std::vector<QObject*> all{
        form.lottotipp()->BitBtn4,       form.lottotipp()->SpeedButton4, form.lottotipp()->SpeedButton10,
        form.lottotipp()->SpeedButton16, form.lottotipp()->OnlineTipp,   form.datenbank()->BitBtn1,
        form.datenbank()->BitBtn2,       form.datenbank()->BitBtn8,      form.datenbank()->BitBtn6,
        form.datenbank()->BitBtn9,       form.datenbank()->BitBtn19,     form.datenbank()->BitBtn10};
    for (const char* name : {"Berechnen1", "Aktualisieren1", "Scheindrucken1", "Abgeben1", "Deutsch1", "Englisch1"})
        all.push_back(form.findChild<QAction*>(name));
    return all;
}

QStringList namesWhere(const std::vector<QObject*>& objects, bool wantEnabled)
{
    QStringList names;
    for (QObject* o : objects)
        if (!o || enabled(o) == wantEnabled) names << (o ? o->objectName() : QStringLiteral("(missing)"));
    return names;
}

} // namespace

TEST(LongAction, AStalledUpdateStopsAtOnceWhileTheServerStillHoldsTheRequest)
{
    StalledServer stalled;
    test::ProgramDir dir;
    dir.writeArchive(recentArchive());
    const QByteArray archiveBefore = dir.readFile("dovovuduv.dat");
    test::MainWindow w(dir);
    DatenbankPage* db = w.form.datenbank();
    w.form.internet()->ServerURLEdit->setText(stalled.server.url());

    QTest::mouseClick(db->BitBtn1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stalled.holding > 0; }, 5000)) << "the request reached the server";

    // The window takes input while the request hangs, and only the stop can act on the run.
    QLineEdit* partner = w.form.internet()->PartnerRefEdit;
    partner->clear();
    QTest::keyClicks(partner, QStringLiteral("0815"));
    EXPECT_EQ(partner->text(), QStringLiteral("0815"));
    EXPECT_TRUE(w.form.runner().busy());
    const std::vector<QObject*> others = interfering(w.form);
    EXPECT_TRUE(namesWhere(others, true).isEmpty())
        << "could start meanwhile: " << namesWhere(others, true).join(", ").toStdString();
    EXPECT_TRUE(!db->SpeedButton8->isHidden() && db->SpeedButton8->isEnabled());

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(db->SpeedButton8, Qt::LeftButton);
    ASSERT_TRUE(test::waitForLongAction(w.form.runner(), 5000)) << "the stop did not end the update";
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_GT(stalled.holding, 0) << "the update ended only because the server gave up";

    EXPECT_EQ(w.form.statusText(0), QStringLiteral("Aktualisierung gestoppt: 0 Ziehungen geholt"));
    EXPECT_TRUE(w.prompt.texts("error").isEmpty()) << w.prompt.texts("error").join("|").toStdString();
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), archiveBefore);
    EXPECT_TRUE(db->SpeedButton8->isHidden());
    EXPECT_TRUE(namesWhere(others, false).isEmpty())
        << "still disabled: " << namesWhere(others, false).join(", ").toStdString();
}

TEST(LongAction, ClosingMidRunAnswersTheQuestionNoStopsTheRunAndStoresTheSettings)
{
    StalledServer stalled;
    test::ProgramDir dir;
    dir.writeArchive(recentArchive());
    const QByteArray archiveBefore = dir.readFile("dovovuduv.dat");
    test::MainWindow w(dir);
    w.form.internet()->ServerURLEdit->setText(stalled.server.url());
    w.form.internet()->PartnerRefEdit->setText(QStringLiteral("4242"));

    // The rebuild's question is on its way to the window when it closes: it is never shown, and
    // the archive stays as it was.
    w.prompt.questionAnswers = {true};
    QTest::mouseClick(w.form.datenbank()->BitBtn2, Qt::LeftButton);
    ASSERT_TRUE(w.form.runner().busy());
    EXPECT_TRUE(w.form.close());
    EXPECT_FALSE(w.form.runner().busy());
    EXPECT_TRUE(w.prompt.texts("question").isEmpty());
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), archiveBefore);
    EXPECT_FALSE(QFileInfo::exists(dir.file("dovovuduv.dat.bak")));

    // An update waiting for its server: the close stops it and waits for it.
    w.form.show();
    QTest::mouseClick(w.form.datenbank()->BitBtn1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stalled.holding > 0; }, 5000));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(w.form.close());
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(w.form.runner().busy());
    EXPECT_GT(stalled.holding, 0);
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), archiveBefore);

    QSettings stored(dir.file("settings.ini"), QSettings::IniFormat);
    QString partner;
    for (const QString& k : stored.allKeys())
        if (k.section(QLatin1Char('/'), -1) == QLatin1String("PartnerRef")) partner = stored.value(k).toString();
    EXPECT_EQ(partner, QStringLiteral("4242"));
}

TEST(LongActionRunner, ProgressAndQuestionsReachTheWindowsThreadProgressAtMostAboutThirtyTimesASecond)
{
    test::ScriptedPrompt prompt;
    prompt.questionAnswers = {false, true};
    QThread* window = QThread::currentThread();
    QStringList shown;
    bool allOnWindow = true;
    LongActionRunner runner(prompt, [&](int panel, const QString& text) {
        allOnWindow = allOnWindow && QThread::currentThread() == window;
        shown << QStringLiteral("%1:%2").arg(panel).arg(text);
    });
    std::vector<bool> answers;
    bool workerOffWindow = false;
    bool done = false;
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(runner.start(
        [&](RunControl& run, Prompt& p) {
            workerOffWindow = QThread::currentThread() != window;
            answers.push_back(p.question(QStringLiteral("Frage"), QStringLiteral("eins")));
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
            for (int i = 0; std::chrono::steady_clock::now() < until; ++i) run.status(0, QString::number(i));
            run.status(0, QStringLiteral("last"));
            run.status(1, QStringLiteral("hint"));
            answers.push_back(p.question(QStringLiteral("Frage"), QStringLiteral("zwei")));
        },
        [&] { done = true; }));
    EXPECT_FALSE(runner.start([](RunControl&, Prompt&) {})) << "one action at a time";
    ASSERT_TRUE(test::waitForLongAction(runner, 10000));
    const qint64 elapsed = clock.elapsed();

    EXPECT_TRUE(done);
    EXPECT_TRUE(workerOffWindow);
    EXPECT_TRUE(allOnWindow);
    EXPECT_EQ(answers, (std::vector<bool>{false, true}));
    EXPECT_EQ(prompt.texts("question"), (QStringList{"eins", "zwei"}));
    ASSERT_GE(shown.size(), 3);
    EXPECT_TRUE(shown.contains("0:last"));
    EXPECT_EQ(shown.last(), "1:hint");
    EXPECT_LE(shown.size(), elapsed / 33 + 3) << shown.size() << " texts in " << elapsed << " ms";
}
