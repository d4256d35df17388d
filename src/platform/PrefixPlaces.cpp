#include "platform/PrefixPlaces.h"

#include "platform/HostFileRead.h"
#include "platform/LutrisGames.h"
#include "files/UserFolders.h"

#include <algorithm>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace torvex {

namespace {

constexpr std::size_t kGameFileLimit = 1024 * 1024;

fs::path homeOf(const Environment &environment)
{
    auto home = environment.find("HOME");
    return home == environment.end() || home->second.empty() ? fs::path() : fs::path(home->second);
}

// The folders directly inside `parent`, sorted by name; none when it cannot be listed.
std::vector<fs::path> subfolders(const fs::path &parent)
{
    std::vector<fs::path> found;
    std::error_code error;
    if (parent.empty() || !fs::is_directory(parent, error))
        return found;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (it->is_directory(kindError))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

class PlaceCollector
{
public:
    explicit PlaceCollector(const Environment &environment)
        : m_home(homeOf(environment))
    { }

    // Adds `root` unless a folder already listed is the same one. Returns its position in
    // the list, -1 when it is not listed.
    int add(const fs::path &root, std::string label, bool onlyPrefixes)
    {
        std::error_code error;
        if (root.empty() || !fs::is_directory(root, error))
            return -1;
        if (onlyPrefixes && !WinePrefix::isPrefixFolder(root))
            return -1;
        fs::path identity = fs::weakly_canonical(root, error);
        if (error)
            identity = root.lexically_normal();
        auto [seen, isNew] = m_seen.try_emplace(identity, m_places.prefixes.size());
        if (isNew)
            m_places.prefixes.push_back({ root, std::move(label) });
        return static_cast<int>(seen->second);
    }

    // Puts the entry at `index` first, the others keeping their order.
    void moveToFront(int index)
    {
        auto &list = m_places.prefixes;
        if (index <= 0)
            return;
        std::rotate(list.begin(), list.begin() + index, list.begin() + index + 1);
    }

    // Every folder of a place where a prefix manager keeps one prefix each.
    void addManaged(const fs::path &place, const std::string &manager, bool onlyPrefixes = false)
    {
        if (place.empty())
            return;
        for (const fs::path &folder : subfolders(place))
            add(folder, manager + ": " + folder.filename().string(), onlyPrefixes);
    }

    void addLutrisGames(const fs::path &gamesFolder)
    {
        if (gamesFolder.empty())
            return;
        std::error_code error;
        std::vector<fs::path> files;
        for (fs::directory_iterator it(gamesFolder, error), end; !error && it != end;
             it.increment(error)) {
            const auto extension = it->path().extension();
            if (extension == ".yml" || extension == ".yaml")
                files.push_back(it->path());
        }
        std::sort(files.begin(), files.end());
        for (const fs::path &file : files) {
            const HostFileText read = readRegularFile(file, kGameFileLimit);
            if (read.status != HostReadStatus::Read) {
                if (read.status != HostReadStatus::Missing)
                    m_places.problems.push_back(hostReadProblem(file, read, kGameFileLimit));
                continue;
            }
            if (auto prefix = lutrisGamePrefix(read.text, m_home))
                add(*prefix, "Lutris: " + lutrisGameName(file), true);
        }
    }

    void addSteam(const fs::path &steamFolder)
    {
        if (steamFolder.empty())
            return;
        for (const fs::path &game : subfolders(steamFolder / "steamapps" / "compatdata"))
            add(game / "pfx", "Steam: " + game.filename().string(), true);
    }

    const fs::path &home() const { return m_home; }
    PrefixPlaces take() { return std::move(m_places); }

private:
    fs::path m_home;
    std::map<fs::path, std::size_t> m_seen; // by resolved folder: the position in the list
    PrefixPlaces m_places;
};

fs::path under(const fs::path &base, const char *relative)
{
    return base.empty() ? base : base / relative;
}

} // namespace

std::string homeRelative(const fs::path &folder, const Environment &environment)
{
    const fs::path home = homeOf(environment);
    const fs::path normal = folder.lexically_normal();
    if (!home.empty()) {
        const fs::path rest = normal.lexically_relative(home.lexically_normal());
        if (!rest.empty() && *rest.begin() != "..") {
            const std::string text = rest.string();
            return text == "." ? std::string("~") : "~/" + text;
        }
    }
    return normal.string();
}

PrefixPlaces findPrefixPlaces(const Environment &environment)
{
    PlaceCollector places(environment);
    const fs::path &home = places.home();
    const fs::path data = userDataHome(environment);
    const fs::path config = userConfigHome(environment);
    places.add(under(home, ".wine"), "~/.wine", true);
    places.addManaged(under(data, "wineprefixes"), "winetricks");
    places.addManaged(under(data, "bottles/bottles"), "Bottles");
    places.addManaged(
        under(home, ".var/app/com.usebottles.bottles/data/bottles/bottles"), "Bottles");
    places.addManaged(under(home, ".PlayOnLinux/wineprefix"), "PlayOnLinux");
    places.addLutrisGames(under(config, "lutris/games"));
    places.addLutrisGames(under(data, "lutris/games"));
    places.addManaged(under(home, "Games"), "Lutris", true);
    places.addManaged(under(home, ".cxoffice"), "CrossOver", true);
    places.addSteam(under(home, ".steam/steam"));
    places.addSteam(under(data, "Steam"));
    places.addSteam(under(home, ".var/app/com.valvesoftware.Steam/.local/share/Steam"));
    places.addSteam(under(home, ".var/app/com.valvesoftware.Steam/data/Steam"));
    // $WINEPREFIX is searched first, under the name of the place it is in when it is in one.
    if (auto it = environment.find("WINEPREFIX"); it != environment.end() && !it->second.empty())
        places.moveToFront(places.add(it->second, homeRelative(it->second, environment), true));
    return places.take();
}

std::string prefixLabel(const fs::path &root, const Environment &environment)
{
    const WinePrefix wanted(root);
    for (const KnownPrefix &known : findPrefixPlaces(environment).prefixes) {
        if (WinePrefix(known.root).isSameFolder(wanted))
            return known.label;
    }
    return homeRelative(root, environment);
}

} // namespace torvex
