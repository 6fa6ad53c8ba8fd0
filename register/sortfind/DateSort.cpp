#include "DateSort.h"

#include "DateReader.h"
#include "RunningBalance.h"

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Above every Julian day QDate can hold: an undated record sorts last.
constexpr qint64 kUndated = std::numeric_limits<qint64>::max();

qint64 dateKey(const Record &record, QDate today)
{
    const std::optional<QDate> date =
        record.value(Key::Date).visitText([&](auto text) { return readDate(text, today); });
    return date ? date->toJulianDay() : kUndated;
}

} // namespace

std::weak_ordering compareDates(const Record &a, const Record &b, QDate today)
{
    return dateKey(a, today) <=> dateKey(b, today);
}

std::vector<int> dateOrder(const Register &reg, QDate today, Progress *progress)
{
    struct Entry {
        qint64 day;
        int row;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(reg.count()));
    for (int row = 0; row < reg.count(); ++row) {
        if (progress)
            progress->advance(row, reg.count());
        entries.push_back({dateKey(reg[row], today), row});
    }
    // An undated opening row (a new year's "Initial") stays the opening row.
    if (!entries.empty() && entries[0].day == kUndated)
        entries[0].day = std::numeric_limits<qint64>::min();
    // Ties broken by the old row make the result stable without the extra
    // buffer and passes of std::stable_sort.
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.day != b.day ? a.day < b.day : a.row < b.row; });
    std::vector<int> order;
    order.reserve(entries.size());
    for (const Entry &e : entries)
        order.push_back(e.row);
    return order;
}

void sortByDate(Register &reg, QDate today)
{
    reorderRows(reg, dateOrder(reg, today));
    recalculateCheckbook(reg);
}

QString sortStepName() { return QCoreApplication::translate("DateSort", "Sort by Date"); }

QString sortByDate(MyDocument &doc, QDate today, std::vector<int> *order, Progress *progress)
{
    doc.ensureRegister();
    std::vector<int> sorted = dateOrder(*doc.array(), today, progress);
    const QString error = doc.edit(sortStepName(), [&] {
        doc.reorder(sorted);
        doc.updateChangeCount(MyDocument::ChangeDone);
    });
    if (order)
        *order = error.isEmpty() ? std::move(sorted) : std::vector<int>();
    return error;
}

bool sortWithoutAsking(const QSettings &settings)
{
    // Read as an integer, as it always was: "1" (or any non-zero number) means
    // do not ask; "0", anything else and no setting at all mean ask.
    return Value::text(settings.value(kSortWarningKey).toString()).intValue() != 0;
}

void rememberSortAnswer(QSettings &settings, bool doNotAskAgain)
{
    settings.setValue(kSortWarningKey, doNotAskAgain ? u"1"_s : u"0"_s);
    settings.sync();
}
