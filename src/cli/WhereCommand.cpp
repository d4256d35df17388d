#include "cli/WhereCommand.h"

#include "platform/IniLocator.h"
#include "app/PrefixSearch.h"
#include "platform/SystemFolders.h"
#include "core/JsonText.h"
#include "core/Text.h"
#include "platform/PrefixPlaces.h"
#include "platform/WindowsView.h"

#include <algorithm>
#include <ostream>

namespace torvex {

namespace {

// The view's own prefix first, then every other one the places hold.
std::vector<KnownPrefix> prefixesToSearch(
    const WindowsView &view, const PrefixPlaces &places, const Environment &environment)
{
    std::vector<KnownPrefix> prefixes;
    if (view.hasPrefix())
        prefixes.push_back(
            { view.prefix()->root(), prefixLabel(view.prefix()->root(), environment) });
    for (const KnownPrefix &known : places.prefixes) {
        if (!view.hasPrefix() || !view.prefix()->isSameFolder(WinePrefix(known.root)))
            prefixes.push_back(known);
    }
    return prefixes;
}

// Paths and labels come from registry files and folder names: their control characters
// are shown, never sent to the terminal.
void printText(const std::vector<PrefixFindings> &all,
    const std::vector<std::string> &placeProblems,
    std::ostream &out)
{
    for (const PrefixFindings &findings : all) {
        out << "prefix=" << visibleText(findings.prefix.label) << '\n';
        out << "folder=" << visibleText(findings.prefix.root.string()) << '\n';
        for (int slot = 1; slot <= 3; ++slot)
            out << slot << '=' << visibleText(findings.candidates.slot(slot)) << '\n';
        out << "count=" << findings.candidates.candidateCount << '\n';
        for (const std::string &problem : findings.problems)
            out << "problem=" << visibleText(problem) << '\n';
        out << '\n';
    }
    for (const std::string &problem : placeProblems)
        out << "problem=" << visibleText(problem) << '\n';
    out << "prefixes=" << all.size() << '\n';
}

std::string jsonList(const std::vector<std::string> &texts)
{
    std::string out = "[";
    for (const std::string &text : texts)
        out += (out.size() > 1 ? "," : "") + jsonQuoted(text);
    return out + "]";
}

void printJson(const std::vector<PrefixFindings> &all,
    const std::vector<std::string> &placeProblems,
    std::ostream &out)
{
    std::string text = "{\"prefixes\":[";
    for (const PrefixFindings &findings : all) {
        text += &findings == all.data() ? "{" : ",{";
        text += "\"label\":" + jsonQuoted(findings.prefix.label);
        text += ",\"folder\":" + jsonQuoted(findings.prefix.root.string());
        text += ",\"candidates\":[";
        bool first = true;
        for (int slot = 1; slot <= 3; ++slot) {
            if (findings.candidates.slot(slot).empty())
                continue;
            text += first ? "{" : ",{";
            first = false;
            text += "\"slot\":" + std::to_string(slot);
            text += ",\"path\":" + jsonQuoted(findings.candidates.slot(slot));
            text += ",\"file\":" + jsonQuoted(findings.hostPaths[slot - 1]) + "}";
        }
        text += "],\"problems\":" + jsonList(findings.problems) + "}";
    }
    text += "],\"problems\":" + jsonList(placeProblems) + "}\n";
    out << text;
}

} // namespace

int runWhere(const std::vector<std::string> &paths, const WindowsView &view, std::ostream &out)
{
    // The Windows folder comes from the system folder component, as at start-up, so a
    // registry type error in its reads surfaces here too.
    SystemFolders systemFolders(view);
    IniCandidates found =
        locateIniFiles(view, systemFolders.windows(), paths.empty() ? "" : paths.front());
    for (int slot = 1; slot <= 4; ++slot)
        out << slot << '=' << visibleText(found.slot(slot)) << '\n';
    out << "count=" << found.candidateCount << '\n';
    return 0;
}

bool isWhereAll(const std::vector<std::string> &arguments)
{
    const auto has = [&arguments](const char *flag) {
        return std::find(arguments.begin(), arguments.end(), flag) != arguments.end();
    };
    return (arguments.size() == 1 && has("--all"))
        || (arguments.size() == 2 && has("--all") && has("--json"));
}

int runWhereAll(
    const WindowsView &view, const Environment &environment, bool asJson, std::ostream &out)
{
    const PrefixPlaces places = findPrefixPlaces(environment);
    std::vector<PrefixFindings> all;
    for (const KnownPrefix &prefix : prefixesToSearch(view, places, environment))
        all.push_back(searchPrefix(prefix, environment));
    if (asJson)
        printJson(all, places.problems, out);
    else
        printText(all, places.problems, out);
    return 0;
}

} // namespace torvex
