#pragma once

#include <QObject>

namespace torvex {

// Messages of the component's two creation checks.
inline constexpr const char *winXPParentMessage = "Control parent must be a form!";
inline constexpr const char *winXPInstanceMessage = "Only one instance of TWinXP allowed on form";

// The theming component that each window holds once as `WinXP1`. Qt gives the controls the
// desktop's style by itself, so the component does nothing beyond checking at creation that
// it sits on a window (a main window or a dialog) and is the only one there.
class ThemeComponent : public QObject
{
    Q_OBJECT

public:
    // Throws TorvexError "Control parent must be a form!" when `owner` is no window (or
    // nullptr) and "Only one instance of TWinXP allowed on form" when the owner already holds
    // one; the owner then keeps what it had.
    explicit ThemeComponent(QObject *owner);
};

} // namespace torvex
