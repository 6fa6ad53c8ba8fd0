#include "RegisterFile.h"

#include "NumberScan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

// What the writers hand on at a time: large enough that writing costs no more
// than the system calls it takes, small enough never to be a second register.
constexpr qsizetype kWrittenChunk = qsizetype(1) << 20;

// ---------------------------------------------------------------------------
// The old-style text form.

bool isBare(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
        || c == u'$' || c == u'/' || c == u':' || c == u'.' || c == u'-';
}

// Text that needs no escape, as a run of bytes.
template <typename View>
void appendPlain(QByteArray &out, View text)
{
    if constexpr (std::is_same_v<View, QLatin1StringView>) {
        out.append(text.data(), text.size());
    } else {
        const qsizetype at = out.size();
        out.resize(at + text.size());
        char *p = out.data() + at;
        for (auto c : text)
            *p++ = char(scanUnit(c));
    }
}

template <typename View>
void appendOldStyle(QByteArray &out, View text)
{
    bool bare = !text.isEmpty();
    bool plain = true; // printable ASCII without a quote or a backslash
    for (auto ch : text) {
        const char16_t c = scanUnit(ch);
        if (!isBare(c)) {
            bare = false;
            if (c < 32 || c > 126 || c == u'"' || c == u'\\') {
                plain = false;
                break;
            }
        }
    }
    // Unquoted, a text starting "//" or "/*" would read back as a comment.
    if (bare && text.size() >= 2 && scanUnit(text[0]) == u'/')
        bare = scanUnit(text[1]) != u'/' && scanUnit(text[1]) != u'*';
    if (bare) {
        appendPlain(out, text);
        return;
    }
    if (plain) {
        out.append('"');
        appendPlain(out, text);
        out.append('"');
        return;
    }
    static const char hex[] = "0123456789abcdef";
    out.append('"');
    for (auto ch : text) {
        const char16_t c = scanUnit(ch);
        switch (c) {
        case u'"':
            out.append("\\\"");
            break;
        case u'\\':
            out.append("\\\\");
            break;
        case u'\n':
            out.append("\\n");
            break;
        case u'\r':
            out.append("\\r");
            break;
        case u'\t':
            out.append("\\t");
            break;
        default:
            if (c < 32) {
                const char esc[4] = {'\\', char('0' + (c >> 6)), char('0' + ((c >> 3) & 7)), char('0' + (c & 7))};
                out.append(esc, 4);
            } else if (c > 127) {
                const char esc[6] = {'\\', 'U', hex[c >> 12], hex[(c >> 8) & 15], hex[(c >> 4) & 15], hex[c & 15]};
                out.append(esc, 6);
            } else {
                out.append(char(c));
            }
        }
    }
    out.append('"');
}

void appendOldStyle(QByteArray &out, const Value &v)
{
    // Money is written as the window shows it, with its cents: one form,
    // whichever way the amount came in.
    if (v.kind() == Value::Kind::Money) {
        char buf[32];
        out.append(buf, writeMoneyText(buf, v.storedCents()));
        return;
    }
    v.visitText([&](auto view) { appendOldStyle(out, view); });
}

// ---------------------------------------------------------------------------
// The XML form.

// What a text holds that XML 1.0 cannot carry.
struct XmlRefusal {
    QString what;
};

QString codePoint(char16_t c) { return u"U+"_s + QString::number(c, 16).toUpper().rightJustified(4, u'0'); }

// Whether a text can go into XML as its bytes stand: printable ASCII
// without markup, as nearly every description, date and amount is.
template <typename View>
bool plainXmlText(View text)
{
    for (auto ch : text) {
        const char16_t c = scanUnit(ch);
        if (c < 32 || c > 126 || c == u'&' || c == u'<' || c == u'>')
            return false;
    }
    return true;
}

template <typename View>
void appendXmlText(QByteArray &out, View text)
{
    if (plainXmlText(text)) {
        appendPlain(out, text);
        return;
    }
    const QString s = text.toString();
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c < 32 && c != u'\t' && c != u'\n' && c != u'\r')
            throw XmlRefusal{RegisterFileText::tr("a control character")};
        if (c == 0xfffe || c == 0xffff)
            throw XmlRefusal{RegisterFileText::tr("the noncharacter %1").arg(codePoint(c))};
        // Half a surrogate pair is no character at all (an old-style file can
        // spell one, as \Ud800), and says nothing a reader could show.
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode());
        if (QChar::isSurrogate(c) && !pair)
            throw XmlRefusal{RegisterFileText::tr("half of a character (a lone UTF-16 surrogate, %1)").arg(codePoint(c))};
        i += pair;
    }
    QString escaped;
    escaped.reserve(s.size());
    for (QChar c : s) {
        switch (c.unicode()) {
        case u'&': escaped.append(u"&amp;"); break;
        case u'<': escaped.append(u"&lt;"); break;
        case u'>': escaped.append(u"&gt;"); break;
        // A raw carriage return would come back as a line feed.
        case u'\r': escaped.append(u"&#13;"); break;
        default: escaped.append(c);
        }
    }
    out.append(escaped.toUtf8());
}

void appendXmlValue(QByteArray &out, const Value &v)
{
    char buf[40];
    switch (v.kind()) {
    case Value::Kind::Text:
        out.append("\t\t<string>");
        v.visitText([&](auto view) { appendXmlText(out, view); });
        out.append("</string>\n");
        return;
    case Value::Kind::Money:
        out.append("\t\t<real>");
        out.append(buf, writeMoneyText(buf, v.storedCents()));
        out.append("</real>\n");
        return;
    case Value::Kind::Real: {
        const double d = v.storedReal();
        out.append("\t\t<real>");
        if (std::isnan(d))
            out.append("nan");
        else if (std::isinf(d))
            out.append(d > 0 ? "+infinity" : "-infinity");
        else // the shortest text that reads back as the same double
            out.append(buf, std::to_chars(buf, buf + sizeof buf, d).ptr - buf);
        out.append("</real>\n");
        return;
    }
    case Value::Kind::Int32:
    case Value::Kind::Integer:
        out.append("\t\t<integer>");
        out.append(buf, std::to_chars(buf, buf + sizeof buf, v.storedInteger()).ptr - buf);
        out.append("</integer>\n");
        return;
    case Value::Kind::None:
        return;
    }
}

} // namespace

bool writeOldStyle(const std::vector<RecordPtr> &rows, const ChunkWriter &put, Progress *progress)
{
    if (rows.empty())
        return put("()\n");
    QByteArray out;
    out.reserve(kWrittenChunk + 4096);
    out.append(kOldStyleListStart);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (progress)
            progress->advance(qint64(i), qint64(rows.size()));
        appendOldStyleRow(out, *rows[i], i + 1 == rows.size());
        if (out.size() >= kWrittenChunk) {
            if (!put(out))
                return false;
            out.resize(0);
        }
    }
    out.append(kOldStyleListEnd);
    return put(out);
}

QByteArray oldStyleText(const std::vector<RecordPtr> &rows, Progress *progress)
{
    // Room for all of it at once, as the first rows say how long a row is:
    // growing a large register's text on the way holds it twice for a time.
    QByteArray sample;
    const size_t sampled = std::min<size_t>(rows.size(), 512);
    for (size_t i = 0; i < sampled; ++i)
        appendOldStyleRow(sample, *rows[i], false);
    QByteArray out;
    out.reserve(qsizetype(double(sample.size() + 1) / double(std::max<size_t>(sampled, 1)) * double(rows.size()) * 1.2)
                + 4096);
    writeOldStyle(rows, [&](QByteArrayView chunk) {
        out.append(chunk);
        return true;
    }, progress);
    return out;
}

void appendOldStyleRow(QByteArray &out, const Record &record, bool last, const Value *total)
{
    out.append("    {");
    const auto each = [&](QStringView key, const Value &value) {
        appendOldStyle(out, key);
        out.append(" = ");
        appendOldStyle(out, value);
        out.append("; ");
    };
    if (total)
        record.forEachKeyWith(Key::Total, *total, each);
    else
        record.forEachKey(each);
    out.append(last ? "}\n" : "},\n");
}

bool writeXml(const std::vector<RecordPtr> &rows, const ChunkWriter &put, QString *error)
{
    QByteArray out;
    out.reserve(kWrittenChunk + 4096);
    out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
               "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
               "<plist version=\"1.0\">\n");
    if (rows.empty()) {
        out.append("<array/>\n</plist>\n");
        return put(out);
    }
    out.append("<array>\n");
    for (size_t i = 0; i < rows.size(); ++i) {
        out.append("\t<dict>\n");
        // The empty text is a key like any other, so the refusal is kept apart from it.
        std::optional<QString> refusedKey;
        QString refused;
        rows[i]->forEachKey([&](QStringView key, const Value &value) {
            if (refusedKey)
                return;
            try {
                out.append("\t\t<key>");
                appendXmlText(out, key);
                out.append("</key>\n");
                appendXmlValue(out, value);
            } catch (const XmlRefusal &r) {
                refusedKey = key.toString();
                refused = r.what;
            }
        });
        if (refusedKey) {
            if (error)
                *error = RegisterFileText::tr("row %1: the %2 holds %3, which the XML form cannot store").arg(i + 1).arg(
                    refusedKey->isEmpty() ? RegisterFileText::tr("value under the empty key") : *refusedKey, refused);
            return false;
        }
        out.append("\t</dict>\n");
        if (out.size() >= kWrittenChunk) {
            if (!put(out))
                return false;
            out.resize(0);
        }
    }
    out.append("</array>\n</plist>\n");
    return put(out);
}

std::optional<QByteArray> xmlText(const std::vector<RecordPtr> &rows, QString *error)
{
    QByteArray all;
    all.reserve(qsizetype(rows.size()) * 300 + 256);
    if (!writeXml(rows, [&](QByteArrayView chunk) {
            all.append(chunk);
            return true;
        }, error))
        return std::nullopt;
    return all;
}
