// Reading and writing register files in both forms.

#include "AtomicFile.h"
#include "Backups.h"
#include "MyDocument.h"
#include "RegisterFile.h"
#include "RegisterVersions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

RecordPtr record(std::initializer_list<std::pair<QString, Value>> entries)
{
    RecordPtr r = makeRecord();
    for (const auto &[k, v] : entries)
        r->set(QStringView(k), v);
    return r;
}

Value text(const QString &s) { return Value::text(s); }

std::vector<RecordPtr> parseOk(const QByteArray &bytes)
{
    RegisterReadResult r = parseRegister(bytes);
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    return r.rows;
}

QString parseError(const QByteArray &bytes)
{
    RegisterReadResult r = parseRegister(bytes);
    EXPECT_FALSE(r.ok()) << "accepted: " << bytes.left(200).toStdString();
    EXPECT_TRUE(r.rows.empty());
    return r.error;
}

bool sameRows(const std::vector<RecordPtr> &a, const std::vector<RecordPtr> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!a[i]->sameContents(*b[i]))
            return false;
    return true;
}

// A register with every kind of awkward text.
std::vector<RecordPtr> awkwardRows()
{
    return {
        record({{u"Amount"_s, text(u"1000.00"_s)}, {u"CheckNumber"_s, text(u""_s)}, {u"Date"_s, text(u"01/01/2026"_s)},
                {u"DescriptionofTransaction"_s, text(u"Opening balance"_s)}, {u"Total"_s, text(u"1000"_s)}}),
        record({{u"Amount"_s, text(u"-45.25"_s)}, {u"CheckNumber"_s, text(u"101"_s)},
                {u"DescriptionofTransaction"_s, text(u"Quote \" back\\slash\nline\ttab\rCR\u0001ctl"_s)},
                {u"EOMSeen"_s, text(u"1"_s)}}),
        record({{u"DescriptionofTransaction"_s, text(u"Caf\u00e9 \u20ac \U0001F600 ends in CR\r"_s)},
                {u"Memo key"_s, text(u"kept"_s)}, {u"Date"_s, text(u" "_s)}}),
        record({}),
    };
}

TEST(OldStyleWriter, WritesKeysInOrderWithTheQuotingRules)
{
    const QByteArray out = oldStyleText(awkwardRows());
    EXPECT_EQ(out,
              "(\n"
              "    {Amount = 1000.00; CheckNumber = \"\"; Date = 01/01/2026; DescriptionofTransaction = \"Opening "
              "balance\"; Total = 1000; },\n"
              "    {Amount = -45.25; CheckNumber = 101; DescriptionofTransaction = \"Quote \\\" back\\\\slash\\nline"
              "\\ttab\\rCR\\001ctl\"; EOMSeen = 1; },\n"
              "    {Date = \" \"; DescriptionofTransaction = \"Caf\\U00e9 \\U20ac \\Ud83d\\Ude00 ends in CR\\r\"; "
              "\"Memo key\" = kept; },\n"
              "    {}\n"
              ")\n");
    for (char c : out)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_EQ(oldStyleText({}), "()\n");
}

TEST(RegisterFile, BothFormsRoundTripEveryValue)
{
    std::vector<RecordPtr> rows = awkwardRows();
    rows.push_back(record({{u"Total"_s, Value::real(1234.56)}, {u"Amount"_s, Value::integer(-7)},
                           {u"Odd"_s, Value::real(0.1 + 0.2)}, {u"Balance"_s, Value::money(100000)}}));
    // Old-style: numbers come back as their text forms.
    const std::vector<RecordPtr> back = parseOk(oldStyleText(rows));
    ASSERT_EQ(back.size(), rows.size());
    EXPECT_TRUE(sameRows({back.begin(), back.begin() + 4}, {rows.begin(), rows.begin() + 4}));
    EXPECT_EQ(back[4]->value(Key::Total), text(u"1234.56"_s));
    EXPECT_EQ(back[4]->value(u"Balance"), text(u"1000.00"_s)) << "money with its cents, as the window shows it";

    // XML: texts stay texts; numbers stay numbers (money as reals).
    rows[1]->set(Key::DescriptionofTransaction, text(u"no control characters"_s));
    QString why;
    const std::optional<QByteArray> xml = xmlText(rows, &why);
    ASSERT_TRUE(xml) << why.toStdString();
    const std::vector<RecordPtr> fromXml = parseOk(*xml);
    ASSERT_EQ(fromXml.size(), rows.size());
    EXPECT_EQ(fromXml[4]->value(u"Balance"), Value::real(1000));
    EXPECT_EQ(fromXml[2]->value(Key::DescriptionofTransaction), rows[2]->value(Key::DescriptionofTransaction));
    EXPECT_EQ(fromXml[4]->value(u"Odd"), Value::real(0.1 + 0.2)) << "a real must come back bit for bit";
    EXPECT_EQ(fromXml[4]->value(Key::Amount), Value::integer(-7));
}

TEST(OldStyleReader, ReadsWhatOtherToolsWrite)
{
    const QByteArray file = "// written by hand\n"
                            "( /* the opening row */\n"
                            "  { \"Amount\" = \"1000.00\" ; CheckNumber=''; Date = 01/01/2026;\n"
                            "    DescriptionofTransaction = \"two\nlines, caf\\u00E9 \\U00e9 \\101\\a\\q\\'\"; },\n"
                            "  {Amount = -3; Category = \"caf\xc3\xa9 raw UTF-8\"},\n"
                            ")  // trailing comma above is allowed\n";
    const std::vector<RecordPtr> rows = parseOk(file);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]->value(Key::Amount), text(u"1000.00"_s));
    EXPECT_EQ(rows[0]->value(Key::CheckNumber), text(u""_s));
    EXPECT_EQ(rows[0]->value(Key::DescriptionofTransaction).toString(),
              u"two\nlines, caf\u00e9 \u00e9 A\u0007q'"_s);
    EXPECT_EQ(rows[1]->value(u"Category").toString(), u"caf\u00e9 raw UTF-8"_s);
    EXPECT_EQ(parseOk("\xef\xbb\xbf()").size(), 0u) << "a byte-order mark is allowed";
    EXPECT_EQ(parseOk(QByteArray("\xff\xfe(\0{\0}\0)\0", 10)).size(), 1u) << "UTF-16 text is allowed";
}

TEST(OldStyleReader, RefusesWhatIsNotARegisterAndSaysWhere)
{
    const struct {
        QByteArray file;
        const char *message;
    } cases[] = {
        {"", "the file is empty; a register file holds a list of records"},
        {"{Amount = 1;}", "line 1: the file holds a single record, not a list of records"},
        {"Amount", "line 1: the file does not hold a list of records (it should begin with \u201c(\u201d)"},
        {"(\n{Amount = 1;},\n(1, 2)\n)", "line 3: row 2 is not a record (a record begins with \u201c{\u201d)"},
        {"(\n{Amount = (1);}\n)",
         "line 2: the value of \u201cAmount\u201d in row 1 is a list; a record holds only texts and numbers"},
        {"({Memo = {a = b;};})",
         "line 1: the value of \u201cMemo\u201d in row 1 is a record; a record holds only texts and numbers"},
        {"({Memo = <0fbd77>;})",
         "line 1: the value of \u201cMemo\u201d in row 1 is raw data; a record holds only texts and numbers"},
        {"({Amount = 1;}", "line 1: the list of records is not closed with \u201c)\u201d"},
        {"({Amount = 1 Date = 2;})", "line 1: expected \u201c;\u201d after the value of \u201cAmount\u201d in row 1"},
        {"({Amount 1;})", "line 1: expected \u201c=\u201d after the key \u201cAmount\u201d in row 1"},
        {"({Amount = \"12;})", "line 1: a quoted text is not closed"},
        {"({} {})", "line 1: expected \u201c,\u201d or \u201c)\u201d after row 1"},
        {"() ()", "line 1: unexpected text after the end of the list"},
        {"(\n/* open", "line 2: a comment is not closed with \u201c*/\u201d"},
        {"({Amount = \"caf\xe9\";})", "line 1: the file is neither ASCII nor UTF-8 text"},
        {"bplist00\x01\x02", "the file is a binary property list, which Cheqbook does not read; save it as text or XML"},
        {"(\n{Amount = 1e400;})",
         "row 1: the Amount \u201c1e400\u201d is out of range (amounts are limited to 90 trillion dollars)"},
        {"({Total = -99999999999999999;})",
         "row 1: the Total \u201c-99999999999999999\u201d is out of range (amounts are limited to 90 trillion dollars)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseError(c.file), QString::fromUtf8(c.message)) << c.file.toStdString();
}

TEST(OldStyleReader, DeepNestingEndsInAnErrorNotAStackOverflow)
{
    EXPECT_FALSE(parseError(QByteArray(100000, '(')).isEmpty());
    EXPECT_FALSE(parseError("({A = " + QByteArray(100000, '{')).isEmpty());
    EXPECT_FALSE(parseError("(" + QByteArray(100000, '\\')).isEmpty());
}

// Keys were once inserted one by one into a sorted list: a damaged file with
// 200,000 keys in one record took over half a minute to open.
TEST(RegisterFile, ARecordWithAHugeNumberOfKeysOpensQuickly)
{
    QByteArray oldStyle = "({", xml = "<plist><array><dict>";
    for (int i = 0; i < 200000; ++i) {
        const QByteArray key = "k" + QByteArray::number((i * 7919) % 200000); // every key once, out of order
        oldStyle += key + " = v;";
        xml += "<key>" + key + "</key><string>v</string>";
    }
    oldStyle += "})";
    xml += "</dict></array></plist>";
    for (const QByteArray &file : {oldStyle, xml}) {
        QElapsedTimer timer;
        timer.start();
        const std::vector<RecordPtr> rows = parseOk(file);
        EXPECT_LT(timer.elapsed(), 10000);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0]->keyCount(), 200000);
    }
}

TEST(XmlReader, ReadsPropertyListsAndRefusesOtherValues)
{
    const QByteArray good = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<plist version=\"1.0\"><array>\n"
                            " <dict><key>Amount</key><real> -30.5 </real><key>Total</key><integer>12</integer>\n"
                            "  <key>DescriptionofTransaction</key><string>A &amp; B &#233; <![CDATA[<raw>]]></string>"
                            "<key>Date</key><string/></dict>\n"
                            " <dict/>\n"
                            "</array></plist>\n";
    const std::vector<RecordPtr> rows = parseOk(good);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]->value(Key::Amount), Value::real(-30.5));
    EXPECT_EQ(rows[0]->value(Key::Total), Value::integer(12));
    EXPECT_EQ(rows[0]->value(Key::DescriptionofTransaction).toString(), u"A & B \u00e9 <raw>"_s);
    EXPECT_EQ(rows[0]->value(Key::Date), text(u""_s));
    EXPECT_EQ(rows[1]->keyCount(), 0);

    // Encodings the file declares or marks are honoured.
    const QString cafe = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><plist><array><dict><key>Memo</key>"
                         "<string>caf\u00e9</string></dict></array></plist>"_s;
    QStringEncoder toUtf16(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    const QByteArray withBom = toUtf16.encode(cafe);
    QByteArray latin1 = cafe.toLatin1();
    latin1.replace("UTF-16", "ISO-8859-1");
    for (const QByteArray &file : {withBom, latin1}) {
        const std::vector<RecordPtr> read = parseOk(file);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0]->value(u"Memo").toString(), u"caf\u00e9"_s);
    }

    auto wrap = [](const char *inner) {
        return "<plist version=\"1.0\"><array><dict>" + QByteArray(inner) + "</dict></array></plist>";
    };
    const struct {
        QByteArray file;
        const char *message;
    } cases[] = {
        {wrap("<key>Memo</key><true/>"),
         "line 1: row 1: the value of \u201cMemo\u201d is a yes/no value; a record holds only texts and numbers"},
        {wrap("<key>Memo</key><date>2026-01-01T00:00:00Z</date>"),
         "line 1: row 1: the value of \u201cMemo\u201d is a date value; a record holds only texts and numbers"},
        {wrap("<key>Memo</key><array/>"),
         "line 1: row 1: the value of \u201cMemo\u201d is a list; a record holds only texts and numbers"},
        {wrap("<key>Amount</key><real>ten</real>"),
         "line 1: row 1: the value of \u201cAmount\u201d is not a number: \u201cten\u201d"},
        {wrap("<key>Amount</key><real>nan</real>"),
         "row 1: the Amount \u201cnan\u201d is out of range (amounts are limited to 90 trillion dollars)"},
        {wrap("<key>Total</key><integer>99999999999999999999</integer>"),
         "line 1: row 1: the value of \u201cTotal\u201d is not a number: \u201c99999999999999999999\u201d"},
        {wrap("<key>Amount</key>"), "line 1: row 1: the key \u201cAmount\u201d has no value"},
        {wrap("<string>x</string>"), "line 1: row 1: expected <key>, found <string>"},
        {"<plist><dict/></plist>", "line 1: the file holds a single record, not a list of records"},
        {"<plist><array><string>x</string></array></plist>", "line 1: row 1 is not a record (found <string>)"},
        {"<plist/>", "line 1: the property list is empty; a register file holds a list of records"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseError(c.file), QString::fromUtf8(c.message)) << c.file.toStdString();
    EXPECT_TRUE(parseError("<plist><array><dict><key>A</key>").startsWith(u"line 1: the XML is malformed"));
    EXPECT_TRUE(parseError("<plist><array></array><array/></plist>").contains(u"after the list"));
    // Entity expansion bombs are cut off by the XML reader.
    QByteArray bomb = "<?xml version=\"1.0\"?><!DOCTYPE p [<!ENTITY a \"aaaaaaaaaa\">";
    for (char c = 'b'; c <= 'k'; ++c)
        bomb += QByteArray("<!ENTITY ") + c + " \"" + QByteArray(10, '&').replace("&", QByteArray("&") + char(c - 1) + ";")
            + "\">";
    bomb += "]><plist><array><dict><key>A</key><string>&k;</string></dict></array></plist>";
    EXPECT_FALSE(parseError(bomb).isEmpty());
}

TEST(XmlWriter, RefusesTextsXmlCannotCarry)
{
    QString why;
    EXPECT_FALSE(xmlText({record({{u"DescriptionofTransaction"_s, text(u"bell\u0007"_s)}})}, &why));
    EXPECT_EQ(why, u"row 1: the DescriptionofTransaction holds a control character, which the XML form cannot store");
    EXPECT_FALSE(xmlText({makeRecord(), record({{u"Memo"_s, text(QString(QChar(0xd800)))}})}, &why));
    EXPECT_TRUE(why.startsWith(u"row 2: the Memo"));
    EXPECT_TRUE(xmlText({record({{u"Memo"_s, text(u"tab\tnewline\ncr\r"_s)}})}, &why));
}

// Half a surrogate pair, which an old-style file can spell, was refused as "a
// control character", which sent the user looking for the wrong thing.
TEST(XmlWriter, HalfASurrogatePairIsNamedForWhatItIsNotCalledAControlCharacter)
{
    QString why;
    const RegisterReadResult read = parseRegister("({Amount = 1; Memo = \"broken \\Ud83d here\";})");
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_FALSE(xmlText(read.rows, &why));
    EXPECT_EQ(why, u"row 1: the Memo holds half of a character (a lone UTF-16 surrogate, U+D83D), which the XML "
                   "form cannot store"_s);
    EXPECT_FALSE(xmlText({record({{u"Memo"_s, text(QString(QChar(0xdc00)))}})}, &why));
    EXPECT_TRUE(why.contains(u"a lone UTF-16 surrogate, U+DC00")) << why.toStdString();
    EXPECT_FALSE(xmlText({record({{u"Memo"_s, text(u"\uffff"_s)}})}, &why));
    EXPECT_EQ(why, u"row 1: the Memo holds the noncharacter U+FFFF, which the XML form cannot store"_s);
    EXPECT_TRUE(xmlText({record({{u"Memo"_s, text(u"a whole pair \U0001F600"_s)}})}, &why));
}

// Another program's property-list parser must read what Cheqbook writes, and
// Cheqbook must read what that program writes.
TEST(Interoperability, GNUstepReadsAndWritesTheOldStyleForm)
{
    // GNUstep's plser reads a property-list file and serializes it; pldes
    // writes that back as old-style text of its own making.
    const QString plser = QStandardPaths::findExecutable(u"plser"_s);
    const QString pldes = QStandardPaths::findExecutable(u"pldes"_s);
    if (plser.isEmpty() || pldes.isEmpty())
        GTEST_SKIP() << "GNUstep's plser and pldes are not installed";
    QTemporaryDir dir;
    const QString ours = dir.filePath(u"ours.ldgr"_s);
    const QString serialized = dir.filePath(u"ours.ser"_s);
    ASSERT_EQ(writeFileAtomically(ours, oldStyleText(awkwardRows())), QString());
    QProcess ser;
    ser.setStandardOutputFile(serialized);
    ser.start(plser, {ours});
    ASSERT_TRUE(ser.waitForFinished(30000));
    QProcess des;
    des.start(pldes, {serialized});
    ASSERT_TRUE(des.waitForFinished(30000));
    const QByteArray theirs = des.readAllStandardOutput();
    EXPECT_TRUE(sameRows(parseOk(theirs), awkwardRows())) << theirs.toStdString();
}

TEST(Interoperability, PythonPlistlibReadsAndWritesTheXmlForm)
{
    const QString python = QStandardPaths::findExecutable(u"python3"_s);
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    std::vector<RecordPtr> rows = awkwardRows();
    rows.erase(rows.begin() + 1); // its control character cannot go into XML
    // plistlib writes a carriage return raw, which XML reads back as a line feed.
    rows[1]->set(Key::DescriptionofTransaction, text(u"Caf\u00e9 \u20ac \U0001F600"_s));
    rows.push_back(record({{u"Total"_s, Value::real(0.1 + 0.2)}, {u"Amount"_s, Value::integer(-7)}}));
    QString why;
    const std::optional<QByteArray> xml = xmlText(rows, &why);
    ASSERT_TRUE(xml);
    // plistlib reads our file and writes it back in its own way.
    QProcess p;
    p.start(python, {u"-c"_s, u"import plistlib,sys; sys.stdout.buffer.write("
                              "plistlib.dumps(plistlib.loads(sys.stdin.buffer.read())))"_s});
    p.write(*xml);
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const std::vector<RecordPtr> back = parseOk(p.readAllStandardOutput());
    ASSERT_EQ(back.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i]->forEachKey([&](QStringView key, const Value &v) {
            const Value expected = v.kind() == Value::Kind::Money ? Value::real(v.doubleValue()) : v;
            EXPECT_EQ(back[i]->value(key), expected) << "row " << i << " " << key.toString().toStdString();
        });
        EXPECT_EQ(back[i]->keyCount(), rows[i]->keyCount());
    }
}

TEST(AtomicFile, AFailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"reg.ldgr"_s);
    ASSERT_EQ(writeFileAtomically(path, "old contents"), QString());
    // A folder that does not exist.
    EXPECT_TRUE(writeFileAtomically(dir.filePath(u"gone/reg.ldgr"_s), "x").startsWith(u"reg.ldgr could not be written"));
    // A read-only folder (root ignores permissions, so only check when they hold).
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString failure = writeFileAtomically(path, "new contents");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    if (!failure.isEmpty()) {
        EXPECT_EQ(f.readAll(), "old contents");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left behind";
}

// Saves write the text as it is made, a megabyte at a time: a register
// that needs several pieces must come out as the whole text would, its
// version named the same, and a text the XML form refuses late in the
// register must leave the file it would have replaced as it was.
TEST(StreamedWriting, ManyPiecesMakeTheWholeTextAndARefusalLateOnWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"big.ldgr"_s);
    std::vector<RecordPtr> rows = awkwardRows();
    for (int i = 0; i < 30000; ++i)
        rows.push_back(record({{u"Amount"_s, Value::money(-i)}, {u"Date"_s, text(u"12/01/2026"_s)},
                               {u"DescriptionofTransaction"_s, text(u"Row %1 \u00e9"_s.arg(i))}}));
    const QByteArray whole = oldStyleText(rows);
    ASSERT_GT(whole.size(), 2 << 20) << "more than two pieces";

    MyDocument doc;
    QString why;
    writeFile(path, whole);
    ASSERT_TRUE(doc.readFromFile(path, u"ldgr", &why)) << why.toStdString();
    doc.edit(u"Amount"_s, [&] { doc.setValue(3, Key::Amount, Value::money(1)); });
    ASSERT_TRUE(doc.saveToFile(path, &why)) << why.toStdString();
    EXPECT_EQ(readFile(path), oldStyleText(doc.array()->rows()));
    EXPECT_EQ(readFile(backupPath(path)), whole);
    EXPECT_EQ(versionHashOfText(doc.array()->rows()), versionHash(readFile(path)));

    QString refused;
    std::optional<QByteArray> xml = xmlText(rows, &refused);
    ASSERT_EQ(xml, std::nullopt) << "row 2 holds a control character";
    rows.erase(rows.begin() + 1);
    rows.push_back(record({{u"DescriptionofTransaction"_s, text(u"late \u0001"_s)}}));
    const QString before = dir.filePath(u"before.xml"_s);
    ASSERT_EQ(writeFileAtomically(before, "kept"), QString());
    const QString failure = writeFileAtomically(before, [&](const ChunkWriter &put) {
        return writeXml(rows, put, &refused);
    });
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_EQ(refused, u"row 30004: the DescriptionofTransaction holds a control character, which the XML form "
                       "cannot store"_s);
    EXPECT_EQ(readFile(before), "kept");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3) << "no new file left behind";
}

// The version of a text handed over in pieces is the version of the whole,
// wherever the pieces are cut.
TEST(StreamedWriting, AVersionIsTheSameWhereverItsTextIsCut)
{
    const QByteArray text = "(\n    {Amount = -45.25; Date = 12/01/2026; DescriptionofTransaction = Coffee; },\n)\n";
    for (int cut : {1, 3, 7, 8, 9, 16, 17, 1000}) {
        VersionHasher hasher;
        for (qsizetype at = 0; at < text.size(); at += cut)
            hasher.add(QByteArrayView(text).sliced(at, std::min<qsizetype>(cut, text.size() - at)));
        EXPECT_EQ(hasher.value(), versionHash(text)) << "cut every " << cut;
    }
    EXPECT_EQ(VersionHasher().value(), versionHash(QByteArray()));
}

} // namespace
