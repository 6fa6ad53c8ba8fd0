#pragma once

// The running balance: each row's Total is its Amount plus the Total of the
// row before it, in exact cents.

#include "Register.h"

#include <optional>

// Recomputes every Total from row 0 down. A Total that already reads as the
// right amount is left as it is; one that does not becomes the right amount
// in its own form: a money number, money text ("2500.00") or the shortest
// text ("2500"). One that does not tell (absent, "1178.76" which both texts
// write, a text that is no amount) takes the form of the Total above it (on
// the first rows, of the first Total that tells), so that a file keeps the
// form it has. Amounts that are absent or not numbers count as 0. Marks no
// change.
void recalculateCheckbook(Register &reg);

// Carries the balance after a cell edit: rows from firstRow to the last get
// Total = Amount + previous Total (row 0: its own Amount), each stored as
// money text, the way the table writes a carried balance.
void carryBalance(Register &reg, int firstRow);

// The Amount as the table shows it: money text of its cent value ("12.5" and
// "abc" become "12.50" and "0.00"). An amount out of range is left alone.
void rewriteAmountAsMoneyText(Record &record);
// The Amount that rewrite would store, when it is not what the record holds.
std::optional<Value> amountAsMoneyText(const Record &record);

// Every Amount as the table shows it and every balance recalculated, in one
// pass: the register as a window that showed every row would hold it. A
// balance that is right is left as written; one that moves becomes a money
// number.
void rewriteAmountsAndRecalculate(Register &reg);
// The same for one row, given the balance before it; returns its balance.
Cents rewriteAmountAndCarry(Record &record, Cents previousTotal);

// a + b, held within the range of money.
Cents addCents(Cents a, Cents b);

// Why a balance from fromRow down (the Total above fromRow carried on, or
// from 0 at row 0) would go beyond what money can hold: "row 3: the balance
// after it would be 90071992547409.93, beyond the 90 trillion dollars
// Cheqbook can keep track of" (rows counted from 1); empty when every one is
// within it. Balances are never held at the limit silently: a file, an
// import or an edit that would take one there is refused.
QString balanceBeyondLimit(const Register &reg, int fromRow = 0);
QString balanceBeyondLimitMessage(Cents balance, qint64 row);

// Whether an Amount is one a balance can add: a number, or a text that is
// one number with nothing but blanks around it. No Amount, or an empty one,
// is none, which adds nothing; "abc" or "12 dollars" would be added as
// something the file does not say.
bool isAmount(const Value &amount);
bool isAmountText(QStringView text);
bool isAmountText(QLatin1StringView text);
// Why the first row whose Amount is not an amount cannot be added up:
// "row 3: the Amount “abc” is not an amount" (rows counted from 1); empty
// when every Amount is one. A register is never summed with such a row
// counted as 0.
QString unreadableAmount(const Register &reg);
// amountShown is the Amount as a message may show it, cut to kAmountShown.
QString unreadableAmountMessage(const QString &amountShown, qint64 row);
inline constexpr qsizetype kAmountShown = 40;

// Where a stored balance disagrees with the one its amounts give: "row 3
// holds the balance 100.00, but the amounts above it and its own add up to
// 90.00" for the first such row; empty when every stored balance agrees.
// A balance kept by an older Cheqbook as a 32-bit float agrees when it is
// within the seven digits such a number holds; a row without one agrees.
QString storedBalanceDisagreement(const Register &reg);
