#include "CategoryFilter.h"

#include "Category.h"

CategoryFilter::CategoryFilter(const QString &category) : m_category(normalizedCategory(category)) {}

bool CategoryFilter::fits(QLatin1StringView category) const
{
    return m_category.isEmpty() ? category.isEmpty() : isWithinCategory(category, m_category);
}

bool CategoryFilter::fits(QStringView category) const
{
    return m_category.isEmpty() ? category.isEmpty() : isWithinCategory(category, m_category);
}

bool CategoryFilter::passes(const Record &record) const
{
    return passes(record.value(Key::Amount).centsOrZero(), record.value(Key::Category), record.value(kSplitsKey));
}

std::vector<int> rowsInCategory(const Register &reg, const CategoryFilter &filter, const std::vector<int> *among)
{
    // The opening balance went nowhere: it is no money without a category.
    const auto passes = [&](int row) {
        return row < reg.count() && filter.passes(reg[row]) && !(row == 0 && filter.category().isEmpty());
    };
    std::vector<int> rows;
    if (among) {
        for (int row : *among)
            if (passes(row))
                rows.push_back(row);
        return rows;
    }
    for (int row = 0; row < reg.count(); ++row)
        if (passes(row))
            rows.push_back(row);
    return rows;
}
