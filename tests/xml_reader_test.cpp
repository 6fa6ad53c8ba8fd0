// The XML form read in one pass: the same reading as QXmlStreamReader's for
// every document, and the faults that reading had.

#include "ReaderInvariants.h"

#include <QStringEncoder>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray plist(const QByteArray &records) { return "<plist version=\"1.0\"><array>" + records + "</array></plist>"; }

QByteArray row(const QByteArray &inner) { return plist("<dict>" + inner + "</dict>"); }

QByteArray described(const QByteArray &text)
{
    return row("<key>DescriptionofTransaction</key><string>" + text + "</string>");
}

QByteArray withDoctype(const QByteArray &declarations, const QByteArray &document)
{
    return "<!DOCTYPE plist [" + declarations + "]>" + document;
}

QString description(const RegisterReadResult &r)
{
    return r.ok() && r.rows.size() == 1 ? r.rows[0]->value(Key::DescriptionofTransaction).toString() : r.error;
}

// Each document is read alike by both readers; what they read is given too,
// so that two readers refusing everything would not pass.
TEST(XmlReader, ReadsEveryDocumentAsQXmlStreamReaderDid)
{
    const struct {
        const char *what;
        QByteArray file;
        const char16_t *read; // the description, or the start of the refusal
    } cases[] = {
        {"references", described("A &amp; B &lt;&#233;&#xE9;&#x0x41;&#x1F600;"), u"A & B <\u00e9\u00e9A\U0001F600"},
        {"CDATA, comments, instructions", described("<![CDATA[<a>\r\n]]>b<!-- c -->c<?pi d?>d"), u"<a>\nbcd"},
        {"line ends", described("a\r\nb\rc\n"), u"a\nb\nc\n"},
        {"carriage return kept", described("a&#13;b"), u"a\rb"},
        {"entity", withDoctype("<!ENTITY e \"x&amp;y\">", described("1&e;2")), u"1x&y2"},
        {"nested entities", withDoctype("<!ENTITY e \"[&f;]\"><!ENTITY f \"F\">", described("&e;")), u"[F]"},
        {"entity carriage returns", withDoctype("<!ENTITY e \"a&#13;b&#13;\">", described("&e;|&e;")),
         u"a\nb\n|a\nb\n"},
        {"entity first carriage return", withDoctype("<!ENTITY e \"&#13;b\">", described("x&e;")), u"x\rb"},
        {"parameter entity", withDoctype("<!ENTITY % p \"<!ENTITY e 'pv'>\"> %p;", described("&e;")), u"pv"},
        {"element declarations",
         withDoctype("<!ELEMENT a (#PCDATA|b)*><!ELEMENT b ((c,d)|e)+><!ATTLIST a x CDATA #IMPLIED y (p|q) 'p'>"
                     "<!NOTATION n PUBLIC \"-//A//B\">",
                     described("x")),
         u"x"},
        {"namespaces", "<p:plist xmlns:p=\"u\"><p:array><p:dict><p:key>DescriptionofTransaction</p:key>"
                       "<p:string>n</p:string></p:dict></p:array></p:plist>",
         u"n"},
        {"namespace from the declaration",
         "<?xml version=\"1.0\" xmlns:q=\"u\"?><q:plist><q:array><dict><key>DescriptionofTransaction</key>"
         "<string>d</string></dict></q:array></q:plist>",
         u"d"},
        {"Latin-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + described("caf\xe9"), u"caf\u00e9"},
        {"doctype between records", plist("<!DOCTYPE x><dict><key>DescriptionofTransaction</key><string>t</string>"
                                          "</dict>"),
         u"t"},
        {"]]> after a reference", described("&#93;]>"), u"line 1: the XML is malformed"},
        {"]]> before a reference", described("]&#93;>"), u"]]>"},
        {"]]>", described("a]]>"), u"line 1: the XML is malformed"},
        {"undeclared entity", described("&nbsp;"), u"line 1: the XML is malformed"},
        {"self-reference", withDoctype("<!ENTITY e \"&e;\">", described("&e;")), u"line 1: the XML is malformed"},
        {"expansion limit", withDoctype("<!ENTITY a \"" + QByteArray(5000, 'x') + "\">", described("&a;")),
         u"line 1: the XML is malformed"},
        {"entity not content", withDoctype("<!ENTITY e \"a<b\">", described("&e;")), u"line 1: the XML is malformed"},
        {"line end in an entity's comment", withDoctype("<!ENTITY e \"<!--a\nb-->\">", described("&e;")),
         u"line 2: the XML is malformed"},
        {"undeclared prefix", "<p:plist><array/></p:plist>", u"line 1: the XML is malformed"},
        {"repeated attribute", "<plist xmlns:p=\"u\" xmlns:q=\"u\" p:x=\"1\" q:x=\"2\"><array/></plist>",
         u"line 1: the XML is malformed"},
        {"prefix by default", withDoctype("<!ATTLIST plist z:a CDATA \"v\">", plist("")),
         u"line 1: the XML is malformed"},
        {"XML version", "<?xml version=\"1.1\"?>" + described("x"), u"line 1: the XML is malformed"},
        {"unknown encoding", "<?xml version=\"1.0\" encoding=\"nonesuch\"?>" + described("x"),
         u"line 1: the XML is malformed"},
        {"declaration late", " <?xml version=\"1.0\"?>" + described("x"), u"line 1: the XML is malformed"},
        {"two roots", plist("") + "<plist/>", u"line 1: the XML is malformed"},
        {"element in a text", described("a<b/>c"), u"line 1: the XML is malformed"},
        {"control character", described("a\x01"), u"line 1: the XML is malformed"},
        {"after the list", "<plist><array/><string/></plist>", u"line 1: unexpected <string> after the list"},
        {"lines", "<?xml version=\"1.0\"?>\n<plist>\r\n<array>\r<dict>\n<key>A</key>\n<true/></dict></array></plist>",
         u"line 6: row 1: the value of \u201cA\u201d is a yes/no value"},
        {"lines after an entity",
         withDoctype("<!ENTITY e \"x\ny\nz\">", "<plist>\n<array><dict><key>A</key><string>&e;</string>\n"
                                                "<key>B</key><data/></dict></array></plist>"),
         u"line 7: row 1: the value of \u201cB\u201d is raw data"},
        {"a name of 4096 characters", plist("<" + QByteArray(4096, 'a') + "/>"), u"line 1: row 1 is not a record"},
        {"NUL in an attribute's name", QByteArray("<plist a\0b=\"1\"><array/></plist>", 31),
         u"line 1: the file holds a NUL byte"},
        {"not UTF-8", described("\xff"), u"line 1: the file is neither ASCII nor UTF-8 text"},
    };
    for (const auto &c : cases) {
        const RegisterReadResult read = parseRegister(c.file);
        EXPECT_EQ(invariants::xmlReadersAgree(c.file, read), QString()) << c.what;
        EXPECT_TRUE(description(read).startsWith(QStringView(c.read)))
            << c.what << ": " << description(read).toStdString();
    }
}

// The old reading took such an entity as no text at all: a description made
// of one, or a hand-edited file using an HTML entity under the document type
// every XML register names, lost its text without a word.
TEST(XmlReader, AnEntityWhoseTextIsNotInTheFileIsRefusedNotReadAsNothing)
{
    const QByteArray external = withDoctype("<!ENTITY memo SYSTEM \"memo.txt\">", "\n" + described("Rent &memo;"));
    EXPECT_EQ(description(parseRegisterReference(external)), u"Rent "_s) << "the old reading, for the record";
    EXPECT_EQ(parseRegister(external).error, u"line 2: \u201c&memo;\u201d stands for text kept in another file (an "
                                             "external entity), which Cheqbook does not read"_s);

    const QByteArray undeclared = "<?xml version=\"1.0\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                  "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        + described("Caf&eacute;");
    EXPECT_EQ(parseRegister(undeclared).error, u"line 3: \u201c&eacute;\u201d names an entity the file does not "
                                               "declare, so the text it stands for is not known"_s);
    // Between records too, where it might have stood for records.
    EXPECT_FALSE(parseRegister(withDoctype("<!ENTITY rows SYSTEM \"rows.xml\">", plist("&rows;"))).ok());
    // An entity the file declares is read, as ever.
    EXPECT_EQ(description(parseRegister(withDoctype("<!ENTITY memo \"March\">", described("Rent &memo;")))),
              u"Rent March"_s);
}

// A byte-order mark made the reader look for the old-style form's "(", and
// refuse the file as "does not hold a list of records".
TEST(XmlReader, ARegisterInTheXmlFormWithAByteOrderMarkIsReadNotRefused)
{
    const QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + described("Caf\xc3\xa9");
    for (const QByteArray &file : {"\xef\xbb\xbf" + xml, "\xef\xbb\xbf" + described("x")}) {
        const RegisterReadResult r = parseRegister(file);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(r.rows.size(), 1u);
        int shown = 0;
        EXPECT_TRUE(parseShownRows(file, [&](ShownRow &&) { ++shown; }).ok());
        EXPECT_EQ(shown, 1);
    }
    QTemporaryDir dir;
    const RegisterReadResult fromFile = readRegisterFile(writeFile(dir.filePath(u"bom.ldgr"_s), "\xef\xbb\xbf" + xml));
    EXPECT_EQ(description(fromFile), u"Caf\u00e9"_s);
    // The mark says UTF-8, whatever the declaration names.
    EXPECT_EQ(description(parseRegister("\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                                        + described("Caf\xc3\xa9"))),
              u"Caf\u00e9"_s);
    EXPECT_EQ(parseRegister("\xef\xbb\xbf({Amount = 1;})").rows.size(), 1u) << "and the old-style form is read still";
}

// Texts not in the file's own bytes (decoded from another encoding, or an
// entity's) are copies, which outlive the reading.
TEST(XmlReader, ShownTextsOutliveTheReadingWhereTheyAreNotTheFilesBytes)
{
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray files[] = {
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + described("plain text of a decoded file"),
        utf16.encode(QString::fromUtf8(described("plain text of UTF-16"))),
        withDoctype("<!ENTITY e \"plain text of an entity\">", described("&e;")),
    };
    for (const QByteArray &file : files) {
        std::vector<ShownRow> rows;
        ASSERT_TRUE(parseShownRows(file, [&](ShownRow &&r) { rows.push_back(std::move(r)); }).ok());
        const std::vector<QByteArray> reuse(16, QByteArray(4096, 'x')); // of what the reading let go
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_TRUE(rows[0].description.visitText([](auto t) { return t.startsWith(u"plain text of"); }));
    }
}

// The encodings a declaration names are read as QXmlStreamReader read them,
// but bytes such an encoding cannot decode are refused, naming their line,
// where that reading put replacement characters in without a word.
TEST(XmlReader, TheEncodingADeclarationNamesIsReadAndBytesItCannotDecodeAreRefused)
{
    auto declared = [](const char *encoding, const QByteArray &text) {
        return "<?xml version=\"1.0\" encoding=\"" + QByteArray(encoding) + "\"?>\n" + described(text);
    };
    EXPECT_EQ(description(parseRegister(declared("windows-1252", "5 \x80"))), u"5 \u20ac"_s);
    EXPECT_EQ(description(parseRegister(declared("ISO-8859-15", "5 \xa4"))), u"5 \u20ac"_s);
    EXPECT_EQ(description(parseRegister(declared("Shift_JIS", "\x93\xfa\x96\x7b"))), u"\u65e5\u672c"_s);
    EXPECT_EQ(parseRegister(declared("UTF-7", "a\n\xff")).error,
              u"line 3: the file holds bytes that are not UTF-7 text, which its XML declaration says it is"_s);
    // UTF-8 by any name Qt knows it by is checked as UTF-8.
    EXPECT_EQ(parseRegister(declared("utf_8", "\n\xff")).error, u"line 3: the file is neither ASCII nor UTF-8 text"_s);
    EXPECT_EQ(description(parseRegister(declared("UTF8", "caf\xc3\xa9"))), u"caf\u00e9"_s);
    // UTF-16 cannot be declared for bytes without a byte-order mark.
    EXPECT_TRUE(parseRegister(declared("UTF-16", "x")).error.contains(u"the XML is malformed"));
}

// The pages of a large file are given back as it is read; what the reading
// must see whole (that the file is UTF-8) is still seen whole.
TEST(XmlReader, ALargeFileIsCheckedWholeThoughItsPagesAreGivenBackAsItIsRead)
{
    constexpr int kRows = 200000; // well past the 32 MB after which pages are given back
    QByteArray rows;
    rows.reserve(kRows * 260);
    for (int i = 0; i < kRows; ++i) {
        const QByteArray payee = i == 7 ? "Caf\xc3\xa9 du Coin" : "Groceries, row " + QByteArray::number(i);
        rows += "\t<dict>\n\t\t<key>Amount</key>\n\t\t<string>-12.34</string>\n\t\t<key>Date</key>\n"
                "\t\t<string>01/02/2026</string>\n\t\t<key>DescriptionofTransaction</key>\n\t\t<string>"
            + payee + "</string>\n\t</dict>\n";
    }
    const QByteArray good = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n" + rows
        + "</array>\n</plist>\n";
    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(u"large.ldgr"_s), good);
    qsizetype shown = 0;
    QString seventh;
    const RegisterReadResult r = readShownRows(
        path,
        [&](ShownRow &&row) {
            if (shown++ == 7)
                seventh = row.description.visitText([](auto t) { return t.toString(); });
        },
        [] {});
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(shown, kRows);
    EXPECT_EQ(seventh, u"Caf\u00e9 du Coin"_s);

    // A byte that is not UTF-8 in the last row, long after the pages of the
    // first were given back.
    QByteArray bad = good;
    const qsizetype at = bad.lastIndexOf("row ") + 2;
    bad[at] = '\xe9';
    const QString badPath = writeFile(dir.filePath(u"bad.ldgr"_s), bad);
    const qsizetype line = bad.left(at).count('\n') + 1;
    const QString why = badPath + u": line %1: the file is neither ASCII nor UTF-8 text"_s.arg(line);
    EXPECT_EQ(readShownRows(badPath, [](ShownRow &&) {}, [] {}).error, why);
    EXPECT_EQ(readRegisterFile(badPath).error, why);
}

TEST(XmlReader, DeepNestingEndsInAnErrorNotAStackOverflow)
{
    EXPECT_FALSE(parseRegister(withDoctype("<!ELEMENT a " + QByteArray(100000, '(') + ">", plist(""))).ok());
    const QByteArray deep = QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000);
    EXPECT_TRUE(parseRegister(withDoctype("<!ENTITY e \"" + deep + "\">", described("&e;")))
                    .error.endsWith(u"expansion limit."));
    QByteArray chain;
    for (int i = 0; i < 20000; ++i)
        chain += "<!ENTITY e" + QByteArray::number(i) + " \"&e" + QByteArray::number(i + 1) + ";\">";
    chain += "<!ENTITY e20000 \"end\">";
    EXPECT_EQ(description(parseRegister(withDoctype(chain, described("&e0;")))), u"end"_s);
    EXPECT_TRUE(parseRegister(withDoctype(chain, "<plist a=\"&e0;\"><array/></plist>")).ok());
}

} // namespace
