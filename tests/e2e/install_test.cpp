// cmake --install into a temporary prefix: the programs, their data, the desktop entry and the
// icon land where a system expects them, and the installed programs keep the user's data in the
// per-user data folder, seeded with the shipped archive.
#include "test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <httplib.h>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file below a folder with its size: what a run may not change.
QStringList listing(const QString& folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        out << QDir(folder).relativeFilePath(f) + " " + QString::number(QFileInfo(f).size());
    }
    out.sort();
    return out;
}

// Points the per-user data folder of the programs started by the test at a temporary folder.
struct UserDataHome {
    explicit UserDataHome(const QString& path) { qputenv("XDG_DATA_HOME", path.toUtf8()); }
    ~UserDataHome() { qunsetenv("XDG_DATA_HOME"); }
};

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix_ = new QTemporaryDir;
        QProcess cmake;
        cmake.start(QStringLiteral("cmake"),
                    {"--install", QStringLiteral(RAZOZ_BIN_DIR "/.."), "--prefix", prefix_->path()});
        ASSERT_TRUE(cmake.waitForFinished(120000));
        installLog_ = QString::fromUtf8(cmake.readAllStandardOutput() + cmake.readAllStandardError());
        installExit_ = cmake.exitStatus() == QProcess::NormalExit ? cmake.exitCode() : -1;
    }
    static void TearDownTestSuite()
    {
        delete prefix_;
        prefix_ = nullptr;
    }
    void SetUp() override { ASSERT_EQ(installExit_, 0) << installLog_.toStdString(); }
    static QString path(const QString& rel) { return prefix_->filePath(rel); }

    static inline QTemporaryDir* prefix_ = nullptr;
    static inline QString installLog_;
    static inline int installExit_ = -1;
};

} // namespace

TEST_F(Installed, ProgramsDataDesktopEntryAndIcon)
{
    for (const char* program : {"bin/razoz", "bin/razoz-cli", "bin/razoz-server"})
        EXPECT_TRUE(QFileInfo(path(program)).isExecutable()) << program;
    const QString data = path("share/razoz-quorex/");
    for (const char* file : {"Razoz-Quorex.pdf", "draws.csv", "yippee.wav", "schein.jpg", "schein12.jpg",
                             "land/bezeich.txt", "land/meldungen.txt.de"})
        EXPECT_TRUE(QFileInfo(data + file).isFile()) << file;
    for (const char* code : {"en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"}) {
        EXPECT_TRUE(QFileInfo(data + "land/bezeich.txt." + code).isFile()) << code;
        EXPECT_TRUE(QFileInfo(data + "land/meldungen.txt." + code).isFile()) << code;
    }
    // The shipped archive: the real draws, as the build made it.
    const QByteArray shipped = bytesOf(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat"));
    ASSERT_GT(shipped.size(), 1000 * 32);
    EXPECT_EQ(bytesOf(data + "dovovuduv.dat"), shipped);

    const QString desktop = QString::fromUtf8(bytesOf(path("share/applications/razoz-quorex.desktop")));
    EXPECT_TRUE(desktop.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(desktop.contains("\nExec=razoz\n"));
    EXPECT_TRUE(desktop.contains("\nIcon=razoz-quorex\n"));
    EXPECT_TRUE(desktop.contains("\nType=Application\n"));
    const QByteArray icon = bytesOf(path("share/icons/hicolor/scalable/apps/razoz-quorex.svg"));
    EXPECT_TRUE(icon.contains("<svg") && icon.contains("</svg>"));
    EXPECT_FALSE(QFileInfo::exists(path("bin/land"))) << "the data is not put beside the programs";
}

TEST_F(Installed, InstalledCliWorksOnTheUsersCopyOfTheShippedArchive)
{
    QTemporaryDir home;
    UserDataHome user(home.path());
    const QStringList before = listing(path(""));
    const QString cli = path("bin/razoz-cli");

    const test::CliResult list = test::runProgram(cli, {"archive", "list", "--json"});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QJsonArray draws = QJsonDocument::fromJson(list.out.toUtf8()).array();
    const qint64 shipped = QFileInfo(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat")).size() / 32;
    EXPECT_EQ(draws.size(), shipped);
    EXPECT_EQ(draws.first().toObject().value("date").toString(), "17.10.1985");
    const QString userFolder = home.filePath("Razoz-Quorex/");
    EXPECT_EQ(QFileInfo(userFolder + "dovovuduv.dat").size(), shipped * 32);
    EXPECT_TRUE(QFileInfo(userFolder + "land/meldungen.txt.ru").isFile());

    // A change goes to the user's copy; the installed files stay as installed.
    const QString last = draws.last().toObject().value("date").toString();
    const test::CliResult removed = test::runProgram(cli, {"archive", "delete", "--date", last, "--json"});
    ASSERT_EQ(removed.exitCode, 0) << removed.err.toStdString();
    EXPECT_LT(QFileInfo(userFolder + "dovovuduv.dat").size(), shipped * 32);
    EXPECT_EQ(listing(path("")), before);

    // A later run keeps the user's archive: the seed fills only what is missing.
    const test::CliResult again = test::runProgram(cli, {"archive", "list", "--json"});
    EXPECT_LT(QJsonDocument::fromJson(again.out.toUtf8()).array().size(), shipped);
}

TEST_F(Installed, InstalledServerAnswersFromTheShippedResults)
{
    QProcess server;
    server.setReadChannel(QProcess::StandardError);
    server.start(path("bin/razoz-server"), {"--port", "0"});
    ASSERT_TRUE(server.waitForStarted());
    QString first;
    while (!first.contains('\n') && server.waitForReadyRead(20000)) first += QString::fromUtf8(server.readAll());
    // "razoz-server: listening on http://127.0.0.1:PORT (N draws)"
    const int port = first.section(':', -1).section(' ', 0, 0).toInt();
    ASSERT_GT(port, 0) << first.toStdString();
    EXPECT_FALSE(first.contains("(0 draws)")) << first.toStdString();
    httplib::Client client("127.0.0.1", port);
    const auto answer = client.Get("/zahlen/lotto_neu.asp?Programm=Dovovuduv&Datum=19851017");
    server.kill();
    server.waitForFinished();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 200);
    EXPECT_NE(answer->body.find("3,11,13,15,34,35"), std::string::npos) << answer->body;
}
