// The import preview in the register window: what it shows for a CSV with a
// header and for an OFX file, duplicates unticked, the layout changed by
// hand, matches accepted, the bank's balance handed to balancing, the
// scheduled occurrence and the category of each line.

#include "Category.h"
#include "CategoryRules.h"
#include "HostileStatements.h"
#include "ImportPreviewModel.h"
#include "LayoutMemory.h"
#include "RegisterTableModel.h"
#include "ScheduleEdits.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QElapsedTimer>

#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QString statementPath(const char *name) { return QStringLiteral(TEST_DATA_DIR "/statements/") + QString::fromLatin1(name); }

class ImportPreviewWindowTest : public WindowFixture
{
protected:
    ImportPreviewDialog *preview() const { return c->importPreview(); }
    QAbstractItemModel *rows() const { return preview()->findChild<QTableView *>(u"previewTable"_s)->model(); }
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return rows()->data(rows()->index(row, column), role);
    }
    bool ticked(int row, int column = ImportPreviewModel::AddColumn) const
    {
        return cell(row, column, Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    void tick(int row, int column, bool on)
    {
        rows()->setData(rows()->index(row, column), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }
    template <typename W>
    W *in(const char *name) const
    {
        return preview()->findChild<W *>(QString::fromLatin1(name));
    }
    void choose(const char *box, const QString &text)
    {
        QComboBox *b = in<QComboBox>(box);
        ASSERT_GE(b->findText(text), 0) << text.toStdString();
        b->setCurrentIndex(b->findText(text));
    }
    QTemporaryDir dir;
};

TEST_F(ImportPreviewWindowTest, ACsvWithAHeaderIsShownRowByRowBeforeAnythingChanges)
{
    open({{"5000.00", "", "Opening", "12/01/2026"}});
    c->importFile(statementPath("header-check-numbers.csv"));
    ASSERT_TRUE(preview());
    EXPECT_EQ(reg().count(), 1) << "nothing is imported before Import";
    EXPECT_EQ(in<QLabel>("formatLabel")->text(), u"CSV with its header on line 1."_s);
    EXPECT_EQ(in<QComboBox>("dateColumnBox")->currentText(), u"Posting Date"_s);
    EXPECT_EQ(in<QComboBox>("amountColumnBox")->currentText(), u"Amount"_s);
    EXPECT_EQ(in<QComboBox>("checkColumnBox")->currentText(), u"Check or Slip #"_s);
    EXPECT_EQ(in<QComboBox>("dateOrderBox")->currentText(), u"month/day/year"_s);
    // The box's first item said "As written" here and stayed shown while the
    // dates were still read month first.
    in<QComboBox>("dateOrderBox")->setCurrentIndex(0);
    EXPECT_EQ(in<QComboBox>("dateOrderBox")->currentText(), u"month/day/year"_s);
    ASSERT_EQ(rows()->rowCount(), 8);
    EXPECT_EQ(cell(1, ImportPreviewModel::DescriptionColumn).toString(), u"CHECK 1043"_s);
    EXPECT_EQ(cell(1, ImportPreviewModel::CheckColumn).toString(), u"1043"_s);
    EXPECT_EQ(cell(1, ImportPreviewModel::AmountColumn).toString(), u"-1250.00"_s);
    EXPECT_TRUE(ticked(1));
    EXPECT_EQ(in<QLabel>("summaryLabel")->text(), u"8 transactions to add."_s);

    tick(6, ImportPreviewModel::AddColumn, false); // left out by hand
    EXPECT_EQ(in<QLabel>("summaryLabel")->text(), u"7 transactions to add."_s);
    ASSERT_TRUE(pressImport());
    EXPECT_FALSE(preview());
    EXPECT_EQ(reg().count(), 8);
    EXPECT_EQ(reg()[2].value(Key::CheckNumber), Value::text(u"1043"_s));
    EXPECT_EQ(doc->history().undoName(), u"Import \u201cheader-check-numbers.csv\u201d (7 transactions)"_s);
    EXPECT_TRUE(toolkit.alerts.empty());
    // The bank's layout is remembered by its header.
    QSettings settings;
    EXPECT_TRUE(LayoutMemory(settings).layoutFor(headerKeyOf(
        {u"Details"_s, u"Posting Date"_s, u"Description"_s, u"Amount"_s, u"Type"_s, u"Balance"_s,
         u"Check or Slip #"_s, QString()},
        u',')));
}

TEST_F(ImportPreviewWindowTest, ADuplicateIsUntickedWithItsReasonAndAMatchCanBeAccepted)
{
    open({{"5000.00", "", "Opening", "11/01/2026"}, {"-71.24", "", "Hy-Vee", "11/02/2026"}});
    toolkit.openAnswers = {{statementPath("sgml-102.ofx")}};
    c->importWF(&menuItem);
    ASSERT_TRUE(preview());
    EXPECT_TRUE(in<QLabel>("formatLabel")->text().startsWith(u"An OFX statement. Its ledger balance is 3412.19 on "
                                                              "11/30/2026"_s));
    EXPECT_FALSE(in<QWidget>("dateColumnBox")->isVisibleTo(preview())) << "an OFX file has no layout to choose";
    EXPECT_FALSE(ticked(0));
    EXPECT_EQ(cell(0, ImportPreviewModel::StatusColumn).toString(),
              u"probably already in the register: 11/02/2026 Hy-Vee -71.24"_s);
    EXPECT_TRUE(rows()->flags(rows()->index(0, ImportPreviewModel::MatchColumn)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(rows()->flags(rows()->index(1, ImportPreviewModel::MatchColumn)) & Qt::ItemIsUserCheckable);
    tick(0, ImportPreviewModel::MatchColumn, true);
    EXPECT_FALSE(ticked(0)) << "matched, not added";
    ASSERT_TRUE(pressImport());
    EXPECT_EQ(reg().count(), 5);
    EXPECT_EQ(reg()[1].value(Key::EOMSeen), Value::text(u"1"_s));
    // The bank's balance and date wait in the balancing panel.
    EXPECT_EQ(field("statementDate")->text(), u"11/30/2026"_s);
    EXPECT_EQ(field("statementBalance")->text(), u"3412.19"_s);

    // The same file again: every line is already there, unticked, with the row it is.
    c->importFile(statementPath("sgml-102.ofx"));
    ASSERT_TRUE(preview());
    for (int row = 1; row < 4; ++row)
        EXPECT_FALSE(ticked(row)) << row;
    EXPECT_EQ(cell(1, ImportPreviewModel::StatusColumn).toString(),
              u"already in the register: 11/04/2026 CHECK 1043 -1250.00"_s);
    EXPECT_EQ(in<QLabel>("summaryLabel")->text(), u"0 transactions to add, 4 already in the register."_s);
    in<QPushButton>("cancelButton")->click();
    EXPECT_FALSE(preview());
    EXPECT_EQ(reg().count(), 5);

    // One undo takes back the import and its match alike.
    c->undo(&menuItem);
    EXPECT_EQ(reg().count(), 2);
    EXPECT_FALSE(reg()[1].contains(Key::EOMSeen));
}

// A semicolon file without a header was read as the comma-separated
// five-field layout ("1 field, 5 needed" on every line); after a column was
// chosen, the date order box offered orders that read none of its dates.
TEST_F(ImportPreviewWindowTest, TheLayoutChangedByHandReadsTheFileAgainAtOnce)
{
    open({{"100.00", "", "Opening"}});
    const QString path = writeFile(dir.filePath(u"export.txt"_s), "14.11.2026;-12,50;Bakery\n"
                                                                  "15.11.2026;1.200,00;Salary\n");
    c->importFile(path);
    ASSERT_TRUE(preview());
    EXPECT_EQ(rows()->rowCount(), 0);
    EXPECT_EQ(in<QComboBox>("separatorBox")->currentText(), u"Semicolon"_s) << "found before anything is decided";
    EXPECT_FALSE(in<QListWidget>("skippedList")->isVisibleTo(preview()));
    EXPECT_EQ(in<QLabel>("blockerLabel")->text(), u"The lines are separated by semicolons and have no header naming "
                                                  "their columns: choose which column is which."_s);
    EXPECT_FALSE(in<QPushButton>("importButton")->isEnabled());

    choose("dateColumnBox", u"Field 1"_s);
    choose("amountColumnBox", u"Field 2"_s);
    choose("descriptionColumnBox", u"Field 3"_s);
    QComboBox *order = in<QComboBox>("dateOrderBox");
    EXPECT_EQ(order->currentText(), u"day/month/year"_s) << "the 14th and 15th say so; nobody is asked";
    QStringList offered;
    for (int i = 0; i < order->count(); ++i)
        offered << order->itemText(i);
    EXPECT_EQ(offered, (QStringList{u"Choose\u2026"_s, u"day/month/year"_s})) << "only orders that read every date";
    EXPECT_EQ(in<QListWidget>("skippedList")->count(), 2) << "-12,50 without the decimal comma";
    in<QCheckBox>("decimalCommaBox")->setChecked(true);
    ASSERT_EQ(rows()->rowCount(), 2);
    EXPECT_EQ(cell(1, ImportPreviewModel::DateColumn).toString(), u"11/15/2026"_s);
    EXPECT_EQ(cell(1, ImportPreviewModel::AmountColumn).toString(), u"1200.00"_s);
    EXPECT_EQ(cell(0, ImportPreviewModel::DescriptionColumn).toString(), u"Bakery"_s);
    EXPECT_FALSE(in<QListWidget>("skippedList")->isVisibleTo(preview()));
    ASSERT_TRUE(pressImport());
    EXPECT_EQ(column(Key::Total), (QStringList{u"100"_s, u"87.5"_s, u"1287.5"_s}));
}

TEST_F(ImportPreviewWindowTest, WhatMustBeChosenKeepsImportDisabledUntilItIs)
{
    open({{"100.00", "", "Opening"}});
    const QString twoAccounts = writeFile(
        dir.filePath(u"two.qfx"_s),
        readFile(statementPath("sgml-102.ofx"))
            .replace("</STMTTRNRS>", "</STMTTRNRS><STMTTRNRS><TRNUID>2<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS>"
                                     "<CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>88<ACCTTYPE>SAVINGS</BANKACCTFROM>"
                                     "<BANKTRANLIST><DTSTART>20261101<DTEND>20261130<STMTTRN><TRNTYPE>CREDIT"
                                     "<DTPOSTED>20261101<TRNAMT>1<FITID>x</STMTTRN></BANKTRANLIST></STMTRS>"
                                     "</STMTTRNRS>"));
    const QString ambiguous = writeFile(dir.filePath(u"a.csv"_s), "Date,Payee,Amount\n03/11/2026,Rent,-650\n");
    toolkit.openAnswers = {{twoAccounts, ambiguous}};
    c->importWF(&menuItem);
    ASSERT_TRUE(preview());
    QPushButton *importButton = in<QPushButton>("importButton");
    EXPECT_FALSE(importButton->isEnabled());
    EXPECT_EQ(in<QLabel>("blockerLabel")->text(), u"The file holds 2 accounts: choose the one this register keeps."_s);
    choose("accountBox", u"savings 88 (1)"_s);
    EXPECT_TRUE(importButton->isEnabled());
    EXPECT_EQ(rows()->rowCount(), 1);
    in<QPushButton>("cancelButton")->click();

    // The next file's preview follows; its dates read both ways.
    ASSERT_TRUE(preview());
    EXPECT_FALSE(in<QPushButton>("importButton")->isEnabled());
    choose("dateOrderBox", u"day/month/year"_s);
    EXPECT_EQ(cell(0, ImportPreviewModel::DateColumn).toString(), u"11/03/2026"_s);
    ASSERT_TRUE(pressImport());
    EXPECT_EQ(reg().count(), 2);

    // The next file with that header needs no choice: the order is remembered.
    c->importFile(writeFile(dir.filePath(u"b.csv"_s), "Date,Payee,Amount\n04/11/2026,Rent,-650\n"));
    ASSERT_TRUE(preview());
    EXPECT_TRUE(in<QPushButton>("importButton")->isEnabled());
    EXPECT_TRUE(in<QLabel>("formatLabel")->text().endsWith(u"The layout is the one chosen for this bank before."_s));
    EXPECT_EQ(cell(0, ImportPreviewModel::DateColumn).toString(), u"11/04/2026"_s);
}

// A line paired with the wrong row of the register, or offered as new, could
// not be set right: its status is now chosen from the rows of its amount.
TEST_F(ImportPreviewWindowTest, AnotherRowCanBeChosenForALineFromItsStatus)
{
    open({{"100.00", "", "Opening", "12/01/2026"},
          {"-4.50", "", "Coffee", "12/02/2026"},
          {"-4.50", "", "Coffee", "12/05/2026"}});
    c->importFile(writeFile(dir.filePath(u"c.csv"_s), "Date,Description,Amount\n12/03/2026,COFFEE,-4.50\n"
                                                      "12/20/2026,COFFEE,-4.50\n"));
    ASSERT_TRUE(preview());
    const QModelIndex first = rows()->index(0, ImportPreviewModel::StatusColumn);
    EXPECT_TRUE(rows()->flags(first) & Qt::ItemIsEditable);
    EXPECT_EQ(first.data(ImportPreviewModel::ChoicesRole).toStringList(),
              (QStringList{u"new"_s, u"the register\u2019s 12/02/2026 Coffee -4.50"_s,
                           u"the register\u2019s 12/05/2026 Coffee -4.50"_s}));
    EXPECT_EQ(first.data(Qt::EditRole).toInt(), 1);
    // Chosen in the cell's list, as a person does.
    auto *table = preview()->findChild<QTableView *>(u"previewTable"_s);
    table->setCurrentIndex(first);
    table->edit(first);
    auto *choice = table->findChild<QComboBox *>(u"choiceEditor"_s);
    ASSERT_TRUE(choice);
    choice->setCurrentIndex(2);
    emit choice->activated(2);
    EXPECT_EQ(cell(0, ImportPreviewModel::StatusColumn).toString(),
              u"taken as the register\u2019s 12/05/2026 Coffee -4.50"_s);
    // The new line made a match, with the row nearest it: the line that had
    // that row takes the one left.
    ASSERT_TRUE(rows()->setData(rows()->index(1, ImportPreviewModel::StatusColumn), 1, Qt::EditRole));
    EXPECT_EQ(cell(1, ImportPreviewModel::StatusColumn).toString(),
              u"taken as the register\u2019s 12/05/2026 Coffee -4.50"_s);
    EXPECT_EQ(cell(0, ImportPreviewModel::StatusColumn).toString(),
              u"probably already in the register: 12/02/2026 Coffee -4.50"_s);
    EXPECT_FALSE(ticked(1));
    EXPECT_EQ(in<QLabel>("summaryLabel")->text(), u"0 transactions to add, 2 already in the register."_s);
    tick(1, ImportPreviewModel::MatchColumn, true);
    ASSERT_TRUE(pressImport());
    EXPECT_EQ(reg().count(), 3);
    EXPECT_EQ(reg()[2].value(Key::EOMSeen), Value::text(u"1"_s));
}

// A line whose debit/credit word said neither came in as money in; its sign
// is chosen in its amount's cell before it can be ticked.
TEST_F(ImportPreviewWindowTest, ALineWithoutASignIsTickedOnlyOnceItsSignIsChosen)
{
    open({{"100.00", "", "Opening", "11/01/2026"}});
    c->importFile(statementPath("type-word.csv"));
    ASSERT_TRUE(preview());
    EXPECT_EQ(cell(2, ImportPreviewModel::AmountColumn).toString(), u"\u00b1500.00"_s);
    EXPECT_EQ(cell(2, ImportPreviewModel::StatusColumn).toString(),
              u"can\u2019t tell money out from money in: \u201ctransfer\u201d"_s);
    EXPECT_FALSE(rows()->flags(rows()->index(2, ImportPreviewModel::AddColumn)) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(cell(2, ImportPreviewModel::AmountColumn, ImportPreviewModel::ChoicesRole).toStringList(),
              (QStringList{u"-500.00 (money out)"_s, u"500.00 (money in)"_s}));
    ASSERT_TRUE(rows()->setData(rows()->index(2, ImportPreviewModel::AmountColumn), 0, Qt::EditRole));
    EXPECT_EQ(cell(2, ImportPreviewModel::AmountColumn).toString(), u"-500.00"_s);
    EXPECT_TRUE(ticked(2));
    ASSERT_TRUE(pressImport());
    EXPECT_EQ(column(Key::Amount).mid(1),
              (QStringList{u"-71.24"_s, u"2145.67"_s, u"-500"_s, u"-4.5"_s, u"-38.15"_s}));
}

// A card's unsigned charges came in as money in; the switch that says they
// are money out is remembered with the bank's layout.
TEST_F(ImportPreviewWindowTest, AmountsAreMoneyOutIsChosenAndRememberedWithTheLayout)
{
    open({{"100.00", "", "Opening", "11/01/2026"}});
    c->importFile(statementPath("card-charges.csv"));
    ASSERT_TRUE(preview());
    EXPECT_FALSE(in<QPushButton>("importButton")->isEnabled());
    EXPECT_EQ(in<QLabel>("blockerLabel")->text(),
              u"Every amount is written without a sign, and no column says which way the money went: choose "
              "whether they are money out (a card\u2019s charges) or money in."_s);
    choose("amountSignBox", u"money out (a card\u2019s charges)"_s);
    EXPECT_EQ(cell(0, ImportPreviewModel::AmountColumn).toString(), u"-54.21"_s);
    ASSERT_TRUE(pressImport());
    EXPECT_EQ(column(Key::Total).last(), u"-69.67"_s);

    c->importFile(writeFile(dir.filePath(u"next.csv"_s),
                            "Transaction Date,Description,Amount\n12/02/2026,NETFLIX.COM,15.49\n"));
    ASSERT_TRUE(preview());
    EXPECT_TRUE(in<QPushButton>("importButton")->isEnabled());
    EXPECT_EQ(in<QComboBox>("amountSignBox")->currentText(), u"money out (a card\u2019s charges)"_s);
    EXPECT_EQ(cell(0, ImportPreviewModel::AmountColumn).toString(), u"-15.49"_s);
}

// The preview read dates in an order without saying why.
TEST_F(ImportPreviewWindowTest, ThePreviewSaysHowItReadTheDates)
{
    open({{"100.00", "", "Opening", "11/01/2026"}});
    c->importFile(statementPath("weeks-mdy.csv"));
    ASSERT_TRUE(preview());
    EXPECT_TRUE(in<QLabel>("notesLabel")->isVisibleTo(preview()));
    EXPECT_EQ(in<QLabel>("notesLabel")->text(),
              u"Read as month/day/year: the dates then fall between 11/03/2026 and 12/01/2026, in the order of the "
              "file, while read as day/month/year they would not."_s);
    EXPECT_EQ(in<QComboBox>("dateOrderBox")->currentText(), u"month/day/year"_s);
    choose("dateOrderBox", u"day/month/year"_s);
    EXPECT_EQ(cell(0, ImportPreviewModel::DateColumn).toString(), u"03/11/2026"_s) << "a person may still say so";
    EXPECT_FALSE(in<QLabel>("notesLabel")->isVisibleTo(preview()));
}

TEST_F(ImportPreviewWindowTest, TheRegisterChangingUnderAnOpenPreviewIsCheckedAgain)
{
    open({{"5000.00", "", "Opening", "11/01/2026"}, {"-71.24", "", "Hy-Vee", "11/02/2026"}});
    c->importFile(statementPath("sgml-102.ofx"));
    ASSERT_TRUE(preview());
    EXPECT_FALSE(ticked(0));
    // The preview is no modal loop: the register can still be changed.
    selectRows({1});
    c->deleteTransaction(&menuItem);
    EXPECT_TRUE(ticked(0)) << "no row is that line any more";
    EXPECT_EQ(cell(0, ImportPreviewModel::StatusColumn).toString(), u"new"_s);
    ASSERT_TRUE(pressImport());
    EXPECT_EQ(reg().count(), 5);
}

TEST_F(ImportPreviewWindowTest, AStatementWhoseReadingIsCancelledChangesNothingAndShowsNoPreview)
{
    open({{"5000.00", "", "Opening", "12/01/2026"}});
    toolkit.cancelProgressAt = 1;
    toolkit.openAnswers = {{statementPath("header-check-numbers.csv"), statementPath("bank-download.qfx")}};
    c->importWF(nullptr);
    EXPECT_EQ(toolkit.progressShown, QStringList{u"Reading \u201cheader-check-numbers.csv\u201d\u2026"_s})
        << "the files chosen with it are not read either";
    EXPECT_FALSE(preview());
    EXPECT_TRUE(toolkit.alerts.empty());
    EXPECT_EQ(reg().count(), 1);
    EXPECT_FALSE(doc->history().canUndo());

    toolkit.cancelProgressAt = 0;
    c->importFile(statementPath("header-check-numbers.csv"));
    ASSERT_TRUE(preview());
    EXPECT_EQ(rows()->rowCount(), 8);
}

// An OFX file libofx took minutes over held the window, with no Cancel.
TEST_F(ImportPreviewWindowTest, CancellingTheReadingOfASlowOfxReturnsAtOnceLeavingNoReader)
{
    open({{"5000.00", "", "Opening", "11/01/2026"}});
    const QString slow = writeFile(dir.filePath(u"slow.ofx"_s), hostile::slowOfx());
    // Cancel is pressed once libofx is at work.
    bool readerSeen = false;
    toolkit.cancelProgressWhen = [&] { return readerSeen = !hostile::ofxReadersOf(getpid()).empty(); };
    QElapsedTimer clock;
    clock.start();
    c->importFile(slow);
    EXPECT_LT(clock.elapsed(), 20000) << "libofx alone takes minutes over this file";
    EXPECT_TRUE(readerSeen);
    EXPECT_EQ(toolkit.progressShown, QStringList{u"Reading \u201cslow.ofx\u201d\u2026"_s});
    EXPECT_FALSE(preview());
    EXPECT_TRUE(toolkit.alerts.empty());
    EXPECT_EQ(reg().count(), 1);
    EXPECT_FALSE(doc->history().canUndo());
    EXPECT_TRUE(hostile::ofxReadersOf(getpid()).empty());
}

} // namespace

TEST_F(ImportPreviewWindowTest, EachLineShowsTheOccurrenceItEntersAndTheCategoryChosenThereIsImportedAndKeptAsARule)
{
    open({{"3000.00", "", "Opening", "03/01/2026"}});
    Schedule rent;
    rent.description = u"Rent"_s;
    rent.amount = -65000;
    rent.category = u"Home:Rent"_s;
    rent.recurrence.period = Period::Month;
    rent.recurrence.start = QDate(2026, 3, 1);
    rent.recurrence.day = 1;
    ASSERT_EQ(addSchedule(*doc, rent), QString());
    const QString path = writeFile(dir.filePath(u"march.csv"_s), "03/02/2026,-650.00,*,,ACH LANDLORD LLC\n"
                                                                 "03/03/2026,-4.50,*,,BLUE BOTTLE COFFEE 112\n"
                                                                 "03/09/2026,-5.25,*,,BLUE BOTTLE COFFEE 7\n");
    // The occurrence's date is the window's: the 1st of March, not the 3rd of January.
    c->setWrittenForms({DateOrder::DayMonthYear, u','});
    c->importFile(path);
    ASSERT_TRUE(preview());
    EXPECT_EQ(cell(0, ImportPreviewModel::StatusColumn).toString(), u"Enters: Rent, 01/03/2026"_s);
    EXPECT_TRUE(cell(0, ImportPreviewModel::StatusColumn, Qt::ToolTipRole).toString().contains(u"not offered again"));
    EXPECT_EQ(cell(1, ImportPreviewModel::StatusColumn).toString(), u"new"_s);
    EXPECT_EQ(cell(0, ImportPreviewModel::CategoryColumn).toString(), u"Home:Rent"_s);
    EXPECT_EQ(cell(0, ImportPreviewModel::CategoryColumn, Qt::ToolTipRole).toString(),
              u"From the scheduled transaction \u201cRent\u201d"_s);
    EXPECT_TRUE(cell(1, ImportPreviewModel::CategoryColumn, ImportPreviewModel::CompletionsRole)
                    .toStringList()
                    .contains(u"Home:Rent"_s));

    // Typed in the cell, lower case: it takes the letters of the category in use.
    ASSERT_TRUE(rows()->setData(rows()->index(1, ImportPreviewModel::CategoryColumn), u"home:treats"_s));
    EXPECT_EQ(cell(1, ImportPreviewModel::CategoryColumn).toString(), u"Home:treats"_s);
    auto *table = preview()->findChild<QTableView *>(u"previewTable"_s);
    table->setCurrentIndex(rows()->index(1, ImportPreviewModel::DescriptionColumn));
    QAction *keep = preview()->findChild<QAction *>(u"keepAsRule"_s);
    ASSERT_TRUE(keep);
    EXPECT_TRUE(table->actions().contains(keep)) << "offered in the line's context menu";
    EXPECT_EQ(keep->text(), u"Keep as a Rule: Description Contains \u201cBLUE BOTTLE COFFEE\u201d \u2192 Home:treats"_s);
    keep->trigger();
    EXPECT_EQ(cell(2, ImportPreviewModel::CategoryColumn).toString(), u"Home:treats"_s) << "the other branch too";
    EXPECT_TRUE(cell(2, ImportPreviewModel::CategoryColumn, Qt::ToolTipRole).toString().contains(u"BLUE BOTTLE COFFEE"));
    QSettings settings;
    EXPECT_EQ(storedRules(settings).size(), 1u) << "kept for the statements to come";

    ASSERT_TRUE(pressImport());
    ASSERT_EQ(reg().count(), 4);
    EXPECT_EQ(column(Key::DescriptionofTransaction),
              (QStringList{u"Opening"_s, u"Rent"_s, u"BLUE BOTTLE COFFEE 112"_s, u"BLUE BOTTLE COFFEE 7"_s}));
    EXPECT_EQ(reg()[1].value(kCategoryKey).toString(), u"Home:Rent"_s);
    EXPECT_EQ(reg()[3].value(kCategoryKey).toString(), u"Home:treats"_s);
    EXPECT_FALSE(c->tableView()->isColumnHidden(RegisterTableModel::CategoryColumn)) << "the register's first categories";
    c->undo(&menuItem);
    EXPECT_EQ(reg().count(), 1) << "one step";
}
