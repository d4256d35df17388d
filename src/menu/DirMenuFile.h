#pragma once

#include "menu/DirMenuFindings.h"
#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/MenuTree.h"

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

class FileSystem;

// A failure's message followed by its cause on the same line ("Unable to write to <path>: No
// space left on device"); the message alone when there is no cause.
std::string messageWithCause(const std::string &message, const std::string &cause);

// Gathers the reader's values of the document's DirMenu section, in one walk over its lines;
// returns, in file order, the lines of its DirMenu sections that the menu does not show
// (DirMenuLoadReport). Values the document holds as they are stay views into it. `menuLine`
// is given, in file order, every DirMenu line that IniDocument::visitSection gives.
std::vector<DirMenuFinding> gatherDirMenu(const IniDocument &document,
    DirMenuValues &values,
    const IniEntryVisitor &menuLine = {},
    std::string_view section = dirMenuSection);

// Where an entry of the menu stands in the file: its key menuN as written there and its line.
struct EntrySource
{
    std::string key;
    std::size_t lineNumber = 0; // counted from 1
};

// The key and line each entry was read from, one for each node of the menu that readMenuFile
// builds from `document`, in the tree's order (MenuTree::forEach).
std::vector<EntrySource> menuEntrySources(
    const IniDocument &document, std::string_view section = dirMenuSection);

// Replaces the tree with the DirMenu section of the file at `path` and selects its first node.
// Returns, in file order, the lines of the file's DirMenu sections that the menu does not show
// (DirMenuLoadReport), which a save would remove.
// The file is read before the tree is cleared: a file that cannot be read, or whose text
// Torvex refuses (IniFormatError), throws IniReadError and leaves the tree as it was.
// `cleared` runs once the old tree is gone, before the new one is built; `progress` reports
// the building. `menuLine` is given, in file order, every DirMenu line that
// IniDocument::visitSection gives, from the same read as the menu. A menu of more than
// `maxDepth` levels (when it is not 0) throws IniReadError with tooDeepCause and leaves the
// tree as it was. `asRead`, when given, sees the file as read, before the tree is built.
std::vector<DirMenuFinding> readMenuFile(const std::string &path,
    MenuTree &tree,
    FileSystem &fs,
    const ProgressFn &progress = {},
    const std::function<void()> &cleared = {},
    const IniEntryVisitor &menuLine = {},
    std::size_t maxDepth = 0,
    std::string_view section = dirMenuSection,
    const std::function<void(const IniDocument &asRead)> &asRead = {});

// Why a menu is not loaded: "the menu is nested <depth> levels deep; Torvex shows at most
// <limit>".
std::string tooDeepCause(std::size_t depth, std::size_t limit);
// Whether a read error's cause is one tooDeepCause gave.
bool isTooDeepCause(std::string_view cause);

// Replaces the DirMenu section of the file at `path` with the tree, in one atomic write; the
// rest of the file keeps its bytes; an empty tree leaves an empty section. Throws on failure
// (IniWriteError for the file's own, with fileChangedCause when another program wrote the
// file during the save); the file is then unchanged. `checkAsRead` sees the file as read
// under the save's lock (IniFile::replaceSection) and may stop the save by throwing.
void writeMenuFile(const std::string &path,
    const MenuTree &tree,
    FileSystem &fs,
    const ProgressFn &progress = {},
    const std::function<void(const IniDocument &asRead)> &checkAsRead = {},
    std::string_view section = dirMenuSection);

// What a failed save reports: the message and, apart, its cause (""when there is none). A
// value the file refused is named on the message's second line (refusedEntryText), which
// says all there is, and apart for the window (refusedEntryLine); any other write failure
// carries the system's cause, in the system's words.
struct SaveFailure
{
    std::string message;
    std::string cause;
    std::optional<LocalText> refusal;
};
SaveFailure describeSaveFailure(const std::exception &error, const MenuTree &tree);

// What a resave found and did.
struct ResaveOutcome
{
    std::vector<DirMenuFinding> notShown; // the lines the menu does not show, now removed
    bool empty = false; // the menu reads as empty: nothing was written
};

// Reads the DirMenu section of the file at `path` and writes it back as the editor would save
// the menu it reads, in one pass over the file's lines and without building the menu, so that
// a file of a million entries is held about once. The rest of the file keeps its bytes, and a
// file whose bytes would not change is not written. `loaded` is told the lines the menu does
// not show before anything is written; `writing` runs when the menu is to be written, before
// the file is touched (an exception from it stops the resave). Throws IniReadError when the
// file cannot be read and TorvexError with the message of describeSaveFailure when it cannot
// be written.
ResaveOutcome resaveMenu(const std::string &path,
    FileSystem &fs,
    const std::function<void(const std::vector<DirMenuFinding> &notShown)> &loaded = {},
    std::string_view section = dirMenuSection,
    const std::function<void()> &writing = {});

} // namespace torvex
