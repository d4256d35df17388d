#pragma once

#include "platform/DriveSource.h"

#include <map>
#include <string>

namespace torvex::test {

// Drives by upper-case letter with their types and display names; letters that are not in
// `types` are absent.
class FakeDriveSource : public DriveSource
{
public:
    std::map<char, DriveTypeCode> types;
    std::map<char, std::string> names;
    std::string current;

    std::uint32_t driveMask() const override
    {
        std::uint32_t mask = 0;
        for (const auto &entry : types)
            mask |= 1u << (entry.first - 'A');
        return mask;
    }
    DriveTypeCode driveType(char letter) const override
    {
        const auto it = types.find(letter);
        return it == types.end() ? DriveTypeCode::Unavailable : it->second;
    }
    std::string displayName(char letter) const override
    {
        const auto it = names.find(letter);
        return it == names.end() ? std::string() : it->second;
    }
    std::string currentDirectory() const override { return current; }
};

} // namespace torvex::test
