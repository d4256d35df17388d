#pragma once

#include "core/LocalText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace torvex {

enum class MsgIcon { Information, Question, Warning, Error };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// A question whose buttons carry texts of their own, left to right. Enter presses the default
// button; Escape and the window's close button press the escape button.
struct MsgChoice
{
    // The texts as the window shows them in the user's language (LocalText::verbatim for a
    // text that is the same in every language).
    LocalText text;
    LocalText caption;
    MsgIcon icon = MsgIcon::Question;
    std::vector<LocalText> buttons;
    std::size_t defaultButton = 0;
    std::size_t escapeButton = 0;
    // Shown on demand below the text (the whole of a list the text shortens); "" for none.
    LocalText details;
};

// The one way the program shows a message box. The window implementation keeps every box on
// top and brings it to the foreground; tests install a scripted one that records and answers.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns the button the user pressed.
    virtual MsgResult ask(
        const std::string &text, const std::string &caption, MsgIcon icon, MsgButtons buttons) = 0;
    // The same with `defaultButton` (one of the box's buttons) pressed by Enter. Boxes that
    // cannot choose a default show it as ask() does.
    virtual MsgResult askWithDefault(const std::string &text,
        const std::string &caption,
        MsgIcon icon,
        MsgButtons buttons,
        MsgResult /*defaultButton*/)
    {
        return ask(text, caption, icon, buttons);
    }
    // Shows the question and returns the index of the button pressed. Boxes that cannot
    // show buttons of their own answer with the escape button, which never loses anything.
    virtual std::size_t choose(const MsgChoice &choice) { return choice.escapeButton; }
    void inform(const std::string &text, const std::string &caption, MsgIcon icon)
    {
        ask(text, caption, icon, MsgButtons::Ok);
    }
    // The same boxes with texts the window shows in the user's language. Boxes that show no
    // translations (scripted ones, the command line's) get the English texts as above.
    virtual MsgResult ask(const LocalText &text,
        const LocalText &caption,
        MsgIcon icon,
        MsgButtons buttons,
        std::optional<MsgResult> defaultButton = std::nullopt)
    {
        return defaultButton
            ? askWithDefault(text.english(), caption.english(), icon, buttons, *defaultButton)
            : ask(text.english(), caption.english(), icon, buttons);
    }
    void inform(const LocalText &text, const LocalText &caption, MsgIcon icon)
    {
        ask(text, caption, icon, MsgButtons::Ok);
    }
    virtual void informAt(const LocalText &text,
        const LocalText &caption,
        MsgIcon icon,
        std::optional<int> x,
        std::optional<int> y)
    {
        informAt(text.english(), caption.english(), icon, x, y);
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
