// Crash recovery, with real Cheqbooks (the recovery helper) killed while they
// hold unsaved changes.

#include "DocumentController.h"
#include "FakeToolkit.h"
#include "FileLock.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <utime.h>

using namespace Qt::StringLiterals;

namespace {

// A Cheqbook run as its own process, optionally as process 1 of a process id
// namespace of its own, as in a container.
class Helper
{
public:
    Helper(const QStringList &args, bool ownPidNamespace = false)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Whatever the user's umask, the copies are private.
        m_process.setChildProcessModifier([] { ::umask(0); });
        const QString helper = QString::fromUtf8(RECOVERY_HELPER);
        if (ownPidNamespace)
            m_process.start(u"unshare"_s, QStringList{u"--user"_s, u"--map-root-user"_s, u"--pid"_s, u"--fork"_s,
                                                      u"--kill-child"_s, helper}
                                              + args);
        else
            m_process.start(helper, args);
        m_process.waitForStarted();
    }
    ~Helper()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    // Waits until the helper has said line; false when it ended or took too long.
    bool waitFor(const QString &line)
    {
        for (int i = 0; i < 300 && !lines().contains(line); ++i) {
            m_process.waitForReadyRead(100);
            m_said += m_process.readAllStandardOutput();
            if (m_process.state() == QProcess::NotRunning)
                m_said += m_process.readAllStandardOutput();
        }
        return lines().contains(line);
    }
    QStringList lines() const { return QString::fromUtf8(m_said).split(u'\n', Qt::SkipEmptyParts); }
    void kill()
    {
        m_process.kill(); // SIGKILL: no chance to clean up
        m_process.waitForFinished();
    }
    void terminate()
    {
        m_process.terminate();
        m_process.waitForFinished();
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_said;
};

bool pidNamespacesAllowed()
{
    QProcess p;
    p.start(u"unshare"_s, {u"--user"_s, u"--map-root-user"_s, u"--pid"_s, u"--fork"_s, u"--kill-child"_s, u"true"_s});
    return p.waitForFinished() && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QFileDevice::Permissions modeOf(const QString &path)
{
    return QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

class RecoveryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        path = writeFile(dir.filePath(u"checking.ldgr"_s), original);
    }
    void TearDown() override
    {
        for (MyDocument *d : controller.documents())
            d->updateChangeCount();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList copies() const { return QDir(folder).entryList({u"*.ldgr"_s}, QDir::Files, QDir::Name); }
    QStringList aside(const QString &which) const
    {
        return QDir(folder + u'/' + which).entryList(QDir::Files, QDir::Name);
    }
    // A Cheqbook that was killed with "Unsaved coffee" entered.
    void crashWithUnsavedCoffee(bool ownPidNamespace = false)
    {
        Helper helper({folder, path, u"edit"_s}, ownPidNamespace);
        ASSERT_TRUE(helper.waitFor(u"ready"_s)) << "the helper never wrote its recovery copy";
        helper.kill();
        // Killed through unshare, the Cheqbook in its own namespace dies a
        // moment later; until it has, its lock stands and the register is
        // rightly Already Open.
        const QFileInfo file(path);
        const QString lock = file.dir().filePath(u'.' + file.fileName() + u".lock"_s);
        for (int i = 0; i < 100 && FileLock::isHeldAt(lock); ++i)
            QThread::msleep(50);
    }
    QStringList descriptions(const MyDocument *d) const
    {
        QStringList out;
        for (const RecordPtr &r : d->array()->rows())
            out << r->value(Key::DescriptionofTransaction).toString();
        return out;
    }

    QTemporaryDir dir;
    QString path;
    const QByteArray original = "({Amount = 100.00; DescriptionofTransaction = Opening;})";
    const QString folder = dir.filePath(u"recovery"_s);
    FakeToolkit toolkit;
    DocumentController controller{toolkit, folder};
};

TEST_F(RecoveryTest, AKilledCheqbooksChangesAreOfferedBackAndKeptUntilSaved)
{
    {
        Helper helper({folder, path, u"edit"_s});
        ASSERT_TRUE(helper.waitFor(u"ready"_s));
        // Private whatever the umask: the rows of a private register are in it.
        EXPECT_EQ(modeOf(folder), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        ASSERT_EQ(copies().size(), 1);
        EXPECT_EQ(modeOf(folder + u'/' + copies()[0]), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        // While it runs, its lock warns this Cheqbook, and its copy is not offered.
        toolkit.confirmAnswers = {false};
        EXPECT_EQ(controller.openDocument(path), nullptr);
        EXPECT_TRUE(toolkit.confirmAnswers.empty());
        controller.offerRecovery();
        EXPECT_TRUE(controller.documents().isEmpty());
        helper.kill();
    }

    toolkit.confirmAnswers = {true};
    controller.offerRecovery();
    ASSERT_EQ(controller.documents().size(), 1);
    MyDocument *d = controller.documents().front();
    EXPECT_EQ(d->fileName(), path);
    EXPECT_TRUE(d->isDocumentEdited());
    EXPECT_EQ(descriptions(d), (QStringList{u"Opening"_s, u"Unsaved coffee"_s}));
    EXPECT_EQ(readFile(path), original) << "nothing was saved behind the user's back";
    EXPECT_EQ(copies().size(), 1) << "the copy stays until the work is saved";

    ASSERT_TRUE(controller.saveDocument(d));
    EXPECT_TRUE(copies().isEmpty());
}

TEST_F(RecoveryTest, RestoringAfterTheFileChangedSaysSoAndNeverOverwritesUnasked)
{
    crashWithUnsavedCoffee();
    // After the crash, rows come into the file from elsewhere.
    const QString csv = writeFile(dir.filePath(u"bank.csv"_s), "12/01/2026,-1.00,,,A\n12/02/2026,-2.00,,,B\n"
                                                                 "12/03/2026,-3.00,,,C\n");
    ASSERT_EQ(runProgram(QString::fromUtf8(CHEQBOOK_CLI), {u"import"_s, path, csv}).exitCode, 0);
    const QByteArray imported = readFile(path);

    toolkit.confirmAnswers = {true, true}; // restore, and keep them
    controller.offerRecovery();
    ASSERT_EQ(toolkit.questions.size(), 2u);
    EXPECT_TRUE(toolkit.questions[1].message.contains(u"was changed, moved or deleted by another program"))
        << toolkit.questions[1].message.toStdString();
    EXPECT_EQ(toolkit.questions[1].confirmButton, u"Keep");
    ASSERT_EQ(controller.documents().size(), 1);
    MyDocument *d = controller.documents().front();
    EXPECT_TRUE(d->isDocumentEdited());
    EXPECT_EQ(descriptions(d), (QStringList{u"Opening"_s, u"Unsaved coffee"_s}));

    // Saving asks, and a no leaves the imported rows where they are.
    toolkit.chooseAnswers = {u"Cancel"_s};
    EXPECT_FALSE(controller.saveDocument(d));
    EXPECT_EQ(toolkit.questions.back().title, u"Save");
    EXPECT_EQ(readFile(path), imported);
}

TEST_F(RecoveryTest, RestoreIsTheDefaultAndADiscardedCopyIsKeptAsideForAWeek)
{
    crashWithUnsavedCoffee();
    toolkit.confirmAnswers = {false};
    controller.offerRecovery();
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_EQ(toolkit.questions[0].confirmButton, u"Restore");
    EXPECT_TRUE(toolkit.questions[0].confirmIsDefault) << "Return restores";
    EXPECT_TRUE(controller.documents().isEmpty());
    EXPECT_TRUE(copies().isEmpty());
    const QStringList discarded = aside(u"Discarded"_s);
    ASSERT_EQ(discarded.size(), 1);
    const QString kept = folder + u"/Discarded/"_s + discarded[0];
    EXPECT_TRUE(readFile(kept).contains("Unsaved coffee"));

    // Kept for seven days from the discard, then gone.
    const QString older = writeFile(folder + u"/Discarded/older.ldgr"_s, "()");
    const time_t eightDaysAgo = time(nullptr) - 8 * 24 * 3600;
    const utimbuf times{eightDaysAgo, eightDaysAgo};
    ASSERT_EQ(::utime(QFile::encodeName(older).constData(), &times), 0);
    controller.offerRecovery();
    EXPECT_EQ(aside(u"Discarded"_s), discarded);
}

TEST_F(RecoveryTest, ASecondCrashRightAfterRestoringLosesNothing)
{
    crashWithUnsavedCoffee();
    {
        Helper restorer({folder, u"-"_s, u"restore"_s});
        ASSERT_TRUE(restorer.waitFor(u"ready"_s));
        EXPECT_TRUE(restorer.lines().contains(u"restored: Opening|Unsaved coffee"_s))
            << restorer.lines().join(u'\n').toStdString();
        restorer.kill(); // well within the few seconds before it writes a copy of its own
    }
    toolkit.confirmAnswers = {true};
    controller.offerRecovery();
    ASSERT_EQ(controller.documents().size(), 1);
    EXPECT_EQ(descriptions(controller.documents().front()), (QStringList{u"Opening"_s, u"Unsaved coffee"_s}));
}

TEST_F(RecoveryTest, AProcessIdThatRepeatsHidesNoRecoveryAndFakesNoOwner)
{
    if (!pidNamespacesAllowed())
        GTEST_SKIP() << "unshare cannot make a process id namespace here";
    // Each Cheqbook below is process 1, as in a container.
    crashWithUnsavedCoffee(true);
    {
        Helper opener({folder, path, u"open"_s}, true);
        ASSERT_TRUE(opener.waitFor(u"opened"_s)) << opener.lines().join(u'\n').toStdString();
        EXPECT_FALSE(opener.lines().contains(u"asked: Already Open"_s)) << "a dead process 1 taken for a live one";
    }
    Helper restorer({folder, u"-"_s, u"restore"_s}, true);
    ASSERT_TRUE(restorer.waitFor(u"ready"_s));
    EXPECT_TRUE(restorer.lines().contains(u"restored: Opening|Unsaved coffee"_s))
        << restorer.lines().join(u'\n').toStdString();
}

TEST_F(RecoveryTest, SteadyEditingIsCopiedEveryFewSeconds)
{
    MyDocument *d = controller.openDocument(path);
    QMainWindow *w = windowController(d)->window();
    // An entry a second, never three seconds apart.
    for (int i = 1; i <= 4; ++i) {
        w->findChild<QLineEdit *>(u"Amount"_s)->setText(QString::number(i));
        w->findChild<QPushButton *>(u"enterButton"_s)->click();
        QTest::qWait(i < 4 ? 1000 : 500);
    }
    ASSERT_EQ(copies().size(), 1) << "3.5 s of changes and no copy";
    EXPECT_TRUE(readFile(folder + u'/' + copies()[0]).contains("Amount = 3.00;"));
}

TEST_F(RecoveryTest, ADamagedCopyIsReportedAndPutAside)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString damaged = writeFile(folder + u"/0badc0de-1.ldgr"_s, "// Cheqbook recovery of: x\n({Amount = ;})");
    controller.offerRecovery();
    const QString alert = toolkit.takeAlert();
    EXPECT_TRUE(alert.contains(damaged)) << alert.toStdString();
    EXPECT_TRUE(alert.contains(u"line 2"_s)) << alert.toStdString();
    // Said as it is done: the copy is deleted once it has been aside a week.
    EXPECT_TRUE(alert.contains(u"Cheqbook deletes it once it has been there 7 days"_s)) << alert.toStdString();
    EXPECT_TRUE(copies().isEmpty());
    ASSERT_EQ(aside(u"Damaged"_s).size(), 1);
    controller.offerRecovery();
    EXPECT_TRUE(toolkit.alerts.empty()) << "told once";
    const QString kept = folder + u"/Damaged/"_s + aside(u"Damaged"_s).front();
    const qint64 weekAndDay = QDateTime::currentSecsSinceEpoch() - 8 * 86400;
    const struct timespec times[2] = {{weekAndDay, 0}, {weekAndDay, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(kept).constData(), times, 0);
    controller.offerRecovery();
    EXPECT_EQ(aside(u"Damaged"_s), QStringList());
}

TEST_F(RecoveryTest, EndingTheProgramWritesTheCopyFirst)
{
    {
        Helper helper({folder, path, u"type"_s});
        ASSERT_TRUE(helper.waitFor(u"entered"_s));
        helper.terminate(); // long before the copy would be due
        EXPECT_EQ(helper.process().exitStatus(), QProcess::CrashExit) << "ended as SIGTERM ends a program";
    }
    toolkit.confirmAnswers = {true};
    controller.offerRecovery();
    ASSERT_EQ(controller.documents().size(), 1);
    EXPECT_EQ(descriptions(controller.documents().front()), (QStringList{u"Opening"_s, u"Unsaved coffee"_s}));
}

TEST_F(RecoveryTest, ACleanCloseLeavesNothingToRecover)
{
    RecoveryStore store(folder);
    Register reg;
    reg.append(makeRecord());
    ASSERT_EQ(store.save(1, path, FileStamp(), reg), QString());
    EXPECT_TRUE(store.leftBehind().recovered.empty()) << "this session's own copies are not left behind";
    store.remove(1);
    EXPECT_TRUE(copies().isEmpty());
}

} // namespace
