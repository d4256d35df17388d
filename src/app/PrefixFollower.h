#pragma once

#include "platform/WinePrefix.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace torvex {

class WindowsView;

// Decides the Windows view a window works in for each file it loads or writes: the prefix
// follows the file.
class PrefixFollower
{
public:
    // `startView` is the view the window started in (the prefix named by --prefix, that of
    // the file given as argument, else the one Wine would use); `isFixed` when --prefix
    // named it. Views of other prefixes are built over the host's `environment`.
    PrefixFollower(
        std::shared_ptr<const WindowsView> startView, Environment environment, bool isFixed);

    // The view for `path`, given the `current` one:
    // - with a fixed prefix, or for a Windows path (named in the start prefix's terms), the
    //   start view;
    // - for a file the chooser offered from another prefix (`offeredIn`), that prefix;
    // - for a host path, the prefix it lies in (WinePrefix::containing), else the start view.
    // Returns `current` itself when it already is that prefix's view, so that callers can
    // tell a change by comparing pointers; a prefix's view is built from its folder anew.
    std::shared_ptr<const WindowsView> viewFor(const std::string &path,
        const std::optional<std::filesystem::path> &offeredIn,
        const std::shared_ptr<const WindowsView> &current) const;

private:
    std::shared_ptr<const WindowsView> viewOf(const std::optional<WinePrefix> &prefix,
        const std::shared_ptr<const WindowsView> &current) const;

    std::shared_ptr<const WindowsView> m_startView;
    Environment m_environment;
    bool m_isFixed;
};

} // namespace torvex
