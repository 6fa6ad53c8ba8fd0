#pragma once

// What must hold for any statement the import reads, whatever the bytes,
// beyond the five-field reader's invariants (ReaderInvariants.h).
//
// Layouts: whatever header the detector finds names real columns of it, one
// role each; reading again with the layout it found gives the same lines;
// every date a layout writes is a real date in the register's form; the
// layout survives being remembered; and a statement imported once is found
// whole in the register the second time, so nothing is imported twice.
//
// OFX: a refused file gives nothing; an accepted one gives real dates,
// money in range, an id per line unique in its account, lines the file has,
// and the same "nothing twice" as CSV.

#include "ReaderInvariants.h"

#include "CsvLayout.h"
#include "ImportDuplicates.h"
#include "LayoutMemory.h"
#include "OfxScan.h"
#include "OfxStatement.h"
#include "StatementImport.h"
#include "StatementReader.h"
#include "StatementText.h"

#include <QSet>

#define INVARIANT(cond, detail)                                                                                        \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            return QStringLiteral(#cond) + u'\n' + (detail);                                                           \
    } while (false)

namespace invariants {

inline qsizetype physicalLines(const QByteArray &bytes) { return bytes.count('\n') + bytes.count('\r') + 1; }

// Lines any reader hands over: in order, within the file, money in range,
// ids present and unique, dates (when the reader writes them) real. An OFX
// file may hold several transactions on one line; a CSV record begins one.
enum class Form { Csv, Ofx };
inline QString statementLines(const Statement &s, qsizetype lines, bool datesWritten, Form form = Form::Csv)
{
    int previous = 0;
    QSet<QString> ids;
    for (const StatementLine &line : s.lines) {
        const QString where = QString::number(line.lineNumber) + u' ' + line.date + u' ' + line.bankId;
        INVARIANT(centsInRange(line.amount), where);
        INVARIANT(line.lineNumber >= previous + (form == Form::Csv ? 1 : 0) && line.lineNumber >= 1
                      && line.lineNumber <= lines,
                  where);
        previous = line.lineNumber;
        INVARIANT(!line.bankId.isEmpty() && !ids.contains(line.bankId), where);
        ids.insert(line.bankId);
        if (datesWritten)
            INVARIANT(QDate::fromString(line.date, QStringLiteral("MM/dd/yyyy")).isValid(), where);
        INVARIANT(line.checkNumber.isEmpty() || checkNumberText(line.checkNumber) == line.checkNumber, where);
    }
    for (const SkippedLine &skipped : s.skipped)
        INVARIANT(!skipped.reason.isEmpty() && skipped.lineNumber >= 1 && skipped.lineNumber <= lines, skipped.reason);
    return {};
}

// Imported into an empty register, every line is found there the second time.
inline QString nothingTwice(const Statement &s)
{
    MyDocument doc;
    doc.ensureRegister();
    ImportPlan plan;
    plan.add = s.lines;
    const ImportResult r = importPlanned(doc, 0, plan, QStringLiteral("s"));
    if (!r.ok())
        return {}; // a balance beyond what money holds; refused whole, as the reader's invariants check
    INVARIANT(doc.count() == int(s.lines.size()), r.error);
    const std::vector<DuplicateCheck> again = checkDuplicates(*doc.array(), s.lines, QDate(2026, 12, 7));
    for (size_t i = 0; i < again.size(); ++i)
        INVARIANT(again[i].verdict == DuplicateCheck::Verdict::Duplicate && again[i].row == int(i),
                  s.lines[i].bankId);
    return {};
}

inline QString layoutInvariants(const QByteArray &bytes)
{
    const QDate today(2026, 12, 7);
    if (looksLikeOfx(bytes))
        return {};
    const DecodedText decoded = decodeStatementText(bytes);
    const StatementRead read = readStatement(bytes, {}, today);
    if (!decoded.error.isEmpty()) {
        INVARIANT(!read.ok() && read.statement.lines.empty(), read.statement.error);
        return {};
    }
    const LayoutDetection d = detectCsvLayout(decoded.text);
    const CsvLayout &l = d.layout;
    if (d.headerUnrecognised) {
        // A header that names nothing Cheqbook reads: no column is guessed.
        INVARIANT(l.headerLine > 0 && l.fieldCount == int(d.header.size()) && !l.namesColumns(), d.headerKey);
        INVARIANT(read.needsColumns() || !read.ok(), d.headerKey);
    } else if (l.headerLine > 0) {
        INVARIANT(l.headerLine <= physicalLines(bytes) && l.fieldCount == int(d.header.size()), d.headerKey);
        INVARIANT(l.fieldsNeeded() <= l.fieldCount && l.date >= 0, d.headerKey);
        INVARIANT(l.amount >= 0 || l.moneyOut >= 0 || l.moneyIn >= 0, d.headerKey);
        QSet<int> used;
        for (int c : {l.date, l.amount, l.description, l.memo, l.moneyOut, l.moneyIn, l.checkNumber, l.sign}) {
            INVARIANT(c < 0 || !used.contains(c), d.headerKey);
            used.insert(c);
        }
        INVARIANT(layoutFromText(layoutText(l)) == l, layoutText(l));
    } else {
        // Without a header: the five-field layout, or lines split otherwise
        // whose columns someone must name.
        INVARIANT(l.isFiveField() || (l.separator != u',' && !l.namesColumns()), d.headerKey);
    }
    if (!read.ok()) {
        INVARIANT(read.statement.lines.empty() && read.statement.skipped.empty(), read.statement.error);
        return {};
    }
    const bool written = read.format == StatementFormat::LayoutCsv;
    if (QString f = statementLines(read.statement, physicalLines(bytes), written); !f.isEmpty())
        return f;

    // The layout it found, given back as a choice, reads the same lines.
    ReadChoices same;
    same.layout = read.layout;
    if (read.needsDateOrder())
        same.layout->dateOrder = DateOrder::MonthDayYear;
    const StatementRead again = readStatement(bytes, same, today);
    INVARIANT(again.ok() && again.statement.lines.size() == read.statement.lines.size(), again.statement.error);
    for (size_t i = 0; i < again.statement.lines.size(); ++i) {
        const StatementLine &a = read.statement.lines[i], &b = again.statement.lines[i];
        INVARIANT(a.date == b.date && a.amount == b.amount && a.bankId == b.bankId && a.description == b.description,
                  a.bankId);
    }
    // Any date order reads, and writes real dates.
    for (DateOrder order : {DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        ReadChoices other;
        other.dateOrder = order;
        const StatementRead r = readStatement(bytes, other, today);
        if (r.ok())
            if (QString f = statementLines(r.statement, physicalLines(bytes), r.format == StatementFormat::LayoutCsv);
                !f.isEmpty())
                return f;
    }
    return nothingTwice(read.statement);
}

inline QString ofxInvariants(const QByteArray &bytes)
{
    const OfxRead read = readOfx(bytes);
    if (!read.ok()) {
        INVARIANT(read.accounts.empty() && !read.error.isEmpty(), read.error);
        return {};
    }
    const OfxScan scan = scanOfx(bytes);
    INVARIANT(scan.error.isEmpty() && !scan.statements.empty(), scan.error);
    for (const OfxAccount &a : read.accounts) {
        if (QString f = statementLines(a.statement, physicalLines(bytes), true, Form::Ofx); !f.isEmpty())
            return f;
        for (const StatementLine &line : a.statement.lines)
            INVARIANT(line.bankId.startsWith(QStringLiteral("ofx:")), line.bankId);
        INVARIANT(!a.ledgerBalance || centsInRange(*a.ledgerBalance), a.id);
        INVARIANT(!a.ledgerDate || a.ledgerDate->isValid(), a.id);
        if (QString f = nothingTwice(a.statement); !f.isEmpty())
            return f;
    }
    return {};
}

} // namespace invariants

#undef INVARIANT
