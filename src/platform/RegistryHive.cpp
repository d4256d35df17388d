#include "platform/RegistryHive.h"

#include "core/Text.h"
#include "platform/HostFileRead.h"
#include "platform/WinText.h"

#include <cstdlib>
#include <optional>

namespace torvex {

namespace {

constexpr std::string_view kHiveHeader = "WINE REGISTRY Version 2";

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimLeft(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string normalizeKey(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return asciiLower(path);
}

// Collects decoded text; UTF-16 units from \x escapes are paired into code points.
class EscapedText
{
public:
    void addByte(char c)
    {
        flushSurrogate();
        m_text += c;
    }
    void addUnit(char32_t unit)
    {
        if (m_highSurrogate && unit >= 0xDC00 && unit <= 0xDFFF) {
            appendUtf8(m_text, 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00));
            m_highSurrogate = 0;
            return;
        }
        flushSurrogate();
        if (unit >= 0xD800 && unit <= 0xDBFF)
            m_highSurrogate = unit;
        else
            appendUtf8(m_text, unit);
    }
    std::string take()
    {
        flushSurrogate();
        return std::move(m_text);
    }

private:
    void flushSurrogate()
    {
        if (m_highSurrogate)
            appendUtf8(m_text, 0xFFFD);
        m_highSurrogate = 0;
    }

    std::string m_text;
    char32_t m_highSurrogate = 0;
};

// Decodes one escape after the backslash at `pos`; moves `pos` past it.
void decodeEscape(std::string_view s, std::size_t &pos, EscapedText &out)
{
    static constexpr std::string_view letters = "abefnrtv";
    static constexpr char codes[] = { '\a', '\b', '\x1b', '\f', '\n', '\r', '\t', '\v' };
    char c = s[pos];
    if (auto i = letters.find(c); i != std::string_view::npos) {
        out.addUnit(static_cast<unsigned char>(codes[i]));
        ++pos;
    } else if (c == 'x') {
        char32_t unit = 0;
        int digits = 0;
        for (++pos; digits < 4 && pos < s.size() && hexDigit(s[pos]) >= 0; ++digits, ++pos)
            unit = unit * 16 + hexDigit(s[pos]);
        out.addUnit(unit);
    } else if (c >= '0' && c <= '7') {
        char32_t unit = 0;
        for (int digits = 0; digits < 3 && pos < s.size() && s[pos] >= '0' && s[pos] <= '7';
             ++digits, ++pos)
            unit = unit * 8 + (s[pos] - '0');
        out.addUnit(unit);
    } else {
        out.addByte(c);
        ++pos;
    }
}

// Reads an escaped string from `pos` up to the unescaped `terminator`; `pos` ends after it.
std::optional<std::string> readEscaped(std::string_view s, std::size_t &pos, char terminator)
{
    EscapedText out;
    while (pos < s.size()) {
        char c = s[pos];
        if (c == terminator) {
            ++pos;
            return out.take();
        }
        if (c == '\\' && pos + 1 < s.size()) {
            ++pos;
            decodeEscape(s, pos, out);
        } else {
            out.addByte(c);
            ++pos;
        }
    }
    return std::nullopt;
}

// The lines of a hive, without their line ends (LF or CR LF).
class HiveLines
{
public:
    explicit HiveLines(std::string_view text)
        : m_text(text)
    { }

    bool next(std::string_view &line)
    {
        if (m_pos >= m_text.size())
            return false;
        auto end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos)
            end = m_text.size();
        line = m_text.substr(m_pos, end - m_pos);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        m_pos = end + 1;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Reads hexadecimal digits at the front of `s` as strtoul does, saturating on overflow.
unsigned long long readHexDigits(std::string_view &s)
{
    unsigned long long n = 0;
    while (!s.empty() && hexDigit(s.front()) >= 0) {
        n = n > 0xFFFFFFFFFFFFFFFull ? ~0ull : n * 16 + static_cast<unsigned>(hexDigit(s.front()));
        s.remove_prefix(1);
    }
    return n;
}

// Comma-separated bytes that go on in the next line after a trailing backslash. Each byte
// is a run of hexadecimal digits worth at most ff, as Wine's loader reads them.
std::optional<std::vector<std::uint8_t>> parseBytes(std::string_view s, HiveLines &lines)
{
    std::vector<std::uint8_t> bytes;
    for (;;) {
        while (!s.empty() && hexDigit(s.front()) >= 0) {
            const auto byte = readHexDigits(s);
            if (byte > 0xFF)
                return std::nullopt;
            bytes.push_back(static_cast<std::uint8_t>(byte));
            s = trimLeft(s);
            if (s.starts_with(','))
                s = trimLeft(s.substr(1));
        }
        s = trimLeft(s);
        if (s.empty())
            return bytes;
        if (s.front() != '\\' || !lines.next(s))
            return std::nullopt;
        s = trimLeft(s);
    }
}

// A dword as Wine reads it: strtoul in base 16, so anything after the digits is ignored.
std::uint32_t parseDword(std::string_view s)
{
    const std::string digits(s);
    return static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
}

// The text forms Wine's loader knows, with the type each stands for.
struct TextForm
{
    std::string_view tag;
    std::uint32_t type;
};

constexpr TextForm kTextForms[] = {
    { "\"", RegType::String },
    { "str:\"", RegType::String },
    { "str(2):\"", RegType::ExpandString },
    { "str(7):\"", RegType::MultiString },
};

// Parses the data after "=". Nothing when Wine's loader would reject it.
std::optional<RegistryValue> parseData(std::string_view s, HiveLines &lines)
{
    RegistryValue value;
    for (const auto &form : kTextForms) {
        if (!s.starts_with(form.tag))
            continue;
        std::size_t pos = form.tag.size();
        auto text = readEscaped(s, pos, '"');
        if (!text)
            return std::nullopt;
        value.type = form.type;
        value.isTextForm = true;
        value.text = std::move(*text);
        return value;
    }
    if (s.starts_with("dword:")) {
        value.type = RegType::Dword;
        const std::uint32_t n = parseDword(s.substr(6));
        for (int i = 0; i < 4; ++i)
            value.data.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
        return value;
    }
    if (s.starts_with("hex:")) {
        value.type = RegType::Binary;
        s.remove_prefix(4);
    } else if (s.starts_with("hex(")) {
        s.remove_prefix(4);
        value.type = static_cast<std::uint32_t>(readHexDigits(s));
        if (!s.starts_with("):"))
            return std::nullopt;
        s.remove_prefix(2);
    } else {
        return std::nullopt;
    }
    auto bytes = parseBytes(s, lines);
    if (!bytes)
        return std::nullopt;
    value.data = std::move(*bytes);
    return value;
}

// A value line: "name"=data or @=data, blanks allowed around "=". Nothing when malformed.
std::optional<std::pair<std::string, RegistryValue>> parseValueLine(
    std::string_view line, HiveLines &lines)
{
    std::size_t pos = 1;
    std::string name;
    if (line.front() == '"') {
        auto quoted = readEscaped(line, pos, '"');
        if (!quoted)
            return std::nullopt;
        name = std::move(*quoted);
    }
    std::string_view rest = trimLeft(line.substr(pos));
    if (!rest.starts_with('='))
        return std::nullopt;
    auto value = parseData(trimLeft(rest.substr(1)), lines);
    if (!value)
        return std::nullopt;
    return std::pair { std::move(name), std::move(*value) };
}

} // namespace

RegistryHive::ValueMap &RegistryHive::addKey(std::string_view keyPath)
{
    std::string key = normalizeKey(keyPath);
    for (auto sep = key.find('\\'); sep != std::string::npos; sep = key.find('\\', sep + 1))
        m_keys.try_emplace(key.substr(0, sep));
    return m_keys[key];
}

// As Wine's loader: a line that cannot be read is skipped and reading goes on, values
// before the first key or after a malformed key line belong to no key, and an "#arch="
// line outside any key tells the kind of prefix.
RegistryHive RegistryHive::parse(std::string_view text)
{
    RegistryHive hive;
    HiveLines lines(text);
    ValueMap *current = nullptr;
    std::string_view line;
    while (lines.next(line)) {
        line = trimLeft(line);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            std::size_t pos = 1;
            auto name = readEscaped(line, pos, ']');
            current = name ? &hive.addKey(*name) : nullptr;
        } else if (line.front() == '"' || line.front() == '@') {
            auto value = current ? parseValueLine(line, lines) : std::nullopt;
            if (value)
                (*current)[asciiLower(value->first)] = std::move(value->second);
        } else if (line.starts_with("#arch=") && !current) {
            hive.m_isWin64 = line.substr(6) == "win64";
        }
    }
    return hive;
}

RegistryHive RegistryHive::load(
    const std::filesystem::path &file, std::string *problem, std::size_t maxBytes)
{
    const HostFileText read = readRegularFile(file, maxBytes);
    std::string refused = hostReadProblem(file, read, maxBytes);
    // Wine's loader refuses a file without its header, and so do we: anything else in that
    // place (a menu, a binary file) would otherwise be read as a registry without keys.
    if (read.status == HostReadStatus::Read && !read.text.starts_with(kHiveHeader))
        refused = file.string() + ": not a Wine registry file";
    if (!refused.empty()) {
        if (problem)
            *problem = std::move(refused);
        return {};
    }
    return parse(read.text);
}

bool RegistryHive::hasKey(std::string_view keyPath) const
{
    std::string key = normalizeKey(keyPath);
    return key.empty() || m_keys.contains(key);
}

const RegistryValue *RegistryHive::value(std::string_view keyPath, std::string_view name) const
{
    auto key = m_keys.find(normalizeKey(keyPath));
    if (key == m_keys.end())
        return nullptr;
    auto found = key->second.find(asciiLower(name));
    return found == key->second.end() ? nullptr : &found->second;
}

std::vector<std::string> RegistryHive::valueNames(std::string_view keyPath) const
{
    std::vector<std::string> names;
    if (auto key = m_keys.find(normalizeKey(keyPath)); key != m_keys.end())
        for (const auto &[name, value] : key->second)
            names.push_back(name);
    return names;
}

} // namespace torvex
