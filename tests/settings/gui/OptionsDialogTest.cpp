// The Options dialog over a recording host: what it shows, previews, writes and applies.

#include "settings/gui/OptionsDialog.h"

#include "controls/gui/DeferredError.h"
#include "controls/gui/HelpViewer.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"
#include "support/gui/FindWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvex {
namespace {

// Records everything the dialog applies to the main window.
class RecordingHost : public OptionsHost
{
public:
    explicit RecordingHost(const std::string &folder)
        : folder(folder)
        , ini(ProgramSettings::pathIn(folder), files)
    { }

    ProgramSettings &settings() override { return ini; }
    void applyTreeColours(int32_t bg, int32_t font) override
    {
        background = bg;
        fontColour = font;
    }
    void applyDriveTypes(DriveTypeSet types) override { driveTypes.push_back(types); }
    void setConfirmDropOnCommand(bool value) override { confirm = value; }
    void setStatusText(const std::string &text) override { steps.push_back("status:" + text); }
    void waitHandlingEvents(unsigned ms) override { steps.push_back("wait:" + std::to_string(ms)); }
    std::string helpFile() const override { return folder + "/torvex.hlp"; }

    std::string folder;
    test::FaultyFileSystem files;
    ProgramSettings ini;
    int32_t background = 0;
    int32_t fontColour = 0;
    std::vector<DriveTypeSet> driveTypes;
    bool confirm = false;
    std::vector<std::string> steps;
};

// Takes the errors that the dialog hands to the application's error handling.
class ErrorCatcher : public QObject
{
public:
    std::vector<std::string> messages;
    bool eventFilter(QObject *, QEvent *event) override
    {
        try {
            rethrowDeferredError(event);
        } catch (const std::exception &error) {
            messages.push_back(error.what());
            return true;
        }
        return false;
    }
};

class OptionsDialogTest : public ::testing::Test
{
protected:
    template <class T> T *widget(const char *name) const
    {
        return test::findWidget<T>(*form, name);
    }

    // The dialog, created as at start-up; the colour chooser answers from `nextColour`.
    void create()
    {
        form = std::make_unique<OptionsDialog>(host);
        form->setColourChooser([this](int32_t current) {
            offered.push_back(current);
            return nextColour;
        });
        form->loadOptions();
        form->installEventFilter(&catcher);
    }

    // Shows the dialog modally and runs `inside` while it is open.
    void openAndRun(const std::function<void()> &inside)
    {
        QTimer::singleShot(0, form.get(), [&] {
            inside();
            if (form->isVisible())
                form->done(-2);
        });
        result = form->exec();
        QApplication::processEvents();
    }

    std::string file() const { return test::readFile(host.ini.path()); }

    test::TempDir dir;
    RecordingHost host { dir.path().string() + "/" };
    ErrorCatcher catcher;
    std::unique_ptr<OptionsDialog> form;
    std::optional<int32_t> nextColour;
    std::vector<int32_t> offered;
    int result = 0;
};

TEST_F(OptionsDialogTest, WithoutASettingsFileShowsAndAppliesTheDefaults)
{
    create();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Options"));
    // One row below the confirmation group holds the backup check box.
    EXPECT_EQ(form->size(), QSize(421, 315));
    EXPECT_EQ(form->backgroundColour(), buttonFaceColour);
    EXPECT_EQ(form->fontColour(), windowTextColour);
    for (const char *name : { "CBoxRemote",
             "CBoxUnavailable",
             "CBoxRemovable",
             "CBoxCDRom",
             "CBoxRamDisk",
             "CBoxUnknown" })
        EXPECT_FALSE(widget<QCheckBox>(name)->isChecked()) << name;
    EXPECT_TRUE(widget<QCheckBox>("CBoxFixed")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("CBoxAsk")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("CBoxDropTargetHasCommand")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("CBoxBackup")->isChecked());
    EXPECT_EQ(widget<QCheckBox>("CBoxBackup")->text(),
        QStringLiteral("Keep a backup before the first save"));
    EXPECT_EQ(widget<QCheckBox>("CBoxRamDisk")->geometry(), QRect(12, 149, 128, 17));
    EXPECT_EQ(widget<QPushButton>("ButOK")->geometry(), QRect(312, 17, 99, 45));
    EXPECT_EQ(
        widget<QGroupBox>("GBoxConfirmation")->title(), QStringLiteral(" Confirmation &when: "));

    EXPECT_EQ(host.background, buttonFaceColour);
    EXPECT_EQ(host.fontColour, windowTextColour);
    EXPECT_TRUE(host.confirm);
    ASSERT_EQ(host.driveTypes.size(), 1u);
    EXPECT_EQ(host.driveTypes[0], DriveTypeSet { DriveType::Fixed });
    EXPECT_EQ(host.steps,
        (std::vector<std::string> { "wait:0",
            "status:Showing selected drives...",
            "wait:0",
            "wait:200",
            "wait:200",
            "status:" }));
    EXPECT_EQ(file(), ""); // nothing written
}

TEST_F(OptionsDialogTest, CancelTakesBackAPreviewedColour)
{
    dir.write("torvex.ini", "[form2]\r\nSTextFarve=$00FF0000\r\n");
    create();
    EXPECT_EQ(host.background, rgbColour(0, 0, 255));
    const std::string before = file();

    nextColour = rgbColour(255, 0, 0);
    openAndRun([&] {
        QTest::mouseClick(widget<QPushButton>("ButSelectColor"), Qt::LeftButton);
        EXPECT_EQ(host.background, rgbColour(255, 0, 0)); // the tree turns red at once
        EXPECT_EQ(form->backgroundColour(), rgbColour(255, 0, 0));
        QTest::mouseClick(widget<QPushButton>("ButCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(offered, std::vector<int32_t> { rgbColour(0, 0, 255) });
    EXPECT_EQ(host.background, rgbColour(0, 0, 255));
    EXPECT_EQ(form->backgroundColour(), rgbColour(0, 0, 255));
    EXPECT_EQ(file(), before);
}

TEST_F(OptionsDialogTest, ClosingByTheFrameKeepsThePreviewUntilTheNextLoad)
{
    create();
    nextColour = rgbColour(255, 0, 0);
    openAndRun([&] {
        QTest::mouseClick(widget<QPushButton>("ButSelectFontColor"), Qt::LeftButton);
        widget<QCheckBox>("CBoxAsk")->setChecked(false);
        form->close();
    });
    EXPECT_EQ(host.fontColour, rgbColour(255, 0, 0));
    EXPECT_EQ(file(), "");
    form->loadOptions();
    EXPECT_EQ(host.fontColour, windowTextColour);
    EXPECT_TRUE(widget<QCheckBox>("CBoxAsk")->isChecked());
}

TEST_F(OptionsDialogTest, EscapeIsCancel)
{
    create();
    nextColour = std::nullopt; // the chooser cancelled: nothing changes
    openAndRun([&] {
        QTest::mouseClick(widget<QPushButton>("ButSelectColor"), Qt::LeftButton);
        EXPECT_EQ(host.background, buttonFaceColour);
        widget<QCheckBox>("CBoxDropTargetHasCommand")->setChecked(false);
        QTest::keyClick(widget<QCheckBox>("CBoxFixed"), Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(host.confirm);
    EXPECT_TRUE(widget<QCheckBox>("CBoxDropTargetHasCommand")->isChecked());
}

TEST_F(OptionsDialogTest, WindowsColoursThenOkAreWritten)
{
    create();
    openAndRun([&] {
        QTest::mouseClick(widget<QPushButton>("ButWindowsColor"), Qt::LeftButton);
        EXPECT_EQ(host.background, windowColour);
        EXPECT_EQ(host.fontColour, windowTextColour);
        EXPECT_EQ(file(), ""); // nothing written before OK
        widget<QCheckBox>("CBoxDropTargetHasCommand")->setChecked(false);
        QTest::mouseClick(widget<QPushButton>("ButOK"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(host.ini.readString(optionsSection, "STextFarve", ""), "-2147483643");
    EXPECT_EQ(host.ini.readString(optionsSection, "sTextFontColor", ""), "-2147483640");
    EXPECT_FALSE(host.confirm); // off at once
    EXPECT_FALSE(host.ini.readOptions().confirmDropOnCommand);
}

TEST_F(OptionsDialogTest, OkAppliesTheCheckedDriveTypes)
{
    create();
    openAndRun([&] {
        widget<QCheckBox>("CBoxFixed")->setChecked(false);
        widget<QCheckBox>("CBoxRemote")->setChecked(true);
        widget<QCheckBox>("CBoxUnknown")->setChecked(true);
        QTest::mouseClick(widget<QPushButton>("ButOK"), Qt::LeftButton);
    });
    ASSERT_EQ(host.driveTypes.size(), 2u);
    EXPECT_EQ(host.driveTypes[1], (DriveTypeSet { DriveType::Remote, DriveType::Unknown }));
    EXPECT_EQ(file(),
        "[form2]\r\nSTextFarve=-2147483633\r\nsTextFontColor=-2147483640\r\nCBoxFixed=0\r\n"
        "CBoxRemote=1\r\nCBoxUnavailable=0\r\nCBoxRemovable=0\r\nCBoxCDRom=0\r\n"
        "CBoxRamDisk=0\r\nCBoxUnknown=1\r\nCBoxAsk=1\r\nCBoxDropTargetHasCommand=1\r\n"
        "CBoxBackup=1\r\n");
}

TEST_F(OptionsDialogTest, TheBackupCheckBoxIsWrittenByOkAndTakenBackByCancel)
{
    create();
    openAndRun([&] {
        widget<QCheckBox>("CBoxBackup")->setChecked(false);
        QTest::mouseClick(widget<QPushButton>("ButCancel"), Qt::LeftButton);
    });
    EXPECT_TRUE(widget<QCheckBox>("CBoxBackup")->isChecked());
    EXPECT_EQ(file(), "");

    openAndRun([&] {
        QTest::mouseClick(widget<QCheckBox>("CBoxBackup"), Qt::LeftButton);
        QTest::mouseClick(widget<QPushButton>("ButOK"), Qt::LeftButton);
    });
    EXPECT_EQ(host.ini.readString(optionsSection, "CBoxBackup", ""), "0");
    EXPECT_FALSE(host.ini.readKeepBackup());
    form->loadOptions();
    EXPECT_FALSE(widget<QCheckBox>("CBoxBackup")->isChecked());
}

TEST_F(OptionsDialogTest, AFailedOkIsReportedAndAppliesNothingButStillCloses)
{
    create();
    host.files.failWrites = true;
    openAndRun([&] {
        widget<QCheckBox>("CBoxDropTargetHasCommand")->setChecked(false);
        widget<QCheckBox>("CBoxFixed")->setChecked(false);
        QTest::mouseClick(widget<QPushButton>("ButOK"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(
        catcher.messages, std::vector<std::string> { "Unable to write to " + host.ini.path() });
    EXPECT_TRUE(host.confirm);
    EXPECT_EQ(host.driveTypes.size(), 1u);
}

TEST_F(OptionsDialogTest, F1OpensTopic8OnlyWhenTheHelpFileExists)
{
    create();
    form->show();
    QTest::keyClick(widget<QCheckBox>("CBoxFixed"), Qt::Key_F1);
    EXPECT_EQ(form->helpViewer(), nullptr);

    dir.write("torvex.hlp",
        "<html><body><a name=\"topic-9999\"></a>Help<a name=\"topic-8\"></a>Options</body></html>");
    QTest::keyClick(widget<QCheckBox>("CBoxFixed"), Qt::Key_F1);
    ASSERT_NE(form->helpViewer(), nullptr);
    EXPECT_EQ(form->helpViewer()->currentAnchor(), QStringLiteral("topic-8"));
    form->helpViewer()->close();
}

} // namespace
} // namespace torvex
