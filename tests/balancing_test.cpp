// Month-end balancing and the new-year rollover.

#include "Reconciliation.h"
#include "ReconciliationReport.h"
#include "RegisterFile.h"
#include "Rollover.h"
#include "RunningBalance.h"

#include <QFile>
#include <QDate>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

RecordPtr row(Value amount, Value eomSeen = {})
{
    RecordPtr r = makeRecord();
    r->set(Key::Amount, std::move(amount));
    r->set(Key::EOMSeen, std::move(eomSeen));
    return r;
}

Value text(const char16_t *s) { return Value::text(s); }

TEST(Balancing, MatchesTheLowestUnreconciledRowToTheCent)
{
    Register reg({row(text(u"100.00")), row(text(u"-12.34"), text(u"1")), row(text(u"-12.34")),
                  row(Value::money(-1234)), row(text(u"abc")), row(Value::real(12.340000152587890625))});
    EXPECT_EQ(matchStatementAmount(reg, -1234), 2) << "row 1 is reconciled already";
    markReconciled(reg[2]);
    EXPECT_EQ(reg[2].value(Key::EOMSeen), text(u"1"));
    EXPECT_EQ(matchStatementAmount(reg, -1234), 3) << "an imported money amount matches typed text";
    markReconciled(reg[3]);
    EXPECT_EQ(matchStatementAmount(reg, -1234), -1);
    EXPECT_EQ(matchStatementAmount(reg, 10000), 0) << "the opening row takes part";
    EXPECT_EQ(matchStatementAmount(reg, 0), 4) << "an Amount that is no number counts as 0.00";
    EXPECT_EQ(matchStatementAmount(reg, 1234), 5);
    EXPECT_EQ(matchStatementAmount(reg, 1235), -1) << "no tolerance";
    EXPECT_EQ(matchStatementAmount(Register(), 100), -1);
}

// A statement's "-1,450.00" was read as -1 and reconciled an unrelated -1.00 row.
TEST(Balancing, TypedAmountsAreReadAsEntryReadsThem)
{
    const struct {
        const char16_t *typed;
        Cents cents;
        const char16_t *error;
    } cases[] = {
        {u"-1,450.00", -145000, u""},  {u"$-200.00", -20000, u""},   {u"-$200", -20000, u""},
        {u"(12.34)", -1234, u""},      {u" 12.5 ", 1250, u""},       {u"0", 0, u""},
        {u"abc", 0, u"\u201cabc\u201d is not an amount"},
        {u"", 0, u"Type an amount from the statement, like -12.34"},
        {u"99999999999999999", 0, u"\u201c99999999999999999\u201d is more than I can keep track of"},
    };
    for (const auto &c : cases) {
        const TypedStatementAmount t = readStatementAmount(QStringView(c.typed).toString());
        EXPECT_EQ(t.error, QStringView(c.error).toString()) << QStringView(c.typed).toString().toStdString();
        if (t.error.isEmpty()) {
            EXPECT_EQ(t.cents, c.cents) << QStringView(c.typed).toString().toStdString();
        }
    }
    Register reg({row(text(u"100.00")), row(text(u"-1.00")), row(text(u"-1450.00"))});
    EXPECT_EQ(matchStatementAmount(reg, readStatementAmount(u"-1,450.00"_s).cents), 2);
}

TEST(Balancing, ReconciledSumInCents)
{
    Register reg({row(text(u"0.10"), text(u"1")), row(text(u"0.20"), text(u"1")), row(text(u"5.00")),
                  row(Value::money(-1250), Value::int32(1))});
    EXPECT_EQ(reconciledSum(reg), 10 + 20 - 1250);
    // Shown as every other amount is: the "$" of the drawer alone is gone.
    EXPECT_EQ(reconciledSumText(-1250), u"-12.50"_s);
    EXPECT_EQ(reconciledSumText(123450), u"1234.50"_s);
    EXPECT_EQ(reconciledSumText(0), u"0.00"_s);
    EXPECT_EQ(reconciledSumText(-1250, u','), u"-12,50"_s);
}

TEST(Balancing, RandBetweenFollowsTheUnseededSequence)
{
    srandom(1); // the state random() starts in when nothing seeds it
    EXPECT_EQ(randBetween(0, 10), 0x1.896faep+2f);
    EXPECT_EQ(randBetween(10, 0), 0x1.133ebp+3f) << "bounds in either order";
    EXPECT_EQ(randBetween(3, -5), -0x1.af04p-6f);
    srandom(1);
    EXPECT_EQ(drawBalancingBegunMessage(), kBalancingBegunMessage);
    EXPECT_EQ(drawBalancingBegunMessage(), kBalancingThanksMessage);
    EXPECT_EQ(balancingBegunMessage(8.0f), kBalancingBegunMessage);
    EXPECT_EQ(balancingBegunMessage(std::nextafter(8.0f, 9.0f)), kBalancingThanksMessage);
    EXPECT_EQ(kBalancingDoneMessage.size(), 42);
}

// --- Rollover -----------------------------------------------------------

// 100 (not reconciled), -30 (reconciled), -20 (not reconciled), last Total 50.
Register workedExample()
{
    Register reg({row(text(u"100")), row(text(u"-30"), text(u"1")), row(text(u"-20"))});
    reg[2].set(Key::Total, text(u"50"));
    return reg;
}

TEST(Rollover, CarriesTheBalanceAndTheUnreconciledRows)
{
    const Register reg = workedExample();
    EXPECT_EQ(carriedBalance(reg), -3000);
    const std::vector<RecordPtr> list = rolloverList(reg);
    ASSERT_EQ(list.size(), 3u);
    const Record &opening = *list[0];
    EXPECT_EQ(opening.keyCount(), 5);
    EXPECT_EQ(opening.value(Key::CheckNumber), text(u" "));
    EXPECT_EQ(opening.value(Key::Date), text(u" "));
    EXPECT_EQ(opening.value(Key::DescriptionofTransaction), text(u"Initial"));
    EXPECT_EQ(opening.value(Key::Amount), text(u"-30.00"));
    EXPECT_EQ(opening.value(Key::Total), text(u"-30.00"));
    EXPECT_EQ(list[1], reg.at(0)) << "the register's own records";
    EXPECT_EQ(list[2], reg.at(2));

    QTemporaryDir dir;
    const QString path = dir.filePath(u"2025.ldgr"_s);
    ASSERT_EQ(writeRolloverFile(path, reg), QString());
    RegisterReadResult reopened = readRegisterFile(path);
    ASSERT_TRUE(reopened.ok()) << reopened.error.toStdString();
    Register next(std::move(reopened.rows));
    recalculateCheckbook(next);
    std::vector<Cents> totals;
    for (const RecordPtr &r : next.rows())
        totals.push_back(r->value(Key::Total).centsOrZero());
    EXPECT_EQ(totals, (std::vector<Cents>{-3000, 7000, 5000}));
    EXPECT_EQ(reg[2].value(Key::Total), text(u"50")) << "the open register is not touched";
}

TEST(Rollover, AllReconciledLeavesTheOpeningRowAlone)
{
    Register reg({row(text(u"10"), text(u"1")), row(text(u"-3.456"), text(u"1"))});
    reg[1].set(Key::Total, text(u"-3.456"));
    const std::vector<RecordPtr> list = rolloverList(reg);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->value(Key::Total), text(u"-3.46"));
}

TEST(Rollover, NothingIsWrittenWhenItCannotBe)
{
    QTemporaryDir dir;
    const QString noFolder = dir.filePath(u"gone/2025.ldgr"_s);
    EXPECT_TRUE(writeRolloverFile(noFolder, workedExample()).startsWith(u"2025.ldgr could not be written"));
    const QString path = dir.filePath(u"empty.ldgr"_s);
    EXPECT_EQ(writeRolloverFile(path, Register()), nothingToRollOverMessage());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(carriedBalance(Register()), 0);
}

} // namespace

namespace {

RecordPtr txn(const char *date, const char *description, const char *amount, bool reconciled = false)
{
    RecordPtr r = makeRecord();
    r->set(Key::Date, Value::text(QLatin1StringView(date)));
    r->set(Key::DescriptionofTransaction, Value::text(QLatin1StringView(description)));
    r->set(Key::Amount, Value::text(QLatin1StringView(amount)));
    if (reconciled)
        r->set(Key::EOMSeen, Value::text(u"1"));
    return r;
}

const QDate kToday(2026, 12, 7);

// January's statement finished; February's being balanced.
std::unique_ptr<MyDocument> twoMonths()
{
    auto doc = std::make_unique<MyDocument>();
    doc->ensureRegister();
    for (RecordPtr r : {txn("01/01/2026", "Opening", "1000.00"), txn("01/05/2026", "Rent", "-100.00", true),
                        txn("02/03/2026", "Pay", "500.00", true), txn("02/10/2026", "Gas", "-50.00", true),
                        txn("02/20/2026", "Books", "-30.00"), txn("03/02/2026", "Late", "-20.00")})
        doc->array()->append(r);
    (*doc->array())[1].set(kStatementDateKey, Value::text(u"01/31/2026"));
    (*doc->array())[1].set(kStatementBalanceKey, Value::text(u"900.00"));
    recalculateCheckbook(*doc->array());
    return doc;
}

} // namespace

TEST(Statement, TheClearedBalanceCountsTheOpeningRowAndEveryReconciledRow)
{
    auto doc = twoMonths();
    MyDocument &d = *doc;
    EXPECT_EQ(clearedBalance(*d.array()), 100000 - 10000 + 50000 - 5000);
    setReconciled(d, 4, true);
    EXPECT_EQ(clearedBalance(*d.array()), 132000);
    setReconciled(d, 0, true);
    EXPECT_EQ(clearedBalance(*d.array()), 132000) << "the opening row counts once, marked or not";
    d.undo();
    d.undo();
    EXPECT_EQ(clearedBalance(*d.array()), 135000);
    d.edit(u"Edit Amount"_s, [&] {
        d.setValue(3, Key::Amount, Value::text(u"-60.00"));
        d.carryBalances(3);
    });
    EXPECT_EQ(clearedBalance(*d.array()), 134000);

    // A new year's register starts cleared as far as its opening row goes.
    Register next(rolloverList(*d.array()));
    EXPECT_EQ(clearedBalance(next), next[0].value(Key::Amount).centsOrZero());
    EXPECT_EQ(clearedBalance(Register()), 0);
}

// A transaction written after the statement's date was matched by its amount.
TEST(Statement, AClosingDateKeepsLaterRowsFromMatching)
{
    Register reg({txn("02/01/2026", "Opening", "0"), txn("03/02/2026", "After", "-20.00"),
                  txn("pending", "Undated", "-20.00"), txn("02/27/2026", "Before", "-20.00")});
    EXPECT_EQ(matchStatementAmount(reg, -2000), 1) << "without a date the lowest row wins";
    EXPECT_EQ(matchStatementAmount(reg, -2000, QDate(2026, 2, 28), kToday), 2) << "an undated row still matches";
    markReconciled(reg[2]);
    EXPECT_EQ(matchStatementAmount(reg, -2000, QDate(2026, 2, 28), kToday), 3);
}

TEST(Statement, FinishingRecordsTheStatementOnTheRowsItCleared)
{
    auto doc = twoMonths();
    MyDocument &d = *doc;
    EXPECT_EQ(rowsClearedSinceLastStatement(*d.array()), (std::vector<int>{2, 3}));
    ASSERT_EQ(finishStatement(d, QDate(2026, 2, 28), 135000), 2);
    EXPECT_EQ(d.history().undoName(), u"Finish Statement of 02/28/2026"_s);
    EXPECT_TRUE(rowsClearedSinceLastStatement(*d.array()).empty());
    const std::vector<RecordedStatement> finished = recordedStatements(*d.array());
    ASSERT_EQ(finished.size(), 2u);
    EXPECT_EQ(finished[1].date, QDate(2026, 2, 28));
    EXPECT_EQ(finished[1].balance, 135000);
    EXPECT_EQ(finishStatement(d, QDate(2026, 3, 31), 0), 0) << "nothing cleared since: nothing recorded";

    // Kept in the file as two plain keys, read back as they were.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"r.ldgr"_s);
    ASSERT_TRUE(d.saveToFile(path, nullptr));
    const QByteArray saved = readFile(path);
    EXPECT_TRUE(saved.contains("StatementBalance = 1350.00; StatementDate = 02/28/2026;")) << saved.toStdString();
    MyDocument reopened;
    ASSERT_TRUE(reopened.readFromFile(path, u"ldgr", nullptr));
    EXPECT_EQ(recordedStatements(*reopened.array()).size(), 2u);

    // Taking a row's mark away takes it out of its statement too.
    setReconciled(d, 2, false);
    EXPECT_FALSE(d.objectAtIndex(2)->contains(kStatementDateKey));
    d.undo();
    EXPECT_TRUE(belongsToStatement(*d.objectAtIndex(2), recordedStatements(*d.array())[1]));
}

// A month worked out by hand: January's statement (01/31, 900.00) cleared the
// rent; February's (02/28, 1350.00) clears the pay and the gas; the books
// (02/20) are outstanding and the late row (03/02) is after the statement.
TEST(Statement, TheReconciliationReportAddsUp)
{
    auto doc = twoMonths();
    const Register &reg = *doc->array();
    const ReconciliationReport feb = currentReconciliation(reg, {QDate(2026, 2, 28), 135000}, kToday);
    EXPECT_EQ(feb.previousDate, QDate(2026, 1, 31));
    EXPECT_EQ(feb.previousCleared, 90000);
    EXPECT_EQ(feb.depositCount, 1);
    EXPECT_EQ(feb.deposits, 50000);
    EXPECT_EQ(feb.withdrawalCount, 1);
    EXPECT_EQ(feb.withdrawals, -5000);
    EXPECT_EQ(feb.clearedBalance, 135000);
    ASSERT_EQ(feb.outstanding.size(), 1u);
    EXPECT_EQ(feb.outstanding[0].description, u"Books"_s);
    EXPECT_EQ(feb.outstandingTotal, -3000);
    EXPECT_EQ(feb.registerBalance, 132000);
    EXPECT_EQ(feb.difference, 0);

    const ReconciliationReport jan = finishedReconciliation(reg, recordedStatements(reg)[0], kToday);
    EXPECT_EQ(jan.previousDate, std::nullopt);
    EXPECT_EQ(jan.previousCleared, 100000) << "the opening balance";
    EXPECT_EQ(jan.withdrawals, -10000);
    EXPECT_EQ(jan.clearedBalance, 90000);
    EXPECT_TRUE(jan.outstanding.empty());
    EXPECT_EQ(jan.registerBalance, 90000);
    EXPECT_EQ(jan.difference, 0);

    const QString text = reconciliationText(feb, u"r.ldgr"_s);
    for (const char *line : {"Statement balance                                1350.00",
                             "Previous cleared balance (01/31/2026)             900.00",
                             "Cleared balance                                  1350.00",
                             "Outstanding (1)                                   -30.00",
                             "Register balance                                 1320.00",
                             "Difference                                          0.00",
                             "02/20/2026 |          | Books                                |       -30.00"})
        EXPECT_TRUE(text.contains(QLatin1StringView(line))) << line << "\n" << text.toStdString();
}

// `reconciliation --statement-balance 900.00 --date 01/31/2026` for January,
// finished, reported nothing cleared by it; the balance alone printed "As the
// register stands, with no statement" above a statement balance.
TEST(Statement, AFinishedStatementAskedForAgainIsReportedAsFinishRecordedIt)
{
    auto doc = twoMonths();
    const Register &reg = *doc->array();
    const RecordedStatement january = recordedStatements(reg)[0];
    const QString finished = reconciliationText(finishedReconciliation(reg, january, kToday), u"r.ldgr"_s);
    struct Case {
        const char *asked;
        BankStatement statement;
        bool isJanuary;
    };
    const Case cases[] = {
        {"nothing: the last finished", {}, true},
        {"its date and balance", {QDate(2026, 1, 31), 90000}, true},
        {"its date alone", {QDate(2026, 1, 31), std::nullopt}, true},
        // February's rows were reconciled since: a balance alone is February's.
        {"its balance alone, rows reconciled since", {std::nullopt, 90000}, false},
        {"another date", {QDate(2026, 2, 28), 135000}, false},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.asked);
        const QString text = reconciliationText(reconciliationFor(reg, k.statement, kToday), u"r.ldgr"_s);
        EXPECT_EQ(text == finished, k.isJanuary) << text.toStdString();
        EXPECT_FALSE(text.contains(u"with no statement"_s));
    }
    // Nothing reconciled since January: its balance alone is January.
    auto before = twoMonths();
    for (int row : {2, 3})
        setReconciled(*before, row, false);
    EXPECT_EQ(reconciliationFor(*before->array(), {std::nullopt, 90000}, kToday).cleared.size(), 1u);
    const QString balanceOnly =
        reconciliationText(reconciliationFor(reg, {std::nullopt, 135000}, kToday), u"r.ldgr"_s);
    EXPECT_TRUE(balanceOnly.contains(u"Statement with no closing date given"_s)) << balanceOnly.toStdString();
}

// The opening row counts in the cleared balance yet showed nowhere in the
// report: it is shown as what it is until a statement has taken it in.
TEST(Statement, TheReportShowsTheOpeningBalanceAsCleared)
{
    auto doc = twoMonths();
    const Register &reg = *doc->array();
    const QString opening = u"Opening balance 1000.00 (01/01/2026 \u201cOpening\u201d), cleared as the balance the "
                            "bank held"_s;
    const QString january =
        reconciliationText(finishedReconciliation(reg, recordedStatements(reg)[0], kToday), u"r.ldgr"_s);
    EXPECT_TRUE(january.contains(opening)) << january.toStdString();
    EXPECT_FALSE(january.contains(u"| Opening"_s)) << "listed neither as cleared by it nor as outstanding";
    const QString february =
        reconciliationText(currentReconciliation(reg, {QDate(2026, 2, 28), 135000}, kToday), u"r.ldgr"_s);
    EXPECT_FALSE(february.contains(u"Opening balance"_s)) << "January's cleared balance holds it";
    const QString asItStands = reconciliationText(currentReconciliation(reg, {}, kToday), u"r.ldgr"_s);
    EXPECT_FALSE(asItStands.contains(u"Opening balance"_s)) << "January's cleared balance holds it";
}
