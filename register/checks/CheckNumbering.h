#pragma once

// Checks waiting to be printed, and the numbers they get. A transaction is
// marked to print by a P in its Check # field: it gets its number only when
// it is printed, from the next check of the stock in the printer, so that
// the register's numbers are the numbers on the paper. A sheet that jams or
// smears spoils its checks: they are printed again with new numbers, and the
// spoiled numbers stay in the register as void rows, so that every check of
// the stock is accounted for.

#include "CheckContent.h"
#include "MyDocument.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// What the Check # field holds while a check waits to be printed.
inline constexpr QStringView kToPrintMark = u"P";

// The field holds P (or p).
bool isMarkedToPrint(const Record &record);
// Rows 1 on whose amount is money out: the rows a check can pay.
bool paysOut(const Record &record);
std::vector<int> rowsMarkedToPrint(const Register &reg);

// The rows a Print Checks prints: the selected rows that pay out, or, when
// none of the selection does, every row marked to print. Ascending.
std::vector<int> rowsToPrintAsChecks(const Register &reg, const std::vector<int> &selected);

// Marks the rows among rows that pay out to print, as one step; returns
// the rows marked (those already marked, and the rest, are passed over).
std::vector<int> markToPrint(MyDocument &doc, const std::vector<int> &rows);

// The number the first check printed takes unless the person says another:
// the next after the last check in the register; nothing when it holds none.
std::optional<qint64> firstNumberToPrint(const Register &reg);

// Gives the rows marked to print among rows the numbers from first on, in
// the order of the register, as one step. Refused (an error, nothing
// changed) when a number would be below 1, beyond 2147483647 or one that
// another row of the register holds already.
QString numberMarkedChecks(MyDocument &doc, const std::vector<int> &rows, qint64 first);
// Why numberMarkedChecks would refuse, without changing anything: so that a
// check is never printed with a number the register cannot take.
QString numberingRefused(const Register &reg, const std::vector<int> &rows, qint64 first);
// The numbers the rows marked to print among rows take from first on, put
// into their checks (the checks of rows, in the same order).
void numberContents(std::vector<CheckContent> &checks, const Register &reg, qint64 first);

// A failed sheet: every one of rows gets a new number from first on, in the
// order of the register, and each number it had is kept on a void row (an
// amount of 0.00, reconciled, since no bank will ever see it), dated today,
// put before the first of rows. One step; refused as numberMarkedChecks is.
// moved, when given, gets the rows' places after the void rows went in.
QString renumberSpoiledChecks(MyDocument &doc, const std::vector<int> &rows, qint64 first, QDate today,
                              std::vector<int> *moved = nullptr);
