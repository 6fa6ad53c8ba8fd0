#pragma once

// Where the money went: the amounts of a register added up by category, over
// a period and month by month, a split row counted as its lines. The opening
// row is the balance the account started with: it went nowhere and is not
// counted.

#include "CategoryNames.h"
#include "DateReader.h"
#include "Register.h"
#include "Splits.h"

#include <QDate>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

struct CategoryTotal {
    QString category; // empty: the money without a category
    QDate month;      // the month's first day; null when not counted by month
    Cents amount = 0; // money in less money out, signed as the register's amounts
    int count = 0;    // the rows and split lines counted
    bool operator==(const CategoryTotal &) const = default;
};

struct CategoryPeriod {
    // Days from one to another, both included; either may be open. While
    // either is given, or the totals go by month, a row whose date cannot
    // be read is left out, and counted.
    std::optional<QDate> from;
    std::optional<QDate> to;
    bool byMonth = false;
    bool needsDates() const { return from || to || byMonth; }
};

// The totals built a row at a time, so that rows read only to be counted
// need not be kept.
class CategoryTally
{
public:
    // today: the day dates without a year are read against.
    CategoryTally(CategoryPeriod period, QDate today);

    // A row of the register, at its row index.
    void add(const Record &record, int row);
    // A row read only to be counted: its date, amount, and its Category and
    // Splits texts (Values, or anything else with visitText).
    template <typename Date, typename Text>
    void add(const Date &date, Cents amount, const Text &category, const Text &splits, int row);
    // The totals, by month (earliest first) and category (as people read
    // them, letter case aside), the money without a category last. Only
    // totals that counted something are given.
    std::vector<CategoryTotal> totals() const;
    // Rows left out because their date cannot be read.
    int undated() const { return m_undated; }

private:
    struct Sum {
        Cents amount = 0;
        int count = 0;
    };
    // The sums of the month the row counts in; null when it is not counted.
    template <typename Date>
    std::vector<Sum> *sumsFor(const Date &date, int row);
    // The same for the row's date text. Rows of one day follow each other:
    // the day's answer is kept and given again while the text stays the
    // same, so that most rows cost one comparison of their date.
    std::vector<Sum> *sumsOn(QLatin1StringView date);
    std::vector<Sum> *sumsOn(QStringView date);
    template <typename View>
    std::vector<Sum> *sumsOnDay(View date);
    bool sameDay(QLatin1StringView date) const;
    bool sameDay(QStringView date) const;
    void keepDay(QLatin1StringView date);
    void keepDay(QStringView date);
    bool anotherDayOfTheMonth(QLatin1StringView date) const;
    bool anotherDayOfTheMonth(QStringView date) const;
    void add(std::vector<Sum> &sums, int id, Cents amount);

    CategoryPeriod m_period;
    QDate m_today;
    CategoryNames m_names;
    std::map<int, std::vector<Sum>> m_months; // by year * 12 + month - 1 (0 when not by month)
    int m_undated = 0;
    // The date text of the rows last counted, as it was read.
    std::string m_dayBytes; // Latin-1
    QString m_dayText;
    bool m_dayLatin1 = false;
    bool m_dayKnown = false;
    bool m_dayUndated = false;      // it names no day
    int m_daysInMonth = 0; // of its month, when other days of it may count without being read
    std::vector<Sum> *m_daySums = nullptr; // where its rows count; null: outside the period
};

template <typename Date>
std::vector<CategoryTally::Sum> *CategoryTally::sumsFor(const Date &date, int row)
{
    if (row == 0)
        return nullptr;
    if (!m_period.needsDates())
        return &m_months[0];
    return date.visitText([&](auto text) { return sumsOn(text); });
}

template <typename Date, typename Text>
void CategoryTally::add(const Date &date, Cents amount, const Text &category, const Text &splits, int row)
{
    if (std::vector<Sum> *sums = sumsFor(date, row))
        forEachShare(amount, category, splits, [&](auto name, Cents share) { add(*sums, m_names.idOf(name), share); });
}

std::vector<CategoryTotal> categoryTotals(const Register &reg, const CategoryPeriod &period, QDate today,
                                          int *undated = nullptr);

// The totals with subcategories folded into the category they are nested in,
// down to depth parts: at depth 1, "Food" holds "Food:Groceries" and
// "Food:Coffee" as well as its own money. Ordered as totals() orders them.
std::vector<CategoryTotal> foldedTotals(const std::vector<CategoryTotal> &totals, int depth = 1);
