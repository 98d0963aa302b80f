// The version every program prints, and the Debian package of scripts/package unpacked with
// dpkg-deb: its files, its control fields and the unpacked razoz-cli on the shipped archive. The
// package comes from a release build; without one built the package tests are skipped.
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

const QString kPackage = QStringLiteral(RAZOZ_PACKAGE);

QString run(const QString& program, const QStringList& args, int* exitCode = nullptr)
{
    QProcess p;
    p.start(program, args);
    const bool done = p.waitForFinished(60000);
    if (exitCode) *exitCode = done && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

class Package : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!QFileInfo::exists(kPackage)) return;
        root_ = new QTemporaryDir;
        run(QStringLiteral("dpkg-deb"), {"-x", kPackage, root_->path()}, &extractExit_);
    }
    static void TearDownTestSuite()
    {
        delete root_;
        root_ = nullptr;
    }
    void SetUp() override
    {
        if (!root_) GTEST_SKIP() << "no package at " << kPackage.toStdString() << " (scripts/package builds it)";
        ASSERT_EQ(extractExit_, 0);
    }
    static QString path(const QString& rel) { return root_->filePath(rel); }

    static inline QTemporaryDir* root_ = nullptr;
    static inline int extractExit_ = -1;
};

} // namespace

TEST(Version, EveryProgramPrintsTheProjectVersion)
{
    for (const char* program : {"razoz", "razoz-cli", "razoz-server"}) {
        const test::CliResult r = test::runProgram(QStringLiteral(RAZOZ_BIN_DIR "/") + program, {"--version"});
        EXPECT_EQ(r.exitCode, 0) << program;
        EXPECT_EQ(r.out, QString::fromLatin1(program) + QStringLiteral(" " RAZOZ_VERSION "\n"));
        EXPECT_EQ(r.err, "") << program;
    }
}

TEST_F(Package, HoldsProgramsDataGuideDesktopEntryMetainfoAndManualPages)
{
    EXPECT_EQ(QDir(path("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"usr"});
    for (const char* program : {"razoz", "razoz-cli", "razoz-server"})
        EXPECT_TRUE(QFileInfo(path("usr/bin/") + program).isExecutable()) << program;
    QStringList files = {"Razoz-Quorex.pdf",   "dovovuduv.dat",    "draws.csv",
                         "yippee.wav",         "schein.jpg",       "schein12.jpg",
                         "Script/tipp24.zorb", "land/bezeich.txt", "land/meldungen.txt.de"};
    for (const char* code : {"en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"})
        files << QStringLiteral("land/bezeich.txt.") + code << QStringLiteral("land/meldungen.txt.") + code;
    for (QString& f : files) f.prepend("usr/share/razoz-quorex/");
    files << "usr/share/applications/razoz-quorex.desktop"
          << "usr/share/icons/hicolor/scalable/apps/razoz-quorex.svg"
          << "usr/share/metainfo/example.tallwick.RazozQuorex.metainfo.xml"
          << "usr/share/doc/razoz-quorex/copyright"
          << "usr/share/doc/razoz-quorex/changelog.gz";
    for (const char* program : {"razoz", "razoz-cli", "razoz-server"})
        files << QStringLiteral("usr/share/man/man1/%1.1.gz").arg(program);
    for (const QString& f : files) EXPECT_TRUE(QFileInfo(path(f)).isFile()) << f.toStdString();
    EXPECT_GT(QFileInfo(path("usr/share/razoz-quorex/dovovuduv.dat")).size(), 1000 * 32);

    // The version of CMakeLists.txt in the control fields, the AppStream release and the changelog.
    EXPECT_EQ(run("dpkg-deb", {"-f", kPackage, "Package", "Version", "Architecture"}),
              QStringLiteral("Package: razoz-quorex\nVersion: " RAZOZ_VERSION "\nArchitecture: amd64\n"));
    const QString depends = run("dpkg-deb", {"-f", kPackage, "Depends"});
    for (const char* needed : {"libqt6core6 (>=", "libqt6widgets6 (>=", "libcpp-httplib", "libqt6multimedia6",
                               "libqt6gui6", "qt6-translations-l10n"})
        EXPECT_TRUE(depends.contains(QLatin1String(needed))) << needed << " in " << depends.toStdString();
    QFile metainfo(path("usr/share/metainfo/example.tallwick.RazozQuorex.metainfo.xml"));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(metainfo.readAll().contains("<release version=\"" RAZOZ_VERSION "\""));
    EXPECT_TRUE(run("gzip", {"-dc", path("usr/share/doc/razoz-quorex/changelog.gz")})
                    .startsWith("razoz-quorex (" RAZOZ_VERSION ") "));

    // The manual pages carry the help text of their program.
    const struct {
        const char* page;
        const char* contains;
    } pages[] = {
        {"razoz-cli", "archive import"}, {"razoz-server", "\\-\\-scripts"}, {"razoz", "\\-\\-program\\-folder"}};
    for (const auto& p : pages) {
        const QString text = run("gzip", {"-dc", path(QStringLiteral("usr/share/man/man1/%1.1.gz").arg(p.page))});
        EXPECT_TRUE(text.contains(QStringLiteral(".TH ") + QString::fromLatin1(p.page).toUpper())) << p.page;
        EXPECT_TRUE(text.contains(QStringLiteral("%1 " RAZOZ_VERSION).arg(p.page))) << p.page;
        EXPECT_TRUE(text.contains(QLatin1String(p.contains))) << p.page << ": " << p.contains;
    }
}

TEST_F(Package, UnpackedCliChecksTheShippedArchive)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString cli = path("usr/bin/razoz-cli");
    const test::CliResult version = test::runProgram(cli, {"--version"});
    const test::CliResult check = test::runProgram(cli, {"archive", "check", "--json"});
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(version.out, QStringLiteral("razoz-cli " RAZOZ_VERSION "\n"));
    ASSERT_EQ(check.exitCode, 0) << check.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(check.out.toUtf8()).object();
    EXPECT_EQ(report.value("records").toInt(), QFileInfo(path("usr/share/razoz-quorex/dovovuduv.dat")).size() / 32);
    // It worked on the user's copy, seeded from the package's data.
    EXPECT_TRUE(QFileInfo(home.filePath("Razoz-Quorex/dovovuduv.dat")).isFile());
}
