// Where an entry leads, against a plain model of the rule the help gives: commands are put
// together from their pieces (the "cd" in any letter case, what stands between it and the
// folder, quotes or none, a drive, a variable or a network share, folders joined by
// backslashes or slashes, a trailing separator, a file mask), and the model answers from the
// pieces, never from the text.
#include "editor/CommandFolder.h"
#include "editor/EntryDestination.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace torvex {
namespace {

std::string normalized(std::string_view folder)
{
    std::string out(folder);
    for (char &c : out) {
        if (c == '/')
            c = '\\';
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// The folders that exist, as normalized() gives them.
const std::set<std::string> kFolders = { "c:\\",
    "c:\\work",
    "c:\\work\\sub",
    "c:\\my files",
    "c:\\my files\\sub",
    "c:\\users\\anna",
    "c:\\users\\anna\\documents",
    "c:\\fm",
    "c:\\fm\\sub" };

std::optional<std::string> variable(std::string_view name)
{
    const std::string lower = normalized(name);
    if (lower == "userprofile")
        return "C:\\users\\anna";
    if (lower == "commander_path")
        return "C:\\fm";
    if (lower == "drive")
        return "C:";
    return std::nullopt;
}

const DestinationRule kRule { variable, [](std::string_view folder) {
                                 return kFolders.contains(normalized(folder));
                             } };

// How the folder begins.
enum class Start {
    Nothing, // "cd" alone, or empty quotes
    DriveC,
    DriveLowerC,
    MissingDrive,
    NoDrive, // a separator first: depends on the current folder
    Relative, // a folder name first
    Network,
    Profile, // %USERPROFILE%
    CommanderPath,
    DriveVariable, // %DRIVE%, which holds "C:"
    Undefined, // %NOSUCH%
};

struct Start_
{
    Start start;
    const char *text;
    const char *folder; // the folder it stands for, normalized; nullptr where none is checked
};

const Start_ kStarts[] = {
    { Start::Nothing, "", nullptr },
    { Start::DriveC, "C:", "c:" },
    { Start::DriveLowerC, "c:", "c:" },
    { Start::MissingDrive, "Q:", "q:" },
    { Start::NoDrive, "", nullptr },
    { Start::Relative, "", nullptr },
    { Start::Network, "\\\\server\\share", nullptr },
    { Start::Profile, "%USERPROFILE%", "c:\\users\\anna" },
    { Start::CommanderPath, "%COMMANDER_PATH%", "c:\\fm" },
    { Start::DriveVariable, "%DRIVE%", "c:" },
    { Start::Undefined, "%NOSUCH%", nullptr },
};

// "Wo?k" is a mask where it is the last part, and part of a name anywhere else.
const char *const kParts[] = { "Work", "WORK", "work", "My Files", "Gone", "Sub", "Documents", "Wo?k" };
const char *const kMasks[] = { "*.txt", "*.*", "*", "a?.doc", "Report ?.*" };
const char *const kGaps[] = { " ", "  ", "\t", " \t " };
const char *const kSurroundings[] = { "", " ", "  ", "\t" };

// The same letters in a random mixture of cases.
std::string mixedCase(std::string_view text)
{
    std::string out(text);
    for (char &c : out) {
        if (c >= 'a' && c <= 'z' && *rc::gen::arbitrary<bool>())
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z' && *rc::gen::arbitrary<bool>())
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

template<typename T, std::size_t N>
const T &pick(const T (&items)[N])
{
    return items[*rc::gen::inRange<std::size_t>(0, N)];
}

char separator()
{
    return *rc::gen::element('\\', '/');
}

struct Expected
{
    Destination destination;
    DestinationReason reason;
    std::string folder; // normalized; compared for Exists and MissingFolder
};

RC_GTEST_PROP(EntryDestinationProperty, EveryWrittenFormGetsTheAnswerOfTheRule, ())
{
    const Start_ &start = pick(kStarts);
    std::vector<std::string> parts;
    bool trailingSeparator = false;
    std::string mask;
    if (start.start != Start::Nothing) {
        const std::size_t least =
            start.start == Start::NoDrive || start.start == Start::Relative ? 1 : 0;
        const auto count = *rc::gen::inRange<std::size_t>(least, 4);
        for (std::size_t i = 0; i < count; ++i)
            parts.push_back(mixedCase(pick(kParts)));
        trailingSeparator = *rc::gen::arbitrary<bool>();
        if (*rc::gen::arbitrary<bool>())
            mask = pick(kMasks);
    }

    // The folder as written.
    std::string folder = start.start == Start::Profile || start.start == Start::CommanderPath
            || start.start == Start::DriveVariable || start.start == Start::Undefined
        ? "%" + mixedCase(std::string_view(start.text).substr(1, std::string_view(start.text).size() - 2))
            + "%"
        : std::string(start.text);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0 || start.start != Start::Relative)
            folder += separator();
        folder += parts[i];
    }
    if (trailingSeparator && !(start.start == Start::NoDrive && parts.empty()))
        folder += separator();
    if (!mask.empty())
        folder += separator() + mask;
    const bool quoted = *rc::gen::arbitrary<bool>();
    if (quoted)
        folder = "\"" + folder + "\"" + pick(kSurroundings);

    // "cd" runs into the folder only where the folder starts with a separator or a quote.
    const bool mayTouch = folder.empty() || folder.front() == '"' || folder.front() == '\\'
        || folder.front() == '/';
    const std::string gap = mayTouch && *rc::gen::arbitrary<bool>() ? "" : pick(kGaps);
    const std::string command =
        pick(kSurroundings) + mixedCase("cd") + gap + folder + pick(kSurroundings);

    // The model.
    Expected expected { Destination::CannotTell, DestinationReason::None, {} };
    switch (start.start) {
    case Start::Nothing:
        expected = { Destination::Broken, DestinationReason::Empty, {} };
        break;
    case Start::NoDrive:
    case Start::Relative:
        expected.reason = DestinationReason::NoDrive;
        break;
    case Start::Network:
        expected.reason = DestinationReason::NetworkPath;
        break;
    case Start::Undefined:
        expected.reason = DestinationReason::UndefinedVariable;
        break;
    default: {
        std::string path = start.folder;
        const bool lastPartIsMask = mask.empty() && !trailingSeparator && !parts.empty()
            && parts.back().find_first_of("*?") != std::string::npos;
        if (lastPartIsMask)
            parts.pop_back();
        for (const std::string &part : parts)
            path += "\\" + normalized(part);
        if (parts.empty() && path.size() == 2)
            path += '\\';
        const bool exists = kFolders.contains(path);
        expected = { exists ? Destination::Exists : Destination::Broken,
            exists ? DestinationReason::None : DestinationReason::MissingFolder,
            path };
    }
    }

    const DestinationCheck check = kRule.ofCommand(command);
    RC_ASSERT(check.destination == expected.destination);
    RC_ASSERT(check.reason == expected.reason);
    if (expected.reason == DestinationReason::None || expected.reason == DestinationReason::MissingFolder)
        RC_ASSERT(normalized(check.folder) == expected.folder);
    if (expected.reason == DestinationReason::UndefinedVariable)
        RC_ASSERT(normalized(check.variable) == "nosuch");
    RC_ASSERT(stopsBrokenPathSearch(command, kRule) == (expected.destination == Destination::Broken));

    // The target path with the same folder gets the same answer.
    if (start.start != Start::Nothing) {
        const DestinationCheck target = kRule.ofTargetPath(folder);
        RC_ASSERT(target.destination == expected.destination);
        RC_ASSERT(target.reason == expected.reason);
    }
}

} // namespace
} // namespace torvex
