#include "StatementImport.h"

#include "ImportDuplicates.h"
#include "Reconciliation.h"
#include "RunningBalance.h"
#include "ScheduleEdits.h"
#include "ScheduleMatch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

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

QString importStepName(const QString &fileName, int count, int matched)
{
    const QString what = fileName.isEmpty() ? QCoreApplication::translate("StatementImport", "Statement")
                                            : u"\u201c%1\u201d"_s.arg(fileName);
    QString counted = count == 1 ? QCoreApplication::translate("StatementImport", "1 transaction")
                                 : QCoreApplication::translate("StatementImport", "%1 transactions").arg(count);
    if (matched > 0)
        counted += QCoreApplication::translate("StatementImport", ", %1 matched").arg(matched);
    return QCoreApplication::translate("StatementImport", "Import %1 (%2)").arg(what, counted);
}

std::vector<RecordPtr> importedRecords(const std::vector<StatementLine> &lines)
{
    Statement s;
    s.lines = lines;
    std::vector<RecordPtr> records = statementRecords(s);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].checkNumber.isEmpty())
            records[i]->set(Key::CheckNumber, Value::text(lines[i].checkNumber));
        if (!lines[i].bankId.isEmpty())
            records[i]->set(kBankIdKey, Value::text(lines[i].bankId));
        if (!lines[i].category.isEmpty())
            records[i]->set(Key::Category, Value::text(lines[i].category));
    }
    return records;
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
            return QCoreApplication::translate(
                       "StatementImport",
                       "line %1: the balance after it would be %2, beyond the 90 trillion dollars Cheqbook can keep "
                       "track of; nothing was imported")
                .arg(line.lineNumber)
                .arg(moneyText(balance));
    }
    return QCoreApplication::translate("StatementImport", "after it, %1; nothing was imported").arg(why);
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

ImportResult importPlanned(MyDocument &doc, int atRow, const ImportPlan &plan, const QString &fileName)
{
    ImportResult result;
    doc.ensureRegister();
    std::vector<int> rows; // to mark reconciled
    std::vector<std::pair<int, QString>> ids; // bank ids the matched rows take
    if (!plan.reconcile.empty() || !plan.identify.empty()) {
        QHash<const Record *, int> rowOf;
        const Register &reg = *doc.array();
        for (int row = 0; row < reg.count(); ++row)
            rowOf.insert(reg.at(row).get(), row);
        for (const auto *matches : {&plan.reconcile, &plan.identify}) {
            for (const ImportPlan::Match &m : *matches) {
                const auto found = rowOf.constFind(m.record.get());
                if (found == rowOf.constEnd())
                    continue;
                if (matches == &plan.reconcile)
                    rows.push_back(*found);
                if (!m.bankId.isEmpty() && !m.record->contains(kBankIdKey))
                    ids.emplace_back(*found, m.bankId);
            }
        }
    }
    if (plan.add.empty() && rows.empty() && ids.empty()) {
        result.skipped = plan.skipped;
        return result;
    }
    std::sort(rows.begin(), rows.end());
    // A line that is a scheduled occurrence enters it: one row, under the
    // schedule's name, and the occurrence is not offered again.
    std::vector<RecordPtr> added = importedRecords(plan.add);
    ScheduleBook book = doc.count() > 0 ? readScheduleBook(*doc.array()) : ScheduleBook();
    const std::vector<OccurrenceMeeting> met = meetOccurrences(book, plan.add, QDate::currentDate());
    for (const OccurrenceMeeting &m : met) {
        const QString category = added[m.line]->value(kCategoryKey).toString();
        takeOccurrence(*added[m.line], *book.find(m.occurrence.scheduleId));
        if (plan.categoriesSettled)
            added[m.line]->set(kCategoryKey, category.isEmpty() ? Value() : Value::text(category));
    }
    markMet(book, met);
    result.firstRow = std::clamp(atRow, 0, doc.count());
    result.count = int(plan.add.size());
    result.reconciled = int(rows.size());
    const QString refusal = doc.edit(importStepName(fileName, result.count, result.reconciled), [&] {
        // Marked before the lines go in, while the rows are where they were found.
        for (int row : rows)
            doc.setValue(row, Key::EOMSeen, reconciledMark());
        for (const auto &[row, id] : ids)
            doc.setValue(row, kBankIdKey, Value::text(id));
        doc.addData(std::move(added), result.firstRow);
        doc.updateChangeCount(MyDocument::ChangeDone);
        doc.recalculateBalances();
        if (!met.empty())
            storeScheduleBook(doc, book);
    });
    if (!refusal.isEmpty()) {
        Statement s;
        s.lines = plan.add;
        const int first = result.firstRow;
        result = ImportResult();
        result.error = balanceRefusal(*doc.array(), first, s, refusal);
        return result;
    }
    result.skipped = plan.skipped;
    result.occurrences = int(met.size());
    RowRuns after = rowRuns(rows);
    if (result.count > 0)
        after.push_back({result.firstRow, result.firstRow + result.count - 1});
    doc.setStepRows({}, after);
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
