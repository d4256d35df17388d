#pragma once

#include "editor/EditorUi.h"

#include <functional>
#include <string>
#include <vector>

namespace torvex {
class MenuEditor;
}

namespace torvex::test {

// The main window as the editing logic sees it, over plain fields. As in the window, setting
// an edit's text only shows it; typing (typeTitle...) replaces the text and runs the edit's
// change handler in `editor` (when set).
class FakeEditorUi : public EditorUi
{
public:
    struct Warning
    {
        std::string text;
        BoxPlacement placement;
    };

    MenuEditor *editor = nullptr;
    MessageBoxes *messageBoxes = nullptr;

    std::vector<std::string> statuses;
    std::string itemCount;
    std::vector<std::string> itemCounts;
    std::vector<Warning> warnings;
    ScreenPoint pointer { 100, 100 };
    ScreenSize screen { 1024, 768 };
    bool panelEnabled = false;
    bool itemControlsEnabled = true;
    std::string title;
    std::string command;
    std::string targetPath;
    std::string folderNameHint;
    int processEventsCalls = 0;
    // Runs inside processEvents(), as pending window events would.
    std::function<void()> onProcessEvents;

    void showStatus(const std::string &text) override { statuses.push_back(text); }
    MessageBoxes &boxes() override { return *messageBoxes; }
    void showItemCount(const LocalText &text) override;
    void showItemLimitWarning(const LocalText &text, BoxPlacement placement) override;
    ScreenPoint pointerPosition() const override { return pointer; }
    ScreenSize screenSize() const override { return screen; }
    void setPanelEnabled(bool enabled) override { panelEnabled = enabled; }
    void setItemControlsEnabled(bool enabled) override { itemControlsEnabled = enabled; }
    void setTitleText(std::string_view text) override { title = text; }
    void setCommandText(std::string_view text) override { command = text; }
    void setTargetPathText(std::string_view text) override { targetPath = text; }
    std::string commandText() const override { return command; }
    std::string targetPathText() const override { return targetPath; }
    void setFolderNameHint(const LocalText &hint) override { folderNameHint = hint.english(); }
    void processEvents() override;

    // What a user's typing does: replace the edit's text, which the editor then writes back.
    void typeTitle(const std::string &text);
    void typeCommand(const std::string &text);
    void typeTargetPath(const std::string &text);
};

} // namespace torvex::test
