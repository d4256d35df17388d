#include "support/ScriptedMessageBoxes.h"

namespace torvex::test {

MsgResult ScriptedMessageBoxes::ask(
    const std::string &text, const std::string &caption, MsgIcon icon, MsgButtons buttons)
{
    m_boxes.push_back({ text, caption, icon, buttons });
    if (!m_answers.empty()) {
        const MsgResult result = m_answers.front();
        m_answers.pop_front();
        return result;
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

} // namespace torvex::test
