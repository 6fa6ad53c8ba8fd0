// Starting Cheqbook: one Cheqbook per user and display (a second one hands
// its files over), windows as they were left, and the registers of the last
// session reopened.

#include "DocumentController.h"
#include "FakeToolkit.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "RegisterTableModel.h"
#include "ReopenList.h"
#include "SingleInstance.h"
#include "TestSupport.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QCheckBox>
#include <QDataStream>
#include <QDialog>
#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocalSocket>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kRegister = "({Amount = 10.00; DescriptionofTransaction = Opening;}, {Amount = -4.00;})";

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override
    {
        for (DocumentController *c : {&controller, &nextStart})
            for (MyDocument *d : c->documents())
                d->updateChangeCount(); // keep destruction from asking anything
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString write(const QString &name) { return writeFile(dir.filePath(name), kRegister); }
    static QMainWindow *windowOf(MyDocument *d) { return windowController(d)->window(); }
    static QHeaderView *header(MyDocument *d) { return windowController(d)->tableView()->horizontalHeader(); }
    static QStringList files(const DocumentController &c)
    {
        QStringList out;
        for (const MyDocument *d : c.documents())
            out << QFileInfo(d->fileName()).fileName();
        return out;
    }

    QTemporaryDir dir;
    FakeToolkit toolkit;
    DocumentController controller{toolkit, dir.filePath(u"recovery"_s)};
    // The next time Cheqbook starts.
    DocumentController nextStart{toolkit, dir.filePath(u"recovery"_s)};
};

// --- Windows as they were left ------------------------------------------------

TEST_F(StartupTest, ARegistersWindowReopensAsItWasLeft)
{
    const QString path = write(u"home.ldgr"_s);
    MyDocument *d = controller.openDocument(path);
    QMainWindow *w = windowOf(d);
    w->setGeometry(70, 60, 720, 470);
    header(d)->resizeSection(RegisterTableModel::DateColumn, 151);
    header(d)->resizeSection(RegisterTableModel::AmountColumn, 133);
    QApplication::processEvents();
    const int tableWidth = windowController(d)->tableView()->width();
    // Closed while balancing, with the drawer made wider.
    windowController(d)->showEndOfMonthWindowAction(nullptr);
    auto *drawer = w->findChild<QDockWidget *>();
    w->resizeDocks({drawer}, {290}, Qt::Horizontal);
    QApplication::processEvents();
    ASSERT_TRUE(controller.closeDocument(d));

    MyDocument *again = controller.openDocument(path);
    QMainWindow *w2 = windowOf(again);
    EXPECT_EQ(w2->geometry(), QRect(70, 60, 720, 470));
    EXPECT_EQ(header(again)->sectionSize(RegisterTableModel::DateColumn), 151);
    EXPECT_EQ(header(again)->sectionSize(RegisterTableModel::AmountColumn), 133);
    auto *drawer2 = w2->findChild<QDockWidget *>();
    EXPECT_TRUE(drawer2->isHidden()) << "the drawer waits for Balance Month";
    QApplication::processEvents();
    EXPECT_EQ(windowController(again)->tableView()->width(), tableWidth);
    drawer2->show();
    QApplication::processEvents();
    EXPECT_EQ(drawer2->width(), 290);
}

TEST_F(StartupTest, ANewWindowTakesTheSizeOfTheWindowClosedLastButNotItsPlace)
{
    MyDocument *d = controller.openDocument(write(u"a.ldgr"_s));
    windowOf(d)->setGeometry(5, 5, 700, 480);
    controller.closeDocument(d);
    MyDocument *untitled = controller.newDocument();
    EXPECT_EQ(windowOf(untitled)->size(), QSize(700, 480));
    EXPECT_NE(windowOf(untitled)->pos(), QPoint(5, 5));
    MyDocument *other = controller.openDocument(write(u"never-closed.ldgr"_s));
    EXPECT_EQ(windowOf(other)->size(), QSize(700, 480));
}

TEST_F(StartupTest, ColumnWidthsThatCannotBeRightAreNotRestored)
{
    const QString path = write(u"a.ldgr"_s);
    MyDocument *d = controller.openDocument(path);
    const int dateWidth = header(d)->sectionSize(RegisterTableModel::DateColumn);
    controller.closeDocument(d);
    // A settings file edited by hand, or from a Cheqbook with other columns.
    QSettings settings;
    for (const QString &key : settings.allKeys())
        if (key.endsWith(u"/columns"))
            settings.setValue(key, QVariantMap{{u"Date"_s, 0}, {u"Amount"_s, 1000000}, {u"Total"_s, u"wide"_s},
                                               {u"Gone"_s, 80}});
    MyDocument *again = controller.openDocument(path);
    EXPECT_EQ(header(again)->sectionSize(RegisterTableModel::DateColumn), dateWidth);
    EXPECT_LT(header(again)->sectionSize(RegisterTableModel::AmountColumn), 1000);
    EXPECT_GT(header(again)->sectionSize(RegisterTableModel::TotalColumn), 10);
}

TEST(WindowMemory, TheLeastRecentlyClosedRegistersAreForgotten)
{
    QSettings().clear();
    QTemporaryDir dir;
    QMainWindow window;
    QTableView table(&window);
    QStandardItemModel model(1, RegisterTableModel::ColumnCount);
    table.setModel(&model);
    const WindowMemory memory(2);
    for (const char *name : {"a.ldgr", "b.ldgr", "c.ldgr", "b.ldgr"}) {
        window.setGeometry(10, 10, 400 + int(std::strlen(name)), 300);
        memory.remember(&window, &table, dir.filePath(QString::fromLatin1(name)));
    }
    QMainWindow fresh;
    EXPECT_FALSE(memory.restore(&fresh, &table, dir.filePath(u"a.ldgr"_s))) << "a was closed longest ago";
    EXPECT_TRUE(memory.restore(&fresh, &table, dir.filePath(u"b.ldgr"_s)));
    EXPECT_TRUE(memory.restore(&fresh, &table, dir.filePath(u"c.ldgr"_s)));
    EXPECT_EQ(QSettings().value(u"windows/recent"_s).toStringList().size(), 2);
    QSettings settings;
    settings.beginGroup(u"windows"_s);
    EXPECT_EQ(settings.childGroups().size(), 2) << "nothing is left of a";
}

// --- The registers of the last session ----------------------------------------

TEST_F(StartupTest, TheRegistersOpenAtQuitReopenWhenTheUserWantsThat)
{
    const QString a = write(u"a.ldgr"_s);
    const QString b = write(u"b.ldgr"_s);
    const QString c = write(u"c.ldgr"_s);
    controller.openDocument(a);
    controller.newDocument(); // untitled: nothing to reopen
    controller.openDocument(b);
    controller.quit();
    EXPECT_TRUE(controller.documents().isEmpty());
    EXPECT_EQ(reopen::registers(), (QStringList{a, b}));

    reopen::setEnabled(true);
    QFile::remove(b); // gone since: skipped without a word
    nextStart.start({c});
    EXPECT_EQ(files(nextStart), (QStringList{u"a.ldgr"_s, u"c.ldgr"_s}));
    EXPECT_TRUE(toolkit.alerts.empty());

    // Off, as it is until the user turns it on: a new register only.
    reopen::setEnabled(false);
    DocumentController plainStart(toolkit, dir.filePath(u"recovery"_s));
    plainStart.start({});
    ASSERT_EQ(plainStart.documents().size(), 1);
    EXPECT_TRUE(plainStart.documents().first()->fileName().isEmpty());
}

TEST_F(StartupTest, ClosingTheLastWindowCountsAsQuittingButACancelledQuitDoesNot)
{
    const QString a = write(u"a.ldgr"_s);
    const QString b = write(u"b.ldgr"_s);
    MyDocument *da = controller.openDocument(a);
    MyDocument *db = controller.openDocument(b);
    controller.closeDocument(da);
    EXPECT_TRUE(reopen::registers().isEmpty()) << "b is still open";
    controller.closeDocument(db);
    EXPECT_EQ(reopen::registers(), QStringList{b});

    MyDocument *again = controller.openDocument(a);
    controller.openDocument(b);
    again->updateChangeCount(MyDocument::ChangeDone);
    toolkit.askAnswers = {Toolkit::SaveAnswer::Cancel};
    controller.quit();
    EXPECT_EQ(controller.documents().size(), 2);
    EXPECT_EQ(reopen::registers(), QStringList{b}) << "the list of the last real quit stays";
}

TEST_F(StartupTest, TheReopenPreferenceIsSetInPreferences)
{
    MyWindowController *c = windowController(controller.newDocument());
    auto *box = c->window()->findChild<QCheckBox *>(u"reopenPref"_s);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), u"&Reopen the registers that were open when Cheqbook last quit");
    c->openPrefWindow(nullptr);
    EXPECT_FALSE(box->isChecked());
    box->setChecked(true);
    c->window()->findChild<QPushButton *>(u"okButton"_s)->click();
    EXPECT_TRUE(reopen::enabled());
    EXPECT_EQ(QSettings().value(u"reopenRegisters"_s).toString(), u"1") << "stored as the other preferences are";
    c->openPrefWindow(nullptr);
    box->setChecked(false);
    c->window()->findChild<QPushButton *>(u"okButton"_s)->click();
    EXPECT_FALSE(reopen::enabled());
}

// --- Files handed over --------------------------------------------------------

TEST_F(StartupTest, FilesHandedOverWaitWhileAQuestionIsOpen)
{
    const QString a = write(u"a.ldgr"_s);
    controller.newDocument();
    {
        QDialog question;
        question.setModal(true);
        question.show();
        controller.openHandedOver({a});
        QTest::qWait(400);
        EXPECT_EQ(controller.documents().size(), 1) << "opened under an unanswered question";
    }
    QTRY_COMPARE_WITH_TIMEOUT(controller.documents().size(), 2, 5000);
    EXPECT_EQ(files(controller).last(), u"a.ldgr");
}

TEST_F(StartupTest, NoFilesHandedOverBringsCheqbookForward)
{
    controller.openHandedOver({});
    EXPECT_EQ(controller.documents().size(), 1) << "with no window, a new register";
    MyDocument *d = controller.documents().first();
    windowOf(d)->showMinimized();
    controller.openHandedOver({});
    EXPECT_EQ(controller.documents().size(), 1);
    EXPECT_FALSE(windowOf(d)->isMinimized());
}

// --- One Cheqbook per user and display ----------------------------------------

class SingleInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        // A runtime folder of the test's own, which only this user may enter,
        // as the desktop's is.
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        name = SingleInstance::defaultServerName();
        env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        env.insert(u"XDG_CONFIG_HOME"_s, work.filePath(u"config"_s));
        env.insert(u"XDG_DATA_HOME"_s, work.filePath(u"data"_s));
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", savedRuntime); }

    // Starts Cheqbook in folder with these arguments.
    std::unique_ptr<QProcess> cheqbook(const QStringList &args, const QString &folder)
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(folder);
        p->start(QStringLiteral(CHEQBOOK_APP), args);
        EXPECT_TRUE(p->waitForStarted());
        return p;
    }
    // Waits, serving this process's events, for a Cheqbook to end; its status.
    static int finished(QProcess &p)
    {
        QSignalSpy done(&p, &QProcess::finished);
        if (p.state() != QProcess::NotRunning && !done.wait(30000))
            return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }

    QTemporaryDir runtime;
    QTemporaryDir work;
    QByteArray savedRuntime;
    QString name;
    QProcessEnvironment env;
};

TEST_F(SingleInstanceTest, ASecondCheqbookHandsItsFilesOverAndEnds)
{
    SingleInstance first(name);
    ASSERT_EQ(first.start({}), SingleInstance::Start::First);
    ASSERT_TRUE(first.isListening());
    QSignalSpy received(&first, &SingleInstance::filesReceived);

    // Names a file manager may well pass: blanks, letters beyond ASCII, a
    // line break; and a path relative to where the second Cheqbook started.
    QDir(work.path()).mkpath(u"from/here"_s);
    const QString odd = work.filePath(u"Haushalt \u00fcber 2026\nzweite.ldgr"_s);
    auto second = cheqbook({odd, u"relative.ldgr"_s}, work.filePath(u"from/here"_s));
    EXPECT_EQ(finished(*second), 0);
    EXPECT_EQ(second->readAllStandardError(), QByteArray());
    ASSERT_TRUE(received.count() == 1 || received.wait(5000));
    EXPECT_EQ(received.at(0).at(0).toStringList(),
              (QStringList{odd, work.filePath(u"from/here/relative.ldgr"_s)}));

    // Started without files, it asks the running one to come forward.
    auto third = cheqbook({}, work.path());
    EXPECT_EQ(finished(*third), 0);
    ASSERT_TRUE(received.count() == 2 || received.wait(5000));
    EXPECT_EQ(received.at(1).at(0).toStringList(), QStringList());
}

TEST_F(SingleInstanceTest, TheSocketOfACheqbookThatWasKilledIsClearedAway)
{
    auto crashed = cheqbook({}, work.path());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(name), 30000);
    ::kill(pid_t(crashed->processId()), SIGKILL);
    EXPECT_EQ(finished(*crashed), -2);
    ASSERT_TRUE(QFileInfo::exists(name)) << "a killed Cheqbook leaves its socket";

    SingleInstance next(name);
    EXPECT_EQ(next.start({}), SingleInstance::Start::First);
    EXPECT_TRUE(next.isListening());
    QSignalSpy received(&next, &SingleInstance::filesReceived);
    auto another = cheqbook({work.filePath(u"r.ldgr"_s)}, work.path());
    EXPECT_EQ(finished(*another), 0);
    ASSERT_TRUE(received.count() == 1 || received.wait(5000));
    EXPECT_EQ(received.at(0).at(0).toStringList(), QStringList{work.filePath(u"r.ldgr"_s)});
}

TEST_F(SingleInstanceTest, WhatIsNotARequestIsDroppedAndTheNextCheqbookIsStillHeard)
{
    SingleInstance first(name);
    ASSERT_EQ(first.start({}), SingleInstance::Start::First);
    QSignalSpy received(&first, &SingleInstance::filesReceived);

    const auto send = [&](const QByteArray &bytes) {
        QLocalSocket socket;
        socket.connectToServer(name);
        EXPECT_TRUE(socket.waitForConnected(5000));
        socket.write(bytes);
        socket.flush();
        QSignalSpy gone(&socket, &QLocalSocket::disconnected);
        EXPECT_TRUE(gone.wait(5000)) << "the connection is closed";
        return socket.readAll();
    };
    QByteArray wrongMagic;
    {
        QDataStream body(&wrongMagic, QIODevice::WriteOnly);
        body << quint32(0) << QByteArray("someone-else") << quint32(1) << QStringList{u"/etc/passwd"_s};
        const quint32 length = quint32(wrongMagic.size() - 4);
        QDataStream(&wrongMagic, QIODevice::ReadWrite) << length;
    }
    EXPECT_EQ(send(wrongMagic), QByteArray());
    EXPECT_EQ(send(QByteArray("\xff\xff\xff\xff" "more than we would ever hold", 32)), QByteArray());
    QTest::qWait(100);
    EXPECT_EQ(received.count(), 0);

    auto second = cheqbook({work.filePath(u"r.ldgr"_s)}, work.path());
    EXPECT_EQ(finished(*second), 0);
    ASSERT_TRUE(received.count() == 1 || received.wait(5000));
}

TEST_F(SingleInstanceTest, EachDisplayHasASocketOfItsOwnInTheUsersRuntimeFolder)
{
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":1");
    const QString one = SingleInstance::defaultServerName();
    qputenv("DISPLAY", ":2");
    const QString two = SingleInstance::defaultServerName();
    qputenv("DISPLAY", display);
    EXPECT_NE(one, two);
    EXPECT_EQ(QFileInfo(one).absolutePath(), runtime.path());
}

} // namespace
