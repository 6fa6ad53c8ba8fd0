#pragma once

// Reading a bank's CSV export in a layout other than the five-field one:
// the columns the layout names, the header and the lines before it left out.
// Each transaction's date is written as the register writes dates
// (12/03/2026), whatever order the bank wrote its parts in.

#include "CsvLayout.h"
#include "Statement.h"
#include "StatementText.h"

#include <QDate>
#include <QStringView>

#include <functional>

// What reading a CSV export found besides its lines.
struct CsvReading {
    Statement statement;
    // What the date column's cells say of the order of their parts, and the
    // order they were read in.
    DateDecision dates;
    DateOrder order = DateOrder::MonthDayYear;
    // The line whose date settles the order, and that date, when one does.
    int settlingLine = 0;
    QString settlingText;
    // An amount column that never says which way the money went: no
    // debit/credit word column, and no amount with a sign of its own.
    bool unsignedAmounts = false;
};

// Chooses the order to read the dates in from what the column says.
using DateOrderChoice = std::function<DateOrder(const DateDecision &)>;

// Lines before the header, the header written again further down, lines
// whose date or amount cannot be read (a summary, a footer, a pending line
// without an amount) and lines with more fields than the header are skipped
// and listed with their reasons. A line whose debit/credit word says neither
// is a transaction in doubt: its amount as written, its sign unknown. A
// quote that never closes refuses the whole text, as in the five-field
// layout. Without a choice, the dates are read in the layout's order, or
// the one the column settles, or month first. Progress, when given, hears
// how far it has come, and may stop it (WorkStopped).
// The records are the text split with the layout's separator and
// csvRecordsWholeFields(layout).
CsvReading readCsvStatement(const CsvRecordSource &records, const CsvLayout &layout, QDate today,
                            const DateOrderChoice &choose = {}, Progress *progress = nullptr);

// The whole fields a record of the layout has, for telling a quote left
// open from a field that runs over lines.
int csvRecordsWholeFields(const CsvLayout &layout);

// An amount cell as the layout reads it: with a decimal comma, "-1.234,56"
// and "1 234,56" are -1234.56 and 1234.56.
CentsReading layoutAmount(QStringView cell, bool decimalComma);
