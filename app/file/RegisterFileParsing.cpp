#include "RegisterFileParsing.h"

#include "NumberScan.h"

#include <QUtf8StringView>

#include <cstring>
#include <limits>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace registerfile {

QString quoted(QStringView s)
{
    constexpr qsizetype kShown = 40;
    //: A text from the file, quoted in a message.
    const QString marks = RegisterFileText::tr("\u201c%1\u201d");
    return marks.arg(s.size() > kShown ? s.left(kShown).toString() + u'\u2026' : s.toString());
}

QString rowText(qsizetype rowIndex) { return RegisterFileText::tr("row %1").arg(rowIndex + 1); }

// The line a byte stands on. CR LF, LF and a lone CR each end a line, so a
// file written with old Mac line ends is not reported as one long line.
qsizetype lineAt(const char *first, const char *where)
{
    qsizetype line = 1;
    for (const char *q = first; q < where; ++q)
        line += *q == '\n' || (*q == '\r' && (q + 1 == where || q[1] != '\n'));
    return line;
}

namespace {

// Whether a text can be beyond the range of money at all: it needs either
// more than 13 digits before its point or an exponent for that.
bool mayBeOutOfRange(QLatin1StringView text)
{
    if (text.size() > 13 || text.isEmpty())
        return true;
    for (char c : text)
        if (c == 'e' || c == 'E')
            return true;
    return false;
}

[[noreturn]] void refuseOutOfRange(Key key, const QString &text, qsizetype rowIndex)
{
    throw ParseError{RegisterFileText::tr("%1: the %2 %3 is out of range (amounts are limited to %4 dollars)").arg(
        rowText(rowIndex), QString(keyName(key)), quoted(text), RegisterFileText::tr("90 trillion"))};
}

} // namespace

// Amounts and balances must be money the program can add exactly.
void checkMoneyRange(const Record &record, qsizetype rowIndex)
{
    for (Key key : {Key::Amount, Key::Total}) {
        const Value &v = record.value(key);
        if ((!v.isText() || mayBeOutOfRange(v.latin1Text())) && v.cents().status == NumberStatus::OutOfRange)
            refuseOutOfRange(key, v.toString(), rowIndex);
    }
}

void checkMoneyRange(Key key, const ShownText &value, qsizetype rowIndex)
{
    value.visitText([&](auto text) {
        if constexpr (std::is_same_v<decltype(text), QLatin1StringView>) {
            if (value.isText() && !mayBeOutOfRange(text))
                return;
        }
        if (value.cents().status == NumberStatus::OutOfRange)
            refuseOutOfRange(key, text.toString(), rowIndex);
    });
}

// Text never holds a NUL byte; a file that does is binary, or UTF-16 that
// lost its byte-order mark, and reading it as text would only produce a
// misleading complaint further on.
void refuseNulBytes(const char *first, const char *last)
{
    if (const void *nul = std::memchr(first, 0, size_t(last - first)))
        throw ParseError{RegisterFileText::tr("line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 "
                         "text without the byte-order mark that tells how to read it").arg(
                             lineAt(first, static_cast<const char *>(nul)))};
}


void refuseInvalidUtf8(const char *first, const char *last)
{
    // A line feed is never part of a multi-byte sequence, so the file can be
    // checked a line at a time to say where the fault is.
    for (const char *from = first; from < last;) {
        const void *lf = std::memchr(from, '\n', size_t(last - from));
        const char *to = lf ? static_cast<const char *>(lf) + 1 : last;
        if (!QUtf8StringView(from, to - from).isValidUtf8())
            throw ParseError{RegisterFileText::tr("line %1: the file is neither ASCII nor UTF-8 text").arg(lineAt(first, from))};
        from = to;
    }
}

// What a text file may not hold: a NUL byte, then bytes that are not UTF-8.
void refuseNonText(const char *first, const char *last)
{
    refuseNulBytes(first, last);
    for (const char *q = first; q < last; ++q) {
        if (static_cast<unsigned char>(*q) >= 0x80) {
            refuseInvalidUtf8(first, last);
            return;
        }
    }
}

std::optional<double> xmlReal(QStringView text)
{
    const QString t = text.trimmed().toString();
    const QString lower = t.toLower();
    const bool negative = lower.startsWith(u'-');
    const QStringView body = (negative || lower.startsWith(u'+')) ? QStringView(lower).mid(1) : QStringView(lower);
    if (body == u"nan")
        return std::numeric_limits<double>::quiet_NaN();
    if (body == u"inf" || body == u"infinity")
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    const DecimalScan scan = scanLeadingDecimal(t.constData(), t.constData() + t.size());
    if (!scan.found || scan.begin != 0 || scan.end != t.size())
        return std::nullopt;
    return scannedDouble(scan, t.constData());
}

std::optional<qint64> xmlInteger(QStringView text)
{
    const QString t = text.trimmed().toString();
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(u"0x") || t.startsWith(u"0X"))
        v = t.mid(2).toLongLong(&ok, 16);
    else if (!t.isEmpty() && (t[0].isDigit() || t[0] == u'-' || t[0] == u'+'))
        v = t.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace registerfile
