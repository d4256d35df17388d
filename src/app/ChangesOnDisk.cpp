#include "app/ChangesOnDisk.h"

#include "files/FileSystem.h"
#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/IniDocument.h"

#include <memory>
#include <utility>

namespace torvex {

namespace {

// The digest of the lines dirMenuLinesToSave gives, without a list of them.
MenuLinesDigest linesToSaveDigest(const MenuTree &tree)
{
    MenuLinesDigest digest;
    forEachDirMenuLine(tree, [&digest](std::string_view key, std::string_view value) {
        if (!value.empty())
            digest.add(key, value);
    });
    return digest;
}

} // namespace

ChangesOnDisk compareWithDisk(
    const std::string &path, const MenuTree &tree, FileSystem &fs, const LoadedFile &loaded)
{
    // Read as IniFile reads it: a missing file holds nothing.
    std::string bytes = fs.fileExists(path) ? fs.readAll(path) : std::string();
    const bool remembered = path == loaded.menuPath && loaded.menuOnDisk && loaded.fileOnDisk
        && FileBytesDigest(bytes) == *loaded.fileOnDisk;
    std::shared_ptr<const MenuEntryList> before;
    MenuLinesDigest linesOnDisk;
    if (remembered && loaded.menuEntriesOnDisk) {
        before = loaded.menuEntriesOnDisk;
        linesOnDisk = *loaded.menuOnDisk;
    } else {
        const IniDocument document = IniDocument::fromOwnedBytes(std::move(bytes), path);
        DirMenuValues values;
        visitDirMenuLines(document, [&](std::string_view key, std::string_view value) {
            values.add(key, value);
            linesOnDisk.add(key, value);
        });
        before = std::make_shared<const MenuEntryList>(MenuEntryList::read(values));
        // The file the window read last, as it was: the next comparison starts from its menu.
        if (remembered)
            loaded.menuEntriesOnDisk = before;
    }
    ChangesOnDisk changes;
    changes.entries = compareMenuEntries(*before, entriesToSave(tree));
    // Menus that differ come of lines that differ; equal ones may still stand in other lines.
    changes.sameLines = changes.entries.differing.empty() && linesToSaveDigest(tree) == linesOnDisk;
    return changes;
}

} // namespace torvex
