#include "EntryFields.h"

#include "DateReader.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {

FieldKeyResult replaceWith(QString text) { return {FieldKeyResult::What::Replace, std::move(text)}; }

// Digits and the separator of the form entry proposes dates in (12/7,
// 12/07/2026, or a slip like 13/45/2026); texts with other marks or words
// are typed on.
bool isDateFormText(const QString &text, QChar separator)
{
    bool separated = false;
    for (QChar c : text) {
        if (c == separator)
            separated = true;
        else if (!c.isDigit())
            return false;
    }
    return separated;
}

bool allDigits(QStringView text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return !text.isEmpty();
}

} // namespace

FieldKeyResult dateFieldKey(const QString &text, QChar key, QDate today, QChar previous, DateOrder order)
{
    if (previous.toLower() == u't' && key.isLetter())
        return {FieldKeyResult::What::Replace, QString(previous) + key, false};
    const QChar k = key.toLower();
    if (k != u'+' && k != u'-' && k != u't')
        return {};
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty() && !isDateFormText(trimmed, order == DateOrder::YearMonthDay ? u'-' : u'/'))
        return {};
    // T mends a date that cannot be read too; + and - need one to step from.
    if (k == u't')
        return replaceWith(writtenDate(today, order));
    const std::optional<QDate> typed = trimmed.isEmpty() ? today : readTypedDate(trimmed, order, today);
    if (!typed)
        return {};
    const QDate from = *typed;
    const QDate stepped = from.addDays(k == u'+' ? 1 : -1);
    if (!stepped.isValid() || stepped.year() < 1 || stepped.year() > 9999)
        return {FieldKeyResult::What::Refuse, {}};
    return replaceWith(writtenDate(stepped, order));
}

FieldKeyResult checkNumberFieldKey(const QString &text, QChar key, std::optional<qint64> next)
{
    if (key != u'+' && key != u'-')
        return {};
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        if (key == u'+' && next && *next >= 1)
            return replaceWith(QString::number(*next));
        return {FieldKeyResult::What::Refuse, {}};
    }
    if (!allDigits(trimmed))
        return {};
    bool ok = false;
    const qint64 number = trimmed.toLongLong(&ok);
    const qint64 stepped = number + (key == u'+' ? 1 : -1);
    if (!ok || stepped < 1 || stepped == std::numeric_limits<qint64>::max())
        return {FieldKeyResult::What::Refuse, {}};
    return replaceWith(QString::number(stepped).rightJustified(trimmed.size(), u'0'));
}

std::optional<qint64> nextCheckNumber(const Register &reg)
{
    for (int row = reg.count() - 1; row >= 1; --row)
        if (const int number = reg[row].value(Key::CheckNumber).intValue(); number != 0)
            return qint64(number) + 1;
    return std::nullopt;
}

bool isReadableDateText(QStringView text, DateOrder order, QDate today)
{
    return text.trimmed().isEmpty() || readTypedDate(text, order, today);
}
