// Where the keyboard goes in the register window: it stays there while the
// charts follow the register; a refused entry gives it to the field at
// fault; the balancing drawer gives it back where it found it; Return enters
// what the field it is typed in belongs to. The windows beside a register
// close with Escape and Ctrl+W, and every dialog button has an access key.

#include "ChartWindow.h"
#include "HelpMenu.h"
#include "HelpWindow.h"
#include "QtToolkit.h"
#include "ShortcutsWindow.h"
#include "WindowFixture.h"
#include "WindowKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class FocusTest : public WindowFixture
{
protected:
    // A window beside the register counts as active for Qt's own wait while
    // its register is: wait until it has the keyboard itself.
    static bool becomesActive(QWidget *window, int ms = 2000)
    {
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, ms);
    }
    void showActive(QWidget *window)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(becomesActive(window));
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
    // Typed as a user types: into the field that has the keyboard.
    void typeHere(const QString &text) { QTest::keyClicks(focused(), text); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(focused(), key, modifiers); }
    QAction *action(const QString &menu, const QString &item) const
    {
        for (QAction *m : c->window()->menuBar()->actions())
            if (m->text() == menu)
                for (QAction *a : m->menu()->actions())
                    if (a->text() == item)
                        return a;
        ADD_FAILURE() << "no " << item.toStdString();
        return nullptr;
    }
    QDockWidget *drawer() const { return c->window()->findChild<QDockWidget *>(u"EOMDrawer"_s); }
};

// The progress indicator the real toolkit shows while the charts are worked
// out, with every other answer the fake's.
class ToolkitWithRealProgress : public FakeToolkit
{
public:
    std::unique_ptr<Progress> progress(QWidget *parent, const QString &what, bool cancellable) override
    {
        ++indicators;
        return real.progress(parent, what, cancellable);
    }
    QtToolkit real;
    int indicators = 0;
};

// With the charts open, every entry, edit and undo made the chart window the
// active one: the next Ctrl+Z and typing went nowhere.
TEST_F(FocusTest, TheChartsFollowTheRegisterWithoutTakingTheKeyboard)
{
    ToolkitWithRealProgress screen;
    open({{"1000.00", "", "Opening", "01/01/2026"}, {"-650.00", "", "Rent", "01/05/2026"}}, &screen);
    showActive(c->window());
    action(u"&View"_s, u"&Charts"_s)->trigger();
    ChartWindow *charts = c->chartWindow();
    ASSERT_TRUE(becomesActive(charts)) << "opened, the charts come forward";
    showActive(c->window());

    const int indicators = screen.indicators;
    field("DescriptionofTransaction")->setFocus();
    typeHere(u"Coffee"_s);
    press(Qt::Key_Tab); // the category
    press(Qt::Key_Tab); // the date
    press(Qt::Key_Tab);
    typeHere(u"-4.50"_s);
    press(Qt::Key_Return);
    ASSERT_EQ(reg().count(), 3);
    // The charts are drawn again once the entry's events are over.
    EXPECT_FALSE(becomesActive(charts, 300)) << "after an entry";
    EXPECT_EQ(charts->balanceSeries()->points().size(), 3) << "they followed the entry";
    EXPECT_EQ(screen.indicators, indicators) << "with no indicator that could take the keyboard";
    EXPECT_EQ(QApplication::activeWindow(), c->window());
    EXPECT_EQ(focused(), field("CheckNumber"));

    press(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(reg().count(), 2) << "Ctrl+Z reached the register";
    EXPECT_FALSE(becomesActive(charts, 300)) << "after an undo";
    typeHere(u"1042"_s);
    EXPECT_EQ(field("CheckNumber")->text(), u"1042"_s) << "typing after it lands in the field";
}

// Help and Keyboard Shortcuts ignored Escape and Ctrl+W; the charts too.
TEST_F(FocusTest, EscapeAndCtrlWCloseTheWindowsBesideTheRegister)
{
    open({{"1000.00", "", "Opening", "01/01/2026"}});
    showActive(c->window());
    HelpMenu help;
    const std::vector<std::pair<const char *, std::function<QWidget *()>>> windows = {
        {"charts", [&] { action(u"&View"_s, u"&Charts"_s)->trigger(); return c->chartWindow(); }},
        {"help", [&] { return help.showHelp(); }},
        {"keyboard shortcuts", [&] { return help.showShortcuts(c->window()); }},
    };
    for (const auto &[name, show] : windows) {
        for (QKeyCombination key : {QKeyCombination(Qt::Key_Escape), Qt::ControlModifier | Qt::Key_W}) {
            SCOPED_TRACE(name);
            QWidget *w = show();
            ASSERT_TRUE(becomesActive(w));
            QTest::keyClick(focused() ? focused() : w, key.key(), key.keyboardModifiers());
            EXPECT_FALSE(w->isVisible()) << QKeySequence(key).toString().toStdString();
        }
    }
    EXPECT_TRUE(c->window()->isVisible()) << "Ctrl+W in a window beside it leaves the register open";
}

// After a refused amount the keyboard was in Check # with its text selected:
// the amount typed next became the check number.
TEST_F(FocusTest, ARefusedEntryGivesTheKeyboardToTheFieldAtFault)
{
    struct Case {
        const char *what;
        const char *description;
        const char *amount;
        const char *date;
        bool insert; // Register > Insert After Selected Row, with nothing selected
        const char *atFault;
    };
    const Case cases[] = {
        {"no amount", "Coffee", "", "12/07/2026", false, "Amount"},
        {"an amount that is no number", "Coffee", "four fifty", "12/07/2026", false, "Amount"},
        {"a balance beyond what money holds", "Lottery", "90071992547409.00", "12/07/2026", false, "Amount"},
        {"an insertion with no row selected", "Coffee", "-4.50", "12/07/2026", true, "table"},
        {"a date that is kept from going in", "Coffee", "-4.50", "13/45/2026", false, "Date"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        open({{"1000.00", "", "Opening", "12/01/2026"}});
        showActive(c->window());
        type("1042", k.description, k.amount, k.date);
        toolkit.confirmAnswers = {false}; // "Change It" for a date that cannot be read
        field("Amount")->setFocus();
        if (k.insert)
            action(u"&Register"_s, u"&Insert After Selected Row"_s)->trigger();
        else
            press(Qt::Key_Return);
        EXPECT_EQ(reg().count(), 1) << "refused";
        EXPECT_EQ(toolkit.alerts.size() + toolkit.questions.size(), 1u);
        toolkit.alerts.clear();
        toolkit.questions.clear();
        toolkit.confirmAnswers.clear();
        ASSERT_NE(focused(), nullptr);
        const QString atFault = QString::fromLatin1(k.atFault);
        EXPECT_EQ(focused()->objectName(), atFault);
        if (auto *f = qobject_cast<QLineEdit *>(focused()))
            EXPECT_EQ(f->selectedText(), f->text()) << "typing replaces what is at fault";
        EXPECT_EQ(field("CheckNumber")->text(), u"1042"_s) << "nothing typed is lost";
    }
}

// After Finish or Done the keyboard landed in the filter bar, where typing
// "1" filtered the register.
TEST_F(FocusTest, TheDrawerGivesTheKeyboardBackWhereItFoundIt)
{
    for (const char *from : {"DescriptionofTransaction", "table", "Date"}) {
        for (const char *close : {"Done", "Finish", "the drawer's own close button"}) {
            SCOPED_TRACE(std::string(from) + ", " + close);
            open({{"1000.00", "", "Opening", "12/01/2026"}, {"-4.50", "", "Coffee", "12/02/2026"}});
            showActive(c->window());
            QWidget *before = QString::fromLatin1(from) == u"table"_s ? static_cast<QWidget *>(c->tableView())
                                                                      : field(from);
            before->setFocus();
            press(Qt::Key_B, Qt::ControlModifier);
            ASSERT_EQ(focused(), field("currentEOMAmount")) << "balancing takes the keyboard";
            typeHere(u"-4.50"_s);
            press(Qt::Key_Return);
            ASSERT_TRUE(reg()[1].contains(Key::EOMSeen));
            const QString closing = QString::fromLatin1(close);
            if (closing == u"Done"_s) {
                press(Qt::Key_D, Qt::AltModifier);
                QTest::qWaitFor([&] { return drawer()->isHidden(); }); // a button's key clicks it a moment later
            } else if (closing == u"Finish"_s) {
                field("statementDate")->setText(u"12/05/2026"_s);
                field("statementBalance")->setText(u"995.50"_s);
                drawer()->findChild<QPushButton *>(u"finishButton"_s)->click();
            } else {
                drawer()->close();
            }
            EXPECT_TRUE(drawer()->isHidden());
            EXPECT_EQ(focused(), before);
            EXPECT_FALSE(c->rowFilter().isActive());
        }
    }
}

// While balancing, Return in the entry fields ran the drawer's Enter: the
// fee being added from the statement never got in.
TEST_F(FocusTest, ReturnEntersWhatTheFieldItIsTypedInBelongsTo)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}, {"-4.50", "", "Coffee", "12/02/2026"}});
    showActive(c->window());
    press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_FALSE(drawer()->isHidden());

    field("DescriptionofTransaction")->setFocus();
    typeHere(u"Service charge"_s);
    field("Amount")->setFocus();
    field("Amount")->selectAll();
    typeHere(u"-4.50"_s);
    press(Qt::Key_Return);
    ASSERT_EQ(reg().count(), 3) << "entered, as ever";
    EXPECT_EQ(reg()[2].value(Key::DescriptionofTransaction), Value::text(u"Service charge"_s));
    EXPECT_FALSE(reg()[1].contains(Key::EOMSeen)) << "nothing was reconciled by it";
    EXPECT_FALSE(reg()[2].contains(Key::EOMSeen));

    // In each of the drawer's fields, Return is the drawer's Enter: the two
    // -4.50 rows are reconciled in turn, and a third -4.50 is not found.
    const struct {
        const char *field;
        int reconciledRow; // -1: none left to reconcile
    } drawerFields[] = {{"currentEOMAmount", 1}, {"statementDate", 2}, {"statementBalance", -1}};
    for (const auto &k : drawerFields) {
        SCOPED_TRACE(k.field);
        field("currentEOMAmount")->setText(u"-4.50"_s);
        field(k.field)->setFocus();
        press(Qt::Key_Return);
        EXPECT_EQ(reg().count(), 3) << "no entry";
        if (k.reconciledRow >= 0)
            EXPECT_TRUE(reg()[k.reconciledRow].contains(Key::EOMSeen));
        else
            EXPECT_EQ(toolkit.beeps, 1);
    }
}

// "Don't Save" and "Keep as Typed" could not be reached from the keyboard.
TEST_F(FocusTest, EveryDialogButtonHasAnAccessKey)
{
    auto expectKeys = [](QWidget *window, const QString &where) {
        QStringList texts;
        for (QLabel *label : window->findChildren<QLabel *>())
            texts << label->text();
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(window) && !button->text().isEmpty()) {
                EXPECT_FALSE(accessKey(button->text()).isNull()) << where.toStdString() << ": "
                                                                 << button->text().toStdString();
                texts << button->text();
            }
        }
        expectOneOwnerForEachAccessKey(texts, where);
    };
    // The register window's own dialogs.
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    QSettings().setValue(u"sortWarning"_s, u"0"_s);
    c->openPrefWindow(&menuItem);
    c->showSortWarning(&menuItem);
    c->showFindWindow(&menuItem);
    int dialogs = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(w) && w->isVisible()) {
            ++dialogs;
            expectKeys(w, w->windowTitle());
        }
    }
    EXPECT_EQ(dialogs, 3);

    // The questions and alerts, as the real toolkit shows them: the program's
    // texts as they stand, each with its key.
    QtToolkit real;
    QStringList shown;
    auto answerNextBox = [&] {
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            expectKeys(box, box->windowTitle());
            QStringList buttons;
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            shown << buttons.join(u'|');
            box->reject();
        });
    };
    answerNextBox();
    real.alert(c->window(), u"Error"_s, u"I can't make something from nothing."_s);
    answerNextBox();
    real.askToSave(c->window(), u"household.ldgr"_s);
    answerNextBox();
    real.confirm(c->window(), u"Date"_s, u"Keep \u201c13/45\u201d as typed?"_s, u"Keep as Typed"_s, u"Change It"_s);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], u"&OK"_s);
    EXPECT_TRUE(shown[1].contains(u"&Don\u2019t Save"_s)) << shown[1].toStdString();
    EXPECT_TRUE(shown[2].contains(u"&Keep as Typed"_s)) << shown[2].toStdString();
    EXPECT_TRUE(shown[2].contains(u"&Change It"_s)) << shown[2].toStdString();
}

} // namespace
