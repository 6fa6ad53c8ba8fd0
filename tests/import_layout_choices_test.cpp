// Bank exports where the file alone does not settle the reading: amounts
// without a sign, dates settled by the file's order, dates without a year,
// lines of another encoding, descriptions beyond the limit, remembered
// layouts, and choices read again from the decoded text.

#include "CsvLayout.h"
#include "LayoutMemory.h"
#include "StatementReader.h"
#include "StatementText.h"

#include <QSettings>
#include <QTemporaryDir>

#include "ImportLayoutSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A card's charges, written without a sign, came in as money in.
TEST(CsvLayouts, UnsignedAmountsWaitUntilSomeoneSaysWhichWayTheyWent)
{
    const QByteArray card = statementFile("card-charges.csv");
    const StatementRead open = readStatement(card, {}, kToday);
    EXPECT_TRUE(open.needsAmountSign());
    ReadChoices out;
    out.amountSign = AmountSign::MoneyOut;
    const StatementRead charges = readStatement(card, out, kToday);
    EXPECT_FALSE(charges.needsAmountSign());
    std::vector<Cents> amounts;
    for (const StatementLine &l : charges.statement.lines)
        amounts.push_back(l.amount);
    EXPECT_EQ(amounts, (std::vector<Cents>{-5421, -3890, -1549, -6107}));
    // A payment to the card, written with a minus, is money in then.
    const StatementRead payment =
        readStatement("Date,Description,Amount\n11/02/2026,SAFEWAY,54.21\n11/20/2026,PAYMENT THANK YOU,-500.00\n", out,
                      kToday);
    ASSERT_EQ(payment.statement.lines.size(), 2u);
    EXPECT_EQ(payment.statement.lines[1].amount, 50000);
    EXPECT_FALSE(readStatement("Date,Description,Amount\n11/02/2026,SAFEWAY,-54.21\n", {}, kToday).needsAmountSign())
        << "an amount with a sign says which way the column goes";
    ReadChoices in;
    in.amountSign = AmountSign::AsWritten;
    EXPECT_FALSE(readStatement(card, in, kToday).needsAmountSign());
}

// --date-order read a file's dates in an order its own dates refuse; and
// a file whose dates read both ways was always asked about, though only one
// reading put them within weeks in the order of the file.
TEST(CsvLayouts, DatesThatReadBothWaysAreSettledByTheOrderOfTheFile)
{
    const StatementRead weeks = readStatement(statementFile("weeks-mdy.csv"), {}, kToday);
    EXPECT_FALSE(weeks.needsDateOrder());
    EXPECT_EQ(weeks.dateBasis, DateOrderBasis::FileOrder);
    EXPECT_EQ(weeks.statement.notes,
              std::vector<QString>{u"read as month/day/year: the dates then fall between 11/03/2026 and 12/01/2026, "
                                   "in the order of the file, while read as day/month/year they would not"_s});
    struct Case {
        const char *dates;
        DateOrder order; // Unknown: a person is asked
    } cases[] = {
        {"11/03/2026 11/05/2026 11/07/2026", DateOrder::MonthDayYear},
        {"03/11/2026 05/11/2026 07/11/2026", DateOrder::DayMonthYear},
        {"07/11/2026 05/11/2026 03/11/2026", DateOrder::DayMonthYear}, // latest first
        {"03/04/2026", DateOrder::Unknown},                            // one date says nothing
        {"01/02/2026 02/01/2026", DateOrder::Unknown},                 // a month either way
        {"05/05/2026 06/06/2026", DateOrder::MonthDayYear},            // the same either way
    };
    for (const Case &c : cases) {
        QByteArray bytes = "Date,Description,Amount\n";
        for (const QByteArray &d : QByteArray(c.dates).split(' '))
            bytes += d + ",X,-1.00\n";
        const StatementRead r = readStatement(bytes, {}, kToday);
        EXPECT_EQ(int(r.layout.dateOrder), int(c.order)) << c.dates;
        EXPECT_EQ(r.needsDateOrder(), c.order == DateOrder::Unknown) << c.dates;
    }
    // An order given is taken only where the dates leave it open.
    ReadChoices mdy;
    mdy.dateOrder = DateOrder::MonthDayYear;
    const StatementRead spanish = readStatement(statementFile("dayfirst-es.csv"), mdy, kToday);
    EXPECT_EQ(spanish.dateOrderConflict,
              u"its dates are written day/month/year (line 5: \u201c14/11/2026\u201d), not month/day/year"_s);
    EXPECT_EQ(spanish.layout.dateOrder, DateOrder::DayMonthYear) << "never read in the order refused";
    ReadChoices dmy;
    dmy.dateOrder = DateOrder::DayMonthYear;
    const StatementRead chosen = readStatement(statementFile("weeks-mdy.csv"), dmy, kToday);
    EXPECT_EQ(chosen.dateBasis, DateOrderBasis::Chosen);
    EXPECT_EQ(chosen.statement.lines.front().date, u"03/11/2026"_s);
    EXPECT_TRUE(readStatement(statementFile("weeks-mdy.csv"), mdy, kToday).dateOrderConflict.isEmpty());
    // Dates that contradict each other are read in no order of their own.
    const StatementRead both = readStatement("Date,Description,Amount\n13/11/2026,A,-1\n11/13/2026,B,-1\n", {}, kToday);
    EXPECT_TRUE(both.needsDateOrder());
    EXPECT_TRUE(both.dates.readable.empty());
}

// A date without a year ("12/30", "Dec 31") was read as this year's, or not
// at all, and stored as the bank wrote it.
TEST(CsvLayouts, ADateWithoutAYearTakesTheYearOfTheStatement)
{
    const StatementRead r =
        readStatement("Datum;Text;Betrag\n30.12.;A;-1,00\n02.01.2027;B;-2,00\n31.12.;C;-3,00\n", {}, QDate(2027, 1, 5));
    ASSERT_TRUE(r.ok()) << r.statement.error.toStdString();
    QStringList dates;
    for (const StatementLine &l : r.statement.lines)
        dates << l.date;
    EXPECT_EQ(dates, (QStringList{u"12/30/2026"_s, u"01/02/2027"_s, u"12/31/2026"_s}));
    EXPECT_EQ(completeDate(2, 29, {}, QDate(2027, 3, 1)), QDate(2028, 2, 29)) << "only leap years have one";
    EXPECT_EQ(completeDate(12, 30, {QDate(2026, 11, 2), QDate(2026, 11, 30)}, QDate(2027, 6, 1)),
              QDate(2026, 12, 30)) << "the statement's year before today's";
}

// A CSV mixing UTF-8 and Windows-1252 lines was decoded whole as
// Windows-1252 ("CafÃ©"); a Windows-1252 letter as the file's last byte was
// dropped.
TEST(CsvLayouts, ALineOfAnotherEncodingIsReadAsItsOwn)
{
    const StatementRead r = readStatement(statementFile("mixed-encoding.csv"), {}, kToday);
    expectLines(r.statement,
                {{2, u"12/29/2026", u"", u"Caf\u00e9 Luna", -450}, {3, u"12/30/2026", u"", u"Caf\u00e9 Luna", -450},
                 {4, u"12/31/2026", u"", u"B\u00e4ckerei Schmidt", -320}},
                {});
    EXPECT_EQ(r.statement.notes, std::vector<QString>{u"line 3 is not UTF-8 and was read as Windows-1252 (Latin-1), "
                                                      "the other lines as UTF-8"_s});
    EXPECT_EQ(decodeStatementText("1/1,1.00,,,Caf\xe9").text, u"1/1,1.00,,,Caf\u00e9"_s);
    EXPECT_TRUE(decodeStatementText("Caf\xe9\nCaf\xe9\n").windows1252Lines.empty()) << "one encoding, no word";
}

// A 200,000,000-character description went whole into the register.
TEST(CsvLayouts, ADescriptionBeyondTheLimitIsCutWithAWord)
{
    const QByteArray longName(kMaxStatementDescription + 500, 'x');
    for (const QByteArray &bytes : {"Date,Description,Amount\n11/03/2026," + longName + ",-1.00\n",
                                    "11/03/2026,-1.00,,," + longName + "\n"}) {
        const StatementRead r = readStatement(bytes, {}, kToday);
        ASSERT_EQ(r.statement.lines.size(), 1u);
        EXPECT_EQ(r.statement.lines[0].description.size(), kMaxStatementDescription);
        EXPECT_EQ(r.statement.lines[0].note, u"the description is 2,500 characters long; only its first 2,000 "
                                             "are kept"_s);
    }
    QString note;
    EXPECT_EQ(limitedText(u"a\U0001F600b"_s, 2, u"it"_s, &note), u"a"_s) << "never half a character";
}

TEST(CsvLayouts, ALayoutIsRememberedByItsHeaderAndRefusedWhenDamaged)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(u"s.ini"_s), QSettings::IniFormat);
    LayoutMemory memory(settings);
    CsvLayout l;
    l.separator = u';';
    l.headerLine = 3;
    l.fieldCount = 6;
    l.date = 1;
    l.amount = -1;
    l.moneyOut = 4;
    l.moneyIn = 5;
    l.description = 2;
    l.checkNumber = 0;
    l.dateOrder = DateOrder::DayMonthYear;
    l.decimalComma = true;
    l.amountSign = AmountSign::MoneyOut;
    const QString key = headerKeyOf({u"Num"_s, u"Date"_s, u"Payee"_s, u"x"_s, u"Out"_s, u"In"_s}, u';');
    memory.remember(key, l);
    EXPECT_EQ(memory.layoutFor(key), l);
    EXPECT_EQ(memory.layoutFor(headerKeyOf({u" NUM "_s, u"date"_s, u"Payee"_s, u"X"_s, u"out"_s, u"in"_s}, u';')), l)
        << "letter case and blanks around a name are no other header";
    EXPECT_FALSE(memory.layoutFor(headerKeyOf({u"Num"_s, u"Date"_s}, u';')));
    // A settings file edited by hand, or from another version, is not trusted.
    for (const char16_t *bad : {u"separator=44;date=9", u"nonsense", u""})
        EXPECT_FALSE(layoutFromText(bad)) << QStringView(bad).toString().toStdString();
    QString beyond = layoutText(l);
    beyond.replace(u"amount=-1"_s, u"amount=7"_s);
    EXPECT_FALSE(layoutFromText(beyond)) << "a column the header does not have";
    // A layout an older version remembered, which never asked about signs.
    QString older = layoutText(l);
    older.remove(u";amounts=out"_s);
    ASSERT_TRUE(layoutFromText(older));
    EXPECT_EQ(layoutFromText(older)->amountSign, AmountSign::Unasked);
}

// A statement is decoded once and split once, and a choice made in the
// preview reads that text again: a reading from it that lost the encoding
// note, or took the split of another separator or width, would differ from
// reading the bytes afresh.
TEST(CsvLayouts, AChoiceReadFromTheDecodedTextMatchesReadingTheBytes)
{
    const QByteArray mixed = "Date;Description;Amount\n12/29/2026;Caf\xc3\xa9 Luna;-4,50\n"
                             "12/30/2026;\"B\xe4" "ckerei\nSchmidt\";-3,20\n12/31/2026;\"open;-1,00\n"
                             "01/02/2027;Kiosk;-2,00\n";
    const QByteArray fiveField = "12/29/2026,-4.50,,,Caf\xe9 Luna\n12/30/2026,-3.20,,,\"Kiosk\n";
    ReadChoices comma;
    comma.separator = u',';
    ReadChoices dayFirst;
    dayFirst.dateOrder = DateOrder::DayMonthYear;
    ReadChoices named;
    named.columns.description = 0;
    named.columns.date = 0;
    named.columns.amount = 2;
    CsvLayout twoColumns;
    twoColumns.separator = u';';
    twoColumns.description = -1;
    ReadChoices personal;
    personal.layout = twoColumns;
    struct Case {
        const char *name;
        QByteArray bytes;
        ReadChoices choices;
    };
    const Case cases[] = {
        {"the layout found", mixed, {}},      {"another separator", mixed, comma},
        {"a date order", mixed, dayFirst},    {"columns named over the header", mixed, named},
        {"a person's layout, headerless", mixed, personal}, {"five fields, a quote left open", fiveField, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const StatementRead first = readStatement(c.bytes, {}, kToday);
        const StatementRead fresh = readStatement(c.bytes, c.choices, kToday);
        const StatementRead again = readCsvStatementText(first.decoded, c.choices, kToday);
        EXPECT_EQ(again.statement.error, fresh.statement.error);
        EXPECT_EQ(again.statement.notes, fresh.statement.notes);
        EXPECT_EQ(again.layout, fresh.layout);
        ASSERT_EQ(again.statement.lines.size(), fresh.statement.lines.size());
        for (size_t i = 0; i < fresh.statement.lines.size(); ++i) {
            EXPECT_EQ(again.statement.lines[i].description, fresh.statement.lines[i].description);
            EXPECT_EQ(again.statement.lines[i].bankId, fresh.statement.lines[i].bankId);
        }
        ASSERT_EQ(again.statement.skipped.size(), fresh.statement.skipped.size());
        for (size_t i = 0; i < fresh.statement.skipped.size(); ++i)
            EXPECT_EQ(again.statement.skipped[i].reason, fresh.statement.skipped[i].reason);
        EXPECT_FALSE(again.detected.records) << "the split is not kept once read";
    }
}

} // namespace
