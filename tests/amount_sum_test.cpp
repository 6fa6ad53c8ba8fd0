// Sums typed where an amount goes: exact to the cent, read as amounts are
// read, and refused whole when they are not sums.

#include "AmountSum.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    const char16_t *text;
    char16_t decimalPoint;
    NumberStatus status;
    Cents cents;
    bool sum;
};

constexpr NumberStatus Ok = NumberStatus::Ok;
constexpr NumberStatus NaN = NumberStatus::NotANumber;
constexpr NumberStatus Beyond = NumberStatus::OutOfRange;

TEST(AmountSum, IsExactToTheCentAndRoundsOnceAtTheEnd)
{
    const Case cases[] = {
        // Binary floating point gives 0.30000000000000004 and 3.3333333333333335.
        {u"0.1+0.2", u'.', Ok, 30, true},
        {u"10/3", u'.', Ok, 333, true},
        {u"-10/3", u'.', Ok, -333, true},
        {u"2/3", u'.', Ok, 67, true},
        // Rounding each step would give 9.99.
        {u"10/3*3", u'.', Ok, 1000, true},
        // Half a cent goes away from zero, either way.
        {u"0.01/2", u'.', Ok, 1, true},
        {u"-0.01/2", u'.', Ok, -1, true},
        {u"0.015*1", u'.', Ok, 2, true},
        // A number keeps its decimals until the end: 1.599 rounded first gives 20.00.
        {u"12.5*1.599", u'.', Ok, 1999, true},
        {u"3 * 1.599", u'.', Ok, 480, true},
        {u"12.50+3.20", u'.', Ok, 1570, true},
        {u" 12.50 + 3.20 ", u'.', Ok, 1570, true},
        {u"100-20*3", u'.', Ok, 4000, true},
        {u"(100-20)*3", u'.', Ok, 24000, true},
        {u"-(12+3)", u'.', Ok, -1500, true},
        {u"2*-3", u'.', Ok, -600, true},
        {u"6\u00f72\u00d73\u22121", u'.', Ok, 800, true},
        {u"1/3+1/3+1/3", u'.', Ok, 100, true},
    };
    for (const Case &c : cases) {
        const SumReading r = readAmountSum(QStringView(c.text), QChar(c.decimalPoint));
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.cents, c.cents);
        EXPECT_EQ(r.sum, c.sum);
        EXPECT_EQ(r.why, QString());
    }
}

TEST(AmountSum, ReadsEachNumberAsAnAmountIsReadInEitherDecimalForm)
{
    const Case cases[] = {
        // The last of two kinds of separator is the decimal one, whatever the preference.
        {u"(1,234.56-0,56)", u',', Ok, 123400, true},
        {u"(1,234.56-0,56)", u'.', Ok, 123400, true},
        {u"1.234,56+0,44", u',', Ok, 123500, true},
        // One or two digits after it: decimal in any locale.
        {u"1,5+2", u'.', Ok, 350, true},
        {u"1,5+2", u',', Ok, 350, true},
        // Three digits after one separator: the preference decides.
        {u"12,345+1", u'.', Ok, 1234600, true},
        {u"12,345+1", u',', Ok, 1335, true},
        {u"1.599*3", u',', Ok, 479700, true},
        // Blanks and apostrophes group thousands within one number.
        {u"1 234,56+0,44", u',', Ok, 123500, true},
        {u"1'234.50-0.50", u'.', Ok, 123400, true},
        // Currency signs before or after a number.
        {u"$12.50+$3", u'.', Ok, 1550, true},
        {u"12,50 \u20ac + 1 \u20ac", u',', Ok, 1350, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString() + " with " + char(c.decimalPoint));
        const SumReading r = readAmountSum(QStringView(c.text), QChar(c.decimalPoint));
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.cents, c.cents);
        EXPECT_EQ(r.sum, c.sum);
    }
}

TEST(AmountSum, AnAmountAloneKeepsItsOwnReading)
{
    const Case cases[] = {
        {u"12", u'.', Ok, 1200, false},
        {u"-45.25", u'.', Ok, -4525, false},
        // Parentheses around one amount are a bank's negative, not a group.
        {u"(45.25)", u'.', Ok, -4525, false},
        {u"-$12", u'.', Ok, -1200, false},
        // "(-12)" says negative twice and stays refused.
        {u"(-12)", u'.', NaN, 0, false},
        {u"-(12)", u'.', NaN, 0, false},
        {u"99999999999999999", u'.', Beyond, kMaxCents, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        const SumReading r = readAmountSum(QStringView(c.text), QChar(c.decimalPoint));
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.cents, c.cents);
        EXPECT_EQ(r.sum, c.sum);
    }
}

TEST(AmountSum, ATextThatIsNotASumIsRefusedWholeNeverCutShort)
{
    // Each of these once could have been read up to its fault.
    for (const char16_t *text : {u"", u"+", u"12-", u"12+abc", u"-12.50abc", u"12+3)", u"(12+3", u"12 34+1",
                                 u"1,2345+1", u"2(3+4)", u"12..5+1", u"1$2+1", u"12+*3", u"abc"}) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString());
        const SumReading r = readAmountSum(QStringView(text), u'.');
        EXPECT_EQ(r.status, NaN);
        EXPECT_EQ(r.cents, 0);
    }
}

TEST(AmountSum, ASumThatCannotBeWorkedOutSaysWhy)
{
    struct Refusal {
        QString text;
        NumberStatus status;
        QString why;
    };
    const Refusal refusals[] = {
        {u"1/0"_s, NaN, u"division by zero"_s},
        {u"12/(3-3)"_s, NaN, u"division by zero"_s},
        {u"99999999999999*99999999999999"_s, Beyond, u"the sum is too large"_s},
        {u"90071992547409.92+0.01"_s, Beyond, u"the sum is too large"_s},
        // Nesting deep enough to exhaust the stack is refused, not followed.
        {QString(100000, u'(') + u"1+1"_s + QString(100000, u')'), NaN, QString()},
        {QString(200, u'(') + u"1+1"_s + QString(200, u')'), NaN, u"the sum is nested too deeply"_s},
        {QString(200, u'-') + u"1+1"_s, NaN, u"the sum is nested too deeply"_s},
    };
    for (const Refusal &r : refusals) {
        SCOPED_TRACE(r.text.left(40).toStdString());
        const SumReading read = readAmountSum(r.text, u'.');
        EXPECT_EQ(read.status, r.status);
        EXPECT_EQ(read.why, r.why);
        EXPECT_FALSE(read.ok());
    }
    // Just within what money holds is worked out.
    EXPECT_EQ(readAmountSum(u"90071992547409.91+0.01", u'.').cents, kMaxCents);
}

} // namespace
