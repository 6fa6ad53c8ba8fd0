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
    template <typename Text>
    void add(const Value &date, Cents amount, const Text &category, const Text &splits, int row);
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
    std::vector<Sum> *sumsFor(const Value &date, int row);
    void add(std::vector<Sum> &sums, int id, Cents amount);

    CategoryPeriod m_period;
    SuccessiveDates m_dates;
    CategoryNames m_names;
    std::map<int, std::vector<Sum>> m_months; // by year * 12 + month - 1 (0 when not by month)
    int m_undated = 0;
};

template <typename Text>
void CategoryTally::add(const Value &date, Cents amount, const Text &category, const Text &splits, int row)
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
