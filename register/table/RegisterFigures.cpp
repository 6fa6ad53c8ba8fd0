#include "RegisterFigures.h"

#include "Reconciliation.h"
#include "RunningBalance.h"

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
    QString text = u"Balance %1 \u00b7 Cleared %2 \u00b7 %3 %4"_s.arg(
        shownMoney(figures.balance, decimalPoint), shownMoney(figures.cleared, decimalPoint),
        countText(figures.transactions, decimalPoint),
        figures.transactions == 1 ? u"transaction"_s : u"transactions"_s);
    if (shown)
        text += u" (%1 shown)"_s.arg(countText(*shown, decimalPoint));
    return text;
}

QString selectionText(const SelectionFigures &selection, QChar decimalPoint)
{
    if (selection.count < 2)
        return {};
    return u"%1 selected: %2"_s.arg(countText(selection.count, decimalPoint),
                                    shownMoney(selection.total, decimalPoint));
}
