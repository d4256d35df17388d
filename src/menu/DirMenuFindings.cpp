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
    m_numbered.push_back({ static_cast<std::uint32_t>(number),
        static_cast<std::uint32_t>(line.lineNumber),
        kind,
        kind == 0 ? titleKind(line.value) : NoTitle });
}

std::vector<DirMenuFinding> DirMenuLoadReport::findings(
    const std::function<std::string(std::size_t lineNumber)> &lineText) const
{
    namespace why = loadFindingReason;
    // The reader visits the numbers up to the count of entries: everything above is lost.
    const std::size_t total = m_entryCount;
    std::vector<std::uint8_t> titles(total + 1, NoTitle);
    for (const Numbered &line : m_numbered) {
        if (line.kind == 0 && line.number <= total)
            titles[line.number] = line.title;
    }
    std::vector<Found> found = m_found;
    for (const Numbered &line : m_numbered) {
        const char *reason = nullptr;
        if (line.number > total)
            reason = why::pastGap;
        else if (line.kind == 0)
            reason = line.title == CutTitle ? why::cutTitle : nullptr;
        else if (titles[line.number] == NoTitle)
            reason = why::withoutTitle;
        else if (titles[line.number] == SeparatorTitle)
            reason = why::ofSeparator;
        else if (titles[line.number] == EndTitle)
            reason = why::ofEndLine;
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
