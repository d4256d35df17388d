#pragma once

#include "core/LocalText.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace torvex {

class RegistryView;
class WindowsView;

// Where an entry leads, as the file manager will run it.
enum class Destination {
    Exists, // a folder change to a folder that exists
    Broken, // a folder change to a folder that does not exist, or nothing at all
    CannotTell, // the answer depends on what only the running file manager knows
};

// Why a destination could not be told (Destination::CannotTell), or why it is broken.
enum class DestinationReason {
    None,
    Empty, // nothing to run (broken)
    MissingFolder, // the folder is not there (broken)
    NotFolderChange, // a program or an internal command, not "cd"
    UndefinedVariable, // a %NAME% that neither Windows nor the file manager defines
    NetworkPath, // \\server\share: not reachable from here
    NoDrive, // \folder or a relative path: depends on the current folder
};

// The answer for one command or target path.
struct DestinationCheck
{
    Destination destination = Destination::CannotTell;
    DestinationReason reason = DestinationReason::None;
    // The folder as the file manager would see it, variables expanded and a file mask
    // removed; empty when the command names none.
    std::string folder;
    // For an undefined variable: its name, without the percent signs.
    std::string variable;

    bool isBroken() const { return destination == Destination::Broken; }
};

// A short text for the reason ("the variable %X% is not defined", ...) as the window shows it,
// in the context destinationReasonContext; empty (no source) for None.
LocalText destinationReasonLine(const DestinationCheck &check);
inline constexpr const char *destinationReasonContext = "torvex::DestinationReason";
// The same in English; "" for None.
std::string destinationReasonText(const DestinationCheck &check);

// Looks up a variable by name (without percent signs, any letter case).
using VariableLookup = std::function<std::optional<std::string>(std::string_view name)>;

// Tells where commands and target paths lead. A folder change is "cd" in any letter case,
// then blanks, then the folder: in quotes or not, with %NAME% variables, and possibly a file
// mask as its last part ("cd C:\Work\*.txt" opens C:\Work). Variables come from `variables`;
// a folder is looked up with `folderExists` (a Windows path, matched as Wine matches it).
class DestinationRule
{
public:
    DestinationRule(VariableLookup variables, std::function<bool(std::string_view)> folderExists);

    // The rule over a Windows view: its environment (the prefix's registry environment and
    // the folders Windows defines) and COMMANDER_PATH = `commanderPath` when not empty.
    static DestinationRule forView(const WindowsView &view, std::string commanderPath);

    // Where `command` leads. Empty -> Broken(Empty); not "cd ..." -> CannotTell(NotFolderChange).
    DestinationCheck ofCommand(std::string_view command) const;

    // Where a target path leads, read as the folder of a folder change. An empty path is
    // CannotTell(None): there is nothing to check.
    DestinationCheck ofTargetPath(std::string_view path) const;

    // Whether `folder` (a Windows path) exists, as the rule looks it up.
    bool folderExists(std::string_view folder) const { return m_folderExists(folder); }

    // The same rule (the same variables) with its folders looked up by `folderExists`: a
    // cache of the answers, or answers known from an earlier check.
    DestinationRule withFolderLookup(std::function<bool(std::string_view)> folderExists) const
    {
        return DestinationRule(m_variables, std::move(folderExists));
    }

private:
    DestinationCheck ofFolder(std::string_view folder) const;

    VariableLookup m_variables;
    std::function<bool(std::string_view)> m_folderExists;
};

// The variables a program started by the file manager sees: the Windows environment of
// `view`, and COMMANDER_PATH as `programFolder()` gives it when that is not empty.
VariableLookup fileManagerVariables(
    const WindowsView &view, std::function<std::string()> programFolder);

// The file manager's own program folder (its COMMANDER_PATH): the "InstallDir" of its
// registry key (the user's first, then the machine's), else the folder of `iniFile`; without
// a trailing backslash. "" when neither gives one.
std::string commanderPath(const RegistryView &registry, std::string_view iniFile);

} // namespace torvex
