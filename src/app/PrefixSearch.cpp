#include "app/PrefixSearch.h"

#include "platform/SystemFolders.h"
#include "platform/WindowsView.h"

#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace torvex {

namespace {

// The file as the host names it: through the drive's link to the folder it leads to.
std::string hostText(const fs::path &path)
{
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(path, error);
    if (!error)
        return resolved.string();
    const fs::path absolute = fs::absolute(path, error);
    return (error ? path : absolute).lexically_normal().string();
}

} // namespace

PrefixFindings searchPrefix(const KnownPrefix &prefix, const Environment &environment)
{
    PrefixFindings findings;
    findings.prefix = prefix;
    if (!WinePrefix::isPrefixFolder(prefix.root)) {
        findings.problems.push_back(
            prefix.root.string() + ": not a Wine prefix (no system.reg and drive_c)");
        return findings;
    }
    const WindowsView view = WindowsView::forPrefix(WinePrefix(prefix.root), environment);
    findings.problems = view.problems();
    try {
        const SystemFolders systemFolders(view);
        findings.candidates = locateIniFiles(view, systemFolders.windows(), "");
    } catch (const std::exception &error) {
        findings.problems.push_back(prefix.root.string() + ": " + error.what());
        return findings;
    }
    for (int slot = 1; slot <= 3; ++slot) {
        const std::string &path = findings.candidates.slot(slot);
        const auto host = path.empty() ? std::nullopt : view.hostPath(path);
        if (host)
            findings.hostPaths[slot - 1] = hostText(*host);
    }
    return findings;
}

std::vector<OtherPrefixFile> filesInOtherPrefixes(const PrefixPlaces &places,
    const Environment &environment,
    const std::optional<WinePrefix> &except)
{
    std::vector<OtherPrefixFile> files;
    std::set<fs::path> seen;
    for (const KnownPrefix &prefix : places.prefixes) {
        if (except && except->isSameFolder(WinePrefix(prefix.root)))
            continue;
        const PrefixFindings findings = searchPrefix(prefix, environment);
        for (const std::string &host : findings.hostPaths) {
            if (host.empty())
                continue;
            std::error_code error;
            fs::path identity = fs::weakly_canonical(host, error);
            if (error)
                identity = host;
            if (seen.insert(identity).second)
                files.push_back({ host, prefix.label, prefix.root });
        }
    }
    return files;
}

} // namespace torvex
