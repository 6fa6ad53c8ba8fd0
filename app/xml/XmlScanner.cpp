// XmlScanner: the reading of bytes, the errors, and what it hands on.

#include "XmlScanner.h"

#include "XmlBytes.h"

#include <QStringDecoder>
#include <QUtf8StringView>

#include <cstring>

using namespace Qt::StringLiterals;

namespace registerfile {

using namespace xmlbytes;

QString utf8Text(QByteArrayView bytes)
{
    using Flag = QStringConverter::Flag;
    return QStringDecoder(QStringConverter::Utf8, Flag::ConvertInitialBom | Flag::Stateless).decode(bytes);
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
            malformed(XmlText::tr("Invalid XML character."));
    return s;
}

void XmlScanner::checkUtf8Upto(const char *p)
{
    if (!m_rawIsUtf8 || m_docFirst != m_rawFirst || p <= m_validatedTo)
        return;
    if (!QUtf8StringView(m_validatedTo, p - m_validatedTo).isValidUtf8()) {
        checkRawText();
        malformed(XmlText::tr("Encountered incorrectly encoded content."));
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
    throw ParseError{RegisterFileText::tr("line %1: %2").arg(line()).arg(what)};
}

void XmlScanner::malformed(const QString &what)
{
    checkRawText();
    throw ParseError{RegisterFileText::tr("line %1: the XML is malformed: %2").arg(line()).arg(what)};
}

void XmlScanner::unexpected()
{
    if (m_p == m_end)
        malformed(m_sources.empty() ? XmlText::tr("Premature end of document.") : XmlText::tr("Unexpected end of an entity's text."));
    const uchar c = uchar(*m_p);
    if (c < 0x20) {
        if (c == 0)
            m_sawNul = true;
        malformed(XmlText::tr("Unexpected character U+%1.").arg(int(c), 4, 16, QLatin1Char('0')));
    }
    if (c >= 0x80) {
        const char *e = nonAsciiRun(m_p);
        const QString s = utf8Text(m_p, e - m_p);
        malformed(XmlText::tr("Unexpected \u201c%1\u201d.").arg(s.left(s.at(0).isHighSurrogate() ? 2 : 1)));
    }
    malformed(XmlText::tr("Unexpected \u201c%1\u201d.").arg(QLatin1Char(char(c))));
}

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
                    malformed(XmlText::tr("Start tag expected."));
                return Event::EndOfDocument;
            }
            if (*m_p != '<') {
                if (m_seenRoot)
                    malformed(XmlText::tr("Extra content at end of document."));
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
            malformed(XmlText::tr("Expected character data."));
        case Markup::Other:
            break;
        }
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
            malformed(XmlText::tr("Invalid processing instruction name."));
        return;
    }
    requireSpace();
    scanUntil("?>");
    if (xml)
        malformed(XmlText::tr("XML declaration not at start of document."));
    if (!isNCName(target))
        malformed(XmlText::tr("%1 is an invalid processing instruction name.").arg(utf8Text(target)));
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
                malformed(XmlText::tr("Invalid XML character."));
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

} // namespace registerfile
