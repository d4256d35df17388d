#include "editor/EntryDestination.h"

#include "core/Text.h"
#include "platform/FileManagerKeys.h"
#include "platform/RegistryError.h"
#include "platform/RegistryView.h"
#include "platform/WindowsPath.h"
#include "platform/WindowsView.h"

#include <algorithm>

namespace torvex {

namespace {

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

// "cd" in any letter case followed by the end, a blank, a quote or a path character: the
// file manager accepts "cd\windows" as well as "cd \windows".
std::optional<std::string_view> folderOfFolderChange(std::string_view command)
{
    if (command.size() < 2 || (command[0] != 'c' && command[0] != 'C')
        || (command[1] != 'd' && command[1] != 'D'))
        return std::nullopt;
    if (command.size() > 2) {
        const char next = command[2];
        if (!isBlankOrControl(next) && next != '"' && !isSeparator(next) && next != '.')
            return std::nullopt;
    }
    return trimmed(command.substr(2));
}

// The text between a leading double quote and the next one (or the end); blanks after the
// closing quote are of no account.
std::string_view unquoted(std::string_view text)
{
    if (text.empty() || text.front() != '"')
        return text;
    text.remove_prefix(1);
    const std::size_t close = text.find('"');
    return trimmed(text.substr(0, close));
}

// Drops a last part holding '*' or '?', and separators at the end (but not the root's).
std::string withoutMask(std::string folder)
{
    // Searched a character at a time: find_last_of would look each one up in the set.
    const auto lastSeparator = std::find_if(folder.rbegin(), folder.rend(), isSeparator);
    const auto partStart = lastSeparator.base();
    if (std::any_of(partStart, folder.end(), [](char c) {
            return c == '*' || c == '?';
        }))
        folder.erase(partStart, folder.end());
    while (folder.size() > 1 && isSeparator(folder.back())
        && !(folder.size() == 3 && isWindowsPath(folder)))
        folder.pop_back();
    return folder;
}

bool isNetworkPath(std::string_view folder)
{
    return folder.size() >= 2 && isSeparator(folder[0]) && isSeparator(folder[1]);
}

DestinationCheck cannotTell(DestinationReason reason, std::string folder)
{
    return { Destination::CannotTell, reason, std::move(folder), {} };
}

} // namespace

LocalText destinationReasonLine(const DestinationCheck &check)
{
    switch (check.reason) {
    case DestinationReason::None:
        return {};
    case DestinationReason::Empty:
        return { destinationReasonContext,
            QT_TRANSLATE_NOOP("torvex::DestinationReason", "no folder is given") };
    case DestinationReason::MissingFolder:
        return { destinationReasonContext,
            QT_TRANSLATE_NOOP("torvex::DestinationReason", "the folder does not exist") };
    case DestinationReason::NotFolderChange:
        return { destinationReasonContext,
            QT_TRANSLATE_NOOP("torvex::DestinationReason", "not a folder change") };
    case DestinationReason::UndefinedVariable:
        return LocalText(destinationReasonContext,
            QT_TRANSLATE_NOOP("torvex::DestinationReason", "the variable %1 is not defined"))
            .arg("%" + check.variable + "%");
    case DestinationReason::NetworkPath:
        return { destinationReasonContext,
            QT_TRANSLATE_NOOP("torvex::DestinationReason", "a network path") };
    case DestinationReason::NoDrive:
        return { destinationReasonContext,
            QT_TRANSLATE_NOOP("torvex::DestinationReason",
                "a path without a drive, relative to the current folder") };
    }
    return {};
}

std::string destinationReasonText(const DestinationCheck &check)
{
    return destinationReasonLine(check).english();
}

DestinationRule::DestinationRule(
    VariableLookup variables, std::function<bool(std::string_view)> folderExists)
    : m_variables(std::move(variables))
    , m_folderExists(std::move(folderExists))
{ }

VariableLookup fileManagerVariables(
    const WindowsView &view, std::function<std::string()> programFolder)
{
    return [&view, programFolder = std::move(programFolder)](
               std::string_view name) -> std::optional<std::string> {
        if (asciiLower(name) == "commander_path")
            if (std::string folder = programFolder(); !folder.empty())
                return folder;
        return view.environment().value(name);
    };
}

DestinationRule DestinationRule::forView(const WindowsView &view, std::string commanderPath)
{
    return DestinationRule(fileManagerVariables(view,
                               [commanderPath = std::move(commanderPath)] {
                                   return commanderPath;
                               }),
        [&view](std::string_view folder) {
            return view.directoryExists(folder);
        });
}

DestinationCheck DestinationRule::ofCommand(std::string_view command) const
{
    command = trimmed(command);
    if (command.empty())
        return { Destination::Broken, DestinationReason::Empty, {}, {} };
    const auto folder = folderOfFolderChange(command);
    if (!folder)
        return cannotTell(DestinationReason::NotFolderChange, {});
    return ofFolder(*folder);
}

DestinationCheck DestinationRule::ofTargetPath(std::string_view path) const
{
    path = trimmed(path);
    if (path.empty())
        return {};
    return ofFolder(path);
}

DestinationCheck DestinationRule::ofFolder(std::string_view text) const
{
    text = unquoted(trimmed(text));
    if (text.empty())
        return { Destination::Broken, DestinationReason::Empty, {}, {} };

    // Every %NAME% is replaced once; a lone percent sign stays as it is.
    std::string expanded;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('%', at);
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            expanded.append(text.substr(at));
            break;
        }
        expanded.append(text.substr(at, open - at));
        const std::string_view name = text.substr(open + 1, close - open - 1);
        const auto value = name.empty() ? std::nullopt : m_variables(name);
        if (!value) {
            DestinationCheck check = cannotTell(DestinationReason::UndefinedVariable, {});
            check.folder = std::string(text);
            check.variable = std::string(name);
            return check;
        }
        expanded.append(*value);
        at = close + 1;
    }

    std::string folder = withoutMask(std::string(trimmed(expanded)));
    if (isNetworkPath(folder))
        return cannotTell(DestinationReason::NetworkPath, std::move(folder));
    if (!isWindowsPath(folder))
        return cannotTell(DestinationReason::NoDrive, std::move(folder));
    if (folder.size() == 2)
        folder += '\\'; // "C:" opens the drive's root
    if (m_folderExists(folder))
        return { Destination::Exists, DestinationReason::None, std::move(folder), {} };
    return { Destination::Broken, DestinationReason::MissingFolder, std::move(folder), {} };
}

std::string commanderPath(const RegistryView &registry, std::string_view iniFile)
{
    const std::pair<RegistryRoot, std::string_view> keys[] = {
        { RegistryRoot::CurrentUser, fileManagerUserKey },
        { RegistryRoot::LocalMachine, fileManagerMachineKey },
    };
    for (const auto &[root, key] : keys) {
        try {
            std::string folder = registry.readString(root, key, "InstallDir").value_or("");
            while (!folder.empty() && isSeparator(folder.back()))
                folder.pop_back();
            if (!folder.empty())
                return folder;
        } catch (const RegistryError &) {
            // A value of the wrong type names no folder; the next source may.
        }
    }
    const std::size_t slash = iniFile.find_last_of("\\/");
    if (slash == std::string_view::npos || slash == 0)
        return {};
    return std::string(iniFile.substr(0, slash));
}

} // namespace torvex
