#pragma once

#include <QTest>

namespace torvex::test {

// Lets events run until `condition` holds or `timeoutMs` passed; returns whether it held.
// Use it inside EXPECT_TRUE: Qt Test's own QTRY_ macros report to Qt Test, not to GoogleTest,
// so a failure of theirs would go unnoticed here.
template <typename Condition> bool waitUntil(Condition condition, int timeoutMs = 3000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

} // namespace torvex::test
