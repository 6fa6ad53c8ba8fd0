#include "Reconciliation.h"

#include "CutForShowing.h"
#include "DateReader.h"
#include "RunningBalance.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>

bool isReconciled(const Record &record) { return record.value(Key::EOMSeen).intValue() == 1; }

bool isMatchable(const Record &record) { return record.value(Key::EOMSeen).intValue() == 0; }

Cents reconciledSum(const Register &reg)
{
    Cents sum = 0;
    for (const RecordPtr &r : reg.rows())
        if (isReconciled(*r))
            sum = addCents(sum, r->value(Key::Amount).centsOrZero());
    return sum;
}

QString reconciledSumText(Cents sum, QChar decimalPoint) { return shownMoney(sum, decimalPoint); }

int matchStatementAmount(const Register &reg, Cents typed, std::optional<QDate> closingDate, QDate today)
{
    for (int row = 0; row < reg.count(); ++row) {
        const Record &r = reg[row];
        if (!isMatchable(r) || r.value(Key::Amount).centsOrZero() != typed)
            continue;
        if (closingDate) {
            const std::optional<QDate> date =
                r.value(Key::Date).visitText([&](auto text) { return readDate(text, today); });
            if (date && *date > *closingDate)
                continue;
        }
        return row;
    }
    return -1;
}

QString datedAfterClosingMessage(const Record &record, int row)
{
    using namespace Qt::StringLiterals;
    const QString description = record.value(Key::DescriptionofTransaction).toString();
    const QString named = description.simplified().isEmpty() ? QString() : u' ' + quotedDescription(description);
    return QCoreApplication::translate("Reconciliation", "That amount is dated after the closing date: row %1%2, %3")
        .arg(row + 1)
        .arg(named, record.value(Key::Date).toString().simplified().left(40));
}

Cents clearedBalance(const Register &reg)
{
    if (reg.isEmpty())
        return 0;
    Cents sum = reg[0].value(Key::Amount).centsOrZero();
    for (int row = 1; row < reg.count(); ++row)
        if (isReconciled(reg[row]))
            sum = addCents(sum, reg[row].value(Key::Amount).centsOrZero());
    return sum;
}

namespace {

std::optional<RecordedStatement> statementOf(const Record &record)
{
    const Value &date = record.value(kStatementDateKey);
    const Value &balance = record.value(kStatementBalanceKey);
    if (date.isNull() || balance.isNull() || !isReconciled(record))
        return std::nullopt;
    RecordedStatement s;
    s.dateText = date.toString();
    s.balanceText = balance.toString();
    s.date = readDate(s.dateText, QDate()).value_or(QDate());
    s.balance = balance.centsOrZero();
    return s;
}

} // namespace

std::vector<RecordedStatement> recordedStatements(const Register &reg)
{
    std::vector<RecordedStatement> found;
    for (const RecordPtr &r : reg.rows()) {
        std::optional<RecordedStatement> s = statementOf(*r);
        if (!s)
            continue;
        const bool known = std::any_of(found.begin(), found.end(), [&](const RecordedStatement &f) {
            return f.dateText == s->dateText && f.balanceText == s->balanceText;
        });
        if (!known)
            found.push_back(std::move(*s));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const RecordedStatement &a, const RecordedStatement &b) { return a.date < b.date; });
    return found;
}

bool belongsToStatement(const Record &record, const RecordedStatement &statement)
{
    const std::optional<RecordedStatement> s = statementOf(record);
    return s && s->dateText == statement.dateText && s->balanceText == statement.balanceText;
}

bool belongsToAStatement(const Record &record) { return statementOf(record).has_value(); }

std::vector<int> rowsClearedSinceLastStatement(const Register &reg)
{
    std::vector<int> rows;
    for (int row = 1; row < reg.count(); ++row)
        if (isReconciled(reg[row]) && !belongsToAStatement(reg[row]))
            rows.push_back(row);
    return rows;
}

TypedStatementAmount readStatementAmount(const QString &typed, QChar decimalPoint)
{
    using namespace Qt::StringLiterals;
    const CentsReading reading = readTypedAmount(typed, decimalPoint);
    if (reading.ok())
        return {reading.cents, {}};
    if (typed.trimmed().isEmpty())
        return {0, QCoreApplication::translate("Reconciliation", "Type an amount from the statement, like -12.34")};
    if (reading.status == NumberStatus::OutOfRange)
        return {0,
                QCoreApplication::translate("Reconciliation", "\u201c%1\u201d is more than I can keep track of")
                    .arg(typed.trimmed())};
    return {0, QCoreApplication::translate("Reconciliation", "\u201c%1\u201d is not an amount").arg(typed.trimmed())};
}

void markReconciled(Record &record) { record.set(Key::EOMSeen, reconciledMark()); }

float randBetween(float low, float high)
{
    const long m = random() % 123456789;
    const float fraction = float(double(float(m)) / 123456789.0);
    return std::min(low, high) + std::fabs(low - high) * fraction;
}

QString balancingBegunMessage(float drawn)
{
    return QCoreApplication::translate("Reconciliation", drawn > 8.0f ? kBalancingThanksText : kBalancingBegunText);
}

QString drawBalancingBegunMessage() { return balancingBegunMessage(randBetween(0, 10)); }

void setReconciled(MyDocument &doc, int row, bool reconciled)
{
    using namespace Qt::StringLiterals;
    const Record &record = *doc.objectAtIndex(row);
    const QString description = cutForShowing(record.value(Key::DescriptionofTransaction));
    const bool inAStatement = belongsToAStatement(record);
    doc.edit(transactionStepName(reconciled ? QCoreApplication::translate("Reconciliation", "Reconcile")
                                            : QCoreApplication::translate("Reconciliation", "Unreconcile"),
                                 description),
             [&] {
                 doc.setValue(row, Key::EOMSeen, reconciled ? reconciledMark() : Value());
                 if (!reconciled && inAStatement) {
                     doc.setValue(row, kStatementDateKey, Value());
                     doc.setValue(row, kStatementBalanceKey, Value());
                 }
                 doc.updateChangeCount(MyDocument::ChangeDone);
             });
    doc.setStepRows(rowRuns({row}), rowRuns({row}));
}

QString statementDateText(QDate date) { return date.toString(u"MM/dd/yyyy"); }

int finishStatement(MyDocument &doc, QDate closingDate, Cents endingBalance)
{
    using namespace Qt::StringLiterals;
    doc.ensureRegister();
    const std::vector<int> rows = rowsClearedSinceLastStatement(*doc.array());
    if (rows.empty())
        return 0;
    const Value date = Value::text(statementDateText(closingDate));
    const Value balance = Value::text(moneyText(endingBalance));
    doc.edit(
        QCoreApplication::translate("Reconciliation", "Finish Statement of %1").arg(statementDateText(closingDate)),
        [&] {
            for (int row : rows) {
                doc.setValue(row, kStatementDateKey, date);
                doc.setValue(row, kStatementBalanceKey, balance);
            }
            doc.updateChangeCount(MyDocument::ChangeDone);
        });
    doc.setStepRows(rowRuns(rows), rowRuns(rows));
    return int(rows.size());
}
