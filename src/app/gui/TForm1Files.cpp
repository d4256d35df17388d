// File commands of the main window: Open, Save, Save as, the two exits, closing, and the
// global error handler. Filled in by the file-commands work; until then the handlers below
// do the least that keeps the window usable.

#include "app/gui/TForm1.h"
#include "app/gui/TForm3.h"

#include <QDialog>

#include <vector>

namespace torvex {

void TForm1::mnuFileOpenClick()
{
    if (!m_form3 || iniFileCount == 0)
        return;
    std::vector<std::string> paths;
    for (int slot = 1; slot <= 4; ++slot)
        if (!fullIniPath[slot].empty())
            paths.push_back(fullIniPath[slot]);
    m_form3->setWindowTitle(QStringLiteral(" Choose ini file to get data from"));
    m_form3->setPaths(paths);
    if (m_form3->exec() != QDialog::Accepted)
        return;
    aktuelIniFil = m_form3->selectedPath();
    showIniPath(aktuelIniFil);
    loadData(aktuelIniFil);
}

void TForm1::mnuFilesSaveClick()
{
    if (!aktuelIniFil.empty())
        gemData(aktuelIniFil);
}

void TForm1::mnuFileSaveInClick() { }

void TForm1::mnuFileExitWithoutSavingClick()
{
    exitWithoutSaving = true;
    close();
}

void TForm1::mnuFileExitClick()
{
    close();
}

void TForm1::FormClose()
{
    writeWindowSettings();
}

void TForm1::loadData(const std::string &path)
{
    torvex::loadData(path, m_tree, *this, *m_fs);
}

void TForm1::gemData(const std::string &path)
{
    torvex::gemData(path, m_tree, *this, *m_fs);
}

void TForm1::globalErrorHandler(const std::string &, const std::string &message)
{
    m_messageBoxes->inform(message, "Error", MsgIcon::Error);
    setMenusEnabled(true);
}

void TForm1::saveFailed(const std::string &message)
{
    m_messageBoxes->inform(message, "Error", MsgIcon::Error);
}

} // namespace torvex
