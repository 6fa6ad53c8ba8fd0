// The document's history: every change undone and done again exactly, the
// modified mark following it, and balances never held at the money limit.

#include "DateSort.h"
#include "MyDocument.h"
#include "RegisterFile.h"
#include "RunningBalance.h"
#include "ScheduleSupport.h"
#include "StatementImport.h"

#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A register as a session leaves it: balances recalculated as numbers, then
// some carried as money text by an edit, one typed by hand, and an unknown
// key a file brought along.
std::unique_ptr<MyDocument> sessionDocument()
{
    auto doc = std::make_unique<MyDocument>();
    doc->ensureRegister();
    Register &reg = *doc->array();
    reg.append(row("01/01/2026", "Opening", "1000.00"));
    reg.append(row("01/09/2026", "Hy-Vee", "-71.24"));
    reg.append(row("01/03/2026", "Rent", "-650"));
    reg.append(row("01/05/2026", "Pay", "1200.5"));
    reg.append(row("01/02/2026", "Coffee", "-4.50"));
    reg.append(row("01/02/2026", "Coffee", "-4.50"));
    reg[3].set(u"Memo", Value::text(u"bonus"));
    recalculateCheckbook(reg);
    carryBalance(reg, 4);
    reg[2].set(Key::Total, Value::text(u"300.00")); // typed into the cell by hand once
    return doc;
}

QByteArray bytesOf(const MyDocument &doc) { return *doc.dataRepresentationOfType(); }

struct Command {
    const char *what;
    std::function<void(MyDocument &)> run;
};

TEST(History, EveryKindOfStepUndoesAndRedoesToTheSameBytes)
{
    const Command commands[] = {
        {"an entry at the end", [](MyDocument &d) {
             d.edit(u"Enter"_s, [&] {
                 RecordPtr r = row("01/10/2026", "New", "-1.00");
                 r->set(Key::Total, Value::text(u"1465.26"));
                 d.addData(r, d.count());
                 d.updateChangeCount();
             });
         }},
        {"an entry after a row", [](MyDocument &d) {
             d.edit(u"Insert"_s, [&] {
                 d.addData(row("01/02/2026", "Tea", "-2.00"), 2);
                 d.recalculateBalances();
             });
         }},
        {"an amount edited in a cell", [](MyDocument &d) {
             d.edit(u"Edit Amount"_s, [&] {
                 d.setValue(1, Key::Amount, Value::text(u"-88.12"));
                 d.carryBalances(1);
             });
         }},
        {"a balance typed into a cell", [](MyDocument &d) {
             d.edit(u"Edit Balance"_s, [&] {
                 d.setValue(3, Key::Total, Value::text(u"5.00"));
                 d.carryBalances(4);
             });
         }},
        {"a description edited", [](MyDocument &d) {
             d.edit(u"Edit Description"_s, [&] { d.setValue(5, Key::DescriptionofTransaction, Value::text(u"Tea")); });
         }},
        {"a deletion", [](MyDocument &d) {
             d.edit(u"Delete"_s, [&] {
                 d.remData(d.objectAtIndex(4));
                 d.recalculateBalances();
             });
         }},
        {"an import", [](MyDocument &d) {
             importStatement(d, d.count(), parseStatement("1/11/2026,-3.00,,,A\n1/12/2026,4.00,,,B\n"), u"x.csv"_s);
         }},
        {"a sort", [](MyDocument &d) { sortByDate(d, QDate(2026, 5, 1)); }},
        {"a reconciled mark", [](MyDocument &d) {
             d.edit(u"Reconcile"_s, [&] { d.setValue(2, Key::EOMSeen, Value::text(u"1")); });
         }},
        {"an unknown key removed", [](MyDocument &d) {
             d.edit(u"Edit"_s, [&] { d.setValue(3, u"Memo", Value()); });
         }},
    };
    for (const Command &c : commands) {
        SCOPED_TRACE(c.what);
        auto doc = sessionDocument();
        const QByteArray before = bytesOf(*doc);
        const std::vector<RecordPtr> rowsBefore = doc->array()->rows();
        c.run(*doc);
        const QByteArray after = bytesOf(*doc);
        ASSERT_NE(after, before);
        const std::vector<RecordPtr> rowsAfter = doc->array()->rows();
        for (int round = 0; round < 2; ++round) {
            ASSERT_NE(doc->undo(), nullptr);
            EXPECT_EQ(bytesOf(*doc), before);
            EXPECT_EQ(doc->array()->rows(), rowsBefore) << "the same records, in the same order";
            ASSERT_NE(doc->redo(), nullptr);
            EXPECT_EQ(bytesOf(*doc), after);
            EXPECT_EQ(doc->array()->rows(), rowsAfter);
        }
        EXPECT_EQ(doc->redo(), nullptr);
    }
}

// The window's balances, worked out again as it opened, were stored as
// numbers over the file's texts: the next save wrote "2500.00" as "2500" on
// rows no step had touched, and an undo gave back the numbers, not the file.
TEST(History, ABalanceWorkedOutAgainChangesOnlyWhereTheMoneyDidAndKeepsItsForm)
{
    struct Form {
        const char *what;
        std::function<Value(Cents)> total;
        QStringList expected; // the Totals after the deletion and the import
    };
    const Form forms[] = {
        {"money text, as entry writes it", [](Cents c) { return Value::text(moneyText(c)); },
         {u"2500.00"_s, u"1250.00"_s, u"3071.24"_s, u"3066.74"_s, u"3063.74"_s, u"3067.74"_s}},
        {"the shortest text, as a file saved from numbers holds it", [](Cents c) { return Value::text(shortestDecimal(c)); },
         {u"2500"_s, u"1250"_s, u"3071.24"_s, u"3066.74"_s, u"3063.74"_s, u"3067.74"_s}},
        {"numbers", [](Cents c) { return Value::money(c); },
         {u"2500"_s, u"1250"_s, u"3071.24"_s, u"3066.74"_s, u"3063.74"_s, u"3067.74"_s}},
    };
    for (const Form &f : forms) {
        SCOPED_TRACE(f.what);
        MyDocument doc;
        doc.ensureRegister();
        Register &reg = *doc.array();
        Cents total = 0;
        for (auto [amount, description] : {std::pair("2500.00", "Opening"), {"-1250.00", "Rent"},
                                           {"-71.24", "Hy-Vee"}, {"1821.24", "Paycheck"}, {"-4.50", "Coffee"}}) {
            reg.append(row("11/01/2026", description, amount));
            total += leadingCents(QLatin1StringView(amount)).cents;
            reg.at(reg.count() - 1)->set(Key::Total, f.total(total));
        }
        const QByteArray opened = bytesOf(doc);
        std::vector<Value> totals;
        for (const RecordPtr &r : reg.rows())
            totals.push_back(r->value(Key::Total));
        recalculateCheckbook(reg); // as the window opens
        EXPECT_EQ(bytesOf(doc), opened);
        for (int i = 0; i < reg.count(); ++i)
            EXPECT_EQ(reg[i].value(Key::Total), totals[size_t(i)]) << "row " << i << " kept as it was";

        doc.edit(u"Delete"_s, [&] {
            doc.remData(doc.objectAtIndex(2));
            doc.recalculateBalances();
        });
        importStatement(doc, doc.count(), parseStatement("11/25/2026,-3.00,,,A\n11/26/2026,4.00,,,B\n"), u"x.csv"_s);
        QStringList shown;
        for (const RecordPtr &r : reg.rows())
            shown << r->value(Key::Total).toString();
        EXPECT_EQ(shown, f.expected) << "moved balances in the register's form, new ones in the form above";
        EXPECT_EQ(reg[0].value(Key::Total), totals[0]);
        EXPECT_EQ(reg[1].value(Key::Total), totals[1]);
        doc.undo();
        doc.undo();
        EXPECT_EQ(bytesOf(doc), opened);
    }
    // "12.34" is written alike in both texts: the first Total that tells
    // ("20", the shortest text) says which the first row moves into.
    Register reg;
    for (auto [amount, total] : {std::pair("12.34", "12.34"), {"7.66", "20"}}) {
        reg.append(row("11/01/2026", "A", amount));
        reg.at(reg.count() - 1)->set(Key::Total, Value::text(QLatin1StringView(total)));
    }
    reg[0].set(Key::Amount, Value::text(u"12.30"));
    recalculateCheckbook(reg);
    EXPECT_EQ(reg[0].value(Key::Total), Value::text(u"12.3"));
    EXPECT_EQ(reg[1].value(Key::Total), Value::text(u"19.96"));
}

TEST(History, AMixedSessionEndsWhereItShould)
{
    auto doc = sessionDocument();
    MyDocument &d = *doc;
    std::vector<QByteArray> states{bytesOf(d)};
    RecordPtr tea = row("01/04/2026", "Tea", "-2.00");
    d.edit(u"Insert \u201cTea\u201d"_s, [&] {
        d.addData(tea, 1);
        d.recalculateBalances();
    });
    states.push_back(bytesOf(d));
    d.edit(u"Edit Amount"_s, [&] {
        d.setValue(1, Key::Amount, Value::text(u"-3.00"));
        d.carryBalances(1);
    });
    states.push_back(bytesOf(d));
    sortByDate(d, QDate(2026, 5, 1));
    states.push_back(bytesOf(d));
    d.edit(u"Delete \u201cTea\u201d"_s, [&] {
        d.remData(tea);
        d.recalculateBalances();
    });
    states.push_back(bytesOf(d));
    EXPECT_EQ(d.history().undoName(), u"Delete \u201cTea\u201d"_s);

    for (int i = 0; i < 3; ++i)
        d.undo();
    EXPECT_EQ(bytesOf(d), states[1]);
    EXPECT_EQ(d.history().redoName(), u"Edit Amount"_s);
    d.redo();
    d.redo();
    EXPECT_EQ(bytesOf(d), states[3]);
    EXPECT_EQ(d.history().undoName(), sortStepName());
    EXPECT_EQ(d.array()->indexOf(tea.get()) >= 0, true) << "the record undone back is the same record";

    // A new change forgets what could have been redone.
    d.edit(u"Edit Description"_s, [&] { d.setValue(0, Key::DescriptionofTransaction, Value::text(u"Start")); });
    EXPECT_FALSE(d.history().canRedo());
    for (int i = 0; i < 4; ++i)
        d.undo();
    EXPECT_EQ(bytesOf(d), states[0]);
    EXPECT_FALSE(d.history().canUndo());
}

TEST(History, TheModifiedMarkFollowsTheHistory)
{
    QTemporaryDir dir;
    auto doc = sessionDocument();
    MyDocument &d = *doc;
    auto describe = [&](const char *text) {
        d.edit(u"Edit Description"_s, [&] { d.setValue(1, Key::DescriptionofTransaction, Value::text(
                                                              QLatin1StringView(text))); });
    };
    describe("A");
    ASSERT_TRUE(d.saveToFile(dir.filePath(u"r.ldgr"_s), nullptr));
    EXPECT_FALSE(d.isDocumentEdited());
    describe("B");
    EXPECT_TRUE(d.isDocumentEdited());
    d.undo();
    EXPECT_FALSE(d.isDocumentEdited()) << "back where it was saved";
    d.undo();
    EXPECT_TRUE(d.isDocumentEdited()) << "before what was saved";
    d.redo();
    EXPECT_FALSE(d.isDocumentEdited());
    d.redo();
    EXPECT_TRUE(d.isDocumentEdited());

    // Saved, then undone, then changed anew: the saved state is out of reach.
    ASSERT_TRUE(d.saveToFile(dir.filePath(u"r.ldgr"_s), nullptr));
    d.undo();
    describe("C");
    d.undo();
    EXPECT_TRUE(d.isDocumentEdited());
    EXPECT_TRUE(d.history().canRedo());

    // Reverting to the saved file starts the history afresh.
    ASSERT_TRUE(d.revertToSaved(nullptr));
    EXPECT_FALSE(d.history().canUndo());
    EXPECT_FALSE(d.history().canRedo());
}

TEST(History, EditsOutsideAStepAreStepsOfTheirOwn)
{
    MyDocument d;
    d.addData(row("", "A", "1"), 0);
    d.addData(row("", "B", "2"), 1);
    EXPECT_EQ(d.history().undoName(), u"Change"_s);
    d.undo();
    d.undo();
    EXPECT_EQ(d.count(), 0);
    EXPECT_FALSE(d.isDocumentEdited());
}

// Two amounts of 90071992547409.92 showed a balance of 90071992547409.92:
// held at the limit without a word.
TEST(History, ABalanceBeyondTheLimitIsRefusedAndChangesNothing)
{
    const QString big = u"90071992547409.92"_s;
    auto doc = sessionDocument();
    MyDocument &d = *doc;
    const QByteArray before = bytesOf(d);
    const int changes = d.changeCount();
    const QString refusal = d.edit(u"Edit Amount"_s, [&] {
        d.setValue(0, Key::Amount, Value::text(big));
        d.carryBalances(0);
        d.updateChangeCount();
    });
    EXPECT_TRUE(refusal.startsWith(u"row 4: the balance after it would be 90071992547889.18, beyond the 90 trillion "_s))
        << refusal.toStdString();
    EXPECT_EQ(bytesOf(d), before);
    EXPECT_EQ(d.changeCount(), changes);
    EXPECT_FALSE(d.history().canUndo());

    // A statement that would do it names its line.
    const QByteArray line = "1/1," + big.toLatin1() + ",,,A\n";
    const ImportResult r = importStatement(d, d.count(), parseStatement(line), u"x.csv"_s);
    EXPECT_EQ(r.error, u"line 1: the balance after it would be 90071992548880.18, beyond the 90 trillion dollars "
                       "Cheqbook can keep track of; nothing was imported"_s);
    EXPECT_EQ(bytesOf(d), before);

    // So does a sort that would pass through one.
    MyDocument s;
    s.ensureRegister();
    s.array()->append(row("1/1/2026", "Opening", "0"));
    s.array()->append(row("1/3/2026", "In", "90071992547409.92"));
    s.array()->append(row("1/4/2026", "Out", "-90071992547409.92"));
    s.array()->append(row("1/2/2026", "In", "90071992547409.92"));
    recalculateCheckbook(*s.array());
    const QByteArray unsorted = bytesOf(s);
    EXPECT_TRUE(sortByDate(s, QDate(2026, 5, 1)).startsWith(u"row 3: "_s));
    EXPECT_EQ(bytesOf(s), unsorted);

    // And a file holding such a register is not opened.
    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(u"big.ldgr"_s), "({Amount = " + big.toLatin1() + ";}, {Amount = "
                                                                     + big.toLatin1() + ";})");
    EXPECT_EQ(readRegisterFile(path).error, path + u": row 2: the balance after it would be 180143985094819.84, beyond "
                                            "the 90 trillion dollars Cheqbook can keep track of"_s);
}

TEST(History, ASortKeepsItsOrderNotACopyOfTheRegister)
{
    MyDocument d;
    d.ensureRegister();
    constexpr int kRows = 200000;
    for (int i = 0; i < kRows; ++i)
        d.array()->append(row(i % 2 ? "1/2/2026" : "1/1/2026", "x", "1"));
    recalculateCheckbook(*d.array());
    for (int i = 0; i < 10; ++i)
        sortByDate(d, QDate(2026, 5, 1));
    EXPECT_LT(d.history().size(), size_t(10) * kRows * 5) << "about an int a row for each sort";
}

} // namespace
