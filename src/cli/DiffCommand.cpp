#include "cli/DiffCommand.h"

#include "core/Text.h"
#include "menu/MenuComparison.h"

#include <algorithm>
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
    // Each line shown without the control characters the files may hold.
    const std::string diff = unifiedMenuDiff(comparison, file, other);
    for (std::size_t begin = 0; begin < diff.size();) {
        const std::size_t end = std::min(diff.find('\n', begin), diff.size());
        out << visibleText(std::string_view(diff).substr(begin, end - begin)) << '\n';
        begin = end + 1;
    }
    return 1;
}

} // namespace torvex
