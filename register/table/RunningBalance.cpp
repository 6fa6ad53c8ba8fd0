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

namespace {

// The forms a balance is kept in: a money number (saved as 2500 or 74.5),
// money text as entry writes it ("2500.00"), or the shortest text ("2500",
// as a file saved from numbers holds it).
enum class BalanceForm { Number, MoneyText, ShortText };

// A text read as a balance the program writes it: "-12.50" is money text,
// "12.5" and "2500" the shortest text, "12.34" either. Any other text
// ("2,500", "012.3", a number too long for a balance) is neither, and is
// left to the general reading.
enum class Shape { Neither, Money, Shortest, Either };
struct ShapedCents {
    Shape shape = Shape::Neither;
    Cents cents = 0;
};

ShapedCents readShaped(QLatin1StringView t)
{
    const char *c = t.data();
    auto digit = [&](qsizetype i) { return c[i] >= '0' && c[i] <= '9'; };
    const bool negative = !t.isEmpty() && c[0] == '-';
    qsizetype i = negative ? 1 : 0;
    const qsizetype first = i;
    Cents whole = 0;
    for (; i < t.size() && digit(i); ++i)
        whole = whole * 10 + (c[i] - '0');
    const qsizetype wholeDigits = i - first;
    if (wholeDigits == 0 || wholeDigits > 13 || (wholeDigits > 1 && c[first] == '0'))
        return {};
    ShapedCents r;
    Cents fraction = 0;
    if (i == t.size()) {
        r.shape = Shape::Shortest;
    } else {
        if (c[i] != '.')
            return {};
        const qsizetype point = ++i;
        for (; i < t.size() && digit(i); ++i)
            fraction = fraction * 10 + (c[i] - '0');
        const qsizetype decimals = i - point;
        if (i != t.size() || decimals < 1 || decimals > 2)
            return {};
        const bool endsInZero = c[i - 1] == '0';
        if (decimals == 1) {
            if (endsInZero)
                return {};
            fraction *= 10;
            r.shape = Shape::Shortest;
        } else {
            r.shape = endsInZero ? Shape::Money : Shape::Either;
        }
    }
    r.cents = (whole * 100 + fraction) * (negative ? -1 : 1);
    return r;
}

// The form of a stored Total and whether it already reads as cents. The
// texts the program writes are read by their shape, in one look, rather
// than by the general reading: a million balances are looked at after every
// deletion.
BalanceForm formOf(const Value &stored, Cents cents, BalanceForm above, bool *right)
{
    *right = false;
    if (stored.isNull())
        return above;
    if (!stored.isText()) {
        const CentsReading reading = stored.cents();
        *right = reading.ok() && reading.cents == cents;
        return BalanceForm::Number;
    }
    const QLatin1StringView text = stored.latin1Text();
    const ShapedCents shaped = readShaped(text);
    if (shaped.shape == Shape::Neither) {
        const CentsReading reading = stored.cents();
        *right = reading.ok() && reading.cents == cents;
        return above;
    }
    *right = shaped.cents == cents;
    switch (shaped.shape) {
    case Shape::Money:
        return BalanceForm::MoneyText;
    case Shape::Shortest:
        return BalanceForm::ShortText;
    default:
        // "1178.76" is both: the form around it decides.
        return above == BalanceForm::Number ? BalanceForm::MoneyText : above;
    }
}

// The form of the first Total that tells its form: what the rows above it,
// which do not tell, are taken to be in.
BalanceForm firstTellingForm(const Register &reg)
{
    for (const RecordPtr &record : reg.rows()) {
        const Value &total = record->value(Key::Total);
        if (total.isNull())
            continue;
        if (!total.isText())
            return BalanceForm::Number;
        const Shape shape = readShaped(total.latin1Text()).shape;
        if (shape == Shape::Money)
            return BalanceForm::MoneyText;
        if (shape == Shape::Shortest)
            return BalanceForm::ShortText;
    }
    return BalanceForm::Number;
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

} // namespace

void recalculateCheckbook(Register &reg)
{
    Cents total = 0;
    BalanceForm above = firstTellingForm(reg);
    for (const RecordPtr &record : reg.rows()) {
        total = addCents(total, record->value(Key::Amount).centsOrZero());
        // A balance that is already right stays as it is written, and one
        // that moves keeps its form: the file changes only where the money
        // did, and taking a change back gives back the very bytes.
        bool right = false;
        const BalanceForm form = formOf(record->value(Key::Total), total, above, &right);
        if (!right)
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
    // A balance that is already right stays as written ("2268.9" too), as
    // the window leaves it: a command that moves no money writes no byte.
    const CentsReading held = record.value(Key::Total).cents();
    if (!held.ok() || held.cents != total)
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

namespace {

template <typename Char>
bool isWholeNumber(const Char *first, const Char *last)
{
    const Char *p = first;
    while (p != last && scanIsSpace(scanUnit(*p)))
        ++p;
    if (p == last)
        return true; // empty: no amount
    // Nearly every amount is money text the program wrote, "-1234.56".
    const Char *digits = first + (scanUnit(*first) == u'-');
    p = digits;
    while (p != last && scanUnit(*p) >= u'0' && scanUnit(*p) <= u'9')
        ++p;
    if (p != digits && last - p == 3 && scanUnit(p[0]) == u'.' && scanUnit(p[1]) >= u'0' && scanUnit(p[1]) <= u'9'
        && scanUnit(p[2]) >= u'0' && scanUnit(p[2]) <= u'9')
        return true;
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
