// The archive update against real HTTP servers on 127.0.0.1: answers, failures, stop, rebuild, proxy.
#include "archive/archive_update.h"
#include "archive/dates.h"
#include "archive/results_answer.h"
#include "http_server.h"
#include "test_support.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <httplib.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace razoz;
using test::draw;

namespace {

using ResultsServer = test::HttpServer;

// Answers a fixed body for some days ("yyyymmdd"), 500 for every other day.
ResultsServer::Handler days(std::map<std::string, std::string> answers)
{
    return [answers](const httplib::Request& req, httplib::Response& res) {
        const auto it = answers.find(req.get_param_value("Datum"));
        if (it == answers.end()) {
            res.status = 500;
            return;
        }
        res.set_content(it->second, "text/plain");
    };
}

// A TCP server that answers every connection with raw bytes and then closes it.
class RawServer {
public:
    explicit RawServer(QByteArray bytes) : bytes_(std::move(bytes))
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    s->write(bytes_);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

private:
    QByteArray bytes_;
    QTcpServer server_;
};

struct Recorded : QuietRunControl {
    QStringList texts;
    int stopAfterYields = -1;
    int yields = 0;
    Recorded()
        : QuietRunControl([this](int panel, const QString& t) { texts << QStringLiteral("%1:%2").arg(panel).arg(t); })
    {
    }
    void yield() override
    {
        if (++yields == stopAfterYields) requestStop();
    }
};

UpdateOptions options(const QString& url, const QDate& today, const QDate& picker = {1985, 10, 17})
{
    UpdateOptions o;
    o.serverUrl = url;
    o.today = toDays(today);
    o.pickerDate = toDays(picker);
    o.timeoutMs = 2000;
    return o;
}

// Thursday 31.03.2005 (a function: dates need the date library initialised).
DrawRecord thu31March()
{
    return draw({2005, 3, 31}, {1, 2, 3, 4, 5, 6}, 7, 8);
}

} // namespace

struct LineCase {
    const char* line;
    bool readable;
    std::array<std::uint8_t, 6> numbers;
    int complementary, reintegro;
};
class AnswerLines : public ::testing::TestWithParam<LineCase> {};
TEST_P(AnswerLines, ReadAsTheServerMeansThem)
{
    const auto& c = GetParam();
    const auto r = parseAnswerLine(QString::fromLatin1(c.line), 38444);
    ASSERT_EQ(r.has_value(), c.readable) << c.line;
    if (!r) return;
    EXPECT_EQ(r->date, 38444);
    EXPECT_EQ(r->numbers, c.numbers);
    EXPECT_EQ(r->complementary, c.complementary);
    EXPECT_EQ(r->reintegro, c.reintegro);
}
INSTANTIATE_TEST_SUITE_P(Table, AnswerLines,
                         ::testing::Values(LineCase{"x,1,2,3,4,5,6,7,8;", true, {1, 2, 3, 4, 5, 6}, 7, 8},
                                           LineCase{"123,1,2,3,4,5,6,7,;", true, {1, 2, 3, 4, 5, 6}, 7, 0},
                                           LineCase{",49,3,17,8,22,1,5,9; tail", true, {49, 3, 17, 8, 22, 1}, 5, 9},
                                           LineCase{"a,1,2,3,4,5,6,7,x;", true, {1, 2, 3, 4, 5, 6}, 7, 0},
                                           LineCase{"a,1,2,3,4,5,6,7,3", true, {1, 2, 3, 4, 5, 6}, 7, 0},
                                           LineCase{"a,1,2,3;", false, {}, 0, 0},
                                           LineCase{"1,2,3,4,5,6,7,8;", false, {}, 0, 0}, // no leading field
                                           LineCase{"a,1,2,3,4,5,50,7,8;", false, {}, 0, 0},
                                           LineCase{"a,1,2,3,4,5,6,0,8;", false, {}, 0, 0},
                                           LineCase{"a,1,2,3,4,5,6,7,12;", false, {}, 0, 0},
                                           LineCase{"a,1,2,3,4,5,300,7,1;", false, {}, 0, 0},
                                           LineCase{"a,1,1,3,4,5,6,7,1;", false, {}, 0, 0},
                                           LineCase{"a,-1,2,3,4,5,6,7,1;", false, {}, 0, 0}));

// The game's week as the update steps through it: Mondays count from 11.07.2022 on.
TEST(UpdateDays, EveryWeekdayStepsToTheNextDrawDayOfItsEra)
{
    struct Step {
        QDate from, to;
    };
    const Step steps[] = {
        // Two draws a week (the week of 04.07.2022).
        {{2022, 7, 4}, {2022, 7, 7}},
        {{2022, 7, 5}, {2022, 7, 7}},
        {{2022, 7, 6}, {2022, 7, 7}},
        {{2022, 7, 7}, {2022, 7, 9}},
        {{2022, 7, 8}, {2022, 7, 9}},
        // Saturday 09.07. and Sunday 10.07.2022: the Monday after is the first Monday draw.
        {{2022, 7, 9}, {2022, 7, 11}},
        {{2022, 7, 10}, {2022, 7, 11}},
        // A week before that, the Thursday still follows.
        {{2022, 7, 2}, {2022, 7, 7}},
        {{2022, 7, 3}, {2022, 7, 7}},
        // Three draws a week.
        {{2026, 9, 7}, {2026, 9, 10}},
        {{2026, 9, 8}, {2026, 9, 10}},
        {{2026, 9, 9}, {2026, 9, 10}},
        {{2026, 9, 10}, {2026, 9, 12}},
        {{2026, 9, 11}, {2026, 9, 12}},
        {{2026, 9, 12}, {2026, 9, 14}},
        {{2026, 9, 13}, {2026, 9, 14}},
        // Thursdays only.
        {{1985, 10, 17}, {1985, 10, 19}},
        {{1985, 10, 19}, {1985, 10, 24}},
        {{1985, 10, 20}, {1985, 10, 24}},
    };
    for (const Step& s : steps)
        EXPECT_EQ(fromDays(nextUpdateDay(toDays(s.from))), s.to) << s.from.toString("ddd dd.MM.yyyy").toStdString();
    EXPECT_GT(nextUpdateDay(-1e9), -1e9); // no date at all still moves on
}

TEST(Update, OneRequestFor2April2005WithTheFixedQueryHeadersAndTexts)
{
    ResultsServer server(days({{"20050402", "17,4,9,17,22,38,41,12,7;\r\n"}}));
    test::ProgramDir dir;
    dir.writeArchive({firstDraw(), thu31March()});
    DrawArchive archive(dir.archivePath());
    Recorded run;
    std::vector<CurrentDraw> shown;
    const auto result = updateArchive(archive, options(server.url(), {2005, 4, 3}), run,
                                      [&](const CurrentDraw& d) { shown.push_back(d); });
    EXPECT_TRUE(result.failure.isEmpty()) << result.failure.toStdString();
    EXPECT_EQ(server.targets(), std::vector<std::string>{"/zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=20050402"});
    EXPECT_EQ(server.accept(), "text/html, */*");
    EXPECT_EQ(server.agent(), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(run.texts, (QStringList{"0:Loading .. 20050402", "0:Received 26 bytes",
                                      "1:Keine Gewähr für die Richtigkeit der Zahlen!"}));
    const auto all = archive.readAll();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[2], draw({2005, 4, 2}, {4, 9, 17, 22, 38, 41}, 12, 7));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].date, toDays({2005, 4, 2}));
    EXPECT_EQ(fromDays(result.pickerDate), QDate(2005, 4, 7)); // the next draw day, after today
    ASSERT_EQ(result.requests.size(), 1u);
    EXPECT_EQ(result.requests[0].appended, 1);
    EXPECT_EQ(result.records, 3);
}

TEST(Update, Status500IsNotYetThereAndTheUpdateEnds)
{
    ResultsServer server(days({}));
    test::ProgramDir dir;
    dir.writeArchive({firstDraw(), draw({2005, 4, 2}, {1, 2, 3, 4, 5, 6}, 7)});
    const QByteArray before = dir.readFile("dovovuduv.dat");
    DrawArchive archive(dir.archivePath());
    Recorded run;
    const auto result = updateArchive(archive, options(server.url(), {2005, 4, 7}), run);
    EXPECT_EQ(server.targets().size(), 1u);
    EXPECT_EQ(run.texts.last(), "0:07.04.2005 noch nicht da!");
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), before);
    EXPECT_EQ(result.requests[0].status, 500);
}

TEST(Update, TwoLineAnswersOtherStatusesAndAnUnreadableLineThatDropsTheRest)
{
    ResultsServer server([](const httplib::Request& req, httplib::Response& res) {
        const auto d = req.get_param_value("Datum");
        if (d == "20050402")
            res.set_content("1,1,2,3,4,5,6,7,8;\r\n2,11,12,13,14,15,16,17,;\r\n", "text/plain");
        else if (d == "20050407")
            res.status = 404;
        else if (d == "20050409")
            res.set_content("1,21,22,23,24,25,26,27,1;\n1,2,3;\n1,31,32,33,34,35,36,37,2;\n", "text/plain");
        else if (d == "20050414")
            res.set_content("<html><body>Wartung</body></html>", "text/html");
        else
            res.status = 500;
    });
    test::ProgramDir dir;
    dir.writeArchive({thu31March()});
    DrawArchive archive(dir.archivePath());
    Recorded run;
    const auto result = updateArchive(archive, options(server.url(), {2005, 4, 14}), run);
    EXPECT_TRUE(run.texts.contains("0:Failed : 404 Not Found")) << run.texts.join('|').toStdString();
    const auto all = archive.readAll();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[1], draw({2005, 4, 2}, {1, 2, 3, 4, 5, 6}, 7, 8));
    EXPECT_EQ(all[2], draw({2005, 4, 2}, {11, 12, 13, 14, 15, 16}, 17, 0));
    EXPECT_EQ(all[3], draw({2005, 4, 9}, {21, 22, 23, 24, 25, 26}, 27, 1));
    ASSERT_EQ(result.requests.size(), 4u); // 02.04., 07.04., 09.04., 14.04.
    EXPECT_EQ(result.requests[3].appended, 0);
    EXPECT_TRUE(result.failure.isEmpty());
}

TEST(Update, StopDuringALongCatchUpKeepsWhatWasFetched)
{
    ResultsServer server(
        [](const httplib::Request&, httplib::Response& res) { res.set_content("1,1,2,3,4,5,6,7,8;", "text/plain"); });
    test::ProgramDir dir;
    dir.writeArchive({thu31March()});
    DrawArchive archive(dir.archivePath());
    Recorded run;
    run.stopAfterYields = 4; // the stop button pressed during the third request
    const auto result = updateArchive(archive, options(server.url(), {2010, 1, 1}), run);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(server.targets().size(), 3u);
    EXPECT_EQ(archive.recordCount(), 4);
    EXPECT_EQ(fromDays(result.pickerDate), QDate(2005, 4, 14)); // the first day not asked for
}

TEST(Update, AMissingArchiveStartsWithTheFirstDrawAndAfterThePickerDate)
{
    ResultsServer server(days({{"20050402", "1,1,2,3,4,5,6,7,8;"}}));
    test::ProgramDir dir;
    DrawArchive archive(dir.archivePath());
    Recorded run;
    updateArchive(archive, options(server.url(), {2005, 4, 3}, {2005, 3, 31}), run);
    EXPECT_EQ(archive.readAll(), (std::vector<DrawRecord>{firstDraw(), draw({2005, 4, 2}, {1, 2, 3, 4, 5, 6}, 7, 8)}));
}

struct FailureCase {
    const char* name;
    std::function<QString(std::unique_ptr<ResultsServer>&, std::unique_ptr<RawServer>&)> start;
    const char* says;
};

// A failure of the connection ends the update with a clear message; what came before stays.
class UpdateFailures : public ::testing::TestWithParam<FailureCase> {};
TEST_P(UpdateFailures, EndTheUpdateAndKeepTheArchive)
{
    std::unique_ptr<ResultsServer> server;
    std::unique_ptr<RawServer> raw;
    const QString url = GetParam().start(server, raw);
    test::ProgramDir dir;
    dir.writeArchive({thu31March()});
    const QByteArray before = dir.readFile("dovovuduv.dat");
    DrawArchive archive(dir.archivePath());
    Recorded run;
    UpdateOptions o = options(url, {2005, 4, 30});
    o.timeoutMs = 400;
    o.maxBodyBytes = 4096;
    if (QString(GetParam().name) == "bad_proxy_port") {
        o.proxyHost = "127.0.0.1";
        o.proxyPort = "80a";
    }
    const auto result = updateArchive(archive, o, run);
    EXPECT_TRUE(result.failure.contains(QString::fromUtf8(GetParam().says))) << result.failure.toStdString();
    EXPECT_LE(result.requests.size(), 0u);
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), before);
    // The file is closed: it can be replaced at once.
    EXPECT_TRUE(QFile::remove(dir.archivePath()));
}
INSTANTIATE_TEST_SUITE_P(
    Table, UpdateFailures,
    ::testing::Values(
        FailureCase{"stalling",
                    [](auto& s, auto&) {
                        s = std::make_unique<ResultsServer>([](const httplib::Request&, httplib::Response& res) {
                            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
                            res.set_content("1,1,2,3,4,5,6,7,8;", "text/plain");
                        });
                        return s->url();
                    },
                    "Zeitüberschreitung"},
        FailureCase{
            "dropped_mid_answer",
            [](auto&, auto& r) {
                r = std::make_unique<RawServer>(
                    "HTTP/1.1 200 OK\r\nContent-Length: 200\r\nContent-Type: text/plain\r\n\r\n1,1,2,3,4,5,6,7,8;");
                return r->url();
            },
            "Keine Antwort"},
        FailureCase{"garbage",
                    [](auto&, auto& r) {
                        r = std::make_unique<RawServer>("\x01\x02 no http here at all\r\n\r\n");
                        return r->url();
                    },
                    "Keine Antwort"},
        FailureCase{"huge_body",
                    [](auto& s, auto&) {
                        s = std::make_unique<ResultsServer>([](const httplib::Request&, httplib::Response& res) {
                            res.set_content(std::string(100000, '1'), "text/plain");
                        });
                        return s->url();
                    },
                    "zu groß"},
        FailureCase{"refused",
                    [](auto&, auto&) {
                        QTcpServer probe;
                        probe.listen(QHostAddress::LocalHost, 0);
                        const quint16 port = probe.serverPort();
                        probe.close();
                        return QStringLiteral("http://127.0.0.1:%1").arg(port);
                    },
                    "Keine Antwort"},
        FailureCase{"bad_proxy_port", [](auto&, auto&) { return QStringLiteral("http://127.0.0.1:9"); }, "Proxy-Port"},
        FailureCase{"bad_server_address", [](auto&, auto&) { return QStringLiteral("ftp://x"); }, "Serveradresse"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Rebuild, NoLeavesTheArchiveYesKeepsABackupAndStartsAfterThePickerDate)
{
    ResultsServer server(days({{"20050402", "1,1,2,3,4,5,6,7,8;"}}));
    test::ProgramDir dir;
    dir.writeArchive({firstDraw(), thu31March()});
    const QByteArray before = dir.readFile("dovovuduv.dat");
    DrawArchive archive(dir.archivePath());
    Recorded run;
    test::ScriptedPrompt prompt;
    prompt.questionAnswers = {false};
    EXPECT_FALSE(rebuildArchive(archive, options(server.url(), {2005, 4, 3}, {2005, 3, 31}), prompt, run));
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), before);
    EXPECT_TRUE(server.targets().empty());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, "Ziehungsdaten löschen?");
    EXPECT_EQ(
        prompt.shown[0].text,
        "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem 31.03.2005 aus dem Internet neu aufbauen??"
        "\n\nDas bisherige Archiv (2 Ziehungen) wird als dovovuduv.dat.bak gesichert.");

    const auto result = rebuildArchive(archive, options(server.url(), {2005, 4, 3}, {2005, 3, 31}), prompt, run);
    ASSERT_TRUE(result);
    EXPECT_EQ(dir.readFile("dovovuduv.dat.bak"), before);
    EXPECT_EQ(archive.readAll(), (std::vector<DrawRecord>{firstDraw(), draw({2005, 4, 2}, {1, 2, 3, 4, 5, 6}, 7, 8)}));

    // A rebuild that cannot reach the server says where the old archive is.
    dir.writeArchive({firstDraw(), thu31March()});
    const auto failed =
        rebuildArchive(archive, options("http://127.0.0.1:9", {2005, 4, 3}, {2005, 3, 31}), prompt, run);
    EXPECT_TRUE(failed->failure.contains("dovovuduv.dat.bak"));
    EXPECT_EQ(dir.readFile("dovovuduv.dat.bak"), before);
}

// A rebuild that got less than before never replaces the fuller backup: the smaller archive is
// kept beside it, and the question names where.
TEST(Rebuild, ASecondRebuildKeepsTheOnlyFullCopy)
{
    test::ProgramDir dir;
    const std::vector<DrawRecord> full = test::syntheticArchive(30);
    dir.writeArchive(full);
    const QByteArray fullBytes = dir.readFile("dovovuduv.dat");
    DrawArchive archive(dir.archivePath());
    Recorded run;
    test::ScriptedPrompt prompt;
    // The first rebuild cannot reach the server: only the made-up first draw is left.
    ASSERT_TRUE(rebuildArchive(archive, options("http://127.0.0.1:9", {2005, 4, 3}, {2005, 3, 31}), prompt, run));
    EXPECT_EQ(dir.readFile("dovovuduv.dat.bak"), fullBytes);
    const QByteArray small = dir.readFile("dovovuduv.dat");
    ASSERT_LT(small.size(), fullBytes.size());
    // The second one keeps the full backup and puts the small archive beside it.
    ASSERT_TRUE(rebuildArchive(archive, options("http://127.0.0.1:9", {2005, 4, 3}, {2005, 3, 31}), prompt, run));
    EXPECT_TRUE(prompt.shown.back().text.endsWith("wird als dovovuduv.dat.bak.1 gesichert."))
        << prompt.shown.back().text.toStdString();
    EXPECT_EQ(dir.readFile("dovovuduv.dat.bak"), fullBytes);
    EXPECT_EQ(dir.readFile("dovovuduv.dat.bak.1"), small);
    // An archive as full as the backup replaces it again.
    dir.writeArchive(full);
    EXPECT_EQ(backupPathFor(dir.archivePath()), dir.file("dovovuduv.dat.bak"));
}

// Through Debian's tinyproxy, when it is installed (scripts/install-deps installs it).
TEST(Update, ThroughARealProxy)
{
    const QString tinyproxy = QStandardPaths::findExecutable("tinyproxy", {"/usr/bin", "/usr/sbin"});
    if (tinyproxy.isEmpty()) GTEST_SKIP() << "tinyproxy is not installed";
    ResultsServer server(days({{"20050402", "1,1,2,3,4,5,6,7,8;"}}));
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 proxyPort = probe.serverPort();
    probe.close();
    test::ProgramDir dir;
    dir.writeFile("tinyproxy.conf", QStringLiteral("Port %1\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 10\n"
                                                   "DisableViaHeader Yes\nLogLevel Critical\n")
                                        .arg(proxyPort)
                                        .toLatin1());
    QProcess proxy;
    proxy.start(tinyproxy, {"-d", "-c", dir.file("tinyproxy.conf")});
    ASSERT_TRUE(proxy.waitForStarted());
    for (int i = 0; i < 100; ++i) { // until it listens
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, proxyPort);
        if (s.waitForConnected(50)) break;
        QThread::msleep(20);
    }
    dir.writeArchive({thu31March()});
    DrawArchive archive(dir.archivePath());
    Recorded run;
    UpdateOptions o = options(server.url(), {2005, 4, 3});
    o.proxyHost = "127.0.0.1";
    o.proxyPort = QString::number(proxyPort);
    const auto result = updateArchive(archive, o, run);
    proxy.terminate();
    proxy.waitForFinished();
    EXPECT_TRUE(result.failure.isEmpty()) << result.failure.toStdString();
    EXPECT_EQ(archive.recordCount(), 2);
    EXPECT_EQ(server.targets().size(), 1u);
}
