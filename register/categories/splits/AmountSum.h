#pragma once

// Sums typed where an amount goes: "12.50+3.20", "3*1.599", "(1,234.56-0,56)/2".
//
// The numbers are read as amounts are (readTypedAmount: grouping, a decimal
// point or comma, a currency sign), each by itself, so a comma never
// separates anything but the digits of one number: "1,5+2" is 1.5 plus 2 in
// any locale, and "12,345+1" is 12345 plus 1 where the decimal separator is
// a point and 12.345 plus 1 where it is a comma. The operations are + - * /
// (also − × ÷) with the usual precedence, parentheses, and a sign before any
// number or parenthesis. The sum is worked out exactly, as fractions, and
// rounded to the cent once, half away from zero, at the end: 0.1+0.2 is
// 0.30, 10/3 is 3.33 and 10/3*3 is 10.00.
//
// A text without an operation between two numbers is not a sum: it is read
// as an amount alone, so "(45.25)" stays the negative amount a bank writes,
// and "(-12)", which says negative twice, is still refused.

#include "Money.h"

#include <QString>
#include <QStringView>

struct SumReading {
    NumberStatus status = NumberStatus::NotANumber;
    Cents cents = 0;
    bool sum = false; // the text was a sum and was worked out
    QString why;      // why a sum could not be worked out ("division by zero"); empty otherwise
    bool ok() const { return status == NumberStatus::Ok; }
    CentsReading reading() const { return {status, cents}; }
};

// The amount a text stands for: an amount as readTypedAmount reads it, or a
// sum. A text that is neither is NotANumber, as any bad amount; a sum that
// cannot be worked out (a division by zero, a number too large) says why.
SumReading readAmountSum(QStringView text, QChar decimalPoint);
