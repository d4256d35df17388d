#include "cli/CommandView.h"

#include "platform/WindowsView.h"

#include <ostream>

namespace torvex {

namespace {

// The first argument after the command that names a file rather than an option.
std::string firstFileArgument(const std::vector<std::string> &args)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!args[i].starts_with("--"))
            return args[i];
    }
    return {};
}

} // namespace

WindowsView viewForCommand(const std::vector<std::string> &args,
    const std::optional<std::filesystem::path> &namedPrefix,
    const Environment &environment,
    std::ostream &err)
{
    if (namedPrefix && !WinePrefix::isPrefixFolder(*namedPrefix))
        err << "torvex-menu: " << namedPrefix->string()
            << ": not a Wine prefix (no system.reg and drive_c)\n";
    WindowsView view = namedPrefix ? WindowsView::forPrefix(WinePrefix(*namedPrefix), environment)
                                   : WindowsView::forFile(firstFileArgument(args), environment);
    for (const std::string &problem : view.problems())
        err << "torvex-menu: " << problem << '\n';
    return view;
}

} // namespace torvex
