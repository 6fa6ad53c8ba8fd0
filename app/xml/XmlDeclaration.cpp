// XmlScanner: the XML declaration, the encoding it names, and quoted
// literals and entity values.

#include "XmlScanner.h"

#include <QStringDecoder>

#include <cstring>

using namespace Qt::StringLiterals;

namespace registerfile {
namespace {

bool isEncodingName(const QString &name)
{
    if (name.isEmpty() || !((name[0] >= u'a' && name[0] <= u'z') || (name[0] >= u'A' && name[0] <= u'Z')))
        return false;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'.'
              || u == u'_' || u == u'-'))
            return false;
    }
    return true;
}

bool isPublicId(const QString &id)
{
    for (QChar c : id) {
        const char16_t u = c.unicode();
        const bool alnum = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
        if (!alnum && (u > 0x7f || !QByteArrayView(" \r\n-'()+,./:=?;!*#@$_%").contains(char(u))))
            return false;
    }
    return true;
}

} // namespace

// "<?xml" and the white space after it are read.
void XmlScanner::xmlDeclaration()
{
    // Until the declaration has said what the encoding is, bytes beyond ASCII
    // are taken as UTF-8 at a guess, as they always were.
    m_inDeclaration = true;
    if (!takeWord("version", false))
        unexpected();
    skipSpace();
    expect('=');
    skipSpace();
    const QString version = literal();
    std::vector<Attribute> pseudo;
    for (int spaces = skipSpace(); m_p == m_end || *m_p != '?'; spaces = skipSpace()) {
        if (spaces == 0)
            unexpected();
        // A namespace declared here holds for the whole document, as it did.
        Attribute a = attribute({});
        if (!a.qualifiedName.isNull())
            pseudo.push_back(std::move(a));
    }
    expect('?');
    expect('>');
    m_inDeclaration = false;

    QString error;
    QString encoding;
    if (version != u"1.0")
        error = version.contains(u' ') ? XmlText::tr("Invalid XML version string.") : XmlText::tr("Unsupported XML version.");
    bool hasStandalone = false;
    for (const Attribute &a : pseudo) {
        if (!error.isNull())
            break;
        if (a.prefix.isEmpty() && a.name == u"encoding") {
            if (hasStandalone)
                error = XmlText::tr("The standalone pseudo attribute must appear after the encoding.");
            if (!isEncodingName(a.value))
                error = XmlText::tr("%1 is an invalid encoding name.").arg(a.value);
            else if (!m_encodingKnown && !QStringDecoder(a.value.toUtf8().constData()).isValid())
                error = XmlText::tr("Encoding %1 is unsupported").arg(a.value);
            else if (!m_encodingKnown)
                encoding = a.value;
        } else if (a.prefix.isEmpty() && a.name == u"standalone") {
            hasStandalone = true;
            if (a.value == u"yes")
                m_standalone = true;
            else if (a.value == u"no")
                m_standalone = false;
            else
                error = XmlText::tr("Standalone accepts only yes or no.");
        } else {
            error = XmlText::tr("Invalid attribute in XML declaration.");
        }
    }
    if (!error.isNull())
        malformed(error);
    if (!encoding.isNull())
        switchEncoding(encoding, m_p);
}

// Reads the rest of the document in the encoding its declaration names. As
// before, the whole file is decoded, and reading goes on as many characters
// in as the declaration took when it was read as UTF-8.
void XmlScanner::switchEncoding(const QString &encoding, const char *declarationEnd)
{
    QStringDecoder decoder(encoding.toUtf8().constData());
    if (QByteArrayView(decoder.name()) == "UTF-8")
        return;
    m_rawIsUtf8 = false;
    const QString text = decoder.decode(QByteArrayView(m_rawFirst, m_rawLast - m_rawFirst));
    if (decoder.hasError()) {
        // The old reading put replacement characters in where the decoding
        // came from ICU, and so changed the text without a word.
        QStringDecoder lines(encoding.toUtf8().constData());
        const char *from = m_rawFirst;
        for (;;) {
            const void *lf = std::memchr(from, '\n', size_t(m_rawLast - from));
            const char *to = lf ? static_cast<const char *>(lf) + 1 : m_rawLast;
            lines.decode(QByteArrayView(from, to - from));
            if (lines.hasError() || to == m_rawLast)
                break;
            from = to;
        }
        checkRawText();
        throw ParseError{RegisterFileText::tr("line %1: the file holds bytes that are not %2 text, which its XML declaration says it is")
                             .arg(lineAt(m_rawFirst, from))
                             .arg(encoding)};
    }
    const qsizetype read = utf8Text(m_rawFirst, declarationEnd - m_rawFirst).size();
    m_lineBase = line();
    m_converted = QStringView(text).mid(std::min(read, text.size())).toUtf8();
    m_docFirst = m_p = m_converted.constData();
    m_docLast = m_end = m_docFirst + m_converted.size();
    m_views = false;
}

// A quoted literal: a system identifier, a public one, the version.
QString XmlScanner::literal()
{
    if (m_p == m_end || (*m_p != '"' && *m_p != '\''))
        unexpected();
    const char quote = *m_p++;
    QString out;
    for (;;) {
        if (m_p == m_end)
            unexpected();
        const uchar c = uchar(*m_p);
        if (c == uchar(quote)) {
            ++m_p;
            return out;
        }
        if (c >= 0x80) {
            const char *e = nonAsciiRun(m_p);
            out += decodeRun(m_p, e);
            m_p = e;
            continue;
        }
        if (c == '\r') {
            ++m_p;
            if (m_p != m_end && *m_p == '\n')
                ++m_p;
            out += m_normalizeLiterals ? u' ' : u'\n';
            continue;
        }
        if (c == '\t' || c == '\n' || c == ' ') {
            out += m_normalizeLiterals ? u' ' : QChar(char16_t(c));
        } else if (c < 0x20 || c == '<' || c == '&') {
            unexpected();
        } else {
            out += QLatin1Char(char(c));
        }
        ++m_p;
    }
}

QString XmlScanner::publicLiteral()
{
    const QString id = literal();
    if (!isPublicId(id))
        malformed(XmlText::tr("%1 is an invalid PUBLIC identifier.").arg(id));
    return id;
}

// An entity's quoted text: character references are read now, references
// to entities kept as written, to be expanded where the entity is used.
QString XmlScanner::entityValue()
{
    if (m_p == m_end || (*m_p != '"' && *m_p != '\''))
        unexpected();
    const char quote = *m_p++;
    QString out;
    for (;;) {
        if (m_p == m_end) {
            if (m_sources.empty())
                unexpected();
            popSource();
            continue;
        }
        const uchar c = uchar(*m_p);
        if (c == uchar(quote)) {
            ++m_p;
            return out;
        }
        if (c >= 0x80) {
            const char *e = nonAsciiRun(m_p);
            out += decodeRun(m_p, e);
            m_p = e;
            continue;
        }
        switch (c) {
        case '%':
            unexpected();
        case '&':
            ++m_p;
            if (m_p != m_end && *m_p == '#') {
                ++m_p;
                const char32_t v = charReferenceValue();
                out += QString::fromUcs4(&v, 1);
            } else {
                const QByteArrayView name = scanName(false);
                expect(';');
                out += u'&' + utf8Text(name) + u';';
            }
            continue;
        case '\r':
            ++m_p;
            if (m_p != m_end && *m_p == '\n')
                ++m_p;
            out += u'\n';
            continue;
        default:
            if (c < 0x20 && c != '\t' && c != '\n')
                unexpected();
            out += QLatin1Char(char(c));
            ++m_p;
        }
    }
}

} // namespace registerfile
