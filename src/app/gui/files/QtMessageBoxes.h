#pragma once

#include "core/MessageBoxes.h"

class QString;
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
    // The texts in the user's language.
    MsgResult ask(const LocalText &text,
        const LocalText &caption,
        MsgIcon icon,
        MsgButtons buttons,
        std::optional<MsgResult> defaultButton) override;
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
    void informAt(const LocalText &text,
        const LocalText &caption,
        MsgIcon icon,
        std::optional<int> x,
        std::optional<int> y) override;

private:
    MsgResult show(const QString &text,
        const QString &caption,
        MsgIcon icon,
        MsgButtons buttons,
        std::optional<int> x,
        std::optional<int> y,
        std::optional<MsgResult> defaultButton = std::nullopt);

    QWidget *m_owner;
};

} // namespace torvex
