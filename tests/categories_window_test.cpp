// Categories in the register window: the Category column, sums typed where
// amounts go, the rules run over selected rows and the split editor, each
// change one step of Undo.

#include "CategoryRules.h"
#include "ChartWindow.h"
#include "RegisterTableModel.h"
#include "SpendingChart.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QLabel>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CategoryWindowTest : public WindowFixture
{
protected:
    void openMonth()
    {
        open({{"1000", "", "Opening", "12/01/2026"},
              {"-71.24", "", "HY-VEE #1234", "12/02/2026"},
              {"-42.50", "311", "Costco", "12/09/2026"},
              {"-80", "", "Evergy", "12/10/2026"}});
    }
    QAction *action(const char *name) const
    {
        return c->window()->findChild<QAction *>(QString::fromLatin1(name));
    }
    QString cell(int row, int column) const
    {
        return c->tableView()->model()->index(row, column).data().toString();
    }
    bool setCell(int row, int column, const QString &text) const
    {
        QAbstractItemModel *model = c->tableView()->model();
        return model->setData(model->index(row, column), text);
    }
    void storeRules(const std::vector<CategoryRule> &rules)
    {
        QSettings settings;
        ::storeRules(settings, rules);
    }
};

TEST_F(CategoryWindowTest, TheCategoryColumnIsShownWhereTheRegisterHasCategories)
{
    openMonth();
    EXPECT_TRUE(c->tableView()->isColumnHidden(RegisterTableModel::CategoryColumn)) << "none yet";
    // Until the register's first category comes in with a row entered.
    c->window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c->window()));
    for (const char *category : {"", "Food"}) {
        QTest::keyClicks(field("Category"), QString::fromUtf8(category));
        field("Amount")->setText(u"-5"_s);
        QTest::keyClick(field("Amount"), Qt::Key_Return);
        EXPECT_EQ(reg()[reg().count() - 1].value(Key::Amount).toString(), u"-5.00");
        EXPECT_EQ(c->tableView()->isColumnHidden(RegisterTableModel::CategoryColumn), !*category) << category;
    }
    action("categoryColumn")->trigger();
    EXPECT_TRUE(c->tableView()->isColumnHidden(RegisterTableModel::CategoryColumn)) << "hidden by hand";
    action("categoryColumn")->trigger();
    EXPECT_FALSE(c->tableView()->isColumnHidden(RegisterTableModel::CategoryColumn));

    doc = std::make_unique<MyDocument>();
    doc->ensureRegister();
    for (const char *category : {"", "Food:Groceries"}) {
        RecordPtr record = makeRecord();
        record->set(Key::Amount, Value::text(u"5"));
        if (*category)
            record->set(Key::Category, Value::text(QString::fromUtf8(category)));
        doc->array()->append(record);
    }
    doc->makeWindowControllers(toolkit);
    c = windowController(doc.get());
    EXPECT_FALSE(c->tableView()->isColumnHidden(RegisterTableModel::CategoryColumn)) << "opened with categories";
}

TEST_F(CategoryWindowTest, ACategoryTypedInACellIsTheOneInUseAndOneUndoStep)
{
    openMonth();
    reg()[1].set(Key::Category, Value::text(u"Food:Groceries"));
    ASSERT_TRUE(setCell(3, RegisterTableModel::CategoryColumn, u"  food : groceries "_s));
    EXPECT_EQ(reg()[3].value(Key::Category).toString(), u"Food:Groceries") << "as already written";
    EXPECT_EQ(doc->history().undoName(), u"Category \u201cFood:Groceries\u201d");
    c->undo(&menuItem);
    EXPECT_FALSE(reg()[3].contains(Key::Category));

    // The cell of a split row shows the lines, and is not typed over.
    reg()[2].set(kSplitsKey, Value::text(u"-30.25\tFood:Groceries\t\n-12.25\tHousehold\tpaper towels"));
    EXPECT_EQ(cell(2, RegisterTableModel::CategoryColumn), u"Split (2)");
    EXPECT_FALSE(setCell(2, RegisterTableModel::CategoryColumn, u"Shopping"_s));
    EXPECT_EQ(toolkit.beeps, 1);
    EXPECT_FALSE(reg()[2].contains(Key::Category));
}

// The keyboard goes Check #, Description, Category, Date, Amount; a payee
// brings its category of last time (or a rule's) into the field, selected so
// that typing replaces it, and what the field holds is entered with the row.
TEST_F(CategoryWindowTest, TheCategoryFieldProposesThePayeesCategoryAndGoesInWithTheRow)
{
    openMonth();
    reg()[1].set(Key::Category, Value::text(u"Food:Groceries"));
    storeRules({{CategoryRule::Match::Contains, u"hy-vee"_s, u"Shopping"_s},
                {CategoryRule::Match::Contains, u"evergy"_s, u"Home:Utilities"_s}});
    c->window()->show();
    c->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c->window()));
    auto focused = [] { return QApplication::focusWidget(); };

    field("CheckNumber")->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order << focused()->objectName();
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{u"CheckNumber"_s, u"DescriptionofTransaction"_s, u"Category"_s, u"Date"_s,
                                  u"Amount"_s}));

    const struct {
        const char *description;
        const char *proposed;
        const char *typed; // null: the proposal kept; "": Backspace over it
        const char *entered;
    } cases[] = {
        {"HY-VEE #1234", "Food:Groceries", nullptr, "Food:Groceries"}, // the payee's, though a rule fits
        {"Evergy", "Home:Utilities", nullptr, "Home:Utilities"},       // no history: the rule's
        {"HY-VEE #1234", "Food:Groceries", "food:coffee", "Food:coffee"}, // typed over, as in use
        {"HY-VEE #1234", "Food:Groceries", "", ""},                       // emptied stays empty
        {"Kiosk", "", nullptr, ""},                                        // nothing to propose
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(std::string(k.description) + " / " + (k.typed ? k.typed : "(kept)"));
        const int rows = reg().count();
        field("DescriptionofTransaction")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(focused(), QString::fromUtf8(k.description));
        QTest::keyClick(focused(), Qt::Key_Tab);
        ASSERT_EQ(focused(), field("Category"));
        EXPECT_EQ(field("Category")->text(), QString::fromUtf8(k.proposed));
        EXPECT_EQ(field("Category")->selectedText(), field("Category")->text()) << "typing replaces it";
        if (k.typed && *k.typed)
            QTest::keyClicks(focused(), QString::fromUtf8(k.typed));
        else if (k.typed)
            QTest::keyClick(focused(), Qt::Key_Backspace);
        if (QCompleter *completer = field("Category")->completer())
            completer->popup()->hide();
        field("DescriptionofTransaction")->setFocus(Qt::TabFocusReason); // left again: a typed one stays
        field("Amount")->setText(u"-5"_s);
        QTest::keyClick(field("Amount"), Qt::Key_Return);
        ASSERT_EQ(reg().count(), rows + 1);
        EXPECT_EQ(reg()[rows].value(Key::Category).toString(), QString::fromUtf8(k.entered));
        EXPECT_EQ(field("Category")->text(), QString()) << "emptied with the other fields";
        c->undo(&menuItem);
        EXPECT_EQ(reg().count(), rows) << "the row and its category are one step";
    }

    // Return in the description enters before the field is left: the
    // payee's category goes in all the same.
    field("DescriptionofTransaction")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(focused(), u"Evergy"_s);
    field("Amount")->setText(u"-80"_s);
    QTest::keyClick(field("DescriptionofTransaction"), Qt::Key_Return);
    EXPECT_EQ(reg()[reg().count() - 1].value(Key::Category).toString(), u"Home:Utilities");
}

TEST_F(CategoryWindowTest, SumsTypedWhereAmountsGoAreWorkedOutToTheCent)
{
    openMonth();
    // A cell.
    ASSERT_TRUE(setCell(3, RegisterTableModel::AmountColumn, u"-(10/3)"_s));
    EXPECT_EQ(reg()[3].value(Key::Amount).toString(), u"-3.33");
    EXPECT_FALSE(setCell(3, RegisterTableModel::AmountColumn, u"1/0"_s)) << "refused as a bad amount";
    EXPECT_EQ(reg()[3].value(Key::Amount).toString(), u"-3.33");

    // The entry field: the result shown when it is left, then entered.
    type("", "Kiosk", "0.1+0.2", "12/11/2026");
    QFocusEvent leaving(QEvent::FocusOut);
    QApplication::sendEvent(field("Amount"), &leaving);
    EXPECT_EQ(field("Amount")->text(), u"0.30");
    type(nullptr, nullptr, "12.50+3.20", nullptr);
    enterButton()->click();
    EXPECT_EQ(reg()[reg().count() - 1].value(Key::Amount).toString(), u"15.70");

    // A payee comes with its category of last time.
    reg()[1].set(Key::Category, Value::text(u"Food:Groceries"));
    type("", "HY-VEE #1234", "-5", "12/12/2026");
    enterButton()->click();
    EXPECT_EQ(reg()[reg().count() - 1].value(Key::Category).toString(), u"Food:Groceries");

    // An amount alone is left as typed, a text that is no sum too.
    for (const char *typed : {"(45.25)", "12+", "lunch"}) {
        type(nullptr, nullptr, typed, nullptr);
        QApplication::sendEvent(field("Amount"), &leaving);
        EXPECT_EQ(field("Amount")->text(), QString::fromUtf8(typed));
    }
}

TEST_F(CategoryWindowTest, ApplyingRulesToSelectedRowsIsOneStepAndLeavesTheOpeningRow)
{
    openMonth();
    action("applyCategoryRules")->trigger();
    ASSERT_EQ(toolkit.alerts.size(), 1u) << "no rules yet: said so";
    storeRules({{CategoryRule::Match::Contains, u"open"_s, u"Never"_s},
                {CategoryRule::Match::Pattern, u"^hy-?vee"_s, u"Food:Groceries"_s},
                {CategoryRule::Match::Contains, u"vee"_s, u"Not:First"_s},
                {CategoryRule::Match::Contains, u"evergy"_s, u"Home:Utilities"_s}});
    selectRows({0, 1, 2, 3});
    action("applyCategoryRules")->trigger();
    EXPECT_EQ(column(Key::Category),
              (QStringList{QString(), u"Food:Groceries"_s, QString(), u"Home:Utilities"_s}));
    EXPECT_EQ(doc->history().undoName(), u"Apply Rules (2 rows)");
    c->undo(&menuItem);
    EXPECT_EQ(column(Key::Category), QStringList(4, QString()));
}

TEST_F(CategoryWindowTest, TheSplitEditorTakesOnlyLinesThatAddUp)
{
    openMonth();
    selectRows({2});
    bool refusedFirst = false;
    toolkit.dialogAnswers.push_back([&](QDialog &dialog) {
        auto *lines = dialog.findChild<QTableWidget *>(u"lines"_s);
        EXPECT_EQ(lines->rowCount(), 1) << "the whole amount, to divide";
        lines->item(0, 0)->setText(u"Food:Groceries"_s);
        lines->item(0, 2)->setText(u"-20.25-10"_s);
        lines->insertRow(1);
        lines->setItem(1, 0, new QTableWidgetItem(u"Household"_s));
        lines->setItem(1, 1, new QTableWidgetItem(u"paper towels"_s));
        lines->setItem(1, 2, new QTableWidgetItem(u"-12"_s));
        EXPECT_EQ(dialog.findChild<QLabel *>(u"left"_s)->text(), u"Left to assign: -0.25") << "live";
        dialog.accept();
        refusedFirst = dialog.result() != QDialog::Accepted
            && dialog.findChild<QLabel *>(u"problem"_s)->text().contains(u"left to assign"_s);
        lines->item(1, 2)->setText(u"-12.25"_s);
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    });
    action("splitTransaction")->trigger();
    EXPECT_TRUE(refusedFirst) << "a split that does not add up is refused";
    EXPECT_EQ(reg()[2].value(kSplitsKey).toString(), u"-30.25\tFood:Groceries\t\n-12.25\tHousehold\tpaper towels");
    EXPECT_EQ(reg()[2].value(Key::Amount).toString(), u"-42.50") << "the bank's amount stays";
    EXPECT_EQ(cell(2, RegisterTableModel::CategoryColumn), u"Split (2)");
    c->undo(&menuItem);
    EXPECT_FALSE(reg()[2].contains(kSplitsKey));
}

TEST_F(CategoryWindowTest, TheSpendingChartCountsSplitLinesAsTheTotalsDo)
{
    openMonth();
    reg()[1].set(Key::Category, Value::text(u"Food:Groceries"));
    reg()[2].set(kSplitsKey, Value::text(u"-30.25\tFood:Groceries\t\n-12.25\tHousehold\tpaper towels"));
    reg()[3].set(Key::Category, Value::text(u"Home:Utilities"));
    action("spendingByCategory")->trigger();
    auto *chart = c->window()->findChild<SpendingChart *>();
    ASSERT_TRUE(chart);
    ASSERT_TRUE(c->chartWindow());
    EXPECT_EQ(c->chartWindow()->shownPage(), chart) << "a page of the Charts window, shown";
    EXPECT_TRUE(c->chartWindow()->isVisible());
    chart->setPeriod(u"12/01/2026"_s, u"12/31/2026"_s);
    EXPECT_EQ(chart->spending(), (std::vector<Spending>{{u"Food"_s, 10149}, {u"Home"_s, 8000}, {u"Household"_s, 1225}}))
        << "subcategories folded, the opening row's money no spending";
    chart->findChild<QCheckBox *>(u"subcategories"_s)->setChecked(true);
    EXPECT_EQ(chart->spending().front(), (Spending{u"Food:Groceries"_s, 10149}));
    // The axis's figures with the decimal point the amounts under it have.
    chart->setDecimalPoint(u',');
    const QChart *drawn = chart->findChild<QChartView *>()->chart();
    EXPECT_TRUE(drawn->localizeNumbers());
    EXPECT_EQ(drawn->locale().toString(2.5, 'f', 1), u"2,5");

    // A change in the register is drawn while the chart is open.
    setCell(3, RegisterTableModel::AmountColumn, u"-150"_s);
    QApplication::processEvents(); // drawn once the change's events are over
    EXPECT_EQ(chart->spending().front(), (Spending{u"Home:Utilities"_s, 15000}));
    chart->setPeriod(u"1/1/2027"_s, QString());
    EXPECT_TRUE(chart->spending().empty());
}

// Each change in a long register worked out every page of the Charts window,
// shown or not: only the page shown is, the others as they are shown.
TEST_F(CategoryWindowTest, TheChartsWorkOutOnlyThePageShown)
{
    openMonth();
    action("spendingByCategory")->trigger();
    ChartWindow *charts = c->chartWindow();
    ASSERT_TRUE(charts);
    EXPECT_TRUE(charts->balanceSeries()->points().isEmpty()) << "the balance page not yet shown";
    auto *pages = charts->findChild<QTabWidget *>(u"chartPages"_s);
    ASSERT_TRUE(pages);
    pages->setCurrentIndex(0);
    ASSERT_EQ(charts->balanceSeries()->points().size(), 4);
    EXPECT_EQ(charts->balanceSeries()->points().back().y(), 806.26);

    setCell(3, RegisterTableModel::AmountColumn, u"-150"_s);
    QApplication::processEvents();
    EXPECT_EQ(charts->balanceSeries()->points().back().y(), 736.26) << "the page shown follows the change";
    auto *spending = charts->findChild<SpendingChart *>();
    pages->setCurrentWidget(spending);
    EXPECT_EQ(spending->spending().front(), (Spending{u"(no category)"_s, 26374})) << "worked out as it is shown";

    // View > Charts opens the window on the page it showed last.
    charts->hide();
    c->showCharts(&menuItem);
    EXPECT_EQ(charts->shownPage(), spending);
}

} // namespace
