#include "platform/IniLocator.h"

#include "platform/FileManagerKeys.h"
#include "platform/RegistryView.h"
#include "platform/WindowsEnvironment.h"
#include "platform/WindowsPath.h"
#include "platform/WindowsView.h"

namespace torvex {

namespace {

constexpr std::string_view kIniName = "wincmd.ini";

bool standsOnItsOwn(std::string_view iniName)
{
    return isWindowsPath(iniName) || iniName.starts_with("\\\\")
        || iniName.find('%') != std::string_view::npos;
}

} // namespace

std::string standaloneRegistryIniPath(
    const RegistryView &registry, const WindowsEnvironment &environment, bool isMachine)
{
    RegistryRoot root = isMachine ? RegistryRoot::LocalMachine : RegistryRoot::CurrentUser;
    std::string_view key = isMachine ? fileManagerMachineKey : fileManagerUserKey;
    if (!registry.canOpenKey(root, key, KeyAccess::Read))
        return {};
    const std::string iniName = registry.readString(root, key, "IniFileName").value_or("");
    if (!standsOnItsOwn(iniName))
        return {};
    WindowsEnvironment fileManagerEnvironment = environment;
    std::string installDir = registry.readString(root, key, "InstallDir").value_or("");
    while (installDir.size() > 3 && installDir.back() == '\\')
        installDir.pop_back();
    if (!installDir.empty())
        fileManagerEnvironment.set("COMMANDER_PATH", installDir);
    return fileManagerEnvironment.expand(iniName);
}

std::string registryIniPath(const RegistryView &registry, bool isMachine)
{
    RegistryRoot root = isMachine ? RegistryRoot::LocalMachine : RegistryRoot::CurrentUser;
    std::string_view key = isMachine ? fileManagerMachineKey : fileManagerUserKey;
    if (!registry.canOpenKey(root, key, KeyAccess::Read))
        return {};
    std::string installDir = registry.readString(root, key, "InstallDir").value_or("");
    if (installDir.empty())
        return {};
    if (installDir.back() != '\\')
        installDir += '\\';
    std::string iniName = registry.readString(root, key, "IniFileName").value_or("");
    if (iniName.empty())
        return {};
    if (iniName.front() == '.')
        iniName.erase(0, 1);
    return installDir + iniName;
}

IniCandidates locateIniFiles(const RegistryView &registry,
    std::string_view windowsFolder,
    std::string_view firstArgument,
    const std::function<bool(std::string_view)> &fileExists,
    const WindowsEnvironment *environment)
{
    IniCandidates found;
    auto &slot = found.slots;
    slot[0] = registryIniPath(registry, false);
    slot[1] = registryIniPath(registry, true);
    // Without a Windows folder there is no third place to look: a bare "\wincmd.ini" would
    // name a file relative to whatever folder the program was started in.
    if (!windowsFolder.empty()) {
        slot[2] = windowsFolder;
        if (slot[2].back() != '\\')
            slot[2] += '\\';
        slot[2] += kIniName;
    }
    slot[3] = firstArgument;

    for (std::string &path : slot) {
        if (!path.empty() && !fileExists(path))
            path.clear();
    }
    for (int registrySlot : { 0, 1 }) {
        if (!environment || !slot[registrySlot].empty())
            continue;
        std::string standalone =
            standaloneRegistryIniPath(registry, *environment, registrySlot == 1);
        if (!standalone.empty() && fileExists(standalone))
            slot[registrySlot] = std::move(standalone);
    }
    auto dropIfEqual = [&slot](int later, int earlier) {
        if (slot[later] == slot[earlier])
            slot[later].clear();
    };
    dropIfEqual(1, 0);
    dropIfEqual(2, 0);
    dropIfEqual(2, 1);
    dropIfEqual(3, 0);
    dropIfEqual(3, 1);
    dropIfEqual(3, 2);
    for (const std::string &path : slot)
        found.candidateCount += path.empty() ? 0 : 1;
    return found;
}

IniCandidates locateIniFiles(
    const WindowsView &view, std::string_view windowsFolder, std::string_view firstArgument)
{
    return locateIniFiles(
        view.registry(),
        windowsFolder,
        firstArgument,
        [&view](std::string_view path) {
            return view.fileExists(path);
        },
        &view.environment());
}

} // namespace torvex
