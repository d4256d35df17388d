#include "support/LogWatchingBoxes.h"

#include "support/TempDir.h"

namespace torvex::test {

MsgResult LogWatchingBoxes::ask(
    const std::string &text, const std::string &caption, MsgIcon icon, MsgButtons buttons)
{
    logAtBox.push_back(readFile(logPath));
    return ScriptedMessageBoxes::ask(text, caption, icon, buttons);
}

} // namespace torvex::test
