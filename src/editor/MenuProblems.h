#pragma once

#include "core/LocalText.h"
#include "editor/EntryDestination.h"
#include "menu/DirMenuFindings.h"
#include "menu/DirMenuStorability.h"

#include <cstddef>
#include <string>
#include <vector>

namespace torvex {

class MenuNode;
class MenuTree;

// What can be wrong with one entry of the menu.
enum class ProblemKind {
    EmptyCommand, // an item without a command
    BrokenCommand, // a folder change to a folder that does not exist
    BrokenTargetPath, // a target path naming a folder that does not exist
    CannotBeStored, // an entry the file cannot store as it is (unstorableReason)
    OverItemLimit, // written after the entries the file manager reads
    CannotTell, // not a problem: where the command leads cannot be told (see reason)
};

// "no command", "broken path", "broken target path", "cannot be stored", "over the limit",
// "cannot tell".
std::string problemKindText(ProblemKind kind);
// The same text as the source the window translates, in the context problemKindContext.
const char *problemKindSource(ProblemKind kind);
inline constexpr const char *problemKindContext = "torvex::ProblemKind";

struct MenuProblem
{
    ProblemKind kind = ProblemKind::EmptyCommand;
    const MenuNode *node = nullptr; // valid until the tree changes
    std::size_t menuNumber = 0; // node index + 1, as the editor counts entries
    std::size_t writtenNumber = 0; // the N of the key menuN a save writes for the entry
    // The key and line the entry was read from, when the report names them (fileLine 0: not).
    std::string fileKey;
    std::size_t fileLine = 0;
    // the titles from the top level down to the entry, shortened in the middle for a deep one
    // (TitlePathWalk)
    std::vector<std::string> titlePath;
    std::string command;
    std::string targetPath;
    std::string folder; // the folder the command or target path names, as understood
    std::string reason; // why, in a few words ("the folder does not exist", ...)
};

// A finding of an entry's command or target path (EmptyCommand, BrokenCommand, CannotTell or
// BrokenTargetPath), without where the entry stands.
struct EntryCheck
{
    ProblemKind kind = ProblemKind::EmptyCommand;
    std::string folder;
    LocalText reason; // destinationReasonLine
};

// What the rule finds of `node`'s command and target path, in the order a scan lists them;
// nothing for a submenu or a separator. This is the part of a scan that looks at the disk.
std::vector<EntryCheck> checkEntryFolders(const MenuNode &node, const DestinationRule &rule);

// A kind as a bit of a set of kinds.
constexpr unsigned problemKindBit(ProblemKind kind)
{
    return 1u << static_cast<unsigned>(kind);
}

// The kinds of what checkEntryFolders finds (problemKindBit each), with the same looks at the
// disk but without the texts.
unsigned entryCheckKinds(const MenuNode &node, const DestinationRule &rule);

// The number of "menu" lines the writer puts after a node's own line: the end lines of the
// submenus that this node closes. Each node is the last child of one parent at most, so the
// walks over a whole tree take time in proportion to its size.
std::size_t endLinesAfter(const MenuNode &node);

// The reason given for an entry over the limit that a save writes as menu`writtenNumber`
// ("entry 501 of the file; the file manager reads 500").
LocalText overLimitReason(std::size_t writtenNumber);

struct MenuProblemScan
{
    std::vector<MenuProblem> problems; // in menu order; an entry may have several
    std::vector<MenuProblem> undecided; // the entries whose command cannot be told, in order
};

// Every problem of the menu in one walk. Submenus and separators have no command; their
// titles are checked for what cannot be stored, and a submenu's place for the limit.
MenuProblemScan findMenuProblems(const MenuTree &tree, const DestinationRule &rule);

// The titles joined with " > ".
std::string titlePathText(const std::vector<std::string> &titlePath);

// One line for a report: "menu 5: broken path: Tools > Editor (C:\Gone)"; the folder or the
// reason in parentheses when there is one. When the entry's key and line in the file are
// known, they name it, beside the key a save would write:
// "line 37, menu17 (saved as menu15): no command: Camera".
std::string problemLine(const MenuProblem &problem);

// The problems as a JSON array of objects with the members kind, menuNumber, writtenKey (the
// key a save writes), line and key (as read from the file; 0 and "" when not known),
// titlePath (an array), command, targetPath, folder and reason; strings are escaped as JSON
// requires, every control character included, and what is not well-formed UTF-8 becomes U+FFFD. The
// lines of the file that the menu does not show come first, as objects with the members kind ("not
// shown"), line, text and reason.
std::string problemsAsJson(
    const std::vector<MenuProblem> &problems, const std::vector<DirMenuFinding> &notShown = {});

} // namespace torvex
