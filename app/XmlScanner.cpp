#include "XmlScanner.h"

#include "XmlNameChars.h"

#include <QStringDecoder>
#include <QUtf8StringView>

#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace registerfile {
namespace {

const QString kXmlNamespace = u"http://www.w3.org/XML/1998/namespace"_s;
const QString kXmlnsNamespace = u"http://www.w3.org/2000/xmlns/"_s;

// What each byte is to the reading. Bytes from 0x80 up are parts of
// characters beyond ASCII, which are letters to it.
enum CharClass : quint8 {
    Plain = 1,     // stands for itself in text: printable ASCII but < & ], tab, line feed
    Space = 2,     // space, tab, line feed, carriage return
    NameStop = 4,  // ends a name
    NotLetter = 8, // cannot begin a name: white space, digits, controls, XML's punctuation
};

constexpr bool among(int c, const char *set)
{
    for (; *set; ++set)
        if (c == *set)
            return true;
    return false;
}

constexpr std::array<quint8, 256> kClasses = [] {
    std::array<quint8, 256> t{};
    for (int c = 0; c < 0x80; ++c) {
        const bool space = among(c, " \t\n\r");
        quint8 k = 0;
        if ((c >= 0x20 && !among(c, "<&]")) || c == '\t' || c == '\n')
            k |= Plain;
        if (space)
            k |= Space;
        if (space || among(c, "&#'\"<>[]=%/;?!^|,()+*"))
            k |= NameStop;
        if (c < 0x20 || (c >= '0' && c <= '9') || among(c, "&#'\"<>[]()|=%/:;,-+*.?!"))
            k |= NotLetter;
        t[size_t(c)] = k;
    }
    return t;
}();

constexpr bool isAsciiNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
constexpr bool isAsciiNameChar(char c)
{
    return isAsciiNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

constexpr std::array<bool, 256> kAsciiNameChars = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 0x80; ++c)
        t[size_t(c)] = isAsciiNameChar(char(c));
    return t;
}();

// For the short names of tags, quicker than a call to memcmp.
bool sameBytes(const char *a, const char *b, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xa || c == 0xd || (c >= 0x20 && c <= 0xd7ff) || (c >= 0xe000 && c <= 0xfffd)
        || (c >= 0x10000 && c <= 0x10ffff);
}

// What may stand in a name token after its first character: letters,
// digits and marks, ".", "-", ":", "_" (a character beyond the basic plane
// never, as it was read half a surrogate pair at a time).
bool isNmtokenChar(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' || c == '_'
            || c == '-' || c == '.';
    if (c > 0xffff)
        return false;
    const QChar::Category cat = QChar::category(c);
    return (cat >= QChar::Letter_Uppercase && cat <= QChar::Letter_Other)
        || (cat >= QChar::Number_DecimalDigit && cat <= QChar::Number_Other)
        || (cat >= QChar::Mark_NonSpacing && cat <= QChar::Mark_Enclosing);
}

// The character a sequence of good UTF-8 stands for, and its length.
char32_t decodeOne(const char *p, const char *end, int *length)
{
    const uchar c = uchar(*p);
    const int n = c < 0xe0 ? 2 : c < 0xf0 ? 3 : 4;
    char32_t v = n == 2 ? c & 0x1f : n == 3 ? c & 0x0f : c & 0x07;
    *length = int(std::min<qsizetype>(n, end - p));
    for (int i = 1; i < *length; ++i)
        v = (v << 6) | (uchar(p[i]) & 0x3f);
    return v;
}

} // namespace

QString utf8Text(QByteArrayView bytes)
{
    return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless)
        .decode(bytes);
}

XmlScanner::XmlScanner(const char *first, const char *last, bool encodingKnown, bool views)
    : m_docFirst(first), m_docLast(last), m_rawFirst(first), m_rawLast(last), m_encodingKnown(encodingKnown),
      m_views(views), m_validatedTo(first), m_p(first), m_end(last)
{
    m_namespaces.emplace_back(u"xml"_s, kXmlNamespace);
    const std::pair<QString, QString> predefined[] = {
        {u"lt"_s, u"<"_s}, {u"gt"_s, u">"_s}, {u"amp"_s, u"&"_s}, {u"apos"_s, u"'"_s}, {u"quot"_s, u"\""_s}};
    for (const auto &[name, value] : predefined) {
        auto e = std::make_unique<Entity>();
        e->name = name;
        e->value = value;
        e->literal = e->validated = true;
        m_entities.insert(name, e.get());
        m_ownedEntities.push_back(std::move(e));
    }
}

XmlScanner::~XmlScanner() = default;

// ---------------------------------------------------------------------------
// The reading of bytes.

// In the text of a general entity, line ends were no white space to the old
// reading: they stood for themselves in text and broke any markup they were in.
bool XmlScanner::newlinesAreLetters() const { return !m_sources.empty() && !m_sources.back().entity->parameter; }

void XmlScanner::pushSource(Entity &entity)
{
    m_sources.push_back({m_p, m_end, &entity});
    m_p = entity.utf8.constData();
    m_end = m_p + entity.utf8.size();
}

void XmlScanner::popSource()
{
    const Interrupted s = m_sources.back();
    m_sources.pop_back();
    m_p = s.p;
    m_end = s.end;
    s.entity->referenced = false;
    if (--m_openReferences == 0)
        m_entityLength = 0;
}

int XmlScanner::skipSpace()
{
    const char *b = m_p;
    const bool letters = newlinesAreLetters();
    while (m_p != m_end && (kClasses[uchar(*m_p)] & Space) && !(letters && (*m_p == '\n' || *m_p == '\r')))
        ++m_p;
    return int(std::min<qsizetype>(m_p - b, 1 << 30));
}

void XmlScanner::requireSpace()
{
    if (skipSpace() == 0)
        unexpected();
}

void XmlScanner::expect(char c)
{
    if (m_p == m_end || *m_p != c)
        unexpected();
    ++m_p;
}

// The word, when it stands here; with spaceAfter, only when white space
// follows it that does not run to the end of the document.
bool XmlScanner::takeWord(const char *word, bool spaceAfter)
{
    const qsizetype n = qsizetype(std::strlen(word));
    if (m_end - m_p < n || std::memcmp(m_p, word, size_t(n)) != 0)
        return false;
    const char *from = m_p;
    m_p += n;
    if (spaceAfter && (skipSpace() == 0 || (m_p == m_end && m_sources.empty()))) {
        m_p = from;
        return false;
    }
    return true;
}

// The end of a run of bytes beyond ASCII starting at p, which is made sure to
// be UTF-8 where it has to be before anything is made of it.
const char *XmlScanner::nonAsciiRun(const char *p)
{
    const char *e = p;
    while (e != m_end && uchar(*e) >= 0x80)
        ++e;
    m_sawNonAscii = true;
    if (m_sources.empty() && !m_inDeclaration)
        checkUtf8Upto(e);
    return e;
}

// The characters of a run of bytes beyond ASCII. The two noncharacters at
// the end of the basic plane are no XML characters.
QString XmlScanner::decodeRun(const char *b, const char *e)
{
    QString s = utf8Text(b, e - b);
    for (QChar c : s)
        if (c.unicode() >= 0xfffe)
            malformed(u"Invalid XML character."_s);
    return s;
}

void XmlScanner::checkUtf8Upto(const char *p)
{
    if (!m_rawIsUtf8 || m_docFirst != m_rawFirst || p <= m_validatedTo)
        return;
    if (!QUtf8StringView(m_validatedTo, p - m_validatedTo).isValidUtf8()) {
        checkRawText();
        malformed(u"Encountered incorrectly encoded content."_s);
    }
    m_validatedTo = p;
}

const char *XmlScanner::position() const
{
    if (m_docFirst != m_rawFirst)
        return nullptr;
    return m_sources.empty() ? m_p : m_sources.front().p;
}

void XmlScanner::finish()
{
    if (m_sawNul)
        refuseNulBytes(m_rawFirst, m_rawLast);
    if (m_sawNonAscii)
        checkUtf8Upto(m_docLast);
}

// ---------------------------------------------------------------------------
// Errors.

qsizetype XmlScanner::line() const
{
    const char *at = m_sources.empty() ? m_p : m_sources.front().p;
    return m_lineBase - 1 + lineAt(m_docFirst, at) + m_extraLines;
}

// What every text file is refused for comes first, as it always did.
void XmlScanner::checkRawText()
{
    if (m_validating)
        return;
    refuseNulBytes(m_rawFirst, m_rawLast);
    if (m_rawIsUtf8)
        refuseInvalidUtf8(m_rawFirst, m_rawLast);
}

void XmlScanner::fail(const QString &what)
{
    checkRawText();
    throw ParseError{u"line %1: %2"_s.arg(line()).arg(what)};
}

void XmlScanner::refuse(const QString &what) { fail(what); }

void XmlScanner::malformed(const QString &what)
{
    checkRawText();
    throw ParseError{u"line %1: the XML is malformed: %2"_s.arg(line()).arg(what)};
}

void XmlScanner::unexpected()
{
    if (m_p == m_end)
        malformed(m_sources.empty() ? u"Premature end of document."_s : u"Unexpected end of an entity's text."_s);
    const uchar c = uchar(*m_p);
    if (c < 0x20) {
        if (c == 0)
            m_sawNul = true;
        malformed(u"Unexpected character U+%1."_s.arg(int(c), 4, 16, QLatin1Char('0')));
    }
    if (c >= 0x80) {
        const char *e = nonAsciiRun(m_p);
        const QString s = utf8Text(m_p, e - m_p);
        malformed(u"Unexpected \u201c%1\u201d."_s.arg(s.left(s.at(0).isHighSurrogate() ? 2 : 1)));
    }
    malformed(u"Unexpected \u201c%1\u201d."_s.arg(QLatin1Char(char(c))));
}

// ---------------------------------------------------------------------------
// Names and tags.

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
        malformed(u"a name is longer than 4096 characters"_s);
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
                malformed(u"Extra content at end of document."_s);
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
        malformed(u"Invalid XML name."_s);
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
        malformed(u"Extra content at end of document."_s);
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
        malformed(u"Unexpected end tag."_s);
    const Open open = m_open.back();
    m_open.pop();
    m_namespaces.resize(open.namespaces);
    m_name = open.local;
    if (open.qname != qname)
        malformed(u"Opening and ending tag mismatch."_s);
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
        malformed(u"Illegal namespace declaration."_s);
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
            malformed(u"Namespace prefix '%1' not declared"_s.arg(utf8Text(qname.first(prefixLength))));
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
        malformed(u"Namespace prefix '%1' not declared"_s.arg(prefix));
    };
    if (prefixLength)
        uriOf(utf8Text(qname.first(prefixLength)));
    std::vector<QString> uris;
    for (size_t i = 0; i < attributes.size(); ++i) {
        uris.push_back(attributes[i].prefix.isEmpty() ? QString() : uriOf(attributes[i].prefix));
        for (size_t j = 0; j < i; ++j)
            if (attributes[j].name == attributes[i].name && uris[j] == uris[i])
                malformed(u"Attribute '%1' redefined."_s.arg(attributes[i].qualifiedName));
    }
    for (const DtdAttribute &d : m_dtdAttributes) {
        if (d.isNamespace || d.defaultValue.isNull() || d.tagName.isNull() || d.tagName != element
            || d.qualifiedName.isNull() || present(d.qualifiedName))
            continue;
        if (!d.prefix.isEmpty())
            uriOf(d.prefix);
    }
}

QString XmlScanner::attributeValue()
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
        case '<':
            unexpected();
        case '&': {
            ++m_p;
            if (m_p != m_end && *m_p == '#') {
                ++m_p;
                const char32_t v = charReferenceValue();
                out += QString::fromUcs4(&v, 1);
                break;
            }
            const QByteArrayView name = scanName(false);
            expect(';');
            const QString n = utf8Text(name);
            Entity *e = m_entities.value(n);
            if (!e) {
                if (entitiesMustBeDeclared())
                    malformed(u"Entity '%1' not declared."_s.arg(n));
                out += u'&' + n + u';';
                break;
            }
            if (e->unparsed || e->value.isNull())
                malformed(u"Reference to external entity '%1' in attribute value."_s.arg(n));
            if (e->literal) {
                out += e->value;
                break;
            }
            validateEntity(*e);
            referenceEntity(*e);
            expandInAttribute(out, *e);
            break;
        }
        case '\r':
            ++m_p;
            if (m_p != m_end && *m_p == '\n')
                ++m_p;
            out += m_normalizeLiterals ? u' ' : u'\n';
            break;
        case ' ':
        case '\t':
        case '\n':
            out += m_normalizeLiterals ? u' ' : QChar(char16_t(c));
            ++m_p;
            break;
        default:
            if (c < 0x20)
                unexpected();
            out += QLatin1Char(char(c));
            ++m_p;
        }
    }
}

// An entity's text in an attribute value: its line ends become spaces, and
// only its references are markup. The reference is counted already.
void XmlScanner::expandInAttribute(QString &out, Entity &entity)
{
    struct Frame {
        Entity *entity;
        qsizetype at;
    };
    std::vector<Frame> frames{{&entity, 0}};
    while (!frames.empty()) {
        Entity &e = *frames.back().entity;
        qsizetype &at = frames.back().at;
        if (at == e.value.size()) {
            e.referenced = false;
            if (--m_openReferences == 0)
                m_entityLength = 0;
            frames.pop_back();
            continue;
        }
        const QChar c = e.value.at(at++);
        if (c != u'&') {
            out += (c == u'\n' || c == u'\r') ? QChar(u' ') : c;
            continue;
        }
        qsizetype end = at;
        while (end < e.value.size() && e.value.at(end) != u';' && e.value.at(end) != u'&')
            ++end;
        if (end == e.value.size() || e.value.at(end) != u';' || end == at)
            malformed(u"Invalid entity value."_s);
        const QString n = e.value.mid(at, end - at);
        at = end + 1;
        if (n.size() > 4096)
            malformed(u"a name is longer than 4096 characters"_s);
        Entity *inner = m_entities.value(n);
        if (!inner) {
            if (entitiesMustBeDeclared())
                malformed(u"Entity '%1' not declared."_s.arg(n));
            out += u'&' + n + u';';
            continue;
        }
        if (inner->unparsed || inner->value.isNull())
            malformed(u"Reference to external entity '%1' in attribute value."_s.arg(n));
        if (inner->literal) {
            out += inner->value;
            continue;
        }
        validateEntity(*inner);
        referenceEntity(*inner);
        frames.push_back({inner, 0});
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

// ---------------------------------------------------------------------------
// Content.

bool XmlScanner::entitiesMustBeDeclared() const
{
    return !m_validating && (m_standalone || (!m_unparsedReferenced && !m_parameterReferenced && !m_externalSubset));
}

void XmlScanner::appendPlain(Text *into, const char *b, const char *e)
{
    if (!into->isDecoded) {
        const bool viewable = m_views && m_sources.empty();
        if (viewable && into->plain.isEmpty()) {
            into->plain = QLatin1StringView(b, e - b);
            return;
        }
        if (viewable && into->plain.data() + into->plain.size() == b) {
            into->plain = QLatin1StringView(into->plain.data(), e - into->plain.data());
            return;
        }
        into->decoded = QString(into->plain);
        into->isDecoded = true;
    }
    into->decoded.append(QLatin1StringView(b, e - b));
}

void XmlScanner::appendText(Text *into, QStringView s)
{
    if (!into->isDecoded) {
        into->decoded = QString(into->plain);
        into->isDecoded = true;
    }
    into->decoded.append(s);
}

// Character data and references up to the next "<" (true), or to the end of
// the document (false); into, when given, gets the text.
bool XmlScanner::content(Text *into)
{
    for (;;) {
        const char *b = m_p;
        const char *q = b; // a local, so that the loop keeps it in a register
        for (const char *end = m_end; q != end && (kClasses[uchar(*q)] & Plain);)
            ++q;
        m_p = q;
        if (m_p != b) {
            if (!m_sources.empty()) // the old reading counted an entity's line ends after the first character
                for (const char *q = m_runStart ? b + 1 : b; q < m_p; ++q)
                    m_extraLines += *q == '\n';
            if (into)
                appendPlain(into, b, m_p);
            m_runStart = false;
            m_lastTextChar = char16_t(uchar(m_p[-1]));
        }
        if (m_p == m_end) {
            if (m_sources.empty())
                return false;
            popSource();
            m_runStart = true;
            continue;
        }
        const uchar c = uchar(*m_p);
        if (c == '<')
            return true;
        if (c == '&') {
            reference(into);
            continue;
        }
        if (c == ']') {
            const char *q = m_p;
            while (q != m_end && *q == ']')
                ++q;
            // "]]>" was refused where the reading of a run met its second "]".
            if (q != m_end && *q == '>' && (q - m_p >= 2 || (!m_runStart && m_lastTextChar == u']')))
                malformed(u"Sequence ']]>' not allowed in content."_s);
            if (into)
                appendPlain(into, m_p, q);
            m_p = q;
            m_runStart = false;
            m_lastTextChar = u']';
            continue;
        }
        if (c == '\r') {
            ++m_p;
            char16_t shown = u'\n';
            if (m_sources.empty()) {
                if (m_p != m_end && *m_p == '\n')
                    ++m_p;
            } else if (m_runStart) {
                shown = u'\r';
            } else {
                ++m_extraLines;
            }
            if (into)
                appendText(into, QStringView(&shown, 1));
            m_runStart = false;
            m_lastTextChar = shown;
            continue;
        }
        if (c >= 0x80) {
            const char *e = nonAsciiRun(m_p);
            const QString s = decodeRun(m_p, e);
            if (into)
                appendText(into, s);
            m_p = e;
            m_runStart = false;
            m_lastTextChar = s.back().unicode();
            continue;
        }
        unexpected(); // a control character
    }
}

void XmlScanner::reference(Text *into)
{
    if (m_open.empty() && !m_validating)
        unexpected();
    ++m_p; // '&'
    if (m_p != m_end && *m_p == '#') {
        ++m_p;
        const char32_t v = charReferenceValue();
        const QString s = QString::fromUcs4(&v, 1);
        if (into)
            appendText(into, s);
        m_runStart = false;
        m_lastTextChar = s.back().unicode();
        return;
    }
    const QByteArrayView name = scanName(false);
    expect(';');
    entityReference(into, name);
}

// The character a reference "&#...;" names, read up to and with its ";".
char32_t XmlScanner::charReferenceValue()
{
    const char *b = m_p;
    const bool letters = newlinesAreLetters();
    while (m_p != m_end) {
        const uchar c = uchar(*m_p);
        if (c >= 0x80)
            m_p = nonAsciiRun(m_p);
        else if (!(kClasses[c] & NotLetter) || (c >= '0' && c <= '9') || (letters && (c == '\n' || c == '\r')))
            ++m_p;
        else
            break;
    }
    if (m_p == b)
        unexpected();
    const QByteArrayView digits(b, m_p - b);
    expect(';');
    // As QString::toUInt read it: hexadecimal after "x" (itself allowing a
    // "0x"), decimal otherwise, within 32 bits.
    QByteArrayView number = digits;
    int base = 10;
    if (number.startsWith('x')) {
        number = number.sliced(1);
        base = 16;
        if (number.startsWith("0x") || number.startsWith("0X"))
            number = number.sliced(2);
    }
    quint64 v = 0;
    bool ok = !number.isEmpty();
    for (char c : number) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0 || (v = v * quint64(base) + quint64(d)) > 0xffffffffu) {
            ok = false;
            break;
        }
    }
    if (!ok || !isXmlChar(char32_t(v)))
        malformed(u"Invalid character reference."_s);
    return char32_t(v);
}

void XmlScanner::entityReference(Text *into, QByteArrayView name)
{
    const QString n = utf8Text(name);
    Entity *e = m_entities.value(n);
    if (!e) {
        if (m_validating)
            return; // what it stands for is checked where it is used
        if (entitiesMustBeDeclared())
            malformed(u"Entity '%1' not declared."_s.arg(n));
        refuse(u"\u201c&%1;\u201d names an entity the file does not declare, so the text it stands for is not "
               "known"_s.arg(n));
    }
    if (e->unparsed)
        malformed(u"Reference to unparsed entity '%1'."_s.arg(n));
    if (e->literal) {
        if (into)
            appendText(into, e->value);
        m_runStart = false;
        m_lastTextChar = e->value.back().unicode();
        return;
    }
    if (e->external) {
        if (m_validating)
            return;
        refuse(u"\u201c&%1;\u201d stands for text kept in another file (an external entity), which Cheqbook "
               "does not read"_s.arg(n));
    }
    validateEntity(*e);
    referenceEntity(*e);
    pushSource(*e);
    m_runStart = true;
}

void XmlScanner::referenceEntity(Entity &entity)
{
    if (entity.referenced)
        malformed(u"Self-referencing entity detected."_s);
    m_entityLength += entity.value.size() - entity.name.size() - 2;
    if (m_entityLength > 4096)
        malformed(u"Entity expands to more characters than the entity expansion limit."_s);
    entity.referenced = true;
    ++m_openReferences;
}

// An entity's text must be well-formed content on its own, the first time
// it is used.
void XmlScanner::validateEntity(Entity &entity)
{
    if (entity.validated)
        return;
    entity.validated = true;
    if (entity.value.isEmpty())
        return;
    XmlScanner alone(entity.utf8.constData(), entity.utf8.constData() + entity.utf8.size(), true, false);
    alone.m_validating = true;
    alone.m_started = true;
    alone.m_rawIsUtf8 = false;
    try {
        while (alone.next() != Event::EndOfDocument) {
        }
    } catch (const ParseError &) {
        malformed(u"Invalid entity value."_s);
    }
}

XmlScanner::Markup XmlScanner::markup(Text *into, bool topLevel)
{
    ++m_p; // '<'
    if (m_p == m_end)
        unexpected();
    Markup kind = Markup::Other;
    switch (*m_p) {
    case '/':
        if (topLevel)
            unexpected();
        ++m_p;
        endTag();
        kind = Markup::End;
        break;
    case '?':
        ++m_p;
        processingInstruction();
        break;
    case '!':
        ++m_p;
        if (takeWord("--", false)) {
            comment();
        } else if (!topLevel && takeWord("[CDATA[", false)) {
            const QString text = scanUntil("]]>");
            if (into)
                appendText(into, text);
        } else if (takeWord("DOCTYPE", true)) {
            doctype();
            kind = Markup::Doctype;
        } else {
            unexpected();
        }
        break;
    default:
        kind = startTag(topLevel);
    }
    m_runStart = true;
    m_lastTextChar = 0;
    return kind;
}

void XmlScanner::comment()
{
    scanUntil("--");
    expect('>');
}

void XmlScanner::processingInstruction()
{
    const QByteArrayView target = scanName(false);
    const bool xml = target.compare("xml", Qt::CaseInsensitive) == 0;
    if (m_p != m_end && *m_p == '?') {
        ++m_p;
        expect('>');
        if (xml)
            malformed(u"Invalid processing instruction name."_s);
        return;
    }
    requireSpace();
    scanUntil("?>");
    if (xml)
        malformed(u"XML declaration not at start of document."_s);
    if (!isNCName(target))
        malformed(u"%1 is an invalid processing instruction name."_s.arg(utf8Text(target)));
}

// Characters up to the terminator, which is read too: the text of a comment,
// a processing instruction or CDATA, each character an XML one.
QString XmlScanner::scanUntil(const char *terminator)
{
    const qsizetype n = qsizetype(std::strlen(terminator));
    const bool letters = newlinesAreLetters();
    QString text;
    const char *b = m_p;
    auto flush = [&] {
        text.append(QLatin1StringView(b, m_p - b));
    };
    for (;;) {
        if (m_p == m_end)
            unexpected();
        const uchar c = uchar(*m_p);
        if (c == uchar(terminator[0]) && m_end - m_p >= n && std::memcmp(m_p, terminator, size_t(n)) == 0) {
            flush();
            m_p += n;
            return text;
        }
        if (c >= 0x80) {
            flush();
            const char *e = nonAsciiRun(m_p);
            text += decodeRun(m_p, e);
            b = m_p = e;
            continue;
        }
        if (c < 0x20 && c != '\t') {
            if (letters || (c != '\n' && c != '\r')) {
                if (c == 0)
                    m_sawNul = true;
                malformed(u"Invalid XML character."_s);
            }
            if (c == '\r') {
                flush();
                text += u'\n';
                ++m_p;
                if (m_p != m_end && *m_p == '\n')
                    ++m_p;
                b = m_p;
                continue;
            }
        }
        ++m_p;
    }
}

// ---------------------------------------------------------------------------
// What the property list reads.

XmlScanner::Event XmlScanner::next()
{
    if (!m_started) {
        m_started = true;
        if (takeWord("<?xml", true))
            xmlDeclaration();
    }
    if (m_pendingEnd) {
        m_pendingEnd = false;
        const Open open = m_open.back();
        m_open.pop();
        m_namespaces.resize(open.namespaces);
        return Event::EndElement;
    }
    for (;;) {
        const bool topLevel = m_open.empty() && !m_validating;
        if (topLevel) {
            skipSpace();
            if (m_p == m_end) {
                if (!m_seenRoot)
                    malformed(u"Start tag expected."_s);
                return Event::EndOfDocument;
            }
            if (*m_p != '<') {
                if (m_seenRoot)
                    malformed(u"Extra content at end of document."_s);
                unexpected();
            }
        } else if (!content(nullptr)) {
            if (m_validating && m_open.empty())
                return Event::EndOfDocument;
            unexpected();
        }
        switch (markup(nullptr, topLevel)) {
        case Markup::Start:
            return Event::StartElement;
        case Markup::End:
            return Event::EndElement;
        case Markup::Doctype:
        case Markup::Other:
            break;
        }
    }
}

XmlScanner::Text XmlScanner::readElementText()
{
    Text text;
    if (m_pendingEnd) {
        next();
        return text;
    }
    m_runStart = true;
    m_lastTextChar = 0;
    for (;;) {
        if (!content(&text))
            unexpected();
        switch (markup(&text, false)) {
        case Markup::End:
            return text;
        case Markup::Start:
        case Markup::Doctype:
            malformed(u"Expected character data."_s);
        case Markup::Other:
            break;
        }
    }
}

} // namespace registerfile
