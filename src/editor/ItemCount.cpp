#include "editor/ItemCount.h"

#include "core/MessageBoxes.h"
#include "editor/EditorTexts.h"

namespace torvex {

std::size_t itemCount(const MenuTree &tree)
{
    const std::size_t n = tree.count();
    if (n < 2)
        return n;
    return n + tree.submenuCount() + 1;
}

LocalText itemCountText(std::size_t count)
{
    return LocalText::counted("torvex::ItemCount",
        QT_TRANSLATE_N_NOOP("torvex::ItemCount", " %n items"),
        " %n items",
        static_cast<long long>(count));
}

LocalText itemLimitWarningText(std::size_t count)
{
    return LocalText::joined(
        { LocalText(texts::editorContext, texts::itemLimitWarning),
            LocalText::counted("torvex::ItemCount",
                QT_TRANSLATE_N_NOOP("torvex::ItemCount", "You now have %n items!"),
                "You now have %n items!",
                static_cast<long long>(count)) },
        lineBreak);
}

BoxPlacement itemLimitWarningPlacement(ScreenPoint pointer, ScreenSize screen)
{
    const int rightmost = screen.width - 400;
    const int lowest = screen.height - 200;
    const int x = pointer.x > rightmost ? rightmost : pointer.x - 60;
    const int y = pointer.y > lowest ? lowest : pointer.y + 40;
    BoxPlacement placement;
    if (x >= 0)
        placement.x = x;
    if (y >= 0)
        placement.y = y;
    return placement;
}

} // namespace torvex
