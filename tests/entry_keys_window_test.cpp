// The entry fields' keys in the window: proposals taken, Escape, the + - T
// keys, unreadable dates, the check number that follows a chosen payee.

#include "DateReader.h"
#include "DateSort.h"
#include "EntryFields.h"
#include "StatementImport.h"
#include "SuggestionList.h"
#include "WindowFixture.h"
#include "descriptionfield.h"

#include <QApplication>
#include <QCheckBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// Shows the window with the keyboard in it, as on a desktop.
void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

class EntryKeysWindowTest : public WindowFixture
{
protected:
    void openHousehold()
    {
        open({{"1000.00", "", "Opening", "12/01/2026"},
              {"-71.24", "1041", "Hy-Vee", "12/02/2026"},
              {"-30.00", "", "HY-VEE Gas", "12/03/2026"},
              {"-12.00", "", "Hy-Vee", "12/04/2026"}});
        showActive(c->window());
    }
    SuggestionList *list() const { return c->descriptionSuggestions(); }
};

TEST_F(EntryKeysWindowTest, DownAndReturnTakeAProposalAndNothingElseChanges)
{
    openHousehold();
    QLineEdit *description = field("DescriptionofTransaction");
    description->setFocus();
    QTest::keyClicks(description, u"hy"_s);
    ASSERT_TRUE(list()->isShown());
    EXPECT_EQ(list()->shownTexts(), (QStringList{u"Hy-Vee"_s, u"HY-VEE Gas"_s}));
    EXPECT_EQ(list()->shownDetails(), (QStringList{u"-12.00"_s, u"-30.00"_s}));
    EXPECT_EQ(list()->current(), -1) << "nothing chosen until asked";
    QTest::keyClick(description, Qt::Key_Down);
    QTest::keyClick(description, Qt::Key_Down);
    QTest::keyClick(description, Qt::Key_Up);
    EXPECT_EQ(list()->current(), 0);
    QTest::keyClick(description, Qt::Key_Return);
    EXPECT_EQ(description->text(), u"Hy-Vee");
    EXPECT_FALSE(list()->isShown());
    EXPECT_EQ(reg().count(), 4) << "Return took the proposal; it entered nothing";
    EXPECT_EQ(field("Amount")->text(), QString()) << "the amount waits for the amount field's own rule";
    EXPECT_EQ(QApplication::focusWidget(), description);

    QTest::keyClick(description, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(description->text(), u"hy") << "taking it is undone as typing is";

    // Tab takes the chosen one too and goes on; the amount field proposes
    // when it is reached, as ever.
    QTest::keyClicks(description, u" gas"_s);
    description->selectAll();
    QTest::keyClicks(description, u"vee g"_s);
    QTest::keyClick(description, Qt::Key_Down);
    QTest::keyClick(description, Qt::Key_Tab);
    EXPECT_EQ(description->text(), u"HY-VEE Gas");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // past the category
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // past the date
    EXPECT_EQ(field("Amount")->text(), u"-30.00");
}

TEST_F(EntryKeysWindowTest, EscapeClosesTypingOnIgnoresAndAClickTakes)
{
    openHousehold();
    QLineEdit *description = field("DescriptionofTransaction");
    description->setFocus();
    QTest::keyClicks(description, u"vee"_s);
    ASSERT_TRUE(list()->isShown());
    QTest::keyClick(description, Qt::Key_Escape);
    EXPECT_FALSE(list()->isShown());
    EXPECT_EQ(description->text(), u"vee");

    QTest::keyClicks(description, u" g"_s);
    EXPECT_EQ(list()->shownTexts(), QStringList{u"HY-VEE Gas"_s}) << "the list follows the typing";
    QTest::keyClicks(description, u"x"_s);
    EXPECT_FALSE(list()->isShown()) << "nothing holds \"vee gx\"";

    // Return with nothing chosen enters what was typed.
    description->clear();
    QTest::keyClicks(description, u"Hy"_s);
    ASSERT_TRUE(list()->isShown());
    field("Amount")->setText(u"-1.00"_s);
    QTest::keyClick(description, Qt::Key_Return);
    ASSERT_EQ(reg().count(), 5);
    EXPECT_EQ(reg()[4].value(Key::DescriptionofTransaction), Value::text(u"Hy"_s));

    // A click on a proposal.
    description->setFocus();
    QTest::keyClicks(description, u"gas"_s);
    auto *view = c->window()->findChild<QTreeWidget *>(u"DescriptionofTransactionSuggestions"_s);
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(view->topLevelItem(0)).center());
    EXPECT_EQ(description->text(), u"HY-VEE Gas");
    EXPECT_EQ(QApplication::focusWidget(), description) << "the keyboard stays in the field";
}

TEST_F(EntryKeysWindowTest, PlusMinusAndTStepTheFieldsAndAProposalIsSelected)
{
    QSettings().setValue(u"autoNumber"_s, u"1"_s);
    openHousehold();
    QLineEdit *check = field("CheckNumber");
    QLineEdit *date = field("Date");
    EXPECT_EQ(check->text(), u"1042");
    date->setFocus(Qt::TabFocusReason);
    QTest::keyClick(date, Qt::Key_Plus);
    QTest::keyClick(date, Qt::Key_Plus);
    QTest::keyClick(date, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(date->text(), u"12/08/2026");
    QTest::keyClick(date, Qt::Key_T);
    EXPECT_EQ(date->text(), u"12/07/2026");
    QTest::keyClick(date, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(date->text(), u"12/08/2026") << "a step is undone in the field";
    QTest::keyClicks(date, u"12-24-2026"_s);
    EXPECT_EQ(date->text(), u"12-24-2026") << "the stepped date was selected; typing replaced it";

    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Minus);
    EXPECT_EQ(check->text(), u"1041");
    check->clear();
    QTest::keyClick(check, Qt::Key_Minus);
    EXPECT_EQ(toolkit.beeps, 1) << "no number to step down from";
    EXPECT_EQ(check->text(), QString());
    QTest::keyClick(check, Qt::Key_Plus);
    EXPECT_EQ(check->text(), u"1042") << "after the last check";

    // After an entry the keyboard is back in Check #, the next number
    // selected: typing replaces it.
    type(nullptr, "Rent", "-650", "12/05/2026");
    c->addTransaction(enterButton());
    ASSERT_EQ(reg().count(), 5);
    EXPECT_EQ(check->text(), u"1043");
    EXPECT_EQ(check->selectedText(), u"1043");
    QTest::keyClicks(check, u"7"_s);
    EXPECT_EQ(check->text(), u"7");

    // So also when the keyboard comes to it by a click.
    c->autoNumber();
    date->setFocus();
    const QPoint middle = check->rect().center();
    QTest::mouseClick(check, Qt::LeftButton, {}, middle);
    EXPECT_EQ(QApplication::focusWidget(), check);
    EXPECT_EQ(check->selectedText(), u"1043");
}

// T sets today, yet "today" and "tomorrow" begin with it: the letter after
// a T gives the T back as typed.
TEST_F(EntryKeysWindowTest, TypingTomorrowIntoTheDateIsNotTakenForTheTKey)
{
    openHousehold();
    QLineEdit *date = field("Date");
    for (const QString &start : {QString(), u"12/01/2026"_s}) {
        for (const QString &word : {u"tomorrow"_s, u"Today"_s}) {
            date->setText(start);
            date->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(date, word);
            EXPECT_EQ(date->text(), word) << start.toStdString();
        }
    }
    type("", "Coffee", "-2", nullptr);
    c->addTransaction(enterButton());
    ASSERT_EQ(reg().count(), 5);
    EXPECT_EQ(reg()[4].value(Key::Date), Value::text(u"12/07/2026"_s)) << "today, as the day it means";
    EXPECT_TRUE(toolkit.confirmAnswers.empty());
    // A T on its own still gives today, and + steps on from it.
    date->setText(u"12/01/2026"_s);
    QTest::keyClick(date, Qt::Key_T);
    QTest::keyClick(date, Qt::Key_Plus);
    EXPECT_EQ(date->text(), u"12/08/2026");
}

TEST_F(EntryKeysWindowTest, AnUnreadableDateIsMarkedAndAskedAboutOnce)
{
    openHousehold();
    QLineEdit *date = field("Date");
    const QString plainTip = date->toolTip();
    date->setText(u"13/45/2026"_s);
    EXPECT_FALSE(date->styleSheet().isEmpty()) << "framed";
    EXPECT_TRUE(date->toolTip().contains(kDateFormsRead)) << date->toolTip().toStdString();
    for (const char *readable : {"12/7", "Dec 7, 2026", "yesterday", "", "  "}) {
        date->setText(QString::fromLatin1(readable));
        EXPECT_TRUE(date->styleSheet().isEmpty()) << readable;
        EXPECT_EQ(date->toolTip(), plainTip) << readable;
    }

    // "Change It" keeps everything as typed, the keyboard in the date.
    type("", "Gift", "-20", "13/45/2026");
    toolkit.confirmAnswers = {false};
    c->addTransaction(enterButton());
    EXPECT_EQ(reg().count(), 4);
    EXPECT_EQ(field("DescriptionofTransaction")->text(), u"Gift");
    EXPECT_EQ(date->text(), u"13/45/2026");
    EXPECT_EQ(date->selectedText(), u"13/45/2026");
    EXPECT_EQ(QApplication::focusWidget(), date);

    // "Keep as Typed": the register takes the text the user insists on.
    toolkit.confirmAnswers = {true};
    c->addTransaction(enterButton());
    ASSERT_EQ(reg().count(), 5);
    EXPECT_EQ(reg()[4].value(Key::Date), Value::text(u"13/45/2026"_s));
    EXPECT_TRUE(toolkit.confirmAnswers.empty()) << "asked once";

    // Readable dates, and the words, go in without a question.
    for (const char *readable : {"12/7", "yesterday", ""}) {
        type("", "Coffee", "-2", readable);
        c->addTransaction(enterButton());
    }
    EXPECT_EQ(reg().count(), 8);
    EXPECT_EQ(reg()[6].value(Key::Date), Value::text(u"12/06/2026"_s)) << "stored as the day it meant";
}

// A card payment chosen in the type-ahead kept the proposed check number:
// every one needed a Backspace, and a forgotten one made it check 1043.
TEST_F(EntryKeysWindowTest, AChosenPayeeTakesACheckNumberOnlyIfPaidByCheckLastTime)
{
    open({{"1000.00", "", "Opening", "12/01/2026"},
          {"-650.00", "1041", "Maple Court rent", "12/01/2026"},
          {"-71.24", "", "Hy-Vee", "12/02/2026"},
          {"-30.00", "1042", "Water", "12/03/2026"}});
    showActive(c->window());
    c->openPrefWindow(&menuItem);
    c->window()->findChild<QCheckBox *>(u"autoNumberPref"_s)->setChecked(true);
    c->saveAndClosePrefs(&menuItem);
    QLineEdit *check = field("CheckNumber");
    QLineEdit *description = field("DescriptionofTransaction");
    ASSERT_EQ(check->text(), u"1043"_s);
    auto choose = [&](const QString &typed) {
        description->setFocus();
        description->clear();
        QTest::keyClicks(description, typed);
        QTest::keyClick(description, Qt::Key_Down);
        QTest::keyClick(description, Qt::Key_Return);
    };
    const struct {
        const char *typed;
        QString chosen;
        QString check;
    } choices[] = {
        {"hy", u"Hy-Vee"_s, QString()},
        {"map", u"Maple Court rent"_s, u"1043"_s}, // chosen again: the number comes back
        {"wat", u"Water"_s, u"1043"_s},
        {"hy", u"Hy-Vee"_s, QString()},
    };
    for (const auto &k : choices) {
        SCOPED_TRACE(k.typed);
        choose(QString::fromLatin1(k.typed));
        EXPECT_EQ(description->text(), k.chosen);
        EXPECT_EQ(check->text(), k.check);
    }
    field("Amount")->setText(u"-12.00"_s);
    QTest::keyClick(description, Qt::Key_Return);
    ASSERT_EQ(reg().count(), 5);
    EXPECT_EQ(reg()[4].value(Key::CheckNumber), Value::text(u""_s)) << "a card payment, not check 1043";
    EXPECT_EQ(check->text(), u"1043"_s) << "the next entry is proposed the number again";

    // A number the user typed is the user's.
    check->selectAll();
    QTest::keyClicks(check, u"2001"_s);
    choose(u"hy"_s);
    EXPECT_EQ(check->text(), u"2001"_s);
}

} // namespace
