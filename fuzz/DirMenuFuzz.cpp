// Arbitrary bytes as wincmd.ini: the menu read from them and written back must give a
// balanced, contiguously numbered section that the ini document accepts, and the lines that
// `torvex-menu resave` writes without building the menu must be the same. The streaming
// writers (the editor's save and the resave, in pieces) must give the bytes of the
// document's own replaceSection. Text the document refuses is never read.
#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/IniDocument.h"
#include "menu/IniError.h"
#include "menu/MenuResave.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace torvex;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    IniDocument doc = IniDocument::fromBytes(bytes);
    if (!doc.refusal().empty()) {
        try {
            (void)doc.readSection(dirMenuSection);
            check(false);
        } catch (const IniFormatError &) { }
        return 0;
    }
    const IniEntries entries = doc.readSection(dirMenuSection);
    MenuTree tree;
    readDirMenu(entries, tree);
    const DirMenuEntries lines = writeDirMenu(tree);

    DirMenuValues values;
    for (const auto &[key, value] : entries)
        values.add(key, value);
    DirMenuEntries resaved;
    forEachResavedDirMenuLine(values, [&resaved](std::string_view key, std::string_view value) {
        resaved.emplace_back(key, value);
    });
    check(resaved == lines);
    check(values.holdsEntry() == !tree.isEmpty());

    std::size_t menuKeys = 0;
    long open = 0;
    std::size_t expectedNumber = 0;
    for (const auto &[key, value] : lines) {
        if (!key.starts_with("menu"))
            continue;
        ++menuKeys;
        check(key == "menu" + std::to_string(++expectedNumber));
        if (value == "--")
            check(--open >= 0);
        else if (value.starts_with("-") && value != "-")
            ++open;
    }
    check(menuKeys == tree.count() + tree.submenuCount());

    // The pieces the streaming writers hand to the file, joined; the file's bytes when
    // nothing would change.
    const auto streamed = [&doc](const auto &writeWith) {
        std::string joined = std::string(doc.originalBytes());
        writeWith([&joined](const IniPieces &pieces) {
            joined.clear();
            pieces([&joined](std::string_view piece) {
                joined += piece;
            });
        });
        return joined;
    };
    const IniEntrySource treeLines = [&lines](const IniEntryVisitor &visit) {
        for (const auto &[key, value] : lines)
            visit(key, value);
    };
    const std::string saved = streamed([&](const auto &write) {
        doc.writeWithSection(dirMenuSection, treeLines, true, true, write);
    });
    // As torvex-menu resave hands them over: views of the values, an empty one without bytes.
    const IniEntrySource resavedLines = [&values](const IniEntryVisitor &visit) {
        forEachResavedDirMenuLine(values, visit);
    };
    const std::string resavedBytes = streamed([&](const auto &write) {
        doc.writeWithSection(dirMenuSection,
            resavedLines,
            { .keysAreDistinct = true, .keepEmpty = true, .readFromDocument = false },
            write);
    });
    check(saved == resavedBytes);

    // Whatever the file held, the menu read from it can be saved: an IniValueError escapes.
    doc.replaceSection(dirMenuSection, lines);
    if (!lines.empty())
        check(saved == doc.toBytes());
    MenuTree again;
    readDirMenu(IniDocument::fromBytes(doc.toBytes()).readSection(dirMenuSection), again);
    check(again.count() <= tree.count());
    return 0;
}
