// The register window: entry, deletion, cell edits and the amount field,
// driven headless.

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

const QString kNoAmount = u"Error: I can't make something from nothing.\nPlease enter the transaction amount!"_s;
const QString kNoRowForEntry =
    u"Error: As powerful a computer as I am, I can't read your mind.\nPlease select a row to enter this below!"_s;

using EntryTest = WindowFixture;

TEST_F(EntryTest, TheFirstEntryBecomesTheOpeningRow)
{
    open({});
    EXPECT_EQ(field("Date")->text(), u"12/07/2026");
    type("", "Opening balance", "1500");
    c->addTransaction(enterButton());
    ASSERT_EQ(reg().count(), 1);
    EXPECT_EQ(reg()[0].value(Key::Amount), Value::text(u"1500.00"_s));
    EXPECT_EQ(reg()[0].value(Key::Total), Value::text(u"1500.00"_s));
    EXPECT_FALSE(reg()[0].contains(Key::EOMSeen));
    EXPECT_EQ(doc->changeCount(), 2) << "the insertion and the entry each count";
    EXPECT_EQ(field("DescriptionofTransaction")->text(), QString());
    EXPECT_EQ(field("Amount")->text(), QString());
    EXPECT_EQ(field("Date")->text(), u"12/07/2026");
    EXPECT_EQ(c->numberOfRows(), 1);
    EXPECT_TRUE(toolkit.alerts.empty());
}

TEST_F(EntryTest, AmountsAreKeptToTheCent)
{
    open({{"0"}});
    for (const char *typed : {"999999.99", "131072.01", "(12.34)", "$1,234.56", "12.345"}) {
        type("", "x", typed);
        c->addTransaction(enterButton());
    }
    EXPECT_EQ(column(Key::Amount),
              (QStringList{u"0"_s, u"999999.99"_s, u"131072.01"_s, u"-12.34"_s, u"1234.56"_s, u"12.35"_s}));
    EXPECT_EQ(reg()[5].value(Key::Total), Value::text(u"1132306.57"_s));
}

TEST_F(EntryTest, RefusalsKeepEverythingTheUserTyped)
{
    open({{"100.00"}});
    selectRows({});
    const struct {
        const char *amount;
        QObject *sender;
        QString alert;
    } cases[] = {
        {"", enterButton(), kNoAmount},
        {"abc", enterButton(),
         u"Error: \u201cabc\u201d is not an amount.\nPlease enter the transaction amount as a number, like 12.34 "
         "for a deposit or -12.34 for a payment!"_s},
        {" ", enterButton(), kNoAmount},
        {"100000000000000000000", enterButton(),
         u"Error: \u201c100000000000000000000\u201d is more than I can keep track of.\nPlease enter an amount "
         "under 90 trillion!"_s},
        {"-5.00", &menuItem, kNoRowForEntry},
    };
    for (const auto &k : cases) {
        type("101", "Groceries", k.amount, "12/01/2026");
        c->addTransaction(k.sender);
        EXPECT_EQ(toolkit.takeAlert(), k.alert);
        EXPECT_EQ(field("CheckNumber")->text(), u"101");
        EXPECT_EQ(field("DescriptionofTransaction")->text(), u"Groceries");
        EXPECT_EQ(field("Date")->text(), u"12/01/2026");
        EXPECT_EQ(field("Amount")->text(), QString::fromUtf8(k.amount));
    }
    EXPECT_EQ(reg().count(), 1);
    EXPECT_EQ(doc->changeCount(), 0);
}

TEST_F(EntryTest, InsertingAfterTheSelectionRecalculatesAndScrollsToTheEnd)
{
    open({{"100.00"}, {"-25.00"}, {"-10.00"}});
    selectRows({1});
    type("7", "Inserted", "-5");
    c->addTransaction(&menuItem);
    EXPECT_EQ(column(Key::DescriptionofTransaction)[2], u"Inserted");
    EXPECT_EQ(column(Key::Total), (QStringList{u"100"_s, u"75"_s, u"70"_s, u"60"_s}));
    EXPECT_EQ(reg()[2].value(Key::Total).kind(), Value::Kind::Money);

    // With several rows selected, the one selected last counts.
    selectRows({3, 0});
    type("", "After opening", "1");
    c->addTransaction(&menuItem);
    EXPECT_EQ(column(Key::DescriptionofTransaction)[1], u"After opening");

    // After the last row it is an append, with a full recalculation.
    selectRows({4});
    type("", "Last", "2");
    c->addTransaction(&menuItem);
    EXPECT_EQ(column(Key::DescriptionofTransaction).last(), u"Last");
    EXPECT_EQ(column(Key::Total).last(), u"63");
    EXPECT_EQ(doc->changeCount(), 6);
}

TEST_F(EntryTest, TheEasterEggIsAJokeNotARefusal)
{
    open({{"10.00"}});
    type("", "Easter Egg", "-3");
    c->addTransaction(enterButton());
    EXPECT_EQ(toolkit.takeAlert(), u"Boing: You paid how much for that Easter Egg?");
    EXPECT_EQ(reg().count(), 2);
    for (const char *notQuite : {"easter egg", "Easter Egg "}) {
        type("", notQuite, "-3");
        c->addTransaction(enterButton());
        EXPECT_TRUE(toolkit.alerts.empty());
    }
}

TEST_F(EntryTest, ReturnInAnyFieldEntersAtTheEnd)
{
    open({{"10.00"}});
    selectRows({0});
    QTest::keyClicks(field("DescriptionofTransaction"), u"Coffee"_s);
    QTest::keyClicks(field("Amount"), u"-4.50"_s);
    QTest::keyClick(field("Amount"), Qt::Key_Return);
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u""_s, u"Coffee"_s}));
    EXPECT_EQ(column(Key::Total), (QStringList{u"10"_s, u"5.50"_s}));
}

TEST_F(EntryTest, AutomaticNumberingProposesTheNextCheck)
{
    QSettings().setValue(u"autoNumber"_s, u"1"_s);
    const struct {
        std::initializer_list<Row> rows;
        const char *proposed;
    } cases[] = {
        {{{"1", "500"}, {"1", "101"}, {"1", "abc"}, {"1", ""}}, "102"},
        {{{"1", "500"}, {"1", ""}}, "typed"},
        {{{"1", ""}, {"1", "101abc"}}, "102"},
        {{{"1", ""}, {"1", "-5"}}, "-4"},
        {{{"1", "9"}}, "typed"},
    };
    for (const auto &k : cases) {
        open(k.rows);
        field("CheckNumber")->setText(u"typed"_s);
        c->autoNumber();
        EXPECT_EQ(field("CheckNumber")->text(), QString::fromUtf8(k.proposed));
    }
    // After an entry the field proposes the next number.
    open({{"100"}, {"-1", "1041"}});
    EXPECT_EQ(field("CheckNumber")->text(), u"1042") << "proposed as the window loads";
    type(nullptr, "Rent", "-900");
    c->addTransaction(enterButton());
    EXPECT_EQ(field("CheckNumber")->text(), u"1043");
}

using DeletionTest = WindowFixture;

TEST_F(DeletionTest, RefusesWithoutOneRowOtherThanTheOpeningRow)
{
    open({{"100.00"}, {"-1.00"}, {"-2.00"}});
    const struct {
        std::initializer_list<int> selected;
        QString alert;
    } cases[] = {
        {{}, u"Error: As powerful a computer as I am, I can't read your mind.\nPlease select a row to be deleted!"_s},
        {{1, 2}, u"Error: I con only delete one row at a time.\nPlease select only one row to delete!"_s},
        {{0, 1}, u"Error: I con only delete one row at a time.\nPlease select only one row to delete!"_s},
        {{0}, u"Error: I can't delete what you started out with,\nthat would be silly!"_s},
    };
    for (const auto &k : cases) {
        selectRows(k.selected);
        c->deleteTransaction(&menuItem);
        EXPECT_EQ(toolkit.takeAlert(), k.alert);
    }
    EXPECT_EQ(reg().count(), 3);
    EXPECT_EQ(doc->changeCount(), 0);
}

TEST_F(DeletionTest, DeletesTheSelectedTwinAndRecalculates)
{
    QSettings().setValue(u"autoNumber"_s, u"1"_s);
    open({{"100.00"}, {"-5.00", "101", "Same"}, {"-5.00", "101", "Same"}, {"-7.00", "102"}});
    RecordPtr first = reg().at(1);
    selectRows({2});
    c->deleteTransaction(&menuItem);
    ASSERT_EQ(reg().count(), 3);
    EXPECT_EQ(reg().at(1), first);
    EXPECT_EQ(column(Key::Total), (QStringList{u"100"_s, u"95"_s, u"88"_s}));
    EXPECT_EQ(doc->changeCount(), 1);
    EXPECT_EQ(c->numberOfRows(), 3);

    // Deleting the last check: the field proposes after the new last one.
    field("CheckNumber")->setText(u"999"_s);
    selectRows({2});
    c->deleteTransaction(&menuItem);
    EXPECT_EQ(field("CheckNumber")->text(), u"102");
}

TEST_F(DeletionTest, TheDeleteKeyWorksInTheTableOnly)
{
    open({{"100.00"}, {"-1.00"}});
    c->window()->show();
    c->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c->window()));
    selectRows({1});
    c->tableView()->setFocus();
    QTest::keyClick(c->tableView(), Qt::Key_Delete);
    EXPECT_EQ(reg().count(), 1);
    field("DescriptionofTransaction")->setText(u"abc"_s);
    field("DescriptionofTransaction")->setFocus();
    field("DescriptionofTransaction")->setCursorPosition(0);
    QTest::keyClick(field("DescriptionofTransaction"), Qt::Key_Delete);
    EXPECT_EQ(field("DescriptionofTransaction")->text(), u"bc");
    EXPECT_EQ(reg().count(), 1);
}

using CellEditTest = WindowFixture;

TEST_F(CellEditTest, AnAmountEditCarriesTheBalanceAsMoneyText)
{
    open({{"100"}, {"-25.5"}, {"-10"}});
    QAbstractItemModel *model = c->tableView()->model();
    ASSERT_TRUE(model->setData(model->index(0, RegisterTableModel::AmountColumn), u"200"_s));
    EXPECT_EQ(column(Key::Total), (QStringList{u"200.00"_s, u"174.50"_s, u"164.50"_s}));
    EXPECT_EQ(reg()[0].value(Key::Amount), Value::text(u"200.00"_s));
    EXPECT_EQ(doc->changeCount(), 1);

    // A Total typed into row 1 stays; the rows below carry from it.
    ASSERT_TRUE(model->setData(model->index(1, RegisterTableModel::TotalColumn), u"1000"_s));
    EXPECT_EQ(column(Key::Total), (QStringList{u"200.00"_s, u"1000.00"_s, u"990.00"_s}));
    ASSERT_TRUE(model->setData(model->index(2, RegisterTableModel::TotalColumn), u"5"_s));
    EXPECT_EQ(column(Key::Total).last(), u"5.00") << "the last row carries nothing";
    EXPECT_EQ(doc->changeCount(), 3);
}

TEST_F(CellEditTest, OtherColumnsChangeOnlyTheirKeyAndBadAmountsAreRefused)
{
    open({{"100"}, {"-25"}});
    const QStringList totals = column(Key::Total);
    QAbstractItemModel *model = c->tableView()->model();
    ASSERT_TRUE(model->setData(model->index(1, RegisterTableModel::DateColumn), u"12/24/2026"_s));
    ASSERT_TRUE(model->setData(model->index(1, RegisterTableModel::DescriptionColumn), u"Gift"_s));
    EXPECT_EQ(reg()[1].value(Key::Date), Value::text(u"12/24/2026"_s));
    EXPECT_EQ(column(Key::Total), totals);
    EXPECT_EQ(doc->changeCount(), 2);

    EXPECT_FALSE(model->setData(model->index(1, RegisterTableModel::AmountColumn), u"lots"_s));
    EXPECT_FALSE(model->setData(model->index(1, RegisterTableModel::TotalColumn), u""_s));
    EXPECT_FALSE(model->setData(model->index(1, RegisterTableModel::ReconciledColumn), u"1"_s));
    EXPECT_EQ(toolkit.beeps, 2);
    EXPECT_EQ(reg()[1].value(Key::Amount), Value::text(u"-25"_s));
    EXPECT_EQ(doc->changeCount(), 2);
}

TEST_F(CellEditTest, ShowingARowRewritesItsAmountWithoutMarkingAChange)
{
    open({{"12.5"}, {"abc"}});
    QAbstractItemModel *model = c->tableView()->model();
    EXPECT_EQ(model->data(model->index(0, RegisterTableModel::TotalColumn)).toString(), u"12.50");
    EXPECT_EQ(column(Key::Amount), (QStringList{u"12.50"_s, u"abc"_s})) << "only rows shown are rewritten";
    EXPECT_EQ(model->data(model->index(1, RegisterTableModel::DateColumn)).toString(), u"");
    EXPECT_EQ(column(Key::Amount), (QStringList{u"12.50"_s, u"0.00"_s}));
    EXPECT_EQ(doc->changeCount(), 0);
}

TEST_F(CellEditTest, AHugeDescriptionIsShownCutAndNeverEditedShort)
{
    const QString huge(20'000'000, u'x');
    open({{"100", "", "Opening"}, {"-1"}});
    reg()[1].set(Key::DescriptionofTransaction, Value::text(huge));
    c->reloadData();
    QAbstractItemModel *model = c->tableView()->model();
    const QModelIndex cell = model->index(1, RegisterTableModel::DescriptionColumn);
    for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)}) {
        const QString shown = model->data(cell, role).toString();
        EXPECT_EQ(shown.size(), RegisterTableModel::kMaxShownLength + 1);
        EXPECT_TRUE(shown.endsWith(u'\u2026'));
    }
    c->window()->resize(800, 400);
    EXPECT_FALSE(c->window()->grab().isNull()) << "painted";

    // Editing it in a line edit would cut it to 32,767 characters.
    c->tableView()->edit(cell);
    QCoreApplication::processEvents();
    EXPECT_EQ(c->tableView()->viewport()->findChild<QLineEdit *>(), nullptr);
    EXPECT_EQ(toolkit.takeAlert(), u"Error: This text is 20,000,000 characters long, more than a cell can edit "
                                   "(32,767 at most).\nThe register keeps all of it."_s);
    EXPECT_EQ(reg()[1].value(Key::DescriptionofTransaction).textLength(), huge.size());
    EXPECT_EQ(doc->changeCount(), 0);

    // A text that fits is edited as ever.
    c->tableView()->edit(model->index(0, RegisterTableModel::DescriptionColumn));
    EXPECT_NE(c->tableView()->viewport()->findChild<QLineEdit *>(), nullptr);
    EXPECT_TRUE(toolkit.alerts.empty());
}

// A description of 200,000,000 characters (one line of a 100 MB statement
// makes one) crashed the type-ahead list and the charts' payee table, taking
// every open register with it, and froze the other places that showed it.
TEST_F(CellEditTest, ADescriptionOfMillionsOfCharactersIsShownCutWhereverItIsShown)
{
    open({{"100", "", "Opening", "12/01/2026"}, {"-1", "", "", "12/02/2026"}, {"-2", "", "Coffee", "12/03/2026"}});
    {
        const QByteArray huge(200'000'000, 'x');
        reg()[1].set(Key::DescriptionofTransaction, Value::text(QLatin1StringView(huge)));
    }
    const auto cut = [](const QString &shown) {
        return shown.size() <= kMaxShownLength + 1 && (shown.size() < 1000 || shown.endsWith(u'\u2026'));
    };
    c->reloadData();
    c->window()->resize(800, 400);
    EXPECT_FALSE(c->window()->grab().isNull());

    // The type-ahead list.
    doc->textIndex().prepare(reg());
    field("DescriptionofTransaction")->setFocus();
    QTest::keyClicks(field("DescriptionofTransaction"), u"xx"_s);
    ASSERT_TRUE(c->descriptionSuggestions()->isShown());
    for (const QString &shown : c->descriptionSuggestions()->shownTexts())
        EXPECT_TRUE(cut(shown)) << shown.size();
    c->descriptionSuggestions()->hide();
    field("DescriptionofTransaction")->clear();

    // The charts' table of payees.
    c->showCharts(c->window());
    ASSERT_NE(c->chartWindow(), nullptr);
    auto *payees = c->chartWindow()->findChild<QTableWidget *>(u"payees"_s);
    ASSERT_NE(payees, nullptr);
    ASSERT_GE(payees->rowCount(), 1);
    EXPECT_TRUE(cut(payees->item(0, 0)->text())) << payees->item(0, 0)->text().size();
    EXPECT_FALSE(c->chartWindow()->grab().isNull());
    c->chartWindow()->hide();

    // The reconciliation report, the printed register, and the reason a
    // statement's line is taken for the row.
    EXPECT_LT(reconciliationText(currentReconciliation(reg(), {}, toolkit.today()), u"r.ldgr"_s).size(), 10000);
    QString printed;
    appendReportLine(printed, reg()[1]);
    EXPECT_LT(printed.size(), 200);
    StatementLine line;
    line.date = u"12/02/2026"_s;
    line.amount = -100;
    const std::vector<DuplicateCheck> checks = checkDuplicates(reg(), {line}, toolkit.today());
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_LT(checks[0].reason.size(), kMaxShownLength + 100);

    // Deleting it: the status bar and the Edit menu name it.
    c->selectRowIndexes(1, false);
    c->deleteTransaction(c->window());
    EXPECT_TRUE(cut(c->window()->statusBar()->currentMessage()));
    EXPECT_TRUE(cut(doc->history().undoName())) << doc->history().undoName().size();
    c->undo(c->window());
    EXPECT_EQ(reg()[1].value(Key::DescriptionofTransaction).textLength(), 200'000'000);
}

TEST_F(CellEditTest, RowsOutsideTheRegisterBreakThePrecondition)
{
    open({{"1"}});
    for (int row : {-1, 1}) {
        try {
            c->tableViewObjectValue(c->tableView(), u"Amount", row);
            ADD_FAILURE() << "row " << row << " was served";
        } catch (const PreconditionFailure &f) {
            EXPECT_EQ(f.description(), u"Invalid parameter not satisfying: rowIndex >= 0 && rowIndex < [dataArray count]");
            EXPECT_EQ(f.source(), u"MyWindowController");
            EXPECT_EQ(f.line(), 220);
        }
        EXPECT_THROW(c->tableViewSetObjectValue(c->tableView(), u"1"_s, u"Amount", row), PreconditionFailure);
    }
    EXPECT_EQ(reg().count(), 1);
}

using AmountFieldTest = WindowFixture;

TEST_F(AmountFieldTest, FocusProposesTheLatestMatchingAmount)
{
    open({{"2000.00", "", "Paycheck ACME"}, {"-50.00", "", "Groceries"}, {"-62.10", "", "GROCERIES market"}});
    auto *amount = static_cast<descriptionfield *>(field("Amount"));
    auto focus = [&] {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(amount, &in);
    };
    const struct {
        const char *description;
        const char *typedAmount;
        const char *proposed;
    } cases[] = {
        {"groceries", "", "-62.10"},   // the later of two, whatever the case
        {"roce", "-1", "-62.10"},      // part of a word; a typed amount is replaced
        {"acme", "", "2000.00"},       // the opening row takes part
        {"", "-7", "-7"},              // nothing to look for: the typed text stays
        {"rent", "-9", "-9"},          // no match: the typed text stays
    };
    for (const auto &k : cases) {
        type(nullptr, k.description, k.typedAmount);
        focus();
        EXPECT_EQ(amount->text(), QString::fromUtf8(k.proposed)) << k.description;
        EXPECT_EQ(amount->selectedText(), amount->text()) << "all of it selected";
    }
    EXPECT_EQ(descriptionfield::proposedAmount(Register(), u"x"), std::nullopt);
}

} // namespace

