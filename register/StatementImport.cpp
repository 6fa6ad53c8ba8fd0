#include "StatementImport.h"

#include "RunningBalance.h"

#include <algorithm>

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

ImportResult importStatement(MyDocument &doc, int atRow, const Statement &statement)
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
    result.skipped = statement.skipped;
    doc.addData(statementRecords(statement), result.firstRow);
    doc.updateChangeCount(MyDocument::ChangeDone);
    recalculateCheckbook(*doc.array());
    return result;
}

ImportResult importStatement(MyDocument &doc, int atRow, const QString &path)
{
    return importStatement(doc, atRow, readStatementFile(path));
}
