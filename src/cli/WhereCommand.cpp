#include "cli/WhereCommand.h"

#include "app/IniLocator.h"
#include "controls/SystemFolders.h"
#include "platform/WindowsView.h"

#include <ostream>

namespace torvex {

int runWhere(const std::vector<std::string> &paths, const WindowsView &view, std::ostream &out)
{
    // The Windows folder comes from the system folder component, as at start-up, so a
    // registry type error in its reads surfaces here too.
    SystemFolders tamPath(view);
    IniCandidates found =
        locateIniFiles(view, tamPath.windows(), paths.empty() ? "" : paths.front());
    for (int slot = 1; slot <= 4; ++slot)
        out << slot << '=' << found.slot(slot) << '\n';
    out << "count=" << found.candidateCount << '\n';
    return 0;
}

} // namespace torvex
