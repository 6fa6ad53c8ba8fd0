// OFX and QFX statements: both forms, read row by row with the dates the
// bank states, check numbers, memos, the ledger balance, several accounts,
// and damaged files refused with where.

#include "OfxScan.h"
#include "OfxStatement.h"
#include "StatementReader.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 7);

QByteArray statementFile(const char *name)
{
    const QByteArray bytes = readFile(QStringLiteral(TEST_DATA_DIR "/statements/") + QString::fromLatin1(name));
    EXPECT_FALSE(bytes.isEmpty()) << name;
    return bytes;
}

struct Row {
    int line;
    const char16_t *date;
    const char16_t *check;
    const char16_t *description;
    Cents amount;
    const char16_t *bankId;
};

void expectRows(const Statement &s, const std::vector<Row> &rows)
{
    ASSERT_TRUE(s.ok()) << s.error.toStdString();
    ASSERT_EQ(s.lines.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.lines[i].lineNumber, rows[i].line);
        EXPECT_EQ(s.lines[i].date, QStringView(rows[i].date).toString());
        EXPECT_EQ(s.lines[i].checkNumber, QStringView(rows[i].check).toString());
        EXPECT_EQ(s.lines[i].description, QStringView(rows[i].description).toString());
        EXPECT_EQ(s.lines[i].amount, rows[i].amount);
        EXPECT_EQ(s.lines[i].bankId, QStringView(rows[i].bankId).toString());
    }
    EXPECT_TRUE(s.skipped.empty());
}

// The process runs in UTC (the tests' TZ), where libofx would put a posting
// at 23:00 in Chicago on the next day; each date here is the bank's.
TEST(Ofx, Sgml102WithCheckNumbersAndALedgerBalance)
{
    const StatementRead r = readStatement(statementFile("sgml-102.ofx"), {}, kToday);
    EXPECT_EQ(r.format, StatementFormat::Ofx);
    EXPECT_EQ(r.account, u"000012345678"_s);
    expectRows(r.statement,
               {{44, u"11/03/2026", u"", u"HY-VEE #1234; POS PURCHASE LAWRENCE KS", -7124, u"ofx:000012345678:202611030"},
                {52, u"11/04/2026", u"1043", u"CHECK 1043", -125000, u"ofx:000012345678:202611041"},
                // The memo is the name written out in full: it alone.
                {60, u"11/15/2026", u"", u"NORTHWIND LOGISTICS PAYROLL PPD", 214567, u"ofx:000012345678:202611152"},
                // CHARSET:1252; the memo says nothing more than the name.
                {68, u"11/20/2026", u"", u"CAF\u00c9 LUNA", -450, u"ofx:000012345678:202611203"}});
    EXPECT_EQ(r.ledger.endingBalance, std::optional<Cents>(341219));
    EXPECT_EQ(r.ledger.closingDate, std::optional<QDate>(QDate(2026, 11, 30)));
}

TEST(Ofx, Xml211)
{
    const StatementRead r = readStatement(statementFile("xml-211.ofx"), {}, kToday);
    expectRows(r.statement,
               {{25, u"12/02/2026", u"2211", u"Check 2211", -65000, u"ofx:7730029981:3321-20261202-0001"},
                {34, u"12/05/2026", u"", u"KANSAS GAS SERVICE", -11235, u"ofx:7730029981:3321-20261205-0002"},
                {42, u"12/31/2026", u"", u"Transfer from Savings; Online Banking transfer Conf# 1ZX9", 20000,
                 u"ofx:7730029981:3321-20261231-0003"}});
    EXPECT_EQ(r.account, u"7730029981"_s) << "not the account a transfer went to";
    EXPECT_EQ(r.ledger.endingBalance, std::optional<Cents>(183765));
    EXPECT_EQ(r.ledger.closingDate, std::optional<QDate>(QDate(2026, 12, 31)));
}

TEST(Ofx, Qfx)
{
    const StatementRead r = readStatement(statementFile("bank-download.qfx"), {}, kToday);
    expectRows(r.statement,
               {{46, u"11/15/2026", u"", u"NORTHWIND LOGISTICS PAYROLL PPD", 214567, u"ofx:000012345678:202611152"},
                {54, u"11/20/2026", u"", u"CAF\u00c9 LUNA", -450, u"ofx:000012345678:202611203"},
                {62, u"12/03/2026", u"1044", u"CHECK 1044", -8210, u"ofx:000012345678:202612034"},
                {70, u"12/08/2026", u"", u"DILLONS #0077; POS PURCHASE", -3618, u"ofx:000012345678:202612085"}});
    EXPECT_EQ(r.ledger.endingBalance, std::optional<Cents>(329391));
}

// What is OFX is told by the content: a CSV named .ofx is CSV, an OFX named .csv is OFX.
TEST(Ofx, TheContentSaysWhatAFileIs)
{
    EXPECT_TRUE(looksLikeOfx(statementFile("sgml-102.ofx")));
    EXPECT_TRUE(looksLikeOfx(statementFile("xml-211.ofx")));
    EXPECT_TRUE(looksLikeOfx("\n\n<ofx><bankmsgsrsv1>"));
    EXPECT_FALSE(looksLikeOfx(statementFile("preamble.csv")));
    EXPECT_FALSE(looksLikeOfx("12/01/2026,-5.00,,,OFX PAYMENT\n"));
}

const QByteArray kTwoAccounts =
    "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1>\n"
    "<STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD\n"
    "<BANKACCTFROM><BANKID>1<ACCTID>1111<ACCTTYPE>CHECKING</BANKACCTFROM>\n"
    "<BANKTRANLIST><DTSTART>20261101<DTEND>20261130\n"
    "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20261102<TRNAMT>-10.00<FITID>A<NAME>Checking one</STMTTRN>\n"
    "</BANKTRANLIST><LEDGERBAL><BALAMT>90.00<DTASOF>20261130</LEDGERBAL></STMTRS></STMTTRNRS>\n"
    "<STMTTRNRS><TRNUID>2<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD\n"
    "<BANKACCTFROM><BANKID>1<ACCTID>2222<ACCTTYPE>SAVINGS</BANKACCTFROM>\n"
    "<BANKTRANLIST><DTSTART>20261101<DTEND>20261130\n"
    "<STMTTRN><TRNTYPE>INT<DTPOSTED>20261130<TRNAMT>0.42<FITID>A<NAME>Interest</STMTTRN>\n"
    "<STMTTRN><TRNTYPE>DEP<DTPOSTED>20261115<TRNAMT>25<FITID>B<NAME>Deposit</STMTTRN>\n"
    "</BANKTRANLIST><LEDGERBAL><BALAMT>525.42<DTASOF>20261130</LEDGERBAL></STMTRS></STMTTRNRS>\n"
    "</BANKMSGSRSV1></OFX>\n";

TEST(Ofx, SeveralAccountsWaitForAChoice)
{
    const StatementRead open = readStatement(kTwoAccounts, {}, kToday);
    ASSERT_TRUE(open.ok()) << open.statement.error.toStdString();
    EXPECT_TRUE(open.needsAccount());
    EXPECT_TRUE(open.statement.lines.empty());
    EXPECT_EQ(accountList(open.accounts), u"checking 1111 (1 transaction), savings 2222 (2 transactions)"_s);

    ReadChoices savings;
    savings.account = u"2222"_s;
    const StatementRead chosen = readStatement(kTwoAccounts, savings, kToday);
    EXPECT_FALSE(chosen.needsAccount());
    expectRows(chosen.statement, {{14, u"11/30/2026", u"", u"Interest", 42, u"ofx:2222:A"},
                                  {15, u"11/15/2026", u"", u"Deposit", 2500, u"ofx:2222:B"}});
    EXPECT_EQ(chosen.ledger.endingBalance, std::optional<Cents>(52542));

    savings.account = u"3333"_s;
    EXPECT_EQ(readStatement(kTwoAccounts, savings, kToday).statement.error,
              u"it holds no account \u201c3333\u201d, only checking 1111 (1 transaction), savings 2222 (2 "
              "transactions)"_s);
}

TEST(Ofx, ADamagedFileIsRefusedWithWhere)
{
    const QByteArray head = "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>\n"
                            "<BANKACCTFROM><ACCTID>9</BANKACCTFROM><BANKTRANLIST>\n";
    const QByteArray tail = "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    const std::pair<QByteArray, const char16_t *> cases[] = {
        {"<STMTTRN><DTPOSTED>20261102<TRNAMT>-1,234.56<FITID>1</STMTTRN>\n",
         u"line 6: the amount \u201c-1,234.56\u201d is not an amount to the cent"},
        {"<STMTTRN><DTPOSTED>20261102<TRNAMT>-12.345<FITID>1</STMTTRN>\n",
         u"line 6: the amount \u201c-12.345\u201d is not an amount to the cent"},
        {"<STMTTRN><DTPOSTED>20261345<TRNAMT>-1.00<FITID>1</STMTTRN>\n",
         u"line 6: the posted date \u201c20261345\u201d is not a date"},
        {"\n<STMTTRN><TRNAMT>-1.00<FITID>1</STMTTRN>\n",
         u"line 7: the transaction that begins here has no posted date (DTPOSTED)"},
        {"<STMTTRN><DTPOSTED>20261102<TRNAMT>-1.00<FITID>1<NAME>never closed\n",
         u"line 6: the tag \u201cNAME\u201d never ends"},
    };
    for (const auto &[body, error] : cases) {
        QByteArray bytes = head + body + tail;
        if (QStringView(error).contains(u"never ends"))
            bytes = head + "<STMTTRN><DTPOSTED>20261102<TRNAMT>-1.00<FITID>1<NAME";
        const StatementRead r = readStatement(bytes, {}, kToday);
        EXPECT_EQ(r.statement.error, QStringView(error).toString());
        EXPECT_TRUE(r.statement.lines.empty());
        EXPECT_TRUE(r.accounts.empty());
    }
    EXPECT_EQ(readStatement("OFXHEADER:100\nDATA:OFXSGML\n\nnothing here\n", {}, kToday).statement.error,
              u"there is no <OFX> element, so it is not an OFX statement"_s);
    EXPECT_EQ(readStatement("OFXHEADER:100\n\n<OFX><SIGNONMSGSRSV1></SIGNONMSGSRSV1></OFX>", {}, kToday)
                  .statement.error,
              u"it holds no bank or credit card statement"_s);
    EXPECT_TRUE(readStatement(head + "</BANKTRANLIST></STMTRS><INVSTMTRS>", {}, kToday)
                    .statement.error.contains(u"an investment statement"));
}

// An interrupted download imported its first transaction and the second
// with its payee cut short ("SAFEWA"), exit status 0.
TEST(Ofx, ACutOffDownloadIsRefusedNamingTheLineWhereItStops)
{
    const StatementRead r = readStatement(statementFile("cut-off.ofx"), {}, kToday);
    EXPECT_EQ(r.statement.error, u"line 56: the file ends here, inside the statement that begins on line 34: the "
                                 "download was probably cut off; nothing was imported"_s);
    EXPECT_TRUE(r.statement.lines.empty());
    EXPECT_TRUE(r.accounts.empty());
}

// A bank's download with <BALAMT> empty was refused whole.
TEST(Ofx, AnEmptyLedgerBalanceIsNoBalanceAndTheTransactionsComeIn)
{
    const StatementRead r = readStatement(statementFile("empty-ledger.ofx"), {}, kToday);
    expectRows(r.statement,
               {{44, u"11/03/2026", u"", u"HY-VEE #1234", -7124, u"ofx:000012345678:202611030"},
                {52, u"11/04/2026", u"1043", u"CHECK 1043", -125000, u"ofx:000012345678:202611041"}});
    EXPECT_FALSE(r.ledger.endingBalance);
    EXPECT_FALSE(r.ledger.closingDate) << "a date without a balance is nothing to balance against";
    EXPECT_EQ(r.statement.lines[0].checkNumber, QString()) << "CHECKNUM 0 is no check";
}

// A failed sign-on or a server error was told as "it holds no bank or
// credit card statement".
TEST(Ofx, TheBanksOwnErrorIsShownInItsWords)
{
    EXPECT_EQ(readStatement(statementFile("bank-error.ofx"), {}, kToday).statement.error,
              u"line 25: the bank sent an error instead of a statement: \u201cGeneral Server Error\u201d (code 2000)"_s);
    const QByteArray signOn = "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><SIGNONMSGSRSV1><SONRS><STATUS><CODE>15500\n"
                              "<SEVERITY>ERROR</STATUS><DTSERVER>20261207</SONRS></SIGNONMSGSRSV1></OFX>\n";
    EXPECT_EQ(readStatement(signOn, {}, kToday).statement.error,
              u"line 4: the bank sent an error instead of a statement: \u201cSignon invalid\u201d (code 15500)"_s);
}

// A payee made of an entity came in as an empty payee: libofx drops what
// it cannot expand, and what the file defines as well.
TEST(Ofx, APayeeMadeOfAnEntityIsNamedNotLeftEmpty)
{
    const StatementRead r = readStatement(statementFile("entity-payee.ofx"), {}, kToday);
    expectRows(r.statement,
               {{14, u"12/02/2026", u"", u"&pay;", -1250, u"ofx:7730029981:E-1"},
                {18, u"12/03/2026", u"", u"&remote;", -800, u"ofx:7730029981:E-2"},
                {22, u"12/04/2026", u"", u"Corner Shop #12", -375, u"ofx:7730029981:E-3"},
                {26, u"12/05/2026", u"", u"AT&T WIRELESS", -6000, u"ofx:7730029981:E-4"}});
    const std::vector<StatementLine> &l = r.statement.lines;
    EXPECT_EQ(l[0].doubt, u"the payee depends on the entity \u201c&pay;\u201d, which the file does not define"_s);
    EXPECT_EQ(l[1].doubt, u"the payee depends on the entity \u201c&remote;\u201d, which is kept in another file that "
                          "Cheqbook does not read"_s);
    EXPECT_TRUE(l[2].doubt.isEmpty() && l[3].doubt.isEmpty());
}

TEST(Ofx, AmountsAndDatesAsWritten)
{
    const std::pair<const char *, std::optional<Cents>> amounts[] = {
        {"-71.24", -7124}, {"+5", 500}, {"0.5", 50}, {"-12.3400", -1234}, {"71,24", 7124}, {".99", 99},
        {"", std::nullopt}, {"-", std::nullopt}, {"1e3", std::nullopt}, {"12.345", std::nullopt},
        {"99999999999999999", std::nullopt},
    };
    for (const auto &[text, cents] : amounts)
        EXPECT_EQ(ofxAmount(text), cents) << text;
    EXPECT_EQ(ofxDate("20261231235959.000[-5:EST]"), std::optional<QDate>(QDate(2026, 12, 31)));
    EXPECT_EQ(ofxDate("20261231"), std::optional<QDate>(QDate(2026, 12, 31)));
    EXPECT_FALSE(ofxDate("2026123"));
    EXPECT_FALSE(ofxDate("2026-12-31"));
    EXPECT_FALSE(ofxDate("20260230"));
}

} // namespace
