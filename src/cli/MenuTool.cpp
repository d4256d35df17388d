#include "cli/MenuTool.h"

#include "cli/WhereCommand.h"
#include "editor/ItemCount.h"
#include "menu/DirMenuFile.h"
#include "menu/FileSystem.h"
#include "menu/IniError.h"
#include "platform/WindowsView.h"

#include <functional>
#include <map>
#include <ostream>

namespace torvex {

namespace {

constexpr int exitFine = 0;
constexpr int exitFindings = 1;
constexpr int exitError = 2;

const char *usage = "usage: torvex-menu print FILE | check FILE | resave FILE | where [PATH]";

// Loading and saving without a window: failures of the save are kept for the caller.
class ToolUi : public MenuFileUi
{
public:
    void saveFailed(const std::string &message, const std::string &cause) override
    {
        failure = messageWithCause(message, cause);
    }
    std::string failure;
};

// Fails with a one-line message when `path` cannot be used as a menu file.
void requireFile(const std::string &path, const FileSystem &fs)
{
    if (fs.dirExists(path))
        throw TorvexError(path + ": is a folder, not a file");
    if (!fs.fileExists(path))
        throw TorvexError(path + ": no such file");
}

void loadMenu(const std::string &path, MenuTree &tree, FileSystem &fs)
{
    requireFile(path, fs);
    ToolUi ui;
    loadData(path, tree, ui, fs);
}

void printTree(const MenuTree &tree, std::ostream &out)
{
    tree.forEach([&out](MenuNode *node) {
        int depth = 0;
        for (const MenuNode *p = node->parent(); p; p = p->parent())
            ++depth;
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << node->title();
        if (!node->hasChildren()) {
            out << '\t' << node->data().Command;
            if (!node->data().TargetPath.empty())
                out << '\t' << node->data().TargetPath;
        }
        out << '\n';
        return true;
    });
}

int print(const std::string &path, std::ostream &out, FileSystem &fs)
{
    MenuTree tree;
    loadMenu(path, tree, fs);
    printTree(tree, out);
    return exitFine;
}

int check(const std::string &path, std::ostream &out, FileSystem &fs)
{
    MenuTree tree;
    loadMenu(path, tree, fs);
    const std::size_t count = itemCount(tree);
    out << itemCountText(count).substr(1) << '\n';
    bool found = false;
    std::size_t index = 0;
    tree.forEach([&](MenuNode *node) {
        ++index;
        if (!node->hasChildren() && !node->isSeparator() && node->data().Command.empty()) {
            out << "menu " << index << ": no command: " << node->title() << '\n';
            found = true;
        }
        return true;
    });
    if (reportBrokenPaths(tree, WindowsView::open(processEnvironment()), out))
        found = true;
    return found || count >= itemLimit ? exitFindings : exitFine;
}

int resave(const std::string &path, FileSystem &fs)
{
    MenuTree tree;
    loadMenu(path, tree, fs);
    ToolUi ui;
    gemData(path, tree, ui, fs);
    if (!ui.failure.empty())
        throw TorvexError(ui.failure);
    return exitFine;
}

} // namespace

int runMenuTool(
    const std::vector<std::string> &args, std::ostream &out, std::ostream &err, FileSystem &fs)
{
    using Command = std::function<int(const std::string &)>;
    const std::map<std::string, Command> commands = {
        { "print",
            [&](const std::string &file) {
                return print(file, out, fs);
            } },
        { "check",
            [&](const std::string &file) {
                return check(file, out, fs);
            } },
        { "resave",
            [&](const std::string &file) {
                return resave(file, fs);
            } },
    };
    if (!args.empty() && args[0] == "where" && args.size() <= 2) {
        try {
            const std::vector<std::string> paths(args.begin() + 1, args.end());
            return runWhere(paths, WindowsView::open(processEnvironment()), out);
        } catch (const std::exception &error) {
            err << "torvex-menu: " << error.what() << '\n';
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
        err << "torvex-menu: " << error.what() << '\n';
        return exitError;
    }
}

} // namespace torvex
