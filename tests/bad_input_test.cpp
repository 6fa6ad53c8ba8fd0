// A catalogue of malformed registers and statements: each must give its own
// clear message, and leave the open document and the file on disk exactly
// as they were (for a statement: import nothing, or exactly its good lines).

#include "MyDocument.h"
#include "RegisterFile.h"
#include "StatementDates.h"
#include "RunningBalance.h"
#include "StatementImport.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray utf16(const QString &text, bool littleEndian, bool bom)
{
    QStringEncoder encoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

QByteArray xml(const char *inner)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<array>\n" + QByteArray(inner)
        + "\n</array>\n</plist>\n";
}

const QString kNul = u"the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text without the "
                     "byte-order mark that tells how to read it"_s;
const QString kNotUtf8 = u"the file is neither ASCII nor UTF-8 text"_s;
const QString kOutOfRange = u"is out of range (amounts are limited to 90 trillion dollars)"_s;

QString notAnAmount(int row, const QString &amount)
{
    return u"row %1: the Amount \u201c%2\u201d is not an amount"_s.arg(row).arg(amount);
}

struct BadRegister {
    const char *what;
    QByteArray bytes;
    QString message; // after "bad.ldgr: "
};

std::vector<BadRegister> badRegisters()
{
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    return {
        // Encodings
        {"UTF-16 without a byte-order mark", utf16(u"({Amount = 1;})"_s, true, false), u"line 1: "_s + kNul},
        {"UTF-16 XML without a byte-order mark", utf16(QString::fromLatin1(xml("")), false, false),
         u"line 1: "_s + kNul},
        {"UTF-16 cut in the middle of a character", QByteArray("\xff\xfe(\0{\0}\0)", 9),
         u"the file is not valid UTF-16 text"_s},
        {"UTF-16 with half a surrogate pair", QByteArray("\xff\xfe(\0{\0A\0=\0\x00\xd8;\0}\0)\0", 18),
         u"the file is not valid UTF-16 text"_s},
        {"Latin-1 in an old-style file", "(\n{Memo = \"caf\xe9\";})", u"line 2: "_s + kNotUtf8},
        {"a UTF-8 byte-order mark, then Windows-1252", "\xef\xbb\xbf(\n\n{Memo = \"\x93quoted\x94\";})",
         u"line 3: "_s + kNotUtf8},
        {"a multi-byte character cut short at the end", "({Memo = \"caf\xc3", u"line 1: "_s + kNotUtf8},
        {"Latin-1 in XML that says UTF-8", xml("<dict><key>Memo</key><string>caf\xe9</string></dict>"),
         u"line 4: "_s + kNotUtf8},
        {"XML in an encoding Cheqbook cannot read", "<?xml version=\"1.0\" encoding=\"x-bank\"?><plist/>",
         u"line 1: the XML is malformed: Encoding x-bank is unsupported"_s},
        {"a NUL byte in a quoted text", QByteArray("(\n{Memo = \"a\0b\";})", 18), u"line 2: "_s + kNul},
        {"binary junk with NUL bytes", png, u"line 3: "_s + kNul},
        {"binary junk without NUL bytes", QByteArray(64, '\xa7'), u"line 1: "_s + kNotUtf8},
        {"a binary property list", "bplist00\xd1\x01\x02",
         u"the file is a binary property list, which Cheqbook does not read; save it as text or XML"_s},
        // Empty and not a list
        {"an empty file", "", u"the file is empty; a register file holds a list of records"_s},
        {"only blanks and comments", " \n// nothing\n/* here */\r\n",
         u"the file is empty; a register file holds a list of records"_s},
        {"a single record", "{Amount = 1;}", u"line 1: the file holds a single record, not a list of records"_s},
        {"a bare word", "Amount",
         u"line 1: the file does not hold a list of records (it should begin with \u201c(\u201d)"_s},
        {"an XML record, not a list", "<plist><dict/></plist>",
         u"line 1: the file holds a single record, not a list of records"_s},
        // Truncated at every kind of token
        {"cut after the list opens", "(", u"line 1: the list of records is not closed with \u201c)\u201d"_s},
        {"cut after a record opens", "(\n{", u"line 2: row 1 is not closed with \u201c}\u201d"_s},
        {"cut after a key", "({Amount", u"line 1: expected \u201c=\u201d after the key \u201cAmount\u201d in row 1"_s},
        {"cut after the equals sign", "({Amount =", u"line 1: the value of \u201cAmount\u201d in row 1 is missing"_s},
        {"cut inside a quoted text", "({Amount = 1;\nMemo = \"12", u"line 2: a quoted text is not closed"_s},
        {"cut after a backslash", "({Memo = \"a\\", u"line 1: a quoted text is not closed"_s},
        {"cut after a value", "({Amount = 12",
         u"line 1: expected \u201c;\u201d after the value of \u201cAmount\u201d in row 1"_s},
        {"cut after a semicolon", "({Amount = 12;", u"line 1: row 1 is not closed with \u201c}\u201d"_s},
        {"cut after a record", "({Amount = 12;}", u"line 1: the list of records is not closed with \u201c)\u201d"_s},
        {"cut after a comma", "({},\n", u"line 2: the list of records is not closed with \u201c)\u201d"_s},
        {"cut inside a comment", "(\n/* the opening row", u"line 2: a comment is not closed with \u201c*/\u201d"_s},
        {"cut inside an XML record", "<plist><array>\n<dict><key>Amount</key>",
         u"line 2: the XML is malformed: Premature end of document."_s},
        {"cut inside an XML text", "<plist><array><dict><key>A</key><string>caf",
         u"line 1: the XML is malformed: Premature end of document."_s},
        {"cut inside the XML declaration", "<?xml version=\"1.0\"",
         u"line 1: the XML is malformed: Premature end of document."_s},
        // Syntax
        {"an unbalanced quote around a key", "({'Amount = 1;})", u"line 1: a quoted text is not closed"_s},
        {"a key that is not a word", "({@ = 1;})", u"line 1: expected a key in row 1"_s},
        {"two commas between records", "({},,{})",
         u"line 1: row 2 is not a record (a record begins with \u201c{\u201d)"_s},
        {"a missing comma, with lone CR line ends", "(\r{Amount = 1;}\r{Amount = 2;}\r)",
         u"line 3: expected \u201c,\u201d or \u201c)\u201d after row 1"_s},
        {"a list as a value", "({Amount = (1, 2);})",
         u"line 1: the value of \u201cAmount\u201d in row 1 is a list; a record holds only texts and numbers"_s},
        {"an escape without its character code", "(\n{Memo = \"caf\\u;\"})",
         u"line 2: the escape \u201c\\u\u201d in a quoted text has no hexadecimal character code after it"_s},
        {"an octal escape beyond a byte", "({Memo = \"a\\777\"})",
         u"line 1: the escape \u201c\\777\u201d in a quoted text is out of range (an octal escape names one byte, "
         "\\0 to \\377)"_s},
        {"an undeclared XML entity", xml("<dict><key>A</key><string>&bogus;</string></dict>"),
         u"line 4: the XML is malformed: Entity 'bogus' not declared."_s},
        {"an XML reference to character 0", xml("<dict><key>A</key><string>&#0;</string></dict>"),
         u"line 4: the XML is malformed: Invalid character reference."_s},
        {"mismatched XML tags", "<plist><array></dict></plist>",
         u"line 1: the XML is malformed: Opening and ending tag mismatch."_s},
        {"an XML yes/no value", xml("<dict><key>EOMSeen</key><true/></dict>"),
         u"line 4: row 1: the value of \u201cEOMSeen\u201d is a yes/no value; a record holds only texts and numbers"_s},
        {"an XML key without a value", xml("<dict><key>A</key><key>B</key></dict>"),
         u"line 4: row 1: the value of \u201cA\u201d is <key>; a record holds only texts and numbers"_s},
        // Nesting
        {"100,000 open brackets", QByteArray(100000, '('),
         u"line 1: row 1 is not a record (a record begins with \u201c{\u201d)"_s},
        {"100,000 open braces as a value", "({A = " + QByteArray(100000, '{'),
         u"line 1: the value of \u201cA\u201d in row 1 is a record; a record holds only texts and numbers"_s},
        {"100,000 nested XML lists", "<plist><array>" + QByteArray(100000, '<').replace("<", "<array>"),
         u"line 1: row 1 is not a record (found <array>)"_s},
        {"100,000 nested XML elements in a text",
         "<plist><array><dict><key>A</key><string>" + QByteArray(100000, '<').replace("<", "<b>"),
         u"line 1: the XML is malformed: Expected character data."_s},
        // Numbers
        {"an amount beyond any double", "({Amount = 1e400;})", u"row 1: the Amount \u201c1e400\u201d "_s + kOutOfRange},
        {"a balance beyond 2^53 cents", "({},\n{Total = -99999999999999999;})",
         u"row 2: the Total \u201c-99999999999999999\u201d "_s + kOutOfRange},
        {"an XML amount that is not a number", xml("<dict><key>Amount</key><real>nan</real></dict>"),
         u"row 1: the Amount \u201cnan\u201d "_s + kOutOfRange},
        {"an XML balance that is infinite", xml("<dict><key>Total</key><real>-infinity</real></dict>"),
         u"row 1: the Total \u201c-inf\u201d "_s + kOutOfRange},
        {"an XML integer beyond 64 bits", xml("<dict><key>N</key><integer>99999999999999999999</integer></dict>"),
         u"line 4: row 1: the value of \u201cN\u201d is not a number: \u201c99999999999999999999\u201d"_s},
        {"an XML real that is empty", xml("<dict><key>Amount</key><real></real></dict>"),
         u"line 4: row 1: the value of \u201cAmount\u201d is not a number: \u201c\u201d"_s},
        // Amounts that are not amounts, which a balance would add as 0
        {"an amount that is a word", "({Amount = 100;},\n{Amount = abc;})", notAnAmount(2, u"abc"_s)},
        {"an amount with words after it", "({Amount = \"12 dollars\";})", notAnAmount(1, u"12 dollars"_s)},
        {"an amount with a currency sign", "({Amount = \"$12.50\";})", notAnAmount(1, u"$12.50"_s)},
        {"an amount with grouping commas", "({Amount = \"1,234.56\";})", notAnAmount(1, u"1,234.56"_s)},
        {"an XML amount that is a word", xml("<dict><key>Amount</key><string>ten</string></dict>"),
         notAnAmount(1, u"ten"_s)},
        {"a long amount that is not one", "({Amount = \"" + QByteArray(100000, 'x') + "\";})",
         notAnAmount(1, QString(40, u'x') + u'\u2026')},
        // Size
        {"a 10 MB text that never closes", "({Memo = \"" + QByteArray(10'000'000, 'x'),
         u"line 1: a quoted text is not closed"_s},
    };
}

class BadInput : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXPECT_EQ(f.write(bytes), bytes.size());
        return path;
    }
    QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }
    // A document that holds rows and an unsaved change.
    void openRegister(MyDocument &doc)
    {
        QString why;
        ASSERT_TRUE(doc.readFromFile(write(u"good.ldgr"_s, m_good), u"ldgr", &why)) << why.toStdString();
        doc.updateChangeCount();
    }

    QTemporaryDir m_dir;
    const QByteArray m_good = "(\n{Amount = 1000; Date = 01/01/2026; DescriptionofTransaction = Opening; "
                              "Total = 1000;},\n{Amount = -45.25; CheckNumber = 101; DescriptionofTransaction = Groceries;}\n)\n";
};

// What a document shows of itself, to compare before and after.
struct Snapshot {
    RegisterPtr array;
    std::vector<RecordPtr> rows;
    QByteArray text;
    QString fileName;
    int changeCount;
    explicit Snapshot(const MyDocument &doc)
        : array(doc.array())
        , rows(doc.array() ? doc.array()->rows() : std::vector<RecordPtr>())
        , text(doc.dataRepresentationOfType().value_or(QByteArray()))
        , fileName(doc.fileName())
        , changeCount(doc.changeCount())
    {
    }
    void expectSame(const MyDocument &doc) const
    {
        const Snapshot now(doc);
        EXPECT_EQ(now.array, array) << "the register object was replaced";
        EXPECT_EQ(now.rows, rows) << "the rows were replaced";
        EXPECT_EQ(now.text, text) << "the rows were changed";
        EXPECT_EQ(now.fileName, fileName);
        EXPECT_EQ(now.changeCount, changeCount);
    }
};

TEST_F(BadInput, MalformedRegistersAreRefusedAndChangeNothing)
{
    MyDocument open;
    openRegister(open);
    const Snapshot before(open);
    const std::vector<BadRegister> cases = badRegisters();
    EXPECT_GE(cases.size(), 30u);
    for (const BadRegister &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = write(u"bad.ldgr"_s, c.bytes);
        const QString expected = path + u": "_s + c.message;

        MyDocument fresh;
        QString why;
        EXPECT_FALSE(fresh.readFromFile(path, u"ldgr", &why));
        EXPECT_EQ(why, expected);
        EXPECT_EQ(fresh.array(), nullptr);
        EXPECT_EQ(fresh.fileName(), QString());

        why.clear();
        EXPECT_FALSE(open.readFromFile(path, u"ldgr", &why));
        EXPECT_EQ(why, expected);
        before.expectSame(open);
        EXPECT_EQ(contents(path), c.bytes) << "the file was changed";
    }
}

TEST_F(BadInput, AmountsThatAreNumbersOrNothingAreRead)
{
    for (const char *amount : {"\"\"", "\" 12.50 \"", "-45.25", "1e3", "\"+5\"", ".5", "\"\\t7\""}) {
        SCOPED_TRACE(amount);
        MyDocument doc;
        QString why;
        EXPECT_TRUE(doc.readFromFile(write(u"r.ldgr"_s, "({Amount = " + QByteArray(amount) + ";})"), u"ldgr", &why))
            << why.toStdString();
    }
}

TEST_F(BadInput, AStoredBalanceThatDisagreesWithTheAmountsIsNamedWithBothFigures)
{
    const struct {
        const char *what;
        QByteArray bytes;
        QString said; // empty when the balances agree
    } cases[] = {
        {"balances that agree, as texts and numbers", "({Amount = 100; Total = 100.00;}, {Amount = -10; Total = 90;})",
         {}},
        {"rows without a balance", "({Amount = 100;}, {Amount = -10;})", {}},
        {"a balance kept as a float by an older Cheqbook", "({Amount = 123456.78; Total = 123456.8;})", {}},
        {"the first of two rows that disagree",
         "({Amount = 100; Total = 100;}, {Amount = -10; Total = 100.00;}, {Amount = -1; Total = 0;})",
         u"row 2 holds the balance 100.00, but the amounts down to it add up to 90.00"_s},
        {"a balance that is not a number", "({Amount = 5; Total = abc;})",
         u"row 1 holds the balance \u201cabc\u201d, but the amounts down to it add up to 5.00"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const RegisterReadResult r = parseRegister(c.bytes);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(storedBalanceDisagreement(Register(r.rows)), c.said);
    }
}

TEST_F(BadInput, ARegisterChangedOnDiskIntoJunkIsNotRevertedTo)
{
    MyDocument doc;
    openRegister(doc);
    const Snapshot before(doc);
    write(u"good.ldgr"_s, "({Amount = 1;}");
    QString why;
    EXPECT_FALSE(doc.revertToSaved(&why));
    EXPECT_EQ(why, m_dir.filePath(u"good.ldgr: line 1: the list of records is not closed with \u201c)\u201d"_s));
    before.expectSame(doc);
}

TEST_F(BadInput, AFolderOrAMissingFileIsNotARegister)
{
    MyDocument doc;
    openRegister(doc);
    const Snapshot before(doc);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.ldgr"_s));
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {m_dir.filePath(u"folder.ldgr"_s),
         m_dir.filePath(u"folder.ldgr: cannot be read: it is a folder, not a file"_s)},
        {m_dir.filePath(u"missing.ldgr"_s),
         m_dir.filePath(u"missing.ldgr: cannot be read: No such file or directory"_s)},
    };
    for (const auto &c : cases) {
        QString why;
        EXPECT_FALSE(doc.readFromFile(c.path, u"ldgr", &why));
        EXPECT_EQ(why, c.message);
        before.expectSame(doc);
    }
}

// --- Statements ----------------------------------------------------------

struct Line {
    const char16_t *date;
    Cents amount;
    const char16_t *description;
};

struct BadStatement {
    const char *what;
    QByteArray bytes;
    QString error; // after "bank.csv: "; empty when the good lines are imported
    std::vector<Line> imported = {};
    std::vector<std::pair<int, QString>> skipped = {};
};

QString notANumber(const char16_t *amount) { return u"the amount \u201c%1\u201d is not a number"_s.arg(amount); }
QString tooLarge(const QString &amount) { return u"the amount \u201c%1\u201d is too large"_s.arg(amount); }
QString unclosedQuote(int line)
{
    return u"line %1: the quote that opens a field there is never closed, so the lines after it cannot be told "
           "apart; nothing was imported"_s.arg(line);
}

std::vector<BadStatement> badStatements()
{
    const QString nul = kNul + u"; nothing was imported"_s;
    return {
        // Empty, short and header lines
        {"an empty file", "", {}},
        {"only blank lines", "\r\n\n \t\n\r", {}},
        {"a header line only", "Date,Amount,Check,Status,Description\r\n", {}, {}, {{1, notANumber(u"Amount")}}},
        {"a 3-field row between good ones", "1/1,1.00,,,A\n1/2,2.00,X\n1/3,3.00,,,C\n", {},
         {{u"1/1", 100, u"A"}, {u"1/3", 300, u"C"}}, {{2, u"3 fields, 5 needed"_s}}},
        {"a single word", "junk\n", {}, {}, {{1, u"1 field, 5 needed"_s}}},
        {"four fields", "1/1,1.00,,\n", {}, {}, {{1, u"4 fields, 5 needed"_s}}},
        {"a line of commas", ",,,,\n", {}, {}, {{1, u"the amount field is empty"_s}}},
        {"a blank amount", "1/1,   ,,,A\n", {}, {}, {{1, u"the amount field is empty"_s}}},
        // Quotes and line ends
        {"an unbalanced quote in the middle skips only its own line", "1/1,1.00,,,A\n1/2,\"2.00,,,B\n1/3,3.00,,,C\n",
         {}, {{u"1/1", 100, u"A"}, {u"1/3", 300, u"C"}}, {{2, u"a quote that opens a field is never closed"_s}}},
        {"an unbalanced quote that swallows the rest", "1/1,1.00,,,A\n1/2,\"2.00,,,B\n1/3 3.00\n", unclosedQuote(2)},
        {"a quote opened at the very end", "1/1,1.00,,,\"A", unclosedQuote(1)},
        {"an unbalanced quote after an embedded newline", "1/1,1.00,,,\"two\nlines\"\n1/2,\"2.00,,,B\n",
         unclosedQuote(3)},
        {"lone CR line ends around a short row", "1/1,1.00,,,A\r1/2,2.00\r1/3,3.00,,,C\r", {},
         {{u"1/1", 100, u"A"}, {u"1/3", 300, u"C"}}, {{2, u"2 fields, 5 needed"_s}}},
        {"a lone CR inside quotes", "1/1,1.00,,,\"ONE\rTWO\"\r1/2,x,,,B\r", {}, {{u"1/1", 100, u"ONE TWO"}},
         {{3, notANumber(u"x")}}},
        {"embedded newlines move the line numbers on", "1/1,1.00,,,\"A\r\nB\r\nC\"\r\n1/2,2.00,,\r\n", {},
         {{u"1/1", 100, u"A B C"}}, {{4, u"4 fields, 5 needed"_s}}},
        {"a quote inside an unquoted amount", "1/1,12\"34,,,A\n", {}, {}, {{1, notANumber(u"12\"34")}}},
        {"text after a closing quote", "1/1,\"12.00\"x,,,A\n", {}, {}, {{1, notANumber(u"12.00x")}}},
        // Amounts
        {"a huge amount", "1/1,99999999999999999,,,A\n", {}, {}, {{1, tooLarge(u"99999999999999999"_s)}}},
        {"one cent over the limit, and the limit", "1/1,90071992547409.93,,,A\n1/2,-90071992547409.92,,,B\n", {},
         {{u"1/2", -kMaxCents, u"B"}}, {{1, tooLarge(u"90071992547409.93"_s)}}},
        {"a 100,000-digit amount", "1/1," + QByteArray(100000, '9') + ",,,A\n", {}, {},
         {{1, tooLarge(QString(23, u'9') + u'\u2026')}}},
        {"an exponent", "1/1,1e400,,,A\n", {}, {}, {{1, notANumber(u"1e400")}}},
        {"NaN and infinities", "1/1,NaN,,,A\n1/2,inf,,,B\n1/3,-Infinity,,,C\n", {}, {},
         {{1, notANumber(u"NaN")}, {2, notANumber(u"inf")}, {3, notANumber(u"-Infinity")}}},
        {"signs after the number", "1/1,12.34-,,,A\n1/2,12.34 CR,,,B\n", {}, {},
         {{1, notANumber(u"12.34-")}, {2, notANumber(u"12.34 CR")}}},
        {"signs said twice", "1/1,(-1),,,A\n1/2,--5,,,B\n", {}, {},
         {{1, notANumber(u"(-1)")}, {2, notANumber(u"--5")}}},
        {"a currency sign alone", "1/1,$,,,A\n", {}, {}, {{1, notANumber(u"$")}}},
        {"two decimal points", "1/1,1.2.3,,,A\n", {}, {}, {{1, notANumber(u"1.2.3")}}},
        {"a decimal comma", "1/1,\"1,23\",,,A\n", {}, {}, {{1, notANumber(u"1,23")}}},
        // Encodings and junk
        {"UTF-16 without a byte-order mark", utf16(u"1/1,1.00,,,A\r\n"_s, true, false), u"line 1: "_s + nul},
        {"UTF-16 with a byte-order mark", utf16(u"1/1,1.00,,,Caf\u00e9\r\n"_s, false, true), {},
         {{u"1/1", 100, u"Caf\u00e9"}}},
        {"UTF-16 cut in the middle of a character", QByteArray("\xff\xfe" "1\0,", 5),
         u"the file begins as UTF-16 text but is not valid UTF-16; nothing was imported"_s},
        {"a NUL byte in a description", QByteArray("1/1,1.00,,,A\n1/2,2.00,,,B\0C\n", 28), u"line 2: "_s + nul},
        {"binary junk with NUL bytes", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), u"line 3: "_s + nul},
        {"binary junk without NUL bytes", QByteArray(40, '\xa7'), {}, {}, {{1, u"1 field, 5 needed"_s}}},
        {"a UTF-8 byte-order mark, then Windows-1252", "\xef\xbb\xbf" "1/1,1.00,,,Caf\xe9\n", {},
         {{u"1/1", 100, u"Caf\u00e9"}}},
        {"invalid UTF-8 is read as Windows-1252", "1/1,1.00,,,\x93Quoted\x94 \xc3\n", {},
         {{u"1/1", 100, u"\u201cQuoted\u201d \u00c3"}}},
        // A bit of everything
        {"good lines among bad ones",
         "Date,Amount,Check,Status,Description\n1/1,10.00,,,A\n\n1/2,ten,,,B\n1/3,-2.50,,,C\n1/4,3.00\n", {},
         {{u"1/1", 1000, u"A"}, {u"1/3", -250, u"C"}},
         {{1, notANumber(u"Amount")}, {4, notANumber(u"ten")}, {6, u"2 fields, 5 needed"_s}}},
    };
}

// A date without its year (all these have none) is stored as the full date
// it means: with no dated line beside it, the one nearest today.
QString storedDate(QStringView written)
{
    const std::optional<StatementDate> d = yearlessDate(written);
    return d ? completeDate(d->month, d->day, {}, QDate::currentDate()).toString(u"MM/dd/yyyy") : written.toString();
}

TEST_F(BadInput, MalformedStatementsImportNothingOrExactlyTheirGoodLines)
{
    const std::vector<BadStatement> cases = badStatements();
    EXPECT_GE(cases.size(), 30u);
    for (const BadStatement &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = write(u"bank.csv"_s, c.bytes);
        MyDocument doc;
        openRegister(doc);
        const Snapshot before(doc);
        const ImportResult r = importStatement(doc, doc.count(), path);
        EXPECT_EQ(contents(path), c.bytes) << "the statement was changed";
        if (!c.error.isEmpty()) {
            EXPECT_EQ(r.error, path + u": "_s + c.error);
            before.expectSame(doc);
            continue;
        }
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        if (r.nothingToImport) {
            EXPECT_TRUE(c.imported.empty() && c.skipped.empty());
            before.expectSame(doc);
            continue;
        }
        ASSERT_EQ(doc.count(), int(before.rows.size() + c.imported.size()));
        EXPECT_TRUE(std::equal(before.rows.begin(), before.rows.end(), doc.array()->rows().begin()));
        EXPECT_EQ(doc.changeCount(), before.changeCount + int(c.imported.size()) + 1);
        for (size_t i = 0; i < c.imported.size(); ++i) {
            const Record &row = *doc.objectAtIndex(int(before.rows.size() + i));
            EXPECT_EQ(row.value(Key::Date).toString(), storedDate(c.imported[i].date));
            EXPECT_EQ(row.value(Key::Amount), Value::money(c.imported[i].amount));
            EXPECT_EQ(row.value(Key::DescriptionofTransaction).toString(),
                      QStringView(c.imported[i].description).toString());
        }
        ASSERT_EQ(r.skipped.size(), c.skipped.size());
        for (size_t i = 0; i < c.skipped.size(); ++i) {
            EXPECT_EQ(r.skipped[i].lineNumber, c.skipped[i].first);
            EXPECT_EQ(r.skipped[i].reason, c.skipped[i].second);
        }
    }
}

TEST_F(BadInput, AFolderOrAMissingFileIsNotAStatement)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"folder.csv"_s));
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {m_dir.filePath(u"folder.csv"_s),
         m_dir.filePath(u"folder.csv could not be read: it is a folder, not a file"_s)},
        {m_dir.filePath(u"missing.csv"_s),
         m_dir.filePath(u"missing.csv could not be read: No such file or directory"_s)},
    };
    for (const auto &c : cases) {
        MyDocument doc;
        openRegister(doc);
        const Snapshot before(doc);
        EXPECT_EQ(importStatement(doc, doc.count(), c.path).error, c.message);
        before.expectSame(doc);
    }
}

} // namespace
