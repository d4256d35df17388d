#include "platform/RegistryHive.h"

#include "platform/WinText.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace torvex {

namespace {

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

std::string_view trimRight(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string_view trimLeft(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
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

std::optional<std::vector<std::uint8_t>> parseHexList(std::string_view s)
{
    std::vector<std::uint8_t> bytes;
    s = trimLeft(trimRight(s));
    while (!s.empty()) {
        if (s.size() < 2 || hexDigit(s[0]) < 0 || hexDigit(s[1]) < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(hexDigit(s[0]) * 16 + hexDigit(s[1])));
        s = trimLeft(s.substr(2));
        if (s.empty())
            break;
        if (s.front() != ',')
            return std::nullopt;
        s = trimLeft(s.substr(1));
    }
    return bytes;
}

std::optional<std::uint32_t> parseHexNumber(std::string_view s, std::size_t maxDigits)
{
    if (s.empty() || s.size() > maxDigits)
        return std::nullopt;
    std::uint32_t n = 0;
    for (char c : s) {
        if (hexDigit(c) < 0)
            return std::nullopt;
        n = n * 16 + static_cast<std::uint32_t>(hexDigit(c));
    }
    return n;
}

// Parses the data part after "=", as Wine's loader accepts it.
RegistryValue parseData(std::string_view s)
{
    RegistryValue value;
    value.isMalformed = true;
    std::optional<std::uint32_t> type;
    if (s.starts_with("\"")) {
        type = RegType::String;
    } else if (s.starts_with("str(")) {
        auto close = s.find("):");
        if (close != std::string_view::npos)
            type = parseHexNumber(s.substr(4, close - 4), 8);
        s = close == std::string_view::npos ? std::string_view() : s.substr(close + 2);
    }
    if (type) {
        std::size_t pos = 1;
        if (!s.starts_with("\""))
            return value;
        auto text = readEscaped(s, pos, '"');
        if (!text || !trimRight(s.substr(pos)).empty())
            return value;
        value.type = *type;
        value.isTextForm = true;
        value.text = std::move(*text);
        value.isMalformed = false;
        return value;
    }
    if (s.starts_with("dword:")) {
        auto n = parseHexNumber(trimRight(s.substr(6)), 8);
        if (!n)
            return value;
        value.type = RegType::Dword;
        for (int i = 0; i < 4; ++i)
            value.data.push_back(static_cast<std::uint8_t>(*n >> (8 * i)));
        value.isMalformed = false;
        return value;
    }
    std::string_view list;
    if (s.starts_with("hex:")) {
        type = RegType::Binary;
        list = s.substr(4);
    } else if (s.starts_with("hex(")) {
        auto close = s.find("):");
        if (close == std::string_view::npos)
            return value;
        type = parseHexNumber(s.substr(4, close - 4), 8);
        list = s.substr(close + 2);
    }
    auto bytes = type ? parseHexList(list) : std::nullopt;
    if (bytes) {
        value.type = *type;
        value.data = std::move(*bytes);
        value.isMalformed = false;
    }
    return value;
}

} // namespace

RegistryHive::ValueMap &RegistryHive::addKey(std::string_view keyPath)
{
    std::string key = normalizeKey(keyPath);
    for (auto sep = key.find('\\'); sep != std::string::npos; sep = key.find('\\', sep + 1))
        m_keys.try_emplace(key.substr(0, sep));
    return m_keys[key];
}

RegistryHive RegistryHive::parse(std::string_view text)
{
    RegistryHive hive;
    ValueMap *current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(trimRight(text.substr(start, end - start)));
        start = end + 1;
        bool isValue = !line.empty() && (line.front() == '"' || line.front() == '@');
        // Hex data goes on in the next line when a line ends in a backslash.
        while (isValue && !line.empty() && line.back() == '\\' && start < text.size()) {
            line.pop_back();
            end = text.find('\n', start);
            if (end == std::string_view::npos)
                end = text.size();
            line += trimLeft(trimRight(text.substr(start, end - start)));
            start = end + 1;
        }
        if (line.starts_with("[")) {
            std::size_t pos = 1;
            auto name = readEscaped(line, pos, ']');
            current = name ? &hive.addKey(*name) : nullptr;
        } else if (isValue && current) {
            std::size_t pos = 1;
            std::optional<std::string> name = std::string();
            if (line.front() == '"')
                name = readEscaped(line, pos, '"');
            if (!name || pos >= line.size() || line[pos] != '=')
                continue;
            (*current)[asciiLower(*name)] = parseData(std::string_view(line).substr(pos + 1));
        }
    }
    return hive;
}

RegistryHive RegistryHive::load(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return parse(buffer.str());
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

} // namespace torvex
