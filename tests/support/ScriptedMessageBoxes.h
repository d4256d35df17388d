#pragma once

#include "core/MessageBoxes.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace torvex::test {

// Records every box and answers from a script; with the script used up it answers the
// first button of the box (OK, Yes, the first of a choice's buttons). A choice takes an index
// from the script, or a result: OK and Yes press its first button, No and Cancel its escape
// button.
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    struct Box
    {
        std::string text;
        std::string caption;
        MsgIcon icon;
        MsgButtons buttons;
        // The default of askWithDefault; nullopt for ask() and choices.
        std::optional<MsgResult> defaultAnswer = {};
        // A choice's buttons, default and escape button; empty for the other boxes.
        std::vector<std::string> buttonTexts = {};
        std::size_t defaultButton = 0;
        std::size_t escapeButton = 0;
        // The texts as the core gave them, for a box asked in the user's language.
        std::optional<LocalText> localText = {};
        std::optional<LocalText> localCaption = {};
        std::vector<LocalText> localButtons = {};
    };

    void answer(MsgResult result) { m_answers.push_back(result); }
    void answerChoice(std::size_t button) { m_answers.push_back(button); }
    MsgResult ask(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        MsgButtons buttons) override;
    // Records the English texts as above, with the texts the window would translate.
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

    const std::vector<Box> &boxes() const { return m_boxes; }
    const Box &last() const { return m_boxes.back(); }
    bool empty() const { return m_boxes.empty(); }
    void reset() { m_boxes.clear(), m_answers.clear(); }

private:
    std::vector<Box> m_boxes;
    std::deque<std::variant<MsgResult, std::size_t>> m_answers;
};

} // namespace torvex::test
