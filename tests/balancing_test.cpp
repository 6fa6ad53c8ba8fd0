// Month-end balancing and the new-year rollover.

#include "Reconciliation.h"
#include "RegisterFile.h"
#include "Rollover.h"
#include "RunningBalance.h"

#include <QFile>
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
    EXPECT_EQ(reconciledSumText(-1250), u"$-12.50"_s);
    EXPECT_EQ(reconciledSumText(123450), u"$1234.50"_s);
    EXPECT_EQ(reconciledSumText(0), u"$0.00"_s);
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
    EXPECT_EQ(writeRolloverFile(path, Register()), kNothingToRollOverMessage.toString());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(carriedBalance(Register()), 0);
}

} // namespace
