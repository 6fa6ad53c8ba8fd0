#include "LayoutMemory.h"

#include <QCryptographicHash>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

QString settingsKey(const QString &headerKey)
{
    const QByteArray hash = QCryptographicHash::hash(headerKey.toUtf8(), QCryptographicHash::Sha1);
    return u"importLayouts/"_s + QString::fromLatin1(hash.toHex().first(20));
}

} // namespace

namespace {

QString amountSignCode(AmountSign sign)
{
    return sign == AmountSign::MoneyOut ? u"out"_s : sign == AmountSign::AsWritten ? u"in"_s : u"-"_s;
}

} // namespace

QString layoutText(const CsvLayout &l)
{
    return u"separator=%1;header=%2;fields=%3;date=%4;amount=%5;description=%6;memo=%7;out=%8;in=%9;"_s
               .arg(l.separator.unicode())
               .arg(l.headerLine)
               .arg(l.fieldCount)
               .arg(l.date)
               .arg(l.amount)
               .arg(l.description)
               .arg(l.memo)
               .arg(l.moneyOut)
               .arg(l.moneyIn)
        + u"check=%1;sign=%2;order=%3;comma=%4;amounts=%5"_s.arg(l.checkNumber)
              .arg(l.sign)
              .arg(l.dateOrder == DateOrder::Unknown ? u"-"_s : dateOrderCode(l.dateOrder))
              .arg(l.decimalComma ? 1 : 0)
              .arg(amountSignCode(l.amountSign));
}

std::optional<CsvLayout> layoutFromText(QStringView text)
{
    CsvLayout l;
    int seen = 0;
    int extra = 0;
    for (QStringView item : text.split(u';')) {
        const qsizetype eq = item.indexOf(u'=');
        if (eq < 0)
            return std::nullopt;
        const QStringView name = item.first(eq);
        const QStringView value = item.sliced(eq + 1);
        bool ok = true;
        const int n = value.toInt(&ok);
        if (name == u"amounts") {
            // Not in the layouts of older versions, which never asked.
            if (value != u"-" && value != u"in" && value != u"out")
                return std::nullopt;
            l.amountSign = value == u"out" ? AmountSign::MoneyOut
                : value == u"in"           ? AmountSign::AsWritten
                                           : AmountSign::Unasked;
            ++extra;
            continue;
        }
        if (name == u"order") {
            const std::optional<DateOrder> order = dateOrderFromCode(value);
            if (!order && value != u"-")
                return std::nullopt;
            l.dateOrder = order.value_or(DateOrder::Unknown);
            ++seen;
            continue;
        }
        if (!ok)
            return std::nullopt;
        int *columns[] = {&l.date, &l.amount, &l.description, &l.memo, &l.moneyOut, &l.moneyIn, &l.checkNumber,
                          &l.sign};
        const QStringView names[] = {u"date", u"amount", u"description", u"memo", u"out", u"in", u"check", u"sign"};
        bool known = false;
        for (size_t k = 0; k < std::size(names); ++k) {
            if (name == names[k]) {
                if (n < -1 || n > 999)
                    return std::nullopt;
                *columns[k] = n;
                known = true;
            }
        }
        if (name == u"separator") {
            if (n != u',' && n != u';' && n != u'\t')
                return std::nullopt;
            l.separator = QChar(n);
        } else if (name == u"header") {
            l.headerLine = std::max(0, n);
        } else if (name == u"fields") {
            l.fieldCount = std::max(0, n);
        } else if (name == u"comma") {
            l.decimalComma = n != 0;
        } else if (!known) {
            return std::nullopt;
        }
        ++seen;
    }
    if (seen != 13 || extra > 1 || l.date < 0 || (l.fieldCount > 0 && l.fieldsNeeded() > l.fieldCount))
        return std::nullopt;
    return l;
}

std::optional<CsvLayout> LayoutMemory::layoutFor(const QString &headerKey) const
{
    if (headerKey.isEmpty())
        return std::nullopt;
    return layoutFromText(m_settings.value(settingsKey(headerKey)).toString());
}

void LayoutMemory::remember(const QString &headerKey, const CsvLayout &layout)
{
    if (!headerKey.isEmpty())
        m_settings.setValue(settingsKey(headerKey), layoutText(layout));
}
