#include "cli/DiffCommand.h"

#include "menu/MenuComparison.h"

#include <ostream>

namespace torvex {

int runDiff(const std::string &file,
    const std::string &other,
    FileSystem &fs,
    const std::function<void(const std::string &path)> &requireFile,
    std::ostream &out)
{
    requireFile(file);
    requireFile(other);
    const MenuComparison comparison =
        compareDirMenus(dirMenuLinesOnDisk(file, fs), dirMenuLinesOnDisk(other, fs));
    if (comparison.isSame())
        return 0;
    out << unifiedMenuDiff(comparison, file, other);
    return 1;
}

} // namespace torvex
