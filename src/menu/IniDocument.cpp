#include "menu/IniDocument.h"

#include "core/LargePages.h"
#include "core/Text.h"
#include "menu/IniError.h"
#include "menu/IniSyntax.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>

namespace torvex {

// Lines are kept in a working form in which the characters that shape the file ('[', ']',
// '=', ';', blanks, line breaks) are single ASCII bytes: the raw bytes for code page 1252
// and UTF-8 files, lossless UTF-8 for UTF-16 files. Names and values are converted to and
// from UTF-8 only when they cross the interface.

using namespace iniSyntax;

namespace {

// The number of lines of text: its line breaks (CR LF, LF or a lone CR) before the last byte,
// plus one. A loop the compiler turns into vector instructions, so that
// the line index is allocated once at its size for little more than a read of the text.
std::size_t countLines(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto *const data = reinterpret_cast<const unsigned char *>(text.data());
    const std::size_t last = text.size() - 1;
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < last; ++i)
        breaks += static_cast<std::size_t>(
            (data[i] == '\n') | ((data[i] == '\r') & (data[i + 1] != '\n')));
    // The last byte ends the last line whether it is a break or not.
    return breaks + 1;
}

} // namespace

IniDocument IniDocument::fromBytes(std::string_view bytes, std::string origin)
{
    return fromOwnedBytes(std::string(bytes), std::move(origin));
}

IniDocument IniDocument::fromOwnedBytes(std::string bytes, std::string origin)
{
    IniDocument doc;
    doc.m_origin = std::move(origin);
    if (const std::string_view reason = iniCodec::unsupportedTextReason(bytes); !reason.empty()) {
        doc.m_refusal = reason;
        doc.m_tail = std::move(bytes);
        return doc;
    }
    doc.indexLines(doc.adoptText(std::move(bytes)));
    return doc;
}

// Takes the file's bytes as the document's text in the working form (UTF-16 decoded, the byte
// order mark kept aside) and tells where the first line starts.
std::size_t IniDocument::adoptText(std::string bytes)
{
    if (bytes.starts_with(utf16LeMark)) {
        m_encoding = IniEncoding::Utf16Le;
        m_bom = utf16LeMark;
        std::string_view body = std::string_view(bytes).substr(utf16LeMark.size());
        if (body.size() % 2 != 0) {
            m_tail = body.substr(body.size() - 1);
            body.remove_suffix(1);
        }
        m_text = iniCodec::utf16LeToUtf8(body);
        m_original = std::move(bytes);
        return 0;
    }
    std::size_t start = 0;
    if (bytes.starts_with(utf8Mark)) {
        m_encoding = IniEncoding::Utf8;
        m_bom = utf8Mark;
        start = utf8Mark.size();
    }
    m_text = std::move(bytes);
    return start;
}

// Cuts the text from `start` on into lines.
void IniDocument::indexLines(std::size_t start)
{
    const std::string_view text = m_text;
    const char *const data = text.data();
    reserveWithLargePages(m_lines, countLines(text.substr(start)), true);
    // A line ends at the first CR or LF. The next LF is looked for once and kept while lines
    // that end at a CR before it go by, so a file of lone CRs is not searched to its end for
    // every line.
    std::size_t lf = std::string_view::npos;
    while (start < text.size()) {
        if (lf == std::string_view::npos || lf < start) {
            const void *found = std::memchr(data + start, '\n', text.size() - start);
            lf = found ? static_cast<std::size_t>(static_cast<const char *>(found) - data)
                       : text.size();
        }
        const void *found = std::memchr(data + start, '\r', lf - start);
        const std::size_t end =
            found ? static_cast<std::size_t>(static_cast<const char *>(found) - data) : lf;
        Line line;
        line.setOffset(start);
        line.length = static_cast<std::uint32_t>(end - start);
        if (end == text.size()) {
            line.ending = Ending::None;
            start = end;
        } else if (data[end] == '\n') {
            line.ending = Ending::Lf;
            start = end + 1;
        } else if (end + 1 < text.size() && data[end + 1] == '\n') {
            line.ending = Ending::CrLf;
            start = end + 2;
        } else {
            line.ending = Ending::Cr;
            start = end + 1;
        }
        m_lines.push_back(line);
    }
}

std::string_view IniDocument::originalBytes() const
{
    if (!m_refusal.empty())
        return m_tail;
    return m_encoding == IniEncoding::Utf16Le ? std::string_view(m_original)
                                              : std::string_view(m_text);
}

std::string_view IniDocument::text(const Line &line) const
{
    return std::string_view(line.added ? m_added : m_text).substr(line.offset(), line.length);
}

IniDocument::Line IniDocument::addLine(std::string_view text, Ending ending)
{
    Line line;
    setText(line, text);
    line.ending = ending;
    return line;
}

void IniDocument::setText(Line &line, std::string_view text)
{
    line.setOffset(m_added.size());
    line.length = static_cast<std::uint32_t>(text.size());
    line.added = true;
    m_added += text;
}

std::string IniDocument::toBytes() const
{
    if (!m_refusal.empty())
        return m_tail;
    const bool utf16 = m_encoding == IniEncoding::Utf16Le;
    std::string working = utf16 ? std::string() : m_bom;
    std::size_t size = working.size();
    for (const Line &line : m_lines)
        size += line.length + endingText[static_cast<int>(line.ending)].size();
    working.reserve(size);
    for (const Line &line : m_lines) {
        working += text(line);
        working += endingText[static_cast<int>(line.ending)];
    }
    if (utf16)
        return m_bom + iniCodec::utf8ToUtf16Le(working) + m_tail;
    return working;
}

void IniDocument::checkReadable() const
{
    if (!m_refusal.empty())
        throw IniFormatError(m_origin, m_refusal);
}

void IniDocument::checkValue(std::string_view key, std::string_view value) const
{
    // One pass over the value finds whether it holds anything to refuse at all.
    unsigned suspect = 0;
    for (const char c : value)
        suspect |= static_cast<unsigned>((c == '\n') | (c == '\r') | (c == '\0'));
    if (suspect == 0)
        return;
    if (hasLineBreak(value))
        throw IniValueError(std::string(key), "holds a line break");
    // A NUL byte would make a code page or UTF-8 file binary data, refused when read again.
    if (m_encoding != IniEncoding::Utf16Le && value.find('\0') != std::string_view::npos)
        throw IniValueError(std::string(key), "holds a NUL character");
}

std::optional<std::string> IniDocument::toWorking(std::string_view utf8) const
{
    if (m_encoding == IniEncoding::Windows1252)
        return iniCodec::encodeCp1252(utf8);
    return std::string(utf8);
}

std::string IniDocument::encodeName(std::string_view name) const
{
    if (m_encoding != IniEncoding::Utf16Le && name.find('\0') != std::string_view::npos)
        throw IniValueError("Invalid ini name '" + std::string(name) + "'");
    auto working = toWorking(name);
    if (!working)
        throw IniValueError(
            "The name '" + std::string(name) + "' cannot be stored in a Windows-1252 ini file");
    return *working;
}

std::string IniDocument::encodeValue(std::string_view value) const
{
    if (m_encoding != IniEncoding::Windows1252)
        return std::string(value);
    // A value the code page cannot hold is stored as UTF-8 behind the UTF-8 mark; so is one
    // whose code-page form would itself begin with the mark's bytes, or it would read back
    // as something else.
    auto encoded = iniCodec::encodeCp1252(value);
    if (encoded && !encoded->starts_with(utf8Mark))
        return *encoded;
    return std::string(utf8Mark) + std::string(value);
}

std::string IniDocument::decodeName(std::string_view text) const
{
    if (m_encoding == IniEncoding::Windows1252)
        return iniCodec::decodeCp1252(text);
    return std::string(text);
}

std::string IniDocument::decodeValue(std::string_view trimmed) const
{
    const std::string_view value = unquote(trimmed);
    if (m_encoding != IniEncoding::Windows1252)
        return std::string(value);
    if (value.starts_with(utf8Mark))
        return std::string(value.substr(utf8Mark.size()));
    return iniCodec::decodeCp1252(value);
}

IniDocument::Ending IniDocument::lineEnding() const
{
    // Only the last line can lack an ending, so this looks at two lines at most.
    for (const Line &line : m_lines) {
        if (line.ending != Ending::None)
            return line.ending;
    }
    return Ending::CrLf;
}

void IniDocument::endLastLine()
{
    if (!m_lines.empty() && m_lines.back().ending == Ending::None)
        m_lines.back().ending = lineEnding();
}

std::ptrdiff_t IniDocument::findSection(std::string_view workingName) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const ParsedLine line = parseLine(text(m_lines[i]));
        if (line.kind == LineKind::Header && equalsNoCase(line.name, workingName))
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < m_lines.size() && !isHeaderLine(text(m_lines[i])))
        ++i;
    return i;
}

IniEntries IniDocument::readSection(std::string_view section) const
{
    IniEntries entries;
    visitSection(section, [&entries](std::string_view key, std::string_view value) {
        entries.emplace_back(key, value);
    });
    return entries;
}

// Calls visit(lineIndex, ordinal, parsed line, key seen before in the section) for the header
// and each line of the first section of that name, or of every one of them.
template <typename Visit>
void IniDocument::walkSections(std::string_view section, bool everyOccurrence, Visit &&visit) const
{
    checkReadable();
    const auto name = toWorking(trim(section));
    if (!name)
        return;
    std::size_t ordinal = 0;
    for (std::ptrdiff_t header = findSection(*name); header >= 0; ++ordinal) {
        const auto first = static_cast<std::size_t>(header);
        const std::size_t end = sectionEnd(first);
        walkSection(first, end, ordinal, visit);
        header = everyOccurrence ? nextSectionNamed(end, *name) : -1;
    }
}

// The walk of one section: its header line `first` and the lines up to `end`.
template <typename Visit>
void IniDocument::walkSection(
    std::size_t first, std::size_t end, std::size_t ordinal, Visit &visit) const
{
    visit(first, ordinal, parseLine(text(m_lines[first])), false);
    // The keys are told by their lines counted from the header: the table of a section of
    // fewer than 16 million lines takes half the memory.
    if (end - first < SmallKeySet::idLimit)
        walkLines<SmallKeySet>(first, end, ordinal, visit);
    else
        walkLines<KeySet>(first, end, ordinal, visit);
}

// The lines of the section below its header, with the keys met kept in a `Set`.
template <typename Set, typename Visit>
void IniDocument::walkLines(
    std::size_t first, std::size_t end, std::size_t ordinal, Visit &visit) const
{
    // The key of each line is found again from its text when the table needs it.
    const auto keyOf = [this, first](std::uint32_t id) {
        return parseLine(text(m_lines[first + id])).name;
    };
    Set seen(end - first);
    // Lines are parsed a few ahead of their visit, so that the key table's slot of each
    // is on its way from memory by the time it is looked up.
    constexpr std::size_t ahead = 16;
    struct Parsed
    {
        ParsedLine line;
        std::uint64_t hash = 0;
    };
    std::array<Parsed, ahead> parsed;
    const auto parseAhead = [&](std::size_t i) {
        Parsed &next = parsed[i % ahead];
        next.line = parseLine(text(m_lines[i]));
        if (next.line.kind == LineKind::Entry) {
            next.hash = Set::hashOf(next.line.name);
            seen.prefetch(next.hash);
        }
    };
    for (std::size_t i = first + 1; i < end && i <= first + ahead; ++i)
        parseAhead(i);
    for (std::size_t i = first + 1; i < end; ++i) {
        // Copied: parsing the line `ahead` further takes its place.
        const Parsed current = parsed[i % ahead];
        if (i + ahead < end)
            parseAhead(i + ahead);
        const auto id = static_cast<std::uint32_t>(i - first);
        const bool repeated = current.line.kind == LineKind::Entry
            && seen.firstOf(current.line.name, current.hash, id, keyOf) != id;
        visit(i, ordinal, current.line, repeated);
    }
}

// The header line of the next section of that name from line `from` on, or -1.
std::ptrdiff_t IniDocument::nextSectionNamed(std::size_t from, std::string_view workingName) const
{
    for (std::size_t i = from; i < m_lines.size(); ++i) {
        if (isHeaderLine(text(m_lines[i]))
            && equalsNoCase(parseLine(text(m_lines[i])).name, workingName))
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

void IniDocument::visitSection(std::string_view section, const IniEntryVisitor &visit) const
{
    const bool plain = m_encoding != IniEncoding::Windows1252;
    std::string decodedKey;
    std::string decodedValue;
    walkSections(
        section, false, [&](std::size_t, std::size_t, const ParsedLine &line, bool repeated) {
            if (line.kind != LineKind::Entry || repeated)
                return;
            std::string_view value = unquote(line.value);
            if (value.empty())
                return;
            // Text in the working form is already UTF-8, except code-page text beyond ASCII.
            std::string_view key = line.name;
            if (!plain && !isAscii(key)) {
                decodedKey = decodeName(key);
                key = decodedKey;
            }
            if (!plain && (!isAscii(value) || value.starts_with(utf8Mark))) {
                decodedValue = decodeValue(line.value);
                value = decodedValue;
                if (value.empty())
                    return;
            }
            visit(key, value);
        });
}

void IniDocument::visitSectionLines(std::string_view section, const IniLineVisitor &visit) const
{
    const bool plain = m_encoding != IniEncoding::Windows1252;
    std::string decodedKey;
    std::string decodedValue;
    walkSections(section,
        true,
        [&](std::size_t index, std::size_t ordinal, const ParsedLine &line, bool repeated) {
            IniSectionLine out;
            out.lineNumber = index + 1;
            out.sectionOrdinal = ordinal;
            out.repeatedKey = repeated;
            switch (line.kind) {
            case LineKind::Header:
                out.kind = IniSectionLine::Kind::Header;
                break;
            case LineKind::Comment:
                out.kind = IniSectionLine::Kind::Comment;
                break;
            case LineKind::Blank:
                out.kind = IniSectionLine::Kind::Blank;
                break;
            case LineKind::Other:
                out.kind = IniSectionLine::Kind::Other;
                break;
            case LineKind::Entry:
                out.kind = IniSectionLine::Kind::Entry;
                out.key = line.name;
                out.value = unquote(line.value);
                out.valueInDocument = true;
                if (!plain && !isAscii(out.key)) {
                    decodedKey = decodeName(out.key);
                    out.key = decodedKey;
                }
                if (!plain && (!isAscii(out.value) || out.value.starts_with(utf8Mark))) {
                    decodedValue = decodeValue(line.value);
                    out.value = decodedValue;
                    out.valueInDocument = false;
                }
                break;
            }
            visit(out);
        });
}

std::string IniDocument::lineText(std::size_t lineNumber) const
{
    checkReadable();
    if (lineNumber == 0 || lineNumber > m_lines.size())
        return {};
    const std::string_view line = text(m_lines[lineNumber - 1]);
    if (m_encoding != IniEncoding::Windows1252)
        return std::string(line);
    // A value stored as UTF-8 behind its mark reads as that text, as the value does.
    const ParsedLine parsed = parseLine(line);
    if (parsed.kind == LineKind::Entry && unquote(parsed.value).starts_with(utf8Mark))
        return decodeName(line.substr(0, parsed.valueStart)) + decodeValue(parsed.value);
    return decodeName(line);
}

std::string IniDocument::readString(
    std::string_view section, std::string_view key, std::string_view def) const
{
    checkReadable();
    const auto name = toWorking(trim(section));
    const auto keyName = toWorking(trim(key));
    const std::ptrdiff_t header = name && keyName ? findSection(*name) : -1;
    if (header < 0)
        return std::string(def);
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const ParsedLine line = parseLine(text(m_lines[i]));
        if (line.kind == LineKind::Entry && equalsNoCase(line.name, *keyName))
            return decodeValue(line.value);
    }
    return std::string(def);
}

bool IniDocument::hasSection(std::string_view section) const
{
    checkReadable();
    const auto name = toWorking(trim(section));
    return name && findSection(*name) >= 0;
}

} // namespace torvex
