#pragma once
// The built razoz-server as a process on a free port of 127.0.0.1; its log goes to a file, so a
// long run never blocks on a full pipe.
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace razoz::test {

class ServerProcess {
public:
    explicit ServerProcess(const QStringList& args)
    {
        process_.setStandardErrorFile(logDir_.filePath("server.log"));
        process_.start(QStringLiteral(RAZOZ_BIN_DIR "/razoz-server"), QStringList{"--port", "0"} + args);
        EXPECT_TRUE(process_.waitForStarted());
        for (int i = 0; i < 500 && port_ == 0; ++i) {
            const QStringList lines = log();
            if (!lines.isEmpty())
                port_ = lines[0].section(':', -1).section(' ', 0, 0).toInt();
            else
                QThread::msleep(10);
        }
        EXPECT_GT(port_, 0);
    }
    ~ServerProcess()
    {
        process_.terminate();
        process_.waitForFinished();
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
    int port() const { return port_; }
    // The request lines logged so far (a request is logged just after its answer went out).
    QStringList requestLines()
    {
        QThread::msleep(200);
        return log().mid(1);
    }

private:
    QStringList log()
    {
        QFile f(logDir_.filePath("server.log"));
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
        lines.removeLast(); // only complete lines
        return lines;
    }
    QTemporaryDir logDir_;
    QProcess process_;
    int port_ = 0;
};

} // namespace razoz::test
