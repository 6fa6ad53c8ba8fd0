#pragma once

// A statement line that is an occurrence of a schedule: the rent the bank
// took on the 1st is the rent the schedule would enter. The import enters
// the occurrence with the line (one row, not two), and the occurrence is not
// offered again.
//
// A line meets an occurrence not yet entered or skipped, due or still ahead,
// of the same sign and amount (within the tolerance of an estimate), dated
// at most kMeetDays from it, and with the same check number where both have
// one. An occurrence meets one line at most, and a line one occurrence: the
// pairs nearest in date, then in amount, are taken first.

#include "ScheduleBook.h"
#include "Statement.h"

#include <QDate>

#include <vector>

inline constexpr int kMeetDays = 5;

struct OccurrenceMeeting {
    size_t line = 0; // its index among the lines given
    Occurrence occurrence;
};

// The lines (those the import is about to add) that meet occurrences, in
// the lines' order. Dates are read as the register's date reader reads them,
// relative to today; a line whose date cannot be read, or whose sign is not
// known, meets none.
std::vector<OccurrenceMeeting> meetOccurrences(const ScheduleBook &book, const std::vector<StatementLine> &lines,
                                               QDate today);

// A line's record as the occurrence it meets: the line's date, amount and
// bank id as the bank has them, with the schedule's description (the name
// its person gave it), its check number where the line has none, and its
// category.
void takeOccurrence(Record &record, const Schedule &s);

// The occurrences met marked as entered.
void markMet(ScheduleBook &book, const std::vector<OccurrenceMeeting> &met);
