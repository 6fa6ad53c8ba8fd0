// The lock beside an open register: another Cheqbook's, another user's, a
// file that is not Cheqbook's, and the privacy of a private register's lock.

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

} // namespace
