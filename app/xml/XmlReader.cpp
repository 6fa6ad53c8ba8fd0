#include "RegisterFileParsing.h"

#include "NumberScan.h"
#include "RecordBuilders.h"
#include "XmlScanner.h"

using namespace Qt::StringLiterals;

namespace registerfile {
namespace {

// ---------------------------------------------------------------------------
// The XML form: a property list, read in one pass over the file's bytes.

bool isAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A <real> of digits, sign and point only, as xmlReal reads it, without
// making a QString of it; nothing when it takes more than that.
std::optional<double> plainReal(QLatin1StringView text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && isAsciiSpace(text[b].toLatin1()))
        ++b;
    while (e > b && isAsciiSpace(text[e - 1].toLatin1()))
        --e;
    for (qsizetype i = b; i < e; ++i) {
        const char c = text[i].toLatin1();
        if (!((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.'))
            return std::nullopt;
    }
    const char *first = text.data() + b;
    const DecimalScan scan = scanLeadingDecimal(first, text.data() + e);
    if (!scan.found || scan.begin != 0 || scan.end != e - b)
        return std::nullopt;
    return scannedDouble(scan, first);
}

template <size_t N>
bool is(QByteArrayView name, const char (&word)[N])
{
    if (name.size() != qsizetype(N - 1))
        return false;
    for (size_t i = 0; i + 1 < N; ++i)
        if (name[qsizetype(i)] != word[i])
            return false;
    return true;
}

template <typename Builder>
class PlistParser
{
public:
    PlistParser(XmlScanner &xml, Builder &builder, const char *first,
                const std::function<void(const char *, const char *)> &release)
        : m_xml(xml), m_builder(builder), m_released(first), m_release(release)
    {
    }

    void parse()
    {
        if (m_xml.next() != XmlScanner::Event::StartElement)
            m_xml.fail(RegisterFileText::tr("the file holds no property list"));
        if (is(m_xml.name(), "plist") && m_xml.next() != XmlScanner::Event::StartElement)
            m_xml.fail(RegisterFileText::tr("the property list is empty; a register file holds a list of records"));
        if (is(m_xml.name(), "dict"))
            m_xml.fail(RegisterFileText::tr("the file holds a single record, not a list of records"));
        if (!is(m_xml.name(), "array"))
            m_xml.fail(RegisterFileText::tr("the file does not hold a list of records (found <%1>)").arg(nameText()));
        for (qsizetype row = 0; m_xml.next() == XmlScanner::Event::StartElement; ++row) {
            if (!is(m_xml.name(), "dict"))
                m_xml.fail(RegisterFileText::tr("%1 is not a record (found <%2>)").arg(rowText(row), nameText()));
            record(row);
            releaseBehind();
        }
        // Whatever follows the list must still be well-formed XML.
        for (XmlScanner::Event e; (e = m_xml.next()) != XmlScanner::Event::EndOfDocument;) {
            if (e == XmlScanner::Event::StartElement)
                m_xml.fail(RegisterFileText::tr("unexpected <%1> after the list of records").arg(nameText()));
        }
        m_xml.finish();
    }

private:
    static constexpr std::ptrdiff_t kReleaseStep = 16 << 20;

    QString nameText() const { return utf8Text(m_xml.name()); }

    // What was read a step ago is let go: the latest records may still be in
    // use while the next are read.
    void releaseBehind()
    {
        if (!m_release)
            return;
        const char *at = m_xml.position();
        if (!at || at - m_released < 2 * kReleaseStep)
            return;
        m_xml.checkUtf8Upto(at);
        m_release(m_released, at - kReleaseStep);
        m_released = at - kReleaseStep;
    }

    void record(qsizetype row)
    {
        m_builder.begin();
        while (m_xml.next() == XmlScanner::Event::StartElement) {
            if (!is(m_xml.name(), "key"))
                m_xml.fail(RegisterFileText::tr("%1: expected <key>, found <%2>").arg(rowText(row), nameText()));
            const XmlScanner::Text key = m_xml.readElementText();
            const std::optional<Key> known = key.isDecoded ? knownKey(QStringView(key.decoded)) : knownKey(key.plain);
            if (m_xml.next() != XmlScanner::Event::StartElement)
                m_xml.fail(RegisterFileText::tr("%1: the key %2 has no value").arg(rowText(row), quoted(key.toString())));
            Token v = value(key, row);
            if (known)
                m_builder.set(*known, std::move(v));
            else
                m_builder.setOther(key.toString(), std::move(v));
        }
        m_builder.end(row);
    }

    Token value(const XmlScanner::Text &key, qsizetype row)
    {
        const QByteArrayView element = m_xml.name();
        if (is(element, "string")) {
            XmlScanner::Text text = m_xml.readElementText();
            return text.isDecoded ? Token::text(std::move(text.decoded)) : Token::bytes(text.plain);
        }
        if (is(element, "real") || is(element, "integer")) {
            const bool real = is(element, "real");
            const XmlScanner::Text text = m_xml.readElementText();
            if (real && !text.isDecoded) {
                if (std::optional<double> d = plainReal(text.plain))
                    return Token::number(Value::real(*d));
            }
            const QString t = text.toString();
            if (real) {
                if (std::optional<double> d = xmlReal(t))
                    return Token::number(Value::real(*d));
            } else if (std::optional<qint64> i = xmlInteger(t)) {
                return Token::number(Value::integer(*i));
            }
            m_xml.fail(RegisterFileText::tr("%1: the value of %2 is not a number: %3").arg(rowText(row), quoted(key.toString()),
                                                                          quoted(t)));
        }
        QString what = u"<%1>"_s.arg(nameText());
        if (is(element, "array"))
            what = RegisterFileText::tr("a list");
        else if (is(element, "dict"))
            what = RegisterFileText::tr("a record");
        else if (is(element, "true") || is(element, "false"))
            what = RegisterFileText::tr("a yes/no value");
        else if (is(element, "date"))
            what = RegisterFileText::tr("a date value");
        else if (is(element, "data"))
            what = RegisterFileText::tr("raw data");
        m_xml.fail(RegisterFileText::tr("%1: the value of %2 is %3; a record holds only texts and numbers").arg(
            rowText(row), quoted(key.toString()), what));
    }

    XmlScanner &m_xml;
    Builder &m_builder;
    const char *m_released;
    const std::function<void(const char *, const char *)> &m_release;
};

template <typename Builder>
void parseWith(const XmlInput &input, const std::function<void(const char *, const char *)> &release, Builder &builder)
{
    XmlScanner xml(input.first, input.last, input.encodingKnown, input.views);
    try {
        PlistParser(xml, builder, input.first, release).parse();
    } catch (const ParseError &) {
        // A row refused for its amount, too, is refused first for what the
        // file as a whole is not.
        xml.refuseIfNotText();
        throw;
    }
}

} // namespace

void parseXml(const XmlInput &input, const std::function<void(const char *, const char *)> &release,
              const std::function<void(RecordPtr)> &each)
{
    RecordBuilder builder(each);
    parseWith(input, release, builder);
}

void parseXmlShown(const XmlInput &input, const std::function<void(const char *, const char *)> &release,
                   const std::function<void(ShownRow &&)> &each)
{
    ShownRowBuilder builder(each);
    parseWith(input, release, builder);
}

} // namespace registerfile
