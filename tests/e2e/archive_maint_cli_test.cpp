// razoz-server and razoz-cli archive update|rebuild|enter|delete|import|export|check as real binaries.
#include "archive/draw_archive.h"
#include "server_process.h"
#include "test_support.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <thread>

#include <httplib.h>

#include <gtest/gtest.h>

using namespace razoz;
using test::draw;
using test::runCli;

namespace {

QJsonObject json(const test::CliResult& r)
{
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}

using Server = test::ServerProcess;

QByteArray resultsLine(const QDate& date, int n)
{
    return date.toString("dd.MM.yyyy").toLatin1() + ";1;2;3;4;5;6;7;" + QByteArray::number(n % 10);
}

const char* kCsv = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\r\n"
                   "17.10.1985;3;11;13;15;34;35;27;\r\n"
                   "02.04.2005;4;9;17;22;38;41;12;7\r\n";

} // namespace

TEST(RazozServer, AnswersDrawDaysAndRefusesWhatIsNotAsked)
{
    test::ProgramDir dir;
    dir.writeFile("draws.csv", kCsv);
    dir.writeFile("scripts/portal.txt", "click here");
    dir.writeFile("secret.txt", "no");
    dir.writeFile("scripts/.hidden.txt", "not served");
    Server server(
        {"--csv", dir.file("draws.csv"), "--order-base", "https://portal/order?", "--scripts", dir.file("scripts")});
    httplib::Client client("127.0.0.1", server.port());
    auto res = client.Get("/zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=20050402");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->body, "2,4,9,17,22,38,41,12,7;\r\n");
    EXPECT_EQ(client.Get("/zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=20050403")->status, 500);
    EXPECT_EQ(client.Get("/zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=2005040")->status, 400);
    EXPECT_EQ(client.Get("/zahlen/lotto_neu.asp?Programm=Other&Datum=20050402")->status, 400);
    EXPECT_EQ(client.Get("/zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=20050231")->status, 400);
    res = client.Get("/lotto/lotto.asp?Spiel=Razoz&Wo=Tipp24&Tipps=3");
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->body, "https://portal/order?");
    EXPECT_EQ(client.Get("/lotto/lotto.asp?Spiel=Razoz&Wo=Tipp24&Tipps=x")->status, 400);
    EXPECT_EQ(client.Get("/lotto/lotto.asp?Spiel=Razoz&Wo=Tipp24&Tipps=0")->status, 400);
    res = client.Get("/scripts/portal.txt");
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->body, "click here");
    EXPECT_TRUE(res->has_header("Last-Modified"));
    EXPECT_EQ(client.Get("/scripts/..%2Fsecret.txt")->status, 404);
    EXPECT_EQ(client.Get("/scripts/%2E%2E/secret.txt")->status, 404);
    EXPECT_EQ(client.Get("/scripts/missing.txt")->status, 404);
    EXPECT_EQ(client.Get("/scripts/.hidden.txt")->status, 404);
    const QStringList lines = server.requestLines();
    EXPECT_EQ(lines.size(), 13) << lines.join('\n').toStdString();
    // Each request comes on its own connection, and a worker logs after its answer went out: two
    // requests in a row may be logged in either order.
    EXPECT_EQ(lines.filter("GET /zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=20050402 200").size(), 1);
}

TEST(CliArchiveMaint, UpdateFromRazozServerThenRebuildKeepingABackup)
{
    test::ProgramDir dir;
    // The server knows a draw after the last archived one (Monday 07.09.2026: next asked is Thursday).
    QByteArray csv = kCsv;
    csv += "10.09.2026;1;2;3;4;5;6;7;8\r\n";
    dir.writeFile("server.csv", csv);
    Server server({"--csv", dir.file("server.csv")});
    dir.writeArchive({firstDraw(), draw({2026, 9, 7}, {18, 27, 28, 33, 46, 48}, 23, 4)});
    auto r = runCli({"--program-folder", dir.path(), "archive", "update", "--server", server.url(), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QJsonObject o = json(r);
    const QJsonArray requests = o["requests"].toArray();
    ASSERT_FALSE(requests.isEmpty());
    EXPECT_EQ(requests[0].toObject(), (QJsonObject{{"date", "10.09.2026"}, {"status", 200}, {"appended", 1}}));
    EXPECT_EQ(requests[1].toObject()["status"].toInt(), 500);
    EXPECT_EQ(o["records"].toInt(), 3);
    EXPECT_EQ(server.requestLines().size(), requests.size());

    r = runCli({"--program-folder", dir.path(), "archive", "update", "--server", server.url()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("Loading .. 20260912\nReceived 0 bytes\nKeine Gewähr für die Richtigkeit der Zahlen!\n"
                                 "12.09.2026 noch nicht da!\n"))
        << r.out.toStdString();

    const QByteArray before = dir.readFile("dovovuduv.dat");
    r = runCli(
        {"--program-folder", dir.path(), "archive", "rebuild", "--from", "31.03.2005", "--server", server.url()});
    EXPECT_EQ(r.exitCode, 2); // not confirmed
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), before);
    r = runCli({"--program-folder", dir.path(), "archive", "rebuild", "--from", "31.03.2005", "--yes", "--server",
                "http://127.0.0.1:9", "--json"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("razoz-cli: Keine Antwort")) << r.err.toStdString();
    EXPECT_EQ(dir.readFile("dovovuduv.dat.bak"), before);
    r = runCli({"--program-folder", dir.path(), "archive", "rebuild", "--from", "31.03.2005", "--yes", "--server",
                server.url(), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    o = json(r);
    EXPECT_EQ(o["requests"].toArray()[0].toObject()["date"].toString(), "02.04.2005");
    EXPECT_EQ(o["records"].toInt(), 3); // first draw, 02.04.2005, 10.09.2026

    r = runCli({"--program-folder", dir.path(), "archive", "update", "--server", server.url(), "--proxy", "x:port"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Proxy-Port"));
}

TEST(CliArchiveMaint, ImportExportEnterDeleteCheck)
{
    test::ProgramDir dir;
    dir.writeFile("in.csv", kCsv);
    auto r = runCli({"--program-folder", dir.path(), "archive", "import", dir.file("in.csv"), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(json(r), (QJsonObject{{"records", 2}, {"added", 2}, {"replaced", 0}, {"differing", QJsonArray{}}}));

    dir.writeFile("more.csv", "2005-04-02,1,2,3,4,5,6,7,\n31/3/2005,11,12,13,14,15,16,17,1\n");
    r = runCli({"--program-folder", dir.path(), "archive", "import", dir.file("more.csv"), "--json"});
    EXPECT_EQ(json(r),
              (QJsonObject{{"records", 3}, {"added", 1}, {"replaced", 1}, {"differing", QJsonArray{"02.04.2005"}}}));

    const QByteArray before = dir.readFile("dovovuduv.dat");
    dir.writeFile("bad.csv", "07.04.2005;1;2;3;4;5;6;7;8\n09.04.2005;1;2;3;4;5;66;7;8\n");
    r = runCli({"--program-folder", dir.path(), "archive", "import", dir.file("bad.csv")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("razoz-cli: bad.csv, Zeile 2: ")) << r.err.toStdString();
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), before);

    r = runCli({"--program-folder", dir.path(), "archive", "export"});
    EXPECT_EQ(r.out, "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n17.10.1985;3;11;13;15;34;35;27;0\n"
                     "31.03.2005;11;12;13;14;15;16;17;1\n02.04.2005;1;2;3;4;5;6;7;0\n");

    r = runCli({"--program-folder", dir.path(), "archive", "enter", "--date", "07.04.2005", "--numbers",
                "49,3,17,8,22,1", "--complementary", "5", "--reintegro", "9", "--spiel77", "1234567", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(json(r)["records"].toInt(), 4);
    r = runCli({"--program-folder", dir.path(), "archive", "list", "--json"});
    const QJsonObject entered = QJsonDocument::fromJson(r.out.toUtf8()).array()[3].toObject();
    EXPECT_EQ(entered["numbers"].toArray(), (QJsonArray{1, 3, 8, 17, 22, 49}));
    EXPECT_EQ(entered["spiel77"].toString(), "1234567");
    r = runCli({"--program-folder", dir.path(), "archive", "enter", "--date", "07.04.2005", "--numbers", "1,2,3,4,5",
                "--complementary", "5", "--reintegro", "9"});
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({"--program-folder", dir.path(), "archive", "enter", "--date", "07.04.2005", "--numbers", "1,1,3,4,5,6",
                "--complementary", "7", "--reintegro", "9"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("zweimal"));

    r = runCli({"--program-folder", dir.path(), "archive", "check", "--json"});
    ASSERT_EQ(r.exitCode, 0);
    QJsonObject o = json(r);
    EXPECT_EQ(o["records"].toInt(), 4);
    const QJsonArray problems = o["problems"].toArray();
    ASSERT_FALSE(problems.isEmpty());
    EXPECT_EQ(problems[0].toObject(), (QJsonObject{{"kind", "missing-draw-day"}, {"date", "24.10.1985"}}));

    r = runCli({"--program-folder", dir.path(), "archive", "delete", "--date", "07.04.2005", "--json"});
    EXPECT_EQ(json(r)["records"].toInt(), 3);
    r = runCli({"--program-folder", dir.path(), "archive", "delete", "--date", "07.04.2005", "--json"});
    EXPECT_EQ(json(r)["records"].toInt(), 3);
    EXPECT_FALSE(QFile::exists(dir.file("Zahlen.da~")));
    EXPECT_FALSE(QFile::exists(dir.file("dovovuduv.dat~")));
}

// The shipped archive cut at 30.06.2026 and updated from razoz-server serving the shipped list: the
// update asks for Mondays too, so every later draw comes back and only the day the lists lack stays.
TEST(CliArchiveMaint, AnUpdateFetchesEveryLaterDrawMondaysIncluded)
{
    test::ProgramDir dir;
    std::vector<DrawRecord> shipped = DrawArchive(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat")).readAll();
    const double cut = toDays(QDate(2026, 6, 30));
    std::vector<DrawRecord> early;
    for (const DrawRecord& r : shipped)
        if (r.date <= cut) early.push_back(r);
    ASSERT_EQ(shipped.size() - early.size(), 29u);
    dir.writeArchive(early);
    Server server({"--csv", QStringLiteral(RAZOZ_SOURCE_DIR "/data/draws.csv")});
    auto r = runCli({"--program-folder", dir.path(), "archive", "update", "--server", server.url(), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    int appended = 0, mondays = 0;
    for (const QJsonValue& v : json(r)["requests"].toArray()) {
        const QJsonObject o = v.toObject();
        appended += o["appended"].toInt();
        if (o["appended"].toInt() > 0 &&
            QDate::fromString(o["date"].toString(), "dd.MM.yyyy").dayOfWeek() == Qt::Monday)
            ++mondays;
    }
    EXPECT_EQ(appended, 29);
    EXPECT_EQ(mondays, 10);
    EXPECT_EQ(DrawArchive(dir.archivePath()).readAll(), shipped);

    r = runCli({"--program-folder", dir.path(), "archive", "check", "--json"});
    EXPECT_EQ(json(r)["problems"].toArray(),
              (QJsonArray{QJsonObject{{"kind", "missing-draw-day"}, {"date", "11.07.2026"}}}));

    // A rebuild from the first draw gets every served draw back as well.
    r = runCli({"--program-folder", dir.path(), "archive", "rebuild", "--from", "17.10.1985", "--yes", "--server",
                server.url()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(DrawArchive(dir.archivePath()).readAll(), shipped);
}

// While its results file is rewritten in place (emptied, then written in two parts), razoz-server
// keeps answering a draw it has served from the table it read before; once the file is quiet it
// serves the new one.
TEST(RazozServer, ADrawOnceServedStaysServedWhileTheFileIsRewritten)
{
    test::ProgramDir dir;
    QByteArray csv = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\r\n";
    for (int i = 0; i < 200; ++i) csv += resultsLine(QDate(2005, 1, 6).addDays(7 * i), i) + "\r\n";
    dir.writeFile("draws.csv", csv);
    Server server({"--csv", dir.file("draws.csv")});
    httplib::Client client("127.0.0.1", server.port());
    const std::string last = "/zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=" +
                             QDate(2005, 1, 6).addDays(7 * 199).toString("yyyyMMdd").toStdString();
    ASSERT_EQ(client.Get(last)->status, 200);

    std::atomic<bool> done = false;
    std::thread writer([&] {
        for (int round = 0; round < 20; ++round) {
            QFile f(dir.file("draws.csv"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.flush();
            QThread::msleep(5);
            f.write(csv.left(csv.size() / 2 - csv.size() / 2 % 64)); // whole lines only at times
            f.flush();
            QThread::msleep(5);
            f.write(csv.mid(csv.size() / 2 - csv.size() / 2 % 64));
            f.close();
        }
        done = true;
    });
    int notPublished = 0, asked = 0;
    while (!done) {
        const auto res = client.Get(last);
        ++asked;
        if (res && res->status == 500) ++notPublished;
    }
    writer.join();
    EXPECT_EQ(notPublished, 0) << "of " << asked;

    // A finished change is taken once the file has been quiet for a moment.
    QByteArray more = csv + resultsLine(QDate(2005, 1, 6).addDays(7 * 200), 7) + "\r\n";
    dir.writeFile("draws.csv", more);
    const std::string added = "/zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=" +
                              QDate(2005, 1, 6).addDays(7 * 200).toString("yyyyMMdd").toStdString();
    int status = 0;
    for (int i = 0; i < 50 && status != 200; ++i) {
        QThread::msleep(50);
        status = client.Get(added)->status;
    }
    EXPECT_EQ(status, 200);
}
