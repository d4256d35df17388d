#include "support/FakeEditorUi.h"

#include "editor/MenuEditor.h"

namespace torvex::test {

void FakeEditorUi::showItemCount(const std::string &text)
{
    itemCount = text;
    itemCounts.push_back(text);
}

void FakeEditorUi::showItemLimitWarning(const std::string &text, BoxPlacement placement)
{
    warnings.push_back({ text, placement });
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
