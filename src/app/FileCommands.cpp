#include "app/FileCommands.h"

#include "app/Session.h"
#include "core/MessageBoxes.h"
#include "menu/MenuTree.h"
#include "settings/ProgramSettings.h"

#include <exception>
#include <utility>

namespace torvex {

LocalText iniFileNotFoundText(const std::string &path)
{
    return LocalText::joined(
        { fileCommandText(QT_TRANSLATE_NOOP("torvex::FileCommands", "Can't find this ini file:")),
            LocalText::verbatim(path) },
        lineBreak);
}

LocalText closeAnywayText(const std::string &path, bool settingsFailed)
{
    std::vector<LocalText> lines { fileCommandText(
        QT_TRANSLATE_NOOP("torvex::FileCommands", "The menu was not saved to %1."))
                                       .arg(path) };
    if (settingsFailed)
        lines.push_back(fileCommandText(settingsNotSavedText));
    lines.push_back(LocalText::verbatim(""));
    lines.push_back(fileCommandText(QT_TRANSLATE_NOOP("torvex::FileCommands", "Close anyway?")));
    return LocalText::joined(std::move(lines), lineBreak);
}

bool askBeforeExitWithoutSaving(const ProgramSettings &settings)
{
    try {
        return settings.readAskOnExitWithoutSaving();
    } catch (const std::exception &) {
        // Asking once too often is harmless; leaving without the question is not.
        return true;
    }
}

FileCommands::FileCommands(FileCommandsHost &host, const MenuTree &tree, Session &session)
    : m_host(host)
    , m_tree(tree)
    , m_session(session)
{ }

void FileCommands::runChooser(const LocalText &caption, ChooserAction action)
{
    const std::vector<std::string> paths = m_session.candidatePaths();
    if (paths.empty()) {
        m_host.messages().inform(
            fileCommandText(noIniFileText), fileCommandText(noIniFileCaption), MsgIcon::Error);
        return;
    }
    const std::optional<std::string> chosen = m_host.chooseIniFile(caption, paths);
    if (!chosen)
        return;
    // The choice becomes the current file even when it has gone missing since start-up.
    m_session.setCurrentIniFile(*chosen);
    if (!m_host.fileExists(m_session.currentIniFile())) {
        m_host.messages().inform(iniFileNotFoundText(m_session.currentIniFile()),
            fileCommandText(iniFileNotFoundCaption),
            MsgIcon::Error);
        return;
    }
    m_host.setIniPanelText(" " + m_session.currentIniFile());
    if (action == ChooserAction::Load)
        m_host.openMenuFile(m_session.currentIniFile());
    else
        m_host.saveMenuToFile(m_session.currentIniFile());
}

void FileCommands::fileOpen()
{
    if (!m_session.currentIniFile().empty() && !m_tree.isEmpty()) {
        const MsgResult answer = m_host.messages().ask(fileCommandText(saveMenusText),
            fileCommandText(saveMenusCaption),
            MsgIcon::Question,
            MsgButtons::YesNoCancel);
        if (answer == MsgResult::Cancel)
            return;
        if (answer == MsgResult::Yes) {
            fileSave();
            return;
        }
    }
    runChooser(fileCommandText(chooseOpenCaption), ChooserAction::Load);
}

void FileCommands::fileSave()
{
    const bool hasFile =
        !m_session.currentIniFile().empty() && m_host.fileExists(m_session.currentIniFile());
    if (m_tree.isEmpty()) {
        // Emptying the menu is a change like any other: the file's entries go, after a
        // question, unless there are none.
        if (!hasFile
            || m_host.saveMenuToFile(m_session.currentIniFile()) == SaveOutcome::NothingWritten)
            m_host.messages().inform(fileCommandText(nothingToSaveText),
                fileCommandText(nothingToSaveCaption),
                MsgIcon::Information);
        return;
    }
    if (hasFile) {
        m_host.saveMenuToFile(m_session.currentIniFile());
        return;
    }
    runChooser(fileCommandText(chooseSaveCaption), ChooserAction::Save);
}

void FileCommands::fileSaveAs()
{
    if (m_tree.isEmpty()) {
        m_host.messages().inform(fileCommandText(nothingToSaveText),
            fileCommandText(nothingToSaveCaption),
            MsgIcon::Information);
        return;
    }
    runChooser(fileCommandText(chooseSaveCaption), ChooserAction::Save);
}

void FileCommands::fileExitWithoutSaving()
{
    if (m_session.currentIniFile().empty() && m_tree.isEmpty()) {
        m_host.closeWindow();
        return;
    }
    if (m_host.confirmExitWithoutSaving()) {
        const MsgResult answer = m_host.messages().ask(fileCommandText(exitWithoutSavingText),
            fileCommandText(exitWithoutSavingCaption),
            MsgIcon::Question,
            MsgButtons::YesNoCancel);
        if (answer == MsgResult::Cancel)
            return;
        if (answer == MsgResult::No) {
            fileExitAndSave();
            return;
        }
    }
    m_session.setExitWithoutSaving(true);
    m_host.closeWindow();
}

void FileCommands::fileExitAndSave()
{
    m_host.closeWindow();
}

bool FileCommands::settingsStored()
{
    std::string message;
    try {
        m_host.writeWindowSettings();
        return true;
    } catch (const std::exception &error) {
        message = error.what();
    } catch (...) {
        message = "Unknown error";
    }
    // The user is told what was lost, and closing goes on: settings never keep anyone in.
    m_host.reportError(message + lineBreak + settingsNotSavedText);
    return false;
}

CloseDecision FileCommands::formClose()
{
    const bool settingsFailed = !settingsStored();
    if (m_session.exitWithoutSaving())
        return CloseDecision::Close;
    const bool hasFile = m_host.fileExists(m_session.currentIniFile());
    // An empty tree without a file has nothing to write anywhere.
    if (m_tree.isEmpty() && !hasFile)
        return CloseDecision::Close;
    if (hasFile) {
        switch (m_host.saveMenuToFile(m_session.currentIniFile())) {
        case SaveOutcome::Saved:
        case SaveOutcome::NothingWritten:
        case SaveOutcome::Unchanged:
            return CloseDecision::Close;
        case SaveOutcome::Declined:
            // Cancel keeps the edits on screen; No to emptying the file leaves it as it is.
            return m_tree.isEmpty() ? CloseDecision::Close : CloseDecision::KeepOpen;
        case SaveOutcome::Failed:
            break;
        }
        // Failed writes leave the file as it was; the user decides whether the edits may go,
        // and Enter keeps them.
        const MsgResult answer =
            m_host.messages().ask(closeAnywayText(m_session.currentIniFile(), settingsFailed),
                fileCommandText(notSavedCaption),
                MsgIcon::Warning,
                MsgButtons::YesNo,
                MsgResult::No);
        return answer == MsgResult::Yes ? CloseDecision::Close : CloseDecision::KeepOpen;
    }
    fileSaveAs();
    return CloseDecision::KeepOpen;
}

} // namespace torvex
