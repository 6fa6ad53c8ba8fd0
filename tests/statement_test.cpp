// Bank statements: reading the CSV text, and putting its lines into a register.

#include "MyDocument.h"
#include "Statement.h"
#include "StatementDates.h"
#include "StatementImport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 7);

// A date without its year (most of these have none, and nothing beside
// them with one) is stored as the full date nearest today.
QString storedDate(QStringView written)
{
    const std::optional<StatementDate> d = yearlessDate(written);
    return d ? completeDate(d->month, d->day, {}, kToday).toString(u"MM/dd/yyyy") : written.toString();
}

struct Expected {
    int line;
    const char16_t *date;
    Cents amount;
    const char16_t *description;
};

struct ParseCase {
    const char *what;
    QByteArray bytes;
    std::vector<Expected> lines;
    std::vector<std::pair<int, const char16_t *>> skipped;
};

TEST(Statement, ReadsTheStatementsBanksWrite)
{
    const ParseCase cases[] = {
        {"CRLF, quoted payee with a comma, header line",
         "Date,Amount,Check,Status,Description\r\n"
         "\"12/01/2009\",\"-50.00\",\"*\",\"\",\"SHOP, INC\"\r\n12/02/2009,12.34,,,GROCERY\r\n",
         {{2, u"12/01/2009", -5000, u"SHOP, INC"}, {3, u"12/02/2009", 1234, u"GROCERY"}},
         {{1, u"the amount \u201cAmount\u201d is not a number"}}},
        {"lone CR line ends", "1/1,1.00,,,A\r1/2,2.00,,,B\r", {{1, u"1/1", 100, u"A"}, {2, u"1/2", 200, u"B"}}, {}},
        {"byte-order mark, UTF-8 accent", "\xEF\xBB\xBF" "1/1,1.00,,,Caf\xC3\xA9\n", {{1, u"1/1", 100, u"Caf\u00e9"}}, {}},
        {"Windows-1252 bytes", "1/1,1.00,,,Caf\xE9 \x93Luna\x94 \x80\n", {{1, u"1/1", 100, u"Caf\u00e9 \u201cLuna\u201d \u20ac"}}, {}},
        {"currency signs, parentheses and grouping",
         "1/1,$12.00,,,A\n1/2,-$1.50,,,B\n1/3,$-2.25,,,C\n1/4,(12.34),,,D\n1/5,\"($1,234.56)\",,,E\n"
         "1/6,\"1,234,567.89\",,,F\n1/7,\u20ac5,,,G\n",
         {{1, u"1/1", 1200, u"A"}, {2, u"1/2", -150, u"B"}, {3, u"1/3", -225, u"C"}, {4, u"1/4", -1234, u"D"},
          {5, u"1/5", -123456, u"E"}, {6, u"1/6", 123456789, u"F"}, {7, u"1/7", 500, u"G"}},
         {}},
        {"blank lines anywhere are left out silently", "\n1/1,1.00,,,A\n\n   \n1/2,2.00,,,B\n\n\n",
         {{2, u"1/1", 100, u"A"}, {5, u"1/2", 200, u"B"}}, {}},
        {"a quoted line break becomes a blank (the report's columns stay whole) and counts as a line",
         "1/1,5.00,,,\"LINE ONE\r\nLINE TWO\"\r\n1/2,6.00,,,NEXT\r\n",
         {{1, u"1/1", 500, u"LINE ONE LINE TWO"}, {3, u"1/2", 600, u"NEXT"}}, {}},
        {"short rows", "1/1,1.00,,,A\n1/2,2.00,X\nalone\n", {{1, u"1/1", 100, u"A"}},
         {{2, u"3 fields, 5 needed"}, {3, u"1 field, 5 needed"}}},
        {"doubled quotes, a stray quote and blanks",
         "1/1,1.00,,,\"THE \"\"BEST\"\" SHOP\"\n1/2, 2.00 ,,, 5\" FLOPPY \n 1/3 , \"3.00\" ,,, \"SHOP, INC\" \n",
         {{1, u"1/1", 100, u"THE \"BEST\" SHOP"}, {2, u"1/2", 200, u" 5\" FLOPPY "}, {3, u" 1/3 ", 300, u"SHOP, INC"}},
         {}},
        // An amount with a grouping comma and no quotes splits the line in six.
        {"an unquoted 1,234.56 among five-field lines",
         "1/1,100.00,,,A\n1/2,-1,234.56,*,,RENT\n1/3,2.00,,,C\n1/4,5.00,,,SHOP, INC\n1/5,1,23,,,X\n"
         "1/6,6.00,,,F\n1/7,7.00,,,G\n",
         {{1, u"1/1", 10000, u"A"}, {2, u"1/2", -123456, u"RENT"}, {3, u"1/3", 200, u"C"}, {6, u"1/6", 600, u"F"},
          {7, u"1/7", 700, u"G"}},
         {{4, u"6 fields where the other lines have 5; a field holding a comma must be in quotes"},
          {5, u"6 fields where the other lines have 5; a field holding a comma must be in quotes"}}},
        {"six fields on every line are the bank's layout", "1/1,1.00,,,A,x\n1/2,2.00,,,B,y\n",
         {{1, u"1/1", 100, u"A"}, {2, u"1/2", 200, u"B"}}, {}},
        {"control characters become blanks, tabs stay",
         "1/1,1.00,,,\x1b]0;pwned\x07\tTAB\x7f\n",
         {{1, u"1/1", 100, u" ]0;pwned \tTAB "}}, {}},
        {"amounts that are not whole numbers are not guessed at",
         "1/1,12.34-,,,A\n1/2,12.34 CR,,,B\n1/3,,,,C\n1/4,99999999999999999,,,D\n1/5,\"1,23\",,,E\n1/6,(-1),,,F\n",
         {},
         {{1, u"the amount \u201c12.34-\u201d is not a number"},
          {2, u"the amount \u201c12.34 CR\u201d is not a number"},
          {3, u"the amount field is empty"},
          {4, u"the amount \u201c99999999999999999\u201d is too large"},
          {5, u"the amount \u201c1,23\u201d is not a number"},
          {6, u"the amount \u201c(-1)\u201d is not a number"}}},
    };
    for (const ParseCase &c : cases) {
        SCOPED_TRACE(c.what);
        const Statement s = parseStatement(c.bytes, kToday);
        EXPECT_TRUE(s.ok()) << s.error.toStdString();
        ASSERT_EQ(s.lines.size(), c.lines.size());
        for (size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(s.lines[i].lineNumber, c.lines[i].line);
            EXPECT_EQ(s.lines[i].date, storedDate(c.lines[i].date));
            EXPECT_EQ(s.lines[i].amount, c.lines[i].amount);
            EXPECT_EQ(s.lines[i].description, QStringView(c.lines[i].description).toString());
        }
        ASSERT_EQ(s.skipped.size(), c.skipped.size());
        for (size_t i = 0; i < c.skipped.size(); ++i) {
            EXPECT_EQ(s.skipped[i].lineNumber, c.skipped[i].first);
            EXPECT_EQ(s.skipped[i].reason, QStringView(c.skipped[i].second).toString());
        }
    }
}

// A date without a year was kept as typed ("12/31"), and read as the new
// year's once January came: the rent moved to the end of the register.
TEST(Statement, ADateWithoutAYearIsStoredAsTheFullDateItMeans)
{
    struct Case {
        const char *what;
        QDate today;
        QByteArray bytes;
        std::vector<const char16_t *> dates;
    } cases[] = {
        {"the year of the statement's other dates, across the turn of the year", kToday,
         "12/30/2026,-1.00,,,A\n01/02/2027,-2.00,,,B\n12/31,-3.00,,,C\n1/3,-4.00,,,D\n",
         {u"12/30/2026", u"01/02/2027", u"12/31/2026", u"01/03/2027"}},
        {"dates with years stay as the bank wrote them", kToday, "2026-11-28,-1.00,,,A\n11/29,-2.00,,,B\n",
         {u"2026-11-28", u"11/29/2026"}},
        {"no other dates: the nearest to the import, December in January", QDate(2027, 1, 2),
         "12/30,-1.00,,,A\nDec 31,-2.00,,,B\n1/1,-3.00,,,C\n", {u"12/30/2026", u"12/31/2026", u"01/01/2027"}},
        {"dots put the day first, dashes the month", kToday, "7.12,-1.00,,,A\n30.11.,-2.00,,,B\n12-1,-3.00,,,C\n",
         {u"12/07/2026", u"11/30/2026", u"12/01/2026"}},
        {"what is no date is kept as written", kToday, "13/45,-1.00,,,A\npending,-2.00,,,B\n",
         {u"13/45", u"pending"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Statement s = parseStatement(c.bytes, c.today);
        ASSERT_EQ(s.lines.size(), c.dates.size());
        for (size_t i = 0; i < c.dates.size(); ++i)
            EXPECT_EQ(s.lines[i].date, QStringView(c.dates[i]).toString());
    }
}

// A bank's export with one unbalanced quote imported neither that line nor the
// next, and said nothing.
TEST(Statement, AnUnbalancedQuoteSkipsItsLineAndTheNextLineImports)
{
    const Statement s = parseStatement("\"12/11/2025\",\"-5.00\",\"*\",\"\",\"FIRST\"\r\n"
                                       "\"12/12/2025\",\"-6.00\",\"*\",\"\",\"BAD QUOTE\r\n"
                                       "\"12/13/2025\",\"-7.00\",\"*\",\"\",\"GOOD, INC\"\r\n"
                                       "\"12/14/2025\",\"-8.00\",\"*\",\"\",\"TWO\r\nLINES\"\r\n");
    ASSERT_TRUE(s.ok()) << s.error.toStdString();
    ASSERT_EQ(s.lines.size(), 3u);
    EXPECT_EQ(s.lines[1].lineNumber, 3);
    EXPECT_EQ(s.lines[1].description, u"GOOD, INC"_s);
    EXPECT_EQ(s.lines[2].description, u"TWO LINES"_s);
    ASSERT_EQ(s.skipped.size(), 1u);
    EXPECT_EQ(s.skipped[0].lineNumber, 2);
    EXPECT_EQ(s.skipped[0].reason, u"a quote that opens a field is never closed"_s);

    // Two such lines in a row: the first quote runs over both, and both are named.
    const Statement two = parseStatement("\"1/1\",\"-1.00\",\"*\",\"\",\"ONE\n"
                                         "\"1/2\",\"-2.00\",\"*\",\"\",\"TWO\n"
                                         "\"1/3\",\"-3.00\",\"*\",\"\",\"THREE\"\n");
    ASSERT_EQ(two.lines.size(), 1u);
    ASSERT_EQ(two.skipped.size(), 1u);
    EXPECT_EQ(two.skipped[0].lines(), u"lines 1-2"_s);
    EXPECT_EQ(skippedLinesMessage(two.skipped, u"b.csv"_s),
              u"2 lines of b.csv were not imported: lines 1-2 (a quote that opens a field is never closed)."_s);
}

// A quote still open at the end would swallow every later line into one field.
TEST(Statement, AQuoteOpenAtTheEndRefusesTheWholeFile)
{
    const Statement s = parseStatement("1/1,1.00,,,A\n1/2,\"2.00,,,B\n1/3 3.00\n");
    EXPECT_EQ(s.error, u"line 2: the quote that opens a field there is never closed, so the lines after it "
                       "cannot be told apart; nothing was imported"_s);
    EXPECT_TRUE(s.lines.empty());
    EXPECT_TRUE(s.skipped.empty());

    QTemporaryDir dir;
    QFile f(dir.filePath(u"bank.csv"_s));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1/1,1.00,,,\"A\n");
    f.close();
    EXPECT_TRUE(readStatementFile(f.fileName()).error.startsWith(f.fileName() + u": line 1: the quote"_s));
    EXPECT_TRUE(readStatementFile(dir.filePath(u"none.csv"_s))
                    .error.startsWith(dir.filePath(u"none.csv could not be read: "_s)));
}

TEST(Statement, SkippedLinesMessage)
{
    std::vector<SkippedLine> skipped{{1, u"the amount \u201cAmount\u201d is not a number"_s}};
    EXPECT_EQ(skippedLinesMessage(skipped, u"bank.csv"_s),
              u"1 line of bank.csv was not imported: line 1 (the amount \u201cAmount\u201d is not a number)."_s);
    for (int line = 7; line < 13; ++line)
        skipped.push_back({line, u"3 fields, 5 needed"_s});
    EXPECT_TRUE(skippedLinesMessage(skipped).startsWith(u"7 lines of the statement were not imported: line 1 ("_s));
    EXPECT_TRUE(skippedLinesMessage(skipped).endsWith(u"), line 10 (3 fields, 5 needed), and 2 more."_s));
    EXPECT_EQ(skippedLinesMessage({}, u"bank.csv"_s), QString());
}

// --- Import -------------------------------------------------------------

RecordPtr row(QStringView description, Cents amount)
{
    RecordPtr r = makeRecord();
    r->set(Key::DescriptionofTransaction, Value::text(description));
    r->set(Key::Amount, Value::money(amount));
    return r;
}

QStringList descriptions(const MyDocument &doc)
{
    QStringList out;
    for (const RecordPtr &r : doc.array()->rows())
        out << r->value(Key::DescriptionofTransaction).toString();
    return out;
}

const QByteArray kThreeLines = "1/1,100.00,,,L1\n1/2,-25.50,,,L2\n1/3,-10.25,,,L3\n";

TEST(StatementImport, LinesLandInFileOrderAfterTheRowsThere)
{
    MyDocument doc;
    importStatement(doc, 0, parseStatement(kThreeLines, kToday)); // the first line becomes the opening row
    const int before = doc.changeCount();
    const ImportResult r =
        importStatement(doc, doc.count(), parseStatement("2/1,-4.00,,,M1\n2/2,1.00,,,M2\n", kToday));
    EXPECT_EQ(descriptions(doc), (QStringList{u"L1"_s, u"L2"_s, u"L3"_s, u"M1"_s, u"M2"_s}));
    EXPECT_EQ(r.firstRow, 3);
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(before, 4) << "one per record and one for the file";
    EXPECT_EQ(doc.changeCount() - before, 3);
    std::vector<Cents> totals;
    for (const RecordPtr &rec : doc.array()->rows())
        totals.push_back(rec->value(Key::Total).storedCents());
    EXPECT_EQ(totals, (std::vector<Cents>{10000, 7450, 6425, 6025, 6125}));

    const Record &m1 = *doc.objectAtIndex(3);
    EXPECT_EQ(m1.value(Key::CheckNumber), Value::text(u""));
    EXPECT_EQ(m1.value(Key::Date), Value::text(u"02/01/2027")) << "the February after the import";
    EXPECT_EQ(m1.value(Key::Amount), Value::money(-400));
    EXPECT_EQ(m1.keyCount(), 6) << "the four keys, its identity and the recalculated Total, no reconciled mark";
}

TEST(StatementImport, ChangeMarksAndFailures)
{
    MyDocument doc;
    QSignalSpy spy(&doc, &MyDocument::changeCountChanged);
    // Many records at once: one change each, one signal; an empty register appends.
    doc.addData(std::vector<RecordPtr>{row(u"A", 1), row(u"B", 2)}, 7);
    doc.addData(std::vector<RecordPtr>{row(u"C", 3)}, 1);
    doc.addData(std::vector<RecordPtr>{}, 0);
    EXPECT_EQ(descriptions(doc), (QStringList{u"A"_s, u"C"_s, u"B"_s}));
    EXPECT_EQ(doc.changeCount(), 3);
    EXPECT_EQ(spy.count(), 2);

    // A file with no transaction is still a change, once; an unreadable one is none.
    importStatement(doc, 3, parseStatement("Date,Amount,Check,Status,Description\n"));
    QTemporaryDir dir;
    EXPECT_TRUE(importStatement(doc, 3, dir.filePath(u"gone.csv"_s))
                    .error.startsWith(dir.filePath(u"gone.csv could not be read"_s)));
    EXPECT_FALSE(importStatement(doc, 3, parseStatement("1/1,\"1.00,,,A\n")).ok());
    EXPECT_EQ(doc.count(), 3);
    EXPECT_EQ(doc.changeCount(), 4);
}

} // namespace
