#pragma once

// Rows by their identity, for a register of any size: open addressing over
// one flat array, 12 bytes a slot (the identity beside its row, so that a
// look-up mostly costs one cache line, not two) and twice the slots of the
// rows, so that a million rows are looked up in a few milliseconds without a
// node apiece.

#include "RowIdentity.h"

#include <bit>
#include <vector>

class IdIndex
{
public:
    explicit IdIndex(size_t expected = 0) { reserve(expected); }

    // Adds id as row's; false, changing nothing, when id is there already.
    bool insert(RowId id, int row)
    {
        Q_ASSERT(id != 0);
        if ((m_count + 1) * 2 > m_slots.size())
            grow();
        size_t i = slot(id);
        for (; m_slots[i].id != 0; i = (i + 1) & m_mask)
            if (m_slots[i].id == id)
                return false;
        m_slots[i] = {id, row};
        ++m_count;
        return true;
    }
    // The row of id, or -1.
    int find(RowId id) const
    {
        if (m_count == 0)
            return -1;
        for (size_t i = slot(id); m_slots[i].id != 0; i = (i + 1) & m_mask)
            if (m_slots[i].id == id)
                return m_slots[i].row;
        return -1;
    }
    // Asks for the slot of id to be brought into the cache: a loop that
    // looks up many identities asks a few ahead, and waits for memory once
    // for several of them rather than once for each.
    void prefetch(RowId id) const
    {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[slot(id)]);
    }
    bool contains(RowId id) const { return find(id) >= 0; }
    size_t size() const { return m_count; }

private:
    void reserve(size_t expected)
    {
        const size_t slotCount = std::bit_ceil(std::max<size_t>(16, expected * 2));
        m_slots.assign(slotCount, Slot{});
        m_mask = slotCount - 1;
        m_count = 0;
    }
    void grow()
    {
        std::vector<Slot> old = std::move(m_slots);
        reserve(old.size());
        for (const Slot &s : old)
            if (s.id != 0)
                insert(s.id, s.row);
    }
    // Identities are random or hashed already; the multiply spreads the rest.
    size_t slot(RowId id) const { return size_t((id * 0x9e3779b97f4a7c15ull) >> 17) & m_mask; }

    struct [[gnu::packed]] Slot {
        RowId id = 0; // 0: an empty slot
        int row = -1;
    };
    static_assert(sizeof(Slot) == 12);
    std::vector<Slot> m_slots;
    size_t m_mask = 0;
    size_t m_count = 0;
};
