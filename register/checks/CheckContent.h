#pragma once

// What a check and its stubs say, taken from a register row: the texts the
// renderer puts in the layout's fields, in the person's forms.

#include "AmountInWords.h"
#include "Register.h"
#include "WrittenForms.h"

#include <QString>
#include <QStringList>

#include <vector>

class PayeeAddresses;

// A line of a stub under the check's own: a split's category, memo and amount.
struct StubLine {
    QString text;
    QString amount;
};

struct CheckContent {
    int row = -1;
    QString number;       // empty while the check is only marked to print
    QString date;         // in the person's order
    QString payee;
    QString amount;       // in figures, thousands set apart: 1,234.56
    QString words;        // One thousand two hundred thirty-four and 56/100
    QString memo;
    QStringList address;  // the payee's, when the address book knows it
    std::vector<StubLine> splits;
};

// The key a transaction's memo is kept under: the line at the foot of the check.
inline constexpr QStringView kMemoKey = u"Memo";

// The amount as the check writes it in figures, with the decimal separator
// given and thousands set apart: 1,234.56, or 1 234,56 with a comma.
QString checkFigures(Cents cents, QChar decimalPoint);

struct CheckContents {
    std::vector<CheckContent> checks;
    // Why the rows cannot be printed as checks, naming the row as the window
    // counts them (the opening row is row 1); empty when they can.
    QString error;
};

// The checks for rows (in the order given): each must be a transaction that
// pays money out. addresses may be null.
CheckContents checkContents(const Register &reg, const std::vector<int> &rows, const PayeeAddresses *addresses,
                            const WrittenForms &forms, WordsLanguage language);
