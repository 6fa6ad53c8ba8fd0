#include "StatementDates.h"

#include "DateReader.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QString dateOrderCode(DateOrder order)
{
    switch (order) {
    case DateOrder::MonthDayYear:
        return u"mdy"_s;
    case DateOrder::DayMonthYear:
        return u"dmy"_s;
    case DateOrder::YearMonthDay:
        return u"ymd"_s;
    case DateOrder::Unknown:
        break;
    }
    return {};
}

std::optional<DateOrder> dateOrderFromCode(QStringView code)
{
    for (DateOrder o : {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay})
        if (code.compare(dateOrderCode(o), Qt::CaseInsensitive) == 0)
            return o;
    return std::nullopt;
}

QString dateOrderName(DateOrder order)
{
    switch (order) {
    case DateOrder::MonthDayYear:
        return u"month/day/year"_s;
    case DateOrder::DayMonthYear:
        return u"day/month/year"_s;
    case DateOrder::YearMonthDay:
        return u"year-month-day"_s;
    case DateOrder::Unknown:
        break;
    }
    return u"not known"_s;
}

namespace {

struct Numeric {
    int a = 0, b = 0, c = 0;
    qsizetype lenA = 0, lenC = 0;
    bool compact = false; // 20261203
};

qsizetype digitsAt(QStringView t, qsizetype i, int *value)
{
    qsizetype j = i;
    int v = 0;
    while (j < t.size() && j - i < 8 && t[j] >= u'0' && t[j] <= u'9')
        v = v * 10 + (t[j++].unicode() - u'0');
    *value = v;
    return j - i;
}

// Three numbers with one separator between them, or eight digits; a time
// after a blank or a T is no part of the date.
std::optional<Numeric> numericDate(QStringView t)
{
    t = t.trimmed();
    Numeric n;
    const qsizetype la = digitsAt(t, 0, &n.a);
    qsizetype i = la;
    auto endsHere = [&](qsizetype k) { return k == t.size() || t[k] == u' ' || t[k] == u'T'; };
    if (la == 8 && endsHere(i)) {
        n = {n.a / 10000, n.a / 100 % 100, n.a % 100, 4, 2, true};
        return n;
    }
    if (la == 0 || la > 4 || i >= t.size())
        return std::nullopt;
    const QChar sep = t[i];
    if (sep != u'/' && sep != u'-' && sep != u'.')
        return std::nullopt;
    const qsizetype lb = digitsAt(t, ++i, &n.b);
    i += lb;
    if (lb == 0 || lb > 2 || i >= t.size() || t[i] != sep)
        return std::nullopt;
    const qsizetype lc = digitsAt(t, ++i, &n.c);
    i += lc;
    if (lc == 0 || lc > 4 || !endsHere(i))
        return std::nullopt;
    n.lenA = la;
    n.lenC = lc;
    return n;
}

int fullYear(int y, qsizetype digits)
{
    if (digits == 4)
        return y;
    if (digits == 2)
        return y < 70 ? 2000 + y : 1900 + y;
    return -1;
}

bool hasLetter(QStringView t)
{
    return std::any_of(t.begin(), t.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

std::optional<QDate> readDateInOrder(QStringView text, DateOrder order, QDate today)
{
    if (const std::optional<Numeric> n = numericDate(text)) {
        int y = 0, m = 0, d = 0;
        if (n->lenA == 4) {
            y = n->a, m = n->b, d = n->c;
            if (!n->compact && n->lenC > 2)
                return std::nullopt;
        } else if (order == DateOrder::YearMonthDay) {
            y = fullYear(n->a, n->lenA), m = n->b, d = n->c;
            if (n->lenC > 2)
                return std::nullopt;
        } else {
            m = order == DateOrder::DayMonthYear ? n->b : n->a;
            d = order == DateOrder::DayMonthYear ? n->a : n->b;
            if (n->lenA > 2)
                return std::nullopt;
            y = fullYear(n->c, n->lenC);
        }
        const QDate date(y, m, d);
        if (y < 1000 || !date.isValid())
            return std::nullopt;
        return date;
    }
    // Month names say which part is which by themselves.
    if (!hasLetter(text))
        return std::nullopt;
    return readDate(text, today);
}

DateOrderEvidence decideDateOrder(const std::vector<QString> &dates)
{
    int yearFirst = 0, dayFirst = 0, monthFirst = 0, either = 0;
    for (const QString &text : dates) {
        const std::optional<Numeric> n = numericDate(text);
        if (!n)
            continue;
        if (n->lenA == 4) {
            ++yearFirst;
        } else if (n->a > 12 && n->b <= 12) {
            ++dayFirst;
        } else if (n->b > 12 && n->a <= 12) {
            ++monthFirst;
        } else if (n->a <= 12 && n->b <= 12) {
            ++either;
        }
    }
    if (dayFirst > 0 && monthFirst == 0 && yearFirst == 0)
        return {DateOrder::DayMonthYear, true};
    if (monthFirst > 0 && dayFirst == 0 && yearFirst == 0)
        return {DateOrder::MonthDayYear, true};
    if (dayFirst == 0 && monthFirst == 0 && either == 0)
        return {yearFirst > 0 ? DateOrder::YearMonthDay : DateOrder::MonthDayYear, true};
    return {DateOrder::Unknown, false};
}
