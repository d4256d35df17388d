#pragma once

#include "editor/ItemCount.h"

#include <string>
#include <string_view>

namespace torvex {

class MessageBoxes;

// What the editing logic needs from the main window. The window implements it over its
// widgets; tests implement it over plain fields.
class EditorUi
{
public:
    virtual ~EditorUi() = default;

    // Writes `text` into the message panel of the status bar (the window adds the leading
    // blank).
    virtual void showStatus(const std::string &text) = 0;
    // The same with a text the window shows in the user's language.
    virtual void showStatus(const LocalText &text) { showStatus(text.english()); }
    // Shows the item count text in the second status panel.
    virtual void showItemCount(const LocalText &text) = 0;
    // The message boxes in use now (tests may replace them at any time).
    virtual MessageBoxes &boxes() = 0;
    // Shows the modal item limit warning (information icon, OK) with its corner at `placement`.
    virtual void showItemLimitWarning(const LocalText &text, BoxPlacement placement) = 0;
    virtual ScreenPoint pointerPosition() const = 0;
    virtual ScreenSize screenSize() const = 0;

    // The details panel as a whole.
    virtual void setPanelEnabled(bool enabled) = 0;
    // The Command and Target path edits and the F6 and F7 buttons.
    virtual void setItemControlsEnabled(bool enabled) = 0;
    // Setting an edit's text only shows it: nothing is written into the tree. What the user
    // types reaches the node through MenuEditor::titleEdited and its siblings; what the editor
    // puts in itself (F5-F7) it writes into the node itself.
    virtual void setTitleText(std::string_view text) = 0;
    virtual void setCommandText(std::string_view text) = 0;
    virtual void setTargetPathText(std::string_view text) = 0;
    virtual std::string commandText() const = 0;
    virtual std::string targetPathText() const = 0;
    // The hint of the F5 button.
    virtual void setFolderNameHint(const LocalText &hint) = 0;

    // Lets pending window events run so the window repaints during a search. It must not
    // deliver user input: nothing may change the tree while a search walks it.
    virtual void processEvents() = 0;
};

} // namespace torvex
