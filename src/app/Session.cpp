#include "app/Session.h"

namespace torvex {

std::vector<std::string> Session::candidatePaths() const
{
    std::vector<std::string> paths;
    for (int slot = 1; slot <= 4; ++slot)
        if (!m_candidates.slot(slot).empty())
            paths.push_back(m_candidates.slot(slot));
    for (const OtherPrefixFile &file : m_otherPrefixFiles)
        paths.push_back(file.path);
    return paths;
}

const OtherPrefixFile *Session::otherPrefixFile(const std::string &path) const
{
    for (const OtherPrefixFile &file : m_otherPrefixFiles)
        if (file.path == path)
            return &file;
    return nullptr;
}

bool Session::needsChoiceAtStart() const
{
    return m_candidates.candidateCount > 1
        || (m_candidates.candidateCount == 0 && !m_otherPrefixFiles.empty());
}

std::optional<std::string> Session::onlyCandidate() const
{
    if (m_candidates.candidateCount != 1)
        return std::nullopt;
    // The count may disagree with the slots (a caller's own candidates): the last filled
    // slot wins.
    std::string only;
    for (int slot = 1; slot <= 4; ++slot)
        if (!m_candidates.slot(slot).empty())
            only = m_candidates.slot(slot);
    return only;
}

std::optional<AttachMode> Session::dropModeFromIndex(int index)
{
    if (index < int(AttachMode::Add) || index > int(AttachMode::Insert))
        return std::nullopt;
    return static_cast<AttachMode>(index);
}

LogContext Session::logContext() const
{
    LogContext context;
    context.appTitle = m_appTitle;
    for (int slot = 1; slot <= 4; ++slot)
        context.candidatePaths[slot] = m_candidates.slot(slot);
    context.currentIniFile = m_currentIniFile;
    return context;
}

} // namespace torvex
