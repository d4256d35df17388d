#pragma once

#include "core/LocalText.h"
#include "menu/MenuTree.h"

#include <cstddef>
#include <optional>
#include <string>

namespace torvex {

// The file manager reads only this many entries of the directory menu.
inline constexpr std::size_t itemLimit = 200;

// Number of DirMenu entries the tree is counted as: n + s + 1 for n >= 2 nodes of which s
// have children (each submenu stands for its start and its end line), n itself for 0 or 1.
std::size_t itemCount(const MenuTree &tree);

// The count as the status bar shows it: a blank, the number and " items" (in English for
// one as well).
LocalText itemCountText(std::size_t count);

// True when `count` deserves the warning: the limit itself already does.
inline bool isAtItemLimit(std::size_t count)
{
    return count >= itemLimit;
}

// The two lines of the warning shown while the count is at the limit or above.
LocalText itemLimitWarningText(std::size_t count);

// A position on the screen, in pixels from its top-left corner.
struct ScreenPoint
{
    int x = 0;
    int y = 0;
};

struct ScreenSize
{
    int width = 0;
    int height = 0;
};

// Where a message box's top-left corner goes; an axis without a value keeps the box's
// default place on that axis.
struct BoxPlacement
{
    std::optional<int> x;
    std::optional<int> y;
    bool operator==(const BoxPlacement &) const = default;
};

// The limit warning's corner near the pointer: x - 60 (screen width - 400 when x is beyond
// that), y + 40 (screen height - 200 when y is beyond that); a negative result is left out.
BoxPlacement itemLimitWarningPlacement(ScreenPoint pointer, ScreenSize screen);

} // namespace torvex
