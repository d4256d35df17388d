#pragma once

#include "app/MenuFileSteps.h"

namespace torvex {

class MainWindow;
class MainWindowPanes;

// What the main window shows around loading and saving: the status bar, the busy cursor, the
// menus and panes held off while the file is read or written, and the refresh after a load.
class WindowFileUi : public MenuFileUi
{
public:
    WindowFileUi(MainWindow &window, MainWindowPanes &panes);

    void showStatus(const std::string &text) override;
    void showStatus(const LocalText &text) override;
    void processEvents() override;
    void setBusyCursor(bool busy) override;
    void setMenusEnabled(bool enabled) override;
    void setPanelsEnabled(bool enabled) override;
    void afterLoad() override;
    void saveFailed(const std::string &message, const std::string &cause) override;
    void saveFailed(const LocalText &message, const std::string &cause) override;
    MessageBoxes *messageBoxes() override;

private:
    MainWindow &m_window;
    MainWindowPanes &m_panes;
};

} // namespace torvex
