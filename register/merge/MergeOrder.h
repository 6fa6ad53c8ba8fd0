#pragma once

// The order of a merged register. The rows keep the order of one side, the
// one that reordered them (a sort by date) or else mine; each row only the
// other side holds goes after the row it follows there, among the rows this
// side added at that place by date. When the side whose order is kept is
// in date order after reordering, the other side's rows go by date alone.

#include "Record.h"

#include <QDate>

#include <vector>

// One row of the merge: its row on each side (-1 where a side has none), and
// the record it is, for its date.
struct OrderEntry {
    int base = -1;
    int mine = -1;
    int theirs = -1;
    const Record *record = nullptr;
};

// The entries in merged order, as indices. mineCount and theirsCount are the
// sides' row counts. fromTheirs says whether theirs's order was kept.
std::vector<size_t> mergedOrder(const std::vector<OrderEntry> &entries, int mineCount, int theirsCount,
                                QDate today, bool *fromTheirs);
