#pragma once

#include "editor/EntryDestination.h"
#include "editor/MenuProblems.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace torvex {

class MenuNode;
class MenuTree;

// The problem scan of a window, kept between scans: each entry's folder checks (the part that
// looks at the disk) are kept as the kinds they found, with a fingerprint of what they read (the
// entry's kind, command and target path), and a new scan checks again only the entries whose
// fingerprint changed since, and those the rolling re-check reaches. Within one scan each
// folder is looked up once, however many entries name it. What depends on an entry's place
// (its number, the limit, its titles) is worked out again at each scan, without looking at the
// disk; the texts of a row (titles, folder, reasons) are made only when asked for, from the
// entry as it is then. The result equals findMenuProblems' over the same tree and rule, as long
// as the folders did not change on disk since they were checked.
class ProblemFindings
{
public:
    // One row of the scan: a problem of an entry, with the number of the entry where it
    // stands now (the number a save gives it is problemOf's).
    struct Row
    {
        const MenuNode *node = nullptr;
        std::uint32_t menuNumber = 0;
        ProblemKind kind = ProblemKind::EmptyCommand;

        bool operator==(const Row &) const = default;
    };

    // Walks the tree; returns how many entries had their folders checked.
    std::size_t update(const MenuTree &tree, const DestinationRule &rule);
    // After changes of these entries' titles, commands or target paths alone (no entry added,
    // removed or moved since the last update): checks them again and puts their rows in place
    // without walking the tree, as does the re-check asked for. Returns how many entries had
    // their folders checked, or nothing, having changed nothing, when an entry was not found
    // by the last update (update then).
    std::optional<std::size_t> updateEntries(
        const std::vector<const MenuNode *> &nodes, const DestinationRule &rule);
    // Every check is made again at the next update (another prefix or file, say); the rows
    // may not be asked for their texts until then.
    void forgetChecks();
    // The next update checks again, besides the changed entries, the next `count` entries
    // in menu order after those the last such request reached (from the top again after the
    // end), so that folders that appeared or went on disk show in time.
    void recheckNext(std::size_t count) { m_recheckCount = count; }

    // Written again in place by each update (their memory is kept for the next one).
    const std::vector<Row> &problems() const { return m_problems; }
    const std::vector<Row> &undecided() const { return m_undecided; }
    // Whether the last update or updateEntries left either list different from before it.
    bool rowsChanged() const { return m_rowsChanged; }

    // The row as the full scan gives it (titles, command, folder and reason), made from its
    // entry as it is now, with the variables of the last update's rule and the answer of its
    // folder check; its node must still be in the tree it was found in. `shownReason`, when
    // given, receives the reason as the window shows it (the problem's reason is its English).
    MenuProblem problemOf(const Row &row, LocalText *shownReason = nullptr) const;

private:
    struct KeptChecks
    {
        const MenuNode *node = nullptr;
        std::uint64_t fingerprint = 0; // of what the checks read (fingerprintOf)
        std::uint32_t writtenNumber = 0; // where the last update found it
        std::uint8_t found = 0; // the kinds the folder checks found (entryCheckKinds)
    };

    class RowList;

    // Checks the entry's folders again when they are due, it is new or its fingerprint
    // changed; true when it did.
    static bool checkAgain(
        const MenuNode &node, KeptChecks &kept, bool due, bool isNew, const DestinationRule &rule);
    // The entry's rows in the order a scan lists them, added to the lists.
    static void addRows(
        const KeptChecks &kept, std::size_t menuNumber, RowList &problems, RowList &undecided);
    // Where the last update found `node` in m_entries, or nothing.
    std::optional<std::size_t> indexOf(const MenuNode *node);

    // The entries in menu order, as the last update found them, with their checks.
    std::vector<KeptChecks> m_entries;
    // The entries' places by node, made when first asked for after an update.
    std::vector<std::pair<const MenuNode *, std::uint32_t>> m_places;
    std::vector<Row> m_problems;
    std::vector<Row> m_undecided;
    bool m_rowsChanged = true;
    // The rule of the last update, for the rows' texts.
    std::optional<DestinationRule> m_rule;
    std::size_t m_recheckCount = 0;
    std::size_t m_recheckFrom = 0; // the menu number the next re-check starts at
};

// What an entry's folder checks read, as a number that changes when any of it changes (but
// for a chance of one in 2^64): whether it is checked at all (a submenu or a separator is
// not), its command and its target path.
std::uint64_t fingerprintOf(const MenuNode &node);

// The titles from the top level down to `node`, shortened as TitlePathWalk shortens them.
std::vector<std::string> titlePathOf(const MenuNode &node);

} // namespace torvex
