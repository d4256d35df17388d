#include "editor/ProblemFindings.h"

#include "editor/ItemCount.h"
#include "menu/DirMenuStorability.h"
#include "menu/MenuTree.h"

#include <algorithm>

namespace torvex {

std::size_t ProblemFindings::update(const MenuTree &tree, const DestinationRule &rule)
{
    ++m_updates;
    m_problems.clear();
    m_undecided.clear();
    m_order.clear();
    const std::size_t recheckFrom = m_recheckFrom;
    const std::size_t recheckEnd = m_recheckFrom + m_recheckCount;
    std::size_t checked = 0;
    std::size_t index = 0;
    std::size_t writtenNumber = 0;
    tree.forEach([&](MenuNode *node) {
        ++index;
        ++writtenNumber;
        auto [at, isNew] = m_kept.try_emplace(node);
        KeptChecks &kept = at->second;
        kept.menuNumber = index;
        kept.writtenNumber = writtenNumber;
        writtenNumber += endLinesAfter(*node);
        const bool due = index > recheckFrom && index <= recheckEnd;
        if (checkAgain(*node, kept, due, isNew, rule))
            ++checked;
        kept.seenAt = m_updates;
        m_order.push_back(node);
        addRows(*node, kept, m_problems, m_undecided);
        return true;
    });
    // Entries gone from the tree are forgotten (their nodes may be freed and used again).
    std::erase_if(m_kept, [this](const auto &kept) {
        return kept.second.seenAt != m_updates;
    });
    if (m_recheckCount > 0)
        m_recheckFrom = recheckEnd >= index ? 0 : recheckEnd;
    m_recheckCount = 0;
    return checked;
}

std::optional<std::size_t> ProblemFindings::updateEntries(
    const std::vector<const MenuNode *> &nodes, const DestinationRule &rule)
{
    std::vector<std::pair<const MenuNode *, bool>> todo; // the entry, and whether it is due
    for (const MenuNode *node : nodes) {
        const auto at = m_kept.find(node);
        if (at == m_kept.end() || at->second.seenAt != m_updates)
            return std::nullopt;
        todo.emplace_back(node, false);
    }
    if (m_recheckCount > 0) {
        const std::size_t end = std::min(m_order.size(), m_recheckFrom + m_recheckCount);
        for (std::size_t i = m_recheckFrom; i < end; ++i)
            todo.emplace_back(m_order[i], true);
        m_recheckFrom = end >= m_order.size() ? 0 : end;
        m_recheckCount = 0;
    }
    std::size_t checked = 0;
    const auto byNumber = [](const Row &row, std::size_t number) {
        return row.menuNumber < number;
    };
    for (const auto &[node, due] : todo) {
        KeptChecks &kept = m_kept.at(node);
        if (checkAgain(*node, kept, due, false, rule))
            ++checked;
        // The entry's rows are replaced where they stand: the rows are in menu order.
        std::vector<Row> problems;
        std::vector<Row> undecided;
        addRows(*node, kept, problems, undecided);
        for (auto [list, rows] :
            { std::pair { &m_problems, &problems }, std::pair { &m_undecided, &undecided } }) {
            const auto first =
                std::lower_bound(list->begin(), list->end(), kept.menuNumber, byNumber);
            auto last = first;
            while (last != list->end() && last->menuNumber == kept.menuNumber)
                ++last;
            if (std::equal(first, last, rows->begin(), rows->end()))
                continue;
            const auto at = list->erase(first, last);
            list->insert(at, rows->begin(), rows->end());
        }
    }
    return checked;
}

bool ProblemFindings::checkAgain(
    const MenuNode &node, KeptChecks &kept, bool due, bool isNew, const DestinationRule &rule)
{
    const MenuEntry &entry = node.data();
    // Submenus and separators have nothing checked: becoming one (or no longer being one)
    // changes the checks as well.
    const bool checksNothing = node.hasChildren() || node.isSeparator();
    if (!isNew && !due && kept.checksNothing == checksNothing && kept.command == entry.command
        && kept.targetPath == entry.targetPath)
        return false;
    kept.checksNothing = checksNothing;
    kept.command = entry.command;
    kept.targetPath = entry.targetPath;
    // Checks that found the same keep their place, and so do the rows that point into them.
    std::vector<EntryCheck> checks = checkEntryFolders(node, rule);
    const auto same = [](const EntryCheck &a, const EntryCheck &b) {
        return a.kind == b.kind && a.folder == b.folder && a.reason == b.reason;
    };
    if (!std::equal(checks.begin(), checks.end(), kept.checks.begin(), kept.checks.end(), same))
        kept.checks = std::move(checks);
    return true;
}

void ProblemFindings::addRows(const MenuNode &node,
    const KeptChecks &kept,
    std::vector<Row> &problems,
    std::vector<Row> &undecided)
{
    const auto row = [&](ProblemKind kind) {
        return Row { &node, kept.menuNumber, kept.writtenNumber, kind, nullptr, nullptr };
    };
    if (const char *why = unstorableReason(node)) {
        problems.push_back(row(ProblemKind::CannotBeStored));
        problems.back().unstorable = why;
    }
    if (kept.writtenNumber > itemLimit)
        problems.push_back(row(ProblemKind::OverItemLimit));
    for (const EntryCheck &check : kept.checks) {
        std::vector<Row> &list = check.kind == ProblemKind::CannotTell ? undecided : problems;
        list.push_back(row(check.kind));
        list.back().check = &check;
    }
}

void ProblemFindings::forgetChecks()
{
    m_kept.clear();
    m_order.clear();
}

MenuProblem ProblemFindings::problemOf(const Row &row)
{
    MenuProblem problem;
    problem.kind = row.kind;
    problem.node = row.node;
    problem.menuNumber = row.menuNumber;
    problem.writtenNumber = row.writtenNumber;
    problem.titlePath = titlePathOf(*row.node);
    problem.command = row.node->data().command;
    problem.targetPath = row.node->data().targetPath;
    if (row.check) {
        problem.folder = row.check->folder;
        problem.reason = row.check->reason;
    } else if (row.kind == ProblemKind::CannotBeStored) {
        problem.reason = row.unstorable ? row.unstorable : "";
    } else if (row.kind == ProblemKind::OverItemLimit) {
        problem.reason = overLimitReason(row.writtenNumber);
    }
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
