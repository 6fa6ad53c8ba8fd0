// cheqbook-cli report: the register as text.

#include "Commands.h"

#include "CategoriesCommand.h"
#include "CategoryFilter.h"
#include "CutForShowing.h"
#include "RegisterFile.h"
#include "Report.h"
#include "RunningBalance.h"

#include <QLocale>

#include <algorithm>

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
    // The second half of a large register is read beside the first, its
    // balances carried on from where it began; they stand once the first
    // half's last balance is known. A row of it that would be refused is
    // left to the reading in order, which names it. What its thread writes
    // at each row is kept in cache lines of its own: shared with the first
    // half's, the two threads slowed each other down.
    struct alignas(64) Later {
        Utf8ReportWriter report{Utf8ReportWriter::Balances::Later};
        Cents total = 0, lowest = 0, highest = 0;
    };
    const auto later = std::make_unique<Later>();
    ShownRowsInTwo two;
    two.first = [&](ShownRow &&row) {
        ++rows;
        if (beyond.isEmpty())
            beyond = rowProblem(row, total, rows - 1);
        // The opening row is the balance the account started with, never
        // money of a category.
        if (!category || (rows > 1 && category->passes(row.amount.cents().cents, row.category, row.splits)))
            total = report.add(row, total);
        else
            total = addCents(total, row.amount.cents().cents);
    };
    two.second = [&, &l = *later](ShownRow &&row) {
        struct LeftToTheFirst {
        };
        if (!rowProblem(row, l.total, 0).isEmpty())
            throw LeftToTheFirst{};
        if (!category || category->passes(row.amount.cents().cents, row.category, row.splits))
            l.total = l.report.add(row, l.total);
        else
            l.total = addCents(l.total, row.amount.cents().cents);
        l.lowest = std::min(l.lowest, l.total);
        l.highest = std::max(l.highest, l.total);
    };
    bool tookLater = false;
    two.takeSecond = [&] {
        tookLater = beyond.isEmpty() && centsInRange(total + later->lowest) && centsInRange(total + later->highest);
        return tookLater;
    };
    // The report is held until the whole file is known to be good, so that a
    // damaged file gives an error and no partial report.
    std::unique_ptr<Progress> progress = watch(a, "reading", a.positional[0]);
    // A reading shown as it goes is read in one part, which the bar follows.
    const RegisterReadResult read = readShownRowsInTwo(a.positional[0], two, a.showProgress ? progress.get() : nullptr);
    progress.reset(); // its line goes before the report or the error is written
    if (!read.ok() || !beyond.isEmpty()) {
        error(read.ok() ? u"%1: %2"_s.arg(a.positional[0], beyond) : read.error);
        return Failed;
    }
    const auto out = [](QByteArrayView chunk) { writeOut(chunk); };
    if (tookLater)
        report.flush(out, later->report, total);
    else
        report.flush(out);
    return finishOut() ? Ok : Failed;
}

} // namespace cli
