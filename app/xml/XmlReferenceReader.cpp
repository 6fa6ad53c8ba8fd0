#include "RegisterFileParsing.h"

#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace registerfile {
namespace {

// The XML form as QXmlStreamReader reads it: the reader Cheqbook had before
// the one-pass reader in XmlReader.cpp. It is kept to check that one against,
// input by input, while both exist.

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
            xmlFail(RegisterFileText::tr("the file holds no property list"));
        if (m_xml.name() == u"plist") {
            if (!m_xml.readNextStartElement())
                xmlFail(RegisterFileText::tr("the property list is empty; a register file holds a list of records"));
        }
        if (m_xml.name() == u"dict")
            fail(RegisterFileText::tr("the file holds a single record, not a list of records"));
        if (m_xml.name() != u"array")
            fail(RegisterFileText::tr("the file does not hold a list of records (found <%1>)").arg(m_xml.name()));
        std::vector<RecordPtr> rows;
        while (m_xml.readNextStartElement()) {
            const qsizetype row = qsizetype(rows.size());
            if (m_xml.name() != u"dict")
                fail(RegisterFileText::tr("%1 is not a record (found <%2>)").arg(rowText(row), m_xml.name()));
            rows.push_back(parseRecord(row));
        }
        if (m_xml.hasError())
            xmlFail(m_xml.errorString());
        // Whatever follows the list must still be well-formed XML.
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement())
                fail(RegisterFileText::tr("unexpected <%1> after the list of records").arg(m_xml.name()));
        }
        if (m_xml.hasError())
            xmlFail(m_xml.errorString());
        return rows;
    }

private:
    [[noreturn]] void fail(const QString &what) const
    {
        throw ParseError{RegisterFileText::tr("line %1: %2").arg(m_xml.lineNumber()).arg(what)};
    }
    [[noreturn]] void xmlFail(const QString &what) const
    {
        if (m_xml.hasError())
            throw ParseError{RegisterFileText::tr("line %1: the XML is malformed: %2").arg(m_xml.lineNumber()).arg(m_xml.errorString())};
        fail(what);
    }

    RecordPtr parseRecord(qsizetype row)
    {
        RecordPtr record = makeRecord();
        std::vector<std::pair<QString, Value>> others; // keys the program does not know
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != u"key")
                fail(RegisterFileText::tr("%1: expected <key>, found <%2>").arg(rowText(row), m_xml.name()));
            const QString key = m_xml.readElementText();
            if (m_xml.hasError())
                xmlFail({});
            if (!m_xml.readNextStartElement()) {
                if (m_xml.hasError())
                    xmlFail({});
                fail(RegisterFileText::tr("%1: the key %2 has no value").arg(rowText(row), quoted(key)));
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
                if (auto d = xmlReal(text))
                    return Value::real(*d);
            } else if (auto i = xmlInteger(text)) {
                return Value::integer(*i);
            }
            fail(RegisterFileText::tr("%1: the value of %2 is not a number: %3").arg(rowText(row), quoted(key), quoted(text)));
        }
        QString what = u"<%1>"_s.arg(element);
        if (element == u"array")
            what = RegisterFileText::tr("a list");
        else if (element == u"dict")
            what = RegisterFileText::tr("a record");
        else if (element == u"true" || element == u"false")
            what = RegisterFileText::tr("a yes/no value");
        else if (element == u"date")
            what = RegisterFileText::tr("a date value");
        else if (element == u"data")
            what = RegisterFileText::tr("raw data");
        fail(RegisterFileText::tr("%1: the value of %2 is %3; a record holds only texts and numbers").arg(rowText(row), quoted(key), what));
    }

    QXmlStreamReader m_xml;
};

} // namespace

std::vector<RecordPtr> parseXmlReference(const QByteArray &bytes) { return XmlParser(bytes).parse(); }
std::vector<RecordPtr> parseXmlReference(const QString &text) { return XmlParser(text).parse(); }

} // namespace registerfile
