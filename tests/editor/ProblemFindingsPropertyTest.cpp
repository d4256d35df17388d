// The problem scan kept between scans against the full scan: after random edits of random
// menus, the rows of ProblemFindings are exactly those of findMenuProblems.
#include "editor/MenuProblems.h"
#include "editor/ProblemFindings.h"
#include "support/MenuOutlines.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace torvex {
namespace {

// What a problem says, as one comparable line.
std::string described(const MenuProblem &problem)
{
    return problemLine(problem) + " | " + std::to_string(problem.writtenNumber) + " | "
        + problem.command + " | " + problem.targetPath + " | " + problem.reason + " | "
        + std::to_string(reinterpret_cast<std::uintptr_t>(problem.node));
}

std::vector<std::string> described(const std::vector<MenuProblem> &problems)
{
    std::vector<std::string> lines;
    for (const MenuProblem &problem : problems)
        lines.push_back(described(problem));
    return lines;
}

std::vector<std::string> described(
    const ProblemFindings &findings, const std::vector<ProblemFindings::Row> &rows)
{
    std::vector<std::string> lines;
    for (const ProblemFindings::Row &row : rows)
        lines.push_back(described(findings.problemOf(row)));
    return lines;
}

// Both lists of rows, as they were before an update.
std::pair<std::vector<ProblemFindings::Row>, std::vector<ProblemFindings::Row>> rowsOf(
    const ProblemFindings &findings)
{
    return { findings.problems(), findings.undecided() };
}

std::vector<MenuNode *> nodesOf(const MenuTree &tree)
{
    std::vector<MenuNode *> nodes;
    tree.forEach([&](MenuNode *node) {
        nodes.push_back(node);
        return true;
    });
    return nodes;
}

// One edit drawn from `draw`: a title, command or target path changed, an entry added, removed
// or moved. Returns the entry whose title, command or target path changed, nullptr when
// entries were added, removed or moved.
MenuNode *edit(MenuTree &tree, int draw)
{
    static const std::vector<std::string> titles = { "A", "-", "--", "-Sub", "B" };
    static const std::vector<std::string> texts = {
        "", "cd C:\\x", "cd C:\\gone", "cd %NOPE%", "=x=", "C:\\x", "C:\\gone", "cd %HERE%"
    };
    const std::vector<MenuNode *> nodes = nodesOf(tree);
    if (nodes.empty()) {
        tree.addTopLevel("A");
        return nullptr;
    }
    MenuNode *node = nodes[std::size_t(draw / 8) % nodes.size()];
    MenuNode *other = nodes[std::size_t(draw / 64) % nodes.size()];
    const std::string &text = texts[std::size_t(draw / 16) % texts.size()];
    switch (draw % 8) {
    case 0:
        tree.setTitle(node, titles[std::size_t(draw / 16) % titles.size()]);
        return node;
    case 1:
    case 2:
        tree.setCommand(node, text);
        return node;
    case 3:
        tree.setTargetPath(node, text);
        return node;
    case 4:
        tree.addNode(node, AttachMode(draw / 16 % 5), "New");
        break;
    case 5:
        tree.remove(node);
        break;
    default:
        tree.move(node, other, AttachMode(draw / 16 % 5));
        tree.refreshNodeKind(node->parent());
        break;
    }
    return nullptr;
}

// A random menu, near the limit now and then, so that edits move entries over it and back.
void randomMenu(MenuTree &tree)
{
    const bool nearTheLimit = *rc::gen::arbitrary<bool>();
    std::string outline;
    for (int i = 0; nearTheLimit && i < 190; ++i)
        outline += "P|cd C:\\x\n";
    outline +=
        test::storableOutline(*rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 4000)));
    test::buildTree(tree, outline);
}

// Folders exist when `folders` holds them; %HERE% is C:\x.
DestinationRule ruleOver(const std::set<std::string> &folders)
{
    return DestinationRule(
        [](std::string_view name) -> std::optional<std::string> {
            if (name == "HERE")
                return "C:\\x";
            return std::nullopt;
        },
        [&folders](std::string_view folder) {
            return folders.count(std::string(folder)) > 0;
        });
}

RC_GTEST_PROP(ProblemFindingsProperty, KeptScanEqualsTheFullScanAfterEveryEdit, ())
{
    MenuTree tree;
    randomMenu(tree);
    std::set<std::string> folders { "C:\\x" };
    const DestinationRule rule = ruleOver(folders);

    ProblemFindings findings;
    const auto edits = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 100000));
    for (int draw : edits) {
        edit(tree, draw);
        const auto before = rowsOf(findings);
        findings.update(tree, rule);
        // The rows are written over those before: whether they changed is told.
        RC_ASSERT(findings.rowsChanged() == (rowsOf(findings) != before));
        const MenuProblemScan full = findMenuProblems(tree, rule);
        RC_ASSERT(described(findings, findings.problems()) == described(full.problems));
        RC_ASSERT(described(findings, findings.undecided()) == described(full.undecided));
    }
}

// Edits of titles, commands and target paths alone update only the entries they touched, with
// re-checks in turns between them, while folders appear and go on disk: the rows stay those of
// the scan that walks the whole tree at the same moments.
RC_GTEST_PROP(ProblemFindingsProperty, UpdatingTheEditedEntriesEqualsTheWalk, ())
{
    MenuTree tree;
    randomMenu(tree);
    std::set<std::string> folders { "C:\\x" };
    const DestinationRule rule = ruleOver(folders);

    ProblemFindings findings;
    ProblemFindings walked;
    findings.update(tree, rule);
    walked.update(tree, rule);
    std::vector<const MenuNode *> edited;
    const auto edits = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 100000));
    for (int draw : edits) {
        if (draw % 11 == 0)
            folders.insert("C:\\gone");
        if (draw % 13 == 0)
            folders.erase("C:\\gone");
        if (draw % 3 == 0) {
            findings.recheckNext(std::size_t(draw / 3 % 7));
            walked.recheckNext(std::size_t(draw / 3 % 7));
        }
        const auto before = rowsOf(findings);
        if (MenuNode *node = edit(tree, draw)) {
            edited.push_back(node);
            if (draw % 5 == 0) // several edits before an update, now and then
                continue;
            RC_ASSERT(findings.updateEntries(edited, rule).has_value());
        } else {
            findings.update(tree, rule);
        }
        RC_ASSERT(findings.rowsChanged() == (rowsOf(findings) != before));
        walked.update(tree, rule);
        edited.clear();
        RC_ASSERT(described(findings, findings.problems()) == described(walked, walked.problems()));
        RC_ASSERT(
            described(findings, findings.undecided()) == described(walked, walked.undecided()));
    }
}

// Folders appear and go between scans: once every entry was checked again, in a walk or in
// place, the rows are those of the full scan, whatever an earlier scan found on disk.
RC_GTEST_PROP(ProblemFindingsProperty, ARecheckOfEveryEntryFindsTheFoldersAsTheyAreNow, ())
{
    MenuTree tree;
    randomMenu(tree);
    std::set<std::string> folders { "C:\\x" };
    const DestinationRule rule = ruleOver(folders);

    ProblemFindings findings;
    findings.update(tree, rule);
    // A few dozen steps: each checks every entry twice.
    const auto draws =
        *rc::gen::resize(30, rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 100000)));
    for (int draw : draws) {
        for (const char *folder : { "C:\\x", "C:\\gone" })
            if (draw % 3 == 0)
                folders.insert(folder);
            else if (draw % 3 == 1)
                folders.erase(folder);
        draw /= 3;
        MenuNode *node = edit(tree, draw);
        findings.recheckNext(tree.count());
        if (node && draw % 2 == 0) // an edit in place: no walk
            RC_ASSERT(findings.updateEntries({ node }, rule).has_value());
        else
            findings.update(tree, rule);
        const MenuProblemScan full = findMenuProblems(tree, rule);
        RC_ASSERT(described(findings, findings.problems()) == described(full.problems));
        RC_ASSERT(described(findings, findings.undecided()) == described(full.undecided));
    }
}

TEST(ProblemFindings, ChecksOnlyChangedEntriesAndTheRecheckReachesEveryEntryInTurn)
{
    MenuTree tree;
    test::buildTree(tree,
        "One|cd C:\\new\n"
        "Two|cd C:\\new\n"
        "Sub\n"
        "  Three|cd C:\\new\n");
    bool exists = false;
    const DestinationRule rule(
        [](std::string_view) -> std::optional<std::string> {
            return std::nullopt;
        },
        [&exists](std::string_view) {
            return exists;
        });
    ProblemFindings findings;
    EXPECT_EQ(findings.update(tree, rule), 4u); // the submenu too, which has nothing to check
    EXPECT_EQ(findings.problems().size(), 3u);

    // The folder appears: kept checks still say broken until the entry is checked again.
    exists = true;
    tree.setTitle(test::find(tree, "One"), "First");
    EXPECT_EQ(findings.update(tree, rule), 0u);
    tree.setCommand(test::find(tree, "Two"), "cd C:\\new\\");
    EXPECT_EQ(findings.update(tree, rule), 1u);
    ASSERT_EQ(findings.problems().size(), 2u);
    EXPECT_EQ(findings.problems()[1].node, test::find(tree, "Three"));

    findings.recheckNext(2); // First and Two
    EXPECT_EQ(findings.update(tree, rule), 2u);
    ASSERT_EQ(findings.problems().size(), 1u);
    findings.recheckNext(2); // Sub and Three
    EXPECT_EQ(findings.update(tree, rule), 2u);
    EXPECT_TRUE(findings.problems().empty());

    findings.forgetChecks();
    EXPECT_EQ(findings.update(tree, rule), 4u);
}

// Entries naming one folder share its look at the disk within a scan; the next scan looks again.
TEST(ProblemFindings, EachScanLooksUpAFolderOnceHoweverManyEntriesNameIt)
{
    MenuTree tree;
    test::buildTree(tree,
        "One|cd C:\\new\n"
        "Two|cd C:\\new\n"
        "Three|cd C:\\other|C:\\new\n");
    std::vector<std::string> lookedUp;
    bool exists = false;
    const DestinationRule rule(
        [](std::string_view) -> std::optional<std::string> {
            return std::nullopt;
        },
        [&](std::string_view folder) {
            lookedUp.emplace_back(folder);
            return exists;
        });
    ProblemFindings findings;
    EXPECT_EQ(findings.update(tree, rule), 3u);
    EXPECT_EQ(lookedUp, (std::vector<std::string> { "C:\\new", "C:\\other" }));
    EXPECT_EQ(findings.problems().size(), 4u);

    exists = true; // the folders appeared since
    lookedUp.clear();
    findings.recheckNext(3);
    ASSERT_TRUE(findings.updateEntries({}, rule).has_value());
    EXPECT_EQ(lookedUp, (std::vector<std::string> { "C:\\new", "C:\\other" }));
    EXPECT_TRUE(findings.problems().empty());
}

// More folders than the scan keeps answers for: folders that share a place in its table must
// not take each other's answers. Every third folder exists; the rows are the full scan's.
TEST(ProblemFindings, ManyFoldersEachGetTheirOwnAnswer)
{
    std::string outline;
    std::set<std::string> existing;
    for (int i = 0; i < 20000; ++i) {
        const std::string folder = "C:\\f" + std::to_string(i);
        if (i % 3 == 0)
            existing.insert(folder);
        outline += "E" + std::to_string(i) + "|cd " + folder + "\n";
    }
    MenuTree tree;
    test::buildTree(tree, outline);
    const DestinationRule rule(
        [](std::string_view) -> std::optional<std::string> {
            return std::nullopt;
        },
        [&existing](std::string_view folder) {
            return existing.count(std::string(folder)) > 0;
        });
    ProblemFindings findings;
    findings.update(tree, rule);
    const std::vector<MenuProblem> full = findMenuProblems(tree, rule).problems;
    // Two thirds of the folders are gone, and every entry past the 200 the file manager
    // reads is over the limit.
    EXPECT_EQ(full.size(), (20000u - 6667u) + (20000u - 200u));
    EXPECT_EQ(described(findings, findings.problems()), described(full));
}

} // namespace
} // namespace torvex
