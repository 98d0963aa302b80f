// SIGKILL at random moments while razoz-cli rewrites or extends the archive: afterwards
// "dovovuduv.dat" is always a whole-record file, equal to the state before or after the action (an
// update: the records before plus a prefix of the fetched ones). No draw is ever lost.
#include "archive/draw_csv.h"
#include "archive/results_answer.h"
#include "http_server.h"
#include "kill_support.h"
#include "test_support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <thread>

using namespace razoz;

namespace {

const QString kCli = QStringLiteral(RAZOZ_BIN_DIR "/razoz-cli");

std::vector<DrawRecord> recordsOf(const QByteArray& bytes)
{
    std::vector<DrawRecord> out(std::size_t(bytes.size()) / kRecordSize);
    std::memcpy(out.data(), bytes.constData(), out.size() * kRecordSize);
    return out;
}

QByteArray bytesOf(const std::vector<DrawRecord>& records)
{
    return QByteArray(reinterpret_cast<const char*>(records.data()), qsizetype(records.size() * kRecordSize));
}

// What the rounds found, for the figures of the reliability report.
struct Tally {
    int rounds = 0, killed = 0, before = 0, after = 0, between = 0, scratchLeft = 0;
    void print(const char* action) const
    {
        std::cout << "[kill] " << action << ": " << rounds << " rounds, " << killed << " killed, " << before
                  << " before, " << after << " after, " << between << " partly extended, " << scratchLeft
                  << " killed mid-rewrite (scratch file left), seed " << test::killSeed() << std::endl;
    }
};

// A rewrite action (enter, delete, import): each round restores the archive, starts razoz-cli,
// kills it at a random moment within its usual run time and compares the file with the two states.
void killDuringRewrite(const char* action, const test::ProgramDir& dir, const QByteArray& start,
                       const QStringList& args, const QString& scratchName)
{
    const QString archive = dir.archivePath();
    const QString scratch = dir.file(scratchName);
    const QStringList command = QStringList{"--program-folder", dir.path()} + args;
    auto restore = [&] {
        QFile::remove(scratch);
        dir.writeArchive(recordsOf(start));
    };
    // One undisturbed run gives the state after and how long a run takes.
    restore();
    const test::WatchedRun whole = test::runWatched(kCli, command, {archive, scratch});
    ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
    const QByteArray after = dir.readFile("dovovuduv.dat");
    ASSERT_NE(after, start);
    ASSERT_FALSE(QFile::exists(scratch));

    test::KillMoments moments(whole, test::killSeed());
    Tally t;
    for (int round = 0; round < test::killRounds(125); ++round) {
        restore();
        const auto delay = moments.next();
        const test::KillOutcome o = test::runAndKill(kCli, command, delay);
        ++t.rounds;
        t.killed += o.killed;
        if (!o.killed) {
            ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
        }
        const QByteArray now = dir.readFile("dovovuduv.dat");
        ASSERT_EQ(now.size() % qsizetype(kRecordSize), 0) << "round " << round << ", killed after " << delay.count();
        ASSERT_TRUE(now == start || now == after) << "round " << round << ": " << now.size() / kRecordSize
                                                  << " records, killed after " << delay.count() << " µs";
        (now == start ? t.before : t.after)++;
        t.scratchLeft += QFile::exists(scratch);
    }
    t.print(action);
    EXPECT_GT(t.killed, 0);

    // A scratch file left by a kill does not hinder the next run.
    restore();
    dir.writeFile(scratchName, "left over by a killed run");
    const test::TimedRun again = test::runTimed(kCli, command);
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(dir.readFile("dovovuduv.dat"), after);
}

// A large archive, so that the rewrite itself takes a noticeable part of a run.
std::vector<DrawRecord> largeArchive()
{
    return test::syntheticArchive(60000);
}

} // namespace

TEST(ArchiveKill, ManualEntryRewrite)
{
    test::ProgramDir dir;
    const auto records = largeArchive();
    const DrawRecord& middle = records[30000];
    const QString date = formatDate(middle.date);
    killDuringRewrite(
        "enter", dir, bytesOf(records),
        {"archive", "enter", "--date", date, "--numbers", "1,2,3,4,5,6", "--complementary", "7", "--reintegro", "8"},
        QFileInfo(dir.archivePath()).fileName() + QLatin1Char('~'));
}

TEST(ArchiveKill, Deletion)
{
    test::ProgramDir dir;
    const auto records = largeArchive();
    killDuringRewrite("delete", dir, bytesOf(records), {"archive", "delete", "--date", formatDate(records[20000].date)},
                      QStringLiteral("Zahlen.da~"));
}

TEST(ArchiveKill, Import)
{
    test::ProgramDir dir;
    auto records = largeArchive();
    // Every tenth draw of a stretch in the middle comes back corrected from a results file.
    QByteArray csv = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n";
    for (std::size_t i = 25000; i < 27000; i += 10) {
        DrawRecord r = records[i];
        r.reintegro = std::uint8_t((r.reintegro + 1) % 10);
        csv += resultsCsvLine(r) + '\n';
    }
    dir.writeFile("korrektur.csv", csv);
    killDuringRewrite("import", dir, bytesOf(records), {"archive", "import", dir.file("korrektur.csv")},
                      QStringLiteral("dovovuduv.dat~"));
}

// The update appends each day's answer as it arrives; a slow server spreads the run over many
// requests, so the kills land before, between and during appends.
TEST(ArchiveKill, UpdateKeepsTheRecordsBeforeAndAPrefixOfTheFetchedOnes)
{
    const double today = toDays(QDate::currentDate());
    std::vector<DrawRecord> truth;
    for (const DrawRecord& r : test::syntheticArchive(5000))
        if (r.date <= today) truth.push_back(r);
    ASSERT_GT(truth.size(), 200u);
    // The archive lacks the last 40 draws (about five months).
    const std::size_t have = truth.size() - 40;
    const std::vector<DrawRecord> start(truth.begin(), truth.begin() + long(have));
    const std::vector<DrawRecord> fetched(truth.begin() + long(have), truth.end());

    test::HttpServer server([&](const httplib::Request& req, httplib::Response& res) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const QDate day = QDate::fromString(QString::fromStdString(req.get_param_value("Datum")), "yyyyMMdd");
        for (std::size_t i = 0; i < fetched.size(); ++i)
            if (fetched[i].date == toDays(day)) {
                res.set_content(answerLines({fetched[i]}, int(have + i)).toStdString(), "text/plain");
                return;
            }
        res.status = 500;
    });
    test::ProgramDir dir;
    const QStringList command{"--program-folder", dir.path(), "archive", "update", "--server", server.url(), "--json"};
    dir.writeArchive(start);
    const test::WatchedRun whole = test::runWatched(kCli, command, {dir.archivePath()});
    ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
    ASSERT_EQ(recordsOf(dir.readFile("dovovuduv.dat")), truth);

    test::KillMoments moments(whole, test::killSeed());
    Tally t;
    for (int round = 0; round < test::killRounds(125); ++round) {
        dir.writeArchive(start);
        const auto delay = moments.next();
        const test::KillOutcome o = test::runAndKill(kCli, command, delay);
        ++t.rounds;
        t.killed += o.killed;
        if (!o.killed) {
            ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
        }
        const QByteArray now = dir.readFile("dovovuduv.dat");
        ASSERT_EQ(now.size() % qsizetype(kRecordSize), 0) << "round " << round;
        const std::vector<DrawRecord> records = recordsOf(now);
        ASSERT_GE(records.size(), start.size()) << "round " << round << ": records lost";
        ASSERT_LE(records.size(), truth.size()) << "round " << round;
        ASSERT_TRUE(std::equal(records.begin(), records.end(), truth.begin()))
            << "round " << round << ": not the records before plus a prefix of the fetched ones";
        if (records.size() == start.size())
            ++t.before;
        else if (records.size() == truth.size())
            ++t.after;
        else
            ++t.between;
    }
    t.print("update");
    EXPECT_GT(t.between, 0) << "no kill landed amid the update";
}
