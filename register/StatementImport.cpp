#include "StatementImport.h"

#include "RunningBalance.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

std::vector<RecordPtr> statementRecords(const Statement &statement)
{
    std::vector<RecordPtr> records;
    records.reserve(statement.lines.size());
    for (const StatementLine &line : statement.lines) {
        RecordPtr r = makeRecord();
        r->set(Key::CheckNumber, Value::text(QLatin1StringView("")));
        r->set(Key::Date, Value::text(line.date));
        r->set(Key::Amount, Value::money(line.amount));
        r->set(Key::DescriptionofTransaction, Value::text(line.description));
        records.push_back(std::move(r));
    }
    return records;
}

QString importStepName(const QString &fileName, int count)
{
    const QString what = fileName.isEmpty() ? u"Statement"_s : u"\u201c%1\u201d"_s.arg(fileName);
    return u"Import %1 (%2)"_s.arg(what, count == 1 ? u"1 transaction"_s : u"%1 transactions"_s.arg(count));
}

namespace {

// Why an import would take a balance beyond what money can hold, naming the
// statement's line when one of its own transactions does it.
QString balanceRefusal(const Register &reg, int firstRow, const Statement &statement, const QString &why)
{
    Cents balance = firstRow == 0 ? 0 : reg[firstRow - 1].value(Key::Total).centsOrZero();
    for (const StatementLine &line : statement.lines) {
        balance += line.amount; // both within 2^53: no overflow
        if (!centsInRange(balance))
            return u"line %1: the balance after it would be %2, beyond the 90 trillion dollars Cheqbook can keep "
                   "track of; nothing was imported"_s.arg(line.lineNumber).arg(moneyText(balance));
    }
    return u"after it, %1; nothing was imported"_s.arg(why);
}

} // namespace

ImportResult importStatement(MyDocument &doc, int atRow, const Statement &statement, const QString &fileName)
{
    ImportResult result;
    if (!statement.ok()) {
        result.error = statement.error;
        return result;
    }
    if (statement.lines.empty() && statement.skipped.empty()) {
        result.nothingToImport = true;
        return result;
    }
    doc.ensureRegister();
    // Inserting the lines one by one, last to first, at the same row gives
    // them in file order from that row on; one insertion does the same
    // without moving the rows below once per line.
    result.firstRow = std::clamp(atRow, 0, doc.count());
    result.count = int(statement.lines.size());
    const QString refusal = doc.edit(importStepName(fileName, result.count), [&] {
        doc.addData(statementRecords(statement), result.firstRow);
        doc.updateChangeCount(MyDocument::ChangeDone);
        doc.recalculateBalances();
    });
    if (!refusal.isEmpty()) {
        result = ImportResult();
        result.error = balanceRefusal(*doc.array(), std::clamp(atRow, 0, doc.count()), statement, refusal);
        return result;
    }
    result.skipped = statement.skipped;
    if (result.count > 0)
        doc.setStepRows({}, {{result.firstRow, result.firstRow + result.count - 1}});
    return result;
}

ImportResult importStatement(MyDocument &doc, int atRow, const QString &path)
{
    const Statement statement = readStatementFile(path);
    ImportResult result = importStatement(doc, atRow, statement, QFileInfo(path).fileName());
    if (statement.ok() && !result.ok()) // the statement's own errors name the file already
        result.error = u"%1: %2"_s.arg(QFileInfo(path).fileName(), result.error);
    return result;
}
