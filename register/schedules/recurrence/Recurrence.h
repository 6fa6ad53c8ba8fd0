#pragma once

// How often a scheduled transaction comes round: every N days, weeks, months
// or years from a start, until an end, moved off a weekend when asked.
//
// Every occurrence is worked out from the start and its number, never from
// the occurrence before it: a schedule on the 31st falls on 28 or 29
// February and is back on 31 March, and one on 29 February falls on the 28th
// in the years between leap years and on the 29th again in the next one.

#include <QDate>
#include <QString>

#include <optional>

enum class Period : quint8 { Day, Week, Month, Year };
// Where in its month a monthly occurrence falls.
enum class MonthlyOn : quint8 { DayOfMonth, LastDay, Weekday };
// What happens to an occurrence that falls on a Saturday or a Sunday: it
// stays, or moves to the Friday before or the Monday after.
enum class WeekendRule : quint8 { Keep, Before, After };
enum class Ending : quint8 { Never, AfterTimes, OnDate };

inline constexpr int kMaxEvery = 1000;
// The week of a monthly occurrence on "the last Friday".
inline constexpr int kLastWeek = -1;

struct Recurrence {
    int every = 1; // 1 to kMaxEvery periods between occurrences
    Period period = Period::Month;
    // Months only. Weeks fall on the start's weekday, years on its day.
    MonthlyOn monthlyOn = MonthlyOn::DayOfMonth;
    int day = 1;     // DayOfMonth: 1 to 31; a shorter month has it on its last day
    int week = 1;    // Weekday: 1 to 4, or kLastWeek
    int weekday = 5; // Weekday: Monday 1 to Sunday 7
    QDate start;     // no occurrence is scheduled before it
    Ending ending = Ending::Never;
    int times = 0; // AfterTimes: how many occurrences there are, skipped ones too
    QDate until;   // OnDate: the last day an occurrence may be scheduled for
    WeekendRule weekend = WeekendRule::Keep;

    // The same occurrences: fields the period does not use (the day of a
    // weekly recurrence) do not count.
    bool operator==(const Recurrence &other) const;
};

// Why a recurrence cannot be worked out (no start, every 0 months, day 32,
// ends after 0 times), for telling the user; empty when it can.
QString recurrenceProblem(const Recurrence &r);

// One occurrence: its number from 0, the date it is scheduled for, and the
// date it falls on once moved off a weekend (the same date otherwise). The
// scheduled date is what names an occurrence: it does not change when the
// weekend rule does.
struct OccurrenceDate {
    int index = 0;
    QDate scheduled;
    QDate date;
    bool operator==(const OccurrenceDate &) const = default;
};

// The date moved off a weekend as the rule says.
QDate movedOffWeekend(QDate date, WeekendRule rule);

// The occurrences of a recurrence in order, from the first that falls on or
// after a day (the first of all when none is given), until the recurrence
// ends. A recurrence with a problem has none. Reaching a day years ahead
// costs no more than reaching tomorrow.
class OccurrenceWalk
{
public:
    explicit OccurrenceWalk(const Recurrence &r, QDate from = {});
    std::optional<OccurrenceDate> next();

private:
    QDate candidate(qint64 k) const;
    Recurrence m_r;
    bool m_valid = false;
    qint64 m_k = 0;      // the next candidate's number
    qint64 m_offset = 0; // candidates before the start (at most the first, for months)
    QDate m_from;
};

// The recurrence in words: "daily", "every 2 weeks on Friday", "monthly on
// the 1st", "every 3 months on the last day", "monthly on the second
// Tuesday", "yearly on March 3".
QString recurrenceText(const Recurrence &r);
// "1st", "2nd", "23rd", "11th".
QString ordinalDay(int day);
// Monday 1 to Sunday 7 by name, and the English three-letter names files and
// the command line use ("mon" to "sun"); 0 for a text that names none.
QString weekdayName(int weekday);
int weekdayFromCode(QStringView code);
QString weekdayCode(int weekday);
