#pragma once

#include "core/LargePages.h"
#include "core/LocalText.h"
#include "menu/DirMenuKeys.h"
#include "menu/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace torvex {

// One line of the file's DirMenu sections that the menu does not show; a save, which writes
// the section anew from the menu, removes it.
struct DirMenuFinding
{
    std::size_t lineNumber = 0; // in the file, counted from 1
    std::string text; // the line as it stands
    std::string reason; // why the menu does not show it, in a few words
    bool operator==(const DirMenuFinding &) const = default;
};

// One line for a list: "line 6: not shown: menu5=B (past a gap in the numbering; ...)".
std::string findingLine(const DirMenuFinding &finding);
// The same under a heading that says it once: "line 6: menu5=B (past a gap in ...)".
std::string findingDetail(const DirMenuFinding &finding);
// The heading of such a list.
inline constexpr const char *notShownHeading = QT_TRANSLATE_NOOP("torvex::DirMenuFindings",
    "Lines of the file that the menu does not show (saving removes them):");

// The context of the texts below for the window's translation.
inline constexpr const char *findingReasonContext = "torvex::DirMenuFindings";
// Why a line of the file is not shown (DirMenuFinding::reason).
namespace loadFindingReason {
inline constexpr const char *pastGap = QT_TRANSLATE_NOOP(
    "torvex::DirMenuFindings", "past a gap in the numbering, where the file manager stops reading");
inline constexpr const char *secondSection = QT_TRANSLATE_NOOP(
    "torvex::DirMenuFindings", "a second DirMenu section; only the first is read");
inline constexpr const char *inSecondSection =
    QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "in a second DirMenu section");
inline constexpr const char *comment = QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "a comment");
inline constexpr const char *blankLine =
    QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "a blank line between entries");
inline constexpr const char *notAnEntry =
    QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "a line without a key");
inline constexpr const char *unknownKey =
    QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "a key the menu does not use");
inline constexpr const char *repeatedKey = QT_TRANSLATE_NOOP(
    "torvex::DirMenuFindings", "the key stands twice; only its first value is read");
inline constexpr const char *emptyTitle =
    QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "an entry without a title");
inline constexpr const char *withoutTitle =
    QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "belongs to an entry without a title");
inline constexpr const char *ofSeparator =
    QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "a separator has no command or target path");
inline constexpr const char *ofEndLine =
    QT_TRANSLATE_NOOP("torvex::DirMenuFindings", "an end line has no command or target path");
inline constexpr const char *cutTitle = QT_TRANSLATE_NOOP(
    "torvex::DirMenuFindings", "a submenu title of more than 99 characters is cut");
} // namespace loadFindingReason

// What readDirMenu leaves out of a section, gathered line by line while the file is read:
// lines past a gap in the numbering (the reader stops at the number of entries), a second
// DirMenu section, comments, blank lines between entries, keys the menu does not use, a key
// standing twice, entries without a title, commands and target paths of entries that cannot
// hold them, and submenu titles cut at maxSubmenuTitle characters. Blank lines that only end
// the section are not counted: they hold nothing.
class DirMenuLoadReport
{
public:
    // Room for a section of `lines` lines without growing (an upper bound: room never used
    // costs no memory).
    void reserve(std::size_t lines) { reserveWithLargePages(m_titles, lines + 1); }
    // Every line of every DirMenu section, in file order (IniDocument::visitSectionLines),
    // with the entry's key as read (readDirMenuKey), found once for the report and the values.
    void add(const IniSectionLine &line, DirMenuKey key);
    void add(const IniSectionLine &line) { add(line, readDirMenuKey(line.key)); }
    // The findings in file order; `lineText` gives a line's text by its number.
    std::vector<DirMenuFinding> findings(
        const std::function<std::string(std::size_t lineNumber)> &lineText) const;

private:
    // A numbered line whose finding cannot be told yet: its number may lie past the count of
    // entries, or it is a command or target path whose entry's title has not been read.
    struct Numbered
    {
        std::size_t lineNumber;
        std::uint32_t number; // at most 2^30 - 1
        std::uint8_t kind; // 0 menu, 1 cmd, 2 path
        std::uint8_t title; // a menu line's TitleKind
    };
    struct Found
    {
        std::size_t lineNumber;
        const char *reason;
    };
    void addNumbered(std::size_t lineNumber, DirMenuKey key, std::string_view value);
    // What each entry number's title is (TitleKind), for the numbers up to the count of
    // entries when its title was read, which no later line can put past the end. In a file
    // the writer wrote every line is told at once, and this is all the report keeps of them.
    std::vector<std::uint8_t> m_titles;
    std::vector<Numbered> m_untold;
    std::vector<Found> m_found;
    std::vector<std::size_t> m_blankLines; // blank lines not yet followed by an entry
    std::size_t m_entryCount = 0;
    std::size_t m_otherSection = 0; // the header line of the second section being passed
};

} // namespace torvex
