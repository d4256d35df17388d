#pragma once

#include "app/MessageBoxes.h"

class QWidget;

namespace torvex {

// Message boxes as QMessageBox windows over an owner window; each stays on top and is
// brought to the foreground.
class QtMessageBoxes : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget *owner)
        : m_owner(owner)
    { }

    MsgResult ask(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        MsgButtons buttons) override;

private:
    QWidget *m_owner;
};

} // namespace torvex
