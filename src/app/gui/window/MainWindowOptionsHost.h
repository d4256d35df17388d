#pragma once

#include "settings/OptionsHost.h"

namespace torvex {

class MainWindow;

// The main window as the Options dialog sees it.
class MainWindowOptionsHost : public OptionsHost
{
public:
    explicit MainWindowOptionsHost(MainWindow &window)
        : m_window(window)
    { }

    ProgramSettings &settings() override;
    void applyTreeColours(int32_t background, int32_t font) override;
    void applyDriveTypes(DriveTypeSet types) override;
    void setConfirmDropOnCommand(bool confirm) override;
    void setStatusText(const std::string &text) override;
    void waitHandlingEvents(unsigned milliseconds) override;
    std::string helpFile() const override;

private:
    MainWindow &m_window;
};

} // namespace torvex
