// The desktop program killed with SIGKILL while it closes (asked to by SIGTERM, as at logout):
// the settings file it was writing stays readable, as before or as the complete new file.
#include "kill_support.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <thread>

using namespace razoz;

namespace {

const QString kRazoz = QStringLiteral(RAZOZ_BIN_DIR "/razoz");

// Every value of a settings file, or nullopt when QSettings cannot read it.
std::optional<std::map<QString, QVariant>> valuesOf(const QString& path)
{
    QSettings s(path, QSettings::IniFormat);
    if (s.status() != QSettings::NoError) return std::nullopt;
    std::map<QString, QVariant> out;
    for (const QString& k : s.allKeys()) out[k] = s.value(k);
    return out;
}

class ClosingProgram {
public:
    ClosingProgram()
    {
        dir_.copyInstallData();
        env_ = test::programEnvironment();
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        env_.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.multimedia*=false"));
    }
    QString settingsPath() const { return config_.filePath(QStringLiteral("Tallwick/Dovovuduv.conf")); }
    void seed(const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
        QFile f(settingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray settingsBytes() const
    {
        QFile f(settingsPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Starts the program, asks it to close after `up`, kills it `closing` later (never, when
    // negative). Returns how long it took to end after the request when it ended by itself.
    std::optional<std::chrono::microseconds> run(std::chrono::microseconds up, std::chrono::microseconds closing)
    {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start(kRazoz, {"--program-folder", dir_.path()});
        if (!p.waitForStarted(10000)) return std::nullopt;
        std::this_thread::sleep_for(up);
        ::kill(pid_t(p.processId()), SIGTERM);
        const auto asked = std::chrono::steady_clock::now();
        std::optional<std::chrono::microseconds> took;
        endedBySigterm_ = false;
        if (closing.count() < 0) {
            if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit)
                took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - asked);
            endedBySigterm_ = p.exitStatus() == QProcess::CrashExit && p.exitCode() == SIGTERM;
        } else {
            std::this_thread::sleep_for(closing);
            if (p.state() == QProcess::Running) p.kill();
        }
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
        }
        return took;
    }
    // The last request came before the program handled SIGTERM, so the signal itself ended it.
    bool endedBySigterm() const { return endedBySigterm_; }

private:
    bool endedBySigterm_ = false;
    test::ProgramDir dir_;
    QTemporaryDir config_;
    QProcessEnvironment env_;
};

} // namespace

TEST(SettingsKill, TheSettingsFileStaysReadableWhenTheProgramIsKilledWhileClosing)
{
    ClosingProgram program;
    const QByteArray before = "[General]\nUpDown7=42\nChekcbox16=0\nLosnummer=7654321\n";
    program.seed(before);

    // How long the program needs to be up (its settings read) and how long its close takes: the
    // first request that makes it write the file tells.
    std::chrono::microseconds up{};
    std::optional<std::chrono::microseconds> closing;
    // A request that comes before the program handles SIGTERM ends it by the signal itself (a slow
    // start, as under the sanitizers); such a try only says to wait longer.
    for (int ms : {300, 800, 2000, 5000, 10000}) {
        program.seed(before);
        up = std::chrono::milliseconds(ms);
        closing = program.run(up, std::chrono::microseconds(-1));
        if (closing && program.settingsBytes() != before) break;
        ASSERT_TRUE(closing || program.endedBySigterm()) << "the program crashed or hung after SIGTERM";
    }
    ASSERT_TRUE(closing) << "the program did not end after SIGTERM";
    const QByteArray written = program.settingsBytes();
    ASSERT_NE(written, before) << "the program never wrote its settings on SIGTERM";
    const auto after = valuesOf(program.settingsPath());
    ASSERT_TRUE(after);
    EXPECT_EQ(after->at("UpDown7").toInt(), 42);
    EXPECT_EQ(after->at("Losnummer").toString(), "7654321");

    std::mt19937 random(test::killSeed());
    std::uniform_int_distribution<long> wait(0, long(closing->count() * 12 / 10));
    int rounds = 0, unchanged = 0, complete = 0;
    for (int round = 0; round < test::killRounds(125) / 5; ++round) {
        program.seed(before);
        const auto delay = std::chrono::microseconds(wait(random));
        program.run(up, delay);
        ++rounds;
        const QByteArray now = program.settingsBytes();
        if (now == before) {
            ++unchanged;
            continue;
        }
        const auto values = valuesOf(program.settingsPath());
        ASSERT_TRUE(values) << "round " << round << ": unreadable after a kill " << delay.count()
                            << " µs into the close";
        ASSERT_EQ(*values, *after) << "round " << round << ": a partly written settings file";
        ++complete;
    }
    std::cout << "[kill] settings at close: " << rounds << " rounds, " << unchanged << " unchanged, " << complete
              << " complete, seed " << test::killSeed() << std::endl;
    // A lock or scratch file left by a kill does not stop the next close from writing. As above, a
    // request that came before the program handled SIGTERM (a slow start on a busy machine) only
    // says to wait longer.
    std::optional<std::chrono::microseconds> last;
    for (auto wait = up; wait <= std::chrono::seconds(20); wait *= 2) {
        program.seed(before);
        last = program.run(wait, std::chrono::microseconds(-1));
        if (last || !program.endedBySigterm()) break;
    }
    ASSERT_TRUE(last) << "the program did not end by itself after SIGTERM";
    EXPECT_EQ(valuesOf(program.settingsPath()), after);
}

// Found by fuzzing the settings reader (the files are kept as seeds of that fuzz target): a value
// "@Variant(…)" whose inner length, or the count of a list inside it, asks for tens of gigabytes.
// Qt's reader gives up on it; razoz-cli takes it for a value of the wrong type, which ends its
// group as at the program's start, reads the later groups and goes on.
TEST(SettingsFile, AValueAskingForAHugeBufferEndsItsGroupAndTheRestIsRead)
{
    test::ProgramDir dir;
    // Under the address sanitizer a failed allocation returns null, as the C library's does, and
    // a request larger than the machine fails at once instead of being filled.
    QProcessEnvironment env = test::programEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               env.value(QStringLiteral("ASAN_OPTIONS")) +
                   QStringLiteral(":allocator_may_return_null=1:max_allocation_size_mb=2048"));
    // The value stored after the broken one in a later group; none when the file holds no other.
    const std::pair<const char*, const char*> files[] = {{"huge_variant_length", "Sprache"},
                                                         {"variant_list_count", nullptr}};
    for (const auto& [file, stored] : files) {
        const QString corrupt = QStringLiteral(RAZOZ_SOURCE_DIR "/fuzz/corpus/fuzz_settings/") + file;
        const auto r =
            test::runTimed(QStringLiteral(RAZOZ_BIN_DIR "/razoz-cli"),
                           {"--program-folder", dir.path(), "--settings", corrupt, "settings", "show", "--json"}, env);
        ASSERT_EQ(r.exitCode, 0) << file << ": " << r.err.toStdString();
        EXPECT_FALSE(r.out.contains(QStringLiteral(R"({"name":"Chekcbox17","source":"stored")"))) << file;
        if (stored) {
            EXPECT_TRUE(r.out.contains(QStringLiteral(R"({"name":"%1","source":"stored")").arg(stored)))
                << file << ": " << r.out.toStdString();
        }
    }
}
