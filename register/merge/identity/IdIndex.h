#pragma once

// Rows by their identity, for a register of any size: open addressing over
// two flat arrays, 12 bytes a slot and twice the slots of the rows, so that a
// million rows are looked up in a few milliseconds without a node apiece.

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
        if ((m_count + 1) * 2 > m_ids.size())
            grow();
        size_t i = slot(id);
        for (; m_ids[i] != 0; i = (i + 1) & m_mask)
            if (m_ids[i] == id)
                return false;
        m_ids[i] = id;
        m_rows[i] = row;
        ++m_count;
        return true;
    }
    // The row of id, or -1.
    int find(RowId id) const
    {
        if (m_count == 0)
            return -1;
        for (size_t i = slot(id); m_ids[i] != 0; i = (i + 1) & m_mask)
            if (m_ids[i] == id)
                return m_rows[i];
        return -1;
    }
    bool contains(RowId id) const { return find(id) >= 0; }
    size_t size() const { return m_count; }

private:
    void reserve(size_t expected)
    {
        const size_t slotCount = std::bit_ceil(std::max<size_t>(16, expected * 2));
        m_ids.assign(slotCount, 0);
        m_rows.assign(slotCount, -1);
        m_mask = slotCount - 1;
        m_count = 0;
    }
    void grow()
    {
        std::vector<RowId> ids = std::move(m_ids);
        std::vector<int> rows = std::move(m_rows);
        reserve(ids.size());
        for (size_t i = 0; i < ids.size(); ++i)
            if (ids[i] != 0)
                insert(ids[i], rows[i]);
    }
    // Identities are random or hashed already; the multiply spreads the rest.
    size_t slot(RowId id) const { return size_t((id * 0x9e3779b97f4a7c15ull) >> 17) & m_mask; }

    std::vector<RowId> m_ids; // 0: an empty slot
    std::vector<int> m_rows;
    size_t m_mask = 0;
    size_t m_count = 0;
};
