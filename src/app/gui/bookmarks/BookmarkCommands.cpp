#include "app/gui/bookmarks/BookmarkCommands.h"

#include "app/gui/bookmarks/XbelBookmarks.h"
#include "app/gui/editing/UndoHistory.h"
#include "core/MessageBoxes.h"
#include "core/Text.h"
#include "core/gui/ShownText.h"
#include "editor/BookmarkEntries.h"
#include "files/FileErrors.h"
#include "menu/MenuTree.h"
#include "platform/CurrentWindowsView.h"
#include "platform/DesktopBookmarks.h"

#include <QAction>
#include <QMenu>

namespace torvex {

namespace {

// The desktop's folders, each once, and the files that could not be read.
struct DesktopFolders
{
    std::vector<DesktopBookmark> bookmarks;
    std::vector<std::string> failures;
};

DesktopFolders desktopFolders(const FileSystem &files, const Environment &environment)
{
    const DesktopBookmarkFiles paths = desktopBookmarkFiles(environment);
    const auto home = environment.find("HOME");
    std::vector<std::vector<DesktopBookmark>> lists;
    DesktopFolders folders;
    const auto read = [&](const std::filesystem::path &path, const auto &parse) {
        try {
            if (std::optional<std::string> text = readDesktopFile(files, path))
                lists.push_back(parse(*text));
        } catch (const FileError &error) {
            folders.failures.push_back(error.what());
        }
    };
    read(paths.gtk, [](const std::string &text) {
        return readGtkBookmarks(text);
    });
    read(paths.kde, [](const std::string &text) {
        return readXbelBookmarks(QByteArray::fromStdString(text));
    });
    read(paths.userDirs, [&](const std::string &text) {
        return readUserDirs(text, home == environment.end() ? std::string() : home->second);
    });
    folders.bookmarks = joinBookmarks(lists);
    return folders;
}

std::string titlePathOf(const MenuNode &node)
{
    std::string path(node.title());
    for (const MenuNode *up = node.parent(); up; up = up->parent())
        path = std::string(up->title()) + " > " + path;
    return path;
}

constexpr const char *bookmarksContext = "torvex::BookmarkCommands";

LocalText bookmarkText(const char *source)
{
    return LocalText(bookmarksContext, source);
}

LocalText counted(const char *source, const char *englishOne, std::size_t count)
{
    return LocalText::counted(bookmarksContext, source, englishOne, static_cast<long long>(count));
}

// The caption of every box and dialog of the bookmark commands.
LocalText bookmarksCaption()
{
    return bookmarkText(linuxBookmarksCaption);
}

} // namespace

BookmarkCommands::BookmarkCommands(QMenu &importMenu,
    QMenu &exportMenu,
    QWidget &window,
    BookmarkWindow &host,
    MenuTree &tree,
    UndoHistory &history,
    const CurrentWindowsView &views,
    FileSystem &hostFiles,
    Environment environment)
    : QObject(&window)
    , m_host(host)
    , m_tree(tree)
    , m_history(history)
    , m_views(views)
    , m_files(hostFiles)
    , m_environment(std::move(environment))
    , m_dialogChooser(std::make_unique<DialogBookmarkChooser>(window))
{
    QAction *importing = importMenu.addAction(tr("&Linux bookmarks..."));
    importing->setObjectName(QStringLiteral("mnuFileImportLinuxBookmarks"));
    connect(importing, &QAction::triggered, this, &BookmarkCommands::importBookmarks);
    QAction *exporting = exportMenu.addAction(tr("&Linux bookmarks..."));
    exporting->setObjectName(QStringLiteral("mnuFileExportLinuxBookmarks"));
    connect(exporting, &QAction::triggered, this, &BookmarkCommands::exportBookmarks);
}

BookmarkCommands::~BookmarkCommands() = default;

void BookmarkCommands::setChooser(BookmarkChooser *chooser)
{
    m_chooser = chooser;
}

void BookmarkCommands::importBookmarks()
{
    const DesktopFolders found = desktopFolders(m_files, m_environment);
    std::string failures;
    for (const std::string &failure : found.failures)
        failures += std::string(lineBreak) + failure;
    if (found.bookmarks.empty()) {
        m_host.boxes().inform(
            LocalText::joined({ bookmarkText(QT_TRANSLATE_NOOP("torvex::BookmarkCommands",
                                    "The desktop names no folders: no GTK or KDE "
                                    "bookmarks and no XDG user folders were found.")),
                                  LocalText::verbatim(failures) },
                ""),
            bookmarksCaption(),
            found.failures.empty() ? MsgIcon::Information : MsgIcon::Warning);
        return;
    }
    std::vector<BookmarkImport> imports;
    std::vector<BookmarkLine> lines;
    for (const DesktopBookmark &bookmark : found.bookmarks) {
        BookmarkImport import = importOf(bookmark, m_views.view());
        BookmarkLine line;
        line.text = visibleText(import.title) + "  \xE2\x80\x94  " + visibleText(bookmark.folder);
        line.enabled = import.refusal.empty();
        line.checked = line.enabled && import.folderExists;
        line.note = !import.refusal.empty() ? import.refusal
            : import.folderExists           ? import.command
                                            : "the folder does not exist; " + import.command;
        lines.push_back(std::move(line));
        imports.push_back(std::move(import));
    }
    const auto checked = chooser().choose(shownText(bookmarksCaption()).toStdString(),
        shownText(bookmarkText(QT_TRANSLATE_NOOP("torvex::BookmarkCommands",
                      "Check the folders to add to the menu after the selected entry; each becomes "
                      "an entry that changes to the folder through the Wine prefix's drives.")))
                .toStdString()
            + failures,
        lines);
    if (!checked || checked->empty())
        return;
    std::vector<BookmarkImport> chosen;
    for (const std::size_t index : *checked)
        chosen.push_back(imports[index]);
    std::vector<MenuNode *> added;
    const LocalText stepName = LocalText::counted(stepNameContext,
        QT_TRANSLATE_N_NOOP("torvex::UndoHistory", "Import %n Linux bookmarks"),
        "Import %n Linux bookmark",
        static_cast<long long>(chosen.size()));
    m_history.record(stepName, [&] {
        added = addBookmarkEntries(m_tree, m_tree.selected(), chosen);
    });
    if (!added.empty())
        Q_EMIT entriesAdded(added.front());
}

void BookmarkCommands::exportBookmarks()
{
    const std::filesystem::path target = desktopBookmarkFiles(m_environment).gtk;
    if (target.empty()) {
        m_host.boxes().inform(bookmarkText(QT_TRANSLATE_NOOP("torvex::BookmarkCommands",
                                  "GTK's bookmarks file cannot be found: neither HOME nor "
                                  "XDG_CONFIG_HOME is set.")),
            bookmarksCaption(),
            MsgIcon::Warning);
        return;
    }
    const std::vector<BookmarkExport> exports = bookmarkExports(m_tree, m_views.view());
    if (exports.empty()) {
        m_host.boxes().inform(bookmarkText(QT_TRANSLATE_NOOP("torvex::BookmarkCommands",
                                  "The menu has no entries with a command.")),
            bookmarksCaption(),
            MsgIcon::Information);
        return;
    }
    std::vector<BookmarkLine> lines;
    std::size_t skipped = 0;
    for (const BookmarkExport &entry : exports) {
        BookmarkLine line;
        line.text = visibleText(titlePathOf(*entry.node)) + "  \xE2\x80\x94  "
            + visibleText(entry.skipReason.empty() ? entry.hostFolder : entry.node->data().command);
        line.enabled = entry.skipReason.empty();
        line.checked = line.enabled;
        line.note = entry.skipReason;
        skipped += line.enabled ? 0 : 1;
        lines.push_back(std::move(line));
    }
    const auto checked = chooser().choose(shownText(bookmarksCaption()).toStdString(),
        shownText(bookmarkText(
                      QT_TRANSLATE_NOOP("torvex::BookmarkCommands",
                          "Check the entries whose folders to add to GTK's bookmarks (%1). The "
                          "bookmarks there stay as they are; a folder already there is not added "
                          "again. Entries that lead to no folder are skipped."))
                      .arg(target.string()))
            .toStdString(),
        lines);
    if (!checked || checked->empty())
        return;
    std::vector<std::string> folders;
    for (const std::size_t index : *checked)
        folders.push_back(exports[index].hostFolder);
    try {
        reportExport(addGtkBookmarks(m_files, target, folders), folders.size(), skipped);
    } catch (const FileError &error) {
        // The write error names the file; its cause says why.
        std::string text = error.what();
        if (!error.cause().empty() && text.find(error.cause()) == std::string::npos)
            text += ": " + error.cause();
        m_host.boxes().inform(LocalText::verbatim(text), bookmarksCaption(), MsgIcon::Error);
    }
}

void BookmarkCommands::reportExport(std::size_t added, std::size_t chosen, std::size_t skipped)
{
    const std::string target = desktopBookmarkFiles(m_environment).gtk.string();
    std::vector<LocalText> lines { counted(
        QT_TRANSLATE_N_NOOP("torvex::BookmarkCommands", "%n folders added to %1."),
        "1 folder added to %1.",
        added)
                                       .arg(target) };
    if (chosen > added)
        lines.push_back(counted(
            QT_TRANSLATE_N_NOOP("torvex::BookmarkCommands", "%n folders were there already."),
            "1 folder was there already.",
            chosen - added));
    if (skipped > 0)
        lines.push_back(counted(QT_TRANSLATE_N_NOOP("torvex::BookmarkCommands",
                                    "%n entries skipped: no command, or no folder where the "
                                    "command leads."),
            "1 entry skipped: no command, or no folder where the command leads.",
            skipped));
    m_host.boxes().inform(
        LocalText::joined(std::move(lines), lineBreak), bookmarksCaption(), MsgIcon::Information);
}

} // namespace torvex
