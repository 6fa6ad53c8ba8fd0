// cheqbook-cli report and print: the register as text, and as pages.

#include "Commands.h"

#include "BatchQueue.h"
#include "CutForShowing.h"
#include "RegisterFile.h"
#include "Report.h"
#include "RunningBalance.h"

#include <QLocale>
#ifdef CHEQBOOK_PRINT
#include "PrintedRegister.h"
#endif

#include <thread>

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
    // One core reads the register while the other writes its report. The
    // rows read may point into the file, so the reader does not let it go
    // before the report has taken every row. The report is held until the
    // whole file is known to be good, so that a damaged file gives an error
    // and no partial report.
    constexpr size_t kBatch = 4096;
    using Queue = BatchQueue<ShownRow>;
    Queue queue;
    RegisterReadResult read;
    std::unique_ptr<Progress> progress = watch(a, "reading", a.positional[0]);
    std::thread reader([&] {
        Queue::Batch batch;
        batch.reserve(kBatch);
        read = readShownRows(
            a.positional[0],
            [&](ShownRow &&row) {
                batch.push_back(std::move(row));
                if (batch.size() == kBatch) {
                    queue.push(std::move(batch));
                    batch = {};
                    batch.reserve(kBatch);
                }
            },
            [&] {
                if (!batch.empty())
                    queue.push(std::move(batch));
                queue.closeAndWait();
            },
            progress.get());
    });
    Utf8ReportWriter report;
    Cents total = 0;
    qint64 rows = 0;
    // An amount that is not one, or a balance beyond what money holds, is
    // refused, never shown as 0 or held at the limit.
    QString beyond;
    // Every row's Amount as the window shows it, and fresh balances.
    while (std::optional<Queue::Batch> batch = queue.pop()) {
        for (const ShownRow &row : *batch) {
            ++rows;
            if (beyond.isEmpty())
                beyond = rowProblem(row, total, rows - 1);
            total = report.add(row, total);
        }
    }
    reader.join();
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
