// What keeps a register safe: backups, the question before overwriting a file
// another program changed, lock files and failed writes. Crash recovery has a
// suite of its own.

#include "AtomicFile.h"
#include "DocumentController.h"
#include "FakeToolkit.h"
#include "FileLock.h"
#include "MyDocument.h"
#include "MyWindowController.h"
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

// Writes fail for the duration of one of these.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
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

} // namespace
