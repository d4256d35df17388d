#include "core/Text.h"
#include "menu/IniDocument.h"
#include "menu/IniError.h"
#include "menu/IniSyntax.h"

#include <cstring>
#include <memory>
#include <optional>

// The changes of an IniDocument and the new bytes written straight from it.
namespace torvex {

using namespace iniSyntax;

void IniDocument::eraseSection(std::string_view section)
{
    checkReadable();
    if (const auto name = toWorking(trim(section)))
        eraseWorkingSection(*name);
}

void IniDocument::eraseWorkingSection(std::string_view workingName)
{
    bool erasing = false;
    std::erase_if(m_lines, [&](const Line &line) {
        const ParsedLine parsed = parseLine(text(line));
        if (parsed.kind == LineKind::Header)
            erasing = equalsNoCase(parsed.name, workingName);
        return erasing;
    });
}

void IniDocument::writeKey(std::string_view section, std::string_view key, std::string_view value)
{
    checkReadable();
    section = trim(section);
    key = trim(key);
    checkNames(section, key);
    checkValue(key, value);
    const std::string workingSection = encodeName(section);
    const std::string workingKey = encodeName(key);
    const std::string workingValue = encodeValue(value);

    const std::ptrdiff_t header = findSection(workingSection);
    if (header < 0) {
        endLastLine();
        const Ending eol = lineEnding();
        m_lines.push_back(addLine("[" + workingSection + "]", eol));
        m_lines.push_back(addLine(workingKey + "=" + workingValue, eol));
        return;
    }
    const std::size_t end = sectionEnd(header);
    std::size_t anchor = header;
    for (std::size_t i = header + 1; i < end; ++i) {
        const std::string_view lineText = text(m_lines[i]);
        const ParsedLine line = parseLine(lineText);
        if (line.kind == LineKind::Entry && equalsNoCase(line.name, workingKey)) {
            setText(m_lines[i], std::string(lineText.substr(0, line.valueStart)) + workingValue);
            return;
        }
        if (line.kind != LineKind::Blank && line.kind != LineKind::Comment)
            anchor = i;
    }
    const Ending eol = lineEnding();
    if (m_lines[anchor].ending == Ending::None)
        m_lines[anchor].ending = eol;
    const Line added = addLine(workingKey + "=" + workingValue, eol);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(anchor) + 1, added);
}

void IniDocument::replaceSection(std::string_view section, const IniEntries &entries)
{
    checkReadable();
    if (entries.empty()) {
        eraseSection(section);
        return;
    }
    section = trim(section);
    // Check everything before changing anything, so a refused entry leaves the document as
    // it was; encoding happens afterwards, line by line, without an intermediate copy of the
    // section (it may hold hundreds of thousands of entries).
    for (const auto &[key, value] : entries) {
        const std::string_view trimmedKey = trim(key);
        checkNames(section, trimmedKey);
        checkValue(trimmedKey, value);
        encodeName(trimmedKey);
    }
    const std::string workingSection = encodeName(section);

    eraseWorkingSection(workingSection);
    endLastLine();
    const Ending eol = lineEnding();
    m_lines.reserve(m_lines.size() + entries.size() + 1);
    m_lines.push_back(addLine("[" + workingSection + "]", eol));
    // A key given twice is set again in place, as a second writeKey would do.
    KeySet keys(entries.size());
    const auto keyOf = [&entries](std::uint32_t i) {
        return trim(entries[i].first);
    };
    std::vector<std::uint32_t> lineOf(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string value = encodeValue(entries[i].second);
        const std::uint32_t first =
            keys.firstOf(trim(entries[i].first), static_cast<std::uint32_t>(i), keyOf);
        if (first == i) {
            lineOf[i] = static_cast<std::uint32_t>(m_lines.size());
            m_lines.push_back(addLine(encodeName(trim(entries[i].first)) + "=" + value, eol));
        } else {
            Line &line = m_lines[lineOf[first]];
            const std::string_view old = text(line);
            setText(line, std::string(old.substr(0, parseLine(old).valueStart)) + value);
        }
    }
}

IniDocument::KeptLines IniDocument::keptLines(std::string_view workingSection) const
{
    KeptLines result;
    result.kept.resize(m_lines.size());
    Ending ending = Ending::None;
    bool erasing = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (isHeaderLine(text(line)))
            erasing = equalsNoCase(parseLine(text(line)).name, workingSection);
        if (erasing)
            continue;
        result.kept[i] = true;
        result.last = static_cast<std::ptrdiff_t>(i);
        if (ending == Ending::None)
            ending = line.ending;
    }
    result.ending = ending == Ending::None ? Ending::CrLf : ending;
    return result;
}

// The working text of the document with the section erased and its header added at the end.
template <typename Out>
void IniDocument::emitKept(const KeptLines &kept, std::string_view workingSection, Out &&out) const
{
    if (m_encoding != IniEncoding::Utf16Le)
        out(m_bom);
    const std::string_view ending = endingText[static_cast<int>(kept.ending)];
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (!kept.kept[i])
            continue;
        const Line &line = m_lines[i];
        out(text(line));
        out(static_cast<std::ptrdiff_t>(i) == kept.last && line.ending == Ending::None
                ? ending
                : endingText[static_cast<int>(line.ending)]);
    }
    out("[");
    out(workingSection);
    out("]");
    out(ending);
}

// An entry's line in working text, of an entry that passed the checks of replaceSection.
template <typename Out>
void IniDocument::emitEntry(
    std::string_view key, std::string_view value, Ending ending, Out &&out) const
{
    const bool codePage = m_encoding == IniEncoding::Windows1252;
    const std::string_view trimmedKey = trim(key);
    // Only code-page names and values beyond ASCII change on the way into the working form.
    if (codePage && !isAscii(trimmedKey))
        out(encodeName(trimmedKey));
    else
        out(trimmedKey);
    out("=");
    if (codePage && !isAscii(value))
        out(encodeValue(value));
    else
        out(value);
    out(endingText[static_cast<int>(ending)]);
}

namespace {

// Hands `bytes` to `write` as one piece, unless they are the file's bytes as they are.
void writeIfChanged(std::string_view original,
    const std::string &bytes,
    const std::function<void(const IniPieces &pieces)> &write)
{
    if (bytes != original)
        write([&bytes](const IniPieceVisitor &piece) {
            piece(bytes);
        });
}

// Whether the parts given one by one are, so far, the start of `original`.
class SameBytes
{
public:
    SameBytes(std::string_view original, bool same)
        : m_original(original)
        , m_same(same)
    { }
    void operator()(std::string_view part)
    {
        if (!m_same)
            return;
        m_same = part.size() <= m_original.size() - m_compared
            && m_original.compare(m_compared, part.size(), part) == 0;
        m_compared += part.size();
    }
    bool same() const { return m_same; }
    // All of `original` and nothing more.
    bool whole() const { return m_same && m_compared == m_original.size(); }

private:
    std::string_view m_original;
    std::size_t m_compared = 0;
    bool m_same;
};

// Writes the parts that `emitAll` gives in pieces of about a megabyte: most parts are a few
// bytes, gathered into pieces with a plain copy.
template <typename EmitAll>
void writeInPieces(const EmitAll &emitAll, const std::function<void(const IniPieces &pieces)> &write)
{
    write([&](const IniPieceVisitor &piece) {
        constexpr std::size_t pieceSize = std::size_t(1) << 20;
        const auto buffer = std::make_unique_for_overwrite<char[]>(pieceSize);
        std::size_t used = 0;
        emitAll([&](std::string_view part) {
            // An empty part may have no bytes behind it at all, which memcpy must not be given.
            if (part.empty())
                return;
            if (part.size() > pieceSize - used) {
                if (used > 0)
                    piece(std::string_view(buffer.get(), used));
                used = 0;
                if (part.size() >= pieceSize) {
                    piece(part);
                    return;
                }
            }
            std::memcpy(buffer.get() + used, part.data(), part.size());
            used += part.size();
        });
        if (used > 0)
            piece(std::string_view(buffer.get(), used));
    });
}

} // namespace

// Refuses an entry as replaceSection does; the section's name is checked with the first entry,
// as checkNames does.
void IniDocument::checkNewEntry(
    std::string_view section, std::string_view key, std::string_view value, bool first) const
{
    const std::string_view trimmedKey = trim(key);
    if (first)
        checkSectionName(section);
    checkKeyName(trimmedKey);
    checkValue(trimmedKey, value);
    // Refuses a name the file cannot hold; plain ASCII without a NUL always fits.
    if (!isAscii(trimmedKey) || trimmedKey.find('\0') != std::string_view::npos)
        encodeName(trimmedKey);
}

IniDocument IniDocument::withSectionReplaced(
    std::string_view section, const IniEntrySource &source) const
{
    IniEntries entries;
    source([&entries](std::string_view key, std::string_view value) {
        entries.emplace_back(key, value);
    });
    IniDocument copy = *this;
    copy.replaceSection(section, entries);
    return copy;
}

void IniDocument::writeWithSection(std::string_view section,
    const IniEntrySource &source,
    bool keysAreDistinct,
    bool keepEmpty,
    const std::function<void(const IniPieces &pieces)> &write) const
{
    writeWithSection(section, source, SectionSource { keysAreDistinct, keepEmpty, false }, write);
}

void IniDocument::writeWithSection(std::string_view section,
    const IniEntrySource &source,
    const SectionSource &promise,
    const std::function<void(const IniPieces &pieces)> &write) const
{
    const bool keysAreDistinct = promise.keysAreDistinct || promise.readFromDocument;
    const bool keepEmpty = promise.keepEmpty;
    checkReadable();
    section = trim(section);
    const std::string_view original = originalBytes();
    if (!keysAreDistinct) {
        writeIfChanged(original, withSectionReplaced(section, source).toBytes(), write);
        return;
    }
    // Every entry is checked, as replaceSection does, and the new bytes are compared with the
    // file's as they are made; only then, when they differ, written.
    const bool utf16 = m_encoding == IniEncoding::Utf16Le;
    const std::optional<std::string> working = toWorking(section);
    const KeptLines kept = working ? keptLines(*working) : KeptLines();
    SameBytes compare(original, working && !utf16);
    if (compare.same())
        emitKept(kept, *working, compare);
    std::size_t entryCount = 0;
    // With entries read from this document nothing can be refused: their first run only
    // compares (and counts them when an empty section is not kept), and is left out once the
    // new bytes already differ.
    const bool check = !promise.readFromDocument;
    if (check || compare.same() || !keepEmpty) {
        source([&](std::string_view key, std::string_view value) {
            ++entryCount;
            if (check)
                checkNewEntry(section, key, value, entryCount == 1);
            if (compare.same())
                emitEntry(key, value, kept.ending, compare);
        });
    }
    if (entryCount == 0 && !keepEmpty) {
        IniDocument copy = *this;
        copy.eraseSection(section);
        writeIfChanged(original, copy.toBytes(), write);
        return;
    }
    const std::string workingSection = encodeName(section);
    const auto emitAll = [&](const auto &out) {
        emitKept(kept, workingSection, out);
        source([&](std::string_view key, std::string_view value) {
            emitEntry(key, value, kept.ending, out);
        });
    };
    if (compare.whole()) {
        // Nothing changes; the entries are still run through a second time, as for a write.
        source([](std::string_view, std::string_view) {});
        return;
    }
    if (utf16) {
        std::string text;
        emitAll([&text](std::string_view piece) {
            text += piece;
        });
        writeIfChanged(original, m_bom + iniCodec::utf8ToUtf16Le(text) + m_tail, write);
        return;
    }
    writeInPieces(emitAll, write);
}

} // namespace torvex
