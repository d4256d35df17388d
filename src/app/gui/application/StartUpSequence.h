#pragma once

#include <memory>

namespace torvex {

class FileSystem;
class IniChooserDialog;
class MainWindow;
class MainWindowPanes;
class OptionsDialog;
class SystemFolders;
class WindowSettingsKeeper;
struct MainWindowEnvironment;

// The main window's start-up sequence: it finds the candidate files, sets the window up from
// its stored settings, shows it, reports copies left by saves that did not finish and loads the
// only file found.
class StartUpSequence
{
public:
    // `hostFs` holds the recovery folder.
    StartUpSequence(MainWindow &window,
        MainWindowPanes &panes,
        WindowSettingsKeeper &windowSettings,
        const MainWindowEnvironment &environment,
        const FileSystem &hostFs);
    ~StartUpSequence();

    // Runs the sequence, then `options` (if any) applies the stored options, then the chooser
    // step runs.
    void start(OptionsDialog *options, IniChooserDialog *chooser);
    // Runs the sequence; a failure skips the rest of it, is reported, and the window shows.
    void run();
    // With more than one file found, runs Open at once, so that the chooser shows over the
    // main window; a failure of the load is reported as one of the chooser's.
    void offerCandidates(IniChooserDialog *chooser);

private:
    void startUp();
    void locateCandidates();
    void restoreDropMode();
    void loadOnlyCandidate();
    void reportRecoveryCopies();
    // A box naming the file given on the command line when there is none there.
    void reportMissingArgument();

    MainWindow &m_window;
    MainWindowPanes &m_panes;
    WindowSettingsKeeper &m_windowSettings;
    const MainWindowEnvironment &m_environment;
    const FileSystem &m_hostFs;
    std::unique_ptr<SystemFolders> m_systemFolders;
};

} // namespace torvex
