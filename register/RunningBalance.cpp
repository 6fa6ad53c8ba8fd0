#include "RunningBalance.h"

#include "CutForShowing.h"
#include "NumberScan.h"

#include <QCoreApplication>

#include <cmath>

using namespace Qt::StringLiterals;


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

std::optional<Value> amountAsMoneyText(const Record &record)
{
    const Value &held = record.value(Key::Amount);
    const CentsReading amount = held.cents();
    if (amount.status == NumberStatus::OutOfRange)
        return std::nullopt;
    char buf[32];
    Value shown = Value::text(QLatin1StringView(buf, writeMoneyText(buf, amount.cents)));
    if (shown == held)
        return std::nullopt;
    return shown;
}

void rewriteAmountAsMoneyText(Record &record)
{
    if (std::optional<Value> shown = amountAsMoneyText(record))
        record.set(Key::Amount, std::move(*shown));
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
    return u"row %1: the balance after it would be %2, beyond the 90 trillion dollars Cheqbook can keep track "
           "of"_s.arg(row + 1).arg(moneyText(balance));
}

namespace {

template <typename Char>
bool isWholeNumber(const Char *first, const Char *last)
{
    const Char *p = first;
    while (p != last && scanIsSpace(scanUnit(*p)))
        ++p;
    if (p == last)
        return true; // empty: no amount
    const DecimalScan scan = scanLeadingDecimal(first, last);
    if (!scan.found)
        return false;
    for (p = first + scan.end; p != last; ++p)
        if (!scanIsSpace(scanUnit(*p)))
            return false;
    return true;
}

} // namespace

bool isAmountText(QStringView text) { return isWholeNumber(text.data(), text.data() + text.size()); }

bool isAmountText(QLatin1StringView text) { return isWholeNumber(text.data(), text.data() + text.size()); }

bool isAmount(const Value &amount)
{
    if (!amount.isText())
        return true; // a number, or none
    return amount.visitText([](auto text) { return isAmountText(text); });
}

QString unreadableAmount(const Register &reg)
{
    for (int row = 0; row < reg.count(); ++row)
        if (const Value &amount = reg[row].value(Key::Amount); !isAmount(amount))
            return unreadableAmountMessage(cutForShowing(amount, kAmountShown), row);
    return {};
}

QString unreadableAmountMessage(const QString &amountShown, qint64 row)
{
    return QCoreApplication::translate("RunningBalance", "row %1: the Amount \u201c%2\u201d is not an amount")
        .arg(row + 1)
        .arg(amountShown);
}

QString storedBalanceDisagreement(const Register &reg)
{
    Cents total = 0;
    for (int row = 0; row < reg.count(); ++row) {
        total = addCents(total, reg[row].value(Key::Amount).centsOrZero());
        const Value &stored = reg[row].value(Key::Total);
        if (stored.isNull())
            continue;
        const CentsReading kept = stored.cents();
        if (kept.ok() && kept.cents == total)
            continue;
        // A float's seven digits, as an older Cheqbook kept balances.
        const double worked = double(total) / 100;
        if (kept.ok() && std::abs(double(kept.cents) / 100 - worked) <= std::abs(worked) * 1e-6)
            continue;
        return QCoreApplication::translate("RunningBalance",
                                           "row %1 holds the balance %2, but the amounts down to it add up to %3")
            .arg(row + 1)
            .arg(kept.ok() ? moneyText(kept.cents) : u"\u201c"_s + cutForShowing(stored, kAmountShown) + u"\u201d"_s)
            .arg(moneyText(total));
    }
    return {};
}
