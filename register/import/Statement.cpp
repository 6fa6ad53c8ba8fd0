#include "Statement.h"

#include "DateReader.h"
#include "InputFile.h"
#include "StatementDates.h"
#include "StatementText.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>

#include <algorithm>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

qsizetype skipDigits(QStringView t, qsizetype i)
{
    while (i < t.size() && isAsciiDigit(t[i]))
        ++i;
    return i;
}

// The shape a statement amount may have; typedAmountCents then reads it.
bool isWholeAmount(QStringView t)
{
    t = t.trimmed();
    if (t.startsWith(u'(')) {
        if (!t.endsWith(u')'))
            return false;
        t = t.sliced(1, t.size() - 2).trimmed();
        // A sign inside parentheses says the sign twice.
        if (t.startsWith(u'-') || t.startsWith(u'+'))
            return false;
    }
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto isSign = [&](qsizetype k) { return k < n && (t[k] == u'-' || t[k] == u'+'); };
    bool signSeen = false;
    if (isSign(i)) {
        signSeen = true;
        ++i;
    }
    if (i < n && (t[i] == u'$' || t[i] == u'\u00a3' || t[i] == u'\u20ac' || t[i] == u'\u00a5')) {
        ++i;
        if (!signSeen && isSign(i))
            ++i;
    }
    const qsizetype intStart = i;
    i = skipDigits(t, i);
    const qsizetype leadGroup = i - intStart;
    if (leadGroup >= 1 && leadGroup <= 3) {
        while (i + 3 < n && t[i] == u',' && skipDigits(t, i + 1) == i + 4)
            i += 4;
    }
    const qsizetype intDigits = i - intStart;
    qsizetype fracDigits = 0;
    if (i < n && t[i] == u'.') {
        const qsizetype fracStart = ++i;
        i = skipDigits(t, i);
        fracDigits = i - fracStart;
    }
    return i == n && intDigits + fracDigits > 0;
}

} // namespace

CentsReading statementAmount(QStringView field)
{
    if (!isWholeAmount(field))
        return {NumberStatus::NotANumber, 0};
    return typedAmountCents(field);
}

QString amountRefusal(const QString &amountField, const CentsReading &amount)
{
    if (amountField.trimmed().isEmpty())
        return QCoreApplication::translate("Statement", "the amount field is empty");
    if (amount.status == NumberStatus::OutOfRange)
        return QCoreApplication::translate("Statement", "the amount \u201c%1\u201d is too large")
            .arg(elided(amountField));
    return QCoreApplication::translate("Statement", "the amount \u201c%1\u201d is not a number")
        .arg(elided(amountField));
}

QString fieldsFingerprint(const std::vector<QString> &fields)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString &field : fields) {
        hash.addData(field.trimmed().toUtf8());
        hash.addData(QByteArrayView("\x1f"));
    }
    return u"csv:"_s + QString::fromLatin1(hash.result().first(8).toHex());
}

void numberRepeatedIds(std::vector<StatementLine> &lines)
{
    QHash<QString, int> seen;
    seen.reserve(qsizetype(lines.size()));
    for (StatementLine &line : lines) {
        if (line.bankId.isEmpty())
            continue;
        const int n = ++seen[line.bankId];
        if (n > 1)
            line.bankId += u':' + QString::number(n);
    }
}

QString transactionFingerprint(const StatementLine &line)
{
    return fieldsFingerprint({line.date, QString::number(line.amount), line.description, line.checkNumber});
}

void completeYearlessDates(std::vector<StatementLine> &lines, const std::vector<std::optional<StatementDate>> &yearless,
                           std::vector<QDate> dated, QDate today)
{
    std::sort(dated.begin(), dated.end());
    for (size_t i = 0; i < lines.size(); ++i)
        if (yearless[i])
            lines[i].date = completeDate(yearless[i]->month, yearless[i]->day, dated, today).toString(u"MM/dd/yyyy");
}

namespace {

// A line as it was read, before the file's usual number of fields is known.
struct PendingLine {
    int lineNumber = 0;
    int lastLine = 0;
    int fieldCount = 0;
    StatementLine line;     // fields 0, 1 and 4
    QString refusal;        // why fields 0, 1 and 4 are not a transaction
    std::optional<StatementLine> joined; // fields 1 and 2 as one amount with a grouping comma
};

StatementLine fiveFieldLine(int lineNumber, const QString &date, Cents amount, const QString &description)
{
    StatementLine line;
    line.lineNumber = lineNumber;
    line.date = withoutControls(date);
    line.amount = amount;
    // Cut first: a description of millions of characters is not looked at whole.
    line.description = withoutControls(limitedText(description, kMaxStatementDescription,
                                                   QCoreApplication::translate("Statement", "the description"),
                                                   &line.note));
    return line;
}

} // namespace

Statement parseFiveField(const CsvRecordSource &records, QDate today, Progress *progress)
{
    StopPoint stop(progress);
    Statement s;
    std::vector<PendingLine> pending;
    std::map<int, int> fieldCounts; // how many lines have each number of fields
    const int unclosedLine = records.forEach(
        [&](int lineNumber, int lastLine, const std::vector<QString> &fields, RecordEnd end) {
            const int spanEnd = lastLine > lineNumber ? lastLine : 0;
            if (end == RecordEnd::BrokenQuote) {
                s.skipped.push_back(
                    {lineNumber, QCoreApplication::translate("Statement", "a quote that opens a field is never closed"),
                     spanEnd});
                return;
            }
            if (fields.size() == 1 && fields[0].trimmed().isEmpty())
                return;
            if (fields.size() < size_t(kStatementFieldsNeeded)) {
                s.skipped.push_back(
                    {lineNumber,
                     fields.size() == 1
                         ? QCoreApplication::translate("Statement", "1 field, %1 needed").arg(kStatementFieldsNeeded)
                         : QCoreApplication::translate("Statement", "%1 fields, %2 needed")
                               .arg(fields.size())
                               .arg(kStatementFieldsNeeded),
                     spanEnd});
                return;
            }
            PendingLine p;
            p.lineNumber = lineNumber;
            p.lastLine = spanEnd;
            p.fieldCount = int(fields.size());
            ++fieldCounts[p.fieldCount];
            const CentsReading amount = statementAmount(fields[1]);
            if (amount.ok())
                p.line = fiveFieldLine(lineNumber, fields[0], amount.cents, fields[4]);
            else
                p.refusal = amountRefusal(fields[1], amount);
            // "1,234.56" written without quotes splits into "1" and "234.56".
            if (fields.size() > size_t(kStatementFieldsNeeded)) {
                const CentsReading joined = statementAmount(QString(fields[1] + u',' + fields[2]));
                if (joined.ok())
                    p.joined = fiveFieldLine(lineNumber, fields[0], joined.cents, fields[5]);
            }
            pending.push_back(std::move(p));
        },
        progress);
    if (unclosedLine != 0) {
        s = Statement();
        s.error = QCoreApplication::translate(
                      "Statement",
                      "line %1: the quote that opens a field there is never closed, so the lines after it "
                      "cannot be told apart; nothing was imported")
                      .arg(unclosedLine);
        return s;
    }

    // The number of fields most lines have (the fewer on a tie). A line with
    // one more is an amount with an unquoted grouping comma when its fields 1
    // and 2 read as one; a line with more fields than that is not guessed at.
    int usual = 0;
    int usualLines = 0;
    for (const auto &[count, lines] : fieldCounts) {
        if (lines > usualLines) {
            usual = count;
            usualLines = lines;
        }
    }
    s.lines.reserve(pending.size());
    for (PendingLine &p : pending) {
        stop.pass(p.lineNumber, qint64(pending.size()));
        if (p.fieldCount > usual) {
            if (p.fieldCount == usual + 1 && p.joined)
                s.lines.push_back(std::move(*p.joined));
            else
                s.skipped.push_back({p.lineNumber,
                                     QCoreApplication::translate(
                                         "Statement",
                                         "%1 fields where the other lines have %2; a field holding a comma must be "
                                         "in quotes")
                                         .arg(p.fieldCount)
                                         .arg(usual),
                                     p.lastLine});
        } else if (!p.refusal.isEmpty()) {
            s.skipped.push_back({p.lineNumber, p.refusal, p.lastLine});
        } else {
            s.lines.push_back(std::move(p.line));
        }
    }
    std::sort(s.skipped.begin(), s.skipped.end(),
              [](const SkippedLine &a, const SkippedLine &b) { return a.lineNumber < b.lineNumber; });

    // Every date stays as the bank wrote it, but one without a year, which
    // would read as another year's once the year turns.
    std::vector<std::optional<StatementDate>> yearless;
    std::vector<QDate> dated;
    yearless.reserve(s.lines.size());
    for (const StatementLine &line : s.lines) {
        stop.pass(qint64(yearless.size()), qint64(s.lines.size()));
        yearless.push_back(yearlessDate(line.date));
        if (!yearless.back())
            if (const std::optional<QDate> d = readDate(line.date, QDate()))
                dated.push_back(*d);
    }
    completeYearlessDates(s.lines, yearless, std::move(dated), today.isValid() ? today : QDate::currentDate());
    for (StatementLine &line : s.lines) {
        stop.pass(line.lineNumber, qint64(s.lines.size()));
        line.bankId = transactionFingerprint(line);
    }
    numberRepeatedIds(s.lines);
    return s;
}

Statement parseStatement(const QByteArray &bytes, QDate today)
{
    const DecodedText decoded = decodeStatementText(bytes);
    if (!decoded.error.isEmpty()) {
        Statement s;
        s.error = decoded.error;
        return s;
    }
    Statement s = parseFiveField({decoded.text, u',', kStatementFieldsNeeded}, today);
    if (s.ok())
        if (const QString note = encodingNote(decoded); !note.isEmpty())
            s.notes.insert(s.notes.begin(), note);
    return s;
}

QByteArray readStatementBytes(const QString &path, QString *error)
{
    InputFile file(path, InputFile::Access::Read);
    const QByteArray bytes = file.ok() ? file.bytes() : QByteArray();
    if (!file.finish()) {
        *error = QCoreApplication::translate("Statement", "%1 could not be read: %2").arg(path, file.error());
        return {};
    }
    return bytes;
}

Statement readStatementFile(const QString &path, QDate today)
{
    QString why;
    const QByteArray bytes = readStatementBytes(path, &why);
    if (!why.isEmpty()) {
        Statement s;
        s.error = why;
        return s;
    }
    Statement s = parseStatement(bytes, today);
    if (!s.ok())
        s.error = u"%1: %2"_s.arg(path, s.error);
    return s;
}

QString SkippedLine::lines() const
{
    return lastLine > lineNumber ? QCoreApplication::translate("Statement", "lines %1-%2").arg(lineNumber).arg(lastLine)
                                 : QCoreApplication::translate("Statement", "line %1").arg(lineNumber);
}

QString skippedLinesMessage(const std::vector<SkippedLine> &skipped, const QString &fileName)
{
    if (skipped.empty())
        return {};
    constexpr size_t kNamed = 5;
    const size_t count = skipped.size();
    qint64 lineCount = 0;
    for (const SkippedLine &line : skipped)
        lineCount += line.lastLine > line.lineNumber ? line.lastLine - line.lineNumber + 1 : 1;
    const QString source = fileName.isEmpty() ? QCoreApplication::translate("Statement", "the statement") : fileName;
    QString text = lineCount == 1
        ? QCoreApplication::translate("Statement", "1 line of %1 was not imported: ").arg(source)
        : QCoreApplication::translate("Statement", "%1 lines of %2 were not imported: ").arg(lineCount).arg(source);
    const size_t named = std::min(count, kNamed);
    for (size_t k = 0; k < named; ++k) {
        if (k > 0)
            text += u", "_s;
        text += u"%1 (%2)"_s.arg(skipped[k].lines(), skipped[k].reason);
    }
    if (count > named)
        text += QCoreApplication::translate("Statement", ", and %1 more").arg(count - named);
    text += u'.';
    return text;
}
