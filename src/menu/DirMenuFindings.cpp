#include "menu/DirMenuFindings.h"

#include "core/Text.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <iterator>
#include <string_view>

namespace torvex {

namespace {

// What a "menu" line opens, as the reader reads it.
enum TitleKind : std::uint8_t {
    NoTitle,
    ItemTitle,
    SeparatorTitle,
    EndTitle,
    SubmenuTitle,
    CutTitle
};

TitleKind titleKind(std::string_view title)
{
    if (title == "-")
        return SeparatorTitle;
    if (title.starts_with("--"))
        return EndTitle;
    if (!title.starts_with("-"))
        return ItemTitle;
    const std::string_view rest = title.substr(1);
    return leadingCharacters(rest, maxSubmenuTitle).size() < rest.size() ? CutTitle : SubmenuTitle;
}

// The reason a command or target path is not shown, by its entry's title; none for an entry
// that holds them.
const char *reasonOfValue(std::uint8_t title)
{
    namespace why = loadFindingReason;
    switch (title) {
    case NoTitle:
        return why::withoutTitle;
    case SeparatorTitle:
        return why::ofSeparator;
    case EndTitle:
        return why::ofEndLine;
    default:
        return nullptr;
    }
}

} // namespace

std::string findingLine(const DirMenuFinding &finding)
{
    return "line " + std::to_string(finding.lineNumber) + ": not shown: " + finding.text + " ("
        + finding.reason + ")";
}

std::string findingDetail(const DirMenuFinding &finding)
{
    return "line " + std::to_string(finding.lineNumber) + ": " + finding.text + " ("
        + finding.reason + ")";
}

void DirMenuLoadReport::add(const IniSectionLine &line, DirMenuKey key)
{
    using Kind = IniSectionLine::Kind;
    namespace why = loadFindingReason;
    if (line.sectionOrdinal > 0) {
        // A save removes the whole section: its header and every line in it that holds
        // something.
        if (line.kind == Kind::Header)
            m_found.push_back({ line.lineNumber, why::secondSection });
        else if (line.kind != Kind::Blank)
            m_found.push_back({ line.lineNumber, why::inSecondSection });
        return;
    }
    if (line.kind == Kind::Header)
        return;
    if (line.kind == Kind::Blank) {
        m_blankLines.push_back(line.lineNumber);
        return;
    }
    // Something follows the blank lines so far: they stand inside the section.
    for (const std::size_t blank : m_blankLines)
        m_found.push_back({ blank, why::blankLine });
    m_blankLines.clear();
    if (line.kind != Kind::Entry) {
        m_found.push_back(
            { line.lineNumber, line.kind == Kind::Comment ? why::comment : why::notAnEntry });
        return;
    }
    if (line.repeatedKey) {
        if (!line.value.empty())
            m_found.push_back({ line.lineNumber, why::repeatedKey });
        return;
    }
    const auto [number, kind] = key;
    if (line.value.empty()) {
        // An empty command or target path holds nothing; the writer writes "cmd7=" itself.
        if (number == 0)
            m_found.push_back({ line.lineNumber, why::unknownKey });
        else if (kind == 0)
            m_found.push_back({ line.lineNumber, why::emptyTitle });
        return;
    }
    ++m_entryCount;
    if (number == 0) {
        m_found.push_back({ line.lineNumber, why::unknownKey });
        return;
    }
    addNumbered(line.lineNumber, key, line.value);
}

void DirMenuLoadReport::addNumbered(std::size_t lineNumber, DirMenuKey key, std::string_view value)
{
    namespace why = loadFindingReason;
    // The count of entries only grows: a number up to it now is never past the end. (Each key
    // stands once, so each number has at most one title.)
    const bool withinCount = key.number <= m_entryCount;
    if (key.kind == 0) {
        const TitleKind title = titleKind(value);
        if (!withinCount) {
            m_untold.push_back({ lineNumber, key.number, key.kind, title });
            return;
        }
        if (m_titles.size() <= key.number)
            m_titles.resize(key.number + 1, NoTitle);
        m_titles[key.number] = title;
        if (title == CutTitle)
            m_found.push_back({ lineNumber, why::cutTitle });
        return;
    }
    // A value whose title was read is told now; otherwise the title may still follow.
    const std::uint8_t title =
        key.number < m_titles.size() ? m_titles[key.number] : std::uint8_t(NoTitle);
    if (!withinCount || title == NoTitle) {
        m_untold.push_back({ lineNumber, key.number, key.kind, NoTitle });
        return;
    }
    if (const char *reason = reasonOfValue(title))
        m_found.push_back({ lineNumber, reason });
}

std::vector<DirMenuFinding> DirMenuLoadReport::findings(
    const std::function<std::string(std::size_t lineNumber)> &lineText) const
{
    namespace why = loadFindingReason;
    // The reader visits the numbers up to the count of entries: everything above is lost.
    const std::size_t total = m_entryCount;
    std::vector<Found> found = m_found;
    std::vector<std::uint8_t> titles;
    if (!m_untold.empty()) {
        titles.assign(total + 1, NoTitle);
        std::copy(m_titles.begin(), m_titles.end(), titles.begin());
        for (const Numbered &line : m_untold) {
            if (line.kind == 0 && line.number <= total)
                titles[line.number] = line.title;
        }
    }
    for (const Numbered &line : m_untold) {
        const char *reason = nullptr;
        if (line.number > total)
            reason = why::pastGap;
        else if (line.kind == 0)
            reason = line.title == CutTitle ? why::cutTitle : nullptr;
        else
            reason = reasonOfValue(titles[line.number]);
        if (reason)
            found.push_back({ line.lineNumber, reason });
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.lineNumber < b.lineNumber;
    });
    std::vector<DirMenuFinding> findings;
    findings.reserve(found.size());
    for (const Found &line : found)
        findings.push_back({ line.lineNumber, lineText(line.lineNumber), line.reason });
    return findings;
}

} // namespace torvex
