#include "support/ScriptedMessageBoxes.h"

#include <stdexcept>

namespace torvex::test {

MsgResult ScriptedMessageBoxes::ask(
    const std::string &text, const std::string &caption, MsgIcon icon, MsgButtons buttons)
{
    m_boxes.push_back({ text, caption, icon, buttons });
    if (!m_answers.empty()) {
        const auto answer = m_answers.front();
        m_answers.pop_front();
        if (const MsgResult *result = std::get_if<MsgResult>(&answer))
            return *result;
        throw std::logic_error("a button index was scripted for a box without button texts");
    }
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgResult::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgResult::Yes;
    }
    return MsgResult::Ok;
}

MsgResult ScriptedMessageBoxes::askWithDefault(const std::string &text,
    const std::string &caption,
    MsgIcon icon,
    MsgButtons buttons,
    MsgResult defaultButton)
{
    // Through ask(), which boxes derived from this one may watch.
    const MsgResult result = ask(text, caption, icon, buttons);
    m_boxes.back().defaultAnswer = defaultButton;
    return result;
}

MsgResult ScriptedMessageBoxes::ask(const LocalText &text,
    const LocalText &caption,
    MsgIcon icon,
    MsgButtons buttons,
    std::optional<MsgResult> defaultButton)
{
    const MsgResult result = MessageBoxes::ask(text, caption, icon, buttons, defaultButton);
    m_boxes.back().localText = text;
    m_boxes.back().localCaption = caption;
    return result;
}

std::size_t ScriptedMessageBoxes::choose(const MsgChoice &choice)
{
    Box box { choice.text.english(), choice.caption.english(), choice.icon, MsgButtons::Ok };
    for (const LocalText &button : choice.buttons)
        box.buttonTexts.push_back(button.english());
    box.localText = choice.text;
    box.localCaption = choice.caption;
    box.localButtons = choice.buttons;
    box.defaultButton = choice.defaultButton;
    box.escapeButton = choice.escapeButton;
    m_boxes.push_back(std::move(box));
    if (m_answers.empty())
        return 0;
    const auto answer = m_answers.front();
    m_answers.pop_front();
    if (const std::size_t *button = std::get_if<std::size_t>(&answer))
        return *button;
    const MsgResult result = std::get<MsgResult>(answer);
    return result == MsgResult::Ok || result == MsgResult::Yes ? 0 : choice.escapeButton;
}

} // namespace torvex::test
