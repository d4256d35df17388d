#include "menu/IniDocument.h"

#include "core/Text.h"
#include "menu/IniError.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_set>

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

// For each entry, the index of the first entry with the same key (letter case ignored):
// its own index when it is the first. Sorting indexes keeps this linearithmic and small.
std::vector<std::uint32_t> firstOccurrences(const IniEntries &entries)
{
    std::vector<std::uint32_t> order(entries.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<std::uint32_t>(i);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return lessNoCase(trim(entries[a].first), trim(entries[b].first));
    });
    std::vector<std::uint32_t> firstOf(entries.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const bool sameAsPrevious =
            k > 0 && !lessNoCase(trim(entries[order[k - 1]].first), trim(entries[order[k]].first));
        firstOf[order[k]] = sameAsPrevious ? firstOf[order[k - 1]] : order[k];
    }
    return firstOf;
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
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void checkNames(std::string_view section, std::string_view key)
{
    if (hasLineBreak(section) || section.find(']') != std::string_view::npos)
        throw IniValueError("Invalid ini section name '" + std::string(section) + "'");
    if (key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos
        || key.front() == '[' || key.front() == ';')
        throw IniValueError("Invalid ini key name '" + std::string(key) + "'");
}

// The end of the line that begins at `start`, and the length of its ending (0 for a last
// line without one).
std::pair<std::size_t, std::size_t> lineEnd(std::string_view text, std::size_t start)
{
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos)
        return { text.size(), 0 };
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    return { end, crlf ? 2 : 1 };
}

std::string_view endingLiteral(std::string_view ending)
{
    if (ending == "\r\n")
        return "\r\n";
    return ending == "\r" ? "\r" : "\n";
}

} // namespace

IniDocument IniDocument::fromBytes(std::string_view bytes, std::string origin)
{
    IniDocument doc;
    doc.m_origin = std::move(origin);
    if (const std::string_view reason = iniCodec::unsupportedTextReason(bytes); !reason.empty()) {
        doc.m_refusal = reason;
        doc.m_tail = bytes;
        return doc;
    }
    std::string working;
    if (bytes.starts_with(utf16LeMark)) {
        doc.m_encoding = IniEncoding::Utf16Le;
        doc.m_bom = utf16LeMark;
        std::string_view body = bytes.substr(utf16LeMark.size());
        if (body.size() % 2 != 0) {
            doc.m_tail = body.substr(body.size() - 1);
            body.remove_suffix(1);
        }
        working = iniCodec::utf16LeToUtf8(body);
    } else if (bytes.starts_with(utf8Mark)) {
        doc.m_encoding = IniEncoding::Utf8;
        doc.m_bom = utf8Mark;
        working = bytes.substr(utf8Mark.size());
    } else {
        working = bytes;
    }

    const std::string_view text = working;
    for (std::size_t start = 0; start < text.size();) {
        const auto [end, endingLength] = lineEnd(text, start);
        const std::string_view ending =
            endingLength ? endingLiteral(text.substr(end, endingLength)) : std::string_view();
        doc.m_lines.push_back({ std::string(text.substr(start, end - start)), ending });
        start = end + endingLength;
    }
    return doc;
}

std::string IniDocument::toBytes() const
{
    if (!m_refusal.empty())
        return m_tail;
    const bool utf16 = m_encoding == IniEncoding::Utf16Le;
    std::string working = utf16 ? std::string() : m_bom;
    std::size_t size = working.size();
    for (const Line &line : m_lines)
        size += line.text.size() + line.eol.size();
    working.reserve(size);
    for (const Line &line : m_lines) {
        working += line.text;
        working += line.eol;
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

std::string_view IniDocument::lineEnding() const
{
    // Only the last line can lack an ending, so this looks at two lines at most.
    for (const Line &line : m_lines) {
        if (!line.eol.empty())
            return line.eol;
    }
    return "\r\n";
}

void IniDocument::endLastLine()
{
    if (!m_lines.empty() && m_lines.back().eol.empty())
        m_lines.back().eol = lineEnding();
}

std::ptrdiff_t IniDocument::findSection(std::string_view workingName) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const ParsedLine line = parseLine(m_lines[i].text);
        if (line.kind == LineKind::Header && equalsNoCase(line.name, workingName))
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < m_lines.size() && parseLine(m_lines[i].text).kind != LineKind::Header)
        ++i;
    return i;
}

IniEntries IniDocument::readSection(std::string_view section) const
{
    checkReadable();
    IniEntries entries;
    const auto name = toWorking(trim(section));
    const std::ptrdiff_t header = name ? findSection(*name) : -1;
    if (header < 0)
        return entries;
    const std::size_t end = sectionEnd(header);
    std::unordered_set<std::string> seen;
    seen.reserve(end - header);
    entries.reserve(end - header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const ParsedLine line = parseLine(m_lines[i].text);
        if (line.kind != LineKind::Entry || !seen.insert(asciiLower(line.name)).second)
            continue;
        std::string value = decodeValue(line.value);
        if (!value.empty())
            entries.emplace_back(decodeName(line.name), std::move(value));
    }
    return entries;
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
        const ParsedLine line = parseLine(m_lines[i].text);
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
        const ParsedLine parsed = parseLine(line.text);
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
        const std::string_view eol = lineEnding();
        m_lines.push_back({ "[" + workingSection + "]", eol });
        m_lines.push_back({ workingKey + "=" + workingValue, eol });
        return;
    }
    const std::size_t end = sectionEnd(header);
    std::size_t anchor = header;
    for (std::size_t i = header + 1; i < end; ++i) {
        const ParsedLine line = parseLine(m_lines[i].text);
        if (line.kind == LineKind::Entry && equalsNoCase(line.name, workingKey)) {
            m_lines[i].text.replace(line.valueStart, std::string::npos, workingValue);
            return;
        }
        if (line.kind != LineKind::Blank && line.kind != LineKind::Comment)
            anchor = i;
    }
    const std::string_view eol = lineEnding();
    if (m_lines[anchor].eol.empty())
        m_lines[anchor].eol = eol;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(anchor) + 1,
        { workingKey + "=" + workingValue, eol });
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
    const std::vector<std::uint32_t> firstOf = firstOccurrences(entries);

    eraseWorkingSection(workingSection);
    endLastLine();
    const std::string_view eol = lineEnding();
    m_lines.reserve(m_lines.size() + entries.size() + 1);
    m_lines.push_back({ "[" + workingSection + "]", eol });
    // A key given twice is set again in place, as a second writeKey would do.
    std::vector<std::uint32_t> lineOf(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string value = encodeValue(entries[i].second);
        if (firstOf[i] == i) {
            lineOf[i] = static_cast<std::uint32_t>(m_lines.size());
            m_lines.push_back({ encodeName(trim(entries[i].first)) + "=" + value, eol });
        } else {
            std::string &text = m_lines[lineOf[firstOf[i]]].text;
            text.replace(parseLine(text).valueStart, std::string::npos, value);
        }
    }
}

} // namespace torvex
