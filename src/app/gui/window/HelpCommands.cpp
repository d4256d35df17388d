#include "app/gui/window/HelpCommands.h"

#include "app/ErrorLog.h"
#include "app/Session.h"
#include "controls/gui/HelpViewer.h"
#include "settings/ProgramSettings.h"

#include <QFileInfo>

namespace torvex {

namespace {

LocalText helpText(const char *source)
{
    return LocalText("torvex::HelpCommands", source);
}

std::string withSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

HelpCommands::HelpCommands(
    QWidget &window, HelpWindow &boxes, ProgramFolders folders, const Session &session)
    : m_window(window)
    , m_folders(std::move(folders))
    , m_boxes(boxes)
    , m_session(session)
{ }

void HelpCommands::showHelp()
{
    showTopic(mainWindowHelpTopic);
}

void HelpCommands::showTopic(int topic, QWidget *over)
{
    const std::string folder = withSeparator(m_folders.helpFolder);
    const std::string path = torvex::helpFile(m_folders, hostFolderProbe());
    const QString helpFile = QString::fromStdString(path);
    if (!QFileInfo(helpFile).isFile()) {
        // Names the file of the window's language: the one looked for first.
        m_boxes.boxes().inform(
            LocalText::joined({ helpText(QT_TRANSLATE_NOOP("torvex::HelpCommands",
                                             "The help file (%1) should be in this folder:  "))
                                      .arg(path.substr(folder.size())),
                                  LocalText::verbatim(folder) },
                lineBreak),
            helpText(QT_TRANSLATE_NOOP("torvex::HelpCommands", " Can't find help file")),
            MsgIcon::Error);
        return;
    }
    if (over && over != &m_window) {
        auto *viewer = over->findChild<HelpViewer *>(QString(), Qt::FindDirectChildrenOnly);
        if (!viewer)
            viewer = new HelpViewer(over);
        viewer->showTopic(helpFile, topic);
        return;
    }
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer(&m_window);
    m_helpViewer->showTopic(helpFile, topic);
}

void HelpCommands::showAbout()
{
    const LocalText empty = LocalText::verbatim("");
    const LocalText text = LocalText::joined(
        { LocalText::verbatim(m_session.appTitle()),
            empty,
            helpText(QT_TRANSLATE_NOOP("torvex::HelpCommands",
                "An editor for the directory menu of the file manager: load the menu, arrange it "
                "by drag and drop, edit each entry and save it back.")),
            empty,
            helpText(QT_TRANSLATE_NOOP(
                "torvex::HelpCommands", "Written in C++ with Qt. Pictures drawn for Torvex.")),
            helpText(QT_TRANSLATE_NOOP("torvex::HelpCommands",
                "Thanks to everyone who tried the early versions and reported what broke.")),
            empty,
            helpText(QT_TRANSLATE_NOOP("torvex::HelpCommands", "Settings: %1"))
                .arg(m_folders.settingsFolder + std::string(settingsFileName)),
            helpText(QT_TRANSLATE_NOOP("torvex::HelpCommands", "Log: %1"))
                .arg(m_folders.logFolder + logFileName),
            helpText(QT_TRANSLATE_NOOP("torvex::HelpCommands", "Help: %1"))
                .arg(helpFile(m_folders, hostFolderProbe())) },
        lineBreak);
    m_boxes.boxes().inform(
        text, helpText(QT_TRANSLATE_NOOP("torvex::HelpCommands", " About")), MsgIcon::Information);
}

} // namespace torvex
