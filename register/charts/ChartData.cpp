#include "ChartData.h"

#include "CutForShowing.h"
#include "DateReader.h"
#include "Progress.h"
#include "RunningBalance.h"

#include <QHash>

#include <algorithm>
#include <map>

namespace {

QDate monthStart(QDate day) { return QDate(day.year(), day.month(), 1); }

// Money in and out per month (or year), the empty ones between included.
void addFlows(ChartData &data, const std::map<int, MoneyFlow> &months, int maxBars)
{
    if (months.empty())
        return;
    const int first = months.begin()->first;
    const int last = months.rbegin()->first;
    data.flowsByYear = last - first + 1 > maxBars;
    std::map<int, MoneyFlow> groups;
    if (data.flowsByYear) {
        for (const auto &[index, flow] : months) {
            MoneyFlow &year = groups[flow.start.year()];
            year.start = QDate(flow.start.year(), 1, 1);
            year.in = addCents(year.in, flow.in);
            year.out = addCents(year.out, flow.out);
        }
    } else {
        groups = months;
    }
    const int firstGroup = groups.begin()->first;
    const int lastGroup = groups.rbegin()->first;
    // Years beyond what the chart shows keep only the latest.
    const int from = std::max(firstGroup, lastGroup - maxBars + 1);
    for (int index = from; index <= lastGroup; ++index) {
        const auto found = groups.find(index);
        if (found != groups.end()) {
            data.flows.push_back(found->second);
            continue;
        }
        MoneyFlow empty;
        empty.start = data.flowsByYear ? QDate(index, 1, 1) : QDate(index / 12, index % 12 + 1, 1);
        data.flows.push_back(empty);
    }
}

} // namespace

DateSpan periodSpan(ChartPeriod period, QDate today)
{
    const QDate month = monthStart(today);
    const QDate monthEnd = month.addMonths(1).addDays(-1);
    switch (period) {
    case ChartPeriod::All:
        return {};
    case ChartPeriod::ThisMonth:
        return {month, monthEnd};
    case ChartPeriod::LastThreeMonths:
        return {month.addMonths(-2), monthEnd};
    case ChartPeriod::LastTwelveMonths:
        return {month.addMonths(-11), monthEnd};
    case ChartPeriod::ThisYear:
        return {QDate(today.year(), 1, 1), QDate(today.year(), 12, 31)};
    case ChartPeriod::LastYear:
        return {QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    }
    return {};
}

ChartData chartData(const Register &reg, const DateSpan &span, QDate today, int maxBars, int payeeLimit,
                    Progress *progress)
{
    ChartData data;
    SuccessiveDates dates(today);
    std::map<int, MoneyFlow> months;
    QHash<QString, PayeeTotal> payees;
    bool inOrder = true;
    for (int row = 0; row < reg.count(); ++row) {
        if (progress && row % 65536 == 0)
            progress->advance(row, reg.count());
        const Record &record = reg[row];
        const std::optional<QDate> day = dates.read(record.value(Key::Date));
        if (!day) {
            ++data.unreadableDates;
            continue;
        }
        if (!span.contains(*day))
            continue;
        const Cents total = record.value(Key::Total).centsOrZero();
        if (!data.balance.empty() && data.balance.back().day == *day)
            data.balance.back().balance = total;
        else {
            inOrder = inOrder && (data.balance.empty() || data.balance.back().day < *day);
            data.balance.push_back({*day, total});
        }
        if (row == 0)
            continue; // the opening balance came from no one
        const Cents amount = record.value(Key::Amount).centsOrZero();
        MoneyFlow &flow = months[day->year() * 12 + day->month() - 1];
        flow.start = monthStart(*day);
        if (amount >= 0)
            flow.in = addCents(flow.in, amount);
        else
            flow.out = addCents(flow.out, -amount);
        // Payees are shown by name in a table and on an axis: each as it is
        // shown, cut, so that a description of millions of characters
        // neither freezes the charts nor crashes them.
        const QString payee = cutForShowing(record.value(Key::DescriptionofTransaction));
        if (payee.isEmpty())
            continue;
        PayeeTotal &spent = payees[payee];
        spent.spent = addCents(spent.spent, -amount);
        ++spent.count;
    }
    if (!inOrder) {
        // A register not in date order: a day's balance is still the one
        // after its last row in the register.
        std::stable_sort(data.balance.begin(), data.balance.end(),
                         [](const BalancePoint &a, const BalancePoint &b) { return a.day < b.day; });
        std::vector<BalancePoint> days;
        for (const BalancePoint &p : data.balance) {
            if (!days.empty() && days.back().day == p.day)
                days.back() = p;
            else
                days.push_back(p);
        }
        data.balance = std::move(days);
    }
    addFlows(data, months, maxBars);
    for (auto it = payees.begin(); it != payees.end(); ++it) {
        if (it->spent <= 0)
            continue;
        PayeeTotal total = *it;
        total.payee = it.key();
        data.payees.push_back(std::move(total));
    }
    std::sort(data.payees.begin(), data.payees.end(), [](const PayeeTotal &a, const PayeeTotal &b) {
        return a.spent != b.spent ? a.spent > b.spent : a.payee < b.payee;
    });
    if (data.payees.size() > size_t(std::max(0, payeeLimit)))
        data.payees.resize(size_t(std::max(0, payeeLimit)));
    return data;
}

std::vector<BalancePoint> reducedForWidth(const std::vector<BalancePoint> &points, int buckets)
{
    if (buckets <= 0 || points.size() <= size_t(buckets) * 4)
        return points;
    const qint64 first = points.front().day.toJulianDay();
    const qint64 days = points.back().day.toJulianDay() - first + 1;
    std::vector<BalancePoint> out;
    size_t i = 0;
    while (i < points.size()) {
        const qint64 bucket = (points[i].day.toJulianDay() - first) * buckets / days;
        size_t end = i;
        size_t low = i, high = i;
        while (end < points.size() && (points[end].day.toJulianDay() - first) * buckets / days == bucket) {
            if (points[end].balance < points[low].balance)
                low = end;
            if (points[end].balance > points[high].balance)
                high = end;
            ++end;
        }
        std::vector<size_t> kept{i, low, high, end - 1};
        std::sort(kept.begin(), kept.end());
        kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
        for (size_t k : kept)
            out.push_back(points[k]);
        i = end;
    }
    return out;
}
