// Bank exports in the layouts banks write: the header found and read by its
// names, the separator, decimal commas, the date order, and what is not a
// transaction listed with its reason.

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

TEST(CsvLayouts, AHeaderWithCheckNumbers)
{
    const StatementRead r = readStatement(statementFile("header-check-numbers.csv"), {}, kToday);
    EXPECT_EQ(r.format, StatementFormat::LayoutCsv);
    EXPECT_EQ(r.layout.headerLine, 1);
    EXPECT_EQ(r.layout.dateOrder, DateOrder::MonthDayYear) << "12/15 has a day above 12";
    EXPECT_FALSE(r.needsDateOrder());
    // "Details" only says DEBIT or CHECK, so the description is "Description".
    EXPECT_EQ(r.detected.header[size_t(r.layout.description)], u"Description"_s);
    expectLines(r.statement,
                {{2, u"12/01/2026", u"", u"HY-VEE #1234 LAWRENCE KS      12/01", -7124},
                 {3, u"12/02/2026", u"1043", u"CHECK 1043", -125000},
                 {4, u"12/03/2026", u"", u"REMOTE ONLINE DEPOSIT #          1", 45000},
                 {5, u"12/15/2026", u"", u"NORTHWIND LOGISTICS PAYROLL    PPD ID: 9111111101", 214567},
                 {6, u"12/16/2026", u"", u"STARBUCKS STORE 05531", -450},
                 {7, u"12/16/2026", u"", u"STARBUCKS STORE 05531", -450},
                 {8, u"12/18/2026", u"1044", u"CHECK 1044", -8210},
                 {9, u"12/21/2026", u"", u"EVERGY KS CENTRAL  ONLINE PMT", -11840}},
                {});
    // The two coffees differ in their balance column, so they are two transactions.
    EXPECT_NE(r.statement.lines[4].bankId, r.statement.lines[5].bankId);
}

TEST(CsvLayouts, MoneyOutAndMoneyInColumnsEitherBlank)
{
    const StatementRead r = readStatement(statementFile("debit-credit.csv"), {}, kToday);
    EXPECT_EQ(r.layout.dateOrder, DateOrder::YearMonthDay);
    // Of "Transaction Date" and "Posted Date", the date the bank posted it.
    EXPECT_EQ(r.detected.header[size_t(r.layout.date)], u"Posted Date"_s);
    expectLines(r.statement,
                {{2, u"11/30/2026", u"", u"AMAZON MKTPL*2K4HX1AB3", -2397},
                 {3, u"12/01/2026", u"", u"SHELL OIL 57444533204", -4108},
                 {4, u"12/02/2026", u"", u"CAPITAL ONE ONLINE PYMT AUTHDATE 12/01", 50000},
                 {5, u"12/05/2026", u"", u"NETFLIX.COM", -1549},
                 {6, u"12/07/2026", u"", u"TARGET        00022186", 1299},
                 {7, u"12/09/2026", u"", u"CHIPOTLE 1187", 0}},
                {});
}

TEST(CsvLayouts, AccountLinesBeforeTheHeaderAreNotTransactions)
{
    const StatementRead r = readStatement(statementFile("preamble.csv"), {}, kToday);
    EXPECT_EQ(r.layout.headerLine, 7);
    const char16_t *before = u"before the header, not a transaction";
    expectLines(r.statement,
                {{9, u"11/02/2026", u"",
                  u"Maple Court Apartments DES:RENT ID:0412 INDN:Jane Doe CO ID:1234567890 PPD", -145000},
                 {10, u"11/03/2026", u"", u"Hy-Vee 1234 11/02 #000123456 PURCHASE LAWRENCE KS", -8812},
                 {11, u"11/14/2026", u"", u"NORTHWIND LOGISTICS DES:PAYROLL ID:0000123 INDN:Jane Doe CO ID:1111111111 PPD",
                  214567},
                 {12, u"11/30/2026", u"", u"NORTHWIND LOGISTICS DES:PAYROLL ID:0000124 INDN:Jane Doe CO ID:1111111111 PPD",
                  214567}},
                {{1, before}, {2, before}, {3, before}, {4, before}, {5, before},
                 {8, u"the amount field is empty"}});
}

TEST(CsvLayouts, SemicolonsDecimalCommasAndDayFirstDates)
{
    const StatementRead r = readStatement(statementFile("semicolon-decimal-comma.csv"), {}, kToday);
    EXPECT_EQ(r.layout.separator, u';');
    EXPECT_TRUE(r.layout.decimalComma);
    EXPECT_EQ(r.layout.dateOrder, DateOrder::DayMonthYear);
    const char16_t *before = u"before the header, not a transaction";
    expectLines(r.statement,
                {{5, u"11/03/2026", u"", u"Albert Heijn 1402; Betaalpas", -2345},
                 {6, u"11/05/2026", u"", u"NS Groep IZ; Reizen 04-11", -1280},
                 {7, u"11/13/2026", u"", u"Werkgever B.V.; Salaris november", 285000},
                 {8, u"11/25/2026", u"", u"Woningstichting; Huur december", -123456},
                 {9, u"11/30/2026", u"", u"Rente", 42}},
                {{1, before}, {2, before},
                 {10, u"the date \u201cTotaal\u201d is not a date (day/month/year)"}});
}

TEST(CsvLayouts, TheFiveFieldLayoutIsReadAsItAlwaysWas)
{
    const QByteArray bytes = "12/01/2009,-50.00,*,,GROCERY\n1/2,\"1,234.56\",,,\"SHOP, INC\"\n";
    const StatementRead r = readStatement(bytes, {}, kToday);
    EXPECT_EQ(r.format, StatementFormat::FiveFieldCsv);
    const Statement plain = parseStatement(bytes);
    ASSERT_EQ(r.statement.lines.size(), plain.lines.size());
    for (size_t i = 0; i < plain.lines.size(); ++i) {
        EXPECT_EQ(r.statement.lines[i].date, plain.lines[i].date) << "the date's text as the bank wrote it";
        EXPECT_EQ(r.statement.lines[i].amount, plain.lines[i].amount);
        EXPECT_EQ(r.statement.lines[i].description, plain.lines[i].description);
    }
}

TEST(CsvLayouts, TheHeaderNamesRead)
{
    const std::pair<const char16_t *, ColumnRole> names[] = {
        {u"Date", ColumnRole::Date},
        {u"Posting Date", ColumnRole::Date},
        {u"TRANSACTION DATE", ColumnRole::Date},
        {u" posted  date ", ColumnRole::Date},
        {u"Trans. Date", ColumnRole::Date},
        {u"Description", ColumnRole::Description},
        {u"Payee", ColumnRole::Description},
        {u"Name", ColumnRole::Description},
        {u"Details", ColumnRole::Description},
        {u"Memo", ColumnRole::Memo},
        {u"Amount", ColumnRole::Amount},
        {u"Amount (USD)", ColumnRole::Amount},
        {u"Debit", ColumnRole::MoneyOut},
        {u"Withdrawals", ColumnRole::MoneyOut},
        {u"Money Out", ColumnRole::MoneyOut},
        {u"Credit", ColumnRole::MoneyIn},
        {u"Deposit", ColumnRole::MoneyIn},
        {u"Money In", ColumnRole::MoneyIn},
        {u"Check Number", ColumnRole::CheckNumber},
        {u"Check #", ColumnRole::CheckNumber},
        {u"Check or Slip #", ColumnRole::CheckNumber},
        {u"Num", ColumnRole::CheckNumber},
        {u"Debit/Credit", ColumnRole::Sign},
        {u"Running Bal.", ColumnRole::Balance},
        // Not columns Cheqbook reads: a summary's amount, a card number, an account.
        {u"Summary Amt.", ColumnRole::None},
        {u"Card No.", ColumnRole::None},
        {u"Amounts owed to date", ColumnRole::None},
    };
    for (const auto &[name, role] : names)
        EXPECT_EQ(int(columnRole(name)), int(role)) << QStringView(name).toString().toStdString();
}

TEST(CsvLayouts, TheDateOrderIsDecidedFromTheWholeColumn)
{
    using V = std::vector<QString>;
    struct Case {
        V dates;
        DateOrder order;
        bool settled;
    } cases[] = {
        {{u"03/11/2026"_s, u"04/11/2026"_s, u"11/13/2026"_s}, DateOrder::MonthDayYear, true},
        {{u"03/11/2026"_s, u"13/11/2026"_s}, DateOrder::DayMonthYear, true},
        {{u"3.11.26"_s, u"30.11.26"_s}, DateOrder::DayMonthYear, true},
        {{u"2026-11-03"_s, u"2026-11-04"_s, u"Total"_s}, DateOrder::YearMonthDay, true},
        {{u"20261103"_s}, DateOrder::YearMonthDay, true},
        {{u"Dec 3, 2026"_s, u"03-Dec-2026"_s}, DateOrder::MonthDayYear, true}, // names say which part is which
        {{u"03/11/2026"_s, u"04/11/2026"_s}, DateOrder::Unknown, false},      // every day 12 or less
        {{u"13/11/2026"_s, u"11/13/2026"_s}, DateOrder::Unknown, false},      // contradicts itself
    };
    for (const Case &c : cases) {
        const DateOrderEvidence e = decideDateOrder(c.dates);
        EXPECT_EQ(int(e.order), int(c.order)) << c.dates.front().toStdString();
        EXPECT_EQ(e.settled, c.settled) << c.dates.front().toStdString();
    }

    const std::tuple<const char16_t *, DateOrder, QDate> reads[] = {
        {u"03/11/2026", DateOrder::MonthDayYear, {2026, 3, 11}},
        {u"03/11/2026", DateOrder::DayMonthYear, {2026, 11, 3}},
        {u"3.11.26", DateOrder::DayMonthYear, {2026, 11, 3}},
        {u"2026-11-03", DateOrder::DayMonthYear, {2026, 11, 3}}, // a year first is a year whatever the order
        {u"2026-11-03T10:15:00", DateOrder::MonthDayYear, {2026, 11, 3}},
        {u"11/03/2026 10:15 AM", DateOrder::MonthDayYear, {2026, 11, 3}},
        {u"20261103", DateOrder::MonthDayYear, {2026, 11, 3}},
        {u"26/11/03", DateOrder::YearMonthDay, {2026, 11, 3}},
        {u"03-Nov-2026", DateOrder::MonthDayYear, {2026, 11, 3}},
        {u"13/11/2026", DateOrder::MonthDayYear, {}}, // no thirteenth month
        {u"02/30/2026", DateOrder::MonthDayYear, {}},
        {u"Total", DateOrder::MonthDayYear, {}},
        {u"12/2026", DateOrder::MonthDayYear, {}},
    };
    for (const auto &[text, order, date] : reads)
        EXPECT_EQ(readDateInOrder(text, order, kToday).value_or(QDate()), date) << QStringView(text).toString().toStdString();
}

TEST(CsvLayouts, DatesThatReadBothWaysWaitForAChoice)
{
    const QByteArray bytes = "Date,Description,Amount\n03/11/2026,Rent,-650.00\n04/11/2026,Pay,1200.00\n";
    const StatementRead open = readStatement(bytes, {}, kToday);
    EXPECT_TRUE(open.needsDateOrder());
    ReadChoices dayFirst;
    dayFirst.dateOrder = DateOrder::DayMonthYear;
    const StatementRead chosen = readStatement(bytes, dayFirst, kToday);
    EXPECT_FALSE(chosen.needsDateOrder());
    ASSERT_EQ(chosen.statement.lines.size(), 2u);
    EXPECT_EQ(chosen.statement.lines[0].date, u"11/03/2026"_s);
    EXPECT_EQ(chosen.statement.lines[1].date, u"11/04/2026"_s);
}

TEST(CsvLayouts, WhatIsNotATransactionIsListedAndNothingIsGuessed)
{
    const QByteArray bytes = "Date,Description,Debit,Credit\n"
                             "12/14/2026,Coffee,4.50,\n"
                             "12/15/2026,\"Two, amounts\",1.00,2.00\n"       // both sides
                             "12/15/2026,Shop, Inc,3.00,\n"                  // a comma outside quotes
                             "12/16/2026,Pending,,\n"                        // no amount yet
                             "12/16/2026,Refund,-,5.00\n"                    // a dash for nothing is not 0
                             "12/17/2026,Fee,-2.00,\n"                       // money out written with a minus
                             "12/18/2026,Odd\n"                              // too few fields
                             "Total,,8.50,5.00\n";                           // a footer
    const StatementRead r = readStatement(bytes, {}, kToday);
    expectLines(r.statement, {{2, u"12/14/2026", u"", u"Coffee", -450}, {7, u"12/17/2026", u"", u"Fee", -200}},
                {{3, u"both money out (\u201c1.00\u201d) and money in (\u201c2.00\u201d) hold an amount"},
                 {4, u"5 fields where the header names 4; a field holding a comma must be in quotes"},
                 {5, u"the money out and money in fields are both empty"},
                 {6, u"the amount \u201c-\u201d is not a number"},
                 {8, u"2 fields, 4 needed"},
                 {9, u"the date \u201cTotal\u201d is not a date (month/day/year)"}});

    // A quote the bank forgot to close costs its own line only; one still
    // open at the end hides where the lines after it end: nothing is read.
    const StatementRead broken = readStatement("Date,Amount\n12/14/2026,\"4.50\n12/15/2026,1.00\n", {}, kToday);
    expectLines(broken.statement, {{3, u"12/15/2026", u"", u"", 100}},
                {{2, u"a quote that opens a field is never closed"}});
    const StatementRead open = readStatement("Date,Amount\n12/15/2026,1.00\n12/14/2026,\"4.50\n", {}, kToday);
    EXPECT_EQ(open.statement.error, u"line 3: the quote that opens a field there is never closed, so the lines "
                                    "after it cannot be told apart; nothing was imported"_s);
    EXPECT_TRUE(open.statement.lines.empty());
}

TEST(CsvLayouts, ADebitCreditWordSignsAnAmountThatNeverSaysMinus)
{
    const StatementRead worded = readStatement("Date,Description,Amount,Type\n12/14/2026,Coffee,4.50,DR\n"
                                               "12/15/2026,Salary,1200.00,CR\n12/16/2026,Rent,650.00,Debit\n",
                                               {}, kToday);
    expectLines(worded.statement,
                {{2, u"12/14/2026", u"", u"Coffee", -450}, {3, u"12/15/2026", u"", u"Salary", 120000},
                 {4, u"12/16/2026", u"", u"Rent", -65000}},
                {});
    // Amounts with their own signs keep them, whatever a type column says.
    const StatementRead signed_ = readStatement("Date,Description,Amount,Type\n12/14/2026,Coffee,-4.50,DEBIT\n"
                                                "12/15/2026,Refund,4.50,DEBIT\n",
                                                {}, kToday);
    EXPECT_EQ(signed_.layout.sign, -1);
    ASSERT_EQ(signed_.statement.lines.size(), 2u);
    EXPECT_EQ(signed_.statement.lines[1].amount, 450);
}

// A Transaction Type column of debit/credit words was dropped whole when one
// line said "transfer", a cell was empty or the header came again at the
// end: every amount came in as money in, without a word.
TEST(CsvLayouts, ASignWordIsReadLineByLineAndNeverGuessed)
{
    const StatementRead r = readStatement(statementFile("type-word.csv"), {}, kToday);
    EXPECT_EQ(r.detected.header[size_t(r.layout.sign)], u"Transaction Type"_s);
    expectLines(r.statement,
                {{2, u"11/03/2026", u"", u"HY-VEE #1234 LAWRENCE KS", -7124},
                 {3, u"11/04/2026", u"", u"NORTHWIND LOGISTICS PAYROLL", 214567},
                 {4, u"11/05/2026", u"", u"ONLINE TRANSFER TO SAV XXXXXX4417", 50000},
                 {5, u"11/06/2026", u"", u"STARBUCKS STORE 05531", -450},
                 {6, u"11/07/2026", u"", u"INTEREST PAID", 42},
                 {7, u"11/09/2026", u"", u"KWIK TRIP 776", -3815}},
                {{8, u"the header again, not a transaction"}});
    const std::vector<StatementLine> &l = r.statement.lines;
    const std::pair<size_t, const char16_t *> doubts[] = {
        {2, u"can\u2019t tell money out from money in: \u201ctransfer\u201d"},
        {4, u"can\u2019t tell money out from money in: the \u201cTransaction Type\u201d field is empty"}};
    for (const auto &[i, why] : doubts) {
        EXPECT_TRUE(l[i].signUnknown) << i;
        EXPECT_EQ(l[i].doubt, QStringView(why).toString());
    }
    EXPECT_FALSE(l[0].signUnknown || l[1].signUnknown || l[3].signUnknown);

    // A minus after the currency sign is a sign of its own, which a debit
    // word does not turn into money in.
    const StatementRead dollar =
        readStatement("Date,Description,Amount,Type\n11/03/2026,A,$-2.25,debit\n11/04/2026,B,4.00,debit\n", {}, kToday);
    ASSERT_EQ(dollar.statement.lines.size(), 2u);
    EXPECT_EQ(dollar.statement.lines[0].amount, -225);
    EXPECT_EQ(dollar.statement.lines[1].amount, -400);

    // Dutch exports say it with Af and Bij.
    const StatementRead dutch = readStatement(statementFile("dutch-af-bij.csv"), {}, kToday);
    ASSERT_EQ(dutch.statement.lines.size(), 3u);
    EXPECT_EQ(dutch.statement.lines[0].amount, -2345);
    EXPECT_EQ(dutch.statement.lines[1].amount, 285000);
    EXPECT_TRUE(dutch.statement.lines[2].signUnknown) << "\u201cOverboeking\u201d says neither";
}

// A German or French semicolon export fell back to the five-field layout
// ("1 field, 5 needed" on every line); Spanish, Dutch and Italian names were
// not read either.
TEST(CsvLayouts, HeadersInSixLanguagesWithTheSeparatorFoundFirst)
{
    struct Case {
        const char *file;
        QChar separator;
        DateOrder order;
        std::vector<Line> lines;
    } cases[] = {
        {"german-semicolon.csv", u';', DateOrder::DayMonthYear,
         {{7, u"11/03/2026", u"", u"REWE Markt GmbH; Einkauf 0311 Filiale 4711", -4530},
          {8, u"11/05/2026", u"", u"Musterfirma AG; Gehalt November", 215000},
          {9, u"11/14/2026", u"", u"Stadtwerke M\u00fcnchen; Abschlag Strom 11/2026", -6200},
          {10, u"11/28/2026", u"", u"Hausverwaltung Koch; Miete Dezember", -123456}}},
        {"french-semicolon.csv", u';', DateOrder::DayMonthYear,
         {{2, u"11/03/2026", u"", u"CB CARREFOUR MARKET 02/11", -3870},
          {3, u"11/05/2026", u"", u"VIR SEPA SALAIRE NOVEMBRE", 231000},
          {4, u"11/12/2026", u"", u"PRLV SEPA EDF CLIENTS PARTICULIERS", -6215},
          {5, u"11/28/2026", u"", u"CHEQUE 1234567", -12000}}},
        {"dayfirst-es.csv", u';', DateOrder::DayMonthYear,
         {{2, u"11/03/2026", u"", u"COMPRA TARJ. MERCADONA VALENCIA", -4530},
          {3, u"11/05/2026", u"", u"NOMINA EMPRESA SL", 185000},
          {4, u"11/10/2026", u"", u"RECIBO IBERDROLA CLIENTES", -6215},
          {5, u"11/14/2026", u"", u"TRANSFERENCIA A JUAN GARCIA", -12000}}},
        {"italian.csv", u';', DateOrder::DayMonthYear,
         {{2, u"11/03/2026", u"", u"PAGAMENTO POS ESSELUNGA", -4530},
          {3, u"11/13/2026", u"", u"STIPENDIO NOVEMBRE", 185000}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const StatementRead r = readStatement(statementFile(c.file), {}, kToday);
        EXPECT_EQ(r.format, StatementFormat::LayoutCsv);
        EXPECT_EQ(r.layout.separator, c.separator);
        EXPECT_TRUE(r.layout.decimalComma);
        EXPECT_EQ(r.layout.dateOrder, c.order);
        const Statement &s = r.statement;
        std::vector<std::pair<int, const char16_t *>> before;
        for (const SkippedLine &k : s.skipped)
            before.push_back({k.lineNumber, u"before the header, not a transaction"});
        expectLines(s, c.lines, before);
    }
    const std::pair<const char16_t *, ColumnRole> names[] = {
        {u"Buchungstag", ColumnRole::Date},      {u"Betrag (EUR)", ColumnRole::Amount},
        {u"Verwendungszweck", ColumnRole::Memo}, {u"Auftraggeber / Beg\u00fcnstigter", ColumnRole::Description},
        {u"Date op\u00e9ration", ColumnRole::Date}, {u"Libell\u00e9", ColumnRole::Description},
        {u"D\u00e9bit euros", ColumnRole::MoneyOut}, {u"Cr\u00e9dit", ColumnRole::MoneyIn},
        {u"Fecha", ColumnRole::Date},            {u"Concepto", ColumnRole::Description},
        {u"Importe", ColumnRole::Amount},        {u"Cargo", ColumnRole::MoneyOut},
        {u"Abono", ColumnRole::MoneyIn},         {u"Datum", ColumnRole::Date},
        {u"Bedrag", ColumnRole::Amount},         {u"Omschrijving", ColumnRole::Description},
        {u"Af", ColumnRole::MoneyOut},           {u"Bij", ColumnRole::MoneyIn},
        {u"Af Bij", ColumnRole::Sign},           {u"Data", ColumnRole::Date},
        {u"Importo", ColumnRole::Amount},        {u"Descrizione", ColumnRole::Description},
        {u"Partner Name", ColumnRole::Description}, {u"Saldo", ColumnRole::Balance},
    };
    for (const auto &[name, role] : names)
        EXPECT_EQ(int(columnRole(name)), int(role)) << QStringView(name).toString().toStdString();
}

// A header nobody recognised fell back to the five-field layout and listed
// every line as "1 field, 5 needed".
TEST(CsvLayouts, AHeaderThatIsNotRecognisedIsSaidPlainly)
{
    const StatementRead r = readStatement(statementFile("unknown-header.csv"), {}, kToday);
    ASSERT_TRUE(r.ok()) << r.statement.error.toStdString();
    EXPECT_TRUE(r.needsColumns());
    EXPECT_TRUE(r.statement.lines.empty() && r.statement.skipped.empty()) << "nothing read, nothing refused";
    EXPECT_EQ(r.layout.separator, u';');
    EXPECT_EQ(r.layout.headerLine, 1);
    EXPECT_TRUE(r.columnsProblem().startsWith(u"the header on line 1 (\u201cBuchung;Wert;Vorgang;Su\u2026\u201d) "
                                              "names no column Cheqbook reads; it reads a date (Date, "_s))
        << r.columnsProblem().toStdString();
    // Its columns named, it reads, and its header stays a header.
    ReadChoices named;
    named.columns.date = 0;
    named.columns.description = 2;
    named.columns.amount = 3;
    named.decimalComma = true;
    expectLines(readStatement(statementFile("unknown-header.csv"), named, kToday).statement,
                {{2, u"11/03/2026", u"", u"REWE Markt", -4530}, {3, u"11/05/2026", u"", u"Musterfirma AG", 215000}},
                {});
    named.columns.sign = 7;
    EXPECT_EQ(readStatement(statementFile("unknown-header.csv"), named, kToday).statement.error,
              u"column 8 was named, but the header on line 1 names only 4"_s);
}

// A Partner Name column was not read, so the empty Notes became every
// description; and nothing said that every description was empty.
TEST(CsvLayouts, TheDescriptionIsTheColumnThatHoldsText)
{
    const StatementRead r = readStatement(statementFile("partner-name.csv"), {}, kToday);
    expectLines(r.statement,
                {{2, u"11/03/2026", u"", u"Lakeview Studio", 85000}, {3, u"11/13/2026", u"", u"Acme Hosting", -1999}},
                {});
    const StatementRead empty =
        readStatement("Date,Payee,Memo,Amount\n11/03/2026,,,-1.00\n11/13/2026,,,-2.00\n", {}, kToday);
    EXPECT_EQ(empty.statement.notes,
              std::vector<QString>{u"every description is empty: the column read for them holds nothing"_s});
    EXPECT_TRUE(r.statement.notes.empty());
}

// Check numbers such as INV-1 were dropped, and an OFX CHECKNUM of 0 made
// every card payment check 0.
TEST(CsvLayouts, CheckNumbersThatAreNotDigitsAreKeptAsText)
{
    const std::pair<const char16_t *, const char16_t *> cells[] = {
        {u"1043", u"1043"}, {u"#0001043", u"1043"}, {u" # 12 ", u"12"}, {u"INV-1", u"INV-1"},
        {u"0", u""},        {u"000", u""},          {u"*", u""},        {u"--", u""},
    };
    for (const auto &[cell, kept] : cells) {
        const QString text = QStringView(cell).toString();
        EXPECT_EQ(checkNumberText(text), QStringView(kept).toString()) << text.toStdString();
        EXPECT_EQ(checkNumberText(checkNumberText(text)), QStringView(kept).toString()) << "kept as it reads";
    }
    expectLines(readStatement(statementFile("check-text.csv"), {}, kToday).statement,
                {{2, u"11/03/2026", u"INV-1", u"LAKEVIEW STUDIO", -85000},
                 {3, u"11/04/2026", u"1043", u"CHECK", -125000},
                 {4, u"11/05/2026", u"", u"CARD PURCHASE", -450},
                 {5, u"11/06/2026", u"", u"ATM", -4000}},
                {});
}

} // namespace
