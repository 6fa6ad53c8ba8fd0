#include "CategoryTotals.h"

#include "Category.h"
#include "RunningBalance.h"
#include "Splits.h"

#include <algorithm>

namespace {

int monthIndex(QDate day) { return day.year() * 12 + day.month() - 1; }
QDate monthOf(int index) { return QDate(index / 12, index % 12 + 1, 1); }

// Month first, then the category as people read it; no category last.
bool before(const CategoryTotal &a, const CategoryTotal &b)
{
    if (a.month != b.month)
        return a.month < b.month;
    if (a.category.isEmpty() != b.category.isEmpty())
        return b.category.isEmpty();
    const int folded = QString::compare(a.category, b.category, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.category < b.category;
}

} // namespace

CategoryTally::CategoryTally(CategoryPeriod period, QDate today) : m_period(period), m_dates(today) {}

std::vector<CategoryTally::Sum> *CategoryTally::sumsFor(const Value &date, int row)
{
    if (row == 0)
        return nullptr;
    int month = 0;
    if (m_period.needsDates()) {
        const std::optional<QDate> day = m_dates.read(date);
        if (!day) {
            ++m_undated;
            return nullptr;
        }
        if ((m_period.from && *day < *m_period.from) || (m_period.to && *day > *m_period.to))
            return nullptr;
        if (m_period.byMonth)
            month = monthIndex(*day);
    }
    return &m_months[month];
}

void CategoryTally::add(std::vector<Sum> &sums, int id, Cents amount)
{
    if (size_t(id) >= sums.size())
        sums.resize(size_t(id) + 1);
    sums[size_t(id)].amount = addCents(sums[size_t(id)].amount, amount);
    ++sums[size_t(id)].count;
}

void CategoryTally::add(const Record &record, int row)
{
    add(record.value(Key::Date), record.value(Key::Amount).centsOrZero(), record.value(Key::Category),
        record.value(kSplitsKey), row);
}

std::vector<CategoryTotal> CategoryTally::totals() const
{
    std::vector<CategoryTotal> all;
    for (const auto &[month, sums] : m_months) {
        for (size_t id = 0; id < sums.size(); ++id) {
            if (sums[id].count == 0)
                continue;
            all.push_back({m_names.name(int(id)), m_period.byMonth ? monthOf(month) : QDate(), sums[id].amount,
                           sums[id].count});
        }
    }
    std::sort(all.begin(), all.end(), before);
    return all;
}

std::vector<CategoryTotal> categoryTotals(const Register &reg, const CategoryPeriod &period, QDate today,
                                          int *undated)
{
    CategoryTally tally(period, today);
    for (int row = 0; row < reg.count(); ++row)
        tally.add(reg[row], row);
    if (undated)
        *undated = tally.undated();
    return tally.totals();
}

std::vector<CategoryTotal> foldedTotals(const std::vector<CategoryTotal> &totals, int depth)
{
    std::vector<CategoryTotal> folded;
    std::map<std::pair<qint64, QString>, size_t> where; // by month and folded category
    for (const CategoryTotal &t : totals) {
        QString category = t.category;
        for (qsizetype i = 0, parts = 0; i < category.size(); ++i) {
            if (category[i] == kCategorySeparator && ++parts == depth) {
                category.truncate(i);
                break;
            }
        }
        const auto [at, added] = where.try_emplace({t.month.toJulianDay(), category}, folded.size());
        if (added) {
            folded.push_back({category, t.month, t.amount, t.count});
        } else {
            CategoryTotal &same = folded[at->second];
            same.amount = addCents(same.amount, t.amount);
            same.count += t.count;
        }
    }
    std::sort(folded.begin(), folded.end(), before);
    return folded;
}
