#include "RunningBalance.h"


Cents addCents(Cents a, Cents b)
{
    const Cents sum = a + b; // both are within 2^53, so this cannot overflow
    return sum > kMaxCents ? kMaxCents : sum < -kMaxCents ? -kMaxCents : sum;
}

BalanceForm balanceForm(const Value &total, BalanceForm above)
{
    if (total.isNull())
        return above;
    if (!total.isText())
        return BalanceForm::Number;
    const QLatin1StringView text = total.latin1Text();
    const CentsReading reading = leadingCents(text);
    if (!reading.ok())
        return above;
    char buf[32];
    const bool full = text == QLatin1StringView(buf, writeMoneyText(buf, reading.cents));
    const bool shortest = text == QLatin1StringView(buf, writeShortestDecimal(buf, reading.cents));
    if (full != shortest)
        return full ? BalanceForm::MoneyText : BalanceForm::ShortText;
    // "1178.76" is both, "2,500" neither: the form around it decides.
    return above == BalanceForm::Number ? BalanceForm::MoneyText : above;
}

Value balanceValue(Cents cents, BalanceForm form)
{
    char buf[32];
    switch (form) {
    case BalanceForm::MoneyText:
        return Value::text(QLatin1StringView(buf, writeMoneyText(buf, cents)));
    case BalanceForm::ShortText:
        return Value::text(QLatin1StringView(buf, writeShortestDecimal(buf, cents)));
    case BalanceForm::Number:
        break;
    }
    return Value::money(cents);
}

void recalculateCheckbook(Register &reg)
{
    Cents total = 0;
    BalanceForm above = BalanceForm::Number;
    for (const RecordPtr &record : reg.rows()) {
        total = addCents(total, record->value(Key::Amount).centsOrZero());
        // A balance that is already right stays as it is written, and one
        // that moves keeps its form: the file changes only where the money
        // did, and taking a change back gives back the very bytes.
        const Value &stored = record->value(Key::Total);
        const CentsReading reading = stored.cents();
        const BalanceForm form = balanceForm(stored, above);
        if (!reading.ok() || reading.cents != total)
            record->set(Key::Total, balanceValue(total, form));
        above = form;
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
    using namespace Qt::StringLiterals;
    return u"row %1: the balance after it would be %2, beyond the 90 trillion dollars Cheqbook can keep track "
           "of"_s.arg(row + 1).arg(moneyText(balance));
}
