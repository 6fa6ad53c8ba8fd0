#include "RunningBalance.h"

#include <QCoreApplication>

Cents addCents(Cents a, Cents b)
{
    const Cents sum = a + b; // both are within 2^53, so this cannot overflow
    return sum > kMaxCents ? kMaxCents : sum < -kMaxCents ? -kMaxCents : sum;
}

void recalculateCheckbook(Register &reg)
{
    Cents total = 0;
    for (const RecordPtr &record : reg.rows()) {
        total = addCents(total, record->value(Key::Amount).centsOrZero());
        record->set(Key::Total, Value::money(total));
    }
}

void carryBalance(Register &reg, int firstRow)
{
    if (firstRow < 0 || firstRow >= reg.count())
        return;
    Cents total = firstRow == 0 ? 0 : reg[firstRow - 1].value(Key::Total).centsOrZero();
    char buf[32];
    for (int i = firstRow; i < reg.count(); ++i) {
        total = addCents(total, reg[i].value(Key::Amount).centsOrZero());
        reg[i].set(Key::Total, Value::text(QLatin1StringView(buf, writeMoneyText(buf, total))));
    }
}

void rewriteAmountAsMoneyText(Record &record)
{
    const CentsReading amount = record.value(Key::Amount).cents();
    if (amount.status == NumberStatus::OutOfRange)
        return;
    char buf[32];
    record.set(Key::Amount, Value::text(QLatin1StringView(buf, writeMoneyText(buf, amount.cents))));
}

Cents rewriteAmountAndCarry(Record &record, Cents previousTotal)
{
    char buf[32];
    const CentsReading amount = record.value(Key::Amount).cents();
    if (amount.status != NumberStatus::OutOfRange)
        record.set(Key::Amount, Value::text(QLatin1StringView(buf, writeMoneyText(buf, amount.cents))));
    const Cents total = addCents(previousTotal, amount.cents);
    record.set(Key::Total, Value::money(total));
    return total;
}

void rewriteAmountsAndRecalculate(Register &reg)
{
    Cents total = 0;
    for (const RecordPtr &record : reg.rows())
        total = rewriteAmountAndCarry(*record, total);
}

QString balanceBeyondLimit(const Register &reg, int fromRow)
{
    fromRow = std::max(0, fromRow);
    Cents balance = fromRow == 0 || fromRow > reg.count() ? 0 : reg[fromRow - 1].value(Key::Total).centsOrZero();
    for (int row = fromRow; row < reg.count(); ++row) {
        const CentsReading amount = reg[row].value(Key::Amount).cents();
        balance += amount.cents; // both within 2^53: the sum cannot overflow
        if (amount.status == NumberStatus::OutOfRange || !centsInRange(balance))
            return balanceBeyondLimitMessage(balance, row);
    }
    return {};
}

QString balanceBeyondLimitMessage(Cents balance, qint64 row)
{
    return QCoreApplication::translate("RunningBalance", "row %1: the balance after it would be %2, beyond the 90 "
                                                         "trillion dollars Cheqbook can keep track of")
        .arg(row + 1)
        .arg(moneyText(balance));
}
