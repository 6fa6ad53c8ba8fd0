#include "Forecast.h"

#include "RunningBalance.h"

#include <QSettings>

#include <algorithm>
#include <tuple>

namespace {

// The first income after today, within the furthest the forecast looks.
QDate nextIncome(const ScheduleBook &book, QDate today)
{
    QDate first;
    const QDate furthest = today.addDays(kUntilIncomeMostDays);
    for (const Schedule &s : book.schedules) {
        if (s.amount <= 0)
            continue;
        for (const Occurrence &o : openOccurrences(s, today.addDays(1), furthest, 1))
            if (!first.isValid() || o.when.date < first)
                first = o.when.date;
    }
    return first;
}

} // namespace

Forecast forecast(const ScheduleBook &book, Cents balance, QDate today, Horizon horizon)
{
    Forecast f;
    f.today = today;
    f.startBalance = balance;
    f.reserve = book.reserve;
    f.lowest = balance;
    f.lowestDate = today;
    if (horizon.untilIncome) {
        const QDate income = nextIncome(book, today);
        f.until = income.isValid() ? income : today.addDays(kUntilIncomeDefaultDays);
    } else {
        f.until = today.addDays(std::clamp(horizon.days, 0, kMostForecastDays));
    }
    struct Entry {
        QDate day; // an overdue one counts today
        bool in;
        size_t schedule;
        ForecastRow row;
    };
    std::vector<Entry> entries;
    for (size_t i = 0; i < book.schedules.size(); ++i) {
        const Schedule &s = book.schedules[i];
        for (const Occurrence &o : openOccurrences(s, {}, f.until)) {
            const bool overdue = o.when.date < today;
            entries.push_back({overdue ? today : o.when.date, o.amount > 0, i, {o, s.description, 0, overdue}});
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return std::tuple(a.day, a.in, a.row.occurrence.when.date, a.schedule)
            < std::tuple(b.day, b.in, b.row.occurrence.when.date, b.schedule);
    });
    f.rows.reserve(entries.size());
    for (Entry &e : entries) {
        balance = addCents(balance, e.row.occurrence.amount);
        e.row.balance = balance;
        if (balance < f.lowest) {
            f.lowest = balance;
            f.lowestDate = e.day;
        }
        f.rows.push_back(std::move(e.row));
    }
    return f;
}

Cents lastBalance(const Register &reg)
{
    return reg.isEmpty() ? 0 : reg[reg.count() - 1].value(Key::Total).centsOrZero();
}

namespace {

// 0: until the next income.
constexpr QLatin1StringView kHorizonSetting("schedules/forecastDays");

} // namespace

Horizon storedHorizon()
{
    const int days = QSettings().value(kHorizonSetting, 30).toInt();
    if (days <= 0)
        return {kUntilIncomeDefaultDays, true};
    return {std::min(days, kMostForecastDays), false};
}

void storeHorizon(Horizon horizon) { QSettings().setValue(kHorizonSetting, horizon.untilIncome ? 0 : horizon.days); }
