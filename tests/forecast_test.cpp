// What the schedules say of the days ahead: the forecast and its lowest
// point, statement lines taken for occurrences, and schedules suggested by
// the register's own history.

#include "DateReader.h"
#include "Forecast.h"
#include "RunningBalance.h"
#include "ScheduleMatch.h"
#include "ScheduleSuggest.h"
#include "ScheduleText.h"

#include "ScheduleSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Schedule schedule(int id, const char *description, Cents amount, Period period, const char *start, int every = 1)
{
    Schedule s = ::schedule(description, amount, period, start, every);
    s.id = id;
    return s;
}

const QDate kToday = d("2026-03-10");

ScheduleBook household()
{
    ScheduleBook book;
    Schedule rent = schedule(1, "Rent", -120000, Period::Month, "2026-01-01");
    rent.recurrence.weekend = WeekendRule::Before;
    rent.handledThrough = d("2026-03-01");
    Schedule pay = schedule(2, "Paycheck", 150000, Period::Week, "2026-03-13", 2);
    Schedule power = schedule(3, "Evergy", -9000, Period::Month, "2026-03-15");
    power.estimate = true;
    power.tolerance = 10;
    Schedule gym = schedule(4, "Gym", -3000, Period::Month, "2026-03-05");
    book.schedules = {rent, pay, power, gym};
    return book;
}

// "date description amount balance", an overdue one marked.
QStringList rowsOf(const Forecast &f)
{
    QStringList out;
    for (const ForecastRow &r : f.rows)
        out << u"%1 %2 %3 %4%5"_s.arg(r.occurrence.when.date.toString(Qt::ISODate), r.description,
                                    moneyText(r.occurrence.amount), moneyText(r.balance),
                                    r.overdue ? u" overdue"_s : QString());
    return out;
}

TEST(Forecast, CarriesTheBalanceOnAndFindsItsLowestPoint)
{
    ScheduleBook book = household();
    book.reserve = 100000;
    const Forecast f = forecast(book, 50000, kToday, Horizon{30, false});
    EXPECT_EQ(f.until, d("2026-04-09"));
    EXPECT_EQ(rowsOf(f), (QStringList{u"2026-03-05 Gym -30.00 470.00 overdue"_s, u"2026-03-13 Paycheck 1500.00 1970.00"_s,
                                      u"2026-03-15 Evergy -90.00 1880.00"_s, u"2026-03-27 Paycheck 1500.00 3380.00"_s,
                                      u"2026-04-01 Rent -1200.00 2180.00"_s, u"2026-04-05 Gym -30.00 2150.00"_s}));
    // An overdue occurrence is money going out now: its low point is today.
    EXPECT_EQ(f.lowest, 47000);
    EXPECT_EQ(f.lowestDate, kToday);
    EXPECT_TRUE(f.underReserve());
    book.reserve = 47000;
    EXPECT_FALSE(forecast(book, 50000, kToday, Horizon{30, false}).underReserve()) << "reaching the reserve is not under it";
}

TEST(Forecast, OnOneDayMoneyGoesOutBeforeItComesIn)
{
    // The bank may book the paycheck after the rent: a forecast that put the
    // paycheck first would hide the overdraft.
    ScheduleBook book;
    Schedule pay = schedule(1, "Paycheck", 100000, Period::Month, "2026-04-01");
    Schedule rent = schedule(2, "Rent", -120000, Period::Month, "2026-04-01");
    book.schedules = {pay, rent};
    const Forecast f = forecast(book, 30000, kToday, Horizon{30, false});
    EXPECT_EQ(rowsOf(f), (QStringList{u"2026-04-01 Rent -1200.00 -900.00"_s, u"2026-04-01 Paycheck 1000.00 100.00"_s}));
    EXPECT_EQ(f.lowest, -90000);
    EXPECT_EQ(f.lowestDate, d("2026-04-01"));
}

TEST(Forecast, HorizonsEndWhereTheySay)
{
    const ScheduleBook book = household();
    // The last day is in it.
    EXPECT_EQ(forecast(book, 0, kToday, Horizon{3, false}).rows.size(), 2u);
    EXPECT_EQ(forecast(book, 0, kToday, Horizon{2, false}).rows.size(), 1u);
    // Until the next income: the paycheck's day, the paycheck included.
    const Forecast untilPay = forecast(book, 0, kToday, Horizon{0, true});
    EXPECT_EQ(untilPay.until, d("2026-03-13"));
    EXPECT_EQ(untilPay.rows.back().description, u"Paycheck"_s);
    // With no income scheduled, as far as the longest view.
    ScheduleBook bills = household();
    bills.schedules.erase(bills.schedules.begin() + 1);
    EXPECT_EQ(forecast(bills, 0, kToday, Horizon{0, true}).until, kToday.addDays(kUntilIncomeDefaultDays));
    // Nothing scheduled: the balance as it is, today.
    const Forecast none = forecast(ScheduleBook(), 1234, kToday, Horizon{90, false});
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.lowest, 1234);
    EXPECT_EQ(none.lowestDate, kToday);
}

// --- Statement lines meeting occurrences.

StatementLine line(const char *date, Cents amount, const char *check = "")
{
    StatementLine l;
    l.date = QString::fromLatin1(date);
    l.amount = amount;
    l.description = u"BANK TEXT"_s;
    l.checkNumber = QString::fromLatin1(check);
    return l;
}

ScheduleBook withInsurance()
{
    ScheduleBook book = household();
    Schedule insurance = schedule(5, "Insurance", -30000, Period::Month, "2026-03-20");
    insurance.checkNumber = u"1001"_s;
    book.schedules.push_back(insurance);
    return book;
}

TEST(ImportMeetsOccurrences, ALineMeetsAnOccurrenceOfItsAmountAFewDaysAway)
{
    const ScheduleBook book = withInsurance();
    const struct {
        const char *what;
        StatementLine line;
        const char *met; // description and scheduled date, or "" for none
    } cases[] = {
        {"the rent a day late", line("04/02/2026", -120000), "Rent 2026-04-01"},
        {"an estimate within its tolerance", line("03/20/2026", -9500), "Evergy 2026-03-15"},
        {"an estimate beyond it", line("03/20/2026", -10000), ""},
        {"an estimate's tolerance is for money out only", line("03/15/2026", 9000), ""},
        {"the rent six days late", line("04/07/2026", -120000), ""},
        {"an occurrence entered already", line("03/01/2026", -120000), ""},
        {"an overdue one", line("03/06/2026", -3000), "Gym 2026-03-05"},
        {"an upcoming one, paid early", line("04/30/2026", -3000), "Gym 2026-05-05"},
        {"the check it is written on", line("03/20/2026", -30000, "1001"), "Insurance 2026-03-20"},
        {"another check of that amount", line("03/20/2026", -30000, "1002"), ""},
        {"no check number on the line", line("03/21/2026", -30000), "Insurance 2026-03-20"},
        {"a date it cannot read", line("sometime", -3000), ""},
    };
    for (const auto &c : cases) {
        const std::vector<OccurrenceMeeting> met = meetOccurrences(book, {c.line}, kToday);
        QString got;
        if (!met.empty())
            got = book.find(met[0].occurrence.scheduleId)->description + u' '
                + met[0].occurrence.when.scheduled.toString(Qt::ISODate);
        EXPECT_EQ(got, QString::fromLatin1(c.met)) << c.what;
    }
    StatementLine unsure = line("03/06/2026", -3000);
    unsure.signUnknown = true;
    EXPECT_TRUE(meetOccurrences(book, {unsure}, kToday).empty()) << "a line whose sign is not known";
}

TEST(ImportMeetsOccurrences, AnOccurrenceMeetsOneLineTheNearest)
{
    const ScheduleBook book = household();
    // Two gym charges: the one nearer 03/05 is the occurrence, the other stays new.
    const std::vector<OccurrenceMeeting> met =
        meetOccurrences(book, {line("03/08/2026", -3000), line("03/04/2026", -3000)}, kToday);
    ASSERT_EQ(met.size(), 1u);
    EXPECT_EQ(met[0].line, 1u);
    // Two rents a month apart are two occurrences.
    EXPECT_EQ(meetOccurrences(book, {line("04/01/2026", -120000), line("05/01/2026", -120000)}, kToday).size(), 2u);
}

TEST(ImportMeetsOccurrences, TheLineEntersTheOccurrenceInTheSchedulesName)
{
    ScheduleBook book = withInsurance();
    book.schedules.back().category = u"Insurance"_s;
    const StatementLine l = line("03/21/2026", -30000);
    const std::vector<OccurrenceMeeting> met = meetOccurrences(book, {l}, kToday);
    ASSERT_EQ(met.size(), 1u);
    Record r;
    r.set(Key::DescriptionofTransaction, Value::text(l.description));
    r.set(Key::Date, Value::text(l.date));
    r.set(Key::CheckNumber, Value::text(u""));
    takeOccurrence(r, *book.find(met[0].occurrence.scheduleId));
    EXPECT_EQ(r.value(Key::DescriptionofTransaction).toString(), u"Insurance"_s);
    EXPECT_EQ(r.value(Key::CheckNumber).toString(), u"1001"_s);
    EXPECT_EQ(r.value(Key::Date).toString(), u"03/21/2026"_s) << "the bank's date stays";
    EXPECT_EQ(r.value(kCategoryKey).toString(), u"Insurance"_s);
    markMet(book, met);
    for (const Occurrence &o : dueOccurrences(book, d("2026-03-31")))
        EXPECT_NE(o.scheduleId, 5) << "not offered again";
}

// --- Suggestions.

RecordPtr row(QDate date, const char *description, Cents amount)
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(u""));
    r->set(Key::Date, Value::text(fileDateText(date)));
    r->set(Key::DescriptionofTransaction, Value::text(QString::fromUtf8(description)));
    r->set(Key::Amount, Value::money(amount));
    return r;
}

Register aYearOfHistory()
{
    Register reg;
    reg.append(row(d("2025-03-01"), "Opening", 100000));
    std::vector<RecordPtr> rows;
    for (int m = 0; m < 12; ++m) {
        const QDate first = d("2025-04-01").addMonths(m);
        // November 1st 2025 is a Saturday: paid the Friday before.
        rows.push_back(row(first.dayOfWeek() == 6 ? first.addDays(-1) : first, "Rent", -120000));
    }
    for (QDate pay = d("2025-09-05"); pay <= kToday; pay = pay.addDays(14))
        rows.push_back(row(pay, "Paycheck", 185000));
    const Cents power[] = {-8000, -8500, -9000, -9200, -9500, -9700};
    for (int m = 0; m < 6; ++m)
        rows.push_back(row(d("2025-09-15").addMonths(m), "Evergy", power[m]));
    for (int m = 0; m < 6; ++m) // ended a long time ago
        rows.push_back(row(d("2025-01-10").addMonths(m), "Old Gym", -3000));
    for (int m = 0; m < 6; ++m) // scheduled already
        rows.push_back(row(d("2025-10-09").addMonths(m), "Netflix", -1549));
    const int groceries[] = {1, 2, 4, 5, 9, 10, 11, 15, 18, 19, 23, 24, 29};
    for (int day : groceries)
        rows.push_back(row(d("2026-02-01").addDays(day), "Hy-Vee", -4000 - day * 37));
    std::stable_sort(rows.begin(), rows.end(), [](const RecordPtr &a, const RecordPtr &b) {
        return readDate(a->value(Key::Date).toString(), kToday) < readDate(b->value(Key::Date).toString(), kToday);
    });
    for (RecordPtr &r : rows)
        reg.append(r);
    recalculateCheckbook(reg);
    return reg;
}

TEST(Suggest, PayeesThatComeRoundRegularlyWithTheirEvidence)
{
    const Register reg = aYearOfHistory();
    ScheduleBook book;
    book.schedules = {schedule(1, "NETFLIX ", -1549, Period::Month, "2026-03-09")};
    const std::vector<Suggestion> found = suggestSchedules(reg, book, kToday);
    QStringList evidence;
    for (const Suggestion &s : found)
        evidence << s.evidence;
    EXPECT_EQ(evidence, (QStringList{u"Paycheck: 14 times, every 2 weeks on Friday, 1850.00"_s,
                                     u"Rent: 12 times, monthly on the 1st, -1200.00"_s,
                                     u"Evergy: 6 times, monthly on the 15th, about -90.00"_s}));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_TRUE(found[2].schedule.estimate);
    EXPECT_EQ(found[2].schedule.tolerance, 15);
    // Taken, a suggestion does not offer again what the register holds.
    for (const Suggestion &s : found) {
        ScheduleBook taken;
        taken.schedules = {s.schedule};
        taken.schedules[0].id = 1;
        EXPECT_TRUE(dueOccurrences(taken, kToday).empty()) << s.evidence.toStdString();
        EXPECT_TRUE(nextOpenOccurrence(taken.schedules[0]).has_value());
    }
    EXPECT_EQ(nextOpenOccurrence(found[1].schedule)->when.scheduled, d("2026-04-01"));
    EXPECT_EQ(nextOpenOccurrence(found[0].schedule)->when.scheduled, d("2026-03-20"));
}

TEST(Suggest, ARentPaidTheFridayBeforeIsThatMonthsRent)
{
    // 1 November 2025 is a Saturday: the rent of 31 October is November's, so
    // the next to come is December's, and the run is not broken by it.
    Register reg;
    reg.append(row(d("2025-07-01"), "Opening", 100000));
    for (const char *paid : {"2025-08-01", "2025-09-01", "2025-10-01", "2025-10-31"})
        reg.append(row(d(paid), "Rent", -120000));
    const std::vector<Suggestion> found = suggestSchedules(reg, ScheduleBook(), d("2025-11-10"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].times, 4);
    EXPECT_EQ(nextOpenOccurrence(found[0].schedule)->when.scheduled, d("2025-12-01"));
}

} // namespace
