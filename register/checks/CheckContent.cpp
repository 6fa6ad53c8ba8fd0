#include "CheckContent.h"

#include "CheckNumbering.h"
#include "DateReader.h"
#include "PayeeAddresses.h"
#include "RegisterFigures.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// Why a row cannot be a check; empty when it can.
QString notACheck(const Register &reg, int row)
{
    if (row < 0 || row >= reg.count())
        return QCoreApplication::translate("CheckContent", "the register has no row %1 (it has %2)")
            .arg(row + 1)
            .arg(reg.count());
    if (row == 0)
        return QCoreApplication::translate("CheckContent", "row 1 is the opening balance, not a check");
    const Record &record = reg[row];
    const CentsReading amount = record.value(Key::Amount).cents();
    const QString description = quotedDescription(record.value(Key::DescriptionofTransaction).toString());
    if (!amount.ok())
        return QCoreApplication::translate("CheckContent", "row %1 (%2) has no amount a check can pay: \u201c%3\u201d")
            .arg(row + 1)
            .arg(description, record.value(Key::Amount).toString());
    if (amount.cents >= 0)
        return QCoreApplication::translate("CheckContent", "row %1 (%2) is not a check: it pays %3 in, not out")
            .arg(row + 1)
            .arg(description, moneyText(amount.cents));
    return {};
}

} // namespace

QString checkFigures(Cents cents, QChar decimalPoint)
{
    return countText(cents / 100, decimalPoint) + decimalPoint + u"%1"_s.arg(int(cents % 100), 2, 10, QChar(u'0'));
}

CheckContents checkContents(const Register &reg, const std::vector<int> &rows, const PayeeAddresses *addresses,
                            const WrittenForms &forms, WordsLanguage language)
{
    CheckContents result;
    for (int row : rows) {
        if (const QString why = notACheck(reg, row); !why.isEmpty()) {
            result.error = why;
            result.checks.clear();
            return result;
        }
        const Record &record = reg[row];
        const Cents paid = -record.value(Key::Amount).cents().cents;
        CheckContent check;
        check.row = row;
        check.number = isMarkedToPrint(record) ? QString() : record.value(Key::CheckNumber).toString().trimmed();
        check.date = shownDate(record.value(Key::Date), forms.dateOrder);
        check.payee = record.value(Key::DescriptionofTransaction).toString().simplified();
        check.amount = checkFigures(paid, forms.decimalPoint);
        check.words = amountInWords(paid, language).value_or(QString());
        check.memo = record.value(kMemoKey).toString().simplified();
        if (addresses)
            check.address = addresses->addressOf(check.payee);
        result.checks.push_back(std::move(check));
    }
    return result;
}
