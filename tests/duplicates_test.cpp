// No transaction imported twice: the same file again, an overlapping month,
// identical lines on one day, a row entered by hand; the import of what was
// chosen, matches marked reconciled in the same step; the preview's logic.

#include "ImportDuplicates.h"
#include "ImportDuplicatesPairing.h"
#include "ImportPreview.h"
#include "MyDocument.h"
#include "Reconciliation.h"
#include "StatementImport.h"
#include "StatementReader.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 7);
using Verdict = DuplicateCheck::Verdict;

QByteArray statementFile(const char *name)
{
    return readFile(QStringLiteral(TEST_DATA_DIR "/statements/") + QString::fromLatin1(name));
}

std::vector<StatementLine> linesOf(const QByteArray &bytes)
{
    const StatementRead r = readStatement(bytes, {}, kToday);
    EXPECT_TRUE(r.ok()) << r.statement.error.toStdString();
    return r.statement.lines;
}

std::vector<Verdict> verdicts(const MyDocument &doc, const std::vector<StatementLine> &lines)
{
    std::vector<Verdict> out;
    for (const DuplicateCheck &c : checkDuplicates(*doc.array(), lines, kToday))
        out.push_back(c.verdict);
    return out;
}

// Imports what is new, as cheqbook-cli does.
ImportResult importNew(MyDocument &doc, const QByteArray &bytes, const QString &name = u"s.csv"_s)
{
    doc.ensureRegister();
    const std::vector<StatementLine> lines = linesOf(bytes);
    const std::vector<DuplicateCheck> checks = checkDuplicates(*doc.array(), lines, kToday);
    ImportPlan plan;
    for (size_t i = 0; i < lines.size(); ++i)
        if (checks[i].verdict == Verdict::New)
            plan.add.push_back(lines[i]);
    return importPlanned(doc, doc.count(), plan, name);
}

RecordPtr handEntered(const char16_t *date, const char16_t *check, const char16_t *description, Cents amount)
{
    RecordPtr r = makeRecord();
    r->set(Key::Date, Value::text(date));
    r->set(Key::CheckNumber, Value::text(check));
    r->set(Key::DescriptionofTransaction, Value::text(description));
    r->set(Key::Amount, Value::money(amount));
    return r;
}

MyDocument *withRows(MyDocument &doc, std::initializer_list<RecordPtr> rows)
{
    doc.ensureRegister();
    for (const RecordPtr &r : rows)
        doc.array()->append(r);
    return &doc;
}

TEST(Duplicates, TheSameFileTwiceAddsNothingTheSecondTime)
{
    for (const char *file : {"header-check-numbers.csv", "debit-credit.csv", "sgml-102.ofx", "xml-211.ofx"}) {
        SCOPED_TRACE(file);
        MyDocument doc;
        const ImportResult first = importNew(doc, statementFile(file));
        ASSERT_TRUE(first.ok()) << first.error.toStdString();
        const int rows = doc.count();
        EXPECT_GT(rows, 2);
        const std::vector<DuplicateCheck> again = checkDuplicates(*doc.array(), linesOf(statementFile(file)), kToday);
        for (size_t i = 0; i < again.size(); ++i) {
            EXPECT_EQ(again[i].verdict, Verdict::Duplicate);
            EXPECT_EQ(again[i].row, int(i)) << "each line names the row it came in as";
        }
        EXPECT_EQ(importNew(doc, statementFile(file)).count, 0);
        EXPECT_EQ(doc.count(), rows);
    }
}

TEST(Duplicates, AnOverlappingMonthAddsOnlyWhatIsNew)
{
    MyDocument doc;
    importNew(doc, statementFile("sgml-102.ofx"), u"november.ofx"_s);
    // The next download runs from mid-November: the payroll and the cafe again, two new.
    EXPECT_EQ(verdicts(doc, linesOf(statementFile("bank-download.qfx"))),
              (std::vector<Verdict>{Verdict::Duplicate, Verdict::Duplicate, Verdict::New, Verdict::New}));
    const std::vector<DuplicateCheck> checks = checkDuplicates(*doc.array(), linesOf(statementFile("bank-download.qfx")),
                                                               kToday);
    EXPECT_EQ(checks[1].reason, u"already in the register: 11/20/2026 CAF\u00c9 LUNA -4.50"_s);
    EXPECT_EQ(importNew(doc, statementFile("bank-download.qfx")).count, 2);
    EXPECT_EQ(doc.count(), 6);

    // The same with CSV exports: lines alike are the same transaction.
    MyDocument csv;
    importNew(csv, "Date,Description,Amount\n11/28/2026,Rent,-650.00\n11/29/2026,Gas,-30.00\n");
    EXPECT_EQ(importNew(csv, "Date,Description,Amount\n11/29/2026,Gas,-30.00\n12/14/2026,Pay,900.00\n").count, 1);
    EXPECT_EQ(csv.count(), 3);
}

TEST(Duplicates, IdenticalLinesOnOneDayAreTwoTransactions)
{
    MyDocument doc;
    const QByteArray two = "12/16/2026,-4.50,*,,COFFEE\n12/16/2026,-4.50,*,,COFFEE\n";
    EXPECT_EQ(importNew(doc, two).count, 2);
    EXPECT_EQ(verdicts(doc, linesOf(two)), (std::vector<Verdict>{Verdict::Duplicate, Verdict::Duplicate}));
    // A later download that saw a third coffee that day adds that one only.
    EXPECT_EQ(importNew(doc, two + "12/16/2026,-4.50,*,,COFFEE\n").count, 1);
    EXPECT_EQ(doc.count(), 3);
}

TEST(Duplicates, ARowEnteredByHandIsProbablyTheLine)
{
    MyDocument doc;
    withRows(doc, {handEntered(u"11/01/2026", u"", u"Opening", 500000),
                   handEntered(u"11/01/2026", u"1043", u"Rent", -125000),     // its check, 3 days earlier
                   handEntered(u"11/01/2026", u"", u"Hy-Vee", -7124),         // 2 days earlier
                   handEntered(u"10/10/2026", u"", u"Cafe", -450),            // a month earlier: another
                   handEntered(u"Nov 21", u"1050", u"Cafe by check", -450)}); // another check
    const std::vector<StatementLine> lines = linesOf(statementFile("sgml-102.ofx"));
    const std::vector<DuplicateCheck> checks = checkDuplicates(*doc.array(), lines, kToday);
    ASSERT_EQ(checks.size(), 4u);
    EXPECT_EQ(checks[0].verdict, Verdict::Probable);
    EXPECT_EQ(checks[0].row, 2);
    EXPECT_EQ(checks[0].reason, u"probably already in the register: 11/01/2026 Hy-Vee -71.24"_s);
    EXPECT_EQ(checks[1].verdict, Verdict::Probable);
    EXPECT_EQ(checks[1].row, 1);
    EXPECT_EQ(checks[2].verdict, Verdict::New);
    EXPECT_EQ(checks[3].verdict, Verdict::Probable) << "Nov 21 is a day after the cafe; the line has no check";
    EXPECT_EQ(checks[3].row, 4);

    // One hand-entered coffee answers for one of two identical lines.
    MyDocument one;
    withRows(one, {handEntered(u"12/15/2026", u"", u"Coffee", -450)});
    EXPECT_EQ(verdicts(one, linesOf("12/16/2026,-4.50,*,,COFFEE\n12/16/2026,-4.50,*,,COFFEE\n")),
              (std::vector<Verdict>{Verdict::Probable, Verdict::New}));
    // Six days apart, a different check, or another amount: not the same transaction.
    EXPECT_EQ(verdicts(one, linesOf("12/21/2026,-4.50,*,,COFFEE\n12/15/2026,-4.51,*,,COFFEE\n")),
              (std::vector<Verdict>{Verdict::New, Verdict::New}));
    MyDocument checked;
    withRows(checked, {handEntered(u"12/15/2026", u"1044", u"Garage", -8210)});
    EXPECT_EQ(verdicts(checked, linesOf("Date,Check Number,Description,Amount\n12/15/2026,1045,CHECK,-82.10\n"
                                        "12/15/2026,,CHECK,-82.10\n")),
              (std::vector<Verdict>{Verdict::New, Verdict::Probable}));
}

TEST(Duplicates, AcceptingAMatchMarksTheRowReconciledInTheImportsStep)
{
    MyDocument doc;
    withRows(doc, {handEntered(u"11/01/2026", u"", u"Opening", 500000),
                   handEntered(u"11/02/2026", u"", u"Hy-Vee", -7124)});
    doc.recalculateBalances();
    const QByteArray before = *doc.dataRepresentationOfType();
    const std::vector<StatementLine> lines = linesOf(statementFile("sgml-102.ofx"));
    const std::vector<DuplicateCheck> checks = checkDuplicates(*doc.array(), lines, kToday);
    ASSERT_EQ(checks[0].verdict, Verdict::Probable);
    ImportPlan plan;
    plan.reconcile = {{checks[0].record, lines[0].bankId}};
    plan.add = {lines[1], lines[2]};
    const ImportResult r = importPlanned(doc, doc.count(), plan, u"november.ofx"_s);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.firstRow, 2);
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(r.reconciled, 1);
    EXPECT_TRUE(isReconciled(*doc.objectAtIndex(1)));
    // The matched row is that line from now on, surely.
    EXPECT_EQ(checkDuplicates(*doc.array(), lines, kToday)[0].verdict, Verdict::Duplicate);
    EXPECT_EQ(doc.objectAtIndex(2)->value(Key::CheckNumber), Value::text(u"1043"));
    EXPECT_EQ(doc.objectAtIndex(2)->value(kBankIdKey), Value::text(u"ofx:000012345678:202611041"));
    EXPECT_EQ(doc.objectAtIndex(3)->value(Key::Total).centsOrZero(), 500000 - 7124 - 125000 + 214567);
    EXPECT_EQ(doc.history().undoName(), u"Import \u201cnovember.ofx\u201d (2 transactions, 1 matched)"_s);

    // One undo takes back the rows and the mark alike.
    doc.undo();
    EXPECT_EQ(*doc.dataRepresentationOfType(), before);
    doc.redo();
    EXPECT_TRUE(isReconciled(*doc.objectAtIndex(1)));
    EXPECT_EQ(doc.count(), 4);

    // A matched row deleted since is left alone; nothing to do is no step at all.
    ImportPlan gone;
    gone.reconcile = {{handEntered(u"11/02/2026", u"", u"Hy-Vee", -7124), u"ofx:1:2"_s}};
    const int changes = doc.changeCount();
    EXPECT_EQ(importPlanned(doc, doc.count(), gone).reconciled, 0);
    EXPECT_EQ(doc.changeCount(), changes);
}

// The fingerprint covered the whole line, so a line whose status went from
// Pending to Posted (and whose running balance changed) came in again.
TEST(Duplicates, AStatusOrBalanceColumnChangingBetweenDownloadsIsTheSameTransaction)
{
    MyDocument doc;
    ASSERT_EQ(importNew(doc, statementFile("status-download-1.csv")).count, 5);
    const std::vector<DuplicateCheck> checks =
        checkDuplicates(*doc.array(), linesOf(statementFile("status-download-2.csv")), kToday);
    std::vector<Verdict> got;
    for (const DuplicateCheck &c : checks)
        got.push_back(c.verdict);
    EXPECT_EQ(got, (std::vector<Verdict>{Verdict::Duplicate, Verdict::Duplicate, Verdict::Duplicate, Verdict::Probable,
                                         Verdict::New}));
    // Posted a day later under another description: the pending row of the
    // earlier download, which this one covers and does not show by its id.
    EXPECT_EQ(checks[3].reason, u"probably already in the register: 12/01/2026 TARGET 00022186 PENDING -12.99"_s);
    EXPECT_EQ(importNew(doc, statementFile("status-download-2.csv")).count, 1);
}

// Rows an earlier download brought in were compared with every later line
// of their amount, so a daily coffee took the place of the day before's.
TEST(Duplicates, YesterdaysCoffeeFromTheLastDownloadIsNotTodays)
{
    MyDocument doc;
    importNew(doc, "Date,Description,Amount\n12/13/2026,COFFEE,-4.50\n12/14/2026,COFFEE,-4.50\n");
    EXPECT_EQ(verdicts(doc, linesOf("Date,Description,Amount\n12/15/2026,COFFEE,-4.50\n12/16/2026,COFFEE,-4.50\n")),
              (std::vector<Verdict>{Verdict::New, Verdict::New}));
    // One entered by hand is compared whatever the download covers.
    withRows(doc, {handEntered(u"12/15/2026", u"", u"Coffee", -450)});
    EXPECT_EQ(verdicts(doc, linesOf("Date,Description,Amount\n12/16/2026,COFFEE,-4.50\n")),
              (std::vector<Verdict>{Verdict::Probable}));
}

// Six coffees of -5.75 entered by hand, the bank's six lines each a day or
// two after their rows: walked in file order, each line took the nearest
// free row, the chain slid one row along, the last line was offered as new
// and the first row stayed unmatched.
TEST(Duplicates, RepeatedAmountsArePairedByTheLeastTotalDateDistance)
{
    MyDocument doc;
    const int rowDays[] = {1, 3, 5, 7, 9, 11};
    const int lineDays[] = {3, 5, 7, 9, 11, 13}; // each on the next row's day
    doc.ensureRegister();
    for (int day : rowDays) {
        const QString date = u"12/%1/2026"_s.arg(day, 2, 10, QChar(u'0'));
        withRows(doc, {handEntered(reinterpret_cast<const char16_t *>(date.utf16()), u"", u"Coffee", -575)});
    }
    QByteArray bank = "Date,Description,Amount\n";
    for (int day : lineDays)
        bank += u"12/%1/2026,STARBUCKS,-5.75\n"_s.arg(day, 2, 10, QChar(u'0')).toLatin1();
    std::set<int> rows;
    for (const DuplicateCheck &c : checkDuplicates(*doc.array(), linesOf(bank), kToday)) {
        EXPECT_EQ(c.verdict, Verdict::Probable);
        rows.insert(c.row);
    }
    EXPECT_EQ(rows, (std::set<int>{0, 1, 2, 3, 4, 5})) << "every row answers for a line";
}

TEST(Duplicates, TheMostPairsThenTheLeastCost)
{
    struct Case {
        const char *what;
        std::vector<std::vector<int>> cost; // -1: may not be paired
        std::vector<int> pairs;
    } cases[] = {
        {"the cheapest is not taken when it leaves a line alone", {{0, 1}, {-1, 5}}, {0, 1}},
        {"", {{0, 1}, {2, -1}}, {1, 0}},
        {"a chain that would slide", {{2, 0, -1}, {-1, 1, 0}, {-1, -1, 1}}, {0, 1, 2}},
        {"more lines than rows", {{1}, {0}, {2}}, {-1, 0, -1}},
        {"nothing allowed", {{-1, -1}}, {-1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const int left = int(c.cost.size()), right = int(c.cost.front().size());
        EXPECT_EQ(leastCostPairing(left, right, [&](int i, int j) { return c.cost[size_t(i)][size_t(j)]; }), c.pairs);
    }
}

TEST(ImportPreviewLogic, LinesStartTickedUnlessTheRegisterHasThem)
{
    MyDocument doc;
    withRows(doc, {handEntered(u"11/01/2026", u"", u"Opening", 500000),
                   handEntered(u"11/02/2026", u"", u"Hy-Vee", -7124)});
    // Imported before from a CSV export, whose ids an OFX line cannot have.
    importNew(doc, "11/20/2026,-4.50,*,,CAF\xc9 LUNA\n");
    ImportPreview preview(statementFile("sgml-102.ofx"), u"november.ofx"_s, doc.array(), kToday);
    using Action = ImportPreview::Action;
    ASSERT_EQ(preview.rows().size(), 4u);
    EXPECT_EQ(preview.rows()[0].action, Action::Skip) << "probably the Hy-Vee entered by hand";
    EXPECT_EQ(preview.rows()[1].action, Action::Add);
    EXPECT_EQ(preview.rows()[3].check.verdict, Verdict::Probable) << "the cafe from the CSV";
    EXPECT_EQ(preview.count(Action::Add), 2);
    EXPECT_EQ(preview.summary(), u"2 transactions to add, 2 already in the register"_s);
    EXPECT_FALSE(preview.setAction(1, Action::Reconcile)) << "a new line is no row's match";
    EXPECT_TRUE(preview.setAction(0, Action::Reconcile));
    preview.acceptAllMatches();
    EXPECT_EQ(preview.plan().reconcile.size(), 2u);
    EXPECT_EQ(preview.plan().reconcile.front().record, doc.array()->at(1));
    EXPECT_EQ(preview.read().ledger.endingBalance, std::optional<Cents>(341219));

    // The register changes while the preview is open: the Hy-Vee row is
    // deleted, so the line is new again and ticked; the others keep their choice.
    ASSERT_TRUE(preview.setAction(1, Action::Skip));
    doc.edit(u"Delete"_s, [&] { doc.remData(doc.objectAtIndex(1)); });
    preview.recheck();
    EXPECT_EQ(preview.rows()[0].check.verdict, Verdict::New);
    EXPECT_EQ(preview.rows()[0].action, Action::Add);
    EXPECT_EQ(preview.rows()[1].action, Action::Skip);
}

// Read again day first, the lines that were duplicates of rows entered by
// hand are new: they stayed unticked, shown as new, and Import left them out.
TEST(ImportPreviewLogic, ALineThatIsNewInAnotherLayoutIsTickedAgain)
{
    MyDocument doc;
    withRows(doc, {handEntered(u"11/01/2026", u"", u"Opening", 500000),
                   handEntered(u"12/03/2026", u"", u"Transfer", -20000),
                   handEntered(u"12/04/2026", u"", u"Aldi", -7319)});
    ImportPreview preview("Date,Description,Amount\n12/03/2026,TRANSFER,-200.00\n12/04/2026,ALDI,-73.19\n"
                          "12/08/2026,CAFE,-4.50\n"_ba,
                          u"a.csv"_s, doc.array(), kToday);
    using Action = ImportPreview::Action;
    ASSERT_EQ(preview.rows().size(), 3u);
    EXPECT_EQ(preview.rows()[0].action, Action::Skip);
    ASSERT_TRUE(preview.setAction(1, Action::Add)) << "kept by hand although probably the Aldi row";
    ASSERT_TRUE(preview.setAction(2, Action::Skip));
    preview.setDateOrder(DateOrder::DayMonthYear);
    ASSERT_EQ(preview.rows().size(), 3u);
    EXPECT_EQ(preview.rows()[0].check.verdict, Verdict::New);
    EXPECT_EQ(preview.rows()[0].action, Action::Add);
    EXPECT_EQ(preview.rows()[1].action, Action::Add);
    EXPECT_EQ(preview.rows()[2].action, Action::Skip) << "still new: the choice stands";
    preview.setDateOrder(DateOrder::MonthDayYear);
    EXPECT_EQ(preview.rows()[0].action, Action::Skip) << "a duplicate again";
}

TEST(ImportPreviewLogic, WhatMustBeChosenBlocksTheImport)
{
    MyDocument doc;
    doc.ensureRegister();
    ImportPreview dates("Date,Description,Amount\n03/11/2026,Rent,-650.00\n"_ba, u"a.csv"_s, doc.array(), kToday);
    EXPECT_EQ(dates.blocker(),
              u"The dates read both as month/day/year and as day/month/year: choose their order."_s);
    dates.setDateOrder(DateOrder::DayMonthYear);
    EXPECT_EQ(dates.blocker(), QString());
    EXPECT_EQ(dates.rows().front().line.date, u"11/03/2026"_s);

    // A layout chosen by hand: the description from another column; a column
    // beyond the header's width is none; the line stays left out.
    ASSERT_TRUE(dates.setAction(0, ImportPreview::Action::Skip));
    CsvLayout l = dates.read().layout;
    l.description = 0;
    l.memo = 9;
    dates.setLayout(l);
    EXPECT_EQ(dates.rows().front().action, ImportPreview::Action::Skip);
    EXPECT_EQ(dates.read().layout.memo, -1);
    EXPECT_EQ(dates.rows().front().line.description, u"03/11/2026"_s);
    EXPECT_EQ(dates.columnNames(), (QStringList{u"Date"_s, u"Description"_s, u"Amount"_s}));

    // A layout remembered for the bank needs no choice.
    CsvLayout remembered = l;
    remembered.description = 1;
    remembered.headerLine = 9; // the lines before the header differ from file to file
    ImportPreview next("Account 12\n\nDate,Description,Amount\n04/11/2026,Gas,-30.00\n"_ba, u"b.csv"_s, doc.array(),
                       kToday, [&](const QString &) { return std::optional<CsvLayout>(remembered); });
    EXPECT_TRUE(next.usedRememberedLayout());
    EXPECT_EQ(next.blocker(), QString());
    EXPECT_EQ(next.read().layout.headerLine, 3);
    ASSERT_EQ(next.rows().size(), 1u);
    EXPECT_EQ(next.rows().front().line.date, u"11/04/2026"_s);

    ImportPreview accounts(readFile(QStringLiteral(TEST_DATA_DIR "/statements/sgml-102.ofx")).replace(
                               "</STMTRS>", "</STMTRS><STMTRS><BANKACCTFROM><ACCTID>2</BANKACCTFROM></STMTRS>"),
                           u"c.ofx"_s, doc.array(), kToday);
    EXPECT_EQ(accounts.blocker(), u"The file holds 2 accounts: choose the one this register keeps."_s);
    accounts.setAccount(u"000012345678"_s);
    EXPECT_EQ(accounts.blocker(), QString());
    EXPECT_EQ(accounts.rows().size(), 4u);
}

// A line paired with the wrong row, or offered as new while it was a row of
// the register, could not be set right in the preview.
TEST(ImportPreviewLogic, APersonCanPairALineWithAnotherRowOrMakeItNew)
{
    MyDocument doc;
    withRows(doc, {handEntered(u"12/01/2026", u"", u"Opening", 100000),
                   handEntered(u"12/02/2026", u"", u"Coffee", -450),
                   handEntered(u"12/05/2026", u"", u"Coffee", -450)});
    ImportPreview preview("Date,Description,Amount\n12/03/2026,COFFEE,-4.50\n12/20/2026,COFFEE,-4.50\n"_ba,
                          u"a.csv"_s, doc.array(), kToday);
    using Action = ImportPreview::Action;
    ASSERT_EQ(preview.rows().size(), 2u);
    EXPECT_EQ(preview.rows()[0].check.record, doc.array()->at(1)) << "a day away";
    EXPECT_EQ(preview.rows()[1].check.verdict, Verdict::New);
    EXPECT_EQ(preview.pairingChoices(0), (std::vector<RecordPtr>{doc.array()->at(1), doc.array()->at(2)}));
    EXPECT_TRUE(preview.setPairing(0, doc.array()->at(2)));
    EXPECT_EQ(preview.rows()[0].check.record, doc.array()->at(2));
    EXPECT_TRUE(preview.rows()[0].check.chosen);
    EXPECT_EQ(preview.rows()[0].check.reason, u"taken as the register\u2019s 12/05/2026 Coffee -4.50"_s);
    EXPECT_FALSE(preview.setPairing(0, doc.array()->at(0))) << "not of its amount";

    // The new line made the row the first line had: the first is paired anew.
    ASSERT_TRUE(preview.setAction(0, Action::Reconcile));
    EXPECT_TRUE(preview.setPairing(1, doc.array()->at(2)));
    EXPECT_EQ(preview.rows()[1].check.record, doc.array()->at(2));
    EXPECT_EQ(preview.rows()[1].action, Action::Skip);
    EXPECT_EQ(preview.rows()[0].check.record, doc.array()->at(1)) << "its chosen row is the other line's now";
    EXPECT_FALSE(preview.rows()[0].check.chosen);
    EXPECT_TRUE(preview.setPairing(0, RecordPtr()));
    EXPECT_EQ(preview.rows()[0].action, Action::Add);
    // The register changes: what was chosen holds.
    preview.recheck();
    EXPECT_EQ(preview.rows()[1].check.record, doc.array()->at(2));
    EXPECT_EQ(preview.rows()[0].check.verdict, Verdict::New);
    const ImportPlan plan = preview.plan();
    EXPECT_EQ(plan.add.size(), 1u);
    EXPECT_EQ(plan.identify.size(), 1u);
}

// A transfer whose debit/credit word said neither came in as money in.
TEST(ImportPreviewLogic, ALineWhoseSignIsUnknownIsAddedOnlyOnceSigned)
{
    MyDocument doc;
    doc.ensureRegister();
    ImportPreview preview(statementFile("type-word.csv"), u"t.csv"_s, doc.array(), kToday);
    using Action = ImportPreview::Action;
    ASSERT_EQ(preview.rows().size(), 6u);
    EXPECT_EQ(preview.rows()[2].action, Action::Skip);
    EXPECT_FALSE(preview.setAction(2, Action::Add)) << "no sign, no import";
    EXPECT_EQ(preview.inDoubt(), 2);
    EXPECT_EQ(preview.summary(), u"4 transactions to add, 2 left out for the reasons they show, "
                                 "1 line that is not a transaction"_s);
    EXPECT_TRUE(preview.setSign(2, -1));
    EXPECT_EQ(preview.rows()[2].line.amount, -50000);
    EXPECT_EQ(preview.rows()[2].action, Action::Add);
    EXPECT_FALSE(preview.setSign(0, 1)) << "a line the file signed keeps its sign";
    // Read again in another order, the line keeps the sign it was given.
    preview.setDateOrder(DateOrder::DayMonthYear);
    preview.setDateOrder(DateOrder::MonthDayYear);
    EXPECT_EQ(preview.rows()[2].line.amount, -50000);
    EXPECT_EQ(preview.plan().add.size(), 5u);
}

} // namespace
