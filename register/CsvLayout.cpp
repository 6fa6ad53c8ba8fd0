#include "CsvLayout.h"

#include "DateReader.h"
#include "StatementText.h"

#include <algorithm>
#include <array>

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

int CsvLayout::fieldsNeeded() const
{
    return 1 + std::max({date, amount, description, memo, moneyOut, moneyIn, checkNumber, sign});
}

namespace {

// Lower case letters, digits and '#': "Check or Slip #" is "checkorslip#".
QString normalisedName(QStringView name)
{
    QString out;
    out.reserve(name.size());
    for (QChar c : name)
        if (c.isLetterOrNumber() || c == u'#')
            out += c.toLower();
    return out;
}

// Each role's names, the preferred first.
struct RoleNames {
    ColumnRole role;
    std::initializer_list<QStringView> names;
};
const RoleNames kRoleNames[] = {
    {ColumnRole::Date,
     {u"date", u"postingdate", u"posteddate", u"postdate", u"dateposted", u"transactiondate", u"transdate",
      u"txndate", u"bookingdate", u"valuedate", u"effectivedate"}},
    {ColumnRole::Description,
     {u"description", u"payee", u"payeename", u"name", u"merchant", u"merchantname", u"transactiondescription",
      u"narrative", u"originaldescription", u"details", u"transaction"}},
    {ColumnRole::Memo, {u"memo", u"notes", u"note"}},
    {ColumnRole::Amount, {u"amount", u"transactionamount"}},
    {ColumnRole::MoneyOut,
     {u"debit", u"debits", u"debitamount", u"withdrawal", u"withdrawals", u"withdrawalamount", u"moneyout",
      u"paidout", u"outflow"}},
    {ColumnRole::MoneyIn,
     {u"credit", u"credits", u"creditamount", u"deposit", u"deposits", u"depositamount", u"moneyin", u"paidin",
      u"inflow"}},
    {ColumnRole::CheckNumber,
     {u"checknumber", u"check#", u"checkno", u"checknum", u"checkorslip#", u"chequenumber", u"cheque#",
      u"chequeno", u"num", u"check", u"cheque"}},
    {ColumnRole::Sign,
     {u"type", u"transactiontype", u"debitcredit", u"creditdebit", u"drcr", u"crdr", u"creditdebitindicator"}},
    {ColumnRole::Balance, {u"balance", u"runningbalance", u"runningbal", u"availablebalance", u"ledgerbalance"}},
};

// How much a role prefers a name: 0 is best; -1 when the name is not one of it.
int rank(ColumnRole role, const QString &normalised)
{
    for (const RoleNames &r : kRoleNames) {
        if (r.role != role)
            continue;
        int i = 0;
        for (QStringView n : r.names) {
            if (normalised == n)
                return i;
            ++i;
        }
        // "Amount (USD)", "Amount EUR".
        if (role == ColumnRole::Amount && normalised.startsWith(u"amount") && normalised.size() <= 9)
            return i;
    }
    return -1;
}

} // namespace

int debitCreditSign(QStringView cell)
{
    const QString w = normalisedName(cell);
    if (w.contains(u"debit") || w == u"dr" || w == u"db" || w.startsWith(u"withdrawal") || w == u"check"
        || w == u"checkpaid" || w == u"fee")
        return -1;
    if (w.contains(u"credit") || w == u"cr" || w.startsWith(u"deposit") || w == u"dep" || w == u"dslip")
        return 1;
    return 0;
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

ColumnRole columnRole(QStringView name)
{
    const QString n = normalisedName(name);
    for (const RoleNames &r : kRoleNames)
        if (rank(r.role, n) >= 0)
            return r.role;
    return ColumnRole::None;
}

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

QString headerKeyOf(const QStringList &header, QChar separator)
{
    QStringList names;
    for (const QString &h : header)
        names << h.trimmed().toLower();
    return QString(separator) + u'|' + names.join(u'|');
}

namespace {

// The text of the first lines, where a header may be.
constexpr int kHeaderLines = 40;
QStringView firstLines(QStringView text)
{
    qsizetype cut = 0;
    for (int lines = 0; cut < text.size() && lines < kHeaderLines; ++lines) {
        const qsizetype nl = text.indexOf(u'\n', cut);
        cut = nl < 0 ? text.size() : nl + 1;
    }
    return text.first(cut);
}

struct Records {
    std::vector<std::vector<QString>> fields;
    std::vector<int> lines;
};

Records splitAll(QStringView text, QChar separator, int wholeFields)
{
    Records r;
    splitCsvRecords(text, separator, wholeFields, [&](int line, int, const std::vector<QString> &f, RecordEnd end) {
        if (end == RecordEnd::Whole && !(f.size() == 1 && f[0].trimmed().isEmpty())) {
            r.fields.push_back(f);
            r.lines.push_back(line);
        }
    });
    return r;
}

bool isHeader(const std::vector<QString> &fields)
{
    if (fields.size() < 2)
        return false;
    bool date = false, money = false;
    for (const QString &f : fields) {
        const ColumnRole role = columnRole(f);
        date = date || role == ColumnRole::Date;
        money = money || role == ColumnRole::Amount || role == ColumnRole::MoneyOut || role == ColumnRole::MoneyIn;
    }
    return date && money;
}

// The column with the best-ranked name for a role, or -1.
int bestColumn(const std::vector<QString> &normalised, ColumnRole role, const std::vector<bool> &taken)
{
    int best = -1, bestRank = 0;
    for (size_t i = 0; i < normalised.size(); ++i) {
        const int r = rank(role, normalised[i]);
        if (r >= 0 && !taken[i] && (best < 0 || r < bestRank)) {
            best = int(i);
            bestRank = r;
        }
    }
    return best;
}

// Every non-empty cell of the column, after the header.
std::vector<QString> columnCells(const Records &r, size_t from, int column)
{
    std::vector<QString> cells;
    if (column < 0)
        return cells;
    for (size_t k = from; k < r.fields.size(); ++k)
        if (size_t(column) < r.fields[k].size() && !r.fields[k][size_t(column)].trimmed().isEmpty())
            cells.push_back(r.fields[k][size_t(column)].trimmed());
    return cells;
}

bool allDebitCreditWords(const std::vector<QString> &cells)
{
    return !cells.empty()
        && std::all_of(cells.begin(), cells.end(), [](const QString &c) { return debitCreditSign(c) != 0; });
}

// -1.234,56 or 12,5: a comma after the last point, with one or two digits after it.
bool hasDecimalComma(QStringView cell)
{
    const qsizetype comma = cell.lastIndexOf(u',');
    if (comma < 0 || cell.lastIndexOf(u'.') > comma)
        return false;
    qsizetype digits = 0;
    for (qsizetype i = comma + 1; i < cell.size() && cell[i].isDigit(); ++i)
        ++digits;
    return digits == 1 || digits == 2;
}

} // namespace

LayoutDetection detectCsvLayout(QStringView text)
{
    LayoutDetection d;
    // The header is among the first lines; only those are tried with each separator.
    const QStringView head = firstLines(text);
    int headerLine = 0;
    QChar separator;
    std::vector<QString> header;
    for (QChar sep : {u',', u';', u'\t'}) {
        const Records first = splitAll(head, sep, 2);
        for (size_t k = 0; k < first.fields.size(); ++k) {
            if (headerLine != 0 && first.lines[k] >= headerLine)
                break;
            if (isHeader(first.fields[k])) {
                headerLine = first.lines[k];
                separator = sep;
                header = first.fields[k];
                break;
            }
        }
    }
    if (headerLine == 0)
        return d;

    CsvLayout &l = d.layout;
    l = CsvLayout();
    l.separator = separator;
    l.headerLine = headerLine;
    l.fieldCount = int(header.size());
    l.amount = l.description = l.date = -1;
    for (const QString &h : header)
        d.header << h.trimmed();
    d.headerKey = headerKeyOf(d.header, separator);

    const Records all = splitAll(text, separator, l.fieldCount);
    size_t first = 0;
    while (first < all.lines.size() && all.lines[first] <= headerLine)
        ++first;
    std::vector<QString> normalised;
    for (const QString &h : header)
        normalised.push_back(normalisedName(h));
    std::vector<bool> taken(header.size(), false);
    auto take = [&](ColumnRole role) {
        const int c = bestColumn(normalised, role, taken);
        if (c >= 0)
            taken[size_t(c)] = true;
        return c;
    };
    l.date = take(ColumnRole::Date);
    l.amount = take(ColumnRole::Amount);
    if (l.amount < 0) {
        l.moneyOut = take(ColumnRole::MoneyOut);
        l.moneyIn = take(ColumnRole::MoneyIn);
    }
    l.checkNumber = take(ColumnRole::CheckNumber);
    // "Details" and "Transaction" describe, unless they only say debit or credit.
    for (;;) {
        const int c = bestColumn(normalised, ColumnRole::Description, taken);
        if (c < 0)
            break;
        taken[size_t(c)] = true;
        const bool typeOnly = (normalised[size_t(c)] == u"details" || normalised[size_t(c)] == u"transaction")
            && allDebitCreditWords(columnCells(all, first, c));
        if (!typeOnly) {
            l.description = c;
            break;
        }
    }
    l.memo = take(ColumnRole::Memo);
    if (l.description < 0)
        std::swap(l.description, l.memo);
    // A sign column matters only to an amount column that never says minus.
    if (l.amount >= 0) {
        const std::vector<QString> amounts = columnCells(all, first, l.amount);
        const bool unsigned_ = std::none_of(amounts.begin(), amounts.end(), [](const QString &a) {
            return a.startsWith(u'-') || a.startsWith(u'(') || a.endsWith(u'-');
        });
        for (size_t c = 0; unsigned_ && c < header.size() && l.sign < 0; ++c) {
            const bool named = rank(ColumnRole::Sign, normalised[c]) >= 0 || normalised[c] == u"details"
                || normalised[c] == u"transaction";
            if (named && int(c) != l.description && int(c) != l.amount) {
                const std::vector<QString> cells = columnCells(all, first, int(c));
                if (allDebitCreditWords(cells)
                    && std::any_of(cells.begin(), cells.end(), [](const QString &w) { return debitCreditSign(w) < 0; }))
                    l.sign = int(c);
            }
        }
    }
    for (int column : {l.amount, l.moneyOut, l.moneyIn}) {
        const std::vector<QString> cells = columnCells(all, first, column);
        if (std::any_of(cells.begin(), cells.end(), [](const QString &c) { return hasDecimalComma(c); }))
            l.decimalComma = true;
    }
    const DateOrderEvidence order = decideDateOrder(columnCells(all, first, l.date));
    l.dateOrder = order.order;
    d.dateOrderSettled = order.settled;
    return d;
}

QStringList recordFieldsAt(QStringView text, QChar separator, int line)
{
    const Records r = splitAll(firstLines(text), separator, 2);
    for (size_t k = 0; k < r.lines.size(); ++k)
        if (r.lines[k] == line)
            return QStringList(r.fields[k].begin(), r.fields[k].end());
    return {};
}

int widestRecord(QStringView text, QChar separator)
{
    const Records r = splitAll(firstLines(text), separator, 2);
    size_t widest = 0;
    for (const auto &f : r.fields)
        widest = std::max(widest, f.size());
    return int(widest);
}
