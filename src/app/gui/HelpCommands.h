#pragma once

#include "core/MessageBoxes.h"
#include "platform/ProgramFolders.h"

#include <functional>
#include <string>

class QWidget;

namespace torvex {

class HelpViewer;

// The help topics that F1 opens in each window (anchors "topic-N" of torvex.hlp).
inline constexpr int mainWindowHelpTopic = 9999; // the contents
inline constexpr int chooserHelpTopic = 131;

// The Help menu's commands: the help file in a viewer over the window, and the About box.
class HelpCommands
{
public:
    HelpCommands(QWidget &window,
        ProgramFolders folders,
        std::function<MessageBoxes &()> boxes,
        std::function<std::string()> appTitle);

    // Opens torvex.hlp at its contents, or says where it should be. (mnuHelpHelpClick)
    void showHelp();
    // Opens torvex.hlp at `topic`, or says where it should be. The viewer belongs to `over`
    // (nullptr: the main window), so that it can be used while `over` is a modal dialog.
    void showTopic(int topic, QWidget *over = nullptr);
    void showAbout(); // mnuHelpAboutClick

private:
    QWidget &m_window;
    ProgramFolders m_folders;
    std::function<MessageBoxes &()> m_boxes;
    std::function<std::string()> m_appTitle;
    HelpViewer *m_helpViewer = nullptr;
};

} // namespace torvex
