// Statements that are not what they seem: each imports nothing, or exactly
// its good lines, and says which line was wrong and why.

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
