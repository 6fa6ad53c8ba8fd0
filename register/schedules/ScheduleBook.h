#pragma once

// The schedules of a register and its reserve (the balance it should never
// go under), kept in the register file itself so that they travel with it:
// as two values of the opening row, the schedules as one text (see
// ScheduleText.h) and the reserve as money text. Both keys are absent while
// there is nothing to keep, so a register without schedules is the file it
// always was.
//
// A reader that knows nothing of them keeps both as keys it does not know:
// the rows and every balance are exactly what it showed before, and a save
// there keeps them.

#include "Register.h"
#include "Schedule.h"

#include <QDate>
#include <QStringView>

#include <optional>
#include <vector>

inline constexpr QStringView kSchedulesKey = u"Schedules";
inline constexpr QStringView kReserveKey = u"Reserve";
// The key a transaction's category is kept under.
inline constexpr QStringView kCategoryKey = u"Category";

struct ScheduleBook {
    std::vector<Schedule> schedules;
    Cents reserve = 0;
    // A reserve kept that is not an amount: written back as it was until a
    // reserve is set.
    std::optional<QString> unreadReserve;

    Schedule *find(int id);
    const Schedule *find(int id) const;
    int nextId() const;
    // Why some of it cannot be used, one text each ("schedule 2: it has no
    // amount"), for telling the user.
    QStringList problems() const;
};

// The row that holds the schedules and the reserve: the opening row, unless
// a version of Cheqbook that knows nothing of them moved them along with
// their row (a row put above the opening row, a sort); -1 when none does.
int scheduleRow(const Register &reg);
ScheduleBook readScheduleBook(const Register &reg);
// The book a row keeps (an empty one when it keeps none): for one who knows
// where it is, without looking through a long register.
ScheduleBook readScheduleBook(const Register &reg, int row);
bool keepsSchedules(const Register &reg, int row);

// Which of the due occurrences: all, those entered without asking, those
// to ask about.
enum class DueKind { All, Automatic, Asked };

// The occurrences not yet entered or skipped that fall on or before a day,
// in date order (and on one day in the schedules' order).
std::vector<Occurrence> dueOccurrences(const ScheduleBook &book, QDate through, DueKind kind = DueKind::All);

// The record an occurrence enters: the schedule's check number (an empty
// text when it has none), its description, the occurrence's date as the
// register keeps dates, the amount as money text, and the category when it
// has one. No Total.
RecordPtr occurrenceRecord(const Schedule &s, const Occurrence &o);
