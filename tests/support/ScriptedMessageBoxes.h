#pragma once

#include "core/MessageBoxes.h"

#include <deque>
#include <string>
#include <vector>

namespace torvex::test {

// Records every box and answers from a script; with the script used up it answers the
// first button of the box (OK, Yes).
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    struct Box
    {
        std::string text;
        std::string caption;
        MsgIcon icon;
        MsgButtons buttons;
    };

    void answer(MsgResult result) { m_answers.push_back(result); }
    MsgResult ask(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        MsgButtons buttons) override;

    const std::vector<Box> &boxes() const { return m_boxes; }
    const Box &last() const { return m_boxes.back(); }
    bool empty() const { return m_boxes.empty(); }
    void reset() { m_boxes.clear(), m_answers.clear(); }

private:
    std::vector<Box> m_boxes;
    std::deque<MsgResult> m_answers;
};

} // namespace torvex::test
