#include "Category.h"

#include "CategoryNames.h"
#include "Splits.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

template <typename View>
bool withinImpl(View category, QStringView ancestor)
{
    if (ancestor.isEmpty() || category.size() < ancestor.size())
        return false;
    if (!category.startsWith(ancestor, Qt::CaseInsensitive))
        return false;
    return category.size() == ancestor.size() || category[ancestor.size()] == kCategorySeparator;
}

bool lessAsRead(const QString &a, const QString &b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

QString normalizedCategory(QStringView text)
{
    QString kept;
    for (QStringView part : text.split(kCategorySeparator)) {
        QString cleaned;
        cleaned.reserve(part.size());
        for (QChar c : part) {
            // Blanks of any kind become one blank below; other control
            // characters have no place in a name.
            if (c.isSpace())
                cleaned += u' ';
            else if (c.category() != QChar::Other_Control)
                cleaned += c;
        }
        cleaned = cleaned.simplified();
        if (cleaned.isEmpty())
            continue;
        if (!kept.isEmpty())
            kept += kCategorySeparator;
        kept += cleaned;
    }
    return kept;
}

bool isWithinCategory(QStringView category, QStringView ancestor) { return withinImpl(category, ancestor); }

bool isWithinCategory(QLatin1StringView category, QStringView ancestor) { return withinImpl(category, ancestor); }

QStringList categoryAndParents(QStringView category)
{
    QStringList all;
    for (qsizetype i = 0; i <= category.size(); ++i)
        if (i == category.size() || category[i] == kCategorySeparator)
            all.push_back(category.first(i).toString());
    all.removeAll(QString());
    return all;
}

QStringList categoriesInUse(const Register &reg)
{
    CategoryNames names;
    for (int row = 0; row < reg.count(); ++row) {
        const Record &record = reg[row];
        record.value(Key::Category).visitText([&](auto category) {
            if (!category.isEmpty())
                names.idOf(category);
        });
        if (record.contains(kSplitsKey))
            for (const SplitLine &line : splitLinesOf(record))
                if (!line.category.isEmpty())
                    names.idOf(QStringView(line.category));
    }
    QStringList all;
    for (int id = 0; id < names.count(); ++id)
        all += categoryAndParents(names.name(id));
    std::sort(all.begin(), all.end(), lessAsRead);
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

QString categoryAsInUse(const QString &text, const QStringList &inUse)
{
    const QString normal = normalizedCategory(text);
    if (inUse.contains(normal))
        return normal;
    // The narrowest category in use that this one is, or is nested in, but
    // for letter case lends its letters: "home:rent" under "Home" is
    // "Home:rent", not a second "home" beside it.
    for (qsizetype end = normal.size(); end > 0; end = normal.lastIndexOf(kCategorySeparator, end - 1)) {
        const QStringView head = QStringView(normal).left(end);
        for (const QString &category : inUse)
            if (category.size() == head.size() && QStringView(category).compare(head, Qt::CaseInsensitive) == 0)
                return category + normal.mid(end);
    }
    return normal;
}

QString lastCategoryOf(const Register &reg, QStringView description, int lookBack)
{
    const int first = lookBack < 0 ? 0 : std::max(0, reg.count() - lookBack);
    for (int row = reg.count() - 1; row >= first; --row) {
        const Record &record = reg[row];
        const bool same = record.value(Key::DescriptionofTransaction).visitText([&](auto text) {
            return text == description;
        });
        if (!same)
            continue;
        if (!splitLinesOf(record).empty())
            return {};
        if (const QString category = record.value(Key::Category).toString(); !category.isEmpty())
            return category;
    }
    return {};
}

QString categoryCellText(const Record &record)
{
    if (record.contains(kSplitsKey)) {
        if (const size_t lines = splitLinesOf(record).size(); lines > 0)
            return QCoreApplication::translate("Categories", "Split (%1)").arg(lines);
    }
    return record.value(Key::Category).toString();
}
