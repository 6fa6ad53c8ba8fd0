// Checks in the register: the numbers they take when printed, spoiled sheets,
// and what each check says.

#include "AmountInWords.h"
#include "CheckContent.h"
#include "CheckLayout.h"
#include "CheckLayouts.h"
#include "CheckNumbering.h"
#include "CheckPrintMemory.h"
#include "DataFolder.h"
#include "PayeeAddresses.h"
#include "RunningBalance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace Qt::StringLiterals;

namespace {

// ---- Numbering checks as they are printed

RecordPtr row(const char *number, const char *description, const char *amount)
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(QLatin1StringView(number)));
    r->set(Key::DescriptionofTransaction, Value::text(QLatin1StringView(description)));
    r->set(Key::Date, Value::text(u"03/02/2026"));
    r->set(Key::Amount, Value::text(QLatin1StringView(amount)));
    return r;
}

std::unique_ptr<MyDocument> checkbook()
{
    auto doc = std::make_unique<MyDocument>();
    doc->ensureRegister();
    Register &reg = *doc->array();
    reg.append(row("", "Opening Balance", "2000.00"));
    reg.append(row("1041", "Maple Court Apartments", "-1450.00"));
    reg.append(row("P", "Jonas Weber Plumbing", "-212.50"));
    reg.append(row("", "Paycheck", "1800.00"));
    reg.append(row("p", "City Water", "-41.17"));
    reg.append(row("", "Dillons", "-64.81"));
    recalculateCheckbook(reg);
    return doc;
}

QStringList numbers(const MyDocument &doc)
{
    QStringList numbers;
    for (int row = 0; row < doc.count(); ++row)
        numbers << doc.array()->at(row)->value(Key::CheckNumber).toString();
    return numbers;
}

TEST(CheckNumbering, MarkedChecksAreNumberedFromTheNextCheckAsOneStep)
{
    auto doc = checkbook();
    const QByteArray before = *doc->dataRepresentationOfType();
    EXPECT_EQ(rowsMarkedToPrint(*doc->array()), (std::vector<int>{2, 4}));
    EXPECT_EQ(firstNumberToPrint(*doc->array()), 1042) << "the P rows hold no number";
    EXPECT_EQ(numberMarkedChecks(*doc, {5, 4, 2, 3}, 1042), u"");
    EXPECT_EQ(numbers(*doc), (QStringList{u""_s, u"1041"_s, u"1042"_s, u""_s, u"1043"_s, u""_s}))
        << "only the marked rows, in register order";
    EXPECT_EQ(doc->history().undoName(), u"Number Checks 1042\u20131043");
    EXPECT_EQ(doc->changeCount(), 1);
    doc->undo();
    EXPECT_EQ(*doc->dataRepresentationOfType(), before);
    EXPECT_EQ(doc->changeCount(), 0);
    doc->redo();
    EXPECT_EQ(numbers(*doc)[4], u"1043");
    EXPECT_EQ(firstNumberToPrint(*doc->array()), 1044);
}

// Two checks with one number would both be in the register, and the bank's
// statement could be matched with the wrong one.
TEST(CheckNumbering, NumbersThatCannotBeUsedAreRefusedWithNothingChanged)
{
    const struct {
        qint64 first;
        const char16_t *error;
    } cases[] = {
        {1040, u"Check 1041 is already in the register, in row 2; choose a first number after the checks it holds."},
        {0, u"Check numbers begin at 1, not at 0."},
        {qint64(INT_MAX), u"Check numbers end at 2147483647; 2 checks from 2147483647 go beyond."},
    };
    for (const auto &c : cases) {
        auto doc = checkbook();
        const QByteArray before = *doc->dataRepresentationOfType();
        EXPECT_EQ(numberMarkedChecks(*doc, {2, 4}, c.first), QString::fromUtf16(c.error));
        EXPECT_EQ(*doc->dataRepresentationOfType(), before);
        EXPECT_FALSE(doc->history().canUndo());
    }
    auto doc = checkbook();
    EXPECT_EQ(numberMarkedChecks(*doc, {1, 3, 5}, 2000), u"") << "no marked row among them: nothing to do";
    EXPECT_FALSE(doc->history().canUndo());
}

TEST(CheckNumbering, MarkingToPrintTakesOnlyChecksAsOneStep)
{
    auto doc = checkbook();
    EXPECT_EQ(markToPrint(*doc, {0, 1, 2, 3, 5}), (std::vector<int>{1, 5}))
        << "not the opening row, the deposit, nor a row marked already";
    EXPECT_EQ(numbers(*doc), (QStringList{u""_s, u"P"_s, u"P"_s, u""_s, u"p"_s, u"P"_s}));
    EXPECT_EQ(doc->history().undoName(), u"Mark 2 Checks to Print");
    doc->undo();
    EXPECT_EQ(numbers(*doc)[1], u"1041");
    EXPECT_EQ(markToPrint(*doc, {5}), std::vector<int>{5});
    EXPECT_EQ(doc->history().undoName(), u"Mark to Print \u201cDillons\u201d");
}

// A jammed sheet: the spoiled forms' numbers must stay accounted for, and
// the checks printed again must not take them.
TEST(CheckNumbering, ASpoiledSheetKeepsItsNumbersOnVoidRowsAndReprintsWithNewOnes)
{
    auto doc = checkbook();
    ASSERT_EQ(numberMarkedChecks(*doc, {2, 4}, 1042), u"");
    const QByteArray numbered = *doc->dataRepresentationOfType();
    const Cents balance = doc->array()->at(5)->value(Key::Total).centsOrZero();
    EXPECT_EQ(renumberSpoiledChecks(*doc, {2, 4}, 1043, QDate(2026, 3, 4)),
              u"Check 1043 is already in the register, in row 5; choose a first number after the checks it holds.")
        << "a spoiled number is not used again";
    ASSERT_EQ(renumberSpoiledChecks(*doc, {4, 2}, 1044, QDate(2026, 3, 4)), u"");
    const Register &reg = *doc->array();
    ASSERT_EQ(reg.count(), 8);
    EXPECT_EQ(numbers(*doc), (QStringList{u""_s, u"1041"_s, u"1042"_s, u"1043"_s, u"1044"_s, u""_s, u"1045"_s,
                                          u""_s}));
    for (int voidRow : {2, 3}) {
        EXPECT_EQ(reg[voidRow].value(Key::Amount).toString(), u"0.00");
        EXPECT_EQ(reg[voidRow].value(Key::Date).toString(), u"03/04/2026");
        EXPECT_EQ(reg[voidRow].value(Key::EOMSeen).toString(), u"1") << "never outstanding, never carried over";
        EXPECT_EQ(reg[voidRow].value(Key::Total).centsOrZero(), 55000);
    }
    EXPECT_EQ(reg[2].value(Key::DescriptionofTransaction).toString(),
              u"VOID: spoiled printing the check to Jonas Weber Plumbing");
    EXPECT_EQ(reg[3].value(Key::DescriptionofTransaction).toString(),
              u"VOID: spoiled printing the check to City Water");
    EXPECT_EQ(reg[4].value(Key::DescriptionofTransaction).toString(), u"Jonas Weber Plumbing");
    EXPECT_EQ(reg[7].value(Key::Total).centsOrZero(), balance) << "the balance is as it was";
    EXPECT_EQ(doc->history().undoName(), u"Reprint Checks 1044\u20131045");
    doc->undo();
    EXPECT_EQ(*doc->dataRepresentationOfType(), numbered);
    std::vector<int> moved;
    ASSERT_EQ(renumberSpoiledChecks(*doc, {4, 2}, 1044, QDate(2026, 3, 4), &moved), u"");
    EXPECT_EQ(moved, (std::vector<int>{4, 6})) << "the reprint prints the checks, not the void rows";
}

// Printed with other numbers than the register then kept, a check would
// clear at the bank under a number the register gives another.
TEST(CheckNumbering, TheNumbersPrintedAreTheNumbersTheRegisterTakes)
{
    auto doc = checkbook();
    const Register &reg = *doc->array();
    EXPECT_EQ(rowsToPrintAsChecks(reg, {}), (std::vector<int>{2, 4})) << "nothing selected: the marked";
    EXPECT_EQ(rowsToPrintAsChecks(reg, {3}), (std::vector<int>{2, 4})) << "only a deposit selected: the marked";
    EXPECT_EQ(rowsToPrintAsChecks(reg, {5, 0, 3, 1, 5}), (std::vector<int>{1, 5})) << "the selected checks";
    EXPECT_EQ(numberingRefused(reg, {1, 5}, 1041), u"") << "no row to number";
    EXPECT_TRUE(numberingRefused(reg, {2, 4}, 1040).startsWith(u"Check 1041 is already"));

    CheckContents contents = checkContents(reg, {4, 1, 2}, nullptr, {}, WordsLanguage::English);
    numberContents(contents.checks, reg, 1042);
    QStringList printed;
    for (const CheckContent &check : contents.checks)
        printed << check.number;
    EXPECT_EQ(printed, (QStringList{u"1043"_s, u"1041"_s, u"1042"_s}));
    ASSERT_EQ(numberMarkedChecks(*doc, {4, 1, 2}, 1042), u"");
    EXPECT_EQ(numbers(*doc)[2], printed[2]);
    EXPECT_EQ(numbers(*doc)[4], printed[0]);
}

TEST(CheckContent, EachCheckInThePersonsFormsWithItsAddress)
{
    auto doc = checkbook();
    Register &reg = *doc->array();
    reg[1].set(Key::Amount, Value::text(u"-1234.56"));
    reg[1].set(kMemoKey, Value::text(u"March  rent"));
    PayeeAddresses book;
    book.setAddress(u"Maple Court Apartments"_s, {u"1200 Maple Court"_s, u"Springfield, IL"_s});
    const CheckContents german = checkContents(reg, {1, 2}, &book, {DateOrder::DayMonthYear, u','},
                                               WordsLanguage::German);
    ASSERT_EQ(german.error, u"");
    ASSERT_EQ(german.checks.size(), 2u);
    const CheckContent &rent = german.checks[0];
    EXPECT_EQ(rent.row, 1);
    EXPECT_EQ(rent.number, u"1041");
    EXPECT_EQ(rent.date, u"02/03/2026");
    EXPECT_EQ(rent.payee, u"Maple Court Apartments");
    EXPECT_EQ(rent.amount, u"1\u202f234,56") << "thousands apart by a narrow blank where the comma is decimal";
    EXPECT_EQ(rent.words, u"Eintausendzweihundertvierunddreißig und 56/100");
    EXPECT_EQ(rent.memo, u"March rent");
    EXPECT_EQ(rent.address, (QStringList{u"1200 Maple Court"_s, u"Springfield, IL"_s}));
    EXPECT_EQ(german.checks[1].number, u"") << "a check marked to print has no number yet";
    EXPECT_EQ(german.checks[1].address, QStringList());
    const CheckContents english = checkContents(reg, {1}, nullptr, {}, WordsLanguage::English);
    EXPECT_EQ(english.checks[0].amount, u"1,234.56");
    EXPECT_EQ(english.checks[0].date, u"03/02/2026");
}

TEST(CheckContent, RowsThatAreNoChecksAreRefusedByTheRowTheWindowShows)
{
    auto doc = checkbook();
    Register &reg = *doc->array();
    reg[5].set(Key::Amount, Value::text(u"abc"));
    const struct {
        int row;
        const char16_t *error;
    } cases[] = {
        {0, u"row 1 is the opening balance, not a check"},
        {3, u"row 4 (\u201cPaycheck\u201d) is not a check: it pays 1800.00 in, not out"},
        {5, u"row 6 (\u201cDillons\u201d) has no amount a check can pay: \u201cabc\u201d"},
        {6, u"the register has no row 7 (it has 6)"},
    };
    for (const auto &c : cases) {
        const CheckContents contents = checkContents(reg, {1, c.row}, nullptr, {}, WordsLanguage::English);
        EXPECT_EQ(contents.error, QString::fromUtf16(c.error));
        EXPECT_TRUE(contents.checks.empty());
    }
}

} // namespace
