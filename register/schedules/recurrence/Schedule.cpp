#include "Schedule.h"

#include <algorithm>
#include <cstdlib>

Cents toleranceCents(const Schedule &s)
{
    if (!s.estimate)
        return 0;
    // Whole cents, rounded half up, without a floating-point product.
    const Cents magnitude = s.amount < 0 ? -s.amount : s.amount;
    return (magnitude * std::clamp(s.tolerance, 0, 100) + 50) / 100;
}

bool isHandled(const Schedule &s, QDate scheduled)
{
    if (s.handledThrough.isValid() && scheduled <= s.handledThrough)
        return true;
    return std::find(s.handledAlso.begin(), s.handledAlso.end(), scheduled) != s.handledAlso.end();
}

namespace {

// The walk over the occurrences scheduled after handledThrough: an
// occurrence moved before a weekend may fall two days before its day.
OccurrenceWalk walkAfterHandled(const Schedule &s, QDate from = {})
{
    QDate start = from;
    if (s.handledThrough.isValid() && (!start.isValid() || start < s.handledThrough.addDays(-2)))
        start = s.handledThrough.addDays(-2);
    return OccurrenceWalk(s.recurrence, start);
}

void advanceOverHandled(Schedule &s)
{
    std::sort(s.handledAlso.begin(), s.handledAlso.end());
    s.handledAlso.erase(std::unique(s.handledAlso.begin(), s.handledAlso.end()), s.handledAlso.end());
    OccurrenceWalk walk = walkAfterHandled(s);
    while (std::optional<OccurrenceDate> o = walk.next()) {
        if (s.handledThrough.isValid() && o->scheduled <= s.handledThrough)
            continue;
        const auto found = std::find(s.handledAlso.begin(), s.handledAlso.end(), o->scheduled);
        if (found == s.handledAlso.end())
            break;
        s.handledThrough = o->scheduled;
        s.handledAlso.erase(found);
    }
    // Marks at or before handledThrough say nothing more.
    std::erase_if(s.handledAlso, [&](QDate d) { return s.handledThrough.isValid() && d <= s.handledThrough; });
}

} // namespace

void markHandled(Schedule &s, QDate scheduled)
{
    if (isHandled(s, scheduled))
        return;
    s.handledAlso.push_back(scheduled);
    advanceOverHandled(s);
}

void tidyHandled(Schedule &s)
{
    std::erase_if(s.handledAlso, [&](QDate d) {
        OccurrenceWalk walk(s.recurrence, d.addDays(-2));
        while (std::optional<OccurrenceDate> o = walk.next()) {
            if (o->scheduled == d)
                return false;
            if (o->scheduled > d)
                break;
        }
        return true;
    });
    advanceOverHandled(s);
}

std::vector<Occurrence> openOccurrences(const Schedule &s, QDate from, QDate through, size_t max)
{
    std::vector<Occurrence> found;
    if (!s.isReadable())
        return found;
    OccurrenceWalk walk = walkAfterHandled(s, from);
    while (found.size() < max) {
        const std::optional<OccurrenceDate> o = walk.next();
        // Moved dates keep the order of scheduled ones, so the first past
        // the last day ends the walk.
        if (!o || (through.isValid() && o->date > through))
            break;
        if (isHandled(s, o->scheduled))
            continue;
        found.push_back({s.id, *o, s.amount});
    }
    return found;
}

std::optional<Occurrence> nextOpenOccurrence(const Schedule &s)
{
    std::vector<Occurrence> first = openOccurrences(s, {}, {}, 1);
    if (first.empty())
        return std::nullopt;
    return first.front();
}
