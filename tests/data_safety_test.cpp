// What keeps a register safe: backups, the question before overwriting a file
// another program changed, lock files and failed writes. Crash recovery has a
// suite of its own.

#include "AtomicFile.h"
#include "DocumentController.h"
#include "FakeToolkit.h"
#include "FileLock.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "ProcessSignals.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
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
        QMainWindow *w = windowController(d)->window();
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
        windowController(d)->newYear(nullptr);
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
    windowController(d)->importWF(nullptr);
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
    // A runtime folder of its own: with the session's, a Cheqbook another
    // test started at the same time would take the file and this one quit.
    const QString runtime = dir.filePath(u"run"_s);
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime);
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

// Another user who may write the folder could plant ".NAME.lock", hold a
// lock on it and have the owner told to "call 555-0100 to unlock"; opening a
// file that is not a register rewrote and then deleted such a file.
TEST_F(DataSafetyTest, ALockFileOfAnotherUserIsNamedByItsOwnerAndNeverRewritten)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "a file of another user's needs root to make";
    const QString lock = dir.filePath(u".checking.ldgr.lock"_s);
    const QByteArray planted = "Cheqbook lock\n555\ncall 555-0100 to unlock\n";
    writeFile(lock, planted);
    ASSERT_EQ(::chown(QFile::encodeName(lock).constData(), 47003, 47003), 0);
    ::chmod(QFile::encodeName(lock).constData(), 0666);

    // Held by its owner: said to be that user's, whatever it says.
    {
        const int held = ::open(QFile::encodeName(lock).constData(), O_RDONLY);
        struct flock range {};
        range.l_type = F_RDLCK;
        range.l_whence = SEEK_SET;
        ASSERT_EQ(::fcntl(held, F_OFD_SETLK, &range), 0);
        toolkit.confirmAnswers = {false};
        EXPECT_EQ(controller.openDocument(path), nullptr);
        ASSERT_EQ(toolkit.questions.size(), 1u);
        EXPECT_EQ(toolkit.questions[0].message, u"\u201cchecking.ldgr\u201d is already open in another Cheqbook (user "
                                                "47003).\nIf both save it, one will overwrite the other's changes."_s);
        ::close(held);
    }
    // Not held: the register opens, held along with it, and the file is
    // neither written to nor removed, also after a file that is no register.
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(FileLock::isHeldAt(lock));
    EXPECT_EQ(readFile(lock), planted);
    ASSERT_TRUE(controller.closeDocument(d));
    const QString junk = writeFile(dir.filePath(u"junk.ldgr"_s), "not a register");
    const QString junkLock = dir.filePath(u".junk.ldgr.lock"_s);
    writeFile(junkLock, planted);
    ::chown(QFile::encodeName(junkLock).constData(), 47003, 47003);
    EXPECT_EQ(controller.openDocument(junk), nullptr);
    toolkit.alerts.clear();
    for (const QString &file : {lock, junkLock}) {
        EXPECT_EQ(readFile(file), planted);
        EXPECT_EQ(QFileInfo(file).ownerId(), 47003u);
    }
}

// Ctrl+S on a window with nothing to save replaced NAME~, the version before
// the last real change, with the file as it stood.
TEST_F(DataSafetyTest, SavingAWindowThatChangedNothingWritesNothing)
{
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(controller.saveDocument(d)); // in the form Cheqbook writes
    writeFile(path + u'~', "the version before the last real change");
    struct stat before {};
    ::stat(QFile::encodeName(path).constData(), &before);
    ASSERT_TRUE(controller.saveDocument(d));
    enter(d, u"-1"_s);
    d->undo();
    ASSERT_TRUE(controller.saveDocument(d));
    struct stat after {};
    ::stat(QFile::encodeName(path).constData(), &after);
    EXPECT_EQ(readFile(path + u'~'), "the version before the last real change");
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_FALSE(d->isDocumentEdited());
}

TEST_F(DataSafetyTest, RevertToOffersEveryVersionKeptAndAsksFirst)
{
    // Saved three days ago, then twice today.
    const QDateTime threeDaysAgo(QDate::currentDate().addDays(-3), QTime(15, 30));
    const struct timespec times[2] = {{threeDaysAgo.toSecsSinceEpoch(), 0}, {threeDaysAgo.toSecsSinceEpoch(), 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);
    enter(d, u"-1"_s);
    ASSERT_TRUE(controller.saveDocument(d));
    enter(d, u"-2"_s);
    ASSERT_TRUE(controller.saveDocument(d));
    const QByteArray saved = readFile(path);
    ASSERT_EQ(d->count(), 3);

    auto *menu = windowController(d)->window()->findChild<QMenu *>(u"revertToMenu"_s);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isEnabled());
    emit menu->aboutToShow();
    const QList<QAction *> versions = menu->actions();
    ASSERT_EQ(versions.size(), 2); // the one before the last save, and the one of three days ago
    EXPECT_EQ(versions[0]->toolTip(), path + u'~');
    EXPECT_EQ(versions[1]->text(), u"Saved "_s + QLocale().toString(threeDaysAgo, QLocale::ShortFormat));

    toolkit.confirmAnswers = {false};
    versions[1]->trigger();
    EXPECT_EQ(d->count(), 3) << "Cancel changes nothing";
    toolkit.confirmAnswers = {true};
    versions[1]->trigger();
    ASSERT_EQ(toolkit.questions.size(), 2u);
    EXPECT_EQ(toolkit.questions[1].title, u"Revert To"_s);
    EXPECT_EQ(d->count(), 1);
    EXPECT_TRUE(d->isDocumentEdited()) << "the file still holds what it held until the window is saved";
    EXPECT_EQ(readFile(path), saved);
    EXPECT_TRUE(toolkit.alerts.empty());
}

TEST_F(DataSafetyTest, AWindowOnAFileItMayNotSaveSaysSoInItsTitle)
{
    ::chmod(QFile::encodeName(path).constData(), 0444);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    // Root may write anything: the window is opened as a user who may not.
    const bool root = ::geteuid() == 0;
    if (root)
        ASSERT_EQ(::seteuid(65534), 0);
    MyDocument *d = controller.openDocument(path);
    toolkit.alerts.clear(); // no lock can be made in the folder
    const QString title = d ? windowController(d)->window()->windowTitle() : QString();
    QString why;
    const bool saved = d && d->saveToFile(path, &why);
    if (root)
        ASSERT_EQ(::seteuid(0), 0);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(title, u"checking.ldgr (read-only)[*] \u2014 Cheqbook"_s);
    EXPECT_FALSE(saved);
    EXPECT_EQ(why, u"checking.ldgr could not be written: it is read-only"_s);
    EXPECT_EQ(readFile(path), original);
}

TEST_F(DataSafetyTest, OpeningARegisterWhoseBalancesDisagreeSaysSoOnce)
{
    writeFile(path, "({Amount = 100; Total = 100;}, {Amount = -10; Total = 100;})");
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(toolkit.takeAlert(), u"Balances: In \u201cchecking.ldgr\u201d, row 2 holds the balance 100.00, but the "
                                   "amounts down to it add up to 90.00.\nCheqbook shows the balances the amounts "
                                   "give, and saves them so."_s);
    EXPECT_EQ(d->array()->at(1)->value(Key::Total).centsOrZero(), 9000);
    EXPECT_FALSE(d->isDocumentEdited());
}

} // namespace
