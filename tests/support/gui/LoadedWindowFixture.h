#pragma once

#include "app/gui/window/MainWindow.h"
#include "app/gui/files/NoticeBar.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/gui/FindWidget.h"
#include "support/gui/WindowEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace torvex::test {

// The main window started on one menu file, which it loads, with its boxes scripted; its
// widgets found by name. Closing at the end never asks.
class LoadedWindowFixture : public ::testing::Test
{
protected:
    TempDir dir;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;

    ~LoadedWindowFixture() override
    {
        if (form)
            form->session().setExitWithoutSaving(true);
    }

    // Starts the main window with `path` as the only file found.
    void start(const std::string &path)
    {
        MainWindowEnvironment environment =
            windowEnvironment(viewWithoutPrefix(), dir.path(), boxes, "Z:\\");
        environment.candidates = foundFiles({ path });
        form = startedWindow(std::move(environment));
        QApplication::setActiveWindow(form.get());
    }

    template <class T> T *widget(const char *name) const { return findWidget<T>(*form, name); }
    void trigger(const char *action) { widget<QAction>(action)->trigger(); }
    void save() { QTest::mouseClick(widget<QToolButton>("SButSave"), Qt::LeftButton); }
    NoticeBar *bar() const { return widget<NoticeBar>("noticeBar"); }
};

} // namespace torvex::test
