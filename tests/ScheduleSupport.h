#pragma once

// Schedules for the tests, written as briefly as the cases need them.

#include "MyDocument.h"
#include "RunningBalance.h"
#include "Schedule.h"

#include <QDate>
#include <QString>

#include <memory>
#include <vector>

// A register row as a file holds it: texts, no check number.
inline RecordPtr row(const char *date, const char *description, const char *amount)
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(u""));
    r->set(Key::Date, Value::text(QLatin1StringView(date)));
    r->set(Key::DescriptionofTransaction, Value::text(QLatin1StringView(description)));
    r->set(Key::Amount, Value::text(QLatin1StringView(amount)));
    return r;
}

// A document of these rows, balances carried as the program writes them: texts.
inline std::unique_ptr<MyDocument> documentOf(std::vector<RecordPtr> rows)
{
    auto doc = std::make_unique<MyDocument>();
    doc->ensureRegister();
    doc->array()->assign(std::move(rows));
    carryBalance(*doc->array(), 0);
    return doc;
}

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
