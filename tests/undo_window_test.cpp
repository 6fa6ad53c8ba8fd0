// Undo and redo in the register window: the Edit menu's items, the keys,
// and what the table shows afterwards.

#include "DocumentController.h"
#include "ImportPreviewModel.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class UndoWindowTest : public WindowFixture
{
protected:
    QAction *item(const QString &startsWith) const
    {
        for (QAction *menu : c->window()->menuBar()->actions())
            for (QAction *a : menu->menu()->actions())
                if (a->text().startsWith(startsWith))
                    return a;
        return nullptr;
    }
    QAction *undoItem() const { return item(u"&Undo"_s); }
    QAction *redoItem() const { return item(u"&Redo"_s); }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex &i : c->tableView()->selectionModel()->selectedRows())
            rows << i.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    QTemporaryDir dir;
};

TEST_F(UndoWindowTest, EveryCommandIsOneNamedStep)
{
    QSettings().setValue(u"sortWarning"_s, u"1"_s);
    open({{"100.00", "", "Opening", "01/01/2026"}, {"-71.24", "", "Hy-Vee", "01/09/2026"}});
    ASSERT_NE(undoItem(), nullptr);
    EXPECT_FALSE(undoItem()->isEnabled());
    EXPECT_FALSE(redoItem()->isEnabled());
    EXPECT_EQ(undoItem()->text(), u"&Undo"_s);

    struct Step {
        const char *what;
        std::function<void()> run;
        QString name;
    };
    const QString statement = writeFile(dir.filePath(u"december.csv"_s), "01/03/2026,-5.00,,,A\n01/04/2026,2.00,,,B\n");
    const std::vector<Step> steps = {
        {"entry", [&] { type("", "Coffee & Tea", "-4.50", "01/02/2026"); c->addTransaction(enterButton()); },
         u"Enter \u201cCoffee && Tea\u201d"_s},
        {"insertion", [&] { selectRows({0}); type("", "Rent", "-650", "01/01/2026"); c->addTransaction(&menuItem); },
         u"Insert \u201cRent\u201d"_s},
        {"cell edit", [&] { c->tableView()->model()->setData(
                                c->tableView()->model()->index(2, RegisterTableModel::AmountColumn), u"-88.12"_s); },
         u"Edit Amount"_s},
        {"deletion", [&] { selectRows({1}); c->deleteTransaction(&menuItem); }, u"Delete \u201cRent\u201d"_s},
        {"import", [&] { toolkit.openAnswers = {{statement}}; c->importWF(&menuItem); pressImport(); },
         u"Import \u201cdecember.csv\u201d (2 transactions)"_s},
        {"sort", [&] { c->showSortWarning(&menuItem); }, u"Sort by Date"_s},
        {"match while balancing", [&] {
             c->showEndOfMonthWindowAction(&menuItem);
             c->window()->findChild<QLineEdit *>(u"currentEOMAmount"_s)->setText(u"-88.12"_s);
             c->EOMEnterButton(&menuItem);
             c->EOMDoneButton(&menuItem);
         }, u"Reconcile \u201cHy-Vee\u201d"_s},
    };
    std::vector<QByteArray> states{*doc->dataRepresentationOfType()};
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        s.run();
        EXPECT_TRUE(toolkit.alerts.empty());
        states.push_back(*doc->dataRepresentationOfType());
        EXPECT_TRUE(undoItem()->isEnabled());
        EXPECT_EQ(undoItem()->text(), u"&Undo "_s + s.name);
        EXPECT_FALSE(redoItem()->isEnabled());
    }
    // All the way back, and forward again, through the menu.
    for (size_t i = steps.size(); i-- > 0;) {
        undoItem()->trigger();
        EXPECT_EQ(*doc->dataRepresentationOfType(), states[i]) << steps[i].what;
        EXPECT_EQ(redoItem()->text(), u"&Redo "_s + steps[i].name);
    }
    EXPECT_FALSE(undoItem()->isEnabled());
    for (size_t i = 0; i < steps.size(); ++i) {
        redoItem()->trigger();
        EXPECT_EQ(*doc->dataRepresentationOfType(), states[i + 1]) << steps[i].what;
    }
    EXPECT_EQ(c->numberOfRows(), reg().count()) << "the table shows the register";
}

// Delete on the wrong row was permanent.
TEST_F(UndoWindowTest, ADeletedRowComesBackSelectedAndSaysHowToUndo)
{
    open({{"100.00", "", "Opening"}, {"-71.24", "", "Hy-Vee"}, {"-4.50", "", "Coffee"}});
    const RecordPtr hyVee = reg().at(1);
    selectRows({1});
    c->deleteTransaction(&menuItem);
    EXPECT_EQ(reg().count(), 2);
    EXPECT_EQ(c->window()->statusBar()->currentMessage(), u"Deleted \u201cHy-Vee\u201d (Ctrl+Z to undo)"_s);
    selectRows({0});
    c->undo(&menuItem);
    ASSERT_EQ(reg().count(), 3);
    EXPECT_EQ(reg().at(1), hyVee) << "the very record, not a copy";
    EXPECT_EQ(selectedRows(), QList<int>{1});
    EXPECT_EQ(reg()[2].value(Key::Total).centsOrZero(), 2426);
    c->redo(&menuItem);
    EXPECT_EQ(reg().count(), 2);
    EXPECT_EQ(selectedRows(), QList<int>{});
}

// Ctrl+Z while typing undoes the typing, as in any text field; with nothing
// typed to undo, it undoes the last change to the register.
TEST_F(UndoWindowTest, CtrlZUndoesTypingFirstThenTheRegister)
{
    open({{"100.00", "", "Opening"}});
    c->window()->show();
    c->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c->window()));
    QLineEdit *description = field("DescriptionofTransaction");
    field("CheckNumber")->setFocus();
    QTest::keyClicks(field("CheckNumber"), u"1042"_s);
    description->setFocus();
    QTest::keyClicks(description, u"Coffee"_s);
    field("Amount")->setText(u"-4.50"_s);
    QTest::keyClick(description, Qt::Key_Return);
    ASSERT_EQ(reg().count(), 2);
    QLineEdit *focused = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(focused, nullptr);

    QTest::keyClicks(focused, u"12"_s);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(focused->text(), QString()) << "the typing is undone";
    EXPECT_EQ(reg().count(), 2) << "not the entry";
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(reg().count(), 1) << "nothing typed left to undo: the entry is undone";
    QTest::keyClick(focused, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(focused->text(), u"12"_s) << "the field redoes its own typing first";
    EXPECT_EQ(reg().count(), 1);
    focused->clear();
    QTest::keyClick(focused, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(reg().count(), 2);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(reg().count(), 2) << "nothing more to redo";
}

// Clicking a row then Delete, then undoing with the table holding the keyboard.
TEST_F(UndoWindowTest, UndoFromTheTable)
{
    open({{"100.00", "", "Opening"}, {"-1.00", "", "Gum"}});
    c->window()->show();
    c->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c->window()));
    selectRows({1});
    c->tableView()->setFocus();
    QTest::keyClick(c->tableView(), Qt::Key_Delete);
    EXPECT_EQ(reg().count(), 1);
    QTest::keyClick(c->tableView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(reg().count(), 2);
    EXPECT_EQ(selectedRows(), QList<int>{1});
}

// Undoing a Delete or an import with matches wrote every Total ending in
// zero in its short form (2500.00 became 2500) on rows the step never
// touched, and the file mixed both forms: the window's balances, worked out
// again as it opened, had been stored as numbers over the file's texts.
TEST_F(UndoWindowTest, DoThenUndoSavesTheBytesOfBefore)
{
    // A register as Cheqbook saves it, each row with its identity.
    const QByteArray saved = "(\n"
        "    {Amount = 2500.00; CheckNumber = \"\"; Date = 11/01/2026; DescriptionofTransaction = Opening; "
        "ID = R0000000001; Total = 2500.00; },\n"
        "    {Amount = -1250.00; CheckNumber = 1043; Date = 11/04/2026; DescriptionofTransaction = Rent; "
        "ID = R0000000002; Total = 1250.00; },\n"
        "    {Amount = -71.24; CheckNumber = \"\"; Date = 11/02/2026; DescriptionofTransaction = Hy-Vee; "
        "ID = R0000000003; Total = 1178.76; },\n"
        "    {Amount = 1821.24; CheckNumber = \"\"; Date = 11/15/2026; DescriptionofTransaction = Paycheck; "
        "ID = R0000000004; Total = 3000.00; },\n"
        "    {Amount = -4.50; CheckNumber = \"\"; Date = 11/20/2026; DescriptionofTransaction = Coffee; "
        "ID = R0000000005; Total = 2995.50; }\n"
        ")\n";
    const QString statement = writeFile(dir.filePath(u"november.csv"_s),
                                        "11/03/2026,-71.24,,,HY-VEE 1402\n11/25/2026,-20.00,,,Gas\n");
    QSettings().setValue(u"sortWarning"_s, u"1"_s);
    struct Step {
        const char *what;
        std::function<void()> before; // made and saved first, not part of the step
        std::function<void()> run;
    };
    const std::vector<Step> steps = {
        {"delete", {}, [&] { selectRows({2}); c->deleteTransaction(&menuItem); }},
        {"import with a match", {}, [&] {
             toolkit.openAnswers = {{statement}};
             c->importWF(&menuItem);
             QAbstractItemModel *lines = c->importPreview()->findChild<QTableView *>(u"previewTable"_s)->model();
             lines->setData(lines->index(0, ImportPreviewModel::MatchColumn), Qt::Checked, Qt::CheckStateRole);
             pressImport();
         }},
        {"entry", {}, [&] { type("", "Gas", "-20.00", "11/25/2026"); c->addTransaction(enterButton()); }},
        {"insertion", {}, [&] { selectRows({1}); type("", "Gas", "-20.00", "11/05/2026"); c->addTransaction(&menuItem); }},
        {"amount edit", {}, [&] {
             c->tableView()->model()->setData(c->tableView()->model()->index(3, RegisterTableModel::AmountColumn),
                                              u"1800.00"_s);
         }},
        {"sort", {}, [&] { c->showSortWarning(&menuItem); }},
        {"match while balancing", {}, [&] {
             c->showEndOfMonthWindowAction(&menuItem);
             field("currentEOMAmount")->setText(u"-71.24"_s);
             c->EOMEnterButton(&menuItem);
         }},
        {"finish", [&] {
             c->showEndOfMonthWindowAction(&menuItem);
             field("currentEOMAmount")->setText(u"-1250.00"_s);
             c->EOMEnterButton(&menuItem);
         }, [&] {
             field("statementDate")->setText(u"11/30/2026"_s);
             field("statementBalance")->setText(u"1250.00"_s);
             c->finishStatementButton(&menuItem);
         }},
    };
    const QString path = dir.filePath(u"household.ldgr"_s);
    auto savedNow = [&] {
        QString error;
        EXPECT_TRUE(doc->saveToFile(path, &error)) << error.toStdString();
        return readFile(path);
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        writeFile(path, saved);
        doc = std::make_unique<MyDocument>();
        QString error;
        ASSERT_TRUE(doc->readFromFile(path, {}, &error)) << error.toStdString();
        doc->makeWindowControllers(toolkit);
        c = windowController(doc.get());
        if (s.before)
            s.before();
        const QByteArray before = savedNow();
        if (!s.before)
            EXPECT_EQ(before, saved) << "opened and saved, a register is the file it was";
        s.run();
        ASSERT_TRUE(doc->history().canUndo());
        const QByteArray done = savedNow();
        EXPECT_FALSE(QRegularExpression(u"Total = -?[0-9]+(\\.[0-9])?;"_s).match(QString::fromLatin1(done)).hasMatch())
            << "one form of balance in one file:\n" << done.toStdString();
        c->undo(&menuItem);
        EXPECT_EQ(savedNow(), before);
        c->redo(&menuItem);
        EXPECT_EQ(savedNow(), done);
        EXPECT_TRUE(toolkit.alerts.empty());
        toolkit.alerts.clear();
    }
}

// The status bar went on saying "Deleted “Hy-Vee” (Ctrl+Z to undo)" after
// the undo; the proposed check number stayed the one after the entry undone.
TEST_F(UndoWindowTest, WhatTheWindowSaysOfAStepFollowsItsUndo)
{
    open({{"1000.00", "", "Opening"}, {"-71.24", "", "Hy-Vee"}});
    c->openPrefWindow(&menuItem);
    c->window()->findChild<QCheckBox *>(u"autoNumberPref"_s)->setChecked(true);
    c->saveAndClosePrefs(&menuItem);
    QLineEdit *check = field("CheckNumber");
    EXPECT_EQ(check->text(), QString()) << "no check yet, no number to propose";

    selectRows({1});
    c->deleteTransaction(&menuItem);
    ASSERT_FALSE(c->window()->statusBar()->currentMessage().isEmpty());
    c->undo(&menuItem);
    EXPECT_EQ(c->window()->statusBar()->currentMessage(), QString());

    type("1041", "Rent", "-650.00");
    c->addTransaction(enterButton());
    EXPECT_EQ(check->text(), u"1042"_s);
    c->undo(&menuItem);
    EXPECT_EQ(check->text(), QString()) << "the register holds no check again";
    c->redo(&menuItem);
    EXPECT_EQ(check->text(), u"1042"_s);
    type("1042", "Water", "-30.00");
    c->addTransaction(enterButton());
    EXPECT_EQ(check->text(), u"1043"_s);
    c->undo(&menuItem);
    EXPECT_EQ(check->text(), u"1042"_s) << "1042 is free again";
    // A number the user typed is the user's.
    check->setText(QString());
    QTest::keyClicks(check, u"2001"_s);
    c->redo(&menuItem);
    EXPECT_EQ(check->text(), u"2001"_s);
}

class UndoDocumentsTest : public ::testing::Test
{
protected:
    void SetUp() override { QSettings().clear(); }
    QTemporaryDir dir;
    FakeToolkit toolkit;
    DocumentController controller{toolkit, dir.filePath(u"recovery"_s)};
};

TEST_F(UndoDocumentsTest, TheModifiedMarkFollowsTheHistory)
{
    const QString path = writeFile(dir.filePath(u"r.ldgr"_s), "({Amount = 10.00; DescriptionofTransaction = Opening;})");
    MyDocument *d = controller.openDocument(path);
    ASSERT_NE(d, nullptr);
    QWidget *window = windowController(d)->window();
    auto enter = [&](const QString &amount) {
        window->findChild<QLineEdit *>(u"Amount"_s)->setText(amount);
        window->findChild<QPushButton *>(u"enterButton"_s)->click();
    };
    enter(u"1"_s);
    EXPECT_TRUE(window->isWindowModified());
    windowController(d)->undo(nullptr);
    EXPECT_FALSE(window->isWindowModified()) << "back to what is on disk";
    windowController(d)->redo(nullptr);
    EXPECT_TRUE(window->isWindowModified());
    ASSERT_TRUE(controller.saveDocument(d));
    EXPECT_FALSE(window->isWindowModified());
    windowController(d)->undo(nullptr);
    EXPECT_TRUE(window->isWindowModified()) << "undone past the save";
    windowController(d)->redo(nullptr);
    EXPECT_FALSE(window->isWindowModified());

    // Revert to Saved empties the history.
    enter(u"2"_s);
    toolkit.confirmAnswers = {true};
    ASSERT_TRUE(controller.revertDocument(d));
    EXPECT_FALSE(d->history().canUndo());
    EXPECT_FALSE(d->history().canRedo());
    d->updateChangeCount(); // keep closing from asking
}

} // namespace
