#pragma once

// Schedules the register suggests: payees that came round at a regular
// interval (weekly, every 2 or 4 weeks, monthly on a day or on the last day,
// every 2, 3 or 6 months, yearly) with the same or similar amounts, lately
// enough that they still do. Each comes with its evidence, so that a person
// can tell whether to take it: "Rent: 12 times, monthly on the 1st, -1200.00".

#include "ScheduleBook.h"

#include <QDate>
#include <QString>

#include <vector>

struct Suggestion {
    // Ready to add: it starts after the last time the payee came, which
    // counts as entered.
    Schedule schedule;
    int times = 0; // how many rows in a row show the interval
    QString evidence;
};

// A run this long at least makes a suggestion.
inline constexpr int kLeastTimes = 3;
// Amounts this far apart at most (in percent of the middle one) make an estimate.
inline constexpr int kMostEstimateTolerance = 25;

// Rows dated this many years before today at most, and not after it, are
// looked at.
inline constexpr int kLookedBackYears = 4;

// The suggestions, the payee seen the most times first. Payees a schedule
// of the book already names (by description, letter case and blanks aside)
// are left out, as is the opening row.
std::vector<Suggestion> suggestSchedules(const Register &reg, const ScheduleBook &book, QDate today);
