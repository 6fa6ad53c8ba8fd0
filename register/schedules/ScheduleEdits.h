#pragma once

// The changes a person makes to a register's schedules, and to the register
// through them. Each is one step of the document's history (undone whole:
// an entered occurrence's row and the mark that it was entered go
// together), and each returns an empty text, or why it changed nothing.

#include "MyDocument.h"
#include "ScheduleBook.h"

#include <QString>

#include <vector>

// A new schedule; its id is given here (and told through id when asked).
// Refused when its recurrence cannot be worked out, and in a register
// without an opening row, which is where schedules are kept.
QString addSchedule(MyDocument &doc, Schedule schedule, int *id = nullptr);
// The schedule with the same id becomes this one. Occurrences entered or
// skipped stay so, by the dates they were scheduled for.
QString changeSchedule(MyDocument &doc, Schedule schedule);
QString removeSchedule(MyDocument &doc, int id);
QString setReserve(MyDocument &doc, Cents reserve);

// Enters the occurrences after the last row, in their order, each as
// occurrenceRecord makes it with its balance carried, and marks them
// entered. Occurrences already entered or skipped, or of a schedule no
// longer there, are left out; entered, when given, tells how many went in.
QString enterOccurrences(MyDocument &doc, const std::vector<Occurrence> &occurrences, int *entered = nullptr);
// Marks the occurrences skipped: they are not offered again, and nothing is
// entered for them.
QString skipOccurrences(MyDocument &doc, const std::vector<Occurrence> &occurrences);

// Writes the book into the opening row as part of the step being built (a
// step of its own outside one), moving it there from another row first.
// Refused (nothing written) in an empty register.
QString storeScheduleBook(MyDocument &doc, const ScheduleBook &book);
