// The help file and F1: the contents page links every topic, every link leads to a topic,
// each translation has the same topics and links and is translated, F1 opens each window's
// own topic in the window's language, and the English help stands in for a missing one.

#include "app/gui/window/HelpCommands.h"
#include "app/gui/application/Translations.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/window/MainWindow.h"
#include "controls/gui/HelpViewer.h"
#include "settings/OptionsHost.h"
#include "settings/gui/OptionsDialog.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/gui/WindowEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <filesystem>
#include <gtest/gtest.h>

namespace torvex {
namespace {

// The help file beside the English one in `language` ("de"); the English one for "".
std::filesystem::path helpPath(const std::string &language = {})
{
    const std::filesystem::path english = TORVEX_HLP_FILE;
    return language.empty() ? english
                            : english.parent_path() / ("torvex." + language + ".hlp");
}

QString helpText(const std::string &language = {})
{
    QFile file(helpPath(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QString::fromUtf8(file.readAll());
}

QStringList inOrder(const QString &text, const QString &pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured(1));
    return found;
}

// The texts of the help's blocks (paragraphs, list items, table cells, headings) in order,
// without markup.
QStringList blocks(const QString &html)
{
    QString text = html.mid(html.indexOf(QStringLiteral("<body")));
    text.replace(QRegularExpression(QStringLiteral("</?(p|li|td|tr|h[1-3]|ul|ol|table)\\b[^>]*>")),
        QStringLiteral("\x1f"));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    QStringList found;
    for (const QString &block : text.split(QLatin1Char('\x1f'))) {
        const QString simplified = block.simplified();
        if (!simplified.isEmpty())
            found.append(simplified);
    }
    return found;
}

// The words of a block that are prose: without code, key names and file names, which stay
// the same in every language.
int proseWords(QString block)
{
    block.remove(QRegularExpression(QStringLiteral(
        "\\b(Ctrl|Shift|Alt)\\+\\S+|\\bF\\d+\\b|\\S+\\.(ini|hlp|log|reg|bak)\\b|"
        "\\b(Insert|Delete|Enter|Esc|Space|Left|Right|Up|Down|Tab|Torvex)\\b")));
    return static_cast<int>(inOrder(block, QStringLiteral("([A-Za-z]{2,})")).size());
}

QString withoutCode(QString html)
{
    return html.remove(QRegularExpression(QStringLiteral("<code>.*?</code>"),
        QRegularExpression::DotMatchesEverythingOption));
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

TEST(HelpFileTest, EachTranslationHasTheEnglishTopicsAndLinksInTheirOrder)
{
    const QString english = helpText();
    const QString anchorPattern = QStringLiteral("<a name=\"(topic-\\d+)\"");
    const QString linkPattern = QStringLiteral("href=\"#(topic-\\d+)\"");
    const QString headingPattern = QStringLiteral("<(h[1-3])>");
    ASSERT_FALSE(shippedTranslationLanguages().isEmpty());
    for (const QString &language : shippedTranslationLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const QString translated = helpText(language.toStdString());
        const QStringList anchors = inOrder(translated, anchorPattern);
        EXPECT_EQ(anchors, inOrder(english, anchorPattern));
        const QStringList links = inOrder(translated, linkPattern);
        EXPECT_EQ(links, inOrder(english, linkPattern));
        for (const QString &link : links)
            EXPECT_TRUE(anchors.contains(link)) << link.toStdString();
        EXPECT_EQ(inOrder(translated, headingPattern), inOrder(english, headingPattern));
    }
}

TEST(HelpFileTest, NoBlockOfATranslationIsLeftInEnglish)
{
    const QStringList english = blocks(withoutCode(helpText()));
    for (const QString &language : shippedTranslationLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const QStringList translated = blocks(withoutCode(helpText(language.toStdString())));
        // Block for block, so that each one is compared with its own original.
        ASSERT_EQ(translated.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i) {
            // Blocks of keys and names alone ("F1", "winetricks:") read the same everywhere.
            if (proseWords(english[i]) < 2)
                continue;
            EXPECT_NE(translated[i], english[i]) << "block " << i;
        }
    }
}

// The help files in a program folder of their own, for the window in `language`.
class HelpLanguageTest : public testing::Test
{
protected:
    void start(const std::string &language)
    {
        MainWindowEnvironment environment =
            test::windowEnvironment(test::viewWithoutPrefix(), dir.path(), boxes, "Z:\\");
        environment.folders.helpLanguage = language;
        form = test::startedWindow(std::move(environment));
    }
    ~HelpLanguageTest() override
    {
        if (form)
            form->session().setExitWithoutSaving(true);
    }
    void install(const std::string &language)
    {
        std::filesystem::copy_file(helpPath(language), dir.path() / helpPath(language).filename());
    }
    // The title of the help that F1 in the main window shows.
    QString shownTitle()
    {
        form->findChild<QAction *>(QStringLiteral("mnuHelpHelp"))->trigger();
        auto *viewer = form->findChild<HelpViewer *>();
        return viewer ? viewer->browser()->documentTitle() : QString();
    }

    test::TempDir dir;
    test::ScriptedMessageBoxes boxes;
    std::unique_ptr<MainWindow> form;
};

TEST_F(HelpLanguageTest, F1ShowsTheHelpOfTheWindowsLanguageInTheMainWindowAndTheOptions)
{
    install("");
    install("fr");
    start("fr");

    // F1 in the Options dialog, opened as the menu opens it: modal over the window.
    OptionsDialog *options = test::attachOptionsDialog(*form);
    QString optionsTitle;
    QString optionsAnchor;
    QTimer whileOpen;
    QObject::connect(&whileOpen, &QTimer::timeout, options, [&] {
        if (QApplication::activeModalWidget() != options)
            return; // not yet running
        whileOpen.stop();
        QTest::keyClick(options->findChild<QCheckBox *>(QStringLiteral("CBoxFixed")), Qt::Key_F1);
        if (HelpViewer *viewer = options->helpViewer()) {
            optionsTitle = viewer->browser()->documentTitle();
            optionsAnchor = viewer->currentAnchor();
            viewer->close();
        }
        options->reject();
    });
    whileOpen.start(10);
    form->findChild<QAction *>(QStringLiteral("mnuOptionsOptions"))->trigger();
    EXPECT_EQ(optionsTitle, QStringLiteral("Aide de Torvex"));
    EXPECT_EQ(optionsAnchor, QStringLiteral("topic-8"));

    EXPECT_EQ(shownTitle(), QStringLiteral("Aide de Torvex"));
    form->findChild<QAction *>(QStringLiteral("mnuHelpAbout"))->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_NE(boxes.last().text.find("Help: " + (dir.path() / "torvex.fr.hlp").string()),
        std::string::npos)
        << boxes.last().text;
}

TEST_F(HelpLanguageTest, WithoutTheLanguagesHelpTheEnglishOneIsShownAndWithoutBothTheLanguagesIsNamed)
{
    install("");
    start("fr");
    EXPECT_EQ(shownTitle(), QStringLiteral("Torvex Help"));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->optionsHost().helpFile(), (dir.path() / "torvex.hlp").string());

    std::filesystem::remove(dir.path() / "torvex.hlp");
    form->findChild<QAction *>(QStringLiteral("mnuHelpHelp"))->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.last().text,
        "The help file (torvex.fr.hlp) should be in this folder:  \r\n" + dir.path().string() + "/");
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
