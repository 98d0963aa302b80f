#include "kill_support.h"

#include <QThread>

#include <thread>

namespace razoz::test {

int killRounds(int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("RAZOZ_KILL_ROUNDS", &ok);
    return ok && n > 0 ? n : fallback;
}

std::uint32_t killSeed()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("RAZOZ_KILL_SEED", &ok);
    return ok ? std::uint32_t(n) : 20261209u;
}

QProcessEnvironment programEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("RAZOZ_OPEN_LOG"), QStringLiteral("/dev/null"));
    return env;
}

KillOutcome runAndKill(const QString& program, const QStringList& args, std::chrono::microseconds delay,
                       const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    KillOutcome out;
    if (!p.waitForStarted(10000)) return out;
    std::this_thread::sleep_for(delay);
    if (p.state() == QProcess::Running && !p.waitForFinished(0)) {
        p.kill(); // SIGKILL: no handler, no clean-up
        out.killed = true;
    }
    p.waitForFinished(30000);
    // A program that ended on its own just before the kill reports its exit code.
    if (p.exitStatus() == QProcess::NormalExit) {
        out.killed = false;
        out.exitCode = p.exitCode();
    }
    out.err = QString::fromUtf8(p.readAllStandardError());
    return out;
}

TimedRun runTimed(const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    const auto start = std::chrono::steady_clock::now();
    p.start(program, args);
    TimedRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace razoz::test
