#pragma once

// Which column of a bank's CSV export holds what. A file whose first lines
// hold a header (a record that names a date column and an amount, or money
// out and money in, column) is read by the header's names; any lines of
// account information before it are not transactions. A file without such a
// header is read in the five-field layout: date, amount, -, -, description.
//
// Names are read in English, letter case, blanks and punctuation aside:
//   date         Date, Posting Date, Posted Date, Post Date, Transaction Date, Trans. Date, Value Date...
//   description  Description, Payee, Name, Merchant, Narrative, Details (when it holds more than
//                debit/credit words), Memo (when there is nothing else)
//   memo         Memo, Notes, Reference (added after the description when it says something more)
//   amount       Amount, Transaction Amount, Amount (USD)...
//   money out    Debit, Withdrawal, Money Out, Paid Out (with money in: either may be blank)
//   money in     Credit, Deposit, Money In, Paid In
//   check number Check Number, Check #, Check No., Check or Slip #, Cheque Number, Num, Check
//   sign         Type, Transaction Type, Details, Debit/Credit, CR/DR (debit/credit words giving the
//                sign of an amount column that holds no negative amount)
// The separator (comma, semicolon or tab) is the one the header is written
// with; with a semicolon, or whenever an amount holds a decimal comma, amounts
// are read as -1.234,56. The order of the date's parts is decided from the
// whole date column: a first part above 12 can only be a day, a second one
// above 12 only a day, a four-digit first part a year.

#include "StatementDates.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

struct CsvLayout {
    QChar separator = u',';
    int headerLine = 0; // the line of the header, from 1; 0 when the file has none
    int fieldCount = 0; // the fields the header names; 0 without a header
    // Column indexes from 0; -1 when the file has no such column.
    int date = 0;
    int amount = 1;
    int description = 4;
    int memo = -1;
    int moneyOut = -1;
    int moneyIn = -1;
    int checkNumber = -1;
    int sign = -1;
    DateOrder dateOrder = DateOrder::Unknown;
    bool decimalComma = false;

    bool operator==(const CsvLayout &) const = default;
    // The five-field headerless layout, read exactly as it always was: the
    // date's text as it stands, no check number.
    bool isFiveField() const { return *this == CsvLayout(); }
    // The highest column the layout reads, plus one.
    int fieldsNeeded() const;
};

// What a column's name says it holds.
enum class ColumnRole { None, Date, Description, Memo, Amount, MoneyOut, MoneyIn, CheckNumber, Sign, Balance };
ColumnRole columnRole(QStringView name);

// A word some banks put in a column of its own to say which way money went
// (DEBIT, CR, Withdrawal, DSLIP...): -1 out, +1 in, 0 for anything else.
int debitCreditSign(QStringView cell);

struct LayoutDetection {
    CsvLayout layout;           // the five-field layout when no header was found
    QStringList header;         // the header's names as written; empty without one
    QString headerKey;          // the header as a key to remember the bank's layout by
    bool dateOrderSettled = true; // false: the dates read both ways, someone must choose
};

// Finds the header, the separator and each column's role, and decides the
// date order and the decimal comma from the columns' contents.
LayoutDetection detectCsvLayout(QStringView text);

// The header as a key to remember a bank's layout by: the separator and the
// names, letter case and surrounding blanks aside.
QString headerKeyOf(const QStringList &header, QChar separator);

// The fields of the record that starts on a line (from 1), split with the
// separator; empty when no record starts there.
QStringList recordFieldsAt(QStringView text, QChar separator, int line);
// The most fields a record has among the first lines.
int widestRecord(QStringView text, QChar separator);
