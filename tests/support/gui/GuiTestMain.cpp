// The main of every widget test: one application object, offscreen unless told otherwise.

#include "app/gui/application/TorvexApplication.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    torvex::TorvexApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
