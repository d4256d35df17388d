#pragma once

#include <QLatin1String>
#include <QObject>

#include <gtest/gtest.h>

namespace torvex::test {

// The child of `parent` of type T with this objectName; when there is none, the test fails
// and the answer is nullptr.
template <class T> T *findWidget(const QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace torvex::test
