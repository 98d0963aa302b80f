#include "base/run_control.h"

#include <gtest/gtest.h>

#include <QThread>

namespace razoz {

TEST(RunControl, ThrottledTextsReachTheWindowRarelyButTheLastOneAlways)
{
    QStringList shown;
    int processed = 0;
    ThrottledRunControl run({[&](int panel, const QString& t) { shown << QStringLiteral("%1:%2").arg(panel).arg(t); },
                             [&] { ++processed; }},
                            1000);
    run.status(0, QStringLiteral("first"));
    for (int i = 0; i < 10000; ++i) {
        run.status(0, QString::number(i));
        run.yield();
    }
    EXPECT_EQ(shown, QStringList{QStringLiteral("0:first")});
    EXPECT_EQ(processed, 0);
    run.flush();
    EXPECT_EQ(shown.last(), QStringLiteral("0:9999"));
    EXPECT_FALSE(run.stopRequested());
    run.requestStop();
    EXPECT_TRUE(run.stopRequested());
}

TEST(RunControl, YieldLetsEventsThroughOnceTheIntervalHasPassed)
{
    int processed = 0;
    ThrottledRunControl run({{}, [&] { ++processed; }}, 5);
    run.yield(); // the first yield of an action always lets events through
    EXPECT_EQ(processed, 1);
    run.yield();
    EXPECT_EQ(processed, 1);
    QThread::msleep(10);
    run.yield();
    EXPECT_EQ(processed, 2);
}

TEST(RunControl, QuietRunControlRemembersAndEchoesEachPanel)
{
    QStringList echoed;
    QuietRunControl run([&](int panel, const QString& t) { echoed << QString::number(panel) + t; });
    run.status(0, QStringLiteral("a"));
    run.status(1, QStringLiteral("b"));
    run.status(5, QStringLiteral("ignored"));
    EXPECT_EQ(run.lastStatus(0), QStringLiteral("a"));
    EXPECT_EQ(run.lastStatus(1), QStringLiteral("b"));
    EXPECT_EQ(echoed, (QStringList{QStringLiteral("0a"), QStringLiteral("1b")}));
}

} // namespace razoz
