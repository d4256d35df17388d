#include "editor/ProblemFindings.h"

#include "core/LargePages.h"
#include "editor/ItemCount.h"
#include "menu/DirMenuStorability.h"
#include "menu/MenuTree.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace torvex {

namespace {

// The kinds of the folder checks, in the order checkEntryFolders lists them (an entry's
// command has one finding at most, its target path comes last).
constexpr ProblemKind folderKinds[] = { ProblemKind::EmptyCommand,
    ProblemKind::BrokenCommand,
    ProblemKind::CannotTell,
    ProblemKind::BrokenTargetPath };

// The most problems one entry has: it cannot be stored, it is over the limit, and its
// command and its target path have one each.
constexpr std::size_t maxProblemsPerEntry = 4;

// Whether folders exist, each looked up once however many entries of one scan name it in a
// row (the answers go with the scan: the next one looks at the disk again). A fixed number of
// places, taken by a hash of the folder's path, keeps the cost of a large scan small: a folder
// named again after many others may be looked up again.
class FolderAnswers
{
public:
    explicit FolderAnswers(const DestinationRule &rule)
        : m_places(placeCount)
        , m_rule(rule.withFolderLookup([this, &rule](std::string_view folder) {
            const std::size_t key = std::hash<std::string_view> {}(folder);
            Place &place = m_places[key % placeCount];
            if (!place.taken || place.key != key)
                place = { key, rule.folderExists(folder), true };
            return place.exists;
        }))
    { }
    FolderAnswers(const FolderAnswers &) = delete;
    FolderAnswers &operator=(const FolderAnswers &) = delete;

    const DestinationRule &rule() const { return m_rule; }

private:
    struct Place
    {
        std::size_t key = 0;
        bool exists = false;
        bool taken = false;
    };
    static constexpr std::size_t placeCount = 4096;

    std::vector<Place> m_places;
    DestinationRule m_rule;
};

} // namespace

// A list of rows written again over the one before, in place (the memory of a large list is
// touched once, at its first scan), telling whether it came out different.
class ProblemFindings::RowList
{
public:
    explicit RowList(std::vector<Row> &rows)
        : m_rows(rows)
    { }

    void add(const Row &row)
    {
        if (m_next == m_rows.size()) {
            m_rows.push_back(row);
            m_changed = true;
        } else if (m_rows[m_next] != row) {
            m_rows[m_next] = row;
            m_changed = true;
        }
        ++m_next;
    }
    // Drops the rows of the list before that were not written again; true when the list
    // differs from the one before.
    bool finish()
    {
        if (m_next < m_rows.size()) {
            m_rows.resize(m_next);
            m_changed = true;
        }
        return m_changed;
    }

private:
    std::vector<Row> &m_rows;
    std::size_t m_next = 0;
    bool m_changed = false;
};

std::uint64_t fingerprintOf(const MenuNode &node)
{
    // Odd multipliers between the parts, so that swapping the command and the target path
    // changes the number too.
    constexpr std::uint64_t mix = 0x9E3779B97F4A7C15u;
    const std::hash<std::string_view> hash;
    std::uint64_t fingerprint = hash(node.data().command);
    fingerprint = fingerprint * mix ^ hash(node.data().targetPath);
    const bool checksNothing = node.hasChildren() || node.isSeparator();
    return fingerprint * mix ^ (checksNothing ? 1u : 0u);
}

std::size_t ProblemFindings::update(const MenuTree &tree, const DestinationRule &rule)
{
    m_rule = rule;
    FolderAnswers folders(rule);
    // Room for as many rows as an entry can have (room not used is never touched), as growing
    // would copy the rows again and again, into new memory each time. Large pages spare a
    // large menu's first scan most of its page faults.
    if (m_problems.capacity() < maxProblemsPerEntry * tree.count())
        reserveWithLargePages(m_problems, maxProblemsPerEntry * tree.count());
    if (m_undecided.capacity() < tree.count())
        reserveWithLargePages(m_undecided, tree.count());
    RowList problems(m_problems);
    RowList undecided(m_undecided);
    std::vector<KeptChecks> entries;
    reserveWithLargePages(entries, tree.count(), true);
    const std::size_t recheckFrom = m_recheckFrom;
    const std::size_t recheckEnd = m_recheckFrom + m_recheckCount;
    std::size_t checked = 0;
    std::size_t writtenNumber = 0;
    std::size_t next = 0; // the kept entry after the last one found: most often the next one
    tree.forEach([&](MenuNode *node) {
        ++writtenNumber;
        KeptChecks kept;
        bool isNew = true;
        if (next < m_entries.size() && m_entries[next].node == node) {
            kept = m_entries[next++];
            isNew = false;
        } else if (const auto at = indexOf(node)) {
            kept = m_entries[*at];
            next = *at + 1;
            isNew = false;
        }
        kept.node = node;
        kept.writtenNumber = static_cast<std::uint32_t>(writtenNumber);
        writtenNumber += endLinesAfter(*node);
        const std::size_t menuNumber = entries.size() + 1;
        const bool due = menuNumber > recheckFrom && menuNumber <= recheckEnd;
        if (checkAgain(*node, kept, due, isNew, folders.rule()))
            ++checked;
        addRows(kept, menuNumber, problems, undecided);
        entries.push_back(kept);
        return true;
    });
    // Both lists are finished, whatever the first says.
    const bool problemsChanged = problems.finish();
    m_rowsChanged = undecided.finish() || problemsChanged;
    // Entries gone from the tree are forgotten (their nodes may be freed and used again).
    m_entries = std::move(entries);
    m_places.clear();
    if (m_recheckCount > 0)
        m_recheckFrom = recheckEnd >= m_entries.size() ? 0 : recheckEnd;
    m_recheckCount = 0;
    return checked;
}

std::optional<std::size_t> ProblemFindings::indexOf(const MenuNode *node)
{
    const auto byNode = [](const auto &place, const MenuNode *key) {
        return std::less<const MenuNode *> {}(place.first, key);
    };
    if (m_places.empty() && !m_entries.empty()) {
        m_places.reserve(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            m_places.emplace_back(m_entries[i].node, static_cast<std::uint32_t>(i));
        std::sort(m_places.begin(), m_places.end(), [](const auto &a, const auto &b) {
            return std::less<const MenuNode *> {}(a.first, b.first);
        });
    }
    const auto at = std::lower_bound(m_places.begin(), m_places.end(), node, byNode);
    if (at == m_places.end() || at->first != node)
        return std::nullopt;
    return at->second;
}

std::optional<std::size_t> ProblemFindings::updateEntries(
    const std::vector<const MenuNode *> &nodes, const DestinationRule &rule)
{
    std::vector<std::pair<std::size_t, bool>> todo; // the entry's place, and whether it is due
    for (const MenuNode *node : nodes) {
        const auto at = indexOf(node);
        if (!at)
            return std::nullopt;
        todo.emplace_back(*at, false);
    }
    m_rule = rule;
    m_rowsChanged = false;
    FolderAnswers folders(rule);
    if (m_recheckCount > 0) {
        const std::size_t end = std::min(m_entries.size(), m_recheckFrom + m_recheckCount);
        for (std::size_t i = m_recheckFrom; i < end; ++i)
            todo.emplace_back(i, true);
        m_recheckFrom = end >= m_entries.size() ? 0 : end;
        m_recheckCount = 0;
    }
    std::size_t checked = 0;
    const auto byNumber = [](const Row &row, std::size_t number) {
        return row.menuNumber < number;
    };
    for (const auto &[index, due] : todo) {
        KeptChecks &kept = m_entries[index];
        if (checkAgain(*kept.node, kept, due, false, folders.rule()))
            ++checked;
        // The entry's rows are replaced where they stand: the rows are in menu order.
        const std::size_t menuNumber = index + 1;
        std::vector<Row> problems;
        std::vector<Row> undecided;
        RowList problemRows(problems);
        RowList undecidedRows(undecided);
        addRows(kept, menuNumber, problemRows, undecidedRows);
        for (auto [list, rows] :
            { std::pair { &m_problems, &problems }, std::pair { &m_undecided, &undecided } }) {
            const auto first = std::lower_bound(list->begin(), list->end(), menuNumber, byNumber);
            auto last = first;
            while (last != list->end() && last->menuNumber == menuNumber)
                ++last;
            if (std::equal(first, last, rows->begin(), rows->end()))
                continue;
            const auto at = list->erase(first, last);
            list->insert(at, rows->begin(), rows->end());
            m_rowsChanged = true;
        }
    }
    return checked;
}

bool ProblemFindings::checkAgain(
    const MenuNode &node, KeptChecks &kept, bool due, bool isNew, const DestinationRule &rule)
{
    // Submenus and separators have nothing checked: becoming one (or no longer being one)
    // changes the fingerprint as well.
    const std::uint64_t fingerprint = fingerprintOf(node);
    if (!isNew && !due && kept.fingerprint == fingerprint)
        return false;
    kept.fingerprint = fingerprint;
    kept.found = static_cast<std::uint8_t>(entryCheckKinds(node, rule));
    return true;
}

void ProblemFindings::addRows(
    const KeptChecks &kept, std::size_t menuNumber, RowList &problems, RowList &undecided)
{
    const auto row = [&](ProblemKind kind) {
        return Row { kept.node, static_cast<std::uint32_t>(menuNumber), kind };
    };
    if (unstorableReason(*kept.node))
        problems.add(row(ProblemKind::CannotBeStored));
    if (kept.writtenNumber > itemLimit)
        problems.add(row(ProblemKind::OverItemLimit));
    for (const ProblemKind kind : folderKinds)
        if (kept.found & problemKindBit(kind))
            (kind == ProblemKind::CannotTell ? undecided : problems).add(row(kind));
}

void ProblemFindings::forgetChecks()
{
    m_entries.clear();
    m_places.clear();
    m_rule.reset();
}

MenuProblem ProblemFindings::problemOf(const Row &row, LocalText *shownReason) const
{
    MenuProblem problem;
    problem.kind = row.kind;
    problem.node = row.node;
    problem.menuNumber = row.menuNumber;
    if (row.menuNumber >= 1 && row.menuNumber <= m_entries.size())
        problem.writtenNumber = m_entries[row.menuNumber - 1].writtenNumber;
    problem.titlePath = titlePathOf(*row.node);
    problem.command = row.node->data().command;
    problem.targetPath = row.node->data().targetPath;
    LocalText reason;
    if (row.kind == ProblemKind::CannotBeStored) {
        if (const char *why = unstorableReason(*row.node))
            reason = LocalText(unstorableReasonContext, why);
    } else if (row.kind == ProblemKind::OverItemLimit) {
        reason = overLimitReason(problem.writtenNumber);
    } else if (m_rule) {
        // The check is made again without the disk: its folder is missing when the row says
        // broken, and the rest (the folder's text, the reason) follows from the entry.
        const bool exists =
            row.kind != ProblemKind::BrokenCommand && row.kind != ProblemKind::BrokenTargetPath;
        const DestinationRule answered = m_rule->withFolderLookup([exists](std::string_view) {
            return exists;
        });
        for (EntryCheck &check : checkEntryFolders(*row.node, answered))
            if (check.kind == row.kind) {
                problem.folder = std::move(check.folder);
                reason = std::move(check.reason);
                break;
            }
    }
    problem.reason = reason.english();
    if (shownReason)
        *shownReason = std::move(reason);
    return problem;
}

std::vector<std::string> titlePathOf(const MenuNode &node)
{
    std::vector<const MenuNode *> chain;
    for (const MenuNode *at = &node; at; at = at->parent())
        chain.push_back(at);
    TitlePathWalk walk;
    std::for_each(chain.rbegin(), chain.rend(), [&walk](const MenuNode *at) {
        walk.step(at);
    });
    return walk.titles();
}

} // namespace torvex
