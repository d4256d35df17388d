// Feeds arbitrary bytes to the ini document: reading must give back the bytes, and every
// change must keep what it does not touch.
#include "menu/IniDocument.h"
#include "menu/IniError.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace torvex;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The section the edits aim at: the first header's name when there is one, so that
// existing sections get edited, not only new ones.
std::string targetSection(const IniDocument &doc, std::string_view bytes)
{
    const std::size_t open = bytes.find('[');
    if (open != std::string_view::npos && doc.encoding() != IniEncoding::Utf16Le) {
        const std::size_t close = bytes.find_first_of("]\r\n", open + 1);
        const std::string name(
            bytes.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
        if (doc.hasSection(name))
            return name;
    }
    return "DirMenu";
}

// Whether two names designate the same section (blanks around them and ASCII case aside).
bool sameName(std::string_view a, std::string_view b)
{
    const auto normal = [](std::string_view name) {
        constexpr std::string_view blanks = " \t\r\v\f";
        const std::size_t begin = name.find_first_not_of(blanks);
        if (begin == std::string_view::npos)
            return std::string();
        std::string result(name.substr(begin, name.find_last_not_of(blanks) - begin + 1));
        for (char &c : result)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        return result;
    };
    return normal(a) == normal(b);
}

// Outside one line, writeKey keeps every byte: the input and the output differ in one
// stretch of the input that holds no line break.
void checkSingleLineChange(
    const std::string &before, const std::string &after, IniEncoding encoding)
{
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix
        && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::string_view changed =
        std::string_view(before).substr(prefix, before.size() - prefix - suffix);
    if (encoding != IniEncoding::Utf16Le)
        check(changed.find_first_of("\r\n") == std::string_view::npos);
}

// Calls `operation` on a copy of a refused document: it must throw IniFormatError and leave
// the bytes as they were.
template <typename Operation> void checkRefused(const IniDocument &doc, Operation &&operation)
{
    IniDocument copy = doc;
    try {
        operation(copy);
        check(false);
    } catch (const IniFormatError &) { }
    check(copy.toBytes() == doc.toBytes());
}

void checkRefusedDocument(const IniDocument &doc)
{
    checkRefused(doc, [](IniDocument &d) {
        (void)d.readSection("DirMenu");
    });
    checkRefused(doc, [](IniDocument &d) {
        (void)d.readString("DirMenu", "menu1", "");
    });
    checkRefused(doc, [](IniDocument &d) {
        d.writeKey("DirMenu", "menu1", "x");
    });
    checkRefused(doc, [](IniDocument &d) {
        d.replaceSection("DirMenu", { { "menu1", "x" } });
    });
    checkRefused(doc, [](IniDocument &d) {
        d.eraseSection("DirMenu");
    });
}

// Every value read from the file can be written back under its key: nothing read can make
// the file impossible to save.
void checkValuesWriteBack(const IniDocument &original, const std::string &section)
{
    IniDocument doc = original;
    const IniEntries entries = original.readSection(section);
    for (const auto &[key, value] : entries)
        doc.writeKey(section, key, value);
    IniDocument bulk = original;
    bulk.replaceSection(section, entries);
}

void editSequence(
    IniDocument doc, const std::string &section, const IniEntries &entries, IniDocument bulk)
{
    doc.eraseSection(section);
    for (const auto &[key, value] : entries)
        doc.writeKey(section, key, value);
    check(doc.toBytes() == bulk.toBytes());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const IniDocument original = IniDocument::fromBytes(bytes);
    check(original.toBytes() == bytes);
    if (!original.refusal().empty()) {
        checkRefusedDocument(original);
        return 0;
    }

    const std::string section = targetSection(original, bytes);
    const IniEntries before = original.readSection(section);
    for (const auto &[key, value] : before)
        check(original.readString(section, key, "\x01") == value);
    (void)original.readSection("DirMenu");
    checkValuesWriteBack(original, section);

    const std::string key = before.empty() ? "menu1" : before.front().first;
    const std::string value = "val\xC3\xA9 \xE2\x98\x83";
    try {
        IniDocument doc = original;
        doc.writeKey(section, key, value);
        const std::string after = doc.toBytes();
        checkSingleLineChange(bytes, after, doc.encoding());
        const IniDocument reread = IniDocument::fromBytes(after);
        check(reread.readString(section, key, "") == value);
        check(reread.toBytes() == after);
    } catch (const IniValueError &) {
        // A name from the file that cannot be written back as a key, such as one with ']'.
    }

    const IniEntries entries = {
        { "menu1", "A" }, { "cmd1", "cd \xC3\xA9" }, { "MENU1", "B" }, { "path1", "" }
    };
    try {
        IniDocument bulk = original;
        bulk.replaceSection(section, entries);
        const IniDocument reread = IniDocument::fromBytes(bulk.toBytes());
        check(reread.readSection(section)
            == IniEntries({ { "menu1", "B" }, { "cmd1", "cd \xC3\xA9" } }));
        if (!sameName(section, "other"))
            check(reread.readSection("other") == original.readSection("other"));
        editSequence(original, section, entries, bulk);
    } catch (const IniValueError &) { }
    return 0;
}
