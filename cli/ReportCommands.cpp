// cheqbook-cli report: the register as text.

#include "Commands.h"

#include "CategoriesCommand.h"
#include "CategoryFilter.h"
#include "CutForShowing.h"
#include "RegisterFile.h"
#include "Report.h"
#include "RowStream.h"
#include "RunningBalance.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// Why a row read only to be shown cannot be added to the balance before it.
QString rowProblem(const ShownRow &row, Cents balanceBefore, qint64 index)
{
    if (row.amount.isText() && !row.amount.visitText([](auto text) { return isAmountText(text); }))
        return unreadableAmountMessage(
            row.amount.visitText([](auto text) { return cutForShowing(text, kAmountShown); }), index);
    if (const Cents balance = balanceBefore + row.amount.cents().cents; !centsInRange(balance))
        return balanceBeyondLimitMessage(balance, index);
    return {};
}

} // namespace

int runReport(const Arguments &a)
{
    // With --category only the rows of that category are written, each with
    // the account's balance after it, as the whole report shows it.
    const std::optional<CategoryFilter> category = reportCategory(a);
    Utf8ReportWriter report;
    Cents total = 0;
    qint64 rows = 0;
    // An amount that is not one, or a balance beyond what money holds, is
    // refused, never shown as 0 or held at the limit.
    QString beyond;
    // The report is held until the whole file is known to be good, so that a
    // damaged file gives an error and no partial report.
    std::unique_ptr<Progress> progress = watch(a, "reading", a.positional[0]);
    const RegisterReadResult read = streamShownRows(a.positional[0], progress.get(), [&](const ShownRow &row) {
        ++rows;
        if (beyond.isEmpty())
            beyond = rowProblem(row, total, rows - 1);
        // The opening row is the balance the account started with, never
        // money of a category.
        if (!category || (rows > 1 && category->passes(row.amount.cents().cents, row.category, row.splits)))
            total = report.add(row, total);
        else
            total = addCents(total, row.amount.cents().cents);
    });
    progress.reset(); // its line goes before the report or the error is written
    if (!read.ok() || !beyond.isEmpty()) {
        error(read.ok() ? u"%1: %2"_s.arg(a.positional[0], beyond) : read.error);
        return Failed;
    }
    report.flush([](QByteArrayView chunk) { writeOut(chunk); });
    return finishOut() ? Ok : Failed;
}

} // namespace cli
