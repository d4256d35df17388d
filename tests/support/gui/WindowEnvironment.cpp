#include "support/gui/WindowEnvironment.h"

#include "app/gui/files/IniChooserDialog.h"
#include "platform/WindowsView.h"
#include "settings/gui/OptionsDialog.h"

namespace torvex::test {

MainWindowEnvironment windowEnvironment(std::shared_ptr<const WindowsView> view,
    const std::filesystem::path &programFolder,
    MessageBoxes &boxes,
    const std::string &startFolder)
{
    MainWindowEnvironment environment;
    environment.view = std::move(view);
    environment.folders = ProgramFolders::besideExecutable(programFolder.string());
    environment.messageBoxes = &boxes;
    environment.candidates = IniCandidates {};
    environment.startFolder = startFolder;
    return environment;
}

IniCandidates foundFiles(const std::array<std::string, 4> &slots)
{
    IniCandidates found;
    found.slots = slots;
    for (const std::string &slot : slots)
        found.candidateCount += slot.empty() ? 0 : 1;
    return found;
}

std::unique_ptr<MainWindow> startedWindow(MainWindowEnvironment environment)
{
    auto form = std::make_unique<MainWindow>(std::move(environment));
    form->start();
    return form;
}

IniChooserDialog *attachChooser(MainWindow &form)
{
    auto *chooser = new IniChooserDialog(&form);
    form.setChooser(chooser);
    form.offerCandidates();
    return chooser;
}

OptionsDialog *attachOptionsDialog(MainWindow &form)
{
    auto *dialog = new OptionsDialog(form.optionsHost(), &form);
    form.setOptionsDialog(dialog);
    return dialog;
}

std::shared_ptr<const WindowsView> viewWithoutPrefix()
{
    return std::make_shared<WindowsView>(WindowsView::withoutPrefix(Environment {}));
}

} // namespace torvex::test
