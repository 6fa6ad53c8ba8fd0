// cheqbook-cli, run as a user runs it.

#include "MyDocument.h"
#include "RegisterFile.h"
#include "RowIdentity.h"

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
    RegisterReadResult expected = parseRegister(m_register);
    giveIdentities(expected.rows);
    EXPECT_EQ(readFile(back), oldStyleText(expected.rows));
}

// A converted register once went without identities, so that a merge of it
// with a version the window saved matched no row.
TEST_F(CliTest, ConvertGivesRowsWithoutIdentityTheOnesTheWindowGivesAndKeepsTheOthers)
{
    // The second row's identity written by hand, in no form Cheqbook makes.
    const QByteArray written = QByteArray(m_register).replace("CheckNumber = 101;", "CheckNumber = 101; ID = \"my row\";");
    const QString in = file(u"r.ldgr"_s, written);
    for (const QStringList &form : {QStringList{}, QStringList{u"--xml"_s}}) {
        const QString out = m_dir.filePath(u"out.ldgr"_s);
        const ProgramRun r = cli(QStringList{u"convert"_s, in, u"-o"_s, out} + form);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        MyDocument window;
        QString why;
        ASSERT_TRUE(window.readFromFile(in, u"ldgr", &why)) << why.toStdString();
        const RegisterReadResult converted = parseRegister(readFile(out));
        ASSERT_EQ(converted.rows.size(), 2u);
        EXPECT_EQ(converted.rows[0]->value(Key::ID).toString(), window.objectAtIndex(0)->value(Key::ID).toString());
        EXPECT_EQ(converted.rows[0]->value(Key::ID).toString().size(), kIdentityLength);
        EXPECT_EQ(converted.rows[1]->value(Key::ID).toString(), u"my row"_s);
        EXPECT_EQ(rowIds(converted.rows), rowIds(window.array()->rows())) << form.join(u' ').toStdString();
    }
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
    // that moves with its cents, in the text form and in the XML of a new
    // year's file.
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
    // Read from the text form, which cannot tell a number from a text, a
    // right balance stays as it was read, as the window leaves it.
    EXPECT_TRUE(xml.contains("<key>Total</key>\n\t\t<string>20492.30</string>")) << xml.constData();
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
    for (int i = 0; i < 20000; ++i) // more report than a pipe holds, grown to a megabyte
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
    // message starts on a line of its own (a file that cannot be made is
    // known before any of it is written).
    const ProgramRun sorted = cliOnTerminal({u"sort"_s, u"--progress"_s, path});
    EXPECT_EQ(sorted.exitCode, 0);
    EXPECT_TRUE(sorted.err.contains(u"cheqbook-cli: sorting long.ldgr"_s)) << sorted.err.toStdString();
    const ProgramRun failed =
        cliOnTerminal({u"sort"_s, u"--progress"_s, path, u"-o"_s, m_dir.filePath(u"no/such/dir/x"_s)});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains(u"%\r\x1b[Kcheqbook-cli: x could not be written"_s))
        << failed.err.toStdString();
}

} // namespace
