#pragma once

#include "editor/EntryDestination.h"
#include "editor/MenuProblems.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace torvex {

class MenuNode;
class MenuTree;

// The problem scan of a window, kept between scans: each entry's folder checks (the part that
// looks at the disk) are kept with the command and target path they were made for, and a new
// scan checks again only the entries whose command or target path changed since, and those
// the rolling re-check reaches. What depends on an entry's place (its number, the limit, its
// titles) is worked out again at each scan, without looking at the disk; the texts of a row
// (titles, reasons) are made only when asked for. The result equals findMenuProblems' over
// the same tree and rule, as long as the folders did not change on disk since they were
// checked.
class ProblemFindings
{
public:
    // One row of the scan: a problem of an entry, with the numbers of the entry where it
    // stands now. `check` points into the entry's kept checks (nullptr for the problems that
    // need no folder); valid until the next update or forget.
    struct Row
    {
        const MenuNode *node = nullptr;
        std::size_t menuNumber = 0;
        std::size_t writtenNumber = 0;
        ProblemKind kind = ProblemKind::EmptyCommand;
        const char *unstorable = nullptr; // the reason, for CannotBeStored
        const EntryCheck *check = nullptr;

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
    // Every check is made again at the next update (another prefix or file, say).
    void forgetChecks();
    // The next update checks again, besides the changed entries, the next `count` entries
    // in menu order after those the last such request reached (from the top again after the
    // end), so that folders that appeared or went on disk show in time.
    void recheckNext(std::size_t count) { m_recheckCount = count; }

    const std::vector<Row> &problems() const { return m_problems; }
    const std::vector<Row> &undecided() const { return m_undecided; }

    // The row as the full scan gives it (titles, command, folder and reason); its node must
    // still be in the tree it was found in.
    static MenuProblem problemOf(const Row &row);

private:
    struct KeptChecks
    {
        std::string command;
        std::string targetPath;
        bool checksNothing = false; // a submenu or a separator
        std::vector<EntryCheck> checks;
        std::size_t seenAt = 0; // the last update that found the entry
        std::size_t menuNumber = 0; // where the last update found it
        std::size_t writtenNumber = 0;
    };

    // Checks the entry's folders again when they are due or its command, target path or kind
    // changed; true when it did.
    static bool checkAgain(
        const MenuNode &node, KeptChecks &kept, bool due, bool isNew, const DestinationRule &rule);
    // The entry's rows in the order a scan lists them, added to the lists.
    static void addRows(const MenuNode &node,
        const KeptChecks &kept,
        std::vector<Row> &problems,
        std::vector<Row> &undecided);

    std::unordered_map<const MenuNode *, KeptChecks> m_kept;
    // The entries in menu order, as the last update found them.
    std::vector<const MenuNode *> m_order;
    std::vector<Row> m_problems;
    std::vector<Row> m_undecided;
    std::size_t m_updates = 0;
    std::size_t m_recheckCount = 0;
    std::size_t m_recheckFrom = 0; // the menu number the next re-check starts at
};

// The titles from the top level down to `node`, shortened as TitlePathWalk shortens them.
std::vector<std::string> titlePathOf(const MenuNode &node);

} // namespace torvex
