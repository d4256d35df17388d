#include "app/PrefixFollower.h"

#include "platform/WindowsPath.h"
#include "platform/WindowsView.h"

namespace torvex {

namespace {

bool isPrefixOf(const WindowsView &view, const WinePrefix &prefix)
{
    return view.hasPrefix() && view.prefix()->isSameFolder(prefix);
}

} // namespace

PrefixFollower::PrefixFollower(
    std::shared_ptr<const WindowsView> startView, Environment environment, bool isFixed)
    : m_startView(std::move(startView))
    , m_environment(std::move(environment))
    , m_isFixed(isFixed)
{ }

std::shared_ptr<const WindowsView> PrefixFollower::viewFor(const std::string &path,
    const std::optional<std::filesystem::path> &offeredIn,
    const std::shared_ptr<const WindowsView> &current) const
{
    if (m_isFixed || isWindowsPath(path) || isUncPath(path))
        return m_startView;
    if (offeredIn)
        return viewOf(WinePrefix(*offeredIn), current);
    return viewOf(WinePrefix::containing(path), current);
}

std::shared_ptr<const WindowsView> PrefixFollower::viewOf(const std::optional<WinePrefix> &prefix,
    const std::shared_ptr<const WindowsView> &current) const
{
    if (!prefix)
        return m_startView;
    if (current && isPrefixOf(*current, *prefix))
        return current;
    if (isPrefixOf(*m_startView, *prefix))
        return m_startView;
    return std::make_shared<const WindowsView>(WindowsView::forPrefix(*prefix, m_environment));
}

} // namespace torvex
