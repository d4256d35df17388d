#pragma once

#include "core/MessageBoxes.h"
#include "platform/ProgramFolders.h"

#include <string>

class QWidget;

namespace torvex {

class HelpViewer;
class Session;

// The help topics that F1 opens in each window (anchors "topic-N" of torvex.hlp and its translations).
inline constexpr int mainWindowHelpTopic = 9999; // the contents
inline constexpr int chooserHelpTopic = 131;

// What the help commands need of the window; the main window is the one implementation.
class HelpWindow
{
public:
    // The boxes that say where the help file should be, and the About box.
    virtual MessageBoxes &boxes() = 0;

protected:
    ~HelpWindow() = default;
};

// The Help menu's commands: the help file in a viewer over the window, and the About box
// naming the session's title.
class HelpCommands
{
public:
    HelpCommands(
        QWidget &window, HelpWindow &boxes, ProgramFolders folders, const Session &session);

    // Opens the help (torvex.hlp, or torvex.<language>.hlp in the window's language) at its
    // contents, or says where it should be. (mnuHelpHelpClick)
    void showHelp();
    // Opens the help at `topic`, or says where it should be. The viewer belongs to `over`
    // (nullptr: the main window), so that it can be used while `over` is a modal dialog.
    void showTopic(int topic, QWidget *over = nullptr);
    void showAbout(); // mnuHelpAboutClick

private:
    QWidget &m_window;
    ProgramFolders m_folders;
    HelpWindow &m_boxes;
    const Session &m_session;
    HelpViewer *m_helpViewer = nullptr;
};

} // namespace torvex
