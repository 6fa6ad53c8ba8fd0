#include "Statement.h"

#include "InputFile.h"

#include <QStringDecoder>

#include <algorithm>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes it
// leaves undefined map to the C1 code points, as Windows itself maps them.
constexpr char16_t kCp1252High[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = b >= 0x80 && b < 0xa0 ? kCp1252High[b - 0x80] : char16_t(b);
    }
    return text;
}

struct DecodedText {
    QString text;
    QString error; // the bytes are not text; nothing may be imported
};

qsizetype lineOf(QStringView text, qsizetype index)
{
    qsizetype line = 1;
    for (qsizetype i = 0; i < index; ++i)
        line += text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == index || text[i + 1] != u'\n'));
    return line;
}

DecodedText decodeStatement(const QByteArray &bytes)
{
    DecodedText d;
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        // A byte-order mark says UTF-16, which is what spreadsheets save as "Unicode text".
        QStringDecoder utf16(bytes.startsWith("\xff\xfe") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        d.text = utf16.decode(QByteArrayView(bytes).sliced(2));
        if (utf16.hasError() || bytes.size() % 2 != 0) {
            d.error = u"the file begins as UTF-16 text but is not valid UTF-16; nothing was imported"_s;
            return d;
        }
    } else {
        // Text that is valid UTF-8 (plain ASCII included) is taken as UTF-8;
        // anything else as Windows-1252, without the UTF-8 byte-order mark an
        // editor may have put before it.
        const QByteArrayView body = bytes.startsWith("\xef\xbb\xbf") ? QByteArrayView(bytes).sliced(3)
                                                                       : QByteArrayView(bytes);
        QStringDecoder utf8(QStringConverter::Utf8);
        d.text = utf8.decode(body);
        if (utf8.hasError())
            d.text = fromWindows1252(body);
    }
    // Text never holds a NUL; a file that does is binary, or UTF-16 that lost
    // its byte-order mark, and its fields would be nonsense.
    const qsizetype nul = d.text.indexOf(QChar(0));
    if (nul >= 0) {
        d.error = u"line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text "
                  "without the byte-order mark that tells how to read it; nothing was imported"_s.arg(
                      lineOf(d.text, nul));
        d.text.clear();
    }
    return d;
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

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

QString elided(const QString &s)
{
    constexpr qsizetype kShown = 24;
    return s.size() <= kShown ? s : s.first(kShown - 1) + u'\u2026';
}

// True when the physical line that starts at from reads on its own as a
// record of at least five fields, each quote in it closed on the line.
bool isCompleteRecordLine(QStringView text, qsizetype from)
{
    int fields = 1;
    bool inQuote = false;
    bool fieldStart = true; // only blanks so far in this field
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuote) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"')
                    ++i;
                else
                    inQuote = false;
            } else if (c == u'\r' || c == u'\n') {
                return false;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n')
            break;
        if (c == u',') {
            ++fields;
            fieldStart = true;
        } else if (c == u'"' && fieldStart) {
            inQuote = true;
        } else if (!isBlank(c)) {
            fieldStart = false;
        }
    }
    return !inQuote && fields >= kStatementFieldsNeeded;
}

// Past one line end (CR LF, LF or a lone CR) at i.
qsizetype pastLineEnd(QStringView text, qsizetype i)
{
    return i + ((text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1);
}

enum class RecordEnd { Whole, BrokenQuote };

// Splits the text into records of fields, the usual CSV way, and hands each
// to take(record's first line, its last line, fields, how it ended). A line break inside a
// quoted field becomes one space. A quoted field that runs into a line which
// is a whole record of its own is a quote the bank forgot to close: its
// record is handed over as broken, and reading goes on with that next line.
// Returns the line of a quote still open at the end of the text, or 0.
template <typename Take>
int splitRecords(QStringView text, Take &&take)
{
    std::vector<QString> fields;
    QString field;
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const int recordLine = line;
        fields.clear();
        field.clear();
        bool afterQuote = false; // blanks after a closing quote are dropped
        bool recordEnded = false;
        bool broken = false;
        while (i < n && !recordEnded) {
            const QChar c = text[i];
            if (c == u'"' && !afterQuote && std::all_of(field.cbegin(), field.cend(), isBlank)) {
                // A quoted field: blanks before the quote are not part of it.
                field.clear();
                afterQuote = true;
                const int openLine = line;
                ++i;
                for (;;) {
                    if (i >= n)
                        return openLine;
                    const QChar q = text[i];
                    if (q == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            field.append(u'"');
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (q == u'\r' || q == u'\n') {
                        i = pastLineEnd(text, i);
                        ++line;
                        if (isCompleteRecordLine(text, i)) {
                            broken = true;
                            break;
                        }
                        field.append(u' ');
                        continue;
                    }
                    field.append(q);
                    ++i;
                }
                if (broken)
                    break;
                continue;
            }
            if (c == u',') {
                fields.push_back(field);
                field.clear();
                afterQuote = false;
                ++i;
            } else if (c == u'\r' || c == u'\n') {
                i = pastLineEnd(text, i);
                ++line;
                recordEnded = true;
            } else if (afterQuote && isBlank(c)) {
                ++i;
            } else {
                field.append(c);
                afterQuote = false;
                ++i;
            }
        }
        fields.push_back(field);
        // A record that ended at a line end (or before a line that is a record
        // of its own) ended on the line before the one now read.
        const bool atLineStart = i > 0 && (text[i - 1] == u'\n' || text[i - 1] == u'\r');
        take(recordLine, atLineStart ? line - 1 : line, fields, broken ? RecordEnd::BrokenQuote : RecordEnd::Whole);
    }
    return 0;
}

} // namespace

CentsReading statementAmount(QStringView field)
{
    if (!isWholeAmount(field))
        return {NumberStatus::NotANumber, 0};
    return typedAmountCents(field);
}

namespace {

// What a statement may not put into a register: control characters (a
// terminal would obey them when the register is shown) other than the tab.
QString withoutControls(QString field)
{
    for (QChar &c : field) {
        if (c != u'\t' && c.category() == QChar::Other_Control)
            c = u' ';
    }
    return field;
}

QString amountRefusal(const QString &amountField, const CentsReading &amount)
{
    if (amountField.trimmed().isEmpty())
        return u"the amount field is empty"_s;
    if (amount.status == NumberStatus::OutOfRange)
        return u"the amount \u201c%1\u201d is too large"_s.arg(elided(amountField));
    return u"the amount \u201c%1\u201d is not a number"_s.arg(elided(amountField));
}

// A line as it was read, before the file's usual number of fields is known.
struct PendingLine {
    int lineNumber = 0;
    int lastLine = 0;
    int fieldCount = 0;
    StatementLine line;     // fields 0, 1 and 4
    QString refusal;        // why fields 0, 1 and 4 are not a transaction
    std::optional<StatementLine> joined; // fields 1 and 2 as one amount with a grouping comma
};

} // namespace

Statement parseStatement(const QByteArray &bytes)
{
    Statement s;
    const DecodedText decoded = decodeStatement(bytes);
    if (!decoded.error.isEmpty()) {
        s.error = decoded.error;
        return s;
    }
    std::vector<PendingLine> pending;
    std::map<int, int> fieldCounts; // how many lines have each number of fields
    const int unclosedLine = splitRecords(
        decoded.text, [&](int lineNumber, int lastLine, const std::vector<QString> &fields, RecordEnd end) {
            const int spanEnd = lastLine > lineNumber ? lastLine : 0;
            if (end == RecordEnd::BrokenQuote) {
                s.skipped.push_back({lineNumber, u"a quote that opens a field is never closed"_s, spanEnd});
                return;
            }
            if (fields.size() == 1 && fields[0].trimmed().isEmpty())
                return;
            if (fields.size() < size_t(kStatementFieldsNeeded)) {
                s.skipped.push_back(
                    {lineNumber,
                     fields.size() == 1 ? u"1 field, %1 needed"_s.arg(kStatementFieldsNeeded)
                                        : u"%1 fields, %2 needed"_s.arg(fields.size()).arg(kStatementFieldsNeeded),
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
                p.line = {lineNumber, withoutControls(fields[0]), amount.cents, withoutControls(fields[4])};
            else
                p.refusal = amountRefusal(fields[1], amount);
            // "1,234.56" written without quotes splits into "1" and "234.56".
            if (fields.size() > size_t(kStatementFieldsNeeded)) {
                const CentsReading joined = statementAmount(QString(fields[1] + u',' + fields[2]));
                if (joined.ok())
                    p.joined = StatementLine{lineNumber, withoutControls(fields[0]), joined.cents,
                                             withoutControls(fields[5])};
            }
            pending.push_back(std::move(p));
        });
    if (unclosedLine != 0) {
        s = Statement();
        s.error = u"line %1: the quote that opens a field there is never closed, so the lines after it "
                  "cannot be told apart; nothing was imported"_s.arg(unclosedLine);
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
        if (p.fieldCount > usual) {
            if (p.fieldCount == usual + 1 && p.joined)
                s.lines.push_back(std::move(*p.joined));
            else
                s.skipped.push_back({p.lineNumber,
                                     u"%1 fields where the other lines have %2; a field holding a comma must be "
                                     "in quotes"_s.arg(p.fieldCount).arg(usual),
                                     p.lastLine});
        } else if (!p.refusal.isEmpty()) {
            s.skipped.push_back({p.lineNumber, p.refusal, p.lastLine});
        } else {
            s.lines.push_back(std::move(p.line));
        }
    }
    std::sort(s.skipped.begin(), s.skipped.end(),
              [](const SkippedLine &a, const SkippedLine &b) { return a.lineNumber < b.lineNumber; });
    return s;
}

Statement readStatementFile(const QString &path)
{
    InputFile file(path, InputFile::Access::Read);
    Statement s = file.ok() ? parseStatement(file.bytes()) : Statement();
    if (!file.finish()) {
        s = Statement();
        s.error = u"%1 could not be read: %2"_s.arg(path, file.error());
        return s;
    }
    if (!s.ok())
        s.error = u"%1: %2"_s.arg(path, s.error);
    return s;
}

QString SkippedLine::lines() const
{
    return lastLine > lineNumber ? u"lines %1-%2"_s.arg(lineNumber).arg(lastLine) : u"line %1"_s.arg(lineNumber);
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
    const QString source = fileName.isEmpty() ? u"the statement"_s : fileName;
    QString text = lineCount == 1 ? u"1 line of %1 was not imported: "_s.arg(source)
                                  : u"%1 lines of %2 were not imported: "_s.arg(lineCount).arg(source);
    const size_t named = std::min(count, kNamed);
    for (size_t k = 0; k < named; ++k) {
        if (k > 0)
            text += u", "_s;
        text += u"%1 (%2)"_s.arg(skipped[k].lines(), skipped[k].reason);
    }
    if (count > named)
        text += u", and %1 more"_s.arg(count - named);
    text += u'.';
    return text;
}
