#include "Register.h"

void Register::insert(int index, RecordPtr record)
{
    m_rows.insert(m_rows.begin() + index, std::move(record));
}

void Register::insert(int index, std::vector<RecordPtr> records)
{
    m_rows.insert(m_rows.begin() + index, std::make_move_iterator(records.begin()),
                  std::make_move_iterator(records.end()));
}

int Register::indexOf(const Record *record) const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].get() == record)
            return int(i);
    return -1;
}

int Register::remove(const Record *record)
{
    const int row = indexOf(record);
    if (row >= 0)
        removeAt(row);
    return row;
}

void reorderRows(Register &reg, const std::vector<int> &order)
{
    Q_ASSERT(order.size() == size_t(reg.count()));
    std::vector<RecordPtr> &rows = reg.rows();
    std::vector<RecordPtr> reordered;
    reordered.reserve(order.size());
    for (int from : order)
        reordered.push_back(std::move(rows[size_t(from)]));
    reg.assign(std::move(reordered));
}
