#include "MergeOrder.h"

#include "DateReader.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kUndated = std::numeric_limits<qint64>::max();

qint64 dayOf(const Record &record, QDate today)
{
    const std::optional<QDate> date =
        record.value(Key::Date).visitText([&](auto text) { return readDate(text, today); });
    return date ? date->toJulianDay() : kUndated;
}

// Which entry stands at each row of a side.
std::vector<int> entriesByRow(const std::vector<OrderEntry> &entries, int count, int OrderEntry::*row)
{
    std::vector<int> at(size_t(count), -1);
    for (size_t e = 0; e < entries.size(); ++e)
        if (entries[e].*row >= 0)
            at[size_t(entries[e].*row)] = int(e);
    return at;
}

// Whether a side holds the rows that all three hold in another order than
// the base.
bool reordered(const std::vector<OrderEntry> &entries, const std::vector<int> &byRow)
{
    int last = -1;
    for (int e : byRow) {
        if (e < 0)
            continue;
        const OrderEntry &entry = entries[size_t(e)];
        if (entry.base < 0 || entry.mine < 0 || entry.theirs < 0)
            continue;
        if (entry.base < last)
            return true;
        last = entry.base;
    }
    return false;
}

} // namespace

std::vector<size_t> mergedOrder(const std::vector<OrderEntry> &entries, int mineCount, int theirsCount, QDate today,
                                bool *fromTheirs)
{
    const std::vector<int> byMine = entriesByRow(entries, mineCount, &OrderEntry::mine);
    const std::vector<int> byTheirs = entriesByRow(entries, theirsCount, &OrderEntry::theirs);
    const bool mineReordered = reordered(entries, byMine);
    const bool theirsReordered = reordered(entries, byTheirs);
    const bool keepTheirs = theirsReordered && !mineReordered;
    if (fromTheirs)
        *fromTheirs = keepTheirs;
    const std::vector<int> &keptRows = keepTheirs ? byTheirs : byMine;
    const std::vector<int> &otherRows = keepTheirs ? byMine : byTheirs;
    const int OrderEntry::*otherRow = keepTheirs ? &OrderEntry::mine : &OrderEntry::theirs;

    std::vector<int> skeleton; // entries in the kept side's order
    std::vector<int> position(entries.size(), -1);
    for (int e : keptRows) {
        if (e < 0)
            continue;
        position[size_t(e)] = int(skeleton.size());
        skeleton.push_back(e);
    }
    // The other side's rows, each with the kept row it follows there.
    struct Other {
        int entry;
        int anchor; // a position in skeleton, -1 for the start
        int slot = 0; // goes before skeleton[slot]
    };
    std::vector<Other> others;
    int anchor = -1;
    for (int e : otherRows) {
        if (e < 0)
            continue;
        if (position[size_t(e)] >= 0)
            anchor = position[size_t(e)];
        else
            others.push_back({e, anchor});
    }

    std::vector<qint64> days(entries.size(), kUndated - 1); // kUndated - 1: not read yet
    const auto day = [&](int e) {
        qint64 &d = days[size_t(e)];
        if (d == kUndated - 1)
            d = dayOf(*entries[size_t(e)].record, today);
        return d;
    };
    const bool keptSideSorted = keepTheirs ? theirsReordered : mineReordered;
    bool byDateAlone = keptSideSorted && !others.empty();
    if (byDateAlone) {
        // An undated opening row stays first, as the sort leaves it.
        for (size_t p = 1; p < skeleton.size() && byDateAlone; ++p)
            byDateAlone = day(skeleton[p - 1]) <= day(skeleton[p]);
    }
    if (byDateAlone) {
        const size_t start = !skeleton.empty() && day(skeleton[0]) == kUndated ? 1 : 0;
        for (Other &o : others) {
            const qint64 d = day(o.entry);
            o.slot = int(std::upper_bound(skeleton.begin() + qsizetype(start), skeleton.end(), d,
                                          [&](qint64 v, int e) { return v < day(e); }) -
                         skeleton.begin());
        }
    } else {
        // After the row each follows, among the rows the kept side added
        // there (those the other side does not hold), by date.
        std::stable_sort(others.begin(), others.end(), [](const Other &a, const Other &b) { return a.anchor < b.anchor; });
        size_t i = 0;
        while (i < others.size()) {
            const int at = others[i].anchor;
            int gap = at + 1;
            int gapEnd = gap;
            while (gapEnd < int(skeleton.size()) && entries[size_t(skeleton[size_t(gapEnd)])].*otherRow < 0)
                ++gapEnd;
            for (; i < others.size() && others[i].anchor == at; ++i) {
                const qint64 d = day(others[i].entry);
                while (gap < gapEnd && !(d < day(skeleton[size_t(gap)])))
                    ++gap;
                others[i].slot = gap;
            }
        }
    }
    std::stable_sort(others.begin(), others.end(), [](const Other &a, const Other &b) { return a.slot < b.slot; });

    std::vector<size_t> order;
    order.reserve(skeleton.size() + others.size());
    size_t o = 0;
    for (size_t p = 0; p <= skeleton.size(); ++p) {
        for (; o < others.size() && others[o].slot == int(p); ++o)
            order.push_back(size_t(others[o].entry));
        if (p < skeleton.size())
            order.push_back(size_t(skeleton[p]));
    }
    return order;
}
