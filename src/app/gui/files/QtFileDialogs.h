#pragma once

#include "app/FileDialogs.h"

class QWidget;

namespace torvex {

// The file dialogs as QFileDialog windows over an owner window.
class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *owner)
        : m_owner(owner)
    { }
    std::optional<std::string> fileToOpen(const FileDialogRequest &request) override;
    std::optional<std::string> fileToSaveInto(const FileDialogRequest &request) override;

private:
    QWidget *m_owner;
};

} // namespace torvex
