// Values, money and the running balance.

#include "Record.h"
#include "Register.h"
#include "RunningBalance.h"
#include "Value.h"

#include <QStringList>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

Value text(const char *s) { return Value::text(QString::fromUtf8(s)); }

struct Reading {
    const char *text;
    double asDouble;
    int asInt;
};

TEST(Value, TextReadsItsLeadingNumber)
{
    const Reading cases[] = {
        {"12.50", 12.5, 12},        {"-40.00", -40, -40},   {" 7", 7, 7},           {"\t+3.5x", 3.5, 3},
        {"12abc", 12, 12},          {"$12.00", 0, 0},       {"1,234.56", 1, 1},     {"", 0, 0},
        {" ", 0, 0},                {"abc", 0, 0},          {".5", 0.5, 0},         {"5.", 5, 5},
        {"1e3", 1000, 1},           {"1e", 1, 1},           {"-", 0, 0},            {"12.9", 12.9, 12},
        {"-12.9", -12.9, -12},      {"0x10", 0, 0},         {"inf", 0, 0},          {"nan", 0, 0},
        {"99999999999", 99999999999.0, std::numeric_limits<int>::max()},
        {"-99999999999", -99999999999.0, std::numeric_limits<int>::min()},
    };
    for (const Reading &c : cases) {
        SCOPED_TRACE(c.text);
        const Value v = text(c.text);
        EXPECT_EQ(v.doubleValue(), c.asDouble);
        EXPECT_EQ(v.intValue(), c.asInt);
        EXPECT_EQ(v.toString(), QString::fromUtf8(c.text));
    }
    EXPECT_EQ(text("1e400").doubleValue(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(text("-1e400").doubleValue(), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(text("1e-400").doubleValue(), 0.0);
}

TEST(Value, NumbersKeepTheirKindAndTextForm)
{
    EXPECT_EQ(Value::money(7450).toString(), u"74.5");
    EXPECT_EQ(Value::money(6425).toString(), u"64.25");
    EXPECT_EQ(Value::money(10000).toString(), u"100");
    EXPECT_EQ(Value::money(20000001).toString(), u"200000.01");
    EXPECT_EQ(Value::money(1234567800).toString(), u"12345678");
    EXPECT_EQ(Value::money(-1).toString(), u"-0.01");
    EXPECT_EQ(Value::money(12345678).toString(), u"123456.78");
    EXPECT_EQ(Value::money(12345678).doubleValue(), 123456.78);
    EXPECT_EQ(Value::money(-1299).intValue(), -12);
    EXPECT_EQ(Value::int32(1).toString(), u"1");
    EXPECT_EQ(Value::integer(-42).toString(), u"-42");
    EXPECT_EQ(Value::real(1234.56).toString(), u"1234.56");
    EXPECT_EQ(Value::real(0.1 + 0.2).toString(), u"0.3");
    EXPECT_EQ(Value::real(1e20).toString(), u"1e+20");
    EXPECT_EQ(Value::real(1e300).intValue(), std::numeric_limits<int>::max());
    EXPECT_EQ(Value::real(std::nan("")).intValue(), 0);
    EXPECT_EQ(Value::real(std::nan("")).toString(), u"nan");

    // The text 12.00 and the number 12 read alike but are written differently.
    EXPECT_EQ(text("12.00").doubleValue(), Value::money(1200).doubleValue());
    EXPECT_NE(text("12.00").toString(), Value::money(1200).toString());
    EXPECT_FALSE(text("12.00") == Value::money(1200));
}

TEST(Value, AbsentReadsAsZero)
{
    const Value none;
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(none.doubleValue(), 0);
    EXPECT_EQ(none.intValue(), 0);
    EXPECT_EQ(none.cents().status, NumberStatus::NotANumber);
    EXPECT_EQ(none.centsOrZero(), 0);
    EXPECT_EQ(none.toString(), QString());
}

TEST(Value, TextOfEveryLengthAndAlphabetSurvives)
{
    const QString samples[] = {
        u""_s, u"x"_s, u"15 chars exact!"_s, u"sixteen chars ok"_s, u"Caf\u00e9"_s,
        u"a long Latin-1 description \u00e9\u00e8 with accents"_s, u"\u20ac 12 \U0001F600 emoji"_s,
    };
    for (const QString &s : samples) {
        const Value v = Value::text(s);
        EXPECT_EQ(v.toString(), s);
        EXPECT_EQ(v.textLength(), s.size());
        Value copy = v;
        Value moved = std::move(copy);
        EXPECT_EQ(moved, v);
        moved = Value::money(1);
        EXPECT_EQ(v.toString(), s) << "a copy must not share changes";
    }
}

TEST(Money, CentsAreRoundedFromTheDecimalDigits)
{
    struct Case {
        const char *text;
        NumberStatus status;
        Cents cents;
    } cases[] = {
        {"12.345", NumberStatus::Ok, 1235},    {"12.3449", NumberStatus::Ok, 1234},
        {"-0.005", NumberStatus::Ok, -1},      {"-0.004", NumberStatus::Ok, 0},
        {"0.015", NumberStatus::Ok, 2},        {"999999.99", NumberStatus::Ok, 99999999},
        {"131072.01", NumberStatus::Ok, 13107201}, {"1000000.07", NumberStatus::Ok, 100000007},
        {"1e2", NumberStatus::Ok, 10000},      {"1.5e-2", NumberStatus::Ok, 2},
        {"00012.50", NumberStatus::Ok, 1250},  {"abc", NumberStatus::NotANumber, 0},
        {"90071992547409.92", NumberStatus::Ok, kMaxCents},
        {"90071992547409.93", NumberStatus::OutOfRange, kMaxCents},
        {"-1e15", NumberStatus::OutOfRange, -kMaxCents},
        {"1e999999999999999999", NumberStatus::OutOfRange, kMaxCents},
        {"1e-999999999999999999", NumberStatus::Ok, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const CentsReading r = text(c.text).cents();
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.cents, c.cents);
    }
    // A double is rounded from the text it shows, so that saving it as that
    // text cannot move it by a cent (1.0049999999999997 shows as 1.005).
    for (double d : {12.345, 1.0049999999999997, 9.995, 0.1 + 0.2, -2.675, 90071992547409.92, 1e-5}) {
        const Value v = Value::real(d);
        EXPECT_EQ(v.cents().cents, leadingCents(QStringView(v.toString())).cents) << v.toString().toStdString();
    }
    EXPECT_EQ(Value::real(12.345).cents().cents, 1235);
    EXPECT_EQ(Value::real(1.0049999999999997).cents().cents, 101);
    EXPECT_EQ(Value::real(std::numeric_limits<double>::infinity()).cents().status, NumberStatus::OutOfRange);
    EXPECT_EQ(Value::real(std::nan("")).cents().status, NumberStatus::OutOfRange);
    EXPECT_EQ(Value::integer(std::numeric_limits<qint64>::max()).cents().status, NumberStatus::OutOfRange);
}

TEST(Money, TypedAmountsTakeCurrencySignsGroupingAndParentheses)
{
    struct Case {
        const char *text;
        NumberStatus status;
        Cents cents;
    } cases[] = {
        {"12.34", NumberStatus::Ok, 1234},       {"$12.00", NumberStatus::Ok, 1200},
        {"-$12.00", NumberStatus::Ok, -1200},    {"$-12.00", NumberStatus::Ok, -1200},
        {"(12.34)", NumberStatus::Ok, -1234},    {"($1,234.56)", NumberStatus::Ok, -123456},
        {"1,234.56", NumberStatus::Ok, 123456},  {"1,234,567", NumberStatus::Ok, 123456700},
        {"12,50", NumberStatus::Ok, 1200},       {" \u20ac5", NumberStatus::Ok, 500},
        {"abc", NumberStatus::NotANumber, 0},    {"", NumberStatus::NotANumber, 0},
        {"$", NumberStatus::NotANumber, 0},      {"--5", NumberStatus::NotANumber, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const CentsReading r = typedAmountCents(QString::fromUtf8(c.text));
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.cents, c.cents);
    }
}

TEST(Money, MoneyTextHasTwoDecimals)
{
    EXPECT_EQ(moneyText(-4525), u"-45.25");
    EXPECT_EQ(moneyText(0), u"0.00");
    EXPECT_EQ(moneyText(-1), u"-0.01");
    EXPECT_EQ(moneyText(100000000), u"1000000.00");
    EXPECT_EQ(moneyText(kMaxCents), u"90071992547409.92");
    EXPECT_EQ(moneyText(-kMaxCents), u"-90071992547409.92");
    // Every count of digits, at its edges.
    for (Cents c = 1; c <= kMaxCents / 10; c *= 10)
        for (const Cents edge : {c - 1, c, c + 1, -c - 1}) {
            const long long units = std::llabs(edge);
            EXPECT_EQ(moneyText(edge), QString::asprintf("%s%lld.%02lld", edge < 0 ? "-" : "", units / 100, units % 100));
        }
}

TEST(Record, KeysComeInAscendingOrderWithUnknownKeysKept)
{
    Record r;
    r.set(Key::Total, Value::money(1));
    r.set(u"Zebra", text("z"));
    r.set(Key::Amount, text("1.00"));
    r.set(u"Category", text("c"));
    r.set(u"aLower", text("l"));
    r.set(Key::DescriptionofTransaction, text("d"));
    QStringList order;
    r.forEachKey([&](QStringView key, const Value &) { order << key.toString(); });
    EXPECT_EQ(order, (QStringList{u"Amount"_s, u"Category"_s, u"DescriptionofTransaction"_s, u"Total"_s,
                                  u"Zebra"_s, u"aLower"_s}));
    EXPECT_EQ(r.keyCount(), 6);
    EXPECT_EQ(r.value(u"Category").toString(), u"c");
    EXPECT_EQ(&r.value(u"Amount"), &r.value(Key::Amount));
    r.remove(u"Category");
    r.set(u"Zebra", Value());
    EXPECT_FALSE(r.contains(u"Category"));
    EXPECT_EQ(r.keyCount(), 4);

    const Record copy = r;
    EXPECT_TRUE(copy.sameContents(r));
    r.set(u"aLower", text("changed"));
    EXPECT_FALSE(copy.sameContents(r));
}

// Readers store a record's other keys all at once; that must come to the
// same as storing them one by one, whatever the order, repeats and removals.
TEST(Record, SetManyIsSetForEachInTurn)
{
    const std::vector<std::pair<QString, Value>> entries = {
        {u"Zeta"_s, text("z1")}, {u"Alpha"_s, text("a")},  {u"Zeta"_s, text("z2")},    {u"Gone"_s, Value()},
        {u"Amount"_s, text("5")}, {u"Held"_s, text("new")}, {u"Mid"_s, text("m")},    {u"Alpha"_s, Value()},
        {u"Late"_s, Value()},     {u"Late"_s, text("l")},   {u"é"_s, text("e")}, {u""_s, text("empty")},
    };
    for (bool holdingKeys : {false, true}) {
        Record oneByOne, atOnce;
        if (holdingKeys) {
            for (const char16_t *k : {u"Held", u"Gone", u"Beta", u"Zz"})
                oneByOne.set(QStringView(k), text("old"));
            atOnce = oneByOne;
        }
        for (const auto &[key, value] : entries)
            oneByOne.set(QStringView(key), value);
        atOnce.setMany(entries);
        QStringList a, b;
        oneByOne.forEachKey([&](QStringView k, const Value &v) { a << k.toString() + u'=' + v.toString(); });
        atOnce.forEachKey([&](QStringView k, const Value &v) { b << k.toString() + u'=' + v.toString(); });
        EXPECT_EQ(b, a);
        EXPECT_TRUE(atOnce.sameContents(oneByOne));
        EXPECT_EQ(atOnce.value(u"Mid").toString(), u"m");
    }
    Record r;
    r.setMany({});
    EXPECT_EQ(r.keyCount(), 0);
}

TEST(Register, RemovesTheVeryRecordNotItsTwin)
{
    Register reg;
    RecordPtr a = makeRecord(), b = makeRecord(), twin = makeRecord();
    b->set(Key::Amount, text("5.00"));
    twin->set(Key::Amount, text("5.00"));
    reg.append(a);
    reg.append(b);
    reg.append(twin);
    EXPECT_EQ(reg.remove(twin.get()), 2);
    ASSERT_EQ(reg.count(), 2);
    EXPECT_EQ(reg.at(1), b);
    Record stranger;
    EXPECT_EQ(reg.remove(&stranger), -1);
    EXPECT_EQ(reg.count(), 2);
}

Register registerOf(std::initializer_list<Value> amounts)
{
    Register reg;
    for (const Value &a : amounts) {
        RecordPtr r = makeRecord();
        r->set(Key::Amount, a);
        reg.append(r);
    }
    return reg;
}

QStringList totals(const Register &reg)
{
    QStringList out;
    for (const RecordPtr &r : reg.rows())
        out << r->value(Key::Total).toString();
    return out;
}

TEST(RunningBalance, TotalsAreExactCentSums)
{
    Register reg = registerOf({text("100.00"), text("-25.50"), text("-10.25")});
    recalculateCheckbook(reg);
    EXPECT_EQ(totals(reg), (QStringList{u"100"_s, u"74.5"_s, u"64.25"_s}));
    EXPECT_EQ(reg[2].value(Key::Total).kind(), Value::Kind::Money);

    // A float would lose this cent; cents do not.
    Register big = registerOf({text("1000000.00"), text("-0.01")});
    recalculateCheckbook(big);
    EXPECT_EQ(totals(big), (QStringList{u"1000000"_s, u"999999.99"_s}));

    // Ten thousand dimes add up to exactly a thousand dollars.
    Register dimes;
    for (int i = 0; i < 10000; ++i) {
        RecordPtr r = makeRecord();
        r->set(Key::Amount, Value::real(0.1));
        dimes.append(r);
    }
    recalculateCheckbook(dimes);
    EXPECT_EQ(dimes[9999].value(Key::Total).toString(), u"1000");
}

TEST(RunningBalance, NonNumbersCountAsZeroAndTypedTotalsAreReplaced)
{
    Register reg = registerOf({text("10.00"), text("5.00"), text("abc"), Value(), text("1.00")});
    reg[3].set(Key::Total, text("999.99"));
    recalculateCheckbook(reg);
    // A wrong Total is replaced in its own form, a missing one in the form above.
    EXPECT_EQ(totals(reg), (QStringList{u"10"_s, u"15"_s, u"15"_s, u"15.00"_s, u"16.00"_s}));

    Register empty;
    recalculateCheckbook(empty);
    EXPECT_EQ(empty.count(), 0);

    Register one = registerOf({text("123456.78")});
    recalculateCheckbook(one);
    EXPECT_EQ(one[0].value(Key::Total).toString(), u"123456.78");
}

TEST(RunningBalance, BalancesSaturateInsteadOfOverflowing)
{
    Register reg = registerOf({Value::money(kMaxCents), Value::money(kMaxCents), Value::money(-1)});
    recalculateCheckbook(reg);
    EXPECT_EQ(reg[1].value(Key::Total).storedCents(), kMaxCents);
    EXPECT_EQ(reg[2].value(Key::Total).storedCents(), kMaxCents - 1);
}

TEST(RunningBalance, CarryWritesMoneyTextFromTheEditedRow)
{
    Register reg = registerOf({text("200"), text("-25.5"), text("-10")});
    recalculateCheckbook(reg);
    carryBalance(reg, 0);
    EXPECT_EQ(totals(reg), (QStringList{u"200.00"_s, u"174.50"_s, u"164.50"_s}));

    // A Total typed into row 1 stays, and the rows below carry from it.
    reg[1].set(Key::Total, text("1000"));
    carryBalance(reg, 2);
    EXPECT_EQ(totals(reg), (QStringList{u"200.00"_s, u"1000"_s, u"990.00"_s}));
    carryBalance(reg, 3); // after the last row: nothing to carry
    EXPECT_EQ(totals(reg)[2], u"990.00");
}

TEST(RunningBalance, ShowingARowRewritesItsAmountAsMoneyText)
{
    const struct {
        Value in;
        const char *out;
    } cases[] = {
        {text("12.5"), "12.50"}, {text("abc"), "0.00"}, {Value(), "0.00"},
        {Value::money(-4525), "-45.25"}, {text("-0.001"), "0.00"}, {text("12.345"), "12.35"},
    };
    for (const auto &c : cases) {
        Record r;
        r.set(Key::Amount, c.in);
        rewriteAmountAsMoneyText(r);
        EXPECT_EQ(r.value(Key::Amount), text(c.out));
    }
}

} // namespace
