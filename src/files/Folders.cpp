#include "files/Folders.h"

#include <filesystem>
#include <system_error>

namespace torvex {

bool createFolders(const std::string &folder) noexcept
{
    try {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path target = fs::path(folder).lexically_normal();
        if (fs::is_directory(target, error))
            return true;
        // Parents first, from the outermost missing one inwards.
        fs::path partial;
        for (const fs::path &component : target) {
            partial /= component;
            if (component.empty() || fs::is_directory(partial, error))
                continue;
            if (!fs::create_directory(partial, error) && !fs::is_directory(partial, error))
                return false;
            fs::permissions(partial, fs::perms::owner_all, fs::perm_options::replace, error);
        }
        return fs::is_directory(target, error);
    } catch (...) {
        return false;
    }
}

bool createFolderOf(const std::string &path) noexcept
{
    try {
        const std::filesystem::path parent = std::filesystem::path(path).parent_path();
        return parent.empty() || createFolders(parent.string());
    } catch (...) {
        return false;
    }
}

} // namespace torvex
