#pragma once

// What the keys of the entry fields do with their text: + and - step the
// date a day or the check number by one, T makes the date today. Only a
// text that is a date (or a number) is stepped; in any other text the keys
// are typed as they are, so "12-07-2026" and "2026-12-07T10:30" can still be
// typed.

#include "Register.h"
#include "StatementDates.h"

#include <QDate>
#include <QString>

#include <optional>

struct FieldKeyResult {
    enum class What { Type, Replace, Refuse };
    What what = What::Type;
    QString text; // the field's new text, for Replace
    bool selected = true; // the new text selected, so that typing replaces it
};

// The Date field's answer to a key: + and - step from the date the field
// holds (today when it is empty), T gives today (also in place of a slip
// such as 13/45/2026). Dates are read and written in the order: the field
// shows what the person types. previous is the key whose answer the field
// still holds: a letter after T means the word "today" or "tomorrow" is
// being typed, and the T is given back as typed. In year-month-day a text
// of digits and dashes is a date as slashes are in the other orders, so
// that "2026-12" can still be typed on.
FieldKeyResult dateFieldKey(const QString &text, QChar key, QDate today, QChar previous = {},
                            DateOrder order = DateOrder::MonthDayYear);

// The Check # field's answer to a key: + and - step a number made of digits
// (keeping its width: 0099 gives 0100); + in an empty field gives next.
// Below 1, or beyond what a number holds, is refused.
FieldKeyResult checkNumberFieldKey(const QString &text, QChar key, std::optional<qint64> next);

// The check number after the last one in the register (the opening row
// never holds a check); nothing when no row holds one.
std::optional<qint64> nextCheckNumber(const Register &reg);

// Whether the Date field's text can be entered without asking: blank, or a
// date typed in the order (today, yesterday and tomorrow too).
bool isReadableDateText(QStringView text, DateOrder order, QDate today);
