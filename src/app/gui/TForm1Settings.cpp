// The main window's stored settings (read at creation, written at close), the drive buttons
// and the Options command. Filled in by the settings work; until then nothing is stored.

#include "app/gui/DirListBox.h"
#include "app/gui/TForm1.h"

namespace torvex {

void TForm1::readWindowSettings() { }

void TForm1::writeWindowSettings() { }

void TForm1::VelDrivesClickButton(char drive)
{
    m_dirListBox->setDrive(drive);
}

void TForm1::mnuOptionsOptionsClick() { }

} // namespace torvex
