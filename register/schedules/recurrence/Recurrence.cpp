#include "Recurrence.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Recurrence)
};

QDate dayInMonth(int year, int month, int day)
{
    const QDate first(year, month, 1);
    return QDate(year, month, std::min(day, first.daysInMonth()));
}

QDate weekdayInMonth(int year, int month, int week, int weekday)
{
    const QDate first(year, month, 1);
    if (week == kLastWeek) {
        const QDate last(year, month, first.daysInMonth());
        return last.addDays(-((last.dayOfWeek() - weekday + 7) % 7));
    }
    return first.addDays((weekday - first.dayOfWeek() + 7) % 7 + 7 * (week - 1));
}

// Months counted from year 0, so that adding months is adding numbers.
qint64 monthNumber(QDate d) { return qint64(d.year()) * 12 + (d.month() - 1); }

qint64 periodDays(const Recurrence &r) { return qint64(r.every) * (r.period == Period::Week ? 7 : 1); }

} // namespace

bool Recurrence::operator==(const Recurrence &o) const
{
    if (every != o.every || period != o.period || start != o.start || ending != o.ending || weekend != o.weekend)
        return false;
    if ((ending == Ending::AfterTimes && times != o.times) || (ending == Ending::OnDate && until != o.until))
        return false;
    if (period != Period::Month)
        return true;
    if (monthlyOn != o.monthlyOn)
        return false;
    if (monthlyOn == MonthlyOn::DayOfMonth)
        return day == o.day;
    return monthlyOn == MonthlyOn::LastDay || (week == o.week && weekday == o.weekday);
}

QString recurrenceProblem(const Recurrence &r)
{
    if (!r.start.isValid())
        return Words::tr("it has no start date");
    if (r.every < 1 || r.every > kMaxEvery)
        return Words::tr("it must come round every 1 to %1 periods").arg(kMaxEvery);
    if (r.period == Period::Month) {
        if (r.monthlyOn == MonthlyOn::DayOfMonth && (r.day < 1 || r.day > 31))
            return Words::tr("the day of the month must be 1 to 31");
        if (r.monthlyOn == MonthlyOn::Weekday
            && (r.weekday < 1 || r.weekday > 7 || !((r.week >= 1 && r.week <= 4) || r.week == kLastWeek)))
            return Words::tr("the weekday of the month must be the first to the fourth or the last of a weekday");
    }
    if (r.ending == Ending::AfterTimes && r.times < 1)
        return Words::tr("it must end after at least 1 time");
    if (r.ending == Ending::OnDate && !r.until.isValid())
        return Words::tr("it has no end date");
    return {};
}

QDate movedOffWeekend(QDate date, WeekendRule rule)
{
    const int dow = date.dayOfWeek();
    if (rule == WeekendRule::Keep || dow < 6)
        return date;
    if (rule == WeekendRule::Before)
        return date.addDays(dow == 6 ? -1 : -2);
    return date.addDays(dow == 6 ? 2 : 1);
}

OccurrenceWalk::OccurrenceWalk(const Recurrence &r, QDate from) : m_r(r), m_from(from)
{
    m_valid = recurrenceProblem(r).isEmpty();
    if (!m_valid)
        return;
    // For months the day rule may put the start's own month before the start.
    if (r.period == Period::Month && candidate(0) < r.start)
        m_offset = 1;
    if (!from.isValid())
        return;
    // Jump to a little before the day (a weekend moves a date by two days at
    // most), then walk the rest.
    const QDate near = from.addDays(-3);
    if (near <= r.start)
        return;
    switch (r.period) {
    case Period::Day:
    case Period::Week:
        m_k = r.start.daysTo(near) / periodDays(r);
        break;
    case Period::Month:
        m_k = std::max<qint64>(0, (monthNumber(near) - monthNumber(r.start)) / r.every - 1);
        break;
    case Period::Year:
        m_k = std::max<qint64>(0, (near.year() - r.start.year()) / r.every - 1);
        break;
    }
    m_k = std::max(m_k, m_offset);
}

QDate OccurrenceWalk::candidate(qint64 k) const
{
    const Recurrence &r = m_r;
    switch (r.period) {
    case Period::Day:
    case Period::Week:
        return r.start.addDays(k * periodDays(r));
    case Period::Month: {
        const qint64 m = monthNumber(r.start) + k * r.every;
        const int year = int(m / 12);
        const int month = int(m % 12) + 1;
        if (r.monthlyOn == MonthlyOn::LastDay)
            return dayInMonth(year, month, 31);
        if (r.monthlyOn == MonthlyOn::Weekday)
            return weekdayInMonth(year, month, r.week, r.weekday);
        return dayInMonth(year, month, r.day);
    }
    case Period::Year:
        return dayInMonth(int(r.start.year() + k * r.every), r.start.month(), r.start.day());
    }
    return {};
}

std::optional<OccurrenceDate> OccurrenceWalk::next()
{
    while (m_valid) {
        const qint64 k = m_k;
        const qint64 index = k - m_offset;
        if (m_r.ending == Ending::AfterTimes && index >= m_r.times)
            break;
        const QDate scheduled = candidate(k);
        // Past the last day a date can have.
        if (!scheduled.isValid() || scheduled.year() > 9999)
            break;
        if (m_r.ending == Ending::OnDate && scheduled > m_r.until)
            break;
        ++m_k;
        if (index < 0 || index > INT_MAX)
            continue;
        const QDate date = movedOffWeekend(scheduled, m_r.weekend);
        if (m_from.isValid() && date < m_from)
            continue;
        return OccurrenceDate{int(index), scheduled, date};
    }
    m_valid = false;
    return std::nullopt;
}


namespace {

constexpr std::array<const char *, 7> kWeekdayNames = {
    QT_TRANSLATE_NOOP("Recurrence", "Monday"),   QT_TRANSLATE_NOOP("Recurrence", "Tuesday"),
    QT_TRANSLATE_NOOP("Recurrence", "Wednesday"), QT_TRANSLATE_NOOP("Recurrence", "Thursday"),
    QT_TRANSLATE_NOOP("Recurrence", "Friday"),   QT_TRANSLATE_NOOP("Recurrence", "Saturday"),
    QT_TRANSLATE_NOOP("Recurrence", "Sunday")};
constexpr std::array<const char *, 12> kMonthNames = {
    QT_TRANSLATE_NOOP("Recurrence", "January"), QT_TRANSLATE_NOOP("Recurrence", "February"),
    QT_TRANSLATE_NOOP("Recurrence", "March"),   QT_TRANSLATE_NOOP("Recurrence", "April"),
    QT_TRANSLATE_NOOP("Recurrence", "May"),     QT_TRANSLATE_NOOP("Recurrence", "June"),
    QT_TRANSLATE_NOOP("Recurrence", "July"),    QT_TRANSLATE_NOOP("Recurrence", "August"),
    QT_TRANSLATE_NOOP("Recurrence", "September"), QT_TRANSLATE_NOOP("Recurrence", "October"),
    QT_TRANSLATE_NOOP("Recurrence", "November"), QT_TRANSLATE_NOOP("Recurrence", "December")};
constexpr std::array<const char *, 7> kWeekdayCodes = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};

// Where in the month a monthly occurrence falls: "the 1st", "the last day",
// "the second Tuesday".
QString placeInMonth(const Recurrence &r)
{
    if (r.monthlyOn == MonthlyOn::LastDay)
        return Words::tr("the last day");
    if (r.monthlyOn == MonthlyOn::DayOfMonth)
        return Words::tr("the %1").arg(ordinalDay(r.day));
    static constexpr std::array<const char *, 4> weeks = {
        QT_TRANSLATE_NOOP("Recurrence", "first"), QT_TRANSLATE_NOOP("Recurrence", "second"),
        QT_TRANSLATE_NOOP("Recurrence", "third"), QT_TRANSLATE_NOOP("Recurrence", "fourth")};
    const QString week = r.week == kLastWeek ? Words::tr("last") : Words::tr(weeks[size_t(std::clamp(r.week, 1, 4) - 1)]);
    return Words::tr("the %1 %2", "the second Tuesday").arg(week, weekdayName(r.weekday));
}

} // namespace

QString ordinalDay(int day)
{
    const int tens = day % 100;
    if (tens >= 11 && tens <= 13)
        return Words::tr("%1th").arg(day);
    switch (day % 10) {
    case 1: return Words::tr("%1st").arg(day);
    case 2: return Words::tr("%1nd").arg(day);
    case 3: return Words::tr("%1rd").arg(day);
    default: return Words::tr("%1th").arg(day);
    }
}

QString weekdayName(int weekday)
{
    return weekday >= 1 && weekday <= 7 ? Words::tr(kWeekdayNames[size_t(weekday - 1)]) : QString();
}

int weekdayFromCode(QStringView code)
{
    for (size_t i = 0; i < kWeekdayCodes.size(); ++i)
        if (code.compare(QLatin1StringView(kWeekdayCodes[i]), Qt::CaseInsensitive) == 0
            || code.compare(QLatin1StringView(kWeekdayNames[i]), Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    return 0;
}

QString weekdayCode(int weekday)
{
    return weekday >= 1 && weekday <= 7 ? QString::fromLatin1(kWeekdayCodes[size_t(weekday - 1)]) : QString();
}

QString recurrenceText(const Recurrence &r)
{
    switch (r.period) {
    case Period::Day:
        return r.every == 1 ? Words::tr("daily") : Words::tr("every %n days", nullptr, r.every);
    case Period::Week: {
        const QString day = weekdayName(r.start.dayOfWeek());
        return r.every == 1 ? Words::tr("weekly on %1").arg(day) : Words::tr("every %n weeks on %1", nullptr, r.every).arg(day);
    }
    case Period::Month: {
        const QString place = placeInMonth(r);
        return r.every == 1 ? Words::tr("monthly on %1").arg(place) : Words::tr("every %n months on %1", nullptr, r.every).arg(place);
    }
    case Period::Year: {
        const QString day = r.start.isValid()
            ? Words::tr("%1 %2", "month and day: March 3").arg(Words::tr(kMonthNames[size_t(r.start.month() - 1)])).arg(r.start.day())
            : QString();
        return r.every == 1 ? Words::tr("yearly on %1").arg(day) : Words::tr("every %n years on %1", nullptr, r.every).arg(day);
    }
    }
    return {};
}
