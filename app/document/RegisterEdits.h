#pragma once

// The changes a register can undergo, each as a small object that can make
// its change, take it back and make it again, keeping only what it changed:
// the records it added or took away (the same objects, so a record put back
// is the record it was), a value it replaced, an order it applied. Balances
// are kept only where they cannot be worked out again: a run of rows whose
// Totals follow from the row before in one of the forms the program writes
// them in takes no room at all.
//
// Only the document makes these; everything else changes a register through
// the document's edit operations.

#include "Register.h"

#include <QString>

#include <memory>
#include <span>
#include <vector>

// Told of each change to the rows right after an edit makes it (or takes it
// back), by what keeps something about the rows up to date without reading
// every row again: the index of the register's texts.
class RowChangeListener
{
public:
    virtual ~RowChangeListener() = default;
    // count rows now stand from row on; the rows that stood there moved down.
    virtual void rowsInserted(const Register &reg, int row, int count) = 0;
    // These records were taken out from row on; the rows after them moved up.
    virtual void rowsRemoved(const Register &reg, int row, std::span<const RecordPtr> records) = 0;
    // A value under a key of one row changed from before to after.
    virtual void valueChanged(const Register &reg, int row, QStringView key, const Value &before,
                              const Value &after) = 0;
    // Anything may have changed or moved: the register was put in a new
    // order, or replaced whole.
    virtual void rowsReplaced(const Register &reg) = 0;
    // Every row is about to be replaced (told before, unlike the others):
    // the records may go for good.
    virtual void rowsWillBeReplaced(const Register &reg) {}
    // The balances from a row down were worked out again (or put back).
    virtual void balancesChanged(const Register &reg, int fromRow) {}
    // A record's values other than its Total are about to change (told
    // before, unlike the others): what reads the record on another thread
    // keeps what it needs of it first.
    virtual void recordWillChange(const Record &record) {}
};

class RegisterEdit
{
public:
    virtual ~RegisterEdit() = default;
    virtual void redo(Register &reg) = 0;
    virtual void undo(Register &reg) = 0;
    // Tells the listener what redo (or undo, when undone) just did.
    virtual void tell(RowChangeListener &listener, const Register &reg, bool undone) const
    {
        listener.rowsReplaced(reg);
    }
    // Tells the listener of what redo or undo is about to change in a record
    // (a record's Total aside), before it does.
    virtual void warn(RowChangeListener &listener, const Register &reg) const {}
    // The first row whose balance the change can move (INT_MAX: none).
    virtual int firstBalanceRow() const = 0;
    // What the edit keeps, roughly, in bytes.
    virtual size_t size() const { return sizeof(*this); }
};

// Records inserted before a row, in their order.
class InsertRows : public RegisterEdit
{
public:
    InsertRows(int index, std::vector<RecordPtr> records) : m_index(index), m_records(std::move(records)) {}
    void redo(Register &reg) override;
    void undo(Register &reg) override;
    void tell(RowChangeListener &listener, const Register &reg, bool undone) const override;
    int firstBalanceRow() const override { return m_index; }
    size_t size() const override { return sizeof(*this) + m_records.size() * sizeof(RecordPtr); }

private:
    int m_index;
    std::vector<RecordPtr> m_records;
};

// One record taken out of its row.
class RemoveRow : public RegisterEdit
{
public:
    RemoveRow(int index, RecordPtr record) : m_index(index), m_record(std::move(record)) {}
    void redo(Register &reg) override;
    void undo(Register &reg) override;
    void tell(RowChangeListener &listener, const Register &reg, bool undone) const override;
    int firstBalanceRow() const override { return m_index; }

private:
    int m_index;
    RecordPtr m_record;
};

// A value stored under a key of one row (a null value removes the key).
class SetValue : public RegisterEdit
{
public:
    SetValue(int row, QString key, Value before, Value after);
    void redo(Register &reg) override;
    void undo(Register &reg) override;
    void tell(RowChangeListener &listener, const Register &reg, bool undone) const override;
    void warn(RowChangeListener &listener, const Register &reg) const override;
    int firstBalanceRow() const override;

private:
    int m_row;
    QString m_key;
    Value m_before;
    Value m_after;
};

// The Totals of the rows from one row down as they stand, kept for putting
// back exactly, in the same kinds: a Total that is the row's Amount plus the
// Total above it, as a money number, as money text or as its shortest text,
// is kept as the run it belongs to; any other Total (typed by hand, wrong in
// a file) as it is.
class TotalsSnapshot
{
public:
    static TotalsSnapshot take(const Register &reg, int firstRow);
    void restore(Register &reg) const;
    int firstRow() const { return m_firstRow; }
    size_t size() const;

private:
    enum class Form : quint8 { Number, Text, ShortText, Kept };
    struct Run {
        int first;
        Form form;
    };
    int m_firstRow = 0;
    int m_endRow = 0;
    std::vector<Run> m_runs; // each run lasts until the next one begins
    std::vector<Value> m_kept; // the Kept rows' Totals, in row order
};

// The rows put in a new order (row i becomes the row that was at order[i]),
// and every balance worked out again: a balance carried in the old order
// means nothing in the new one. Keeps the order and the balances as they
// stood before it.
class ReorderRows : public RegisterEdit
{
public:
    ReorderRows(const Register &reg, std::vector<int> order)
        : m_order(std::move(order)), m_before(TotalsSnapshot::take(reg, 0))
    {
    }
    void redo(Register &reg) override;
    void undo(Register &reg) override;
    int firstBalanceRow() const override { return 0; }
    size_t size() const override { return sizeof(*this) + m_order.size() * sizeof(int) + m_before.size(); }

private:
    std::vector<int> m_order;
    TotalsSnapshot m_before;
};

// Every row replaced by another list at once, which may share records with
// the old one (a merge keeps the rows it did not change): the list not in
// the register is kept, and the two trade places.
class ReplaceRows : public RegisterEdit
{
public:
    explicit ReplaceRows(std::vector<RecordPtr> rows) : m_other(std::move(rows)) {}
    void redo(Register &reg) override { std::swap(reg.rows(), m_other); }
    void undo(Register &reg) override { std::swap(reg.rows(), m_other); }
    int firstBalanceRow() const override { return 0; }
    size_t size() const override { return sizeof(*this) + m_other.size() * sizeof(RecordPtr); }

private:
    std::vector<RecordPtr> m_other;
};

// The balances worked out again from a row down: recalculated as money
// numbers, or carried as money text the way an edited cell carries them.
class RecomputeTotals : public RegisterEdit
{
public:
    enum class How { Recalculate, Carry };
    RecomputeTotals(const Register &reg, How how, int firstRow);
    void redo(Register &reg) override;
    void undo(Register &reg) override { m_before.restore(reg); }
    void tell(RowChangeListener &listener, const Register &reg, bool) const override
    {
        listener.balancesChanged(reg, m_before.firstRow());
    }
    int firstBalanceRow() const override { return m_before.firstRow(); }
    size_t size() const override { return sizeof(*this) + m_before.size(); }

private:
    How m_how;
    TotalsSnapshot m_before;
};
