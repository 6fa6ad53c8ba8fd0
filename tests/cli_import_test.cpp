// cheqbook-cli import, run as a user runs it: statements of many banks' shapes.

#include "RegisterFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "CliFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

TEST_F(CliTest, ImportAddsStatementsInOrderAndListsSkippedLines)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    // The first has a header naming its columns, the second is in the five-field layout.
    const QString a = file(u"a.csv"_s, "Date,Amount,Check,Status,Description\r\n"
                                       "03/20/2007,\"-1,000.00\",,,\"RENT, MARCH\"\r\n");
    const QString b = file(u"b.csv"_s, "03/21/2007,(4.75),,,Caf\xE9\n03/22/2007,12.00,x\n");
    const QString out = m_dir.filePath(u"out.ldgr"_s);
    const ProgramRun r = cli({u"import"_s, reg, a, b, u"-o"_s, out});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: line 2 not imported: 3 fields, 5 needed\n"_s.arg(b)) << "named as given";
    EXPECT_EQ(readFile(reg), m_register);
    const QList<QByteArray> lines = readFile(out).split('\n');
    ASSERT_EQ(lines.size(), 7);
    // Each keeps the fingerprint of its line, so that it is known when it comes again.
    // and an identity of its own.
    const QRegularExpression id(u"BankID = csv:[0-9a-f]{16}; |ID = [0-9A-Za-z]{11}; "_s);
    EXPECT_EQ(QString::fromLatin1(lines[3]).remove(id),
              u"    {Amount = -1000.00; CheckNumber = \"\"; Date = 03/20/2007; "
              "DescriptionofTransaction = \"RENT, MARCH\"; Total = -45.25; },"_s);
    EXPECT_EQ(QString::fromLatin1(lines[4]).remove(id),
              u"    {Amount = -4.75; CheckNumber = \"\"; Date = 03/21/2007; "
              "DescriptionofTransaction = \"Caf\\U00e9\"; Total = -50.00; }"_s);

    // Without -o the register file itself takes the rows.
    ASSERT_EQ(cli({u"import"_s, reg, b}).exitCode, 0);
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 3u);
}

TEST_F(CliTest, ImportWritesNothingWhenAStatementCannotBeRead)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString good = file(u"good.csv"_s, "03/20/2007,1.00,,,A\n");
    const QString bad = file(u"bad.csv"_s, "03/20/2007,\"1.00,,,A\n");
    const ProgramRun r = cli({u"import"_s, reg, good, bad, m_dir.filePath(u"none.csv"_s)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(
        r.err.startsWith(u"cheqbook-cli: %1: line 1: the quote that opens a field there is never closed"_s.arg(bad)));
    EXPECT_TRUE(r.err.contains(u"\ncheqbook-cli: %1 could not be read: "_s.arg(m_dir.filePath(u"none.csv"_s))));
    EXPECT_EQ(readFile(reg), m_register);
}

TEST_F(CliTest, ImportAddsEachTransactionOnceAndSaysHowManyItLeftOut)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    // The groceries were entered by hand; the bank's line for them is that row.
    const QString statement = file(u"march.csv"_s, "Date,Description,Check Number,Amount\n"
                                                   "03/14/2007,GROCERY STORE,101,-45.25\n"
                                                   "03/15/2007,COFFEE,,-4.50\n03/15/2007,COFFEE,,-4.50\n");
    ProgramRun r = cli({u"import"_s, reg, statement});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: 1 transaction already in the register, not imported again "
                     "(--keep-duplicates imports them)\n"_s.arg(statement));
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 4u) << "both coffees";
    r = cli({u"import"_s, reg, statement});
    EXPECT_TRUE(r.err.contains(u"3 transactions already in the register"_s)) << r.err.toStdString();
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 4u);
    ASSERT_EQ(cli({u"import"_s, reg, statement, u"--keep-duplicates"_s}).exitCode, 0);
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 7u);
}

// A hand-entered row that a line was left out as stayed a candidate for
// every later line of its amount, and swallowed the next week's coffee.
TEST_F(CliTest, ARowALineWasLeftOutAsIsNotTakenForALaterLine)
{
    const QString reg = file(u"r.ldgr"_s, "({Amount = 100; Date = 03/01/2007;}, "
                                          "{Amount = -4.50; Date = 03/14/2007; DescriptionofTransaction = Coffee;})");
    const QString week1 = file(u"w1.csv"_s, "Date,Description,Amount\n03/14/2007,COFFEE,-4.50\n");
    const QString week2 = file(u"w2.csv"_s, "Date,Description,Amount\n03/17/2007,COFFEE,-4.50\n");
    ASSERT_TRUE(cli({u"import"_s, reg, week1}).err.contains(u"1 transaction already in the register"_s));
    const ProgramRun r = cli({u"import"_s, reg, week2});
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 3u);
    // And the first week's line is that row for good.
    EXPECT_TRUE(cli({u"import"_s, reg, week1}).err.contains(u"1 transaction already in the register"_s));
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 3u);
}

TEST_F(CliTest, ImportDryRunTellsWhatItWouldDoLineByLineAndWritesNothing)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString statement = file(u"march.csv"_s, "Account,0042\nDate,Description,Check Number,Amount\n"
                                                   "03/14/2007,GROCERY STORE,101,-45.25\n"
                                                   "03/15/2007,COFFEE,,-4.50\nTotal,,,-49.75\n");
    const ProgramRun r = cli({u"import"_s, reg, statement, u"--dry-run"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out),
              u"skip\t%1:1\tbefore the header, not a transaction\n"
              "duplicate\t%1:3\t03/14/2007\t101\tGROCERY STORE\t-45.25\t"
              "probably already in the register: 03/12/2007 Groceries -45.25\n"
              "import\t%1:4\t03/15/2007\t\tCOFFEE\t-4.50\n"
              "skip\t%1:5\tthe date \u201cTotal\u201d is not a date (month/day/year)\n"_s.arg(statement));
    EXPECT_EQ(readFile(reg), m_register);
    EXPECT_FALSE(QFile::exists(reg + u'~'));
}

TEST_F(CliTest, ImportRefusesToGuessAnAccountOrADateOrder)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QByteArray account = "<STMTTRNRS><STMTRS><BANKACCTFROM><ACCTID>%1</BANKACCTFROM><BANKTRANLIST>"
                               "<STMTTRN><DTPOSTED>20070320<TRNAMT>-%1.00<FITID>1</STMTTRN>"
                               "</BANKTRANLIST></STMTRS></STMTTRNRS>";
    const QString ofx = file(u"two.ofx"_s, "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1>"
                                               + QByteArray(account).replace("%1", "11")
                                               + QByteArray(account).replace("%1", "22") + "</BANKMSGSRSV1></OFX>\n");
    ProgramRun r = cli({u"import"_s, reg, ofx});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: it holds several accounts: account 11 (1 transaction), account 22 (1 "
                     "transaction); name the one to import with --account ID\n"_s.arg(ofx));
    EXPECT_EQ(readFile(reg), m_register);
    ASSERT_EQ(cli({u"import"_s, reg, ofx, u"--account=22"_s}).exitCode, 0);
    const RegisterReadResult after = parseRegister(readFile(reg));
    ASSERT_EQ(after.rows.size(), 3u);
    EXPECT_EQ(after.rows[2]->value(Key::Amount).toString(), u"-22.00"_s);

    const QString dates = file(u"d.csv"_s, "Date,Payee,Amount\n03/04/2007,Rent,-650.00\n");
    r = cli({u"import"_s, reg, dates});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: the dates read both as month/day/year and as day/month/year; say which "
                     "with --date-order mdy or --date-order dmy\n"_s.arg(dates));
    ASSERT_EQ(cli({u"import"_s, reg, dates, u"--date-order"_s, u"dmy"_s}).exitCode, 0);
    EXPECT_EQ(parseRegister(readFile(reg)).rows.back()->value(Key::Date).toString(), u"04/03/2007"_s);
    EXPECT_EQ(cli({u"import"_s, reg, dates, u"--date-order"_s, u"european"_s}).exitCode, 2);
}

TEST_F(CliTest, AFileNameWithAPercentSignIsNamedAsItStands)
{
    const ProgramRun r = cli({u"import"_s, file(u"r.ldgr"_s, m_register), file(u"50%1 off.csv"_s, "header\n"),
                           u"-o"_s, m_dir.filePath(u"out.ldgr"_s)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err,
              u"cheqbook-cli: %1: line 1 not imported: 1 field, 5 needed\n"_s.arg(m_dir.filePath(u"50%1 off.csv"_s)));
}

QString statementPath(const char *name) { return QStringLiteral(TEST_DATA_DIR "/statements/") + QString::fromLatin1(name); }

// Each of these imported something wrong with exit status 0: a cut-off
// download's first lines, a card's charges as money in, a day-first file
// read month first because --date-order was given for another file.
TEST_F(CliTest, ImportRefusesWhatItCannotReadRightNamingTheStatement)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    struct Case {
        QStringList args;
        QString err;
    } cases[] = {
        {{statementPath("cut-off.ofx")},
         u"%1: line 56: the file ends here, inside the statement that begins on line 34: the download was probably "
         "cut off; nothing was imported"_s.arg(statementPath("cut-off.ofx"))},
        {{statementPath("bank-error.ofx")},
         u"%1: line 25: the bank sent an error instead of a statement: \u201cGeneral Server Error\u201d (code 2000)"_s
             .arg(statementPath("bank-error.ofx"))},
        {{statementPath("card-charges.csv")},
         u"%1: every amount is written without a sign, and no column says which way the money went; say "
         "--amounts-out if they are charges (money out), --amounts-in if they are money in"_s.arg(
             statementPath("card-charges.csv"))},
        {{statementPath("dayfirst-es.csv"), statementPath("weeks-mdy.csv"), u"--date-order"_s, u"mdy"_s},
         u"%1: its dates are written day/month/year (line 5: \u201c14/11/2026\u201d), not month/day/year as "
         "--date-order says; nothing was imported (import it without --date-order)"_s.arg(
             statementPath("dayfirst-es.csv"))},
        {{statementPath("unknown-header.csv")},
         u"%1: the header on line 1 (\u201cBuchung;Wert;Vorgang;Su\u2026\u201d) names no column Cheqbook reads; it "
         "reads "_s.arg(statementPath("unknown-header.csv"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.err.toStdString());
        const ProgramRun r = cli(QStringList{u"import"_s, reg} + c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.startsWith(u"cheqbook-cli: "_s + c.err)) << r.err.toStdString();
        EXPECT_EQ(readFile(reg), m_register) << "nothing written";
    }
    const ProgramRun bad = cli({u"import"_s, reg, statementPath("card-charges.csv"), u"--columns"_s, u"date=x"_s});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, u"cheqbook-cli: --columns: \u201cdate=x\u201d is not NAME=NUMBER (the number of the column, "
                       "counting from 1)\n"_s);
}

// --date-order applied to every statement of the command; now each file's
// own dates come first, and a file they leave open is read in the order
// that puts it within weeks, which is said.
TEST_F(CliTest, ImportReadsEachStatementsDatesInItsOwnOrder)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const ProgramRun r = cli({u"import"_s, reg, statementPath("dayfirst-es.csv"), statementPath("weeks-mdy.csv")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: read as month/day/year: the dates then fall between 11/03/2026 and "
                     "12/01/2026, in the order of the file, while read as day/month/year they would not\n"_s.arg(
                         statementPath("weeks-mdy.csv")));
    QStringList dates;
    for (const RecordPtr &row : parseRegister(readFile(reg)).rows)
        dates << row->value(Key::Date).toString();
    EXPECT_EQ(dates, (QStringList{u"03/01/2007"_s, u"03/12/2007"_s, u"11/03/2026"_s, u"11/05/2026"_s, u"11/10/2026"_s,
                                  u"11/14/2026"_s, u"11/03/2026"_s, u"11/05/2026"_s, u"11/07/2026"_s,
                                  u"12/01/2026"_s}));
}

// cheqbook-cli could not state a layout, nor use one settled before.
TEST_F(CliTest, ImportStatesALayoutAndUsesItForTheNextFileWithThatHeader)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString german = statementPath("unknown-header.csv");
    ProgramRun r = cli({u"import"_s, reg, german, u"--columns=date=1,desc=3,amount=4"_s, u"--decimal-comma"_s,
                        u"--separator"_s, u"semicolon"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: its layout is remembered for files with the same header\n"_s.arg(german));
    const RegisterReadResult after = parseRegister(readFile(reg));
    ASSERT_EQ(after.rows.size(), 4u);
    EXPECT_EQ(after.rows[3]->value(Key::DescriptionofTransaction).toString(), u"Musterfirma AG"_s);
    EXPECT_EQ(after.rows[3]->value(Key::Amount).toString(), u"2150.00"_s);

    // The next month's file, with the same header, needs nothing said.
    const QString next = file(u"dezember.csv"_s, "Buchung;Wert;Vorgang;Summe\n02.12.2026;02.12.2026;REWE Markt;-12,00\n");
    r = cli({u"import"_s, reg, next});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: read in the layout remembered for its header\n"_s.arg(next));
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 5u);

    // And so for a card's charges.
    const QString card = statementPath("card-charges.csv");
    ASSERT_EQ(cli({u"import"_s, reg, card, u"--amounts-out"_s}).exitCode, 0);
    const RegisterReadResult charged = parseRegister(readFile(reg));
    EXPECT_EQ(charged.rows.back()->value(Key::Amount).toString(), u"-61.07"_s);
    const QString december = file(u"card.csv"_s, "Transaction Date,Description,Amount\n12/02/2026,NETFLIX.COM,15.49\n");
    ASSERT_EQ(cli({u"import"_s, reg, december}).exitCode, 0);
    EXPECT_EQ(parseRegister(readFile(reg)).rows.back()->value(Key::Amount).toString(), u"-15.49"_s);
}

// A second import of the same statement rewrote the register, and with it
// the backup of the version before the last real change.
TEST_F(CliTest, ImportThatAddsNothingLeavesTheRegisterAndItsBackupAlone)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString statement = statementPath("status-download-1.csv");
    ASSERT_EQ(cli({u"import"_s, reg, statement}).exitCode, 0);
    const QByteArray imported = readFile(reg);
    EXPECT_EQ(readFile(reg + u'~'), m_register);
    const ProgramRun again = cli({u"import"_s, reg, statement});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.err, u"cheqbook-cli: %1: 5 transactions already in the register, not imported again "
                         "(--keep-duplicates imports them)\ncheqbook-cli: nothing to add: %2 was left as it was\n"_s
                             .arg(statement, reg));
    EXPECT_EQ(readFile(reg), imported);
    EXPECT_EQ(readFile(reg + u'~'), m_register) << "the backup is still the version before the import";
    // The next download: a status and a balance changed, one posted anew.
    const ProgramRun next = cli({u"import"_s, reg, statementPath("status-download-2.csv")});
    EXPECT_TRUE(next.err.startsWith(u"cheqbook-cli: %1: 4 transactions already in the register"_s.arg(
        statementPath("status-download-2.csv"))))
        << next.err.toStdString();
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 2u + 5u + 1u);
}

// A line whose debit/credit word said neither came in as money in.
TEST_F(CliTest, ImportLeavesOutALineWhoseSignItCannotTellAndSaysWhy)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString words = statementPath("type-word.csv");
    const ProgramRun r = cli({u"import"_s, reg, words});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: read as month/day/year: the dates then fall between 11/03/2026 and "
                     "11/09/2026, in the order of the file, while read as day/month/year they would not\n"
                     "cheqbook-cli: %1: line 4 not imported: can\u2019t tell money out from money in: "
                     "\u201ctransfer\u201d\n"
                     "cheqbook-cli: %1: line 6 not imported: can\u2019t tell money out from money in: the "
                     "\u201cTransaction Type\u201d field is empty\n"
                     "cheqbook-cli: %1: line 8 not imported: the header again, not a transaction\n"_s.arg(words));
    QStringList amounts;
    for (const RecordPtr &row : parseRegister(readFile(reg)).rows)
        amounts << row->value(Key::Amount).toString();
    EXPECT_EQ(amounts, (QStringList{u"1000.00"_s, u"-45.25"_s, u"-71.24"_s, u"2145.67"_s, u"-4.50"_s, u"-38.15"_s}));
}

// Six coffees entered by hand and the bank's six: the last bank line was
// added as new.
TEST_F(CliTest, ImportAddsNoneOfSixCoffeesEnteredByHand)
{
    QByteArray reg = "(\n{Amount = 100; Date = 12/01/2026; DescriptionofTransaction = Opening;},\n";
    QByteArray bank = "Date,Description,Amount\n";
    for (int day = 1; day <= 11; day += 2) {
        reg += "{Amount = -5.75; Date = 12/" + QByteArray::number(day).rightJustified(2, '0')
            + "/2026; DescriptionofTransaction = Coffee;},\n";
        bank += "12/" + QByteArray::number(day + 2).rightJustified(2, '0') + "/2026,STARBUCKS,-5.75\n";
    }
    const QString path = file(u"r.ldgr"_s, reg + ")\n");
    const ProgramRun r = cli({u"import"_s, path, file(u"coffee.csv"_s, bank)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(u"6 transactions already in the register"_s)) << r.err.toStdString();
    EXPECT_EQ(parseRegister(readFile(path)).rows.size(), 7u);
}

// A statement line with a description of millions of characters went whole
// into the register, where every list that shows it slowed or crashed.
TEST_F(CliTest, ImportCutsADescriptionBeyondTheLimitAndSaysSo)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString statement = file(u"long.csv"_s, "03/20/2007,-1.00,,," + QByteArray(100000, 'x') + "\n");
    const ProgramRun r = cli({u"import"_s, reg, statement});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: line 1: the description is 100,000 characters long; only its first 2,000 "
                     "are kept\n"_s.arg(statement));
    EXPECT_EQ(parseRegister(readFile(reg)).rows.back()->value(Key::DescriptionofTransaction).toString().size(), 2000);
}


TEST_F(CliTest, AnEmptyStatementSaysThereIsNothingToImport)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const ProgramRun r = cli({u"import"_s, reg, file(u"empty.csv"_s, "\n\n")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: nothing to import: the statement holds no transactions\n"
                     "cheqbook-cli: nothing to add: %2 was left as it was\n"_s.arg(m_dir.filePath(u"empty.csv"_s), reg));
}

} // namespace
