#include "app/program_folder.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

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

TEST(ProgramFolder, ReadOnlyInstallUsesSeededUserFolder)
{
    if (geteuid() == 0) GTEST_SKIP() << "root can write to read-only folders";
    test::ProgramDir exe, home;
    exe.writeFile("land/meldungen.txt.de", "Text 0\n");
    QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::ExeOwner);
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString folder = resolveProgramFolder({}, exe.path());
    QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(folder.startsWith(home.path()));
    EXPECT_TRUE(QFile::exists(folder + "land/meldungen.txt.de"));
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
