// XmlScanner: document types and the declarations of their internal subset,
// read by the rules they always were.

#include "XmlScanner.h"

using namespace Qt::StringLiterals;

namespace registerfile {

// "<!DOCTYPE" and the white space after it are read.
void XmlScanner::doctype()
{
    scanName(true);
    if (m_p != m_end && *m_p == '>') {
        ++m_p;
        return;
    }
    if (m_p == m_end || *m_p != '[') {
        requireSpace();
        if (takeWord("SYSTEM", true)) {
            literal();
            m_externalSubset = true;
        } else if (takeWord("PUBLIC", true)) {
            publicLiteral();
            requireSpace();
            literal();
            m_externalSubset = true;
        }
        skipSpace();
    }
    if (m_p != m_end && *m_p == '[') {
        markupDeclarations();
        skipSpace();
    }
    expect('>');
}

// The internal subset, from "[" to "]".
void XmlScanner::markupDeclarations()
{
    ++m_p; // '['
    for (;;) {
        if (m_p == m_end) {
            if (m_sources.empty() || !m_sources.back().entity->parameter)
                unexpected();
            popSource();
            continue;
        }
        if (skipSpace() > 0)
            continue;
        switch (*m_p) {
        case ']':
            if (!m_sources.empty() && m_sources.back().entity->parameter)
                unexpected();
            ++m_p;
            return;
        case '%':
            parameterReference();
            continue;
        case '<':
            ++m_p;
            if (m_p != m_end && *m_p == '?') {
                ++m_p;
                processingInstruction();
                continue;
            }
            if (m_p != m_end && *m_p == '!') {
                ++m_p;
                if (takeWord("--", false))
                    comment();
                else if (takeWord("ELEMENT", true))
                    elementDeclaration();
                else if (takeWord("ATTLIST", true))
                    attlistDeclaration();
                else if (takeWord("ENTITY", true))
                    entityDeclaration();
                else if (takeWord("NOTATION", true))
                    notationDeclaration();
                else
                    unexpected();
                continue;
            }
            unexpected();
        default:
            unexpected();
        }
    }
}

void XmlScanner::parameterReference()
{
    ++m_p; // '%'
    const QString name = utf8Text(scanName(false));
    expect(';');
    if (Entity *e = m_parameterEntities.value(name)) {
        m_parameterReferenced = true;
        if (e->unparsed || e->external) {
            m_unparsedReferenced = true;
            return;
        }
        referenceEntity(*e);
        pushSource(*e);
        return;
    }
    if (entitiesMustBeDeclared())
        malformed(XmlText::tr("Entity '%1' not declared.").arg(name));
}

void XmlScanner::elementDeclaration()
{
    scanName(true);
    requireSpace();
    if (!takeWord("EMPTY", false) && !takeWord("ANY", false))
        contentParticles();
    skipSpace();
    expect('>');
}

// A content model: "(#PCDATA)", "(#PCDATA | a | b)*", or groups of names
// joined by "|" or "," (one kind in a group), each with "?", "*" or "+".
void XmlScanner::contentParticles()
{
    auto occurrence = [&] {
        if (m_p != m_end && (*m_p == '?' || *m_p == '*' || *m_p == '+'))
            ++m_p;
    };
    expect('(');
    skipSpace();
    if (m_p != m_end && *m_p == '#') {
        ++m_p;
        if (!takeWord("PCDATA", false))
            unexpected();
        skipSpace();
        bool names = false;
        while (m_p != m_end && *m_p == '|') {
            ++m_p;
            skipSpace();
            scanName(true);
            skipSpace();
            names = true;
        }
        expect(')');
        if (names)
            expect('*');
        else if (m_p != m_end && *m_p == '*')
            ++m_p;
        return;
    }
    std::vector<char> separators{0}; // of each group open, once it has one
    for (;;) {
        if (m_p != m_end && *m_p == '(') {
            ++m_p;
            skipSpace();
            separators.push_back(0);
            continue;
        }
        scanName(true);
        occurrence();
        for (;;) {
            skipSpace();
            if (m_p != m_end && (*m_p == '|' || *m_p == ',')) {
                if (separators.back() && separators.back() != *m_p)
                    unexpected();
                separators.back() = *m_p++;
                skipSpace();
                break;
            }
            expect(')');
            occurrence();
            separators.pop_back();
            if (separators.empty())
                return;
        }
    }
}

// An enumeration of name tokens, from after "(" to ")" and white space.
void XmlScanner::nmtokenList()
{
    skipSpace();
    nmtoken();
    for (;;) {
        skipSpace();
        if (m_p == m_end || *m_p != '|')
            break;
        ++m_p;
        skipSpace();
        nmtoken();
    }
    expect(')');
    requireSpace();
}

void XmlScanner::attlistDeclaration()
{
    const QString element = utf8Text(scanName(true));
    for (;;) {
        const int spaces = skipSpace();
        if (m_p != m_end && *m_p == '>') {
            ++m_p;
            break;
        }
        if (spaces == 0)
            unexpected();
        qsizetype prefixLength = 0;
        const QByteArrayView qname = scanName(true, &prefixLength);
        requireSpace();
        DtdAttribute d;
        if (takeWord("CDATA", true)) {
            d.isCData = true;
        } else if (takeWord("ID", true) || takeWord("IDREF", true) || takeWord("IDREFS", true)
                   || takeWord("ENTITY", true) || takeWord("ENTITIES", true) || takeWord("NMTOKEN", true)
                   || takeWord("NMTOKENS", true)) {
        } else if (takeWord("NOTATION", true)) {
            expect('(');
            nmtokenList();
        } else if (m_p != m_end && *m_p == '(') {
            ++m_p;
            nmtokenList();
        } else {
            unexpected();
        }
        bool hasDefault = true;
        if (m_p != m_end && *m_p == '#') {
            ++m_p;
            if (takeWord("REQUIRED", false) || takeWord("IMPLIED", false))
                hasDefault = false;
            else if (takeWord("FIXED", false))
                requireSpace();
            else
                unexpected();
        }
        if (hasDefault) {
            const bool empty = m_p + 1 < m_end && (*m_p == '"' || *m_p == '\'') && m_p[1] == *m_p;
            const QString value = attributeValue();
            if (!empty) // an empty default was no default
                d.defaultValue = d.isCData ? value : value.simplified();
        }
        d.qualifiedName = utf8Text(qname);
        d.prefix = prefixLength ? utf8Text(qname.first(prefixLength)) : u""_s;
        d.name = utf8Text(prefixLength ? qname.sliced(prefixLength + 1) : qname);
        d.isNamespace = d.prefix == u"xmlns" || (d.prefix.isEmpty() && d.name == u"xmlns");
        m_dtdAttributes.push_back(std::move(d));
    }
    // As before: after an entity kept elsewhere, the declarations of a
    // document that is not standalone are left waiting for an element.
    if (m_unparsedReferenced && !m_standalone)
        return;
    for (size_t n = m_dtdAttributes.size(); n-- > 0;) {
        DtdAttribute &d = m_dtdAttributes[n];
        if (!d.tagName.isNull())
            break;
        d.tagName = element;
        for (size_t i = 0; i < n; ++i) {
            const DtdAttribute &earlier = m_dtdAttributes[i];
            if ((earlier.tagName.isNull() || earlier.tagName == element) && earlier.qualifiedName == d.qualifiedName) {
                d.qualifiedName = QString(); // declared before, which holds
                break;
            }
        }
    }
}

void XmlScanner::entityDeclaration()
{
    auto e = std::make_unique<Entity>();
    if (m_p != m_end && *m_p == '%') {
        ++m_p;
        requireSpace();
        e->parameter = true;
    }
    e->name = utf8Text(scanName(false));
    requireSpace();
    const bool system = takeWord("SYSTEM", true);
    if (system || takeWord("PUBLIC", true)) {
        if (!system) {
            publicLiteral();
            requireSpace();
        }
        literal();
        e->external = true;
        const char *before = m_p;
        if (skipSpace() > 0 && takeWord("NDATA", true)) {
            scanName(false);
            e->unparsed = true;
        } else {
            m_p = before;
        }
        skipSpace();
        expect('>');
        if (e->unparsed && e->parameter)
            malformed(XmlText::tr("NDATA in parameter entity declaration."));
    } else {
        e->value = entityValue();
        skipSpace();
        expect('>');
    }
    if (m_unparsedReferenced && !m_standalone)
        return;
    QHash<QString, Entity *> &entities = e->parameter ? m_parameterEntities : m_entities;
    if (entities.contains(e->name))
        return; // the first declaration holds
    e->utf8 = e->value.toUtf8();
    entities.insert(e->name, e.get());
    m_ownedEntities.push_back(std::move(e));
}

void XmlScanner::notationDeclaration()
{
    scanName(false);
    requireSpace();
    if (takeWord("SYSTEM", true)) {
        literal();
    } else if (takeWord("PUBLIC", true)) {
        publicLiteral();
        const int spaces = skipSpace();
        if (m_p == m_end || *m_p != '>') {
            if (spaces == 0)
                unexpected();
            literal();
        }
    } else {
        unexpected();
    }
    skipSpace();
    expect('>');
}

} // namespace registerfile
