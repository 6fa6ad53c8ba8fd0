#pragma once

// Schedules for the tests, written as briefly as the cases need them.

#include "Schedule.h"

#include <QDate>
#include <QString>

// 2026-03-01 as a date.
inline QDate d(const char *iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

// Every so many periods from start, on the start's day; no id (a book gives
// one as it is added).
inline Schedule schedule(const char *description, Cents amount, Period period, const char *start, int every = 1)
{
    Schedule s;
    s.description = QString::fromUtf8(description);
    s.amount = amount;
    s.recurrence.period = period;
    s.recurrence.every = every;
    s.recurrence.start = d(start);
    s.recurrence.day = s.recurrence.start.day();
    return s;
}
