#include "editor/ItemCount.h"

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

} // namespace torvex
