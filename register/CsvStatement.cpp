#include "CsvStatement.h"

#include "StatementText.h"

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

CentsReading layoutAmount(QStringView cell, bool decimalComma)
{
    if (!decimalComma)
        return statementAmount(cell);
    // Points, blanks and apostrophes group the thousands; the comma is the point.
    QString t;
    t.reserve(cell.size());
    for (QChar c : cell.trimmed()) {
        if (c == u'.' || c == u' ' || c == u'\u00a0' || c == u'\u202f' || c == u'\'')
            continue;
        t += c == u',' ? u'.' : c;
    }
    if (t.count(u'.') > 1)
        return {NumberStatus::NotANumber, 0};
    return statementAmount(t);
}

namespace {

QString separatorName(QChar separator)
{
    return separator == u';' ? u"semicolon"_s : separator == u'\t' ? u"tab"_s : u"comma"_s;
}

// The amount of a line, or why there is none.
CentsReading lineAmount(const std::vector<QString> &f, const CsvLayout &l, QString *refusal)
{
    if (l.amount >= 0) {
        const QString &cell = f[size_t(l.amount)];
        CentsReading r = layoutAmount(cell, l.decimalComma);
        if (!r.ok()) {
            *refusal = amountRefusal(cell, r);
            return r;
        }
        if (l.sign >= 0 && debitCreditSign(f[size_t(l.sign)]) < 0 && r.cents > 0)
            r.cents = -r.cents;
        return r;
    }
    const QString out = l.moneyOut >= 0 ? f[size_t(l.moneyOut)].trimmed() : QString();
    const QString in = l.moneyIn >= 0 ? f[size_t(l.moneyIn)].trimmed() : QString();
    if (out.isEmpty() && in.isEmpty()) {
        *refusal = l.moneyOut >= 0 && l.moneyIn >= 0 ? u"the money out and money in fields are both empty"_s
                                                     : u"the amount field is empty"_s;
        return {};
    }
    const CentsReading o = out.isEmpty() ? CentsReading{NumberStatus::Ok, 0} : layoutAmount(out, l.decimalComma);
    const CentsReading i = in.isEmpty() ? CentsReading{NumberStatus::Ok, 0} : layoutAmount(in, l.decimalComma);
    if (!o.ok() || !i.ok()) {
        *refusal = !o.ok() ? amountRefusal(out, o) : amountRefusal(in, i);
        return {};
    }
    if (o.cents != 0 && i.cents != 0) {
        *refusal = u"both money out (\u201c%1\u201d) and money in (\u201c%2\u201d) hold an amount"_s.arg(elided(out),
                                                                                                       elided(in));
        return {};
    }
    // Money out is out whether the bank wrote it with a minus or without.
    return {NumberStatus::Ok, o.cents != 0 ? -std::llabs(o.cents) : i.cents};
}

} // namespace

Statement readCsvStatement(QStringView text, const CsvLayout &l, QDate today)
{
    Statement s;
    const int need = l.fieldsNeeded();
    const DateOrder order = l.dateOrder == DateOrder::Unknown ? DateOrder::MonthDayYear : l.dateOrder;
    const int unclosed = splitCsvRecords(
        text, l.separator, l.fieldCount > 0 ? l.fieldCount : need,
        [&](int lineNumber, int lastLine, const std::vector<QString> &f, RecordEnd end) {
            const int spanEnd = lastLine > lineNumber ? lastLine : 0;
            auto skip = [&](const QString &why) { s.skipped.push_back({lineNumber, why, spanEnd}); };
            if (end == RecordEnd::BrokenQuote)
                return skip(u"a quote that opens a field is never closed"_s);
            if (f.size() == 1 && f[0].trimmed().isEmpty())
                return;
            if (lineNumber < l.headerLine)
                return skip(u"before the header, not a transaction"_s);
            if (lineNumber == l.headerLine)
                return;
            if (l.fieldCount > 0 && int(f.size()) > l.fieldCount)
                return skip(u"%1 fields where the header names %2; a field holding a %3 must be in quotes"_s
                                .arg(f.size())
                                .arg(l.fieldCount)
                                .arg(separatorName(l.separator)));
            if (int(f.size()) < need)
                return skip(f.size() == 1 ? u"1 field, %1 needed"_s.arg(need)
                                          : u"%1 fields, %2 needed"_s.arg(f.size()).arg(need));
            const QString dateCell = f[size_t(l.date)].trimmed();
            const std::optional<QDate> date = readDateInOrder(dateCell, order, today);
            if (!date)
                return skip(dateCell.isEmpty() ? u"the date field is empty"_s
                                               : u"the date \u201c%1\u201d is not a date (%2)"_s.arg(
                                                     elided(dateCell), dateOrderName(order)));
            QString refusal;
            const CentsReading amount = lineAmount(f, l, &refusal);
            if (!refusal.isEmpty())
                return skip(refusal);
            StatementLine line;
            line.lineNumber = lineNumber;
            line.date = date->toString(u"MM/dd/yyyy");
            line.amount = amount.cents;
            const QString name = l.description >= 0 ? f[size_t(l.description)] : QString();
            const QString memo = l.memo >= 0 ? f[size_t(l.memo)] : QString();
            line.description = withoutControls(describeWithMemo(name, memo));
            if (l.checkNumber >= 0)
                line.checkNumber = checkNumberText(f[size_t(l.checkNumber)]);
            line.bankId = fieldsFingerprint(f);
            s.lines.push_back(std::move(line));
        });
    if (unclosed != 0) {
        s = Statement();
        s.error = u"line %1: the quote that opens a field there is never closed, so the lines after it "
                  "cannot be told apart; nothing was imported"_s.arg(unclosed);
        return s;
    }
    numberRepeatedIds(s.lines);
    return s;
}
