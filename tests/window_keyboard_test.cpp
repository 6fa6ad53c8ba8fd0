// The register window and the keyboard: a typed amount kept when the keyboard
// comes back, Alt keys with one owner, entries at the limits; the preferences.

#include "ChartWindow.h"
#include "SuggestionList.h"
#include "ImportDuplicates.h"
#include "PreconditionFailure.h"
#include "ReconciliationReport.h"
#include "Report.h"
#include "WindowFixture.h"
#include "descriptionfield.h"

#include <QCheckBox>
#include <QDialog>
#include <QFocusEvent>
#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Shows the window with the keyboard in it, as on a desktop.
void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

using KeyboardTest = WindowFixture;

// The amount field proposed an amount on every focus-in: a typed -88.12 became
// -71.24 after a menu, a dialog or another window gave the keyboard back, and
// Return then entered the wrong amount.
TEST_F(KeyboardTest, ATypedAmountStaysWhenTheKeyboardComesBack)
{
    open({{"100.00", "", "Opening"}, {"-71.24", "", "Hy-Vee"}});
    showActive(c->window());
    QLineEdit *amount = field("Amount");
    field("DescriptionofTransaction")->setText(u"Hy-Vee"_s);
    field("Date")->setFocus();
    QTest::keyClick(field("Date"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), amount);
    EXPECT_EQ(amount->text(), u"-71.24") << "moving in proposes";
    QTest::keyClicks(amount, u"-88.12"_s);
    ASSERT_EQ(amount->text(), u"-88.12");

    // A menu opened from the keyboard and closed again.
    QTest::keyClick(c->window(), Qt::Key_E, Qt::AltModifier);
    QWidget *menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    // The menu bar keeps the keyboard until a second Escape.
    if (QApplication::focusWidget() != amount)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), amount) << QApplication::focusWidget()->metaObject()->className();
    EXPECT_EQ(amount->text(), u"-88.12"_s) << "after a menu";

    // The preferences window, opened and closed.
    c->openPrefWindow(&menuItem);
    QWidget *prefs = c->window()->findChild<QCheckBox *>(u"autoNumberPref"_s)->window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(prefs));
    c->saveAndClosePrefs(&menuItem);
    ASSERT_TRUE(QTest::qWaitForWindowActive(c->window()));
    EXPECT_EQ(QApplication::focusWidget(), amount);
    EXPECT_EQ(amount->text(), u"-88.12"_s) << "after a dialog";

    // Another window, and back.
    QWidget other;
    showActive(&other);
    showActive(c->window());
    EXPECT_EQ(QApplication::focusWidget(), amount);
    EXPECT_EQ(amount->text(), u"-88.12"_s) << "after another window";

    QTest::keyClick(amount, Qt::Key_Return);
    ASSERT_EQ(reg().count(), 3);
    EXPECT_EQ(reg()[2].value(Key::Amount), Value::text(u"-88.12"_s));
}

// Clicking a row to choose where to insert left the keyboard in the table,
// where any key began a cell edit: a payee, Tab and an amount typed there
// rewrote the row's Description and put "-4.50" into its Date.
TEST_F(KeyboardTest, TypingAfterClickingARowNeverRewritesIt)
{
    open({{"100.00", "", "Opening", "01/01/2026"}, {"-5.00", "", "Coffee", "01/02/2026"}});
    showActive(c->window());
    QTableView *t = c->tableView();
    const QModelIndex coffee = t->model()->index(1, RegisterTableModel::DescriptionColumn);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(coffee).center());
    ASSERT_EQ(c->selectedRow(), 1);
    ASSERT_EQ(QApplication::focusWidget(), t);
    QTest::keyClicks(t, u"Hy-Vee"_s);
    QTest::keyClick(t, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), field("CheckNumber")) << "Tab leaves the table for the entry fields";
    QTest::keyClicks(QApplication::focusWidget(), u"-4.50"_s);
    EXPECT_EQ(reg()[1].value(Key::DescriptionofTransaction), Value::text(u"Coffee"_s));
    EXPECT_EQ(reg()[1].value(Key::Date), Value::text(u"01/02/2026"_s));
    EXPECT_EQ(c->selectedRow(), 1) << "typing never moved the selection";
    EXPECT_EQ(doc->changeCount(), 0);

    t->setFocus();
    QTest::keyClick(t, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), field("Amount")) << "Shift+Tab leaves the table too";

    // Return (or F2, or a double-click) edits the current cell; Tab keeps the
    // edit and goes on to the entry fields.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_F2}) {
        t->setFocus();
        t->setCurrentIndex(coffee);
        QTest::keyClick(t, key);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(t->isAncestorOf(editor));
        editor->setText(key == Qt::Key_Return ? u"Tea"_s : u"Tea room"_s);
        QTest::keyClick(editor, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), field("CheckNumber"));
    }
    EXPECT_EQ(reg()[1].value(Key::DescriptionofTransaction), Value::text(u"Tea room"_s));
    EXPECT_EQ(reg()[0].value(Key::DescriptionofTransaction), Value::text(u"Opening"_s));
}

// Alt+E belonged both to the Edit menu and to the Description label.
TEST_F(KeyboardTest, EveryAltKeyHasOneOwnerInEachWindow)
{
    open({{"1"}});
    const auto expectUnique = expectOneOwnerForEachAccessKey;
    // The register window itself: its menus, labels and buttons, the drawer's
    // too; and each menu's items.
    QList<QWidget *> windows{c->window()};
    for (QWidget *w : c->window()->findChildren<QWidget *>())
        if (w->isWindow() && !qobject_cast<QMenu *>(w) && !windows.contains(w))
            windows << w;
    for (QWidget *window : windows) {
        QStringList texts;
        for (QLabel *label : window->findChildren<QLabel *>())
            if (label->window() == window)
                texts << label->text();
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->window() == window)
                texts << button->text();
        if (auto *main = qobject_cast<QMainWindow *>(window))
            for (QAction *menu : main->menuBar()->actions())
                texts << menu->text();
        expectUnique(texts, window->objectName());
    }
    for (QMenu *menu : c->window()->findChildren<QMenu *>()) {
        QStringList items;
        for (QAction *a : menu->actions())
            items << a->text();
        expectUnique(items, menu->title());
    }
}

using EntryLimitsTest = WindowFixture;

// Two amounts of 90071992547409.92 showed a balance of 90071992547409.92.
TEST_F(EntryLimitsTest, AnEntryThatWouldTakeTheBalanceBeyondTheLimitIsRefused)
{
    open({{"90071992547409.92", "", "Opening"}});
    type("", "Windfall", "0.01");
    c->addTransaction(enterButton());
    EXPECT_EQ(toolkit.takeAlert(), u"Error: The transaction was not entered.\n\nrow 2: the balance after it would be "
                                   "90071992547409.93, beyond the 90 trillion dollars Cheqbook can keep track of"_s);
    EXPECT_EQ(reg().count(), 1);
    EXPECT_EQ(field("DescriptionofTransaction")->text(), u"Windfall") << "nothing typed is lost";
    EXPECT_EQ(doc->changeCount(), 0);
    EXPECT_FALSE(doc->history().canUndo());
}

// "yesterday" stored as typed meant another day every day the register was sorted.
TEST_F(EntryLimitsTest, RelativeDatesAreStoredAsTheDayTheyMean)
{
    open({{"100"}});
    type("", "Coffee", "-1", "yesterday");
    c->addTransaction(enterButton());
    type("", "Tea", "-1", "Yesterday's");
    toolkit.confirmAnswers = {true}; // kept as typed, once asked
    c->addTransaction(enterButton());
    EXPECT_EQ(column(Key::Date).mid(1), (QStringList{u"12/06/2026"_s, u"Yesterday's"_s}));
}


using PreferencesTest = WindowFixture;

TEST_F(PreferencesTest, FirstStartStoresNumberingOff)
{
    open({{"1"}, {"1", "100"}});
    EXPECT_EQ(QSettings().value(u"autoNumber"_s).toString(), u"0");
    EXPECT_EQ(field("CheckNumber")->text(), QString());
    EXPECT_FALSE(c->window()->findChild<QCheckBox *>(u"autoNumberPref"_s)->isChecked());
}

TEST_F(PreferencesTest, ConfirmingStoresTheChoiceAndNumbersAtOnce)
{
    open({{"1"}, {"1", "100"}});
    auto *box = c->window()->findChild<QCheckBox *>(u"autoNumberPref"_s);
    auto *ok = box->window()->findChild<QPushButton *>(u"okButton"_s);
    c->openPrefWindow(&menuItem);
    EXPECT_TRUE(box->window()->isVisible());
    field("CheckNumber")->setText(u"55"_s);
    box->setChecked(true);
    ok->click();
    EXPECT_EQ(QSettings().value(u"autoNumber"_s).toString(), u"1");
    EXPECT_EQ(field("CheckNumber")->text(), u"101");
    EXPECT_FALSE(box->window()->isVisible());

    // An unconfirmed change is forgotten when the window opens again.
    box->setChecked(false);
    c->openPrefWindow(&menuItem);
    EXPECT_TRUE(box->isChecked());

    box->setChecked(false);
    field("CheckNumber")->setText(u"55"_s);
    ok->click();
    EXPECT_EQ(QSettings().value(u"autoNumber"_s).toString(), u"0");
    EXPECT_EQ(field("CheckNumber")->text(), u"55");
    c->autoNumber();
    EXPECT_EQ(field("CheckNumber")->text(), u"55") << "numbering is off";
}

TEST_F(PreferencesTest, AnOddStoredValueCountsAsOff)
{
    QSettings().setValue(u"autoNumber"_s, u"yes"_s);
    open({{"1"}, {"1", "100"}});
    EXPECT_EQ(QSettings().value(u"autoNumber"_s).toString(), u"0");
}

} // namespace
