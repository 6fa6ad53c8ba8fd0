#include "CsvLayout.h"

#include "StatementText.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

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

ColumnRole columnRole(QStringView name)
{
    const QString n = normalisedName(name);
    for (const RoleNames &r : kRoleNames)
        if (rank(r.role, n) >= 0)
            return r.role;
    return ColumnRole::None;
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
