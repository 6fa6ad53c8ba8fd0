#include "Reconciliation.h"

#include "RunningBalance.h"

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

QString reconciledSumText(Cents sum) { return u'$' + moneyText(sum); }

int matchStatementAmount(const Register &reg, Cents typed)
{
    for (int row = 0; row < reg.count(); ++row) {
        const Record &r = reg[row];
        if (isMatchable(r) && r.value(Key::Amount).centsOrZero() == typed)
            return row;
    }
    return -1;
}

TypedStatementAmount readStatementAmount(const QString &typed)
{
    using namespace Qt::StringLiterals;
    const CentsReading reading = typedAmountCents(typed);
    if (reading.ok())
        return {reading.cents, {}};
    if (typed.trimmed().isEmpty())
        return {0, u"Type an amount from the statement, like -12.34"_s};
    if (reading.status == NumberStatus::OutOfRange)
        return {0, u"\u201c%1\u201d is more than I can keep track of"_s.arg(typed.trimmed())};
    return {0, u"\u201c%1\u201d is not an amount"_s.arg(typed.trimmed())};
}

void markReconciled(Record &record) { record.set(Key::EOMSeen, reconciledMark()); }

float randBetween(float low, float high)
{
    const long m = random() % 123456789;
    const float fraction = float(double(float(m)) / 123456789.0);
    return std::min(low, high) + std::fabs(low - high) * fraction;
}

QStringView balancingBegunMessage(float drawn)
{
    return drawn > 8.0f ? kBalancingThanksMessage : kBalancingBegunMessage;
}

QStringView drawBalancingBegunMessage() { return balancingBegunMessage(randBetween(0, 10)); }
