#include "core/JsonReader.h"

#include "core/Text.h"

#include <set>

namespace torvex {

const JsonValue *JsonValue::member(std::string_view name) const
{
    for (const auto &[key, value] : members)
        if (key == name)
            return &value;
    return nullptr;
}

namespace {

class Reader
{
public:
    Reader(std::string_view text, std::size_t maxDepth)
        : m_text(text)
        , m_maxDepth(maxDepth)
    { }

    JsonValue document()
    {
        skipBlanks();
        JsonValue value = readValue(0);
        skipBlanks();
        if (m_at < m_text.size())
            fail("unexpected text after the value");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string &what) const
    {
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i < m_at && i < m_text.size(); ++i) {
            if (m_text[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(m_text[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        throw JsonSyntaxError(
            "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what);
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_at]; }

    void skipBlanks()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_at;
    }

    void expect(char c)
    {
        if (peek() != c || atEnd())
            fail(std::string("expected '") + c + "'" + foundText());
        ++m_at;
    }

    std::string foundText() const
    {
        if (atEnd())
            return " at the end of the text";
        const char c = peek();
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            return "";
        return std::string(", found '") + c + "'";
    }

    void place(JsonValue &value)
    {
        // Line and column are worked out only for the values a caller reports on, cheaply
        // enough: from the last place told.
        for (; m_counted < m_at; ++m_counted) {
            if (m_text[m_counted] == '\n') {
                ++m_line;
                m_column = 1;
            } else if ((static_cast<unsigned char>(m_text[m_counted]) & 0xC0) != 0x80) {
                ++m_column;
            }
        }
        value.line = m_line;
        value.column = m_column;
    }

    JsonValue readValue(std::size_t depth)
    {
        JsonValue value;
        place(value);
        switch (peek()) {
        case '{':
            readObject(value, depth + 1);
            break;
        case '[':
            readArray(value, depth + 1);
            break;
        case '"':
            value.kind = JsonValue::Kind::String;
            value.text = readString();
            break;
        case 't':
            readWord("true");
            value.kind = JsonValue::Kind::Boolean;
            value.boolean = true;
            break;
        case 'f':
            readWord("false");
            value.kind = JsonValue::Kind::Boolean;
            break;
        case 'n':
            readWord("null");
            break;
        default:
            if (peek() == '-' || (peek() >= '0' && peek() <= '9')) {
                value.kind = JsonValue::Kind::Number;
                value.text = readNumber();
                break;
            }
            fail("expected a value" + foundText());
        }
        return value;
    }

    void readWord(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            fail("expected a value" + foundText());
        m_at += word.size();
    }

    std::string readNumber()
    {
        const std::size_t start = m_at;
        const auto digits = [&] {
            const std::size_t from = m_at;
            while (peek() >= '0' && peek() <= '9' && !atEnd())
                ++m_at;
            if (m_at == from)
                fail("expected a digit" + foundText());
        };
        if (peek() == '-')
            ++m_at;
        if (peek() == '0')
            ++m_at;
        else
            digits();
        if (peek() == '.') {
            ++m_at;
            digits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-')
                ++m_at;
            digits();
        }
        return std::string(m_text.substr(start, m_at - start));
    }

    unsigned hexUnit()
    {
        unsigned unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = peek();
            unsigned digit = 0;
            if (c >= '0' && c <= '9')
                digit = unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                digit = unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                digit = unsigned(c - 'A' + 10);
            else
                fail("expected four hexadecimal digits after \\u");
            unit = unit * 16 + digit;
            ++m_at;
        }
        return unit;
    }

    std::string readString()
    {
        expect('"');
        std::string out;
        for (;;) {
            if (atEnd())
                fail("the string is not closed");
            const char c = peek();
            const auto code = static_cast<unsigned char>(c);
            if (c == '"') {
                ++m_at;
                return out;
            }
            if (code < 0x20)
                fail("a control character in a string must be escaped");
            if (c != '\\') {
                const std::size_t length = utf8SequenceLength(m_text, m_at);
                if (length == 0)
                    fail("the text is not UTF-8");
                out.append(m_text.substr(m_at, length));
                m_at += length;
                continue;
            }
            ++m_at;
            const char escaped = peek();
            ++m_at;
            switch (escaped) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                char32_t cp = hexUnit();
                if (cp >= 0xD800 && cp < 0xDC00 && m_text.substr(m_at, 2) == "\\u") {
                    const std::size_t back = m_at;
                    m_at += 2;
                    const unsigned low = hexUnit();
                    if (low >= 0xDC00 && low < 0xE000)
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    else
                        m_at = back;
                }
                // A lone surrogate keeps its generalised form, as text read from UTF-16 does.
                appendUtf8Sequence(out, cp);
                break;
            }
            default:
                --m_at;
                fail("unknown escape in a string");
            }
        }
    }

    void readArray(JsonValue &value, std::size_t depth)
    {
        if (depth > m_maxDepth)
            fail("nested more than " + std::to_string(m_maxDepth) + " levels deep");
        value.kind = JsonValue::Kind::Array;
        expect('[');
        skipBlanks();
        if (peek() == ']') {
            ++m_at;
            return;
        }
        for (;;) {
            skipBlanks();
            value.items.push_back(readValue(depth));
            skipBlanks();
            if (peek() == ',' && !atEnd()) {
                ++m_at;
                continue;
            }
            if (peek() != ']' || atEnd())
                fail("expected ',' or ']'" + foundText());
            ++m_at;
            return;
        }
    }

    void readObject(JsonValue &value, std::size_t depth)
    {
        if (depth > m_maxDepth)
            fail("nested more than " + std::to_string(m_maxDepth) + " levels deep");
        value.kind = JsonValue::Kind::Object;
        expect('{');
        skipBlanks();
        if (peek() == '}') {
            ++m_at;
            return;
        }
        std::set<std::string> names;
        for (;;) {
            skipBlanks();
            if (peek() != '"')
                fail("expected a member name in quotes" + foundText());
            const std::size_t nameAt = m_at;
            std::string name = readString();
            if (!names.insert(name).second) {
                m_at = nameAt;
                fail("the member \"" + visibleText(name) + "\" is given twice");
            }
            skipBlanks();
            expect(':');
            skipBlanks();
            value.members.emplace_back(std::move(name), readValue(depth));
            skipBlanks();
            if (peek() == ',' && !atEnd()) {
                ++m_at;
                continue;
            }
            if (peek() != '}' || atEnd())
                fail("expected ',' or '}'" + foundText());
            ++m_at;
            return;
        }
    }

    std::string_view m_text;
    std::size_t m_maxDepth;
    std::size_t m_at = 0;
    std::size_t m_counted = 0;
    std::size_t m_line = 1;
    std::size_t m_column = 1;
};

} // namespace

JsonValue readJson(std::string_view text, std::size_t maxDepth)
{
    return Reader(text, maxDepth).document();
}

} // namespace torvex
