// Month-end balancing in the window: the drawer's difference, finishing a
// statement, questions before a reconciled row changes, and the report.

#include "Reconciliation.h"
#include "RegisterFile.h"
#include "StatementWindowFixture.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

TEST_F(BalancingWindowTest, TheDifferenceFollowsEveryMatchToggleAndUndo)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}, {"-71.24", "", "Hy-Vee", "12/03/2026"},
          {"-20.00", "", "Gas", "12/28/2026"}, {"-20.00", "", "Gas", "01/02/2027"}});
    c->window()->show();
    c->showEndOfMonthWindowAction(&menuItem);
    EXPECT_EQ(shown("clearedValue"), u"1000.00"_s);
    EXPECT_EQ(shown("differenceValue"), QString()) << "no statement balance typed yet";
    drawerField("statementDate")->setText(u"12/31/2026"_s);
    drawerField("statementBalance")->setText(u"$908.76"_s);
    EXPECT_EQ(shown("statementValue"), u"908.76"_s);
    EXPECT_EQ(shown("differenceValue"), u"-91.24"_s);

    match("-71.24");
    EXPECT_EQ(shown("differenceValue"), u"-20.00"_s);
    match("-20.00");
    EXPECT_EQ(reg()[2].value(Key::EOMSeen), Value::text(u"1"_s));
    EXPECT_EQ(shown("differenceValue"), u"0.00"_s);
    match("-20.00");
    EXPECT_EQ(toolkit.beeps, 1) << "the January row is after the statement";
    EXPECT_FALSE(reg()[3].contains(Key::EOMSeen));

    // A wrong mark by hand, taken back by undo; outside balancing the
    // column is no tick box.
    clickMark(3);
    EXPECT_EQ(shown("differenceValue"), u"20.00"_s);
    c->undo(&menuItem);
    EXPECT_FALSE(reg()[3].contains(Key::EOMSeen));
    EXPECT_EQ(shown("differenceValue"), u"0.00"_s);
    clickMark(1);
    EXPECT_FALSE(reg()[1].contains(Key::EOMSeen)) << "a click takes a mark away too";
    c->undo(&menuItem);
    c->EOMDoneButton(&menuItem);
    clickMark(3);
    EXPECT_FALSE(reg()[3].contains(Key::EOMSeen));

    // Done keeps the statement for the next time the drawer opens.
    c->showEndOfMonthWindowAction(&menuItem);
    EXPECT_EQ(drawerField("statementBalance")->text(), u"$908.76"_s);
    EXPECT_TRUE(toolkit.alerts.empty());
}

TEST_F(BalancingWindowTest, FinishRecordsTheStatementAndAsksWhenItDisagrees)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}, {"-71.24", "", "Hy-Vee", "12/03/2026"}});
    c->showEndOfMonthWindowAction(&menuItem);
    c->finishStatementButton(&menuItem);
    EXPECT_EQ(toolkit.takeAlert(), u"Finish: Type the statement's closing date and ending balance first."_s);
    drawerField("statementDate")->setText(u"12/31/2026"_s);
    drawerField("statementBalance")->setText(u"920.00"_s);
    match("-71.24");
    toolkit.confirmAnswers = {false, true};
    c->finishStatementButton(&menuItem);
    EXPECT_FALSE(reg()[1].contains(kStatementDateKey)) << "the user stopped at the question";
    c->finishStatementButton(&menuItem);
    EXPECT_EQ(reg()[1].value(kStatementDateKey), Value::text(u"12/31/2026"_s));
    EXPECT_EQ(reg()[1].value(kStatementBalanceKey), Value::text(u"920.00"_s));
    EXPECT_TRUE(c->window()->findChild<QDockWidget *>(u"EOMDrawer"_s)->isHidden());
    EXPECT_EQ(drawerField("statementDate")->text(), QString());

    // The report of the statement just finished, printed to a PDF.
    const QString pdf = dir.filePath(u"reconciliation"_s);
    toolkit.saveAnswers = {pdf};
    c->exportReconciliationPdf(&menuItem);
    EXPECT_TRUE(toolkit.alerts.empty());
    EXPECT_TRUE(QFile::exists(pdf + u".pdf"_s));
}

// A reconciled row changed without a word broke last month's balance.
TEST_F(BalancingWindowTest, AReconciledTransactionAsksBeforeItChanges)
{
    open({{"100.00", "", "Opening", "12/01/2026"}, {"-5.00", "", "Coffee", "12/02/2026"}});
    reg()[1].set(Key::EOMSeen, Value::text(u"1"_s));
    QAbstractItemModel *model = c->tableView()->model();
    toolkit.confirmAnswers = {false, true, false};
    EXPECT_FALSE(model->setData(model->index(1, RegisterTableModel::AmountColumn), u"-6.00"_s));
    EXPECT_EQ(reg()[1].value(Key::Amount), Value::text(u"-5.00"_s));
    EXPECT_TRUE(model->setData(model->index(1, RegisterTableModel::DateColumn), u"12/03/2026"_s));
    EXPECT_TRUE(model->setData(model->index(1, RegisterTableModel::DescriptionColumn), u"Tea"_s))
        << "a description is the user's own: no question";
    selectRows({1});
    c->deleteTransaction(&menuItem);
    EXPECT_EQ(reg().count(), 2);
    EXPECT_TRUE(toolkit.confirmAnswers.empty());
}

TEST_F(BalancingWindowTest, OnlyTheUnclearedAreShownWhileTickingThemOff)
{
    open({{"100.00", "", "Opening"}, {"-1.00", "", "A"}, {"-2.00", "", "B"}, {"-3.00", "", "C"}});
    reg()[2].set(Key::EOMSeen, Value::text(u"1"_s));
    c->showEndOfMonthWindowAction(&menuItem);
    c->window()->findChild<QCheckBox *>(u"onlyUncleared"_s)->setChecked(true);
    QAbstractItemModel *model = c->tableView()->model();
    // The opening row is the balance the bank held: cleared, nothing to tick off.
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->data(model->index(1, RegisterTableModel::DescriptionColumn)).toString(), u"C"_s);
    EXPECT_EQ(model->data(model->index(1, RegisterTableModel::TotalColumn)).toString(), u"94.00"_s)
        << "the balance is the whole register's";
    match("-3.00");
    EXPECT_EQ(model->rowCount(), 1) << "a row ticked off leaves the list";
    c->undo(&menuItem);
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(c->selectedRow(), 3) << "and comes back selected";
    c->window()->findChild<QCheckBox *>(u"onlyUncleared"_s)->setChecked(false);
    EXPECT_EQ(model->rowCount(), 4);
}

// An amount in the register but dated after the closing date was "not found
// as a transaction".
TEST_F(BalancingWindowTest, AnAmountDatedAfterTheClosingDateSaysSoAndWhichRow)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}, {"-20.00", "", "Gas", "12/28/2026"},
          {"-20.00", "", "Gas", "01/02/2027"}, {"-4.50", "", "", "01/03/2027"}});
    auto *messages = c->window()->findChild<QLabel *>(u"EOMMessages"_s);
    c->showEndOfMonthWindowAction(&menuItem);
    drawerField("statementDate")->setText(u"12/31/2026"_s);
    const struct {
        const char *typed;
        QString said;
    } cases[] = {
        {"-20.00", QString()},
        {"-20.00", u"That amount is dated after the closing date: row 3 \u201cGas\u201d, 01/02/2027"_s},
        {"-4.50", u"That amount is dated after the closing date: row 4, 01/03/2027"_s},
        {"-7.00", u"That amount was not found as a transaction"_s},
    };
    int beeps = 0;
    for (const auto &k : cases) {
        SCOPED_TRACE(k.typed);
        match(k.typed);
        EXPECT_EQ(messages->text(), k.said);
        EXPECT_EQ(toolkit.beeps, k.said.isEmpty() ? beeps : ++beeps);
    }
    EXPECT_FALSE(reg()[2].contains(Key::EOMSeen));
}

// Balance Month replaced the user's selection with every reconciled row.
TEST_F(BalancingWindowTest, BalanceMonthKeepsTheSelection)
{
    open({{"100.00"}, {"-1.00"}, {"-2.00"}, {"-3.00"}});
    reg()[1].set(Key::EOMSeen, Value::text(u"1"_s));
    reg()[3].set(Key::EOMSeen, Value::text(u"1"_s));
    for (const QList<int> &chosen : {QList<int>{2}, QList<int>{}, QList<int>{0, 2}}) {
        c->deselectAll();
        for (int row : chosen)
            c->selectRowIndexes(row, true);
        c->showEndOfMonthWindowAction(&menuItem);
        EXPECT_EQ(selectedRows(), chosen);
        c->EOMDoneButton(&menuItem);
    }
}

// The question before deleting a reconciled row said "Changing it…".
TEST_F(BalancingWindowTest, EachQuestionAboutAReconciledRowSaysWhatItsChangeDoes)
{
    open({{"100.00", "", "Opening", "12/01/2026"}, {"-5.00", "", "Coffee", "12/02/2026"}});
    reg()[1].set(Key::EOMSeen, Value::text(u"1"_s));
    reg()[1].set(kStatementDateKey, Value::text(u"12/31/2026"_s));
    reg()[1].set(kStatementBalanceKey, Value::text(u"95.00"_s));
    QAbstractItemModel *model = c->tableView()->model();
    const struct {
        const char *change;
        std::function<void()> ask;
        QString consequence;
        QString button;
    } cases[] = {
        {"delete", [&] { selectRows({1}); c->deleteTransaction(&menuItem); },
         u"Deleting it takes its amount out of the cleared balance"_s, u"Delete Anyway"_s},
        {"amount", [&] { model->setData(model->index(1, RegisterTableModel::AmountColumn), u"-6.00"_s); },
         u"Changing its amount changes the cleared balance"_s, u"Change Anyway"_s},
        {"date", [&] { model->setData(model->index(1, RegisterTableModel::DateColumn), u"01/02/2027"_s); },
         u"Changing its date can take it out of the statement it cleared"_s, u"Change Anyway"_s},
        {"mark", [&] {
             c->showEndOfMonthWindowAction(&menuItem);
             emit c->tableView()->clicked(model->index(1, RegisterTableModel::ReconciledColumn));
         }, u"Taking its mark away takes it out of that statement"_s, u"Unreconcile Anyway"_s},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.change);
        toolkit.questions.clear();
        toolkit.confirmAnswers = {false};
        k.ask();
        ASSERT_EQ(toolkit.questions.size(), 1u);
        EXPECT_TRUE(toolkit.questions[0].message.startsWith(u"This transaction was reconciled with a statement. "_s));
        EXPECT_TRUE(toolkit.questions[0].message.contains(k.consequence)) << toolkit.questions[0].message.toStdString();
        EXPECT_EQ(toolkit.questions[0].confirmButton, k.button);
        EXPECT_EQ(reg().count(), 2);
        EXPECT_EQ(reg()[1].value(Key::Amount), Value::text(u"-5.00"_s));
        EXPECT_TRUE(reg()[1].contains(Key::EOMSeen));
    }
}

// Import Statement opened in the home folder and the reconciliation was
// proposed as ~/Reconciliation.pdf.
TEST_F(BalancingWindowTest, StatementsAndReportsAreLookedForAndProposedBesideTheRegister)
{
    const QString path = writeFile(dir.filePath(u"household.ldgr"_s),
                                   "({Amount = 100.00; Date = 12/01/2026; Total = 100.00;},"
                                   " {Amount = -5.00; Date = 12/02/2026; Total = 95.00;})");
    doc = std::make_unique<MyDocument>();
    QString error;
    ASSERT_TRUE(doc->readFromFile(path, {}, &error));
    doc->makeWindowControllers(toolkit);
    c = windowController(doc.get());
    const QString folder = QFileInfo(path).absolutePath();

    toolkit.openAnswers = {{}};
    c->importWF(&menuItem);
    EXPECT_EQ(toolkit.panelDirectories, QStringList{folder});

    c->showEndOfMonthWindowAction(&menuItem);
    drawerField("statementDate")->setText(u"12/31/2026"_s);
    drawerField("statementBalance")->setText(u"95.00"_s);
    match("-5.00");
    toolkit.saveAnswers = {QString()};
    c->exportReconciliationPdf(&menuItem);
    toolkit.printer.setOutputFormat(QPrinter::PdfFormat); // printed to a file
    QString proposed;
    toolkit.onPrintDialog = [&](QPrinter &p) { proposed = p.outputFileName(); };
    toolkit.printAnswers = {false};
    c->printReconciliation(&menuItem);
    EXPECT_EQ(proposed, folder + u"/household reconciliation 2026-12-31.pdf"_s);
    EXPECT_EQ(toolkit.printer.outputFileName(), QString()) << "a print not made changes no printer";
    ASSERT_EQ(toolkit.savedSuggestions.size(), 1);
    EXPECT_EQ(toolkit.savedSuggestions[0], folder + u"/household reconciliation 2026-12-31.pdf"_s);
}

} // namespace
