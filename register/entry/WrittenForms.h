#pragma once

// How the person at the desk writes dates and amounts: the order of a date's
// numbers and the decimal separator. The window reads what they type in these
// forms and shows the register in them; a register file keeps its own forms
// (month/day/year with slashes, a decimal point) whatever they are, so that
// files stay the same from one desk to another.

#include "StatementDates.h"

#include <QChar>

class QLocale;
class QSettings;

struct WrittenForms {
    DateOrder dateOrder = DateOrder::MonthDayYear;
    QChar decimalPoint = u'.';
    bool operator==(const WrittenForms &) const = default;
};

// What a locale writes: the order of its short date format, its decimal
// separator (a point or a comma). The C locale writes the file's forms.
WrittenForms formsOfLocale(const QLocale &locale);

// The forms the preferences keep, each one not kept taken from the locale.
WrittenForms storedForms(const QSettings &settings, const QLocale &locale);
// Keeps the forms as preferences; a form the locale gives already is kept
// only when one was kept before, so that a change of locale still counts.
void storeForms(QSettings &settings, const WrittenForms &forms, const QLocale &locale);
