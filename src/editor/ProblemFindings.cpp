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
    const std::size_t recheckFrom = m_recheckFrom;
    const std::size_t recheckEnd = m_recheckFrom + m_recheckCount;
    std::size_t checked = 0;
    std::size_t index = 0;
    std::size_t writtenNumber = 0;
    tree.forEach([&](MenuNode *node) {
        ++index;
        ++writtenNumber;
        const std::size_t ownNumber = writtenNumber;
        writtenNumber += endLinesAfter(*node);
        const auto row = [&](ProblemKind kind) {
            return Row { node, index, ownNumber, kind, nullptr, nullptr };
        };

        if (const char *why = unstorableReason(*node)) {
            m_problems.push_back(row(ProblemKind::CannotBeStored));
            m_problems.back().unstorable = why;
        }
        if (ownNumber > itemLimit)
            m_problems.push_back(row(ProblemKind::OverItemLimit));

        auto [at, isNew] = m_kept.try_emplace(node);
        KeptChecks &kept = at->second;
        const MenuEntry &entry = node->data();
        const bool due = index > recheckFrom && index <= recheckEnd;
        // Submenus and separators have nothing checked: becoming one (or no longer being one)
        // changes the checks as well.
        const bool checksNothing = node->hasChildren() || node->isSeparator();
        if (isNew || due || kept.checksNothing != checksNothing || kept.command != entry.command
            || kept.targetPath != entry.targetPath) {
            kept.checksNothing = checksNothing;
            kept.command = entry.command;
            kept.targetPath = entry.targetPath;
            kept.checks = checkEntryFolders(*node, rule);
            ++checked;
        }
        kept.seenAt = m_updates;
        for (const EntryCheck &check : kept.checks) {
            std::vector<Row> &list =
                check.kind == ProblemKind::CannotTell ? m_undecided : m_problems;
            list.push_back(row(check.kind));
            list.back().check = &check;
        }
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

void ProblemFindings::forgetChecks()
{
    m_kept.clear();
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
