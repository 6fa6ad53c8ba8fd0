#pragma once

// The running balance: each row's Total is its Amount plus the Total of the
// row before it, in exact cents.

#include "Register.h"

// Recomputes every Total from row 0 down and stores each as a money number.
// Amounts that are absent or not numbers count as 0. Marks no change.
void recalculateCheckbook(Register &reg);

// Carries the balance after a cell edit: rows from firstRow to the last get
// Total = Amount + previous Total (row 0: its own Amount), each stored as
// money text, the way the table writes a carried balance.
void carryBalance(Register &reg, int firstRow);

// The Amount as the table shows it: money text of its cent value ("12.5" and
// "abc" become "12.50" and "0.00"). An amount out of range is left alone.
void rewriteAmountAsMoneyText(Record &record);

// Every Amount as the table shows it and every balance recalculated, in one
// pass: the register as a window that showed every row would hold it.
void rewriteAmountsAndRecalculate(Register &reg);
// The same for one row, given the balance before it; returns its balance.
Cents rewriteAmountAndCarry(Record &record, Cents previousTotal);

// a + b, held within the range of money.
Cents addCents(Cents a, Cents b);
