#include "CheckNumbering.h"

#include "DateReader.h"
#include "EntryFields.h"
#include "Reconciliation.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

std::vector<int> sortedRows(std::vector<int> rows, const Register &reg)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&](int row) { return row < 1 || row >= reg.count(); });
    return rows;
}

// "Number Check 1043", "Number Checks 1043–1045".
QString numbersStepName(const char *one, const char *many, qint64 first, size_t count)
{
    return count == 1 ? QCoreApplication::translate("CheckNumbering", one).arg(first)
                      : QCoreApplication::translate("CheckNumbering", many).arg(first).arg(first + qint64(count) - 1);
}

// Why count checks cannot take the numbers from first on in the register,
// whose rows being numbered are leaving: empty when they can.
QString numbersRefused(const Register &reg, const std::vector<int> &leaving, qint64 first, size_t count)
{
    if (first < 1)
        return QCoreApplication::translate("CheckNumbering", "Check numbers begin at 1, not at %1.").arg(first);
    if (first + qint64(count) - 1 > INT_MAX)
        return QCoreApplication::translate("CheckNumbering", "Check numbers end at %1; %2 checks from %3 go beyond.")
            .arg(INT_MAX)
            .arg(count)
            .arg(first);
    const qint64 last = first + qint64(count) - 1;
    for (int row = 1; row < reg.count(); ++row) {
        const qint64 number = reg[row].value(Key::CheckNumber).intValue();
        if (number >= first && number <= last && !std::binary_search(leaving.begin(), leaving.end(), row))
            return QCoreApplication::translate(
                       "CheckNumbering",
                       "Check %1 is already in the register, in row %2; choose a first number after the checks "
                       "it holds.")
                .arg(number)
                .arg(row + 1);
    }
    return {};
}

RecordPtr voidRow(const QString &number, const Record &spoiled, const Value &total, QDate today)
{
    RecordPtr row = makeRecord();
    row->set(Key::CheckNumber, Value::text(number));
    row->set(Key::DescriptionofTransaction,
             Value::text(QCoreApplication::translate("CheckNumbering", "VOID: spoiled printing the check to %1")
                             .arg(spoiled.value(Key::DescriptionofTransaction).toString())));
    row->set(Key::Date, Value::text(fileDateText(today)));
    row->set(Key::Amount, Value::text(moneyText(0)));
    row->set(Key::Total, total);
    row->set(Key::EOMSeen, reconciledMark());
    return row;
}

} // namespace

bool isMarkedToPrint(const Record &record)
{
    return record.value(Key::CheckNumber).toString().trimmed().compare(kToPrintMark, Qt::CaseInsensitive) == 0;
}

bool paysOut(const Record &record)
{
    const CentsReading amount = record.value(Key::Amount).cents();
    return amount.ok() && amount.cents < 0;
}

std::vector<int> rowsMarkedToPrint(const Register &reg)
{
    std::vector<int> rows;
    for (int row = 1; row < reg.count(); ++row)
        if (isMarkedToPrint(reg[row]))
            rows.push_back(row);
    return rows;
}

std::vector<int> rowsToPrintAsChecks(const Register &reg, const std::vector<int> &selected)
{
    std::vector<int> rows = sortedRows(selected, reg);
    std::erase_if(rows, [&](int row) { return !paysOut(reg[row]); });
    return rows.empty() ? rowsMarkedToPrint(reg) : rows;
}

std::vector<int> markToPrint(MyDocument &doc, const std::vector<int> &rows)
{
    doc.ensureRegister();
    const Register &reg = *doc.array();
    std::vector<int> marked;
    for (int row : sortedRows(rows, reg))
        if (paysOut(reg[row]) && !isMarkedToPrint(reg[row]))
            marked.push_back(row);
    if (marked.empty())
        return marked;
    const QString name = marked.size() == 1
        ? transactionStepName(QCoreApplication::translate("CheckNumbering", "Mark to Print \u201c%1\u201d"),
                              QCoreApplication::translate("CheckNumbering", "Mark to Print Transaction"),
                              reg[marked[0]].value(Key::DescriptionofTransaction).toString())
        : QCoreApplication::translate("CheckNumbering", "Mark %1 Checks to Print").arg(marked.size());
    if (!doc.edit(name, [&] {
            for (int row : marked)
                doc.setValue(row, Key::CheckNumber, Value::text(kToPrintMark));
            doc.updateChangeCount(MyDocument::ChangeDone);
        }).isEmpty())
        return {};
    doc.setStepRows(rowRuns(marked), rowRuns(marked));
    return marked;
}

std::optional<qint64> firstNumberToPrint(const Register &reg) { return nextCheckNumber(reg); }

namespace {

std::vector<int> markedAmong(const Register &reg, const std::vector<int> &rows)
{
    std::vector<int> marked = sortedRows(rows, reg);
    std::erase_if(marked, [&](int row) { return !isMarkedToPrint(reg[row]); });
    return marked;
}

} // namespace

QString numberingRefused(const Register &reg, const std::vector<int> &rows, qint64 first)
{
    const std::vector<int> marked = markedAmong(reg, rows);
    return marked.empty() ? QString() : numbersRefused(reg, marked, first, marked.size());
}

void numberContents(std::vector<CheckContent> &checks, const Register &reg, qint64 first)
{
    std::vector<CheckContent *> marked;
    for (CheckContent &check : checks)
        if (check.row >= 1 && check.row < reg.count() && isMarkedToPrint(reg[check.row]))
            marked.push_back(&check);
    // In the order of the register, as numberMarkedChecks gives them.
    std::sort(marked.begin(), marked.end(), [](const CheckContent *a, const CheckContent *b) { return a->row < b->row; });
    for (CheckContent *check : marked)
        check->number = QString::number(first++);
}

QString numberMarkedChecks(MyDocument &doc, const std::vector<int> &rows, qint64 first)
{
    doc.ensureRegister();
    const Register &reg = *doc.array();
    const std::vector<int> marked = markedAmong(reg, rows);
    if (marked.empty())
        return {};
    if (const QString refusal = numbersRefused(reg, marked, first, marked.size()); !refusal.isEmpty())
        return refusal;
    const QString name = numbersStepName(QT_TRANSLATE_NOOP("CheckNumbering", "Number Check %1"),
                                         QT_TRANSLATE_NOOP("CheckNumbering", "Number Checks %1\u2013%2"), first,
                                         marked.size());
    const QString refusal = doc.edit(name, [&] {
        qint64 number = first;
        for (int row : marked)
            doc.setValue(row, Key::CheckNumber, Value::text(QString::number(number++)));
        doc.updateChangeCount(MyDocument::ChangeDone);
    });
    if (refusal.isEmpty())
        doc.setStepRows(rowRuns(marked), rowRuns(marked));
    return refusal;
}

QString renumberSpoiledChecks(MyDocument &doc, const std::vector<int> &rows, qint64 first, QDate today,
                              std::vector<int> *moved)
{
    doc.ensureRegister();
    const Register &reg = *doc.array();
    const std::vector<int> checks = sortedRows(rows, reg);
    if (checks.empty())
        return {};
    // The spoiled numbers stay taken: they are not among those leaving.
    if (const QString refusal = numbersRefused(reg, {}, first, checks.size()); !refusal.isEmpty())
        return refusal;
    const int before = checks.front();
    std::vector<RecordPtr> voids;
    for (int row : checks)
        if (const QString spoiled = reg[row].value(Key::CheckNumber).toString().trimmed();
            reg[row].value(Key::CheckNumber).intValue() != 0)
            voids.push_back(voidRow(spoiled, reg[row], reg[before - 1].value(Key::Total), today));
    const int added = int(voids.size());
    const QString name = numbersStepName(QT_TRANSLATE_NOOP("CheckNumbering", "Reprint Check %1"),
                                         QT_TRANSLATE_NOOP("CheckNumbering", "Reprint Checks %1\u2013%2"), first,
                                         checks.size());
    const QString refusal = doc.edit(name, [&] {
        qint64 number = first;
        for (int row : checks)
            doc.setValue(row, Key::CheckNumber, Value::text(QString::number(number++)));
        doc.addData(std::move(voids), before);
        doc.updateChangeCount(MyDocument::ChangeDone);
    });
    if (!refusal.isEmpty())
        return refusal;
    std::vector<int> after;
    for (int i = 0; i < added; ++i)
        after.push_back(before + i);
    for (int row : checks)
        after.push_back(row + added);
    doc.setStepRows(rowRuns(checks), rowRuns(after));
    if (moved)
        *moved = std::vector<int>(after.begin() + added, after.end());
    return {};
}
