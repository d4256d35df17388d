#pragma once

#include "core/Error.h"

#include <string>
#include <string_view>

namespace torvex {

// The messages of registry failures; "%s" stands for the value name.
inline constexpr std::string_view kInvalidDataTypeMessage = "Invalid data type for '%s'";
inline constexpr std::string_view kFailedToGetDataMessage = "Failed to get data for '%s'";

// A registry value that cannot be read as the caller asked (a non-string value read as a
// string, or data that cannot be fetched). The message names the value.
class RegistryError : public TorvexError
{
public:
    RegistryError(std::string_view messageTemplate, std::string_view valueName);

    const std::string &valueName() const { return m_valueName; }

private:
    std::string m_valueName;
};

} // namespace torvex
