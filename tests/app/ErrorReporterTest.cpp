#include "app/ErrorReporter.h"

#include "app/MenuFileSteps.h"
#include "support/LogWatchingBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace torvex {
namespace {

using test::LogWatchingBoxes;
using test::readFile;
using test::TempDir;

class RecordingUi : public MenuFileUi
{
public:
    LogWatchingBoxes boxes;
    bool menusEnabled = false;
    bool busy = true;
    MessageBoxes *messageBoxes() override { return &boxes; }
    void setMenusEnabled(bool enabled) override { menusEnabled = enabled; }
    void setBusyCursor(bool isBusy) override { busy = isBusy; }
};

class NoLogFiles : public LogFileAccess
{
public:
    bool appendText(const std::string &, const std::string &) override { return false; }
};

struct ErrorReporterTest : ::testing::Test
{
    TempDir dir;
    RecordingUi ui;
    ErrorLog log { dir.path().string() };
    ErrorReporter reporter { log,
        [] {
            return LogContext { "Torvex v1.2", {}, "/x/wincmd.ini" };
        },
        ui };
    ErrorReporterTest() { ui.boxes.logPath = log.path(); }
};

TEST_F(ErrorReporterTest, SaveFailureIsLoggedBeforeItsBoxBothWithTheCause)
{
    EXPECT_TRUE(reporter.saveFailed("Unable to write to /x/wincmd.ini", "No space left on device"));
    ASSERT_EQ(ui.boxes.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes.last().text, "Unable to write to /x/wincmd.ini\r\nNo space left on device");
    EXPECT_EQ(ui.boxes.last().caption, "Error");
    EXPECT_EQ(ui.boxes.last().icon, MsgIcon::Warning);
    EXPECT_EQ(ui.boxes.last().buttons, MsgButtons::Ok);
    const std::string logged = readFile(log.path());
    EXPECT_EQ(ui.boxes.logAtBox[0], logged);
    EXPECT_NE(
        logged.find("App function: procedure TForm1.gemData;\r\n"
                    "Last error: Unable to write to /x/wincmd.ini: No space left on device\r\n"),
        std::string::npos);
    EXPECT_EQ(logged.find("Sender: "), std::string::npos);
    EXPECT_TRUE(ui.menusEnabled);
    EXPECT_FALSE(ui.busy);

    // A failure without a cause shows and logs its message alone.
    EXPECT_TRUE(reporter.saveFailed("Unable to write to /x/wincmd.ini", ""));
    EXPECT_EQ(ui.boxes.last().text, "Unable to write to /x/wincmd.ini");
    EXPECT_NE(readFile(log.path()).find("Last error: Unable to write to /x/wincmd.ini\r\n"),
        std::string::npos);
}

TEST_F(ErrorReporterTest, EscapedFailureIsLoggedAfterItsBoxWithTheSender)
{
    EXPECT_TRUE(reporter.globalError("TForm1", "boom"));
    ASSERT_EQ(ui.boxes.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes.last().caption, "Error");
    EXPECT_EQ(ui.boxes.last().icon, MsgIcon::Warning);
    EXPECT_EQ(ui.boxes.logAtBox[0], "");
    const std::string logged = readFile(log.path());
    EXPECT_NE(logged.find("aktuelIniFil=/x/wincmd.ini\r\n"
                          "App function: globalErrorHandler\r\n"
                          "Last error: boom\r\n"
                          "Sender: TForm1\r\n"),
        std::string::npos);
    EXPECT_TRUE(ui.menusEnabled);
    EXPECT_FALSE(ui.busy);
}

TEST_F(ErrorReporterTest, BrokenLogStillShowsTheBox)
{
    NoLogFiles files;
    ErrorLog brokenLog(dir.path().string(), files);
    ErrorReporter broken(
        brokenLog,
        [] {
            return LogContext {};
        },
        ui);
    EXPECT_FALSE(broken.saveFailed("a", ""));
    EXPECT_FALSE(broken.globalError("TForm1", "b"));
    ASSERT_EQ(ui.boxes.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes.boxes()[0].text, "a");
    EXPECT_EQ(ui.boxes.boxes()[1].text, "b");
    EXPECT_TRUE(ui.menusEnabled);
}

} // namespace
} // namespace torvex
