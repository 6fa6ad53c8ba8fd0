// cheqbook-cli, run as a user runs it.

#include "RegisterFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Where cheqbook-cli keeps what it remembers (the layouts of banks' files):
// never the user's own settings.
const QString &configHome()
{
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

ProgramRun cli(const QStringList &args, const QString &stdoutFile = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, configHome());
    return runProgram(QString::fromUtf8(CHEQBOOK_CLI), args, stdoutFile, env);
}

class CliTest : public ::testing::Test
{
protected:
    // Each test starts with nothing remembered.
    void SetUp() override { QDir(configHome() + u"/Cheqbook"_s).removeRecursively(); }
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }
    QTemporaryDir m_dir;
    const QByteArray m_register = "(\n"
                                  "{Amount = 1000; CheckNumber = \"\"; Date = 03/01/2007; "
                                  "DescriptionofTransaction = Paycheck; Total = 1000;},\n"
                                  "{Amount = -45.25; CheckNumber = 101; Date = 03/12/2007; "
                                  "DescriptionofTransaction = Groceries;}\n"
                                  ")\n";
};

TEST_F(CliTest, ReportShowsAmountsAsMoneyTextAndFreshBalances)
{
    // The stored balance of the first row is not shown: the report works them out.
    const ProgramRun r = cli({u"report"_s, file(u"r.ldgr"_s, QByteArray(m_register).replace("Total = 1000", "Total = 5"))});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Check #  | Description                          | Date       | Amount    | Total\n"
                     "--------------------------------------------------------------------------------------\n"
                     "         | Paycheck                             | 03/01/2007 |1000.00    |1000       \n"
                     "101      | Groceries                            | 03/12/2007 |-45.25     |954.75     \n");
    EXPECT_EQ(cli({u"report"_s, file(u"e.ldgr"_s, "()")}).out, QByteArray());

    // Forms that are read whole report the same rows (a UTF-16 file once
    // gave an empty report and no error).
    QByteArray utf16 = "\xff\xfe";
    for (char c : m_register)
        utf16 += c, utf16 += '\0';
    EXPECT_EQ(cli({u"report"_s, file(u"u.ldgr"_s, utf16)}).out, r.out);
    const QString xml = m_dir.filePath(u"r.xml"_s);
    ASSERT_EQ(cli({u"convert"_s, file(u"r.ldgr"_s, m_register), u"-o"_s, xml, u"--xml"_s}).exitCode, 0);
    EXPECT_EQ(cli({u"report"_s, xml}).out, r.out);
}

TEST_F(CliTest, BalanceIsTheLastRowsMoneyText)
{
    EXPECT_EQ(cli({u"balance"_s, file(u"r.ldgr"_s, m_register)}).out, "954.75\n");
    const ProgramRun empty = cli({u"balance"_s, file(u"e.ldgr"_s, "()")});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, QByteArray());
}

TEST_F(CliTest, ConvertKeepsValuesAsReadInEitherForm)
{
    const QString in = file(u"r.ldgr"_s, m_register);
    const QString xml = m_dir.filePath(u"r.xml"_s);
    ASSERT_EQ(cli({u"convert"_s, in, u"-o"_s, xml, u"--xml"_s}).exitCode, 0);
    EXPECT_TRUE(readFile(xml).contains("<key>Total</key>\n\t\t<string>1000</string>")) << "no recalculation";
    const QString back = m_dir.filePath(u"back.ldgr"_s);
    ASSERT_EQ(cli({u"convert"_s, xml, u"-o"_s, back}).exitCode, 0);
    EXPECT_EQ(readFile(back), oldStyleText(parseRegister(m_register).rows));
}

TEST_F(CliTest, ErrorsNameTheFileAndExitNonZero)
{
    const QString badPath = file(u"bad.ldgr"_s, "({Amount = (1);})");
    const ProgramRun bad = cli({u"report"_s, badPath});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, u"cheqbook-cli: %1: line 1: the value of \u201cAmount\u201d in row 1 is a list; "
                       "a record holds only texts and numbers\n"_s.arg(badPath));
    EXPECT_EQ(bad.out, QByteArray());
    EXPECT_EQ(cli({u"balance"_s, m_dir.filePath(u"missing.ldgr"_s)}).exitCode, 1);

    // A convert that cannot write leaves no partial file and says so.
    const ProgramRun noDir = cli({u"convert"_s, file(u"r.ldgr"_s, m_register), u"-o"_s, m_dir.filePath(u"x/y.ldgr"_s)});
    EXPECT_EQ(noDir.exitCode, 1);
    EXPECT_TRUE(noDir.err.startsWith(u"cheqbook-cli: y.ldgr could not be written")) << noDir.err.toStdString();
}

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
    const QRegularExpression id(u"BankID = csv:[0-9a-f]{16}; "_s);
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

TEST_F(CliTest, SortPutsTheRegisterInDateOrderAsTheWindowDoes)
{
    const QString reg = file(u"r.ldgr"_s, "({Amount = 100; Date = 01/01/2026; DescriptionofTransaction = Opening;},"
                                          " {Amount = -30; Date = 2026/03/01; DescriptionofTransaction = C;},"
                                          " {Amount = -20; Date = pending; DescriptionofTransaction = U;},"
                                          " {Amount = -10; Date = 15.02.2026; DescriptionofTransaction = B;})");
    const QString out = m_dir.filePath(u"sorted.ldgr"_s);
    ASSERT_EQ(cli({u"sort"_s, reg, u"-o"_s, out}).exitCode, 0);
    const RegisterReadResult sorted = readRegisterFile(out);
    ASSERT_EQ(sorted.rows.size(), 4u);
    QStringList order, totals;
    for (const RecordPtr &r : sorted.rows) {
        order << r->value(Key::DescriptionofTransaction).toString();
        totals << r->value(Key::Total).toString();
    }
    EXPECT_EQ(order, (QStringList{u"Opening"_s, u"B"_s, u"C"_s, u"U"_s}));
    EXPECT_EQ(totals, (QStringList{u"100.00"_s, u"90.00"_s, u"60.00"_s, u"40.00"_s}));
    // Without -o the register itself is sorted, the old file kept as FILE~.
    const QByteArray before = readFile(reg);
    ASSERT_EQ(cli({u"sort"_s, reg}).exitCode, 0);
    EXPECT_EQ(readFile(reg), readFile(out));
    EXPECT_EQ(readFile(reg + u'~'), before);
}

TEST_F(CliTest, AnEmptyStatementSaysThereIsNothingToImport)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const ProgramRun r = cli({u"import"_s, reg, file(u"empty.csv"_s, "\n\n")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: nothing to import: the statement holds no transactions\n"
                     "cheqbook-cli: nothing to add: %2 was left as it was\n"_s.arg(m_dir.filePath(u"empty.csv"_s), reg));
}

TEST_F(CliTest, ReconciliationPrintsTheStatementsFigures)
{
    const QString reg = file(u"r.ldgr"_s, "({Amount = 1000.00; Date = 01/01/2026;},"
                                          " {Amount = -100.00; Date = 01/05/2026; EOMSeen = 1;"
                                          "  StatementDate = 01/31/2026; StatementBalance = 900.00;},"
                                          " {Amount = 500.00; Date = 02/03/2026; EOMSeen = 1;},"
                                          " {Amount = -30.00; Date = 02/20/2026;})");
    auto figure = [](const QByteArray &out, const char *label) {
        for (const QByteArray &line : out.split('\n'))
            if (line.startsWith(label))
                return line.mid(qsizetype(strlen(label))).trimmed();
        return QByteArray("(none)");
    };
    // Without options: the last finished statement.
    ProgramRun r = cli({u"reconciliation"_s, reg});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(figure(r.out, "Statement balance"), "900.00");
    EXPECT_EQ(figure(r.out, "Difference"), "0.00");
    // For the statement being balanced.
    r = cli({u"reconciliation"_s, reg, u"--statement-balance"_s, u"$1,400.00"_s, u"--date=02/28/2026"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(figure(r.out, "Cleared balance"), "1400.00");
    EXPECT_EQ(figure(r.out, "Outstanding (1)"), "-30.00");
    EXPECT_EQ(figure(r.out, "Register balance"), "1370.00");
    EXPECT_EQ(figure(r.out, "Difference"), "0.00");
    // A register with no statement at all: what has cleared and what has not.
    r = cli({u"reconciliation"_s, file(u"n.ldgr"_s, "({Amount = 10.00;}, {Amount = -1.00;})")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(figure(r.out, "Cleared balance"), "10.00");
    EXPECT_EQ(figure(r.out, "Outstanding (1)"), "-1.00");
    EXPECT_EQ(figure(r.out, "Statement balance"), "(none)");
    // January again, by its date (and balance): what it cleared, as Finish
    // recorded it, not an empty statement being balanced.
    const ProgramRun last = cli({u"reconciliation"_s, reg});
    for (const QStringList &asked : {QStringList{u"--statement-balance=900.00"_s, u"--date=01/31/2026"_s},
                                     QStringList{u"--date=01/31/2026"_s}}) {
        r = cli(QStringList{u"reconciliation"_s, reg} + asked);
        EXPECT_EQ(r.out, last.out) << asked.join(u' ').toStdString();
        EXPECT_EQ(figure(r.out, "Cleared by this statement (1)"), "") << r.out.toStdString();
    }
    r = cli({u"reconciliation"_s, reg, u"--statement-balance=1400.00"_s});
    EXPECT_FALSE(r.out.contains("with no statement")) << r.out.toStdString();
    EXPECT_EQ(figure(r.out, "Statement balance"), "1400.00");
    EXPECT_EQ(cli({u"reconciliation"_s, reg, u"--statement-balance"_s, u"lots"_s}).exitCode, 2);
    EXPECT_EQ(cli({u"reconciliation"_s, reg, u"--date"_s}).exitCode, 2);
}

TEST_F(CliTest, RolloverWritesTheNewYearsRegister)
{
    const QString reg = file(u"r.ldgr"_s, "({Amount = 100; EOMSeen = 1;}, {Amount = -30;}, {Amount = -20; EOMSeen = 1;})");
    const QString out = m_dir.filePath(u"2008.ldgr"_s);
    ASSERT_EQ(cli({u"rollover"_s, reg, u"-o"_s, out}).exitCode, 0);
    const RegisterReadResult next = readRegisterFile(out);
    ASSERT_EQ(next.rows.size(), 2u);
    EXPECT_EQ(next.rows[0]->value(Key::Amount), Value::text(u"80.00"));
    EXPECT_EQ(next.rows[1]->value(Key::Amount), Value::text(u"-30.00"));

    const ProgramRun empty = cli({u"rollover"_s, file(u"e.ldgr"_s, "()"), u"-o"_s, out});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.startsWith(
        u"cheqbook-cli: %1: The register has no transactions"_s.arg(m_dir.filePath(u"e.ldgr"_s))));
}

TEST_F(CliTest, AStatementCannotWriteEscapeCodesToTheTerminal)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString csv = file(u"evil.csv"_s, "03/20/2007,-1.00,,,\"PAY \x1b]0;owned\x07\x1b[2J\x1f\"\n");
    ASSERT_EQ(cli({u"import"_s, reg, csv}).exitCode, 0);
    const ProgramRun r = cli({u"report"_s, reg});
    EXPECT_EQ(r.exitCode, 0);
    for (char c : r.out)
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
    EXPECT_TRUE(r.out.contains("PAY ")) << r.out.constData();
}

ProgramRun cliOnTerminal(const QStringList &args);

// Whether bytes hold no control character but line feeds and the tabs
// between the fields of a line.
bool nothingForTheTerminal(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == '\n' || c == '\t' || static_cast<unsigned char>(c) >= 0x20; });
}

TEST_F(CliTest, ControlCharactersFromFilesNeverReachTheTerminal)
{
    const QString reg = file(u"r.ldgr"_s, "({Amount = 100;}, {Amount = -1; DescriptionofTransaction = "
                                          "\"Pay\\033]0;owned\\007\";})");
    const QString csv = file(u"evil\x1b[2J.csv"_s, "03/20/2007,\"\x1b[31m12\",,,A\n"
                                                   "03/21/2007,-1.00,,,\"PAY\tX\x1b[2J\"\n");
    const QString badAmount = file(u"amount.ldgr"_s, "({Amount = \"\\033[2J\";})");
    const QString named = file(u"name\x1b]0;owned\x07.ldgr"_s, "({Amount = 1; Total = 2;})");
    const struct {
        QStringList args;
        const char *shown; // what must be in the output or the message, shown
    } cases[] = {
        {{u"import"_s, reg, csv, u"--dry-run"_s}, "PAY\xe2\x90\x89X"},
        {{u"import"_s, reg, csv, u"-o"_s, m_dir.filePath(u"out.ldgr"_s)}, "\xe2\x90\x9b[31m12"},
        {{u"balance"_s, badAmount}, "\xe2\x90\x9b[2J"},
        {{u"balance"_s, named}, "name\xe2\x90\x9b]0;owned\xe2\x90\x87.ldgr"},
        {{u"balance"_s, m_dir.filePath(u"missing\x1b[2J.ldgr"_s)}, "missing\xe2\x90\x9b[2J.ldgr"},
        {{u"reconciliation"_s, reg}, "Pay\xe2\x90\x9b]0;owned\xe2\x90\x87"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ProgramRun r = cli(c.args);
        EXPECT_NE(r.exitCode, -1);
        EXPECT_TRUE(nothingForTheTerminal(r.out)) << r.out.constData();
        EXPECT_TRUE(nothingForTheTerminal(r.err.toUtf8())) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(c.shown) || r.err.toUtf8().contains(c.shown))
            << r.out.constData() << r.err.toStdString();
    }
    // The line that shows how far work has come names the file too.
    const ProgramRun watched = cliOnTerminal({u"report"_s, u"--progress"_s, named});
    EXPECT_FALSE(watched.err.contains(u"name\x1b"_s)) << watched.err.toStdString();
}

TEST_F(CliTest, EveryCommandRefusesAnAmountThatIsNotOne)
{
    const QString path = file(u"bad.ldgr"_s, "({Amount = 100; Total = 100;},\n{Amount = abc; Total = 100;})");
    const QString statement = file(u"s.csv"_s, "03/20/2007,-1.00,,,A\n");
    const bool printing = cli({u"print"_s, u"--help"_s}).exitCode == 0;
    for (QStringList args : {QStringList{u"report"_s, path}, {u"balance"_s, path}, {u"sort"_s, path},
                             {u"convert"_s, path, u"-o"_s, path}, {u"import"_s, path, statement},
                             {u"reconciliation"_s, path}, {u"rollover"_s, path, u"-o"_s, m_dir.filePath(u"n.ldgr"_s)},
                             {u"print"_s, path, u"-o"_s, m_dir.filePath(u"r.pdf"_s)}}) {
        if (args[0] == u"print" && !printing)
            continue;
        SCOPED_TRACE(args.join(u' ').toStdString());
        const ProgramRun r = cli(args);
        EXPECT_EQ(r.exitCode, 1);
        // (Painting may warn of its own setting first.)
        EXPECT_TRUE(r.err.endsWith(u"cheqbook-cli: %1: row 2: the Amount \u201cabc\u201d is not an amount\n"_s.arg(path)))
            << r.err.toStdString();
        EXPECT_EQ(r.out, QByteArray());
    }
    EXPECT_EQ(readFile(path), "({Amount = 100; Total = 100;},\n{Amount = abc; Total = 100;})");
    EXPECT_EQ(QDir(m_dir.path()).entryList({u"*.pdf"_s, u"n.ldgr"_s, u"*~"_s}), QStringList());
}

TEST_F(CliTest, AStoredBalanceThatDisagreesIsSaidOnceAndWorkedOutAgain)
{
    const QString path = file(u"r.ldgr"_s, "({Amount = 100; Total = 100;},\n{Amount = -10; Total = 100;})");
    const ProgramRun r = cli({u"balance"_s, path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "90.00\n");
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: row 2 holds the balance 100.00, but the amounts down to it add up to "
                     "90.00; the balances the amounts give are used\n"_s.arg(path));
}

TEST_F(CliTest, AmountsAndBalancesAreWrittenWithTheirCentsInEitherForm)
{
    // As the window writes them: every amount as money text, every balance
    // with its cents, in the text form and in the XML of a new year's file.
    const QString reg = file(u"r.ldgr"_s, "({Amount = 20493.3; Total = 20493.30;})");
    const QString statement = file(u"s.csv"_s, "03/20/2007,-1,,,A\n");
    ASSERT_EQ(cli({u"import"_s, reg, statement}).exitCode, 0);
    const QByteArray saved = readFile(reg);
    EXPECT_TRUE(saved.contains("Amount = 20493.30;")) << saved.constData();
    EXPECT_TRUE(saved.contains("Amount = -1.00;")) << saved.constData();
    EXPECT_TRUE(saved.contains("Total = 20492.30;")) << saved.constData();
    const QString next = m_dir.filePath(u"next.ldgr"_s);
    ASSERT_EQ(cli({u"rollover"_s, reg, u"-o"_s, next}).exitCode, 0);
    const QByteArray xml = readFile(next);
    EXPECT_TRUE(xml.contains("<key>Amount</key>\n\t\t<string>-1.00</string>")) << xml.constData();
    EXPECT_TRUE(xml.contains("<key>Total</key>\n\t\t<real>20492.30</real>")) << xml.constData();
}

TEST_F(CliTest, UsageErrorsExitTwoAndHelpExitsZero)
{
    for (const QStringList &args : {QStringList{}, QStringList{u"frobnicate"_s}, QStringList{u"report"_s},
                                    QStringList{u"report"_s, u"a"_s, u"b"_s}, QStringList{u"convert"_s, u"a"_s},
                                    QStringList{u"report"_s, u"--bogus"_s, u"a"_s}, QStringList{u"import"_s, u"a"_s},
                                    QStringList{u"rollover"_s, u"a"_s}}) {
        const ProgramRun r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"usage: cheqbook-cli")) << r.err.toStdString();
    }
    for (const char *command : {"report", "balance", "convert", "import", "sort", "reconciliation", "rollover"}) {
        const ProgramRun r = cli({QString::fromLatin1(command), u"--help"_s});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.startsWith("usage: cheqbook-cli " + QByteArray(command)));
    }
}

TEST_F(CliTest, AFullDiskOnStandardOutputIsAnError)
{
    if (!QFile::exists(u"/dev/full"_s))
        GTEST_SKIP();
    QByteArray big = "(\n";
    for (int i = 0; i < 2000; ++i)
        big += "{Amount = 1.00; DescriptionofTransaction = \"a row of the register\";},\n";
    big += ")";
    const ProgramRun r = cli({u"report"_s, file(u"big.ldgr"_s, big)}, u"/dev/full"_s);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(u"cheqbook-cli: cannot write to standard output")) << r.err.toStdString();
}

// "report FILE | head" said "Broken pipe" and exited 1, as if the report had
// failed; cat and the other tools of a pipeline end quietly.
TEST_F(CliTest, AReportIntoAPipeClosedEarlyEndsQuietlyNotWithBrokenPipe)
{
    QByteArray big = "(\n";
    for (int i = 0; i < 5000; ++i) // more report than a pipe holds
        big += "{Amount = 1.00; DescriptionofTransaction = \"a row of the register\";},\n";
    big += ")";
    const QString script = u"\"$0\" report \"$1\" | head -c 10 >/dev/null; echo ${PIPESTATUS[0]}"_s;
    const ProgramRun r = runProgram(u"bash"_s, {u"-c"_s, script, QString::fromUtf8(CHEQBOOK_CLI),
                                                file(u"big.ldgr"_s, big)});
    EXPECT_EQ(r.out, "141\n") << "ended by SIGPIPE, as cat is";
    EXPECT_EQ(r.err, QString());
}

// The report is held until the file is known to be good, in the XML form as
// in the old-style one: a fault in the last row gives the one error, with no
// report before it.
TEST_F(CliTest, ABadXmlRegisterGivesOneErrorAndNoPartOfTheReport)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE plist [<!ENTITY memo SYSTEM \"memo.txt\">]>\n<plist><array>\n";
    for (int i = 0; i < 5000; ++i)
        xml += "<dict><key>Amount</key><real>1.5</real>"
               "<key>DescriptionofTransaction</key><string>row</string></dict>\n";
    xml += "<dict><key>DescriptionofTransaction</key><string>&memo;</string></dict>\n</array></plist>\n";
    const QString path = file(u"bad.xml"_s, xml);
    const ProgramRun r = cli({u"report"_s, path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_EQ(r.err, u"cheqbook-cli: "_s + path + u": line 5004: \u201c&memo;\u201d stands for text kept in another file (an "
                     "external entity), which Cheqbook does not read\n"_s);
}

// Runs cheqbook-cli with its standard error on a terminal of its own; what
// it wrote there comes back in err.
ProgramRun cliOnTerminal(const QStringList &args)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return {};
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    QProcess p;
    p.setStandardErrorFile(QString::fromLocal8Bit(::ptsname(master)));
    p.start(QString::fromUtf8(CHEQBOOK_CLI), args);
    ProgramRun r;
    QByteArray terminal;
    char buffer[4096];
    while (!p.waitForFinished(20)) {
        if (p.state() == QProcess::NotRunning)
            break;
        for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
            terminal.append(buffer, n);
    }
    for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
        terminal.append(buffer, n);
    ::close(master);
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(terminal);
    return r;
}

TEST_F(CliTest, ProgressIsShownOnlyWhenAskedForAndOnlyOnATerminal)
{
    QByteArray rows = "(";
    for (int i = 0; i < 20000; ++i)
        rows += "{Amount = -1.00; Date = 12/0" + QByteArray::number(i % 9 + 1) + "/2026;},";
    rows += "{Amount = 1.00;})";
    const QString path = file(u"long.ldgr"_s, rows);
    const ProgramRun plain = cli({u"report"_s, path});
    ASSERT_EQ(plain.exitCode, 0);

    const ProgramRun piped = cli({u"report"_s, u"--progress"_s, path});
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.out, plain.out);
    EXPECT_EQ(piped.err, QString()) << "standard error is not a terminal here";

    const ProgramRun watched = cliOnTerminal({u"report"_s, u"--progress"_s, path});
    EXPECT_EQ(watched.exitCode, 0);
    EXPECT_EQ(watched.out, plain.out) << "the report itself is untouched";
    EXPECT_TRUE(watched.err.startsWith(u"\r\x1b[Kcheqbook-cli: reading long.ldgr 0%"_s)) << watched.err.toStdString();
    EXPECT_TRUE(watched.err.endsWith(u"\r\x1b[K"_s)) << "the line is wiped at the end";

    const ProgramRun unasked = cliOnTerminal({u"sort"_s, path});
    EXPECT_EQ(unasked.exitCode, 0);
    EXPECT_EQ(unasked.err, QString());

    // Reading, sorting and writing each say what they do; a failure's
    // message starts on a line of its own.
    const ProgramRun sorted = cliOnTerminal({u"sort"_s, u"--progress"_s, path});
    EXPECT_EQ(sorted.exitCode, 0);
    EXPECT_TRUE(sorted.err.contains(u"cheqbook-cli: sorting long.ldgr"_s)) << sorted.err.toStdString();
    const ProgramRun failed =
        cliOnTerminal({u"sort"_s, u"--progress"_s, path, u"-o"_s, m_dir.filePath(u"no/such/dir/x"_s)});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains(u"writing x 0%\r\x1b[Kcheqbook-cli: x could not be written"_s))
        << failed.err.toStdString();
}

} // namespace
