#include "StatementDates.h"

#include "DateReader.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <limits>

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
        return QCoreApplication::translate("StatementDates", "month/day/year");
    case DateOrder::DayMonthYear:
        return QCoreApplication::translate("StatementDates", "day/month/year");
    case DateOrder::YearMonthDay:
        return QCoreApplication::translate("StatementDates", "year-month-day");
    case DateOrder::Unknown:
        break;
    }
    return QCoreApplication::translate("StatementDates", "not known");
}

namespace {

struct Numeric {
    int a = 0, b = 0, c = 0;
    qsizetype lenA = 0, lenC = 0; // lenC is 0 for a date without its year (12/03)
    bool compact = false; // 20261203
    bool dots = false;    // 03.12.2026: the day first, wherever dates are written so
    bool hasYear() const { return compact || lenC > 0; }
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

// Three numbers with one separator between them, two (a day and a month,
// "12/03", "03.12."), or eight digits; a time after a blank or a T is no
// part of the date.
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
    n.dots = sep == u'.';
    const qsizetype lb = digitsAt(t, ++i, &n.b);
    i += lb;
    if (lb == 0 || lb > 2)
        return std::nullopt;
    n.lenA = la;
    // Day and month alone, with a closing dot as German writes them.
    if (la <= 2 && (i == t.size() || (sep == u'.' && i + 1 == t.size() && t[i] == u'.')))
        return n;
    if (i >= t.size() || t[i] != sep)
        return std::nullopt;
    const qsizetype lc = digitsAt(t, ++i, &n.c);
    i += lc;
    if (lc == 0 || lc > 4 || !endsHere(i))
        return std::nullopt;
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

bool hasDigit(QStringView t)
{
    return std::any_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A leap year, so that a February 29 without its year is a date.
const QDate kLeapReference(2000, 1, 1);

bool validMonthDay(int month, int day) { return QDate(kLeapReference.year(), month, day).isValid(); }

// Dates with month names, as the register's reader reads them: with their
// year, or (told apart by reading once without a today) without it.
std::optional<StatementDate> namedDate(QStringView text)
{
    if (const std::optional<QDate> full = readDate(text, QDate()))
        return StatementDate{full->year(), full->month(), full->day()};
    if (!hasDigit(text)) // today, yesterday: words, not dates a bank writes
        return std::nullopt;
    if (const std::optional<QDate> partial = readDate(text, kLeapReference))
        return StatementDate{0, partial->month(), partial->day()};
    return std::nullopt;
}

} // namespace

std::optional<StatementDate> readStatementDate(QStringView text, DateOrder order)
{
    if (const std::optional<Numeric> n = numericDate(text)) {
        int y = 0, m = 0, d = 0;
        if (!n->hasYear()) {
            m = order == DateOrder::DayMonthYear ? n->b : n->a;
            d = order == DateOrder::DayMonthYear ? n->a : n->b;
            if (!validMonthDay(m, d))
                return std::nullopt;
            return StatementDate{0, m, d};
        }
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
        return StatementDate{y, m, d};
    }
    // Month names say which part is which by themselves.
    if (!hasLetter(text))
        return std::nullopt;
    return namedDate(text);
}

std::optional<QDate> readDateInOrder(QStringView text, DateOrder order, QDate)
{
    const std::optional<StatementDate> d = readStatementDate(text, order);
    if (!d || !d->hasYear())
        return std::nullopt;
    return d->date();
}

std::optional<StatementDate> yearlessDate(QStringView text)
{
    // 12/7 and 12-7 month first, 7.12 and 7.12. day first, as the register's
    // reader reads dates with their years.
    if (const std::optional<Numeric> n = numericDate(text); n && !n->hasYear()) {
        const QStringView t = text.trimmed();
        const bool dots = t[n->lenA] == u'.';
        const int month = dots ? n->b : n->a, day = dots ? n->a : n->b;
        if (!validMonthDay(month, day))
            return std::nullopt;
        return StatementDate{0, month, day};
    }
    if (readDate(text, QDate()) || !hasDigit(text))
        return std::nullopt;
    if (const std::optional<QDate> partial = readDate(text, kLeapReference))
        return StatementDate{0, partial->month(), partial->day()};
    return std::nullopt;
}

QDate completeDate(int month, int day, const std::vector<QDate> &statementDates, QDate today)
{
    const std::vector<QDate> todayOnly{today};
    const std::vector<QDate> &anchors = statementDates.empty() ? todayOnly : statementDates;
    auto distance = [&](const QDate &date) {
        const auto after = std::lower_bound(anchors.begin(), anchors.end(), date);
        qint64 best = std::numeric_limits<qint64>::max();
        if (after != anchors.end())
            best = after->toJulianDay() - date.toJulianDay();
        if (after != anchors.begin())
            best = std::min(best, date.toJulianDay() - std::prev(after)->toJulianDay());
        return best;
    };
    // The years around the statement's; a statement spans weeks, so those of
    // its middle date do when its dates are strewn over decades.
    int first = anchors.front().year() - 1, last = anchors.back().year() + 1;
    if (last - first > 12) {
        const int middle = anchors[anchors.size() / 2].year();
        first = middle - 1;
        last = middle + 1;
    }
    QDate best;
    qint64 bestDistance = 0;
    for (int year = first; year <= last; ++year) {
        const QDate candidate(year, month, day);
        if (!candidate.isValid())
            continue;
        const qint64 d = distance(candidate);
        if (!best.isValid() || d < bestDistance) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
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
        } else if (n->a <= 12 && n->b <= 12 && n->a != n->b) {
            ++(n->dots ? dayFirst : either); // 05/05 reads the same both ways
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

namespace {

constexpr DateOrder kOrders[] = {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay};

// The cells' dates in an order, those without a year given theirs; nothing
// for a cell the order does not read.
std::vector<std::optional<QDate>> datesInOrder(const std::vector<QString> &cells, DateOrder order, QDate today)
{
    std::vector<std::optional<StatementDate>> read;
    std::vector<QDate> dated;
    read.reserve(cells.size());
    for (const QString &cell : cells) {
        read.push_back(readStatementDate(cell, order));
        if (read.back() && read.back()->hasYear())
            dated.push_back(read.back()->date());
    }
    std::sort(dated.begin(), dated.end());
    std::vector<std::optional<QDate>> out;
    out.reserve(read.size());
    for (const std::optional<StatementDate> &d : read) {
        if (!d)
            out.emplace_back();
        else
            out.emplace_back(d->hasYear() ? d->date() : completeDate(d->month, d->day, dated, today));
    }
    return out;
}

// How a statement's dates lie: within about two months, one after another
// in the file's order (earliest or latest first).
constexpr qint64 kStatementSpanDays = 62;
bool coversWeeks(const std::vector<std::optional<QDate>> &dates, QDate *first, QDate *last)
{
    bool rising = true, falling = true;
    QDate previous;
    for (const std::optional<QDate> &d : dates) {
        if (!d)
            continue;
        if (previous.isValid()) {
            rising = rising && *d >= previous;
            falling = falling && *d <= previous;
        }
        previous = *d;
        if (!first->isValid() || *d < *first)
            *first = *d;
        if (!last->isValid() || *d > *last)
            *last = *d;
    }
    return first->isValid() && (rising || falling) && first->daysTo(*last) <= kStatementSpanDays;
}

} // namespace

DateDecision decideDates(const std::vector<QString> &cells, QDate today)
{
    DateDecision decision;
    std::vector<int> readCount(std::size(kOrders), 0);
    size_t any = 0;
    for (const QString &cell : cells) {
        bool read = false;
        for (size_t k = 0; k < std::size(kOrders); ++k) {
            if (readStatementDate(cell, kOrders[k])) {
                ++readCount[k];
                read = true;
            }
        }
        any += read;
    }
    for (size_t k = 0; k < std::size(kOrders); ++k)
        if (size_t(readCount[k]) == any)
            decision.readable.push_back(kOrders[k]);

    const DateOrderEvidence evidence = decideDateOrder(cells);
    if (evidence.settled && evidence.order != DateOrder::Unknown) {
        decision.order = evidence.order;
        decision.settledByDates = true;
        // The first date another order would misread or refuse.
        for (size_t i = 0; i < cells.size() && decision.settlingCell < 0; ++i) {
            const std::optional<Numeric> n = numericDate(cells[i]);
            if (n && (n->lenA == 4 || (n->a > 12) != (n->b > 12) || n->dots))
                decision.settlingCell = int(i);
        }
        return decision;
    }
    if (!readsEveryDate(decision, DateOrder::MonthDayYear) || !readsEveryDate(decision, DateOrder::DayMonthYear))
        return decision; // the dates contradict each other: no order is right

    QDate firstMdy, lastMdy, firstDmy, lastDmy;
    const bool mdy = coversWeeks(datesInOrder(cells, DateOrder::MonthDayYear, today), &firstMdy, &lastMdy);
    const bool dmy = coversWeeks(datesInOrder(cells, DateOrder::DayMonthYear, today), &firstDmy, &lastDmy);
    if (mdy == dmy)
        return decision;
    decision.order = mdy ? DateOrder::MonthDayYear : DateOrder::DayMonthYear;
    const QDate first = mdy ? firstMdy : firstDmy, last = mdy ? lastMdy : lastDmy;
    decision.reason
        = QCoreApplication::translate(
              "StatementDates",
              "read as %1: the dates then fall between %2 and %3, in the order of the file, while read as "
              "%4 they would not")
              .arg(dateOrderName(decision.order), first.toString(u"MM/dd/yyyy"), last.toString(u"MM/dd/yyyy"),
                   dateOrderName(mdy ? DateOrder::DayMonthYear : DateOrder::MonthDayYear));
    return decision;
}

bool readsEveryDate(const DateDecision &decision, DateOrder order)
{
    return std::find(decision.readable.begin(), decision.readable.end(), order) != decision.readable.end();
}
