#pragma once

#include "core/MessageBoxes.h"
#include "platform/ProgramFolders.h"

#include <functional>
#include <string>

class QWidget;

namespace torvex {

class HelpViewer;

// The Help menu's commands: the help file in a viewer over the window, and the About box.
class HelpCommands
{
public:
    HelpCommands(QWidget &window,
        ProgramFolders folders,
        std::function<MessageBoxes &()> boxes,
        std::function<std::string()> appTitle);

    // Opens torvex.hlp, or says where it should be. (mnuHelpHelpClick)
    void showHelp();
    void showAbout(); // mnuHelpAboutClick

private:
    QWidget &m_window;
    ProgramFolders m_folders;
    std::function<MessageBoxes &()> m_boxes;
    std::function<std::string()> m_appTitle;
    HelpViewer *m_helpViewer = nullptr;
};

} // namespace torvex
