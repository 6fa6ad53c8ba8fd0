// The document architecture: new, open, save, revert, close and quit.

#include "DocumentController.h"
#include "FakeToolkit.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DocumentsTest : public ::testing::Test
{
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override
    {
        for (MyDocument *d : controller.documents())
            d->updateChangeCount(); // keep destruction from asking anything
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString write(const QString &name, const QByteArray &bytes) { return writeFile(dir.filePath(name), bytes); }
    static QMainWindow *windowOf(MyDocument *d) { return windowController(d)->window(); }
    static void enter(MyDocument *d, const QString &amount)
    {
        QMainWindow *w = windowOf(d);
        w->findChild<QLineEdit *>(u"Amount"_s)->setText(amount);
        w->findChild<QPushButton *>(u"enterButton"_s)->click();
    }
    void settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir;
    FakeToolkit toolkit;
    DocumentController controller{toolkit, dir.filePath(u"recovery"_s)};
    const QByteArray m_register = "({Amount = 10.00; DescriptionofTransaction = Opening;})";
};

TEST_F(DocumentsTest, NewDocumentsAreNumberedUntitledWindows)
{
    MyDocument *a = controller.newDocument();
    MyDocument *b = controller.newDocument();
    EXPECT_EQ(windowOf(a)->windowTitle(), u"Untitled[*] \u2014 Cheqbook");
    EXPECT_EQ(controller.displayName(b), u"Untitled 2");
    EXPECT_TRUE(windowOf(a)->isVisible());
    EXPECT_EQ(a->count(), 0);
    enter(a, u"5"_s);
    EXPECT_TRUE(windowOf(a)->isWindowModified());
    EXPECT_FALSE(windowOf(b)->isWindowModified());
}

TEST_F(DocumentsTest, OpeningAFileTwiceBringsItsWindowForward)
{
    const QString path = write(u"home.ldgr"_s, m_register);
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(windowOf(d)->windowTitle(), u"home.ldgr[*] \u2014 Cheqbook");
    EXPECT_EQ(d->array()->at(0)->value(Key::Total), Value::money(1000)) << "balances on opening";
    EXPECT_EQ(controller.openDocument(dir.path() + u"/./home.ldgr"_s), d);
    EXPECT_EQ(controller.documents().size(), 1);
    EXPECT_EQ(controller.recentFiles(), QStringList{path});
}

TEST_F(DocumentsTest, AnUnreadableFileShowsWhyAndOpensNothing)
{
    const QString path = write(u"bad.ldgr"_s, "({Amount = (1);})");
    EXPECT_EQ(controller.openDocument(path), nullptr);
    EXPECT_EQ(toolkit.takeAlert(),
              u"Error: The register \u201cbad.ldgr\u201d could not be opened.\n\n%1: line 1: the value of "
              "\u201cAmount\u201d in row 1 is a list; a record holds only texts and numbers"_s.arg(path));
    EXPECT_TRUE(controller.documents().isEmpty());
    EXPECT_EQ(readFile(path), "({Amount = (1);})") << "the file is left alone";
}

TEST_F(DocumentsTest, SavingAnUntitledRegisterAsksForANameAndAddsTheExtension)
{
    MyDocument *d = controller.newDocument();
    enter(d, u"12.5"_s);
    toolkit.saveAnswers = {dir.filePath(u"checking"_s)};
    ASSERT_TRUE(controller.saveDocument(d));
    EXPECT_EQ(toolkit.panelSuffixes, QStringList{u"ldgr"_s}) << "so the panel asks about the name it saves to";
    const QString path = dir.filePath(u"checking.ldgr"_s);
    EXPECT_EQ(d->fileName(), path);
    EXPECT_FALSE(d->isDocumentEdited());
    EXPECT_EQ(windowOf(d)->windowTitle(), u"checking.ldgr[*] \u2014 Cheqbook");
    // The row's identity is its own, made when it was entered.
    EXPECT_EQ(QString::fromLatin1(readFile(path)).remove(QRegularExpression(u"ID = [0-9A-Za-z]{11}; "_s)),
              u"(\n    {Amount = 12.50; CheckNumber = \"\"; Date = 12/07/2026; "
              "DescriptionofTransaction = \"\"; Total = 12.50; }\n)\n"_s);
    // A second save goes to the same file without asking.
    enter(d, u"1"_s);
    EXPECT_TRUE(controller.saveDocument(d));
    EXPECT_TRUE(readFile(path).contains("Amount = 1.00;"));
    // Cancelling Save As changes nothing.
    enter(d, u"1"_s);
    toolkit.saveAnswers = {QString()};
    EXPECT_FALSE(controller.saveDocumentAs(d));
    EXPECT_TRUE(d->isDocumentEdited());
}

TEST_F(DocumentsTest, AFailedSaveShowsWhyAndStaysModified)
{
    MyDocument *d = controller.openDocument(write(u"r.ldgr"_s, m_register));
    enter(d, u"1"_s);
    EXPECT_FALSE(controller.saveDocumentTo(d, dir.filePath(u"missing/r.ldgr"_s)));
    EXPECT_TRUE(toolkit.takeAlert().startsWith(u"Error: The register \u201cr.ldgr\u201d could not be saved.\n\nr.ldgr "
                                                "could not be written"_s));
    EXPECT_TRUE(d->isDocumentEdited());
    EXPECT_EQ(d->fileName(), dir.filePath(u"r.ldgr"_s));
}

TEST_F(DocumentsTest, ClosingAModifiedRegisterAsksFirst)
{
    MyDocument *d = controller.openDocument(write(u"r.ldgr"_s, m_register));
    enter(d, u"1"_s);
    toolkit.askAnswers = {Toolkit::SaveAnswer::Cancel};
    EXPECT_FALSE(controller.closeDocument(d));
    EXPECT_EQ(controller.documents().size(), 1);
    EXPECT_EQ(toolkit.asked, QStringList{u"r.ldgr"_s});

    // Closing the window itself goes through the same question.
    toolkit.askAnswers = {Toolkit::SaveAnswer::Cancel};
    windowOf(d)->close();
    EXPECT_TRUE(windowOf(d)->isVisible());

    toolkit.askAnswers = {Toolkit::SaveAnswer::Save};
    EXPECT_TRUE(controller.closeDocument(d));
    settle();
    EXPECT_TRUE(controller.documents().isEmpty());
    EXPECT_TRUE(readFile(dir.filePath(u"r.ldgr"_s)).contains("Amount = 1.00;"));

    MyDocument *e = controller.openDocument(dir.filePath(u"r.ldgr"_s));
    enter(e, u"2"_s);
    toolkit.askAnswers = {Toolkit::SaveAnswer::DontSave};
    EXPECT_TRUE(controller.closeDocument(e));
    settle();
    EXPECT_FALSE(readFile(dir.filePath(u"r.ldgr"_s)).contains("Amount = 2.00;"));

    // An unmodified register closes without a question.
    controller.openDocument(dir.filePath(u"r.ldgr"_s));
    EXPECT_TRUE(controller.closeAll());
}

TEST_F(DocumentsTest, QuitStopsAtTheFirstCancel)
{
    MyDocument *a = controller.newDocument();
    MyDocument *b = controller.newDocument();
    enter(a, u"1"_s);
    enter(b, u"1"_s);
    toolkit.askAnswers = {Toolkit::SaveAnswer::DontSave, Toolkit::SaveAnswer::Cancel};
    EXPECT_FALSE(controller.closeAll());
    EXPECT_EQ(controller.documents(), QList<MyDocument *>{b});
}

TEST_F(DocumentsTest, RevertRereadsTheFileIntoTheSameRegister)
{
    const QString path = write(u"r.ldgr"_s, m_register);
    MyDocument *d = controller.openDocument(path);
    RegisterPtr shared = d->array();
    enter(d, u"5"_s);
    toolkit.confirmAnswers = {false};
    EXPECT_FALSE(controller.revertDocument(d));
    EXPECT_EQ(d->count(), 2);
    toolkit.confirmAnswers = {true};
    EXPECT_TRUE(controller.revertDocument(d));
    EXPECT_EQ(d->array(), shared);
    EXPECT_EQ(d->count(), 1);
    EXPECT_FALSE(windowOf(d)->isWindowModified());
    EXPECT_EQ(windowController(d)->numberOfRows(), 1);
    EXPECT_EQ(shared->at(0)->value(Key::Total), Value::money(1000));
}

TEST_F(DocumentsTest, ACancelledOpenLeavesNothingBehind)
{
    QByteArray rows = "(";
    for (int i = 0; i < 20000; ++i)
        rows += "{Amount = -1.00; DescriptionofTransaction = Row;},";
    rows += "{Amount = 1.00;})";
    const QString path = write(u"long.ldgr"_s, rows);
    toolkit.cancelProgressAt = 1;
    EXPECT_EQ(controller.openDocument(path), nullptr);
    EXPECT_EQ(toolkit.progressShown, QStringList{u"Opening \u201clong.ldgr\u201d\u2026"_s});
    EXPECT_TRUE(toolkit.alerts.empty()) << "the user stopped it; there is nothing to tell";
    EXPECT_TRUE(controller.documents().isEmpty());
    EXPECT_TRUE(controller.recentFiles().isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"long.ldgr"_s})
        << "no lock file, no backup";
    EXPECT_EQ(readFile(path), rows);

    toolkit.cancelProgressAt = 0;
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr) << "the cancelled open held nothing that stops the next";
    EXPECT_EQ(d->count(), 20001);
    EXPECT_TRUE(toolkit.alerts.empty());
}

TEST_F(DocumentsTest, ACancelledRevertKeepsTheWindowAsItWas)
{
    QByteArray rows = "(";
    for (int i = 0; i < 10000; ++i)
        rows += "{Amount = -1.00;},";
    rows += "{Amount = 1.00;})";
    MyDocument *d = controller.openDocument(write(u"r.ldgr"_s, rows));
    ASSERT_NE(d, nullptr);
    enter(d, u"5"_s);
    toolkit.confirmAnswers = {true};
    toolkit.cancelProgressAt = 1;
    EXPECT_FALSE(controller.revertDocument(d));
    EXPECT_TRUE(toolkit.alerts.empty());
    EXPECT_EQ(d->count(), 10002) << "the entry is still there";
    EXPECT_TRUE(windowOf(d)->isWindowModified());
    EXPECT_TRUE(d->history().canUndo());
}

} // namespace
