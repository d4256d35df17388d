#pragma once

#include "core/LocalText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace torvex {

// The type code of a drive's root. The ordinals are the codes the drive button panel's
// DriveType uses (and Windows' drive type call returns).
enum class DriveTypeCode : int {
    Unknown = 0,
    Unavailable = 1, // no such drive, or its root cannot be reached
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CDRom = 5,
    RamDisk = 6,
};

// The small picture shown for a drive; the GUI maps each to an image.
enum class DriveIcon {
    Unknown,
    Removable,
    Fixed,
    Remote,
    CDRom,
    RamDisk,
};

// The icon that stands for a drive of the given type.
DriveIcon driveIconFor(DriveTypeCode type);

// A freedesktop icon name for the picture ("drive-harddisk", "drive-optical", ...).
std::string_view driveIconName(DriveIcon icon);

// What the drive button panel needs to know about the machine's drives. Letters are taken
// in either case.
class DriveSource
{
public:
    virtual ~DriveSource() = default;

    // The present drives: bit 0 stands for A:, bit 1 for B:, and so on.
    virtual std::uint32_t driveMask() const = 0;

    // The type code of the letter's root; Unavailable for a letter that is not present or
    // whose root cannot be reached.
    virtual DriveTypeCode driveType(char letter) const = 0;

    // The name the shell shows for the drive: its volume label or "Local Disk", then
    // " (X:)". Empty for a letter that is not present.
    virtual std::string displayName(char letter) const = 0;
    // The same as the window shows it, "Local Disk" in the user's language.
    virtual LocalText displayText(char letter) const
    {
        return LocalText::verbatim(displayName(letter));
    }

    // The drive's small picture.
    virtual DriveIcon icon(char letter) const { return driveIconFor(driveType(letter)); }

    // The process's current folder as a Windows path ("C:\\users", "Z:\\home\\me"); empty
    // when no drive holds it.
    virtual std::string currentDirectory() const = 0;
};

} // namespace torvex
