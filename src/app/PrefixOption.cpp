#include "app/PrefixOption.h"

#include "core/Error.h"

#include <system_error>

namespace torvex {

namespace {

constexpr std::string_view kOption = "--prefix";

} // namespace

std::optional<std::filesystem::path> takePrefixOption(std::vector<std::string> &args)
{
    std::optional<std::filesystem::path> named;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] == kOption) {
            if (i + 1 >= args.size())
                throw TorvexError("--prefix needs a folder");
            named = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        } else if (args[i].starts_with(std::string(kOption) + "=")) {
            named = args[i].substr(kOption.size() + 1);
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    std::error_code error;
    if (named && (named->empty() || !std::filesystem::is_directory(*named, error)))
        throw TorvexError(named->string() + ": no such folder (--prefix)");
    return named;
}

} // namespace torvex
