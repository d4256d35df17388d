#pragma once

#include "controls/DrivePanelModel.h"

#include <QFrame>
#include <QIcon>

#include <functional>
#include <vector>

class QToolButton;

namespace torvex {

// The small picture of a drive kind, drawn by the program (16 by 16 at scale 1).
QIcon driveIcon(DriveIcon icon);

// The drive button panel: one latching flat button per shown drive, laid out and selected by
// DrivePanelModel. Property writes go through model() and rebuild the buttons at once;
// the widget follows every rebuild and every change of the down states.
class DrivePanel : public QFrame
{
    Q_OBJECT

public:
    // Raised for a clicked or selected button: the panel, that button and its letter.
    using ClickButtonHandler =
        std::function<void(DrivePanel *sender, QToolButton *button, char drive)>;

    // A panel without buttons over `drives` (which must outlive it). Buttons come with the
    // first rebuild: a property write or loaded().
    explicit DrivePanel(const DriveSource &drives, QWidget *parent = nullptr);

    DrivePanelModel &model() { return m_model; }
    const DrivePanelModel &model() const { return m_model; }

    // The end of setting up: rebuilds once more, which gives the panel its buttons.
    void loaded() { m_model.rebuildButtons(); }

    char drive() const { return m_model.drive(); }
    // Selects the drive's button (either case). Throws DrivePanelError as the model does.
    void setDrive(char letter) { m_model.setDrive(letter); }
    DriveTypeSet driveTypes() const { return m_model.driveTypes(); }
    void setDriveTypes(DriveTypeSet types) { m_model.setDriveTypes(types); }

    void setOnClickButton(ClickButtonHandler handler) { m_onClickButton = std::move(handler); }

    const std::vector<QToolButton *> &buttons() const { return m_buttons; }
    // The button of the letter (upper case), nullptr when there is none.
    QToolButton *button(char letter) const;

Q_SIGNALS:
    // The buttons were made anew (their place in the focus order is to be set again).
    void buttonsRemade();

protected:
    // Keys on a button: Left and Right (Up and Down) go to the other buttons, a drive's
    // letter presses its button.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    void remakeButtons();
    void syncDownStates();
    void applySize();
    void onButtonClicked(std::size_t index);

    DrivePanelModel m_model;
    std::vector<QToolButton *> m_buttons;
    ClickButtonHandler m_onClickButton;
};

} // namespace torvex
