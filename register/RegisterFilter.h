#pragma once

// Which transactions the register table shows: all of them, or those that
// pass a filter. The balances stay those of the whole register; a filter
// only hides rows.

#include "Register.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

struct RowFilter {
    enum class Reconciled { All, NotReconciled, Reconciled };
    Reconciled reconciled = Reconciled::All;

    bool isActive() const { return reconciled != Reconciled::All; }
    bool operator==(const RowFilter &) const = default;
};

// The rows that pass, in register order.
std::vector<int> filteredRows(const Register &reg, const RowFilter &filter);
