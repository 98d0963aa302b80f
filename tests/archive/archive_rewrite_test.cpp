// The archive rewrite when its last step, the rename of the finished scratch file over the archive,
// fails: whatever stood at the archive's name is still there, untouched, and no scratch file is left.
// The failures are real ones of the file system, provoked from the rewrite's own end hook (after the
// archive was read, before the rename), so they hit as root too.
#include "archive/draw_archive.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace razoz;
using razoz::test::ProgramDir;

namespace {

const QString kScratch = QStringLiteral("dovovuduv.dat~");

// Keeps every draw but the second and appends one.
void dropSecond(const DrawRecord& r, std::vector<DrawRecord>& out, int& index)
{
    if (index++ != 1) out.push_back(r);
}

} // namespace

TEST(ArchiveRewrite, TheArchiveSurvivesWhenTheScratchFileVanishesBeforeTheRename)
{
    ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(1500)); // more than one block of the scratch writer
    const QByteArray before = dir.readFile("dovovuduv.dat");
    DrawArchive archive(dir.archivePath());
    int index = 0;
    // Someone else (a second instance using the same scratch name) takes the scratch file away.
    EXPECT_THROW(archive.rewriteFiltered(
                     kScratch, [&](const DrawRecord& r, std::vector<DrawRecord>& out) { dropSecond(r, out, index); },
                     [&](std::vector<DrawRecord>& out) {
                         out.push_back(test::syntheticArchive(1).front());
                         ASSERT_TRUE(QFile::remove(dir.file(kScratch)));
                     }),
                 ArchiveError);
    EXPECT_EQ(index, 1500);
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), before);
    EXPECT_FALSE(QFileInfo::exists(dir.file(kScratch)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"dovovuduv.dat"});
}

TEST(ArchiveRewrite, AFolderTakingTheArchiveNameStaysAndTheScratchFileIsRemoved)
{
    ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(20));
    const QByteArray before = dir.readFile("dovovuduv.dat");
    DrawArchive archive(dir.archivePath());
    int index = 0;
    // Once the archive is read, its name is taken by a folder that holds the archive itself:
    // the rename onto a folder that is not empty fails.
    EXPECT_THROW(archive.rewriteFiltered(
                     kScratch, [&](const DrawRecord& r, std::vector<DrawRecord>& out) { dropSecond(r, out, index); },
                     [&](std::vector<DrawRecord>&) {
                         ASSERT_TRUE(QFile::rename(dir.archivePath(), dir.file("aside")));
                         ASSERT_TRUE(QDir(dir.path()).mkdir("dovovuduv.dat"));
                         ASSERT_TRUE(QFile::rename(dir.file("aside"), dir.file("dovovuduv.dat/dovovuduv.dat")));
                     }),
                 ArchiveError);
    EXPECT_TRUE(QFileInfo(dir.archivePath()).isDir());
    EXPECT_EQ(dir.readFile("dovovuduv.dat/dovovuduv.dat"), before);
    EXPECT_FALSE(QFileInfo::exists(dir.file(kScratch)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"dovovuduv.dat"});
}
