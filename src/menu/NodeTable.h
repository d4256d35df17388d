#pragma once

#include "core/LargePages.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace torvex {

class MenuNode;

// Nodes by address, each with a value, in one array (open addressing, at most half full):
// no allocation per node as std::unordered_map makes, which the find box feels with tens of
// thousands of nodes for each character typed. Nodes are compared by address only and never
// read, so a table may keep nodes that have left the tree.
template <typename Value> class NodeTable
{
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    void reserve(std::size_t count)
    {
        if (count * 2 > m_slots.size())
            grow(count * 2);
    }
    // Adds the node with `value` when absent; false when it was there (its value is kept).
    bool insert(const MenuNode *node, Value value)
    {
        if (!node)
            return false;
        if ((m_size + 1) * 2 > m_slots.size())
            grow((m_size + 1) * 2);
        Slot &slot = m_slots[place(node)];
        if (slot.node == node)
            return false;
        slot.node = node;
        slot.value = value;
        ++m_size;
        return true;
    }
    // The node's value, nullptr when absent.
    const Value *find(const MenuNode *node) const
    {
        if (m_slots.empty() || !node)
            return nullptr;
        const Slot &slot = m_slots[place(node)];
        return slot.node == node ? &slot.value : nullptr;
    }
    Value *find(const MenuNode *node)
    {
        return const_cast<Value *>(std::as_const(*this).find(node));
    }
    // Empties the table and keeps its room: filling it again touches no new memory.
    void clear()
    {
        if (m_size > 0)
            std::fill(m_slots.begin(), m_slots.end(), Slot {});
        m_size = 0;
    }
    // The room it holds, in bytes.
    std::size_t bytes() const { return m_slots.capacity() * sizeof(Slot); }
    std::size_t count(const MenuNode *node) const { return find(node) ? 1 : 0; }
    // Calls `visit(node, value)` for each node, in no order.
    template <typename Visit> void forEach(Visit visit) const
    {
        for (const Slot &slot : m_slots)
            if (slot.node)
                visit(slot.node, slot.value);
    }

private:
    struct Slot
    {
        const MenuNode *node = nullptr;
        // A set's empty value takes no room.
        [[no_unique_address]] Value value {};
    };

    // The node's slot, or the empty one where it would go.
    std::size_t place(const MenuNode *node) const
    {
        auto key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(node));
        key ^= key >> 33;
        key *= 0xff51afd7ed558ccdULL;
        key ^= key >> 33;
        const std::size_t mask = m_slots.size() - 1;
        std::size_t at = static_cast<std::size_t>(key) & mask;
        while (m_slots[at].node && m_slots[at].node != node)
            at = (at + 1) & mask;
        return at;
    }
    void grow(std::size_t atLeast)
    {
        std::size_t slots = 16;
        while (slots < atLeast)
            slots *= 2;
        // A large table is written whole at once: in large pages where the system has them,
        // not one page fault per 4 KB.
        std::vector<Slot> old;
        reserveWithLargePages(old, slots, true);
        old.resize(slots);
        old.swap(m_slots);
        for (const Slot &slot : old)
            if (slot.node)
                m_slots[place(slot.node)] = slot;
    }

    std::vector<Slot> m_slots; // a power of two of them, or none
    std::size_t m_size = 0;
};

// A set of nodes by address (see NodeTable).
class NodeSet
{
public:
    NodeSet() = default;
    template <typename Iterator> NodeSet(Iterator first, Iterator last)
    {
        for (; first != last; ++first)
            insert(*first);
    }
    NodeSet(std::initializer_list<const MenuNode *> nodes)
        : NodeSet(nodes.begin(), nodes.end())
    { }
    std::size_t size() const { return m_table.size(); }
    bool empty() const { return m_table.empty(); }
    void reserve(std::size_t count) { m_table.reserve(count); }
    // Empties the set and keeps its room (see NodeTable::clear).
    void clear() { m_table.clear(); }
    std::size_t bytes() const { return m_table.bytes(); }
    // False when the node was there already.
    bool insert(const MenuNode *node) { return m_table.insert(node, {}); }
    std::size_t count(const MenuNode *node) const { return m_table.count(node); }
    template <typename Visit> void forEach(Visit visit) const
    {
        m_table.forEach([&visit](const MenuNode *node, Present) {
            visit(node);
        });
    }
    friend bool operator==(const NodeSet &a, const NodeSet &b)
    {
        if (a.size() != b.size())
            return false;
        bool same = true;
        a.forEach([&](const MenuNode *node) {
            same = same && b.count(node) > 0;
        });
        return same;
    }

private:
    struct Present
    { };
    NodeTable<Present> m_table;
};

} // namespace torvex
