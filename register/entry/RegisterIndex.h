#pragma once

// The register's text columns (check numbers, descriptions, dates) indexed
// by ColumnIndex, read once when first needed and from then on kept in step
// change by change, as the document's row listener; and its Amounts and
// balances as cents in plain arrays, read again from the first row a change
// touched when next asked for. The type-ahead and the filter ask it instead
// of reading a million records on every keystroke.

#include "ColumnIndex.h"
#include "RegisterEdits.h"

#include <QString>

#include <algorithm>
#include <array>
#include <vector>

class RegisterIndex : public RowChangeListener
{
public:
    RegisterIndex();

    // Reads the register unless the index is already in step with it.
    void prepare(const Register &reg);
    bool isBuilt() const { return m_columns[0].isBuilt(); }
    bool inStepWith(const Register &reg) const;
    // How many times every row was read: once, and again only after the
    // register was put in a new order, replaced, or changed untold.
    int fullReads() const { return m_fullReads; }

    const ColumnIndex &checkNumbers() const { return m_columns[0]; }
    const ColumnIndex &descriptions() const { return m_columns[1]; }
    const ColumnIndex &dates() const { return m_columns[2]; }

    // The Amount and the balance of each row as the table shows them: as
    // money text of these cents, or (flagged) as the value's own text.
    struct Money {
        std::vector<Cents> amounts;
        std::vector<Cents> balances;
        std::vector<char> amountAsText;
        std::vector<char> balanceAsText;
    };
    // Brought up to date with the register first.
    const Money &money(const Register &reg);

    void rowsInserted(const Register &reg, int row, int count) override;
    void rowsRemoved(const Register &reg, int row, std::span<const RecordPtr> records) override;
    void valueChanged(const Register &reg, int row, QStringView key, const Value &before,
                      const Value &after) override;
    void rowsReplaced(const Register &reg) override;
    void balancesChanged(const Register &reg, int fromRow) override;

private:
    void moneyChangedFrom(int row) { m_moneyValidRows = std::min(m_moneyValidRows, std::max(0, row)); }

    std::array<ColumnIndex, 3> m_columns;
    int m_fullReads = 0;
    Money m_money;
    int m_moneyValidRows = 0; // the leading rows whose money is as the register holds it
};

struct DescriptionSuggestion {
    QString description;
    // What the amount field proposes for this description: the Amount of the
    // latest row whose description contains it.
    QString amount;
    int row = -1; // the latest row holding the description itself
};

// The descriptions that contain text, case ignored; at most limit of them.
// Those that begin with the text come first, then those that merely hold
// it; within each, the ones used most often among the latest few hundred
// rows, then the one used last. Nothing for an empty text.
std::vector<DescriptionSuggestion> descriptionSuggestions(RegisterIndex &index, const Register &reg,
                                                          QStringView text, int limit);
