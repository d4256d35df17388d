#pragma once

#include "core/LargePages.h"
#include "core/Text.h"
#include "menu/IniError.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// How the lines of an ini file read, shared by IniDocument's reading and writing halves.
// Lines are in the document's working form (see IniDocument.cpp).
namespace torvex::iniSyntax {

inline constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
inline constexpr std::string_view utf16LeMark = "\xFF\xFE";

enum class LineKind { Blank, Other, Comment, Header, Entry };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    std::string_view name; // header name or key, trimmed
    std::string_view value; // entry value, trimmed, quotes still on
    std::size_t valueStart = 0; // where the value begins after '=' and the blanks after it
};

inline bool isBlank(char c)
{
    // A carriage return always ends a line, so it stands here only in names handed in by
    // callers, which are trimmed of it like the profile functions trim them.
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

inline std::string_view trim(std::string_view text)
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
inline bool isHeaderLine(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i < text.size() && text[i] == '[';
}

inline ParsedLine parseLine(std::string_view text)
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

inline bool isAscii(std::string_view text)
{
    // Eight bytes at a time: keys and values are short, and this runs for each of them. The
    // bytes after the last whole word are read as the last eight (some read twice), or for a
    // text of less than eight in four, two and one.
    const char *const data = text.data();
    const std::size_t size = text.size();
    std::uint64_t high = 0;
    if (size >= 8) {
        for (std::size_t i = 0; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            high |= word;
        }
        std::uint64_t last;
        std::memcpy(&last, data + size - 8, 8);
        high |= last;
    } else {
        std::size_t i = 0;
        if (size & 4) {
            std::uint32_t word;
            std::memcpy(&word, data, 4);
            high |= word;
            i = 4;
        }
        if (size & 2) {
            std::uint16_t word;
            std::memcpy(&word, data + i, 2);
            high |= word;
            i += 2;
        }
        if (size & 1)
            high |= static_cast<unsigned char>(data[i]);
    }
    return (high & 0x8080808080808080ull) == 0;
}

inline std::string_view unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

inline bool hasLineBreak(std::string_view text)
{
    // A plain loop: find_first_of would search the set once for every character.
    return std::any_of(text.begin(), text.end(), [](char c) {
        return c == '\r' || c == '\n';
    });
}

inline void checkSectionName(std::string_view section)
{
    if (std::any_of(section.begin(), section.end(), [](char c) {
            return c == '\r' || c == '\n' || c == ']';
        }))
        throw IniValueError("Invalid ini section name '" + std::string(section) + "'");
}

inline void checkKeyName(std::string_view key)
{
    // A plain loop: this runs for every entry a save writes.
    if (key.empty() || key.front() == '[' || key.front() == ';'
        || std::any_of(key.begin(), key.end(), [](char c) {
               return c == '\r' || c == '\n' || c == '=';
           }))
        throw IniValueError("Invalid ini key name '" + std::string(key) + "'");
}

inline void checkNames(std::string_view section, std::string_view key)
{
    checkSectionName(section);
    checkKeyName(key);
}

inline constexpr std::string_view endingText[] = { "", "\r\n", "\n", "\r" };

inline std::uint64_t hashNoCase(std::string_view text)
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
// the upper bits of its key's hash beside the id, so that keys are compared (and looked up
// again) only when their hashes agree: 32 of them in a 64-bit slot (ids below 2^32 - 1), 8 in
// a 32-bit slot (ids below 2^24 - 1), which halves the table of a section of a few million
// lines at the cost of a comparison of keys for one probe in 256 that meets another key.
template <typename Slot> class BasicKeySet
{
    static_assert(sizeof(Slot) == 8 || sizeof(Slot) == 4);
    static constexpr unsigned idBits = sizeof(Slot) == 8 ? 32 : 24;
    static constexpr Slot idMask = (Slot(1) << idBits) - 1;

public:
    // Ids must stay below this.
    static constexpr std::size_t idLimit = idMask;

    explicit BasicKeySet(std::size_t expected)
    {
        std::size_t capacity = 16;
        while (capacity < expected + expected / 2)
            capacity *= 2;
        reserveWithLargePages(m_slots, capacity, true);
        m_slots.assign(capacity, 0);
    }

    // The hash by which firstOf looks a key up.
    static std::uint64_t hashOf(std::string_view key) { return hashNoCase(key); }

    // Asks the processor to fetch the slot where a key of that hash is looked up, ahead of
    // its firstOf: the table of a large section is far larger than the caches and is looked
    // up in no order, so that a walk that fetches a few lines ahead waits for memory once
    // instead of at every line. Only a hint: nothing changes.
    void prefetch(std::uint64_t hash) const
    {
#if defined(__GNUC__)
        __builtin_prefetch(&m_slots[(hash >> 7) & (m_slots.size() - 1)], 1);
#else
        (void)hash;
#endif
    }

    // The id of the first key equal to `key`, after recording `id` for it when there is none.
    template <typename KeyOf>
    std::uint32_t firstOf(std::string_view key, std::uint32_t id, const KeyOf &keyOf)
    {
        return firstOf(key, hashOf(key), id, keyOf);
    }
    // The same with the key's hashOf, found earlier.
    template <typename KeyOf>
    std::uint32_t firstOf(
        std::string_view key, std::uint64_t hash, std::uint32_t id, const KeyOf &keyOf)
    {
        const Slot tag = tagOf(hash);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = (hash >> 7) & mask;; i = (i + 1) & mask) {
            const Slot slot = m_slots[i];
            if (slot == 0) {
                m_slots[i] = tag | (Slot(id) + 1);
                if (++m_used * 3 > m_slots.size() * 2)
                    grow(keyOf);
                return id;
            }
            const auto other = static_cast<std::uint32_t>(slot & idMask) - 1;
            if ((slot & ~idMask) == tag && equalsNoCase(keyOf(other), key))
                return other;
        }
    }

private:
    static Slot tagOf(std::uint64_t hash)
    {
        return static_cast<Slot>(hash >> (idBits + 64 - 8 * sizeof(Slot))) << idBits;
    }

    template <typename KeyOf> void grow(const KeyOf &keyOf)
    {
        std::vector<Slot> old;
        reserveWithLargePages(old, m_slots.size() * 2, true);
        old.assign(m_slots.size() * 2, 0);
        old.swap(m_slots);
        const std::size_t mask = m_slots.size() - 1;
        for (const Slot slot : old) {
            if (slot == 0)
                continue;
            std::size_t i =
                (hashNoCase(keyOf(static_cast<std::uint32_t>(slot & idMask) - 1)) >> 7) & mask;
            while (m_slots[i] != 0)
                i = (i + 1) & mask;
            m_slots[i] = slot;
        }
    }

    std::vector<Slot> m_slots; // hash tag | id + 1; 0 for a free slot
    std::size_t m_used = 0;
};

using KeySet = BasicKeySet<std::uint64_t>;
// For fewer than 2^24 - 1 keys.
using SmallKeySet = BasicKeySet<std::uint32_t>;

} // namespace torvex::iniSyntax
