#include "support/gui/PrefixWindowFixture.h"

#include "platform/WindowsView.h"
#include "support/TreeBuilder.h"
#include "support/gui/WindowEnvironment.h"

#include <QApplication>

namespace torvex::test {

PrefixWindowFixture::~PrefixWindowFixture()
{
    if (!form)
        return;
    form->session().setExitWithoutSaving(true);
    form->setMessageBoxes(&boxes);
}

void PrefixWindowFixture::startWindow(const std::string &startFolder)
{
    form = test::startedWindow(windowEnvironment(
        std::make_shared<WindowsView>(WindowsView::forPrefix(prefix.prefix(), Environment {})),
        programFolder.path(),
        boxes,
        startFolder));
    QApplication::setActiveWindow(form.get());
}

void PrefixWindowFixture::load(const std::string &text)
{
    // Built apart and handed over whole, as a load reads the file: no undo step.
    MenuTree built;
    buildTree(built, text);
    form->tree().takeNodes(built);
    form->tree().setSelected(form->tree().first());
    form->fileUi().setPanelsEnabled(true);
    form->fileUi().afterLoad();
}

} // namespace torvex::test
