// The window's statement import, month-end balancing and new-year rollover.

#include "Reconciliation.h"
#include "RegisterFile.h"
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

class StatementWindowTest : public WindowFixture
{
protected:
    QString statement(const QString &name, const QByteArray &bytes) { return writeFile(dir.filePath(name), bytes); }
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

TEST_F(StatementWindowTest, ImportsFilesInOrderAndSelectsWhatCameIn)
{
    open({{"100.00", "", "Opening"}});
    const QString first = statement(u"a.csv"_s, "12/01/2026,-50.00,*,,GROCERY\r\n"
                                                "12/02/2026,\"-1,234.56\",*,,\"SHOP, INC\"\r\n");
    const QString second = statement(u"b.csv"_s, "Date,Amount,Check,Status,Description\n"
                                                 "12/03/2026,(12.34),,,Caf\xe9\n\n");
    toolkit.openAnswers = {{first, second}};
    c->importWF(&menuItem);
    ASSERT_TRUE(pressImport());
    // The second file's preview follows the first's. Its header names the
    // columns, and its one date reads both ways, so it asks which.
    ImportPreviewDialog *preview = c->importPreview();
    ASSERT_TRUE(preview);
    QComboBox *order = preview->findChild<QComboBox *>(u"dateOrderBox"_s);
    EXPECT_FALSE(preview->findChild<QPushButton *>(u"importButton"_s)->isEnabled());
    order->setCurrentIndex(order->findText(u"month/day/year"_s));
    ASSERT_TRUE(pressImport());
    EXPECT_FALSE(c->importPreview());
    EXPECT_EQ(column(Key::DescriptionofTransaction),
              (QStringList{u"Opening"_s, u"GROCERY"_s, u"SHOP, INC"_s, u"Caf\u00e9"_s}));
    EXPECT_EQ(column(Key::Total), (QStringList{u"100"_s, u"50"_s, u"-1184.56"_s, u"-1196.9"_s}));
    EXPECT_EQ(reg()[1].value(Key::CheckNumber), Value::text(u""_s));
    EXPECT_EQ(c->numberOfRows(), 4);
    EXPECT_EQ(selectedRows(), QList<int>{3}) << "the second file's rows";
    // Two rows and a file, then one row and a file.
    EXPECT_EQ(doc->changeCount(), 5);
    EXPECT_TRUE(toolkit.alerts.empty()) << "the preview listed what was not imported";
}

TEST_F(StatementWindowTest, AnEmptyRegisterTakesItsOpeningRowFromTheStatement)
{
    open({});
    toolkit.openAnswers = {{statement(u"s.csv"_s, "01/01/2026,500,,,Start\n01/02/2026,-5,,,Next\n")}};
    c->importWF(&menuItem);
    ASSERT_TRUE(pressImport());
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u"Start"_s, u"Next"_s}));
    EXPECT_EQ(column(Key::Total), (QStringList{u"500"_s, u"495"_s}));
    EXPECT_EQ(selectedRows(), (QList<int>{0, 1}));
}

TEST_F(StatementWindowTest, AnUnreadableStatementChangesNothing)
{
    open({{"1"}});
    toolkit.openAnswers = {{dir.filePath(u"missing.csv"_s)}, {}};
    c->importWF(&menuItem);
    EXPECT_TRUE(toolkit.takeAlert().startsWith(u"Error: The statement \u201cmissing.csv\u201d could not be imported."_s));
    c->importWF(&menuItem); // cancelled
    EXPECT_TRUE(toolkit.alerts.empty());
    EXPECT_EQ(reg().count(), 1);
    EXPECT_EQ(doc->changeCount(), 0);
}

TEST_F(StatementWindowTest, BalancingMarksRowsAndShowsTheSum)
{
    open({{"100.00"}, {"-12.34"}, {"-12.34"}, {"-5.00"}});
    reg()[3].set(Key::EOMSeen, Value::text(u"1"_s));
    auto *amount = c->window()->findChild<QLineEdit *>(u"currentEOMAmount"_s);
    auto *messages = c->window()->findChild<QLabel *>(u"EOMMessages"_s);
    auto *balance = c->window()->findChild<QLineEdit *>(u"EOMBalance"_s);
    auto *drawer = c->window()->findChild<QDockWidget *>(u"EOMDrawer"_s);
    selectRows({1});
    c->showEndOfMonthWindowAction(&menuItem);
    EXPECT_FALSE(drawer->isHidden());
    EXPECT_EQ(balance->text(), u"-5.00");
    EXPECT_EQ(selectedRows(), QList<int>{1}) << "the selection is the user's";
    EXPECT_TRUE(messages->text() == u"Balancing of the checkbook has begun" || messages->text().startsWith(u"Hey"));

    // The same amount twice reconciles the lower row first, then the other.
    for (int expected : {1, 2}) {
        amount->setText(u"-12.34"_s);
        c->EOMEnterButton(&menuItem);
        EXPECT_EQ(selectedRows(), QList<int>{expected});
        EXPECT_EQ(reg()[expected].value(Key::EOMSeen), Value::text(u"1"_s));
        EXPECT_EQ(amount->text(), QString());
        EXPECT_EQ(messages->text(), QString());
    }
    EXPECT_EQ(balance->text(), u"-29.68");
    amount->setText(u"-12.34"_s);
    c->EOMEnterButton(&menuItem);
    EXPECT_EQ(toolkit.beeps, 1);
    EXPECT_EQ(messages->text(), u"That amount was not found as a transaction");
    EXPECT_EQ(amount->text(), u"-12.34");
    EXPECT_EQ(balance->text(), u"-29.68");
    // Reconciling is saved with the register, so it counts as a change.
    EXPECT_EQ(doc->changeCount(), 2);

    // While balancing, the entry fields enter a transaction as ever.
    type("", "Easter Egg", "100");
    amount->setText(u"100.00"_s);
    c->addTransaction(enterButton());
    EXPECT_EQ(toolkit.takeAlert(), u"Boing: You paid how much for that Easter Egg?");
    EXPECT_EQ(reg().count(), 5);
    EXPECT_FALSE(reg()[0].contains(Key::EOMSeen));

    c->EOMDoneButton(&menuItem);
    EXPECT_TRUE(drawer->isHidden());
    EXPECT_EQ(messages->text(), u"                                      Bye!");
    type("", "After", "1");
    c->addTransaction(enterButton());
    EXPECT_EQ(reg().count(), 6);
}

TEST_F(StatementWindowTest, TheNewYearCarriesTheUnreconciledRows)
{
    open({{"100"}, {"-30"}, {"-20"}});
    reg()[1].set(Key::EOMSeen, Value::text(u"1"_s));
    const QString path = dir.filePath(u"next"_s);
    toolkit.saveAnswers = {path};
    c->newYear(&menuItem);
    EXPECT_TRUE(toolkit.alerts.empty());
    QFile f(path + u".ldgr"_s);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const RegisterReadResult next = parseRegister(f.readAll());
    ASSERT_TRUE(next.ok());
    ASSERT_EQ(next.rows.size(), 3u);
    EXPECT_EQ(next.rows[0]->value(Key::Amount), Value::text(u"-30.00"_s));
    EXPECT_EQ(next.rows[0]->value(Key::CheckNumber), Value::text(u" "_s));
    EXPECT_EQ(next.rows[2]->value(Key::Amount).doubleValue(), -20);
    EXPECT_EQ(reg().count(), 3);
    EXPECT_EQ(doc->changeCount(), 0);

    // A cancelled panel writes nothing; a failed write says so.
    toolkit.saveAnswers = {QString(), dir.filePath(u"no/such/folder/x.ldgr"_s)};
    c->newYear(&menuItem);
    EXPECT_TRUE(toolkit.alerts.empty());
    c->newYear(&menuItem);
    EXPECT_TRUE(toolkit.takeAlert().startsWith(u"Error: The new year's register could not be written.\n\nx.ldgr"_s));
}

// A name typed without the extension was given ".ldgr" after the save panel
// had asked about replacing the file, so an existing register was replaced
// without a question. The panel now adds it; a dotted name is asked about here.
TEST_F(StatementWindowTest, TheNewYearNeverReplacesARegisterWithoutAsking)
{
    open({{"100"}, {"-30"}});
    const QString existing = writeFile(dir.filePath(u"rollover 12.31.2026.ldgr"_s), "(\n{Amount = 1; }\n)\n");
    toolkit.saveAnswers = {dir.filePath(u"rollover 12.31.2026"_s), dir.filePath(u"rollover 12.31.2026"_s)};
    toolkit.confirmAnswers = {false, true};
    c->newYear(&menuItem);
    EXPECT_EQ(toolkit.panelSuffixes, QStringList{u"ldgr"_s}) << "the panel asks about NAME.ldgr";
    EXPECT_EQ(readFile(existing), QByteArray("(\n{Amount = 1; }\n)\n")) << "kept when the user said no";
    c->newYear(&menuItem);
    EXPECT_TRUE(readFile(existing).contains("Initial"));
    EXPECT_TRUE(toolkit.alerts.empty());
}

TEST_F(StatementWindowTest, BalancingRefusesWhatIsNotAnAmount)
{
    open({{"100.00"}, {"-1.00"}, {"-1450.00"}});
    auto *amount = c->window()->findChild<QLineEdit *>(u"currentEOMAmount"_s);
    auto *messages = c->window()->findChild<QLabel *>(u"EOMMessages"_s);
    c->showEndOfMonthWindowAction(&menuItem);
    amount->setText(u"-1,450.00"_s);
    c->EOMEnterButton(&menuItem);
    EXPECT_EQ(reg()[2].value(Key::EOMSeen), Value::text(u"1"_s));
    EXPECT_FALSE(reg()[1].contains(Key::EOMSeen)) << "the -1.00 row is not the statement's -1,450.00";
    amount->setText(u"12 dollars"_s);
    c->EOMEnterButton(&menuItem);
    amount->setText(u"dollars"_s);
    c->EOMEnterButton(&menuItem);
    EXPECT_EQ(toolkit.beeps, 2) << "no 12.00 row, and no amount";
    EXPECT_EQ(messages->text(), u"\u201cdollars\u201d is not an amount"_s);
    EXPECT_EQ(amount->text(), u"dollars"_s);
    EXPECT_FALSE(reg()[1].contains(Key::EOMSeen));
}

TEST_F(StatementWindowTest, AnEmptyStatementSaysThereIsNothingToImport)
{
    open({{"1"}});
    toolkit.openAnswers = {{statement(u"empty.csv"_s, "\r\n\n")}};
    c->importWF(&menuItem);
    EXPECT_EQ(toolkit.takeAlert(), u"Import: \u201cempty.csv\u201d: nothing to import: the statement holds no "
                                   "transactions."_s);
    EXPECT_EQ(doc->changeCount(), 0);
}

class BalancingWindowTest : public StatementWindowTest
{
protected:
    QLineEdit *drawerField(const char *name) const
    {
        return c->window()->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QString shown(const char *label) const
    {
        const QLabel *l = c->window()->findChild<QLabel *>(QString::fromLatin1(label));
        return l && l->isVisibleTo(l->window()) ? l->text() : QString();
    }
    void match(const char *amount)
    {
        drawerField("currentEOMAmount")->setText(QString::fromLatin1(amount));
        c->EOMEnterButton(&menuItem);
    }
    void clickMark(int row)
    {
        QTableView *t = c->tableView();
        const int shownRow = static_cast<RegisterTableModel *>(t->model())->viewRow(row);
        emit t->clicked(t->model()->index(shownRow, RegisterTableModel::ReconciledColumn));
    }
};

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

TEST_F(StatementWindowTest, TheNewYearNeverReplacesItsOwnRegisterByAnyName)
{
    const QByteArray bytes = "({Amount = 100; EOMSeen = 1;}, {Amount = -30;})";
    const QString path = statement(u"r.ldgr"_s, bytes);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"sub"_s));
    ASSERT_TRUE(QFile::link(path, dir.filePath(u"link.ldgr"_s)));
    doc = std::make_unique<MyDocument>();
    QString why;
    ASSERT_TRUE(doc->readFromFile(path, u"ldgr", &why));
    doc->makeWindowControllers(toolkit);
    c = windowController(doc.get());
    for (const QString &name : {u"./r.ldgr"_s, u"sub/../r.ldgr"_s, u"link.ldgr"_s}) {
        toolkit.saveAnswers = {dir.path() + u'/' + name};
        c->newYear(&menuItem);
        EXPECT_EQ(toolkit.takeAlert(), u"Error: The new year's register cannot replace this one.\nPlease choose "
                                       "another name!"_s)
            << name.toStdString();
    }
    EXPECT_EQ(readFile(path), bytes);
}

TEST_F(StatementWindowTest, AnEmptyRegisterHasNothingToRollOver)
{
    open({});
    c->newYear(&menuItem);
    EXPECT_EQ(toolkit.takeAlert(),
              u"New Year: The register has no transactions, so there is nothing to roll over into a new year."_s);
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
