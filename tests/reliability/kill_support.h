#pragma once
// Killing the real programs at random moments: a started process, a random wait, SIGKILL.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <random>

namespace razoz::test {

// Rounds per kill test: RAZOZ_KILL_ROUNDS, else `fallback`.
int killRounds(int fallback);
// The seed of the random waits: RAZOZ_KILL_SEED, else a fixed one (printed by the tests).
std::uint32_t killSeed();

// The environment of a program under test: C locale, nothing opened, settings from the test's
// own config folder.
QProcessEnvironment programEnvironment();

struct KillOutcome {
    bool killed = false; // false: the program had ended by itself before the kill
    int exitCode = -1;   // when it ended by itself
    QString err;
};

// Starts `program`, waits `delay`, kills it with SIGKILL when it still runs, and reaps it.
KillOutcome runAndKill(const QString& program, const QStringList& args, std::chrono::microseconds delay,
                       const QProcessEnvironment& env = programEnvironment());

// Runs to the end; the time it took.
struct TimedRun {
    int exitCode = -1;
    QString out, err;
    std::chrono::microseconds took{};
};
TimedRun runTimed(const QString& program, const QStringList& args,
                  const QProcessEnvironment& env = programEnvironment());

// Runs to the end while watching `files` (size, time of change, existence): the stretch of the run
// in which any of them changed, so that kills can be aimed at it.
struct WatchedRun : TimedRun {
    std::chrono::microseconds firstChange{-1}, lastChange{-1};
};
WatchedRun runWatched(const QString& program, const QStringList& args, const QStringList& files,
                      const QProcessEnvironment& env = programEnvironment());

// Waits for the kills of one action: half spread over the whole run, half over the stretch in
// which the files changed (with a margin), so that many land amid the writing.
class KillMoments {
public:
    KillMoments(const WatchedRun& run, std::uint32_t seed);
    std::chrono::microseconds next();

private:
    std::mt19937 random_;
    std::uniform_int_distribution<long> whole_, writing_;
    bool aimed_ = false;
};

} // namespace razoz::test
