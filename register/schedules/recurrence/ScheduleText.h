#pragma once

// The schedules of a register as one text, which the register file keeps as
// the value of one key of its opening row. One line per schedule, its fields
// as name=value separated by semicolons, in a fixed order:
//
//   id=1;desc=Rent;amount=-1200.00;every=1 month;on=1;start=2026-01-01;weekend=before;done=2026-03-01
//
// desc, amount (money text), check and category are the transaction; every
// ("N day|week|month|year"), on (months: a day 1-31, "last", or "2 fri" /
// "last fri"), start, end (a date) or times (a count), and weekend
// (before|after; absent: kept) the recurrence; estimate (a tolerance in
// percent) and auto=yes the flags; done and also (comma-separated) the
// occurrences dealt with, by the dates they were scheduled for. Dates are
// ISO 8601 (2026-03-01), the same on every machine. In values, % ; = and
// line breaks are written %25 %3B %3D %0A %0D.
//
// A field of an unknown name is kept and written back after the known ones;
// a line that cannot be read is kept as it stands, so that nothing a later
// (or a damaged) version wrote is lost by saving here.

#include "Schedule.h"

#include <QString>
#include <QStringView>

#include <vector>

QString schedulesText(const std::vector<Schedule> &schedules);

// Every line of the text as a schedule, in order (empty lines left out); a
// line that cannot be read is a schedule with its problem and its text. A
// schedule without a usable id (none, or one an earlier line has, or a line
// that cannot be read) is given the next free one; a line that cannot be
// read keeps no id in the text, so its id holds only while it is read.
std::vector<Schedule> readSchedulesText(QStringView text);

// One schedule's line, without its line break.
QString scheduleLine(const Schedule &s);
