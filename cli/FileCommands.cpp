// cheqbook-cli's commands over a register file as a whole: its balance,
// its other form, the date sort, a reconciliation report, the new year's
// register and the backups kept of it.

#include "Commands.h"

#include "AtomicFile.h"
#include "Backups.h"
#include "DateReader.h"
#include "DateSort.h"
#include "ReconciliationReport.h"
#include "RegisterFile.h"
#include "Report.h"
#include "Rollover.h"
#include "RowIdentity.h"
#include "RunningBalance.h"
#include "TerminalProgress.h"

#include <QDate>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace cli {

// What the user sees of long work with --progress: "cheqbook-cli: reading
// FILE 45%" on a terminal.
std::unique_ptr<Progress> watch(const Arguments &a, const char *doing, const QString &path)
{
    return progressFor(a.showProgress,
                       u"cheqbook-cli: %1 %2"_s.arg(QLatin1StringView(doing), QFileInfo(path).fileName()));
}

int runBalance(const Arguments &a)
{
    auto doc = openRegister(a.positional[0], Recalculate::Yes, watch(a, "reading", a.positional[0]).get());
    if (!doc)
        return Failed;
    const Register &reg = *doc->array();
    if (!reg.isEmpty())
        writeOut(moneyText(reg[reg.count() - 1].value(Key::Total).centsOrZero()) + u'\n');
    return finishOut() ? Ok : Failed;
}

int runConvert(const Arguments &a)
{
    RegisterReadResult r = readRegisterFile(a.positional[0], nullptr, watch(a, "reading", a.positional[0]).get());
    if (!r.ok()) {
        error(r.error);
        return Failed;
    }
    // Values stay as read, but a row without an identity gets the one every
    // computer reading the file gives it, as the window's save writes it.
    giveIdentities(r.rows);
    // The text goes to the file as it is made, never held whole.
    const bool xml = a.flags.contains(u"--xml"_s);
    QString why;
    const std::unique_ptr<Progress> progress = xml ? nullptr : watch(a, "writing", a.output);
    const FileProducer produce = [&](const ChunkWriter &put) {
        return xml ? writeXml(r.rows, put, &why) : writeOldStyle(r.rows, put, progress.get());
    };
    // Converting a register in place is a save: the old version is kept.
    const QString failure = isSameFile(a.output, a.positional[0]) ? writeRegisterFile(a.output, produce).error
                                                                   : writeFileAtomically(a.output, produce);
    if (!why.isEmpty()) {
        error(u"%1: %2"_s.arg(a.positional[0], why));
        return Failed;
    }
    if (!failure.isEmpty()) {
        error(failure);
        return Failed;
    }
    return Ok;
}

int runSort(const Arguments &a)
{
    const QString &registerPath = a.positional[0];
    auto doc = openRegister(registerPath, Recalculate::Yes, watch(a, "reading", registerPath).get());
    if (!doc)
        return Failed;
    if (const QString failure =
            sortByDate(*doc, QDate::currentDate(), nullptr, watch(a, "sorting", registerPath).get());
        !failure.isEmpty()) {
        error(u"%1: %2"_s.arg(registerPath, failure));
        return Failed;
    }
    const QString output = a.output.isEmpty() ? registerPath : a.output;
    return saveRegister(*doc, output, watch(a, "writing", output).get());
}

int runReconciliation(const Arguments &a)
{
    const QString &registerPath = a.positional[0];
    auto doc = openRegister(registerPath, Recalculate::Yes, watch(a, "reading", registerPath).get());
    if (!doc)
        return Failed;
    const QString name = QFileInfo(registerPath).fileName();
    const QDate today = QDate::currentDate();
    BankStatement statement;
    if (a.values.contains(u"--statement-balance"_s)) {
        const TypedStatementAmount balance = readStatementAmount(a.values.value(u"--statement-balance"_s));
        if (!balance.error.isEmpty()) {
            error(u"--statement-balance: %1"_s.arg(balance.error));
            return Usage;
        }
        statement.endingBalance = balance.cents;
    }
    if (a.values.contains(u"--date"_s)) {
        statement.closingDate = readDate(a.values.value(u"--date"_s), today);
        if (!statement.closingDate) {
            error(u"--date: \u201c%1\u201d is not a date Cheqbook reads (%2)"_s.arg(a.values.value(u"--date"_s),
                                                                                  kDateFormsRead));
            return Usage;
        }
    }
    writeOut(reconciliationText(reconciliationFor(*doc->array(), statement, today), name));
    return finishOut() ? Ok : Failed;
}

int runRollover(const Arguments &a)
{
    // The new year's register holds only the rows not yet reconciled.
    if (outputIsAnInput(a.output, a.positional, u"the register"_s))
        return Usage;
    auto doc = openRegister(a.positional[0], Recalculate::Yes, watch(a, "reading", a.positional[0]).get());
    if (!doc)
        return Failed;
    if (doc->array()->isEmpty()) {
        error(u"%1: %2"_s.arg(a.positional[0], nothingToRollOverMessage()));
        return Failed;
    }
    const QString failure = writeRolloverFile(a.output, *doc->array());
    if (!failure.isEmpty()) {
        error(failure);
        return Failed;
    }
    return Ok;
}

int runBackups(const Arguments &a)
{
    for (const BackupVersion &v : earlierVersions(a.positional[0]))
        writeOut(v.savedAt.toString(u"yyyy-MM-dd HH:mm:ss"_s) + u'\t' + withControlsShown(v.path) + u'\n');
    return finishOut() ? Ok : Failed;
}

} // namespace cli
