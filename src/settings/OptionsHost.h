#pragma once

#include "controls/DrivePanelModel.h"

#include <cstdint>
#include <string>

namespace torvex {

class ProgramSettings;

// What the Options dialog reads from and applies to the main window.
class OptionsHost
{
public:
    virtual ~OptionsHost() = default;

    // The main window's one accessor of torvex.ini.
    virtual ProgramSettings &settings() = 0;

    // The menu tree takes these colours (0x00BBGGRR or system colours) and is repainted.
    virtual void applyTreeColours(int32_t background, int32_t font) = 0;

    // The drive button panel shows these drive types; its selection follows (it may select
    // another drive and switch the directory list).
    virtual void applyDriveTypes(DriveTypeSet types) = 0;

    // The flag that the drop confirmation reads.
    virtual void setConfirmDropOnCommand(bool confirm) = 0;

    // Status panel 0: a blank followed by `text`; an empty `text` empties the panel.
    virtual void setStatusText(const std::string &text) = 0;

    // Handles pending window events for `milliseconds` (0: once).
    virtual void waitHandlingEvents(unsigned milliseconds) = 0; // waitProcessingMessages

    // The help file in the window's language (else the English torvex.hlp), beside the
    // executable or in share/torvex/ of an installed copy.
    virtual std::string helpFile() const = 0;
};

} // namespace torvex
