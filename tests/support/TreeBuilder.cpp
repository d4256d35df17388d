#include "support/TreeBuilder.h"

#include <sstream>
#include <vector>

namespace torvex::test {

void buildTree(MenuTree &tree, const std::string &text)
{
    std::istringstream in(text);
    std::string line;
    std::vector<MenuNode *> levels;
    while (std::getline(in, line)) {
        if (line.find_first_not_of(' ') == std::string::npos)
            continue;
        const std::size_t indent = line.find_first_not_of(' ');
        const std::size_t depth = indent / 2;
        std::string body = line.substr(indent);
        MenuEntry data;
        if (auto bar = body.find('|'); bar != std::string::npos) {
            std::string rest = body.substr(bar + 1);
            body.resize(bar);
            if (auto second = rest.find('|'); second != std::string::npos) {
                data.targetPath = rest.substr(second + 1);
                rest.resize(second);
            }
            data.command = rest;
        }
        levels.resize(depth);
        MenuNode *parent = depth ? levels[depth - 1] : nullptr;
        MenuNode *node = parent ? tree.addChild(parent, body) : tree.addTopLevel(body);
        if (parent)
            tree.setSubmenuPictures(parent);
        tree.setData(node, data);
        levels.push_back(node);
    }
}

std::string outline(const MenuTree &tree)
{
    std::string out;
    tree.forEach([&out](MenuNode *node) {
        int depth = 0;
        for (const MenuNode *p = node->parent(); p; p = p->parent())
            ++depth;
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + std::string(node->title());
        if (!node->data().command.empty() || !node->data().targetPath.empty())
            out += "|" + std::string(node->data().command);
        if (!node->data().targetPath.empty())
            out += "|" + std::string(node->data().targetPath);
        out += "\n";
        return true;
    });
    return out;
}

MenuNode *find(const MenuTree &tree, const std::string &title)
{
    MenuNode *found = nullptr;
    tree.forEach([&](MenuNode *node) {
        if (node->title() == title) {
            found = node;
            return false;
        }
        return true;
    });
    return found;
}

} // namespace torvex::test
