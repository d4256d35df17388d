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

std::string itemCountText(std::size_t count)
{
    return " " + std::to_string(count) + " items";
}

std::string itemLimitWarningText(std::size_t count)
{
    return std::string(texts::itemLimitWarning) + lineBreak + "You now have "
        + std::to_string(count) + " items!";
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
