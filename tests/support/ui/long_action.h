#pragma once
// Window tests wait for a long action that runs on the runner's worker thread.
#include "ui/long_action_runner.h"

#include <QTest>

namespace razoz::test {

// Lets events through until the runner is idle; false when it still runs after `ms`.
inline bool waitForLongAction(const LongActionRunner& runner, int ms = 30000)
{
    return QTest::qWaitFor([&runner] { return !runner.busy(); }, ms);
}

} // namespace razoz::test
