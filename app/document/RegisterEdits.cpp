#include "RegisterEdits.h"

#include "RunningBalance.h"

#include <climits>

void InsertRows::redo(Register &reg) { reg.insert(m_index, m_records); }

void InsertRows::undo(Register &reg)
{
    std::vector<RecordPtr> &rows = reg.rows();
    rows.erase(rows.begin() + m_index, rows.begin() + m_index + qsizetype(m_records.size()));
}

void InsertRows::tell(RowChangeListener &listener, const Register &reg, bool undone) const
{
    if (undone)
        listener.rowsRemoved(reg, m_index, m_records);
    else
        listener.rowsInserted(reg, m_index, int(m_records.size()));
}

void RemoveRow::redo(Register &reg) { reg.removeAt(m_index); }

void RemoveRow::undo(Register &reg) { reg.insert(m_index, m_record); }

void RemoveRow::tell(RowChangeListener &listener, const Register &reg, bool undone) const
{
    if (undone)
        listener.rowsInserted(reg, m_index, 1);
    else
        listener.rowsRemoved(reg, m_index, std::span(&m_record, 1));
}

SetValue::SetValue(int row, QString key, Value before, Value after)
    : m_row(row), m_key(std::move(key)), m_before(std::move(before)), m_after(std::move(after))
{
}

void SetValue::redo(Register &reg) { reg[m_row].set(m_key, m_after); }

void SetValue::undo(Register &reg) { reg[m_row].set(m_key, m_before); }

void SetValue::tell(RowChangeListener &listener, const Register &reg, bool undone) const
{
    listener.valueChanged(reg, m_row, m_key, undone ? m_after : m_before, undone ? m_before : m_after);
}

void SetValue::warn(RowChangeListener &listener, const Register &reg) const
{
    if (m_key != keyName(Key::Total))
        listener.recordWillChange(reg[m_row]);
}

int SetValue::firstBalanceRow() const
{
    return m_key == keyName(Key::Amount) || m_key == keyName(Key::Total) ? m_row : INT_MAX;
}

namespace {

Cents totalAbove(const Register &reg, int row) { return row == 0 ? 0 : reg[row - 1].value(Key::Total).centsOrZero(); }

} // namespace

TotalsSnapshot TotalsSnapshot::take(const Register &reg, int firstRow)
{
    TotalsSnapshot s;
    s.m_firstRow = std::max(0, firstRow);
    s.m_endRow = reg.count();
    Cents previous = s.m_firstRow < reg.count() ? totalAbove(reg, s.m_firstRow) : 0;
    char buf[32];
    for (int row = s.m_firstRow; row < reg.count(); ++row) {
        const Value &total = reg[row].value(Key::Total);
        const Cents expected = addCents(previous, reg[row].value(Key::Amount).centsOrZero());
        Form form = Form::Kept;
        if (total.kind() == Value::Kind::Money && total.storedCents() == expected)
            form = Form::Number;
        else if (total.isText() && total.latin1Text() == QLatin1StringView(buf, writeMoneyText(buf, expected)))
            form = Form::Text;
        else if (total.isText() && total.latin1Text() == QLatin1StringView(buf, writeShortestDecimal(buf, expected)))
            form = Form::ShortText;
        if (form == Form::Kept)
            s.m_kept.push_back(total);
        if (s.m_runs.empty() || s.m_runs.back().form != form || form == Form::Kept)
            s.m_runs.push_back({row, form});
        previous = total.centsOrZero();
    }
    return s;
}

void TotalsSnapshot::restore(Register &reg) const
{
    Q_ASSERT(reg.count() == m_endRow);
    Cents previous = m_firstRow < reg.count() ? totalAbove(reg, m_firstRow) : 0;
    size_t run = 0;
    size_t kept = 0;
    char buf[32];
    for (int row = m_firstRow; row < m_endRow; ++row) {
        while (run + 1 < m_runs.size() && m_runs[run + 1].first <= row)
            ++run;
        Record &record = reg[row];
        const Cents total = addCents(previous, record.value(Key::Amount).centsOrZero());
        switch (m_runs[run].form) {
        case Form::Number:
            record.set(Key::Total, Value::money(total));
            break;
        case Form::Text:
            record.set(Key::Total, Value::text(QLatin1StringView(buf, writeMoneyText(buf, total))));
            break;
        case Form::ShortText:
            record.set(Key::Total, Value::text(QLatin1StringView(buf, writeShortestDecimal(buf, total))));
            break;
        case Form::Kept:
            record.set(Key::Total, m_kept[kept++]);
            break;
        }
        previous = record.value(Key::Total).centsOrZero();
    }
}

size_t TotalsSnapshot::size() const { return m_runs.size() * sizeof(Run) + m_kept.size() * sizeof(Value); }

RecomputeTotals::RecomputeTotals(const Register &reg, How how, int firstRow)
    : m_how(how), m_before(TotalsSnapshot::take(reg, how == How::Recalculate ? 0 : firstRow))
{
}

void RecomputeTotals::redo(Register &reg)
{
    if (m_how == How::Recalculate)
        recalculateCheckbook(reg);
    else
        carryBalance(reg, m_before.firstRow());
}

void ReorderRows::redo(Register &reg)
{
    reorderRows(reg, m_order);
    recalculateCheckbook(reg);
}

void ReorderRows::undo(Register &reg)
{
    std::vector<int> inverse(m_order.size());
    for (size_t i = 0; i < m_order.size(); ++i)
        inverse[size_t(m_order[i])] = int(i);
    reorderRows(reg, inverse);
    m_before.restore(reg);
}
