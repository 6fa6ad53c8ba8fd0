// When scheduled transactions fall: month ends, leap years, weekends, ends,
// and the walk that jumps ahead landing where a walk from the start lands.

#include "Recurrence.h"
#include "Schedule.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QDate d(const char *iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

Recurrence monthly(const char *start, int day, int every = 1)
{
    Recurrence r;
    r.period = Period::Month;
    r.every = every;
    r.day = day;
    r.start = d(start);
    return r;
}

Recurrence lastDay(const char *start)
{
    Recurrence r = monthly(start, 1);
    r.monthlyOn = MonthlyOn::LastDay;
    return r;
}

Recurrence nthWeekday(const char *start, int week, int weekday)
{
    Recurrence r = monthly(start, 1);
    r.monthlyOn = MonthlyOn::Weekday;
    r.week = week;
    r.weekday = weekday;
    return r;
}

Recurrence every(Period period, int n, const char *start)
{
    Recurrence r;
    r.period = period;
    r.every = n;
    r.start = d(start);
    return r;
}

Recurrence withWeekend(Recurrence r, WeekendRule rule)
{
    r.weekend = rule;
    return r;
}

Recurrence endingAfter(Recurrence r, int times)
{
    r.ending = Ending::AfterTimes;
    r.times = times;
    return r;
}

Recurrence endingOn(Recurrence r, const char *until)
{
    r.ending = Ending::OnDate;
    r.until = d(until);
    return r;
}

// "scheduled>date" for a moved one, "date" otherwise.
QStringList walked(const Recurrence &r, size_t most, QDate from = {})
{
    QStringList out;
    OccurrenceWalk walk(r, from);
    while (out.size() < qsizetype(most)) {
        const std::optional<OccurrenceDate> o = walk.next();
        if (!o)
            break;
        const QString date = o->date.toString(Qt::ISODate);
        out << (o->scheduled == o->date ? date : o->scheduled.toString(Qt::ISODate) + u'>' + date);
    }
    return out;
}

TEST(Recurrence, FallsOnTheRightDays)
{
    struct Case {
        const char *what;
        Recurrence r;
        QStringList expected;
    };
    const Case cases[] = {
        {"the 31st in short months is their last day, and the 31st again after",
         monthly("2026-01-31", 31),
         {u"2026-01-31"_s, u"2026-02-28"_s, u"2026-03-31"_s, u"2026-04-30"_s, u"2026-05-31"_s}},
        {"the 31st in a leap February is the 29th", monthly("2024-01-31", 31),
         {u"2024-01-31"_s, u"2024-02-29"_s, u"2024-03-31"_s}},
        {"the 30th is never drawn back by February", monthly("2026-01-30", 30),
         {u"2026-01-30"_s, u"2026-02-28"_s, u"2026-03-30"_s}},
        {"every 3 months on the 31st", monthly("2026-01-31", 31, 3),
         {u"2026-01-31"_s, u"2026-04-30"_s, u"2026-07-31"_s, u"2026-10-31"_s, u"2027-01-31"_s}},
        {"a day before the start's day begins next month", monthly("2026-01-15", 1),
         {u"2026-02-01"_s, u"2026-03-01"_s}},
        {"the last day", lastDay("2026-01-15"), {u"2026-01-31"_s, u"2026-02-28"_s, u"2026-03-31"_s, u"2026-04-30"_s}},
        {"the last day of a leap February", lastDay("2028-02-01"), {u"2028-02-29"_s, u"2028-03-31"_s}},
        {"the second Tuesday", nthWeekday("2026-01-01", 2, 2),
         {u"2026-01-13"_s, u"2026-02-10"_s, u"2026-03-10"_s}},
        {"the last Friday", nthWeekday("2026-01-01", kLastWeek, 5),
         {u"2026-01-30"_s, u"2026-02-27"_s, u"2026-03-27"_s}},
        {"the first Monday when the month starts on one", nthWeekday("2026-06-01", 1, 1),
         {u"2026-06-01"_s, u"2026-07-06"_s}},
        {"29 February yearly: the 28th between leap years", every(Period::Year, 1, "2024-02-29"),
         {u"2024-02-29"_s, u"2025-02-28"_s, u"2026-02-28"_s, u"2027-02-28"_s, u"2028-02-29"_s}},
        {"every other Friday across a month and a year end", every(Period::Week, 2, "2026-12-18"),
         {u"2026-12-18"_s, u"2027-01-01"_s, u"2027-01-15"_s}},
        {"every 10 days", every(Period::Day, 10, "2026-02-25"), {u"2026-02-25"_s, u"2026-03-07"_s, u"2026-03-17"_s}},
        {"a weekend moved to the Friday before",
         withWeekend(monthly("2026-02-01", 1), WeekendRule::Before),
         {u"2026-02-01>2026-01-30"_s, u"2026-03-01>2026-02-27"_s, u"2026-04-01"_s}},
        {"a weekend moved to the Monday after",
         withWeekend(monthly("2026-01-31", 31), WeekendRule::After),
         {u"2026-01-31>2026-02-02"_s, u"2026-02-28>2026-03-02"_s, u"2026-03-31"_s}},
        {"ends after 3 times", endingAfter(monthly("2026-01-01", 1), 3),
         {u"2026-01-01"_s, u"2026-02-01"_s, u"2026-03-01"_s}},
        {"ends after 2 times when the start's month is passed over", endingAfter(monthly("2026-01-20", 5), 2),
         {u"2026-02-05"_s, u"2026-03-05"_s}},
        {"ends on a date, its own day included", endingOn(monthly("2026-01-15", 15), "2026-03-15"),
         {u"2026-01-15"_s, u"2026-02-15"_s, u"2026-03-15"_s}},
        {"an end before the start: none", endingOn(monthly("2026-01-15", 15), "2026-01-14"), {}},
    };
    // One more is asked of a recurrence that ends, to see that it does.
    for (const Case &c : cases)
        EXPECT_EQ(walked(c.r, size_t(c.expected.size()) + (c.r.ending == Ending::Never ? 0 : 1)), c.expected) << c.what;
}

TEST(Recurrence, AWalkFromALaterDayMeetsTheWalkFromTheStart)
{
    // A jump that lands one period too far loses an occurrence; the
    // weekend's two days either way and the number of each must survive it.
    const Recurrence rs[] = {
        withWeekend(every(Period::Day, 1, "2020-01-01"), WeekendRule::After),
        withWeekend(every(Period::Day, 3, "2020-01-01"), WeekendRule::Before),
        every(Period::Day, 7, "2020-01-04"),
        withWeekend(every(Period::Week, 2, "2020-01-05"), WeekendRule::Before),
        withWeekend(monthly("2020-01-31", 31), WeekendRule::Before),
        withWeekend(monthly("2020-01-20", 1, 2), WeekendRule::After),
        lastDay("2020-03-03"),
        nthWeekday("2020-01-01", kLastWeek, 7),
        withWeekend(every(Period::Year, 1, "2020-02-29"), WeekendRule::After),
        endingAfter(monthly("2020-01-20", 5), 40),
    };
    for (const Recurrence &r : rs) {
        std::vector<OccurrenceDate> all;
        OccurrenceWalk whole(r);
        while (auto o = whole.next()) {
            if (o->date.year() > 2027)
                break;
            all.push_back(*o);
        }
        for (QDate from = d("2019-12-25"); from < d("2027-01-01"); from = from.addDays(11)) {
            const auto first = std::find_if(all.begin(), all.end(), [&](const OccurrenceDate &o) { return o.date >= from; });
            OccurrenceWalk jumped(r, from);
            for (auto it = first; it != all.end() && it < first + 3; ++it) {
                const std::optional<OccurrenceDate> o = jumped.next();
                ASSERT_TRUE(o.has_value()) << recurrenceText(r).toStdString() << " from " << from.toString(Qt::ISODate).toStdString();
                EXPECT_EQ(*o, *it) << recurrenceText(r).toStdString() << " from " << from.toString(Qt::ISODate).toStdString();
            }
        }
    }
}

TEST(Recurrence, ProblemsAreNamedAndWalkNothing)
{
    Recurrence noStart;
    EXPECT_EQ(recurrenceProblem(noStart), u"it has no start date"_s);
    EXPECT_FALSE(recurrenceProblem(monthly("2026-01-01", 32)).isEmpty());
    EXPECT_FALSE(recurrenceProblem(every(Period::Week, 0, "2026-01-01")).isEmpty());
    EXPECT_FALSE(recurrenceProblem(endingAfter(monthly("2026-01-01", 1), 0)).isEmpty());
    EXPECT_FALSE(recurrenceProblem(nthWeekday("2026-01-01", 5, 1)).isEmpty());
    EXPECT_TRUE(walked(monthly("2026-01-01", 32), 3).isEmpty());
}

TEST(Recurrence, InWords)
{
    EXPECT_EQ(recurrenceText(every(Period::Day, 1, "2026-01-01")), u"daily"_s);
    EXPECT_EQ(recurrenceText(every(Period::Day, 10, "2026-01-01")), u"every 10 days"_s);
    EXPECT_EQ(recurrenceText(every(Period::Week, 2, "2026-01-02")), u"every 2 weeks on Friday"_s);
    EXPECT_EQ(recurrenceText(monthly("2026-01-01", 1)), u"monthly on the 1st"_s);
    EXPECT_EQ(recurrenceText(monthly("2026-01-01", 22, 3)), u"every 3 months on the 22nd"_s);
    EXPECT_EQ(recurrenceText(monthly("2026-01-01", 13)), u"monthly on the 13th"_s);
    EXPECT_EQ(recurrenceText(lastDay("2026-01-01")), u"monthly on the last day"_s);
    EXPECT_EQ(recurrenceText(nthWeekday("2026-01-01", 2, 2)), u"monthly on the second Tuesday"_s);
    EXPECT_EQ(recurrenceText(nthWeekday("2026-01-01", kLastWeek, 5)), u"monthly on the last Friday"_s);
    EXPECT_EQ(recurrenceText(every(Period::Year, 1, "2026-03-03")), u"yearly on March 3"_s);
}

Schedule rent()
{
    Schedule s;
    s.id = 1;
    s.description = u"Rent"_s;
    s.amount = -120000;
    s.recurrence = withWeekend(monthly("2026-01-01", 1), WeekendRule::Before);
    return s;
}

QStringList days(const std::vector<Occurrence> &os)
{
    QStringList out;
    for (const Occurrence &o : os)
        out << o.when.scheduled.toString(Qt::ISODate);
    return out;
}

TEST(HandledOccurrences, EnteredOrSkippedOutOfOrderAreNeverOfferedAgain)
{
    Schedule s = rent();
    markHandled(s, d("2026-03-01")); // ahead of February, which is still open
    EXPECT_EQ(s.handledThrough, QDate());
    EXPECT_EQ(days(openOccurrences(s, {}, d("2026-04-30"))), (QStringList{u"2026-01-01"_s, u"2026-02-01"_s, u"2026-04-01"_s}));
    markHandled(s, d("2026-01-01"));
    markHandled(s, d("2026-02-01"));
    // January to March now say one date.
    EXPECT_EQ(s.handledThrough, d("2026-03-01"));
    EXPECT_TRUE(s.handledAlso.empty());
    EXPECT_EQ(days(openOccurrences(s, {}, d("2026-04-30"))), QStringList{u"2026-04-01"_s});
    // Its date moved before the weekend is not its name: April 1 is still open.
    ASSERT_TRUE(nextOpenOccurrence(s).has_value());
    EXPECT_EQ(nextOpenOccurrence(s)->when.scheduled, d("2026-04-01"));
}

TEST(HandledOccurrences, AnOccurrenceMovedBeforeItsDayIsStillFoundAfterTheMarks)
{
    // Handled through 2026-02-01; March 1 is a Sunday moved to Friday 27
    // February, which falls before a walk that started at the mark would look.
    Schedule s = rent();
    s.handledThrough = d("2026-02-01");
    const std::vector<Occurrence> open = openOccurrences(s, d("2026-02-02"), d("2026-02-28"));
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].when.date, d("2026-02-27"));
}

TEST(HandledOccurrences, AChangedRecurrenceForgetsMarksOnDaysItNoLongerHas)
{
    Schedule s = rent();
    markHandled(s, d("2026-03-01"));
    s.recurrence.day = 15;
    tidyHandled(s);
    EXPECT_TRUE(s.handledAlso.empty());
    EXPECT_EQ(days(openOccurrences(s, {}, d("2026-02-28"))), (QStringList{u"2026-01-15"_s, u"2026-02-15"_s}));
}

TEST(HandledOccurrences, EstimateToleranceIsWholeCentsOfTheAmount)
{
    Schedule s = rent();
    EXPECT_EQ(toleranceCents(s), 0) << "not an estimate";
    s.estimate = true;
    s.tolerance = 10;
    s.amount = -8555;
    EXPECT_EQ(toleranceCents(s), 856);
}

} // namespace
