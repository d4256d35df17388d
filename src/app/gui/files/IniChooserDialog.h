#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace torvex {

class MainWindow;
class ThemeComponent;

// The ini chooser: lists the candidate wincmd.ini files and returns the one the user picks.
class IniChooserDialog : public QDialog
{
    Q_OBJECT

public:
    // The role of an entry's path (its text may carry a prefix's name as well).
    static constexpr int PathRole = Qt::UserRole + 1;

    // The chooser of the main window `owner`, whose boxes it asks through.
    explicit IniChooserDialog(MainWindow *owner);

    // Replaces the list's entries; nothing is selected afterwards. An entry with a label (the
    // name of the Wine prefix it was found in, "" for none) shows it before the path, in
    // brackets, where a long path cannot hide it.
    void setPaths(
        const std::vector<std::string> &paths, const std::vector<std::string> &labels = {});
    // The selected entry's path, "" when none is selected.
    std::string selectedPath() const;

    // Closes with the selected file, or asks for a selection when there is none. (butOKClick)
    void acceptSelection();
    void cancel(); // butCancelClick

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void placeControls();

    MainWindow *m_owner;
    ThemeComponent *m_theme; // WinXP1
    QLabel *m_label = nullptr;
    QListWidget *m_iniFileList = nullptr; // lboxIniStier
    QPushButton *m_butCancel = nullptr;
    QPushButton *m_butOK = nullptr;
};

// The chooser's messages.
inline constexpr const char *chooserNoSelectionText = "Please select a file (click on it).";
inline constexpr const char *chooserNoSelectionCaption = " Select a file";

} // namespace torvex
