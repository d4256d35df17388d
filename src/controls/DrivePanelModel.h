#pragma once

#include "core/Error.h"
#include "platform/DriveSource.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex {

// Drive kinds; each ordinal is the drive type code of DriveTypeCode.
enum class DriveType : uint8_t {
    Unknown = 0,
    Unavailable = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CDRom = 5,
    RamDisk = 6,
};

// A set of drive kinds held in one byte: bit n stands for ordinal n.
class DriveTypeSet
{
public:
    constexpr DriveTypeSet() = default;
    constexpr DriveTypeSet(std::initializer_list<DriveType> types)
    {
        for (DriveType type : types)
            m_bits |= bit(type);
    }

    // All seven kinds.
    static constexpr DriveTypeSet all() { return fromBits(0x7F); }
    // The set whose bits are `bits` (bit 7 is dropped).
    static constexpr DriveTypeSet fromBits(uint8_t bits)
    {
        DriveTypeSet set;
        set.m_bits = bits & 0x7F;
        return set;
    }

    constexpr uint8_t bits() const { return m_bits; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr bool contains(DriveType type) const { return (m_bits & bit(type)) != 0; }
    // This set with `type` added.
    constexpr DriveTypeSet with(DriveType type) const { return fromBits(m_bits | bit(type)); }

    constexpr bool operator==(const DriveTypeSet &) const = default;

private:
    static constexpr uint8_t bit(DriveType type)
    {
        return static_cast<uint8_t>(1u << static_cast<unsigned>(type));
    }
    uint8_t m_bits = 0;
};

// The edge a panel is docked to.
enum class PanelEdge { None, Top, Bottom, Left, Right, Client }; // TAlign

// Raised by DrivePanelModel::selectDrive; what() is the message shown to the user.
struct DrivePanelError : TorvexError
{
    using TorvexError::TorvexError;
};

inline constexpr const char *msgNoDriveButton = "No drive button exists";
inline constexpr const char *msgInvalidDrive = "Invalid drive";

// One drive button as the panel made it. Positions are relative to the panel.
struct DriveButton
{
    char letter = 'C'; // upper case; the button's tag
    std::string caption;
    std::string hint;
    LocalText hintText; // the hint as the window shows it, in the user's language
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool isFlat = true;
    int groupIndex = 0;
    bool allowAllUp = false;
    bool isDown = false;
    bool showsGlyph = true;
    DriveIcon icon = DriveIcon::Unknown;
};

// The logic of the drive button panel DrivePanel, without any widget: which drives get a
// button, their captions, hints and positions, the latching of grouped buttons, the selected
// drive and the click event. A widget mirrors the buttons through the two view hooks.
//
// Every property write rebuilds all buttons (rebuildButtons), also when the value is the same.
class DrivePanelModel
{
public:
    // Raised for a clicked or selected button with the button and its upper-case letter.
    using ClickHandler = std::function<void(const DriveButton &button, char drive)>;

    // A panel over `drives`, whose drive mask is taken now and never again. The small icon
    // size gives the default button size (icon width + 26 by icon height + 4). No button
    // exists until the first rebuild.
    explicit DrivePanelModel(
        const DriveSource &drives, int smallIconWidth = 16, int smallIconHeight = 16);

    bool isFlat() const { return m_flat; }
    int buttonWidth() const { return m_buttonWidth; }
    int buttonHeight() const { return m_buttonHeight; }
    int buttonSpacing() const { return m_buttonSpacing; }
    const std::string &buttonHintTemplate() const { return m_hintTemplate; }
    const std::string &buttonCaptionTemplate() const { return m_captionTemplate; }
    bool showCaptions() const { return m_showCaptions; }
    bool showGlyphs() const { return m_showGlyphs; }
    bool isVertical() const { return m_vertical; }
    bool autoSize() const { return m_autoSize; }
    bool allowAllUp() const { return m_allowAllUp; }
    int groupIndex() const { return m_groupIndex; }
    DriveTypeSet driveTypes() const { return m_driveTypes; }
    PanelEdge align() const { return m_align; }
    int smallIconWidth() const { return m_iconWidth; }
    int smallIconHeight() const { return m_iconHeight; }

    // Each of these stores the value and rebuilds the buttons.
    void setFlat(bool value);
    void setButtonWidth(int value);
    void setButtonHeight(int value);
    void setButtonSpacing(int value);
    void setButtonHintTemplate(std::string value);
    void setButtonCaptionTemplate(std::string value);
    void setShowCaptions(bool value);
    void setShowGlyphs(bool value);
    void setVertical(bool value);
    void setAutoSize(bool value);
    void setAllowAllUp(bool value);
    void setGroupIndex(int value);
    void setDriveTypes(DriveTypeSet value);

    // Docks the panel to another edge. Going from top/bottom to left/right (or back) is a flip:
    // Vertical follows (true for left and right) and the buttons are rebuilt. Any other change
    // leaves Vertical and the buttons alone.
    void setAlign(PanelEdge value);

    // The selected drive: the remembered upper-case letter when GroupIndex is non-zero and at
    // least one button exists; '\0' otherwise.
    char drive() const;

    // Same as selectDrive(letter); no rebuild.
    void setDrive(char letter) { selectDrive(letter); }

    // The click event; storing it does not rebuild.
    void setClickHandler(ClickHandler handler) { m_clickHandler = std::move(handler); }

    // The panel's own size, which AutoSize adjusts. setSize records a size given by the
    // surrounding layout and does not rebuild.
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setSize(int width, int height);

    const std::vector<DriveButton> &buttons() const { return m_buttons; }

    // View hooks: `buttonsRebuilt` runs after the buttons were remade (before a fallback
    // selection raises the click event), `downStatesChanged` after any button went up or down.
    void setViewHooks(
        std::function<void()> buttonsRebuilt, std::function<void()> downStatesChanged);

    // Destroys all buttons, sizes the panel (AutoSize), makes one button per shown drive from
    // A to Z and puts down the remembered drive's button. When a grouped panel without
    // AllowAllUp ends with no button down, selects the current folder's drive (or C, or else
    // the first button), which raises the click event.
    void rebuildButtons();

    // The machine's drives changed (the window moved to another Wine prefix): reads which
    // drives are present again, then rebuilds the buttons.
    void readDrivesAgain();

    // Whether the drive of `letter` (either case) is present and its type is in DriveTypes.
    bool isDriveShown(char letter) const;

    // `templ` with every "[DR]" replaced by the upper-case letter, then every "[DD]" by the
    // drive's display name (its root path "X:\" when the system gives none). Inserted text is
    // never scanned again.
    LocalText expandTemplate(char letter, std::string_view templ) const;

    // Puts down the button of `letter` (either case) and raises the click event for the
    // button that is down afterwards; that button's letter becomes Drive. A letter without a
    // button keeps the button that was down, or selects the first button when none is.
    // Nothing happens when GroupIndex is 0. Throws DrivePanelError "No drive button exists"
    // when there is no button (Drive is then unchanged).
    void selectDrive(char letter);

    // What a completed click on the button at `index` does: latches it (a grouped button that
    // is up goes down; with AllowAllUp a down one goes up), Drive becomes its letter and the
    // click event is raised, also when the button was already down.
    void clickButton(std::size_t index);

    // The panel's reaction to a click: Drive becomes the button's letter and the click event
    // is raised. Latching is clickButton's part.
    void respondToClick(std::size_t index); // buttonClick

private:
    void setButtonDown(std::size_t index, bool down);
    void clearButtons();
    void applyAutoSize();
    DriveButton makeButton(char letter, int position) const;
    void raiseClick(std::size_t index);
    void notifyDownStates();

    const DriveSource &m_drives;
    uint32_t m_driveMask = 0;
    int m_iconWidth;
    int m_iconHeight;

    bool m_flat = true;
    ClickHandler m_clickHandler;
    int m_buttonWidth;
    int m_buttonHeight;
    std::string m_hintTemplate;
    std::string m_captionTemplate;
    PanelEdge m_align = PanelEdge::Top;
    bool m_vertical = false;
    int m_buttonSpacing = 2;
    bool m_autoSize = true;
    bool m_allowAllUp = false;
    int m_groupIndex = 0;
    char m_drive = 'C';
    bool m_showGlyphs = true;
    bool m_showCaptions = true;
    DriveTypeSet m_driveTypes = DriveTypeSet::all();

    int m_width = 0;
    int m_height = 0;
    std::vector<DriveButton> m_buttons;
    std::function<void()> m_buttonsRebuilt;
    std::function<void()> m_downStatesChanged;
};

// Sets the properties of the main window's drive panel: buttons 44 by 22 without spacing,
// hint " [DD] ", caption "[DR]", one exclusive group, and the drive types it is built with
// (unknown, fixed, network and RAM disks) until the Options replace them.
void setUpMainWindowDrives(DrivePanelModel &model);

} // namespace torvex
