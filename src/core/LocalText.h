#pragma once

#include <optional>
#include <string>
#include <vector>

// The core marks the texts the window shows in the user's language with these two macros,
// which Qt's lupdate finds by name; without Qt they give the English source as it is.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif

namespace torvex {

// A text for the window to show in the user's language: an English source marked for the
// translation system, with the values of its placeholders %1 to %9 and, for a counted text,
// the count that %n stands for. The core keeps texts in this form instead of joining strings;
// english() renders them for the command line, the log, tests and an English window, and the
// window translates the source where it shows the text (core/gui/ShownText.h). Values are
// texts themselves: verbatim ones (a path, a title, a reason the system gave) stay as they
// are in every language.
class LocalText
{
public:
    LocalText() = default;
    // A text marked QT_TRANSLATE_NOOP(context, source); both must outlive the text (literals).
    LocalText(const char *context, const char *source)
        : m_context(context)
        , m_source(source)
    { }

    // A text that is the same in every language.
    static LocalText verbatim(std::string text);
    // A text marked QT_TRANSLATE_NOOP(context, ...) where it was written, whose source comes
    // in a string that need not outlive the text (a copy of a marked literal): the text keeps
    // its own copy. `context` must outlive it (a literal).
    static LocalText markedCopy(const char *context, std::string source);
    // A counted text marked QT_TRANSLATE_N_NOOP(context, source), its %n the count; English
    // says `englishOne` for a count of 1 and `source` for any other.
    static LocalText counted(
        const char *context, const char *source, const char *englishOne, long long count);
    // The parts one after another, `separator` between each two (e.g. lineBreak).
    static LocalText joined(std::vector<LocalText> parts, std::string separator);

    // The text with `value` as its next placeholder: the first arg() fills %1, the next %2.
    LocalText arg(LocalText value) const;
    LocalText arg(const std::string &value) const { return arg(verbatim(value)); }

    // The text in English, with every value in place.
    std::string english() const;

    bool isVerbatim() const { return source() == nullptr; }
    bool isJoined() const { return m_joined; }
    const char *context() const { return m_context; }
    const char *source() const { return m_ownsSource ? m_ownedSource.c_str() : m_source; }
    const char *englishOne() const { return m_englishOne; }
    std::optional<long long> count() const { return m_count; }
    // The verbatim text, or a joined text's separator.
    const std::string &plain() const { return m_plain; }
    // The placeholders' values, or a joined text's parts.
    const std::vector<LocalText> &values() const { return m_values; }

    bool operator==(const LocalText &other) const { return english() == other.english(); }

private:
    const char *m_context = nullptr;
    const char *m_source = nullptr; // nullptr for a verbatim or a joined text
    const char *m_englishOne = nullptr;
    std::optional<long long> m_count;
    bool m_joined = false;
    bool m_ownsSource = false;
    std::string m_ownedSource; // the source of a markedCopy
    std::string m_plain;
    std::vector<LocalText> m_values;
};

// `pattern` with %1 to %9 replaced by `values` (a placeholder without a value stays) and %n
// by `count`, in one pass: a value that holds "%2" is not filled in again.
std::string fillPlaceholders(const std::string &pattern,
    const std::vector<std::string> &values,
    std::optional<long long> count);

} // namespace torvex
