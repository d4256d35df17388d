#pragma once

#include "platform/DriveSource.h"

#include <functional>
#include <memory>
#include <vector>

namespace torvex {

class WindowsView;

// The Windows view a window works in now: that of the prefix of the file being edited. It
// is replaced when a file of another prefix is loaded; the parts that show drives, folders
// and where entries lead read it here each time (never keep the view itself), and those
// that show something once are told of each replacement. As a drive source it answers for
// the current view.
class CurrentWindowsView : public DriveSource
{
public:
    // `view` is required.
    explicit CurrentWindowsView(std::shared_ptr<const WindowsView> view);

    const WindowsView &view() const { return *m_view; }
    const std::shared_ptr<const WindowsView> &shared() const { return m_view; }

    // Makes `view` the current one and tells every listener, in the order they were added.
    void replace(std::shared_ptr<const WindowsView> view);
    // `listener` runs after each replacement.
    void onReplaced(std::function<void()> listener);

    // DriveSource, for the current view
    std::uint32_t driveMask() const override;
    DriveTypeCode driveType(char letter) const override;
    std::string displayName(char letter) const override;
    LocalText displayText(char letter) const override;
    std::string currentDirectory() const override;

private:
    std::shared_ptr<const WindowsView> m_view;
    std::vector<std::function<void()>> m_listeners;
};

} // namespace torvex
