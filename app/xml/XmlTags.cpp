// XmlScanner: names, tags, attributes and namespaces.

#include "XmlScanner.h"

#include "XmlBytes.h"
#include "XmlNameChars.h"

using namespace Qt::StringLiterals;

namespace registerfile {

using namespace xmlbytes;

// A name as the old reading took it: a first character that was a letter to
// it (anything but white space, digits, controls and XML's punctuation), then
// anything up to white space or punctuation. A qualified name may hold one
// colon, between its prefix and its local part.
QByteArrayView XmlScanner::scanName(bool qualified, qsizetype *prefixLength)
{
    const char *b = m_p;
    const bool letters = newlinesAreLetters();
    if (m_p == m_end)
        unexpected();
    if (uchar(*m_p) >= 0x80) {
        const char *e = nonAsciiRun(m_p);
        const QString first = utf8Text(m_p, std::min<qsizetype>(e - m_p, 4)).left(1);
        if (first.isEmpty() || first.at(0).unicode() >= 0xfffe)
            unexpected();
        m_p = e;
    } else if ((kClasses[uchar(*m_p)] & NotLetter) && !(letters && (*m_p == '\n' || *m_p == '\r'))) {
        unexpected();
    } else {
        ++m_p;
    }
    qsizetype colon = -1;
    while (m_p != m_end) {
        const uchar c = uchar(*m_p);
        if (c >= 0x80) {
            m_p = nonAsciiRun(m_p);
            continue;
        }
        if ((kClasses[c] & NameStop) && !(letters && (c == '\n' || c == '\r')))
            break;
        if (c == ':') {
            if (!qualified || colon >= 0)
                break;
            colon = m_p - b;
        } else if (c == 0) {
            m_sawNul = true;
        }
        ++m_p;
    }
    if (colon >= 0 && colon == m_p - b - 1) {
        m_p = b + colon;
        colon = -1;
    }
    // The old reading cut longer names short and went on with the rest as
    // something else.
    if (m_p - b > 4096 && utf8Text(b, m_p - b).size() > 4096)
        malformed(XmlText::tr("a name is longer than 4096 characters"));
    if (prefixLength)
        *prefixLength = colon >= 0 ? colon : 0;
    return QByteArrayView(b, m_p - b);
}

bool XmlScanner::isNCName(QByteArrayView name)
{
    if (name.isEmpty())
        return false;
    bool ascii = true;
    for (char c : name)
        ascii = ascii && uchar(c) < 0x80;
    if (ascii) {
        if (!isAsciiNameStart(name[0]))
            return false;
        for (char c : name)
            if (!isAsciiNameChar(c))
                return false;
        return true;
    }
    const QString s = utf8Text(name);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if ((i == 0 && !isXmlNameStart(c)) || !isXmlNameChar(c))
            return false;
    }
    return true;
}

XmlScanner::Markup XmlScanner::startTag(bool topLevel)
{
    // Most tags are a plain name, "<dict>" or "<string/>": what the general
    // reading below makes of them, made at once.
    if (m_sources.empty() && m_dtdAttributes.empty() && m_p != m_end && isAsciiNameStart(*m_p)) {
        const char *q = m_p + 1;
        while (q != m_end && kAsciiNameChars[uchar(*q)])
            ++q;
        const bool empty = q != m_end && *q == '/' && q + 1 != m_end && q[1] == '>';
        if (q - m_p <= 4096 && q != m_end && (*q == '>' || empty)) {
            const QByteArrayView name(m_p, q - m_p);
            m_normalizeLiterals = true;
            m_open.push({name, name, m_namespaces.size()});
            m_p = q + (empty ? 2 : 1);
            m_pendingEnd = empty;
            if (topLevel && m_seenRoot)
                malformed(XmlText::tr("Extra content at end of document."));
            m_seenRoot = true;
            m_name = name;
            return Markup::Start;
        }
    }
    qsizetype prefixLength = 0;
    const QByteArrayView qname = scanName(true, &prefixLength);
    m_normalizeLiterals = true;
    const QByteArrayView local = prefixLength ? qname.sliced(prefixLength + 1) : qname;
    m_open.push({qname, local, m_namespaces.size()});
    if ((prefixLength && !isNCName(qname.first(prefixLength))) || !isNCName(local))
        malformed(XmlText::tr("Invalid XML name."));
    std::vector<Attribute> attributes;
    int spaces = skipSpace();
    for (;;) {
        if (m_p == m_end)
            unexpected();
        if (*m_p == '>') {
            ++m_p;
            break;
        }
        if (*m_p == '/') {
            ++m_p;
            expect('>');
            m_pendingEnd = true;
            break;
        }
        if (spaces == 0)
            unexpected();
        Attribute a = attribute(qname);
        if (!a.qualifiedName.isNull())
            attributes.push_back(std::move(a));
        spaces = skipSpace();
    }
    resolveTag(qname, prefixLength, attributes);
    if (topLevel && m_seenRoot)
        malformed(XmlText::tr("Extra content at end of document."));
    m_seenRoot = true;
    m_name = local;
    return Markup::Start;
}

void XmlScanner::endTag()
{
    // The end tag of the element open, as most are: its name and ">".
    if (!m_open.empty()) {
        const Open &open = m_open.back();
        const qsizetype n = open.qname.size();
        if (m_end - m_p > n && m_p[n] == '>' && sameBytes(m_p, open.qname.data(), n)) {
            m_p += n + 1;
            m_name = open.local;
            m_namespaces.resize(open.namespaces);
            m_open.pop();
            return;
        }
    }
    const QByteArrayView qname = scanName(true);
    skipSpace();
    expect('>');
    if (m_open.empty())
        malformed(XmlText::tr("Unexpected end tag."));
    const Open open = m_open.back();
    m_open.pop();
    m_namespaces.resize(open.namespaces);
    m_name = open.local;
    if (open.qname != qname)
        malformed(XmlText::tr("Opening and ending tag mismatch."));
}

// An attribute; a namespace declaration is made at once, and gives a null
// attribute back.
XmlScanner::Attribute XmlScanner::attribute(QByteArrayView elementName)
{
    qsizetype prefixLength = 0;
    const QByteArrayView qname = scanName(true, &prefixLength);
    skipSpace();
    expect('=');
    skipSpace();
    const QString value = attributeValue();
    Attribute a;
    a.qualifiedName = utf8Text(qname);
    if (prefixLength)
        a.prefix = utf8Text(qname.first(prefixLength));
    a.name = utf8Text(prefixLength ? qname.sliced(prefixLength + 1) : qname);
    if (a.prefix.isEmpty() && a.name == u"xmlns") {
        declareNamespace(QString(), value, false);
        return {};
    }
    a.value = value;
    const QString element = utf8Text(elementName);
    for (const DtdAttribute &d : m_dtdAttributes) {
        if (!d.isCData && !d.tagName.isNull() && d.tagName == element && d.qualifiedName == a.qualifiedName) {
            a.value = a.value.split(u' ', Qt::SkipEmptyParts).join(u' ');
            break;
        }
    }
    if (a.prefix == u"xmlns") {
        declareNamespace(a.name, a.value, true);
        return {};
    }
    return a;
}

void XmlScanner::declareNamespace(const QString &prefix, const QString &uri, bool prefixed)
{
    const bool illegal = prefixed ? ((prefix == u"xml") != (uri == kXmlNamespace)) || uri == kXmlnsNamespace
                                        || uri.isEmpty() || prefix == u"xmlns"
                                  : uri == kXmlnsNamespace || uri == kXmlNamespace;
    if (illegal)
        malformed(XmlText::tr("Illegal namespace declaration."));
    m_namespaces.emplace_back(prefix, uri);
}

bool XmlScanner::namespaceDeclared(QStringView prefix) const
{
    for (auto it = m_namespaces.rbegin(); it != m_namespaces.rend(); ++it)
        if (it->first == prefix)
            return true;
    return false;
}

// What a start tag means once all of it is read: the namespaces its
// document type declares by default, its prefix, and its attributes' names.
void XmlScanner::resolveTag(QByteArrayView qname, qsizetype prefixLength, const std::vector<Attribute> &attributes)
{
    if (m_dtdAttributes.empty() && attributes.empty()) {
        if (prefixLength && !namespaceDeclared(utf8Text(qname.first(prefixLength))))
            malformed(XmlText::tr("Namespace prefix '%1' not declared").arg(utf8Text(qname.first(prefixLength))));
        return;
    }
    const QString element = utf8Text(qname);
    auto present = [&](const QString &name) {
        for (const Attribute &a : attributes)
            if (a.qualifiedName == name)
                return true;
        return false;
    };
    for (const DtdAttribute &d : m_dtdAttributes) {
        if (!d.isNamespace || d.defaultValue.isNull() || d.tagName.isNull() || d.tagName != element
            || d.qualifiedName.isNull() || present(d.qualifiedName))
            continue;
        if (d.prefix.isEmpty() && d.name == u"xmlns")
            declareNamespace(QString(), d.defaultValue, false);
        else if (d.prefix == u"xmlns")
            declareNamespace(d.name, d.defaultValue, true);
    }
    auto uriOf = [&](const QString &prefix) {
        for (auto it = m_namespaces.rbegin(); it != m_namespaces.rend(); ++it)
            if (it->first == prefix)
                return it->second;
        malformed(XmlText::tr("Namespace prefix '%1' not declared").arg(prefix));
    };
    if (prefixLength)
        uriOf(utf8Text(qname.first(prefixLength)));
    std::vector<QString> uris;
    for (size_t i = 0; i < attributes.size(); ++i) {
        uris.push_back(attributes[i].prefix.isEmpty() ? QString() : uriOf(attributes[i].prefix));
        for (size_t j = 0; j < i; ++j)
            if (attributes[j].name == attributes[i].name && uris[j] == uris[i])
                malformed(XmlText::tr("Attribute '%1' redefined.").arg(attributes[i].qualifiedName));
    }
    for (const DtdAttribute &d : m_dtdAttributes) {
        if (d.isNamespace || d.defaultValue.isNull() || d.tagName.isNull() || d.tagName != element
            || d.qualifiedName.isNull() || present(d.qualifiedName))
            continue;
        if (!d.prefix.isEmpty())
            uriOf(d.prefix);
    }
}

// A name token of an enumerated attribute type.
void XmlScanner::nmtoken()
{
    if (m_p == m_end)
        unexpected();
    const uchar first = uchar(*m_p);
    if (first >= 0x80) {
        nonAsciiRun(m_p);
        int length = 0;
        const char32_t c = decodeOne(m_p, m_end, &length);
        if (c > 0xffff || c >= 0xfffe)
            unexpected();
        m_p += length;
    } else if (!(kClasses[first] & NotLetter) || QByteArrayView("0123456789.-:").contains(char(first))) {
        ++m_p;
    } else {
        unexpected();
    }
    while (m_p != m_end) {
        int length = 1;
        char32_t c = uchar(*m_p);
        if (c >= 0x80) {
            nonAsciiRun(m_p);
            c = decodeOne(m_p, m_end, &length);
        }
        if (!isNmtokenChar(c))
            break;
        m_p += length;
    }
}

} // namespace registerfile
