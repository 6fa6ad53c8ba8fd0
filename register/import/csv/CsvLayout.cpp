#include "CsvLayout.h"

#include "CsvColumnNames.h"
#include "CsvStatement.h"
#include "StatementText.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

int CsvLayout::fieldsNeeded() const
{
    return 1 + std::max({date, amount, description, memo, moneyOut, moneyIn, checkNumber, sign});
}

void CsvLayout::dropColumnsBeyondHeader()
{
    if (fieldCount <= 0)
        return;
    for (int *column : {&date, &amount, &description, &memo, &moneyOut, &moneyIn, &checkNumber, &sign})
        if (*column >= fieldCount)
            *column = -1;
}

QString separatorName(QChar separator)
{
    //: The separator's name in a sentence ("the lines are separated by %1s").
    return separator == u';' ? QCoreApplication::translate("CsvLayout", "semicolon")
        : separator == u'\t' ? QCoreApplication::translate("CsvLayout", "tab")
                             : QCoreApplication::translate("CsvLayout", "comma");
}

namespace {

// The text of the first lines, where a header may be: at most its first
// megabyte, which a header and the lines after it never come near, so that a
// file of one enormous line is not read over and over to find none.
constexpr int kHeaderLines = 40;
constexpr qsizetype kHeaderChars = qsizetype(1) << 20;
QStringView firstLines(QStringView text)
{
    const QStringView head = text.first(std::min(text.size(), kHeaderChars));
    qsizetype cut = 0;
    for (int lines = 0; cut < head.size() && lines < kHeaderLines; ++lines) {
        const qsizetype nl = head.indexOf(u'\n', cut);
        cut = nl < 0 ? head.size() : nl + 1;
    }
    return head.first(cut);
}

// The whole, non-blank records of a split, looked at without copying them.
struct Records {
    std::shared_ptr<const CsvRecords> split;
    std::vector<const std::vector<QString> *> fields;
    std::vector<int> lines;
};

Records splitAll(QStringView text, QChar separator, int wholeFields, Progress *progress = nullptr)
{
    Records r;
    r.split = std::make_shared<const CsvRecords>(splitStatementRecords(text, separator, wholeFields, progress));
    for (const CsvRecord &record : r.split->records) {
        if (record.end == RecordEnd::Whole && !record.isBlank()) {
            r.fields.push_back(&record.fields);
            r.lines.push_back(record.line);
        }
    }
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

// A cell that is a figure or a date, which no header's name is.
bool looksLikeData(const QString &cell)
{
    const QString t = cell.trimmed();
    return layoutAmount(t, false).ok() || layoutAmount(t, true).ok()
        || readStatementDate(t, DateOrder::MonthDayYear) || readStatementDate(t, DateOrder::DayMonthYear);
}

// The separator the lines are written with: the one that splits the most of
// the first lines into the same number of fields (two or more), the more
// fields the better on a tie. A comma when none does.
QChar likelySeparator(QStringView head)
{
    QChar best = u',';
    size_t bestLines = 0;
    size_t bestFields = 0;
    for (QChar sep : {u',', u';', u'\t'}) {
        std::map<size_t, size_t> counts;
        for (const auto &f : splitAll(head, sep, 2).fields)
            if (f->size() >= 2)
                ++counts[f->size()];
        for (const auto &[fields, lines] : counts) {
            if (lines > bestLines || (lines == bestLines && fields > bestFields)) {
                best = sep;
                bestLines = lines;
                bestFields = fields;
            }
        }
    }
    return best;
}

// The column with the best-ranked name for a role, or -1.
int bestColumn(const std::vector<QString> &normalised, ColumnRole role, const std::vector<bool> &taken)
{
    int best = -1, bestRank = 0;
    for (size_t i = 0; i < normalised.size(); ++i) {
        const int r = columnNameRank(role, normalised[i]);
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
        if (size_t(column) < r.fields[k]->size() && !(*r.fields[k])[size_t(column)].trimmed().isEmpty())
            cells.push_back((*r.fields[k])[size_t(column)].trimmed());
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

bool isSigned(const QString &amount) { return amount.startsWith(u'-') || amount.startsWith(u'(') || amount.endsWith(u'-'); }

// The first header-like record: two or more fields, every one a name (no
// figure, no date), followed by a record as wide that holds a figure.
int headerLikeRecord(const Records &r)
{
    for (size_t k = 0; k + 1 < r.fields.size(); ++k) {
        const std::vector<QString> &f = *r.fields[k];
        if (f.size() < 2 || r.fields[k + 1]->size() != f.size())
            continue;
        const bool names = std::all_of(f.begin(), f.end(), [](const QString &c) {
            return !c.trimmed().isEmpty() && !looksLikeData(c);
        });
        const std::vector<QString> &next = *r.fields[k + 1];
        if (names && std::any_of(next.begin(), next.end(), [](const QString &c) { return looksLikeData(c); }))
            return int(k);
    }
    return -1;
}

// Whether the five-field layout reads most of these records as transactions.
bool fiveFieldReadsMost(const Records &r, size_t from)
{
    size_t good = 0, all = 0;
    for (size_t k = from; k < r.fields.size(); ++k, ++all)
        good += r.fields[k]->size() >= 5 && statementAmount((*r.fields[k])[1]).ok();
    return all > 0 && good * 2 >= all;
}

void findColumns(LayoutDetection &d, const Records &all, size_t first, const std::vector<QString> &header)
{
    CsvLayout &l = d.layout;
    l.amount = l.description = l.date = -1;
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
    // Of the columns named as descriptions, the best named one that holds
    // any text; "Details" and "Transaction" describe unless they only say
    // debit or credit.
    auto textColumn = [&](ColumnRole role, bool typeCheck) {
        int fallback = -1;
        std::vector<bool> tried = taken;
        for (;;) {
            const int c = bestColumn(normalised, role, tried);
            if (c < 0)
                break;
            tried[size_t(c)] = true;
            const std::vector<QString> cells = columnCells(all, first, c);
            const QString &n = normalised[size_t(c)];
            if (typeCheck && (n == u"details" || n == u"transaction") && allDebitCreditWords(cells))
                continue;
            if (fallback < 0)
                fallback = c;
            if (!cells.empty())
                return c;
        }
        return fallback;
    };
    l.description = textColumn(ColumnRole::Description, true);
    if (l.description >= 0)
        taken[size_t(l.description)] = true;
    l.memo = textColumn(ColumnRole::Memo, false);
    if (l.memo >= 0)
        taken[size_t(l.memo)] = true;
    // No description that holds text: a memo that does describes.
    if (l.memo >= 0 && (l.description < 0 || columnCells(all, first, l.description).empty())
        && !columnCells(all, first, l.memo).empty())
        std::swap(l.description, l.memo);
    if (l.description < 0)
        std::swap(l.description, l.memo);

    // The sign column, chosen by its name, matters only to an amount column
    // that never says minus; each line's word is read on its own.
    if (l.amount >= 0) {
        const std::vector<QString> amounts = columnCells(all, first, l.amount);
        if (std::none_of(amounts.begin(), amounts.end(), isSigned)) {
            int best = -1, bestRank = 0;
            for (size_t c = 0; c < header.size(); ++c) {
                if (taken[c])
                    continue;
                const QString &n = normalised[c];
                int r = columnNameRank(ColumnRole::Sign, n);
                const std::vector<QString> cells = columnCells(all, first, int(c));
                // "Details" that only say debit or credit are such a column too.
                if (r < 0 && (n == u"details" || n == u"transaction") && allDebitCreditWords(cells))
                    r = 100;
                const bool words = std::any_of(cells.begin(), cells.end(),
                                               [](const QString &w) { return debitCreditSign(w) != 0; });
                if (r >= 0 && words && (best < 0 || r < bestRank)) {
                    best = int(c);
                    bestRank = r;
                }
            }
            l.sign = best;
        }
    }
    for (int column : {l.amount, l.moneyOut, l.moneyIn}) {
        const std::vector<QString> cells = columnCells(all, first, column);
        if (std::any_of(cells.begin(), cells.end(), [](const QString &c) { return hasDecimalComma(c); }))
            l.decimalComma = true;
    }
}

} // namespace

LayoutDetection detectCsvLayout(QStringView text, std::optional<QChar> given, Progress *progress)
{
    LayoutDetection d;
    // The header is among the first lines; only those are tried with each separator.
    const QStringView head = firstLines(text);
    int headerLine = 0;
    QChar separator;
    std::vector<QString> header;
    for (QChar sep : {u',', u';', u'\t'}) {
        if (given && sep != *given)
            continue;
        const Records first = splitAll(head, sep, 2);
        for (size_t k = 0; k < first.fields.size(); ++k) {
            if (headerLine != 0 && first.lines[k] >= headerLine)
                break;
            if (isHeader(*first.fields[k])) {
                headerLine = first.lines[k];
                separator = sep;
                header = *first.fields[k];
                break;
            }
        }
    }
    if (headerLine == 0) {
        // No header Cheqbook knows. The separator the lines are written
        // with, and a first line that reads as an unknown header, decide
        // whether the five-field layout is meant.
        separator = given ? *given : likelySeparator(head);
        const Records first = splitAll(head, separator, 2);
        const int k = headerLikeRecord(first);
        if (separator == u',' && (k < 0 || fiveFieldReadsMost(first, size_t(k + 1))))
            return d;
        CsvLayout &l = d.layout;
        l = CsvLayout();
        l.separator = separator;
        l.date = l.amount = l.description = -1;
        if (k >= 0) {
            l.headerLine = first.lines[size_t(k)];
            l.fieldCount = int(first.fields[size_t(k)]->size());
            for (const QString &h : *first.fields[size_t(k)])
                d.header << h.trimmed();
            d.headerKey = headerKeyOf(d.header, separator);
            d.headerUnrecognised = true;
        }
        return d;
    }

    CsvLayout &l = d.layout;
    l = CsvLayout();
    l.separator = separator;
    l.headerLine = headerLine;
    l.fieldCount = int(header.size());
    for (const QString &h : header)
        d.header << h.trimmed();
    d.headerKey = headerKeyOf(d.header, separator);

    const Records all = splitAll(text, separator, l.fieldCount, progress);
    size_t first = 0;
    while (first < all.lines.size() && all.lines[first] <= headerLine)
        ++first;
    findColumns(d, all, first, header);
    d.records = all.split; // read again by the layout, not split again
    return d;
}

QStringList recordFieldsAt(QStringView text, QChar separator, int line)
{
    const Records r = splitAll(firstLines(text), separator, 2);
    for (size_t k = 0; k < r.lines.size(); ++k)
        if (r.lines[k] == line)
            return QStringList(r.fields[k]->begin(), r.fields[k]->end());
    return {};
}

int widestRecord(QStringView text, QChar separator)
{
    const Records r = splitAll(firstLines(text), separator, 2);
    size_t widest = 0;
    for (const auto *f : r.fields)
        widest = std::max(widest, f->size());
    return int(widest);
}
