#include "cli/MenuTool.h"

#include "cli/DiffCommand.h"
#include "cli/MenuCodeCommands.h"
#include "cli/WhereCommand.h"
#include "core/Error.h"
#include "core/Text.h"
#include "editor/EntryDestination.h"
#include "editor/ItemCount.h"
#include "editor/MenuProblems.h"
#include "files/FileSystem.h"
#include "menu/DirMenuFile.h"
#include "menu/IniFile.h"
#include "platform/WindowsPath.h"
#include "platform/WindowsView.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <sys/stat.h>

namespace torvex {

namespace {

constexpr int exitFine = 0;
constexpr int exitFindings = 1;
constexpr int exitError = 2;

// The help: one command per line, so that it reads in a terminal of 80 columns.
const char *usage =
    "usage: torvex-menu [--prefix DIR] COMMAND\n"
    "Prints, checks, resaves and compares the directory menu (section DirMenu)\n"
    "of a wincmd.ini.\n"
    "\n"
    "Commands:\n"
    "  print FILE                    the menu as an indented tree\n"
    "  check [--json] FILE           the item count, the lines a save removes and\n"
    "                                every problem of the menu\n"
    "  resave FILE                   load the menu and save it back, as Torvex does\n"
    "  where [PATH]                  where the editor looks for wincmd.ini\n"
    "  where --all [--json]          the wincmd.ini files of every Wine prefix found\n"
    "  diff FILE OTHER               the lines of two menus that differ (unified)\n"
    "  export [--json|--yaml] FILE   the menu as a JSON (default) or YAML tree\n"
    "  import FILE MENU.json         replace the menu of FILE with MENU.json's\n"
    "  add FILE --title T --command C [--path P]\n"
    "      [--under \"A > B\"] [--first|--after TITLE]\n"
    "                                add an entry (makes the missing submenus)\n"
    "  remove FILE \"A > B\"           remove the entry named by the title path\n"
    "  --help                        print this help\n"
    "  --version                     print the name and version\n"
    "\n"
    "Options:\n"
    "  --prefix DIR                  work in the Wine prefix DIR instead of the\n"
    "                                file's prefix (else WINEPREFIX, else ~/.wine)\n"
    "\n"
    "Exit status: 0 fine; 1 check or diff found something, or add --after or\n"
    "remove found no such entry; 2 an error or a wrong command line.\n"
    "See torvex-menu(1).";

// Print indents each level by two blanks down to this many levels; deeper entries keep that
// indentation and name their level, so that the output grows with the menu's size only.
constexpr std::size_t maxIndentedLevel = 32;

// Fails with a one-line message when `path` is not a regular file (or a link to one), the
// same rule by which "where" counts a candidate. A host path that cannot be looked up says
// why (a loop of symbolic links, a folder it may not enter).
void requireFile(const std::string &path, const FileSystem &fs, const WindowsView &view)
{
    if (fs.fileExists(path))
        return;
    if (fs.dirExists(path) || view.pathExists(path))
        throw TorvexError(path + ": not a regular file");
    struct stat info
    {
    };
    if (!isWindowsPath(path) && ::stat(path.c_str(), &info) != 0 && errno != ENOENT)
        throw TorvexError(path + ": " + std::strerror(errno));
    throw TorvexError(path + ": no such file");
}

// Returns the lines of the file that the menu does not show.
std::vector<DirMenuFinding> readMenuFile(
    const std::string &path, MenuTree &tree, FileSystem &fs, const WindowsView &view)
{
    requireFile(path, fs, view);
    return readMenuFile(path, tree, fs);
}

// Names on stderr each line of the file that the menu leaves out.
void warnNotShown(
    const std::string &path, const std::vector<DirMenuFinding> &notShown, std::ostream &err)
{
    for (const DirMenuFinding &finding : notShown)
        err << "torvex-menu: " << visibleText(path) << ": " << visibleText(findingLine(finding))
            << '\n';
}

void printTree(const MenuTree &tree, std::ostream &out)
{
    std::vector<const MenuNode *> path; // the node's submenus, from the top level down
    tree.forEach([&](MenuNode *node) {
        while (!path.empty() && path.back() != node->parent())
            path.pop_back();
        const std::size_t depth = path.size();
        path.push_back(node);
        out << std::string(std::min(depth, maxIndentedLevel) * 2, ' ');
        if (depth >= maxIndentedLevel)
            out << "[level " << depth + 1 << "] ";
        out << visibleText(node->title());
        if (!node->hasChildren()) {
            out << '\t' << visibleText(node->data().command);
            if (!node->data().targetPath.empty())
                out << '\t' << visibleText(node->data().targetPath);
        }
        out << '\n';
        return true;
    });
}

int print(const std::string &path,
    std::ostream &out,
    std::ostream &err,
    FileSystem &fs,
    const WindowsView &view)
{
    MenuTree tree;
    warnNotShown(path, readMenuFile(path, tree, fs, view), err);
    printTree(tree, out);
    return exitFine;
}

// The menu file as the file manager names it: a Windows path, through the view for a host path.
std::string windowsPathOf(const std::string &path, const WindowsView &view)
{
    if (isWindowsPath(path))
        return path;
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? std::string() : view.windowsPath(absolute).value_or("");
}

int check(const std::string &path,
    bool asJson,
    std::ostream &out,
    FileSystem &fs,
    const WindowsView &view)
{
    MenuTree tree;
    const std::vector<DirMenuFinding> notShown = readMenuFile(path, tree, fs, view);
    const std::size_t count = itemCount(tree);
    const DestinationRule rule =
        DestinationRule::forView(view, commanderPath(view.registry(), windowsPathOf(path, view)));
    MenuProblemScan scan = findMenuProblems(tree, rule);
    // Named by the key and line as the file has them; the same file, read once more.
    const std::vector<EntrySource> sources = menuEntrySources(IniFile(path, fs).document());
    for (MenuProblem &problem : scan.problems) {
        if (problem.menuNumber >= 1 && problem.menuNumber <= sources.size()) {
            problem.fileKey = sources[problem.menuNumber - 1].key;
            problem.fileLine = sources[problem.menuNumber - 1].lineNumber;
        }
    }
    if (asJson) {
        out << problemsAsJson(scan.problems, notShown);
    } else {
        out << itemCountText(count).english().substr(1) << '\n';
        for (const DirMenuFinding &finding : notShown)
            out << visibleText(findingLine(finding)) << '\n';
        for (const MenuProblem &problem : scan.problems)
            out << visibleText(problemLine(problem)) << '\n';
    }
    const bool found = !scan.problems.empty() || !notShown.empty();
    return found || count >= itemLimit ? exitFindings : exitFine;
}

// The menu is written back without building it in memory (resaveMenu); a menu that reads as
// empty is not written, as the editor never saves an empty tree.
int resave(const std::string &path,
    std::ostream &err,
    FileSystem &fs,
    const WindowsView &view,
    const Environment &environment)
{
    requireFile(path, fs, view);
    // The file as it was is kept first, as every writing command does: a resave removes the
    // lines the menu does not show.
    const ResaveOutcome outcome = resaveMenu(
        path,
        fs,
        [&](const std::vector<DirMenuFinding> &notShown) {
            warnNotShown(path, notShown, err);
        },
        dirMenuSection,
        [&] {
            keepBackupBeforeWriting(path, fs, environment);
        });
    if (outcome.empty)
        err << "torvex-menu: " << visibleText(path) << ": the menu is empty; nothing was written\n";
    return exitFine;
}

// "where [PATH]" and "where --all [--json]".
int where(const std::vector<std::string> &args,
    std::ostream &out,
    std::ostream &err,
    const WindowsView &view,
    const Environment &environment)
{
    const std::vector<std::string> paths(args.begin() + 1, args.end());
    if (paths.size() > 1 && !isWhereAll(paths)) {
        err << usage << '\n';
        return exitError;
    }
    try {
        if (isWhereAll(paths))
            return runWhereAll(view, environment, paths.size() == 2, out);
        return runWhere(paths, view, out);
    } catch (const std::exception &error) {
        err << "torvex-menu: " << visibleText(error.what()) << '\n';
        return exitError;
    }
}

// "export", "import", "add" and "remove": the menu as code.
int menuAsCode(const std::vector<std::string> &args,
    std::ostream &out,
    std::ostream &err,
    FileSystem &fs,
    const WindowsView &view,
    const Environment &environment)
{
    MenuCodeContext context { fs,
        [&](const std::string &path) {
            requireFile(path, fs, view);
        },
        environment,
        out,
        err };
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "export")
        return runExport(rest, context);
    if (args[0] == "import")
        return runImport(rest, context);
    if (args[0] == "add")
        return runAdd(rest, context);
    return runRemove(rest, context);
}

} // namespace

int runMenuTool(const std::vector<std::string> &arguments,
    std::ostream &out,
    std::ostream &err,
    FileSystem &fs,
    const WindowsView &view,
    const Environment &environment)
{
    // "check --json FILE" (or "check FILE --json"): the report as JSON.
    bool asJson = false;
    std::vector<std::string> args = arguments;
    if (args.size() == 3 && args[0] == "check") {
        const auto flag = std::find(args.begin() + 1, args.end(), "--json");
        if (flag != args.end()) {
            asJson = true;
            args.erase(flag);
        }
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usage << '\n';
        return exitFine;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "torvex-menu " << TORVEX_VERSION << '\n';
        return exitFine;
    }
    using Command = std::function<int(const std::string &)>;
    const std::map<std::string, Command> commands = {
        { "print",
            [&](const std::string &file) {
                return print(file, out, err, fs, view);
            } },
        { "check",
            [&](const std::string &file) {
                return check(file, asJson, out, fs, view);
            } },
        { "resave",
            [&](const std::string &file) {
                return resave(file, err, fs, view, environment);
            } },
    };
    if (!args.empty() && args[0] == "where")
        return where(args, out, err, view, environment);
    if (!args.empty() && isMenuCodeCommand(args[0]))
        return menuAsCode(args, out, err, fs, view, environment);
    if (args.size() == 3 && args[0] == "diff") {
        try {
            return runDiff(
                args[1],
                args[2],
                fs,
                [&](const std::string &path) {
                    requireFile(path, fs, view);
                },
                out);
        } catch (const std::exception &error) {
            err << "torvex-menu: " << visibleText(error.what()) << '\n';
            return exitError;
        }
    }
    if (args.size() != 2 || !commands.contains(args[0])) {
        err << usage << '\n';
        return exitError;
    }
    try {
        return commands.at(args[0])(args[1]);
    } catch (const std::exception &error) {
        err << "torvex-menu: " << visibleText(error.what()) << '\n';
        return exitError;
    }
}

} // namespace torvex
