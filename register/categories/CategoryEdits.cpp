#include "CategoryEdits.h"

#include "Category.h"

#include <QCoreApplication>

namespace {

// The texts of this file, in their translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CategoryEdits)
};

bool isSplit(const Record &record) { return !splitLinesOf(record).empty(); }

// The row's category as a text value, or null for none.
Value categoryValue(const QString &category)
{
    return category.isEmpty() ? Value() : Value::text(category);
}

} // namespace

int setCategory(MyDocument &doc, const std::vector<int> &rows, const QString &category)
{
    const QString normal = normalizedCategory(category);
    const Value wanted = categoryValue(normal);
    std::vector<int> changing;
    for (int row : rows) {
        const Record &record = *doc.objectAtIndex(row);
        if (!isSplit(record) && !(record.value(Key::Category) == wanted))
            changing.push_back(row);
    }
    if (changing.empty())
        return 0;
    const QString name = normal.isEmpty() ? Texts::tr("Remove Category")
                                          : Texts::tr("Category \u201c%1\u201d").arg(normal);
    doc.edit(name, [&] {
        for (int row : changing)
            doc.setValue(row, Key::Category, wanted);
    });
    const RowRuns runs = rowRuns(changing);
    doc.setStepRows(runs, runs);
    return int(changing.size());
}

RuleRun applyRules(MyDocument &doc, const std::vector<int> &rows, const CategoryRules &rules, bool keepCategories)
{
    RuleRun run;
    std::vector<std::pair<int, QString>> changes;
    for (int row : rows) {
        const Record &record = *doc.objectAtIndex(row);
        if (isSplit(record)) {
            ++run.split;
            continue;
        }
        const QString category = rules.categoryFor(record.value(Key::DescriptionofTransaction).toString());
        if (category.isEmpty()) {
            ++run.unmatched;
            continue;
        }
        ++run.matched;
        const Value &held = record.value(Key::Category);
        if ((keepCategories && !held.toString().isEmpty()) || held == Value::text(category))
            continue;
        changes.emplace_back(row, category);
    }
    run.changed = int(changes.size());
    if (changes.empty())
        return run;
    const QString name =
        run.changed == 1 ? Texts::tr("Apply Rules (1 row)") : Texts::tr("Apply Rules (%1 rows)").arg(run.changed);
    doc.edit(name, [&] {
        for (const auto &[row, category] : changes)
            doc.setValue(row, Key::Category, Value::text(category));
    });
    std::vector<int> changed;
    for (const auto &change : changes)
        changed.push_back(change.first);
    const RowRuns runs = rowRuns(changed);
    doc.setStepRows(runs, runs);
    return run;
}

QString setSplits(MyDocument &doc, int row, const std::vector<SplitLine> &lines, QChar decimalPoint)
{
    const Record &record = *doc.objectAtIndex(row);
    const QString description = record.value(Key::DescriptionofTransaction).toString();
    if (lines.empty()) {
        if (!record.contains(kSplitsKey))
            return {};
        doc.edit(transactionStepName(Texts::tr("Remove Split"), description),
                 [&] { doc.setValue(row, kSplitsKey, Value()); });
        doc.setStepRows({{row, row}}, {{row, row}});
        return {};
    }
    const CentsReading amount = record.value(Key::Amount).cents();
    if (!amount.ok())
        return Texts::tr("the transaction's amount is not a number, so it cannot be split");
    std::vector<SplitLine> kept = lines;
    for (SplitLine &line : kept)
        line.category = normalizedCategory(line.category);
    if (const QString why = splitRefusal(kept, amount.cents, decimalPoint); !why.isEmpty())
        return why;
    const Value text = Value::text(splitsText(kept));
    if (record.value(kSplitsKey) == text && !record.contains(Key::Category))
        return {};
    doc.edit(transactionStepName(Texts::tr("Split"), description), [&] {
        doc.setValue(row, kSplitsKey, text);
        if (record.contains(Key::Category))
            doc.setValue(row, Key::Category, Value());
    });
    doc.setStepRows({{row, row}}, {{row, row}});
    return {};
}
