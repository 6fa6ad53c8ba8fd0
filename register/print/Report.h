#pragma once

// The printed register: a fixed-width text report with a header block before
// every 48th row.
//
// Check #  | Description                          | Date       | Amount    | Total
// --------------------------------------------------------------------------------------
//          | Paycheck                             | 03/01/2007 |1000.00    |1000

#include "Register.h"

#include "Money.h"
#include "WrittenForms.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

struct ShownRow;

inline constexpr int kReportRowsPerHeader = 48;

// The text with every control character (C0, DEL, C1) shown as the symbol
// the report shows it as: what comes from a file can then be written to a
// terminal without acting on it.
QString withControlsShown(QStringView text);

// The two header lines, each ending in a line feed.
QString reportHeader();
// The same with the column titles in the user's language, each cut to its
// column: the header of the printed register.
QString shownReportHeader();

// One row line, ending in a line feed. Check number, description and date are
// cut to 8, 36 and 10 characters; amount and balance are never cut. Every
// value is padded with blanks to its width; an absent value is blank. A
// control character (C0, DEL, C1) is shown as a visible symbol (ESC as
// U+241B), never written as it is.
void appendReportLine(QString &out, const Record &record);
// The same line with the date, amount and balance shown in a person's forms
// (the printed register of the window); the file's forms give the line above.
void appendReportLine(QString &out, const Record &record, const WrittenForms &forms);

// The whole report. An empty register gives an empty text.
QString reportText(const Register &reg);

// The same text in pieces of a few thousand rows, for writing a large
// register without holding its whole report.
void writeReport(const Register &reg, const std::function<void(const QString &chunk)> &sink);

// The same text again, encoded as UTF-8, for writing to a file or a pipe.
void writeReportUtf8(const Register &reg, const std::function<void(QByteArrayView chunk)> &sink);

// The UTF-8 report built a row at a time, for rows that are read as they
// come and not kept: the report holds only its own text.
class Utf8ReportWriter
{
public:
    // Whether each row's balance is written as it is added, or later, once
    // the balance before the rows is known: for the rows of the second half
    // of a file, read beside the first.
    enum class Balances { AsAdded, Later };
    explicit Utf8ReportWriter(Balances balances = Balances::AsAdded);
    ~Utf8ReportWriter();
    void add(const Record &record);
    // A row read only to be shown, as a recalculation would leave it: its
    // Amount as money text (one out of range as it stands) and the balance
    // carried on from previousTotal, which it returns.
    // With balances written later, previousTotal is the balance from where
    // these rows began.
    Cents add(const ShownRow &row, Cents previousTotal);

    // Hands the text written so far to sink, in pieces, and forgets it.
    void flush(const std::function<void(QByteArrayView chunk)> &sink);
    // The same, then the rows of a report with balances written later, as
    // if they followed these: each balance carried on from total.
    void flush(const std::function<void(QByteArrayView chunk)> &sink, const Utf8ReportWriter &later, Cents total);

private:
    void endRow();
    void appendTotal(Cents total);

    struct Pieces;
    std::unique_ptr<Pieces> m_pieces;
    Balances m_balances;
    int m_rows = 0;
};
