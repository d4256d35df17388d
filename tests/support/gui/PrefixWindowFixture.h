#pragma once

#include "app/gui/window/MainWindow.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/SyntheticPrefix.h"
#include "support/gui/FindWidget.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace torvex::test {

// A main window over a synthetic Wine prefix, with scripted boxes and no menu file found,
// for widget tests that fill the tree themselves. The window leaves without asking to save.
class PrefixWindowFixture : public ::testing::Test
{
protected:
    ~PrefixWindowFixture() override;

    // Starts the main window with the folder list at `startFolder` (make the prefix's folders
    // first) and makes it the active window.
    void startWindow(const std::string &startFolder);

    // Fills the tree the way a load does: first node selected, panel enabled, count run.
    void load(const std::string &text);

    template <class T> T *widget(const char *name) const
    {
        return test::findWidget<T>(*form, name);
    }

    SyntheticPrefix prefix;
    TempFolder programFolder;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;
};

} // namespace torvex::test
