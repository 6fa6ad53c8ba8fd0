#pragma once

// The figures the register window's status bar keeps in sight: the balance,
// the cleared balance, how many transactions there are (and are shown), and
// what the selected ones come to.

#include "Register.h"

#include <QString>

#include <optional>
#include <vector>

struct RegisterFigures {
    Cents balance = 0; // after the last row
    Cents cleared = 0; // what the bank holds of it: clearedBalance()
    int transactions = 0;
};
RegisterFigures registerFigures(const Register &reg);

struct SelectionFigures {
    int count = 0;
    Cents total = 0; // the Amounts added up (one that is not a number counts as 0)
};
// Rows outside the register are passed over.
SelectionFigures selectionFigures(const Register &reg, const std::vector<int> &rows);

// "Balance 1234.56 · Cleared 1000.00 · 1,234 transactions", with
// "(56 shown)" while a filter hides some; amounts with the decimal separator
// given.
QString figuresText(const RegisterFigures &figures, std::optional<int> shown, QChar decimalPoint = u'.');
// "3 selected: -45.00"; empty for fewer than two rows, which say nothing
// the table does not.
QString selectionText(const SelectionFigures &selection, QChar decimalPoint = u'.');
// A count with its thousands set apart: 1,234,567; where the decimal
// separator is a comma, by narrow blanks, so that 1 500 is never read as 1.5.
QString countText(qint64 count, QChar decimalPoint = u'.');
