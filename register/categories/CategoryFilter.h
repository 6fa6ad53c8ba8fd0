#pragma once

// The category part of the register's filter: the rows of a category and its
// subcategories, a split row shown when any of its lines is of it.

#include "Register.h"
#include "Splits.h"

#include <QString>

#include <vector>

class CategoryFilter
{
public:
    // The rows within category (see isWithinCategory). An empty category
    // asks for the money without one: rows without a category, and split
    // rows with a line without one.
    explicit CategoryFilter(const QString &category);

    const QString &category() const { return m_category; }
    bool passes(const Record &record) const;
    // The same for a row's texts as read for showing only (see forEachShare).
    template <typename Text>
    bool passes(Cents amount, const Text &category, const Text &splits) const
    {
        bool found = false;
        forEachShare(amount, category, splits, [&](auto name, Cents) { found = found || fits(name); });
        return found;
    }

private:
    bool fits(QLatin1StringView category) const;
    bool fits(QStringView category) const;

    QString m_category;
};

// Those of the rows (ascending) that pass; every row when among is null. The
// opening row is never money without a category: it is the balance the
// account started with.
std::vector<int> rowsInCategory(const Register &reg, const CategoryFilter &filter,
                                const std::vector<int> *among = nullptr);
