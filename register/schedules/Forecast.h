#pragma once

// The balance ahead: the occurrences of the register's schedules over the
// coming days, after the register's own last balance, with the lowest point
// the balance reaches. It answers "will this check bounce before payday?".

#include "ScheduleBook.h"

#include <QDate>
#include <QString>

#include <vector>

// How far ahead the forecast looks: a number of days from today, or until
// the next income (an occurrence that brings money in, after today).
struct Horizon {
    int days = 30;
    bool untilIncome = false;
};
// Until the next income looks this far when no income is scheduled, and
// never further than kUntilIncomeMostDays.
inline constexpr int kUntilIncomeDefaultDays = 90;
inline constexpr int kUntilIncomeMostDays = 366;
inline constexpr int kMostForecastDays = 3660;

struct ForecastRow {
    Occurrence occurrence;
    QString description;
    Cents balance = 0; // after it
    bool overdue = false; // due before today, and not yet entered or skipped
};

struct Forecast {
    QDate today;
    QDate until; // the last day looked at
    Cents startBalance = 0;
    // In the order the balance takes them: by date (an overdue occurrence as
    // though today), and on one day money out before money in, so that the
    // lowest point is never hidden by a paycheck the bank may book later.
    std::vector<ForecastRow> rows;
    // The lowest balance from today on, and the first day it is reached
    // (today when nothing ahead takes the balance lower).
    Cents lowest = 0;
    QDate lowestDate;
    Cents reserve = 0;
    bool underReserve() const { return lowest < reserve; }
};

// How far ahead the person looks, kept as a preference for every register
// (30 days until chosen).
Horizon storedHorizon();
void storeHorizon(Horizon horizon);

// The forecast from a balance (the register's last), on a day (today).
Forecast forecast(const ScheduleBook &book, Cents balance, QDate today, Horizon horizon);

// The last balance of a register, as its rows' Totals hold it (0 for an
// empty register).
Cents lastBalance(const Register &reg);
