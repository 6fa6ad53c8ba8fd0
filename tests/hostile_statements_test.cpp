// Statements an attacker or a broken bank would hand the import: an OFX file
// beyond what is read is refused, naming the bound and where; a reading is
// stopped at once, inside libofx or inside one enormous line, importing
// nothing; and no copy of a statement outlives its reading, even when the
// program reading it is killed.

#include "HostileStatements.h"

#include "ImportPreview.h"
#include "OfxScan.h"
#include "OfxStatement.h"
#include "StatementReader.h"
#include "WatchedWork.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace hostile;

namespace {

const QDate kToday(2026, 12, 7);

// Stops the work at its stopAt-th report, keeping the last one.
struct StoppingProgress : Progress {
    int stopAt = 0;
    int reports = 0;
    qint64 done = 0, total = 0;
    bool advance(qint64 d, qint64 t) override
    {
        done = d;
        total = t;
        return ++reports < stopAt || stopAt == 0;
    }
    bool wasCancelled() const override { return stopAt > 0 && reports >= stopAt; }
};

// An environment variable set for one test.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value) : m_name(name), m_old(qgetenv(name))
    {
        m_had = qEnvironmentVariableIsSet(name);
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had = false;
};

TEST(HostileStatements, AnOfxFileBeyondABoundIsRefusedNamingTheBoundAndWhere)
{
    const QByteArray nested65 = QByteArray("<X>").repeated(60) + QByteArray("</X>").repeated(60);
    const QByteArray longMemo(kMaxOfxText + 1, 'M');
    const struct {
        const char *fault;
        QByteArray bytes;
        QString error;
    } cases[] = {
        {"200,000 nested tags ran libofx for minutes", ofxStatement(ofxTransaction(0) + nested65),
         u"line 7: <X> is nested 65 deep, more than the 64 Cheqbook reads (a bank's statement is nested about 8 "
         "deep); nothing was imported"_s},
        {"unclosed transactions nest without end",
         ofxStatement(QByteArray("<STMTTRN><DTPOSTED>20261101<TRNAMT>-1.00\n").repeated(100)),
         u"line 65: <STMTTRN> is nested 65 deep, more than the 64 Cheqbook reads (a bank's statement is nested "
         "about 8 deep); nothing was imported"_s},
        {"200,000 transactions never finished", ofxStatement(ofxTransactions(kMaxOfxTransactions + 1)),
         u"line 50006: transaction 50001 begins here, more than the 50000 Cheqbook reads from one OFX file (a year "
         "of a busy account has a few thousand): ask the bank for a shorter period; nothing was imported"_s},
        {"a 10 MB memo held libofx for seconds", ofxStatement(ofxTransaction(0, longMemo)),
         u"line 6: the text after <MEMO> is 65537 characters long, more than the 65536 Cheqbook reads in one piece "
         "of an OFX file (a bank writes a few hundred at most); nothing was imported"_s},
        {"a tag of a megabyte", ofxStatement("<STMTTRN x=\"" + longMemo + "\">"),
         u"line 6: the tag <STMTTRN> is 65551 characters long, more than the 65536 Cheqbook reads in one piece of "
         "an OFX file (a bank writes a few hundred at most); nothing was imported"_s},
        {"a comment of a megabyte", ofxStatement("<!--" + longMemo + "-->"),
         u"line 6: the comment that begins here is 65544 characters long, more than the 65536 Cheqbook reads in one "
         "piece of an OFX file (a bank writes a few hundred at most); nothing was imported"_s},
        {"a file of gigabytes", ofxStatement(QByteArray(kMaxOfxBytes, ' ')),
         u"the file is 65 MB, more than the 64 MB Cheqbook reads as an OFX statement (a year of a busy account is "
         "a few); nothing was imported"_s},
    };
    // Refused before libofx is given anything: without it, the same.
    const ScopedVariable noReader("CHEQBOOK_OFX_READER", "/nonexistent/cheqbook-ofx-reader");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fault);
        const StatementRead r = readStatement(c.bytes, {}, kToday);
        EXPECT_EQ(r.statement.error, c.error);
        EXPECT_TRUE(r.statement.lines.empty());
        EXPECT_TRUE(r.accounts.empty());
    }
}

// The bounds are where they say: a file at each is read.
TEST(HostileStatements, AnOfxFileAtEachBoundIsNotRefused)
{
    const QByteArray nested64 = QByteArray("<X>").repeated(59) + QByteArray("</X>").repeated(59);
    const std::pair<const char *, QByteArray> cases[] = {
        {"nested 64 deep", ofxStatement(ofxTransaction(0) + nested64)},
        {"50,000 transactions", ofxStatement(ofxTransactions(kMaxOfxTransactions))},
        {"a memo of 64 KB", ofxStatement(ofxTransaction(0, QByteArray(kMaxOfxText, 'M')))},
    };
    for (const auto &[what, bytes] : cases) {
        SCOPED_TRACE(what);
        EXPECT_EQ(scanOfx(bytes).error, QString());
    }
}

// SGML never closes a value's element, and an empty value looks like an
// element that holds others: such values must not add up to a depth.
TEST(HostileStatements, EmptyValuesInManyTransactionsAreNoDeepNesting)
{
    QByteArray transactions;
    for (int i = 0; i < 200; ++i)
        transactions += "<STMTTRN>\n<TRNTYPE>DEBIT\n<DTPOSTED>20261102\n<TRNAMT>-1.00\n<FITID>" + QByteArray::number(i)
            + "\n<CHECKNUM>\n<NAME>SHOP\n<MEMO>\n</STMTTRN>\n";
    const StatementRead r = readStatement(ofxStatement(transactions), {}, kToday);
    ASSERT_TRUE(r.ok()) << r.statement.error.toStdString();
    EXPECT_EQ(r.statement.lines.size(), 200u);
}

// libofx has no way to be stopped: its reader is killed, at once, with the
// copy it keeps.
TEST(HostileStatements, AStoppedOfxReadingKillsLibofxAtOnceAndLeavesNothing)
{
    QTemporaryDir tmp;
    const ScopedVariable privateTmp("TMPDIR", QFile::encodeName(tmp.path()));
    // Stopped a few reports after the reader is seen at work.
    struct : Progress {
        pid_t reader = 0;
        int reportsSince = 0;
        bool advance(qint64, qint64) override
        {
            if (const std::vector<pid_t> readers = ofxReadersOf(getpid()); !readers.empty())
                reader = readers.front();
            return reader == 0 || ++reportsSince < 3;
        }
        bool wasCancelled() const override { return reportsSince >= 3; }
    } progress;
    QElapsedTimer clock;
    clock.start();
    const OfxRead read = readOfx(slowOfx(), &progress);
    // libofx alone takes minutes over this file.
    EXPECT_LT(clock.elapsed(), 20000);
    EXPECT_TRUE(read.stopped);
    EXPECT_EQ(read.error, kReadingStoppedMessage.toString());
    EXPECT_TRUE(read.accounts.empty());
    ASSERT_NE(progress.reader, 0) << "the reader was never seen";
    // Killed, they are gone once the kernel has taken them down: a moment
    // on a busy machine, not the minutes libofx would take.
    EXPECT_TRUE(waitFor([&] { return processesOfGroup(progress.reader).empty(); }, 2000))
        << "the reader and its child are gone";
    EXPECT_EQ(entriesOf(tmp.path()), QStringList());
}

TEST(HostileStatements, AStoppedCsvReadingStopsInsideTheStatementNotAfterIt)
{
    const std::pair<const char *, QByteArray> cases[] = {
        {"one line of 30 MB", "12/01/2026,-5.00,*,," + QByteArray(30 << 20, 'D') + "\n"},
        {"200,000 lines", QByteArray("12/01/2026,-5.00,*,,SHOP\n").repeated(200000)},
        {"a header and 200,000 lines",
         "Date,Amount,Description\n" + QByteArray("12/01/2026,-5.00,SHOP\n").repeated(200000)},
    };
    for (const auto &[what, bytes] : cases) {
        SCOPED_TRACE(what);
        StoppingProgress progress;
        progress.stopAt = 3;
        const StatementRead r = readStatement(bytes, {}, kToday, &progress);
        EXPECT_TRUE(r.stopped);
        EXPECT_FALSE(r.ok());
        EXPECT_TRUE(r.statement.lines.empty());
        EXPECT_LT(progress.done, progress.total) << "stopped on its way, not at its end";
    }
}

TEST(HostileStatements, WatchedWorkIsStoppedByItsWatcherAndEndsBeforeTheWaitDoes)
{
    StoppingProgress watcher;
    watcher.stopAt = 3;
    std::atomic<bool> running{false};
    bool toldToStop = false;
    const bool whole = runWatched(
        [&](Progress &p) {
            running = true;
            while (p.advance(1, 2))
                QThread::msleep(1);
            toldToStop = true;
            running = false;
        },
        watcher);
    EXPECT_FALSE(whole);
    EXPECT_TRUE(toldToStop);
    EXPECT_FALSE(running) << "the work has ended when the wait does";
    EXPECT_EQ(watcher.done, 1) << "the work's reports reach the watcher";

    StoppingProgress patient;
    EXPECT_TRUE(runWatched([](Progress &) { QThread::msleep(60); }, patient));
    EXPECT_GT(patient.reports, 0) << "the watcher is asked while the work runs";
    EXPECT_THROW(runWatched([](Progress &) { throw std::runtime_error("disk"); }, patient), std::runtime_error);
}

// An OFX file is read once: choosing one of its accounts does not start
// libofx again over a file it may take minutes over.
TEST(HostileStatements, ChoosingAnotherAccountDoesNotReadTheFileAgain)
{
    const QByteArray twoAccounts = ofxStatement(ofxTransaction(1)).replace(
        "</STMTTRNRS>", "</STMTTRNRS><STMTTRNRS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>2222<ACCTTYPE>"
                        "SAVINGS</BANKACCTFROM><BANKTRANLIST>\n" + ofxTransaction(2) + ofxTransaction(3)
                            + "</BANKTRANLIST></STMTRS></STMTTRNRS>");
    ImportPreview preview(twoAccounts, u"two.ofx"_s, std::make_shared<Register>(), kToday);
    ASSERT_TRUE(preview.read().needsAccount()) << preview.read().statement.error.toStdString();
    const ScopedVariable noReader("CHEQBOOK_OFX_READER", "/nonexistent/cheqbook-ofx-reader");
    preview.setAccount(u"2222"_s);
    EXPECT_EQ(preview.read().statement.error, QString());
    EXPECT_EQ(preview.rows().size(), 2u);
}

// --- cheqbook-cli, killed or not ---------------------------------------------

enum class Namespaces { AsTheSystemGives, Refused };

bool systemGivesNamespaces()
{
    return runProgram(u"unshare"_s, {u"-Urm"_s, u"mount"_s, u"-t"_s, u"tmpfs"_s, u"tmpfs"_s, u"/tmp"_s}).exitCode
        == 0;
}

// cheqbook-cli with the arguments, TMPDIR tmp; where the system refuses
// the reader namespaces, as some do, or as a user namespace of its own does
// where none may be made in it.
void startCli(QProcess &p, Namespaces namespaces, const QString &tmp, const QStringList &args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"TMPDIR"_s, tmp);
    p.setProcessEnvironment(env);
    if (namespaces == Namespaces::AsTheSystemGives) {
        p.start(QString::fromUtf8(CHEQBOOK_CLI), args);
    } else {
        p.start(u"unshare"_s, QStringList{u"-Ur"_s, u"sh"_s, u"-c"_s,
                                          u"echo 0 >/proc/sys/user/max_user_namespaces && exec \"$0\" \"$@\""_s,
                                          QString::fromUtf8(CHEQBOOK_CLI)}
                                  + args);
    }
    ASSERT_TRUE(p.waitForStarted());
}

class CliReadingTest : public ::testing::TestWithParam<Namespaces>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Namespaces::Refused
            && runProgram(u"unshare"_s, {u"-Ur"_s, u"sh"_s, u"-c"_s, u"echo 0 >/proc/sys/user/max_user_namespaces"_s})
                    .exitCode
                != 0)
            GTEST_SKIP() << "no user namespace for the test to refuse namespaces in";
        reg = writeFile(work.filePath(u"r.ldgr"_s), "(\n{Amount = 100; CheckNumber = \"\"; Date = "
                                                    "\"11/01/2026\"; DescriptionofTransaction = Opening; Total = 100;}\n)\n");
    }
    QString statement(const QByteArray &bytes) { return writeFile(work.filePath(u"s.ofx"_s), bytes); }
    int run(const QString &statementPath)
    {
        QProcess p;
        startCli(p, GetParam(), tmp.path(), {u"import"_s, u"--dry-run"_s, reg, statementPath});
        p.waitForFinished(60000);
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QTemporaryDir work, tmp;
    QString reg;
};

TEST_P(CliReadingTest, TheCliLeavesNothingInTheTemporaryFolder)
{
    EXPECT_EQ(run(statement(ofxStatement(ofxTransactions(3)))), 0);
    EXPECT_EQ(entriesOf(tmp.path()), QStringList());
}

// Killed while libofx read, the window left a copy of the statement in /tmp
// each time.
TEST_P(CliReadingTest, NoCopyOfTheStatementSurvivesAKillDuringTheReading)
{
    const QString slow = statement(slowOfx());
    QProcess p;
    startCli(p, GetParam(), tmp.path(), {u"import"_s, u"--dry-run"_s, reg, slow});
    const pid_t cli = pid_t(p.processId());
    std::vector<pid_t> readers;
    ASSERT_TRUE(waitFor([&] { return !(readers = ofxReadersOf(cli)).empty(); }, 20000)) << "no reader started";
    // Past the start, into libofx's reading, where its copy is.
    QThread::msleep(500);
    ::kill(cli, SIGKILL);
    p.waitForFinished();
    const bool readerGone = waitFor([&] { return processesOfGroup(readers.front()).empty(); }, 10000);
    if (!readerGone)
        ::kill(-readers.front(), SIGKILL);
    ASSERT_TRUE(readerGone) << "the reader outlived its program";
    if (GetParam() == Namespaces::AsTheSystemGives && systemGivesNamespaces()) {
        EXPECT_EQ(entriesOf(tmp.path()), QStringList()) << "the copy was in memory only the reader saw";
        return;
    }
    // Without namespaces, the copy was in a private folder, which the next reading removes.
    for (const QString &left : entriesOf(tmp.path())) {
        EXPECT_TRUE(left.startsWith(u"cheqbook-ofx-"_s)) << left.toStdString();
        EXPECT_EQ(QFileInfo(tmp.filePath(left)).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                  QFile::Permissions());
    }
    EXPECT_EQ(run(statement(ofxStatement(ofxTransactions(3)))), 0);
    EXPECT_EQ(entriesOf(tmp.path()), QStringList());
}

INSTANTIATE_TEST_SUITE_P(, CliReadingTest, ::testing::Values(Namespaces::AsTheSystemGives, Namespaces::Refused),
                         [](const auto &info) {
                             return std::string(info.param == Namespaces::Refused ? "WithoutNamespaces"
                                                                                  : "WithTheSystemsNamespaces");
                         });

} // namespace
