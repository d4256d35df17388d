#include "core/LocalText.h"

#include <utility>

namespace torvex {

LocalText LocalText::verbatim(std::string text)
{
    LocalText result;
    result.m_plain = std::move(text);
    return result;
}

LocalText LocalText::markedCopy(const char *context, std::string source)
{
    LocalText result;
    result.m_context = context;
    result.m_ownsSource = true;
    result.m_ownedSource = std::move(source);
    return result;
}

LocalText LocalText::counted(
    const char *context, const char *source, const char *englishOne, long long count)
{
    LocalText result(context, source);
    result.m_englishOne = englishOne;
    result.m_count = count;
    return result;
}

LocalText LocalText::joined(std::vector<LocalText> parts, std::string separator)
{
    LocalText result;
    result.m_joined = true;
    result.m_values = std::move(parts);
    result.m_plain = std::move(separator);
    return result;
}

LocalText LocalText::arg(LocalText value) const
{
    LocalText result = *this;
    result.m_values.push_back(std::move(value));
    return result;
}

std::string LocalText::english() const
{
    if (m_joined) {
        std::string text;
        for (std::size_t i = 0; i < m_values.size(); ++i)
            text += (i == 0 ? "" : m_plain) + m_values[i].english();
        return text;
    }
    if (isVerbatim())
        return m_plain;
    std::vector<std::string> values;
    values.reserve(m_values.size());
    for (const LocalText &value : m_values)
        values.push_back(value.english());
    const char *pattern = m_count == 1 && m_englishOne ? m_englishOne : source();
    return fillPlaceholders(pattern, values, m_count);
}

std::string fillPlaceholders(const std::string &pattern,
    const std::vector<std::string> &values,
    std::optional<long long> count)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9'
            && static_cast<std::size_t>(next - '1') < values.size()) {
            text += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else if (pattern[i] == '%' && next == 'n' && count) {
            text += std::to_string(*count);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace torvex
