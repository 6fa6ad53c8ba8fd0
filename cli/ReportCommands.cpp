// cheqbook-cli report and print: the register as text, and as pages.

#include "Commands.h"

#include "CategoriesCommand.h"
#include "CategoryFilter.h"
#include "CutForShowing.h"
#include "RegisterFile.h"
#include "Report.h"
#include "RowStream.h"
#include "RunningBalance.h"

#include <QLocale>
#ifdef CHEQBOOK_PRINT
#include "PrintedRegister.h"
#endif

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

#ifdef CHEQBOOK_PRINT
int runPrint(const Arguments &a)
{
    if (outputIsAnInput(a.output, a.positional, u"the register"_s))
        return Usage;
    auto doc = openRegister(a.positional[0], Recalculate::No, watch(a, "reading", a.positional[0]).get());
    if (!doc)
        return Failed;
    // The paper of the user's country unless told: A4, or US Letter in the
    // United States and Canada.
    QPageSize::PageSizeId paper = paperOfLocale(QLocale());
    if (a.values.contains(u"--paper"_s)) {
        const QString asked = a.values.value(u"--paper"_s).toLower();
        if (asked != u"letter" && asked != u"a4") {
            error(u"--paper: \u201c%1\u201d is not a paper Cheqbook prints on (letter or a4)"_s.arg(
                a.values.value(u"--paper"_s)));
            return Usage;
        }
        paper = asked == u"a4" ? QPageSize::A4 : QPageSize::Letter;
    }
    rewriteAmountsAndRecalculate(*doc->array());
    const QString failure = writeReportPdf(*doc->array(), a.output, watch(a, "printing", a.output).get(), paper);
    if (!failure.isEmpty()) {
        error(failure);
        return Failed;
    }
    return Ok;
}
#endif

} // namespace cli
