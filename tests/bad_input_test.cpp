// A catalogue of malformed registers and statements: each must give its own
// clear message, and leave the open document and the file on disk exactly
// as they were (for a statement: import nothing, or exactly its good lines).

#include "BadInputFixture.h"
#include "MyDocument.h"
#include "RegisterFile.h"
#include "RunningBalance.h"
#include "StatementDates.h"
#include "StatementImport.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

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

} // namespace
