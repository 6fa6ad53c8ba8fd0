#include "CategoryTotals.h"

#include "Category.h"
#include "RunningBalance.h"
#include "Splits.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

int monthIndex(QDate day)
{
    int year = 0, month = 0;
    day.getDate(&year, &month, nullptr);
    return year * 12 + month - 1;
}
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

CategoryTally::CategoryTally(CategoryPeriod period, QDate today) : m_period(period), m_today(today) {}

std::vector<CategoryTally::Sum> *CategoryTally::sumsOn(QLatin1StringView date) { return sumsOnDay(date); }

std::vector<CategoryTally::Sum> *CategoryTally::sumsOn(QStringView date) { return sumsOnDay(date); }

bool CategoryTally::sameDay(QLatin1StringView date) const
{
    return m_dayLatin1 && qsizetype(m_dayBytes.size()) == date.size()
        && std::memcmp(m_dayBytes.data(), date.data(), m_dayBytes.size()) == 0;
}

bool CategoryTally::sameDay(QStringView date) const { return !m_dayLatin1 && date == m_dayText; }

void CategoryTally::keepDay(QLatin1StringView date)
{
    m_dayLatin1 = true;
    m_dayBytes.assign(date.data(), size_t(date.size())); // in the room it had
}

void CategoryTally::keepDay(QStringView date)
{
    m_dayLatin1 = false;
    m_dayText = date.toString();
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// MM/DD/YYYY, digits where digits go.
bool inFileForm(QLatin1StringView date)
{
    if (date.size() != 10 || date[2] != u'/' || date[5] != u'/')
        return false;
    for (qsizetype i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(date.data()[i]))
            return false;
    return true;
}

} // namespace

bool CategoryTally::anotherDayOfTheMonth(QLatin1StringView date) const
{
    if (m_daysInMonth == 0 || !m_dayLatin1 || !inFileForm(date))
        return false;
    const char *now = date.data();
    const char *last = m_dayBytes.data();
    if (now[0] != last[0] || now[1] != last[1] || std::memcmp(now + 6, last + 6, 4) != 0)
        return false;
    const int day = (now[3] - '0') * 10 + (now[4] - '0');
    return day >= 1 && day <= m_daysInMonth;
}

bool CategoryTally::anotherDayOfTheMonth(QStringView) const { return false; }

template <typename View>
std::vector<CategoryTally::Sum> *CategoryTally::sumsOnDay(View date)
{
    if (!m_dayKnown || !sameDay(date)) {
        // By month alone, another day of the month last read counts in the
        // same month, known from its digits without reading the date.
        const bool sameMonth = anotherDayOfTheMonth(date);
        m_dayKnown = true;
        keepDay(date);
        if (sameMonth) {
            m_undated += m_dayUndated;
            return m_daySums;
        }
        const std::optional<QDate> day = readFileDate(date, m_today);
        m_dayUndated = !day;
        m_daysInMonth = 0;
        if constexpr (std::is_same_v<View, QLatin1StringView>) {
            if (day && m_period.byMonth && !m_period.from && !m_period.to && inFileForm(date))
                m_daysInMonth = day->daysInMonth();
        }
        const bool within =
            day && !(m_period.from && *day < *m_period.from) && !(m_period.to && *day > *m_period.to);
        // A node of the map stays where it is as others are added.
        m_daySums = within ? &m_months[m_period.byMonth ? monthIndex(*day) : 0] : nullptr;
    }
    m_undated += m_dayUndated;
    return m_daySums;
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
    // The categories put in order once, not again in each of the months: a
    // register of many years by month has hundreds of thousands of totals.
    std::vector<int> order(size_t(m_names.count()));
    for (int id = 0; id < m_names.count(); ++id)
        order[size_t(id)] = id;
    std::sort(order.begin(), order.end(), [this](int a, int b) {
        return before({m_names.name(a)}, {m_names.name(b)});
    });
    std::vector<CategoryTotal> all;
    for (const auto &[month, sums] : m_months) { // earliest first
        const QDate first = m_period.byMonth ? monthOf(month) : QDate();
        for (const int id : order)
            if (size_t(id) < sums.size() && sums[size_t(id)].count > 0)
                all.push_back({m_names.name(id), first, sums[size_t(id)].amount, sums[size_t(id)].count});
    }
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
