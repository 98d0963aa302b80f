#include "kill_support.h"

#include <QFileInfo>
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

namespace {
struct FileState {
    bool exists;
    qint64 size;
    qint64 changed;
    friend bool operator==(const FileState&, const FileState&) = default;
};
FileState stateOf(const QString& path)
{
    const QFileInfo info(path);
    return {info.exists(), info.size(), info.lastModified().toMSecsSinceEpoch()};
}
} // namespace

WatchedRun runWatched(const QString& program, const QStringList& args, const QStringList& files,
                      const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    std::vector<FileState> seen;
    for (const QString& f : files) seen.push_back(stateOf(f));
    const auto start = std::chrono::steady_clock::now();
    p.start(program, args);
    WatchedRun r;
    auto since = [&] {
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    };
    while (!p.waitForFinished(0)) {
        if (since() > std::chrono::seconds(60)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        for (int i = 0; i < files.size(); ++i) {
            const FileState now = stateOf(files[i]);
            if (now == seen[std::size_t(i)]) continue;
            seen[std::size_t(i)] = now;
            if (r.firstChange.count() < 0) r.firstChange = since();
            r.lastChange = since();
        }
    }
    r.took = since();
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

KillMoments::KillMoments(const WatchedRun& run, std::uint32_t seed)
    : random_(seed), whole_(0, long(run.took.count() * 11 / 10))
{
    // Without a seen change (too quick to watch) the aimed half covers the last third of the run.
    long from = run.firstChange.count() >= 0 ? run.firstChange.count() : run.took.count() * 2 / 3;
    long to = run.lastChange.count() >= 0 ? run.lastChange.count() : run.took.count();
    const long margin = std::max(2000L, (to - from) / 2);
    writing_ = std::uniform_int_distribution<long>(std::max(0L, from - margin), to + margin);
}

std::chrono::microseconds KillMoments::next()
{
    aimed_ = !aimed_;
    return std::chrono::microseconds(aimed_ ? writing_(random_) : whole_(random_));
}

} // namespace razoz::test
