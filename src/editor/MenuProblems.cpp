#include "editor/MenuProblems.h"

#include "core/LocalText.h"
#include "core/Text.h"
#include "editor/ItemCount.h"
#include "menu/MenuTree.h"

#include <cstdio>

namespace torvex {

namespace {

// A JSON string of `text`: what is not well-formed UTF-8 (a stray byte, a surrogate) becomes
// U+FFFD, so that the output is always valid JSON.
void appendJsonString(std::string &out, const std::string &text)
{
    out += '"';
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const std::size_t length = utf8SequenceLength(text, at);
        if (length != 1) {
            out += length == 0 ? std::string_view("\\ufffd")
                               : std::string_view(text).substr(at, length);
            at += length == 0 ? 1 : length;
            continue;
        }
        ++at;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped,
                    sizeof escaped,
                    "\\u%04x",
                    static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// The findings of one entry (`writtenNumber`: the number a save gives it), each told to
// report(list, kind, folder, reason).
template <typename Report>
void checkEntry(const MenuNode &node,
    std::size_t writtenNumber,
    const DestinationRule &rule,
    MenuProblemScan &scan,
    Report &report)
{
    if (const char *why = unstorableReason(node))
        report(scan.problems, ProblemKind::CannotBeStored, {}, why);
    if (writtenNumber > itemLimit)
        report(scan.problems,
            ProblemKind::OverItemLimit,
            {},
            overLimitReason(writtenNumber).english());
    for (EntryCheck &check : checkEntryFolders(node, rule))
        report(check.kind == ProblemKind::CannotTell ? scan.undecided : scan.problems,
            check.kind,
            std::move(check.folder),
            check.reason.english());
}

} // namespace

namespace {

// What the rule finds of the entry's command and target path, in the order a scan lists them,
// each told to report(kind, check).
template <typename Report>
void checkFolders(const MenuNode &node, const DestinationRule &rule, Report &&report)
{
    if (node.hasChildren() || node.isSeparator())
        return;
    const DestinationCheck command = rule.ofCommand(node.data().command);
    if (command.reason == DestinationReason::Empty && node.data().command.empty())
        report(ProblemKind::EmptyCommand, command);
    else if (command.isBroken())
        report(ProblemKind::BrokenCommand, command);
    else if (command.destination == Destination::CannotTell)
        report(ProblemKind::CannotTell, command);

    const DestinationCheck target = rule.ofTargetPath(node.data().targetPath);
    if (target.isBroken())
        report(ProblemKind::BrokenTargetPath, target);
}

} // namespace

std::vector<EntryCheck> checkEntryFolders(const MenuNode &node, const DestinationRule &rule)
{
    std::vector<EntryCheck> checks;
    checkFolders(node, rule, [&checks](ProblemKind kind, const DestinationCheck &check) {
        checks.push_back({ kind,
            kind == ProblemKind::EmptyCommand ? std::string() : check.folder,
            destinationReasonLine(check) });
    });
    return checks;
}

unsigned entryCheckKinds(const MenuNode &node, const DestinationRule &rule)
{
    unsigned kinds = 0;
    checkFolders(node, rule, [&kinds](ProblemKind kind, const DestinationCheck &) {
        kinds |= problemKindBit(kind);
    });
    return kinds;
}

std::size_t endLinesAfter(const MenuNode &node)
{
    if (node.hasChildren())
        return 0;
    std::size_t count = 0;
    for (const MenuNode *at = &node; at->parent() && at->isLastChild(); at = at->parent())
        ++count;
    return count;
}

LocalText overLimitReason(std::size_t writtenNumber)
{
    return LocalText("torvex::MenuProblems",
        QT_TRANSLATE_NOOP("torvex::MenuProblems", "entry %1 of the file; the file manager reads %2"))
        .arg(std::to_string(writtenNumber))
        .arg(std::to_string(itemLimit));
}

const char *problemKindSource(ProblemKind kind)
{
    switch (kind) {
    case ProblemKind::EmptyCommand:
        return QT_TRANSLATE_NOOP("torvex::ProblemKind", "no command");
    case ProblemKind::BrokenCommand:
        return QT_TRANSLATE_NOOP("torvex::ProblemKind", "broken path");
    case ProblemKind::BrokenTargetPath:
        return QT_TRANSLATE_NOOP("torvex::ProblemKind", "broken target path");
    case ProblemKind::CannotBeStored:
        return QT_TRANSLATE_NOOP("torvex::ProblemKind", "cannot be stored");
    case ProblemKind::OverItemLimit:
        return QT_TRANSLATE_NOOP("torvex::ProblemKind", "over the limit");
    case ProblemKind::CannotTell:
        return QT_TRANSLATE_NOOP("torvex::ProblemKind", "cannot tell");
    }
    return "";
}

std::string problemKindText(ProblemKind kind)
{
    return problemKindSource(kind);
}

MenuProblemScan findMenuProblems(const MenuTree &tree, const DestinationRule &rule)
{
    MenuProblemScan scan;
    std::size_t index = 0;
    std::size_t writtenNumber = 0;
    TitlePathWalk walk;
    tree.forEach([&](MenuNode *node) {
        walk.step(node);
        ++index;
        ++writtenNumber;
        const std::size_t ownNumber = writtenNumber;
        writtenNumber += endLinesAfter(*node);

        auto report = [&](std::vector<MenuProblem> &list,
                          ProblemKind kind,
                          std::string folder,
                          std::string reason) {
            MenuProblem problem;
            problem.kind = kind;
            problem.node = node;
            problem.menuNumber = index;
            problem.writtenNumber = ownNumber;
            problem.titlePath = walk.titles();
            problem.command = node->data().command;
            problem.targetPath = node->data().targetPath;
            problem.folder = std::move(folder);
            problem.reason = std::move(reason);
            list.push_back(std::move(problem));
        };

        checkEntry(*node, ownNumber, rule, scan, report);
        return true;
    });
    return scan;
}

std::string titlePathText(const std::vector<std::string> &titlePath)
{
    std::string text;
    for (const std::string &title : titlePath) {
        if (!text.empty())
            text += " > ";
        text += title;
    }
    return text;
}

std::string problemLine(const MenuProblem &problem)
{
    const std::string where = problem.fileLine == 0
        ? "menu " + std::to_string(problem.menuNumber)
        : "line " + std::to_string(problem.fileLine) + ", " + problem.fileKey + " (saved as menu"
            + std::to_string(problem.writtenNumber) + ")";
    std::string line =
        where + ": " + problemKindText(problem.kind) + ": " + titlePathText(problem.titlePath);
    const std::string &detail = problem.folder.empty() ? problem.reason : problem.folder;
    if (!detail.empty() && problem.kind != ProblemKind::EmptyCommand)
        line += " (" + detail + ")";
    return line;
}

std::string problemsAsJson(
    const std::vector<MenuProblem> &problems, const std::vector<DirMenuFinding> &notShown)
{
    std::string out = "[";
    for (const DirMenuFinding &finding : notShown) {
        if (out.size() > 1)
            out += ",";
        out += "\n  {\"kind\": \"not shown\", \"line\": " + std::to_string(finding.lineNumber)
            + ", \"text\": ";
        appendJsonString(out, finding.text);
        out += ", \"reason\": ";
        appendJsonString(out, finding.reason);
        out += "}";
    }
    for (const MenuProblem &problem : problems) {
        if (out.size() > 1)
            out += ",";
        out += "\n  {\"kind\": ";
        appendJsonString(out, problemKindText(problem.kind));
        out += ", \"menuNumber\": " + std::to_string(problem.menuNumber)
            + ", \"writtenKey\": \"menu" + std::to_string(problem.writtenNumber)
            + "\", \"line\": " + std::to_string(problem.fileLine) + ", \"key\": ";
        appendJsonString(out, problem.fileKey);
        out += ", \"titlePath\": [";
        for (std::size_t i = 0; i < problem.titlePath.size(); ++i) {
            if (i > 0)
                out += ", ";
            appendJsonString(out, problem.titlePath[i]);
        }
        out += "], \"command\": ";
        appendJsonString(out, problem.command);
        out += ", \"targetPath\": ";
        appendJsonString(out, problem.targetPath);
        out += ", \"folder\": ";
        appendJsonString(out, problem.folder);
        out += ", \"reason\": ";
        appendJsonString(out, problem.reason);
        out += "}";
    }
    out += out.size() == 1 ? "]\n" : "\n]\n";
    return out;
}

} // namespace torvex
