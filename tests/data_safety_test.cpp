// What keeps a register safe: backups, the question before overwriting a file
// another program changed, lock files and failed writes. Crash recovery has a
// suite of its own.

#include "AtomicFile.h"
#include "DocumentController.h"
#include "FakeToolkit.h"
#include "FileLock.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "ProcessSignals.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

class DataSafetyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        path = dir.filePath(u"checking.ldgr"_s);
        writeFile(path, original);
    }
    void TearDown() override
    {
        for (MyDocument *d : controller.documents())
            d->updateChangeCount();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void enter(MyDocument *d, const QString &amount)
    {
        QMainWindow *w = d->windowController()->window();
        w->findChild<QLineEdit *>(u"Amount"_s)->setText(amount);
        w->findChild<QPushButton *>(u"enterButton"_s)->click();
    }

    QTemporaryDir dir;
    QString path;
    const QByteArray original = "({Amount = 100.00; DescriptionofTransaction = Opening;})";
    FakeToolkit toolkit;
    DocumentController controller{toolkit, dir.filePath(u"recovery"_s)};
    ProcessSignals signalHandling{controller};
};

TEST_F(DataSafetyTest, EachSaveKeepsThePreviousVersionAsABackup)
{
    MyDocument *d = controller.openDocument(path);
    enter(d, u"1"_s);
    ASSERT_TRUE(controller.saveDocument(d));
    EXPECT_EQ(readFile(path + u"~"_s), original);
    const QByteArray first = readFile(path);
    enter(d, u"2"_s);
    ASSERT_TRUE(controller.saveDocument(d));
    EXPECT_EQ(readFile(path + u"~"_s), first) << "one generation";
    EXPECT_FALSE(QFile::exists(path + u"~.new"_s));
}

TEST_F(DataSafetyTest, SavingOverAFileChangedElsewhereAsksFirst)
{
    MyDocument *d = controller.openDocument(path);
    enter(d, u"1"_s);
    const QByteArray theirs = "({Amount = 5.00;})";
    writeFile(path, theirs);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    f.close();

    toolkit.confirmAnswers = {false};
    EXPECT_FALSE(controller.saveDocument(d));
    EXPECT_EQ(readFile(path), theirs);
    EXPECT_TRUE(d->isDocumentEdited());
    toolkit.confirmAnswers = {true};
    EXPECT_TRUE(controller.saveDocument(d));
    EXPECT_TRUE(readFile(path).contains("Amount = 1.00;"));
    // Once saved, the next save does not ask.
    enter(d, u"2"_s);
    EXPECT_TRUE(controller.saveDocument(d));
}

TEST_F(DataSafetyTest, SavingAFileThatVanishedAsksBeforeWritingItAgain)
{
    MyDocument *d = controller.openDocument(path);
    enter(d, u"1"_s);
    QFile::remove(path);
    toolkit.confirmAnswers = {true};
    EXPECT_TRUE(controller.saveDocument(d));
    EXPECT_TRUE(toolkit.confirmAnswers.empty());
    EXPECT_TRUE(readFile(path).contains("Amount = 1.00;"));
}

// Writes fail for the duration of one of these (SIGXFSZ is ignored by the
// program's own signal handling, which the fixture sets up as main does).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

TEST_F(DataSafetyTest, AFullDiskLeavesTheOldFileWholeAndTheRegisterModified)
{
    MyDocument *d = controller.openDocument(path);
    for (int i = 0; i < 200; ++i)
        enter(d, u"1"_s);
    {
        // A full file system, as far as this process can tell.
        FileSizeLimit full(4096);
        EXPECT_FALSE(controller.saveDocument(d));
        toolkit.saveAnswers = {dir.filePath(u"other.ldgr"_s)};
        EXPECT_FALSE(controller.saveDocumentAs(d));
        toolkit.saveAnswers = {dir.filePath(u"next.ldgr"_s)};
        d->windowController()->newYear(nullptr);
    }
    ASSERT_EQ(toolkit.alerts.size(), 3u);
    EXPECT_TRUE(toolkit.alerts[0].message.contains(u"checking.ldgr could not be written"_s))
        << toolkit.alerts[0].message.toStdString();
    EXPECT_TRUE(toolkit.alerts[1].message.contains(u"other.ldgr could not be written"_s));
    EXPECT_TRUE(toolkit.alerts[2].message.contains(u"next.ldgr could not be written"_s));
    EXPECT_EQ(readFile(path), original);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"other.ldgr"_s)));
    EXPECT_FALSE(QFile::exists(dir.filePath(u"next.ldgr"_s)));
    EXPECT_TRUE(d->isDocumentEdited());
    EXPECT_EQ(d->fileName(), path);
    EXPECT_EQ(QDir(dir.path()).entryList({u"*.ldgr*"_s}, QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{u".checking.ldgr.lock"_s, u"checking.ldgr"_s}))
        << "no temporary file or stray lock left behind";
}

TEST_F(DataSafetyTest, AReadOnlyFolderOrAVanishedOneIsAClearFailure)
{
    MyDocument *d = controller.openDocument(path);
    enter(d, u"1"_s);
    const QString folder = dir.filePath(u"gone"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    toolkit.saveAnswers = {folder + u"/x.ldgr"_s};
    ASSERT_TRUE(controller.saveDocumentAs(d));
    enter(d, u"2"_s);
    QDir(folder).removeRecursively();
    toolkit.confirmAnswers = {true}; // it vanished: save again there?
    EXPECT_FALSE(controller.saveDocument(d));
    EXPECT_TRUE(toolkit.takeAlert().contains(u"x.ldgr could not be written"_s));
    EXPECT_TRUE(d->isDocumentEdited());

    // Root may write anywhere; act as an ordinary user for the read-only case.
    const QString locked = dir.filePath(u"locked"_s);
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    toolkit.saveAnswers = {locked + u"/y.ldgr"_s};
    const bool saved = controller.saveDocumentAs(d);
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_FALSE(saved);
    EXPECT_TRUE(toolkit.takeAlert().contains(u"y.ldgr could not be written"_s));
    EXPECT_TRUE(d->isDocumentEdited());
}

TEST_F(DataSafetyTest, AFileOpenInAnotherCheqbookIsAWarning)
{
    FileLock other(dir.filePath(u".checking.ldgr.lock"_s));
    ASSERT_EQ(other.tryLock(), FileLock::Status::Acquired);
    toolkit.confirmAnswers = {false};
    EXPECT_EQ(controller.openDocument(path), nullptr);
    toolkit.confirmAnswers = {true};
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);

    // The register holds its own lock while it is open, and lets go on close.
    MyDocument *e = controller.newDocument();
    enter(e, u"1"_s);
    toolkit.saveAnswers = {dir.filePath(u"second.ldgr"_s)};
    ASSERT_TRUE(controller.saveDocumentAs(e));
    EXPECT_TRUE(FileLock::isHeldAt(dir.filePath(u".second.ldgr.lock"_s)));
    EXPECT_TRUE(controller.closeDocument(e));
    EXPECT_FALSE(FileLock::isHeldAt(dir.filePath(u".second.ldgr.lock"_s)));
    EXPECT_FALSE(QFile::exists(dir.filePath(u".second.ldgr.lock"_s)));
}

TEST_F(DataSafetyTest, APipeNeverFreezesTheWindow)
{
    const QString pipe = dir.filePath(u"pipe.ldgr"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(controller.openDocument(pipe), nullptr);
    EXPECT_EQ(toolkit.takeAlert(), u"Error: The register \u201cpipe.ldgr\u201d could not be opened.\n\n%1: cannot be "
                                   "read: it is a pipe, not a file"_s.arg(pipe));
    MyDocument *d = controller.openDocument(path);
    toolkit.openAnswers = {{pipe}};
    d->windowController()->importWF(nullptr);
    EXPECT_TRUE(toolkit.takeAlert().endsWith(u"could not be read: it is a pipe, not a file"_s));
    EXPECT_FALSE(d->isDocumentEdited());
}

TEST_F(DataSafetyTest, ARegisterOpenedThroughALinkIsTheFileItLeadsTo)
{
    const QString link = dir.filePath(u"current.ldgr"_s);
    ASSERT_TRUE(QFile::link(path, link));
    MyDocument *d = controller.openDocument(link);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->fileName(), path);
    EXPECT_EQ(controller.openDocument(path), d) << "one window for the file, by any name";

    // Another Cheqbook opening the file itself is warned.
    FakeToolkit otherToolkit;
    DocumentController other(otherToolkit, dir.filePath(u"other-recovery"_s));
    otherToolkit.confirmAnswers = {false};
    EXPECT_EQ(other.openDocument(path), nullptr);
    ASSERT_EQ(otherToolkit.questions.size(), 1u);
    EXPECT_EQ(otherToolkit.questions[0].title, u"Already Open");

    // Saving writes the file and keeps the link; the backup is the file's.
    enter(d, u"1"_s);
    ASSERT_TRUE(controller.saveDocument(d));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(path + u"~"_s), original);
    EXPECT_FALSE(QFileInfo(path + u"~"_s).isSymLink());
    EXPECT_FALSE(QFile::exists(link + u"~"_s));
}

TEST_F(DataSafetyTest, AChangeThatKeepsSizeAndTimeIsNotSavedOverUnasked)
{
    MyDocument *d = controller.openDocument(path);
    enter(d, u"1"_s);
    // As cp -p leaves it: other bytes, the same size and modification time.
    const QDateTime time = QFileInfo(path).lastModified();
    QByteArray theirs = original;
    theirs.replace("100.00", "999.99");
    writeFile(path, theirs);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    f.close();
    toolkit.confirmAnswers = {false};
    EXPECT_FALSE(controller.saveDocument(d));
    EXPECT_EQ(toolkit.questions.back().title, u"Save");
    EXPECT_EQ(readFile(path), theirs);
}

TEST_F(DataSafetyTest, ALockFileThatIsNotCheqbooksOwnsNothingAndGoingOnHoldsTheLock)
{
    // Left by something else, or by a Cheqbook long gone: no one holds it.
    const QString lock = dir.filePath(u".checking.ldgr.lock"_s);
    writeFile(lock, "not a lock at all\n");
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(toolkit.questions.empty());
    EXPECT_TRUE(FileLock::isHeldAt(lock));
    toolkit.askAnswers = {Toolkit::SaveAnswer::DontSave};
    ASSERT_TRUE(controller.closeDocument(d));

    // One that cannot be used is said so, and the register still opens.
    QFile::remove(lock);
    ASSERT_TRUE(QDir().mkdir(lock));
    d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);
    const QString said = toolkit.takeAlert();
    EXPECT_TRUE(said.startsWith(u"Lock: Cheqbook cannot tell whether \u201cchecking.ldgr\u201d is open in another "
                                "Cheqbook"_s))
        << said.toStdString();
    ASSERT_TRUE(controller.closeDocument(d));
    QDir().rmdir(lock);

    // Going on past the warning holds the lock too: when the first Cheqbook
    // closes, a third is still warned.
    auto first = std::make_unique<FileLock>(lock);
    ASSERT_EQ(first->tryLock(), FileLock::Status::Acquired);
    toolkit.confirmAnswers = {true};
    ASSERT_NE(controller.openDocument(path), nullptr);
    first.reset();
    FileLock third(lock);
    EXPECT_EQ(third.tryLock(), FileLock::Status::HeldElsewhere);
    EXPECT_TRUE(third.holder().startsWith(u"process %1 on "_s.arg(QCoreApplication::applicationPid())));
}

TEST_F(DataSafetyTest, APrivateRegistersLockAndBackupArePrivate)
{
    // What others may do, not what this user may.
    const auto modeOf = [](const QString &file) {
        return QFileInfo(file).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    };
    const QFile::Permissions privateFile = QFile::ReadOwner | QFile::WriteOwner;
    ::chmod(QFile::encodeName(path).constData(), 0600);
    MyDocument *d = controller.openDocument(path);
    EXPECT_EQ(modeOf(dir.filePath(u".checking.ldgr.lock"_s)), privateFile);
    enter(d, u"1"_s);
    ASSERT_TRUE(controller.saveDocument(d));
    EXPECT_EQ(modeOf(path), privateFile);
    EXPECT_EQ(modeOf(path + u"~"_s), privateFile);
}

TEST_F(DataSafetyTest, AFileSizeLimitNeverKillsTheWindow)
{
    // The program itself, as a shell starts it, SIGXFSZ and all: opening the
    // register writes its lock, and the limit makes that write fail.
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, dir.filePath(u"config"_s));
    env.insert(u"XDG_DATA_HOME"_s, dir.filePath(u"data"_s));
    app.setProcessEnvironment(env);
    app.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit rl{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &rl);
    });
    app.start(QString::fromUtf8(CHEQBOOK_APP), {path});
    ASSERT_TRUE(app.waitForStarted());
    EXPECT_FALSE(app.waitForFinished(2500)) << "it ended, status " << app.exitCode();
    app.terminate();
    ASSERT_TRUE(app.waitForFinished());
    EXPECT_EQ(app.exitStatus(), QProcess::CrashExit) << "SIGTERM ends it as SIGTERM ends a program";
    EXPECT_EQ(readFile(path), original);
}

} // namespace
