#include "support/MenuOutlines.h"

#include <algorithm>

namespace torvex::test {

namespace {

const std::string longTitle = std::string(98, 'x') + "\xc3\xa9" + "tail";


} // namespace

std::string storableOutline(const std::vector<int> &draws)
{
    const std::vector<std::string> titles = { "A", "Caf\xc3\xa9", "x-y", "b l a n k", "Tab\there" };
    const std::vector<std::string> commands = { "", "cd C:\\x", "cd \"C:\\a b\"", "=x=" };
    std::string text;
    int depth = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const int draw = draws[i];
        const int step = draw % 5;
        if (i > 0 && step == 0)
            depth = std::min(depth + 1, 4);
        else if (step >= 3)
            depth = std::max(0, depth - (step - 2));
        text += std::string(2 * static_cast<std::size_t>(depth), ' ');
        // The next entry is a child when it goes deeper: then this one is a submenu.
        const bool submenu = i + 1 < draws.size() && draws[i + 1] % 5 == 0;
        const int kind = (draw / 5) % 8;
        if (!submenu && kind == 0) {
            text += "-\n";
            continue;
        }
        text += !submenu && kind == 1 ? longTitle : titles[std::size_t(draw / 40) % titles.size()];
        // A submenu's command and target path are not written: it has none here.
        const std::string &command =
            submenu ? commands[0] : commands[std::size_t(draw / 200) % commands.size()];
        const bool target = !submenu && (draw / 800) % 2 == 1;
        if (!command.empty() || target)
            text += "|" + command;
        if (target)
            text += "|D:\\t" + std::to_string(i);
        text += "\n";
    }
    return text;
}

DirMenuEntries anySection(const std::vector<int> &draws)
{
    const std::vector<std::string> titles = { "Item",
        "-",
        "--",
        "---",
        "-- end",
        "-Sub",
        "-Other",
        "-" + longTitle,
        longTitle,
        "-\xc3\xa9",
        " -x" };
    DirMenuEntries entries;
    std::size_t n = 0;
    for (const int draw : draws) {
        ++n;
        const int shape = draw % 16;
        const std::size_t number = shape == 0 ? n + 1 : shape == 1 ? n - 1 : shape == 2 ? 300 : n;
        const std::string suffix = std::to_string(number);
        entries.emplace_back((draw / 16) % 6 == 0 ? "Menu" + suffix : "menu" + suffix,
            titles[std::size_t(draw / 96) % titles.size()]);
        if ((draw / 1056) % 2 == 0)
            entries.emplace_back("cmd" + suffix, "cd C:\\F" + suffix);
        if ((draw / 2112) % 3 == 0)
            entries.emplace_back("PATH" + suffix, "D:\\P" + suffix);
    }
    return entries;
}

} // namespace torvex::test
