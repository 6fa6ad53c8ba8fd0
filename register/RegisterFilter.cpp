#include "RegisterFilter.h"

#include "Reconciliation.h"

std::vector<int> filteredRows(const Register &reg, const RowFilter &filter)
{
    std::vector<int> rows;
    for (int row = 0; row < reg.count(); ++row) {
        const Record &r = reg[row];
        const bool reconciled = isReconciled(r);
        if ((filter.reconciled == RowFilter::Reconciled::NotReconciled && reconciled)
            || (filter.reconciled == RowFilter::Reconciled::Reconciled && !reconciled))
            continue;
        rows.push_back(row);
    }
    return rows;
}
