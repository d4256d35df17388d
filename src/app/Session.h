#pragma once

#include "app/ErrorLog.h"
#include "platform/IniLocator.h"
#include "app/PrefixSearch.h"
#include "menu/MenuTree.h"

#include <optional>
#include <string>
#include <vector>

namespace torvex {

// The program's state for one run: the wincmd.ini candidates found at start, the file being
// edited, the drop mode, the confirmations and the application's title. It has one owner
// (the main window); windows, dialogs and commands read and change it here, never through
// each other.
class Session
{
public:
    // The title every run starts with; shown in the window's caption, About and the log.
    static constexpr const char *applicationTitle = "Torvex v1.2";

    const IniCandidates &candidates() const { return m_candidates; }
    void setCandidates(IniCandidates candidates) { m_candidates = std::move(candidates); }
    // The files found in other prefixes when the window's own prefix gave none. They are
    // offered in the chooser after the slots, never loaded without the user's choice.
    const std::vector<OtherPrefixFile> &otherPrefixFiles() const { return m_otherPrefixFiles; }
    void setOtherPrefixFiles(std::vector<OtherPrefixFile> files)
    {
        m_otherPrefixFiles = std::move(files);
    }
    // The file of another prefix at `path`, nullptr when `path` is none of them.
    const OtherPrefixFile *otherPrefixFile(const std::string &path) const;
    // The non-empty candidate paths in slot order, then the other prefixes' files, as the
    // chooser lists them.
    std::vector<std::string> candidatePaths() const;
    // Whether start-up shows the chooser: several files found, or none in the window's
    // prefix but some in others.
    bool needsChoiceAtStart() const;
    // The candidate to load without asking: the one found when exactly one was; nullopt
    // otherwise.
    std::optional<std::string> onlyCandidate() const;

    // The wincmd.ini being edited; "" before one is chosen.
    const std::string &currentIniFile() const { return m_currentIniFile; }
    void setCurrentIniFile(std::string path) { m_currentIniFile = std::move(path); }

    // Where a dropped folder or node goes relative to its target.
    AttachMode dropMode() const { return m_dropMode; }
    void setDropMode(AttachMode mode) { m_dropMode = mode; }
    // The mode a stored button index names (0 to 4); nullopt for any other number.
    static std::optional<AttachMode> dropModeFromIndex(int index);

    // Whether dropping a folder on a node with a command asks first (Options).
    bool confirmDropOnCommand() const { return m_confirmDropOnCommand; }
    void setConfirmDropOnCommand(bool confirm) { m_confirmDropOnCommand = confirm; }

    // Set by "Exit without saving": the closing steps then leave the file alone.
    bool exitWithoutSaving() const { return m_exitWithoutSaving; }
    void setExitWithoutSaving(bool exit) { m_exitWithoutSaving = exit; }

    const std::string &appTitle() const { return m_appTitle; }
    void setAppTitle(std::string title) { m_appTitle = std::move(title); }

    // The values every torvex.log entry records.
    LogContext logContext() const;

private:
    IniCandidates m_candidates;
    std::vector<OtherPrefixFile> m_otherPrefixFiles;
    std::string m_currentIniFile;
    AttachMode m_dropMode = AttachMode::AddChildFirst;
    bool m_confirmDropOnCommand = true;
    bool m_exitWithoutSaving = false;
    std::string m_appTitle;
};

} // namespace torvex
