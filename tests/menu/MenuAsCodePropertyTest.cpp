// The menu as JSON and YAML against the tree: generated menus go out and come back as they
// were, and what is not such a menu is refused without touching the tree.
#include "menu/DirMenuReader.h"
#include "menu/DirMenuWriter.h"
#include "menu/MenuAsCode.h"
#include "support/MenuOutlines.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>
#include <yaml-cpp/yaml.h>

namespace torvex {
namespace {

// The tree as the file stores it: each node's title, its number of children, and an item's
// command and target path (a submenu's are not stored).
std::string shape(const MenuTree &tree)
{
    std::string text;
    tree.forEach([&](MenuNode *node) {
        const MenuEntry stored = node->hasChildren() ? MenuEntry() : node->data().copy();
        text += std::string(node->title()) + "|" + stored.command + "|" + stored.targetPath + "|"
            + std::to_string(node->childCount()) + "\n";
        return true;
    });
    return text;
}

void addYamlEntries(const YAML::Node &list, MenuTree &tree, MenuNode *parent)
{
    for (const YAML::Node &entry : list) {
        const auto title = entry["title"].as<std::string>();
        MenuNode *node = parent ? tree.addChild(parent, title) : tree.addTopLevel(title);
        if (entry["children"])
            addYamlEntries(entry["children"], tree, node);
        else
            tree.setData(node,
                { entry["command"] ? entry["command"].as<std::string>() : "",
                    entry["path"] ? entry["path"].as<std::string>() : "" });
    }
}

// Any menu the reader builds from a section, odd titles and all, comes back the same from
// its JSON and, read by a YAML library, from its YAML.
RC_GTEST_PROP(MenuAsCodeProperty, AnyMenuComesBackFromJsonAndYaml, ())
{
    const auto draws = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 6336));
    MenuTree tree;
    readDirMenu(test::anySection(draws), tree);
    MenuTree fromJson;
    readMenuJson(menuAsJson(tree), fromJson);
    RC_ASSERT(shape(fromJson) == shape(tree));

    MenuTree fromYaml;
    addYamlEntries(YAML::Load(menuAsYaml(tree))["menu"], fromYaml, nullptr);
    RC_ASSERT(shape(fromYaml) == shape(tree));
}

// A storable menu written to the file, exported and imported, is written with the same lines.
RC_GTEST_PROP(MenuAsCodeProperty, AStorableMenuIsWrittenTheSameAfterTheRoundTrip, ())
{
    const auto draws = *rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 1600));
    MenuTree tree;
    test::buildTree(tree, test::storableOutline(draws));
    MenuTree back;
    readMenuJson(menuAsJson(tree), back);
    RC_ASSERT(writeDirMenu(back) == writeDirMenu(tree));
}

TEST(MenuAsCode, TextsThatJsonAndYamlTreatApartSurvive)
{
    MenuTree tree;
    MenuNode *sub = tree.addTopLevel("- \"quoted\" > #not a comment: yes");
    tree.setData(tree.addChild(sub, "Tab\there\\"), { "cd \"C:\\a b\"", "D:\\t\r\n" });
    tree.setData(tree.addChild(sub, "true"), { "null", "- 1" });
    tree.refreshNodeKind(sub);
    tree.addTopLevel("-");
    tree.addTopLevel("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 ");
    MenuTree fromJson;
    readMenuJson(menuAsJson(tree), fromJson);
    EXPECT_EQ(shape(fromJson), shape(tree));
    MenuTree fromYaml;
    addYamlEntries(YAML::Load(menuAsYaml(tree))["menu"], fromYaml, nullptr);
    EXPECT_EQ(shape(fromYaml), shape(tree));

    // Titles that YAML would take for a number, a truth value or nothing stay texts: quoted
    // ("!" is the tag of a quoted scalar, "?" of a plain one).
    MenuTree plain;
    for (const char *title : { "2024", "true", "~", "1e3" })
        plain.addTopLevel(title);
    for (const YAML::Node &entry : YAML::Load(menuAsYaml(plain))["menu"])
        EXPECT_EQ(entry["title"].Tag(), "!") << entry["title"].as<std::string>();
}

TEST(MenuAsCode, JsonShowsOneEntryALineAndSubmenusWithTheirChildren)
{
    MenuTree tree;
    test::buildTree(tree, "Home|cd c:\\\nTools\n  Ed|cd e|d:\\x\n-\n");
    EXPECT_EQ(menuAsJson(tree),
        "{\n  \"version\": 1,\n  \"menu\": [\n"
        "    { \"title\": \"Home\", \"command\": \"cd c:\\\\\" },\n"
        "    { \"title\": \"Tools\", \"children\": [\n"
        "      { \"title\": \"Ed\", \"command\": \"cd e\", \"path\": \"d:\\\\x\" }\n"
        "    ] },\n"
        "    { \"title\": \"-\" }\n"
        "  ]\n}\n");
    MenuTree empty;
    EXPECT_EQ(menuAsJson(empty), "{\n  \"version\": 1,\n  \"menu\": []\n}\n");
    MenuTree back;
    test::buildTree(back, "x");
    readMenuJson(menuAsJson(empty), back);
    EXPECT_TRUE(back.isEmpty());
}

TEST(MenuAsCode, WhatIsNotAMenuIsRefusedWithItsPlaceAndTheTreeStays)
{
    const struct
    {
        const char *text;
        const char *message;
    } cases[] = {
        { "[]", "line 1, column 1: expected an object with \"menu\"" },
        { "{}", "line 1, column 1: the object has no \"menu\"" },
        { "{\"menu\": {}}", "line 1, column 10: expected a list of entries" },
        { "{\"version\": 2, \"menu\": []}", "line 1, column 13: only version 1 is known" },
        { "{\"menus\": []}", "line 1, column 11: unknown member \"menus\"" },
        { "{\"menu\": [\"x\"]}", "line 1, column 11: an entry must be an object" },
        { "{\"menu\": [{\"command\": \"x\"}]}", "line 1, column 11: an entry needs a \"title\"" },
        { "{\"menu\": [{\"title\": 1}]}", "line 1, column 21: \"title\" must be a string" },
        { "{\"menu\": [{\"title\": \"a\", \"cmd\": \"\"}]}",
            "line 1, column 33: unknown member \"cmd\" in an entry" },
        { "{\"menu\": [{\"title\": \"a\", \"command\": \"x\", \"children\": [{\"title\": \"b\"}]}]}",
            "line 1, column 11: an entry with children has no \"command\" or \"path\"" },
        { "{\"menu\": [{\"title\": \"a\",}]}",
            "line 1, column 25: expected a member name in quotes, found '}'" },
    };
    for (const auto &c : cases) {
        MenuTree tree;
        test::buildTree(tree, "Kept|cd k");
        try {
            readMenuJson(c.text, tree);
            ADD_FAILURE() << "read: " << c.text;
        } catch (const std::exception &error) {
            EXPECT_EQ(std::string(error.what()), c.message) << c.text;
        }
        EXPECT_EQ(test::outline(tree), "Kept|cd k\n") << c.text;
    }
}

} // namespace
} // namespace torvex
