#pragma once

#include "core/LineDiff.h"
#include "core/LocalText.h"
#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/MenuEntryList.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

class FileSystem;
class MenuTree;

// What the window says when the file's menu and the editor's are the same.
inline constexpr const char *menuComparisonContext = "torvex::MenuComparison";
inline constexpr const char *sameMenuText =
    QT_TRANSLATE_NOOP("torvex::MenuComparison", "The menu on disk is the same as in the editor.");

// The DirMenu lines of the file at `path` as the reader takes them (visitDirMenuLines): the
// section's entries in file order, the first occurrence of each key, values trimmed and unquoted,
// none empty. Nothing when the file or the section is missing. Throws IniReadError when the file
// cannot be read (IniFormatError when its text is one Torvex refuses).
DirMenuEntries dirMenuLinesOnDisk(
    const std::string &path, FileSystem &fs, std::string_view section = dirMenuSection);

// The DirMenu lines a save writes for `tree` (writeDirMenu, the writer's own lines), less those
// with an empty value: the reader takes "cmd7=" for no line at all, so a comparison with
// dirMenuLinesOnDisk shows neither.
DirMenuEntries dirMenuLinesToSave(const MenuTree &tree);

// The entries a save of `tree` writes (dirMenuLinesToSave) as readDirMenu reads them back: the
// tree's own when every entry reads back as it is, without writing a line; else those of its
// lines written and read.
MenuEntryList entriesToSave(const MenuTree &tree);

// How the entries of two menus differ. Entries are the nodes of each menu in pre-order, as
// the reader builds them from the lines. An entry that is not matched with an unchanged one
// (same title, command, target path, kind and depth at the same place in the order) is
// - moved when the other menu has an unmatched entry with the same title, command, target
//   path and kind elsewhere (depth may differ: it went into or out of a submenu); an added
//   entry comes from the first removed one of its content not taken yet;
// - changed when it stands at the same place as an unmatched entry of the other menu: in the
//   same run of differing entries, paired in order (another title, command, target path,
//   kind or depth);
// - otherwise removed (only in the first menu) or added (only in the second).
struct EntryChanges
{
    std::size_t added = 0;
    std::size_t removed = 0;
    std::size_t changed = 0;
    std::size_t moved = 0;
    bool any() const { return added + removed + changed + moved > 0; }
    bool operator==(const EntryChanges &) const = default;
};

// Where an entry of one menu stands.
struct EntryPlace
{
    std::size_t index = 0; // in menu order, from 0
    std::string title;
    // Its titles from the top level down, "Tools > Editors > Vim", and those of its submenu
    // ("" at the top level); the titles of a path deeper than seven levels are shortened in
    // the middle ("A > B > C > ... 4 more ... > X > Y > Z").
    std::string titlePath;
    std::string submenu;
    std::size_t position = 0; // among its siblings, from 1
    bool operator==(const EntryPlace &) const = default;
};

// What differs of a changed entry: its "title", "command", "target path", "kind" ("submenu"
// or "item") or "place" (the title path of its submenu, when it stands at another depth).
struct FieldChange
{
    std::string field;
    std::string before;
    std::string after;
    bool operator==(const FieldChange &) const = default;
};

// One entry that differs between two menus, counted as EntryChanges counts it. A removed
// entry has no place after, an added one none before.
struct DifferingEntry
{
    enum class Kind : std::uint8_t { Added, Removed, Changed, Moved };
    Kind kind = Kind::Added;
    std::optional<EntryPlace> before;
    std::optional<EntryPlace> after;
    std::vector<FieldChange> fields; // a changed entry's, in the order listed above
};

// The entries of two menus compared, as described above.
struct EntryComparison
{
    EntryChanges counts;
    // In menu order (a moved entry where it went, a removed one where it was).
    std::vector<DifferingEntry> differing;
};

EntryComparison compareMenuEntries(const MenuEntryList &before, const MenuEntryList &after);

// Two menus' DirMenu lines compared.
struct MenuComparison
{
    std::vector<std::string> before; // "key=value", as given
    std::vector<std::string> after;
    // How the lines of before become those of after. Keys compare without regard to letter
    // case, as the reader reads them; values exactly.
    std::vector<LineEdit> script;
    EntryChanges entries;
    // The entries counted in `entries`, in menu order (a moved entry where it went, a removed
    // one where it was).
    std::vector<DifferingEntry> differingEntries;
    // No line differs.
    bool isSame() const;
};

// Compares the lines `before` with `after` line by line and entry by entry.
MenuComparison compareDirMenus(const DirMenuEntries &before, const DirMenuEntries &after);

// The comparison as a unified diff with three lines of context, headed by the two names;
// empty when no line differs.
std::string unifiedMenuDiff(
    const MenuComparison &comparison, std::string_view beforeName, std::string_view afterName);

// One line that counts the differing entries, the counts that are not zero in the order
// added, removed, changed, moved: "3 entries added, 1 removed, 2 changed", "1 entry moved".
// When no entry differs: "The entries are the same; only the lines that hold them differ."
LocalText entryChangesText(const EntryChanges &changes);

// One line that names a differing entry and says what became of it:
// "Added: Tools > Vim", "Removed: Games",
// "Changed: Tools > Editor: title "Editor" -> "Text editor", command "cd e" -> "cd f"",
// "Moved: Vim, from Tools (position 2) to the top level (position 1)".
// The window shows it in the user's language (differingEntryLine: the words marked, titles and
// paths as they are); the command line and the tests take its English.
LocalText differingEntryLine(const DifferingEntry &entry);
std::string differingEntryText(const DifferingEntry &entry);

} // namespace torvex
