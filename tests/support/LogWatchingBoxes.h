#pragma once

#include "support/ScriptedMessageBoxes.h"

#include <string>
#include <vector>

namespace torvex::test {

// Scripted boxes that remember, for each box, what the error log at `logPath` held while the
// box was up.
class LogWatchingBoxes : public ScriptedMessageBoxes
{
public:
    std::string logPath;
    std::vector<std::string> logAtBox;

    using ScriptedMessageBoxes::ask;
    MsgResult ask(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        MsgButtons buttons) override;
};

} // namespace torvex::test
