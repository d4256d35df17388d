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
    const auto writeWhole = [&](const std::string &bytes) {
        if (bytes != original)
            write([&bytes](const IniPieceVisitor &piece) {
                piece(bytes);
            });
    };
    if (!keysAreDistinct) {
        IniEntries entries;
        source([&entries](std::string_view key, std::string_view value) {
            entries.emplace_back(key, value);
        });
        IniDocument copy = *this;
        copy.replaceSection(section, entries);
        writeWhole(copy.toBytes());
        return;
    }
    // Every entry is checked, as replaceSection does, and the new bytes are compared with the
    // file's as they are made; only then, when they differ, written.
    const bool utf16 = m_encoding == IniEncoding::Utf16Le;
    const std::optional<std::string> working = toWorking(section);
    const KeptLines kept = working ? keptLines(*working) : KeptLines();
    std::size_t compared = 0;
    bool same = working && !utf16; // so far
    const auto compare = [&](std::string_view piece) {
        if (!same)
            return;
        same = piece.size() <= original.size() - compared
            && original.compare(compared, piece.size(), piece) == 0;
        compared += piece.size();
    };
    if (same)
        emitKept(kept, *working, compare);
    std::size_t entryCount = 0;
    // With entries read from this document nothing can be refused: their first run only
    // compares (and counts them when an empty section is not kept), and is left out once the
    // new bytes already differ.
    const bool check = !promise.readFromDocument;
    if (check || same || !keepEmpty) {
        source([&](std::string_view key, std::string_view value) {
            ++entryCount;
            if (check) {
                const std::string_view trimmedKey = trim(key);
                // The section's name is checked with the first entry, as checkNames does.
                if (entryCount == 1)
                    checkSectionName(section);
                checkKeyName(trimmedKey);
                checkValue(trimmedKey, value);
                // Refuses a name the file cannot hold; plain ASCII without a NUL always fits.
                if (!isAscii(trimmedKey) || trimmedKey.find('\0') != std::string_view::npos)
                    encodeName(trimmedKey);
            }
            if (same)
                emitEntry(key, value, kept.ending, compare);
        });
    }
    if (entryCount == 0 && !keepEmpty) {
        IniDocument copy = *this;
        copy.eraseSection(section);
        writeWhole(copy.toBytes());
        return;
    }
    const std::string workingSection = encodeName(section);
    const auto emitAll = [&](const auto &out) {
        emitKept(kept, workingSection, out);
        source([&](std::string_view key, std::string_view value) {
            emitEntry(key, value, kept.ending, out);
        });
    };
    if (same && compared == original.size()) {
        // Nothing changes; the entries are still run through a second time, as for a write.
        source([](std::string_view, std::string_view) {});
        return;
    }
    if (utf16) {
        std::string text;
        emitAll([&text](std::string_view piece) {
            text += piece;
        });
        writeWhole(m_bom + iniCodec::utf8ToUtf16Le(text) + m_tail);
        return;
    }
    write([&](const IniPieceVisitor &piece) {
        // Most parts are a few bytes: they are gathered into pieces with a plain copy.
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

} // namespace torvex
