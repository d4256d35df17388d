#include "menu/DirMenuFile.h"

#include "core/Error.h"
#include "core/MessageBoxes.h"
#include "files/FileSystem.h"
#include "menu/DirMenuFindings.h"
#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/IniError.h"
#include "menu/IniFile.h"
#include "menu/MenuResave.h"

#include <cstdint>
#include <unordered_map>

namespace torvex {

std::string messageWithCause(const std::string &message, const std::string &cause)
{
    return cause.empty() ? message : message + ": " + cause;
}

namespace {

// Ends the tree's batch of changes however the building ends.
class UpdateBatch
{
public:
    explicit UpdateBatch(MenuTree &tree)
        : m_tree(tree)
    {
        m_tree.beginUpdate();
    }
    ~UpdateBatch() { m_tree.endUpdate(); }
    UpdateBatch(const UpdateBatch &) = delete;
    UpdateBatch &operator=(const UpdateBatch &) = delete;

private:
    MenuTree &m_tree;
};

} // namespace

namespace {

constexpr std::string_view tooDeepStart = "the menu is nested ";

} // namespace

std::string tooDeepCause(std::size_t depth, std::size_t limit)
{
    return std::string(tooDeepStart) + std::to_string(depth) + " levels deep; Torvex shows at most "
        + std::to_string(limit);
}

bool isTooDeepCause(std::string_view cause)
{
    return cause.starts_with(tooDeepStart);
}

namespace {

// gatherDirMenu's walk. With `copyValues` the values keep copies of every value, so that the
// document can go before the menu is built from them.
std::vector<DirMenuFinding> gatherValues(const IniDocument &document,
    DirMenuValues &values,
    const IniEntryVisitor &menuLine,
    std::string_view section,
    bool copyValues)
{
    // The values the document holds as they are stay there; only decoded ones are copied.
    // Gone on return, before a menu is built, which takes the most memory.
    DirMenuLoadReport report;
    report.reserve(document.lineCount());
    document.visitSectionLines(section, [&](const IniSectionLine &line) {
        const bool read = line.kind == IniSectionLine::Kind::Entry && line.sectionOrdinal == 0
            && !line.repeatedKey;
        const DirMenuKey key = read ? readDirMenuKey(line.key) : DirMenuKey();
        report.add(line, key);
        if (!read || line.value.empty())
            return;
        if (menuLine)
            menuLine(line.key, line.value);
        if (line.valueInDocument && !copyValues)
            values.addLasting(key, line.value);
        else
            values.add(key, line.value);
    });
    return report.findings([&document](std::size_t line) {
        return document.lineText(line);
    });
}

} // namespace

std::vector<DirMenuFinding> gatherDirMenu(const IniDocument &document,
    DirMenuValues &values,
    const IniEntryVisitor &menuLine,
    std::string_view section)
{
    return gatherValues(document, values, menuLine, section, false);
}

std::vector<EntrySource> menuEntrySources(const IniDocument &document, std::string_view section)
{
    // The menu keys as read, by number; the reader tells each entry with the number it came from.
    std::unordered_map<std::uint32_t, EntrySource> menuKeys;
    document.visitSectionLines(section, [&](const IniSectionLine &line) {
        if (line.kind != IniSectionLine::Kind::Entry || line.sectionOrdinal != 0 || line.repeatedKey
            || line.value.empty())
            return;
        const DirMenuKey key = readDirMenuKey(line.key);
        if (key.number != 0 && key.kind == 0)
            menuKeys.try_emplace(
                key.number, EntrySource { std::string(line.key), line.lineNumber });
    });
    class Sources : public DirMenuReadHandler
    {
    public:
        explicit Sources(const std::unordered_map<std::uint32_t, EntrySource> &keys)
            : m_keys(keys)
        { }
        void entry(std::size_t entryNumber,
            NodeKind,
            std::string_view,
            std::string_view,
            std::string_view) override
        {
            const auto found = m_keys.find(static_cast<std::uint32_t>(entryNumber));
            sources.push_back(found == m_keys.end() ? EntrySource() : found->second);
        }
        void submenuEnd() override { }
        std::vector<EntrySource> sources;

    private:
        const std::unordered_map<std::uint32_t, EntrySource> &m_keys;
    } handler(menuKeys);
    DirMenuValues values;
    gatherDirMenu(document, values, {}, section);
    readDirMenu(values, handler);
    return std::move(handler.sources);
}

std::vector<DirMenuFinding> readMenuFile(const std::string &path,
    MenuTree &tree,
    FileSystem &fs,
    const ProgressFn &progress,
    const std::function<void()> &cleared,
    const IniEntryVisitor &menuLine,
    std::size_t maxDepth,
    std::string_view section,
    const std::function<void(const IniDocument &asRead)> &asRead)
{
    // Built apart and handed over whole: a view of the tree hears of it once, and lays out
    // its rows after the file's text is gone.
    MenuTree built;
    std::vector<DirMenuFinding> findings;
    {
        DirMenuValues values;
        {
            // Read before clearing: a file that cannot be read leaves the current menu in
            // place. One walk over the lines gathers the reader's values and what it leaves
            // out. The values are copies: the file's text and its lines go before the menu is
            // built, which takes the most memory, so that the two are never held together.
            const IniDocument document = IniFile(path, fs).document();
            findings = gatherValues(document, values, menuLine, section, true);
            if (asRead)
                asRead(document);
        }
        if (maxDepth > 0) {
            if (const std::size_t depth = menuDepth(values); depth > maxDepth)
                throw IniReadError(path, tooDeepCause(depth, maxDepth));
        }
        tree.clear();
        if (cleared)
            cleared();
        readDirMenu(std::move(values), built, progress);
    }
    {
        const UpdateBatch batch(tree);
        tree.takeNodes(built);
    }
    if (MenuNode *first = tree.first())
        tree.setSelected(first);
    return findings;
}

void writeMenuFile(const std::string &path,
    const MenuTree &tree,
    FileSystem &fs,
    const ProgressFn &progress,
    const std::function<void(const IniDocument &asRead)> &checkAsRead,
    std::string_view section)
{
    // The lines go from the tree straight into the new file content. The first run checks
    // them, the second writes them and reports the progress.
    int runs = 0;
    const IniEntrySource lines = [&](const IniEntryVisitor &visit) {
        forEachDirMenuLine(tree, visit, runs++ == 0 ? ProgressFn() : progress);
    };
    // An empty menu leaves an empty section: the file manager then shows no entries.
    IniFile(path, fs).replaceSection(section, lines, true, true, checkAsRead);
}

SaveFailure describeSaveFailure(const std::exception &error, const MenuTree &tree)
{
    const auto *writeError = dynamic_cast<const IniWriteError *>(&error);
    if (!writeError)
        return { error.what(), {}, {} };
    try {
        std::rethrow_if_nested(*writeError);
    } catch (const IniValueError &refused) {
        if (!refused.key().empty()) {
            LocalText refusal = refusedEntryLine(tree, refused.key(), refused.problem());
            return { error.what() + std::string(lineBreak) + refusal.english(), {}, refusal };
        }
    } catch (...) { }
    return { error.what(), writeError->cause(), {} };
}

ResaveOutcome resaveMenu(const std::string &path,
    FileSystem &fs,
    const std::function<void(const std::vector<DirMenuFinding> &notShown)> &loaded,
    std::string_view section,
    const std::function<void()> &writing)
{
    IniFile file(path, fs);
    // From the read to the write, other Torvex saves of the file wait.
    const FileLock lock = fs.lockForSave(path);
    const IniDocument document = file.document();
    DirMenuValues values;
    ResaveOutcome outcome;
    outcome.notShown = gatherDirMenu(document, values, {}, section);
    if (loaded)
        loaded(outcome.notShown);
    // A menu that reads as empty is not written: the editor never saves an empty tree either.
    outcome.empty = !values.holdsEntry();
    if (outcome.empty)
        return outcome;
    if (writing)
        writing();
    const IniEntrySource lines = [&values](const IniEntryVisitor &visit) {
        forEachResavedDirMenuLine(values, visit);
    };
    try {
        // Keys of the writer's own and values read from the file: nothing to refuse.
        file.replaceSection(document,
            section,
            lines,
            { .keysAreDistinct = true, .keepEmpty = true, .readFromDocument = true });
    } catch (const std::exception &error) {
        // Naming the refused entry takes the menu itself; only a failure builds it.
        MenuTree tree;
        readDirMenu(values, tree);
        const SaveFailure failure = describeSaveFailure(error, tree);
        throw TorvexError(messageWithCause(failure.message, failure.cause));
    }
    return outcome;
}

} // namespace torvex
