#include "cli/MenuCodeCommands.h"

#include "app/MenuFileSteps.h"
#include "core/Error.h"
#include "core/Text.h"
#include "editor/TitlePath.h"
#include "files/FileErrors.h"
#include "files/FileSystem.h"
#include "files/SaveBackup.h"
#include "files/UserFolders.h"
#include "menu/DirMenuFile.h"
#include "menu/DirMenuStorability.h"
#include "menu/MenuAsCode.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace torvex {

namespace {

constexpr int exitFine = 0;
constexpr int exitNotFound = 1;
constexpr int exitError = 2;

// A command line that does not fit its command: usage on stderr, exit 2.
struct UsageError : TorvexError
{
    using TorvexError::TorvexError;
};

const char *exportUsage = "usage: torvex-menu export [--json|--yaml] FILE";
const char *importUsage = "usage: torvex-menu import FILE MENU.json";
const char *addUsage = "usage: torvex-menu add FILE --title T --command C [--path P]"
                       " [--under \"A > B\"] [--first|--after TITLE]";
const char *removeUsage = "usage: torvex-menu remove FILE \"A > B\"";

// Reads the menu file into `tree`, naming on stderr each line that a save removes; returns
// the digest of its menu lines, by which the save tells whether another program changed
// them in between.
MenuLinesDigest readForEdit(const std::string &path, MenuTree &tree, MenuCodeContext &context)
{
    context.requireFile(path);
    const MenuLinesDigest digest = menuLinesDigestOnDisk(path, context.fs);
    for (const DirMenuFinding &finding : readMenuFile(path, tree, context.fs))
        context.err << "torvex-menu: " << visibleText(path) << ": "
                    << visibleText(findingLine(finding)) << '\n';
    return digest;
}

// The save every writing command makes: refused, with nothing written, when the file cannot
// store an entry as it is; then a backup of the file as it was, and the menu written in one go
// (with a recovery copy while the file is written in place), refused when another program
// changed the menu since it was read.
// Throws TorvexError with the message the editor shows.
void saveMenu(const std::string &path,
    const MenuTree &tree,
    const std::optional<MenuLinesDigest> &asRead,
    MenuCodeContext &context)
{
    // What the editor asks about before a save is refused here: nothing is written.
    const std::vector<UnstorableEntry> unstorable = findUnstorableEntries(tree);
    if (!unstorable.empty()) {
        std::string text = "The file cannot store these entries as they are:";
        for (const UnstorableEntry &entry : unstorable)
            text += "\n  " + visibleText(entry.titlePath) + ": " + entry.reason;
        throw TorvexError(text);
    }
    keepBackupBeforeWriting(path, context.fs, context.environment);
    try {
        writeMenuFile(path, tree, context.fs, {}, [&](const IniDocument &document) {
            if (asRead && menuLinesDigest(document) != *asRead)
                throw IniWriteError(path, fileChangedCause);
        });
    } catch (const std::exception &error) {
        const SaveFailure failure = describeSaveFailure(error, tree);
        throw TorvexError(messageWithCause(failure.message, failure.cause));
    }
}

// The value after an option, or a usage error when it is missing.
const std::string &optionValue(const std::vector<std::string> &args, std::size_t &at)
{
    if (at + 1 >= args.size())
        throw UsageError(addUsage);
    return args[++at];
}

// One line for an entry in messages: its title path.
std::string named(const std::string &path)
{
    return "\"" + visibleText(path) + "\"";
}

int guarded(const std::function<int()> &command, const char *usage, MenuCodeContext &context)
{
    try {
        return command();
    } catch (const UsageError &) {
        context.err << usage << '\n';
    } catch (const std::exception &error) {
        // A message of several lines keeps them, each shown safely for the terminal.
        std::string_view text = error.what();
        const char *prefix = "torvex-menu: ";
        while (!text.empty()) {
            const std::size_t end = std::min(text.find('\n'), text.size());
            std::string_view line = text.substr(0, end);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            context.err << prefix << visibleText(line) << '\n';
            prefix = "";
            text.remove_prefix(std::min(end + 1, text.size()));
        }
    }
    return exitError;
}

} // namespace

bool isMenuCodeCommand(const std::string &command)
{
    return command == "export" || command == "import" || command == "add" || command == "remove";
}

void keepBackupBeforeWriting(const std::string &path, FileSystem &fs, const Environment &environment)
{
    SaveBackup backup(fs, userStateFolder(environment));
    try {
        backup.keepBefore(path);
    } catch (const FileError &error) {
        const std::string cause = error.cause().empty() ? "" : ": " + error.cause();
        throw TorvexError("No backup of " + path + " could be kept: " + error.what() + cause);
    }
}

int runExport(const std::vector<std::string> &args, MenuCodeContext &context)
{
    return guarded(
        [&] {
            bool asYaml = false;
            std::optional<std::string> file;
            for (const std::string &arg : args) {
                if (arg == "--json" || arg == "--yaml")
                    asYaml = arg == "--yaml";
                else if (!file && !arg.starts_with("--"))
                    file = arg;
                else
                    throw UsageError(exportUsage);
            }
            if (!file)
                throw UsageError(exportUsage);
            MenuTree tree;
            readForEdit(*file, tree, context);
            context.out << (asYaml ? menuAsYaml(tree) : menuAsJson(tree));
            return exitFine;
        },
        exportUsage,
        context);
}

int runImport(const std::vector<std::string> &args, MenuCodeContext &context)
{
    return guarded(
        [&] {
            if (args.size() != 2)
                throw UsageError(importUsage);
            const std::string &file = args[0];
            const std::string &menuFile = args[1];
            context.requireFile(file);
            std::string text;
            try {
                text = context.fs.readAll(menuFile);
            } catch (const FileError &error) {
                throw TorvexError(
                    error.cause().empty() ? error.what() : menuFile + ": " + error.cause());
            }
            MenuTree tree;
            try {
                readMenuJson(text, tree);
            } catch (const TorvexError &error) {
                throw TorvexError(menuFile + ": " + error.what());
            }
            // The whole menu is replaced: what it held before does not matter, unless it is
            // as empty as the new one, which leaves the file as it is (as a resave does).
            if (tree.isEmpty()) {
                MenuTree inFile;
                readMenuFile(file, inFile, context.fs);
                if (inFile.isEmpty())
                    return exitFine;
            }
            saveMenu(file, tree, std::nullopt, context);
            return exitFine;
        },
        importUsage,
        context);
}

namespace {

// The options of "add" after its file.
struct AddOptions
{
    std::optional<std::string> title, command, under, after;
    std::string targetPath;
    bool first = false;
};

AddOptions readAddOptions(const std::vector<std::string> &args)
{
    if (args.empty() || args[0].starts_with("--"))
        throw UsageError(addUsage);
    AddOptions options;
    for (std::size_t at = 1; at < args.size(); ++at) {
        const std::string &option = args[at];
        if (option == "--title")
            options.title = optionValue(args, at);
        else if (option == "--command")
            options.command = optionValue(args, at);
        else if (option == "--path")
            options.targetPath = optionValue(args, at);
        else if (option == "--under")
            options.under = optionValue(args, at);
        else if (option == "--after")
            options.after = optionValue(args, at);
        else if (option == "--first")
            options.first = true;
        else
            throw UsageError(addUsage);
    }
    if (!options.title || !options.command || (options.first && options.after))
        throw UsageError(addUsage);
    return options;
}

// The submenu that `--under` names, made where the path leads nowhere yet (as folders are);
// null for the top level.
MenuNode *submenuUnder(MenuTree &tree, const std::optional<std::string> &under)
{
    if (!under)
        return nullptr;
    const TitlePathReach reach = reachTitlePath(tree, *under);
    MenuNode *parent = reach.node;
    if (parent && !parent->hasChildren() && !parent->isSeparator()
        && (!parent->data().command.empty() || !parent->data().targetPath.empty()))
        throw TorvexError(named(*under) + " is an entry with a command, not a submenu");
    if (parent && parent->isSeparator())
        throw TorvexError(named(*under) + " is a separator, not a submenu");
    for (const std::string &missing : reach.missing)
        parent = parent ? tree.addChild(parent, missing) : tree.addTopLevel(missing);
    return parent;
}

// The entry of that title on the level of `parent` (the top level when null), or null.
MenuNode *entryTitled(MenuTree &tree, MenuNode *parent, const std::string &title)
{
    const auto &level = parent ? parent->children() : tree.topLevel();
    for (const auto &candidate : level)
        if (candidate->title() == title)
            return candidate.get();
    return nullptr;
}

} // namespace

int runAdd(const std::vector<std::string> &args, MenuCodeContext &context)
{
    return guarded(
        [&]() -> int {
            const AddOptions options = readAddOptions(args);
            const std::string &file = args[0];
            MenuTree tree;
            const MenuLinesDigest asRead = readForEdit(file, tree, context);
            MenuNode *parent = submenuUnder(tree, options.under);
            const std::string &title = *options.title;
            MenuNode *node = nullptr;
            if (options.after) {
                MenuNode *sibling = entryTitled(tree, parent, *options.after);
                if (!sibling) {
                    context.err << "torvex-menu: no entry " << named(*options.after)
                                << " to add after\n";
                    return exitNotFound;
                }
                MenuNode *next = sibling->nextSibling();
                node = next ? tree.addNode(next, AttachMode::Insert, title)
                            : tree.addNode(sibling, AttachMode::Add, title);
            } else if (parent) {
                node = tree.addNode(parent,
                    options.first ? AttachMode::AddChildFirst : AttachMode::AddChild,
                    title);
            } else {
                node = tree.addNode(
                    nullptr, options.first ? AttachMode::AddFirst : AttachMode::Add, title);
            }
            tree.setData(node, { *options.command, options.targetPath });
            for (MenuNode *up = node->parent(); up; up = up->parent())
                tree.refreshNodeKind(up);
            saveMenu(file, tree, asRead, context);
            return exitFine;
        },
        addUsage,
        context);
}

int runRemove(const std::vector<std::string> &args, MenuCodeContext &context)
{
    return guarded(
        [&]() -> int {
            if (args.size() != 2)
                throw UsageError(removeUsage);
            const std::string &file = args[0];
            MenuTree tree;
            const MenuLinesDigest asRead = readForEdit(file, tree, context);
            MenuNode *node = findByTitlePath(tree, args[1]);
            if (!node) {
                context.err << "torvex-menu: no entry " << named(args[1]) << '\n';
                return exitNotFound;
            }
            // A submenu that loses its last entry is written as an empty entry of its own.
            tree.remove(node);
            saveMenu(file, tree, asRead, context);
            return exitFine;
        },
        removeUsage,
        context);
}

} // namespace torvex
