// The window's statement import, month-end balancing and new-year rollover.

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

} // namespace
