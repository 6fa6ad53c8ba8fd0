#include "RegisterIndex.h"

#include "CutForShowing.h"

RegisterIndex::RegisterIndex()
    : m_columns{ColumnIndex(Key::CheckNumber), ColumnIndex(Key::DescriptionofTransaction), ColumnIndex(Key::Date)}
{
}

bool RegisterIndex::inStepWith(const Register &reg) const
{
    for (const ColumnIndex &column : m_columns)
        if (!column.inStepWith(reg))
            return false;
    return true;
}

void RegisterIndex::prepare(const Register &reg)
{
    if (inStepWith(reg))
        return;
    for (ColumnIndex &column : m_columns)
        column.build(reg);
    ++m_fullReads;
}

void RegisterIndex::rowsInserted(const Register &reg, int row, int count)
{
    for (ColumnIndex &column : m_columns)
        column.insertRows(reg, row, count);
    moneyChangedFrom(row);
}

void RegisterIndex::rowsRemoved(const Register &, int row, std::span<const RecordPtr> records)
{
    for (ColumnIndex &column : m_columns)
        column.removeRows(row, int(records.size()));
    moneyChangedFrom(row);
}

void RegisterIndex::valueChanged(const Register &, int row, QStringView key, const Value &, const Value &after)
{
    for (ColumnIndex &column : m_columns)
        if (key == keyName(column.key()))
            column.setRow(row, after);
    if (key == keyName(Key::Amount) || key == keyName(Key::Total))
        moneyChangedFrom(row);
}

void RegisterIndex::rowsReplaced(const Register &)
{
    for (ColumnIndex &column : m_columns)
        column.clear();
    moneyChangedFrom(0);
}

void RegisterIndex::balancesChanged(const Register &, int fromRow) { moneyChangedFrom(fromRow); }

const RegisterIndex::Money &RegisterIndex::money(const Register &reg)
{
    const size_t rows = size_t(reg.count());
    const int from = std::min(m_moneyValidRows, reg.count());
    for (auto *cents : {&m_money.amounts, &m_money.balances})
        cents->resize(rows);
    for (auto *flags : {&m_money.amountAsText, &m_money.balanceAsText})
        flags->resize(rows);
    for (int row = from; row < reg.count(); ++row) {
        const Record &r = reg[row];
        // An Amount that is not a number shows as 0.00 once the table asks
        // for it; a balance that is not one shows as it is.
        const CentsReading amount = r.value(Key::Amount).cents();
        m_money.amounts[size_t(row)] = amount.cents;
        m_money.amountAsText[size_t(row)] = amount.status == NumberStatus::OutOfRange;
        const CentsReading balance = r.value(Key::Total).cents();
        m_money.balances[size_t(row)] = balance.cents;
        m_money.balanceAsText[size_t(row)] = !balance.ok();
    }
    m_moneyValidRows = reg.count();
    return m_money;
}

namespace {

// The index holds the start of a description too long to show (see
// ColumnIndex): such a row holds it when it starts with it.
bool holds(const Record &record, const QString &text)
{
    return record.value(Key::DescriptionofTransaction).visitText([&](auto t) {
        return t == text || (text.size() >= kMaxShownLength && t.size() > text.size() && t.startsWith(text));
    });
}

struct Found {
    int slot;
    int row;
};

// The latest rows of the distinct descriptions that hold the text, latest
// first: a walk up the rows' slots, which are plain numbers.
std::vector<Found> latestHolding(const ColumnIndex &descriptions, QStringView text, int limit)
{
    const std::vector<char> holding = descriptions.holding(text);
    std::vector<char> seen(holding.size(), 0);
    std::vector<Found> found;
    const std::vector<int> &rows = descriptions.rowSlots();
    for (int row = int(rows.size()) - 1; row >= 0 && int(found.size()) < limit; --row) {
        const int slot = rows[size_t(row)];
        if (holding[size_t(slot)] && !seen[size_t(slot)]) {
            seen[size_t(slot)] = 1;
            found.push_back({slot, row});
        }
    }
    return found;
}

} // namespace

std::vector<DescriptionSuggestion> descriptionSuggestions(RegisterIndex &index, const Register &reg,
                                                          QStringView text, int limit)
{
    if (text.isEmpty() || limit <= 0)
        return {};
    for (int attempt = 0; attempt < 2; ++attempt) {
        index.prepare(reg);
        const ColumnIndex &descriptions = index.descriptions();
        const std::vector<Found> found = latestHolding(descriptions, text, limit);
        std::vector<DescriptionSuggestion> out;
        for (size_t i = 0; i < found.size(); ++i) {
            const QString description = descriptions.text(found[i].slot);
            if (!holds(reg[found[i].row], description))
                break; // the register changed without the index being told
            // Every description that contains this one contains the typed
            // text too, so the latest of them is among those found, no later
            // than it.
            const std::string_view own = descriptions.folded(found[i].slot);
            size_t latest = i;
            for (size_t j = 0; j < i; ++j) {
                if (descriptions.folded(found[j].slot).find(own) != std::string_view::npos) {
                    latest = j;
                    break;
                }
            }
            out.push_back({description, reg[found[latest].row].value(Key::Amount).toString(), found[i].row});
        }
        if (out.size() == found.size())
            return out;
        index.rowsReplaced(reg);
    }
    return {};
}
