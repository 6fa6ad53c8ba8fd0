#pragma once

// The category totals as cheqbook-cli categories prints them: a table for a
// person, or CSV for a spreadsheet.

#include "CategoryTotals.h"

#include <QString>

#include <vector>

// A table: "Category", "Amount" and "Count" (with "Month" first when by
// month, the month as 2026-12), amounts as money text, the money without a
// category as "(no category)", and a Total line for each month and for all.
// Control characters in a category are shown as visible symbols.
QString categoryTotalsTable(const std::vector<CategoryTotal> &totals, bool byMonth);

// CSV with a header line: month (when by month), category, amount, count;
// no total lines. The money without a category has an empty category.
QString categoryTotalsCsv(const std::vector<CategoryTotal> &totals, bool byMonth);
