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

} // namespace razoz::test
