#pragma once

// Dates as people and banks write them, read without any locale: the date
// sort must order a register the same way on every machine.
//
// Read: 12/7/2026 and 12/07/26 (month first; a two-digit year 00-69 is
// 2000-2069, 70-99 is 1970-1999), 12/7 (the year of `today`), 12-07-2026,
// 2026-12-07 (optionally with a time: 2026-12-07T10:30:00, 2026-12-07 10:30),
// 2026/12/07 and 20261207 (year first), 7.12.2026 and 7.12.26 (with dots the
// day comes first), 07-Dec-26 and 07-Dec-2026, English month names, full or
// short, either side of the day, with or without a comma, an ordinal ending
// (1st, 2nd, 3rd, 7th) and a year (Dec 7, 2026; 7 December 2026; December 1st,
// 2026; Sept 7), and the words today, yesterday and tomorrow. Letter case and
// surrounding blanks do not matter.

#include "StatementDates.h"
#include "Value.h"

#include <QDate>
#include <QLatin1StringView>
#include <QStringView>

#include <optional>

// The date a text names, or nothing for a text that names no date (blank, a
// column title, free words) or an impossible one (02/30/2026, 13/01/2026).
std::optional<QDate> readDate(QStringView text, QDate today);
std::optional<QDate> readDate(QLatin1StringView text, QDate today);
// readDate for a date as a register file keeps it: the file's own form
// (12/07/2026) is read straight from its digits, any other text as readDate
// reads it. For the millions of dates of a long register read in one go.
std::optional<QDate> readFileDate(QStringView text, QDate today);
std::optional<QDate> readFileDate(QLatin1StringView text, QDate today);

// What the date reader reads, for telling the user (in English:
// dateFormsRead() tells it in the user's language).
//: Dates as typed with the month first, each read as 7 December 2026 (12/7 without a year) or a day near today.
//: List only forms Cheqbook reads: a test types each one.
inline constexpr char kDateFormsReadText[] = QT_TRANSLATE_NOOP(
    "DateReader", "12/07/2026, 12/7/26, 2026-12-07, 2026/12/07, 20261207, 7.12.2026, 07-Dec-26, Dec 7, 2026, "
                  "7 December 2026, December 7th, 12/7, today, yesterday, tomorrow");
inline constexpr QLatin1StringView kDateFormsRead{kDateFormsReadText, sizeof(kDateFormsReadText) - 1};

// A date as a person types it into a field or a cell, its numbers in their
// order: 05/12/2026 is 5 December in day/month/year and 12 May in
// month/day/year. A four-digit year first is always year-month-day, dots put
// the day before the month, and 20261205, month names and the relative words
// read as readDate reads them. A date without a year (5/12, Dec 5) is the
// nearest such day to today, a year back or ahead at most (a limit of the
// filter takes the day of today's year instead). The words of the language
// Cheqbook speaks are read beside the English ones: the month names (full or
// short, "7. Dezember 2026", "7 déc. 2026") and today, yesterday and tomorrow
// ("heute", "hier"). Dates kept in a register are never read with this: they
// are in the file's own form.
enum class Yearless { Nearest, ThisYear };
std::optional<QDate> readTypedDate(QStringView text, DateOrder order, QDate today,
                                   Yearless yearless = Yearless::Nearest);

// The date written in the order: 12/05/2026, 05/12/2026, 2026-12-05; and
// that as a QDate format (for a date field).
QString writtenDate(QDate date, DateOrder order);
QString writtenDateFormat(DateOrder order);
// The date as a register file keeps it, whatever a person's order: 12/05/2026.
QString fileDateText(QDate date);
// A date kept in a register as it is shown in the order: read as the file
// reads it and written in the order (without a year when it has none); a text
// that is no date, or a relative word, as it stands. In month/day/year every
// text is shown as it stands.
QString shownDate(const Value &stored, DateOrder order);
QString shownDate(QStringView stored, DateOrder order);

// The forms readTypedDate reads in the order, for telling the user, and the
// form a date field hints at when empty ("DD/MM/YYYY").
QString dateFormsRead(DateOrder order);
QString datePlaceholder(DateOrder order);

// The dates of rows read one after another: a row dated as the row before it
// (most are, in a register) costs a comparison instead of a reading.
class SuccessiveDates
{
public:
    explicit SuccessiveDates(QDate today) : m_today(today) {}
    std::optional<QDate> read(const Value &date);

private:
    QDate m_today;
    Value m_last;
    std::optional<QDate> m_lastDate;
    bool m_any = false;
};
