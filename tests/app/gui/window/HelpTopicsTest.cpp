// The help file and F1: the contents page links every topic, every link leads to a topic,
// and F1 opens each window's own topic.

#include "app/gui/window/HelpCommands.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/window/MainWindow.h"
#include "controls/gui/HelpViewer.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/gui/WindowEnvironment.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

QString helpText()
{
    QFile file(QStringLiteral(TORVEX_HLP_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

QSet<QString> matches(const QString &text, const QString &pattern)
{
    QSet<QString> found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured(1));
    return found;
}

TEST(HelpFileTest, TheContentsLinkEveryTopicAndEveryLinkLeadsToOne)
{
    const QString help = helpText();
    const QSet<QString> anchors = matches(help, QStringLiteral("<a name=\"(topic-\\d+)\""));
    const QSet<QString> topics = matches(help, QStringLiteral("<h2><a name=\"(topic-\\d+)\""));
    const qsizetype contentsEnd = help.indexOf(QStringLiteral("<h2"));
    const QSet<QString> contents =
        matches(help.left(contentsEnd), QStringLiteral("<li><a href=\"#(topic-\\d+)\""));
    const QSet<QString> links = matches(help, QStringLiteral("href=\"#(topic-\\d+)\""));
    EXPECT_EQ(contents, topics);
    EXPECT_TRUE(anchors.contains(links))
        << (links - anchors).values().join(QLatin1Char(' ')).toStdString();
    for (int topic : { mainWindowHelpTopic, 8, chooserHelpTopic, 130 })
        EXPECT_TRUE(anchors.contains(QStringLiteral("topic-%1").arg(topic))) << topic;
}

class HelpKeyTest : public testing::Test
{
protected:
    HelpKeyTest()
    {
        std::filesystem::copy_file(TORVEX_HLP_FILE, dir.path() / "torvex.hlp");
        form = test::startedWindow(
            test::windowEnvironment(test::viewWithoutPrefix(), dir.path(), boxes, "Z:\\"));
    }
    ~HelpKeyTest() override { form->session().setExitWithoutSaving(true); }

    test::TempDir dir;
    test::ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;
};

TEST_F(HelpKeyTest, F1InTheMainWindowOpensTheContents)
{
    form->findChild<QAction *>(QStringLiteral("mnuHelpHelp"))->trigger();
    auto *viewer = form->findChild<HelpViewer *>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->currentAnchor(), QStringLiteral("topic-9999"));
}

TEST_F(HelpKeyTest, F1InTheChooserOpensItsOwnTopicOverTheModalChooser)
{
    IniChooserDialog *chooser = test::attachChooser(*form);
    chooser->setPaths({ "C:\\one\\wincmd.ini", "D:\\two\\wincmd.ini" });
    HelpViewer *viewer = nullptr;
    QTimer::singleShot(0, chooser, [&] {
        QTest::keyClick(
            chooser->findChild<QListWidget *>(QStringLiteral("lboxIniStier")), Qt::Key_F1);
        viewer = chooser->findChild<HelpViewer *>();
        if (viewer) {
            // Usable while the chooser is modal: it belongs to the chooser.
            EXPECT_EQ(QApplication::activeModalWidget(), static_cast<QWidget *>(chooser));
            EXPECT_EQ(viewer->parent(), chooser);
            EXPECT_TRUE(viewer->isVisible());
        }
        chooser->done(0);
    });
    chooser->exec();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->currentAnchor(), QStringLiteral("topic-131"));
    EXPECT_TRUE(boxes.empty());
}

} // namespace
} // namespace torvex
