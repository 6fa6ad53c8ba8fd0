#include "ScheduleSuggest.h"

#include "DateReader.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>

using namespace Qt::StringLiterals;

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Schedules)
};

struct Seen {
    QDate date;
    Cents amount;
    int row;
};

struct Payee {
    QString description; // as the latest row writes it
    std::vector<Seen> seen;
};

QString payeeKey(const QString &description) { return description.simplified().toCaseFolded(); }

qint64 monthNumber(QDate d) { return qint64(d.year()) * 12 + (d.month() - 1); }

// A candidate interval and how a run of rows fits it.
struct Pattern {
    Recurrence recurrence;
    int times = 0;
};

// Weekly runs: every gap k weeks, a day either way for a holiday.
Pattern weeklyRun(const std::vector<Seen> &seen, int weeks)
{
    Pattern p;
    p.recurrence.period = Period::Week;
    p.recurrence.every = weeks;
    p.recurrence.start = seen.back().date;
    int times = 1;
    for (size_t i = seen.size() - 1; i > 0; --i) {
        const qint64 gap = seen[i - 1].date.daysTo(seen[i].date);
        if (std::llabs(gap - 7 * weeks) > 1)
            break;
        ++times;
    }
    p.times = times;
    return p;
}

// The day a monthly occurrence is expected on in a month (numbered as monthNumber does).
QDate expectedIn(qint64 month, const Recurrence &r)
{
    const QDate first(int(month / 12), int(month % 12) + 1, 1);
    const int last = first.daysInMonth();
    return first.addDays((r.monthlyOn == MonthlyOn::LastDay ? last : std::min(r.day, last)) - 1);
}

// Monthly runs: every gap k months, on one day of the month (three days
// either way, for weekends and holidays: the rent paid on Friday 31 October
// is November's) or on the month's last day.
Pattern monthlyRun(const std::vector<Seen> &seen, int months)
{
    Pattern p;
    Recurrence &r = p.recurrence;
    r.period = months == 12 ? Period::Year : Period::Month;
    r.every = months == 12 ? 1 : months;
    // The day most of the latest rows fall on, and whether they keep to the
    // month's end rather than to one day.
    const size_t looked = std::min<size_t>(seen.size(), 24);
    std::array<int, 32> count{};
    bool nearEnd = true;
    for (size_t i = seen.size() - looked; i < seen.size(); ++i) {
        ++count[size_t(seen[i].date.day())];
        nearEnd = nearEnd && seen[i].date.daysInMonth() - seen[i].date.day() <= 2;
    }
    r.day = int(std::max_element(count.begin(), count.end()) - count.begin());
    if (nearEnd && count[size_t(r.day)] < int(looked) && r.period == Period::Month)
        r.monthlyOn = MonthlyOn::LastDay;
    // The run, from the latest row back, each in the month whose day it is nearest.
    int times = 0;
    qint64 previous = 0;
    qint64 latest = 0;
    for (size_t i = seen.size(); i-- > 0;) {
        const QDate date = seen[i].date;
        std::optional<qint64> month;
        for (qint64 m = monthNumber(date) - 1; m <= monthNumber(date) + 1; ++m)
            if (std::llabs(expectedIn(m, r).daysTo(date)) <= 3)
                month = m;
        if (!month || (times > 0 && previous - *month != months))
            break;
        if (times == 0)
            latest = *month;
        previous = *month;
        ++times;
    }
    p.times = times;
    if (times > 0)
        r.start = expectedIn(latest, r);
    return p;
}

// The amount a run says, and how far its amounts stray from it (in percent,
// rounded up to 5); nothing when they stray too far or change sign.
std::optional<std::pair<Cents, int>> runAmount(const std::vector<Seen> &run)
{
    std::vector<Cents> amounts;
    for (const Seen &s : run)
        amounts.push_back(s.amount);
    std::sort(amounts.begin(), amounts.end());
    if (amounts.front() < 0 && amounts.back() > 0)
        return std::nullopt;
    if (amounts.front() == amounts.back())
        return std::pair(run.back().amount, 0);
    const Cents middle = amounts[amounts.size() / 2];
    if (middle == 0)
        return std::nullopt;
    Cents most = 0;
    for (Cents a : amounts)
        most = std::max<Cents>(most, std::llabs(a - middle));
    const qint64 percent = (most * 100 + std::llabs(middle) - 1) / std::llabs(middle);
    if (percent > kMostEstimateTolerance)
        return std::nullopt;
    return std::pair(middle, int(std::max<qint64>(5, (percent + 4) / 5 * 5)));
}

qint64 periodDays(const Recurrence &r)
{
    switch (r.period) {
    case Period::Day: return r.every;
    case Period::Week: return 7 * r.every;
    case Period::Month: return 31 * r.every;
    case Period::Year: return 366 * r.every;
    }
    return 0;
}

std::optional<Suggestion> suggestionFor(const Payee &payee, QDate today)
{
    const std::vector<Seen> &seen = payee.seen;
    if (seen.size() < size_t(kLeastTimes))
        return std::nullopt;
    Pattern best;
    for (int weeks : {1, 2, 4})
        if (Pattern p = weeklyRun(seen, weeks); p.times > best.times)
            best = p;
    for (int months : {1, 2, 3, 6, 12})
        if (Pattern p = monthlyRun(seen, months); p.times > best.times)
            best = p;
    if (best.times < kLeastTimes)
        return std::nullopt;
    // Gone quiet for two intervals: it has probably ended.
    const QDate last = seen.back().date;
    if (last.daysTo(today) > 2 * periodDays(best.recurrence))
        return std::nullopt;
    const std::vector<Seen> run(seen.end() - best.times, seen.end());
    const std::optional<std::pair<Cents, int>> amount = runAmount(run);
    if (!amount)
        return std::nullopt;
    Suggestion suggestion;
    Schedule &s = suggestion.schedule;
    s.description = payee.description;
    s.amount = amount->first;
    s.estimate = amount->second > 0;
    s.tolerance = amount->second;
    s.recurrence = best.recurrence;
    // The latest row is an occurrence already: the one scheduled nearest it.
    s.handledThrough = last;
    OccurrenceWalk walk(s.recurrence, last.addDays(-4));
    while (std::optional<OccurrenceDate> o = walk.next()) {
        if (std::llabs(o->scheduled.daysTo(last)) <= 3) {
            s.handledThrough = std::max(last, o->scheduled);
            break;
        }
        if (o->scheduled > last.addDays(3))
            break;
    }
    suggestion.times = best.times;
    const QString money = s.estimate ? Words::tr("about %1").arg(moneyText(s.amount)) : moneyText(s.amount);
    suggestion.evidence = Words::tr("%1: %n times, %2, %3", nullptr, best.times)
                              .arg(s.description, recurrenceText(s.recurrence), money);
    return suggestion;
}

} // namespace

std::vector<Suggestion> suggestSchedules(const Register &reg, const ScheduleBook &book, QDate today)
{
    QSet<QString> scheduled;
    for (const Schedule &s : book.schedules)
        if (s.isReadable())
            scheduled.insert(payeeKey(s.description));
    QHash<QString, Payee> payees;
    SuccessiveDates dates(today);
    // What came round three times, yearly at most, shows in the last years.
    const QDate earliest = today.addYears(-kLookedBackYears);
    for (int row = 1; row < reg.count(); ++row) {
        const Record &r = reg[row];
        const std::optional<QDate> date = dates.read(r.value(Key::Date));
        if (!date || *date < earliest || *date > today)
            continue;
        const CentsReading amount = r.value(Key::Amount).cents();
        const QString description = r.value(Key::DescriptionofTransaction).toString();
        if (!amount.ok() || amount.cents == 0 || description.trimmed().isEmpty())
            continue;
        const QString key = payeeKey(description);
        if (scheduled.contains(key))
            continue;
        Payee &p = payees[key];
        p.description = description.simplified();
        p.seen.push_back({*date, amount.cents, row});
    }
    std::vector<Suggestion> suggestions;
    for (Payee &p : payees) {
        std::stable_sort(p.seen.begin(), p.seen.end(), [](const Seen &a, const Seen &b) { return a.date < b.date; });
        if (std::optional<Suggestion> s = suggestionFor(p, today))
            suggestions.push_back(std::move(*s));
    }
    std::sort(suggestions.begin(), suggestions.end(), [](const Suggestion &a, const Suggestion &b) {
        return a.times != b.times ? a.times > b.times : a.schedule.description < b.schedule.description;
    });
    return suggestions;
}
