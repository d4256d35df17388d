// The find box's tables of nodes by address against a standard map, emptied and filled again
// in the same room as the find box does with each character typed.
#include "menu/NodeTable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

namespace torvex {
namespace {

// Addresses only: the table never reads a node.
const MenuNode *fakeNode(std::uintptr_t number)
{
    return reinterpret_cast<const MenuNode *>((number + 1) * 48);
}

TEST(NodeTable, AgreesWithAMapWhileGrowingAndAfterBeingEmptied)
{
    std::mt19937 random(5);
    NodeTable<int> table;
    NodeSet set;
    for (int round = 0; round < 4; ++round) {
        std::map<const MenuNode *, int> expected;
        // Nodes of the rounds before, and new ones: what was emptied is no longer found.
        const int count = 3000 + 4000 * (round % 2);
        for (int i = 0; i < count; ++i) {
            const MenuNode *node = fakeNode(random() % 20000);
            const bool added = expected.emplace(node, i).second;
            EXPECT_EQ(table.insert(node, i), added);
            EXPECT_EQ(set.insert(node), added);
        }
        ASSERT_EQ(table.size(), expected.size());
        ASSERT_EQ(set.size(), expected.size());
        for (std::uintptr_t number = 0; number < 20000; ++number) {
            const MenuNode *node = fakeNode(number);
            const auto found = expected.find(node);
            const int *value = table.find(node);
            ASSERT_EQ(value != nullptr, found != expected.end()) << number;
            if (value) {
                EXPECT_EQ(*value, found->second);
            }
            EXPECT_EQ(set.count(node), found != expected.end() ? 1u : 0u);
        }
        std::size_t visited = 0;
        table.forEach([&](const MenuNode *node, int value) {
            ++visited;
            EXPECT_EQ(expected.at(node), value);
        });
        EXPECT_EQ(visited, expected.size());

        const std::size_t room = table.bytes();
        table.clear();
        set.clear();
        EXPECT_TRUE(table.empty());
        EXPECT_TRUE(set.empty());
        EXPECT_EQ(table.bytes(), room) << "emptied in its room";
        EXPECT_EQ(table.find(fakeNode(0)), nullptr);
    }
}

} // namespace
} // namespace torvex
