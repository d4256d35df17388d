#pragma once

#include "core/MessageBoxes.h"

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
    MsgResult askWithDefault(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        MsgButtons buttons,
        MsgResult defaultButton) override;
    std::size_t choose(const MsgChoice &choice) override;
    void informAt(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        std::optional<int> x,
        std::optional<int> y) override;

private:
    MsgResult show(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        MsgButtons buttons,
        std::optional<int> x,
        std::optional<int> y,
        std::optional<MsgResult> defaultButton = std::nullopt);

    QWidget *m_owner;
};

} // namespace torvex
