#include "support/gui/WindowEnvironment.h"

#include "platform/WindowsView.h"

namespace torvex::test {

TForm1Environment windowEnvironment(std::shared_ptr<const WindowsView> view,
    const std::filesystem::path &programFolder,
    MessageBoxes &boxes,
    const std::string &startFolder)
{
    TForm1Environment environment;
    environment.view = std::move(view);
    environment.programFolder = programFolder.string() + "/";
    environment.messageBoxes = &boxes;
    environment.candidates = IniCandidates {};
    environment.startFolder = startFolder;
    return environment;
}

std::shared_ptr<const WindowsView> viewWithoutPrefix()
{
    return std::make_shared<WindowsView>(WindowsView::withoutPrefix(Environment {}));
}

} // namespace torvex::test
