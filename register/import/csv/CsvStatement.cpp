#include "CsvStatement.h"

#include "StatementText.h"

#include <QCoreApplication>

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

struct Amount {
    Cents cents = 0;
    QString refusal;   // why the line has no amount
    QString doubt;     // why its sign is not known
    bool signedCell = false; // the amount column's cell carries a sign of its own
};

bool hasOwnSign(QStringView cell)
{
    cell = cell.trimmed();
    return cell.startsWith(u'-') || cell.startsWith(u'(') || cell.startsWith(u'+') || cell.endsWith(u'-');
}

// The amount of a line, or why there is none.
Amount lineAmount(const std::vector<QString> &f, const CsvLayout &l, const QString &signName)
{
    Amount a;
    if (l.amount >= 0) {
        const QString &cell = f[size_t(l.amount)];
        const CentsReading r = layoutAmount(cell, l.decimalComma);
        if (!r.ok()) {
            a.refusal = amountRefusal(cell, r);
            return a;
        }
        a.cents = r.cents;
        a.signedCell = a.cents < 0 || hasOwnSign(cell);
        if (l.sign >= 0 && !a.signedCell && a.cents != 0) {
            // Each line's own word; one that says neither is never guessed.
            const QString word = f[size_t(l.sign)].trimmed();
            const int sign = debitCreditSign(word);
            if (sign < 0)
                a.cents = -a.cents;
            else if (sign == 0)
                a.doubt = word.isEmpty()
                    ? QCoreApplication::translate(
                          "Statement", "can\u2019t tell money out from money in: the \u201c%1\u201d field is empty")
                          .arg(signName)
                    : QCoreApplication::translate("Statement",
                                                  "can\u2019t tell money out from money in: \u201c%1\u201d")
                          .arg(elided(word));
        } else if (l.sign < 0 && l.amountSign == AmountSign::MoneyOut) {
            a.cents = -a.cents;
        }
        return a;
    }
    const QString out = l.moneyOut >= 0 ? f[size_t(l.moneyOut)].trimmed() : QString();
    const QString in = l.moneyIn >= 0 ? f[size_t(l.moneyIn)].trimmed() : QString();
    if (out.isEmpty() && in.isEmpty()) {
        a.refusal = l.moneyOut >= 0 && l.moneyIn >= 0
            ? QCoreApplication::translate("Statement", "the money out and money in fields are both empty")
            : QCoreApplication::translate("Statement", "the amount field is empty");
        return a;
    }
    const CentsReading o = out.isEmpty() ? CentsReading{NumberStatus::Ok, 0} : layoutAmount(out, l.decimalComma);
    const CentsReading i = in.isEmpty() ? CentsReading{NumberStatus::Ok, 0} : layoutAmount(in, l.decimalComma);
    if (!o.ok() || !i.ok()) {
        a.refusal = !o.ok() ? amountRefusal(out, o) : amountRefusal(in, i);
        return a;
    }
    if (o.cents != 0 && i.cents != 0) {
        a.refusal = QCoreApplication::translate(
                        "Statement", "both money out (\u201c%1\u201d) and money in (\u201c%2\u201d) hold an amount")
                        .arg(elided(out), elided(in));
        return a;
    }
    // Money out is out whether the bank wrote it with a minus or without.
    a.cents = o.cents != 0 ? -std::llabs(o.cents) : i.cents;
    a.signedCell = true;
    return a;
}

// A line that has its fields, before the order of its date's parts is known.
struct Pending {
    int lineNumber = 0;
    int spanEnd = 0;
    QString dateCell;
    Amount amount;
    StatementLine line; // all but the date and the amount
};

QString fieldText(const std::vector<QString> &f, int column)
{
    return column >= 0 && size_t(column) < f.size() ? f[size_t(column)] : QString();
}

} // namespace

int csvRecordsWholeFields(const CsvLayout &l) { return l.fieldCount > 0 ? l.fieldCount : l.fieldsNeeded(); }

CsvReading readCsvStatement(const CsvRecordSource &records, const CsvLayout &l, QDate today,
                            const DateOrderChoice &choose, Progress *progress)
{
    StopPoint stop(progress);
    CsvReading reading;
    Statement &s = reading.statement;
    const int need = l.fieldsNeeded();
    std::vector<Pending> pending;
    std::vector<QString> header;
    QString signName;
    bool anySigned = false;
    const int unclosed = records.forEach(
        [&](int lineNumber, int lastLine, const std::vector<QString> &f, RecordEnd end) {
            const int spanEnd = lastLine > lineNumber ? lastLine : 0;
            auto skip = [&](const QString &why) { s.skipped.push_back({lineNumber, why, spanEnd}); };
            if (end == RecordEnd::BrokenQuote)
                return skip(QCoreApplication::translate("Statement", "a quote that opens a field is never closed"));
            if (f.size() == 1 && f[0].trimmed().isEmpty())
                return;
            if (lineNumber < l.headerLine)
                return skip(QCoreApplication::translate("Statement", "before the header, not a transaction"));
            auto trimmedFields = [](const std::vector<QString> &fields) {
                std::vector<QString> t;
                for (const QString &x : fields)
                    t.push_back(x.trimmed().toLower());
                return t;
            };
            if (lineNumber == l.headerLine) {
                header = trimmedFields(f);
                signName = fieldText(f, l.sign).trimmed();
                return;
            }
            if (!header.empty() && trimmedFields(f) == header)
                return skip(QCoreApplication::translate("Statement", "the header again, not a transaction"));
            if (l.fieldCount > 0 && int(f.size()) > l.fieldCount)
                return skip(
                    QCoreApplication::translate(
                        "Statement", "%1 fields where the header names %2; a field holding a %3 must be in quotes")
                        .arg(f.size())
                        .arg(l.fieldCount)
                        .arg(separatorName(l.separator)));
            if (int(f.size()) < need)
                return skip(
                    f.size() == 1
                        ? QCoreApplication::translate("Statement", "1 field, %1 needed").arg(need)
                        : QCoreApplication::translate("Statement", "%1 fields, %2 needed").arg(f.size()).arg(need));
            Pending p;
            p.lineNumber = lineNumber;
            p.spanEnd = spanEnd;
            p.dateCell = f[size_t(l.date)].trimmed();
            p.amount = lineAmount(f, l, signName.isEmpty() ? u"type"_s : signName);
            if (p.amount.refusal.isEmpty() && l.amount >= 0 && p.amount.signedCell)
                anySigned = true;
            StatementLine &line = p.line;
            line.lineNumber = lineNumber;
            // Cut first: a description of millions of characters is not looked at whole.
            const QString described = describeWithMemo(fieldText(f, l.description), fieldText(f, l.memo));
            line.description = withoutControls(limitedText(described, kMaxStatementDescription,
                                                           QCoreApplication::translate("Statement", "the description"),
                                                           &line.note));
            if (l.checkNumber >= 0) {
                QString cut;
                line.checkNumber = statementCheckNumber(f[size_t(l.checkNumber)], &cut);
                if (line.note.isEmpty())
                    line.note = cut;
            }
            pending.push_back(std::move(p));
        },
        progress);
    if (unclosed != 0) {
        reading = CsvReading();
        s.error = QCoreApplication::translate(
                      "Statement",
                      "line %1: the quote that opens a field there is never closed, so the lines after it "
                      "cannot be told apart; nothing was imported")
                      .arg(unclosed);
        return reading;
    }

    // The order of the dates' parts, from the whole column.
    std::vector<QString> cells;
    std::vector<int> cellLines;
    cells.reserve(pending.size());
    for (const Pending &p : pending) {
        if (!p.dateCell.isEmpty()) {
            cells.push_back(p.dateCell);
            cellLines.push_back(p.lineNumber);
        }
    }
    reading.dates = decideDates(cells, today);
    if (reading.dates.settlingCell >= 0) {
        reading.settlingLine = cellLines[size_t(reading.dates.settlingCell)];
        reading.settlingText = cells[size_t(reading.dates.settlingCell)];
    }
    DateOrder order = choose ? choose(reading.dates) : DateOrder::Unknown;
    if (order == DateOrder::Unknown)
        order = l.dateOrder != DateOrder::Unknown ? l.dateOrder : reading.dates.order;
    if (order == DateOrder::Unknown)
        order = DateOrder::MonthDayYear;
    reading.order = order;

    std::vector<std::optional<StatementDate>> yearless;
    std::vector<QDate> dated;
    s.lines.reserve(pending.size());
    for (Pending &p : pending) {
        stop.pass(p.lineNumber, qint64(pending.size()));
        auto skip = [&](const QString &why) { s.skipped.push_back({p.lineNumber, why, p.spanEnd}); };
        const std::optional<StatementDate> date = readStatementDate(p.dateCell, order);
        if (!date) {
            skip(p.dateCell.isEmpty()
                     ? QCoreApplication::translate("Statement", "the date field is empty")
                     : QCoreApplication::translate("Statement", "the date \u201c%1\u201d is not a date (%2)")
                           .arg(elided(p.dateCell), dateOrderName(order)));
            continue;
        }
        if (!p.amount.refusal.isEmpty()) {
            skip(p.amount.refusal);
            continue;
        }
        StatementLine &line = p.line;
        line.amount = p.amount.cents;
        if (!p.amount.doubt.isEmpty()) {
            line.doubt = p.amount.doubt;
            line.signUnknown = true;
        }
        if (date->hasYear()) {
            line.date = date->date().toString(u"MM/dd/yyyy");
            dated.push_back(date->date());
            yearless.emplace_back();
        } else {
            yearless.push_back(date);
        }
        s.lines.push_back(std::move(line));
    }
    completeYearlessDates(s.lines, yearless, std::move(dated), today);
    for (StatementLine &line : s.lines) {
        stop.pass(line.lineNumber, qint64(s.lines.size()));
        line.bankId = transactionFingerprint(line);
    }
    std::sort(s.skipped.begin(), s.skipped.end(),
              [](const SkippedLine &a, const SkippedLine &b) { return a.lineNumber < b.lineNumber; });
    numberRepeatedIds(s.lines);

    reading.unsignedAmounts = l.amount >= 0 && l.sign < 0 && !anySigned
        && std::any_of(s.lines.begin(), s.lines.end(), [](const StatementLine &line) { return line.amount != 0; });
    if (!s.lines.empty()
        && std::all_of(s.lines.begin(), s.lines.end(), [](const StatementLine &line) { return line.description.isEmpty(); }))
        s.notes.push_back(
            l.description < 0
                ? QCoreApplication::translate("Statement", "every description is empty: no column holds them")
                : QCoreApplication::translate("Statement",
                                              "every description is empty: the column read for them holds nothing"));
    return reading;
}
