#pragma once

// A scheduled transaction: the transaction it enters each time (a template),
// how often it comes round, and which of its occurrences have been dealt
// with already, entered or skipped, so that none is offered twice.

#include "Money.h"
#include "Recurrence.h"

#include <QDate>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

struct Schedule {
    int id = 0; // unique within its register, from 1

    // The transaction each occurrence enters.
    QString description;
    Cents amount = 0;
    QString checkNumber; // empty: none
    QString category;    // empty: none

    Recurrence recurrence;

    // The amount varies (a utility bill): a statement line within tolerance
    // percent of it may be an occurrence.
    bool estimate = false;
    int tolerance = 0; // percent, 0 to 100
    // Occurrences that come due are entered without asking.
    bool autoEnter = false;

    // Occurrences entered or skipped: every one scheduled on or before
    // handledThrough, and those scheduled on the days of handledAlso (each
    // after handledThrough; the first not yet handled comes before them).
    QDate handledThrough;
    std::vector<QDate> handledAlso;

    // Fields a later version of Cheqbook wrote, kept as they were (name and
    // value), so that saving here does not lose them.
    std::vector<std::pair<QString, QString>> otherFields;

    // A schedule that could not be read is kept as the text it was (and
    // written back so); problem says why. It has no occurrences.
    QString unreadText;
    QString problem;
    bool isReadable() const { return problem.isEmpty(); }

    bool operator==(const Schedule &) const = default;
};

// The tolerance a statement line's amount is held to: tolerance percent of
// the amount for an estimate (rounded to the cent), 0 otherwise.
Cents toleranceCents(const Schedule &s);

// One occurrence of a schedule.
struct Occurrence {
    int scheduleId = 0;
    OccurrenceDate when;
    Cents amount = 0;
    bool operator==(const Occurrence &) const = default;
};

bool isHandled(const Schedule &s, QDate scheduled);
// Marks the occurrence scheduled on that day as dealt with. The marks are
// kept as short as they can be: handledThrough moves on over every handled
// occurrence that follows it.
void markHandled(Schedule &s, QDate scheduled);
// The marks made to fit the recurrence as it now is (after a change to
// it): days no occurrence is scheduled on any more are forgotten.
void tidyHandled(Schedule &s);

// The occurrences not yet entered or skipped that fall from one day through
// another (from the first when from is not given), in order, at most max.
std::vector<Occurrence> openOccurrences(const Schedule &s, QDate from, QDate through, size_t max = size_t(-1));
// The first occurrence not yet entered or skipped; nothing when the schedule
// has ended (or cannot be read).
std::optional<Occurrence> nextOpenOccurrence(const Schedule &s);
