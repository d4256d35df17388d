#pragma once

#include "settings/OptionsHost.h"
#include "settings/ProgramSettings.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace torvex {

class HelpViewer;
class ThemeComponent;

// The Options dialog: the tree's background and font colours, the drive types of the drive
// button panel, the two confirmations and the backup before the first save, all kept in
// section form2 of torvex.ini. Created
// once, hidden, with the main window; the start-up sequence has it apply the stored options
// to the main window (loadOptions). Colour choices act on the tree at once as a preview; OK writes
// everything and applies it, Cancel (or Esc) reloads the file and applies that again; closing by
// the frame does neither.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    // Picks a colour starting from `current`; nothing when the user cancels.
    using ColourChooser = std::function<std::optional<int32_t>(int32_t current)>;

    // The dialog over `host` (the main window, or a test's); `parent` is the window it stands
    // over and its owner.
    explicit OptionsDialog(OptionsHost &host, QWidget *parent = nullptr);
    ~OptionsDialog() override;

    // Reads form2 into the dialog and applies it to the main window: confirmDropOnCommand,
    // the tree's colours, then (between two waits of 200 ms, with " Showing selected
    // drives..." in the status bar) the drive types of the drive button panel.
    void loadOptions();

    // OK: writes form2 and applies it, then closes with OK. (ButOKClick)
    void saveAndApply();
    // Cancel: reads form2 again and applies it, then closes with Cancel. (ButCancelClick)
    void revert();
    void chooseBackgroundColour(); // ButSelectColorClick
    void chooseFontColour(); // ButSelectFontColorClick
    void useWindowsColours(); // ButWindowsColorClick
    // F1 opens the help (the host's file) at topic 8 when the file exists; other keys pass on.
    void showHelpOnF1(int key); // FormKeyDown

    // The colours shown in the swatches.
    int32_t backgroundColour() const { return m_backgroundColour; }
    int32_t fontColour() const { return m_fontColour; }

    // Replaces the colour dialog (tests).
    void setColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }

    HelpViewer *helpViewer() const { return m_helpViewer; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    void buildDialog(); // FormCreate
    void buildControls();
    void buildColourControls();
    void buildDriveBoxes();
    void buildConfirmations();
    void connectButtons();
    void setFocusOrder();
    QGroupBox *groupBox(const char *name, const char *title, QRect geometry);
    QPushButton *button(QWidget *parent, const char *name, const char *caption, QRect geometry);
    void setBackgroundColour(int32_t colour);
    void setFontColour(int32_t colour);
    Options optionsFromControls() const;
    void showOptions(const Options &options);
    template <typename Handler> void guarded(Handler &&handler, int closeWith);

    OptionsHost &m_host;
    ThemeComponent *m_winXP1 = nullptr;
    HelpViewer *m_helpViewer = nullptr;
    ColourChooser m_chooseColour;
    int32_t m_backgroundColour = buttonFaceColour;
    int32_t m_fontColour = windowTextColour;

    QGroupBox *m_gBoxBackgroundColor = nullptr;
    QLabel *m_backgroundSwatch = nullptr; // STextFarve
    QPushButton *m_butSelectColor = nullptr;
    QGroupBox *m_gBoxFontColor = nullptr;
    QLabel *m_fontSwatch = nullptr; // sTextFontColor
    QPushButton *m_butSelectFontColor = nullptr;
    QPushButton *m_butWindowsColor = nullptr;
    QGroupBox *m_gBoxShowTheseDiskTypes = nullptr;
    // CBoxFixed, CBoxRemote, CBoxUnavailable, CBoxRemovable, CBoxCDRom, CBoxRamDisk, CBoxUnknown
    std::array<QCheckBox *, 7> m_driveBoxes {};
    QGroupBox *m_gBoxConfirmation = nullptr;
    QCheckBox *m_cBoxAsk = nullptr;
    QCheckBox *m_cBoxDropTargetHasCommand = nullptr;
    QCheckBox *m_cBoxBackup = nullptr;
    QPushButton *m_butOK = nullptr;
    QPushButton *m_butCancel = nullptr;
};

} // namespace torvex
