#include "ScheduleMatch.h"

#include "DateReader.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>
#include <unordered_set>

std::vector<OccurrenceMeeting> meetOccurrences(const ScheduleBook &book, const std::vector<StatementLine> &lines,
                                               QDate today)
{
    std::vector<OccurrenceMeeting> met;
    std::vector<QDate> dates(lines.size());
    QDate first, last;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].signUnknown)
            continue;
        if (const std::optional<QDate> d = readDate(lines[i].date, today)) {
            dates[i] = *d;
            first = first.isValid() ? std::min(first, *d) : *d;
            last = last.isValid() ? std::max(last, *d) : *d;
        }
    }
    if (!first.isValid())
        return met;
    // The open occurrences the lines' dates reach, by date.
    std::multimap<QDate, const Occurrence *> byDate;
    std::vector<std::vector<Occurrence>> open(book.schedules.size());
    for (size_t i = 0; i < book.schedules.size(); ++i) {
        open[i] = openOccurrences(book.schedules[i], first.addDays(-kMeetDays), last.addDays(kMeetDays));
        for (const Occurrence &o : open[i])
            byDate.emplace(o.when.date, &o);
    }
    struct Pair {
        qint64 days;
        Cents apart;
        size_t line;
        const Occurrence *occurrence;
    };
    std::vector<Pair> pairs;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!dates[i].isValid())
            continue;
        const StatementLine &line = lines[i];
        for (auto it = byDate.lower_bound(dates[i].addDays(-kMeetDays));
             it != byDate.end() && it->first <= dates[i].addDays(kMeetDays); ++it) {
            const Occurrence &o = *it->second;
            const Schedule &s = *book.find(o.scheduleId);
            const Cents apart = std::llabs(line.amount - o.amount);
            const bool sameSign = (line.amount < 0) == (o.amount < 0);
            const bool checksAgree =
                s.checkNumber.isEmpty() || line.checkNumber.isEmpty() || s.checkNumber == line.checkNumber;
            if (sameSign && apart <= toleranceCents(s) && checksAgree)
                pairs.push_back({std::llabs(dates[i].daysTo(o.when.date)), apart, i, &o});
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair &a, const Pair &b) {
        return std::tuple(a.days, a.apart, a.line) < std::tuple(b.days, b.apart, b.line);
    });
    std::vector<bool> lineTaken(lines.size());
    std::unordered_set<const Occurrence *> taken;
    for (const Pair &p : pairs) {
        if (lineTaken[p.line] || !taken.insert(p.occurrence).second)
            continue;
        lineTaken[p.line] = true;
        met.push_back({p.line, *p.occurrence});
    }
    std::sort(met.begin(), met.end(), [](const auto &a, const auto &b) { return a.line < b.line; });
    return met;
}

void takeOccurrence(Record &record, const Schedule &s)
{
    if (!s.description.isEmpty())
        record.set(Key::DescriptionofTransaction, Value::text(s.description));
    if (!s.checkNumber.isEmpty() && record.value(Key::CheckNumber).toString().isEmpty())
        record.set(Key::CheckNumber, Value::text(s.checkNumber));
    if (!s.category.isEmpty())
        record.set(kCategoryKey, Value::text(s.category));
}

void markMet(ScheduleBook &book, const std::vector<OccurrenceMeeting> &met)
{
    for (const OccurrenceMeeting &m : met)
        if (Schedule *s = book.find(m.occurrence.scheduleId))
            markHandled(*s, m.occurrence.when.scheduled);
}
