#include "support/FakeEditorUi.h"

#include "editor/MenuEditor.h"

namespace torvex::test {

void FakeEditorUi::showItemCount(const LocalText &text)
{
    itemCount = text.english();
    itemCounts.push_back(itemCount);
}

void FakeEditorUi::showItemLimitWarning(const LocalText &text, BoxPlacement placement)
{
    warnings.push_back({ text.english(), placement });
}

void FakeEditorUi::typeTitle(const std::string &text)
{
    if (text == title)
        return;
    title = text;
    if (editor)
        editor->titleEdited(text);
}

void FakeEditorUi::typeCommand(const std::string &text)
{
    if (text == command)
        return;
    command = text;
    if (editor)
        editor->commandEdited(text);
}

void FakeEditorUi::typeTargetPath(const std::string &text)
{
    if (text == targetPath)
        return;
    targetPath = text;
    if (editor)
        editor->targetPathEdited(text);
}

void FakeEditorUi::processEvents()
{
    ++processEventsCalls;
    if (onProcessEvents)
        onProcessEvents();
}

} // namespace torvex::test
