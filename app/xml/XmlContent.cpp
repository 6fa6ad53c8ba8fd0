// XmlScanner: character data, references and the entities they expand.

#include "XmlScanner.h"

#include "XmlBytes.h"

using namespace Qt::StringLiterals;

namespace registerfile {

using namespace xmlbytes;

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
                malformed(XmlText::tr("Sequence ']]>' not allowed in content."));
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
        malformed(XmlText::tr("Invalid character reference."));
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
            malformed(XmlText::tr("Entity '%1' not declared.").arg(n));
        fail(RegisterFileText::tr("\u201c&%1;\u201d names an entity the file does not declare, so the text it stands for is not "
               "known").arg(n));
    }
    if (e->unparsed)
        malformed(XmlText::tr("Reference to unparsed entity '%1'.").arg(n));
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
        fail(RegisterFileText::tr("\u201c&%1;\u201d stands for text kept in another file (an external entity), which Cheqbook "
               "does not read").arg(n));
    }
    validateEntity(*e);
    referenceEntity(*e);
    pushSource(*e);
    m_runStart = true;
}

void XmlScanner::referenceEntity(Entity &entity)
{
    if (entity.referenced)
        malformed(XmlText::tr("Self-referencing entity detected."));
    m_entityLength += entity.value.size() - entity.name.size() - 2;
    if (m_entityLength > 4096)
        malformed(XmlText::tr("Entity expands to more characters than the entity expansion limit."));
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
        malformed(XmlText::tr("Invalid entity value."));
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
                    malformed(XmlText::tr("Entity '%1' not declared.").arg(n));
                out += u'&' + n + u';';
                break;
            }
            if (e->unparsed || e->value.isNull())
                malformed(XmlText::tr("Reference to external entity '%1' in attribute value.").arg(n));
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
            malformed(XmlText::tr("Invalid entity value."));
        const QString n = e.value.mid(at, end - at);
        at = end + 1;
        if (n.size() > 4096)
            malformed(XmlText::tr("a name is longer than 4096 characters"));
        Entity *inner = m_entities.value(n);
        if (!inner) {
            if (entitiesMustBeDeclared())
                malformed(XmlText::tr("Entity '%1' not declared.").arg(n));
            out += u'&' + n + u';';
            continue;
        }
        if (inner->unparsed || inner->value.isNull())
            malformed(XmlText::tr("Reference to external entity '%1' in attribute value.").arg(n));
        if (inner->literal) {
            out += inner->value;
            continue;
        }
        validateEntity(*inner);
        referenceEntity(*inner);
        frames.push_back({inner, 0});
    }
}

} // namespace registerfile
