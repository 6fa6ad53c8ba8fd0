#include "Rollover.h"

#include "AtomicFile.h"
#include "Reconciliation.h"
#include "RegisterFile.h"
#include "RunningBalance.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString nothingToRollOverMessage()
{
    return QCoreApplication::translate(
        "Rollover", "The register has no transactions, so there is nothing to roll over into a new year.");
}

Cents carriedBalance(const Register &reg)
{
    if (reg.isEmpty())
        return 0;
    Cents balance = reg[reg.count() - 1].value(Key::Total).centsOrZero();
    for (const RecordPtr &r : reg.rows())
        if (isMatchable(*r))
            balance = addCents(balance, -r->value(Key::Amount).centsOrZero());
    return balance;
}

std::vector<RecordPtr> rolloverList(const Register &reg)
{
    std::vector<RecordPtr> list;
    list.reserve(size_t(reg.count()) / 2 + 1);
    const Value carried = Value::text(moneyText(carriedBalance(reg)));
    RecordPtr opening = makeRecord();
    opening->set(Key::CheckNumber, Value::text(u" "));
    opening->set(Key::DescriptionofTransaction, Value::text(u"Initial"));
    opening->set(Key::Date, Value::text(u" "));
    opening->set(Key::Amount, carried);
    opening->set(Key::Total, carried);
    list.push_back(std::move(opening));
    for (const RecordPtr &r : reg.rows())
        if (isMatchable(*r))
            list.push_back(r);
    return list;
}

QString writeRolloverFile(const QString &path, const Register &reg)
{
    if (reg.isEmpty())
        return nothingToRollOverMessage();
    QString why;
    const std::optional<QByteArray> xml = xmlText(rolloverList(reg), &why);
    if (!xml)
        return QCoreApplication::translate("Rollover", "%1 could not be written: %2").arg(QFileInfo(path).fileName(), why);
    return writeFileAtomically(path, *xml);
}
