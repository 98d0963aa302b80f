#include "app/program_folder.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace razoz;

TEST(ProgramFolder, OverrideThenEnvironmentThenExecutableFolder)
{
    test::ProgramDir exe, chosen, env;
    const QString sub = chosen.path() + "new/folder";
    EXPECT_EQ(resolveProgramFolder(sub, exe.path()), QDir(sub).absolutePath() + "/");
    EXPECT_TRUE(QDir(sub).exists());

    qputenv("RAZOZ_HOME", env.path().toUtf8());
    EXPECT_EQ(resolveProgramFolder({}, exe.path()), env.path());
    qunsetenv("RAZOZ_HOME");
    EXPECT_EQ(resolveProgramFolder({}, exe.path()), exe.path());
}

namespace {
// Points the per-user data folder at a temporary folder for one test.
struct UserDataHome {
    explicit UserDataHome(const QString& path) { qputenv("XDG_DATA_HOME", path.toUtf8()); }
    ~UserDataHome() { qunsetenv("XDG_DATA_HOME"); }
};
} // namespace

TEST(ProgramFolder, ReadOnlyInstallUsesSeededUserFolder)
{
    test::ProgramDir exe, home;
    exe.writeFile("land/meldungen.txt.de", "Text 0\n");
    exe.writeFile("dovovuduv.dat", QByteArray(32, '\0'));
    UserDataHome user(home.path());
    QStringList asked;
    const QString folder = resolveProgramFolder({}, exe.path(), [&](const QString& f) {
        asked << f;
        return false;
    });
    EXPECT_EQ(asked, QStringList{exe.path()});
    EXPECT_EQ(folder, home.path() + "Razoz-Quorex/");
    EXPECT_EQ(home.readFile("Razoz-Quorex/land/meldungen.txt.de"), "Text 0\n");
    EXPECT_EQ(home.readFile("Razoz-Quorex/dovovuduv.dat"), QByteArray(32, '\0'));
    // Once the user folder exists, a later start uses it as it is.
    home.writeFile("Razoz-Quorex/land/meldungen.txt.de", "Eigener Text\n");
    EXPECT_EQ(resolveProgramFolder({}, exe.path(), [](const QString&) { return false; }), folder);
    EXPECT_EQ(home.readFile("Razoz-Quorex/land/meldungen.txt.de"), "Eigener Text\n");
}

TEST(ProgramFolder, WritableIsTriedNotGuessed)
{
    test::ProgramDir dir;
    EXPECT_TRUE(folderWritable(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty())
        << "the probe file is removed";
    EXPECT_FALSE(folderWritable(dir.path() + "missing"));
    // Nobody, root included, creates anything below a regular file.
    dir.writeFile("plain", "x");
    EXPECT_FALSE(folderWritable(dir.path() + "plain"));
    EXPECT_FALSE(folderWritable(dir.path() + "plain/sub"));
    if (geteuid() != 0) {
        dir.writeFile("locked/a", "x");
        QFile::setPermissions(dir.file("locked"), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(folderWritable(dir.file("locked")));
        QFile::setPermissions(dir.file("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // An install folder nobody can write to: the user folder is taken.
    test::ProgramDir home;
    UserDataHome user(home.path());
    EXPECT_EQ(resolveProgramFolder({}, dir.path() + "plain/sub"), home.path() + "Razoz-Quorex/");
}

TEST(ProgramFolder, SeedingNeverOverwrites)
{
    test::ProgramDir from, to;
    from.writeFile("land/a.txt", "installed");
    from.writeFile("b.txt", "installed");
    to.writeFile("b.txt", "user's own");
    seedMissing(from.path(), to.path());
    EXPECT_EQ(to.readFile("land/a.txt"), "installed");
    EXPECT_EQ(to.readFile("b.txt"), "user's own");
}

TEST(ProgramFolder, SystemInstallKeepsTheUsersDataApartFromTheInstalledData)
{
    test::ProgramDir prefix, home;
    prefix.writeFile("bin/.keep", "");
    prefix.writeFile("share/razoz-quorex/land/meldungen.txt.de", "Text 0\n");
    prefix.writeFile("share/razoz-quorex/dovovuduv.dat", QByteArray(64, '\1'));
    const QString bin = prefix.path() + "bin";
    EXPECT_EQ(installedDataFolder(bin), prefix.path() + "share/razoz-quorex/");
    EXPECT_EQ(installedDataFolder(home.path()), QString()) << "no data folder beside it: not installed";

    UserDataHome user(home.path());
    // Even where bin/ could be written (a prefix in the user's home), the data is not put there.
    const QString folder = resolveProgramFolder({}, bin, [](const QString&) { return true; });
    EXPECT_EQ(folder, home.path() + "Razoz-Quorex/");
    EXPECT_EQ(home.readFile("Razoz-Quorex/land/meldungen.txt.de"), "Text 0\n");
    EXPECT_EQ(home.readFile("Razoz-Quorex/dovovuduv.dat"), QByteArray(64, '\1'));
    EXPECT_TRUE(QFileInfo(home.file("Razoz-Quorex/dovovuduv.dat")).isWritable());
    EXPECT_FALSE(QFileInfo::exists(prefix.file("bin/dovovuduv.dat")));
}

TEST(ProgramFolder, AnEmptyArchiveIsSeededButNoArchiveWithDraws)
{
    test::ProgramDir from, to;
    from.writeFile("dovovuduv.dat", QByteArray(96, '\2'));
    from.writeFile("land/leer.txt", "");
    to.writeFile("dovovuduv.dat", ""); // left by a start without data
    to.writeFile("land/leer.txt", "eigen");
    seedMissing(from.path(), to.path());
    EXPECT_EQ(to.readFile("dovovuduv.dat"), QByteArray(96, '\2'));
    EXPECT_EQ(to.readFile("land/leer.txt"), "eigen");
    EXPECT_FALSE(QFileInfo::exists(to.file("dovovuduv.dat.seed")));

    to.writeFile("dovovuduv.dat", QByteArray(32, '\3')); // the user's own draws
    from.writeFile("dovovuduv.dat", QByteArray(128, '\2'));
    seedMissing(from.path(), to.path());
    EXPECT_EQ(to.readFile("dovovuduv.dat"), QByteArray(32, '\3'));
}
