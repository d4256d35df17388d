#include "platform/CurrentWindowsView.h"

#include "platform/WindowsView.h"

#include <stdexcept>

namespace torvex {

CurrentWindowsView::CurrentWindowsView(std::shared_ptr<const WindowsView> view)
    : m_view(std::move(view))
{
    if (!m_view)
        throw std::invalid_argument("a current Windows view needs a view");
}

void CurrentWindowsView::replace(std::shared_ptr<const WindowsView> view)
{
    if (!view)
        throw std::invalid_argument("a current Windows view needs a view");
    m_view = std::move(view);
    for (const auto &listener : m_listeners)
        listener();
}

void CurrentWindowsView::onReplaced(std::function<void()> listener)
{
    m_listeners.push_back(std::move(listener));
}

std::uint32_t CurrentWindowsView::driveMask() const
{
    return m_view->driveMask();
}

DriveTypeCode CurrentWindowsView::driveType(char letter) const
{
    return m_view->driveType(letter);
}

std::string CurrentWindowsView::displayName(char letter) const
{
    return m_view->displayName(letter);
}

LocalText CurrentWindowsView::displayText(char letter) const
{
    return m_view->displayText(letter);
}

std::string CurrentWindowsView::currentDirectory() const
{
    return m_view->currentDirectory();
}

} // namespace torvex
