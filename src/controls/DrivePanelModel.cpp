#include "controls/DrivePanelModel.h"

#include "core/Text.h"

namespace torvex {

namespace {

char upper(char letter)
{
    return asciiUpper(letter);
}

bool isHorizontalEdge(PanelEdge align)
{
    return align == PanelEdge::Top || align == PanelEdge::Bottom;
}

bool isVerticalEdge(PanelEdge align)
{
    return align == PanelEdge::Left || align == PanelEdge::Right;
}

} // namespace

DrivePanelModel::DrivePanelModel(const DriveSource &drives, int smallIconWidth, int smallIconHeight)
    : m_drives(drives)
    , m_driveMask(drives.driveMask())
    , m_iconWidth(smallIconWidth)
    , m_iconHeight(smallIconHeight)
    , m_buttonWidth(smallIconWidth + 26)
    , m_buttonHeight(smallIconHeight + 4)
    , m_hintTemplate("Click the Button to access Drive \"[DD]\".")
    , m_captionTemplate("[DR]:")
{
    m_height = 2 * m_buttonSpacing + m_buttonHeight;
}

void DrivePanelModel::setFlat(bool value)
{
    m_flat = value;
    rebuildButtons();
}

void DrivePanelModel::setButtonWidth(int value)
{
    m_buttonWidth = value;
    rebuildButtons();
}

void DrivePanelModel::setButtonHeight(int value)
{
    m_buttonHeight = value;
    rebuildButtons();
}

void DrivePanelModel::setButtonSpacing(int value)
{
    m_buttonSpacing = value;
    rebuildButtons();
}

void DrivePanelModel::setButtonHintTemplate(std::string value)
{
    m_hintTemplate = std::move(value);
    rebuildButtons();
}

void DrivePanelModel::setButtonCaptionTemplate(std::string value)
{
    m_captionTemplate = std::move(value);
    rebuildButtons();
}

void DrivePanelModel::setShowCaptions(bool value)
{
    m_showCaptions = value;
    rebuildButtons();
}

void DrivePanelModel::setShowGlyphs(bool value)
{
    m_showGlyphs = value;
    rebuildButtons();
}

void DrivePanelModel::setVertical(bool value)
{
    m_vertical = value;
    rebuildButtons();
}

void DrivePanelModel::setAutoSize(bool value)
{
    m_autoSize = value;
    rebuildButtons();
}

void DrivePanelModel::setAllowAllUp(bool value)
{
    m_allowAllUp = value;
    rebuildButtons();
}

void DrivePanelModel::setGroupIndex(int value)
{
    m_groupIndex = value;
    rebuildButtons();
}

void DrivePanelModel::setDriveTypes(DriveTypeSet value)
{
    m_driveTypes = value;
    rebuildButtons();
}

void DrivePanelModel::setAlign(PanelEdge value)
{
    const bool isFlip = (isHorizontalEdge(m_align) && isVerticalEdge(value))
        || (isHorizontalEdge(value) && isVerticalEdge(m_align));
    m_align = value;
    if (!isFlip)
        return;
    m_vertical = isVerticalEdge(value);
    rebuildButtons();
}

char DrivePanelModel::drive() const
{
    return m_groupIndex != 0 && !m_buttons.empty() ? m_drive : '\0';
}

void DrivePanelModel::setSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void DrivePanelModel::setViewHooks(
    std::function<void()> buttonsRebuilt, std::function<void()> downStatesChanged)
{
    m_buttonsRebuilt = std::move(buttonsRebuilt);
    m_downStatesChanged = std::move(downStatesChanged);
}

void DrivePanelModel::clearButtons()
{
    m_buttons.clear();
}

void DrivePanelModel::applyAutoSize()
{
    if (!m_autoSize)
        return;
    // The decision rests on the docking edge alone, not on Vertical.
    if (isHorizontalEdge(m_align))
        m_height = 2 * m_buttonSpacing + m_buttonHeight;
    else if (isVerticalEdge(m_align))
        m_width = 2 * m_buttonSpacing + m_buttonWidth;
}

DriveButton DrivePanelModel::makeButton(char letter, int position) const
{
    DriveButton button;
    button.letter = letter;
    button.caption =
        m_showCaptions ? expandTemplate(letter, m_captionTemplate).english() : std::string();
    button.hintText = expandTemplate(letter, m_hintTemplate);
    button.hint = button.hintText.english();
    button.isFlat = m_flat;
    button.width = m_buttonWidth;
    button.height = m_buttonHeight;
    button.allowAllUp = m_allowAllUp;
    button.groupIndex = m_groupIndex;
    button.isDown = m_groupIndex != 0 && letter == m_drive;
    if (m_vertical) {
        button.top = position;
        button.left = m_buttonSpacing;
    } else {
        button.left = position;
        button.top = m_buttonSpacing;
    }
    button.showsGlyph = m_showGlyphs;
    button.icon = m_drives.icon(letter);
    return button;
}

void DrivePanelModel::rebuildButtons()
{
    clearButtons();
    // A resize does not end the rebuild: every caller expects the buttons to exist after it.
    applyAutoSize();

    int position = m_buttonSpacing;
    bool isAnyDown = false;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!isDriveShown(letter))
            continue;
        m_buttons.push_back(makeButton(letter, position));
        isAnyDown = isAnyDown || m_buttons.back().isDown;
        position += m_vertical ? m_buttonHeight + m_buttonSpacing : m_buttonWidth + m_buttonSpacing;
    }
    if (m_buttonsRebuilt)
        m_buttonsRebuilt();

    if (!isAnyDown && !m_buttons.empty() && m_groupIndex != 0 && !m_allowAllUp) {
        const std::string current = m_drives.currentDirectory() + "C";
        selectDrive(current.front());
    }
}

void DrivePanelModel::readDrivesAgain()
{
    m_driveMask = m_drives.driveMask();
    rebuildButtons();
}

bool DrivePanelModel::isDriveShown(char letter) const
{
    const int offset = upper(letter) - 'A';
    if (offset < 0 || offset > 31 || (m_driveMask & (1u << offset)) == 0)
        return false;
    const int code = static_cast<int>(m_drives.driveType(upper(letter)));
    if (code < 0 || code > 6)
        return false;
    return m_driveTypes.contains(static_cast<DriveType>(code));
}

LocalText DrivePanelModel::expandTemplate(char letter, std::string_view templ) const
{
    const char drive = upper(letter);
    std::vector<LocalText> parts;
    std::string plain;
    for (std::size_t i = 0; i < templ.size();) {
        const std::string_view rest = templ.substr(i);
        if (rest.starts_with("[DR]")) {
            plain += drive;
            i += 4;
        } else if (rest.starts_with("[DD]")) {
            parts.push_back(LocalText::verbatim(std::move(plain)));
            plain.clear();
            LocalText name = m_drives.displayText(drive);
            parts.push_back(name.english().empty()
                    ? LocalText::verbatim(std::string { drive, ':', '\\' })
                    : std::move(name));
            i += 4;
        } else {
            plain += templ[i++];
        }
    }
    parts.push_back(LocalText::verbatim(std::move(plain)));
    return LocalText::joined(std::move(parts), "");
}

void DrivePanelModel::setButtonDown(std::size_t index, bool down)
{
    DriveButton &button = m_buttons[index];
    if (button.groupIndex == 0 || button.isDown == down)
        return;
    if (!down) {
        if (button.allowAllUp)
            button.isDown = false;
        return;
    }
    for (DriveButton &other : m_buttons) {
        if (&other != &button && other.groupIndex == button.groupIndex)
            other.isDown = false;
    }
    button.isDown = true;
}

void DrivePanelModel::selectDrive(char letter)
{
    if (m_groupIndex == 0)
        return;
    if (m_buttons.empty())
        throw DrivePanelError(msgNoDriveButton);

    const char wanted = upper(letter);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        setButtonDown(i, m_buttons[i].letter == wanted);
    notifyDownStates();

    char candidate = '\0';
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (!m_buttons[i].isDown)
            continue;
        candidate = m_buttons[i].letter;
        raiseClick(i);
    }
    if (candidate != '\0') {
        m_drive = candidate;
        return;
    }
    if (m_buttons.empty())
        throw DrivePanelError(msgInvalidDrive);
    selectDrive(m_buttons.front().letter);
}

void DrivePanelModel::clickButton(std::size_t index)
{
    if (index >= m_buttons.size())
        return;
    const DriveButton &button = m_buttons[index];
    if (button.groupIndex != 0) {
        if (!button.isDown)
            setButtonDown(index, true);
        else if (button.allowAllUp)
            setButtonDown(index, false);
        notifyDownStates();
    }
    respondToClick(index);
}

void DrivePanelModel::respondToClick(std::size_t index)
{
    if (index >= m_buttons.size())
        return;
    m_drive = m_buttons[index].letter;
    raiseClick(index);
}

void DrivePanelModel::raiseClick(std::size_t index)
{
    if (!m_clickHandler)
        return;
    // A copy: the handler may change the panel and so remake its buttons.
    const DriveButton button = m_buttons[index];
    m_clickHandler(button, button.letter);
}

void DrivePanelModel::notifyDownStates()
{
    if (m_downStatesChanged)
        m_downStatesChanged();
}

void setUpMainWindowDrives(DrivePanelModel &model)
{
    model.setButtonWidth(44);
    model.setButtonHeight(22);
    model.setButtonSpacing(0);
    model.setButtonHintTemplate(" [DD] ");
    model.setButtonCaptionTemplate("[DR]");
    model.setGroupIndex(128);
    model.setDriveTypes(
        { DriveType::Unknown, DriveType::Fixed, DriveType::Remote, DriveType::RamDisk });
}

} // namespace torvex
