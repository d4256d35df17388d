#include "menu/IniDocument.h"

#include "core/LargePages.h"
#include "core/Text.h"
#include "menu/IniError.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>

namespace torvex {

// Lines are kept in a working form in which the characters that shape the file ('[', ']',
// '=', ';', blanks, line breaks) are single ASCII bytes: the raw bytes for code page 1252
// and UTF-8 files, lossless UTF-8 for UTF-16 files. Names and values are converted to and
// from UTF-8 only when they cross the interface.

namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16LeMark = "\xFF\xFE";

enum class LineKind { Blank, Other, Comment, Header, Entry };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    std::string_view name; // header name or key, trimmed
    std::string_view value; // entry value, trimmed, quotes still on
    std::size_t valueStart = 0; // where the value begins after '=' and the blanks after it
};

bool isBlank(char c)
{
    // A carriage return always ends a line, so it stands here only in names handed in by
    // callers, which are trimmed of it like the profile functions trim them.
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// Whether parseLine would see a header: the first character that is not blank is '['. Cheaper
// than parsing, for walks that only look for the next section.
bool isHeaderLine(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i < text.size() && text[i] == '[';
}

ParsedLine parseLine(std::string_view text)
{
    ParsedLine line;
    const std::string_view content = trim(text);
    if (content.empty()) {
        line.kind = LineKind::Blank;
    } else if (content.front() == '[') {
        line.kind = LineKind::Header;
        const std::string_view inner = content.substr(1);
        line.name = trim(inner.substr(0, inner.find(']')));
    } else if (content.front() == ';') {
        line.kind = LineKind::Comment;
    } else if (const std::size_t eq = text.find('='); eq != std::string_view::npos) {
        line.name = trim(text.substr(0, eq));
        if (!line.name.empty()) {
            line.kind = LineKind::Entry;
            line.value = trim(text.substr(eq + 1));
            line.valueStart = eq + 1;
            while (line.valueStart < text.size()
                && (text[line.valueStart] == ' ' || text[line.valueStart] == '\t'))
                ++line.valueStart;
        }
    }
    return line;
}

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

std::uint64_t hashNoCase(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(asciiLower(c));
        hash *= 1099511628211ull;
    }
    return hash ^ (hash >> 29);
}

// The keys met so far, letter case ignored: an open-addressing table of ids whose keys the
// caller gives back on demand, so that no key is copied and no sort is needed. Each slot keeps
// the upper half of its key's hash beside the id, so that keys are compared (and looked up
// again) only when their hashes agree.
class KeySet
{
public:
    explicit KeySet(std::size_t expected)
    {
        std::size_t capacity = 16;
        while (capacity < expected + expected / 2)
            capacity *= 2;
        reserveWithLargePages(m_slots, capacity);
        m_slots.assign(capacity, 0);
    }

    // The id of the first key equal to `key`, after recording `id` for it when there is none.
    template <typename KeyOf>
    std::uint32_t firstOf(std::string_view key, std::uint32_t id, const KeyOf &keyOf)
    {
        const std::uint64_t hash = hashNoCase(key);
        const std::uint64_t tag = hash & ~std::uint64_t(0xFFFFFFFF);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = (hash >> 7) & mask;; i = (i + 1) & mask) {
            const std::uint64_t slot = m_slots[i];
            if (slot == 0) {
                m_slots[i] = tag | (std::uint64_t(id) + 1);
                if (++m_used * 3 > m_slots.size() * 2)
                    grow(keyOf);
                return id;
            }
            const auto other = static_cast<std::uint32_t>(slot) - 1;
            if ((slot & ~std::uint64_t(0xFFFFFFFF)) == tag && equalsNoCase(keyOf(other), key))
                return other;
        }
    }

private:
    template <typename KeyOf> void grow(const KeyOf &keyOf)
    {
        std::vector<std::uint64_t> old;
        reserveWithLargePages(old, m_slots.size() * 2);
        old.assign(m_slots.size() * 2, 0);
        old.swap(m_slots);
        const std::size_t mask = m_slots.size() - 1;
        for (const std::uint64_t slot : old) {
            if (slot == 0)
                continue;
            std::size_t i = (hashNoCase(keyOf(static_cast<std::uint32_t>(slot) - 1)) >> 7) & mask;
            while (m_slots[i] != 0)
                i = (i + 1) & mask;
            m_slots[i] = slot;
        }
    }

    std::vector<std::uint64_t> m_slots; // hash tag | id + 1; 0 for a free slot
    std::size_t m_used = 0;
};

bool isAscii(std::string_view text)
{
    // Eight bytes at a time: keys and values are short, and this runs for each of them.
    std::size_t i = 0;
    std::uint64_t high = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        high |= word;
    }
    for (; i < text.size(); ++i)
        high |= static_cast<unsigned char>(text[i]);
    return (high & 0x8080808080808080ull) == 0;
}

std::string_view unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool hasLineBreak(std::string_view text)
{
    // A plain loop: find_first_of would search the set once for every character.
    return std::any_of(text.begin(), text.end(), [](char c) {
        return c == '\r' || c == '\n';
    });
}

void checkSectionName(std::string_view section)
{
    if (std::any_of(section.begin(), section.end(), [](char c) {
            return c == '\r' || c == '\n' || c == ']';
        }))
        throw IniValueError("Invalid ini section name '" + std::string(section) + "'");
}

void checkKeyName(std::string_view key)
{
    // A plain loop: this runs for every entry a save writes.
    if (key.empty() || key.front() == '[' || key.front() == ';'
        || std::any_of(key.begin(), key.end(), [](char c) {
               return c == '\r' || c == '\n' || c == '=';
           }))
        throw IniValueError("Invalid ini key name '" + std::string(key) + "'");
}

void checkNames(std::string_view section, std::string_view key)
{
    checkSectionName(section);
    checkKeyName(key);
}

constexpr std::string_view endingText[] = { "", "\r\n", "\n", "\r" };

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
    std::size_t start = 0;
    if (bytes.starts_with(utf16LeMark)) {
        doc.m_encoding = IniEncoding::Utf16Le;
        doc.m_bom = utf16LeMark;
        std::string_view body = std::string_view(bytes).substr(utf16LeMark.size());
        if (body.size() % 2 != 0) {
            doc.m_tail = body.substr(body.size() - 1);
            body.remove_suffix(1);
        }
        doc.m_text = iniCodec::utf16LeToUtf8(body);
        doc.m_original = std::move(bytes);
    } else {
        if (bytes.starts_with(utf8Mark)) {
            doc.m_encoding = IniEncoding::Utf8;
            doc.m_bom = utf8Mark;
            start = utf8Mark.size();
        }
        doc.m_text = std::move(bytes);
    }

    const std::string_view text = doc.m_text;
    const char *const data = text.data();
    reserveWithLargePages(doc.m_lines, countLines(text.substr(start)));
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
        doc.m_lines.push_back(line);
    }
    return doc;
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
    // The key of each line is found again from its text when the table needs it.
    const auto keyOf = [this](std::uint32_t i) {
        return parseLine(text(m_lines[i])).name;
    };
    std::size_t ordinal = 0;
    for (std::ptrdiff_t header = findSection(*name); header >= 0; ++ordinal) {
        const auto first = static_cast<std::size_t>(header);
        const std::size_t end = sectionEnd(first);
        visit(first, ordinal, parseLine(text(m_lines[first])), false);
        KeySet seen(end - first);
        for (std::size_t i = first + 1; i < end; ++i) {
            const ParsedLine line = parseLine(text(m_lines[i]));
            const bool repeated = line.kind == LineKind::Entry
                && seen.firstOf(line.name, static_cast<std::uint32_t>(i), keyOf) != i;
            visit(i, ordinal, line, repeated);
        }
        header = -1;
        for (std::size_t i = end; everyOccurrence && i < m_lines.size(); ++i) {
            if (!isHeaderLine(text(m_lines[i])))
                continue;
            if (equalsNoCase(parseLine(text(m_lines[i])).name, *name)) {
                header = static_cast<std::ptrdiff_t>(i);
                break;
            }
        }
    }
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
