#include "RegisterFigures.h"

#include "Reconciliation.h"
#include "RunningBalance.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

RegisterFigures registerFigures(const Register &reg)
{
    RegisterFigures f;
    f.transactions = reg.count();
    if (!reg.isEmpty())
        f.balance = reg[reg.count() - 1].value(Key::Total).centsOrZero();
    f.cleared = clearedBalance(reg);
    return f;
}

SelectionFigures selectionFigures(const Register &reg, const std::vector<int> &rows)
{
    SelectionFigures s;
    for (int row : rows) {
        if (row < 0 || row >= reg.count())
            continue;
        ++s.count;
        s.total = addCents(s.total, reg[row].value(Key::Amount).centsOrZero());
    }
    return s;
}

QString countText(qint64 count, QChar decimalPoint)
{
    QString digits = QString::number(count < 0 ? -count : count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, decimalPoint == u',' ? u'\u202f' : u',');
    return count < 0 ? u'-' + digits : digits;
}

QString figuresText(const RegisterFigures &figures, std::optional<int> shown, QChar decimalPoint)
{
    // The plural is told the count, so that a language whose plural starts
    // elsewhere (French says "0 opération") chooses among its own forms.
    const int n = figures.transactions;
    const QString counted = n == 1
        ? QCoreApplication::translate("RegisterFigures", "Balance %1 \u00b7 Cleared %2 \u00b7 %3 transaction")
        : QCoreApplication::translate("RegisterFigures", "Balance %1 \u00b7 Cleared %2 \u00b7 %3 transactions", nullptr, n);
    QString text = counted.arg(shownMoney(figures.balance, decimalPoint), shownMoney(figures.cleared, decimalPoint),
                               countText(n, decimalPoint));
    if (shown)
        text += QCoreApplication::translate("RegisterFigures", " (%1 shown)").arg(countText(*shown, decimalPoint));
    return text;
}

QString selectionText(const SelectionFigures &selection, QChar decimalPoint)
{
    if (selection.count < 2)
        return {};
    return QCoreApplication::translate("RegisterFigures", "%1 selected: %2")
        .arg(countText(selection.count, decimalPoint), shownMoney(selection.total, decimalPoint));
}
