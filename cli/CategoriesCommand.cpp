// cheqbook-cli categories: where the money went, category by category.

#include "CategoriesCommand.h"

#include "CategoryFilter.h"
#include "CategoryReport.h"
#include "CategoryRules.h"
#include "DateReader.h"
#include "RowStream.h"
#include "TerminalProgress.h"

#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// A day given with an option; false after saying what is wrong with it.
bool readDay(const Arguments &a, const QString &option, QDate today, std::optional<QDate> *day)
{
    if (!a.values.contains(option))
        return true;
    *day = readDate(a.values.value(option), today);
    if (!*day)
        error(u"%1: \u201c%2\u201d is not a date Cheqbook reads (%3)"_s.arg(option, a.values.value(option),
                                                                            kDateFormsRead));
    return day->has_value();
}

} // namespace

int runCategories(const Arguments &a)
{
    const QString &path = a.positional[0];
    const QDate today = QDate::currentDate();
    CategoryPeriod period;
    if (!readDay(a, u"--from"_s, today, &period.from) || !readDay(a, u"--to"_s, today, &period.to))
        return Usage;
    if (period.from && period.to && *period.from > *period.to) {
        error(u"--from %1 is after --to %2: no day is in between"_s.arg(a.values.value(u"--from"_s),
                                                                       a.values.value(u"--to"_s)));
        return Usage;
    }
    if (a.values.contains(u"--by"_s)) {
        if (a.values.value(u"--by"_s) != u"month") {
            error(u"--by: \u201c%1\u201d is not month; the totals go by month or for the whole period"_s.arg(
                a.values.value(u"--by"_s)));
            return Usage;
        }
        period.byMonth = true;
    }
    CategoryTally tally(period, today);
    int row = 0;
    std::unique_ptr<Progress> progress =
        progressFor(a.showProgress, u"cheqbook-cli: reading %1"_s.arg(QFileInfo(path).fileName()));
    const RegisterReadResult read = streamShownRows(path, progress.get(), [&](const ShownRow &r) {
        tally.add(r.date, r.amount.cents().cents, r.category, r.splits, row++);
    });
    progress.reset();
    if (!read.ok()) {
        error(read.error);
        return Failed;
    }
    if (tally.undated() > 0)
        error(u"%1: %2 left out: %3 date cannot be read"_s.arg(
            path, tally.undated() == 1 ? u"1 transaction"_s : u"%1 transactions"_s.arg(tally.undated()),
            tally.undated() == 1 ? u"its"_s : u"their"_s));
    const std::vector<CategoryTotal> totals = tally.totals();
    writeOut(a.flags.contains(u"--csv"_s) ? categoryTotalsCsv(totals, period.byMonth)
                                          : categoryTotalsTable(totals, period.byMonth));
    return finishOut() ? Ok : Failed;
}

std::optional<CategoryFilter> reportCategory(const Arguments &a)
{
    if (!a.values.contains(u"--category"_s))
        return std::nullopt;
    return CategoryFilter(a.values.value(u"--category"_s));
}

CategoryRules importRules(const Arguments &a)
{
    if (a.flags.contains(u"--no-rules"_s))
        return CategoryRules();
    QSettings settings(u"Cheqbook"_s, u"Cheqbook"_s);
    return CategoryRules(storedRules(settings));
}

} // namespace cli
