#include "StatementText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>

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

} // namespace

qsizetype lineOfPosition(QStringView text, qsizetype index)
{
    qsizetype line = 1;
    for (qsizetype i = 0; i < index; ++i)
        line += text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == index || text[i + 1] != u'\n'));
    return line;
}

namespace {

// One line's bytes as UTF-8 when they are UTF-8, else as Windows-1252.
void appendLineDecoded(QString &out, QByteArrayView line, bool *windows1252, bool *utf8Beyond)
{
    const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        out += QLatin1StringView(line);
        return;
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(line);
    if (utf8.hasError()) {
        *windows1252 = true;
        out += fromWindows1252(line);
    } else {
        *utf8Beyond = true;
        out += text;
    }
}

// Bytes that are not UTF-8 as a whole, line by line (line ends are ASCII in
// both encodings, so a line never cuts a character in two).
QString decodeLineByLine(QByteArrayView body, std::vector<int> *windows1252Lines, Progress *progress)
{
    StopPoint stop(progress, 1024);
    QString text;
    text.reserve(body.size());
    bool anyUtf8 = false;
    int line = 1;
    qsizetype start = 0;
    const qsizetype n = body.size();
    while (start <= n) {
        stop.pass(start, n);
        qsizetype end = start;
        while (end < n && body[end] != '\n' && body[end] != '\r')
            ++end;
        bool latin = false;
        appendLineDecoded(text, body.sliced(start, end - start), &latin, &anyUtf8);
        if (latin)
            windows1252Lines->push_back(line);
        if (end >= n)
            break;
        const qsizetype next = end + ((body[end] == '\r' && end + 1 < n && body[end + 1] == '\n') ? 2 : 1);
        text += QLatin1StringView(body.sliced(end, next - end));
        start = next;
        ++line;
    }
    // A file in Windows-1252 throughout is no mixture worth a word.
    if (!anyUtf8)
        windows1252Lines->clear();
    return text;
}

} // namespace

QString encodingNote(const DecodedText &decoded)
{
    const std::vector<int> &lines = decoded.windows1252Lines;
    if (lines.empty())
        return {};
    constexpr size_t kNamed = 5;
    QStringList named;
    for (size_t k = 0; k < std::min(lines.size(), kNamed); ++k)
        named << QString::number(lines[k]);
    // Whole sentences, so that a translation can say them in its own order.
    if (lines.size() == 1)
        return QCoreApplication::translate(
                   "StatementText",
                   "line %1 is not UTF-8 and was read as Windows-1252 (Latin-1), the other lines as UTF-8")
            .arg(named.front());
    if (lines.size() > kNamed)
        return QCoreApplication::translate("StatementText",
                                           "lines %1 and %2 more are not UTF-8 and were read as "
                                           "Windows-1252 (Latin-1), the other lines as UTF-8")
            .arg(named.join(u", "))
            .arg(lines.size() - kNamed);
    return QCoreApplication::translate(
               "StatementText",
               "lines %1 are not UTF-8 and were read as Windows-1252 (Latin-1), the other lines as UTF-8")
        .arg(named.join(u", "));
}

DecodedText decodeStatementText(const QByteArray &bytes, Progress *progress)
{
    DecodedText d;
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        // A byte-order mark says UTF-16, which is what spreadsheets save as "Unicode text".
        QStringDecoder utf16(bytes.startsWith("\xff\xfe") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        d.text = utf16.decode(QByteArrayView(bytes).sliced(2));
        if (utf16.hasError() || bytes.size() % 2 != 0) {
            d.error = QCoreApplication::translate(
                "StatementText", "the file begins as UTF-16 text but is not valid UTF-16; nothing was imported");
            return d;
        }
    } else {
        // Text that is valid UTF-8 (plain ASCII included) is taken as UTF-8;
        // anything else as Windows-1252, without the UTF-8 byte-order mark an
        // editor may have put before it.
        const QByteArrayView body = bytes.startsWith("\xef\xbb\xbf") ? QByteArrayView(bytes).sliced(3)
                                                                       : QByteArrayView(bytes);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        d.text = utf8.decode(body);
        if (utf8.hasError())
            d.text = decodeLineByLine(body, &d.windows1252Lines, progress);
    }
    // Text never holds a NUL; a file that does is binary, or UTF-16 that lost
    // its byte-order mark, and its fields would be nonsense.
    const qsizetype nul = d.text.indexOf(QChar(0));
    if (nul >= 0) {
        d.error = QCoreApplication::translate(
                      "StatementText",
                      "line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text "
                      "without the byte-order mark that tells how to read it; nothing was imported")
                      .arg(lineOfPosition(d.text, nul));
        d.text.clear();
    }
    return d;
}

QString withoutControls(QString field)
{
    for (QChar &c : field) {
        if (c != u'\t' && c.category() == QChar::Other_Control)
            c = u' ';
    }
    return field;
}

QString elided(const QString &s)
{
    constexpr qsizetype kShown = 24;
    return s.size() <= kShown ? s : s.first(kShown - 1) + u'\u2026';
}

QString limitedText(QString text, qsizetype limit, const QString &what, QString *note)
{
    if (text.size() <= limit)
        return text;
    const qsizetype size = text.size();
    qsizetype keep = limit;
    if (keep > 0 && text[keep - 1].isHighSurrogate())
        --keep;
    text.truncate(keep);
    text.squeeze();
    const QLocale english(QLocale::English, QLocale::UnitedStates); // "2,000" on every machine
    *note = QCoreApplication::translate("StatementText", "%1 is %2 characters long; only its first %3 are kept")
                .arg(what, english.toString(size), english.toString(limit));
    return text;
}

QString describeWithMemo(const QString &name, const QString &memo)
{
    const QString n = name.trimmed();
    const QString m = memo.trimmed();
    if (m.isEmpty() || n.contains(m, Qt::CaseInsensitive))
        return n;
    if (n.isEmpty() || m.startsWith(n, Qt::CaseInsensitive))
        return m;
    return n + u"; "_s + m;
}

QString checkNumberText(QString cell)
{
    cell = withoutControls(std::move(cell)).trimmed();
    qsizetype marks = 0;
    while (marks < cell.size() && (cell[marks] == u'#' || cell[marks].isSpace()))
        ++marks;
    cell.remove(0, marks);
    if (!std::any_of(cell.cbegin(), cell.cend(), [](QChar c) { return c.isLetterOrNumber(); }))
        return {};
    if (!std::all_of(cell.cbegin(), cell.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return cell;
    qsizetype zeros = 0;
    while (zeros < cell.size() && cell[zeros] == u'0')
        ++zeros;
    return cell.mid(zeros); // all zeros: no check at all
}

QString statementCheckNumber(const QString &cell, QString *note)
{
    return checkNumberText(limitedText(checkNumberText(cell), kMaxStatementCheckNumber,
                                       QCoreApplication::translate("StatementText", "the check number"), note));
}

CsvRecords splitStatementRecords(QStringView text, QChar separator, int wholeFields, Progress *progress)
{
    CsvRecords r;
    r.separator = separator;
    r.wholeFields = wholeFields;
    r.unclosedLine = splitCsvRecords(
        text, separator, wholeFields,
        [&](int line, int lastLine, std::vector<QString> &fields, RecordEnd end) {
            r.records.push_back({line, lastLine, std::move(fields), end});
        },
        progress);
    return r;
}
