// What keeps a register safe: backups, the question before overwriting a file
// another program changed, lock files and failed writes. Crash recovery has a
// suite of its own.

#include "AtomicFile.h"
#include "DataSafetyFixture.h"
#include "DocumentController.h"
#include "FakeToolkit.h"
#include "FileLock.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "ProcessSignals.h"
#include "RegisterDocumentWindow.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
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

    toolkit.chooseAnswers = {u"Cancel"_s};
    EXPECT_FALSE(controller.saveDocument(d));
    EXPECT_EQ(readFile(path), theirs);
    EXPECT_TRUE(d->isDocumentEdited());
    toolkit.chooseAnswers = {u"Save Anyway"_s};
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
    toolkit.chooseAnswers = {u"Cancel"_s};
    EXPECT_FALSE(controller.saveDocument(d));
    EXPECT_EQ(toolkit.questions.back().title, u"Save");
    EXPECT_EQ(readFile(path), theirs);
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
