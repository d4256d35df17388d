#pragma once

#include <optional>
#include <string>

namespace torvex {

enum class MsgIcon { Information, Question, Warning, Error };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// The one way the program shows a message box. The window implementation keeps every box on
// top and brings it to the foreground; tests install a scripted one that records and answers.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns the button the user pressed.
    virtual MsgResult ask(
        const std::string &text, const std::string &caption, MsgIcon icon, MsgButtons buttons) = 0;
    void inform(const std::string &text, const std::string &caption, MsgIcon icon)
    {
        ask(text, caption, icon, MsgButtons::Ok);
    }
    // An OK box with its top-left corner at (x, y) on the screen; an axis without a value
    // keeps the box's default place. Boxes that cannot be placed show it as inform() does.
    virtual void informAt(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        std::optional<int> /*x*/,
        std::optional<int> /*y*/)
    {
        inform(text, caption, icon);
    }
};

// Carriage return and line feed, used to build messages of several lines.
inline constexpr const char *lineBreak = "\r\n";

} // namespace torvex
