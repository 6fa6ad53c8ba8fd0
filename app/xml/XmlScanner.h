#pragma once

// The XML of a register file, checked for well-formedness in one pass over
// its bytes and handed on as the tags and texts a property list is made of.
//
// It keeps the rules the files have always been read by (those of
// QXmlStreamReader, whose reading of them XmlReferenceReader.cpp keeps): the
// XML declaration and the encoding it names, document types with their
// internal declarations, entities general and parameter (declared in the
// file, expanded where they are referenced, at most 4096 characters more from
// one reference), character references, CDATA, comments, processing
// instructions and namespaces, down to the odd corners where that reading
// differs from the XML recommendation. What it let through by changing the
// text is refused: an entity kept in another file and a reference to an
// entity the file does not declare (their text was lost without a word),
// bytes the declared encoding cannot decode (replacement characters were put
// in), and a name longer than 4096 characters (it was read as another name).
//
// Text is copied only where it must be: a text of plain ASCII in the file
// itself is handed on as a view of its bytes.

#include "RegisterFileParsing.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QHash>
#include <QLatin1StringView>
#include <QString>

#include <memory>
#include <vector>

namespace registerfile {

// The words of the messages about malformed XML, in the user's language.
struct XmlText {
    Q_DECLARE_TR_FUNCTIONS(XmlReader)
};

// The text UTF-8 bytes stand for. Unlike QString::fromUtf8 it keeps a U+FEFF
// at the start, which is a character like any other inside a file.
QString utf8Text(QByteArrayView bytes);
inline QString utf8Text(const char *b, qsizetype n) { return utf8Text(QByteArrayView(b, n)); }

class XmlScanner
{
public:
    enum class Event { StartElement, EndElement, EndOfDocument };

    // A text as read: a view of plain ASCII bytes of the file, or the text
    // that its references, line ends and UTF-8 stand for.
    struct Text {
        QLatin1StringView plain;
        QString decoded;
        bool isDecoded = false;
        QString toString() const { return isDecoded ? decoded : QString(plain); }
    };

    // first..last: the file's bytes after any byte-order mark, UTF-8 unless
    // the XML declaration names another encoding. encodingKnown: they are
    // UTF-8 whatever the declaration says (a byte-order mark said so, or they
    // were made from a decoded text). views: plain texts may be handed on as
    // views of these bytes.
    XmlScanner(const char *first, const char *last, bool encodingKnown, bool views);
    ~XmlScanner();
    XmlScanner(const XmlScanner &) = delete;
    XmlScanner &operator=(const XmlScanner &) = delete;

    // Reads on to the next start or end tag, or to the end of the document,
    // checking everything on the way. Throws a ParseError when the XML is not
    // well-formed.
    Event next();
    // The element of the last start or end tag: its name without prefix.
    QByteArrayView name() const { return m_name; }
    // After a start tag: the element's text, up to its end tag, which is read
    // too. An element inside it is malformed here.
    Text readElementText();

    // The line of the place reached, counted as QXmlStreamReader counts it.
    qsizetype line() const;
    // Refuses the file, "line N: what", unless the file is not text at all,
    // which is said instead.
    [[noreturn]] void fail(const QString &what);
    // Where reading has got to in the file's bytes (nothing when the bytes
    // read are a decoding of the file's).
    const char *position() const;
    // Makes sure that the file is good UTF-8 up to p, where it has to be.
    void checkUtf8Upto(const char *p);
    // The checks left for the end: every byte of the file has been read.
    void finish();
    // Refuses the file if it is not text: a NUL byte anywhere, or bytes that
    // are not UTF-8 where they have to be.
    void refuseIfNotText() { checkRawText(); }

private:
    struct Entity {
        QString name;
        QString value;   // the replacement text; null for an entity kept elsewhere
        QByteArray utf8; // the same, as the bytes read when it is referenced
        bool parameter = false;
        bool external = false;
        bool unparsed = false; // external, and not XML (NDATA)
        bool literal = false;  // one of the five XML predefines: its text is never markup
        bool validated = false;
        bool referenced = false; // being expanded now
    };
    // An attribute an ATTLIST declared.
    struct DtdAttribute {
        QString tagName; // null until its declaration has been read whole
        QString qualifiedName; // null when the declaration repeats an earlier one
        QString prefix;
        QString name;
        QString defaultValue; // null when there is none
        bool isCData = false;
        bool isNamespace = false;
    };
    struct Attribute {
        QString qualifiedName;
        QString prefix;
        QString name;
        QString value;
    };
    enum class Markup { Start, End, Doctype, Other };

    // The reading of bytes
    bool newlinesAreLetters() const;
    void popSource();
    void pushSource(Entity &entity);
    int skipSpace();
    void requireSpace();
    void expect(char c);
    bool takeWord(const char *word, bool spaceAfter);
    const char *nonAsciiRun(const char *p);
    QString decodeRun(const char *b, const char *e);

    // Errors
    [[noreturn]] void malformed(const QString &what);
    [[noreturn]] void unexpected();
    void checkRawText();

    // Names and tags
    QByteArrayView scanName(bool qualified, qsizetype *prefixLength = nullptr);
    bool isNCName(QByteArrayView name);
    Markup startTag(bool topLevel);
    void endTag();
    Attribute attribute(QByteArrayView elementName);
    QString attributeValue();
    void expandInAttribute(QString &out, Entity &entity);
    void resolveTag(QByteArrayView qname, qsizetype prefixLength, const std::vector<Attribute> &attributes);
    void declareNamespace(const QString &prefix, const QString &uri, bool prefixed);
    bool namespaceDeclared(QStringView prefix) const;

    // Content
    bool content(Text *into);
    void appendPlain(Text *into, const char *b, const char *e);
    void appendText(Text *into, QStringView s);
    void reference(Text *into);
    char32_t charReferenceValue();
    void entityReference(Text *into, QByteArrayView name);
    void referenceEntity(Entity &entity);
    void validateEntity(Entity &entity);
    Markup markup(Text *into, bool topLevel);
    void comment();
    void processingInstruction();
    QString scanUntil(const char *terminator);

    // The prolog and document types (XmlDocumentType.cpp)
    void xmlDeclaration();
    void switchEncoding(const QString &encoding, const char *declarationEnd);
    void doctype();
    void markupDeclarations();
    void elementDeclaration();
    void attlistDeclaration();
    void entityDeclaration();
    void notationDeclaration();
    void parameterReference();
    QString literal();
    QString publicLiteral();
    QString entityValue();
    void nmtokenList();
    void nmtoken();
    void contentParticles();
    bool entitiesMustBeDeclared() const;

    // The document: the bytes read (the file's, or a decoding of them), and
    // the file's own bytes for the checks every text file goes through.
    const char *m_docFirst;
    const char *m_docLast;
    const char *m_rawFirst;
    const char *m_rawLast;
    qsizetype m_lineBase = 1;  // the line at m_docFirst
    qsizetype m_extraLines = 0; // line ends read in entities' text
    bool m_rawIsUtf8 = true;   // the file's bytes must be UTF-8
    bool m_encodingKnown;
    bool m_views;
    bool m_inDeclaration = false;
    QByteArray m_converted;    // the document, decoded from another encoding
    const char *m_validatedTo; // good UTF-8 up to here
    bool m_sawNonAscii = false;
    bool m_sawNul = false;

    // Where reading is, and the places entities' texts interrupted.
    const char *m_p;
    const char *m_end;
    struct Interrupted {
        const char *p;
        const char *end;
        Entity *entity; // whose text is read now
    };
    std::vector<Interrupted> m_sources;
    int m_openReferences = 0;
    qsizetype m_entityLength = 0;

    // The elements open, and what the last tag named.
    struct Open {
        QByteArrayView qname;
        QByteArrayView local;
        size_t namespaces = 0;
    };
    // A stack that keeps its room: opening and closing an element, which the
    // reading does several times a row, costs no call.
    class OpenElements
    {
    public:
        bool empty() const { return m_depth == 0; }
        size_t size() const { return m_depth; }
        const Open &back() const { return m_items[m_depth - 1]; }
        void push(const Open &open)
        {
            if (m_depth == m_items.size())
                m_items.resize(m_depth * 2 + 16);
            m_items[m_depth++] = open;
        }
        void pop() { --m_depth; }

    private:
        std::vector<Open> m_items;
        size_t m_depth = 0;
    };
    OpenElements m_open;
    QByteArrayView m_name;
    bool m_pendingEnd = false; // an empty element's end, not yet handed on
    bool m_seenRoot = false;
    bool m_started = false;

    std::vector<std::pair<QString, QString>> m_namespaces; // prefix, URI
    std::vector<DtdAttribute> m_dtdAttributes;
    QHash<QString, Entity *> m_entities;
    QHash<QString, Entity *> m_parameterEntities;
    std::vector<std::unique_ptr<Entity>> m_ownedEntities;
    bool m_standalone = false;
    bool m_externalSubset = false;
    bool m_parameterReferenced = false;
    bool m_unparsedReferenced = false;
    bool m_normalizeLiterals = false;
    bool m_validating = false; // checking an entity's text on its own
    // Whether the next character of text begins a run: the old reading kept
    // a carriage return of an entity's text there and made it a line feed
    // anywhere else, and "]]>" could not end there.
    bool m_runStart = true;
    char16_t m_lastTextChar = 0;
};

} // namespace registerfile
