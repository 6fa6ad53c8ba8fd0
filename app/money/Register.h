#pragma once

// A register: the ordered list of transaction records of one account. Row 0 is
// the opening row, whose Amount is the starting balance. The document, its
// window controller and the amount field share one Register object, so a
// change made through any of them is seen by all.

#include "Record.h"

#include <memory>
#include <vector>

class Register
{
public:
    Register() = default;
    explicit Register(std::vector<RecordPtr> rows) : m_rows(std::move(rows)) {}

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const RecordPtr &at(int row) const { return m_rows[size_t(row)]; }
    Record &operator[](int row) const { return *m_rows[size_t(row)]; }

    void append(RecordPtr record) { m_rows.push_back(std::move(record)); }
    // Inserts before row index; index == count() appends.
    void insert(int index, RecordPtr record);
    // Inserts several records before row index, keeping their order.
    void insert(int index, std::vector<RecordPtr> records);
    void removeAt(int row) { m_rows.erase(m_rows.begin() + row); }
    // Removes that very record object; returns its former row, or -1 when the
    // register does not hold it.
    int remove(const Record *record);
    // The row of that very record object, or -1.
    int indexOf(const Record *record) const;
    void clear() { m_rows.clear(); }
    // Replaces every row, keeping this Register object (and so every share of it).
    void assign(std::vector<RecordPtr> rows) { m_rows = std::move(rows); }
    void reserve(int n) { m_rows.reserve(size_t(n)); }

    std::vector<RecordPtr> &rows() { return m_rows; }
    const std::vector<RecordPtr> &rows() const { return m_rows; }

private:
    std::vector<RecordPtr> m_rows;
};

using RegisterPtr = std::shared_ptr<Register>;

// Puts the rows in a new order: row i becomes the row that was at order[i].
// order must name every row once.
void reorderRows(Register &reg, const std::vector<int> &order);
