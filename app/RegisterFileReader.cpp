#include "RegisterFile.h"

#include "NumberScan.h"

#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUtf8StringView>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <functional>

#include <sys/mman.h>
#include <unistd.h>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Thrown inside the parsers only; parseRegister turns it into an error text.
struct ParseError {
    QString message;
};

QString quoted(QStringView s)
{
    constexpr qsizetype kShown = 40;
    if (s.size() > kShown)
        return u"\u201c"_s + s.left(kShown).toString() + u"\u2026\u201d"_s;
    return u"\u201c"_s + s.toString() + u"\u201d"_s;
}

QString rowText(qsizetype rowIndex) { return u"row %1"_s.arg(rowIndex + 1); }

// The line a byte stands on. CR LF, LF and a lone CR each end a line, so a
// file written with old Mac line ends is not reported as one long line.
qsizetype lineAt(const char *first, const char *where)
{
    qsizetype line = 1;
    for (const char *q = first; q < where; ++q)
        line += *q == '\n' || (*q == '\r' && (q + 1 == where || q[1] != '\n'));
    return line;
}

// Whether a value can be beyond the range of money at all: a text needs
// either more than 13 digits before its point or an exponent for that.
bool mayBeOutOfRange(const Value &v)
{
    const QLatin1StringView text = v.latin1Text();
    if (!v.isText() || text.size() > 13 || text.isEmpty())
        return true;
    for (char c : text)
        if (c == 'e' || c == 'E')
            return true;
    return false;
}

// Amounts and balances must be money the program can add exactly.
void checkMoneyRange(const Record &record, qsizetype rowIndex)
{
    for (Key key : {Key::Amount, Key::Total}) {
        const Value &v = record.value(key);
        if (mayBeOutOfRange(v) && v.cents().status == NumberStatus::OutOfRange)
            throw ParseError{u"%1: the %2 %3 is out of range (amounts are limited to %4 dollars)"_s.arg(
                rowText(rowIndex), QString(keyName(key)), quoted(v.toString()), u"90 trillion"_s)};
    }
}

// Text never holds a NUL byte; a file that does is binary, or UTF-16 that
// lost its byte-order mark, and reading it as text would only produce a
// misleading complaint further on.
void refuseNulBytes(const char *first, const char *last)
{
    if (const void *nul = std::memchr(first, 0, size_t(last - first)))
        throw ParseError{u"line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 "
                         "text without the byte-order mark that tells how to read it"_s.arg(
                             lineAt(first, static_cast<const char *>(nul)))};
}

void refuseNulBytes(const QByteArray &bytes) { refuseNulBytes(bytes.constData(), bytes.constData() + bytes.size()); }

void refuseInvalidUtf8(const char *first, const char *last)
{
    // A line feed is never part of a multi-byte sequence, so the file can be
    // checked a line at a time to say where the fault is.
    for (const char *from = first; from < last;) {
        const void *lf = std::memchr(from, '\n', size_t(last - from));
        const char *to = lf ? static_cast<const char *>(lf) + 1 : last;
        if (!QUtf8StringView(from, to - from).isValidUtf8())
            throw ParseError{u"line %1: the file is neither ASCII nor UTF-8 text"_s.arg(lineAt(first, from))};
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

// ---------------------------------------------------------------------------
// The old-style text form.

// Reads the file in one pass. A NUL byte or a byte outside ASCII can only
// stand inside a quoted text or a comment (anywhere else the syntax fails);
// the parser notes when it meets one, and only then checks the whole file, so
// that a plain ASCII register is read once. The checks come first whenever
// the syntax fails too, so their messages win as if they had run first.
class OldStyleParser
{
public:
    // release, when given, is told of each stretch of the file that has been
    // read and is not needed again, so that a mapped file's pages can go.
    OldStyleParser(const char *first, const char *last,
                   std::function<void(const char *, const char *)> release = {})
        : m_first(first), m_p(first), m_last(last), m_released(first), m_release(std::move(release))
    {
    }

    std::vector<RecordPtr> parse()
    {
        std::vector<RecordPtr> rows;
        parse([&](RecordPtr r) { rows.push_back(std::move(r)); });
        return rows;
    }

    // Hands each record to each as soon as it is read; the file is only
    // known to be good once this returns.
    void parse(const std::function<void(RecordPtr)> &each)
    {
        skip();
        if (m_p == m_last)
            throw ParseError{u"the file is empty; a register file holds a list of records"_s};
        if (*m_p == '{')
            fail(u"the file holds a single record, not a list of records"_s);
        if (*m_p != '(')
            fail(u"the file does not hold a list of records (it should begin with \u201c(\u201d)"_s);
        ++m_p;
        qsizetype count = 0;
        for (;;) {
            skip();
            if (m_p == m_last)
                fail(u"the list of records is not closed with \u201c)\u201d"_s);
            if (*m_p == ')') {
                ++m_p;
                break;
            }
            if (*m_p != '{')
                fail(u"%1 is not a record (a record begins with \u201c{\u201d)"_s.arg(rowText(count)));
            each(parseRecord(count++));
            if (m_release && m_p - m_released >= kReleaseStep) {
                m_release(m_released, m_p);
                m_released = m_p;
            }
            skip();
            if (m_p == m_last)
                fail(u"the list of records is not closed with \u201c)\u201d"_s);
            if (*m_p == ',') {
                ++m_p;
                continue;
            }
            if (*m_p == ')')
                continue;
            fail(u"expected \u201c,\u201d or \u201c)\u201d after %1"_s.arg(rowText(count - 1)));
        }
        skip();
        if (m_p != m_last)
            fail(u"unexpected text after the end of the list"_s);
        if (m_sawNonAscii)
            refuseNonText(m_first, m_last);
    }

private:
    static constexpr std::ptrdiff_t kReleaseStep = 16 << 20;
    static constexpr qsizetype kInternShortest = 16; // shorter texts are held inline anyway
    static constexpr qsizetype kInternMost = 1 << 16;

    [[noreturn]] void fail(const QString &what) const { failAt(m_p, what); }

    [[noreturn]] void failAt(const char *where, const QString &what) const
    {
        refuseNonText(m_first, m_last);
        throw ParseError{u"line %1: %2"_s.arg(lineAt(m_first, std::min(where, m_last))).arg(what)};
    }

    void note(char c)
    {
        if (c == 0 || static_cast<unsigned char>(c) >= 0x80)
            m_sawNonAscii = true;
    }

    // Payees repeat; a long text met before shares the text already read.
    Value text(QLatin1StringView text)
    {
        if (text.size() < kInternShortest)
            return Value::text(text);
        if (auto it = m_interned.constFind(text); it != m_interned.constEnd())
            return *it;
        Value v = Value::text(text);
        if (m_interned.size() < kInternMost)
            m_interned.insert(v.latin1Text(), v);
        return v;
    }

    // What each byte can be, looked up once per byte.
    enum CharClass : unsigned char { Bare = 1, Space = 2, QuoteStop = 4 };
    static constexpr std::array<unsigned char, 256> kClasses = [] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c) {
            const bool bare = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
                || c == '$' || c == '/' || c == ':' || c == '.' || c == '-';
            const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
            // Inside a quoted text: the quotes, a backslash, NUL and non-ASCII.
            const bool stop = c == '"' || c == '\'' || c == '\\' || c == 0 || c >= 0x80;
            t[size_t(c)] = (bare ? Bare : 0) | (space ? Space : 0) | (stop ? QuoteStop : 0);
        }
        return t;
    }();
    static bool isBare(char c) { return kClasses[static_cast<unsigned char>(c)] & Bare; }

    // White space and both kinds of comment.
    void skip()
    {
        while (m_p != m_last) {
            const char c = *m_p;
            if (kClasses[static_cast<unsigned char>(c)] & Space) {
                ++m_p;
            } else if (c == '/' && m_p + 1 != m_last && m_p[1] == '/') {
                while (m_p != m_last && *m_p != '\n' && *m_p != '\r')
                    note(*m_p++);
            } else if (c == '/' && m_p + 1 != m_last && m_p[1] == '*') {
                const char *start = m_p;
                m_p += 2;
                while (m_p + 1 < m_last && !(m_p[0] == '*' && m_p[1] == '/'))
                    note(*m_p++);
                if (m_p + 1 >= m_last)
                    failAt(start, u"a comment is not closed with \u201c*/\u201d"_s);
                m_p += 2;
            } else {
                return;
            }
        }
    }

    RecordPtr parseRecord(qsizetype rowIndex)
    {
        ++m_p; // '{'
        RecordPtr record = makeRecord();
        std::vector<std::pair<QString, Value>> others; // keys the program does not know
        for (;;) {
            skip();
            if (m_p == m_last)
                fail(u"%1 is not closed with \u201c}\u201d"_s.arg(rowText(rowIndex)));
            if (*m_p == '}') {
                ++m_p;
                break;
            }
            QString keyText;
            std::optional<Key> key;
            if (*m_p == '"' || *m_p == '\'') {
                Value k = parseQuoted();
                keyText = k.toString();
                key = knownKey(keyText);
            } else if (isBare(*m_p)) {
                const char *b = m_p;
                while (m_p != m_last && isBare(*m_p))
                    ++m_p;
                key = knownKey(QLatin1StringView(b, m_p - b));
                if (!key)
                    keyText = QString::fromLatin1(b, m_p - b);
            } else {
                fail(u"expected a key in %1"_s.arg(rowText(rowIndex)));
            }
            // The key as messages name it; made only when one is needed.
            auto keyShown = [&] { return key ? QString(keyName(*key)) : keyText; };
            skip();
            if (m_p == m_last || *m_p != '=')
                failAt(m_p, u"expected \u201c=\u201d after the key %1 in %2"_s.arg(quoted(keyShown()), rowText(rowIndex)));
            ++m_p;
            skip();
            Value value = parseValue(keyShown, rowIndex);
            skip();
            if (m_p != m_last && *m_p == ';')
                ++m_p;
            else if (m_p == m_last || *m_p != '}')
                fail(u"expected \u201c;\u201d after the value of %1 in %2"_s.arg(quoted(keyShown()), rowText(rowIndex)));
            if (key)
                record->set(*key, std::move(value));
            else
                others.emplace_back(std::move(keyText), std::move(value));
        }
        record->setMany(std::move(others));
        checkMoneyRange(*record, rowIndex);
        return record;
    }

    template <typename KeyName>
    Value parseValue(const KeyName &key, qsizetype rowIndex)
    {
        if (m_p == m_last)
            fail(u"the value of %1 in %2 is missing"_s.arg(quoted(key()), rowText(rowIndex)));
        const char c = *m_p;
        if (c == '"' || c == '\'')
            return parseQuoted();
        if (isBare(c)) {
            const char *b = m_p;
            while (m_p != m_last && isBare(*m_p))
                ++m_p;
            return text(QLatin1StringView(b, m_p - b));
        }
        QString what;
        if (c == '(')
            what = u"a list"_s;
        else if (c == '{')
            what = u"a record"_s;
        else if (c == '<')
            what = u"raw data"_s;
        if (!what.isEmpty())
            fail(u"the value of %1 in %2 is %3; a record holds only texts and numbers"_s.arg(quoted(key()),
                                                                                                  rowText(rowIndex), what));
        fail(u"the value of %1 in %2 is missing"_s.arg(quoted(key()), rowText(rowIndex)));
    }

    // A quoted text with its escapes. Plain ASCII without escapes, by far the
    // most common, is taken as it stands.
    Value parseQuoted()
    {
        const char quote = *m_p;
        const char *start = m_p;
        const char *b = ++m_p;
        bool plain = true;
        while (m_p != m_last && *m_p != quote) {
            if (!(kClasses[static_cast<unsigned char>(*m_p)] & QuoteStop)) {
                ++m_p;
                continue;
            }
            if (*m_p == '\\') {
                plain = false;
                if (++m_p == m_last)
                    break;
            } else if (*m_p == 0 || static_cast<unsigned char>(*m_p) >= 0x80) {
                plain = false;
                note(*m_p);
            }
            ++m_p;
        }
        if (m_p == m_last)
            failAt(start, u"a quoted text is not closed"_s);
        const char *e = m_p++;
        if (plain)
            return text(QLatin1StringView(b, e - b));
        // Escapes can only stand for characters; the bytes between them must
        // be UTF-8, or fromUtf8 would put in replacement characters.
        if (m_sawNonAscii)
            refuseNonText(m_first, m_last);
        return Value::text(QStringView(unescape(b, e)));
    }

    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    // A text's escapes: \n and the like, \U with up to four hexadecimal
    // digits, up to three octal digits, and any other character escaped
    // standing for itself.
    QString unescape(const char *b, const char *e) const
    {
        QString out;
        out.reserve(e - b);
        const char *run = b; // start of bytes not yet decoded
        auto flush = [&](const char *upTo) {
            if (upTo > run)
                out += QString::fromUtf8(run, upTo - run);
        };
        for (const char *q = b; q < e;) {
            if (*q != '\\') {
                ++q;
                continue;
            }
            flush(q);
            ++q; // the backslash; the parser made sure a character follows
            const char c = *q++;
            switch (c) {
            case 'a': out += QChar(7); break;
            case 'b': out += QChar(8); break;
            case 'f': out += QChar(12); break;
            case 'n': out += QChar(10); break;
            case 'r': out += QChar(13); break;
            case 't': out += QChar(9); break;
            case 'v': out += QChar(11); break;
            case 'U':
            case 'u': {
                int code = 0, digits = 0;
                while (digits < 4 && q < e && hexDigit(*q) >= 0) {
                    code = code * 16 + hexDigit(*q++);
                    ++digits;
                }
                if (digits == 0)
                    failAt(q - 2, u"the escape \u201c\\%1\u201d in a quoted text has no hexadecimal character code "
                                  "after it"_s.arg(QLatin1Char(c)));
                out += QChar(char16_t(code));
                break;
            }
            default:
                if (c >= '0' && c <= '7') {
                    // Up to three octal digits: one byte, taken as Latin-1.
                    int code = c - '0', digits = 1;
                    while (digits < 3 && q < e && *q >= '0' && *q <= '7') {
                        code = code * 8 + (*q++ - '0');
                        ++digits;
                    }
                    // Reading \777 as some byte would change the text without a word.
                    if (code > 0377)
                        failAt(q - digits - 1, u"the escape \u201c\\%1\u201d in a quoted text is out of range "
                                               "(an octal escape names one byte, \\0 to \\377)"_s.arg(code, 0, 8));
                    out += QChar(char16_t(code));
                } else {
                    // \" \' \\ and any other escaped character stand for themselves.
                    const char *charStart = q - 1;
                    const char *charEnd = q;
                    while (charEnd < e && (static_cast<unsigned char>(*charEnd) & 0xc0) == 0x80)
                        ++charEnd;
                    out += QString::fromUtf8(charStart, charEnd - charStart);
                    q = charEnd;
                }
            }
            run = q;
        }
        flush(e);
        return out;
    }

    const char *m_first;
    const char *m_p;
    const char *m_last;
    const char *m_released;
    std::function<void(const char *, const char *)> m_release;
    bool m_sawNonAscii = false;
    QHash<QLatin1StringView, Value> m_interned;
};

// ---------------------------------------------------------------------------
// The XML form.

std::optional<double> parseReal(QStringView text)
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

std::optional<qint64> parseInteger(QStringView text)
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

class XmlParser
{
public:
    explicit XmlParser(const QByteArray &bytes) : m_xml(bytes) {}
    // Text already decoded: the reader then ignores the encoding the XML
    // declaration names, which described the bytes, not this text.
    explicit XmlParser(const QString &text) : m_xml(text) {}

    std::vector<RecordPtr> parse()
    {
        if (!m_xml.readNextStartElement())
            xmlFail(u"the file holds no property list"_s);
        if (m_xml.name() == u"plist") {
            if (!m_xml.readNextStartElement())
                xmlFail(u"the property list is empty; a register file holds a list of records"_s);
        }
        if (m_xml.name() == u"dict")
            fail(u"the file holds a single record, not a list of records"_s);
        if (m_xml.name() != u"array")
            fail(u"the file does not hold a list of records (found <%1>)"_s.arg(m_xml.name()));
        std::vector<RecordPtr> rows;
        while (m_xml.readNextStartElement()) {
            const qsizetype row = qsizetype(rows.size());
            if (m_xml.name() != u"dict")
                fail(u"%1 is not a record (found <%2>)"_s.arg(rowText(row), m_xml.name()));
            rows.push_back(parseRecord(row));
        }
        if (m_xml.hasError())
            xmlFail(m_xml.errorString());
        // Whatever follows the list must still be well-formed XML.
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement())
                fail(u"unexpected <%1> after the list of records"_s.arg(m_xml.name()));
        }
        if (m_xml.hasError())
            xmlFail(m_xml.errorString());
        return rows;
    }

private:
    [[noreturn]] void fail(const QString &what) const
    {
        throw ParseError{u"line %1: %2"_s.arg(m_xml.lineNumber()).arg(what)};
    }
    [[noreturn]] void xmlFail(const QString &what) const
    {
        if (m_xml.hasError())
            throw ParseError{u"line %1: the XML is malformed: %2"_s.arg(m_xml.lineNumber()).arg(m_xml.errorString())};
        fail(what);
    }

    RecordPtr parseRecord(qsizetype row)
    {
        RecordPtr record = makeRecord();
        std::vector<std::pair<QString, Value>> others; // keys the program does not know
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"key")
                fail(u"%1: expected <key>, found <%2>"_s.arg(rowText(row), m_xml.name()));
            const QString key = m_xml.readElementText();
            if (m_xml.hasError())
                xmlFail({});
            if (!m_xml.readNextStartElement()) {
                if (m_xml.hasError())
                    xmlFail({});
                fail(u"%1: the key %2 has no value"_s.arg(rowText(row), quoted(key)));
            }
            if (auto known = knownKey(QStringView(key)))
                record->set(*known, parseValue(key, row));
            else
                others.emplace_back(key, parseValue(key, row));
        }
        if (m_xml.hasError())
            xmlFail({});
        record->setMany(std::move(others));
        checkMoneyRange(*record, row);
        return record;
    }

    Value parseValue(const QString &key, qsizetype row)
    {
        const QString element = m_xml.name().toString();
        if (element == u"string") {
            const QString text = m_xml.readElementText();
            if (m_xml.hasError())
                xmlFail({});
            return Value::text(text);
        }
        if (element == u"real" || element == u"integer") {
            const QString text = m_xml.readElementText();
            if (m_xml.hasError())
                xmlFail({});
            if (element == u"real") {
                if (auto d = parseReal(text))
                    return Value::real(*d);
            } else if (auto i = parseInteger(text)) {
                return Value::integer(*i);
            }
            fail(u"%1: the value of %2 is not a number: %3"_s.arg(rowText(row), quoted(key), quoted(text)));
        }
        QString what = u"<%1>"_s.arg(element);
        if (element == u"array")
            what = u"a list"_s;
        else if (element == u"dict")
            what = u"a record"_s;
        else if (element == u"true" || element == u"false")
            what = u"a yes/no value"_s;
        else if (element == u"date")
            what = u"a date value"_s;
        else if (element == u"data")
            what = u"raw data"_s;
        fail(u"%1: the value of %2 is %3; a record holds only texts and numbers"_s.arg(rowText(row), quoted(key), what));
    }

    QXmlStreamReader m_xml;
};

} // namespace

namespace {

// Half a surrogate pair cannot be carried further as UTF-8 without being
// replaced by another character.
bool hasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

bool startsAsXml(const QByteArray &bytes)
{
    qsizetype first = 0;
    while (first < bytes.size() && QChar::isSpace(static_cast<unsigned char>(bytes[first])))
        ++first;
    return first < bytes.size() && bytes[first] == '<';
}

// Whether XML is to be read as UTF-8: it says so, or names no encoding.
bool declaresUtf8(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return true;
    const QByteArrayView start = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 512));
    const qsizetype end = start.indexOf("?>");
    static const QRegularExpression encoding(uR"(\sencoding\s*=\s*["']([^"']*)["'])"_s);
    const QRegularExpressionMatch m = encoding.match(QString::fromLatin1(start.first(end < 0 ? start.size() : end)));
    return !m.hasMatch() || m.captured(1).compare(u"UTF-8", Qt::CaseInsensitive) == 0
        || m.captured(1).compare(u"UTF8", Qt::CaseInsensitive) == 0;
}

} // namespace

namespace {

RegisterReadResult parse(const QByteArray &input, const std::function<void(const char *, const char *)> &release,
                         const std::function<void(RecordPtr)> &each = {})
{
    RegisterReadResult result;
    try {
        QByteArray bytes = input;
        if (bytes.startsWith("bplist"))
            throw ParseError{u"the file is a binary property list, which Cheqbook does not read; "
                             "save it as text or XML"_s};
        if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
            QStringDecoder decoder(bytes.startsWith("\xff\xfe") ? QStringConverter::Utf16LE
                                                                : QStringConverter::Utf16BE);
            const QString text = decoder.decode(bytes.mid(2));
            if (decoder.hasError() || bytes.size() % 2 != 0 || hasLoneSurrogate(text))
                throw ParseError{u"the file is not valid UTF-16 text"_s};
            bytes = text.toUtf8();
            refuseNulBytes(bytes);
            if (startsAsXml(bytes))
                result.rows = XmlParser(text).parse();
            else
                result.rows = OldStyleParser(bytes.constData(), bytes.constData() + bytes.size()).parse();
            return result;
        }
        const char *first = bytes.constData();
        const char *last = first + bytes.size();
        if (bytes.startsWith("\xef\xbb\xbf"))
            first += 3;
        if (startsAsXml(bytes)) {
            refuseNulBytes(first, last);
            // The XML reader decodes the whole file before it parses it, and
            // so would blame line 1 for a bad byte anywhere in it.
            if (declaresUtf8(bytes))
                refuseInvalidUtf8(first, last);
            result.rows = XmlParser(QByteArray::fromRawData(first, last - first)).parse();
        } else if (each) {
            OldStyleParser(first, last, release).parse(each);
        } else {
            result.rows = OldStyleParser(first, last, release).parse();
        }
        // The XML form is read whole; its records are handed on afterwards.
        if (each) {
            for (RecordPtr &r : result.rows)
                each(std::move(r));
            result.rows.clear();
        }
    } catch (const ParseError &e) {
        result.rows.clear();
        result.error = e.message;
    }
    return result;
}

} // namespace

RegisterReadResult parseRegister(const QByteArray &input) { return parse(input, {}); }

RegisterReadResult readRegisterFile(const QString &path) { return readRegisterFile(path, {}); }

RegisterReadResult readRegisterFile(const QString &path, const std::function<void(RecordPtr)> &each)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    RegisterReadResult r;
    if (info.isDir()) {
        r.error = u"%1: cannot be read: it is a folder, not a file"_s.arg(name);
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = u"%1: cannot be read: %2"_s.arg(name, file.errorString());
        return r;
    }
    // A mapped file is read in place, and the pages already read are given
    // back as the parser goes on: a large register never sits in memory
    // twice, once as its file and once as its records.
    const qint64 size = file.size();
    if (uchar *mapped = size > 0 ? file.map(0, size) : nullptr) {
        const auto *first = reinterpret_cast<const char *>(mapped);
        const long page = sysconf(_SC_PAGESIZE);
        auto release = [first, page](const char *from, const char *to) {
            const auto begin = (quintptr(from) - quintptr(first) + quintptr(page) - 1) / quintptr(page) * quintptr(page);
            const auto end = (quintptr(to) - quintptr(first)) / quintptr(page) * quintptr(page);
            if (end > begin)
                madvise(const_cast<char *>(first) + begin, end - begin, MADV_DONTNEED);
        };
        r = parse(QByteArray::fromRawData(first, size), release, each);
        file.unmap(mapped);
    } else {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            r.error = u"%1: cannot be read: %2"_s.arg(name, file.errorString());
            return r;
        }
        r = parse(bytes, {}, each);
    }
    if (!r.ok())
        r.error = name + u": "_s + r.error;
    return r;
}
