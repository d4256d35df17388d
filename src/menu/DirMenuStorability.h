#pragma once

#include "core/LocalText.h"
#include "menu/DirMenuKeys.h"
#include "menu/MenuTree.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// The context of the texts below for the window's translation.
inline constexpr const char *unstorableReasonContext = "torvex::DirMenuStorability";
// Why a save cannot store an entry so that it reads back as it is (unstorableReason).
namespace unstorableText {
inline constexpr const char *separatorWithEntries =
    QT_TRANSLATE_NOOP("torvex::DirMenuStorability", "a separator cannot hold entries");
inline constexpr const char *separatorWithCommand = QT_TRANSLATE_NOOP(
    "torvex::DirMenuStorability", "a separator cannot hold a command or target path");
inline constexpr const char *untitledSubmenu = QT_TRANSLATE_NOOP(
    "torvex::DirMenuStorability", "a submenu without a title reads back as a separator");
inline constexpr const char *dashSubmenu = QT_TRANSLATE_NOOP("torvex::DirMenuStorability",
    "a submenu title beginning with \"-\" reads back as the end of a submenu");
inline constexpr const char *longSubmenu = QT_TRANSLATE_NOOP(
    "torvex::DirMenuStorability", "a submenu title of more than 99 characters reads back cut");
inline constexpr const char *untitledEntry =
    QT_TRANSLATE_NOOP("torvex::DirMenuStorability", "an entry without a title is not read back");
inline constexpr const char *dashEntry = QT_TRANSLATE_NOOP(
    "torvex::DirMenuStorability", "a title beginning with \"-\" reads back as a submenu");
inline constexpr const char *doubleDashEntry = QT_TRANSLATE_NOOP("torvex::DirMenuStorability",
    "a title beginning with \"--\" reads back as the end of a submenu");
inline constexpr const char *titleLineBreak =
    QT_TRANSLATE_NOOP("torvex::DirMenuStorability", "the title holds a line break");
inline constexpr const char *commandLineBreak =
    QT_TRANSLATE_NOOP("torvex::DirMenuStorability", "the command holds a line break");
inline constexpr const char *targetPathLineBreak =
    QT_TRANSLATE_NOOP("torvex::DirMenuStorability", "the target path holds a line break");
} // namespace unstorableText

// Why the file cannot store `node` so that the reader gives it back with its place, title,
// command and target path (the first reason that applies), or nullptr when it can. Titles
// count as the reader sees them, without surrounding blanks.
const char *unstorableReason(const MenuNode &node);

// The titles from the top level down to each node of a walk over a tree in menu order
// (MenuTree::forEach), each step in constant time on the whole. A path deeper than
// 2 * titlePathEnds + 1 levels is shortened in its middle: its first and last titlePathEnds
// titles with "... N more ..." between them, so that a report on a deeply nested menu stays
// readable and its size grows with the number of entries only.
class TitlePathWalk
{
public:
    static constexpr std::size_t titlePathEnds = 3;

    // The next node of the walk.
    void step(const MenuNode *node);
    // The same for an entry given by its depth (0 at the top level, at most one below the
    // last one's) and title, for a walk over entries without their nodes; the title's text
    // must last as long as the walk uses it.
    void step(std::size_t depth, std::string_view title);
    // The titles down to the last node given to step(), shortened as above.
    std::vector<std::string> titles() const;
    // The same joined by " > ".
    std::string text() const;
    // The titles down to that node's submenu joined by " > ", shortened as above; "" at the
    // top level.
    std::string submenuText() const;

private:
    std::vector<std::string> titlesDownTo(std::size_t depth) const;

    std::vector<const MenuNode *> m_path; // for the walk over nodes
    std::vector<std::string_view> m_titles;
};

// An entry unstorableReason names, with the titles from the top level down to it joined
// by " > " ("Projects > -Old-"), shortened as TitlePathWalk shortens them.
struct UnstorableEntry
{
    MenuNode *node = nullptr;
    std::string titlePath;
    std::string reason;
    // Where it stands: its place among its siblings, counted from 1, and its submenu's title
    // ("" at the top level).
    std::size_t position = 0;
    std::string parentTitle;
    // The number a save writes it under (menuN).
    std::size_t number = 0;
};

// Every entry of the tree that the file cannot store, in menu order.
std::vector<UnstorableEntry> findUnstorableEntries(const MenuTree &tree);

} // namespace torvex
