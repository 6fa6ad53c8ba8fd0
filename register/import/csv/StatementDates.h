#pragma once

// The dates of a bank's CSV export, whose parts come in the order of the
// bank's country: which order a whole column settles, and a date read in an
// order. The register's own date reader (DateReader.h) reads month first
// with slashes and day first with dots; a statement's column may be either.
//
// A date written without its year (12/03, 3 Dec) takes the year that puts it
// nearest the statement's other dates, or, when none has a year, nearest the
// day of the import: 12/30 imported on January 2 is the December just gone.

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

enum class DateOrder { Unknown, MonthDayYear, DayMonthYear, YearMonthDay };

// "mdy", "dmy", "ymd" (and back; nothing for any other text).
QString dateOrderCode(DateOrder order);
std::optional<DateOrder> dateOrderFromCode(QStringView code);
// "month/day/year" and so on, for telling the user.
QString dateOrderName(DateOrder order);

// The order the date column's texts settle, or Unknown when they read both
// ways (every day 12 or less) or contradict each other.
struct DateOrderEvidence {
    DateOrder order = DateOrder::Unknown;
    bool settled = true; // an order that does not matter (four-digit years first, month names) is settled
};
DateOrderEvidence decideDateOrder(const std::vector<QString> &dates);

// A statement's date in the given order: 12/03/2026, 3.12.26, 2026-12-03,
// 20261203 (any time after the date aside), or with an English month name
// (03-Dec-2026, Dec 3, 2026). Nothing for a text that is no such date, and
// for a date without its year.
std::optional<QDate> readDateInOrder(QStringView text, DateOrder order, QDate today);

// A date as a statement writes it: year is 0 when the text has none.
struct StatementDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool hasYear() const { return year != 0; }
    QDate date() const { return QDate(year, month, day); }
};
// As readDateInOrder, and dates without a year too (12/03, 3.12., Dec 3).
std::optional<StatementDate> readStatementDate(QStringView text, DateOrder order);
// A date without its year as the register's date reader reads dates (12/3,
// 12-3, Dec 3, 3 December month first; 3.12 day first, as with dots), for
// the five-field layout, which keeps every other date as the bank wrote it.
std::optional<StatementDate> yearlessDate(QStringView text);

// The year for a month and day written without one: the one that puts the
// date nearest a date of the statement's (sorted), or, when it has none,
// nearest today. Feb 29 only falls in leap years.
QDate completeDate(int month, int day, const std::vector<QDate> &statementDates, QDate today);

// What the whole date column says about the order of its parts.
struct DateDecision {
    // The order to read with; Unknown when a person must choose.
    DateOrder order = DateOrder::Unknown;
    // The dates themselves settle it: a part above 12, a year first, month
    // names, dots (which put the day first wherever they are written). Any
    // other order would misread or refuse some of them.
    bool settledByDates = false;
    // Where a date shows which way it is written ("13/11/2025" on line 4),
    // when settledByDates; index into the cells given.
    int settlingCell = -1;
    // Every date read both ways, but only one order puts them in the order
    // of the file within about two months, as a statement covers weeks: the
    // reason, for telling ("read as month/day/year: the dates then fall
    // between 11/03/2025 and 11/07/2025").
    QString reason;
    // The orders that read every cell that is a date in any order.
    std::vector<DateOrder> readable;
};

// The date column's cells in file order (blank ones left out by the caller).
DateDecision decideDates(const std::vector<QString> &cells, QDate today);

// Whether an order reads every cell that any order reads.
bool readsEveryDate(const DateDecision &decision, DateOrder order);
