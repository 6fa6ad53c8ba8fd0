#include "RegisterIndex.h"

#include <numeric>
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

// How many of the latest rows count as "lately": about a year of a
// household's checking account.
constexpr int kLatelyRows = 500;

struct Found {
    int slot;
    int row;       // the latest row holding it
    bool starts;   // it begins with the typed text
    int uses = 0;  // among the rows of lately
};

// The distinct descriptions that hold the text, each with its latest row,
// latest first: a walk up the rows' slots, which are plain numbers. The walk
// stops once nothing further up can rank among the first limit: past the
// rows of lately (where every one found has been used no more than any
// further up), with limit of those that begin with the text found, or all of
// them and enough of the others.
std::vector<Found> descriptionsHolding(const ColumnIndex &descriptions, QStringView text, int limit)
{
    std::vector<char> holding = descriptions.holding(text); // 2: it begins with the text
    const std::string needle = foldedUtf8(text);
    int holdingCount = 0;
    int startingCount = 0;
    for (size_t slot = 0; slot < holding.size(); ++slot) {
        if (!holding[slot])
            continue;
        ++holdingCount;
        if (descriptions.startsWith(int(slot), needle)) {
            holding[slot] = 2;
            ++startingCount;
        }
    }
    std::vector<int> foundAt(holding.size(), -1);
    std::vector<Found> found;
    int starting = 0;
    const std::vector<int> &rows = descriptions.rowSlots();
    const int lately = int(rows.size()) - kLatelyRows;
    for (int row = int(rows.size()) - 1; row >= 0; --row) {
        if (row < lately
            && (starting >= limit || int(found.size()) == holdingCount
                || (starting == startingCount && int(found.size()) - starting >= limit - startingCount)))
            break;
        const int slot = rows[size_t(row)];
        if (!holding[size_t(slot)])
            continue;
        int &at = foundAt[size_t(slot)];
        if (at < 0) {
            at = int(found.size());
            const bool starts = holding[size_t(slot)] == 2;
            starting += starts;
            found.push_back({slot, row, starts});
        }
        if (row >= lately)
            ++found[size_t(at)].uses;
    }
    return found;
}

// Whether a's description ranks before b's: one that begins with the text
// before one that merely holds it; then the one used more often lately
// (the payee of every week before the one paid once last); then the later.
bool ranksBefore(const Found &a, const Found &b)
{
    if (a.starts != b.starts)
        return a.starts;
    if (a.uses != b.uses)
        return a.uses > b.uses;
    return a.row > b.row;
}

// The latest row whose description holds the one found at index i (of
// found, latest first): the row whose Amount the amount field proposes for
// it. Every description holding it holds the typed text as well, so that row
// is among those found, no later in the list than i.
int latestHolding(const ColumnIndex &descriptions, const std::vector<Found> &found, size_t i)
{
    const std::string_view own = descriptions.folded(found[i].slot);
    // Far down the list, one search through the distinct texts is quicker
    // than looking into each of those above it.
    constexpr size_t kLookedInto = 256;
    if (i > kLookedInto) {
        const std::vector<char> holdingOwn = descriptions.holding(descriptions.text(found[i].slot));
        for (size_t j = 0; j < i; ++j)
            if (holdingOwn[size_t(found[j].slot)])
                return found[j].row;
        return found[i].row;
    }
    for (size_t j = 0; j < i; ++j)
        if (descriptions.folded(found[j].slot).find(own) != std::string_view::npos)
            return found[j].row;
    return found[i].row;
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
        const std::vector<Found> found = descriptionsHolding(descriptions, text, limit);
        std::vector<size_t> ranked(found.size());
        std::iota(ranked.begin(), ranked.end(), size_t(0));
        const size_t shown = std::min(ranked.size(), size_t(limit));
        std::partial_sort(ranked.begin(), ranked.begin() + qsizetype(shown), ranked.end(),
                          [&](size_t a, size_t b) { return ranksBefore(found[a], found[b]); });
        std::vector<DescriptionSuggestion> out;
        for (size_t k = 0; k < shown; ++k) {
            const Found &f = found[ranked[k]];
            const QString description = descriptions.text(f.slot);
            if (!holds(reg[f.row], description))
                break; // the register changed without the index being told
            const int amountRow = latestHolding(descriptions, found, ranked[k]);
            out.push_back({description, reg[amountRow].value(Key::Amount).toString(), f.row});
        }
        if (out.size() == shown)
            return out;
        index.rowsReplaced(reg);
    }
    return {};
}
