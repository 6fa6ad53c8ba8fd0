// Categories and splits: kept in one form, kept by both file forms and older
// readers, and counted in totals and the filter as their lines.

#include "CategoriesFixture.h"
#include "Category.h"
#include "CategoryEdits.h"
#include "CategoryFilter.h"
#include "CategoryReport.h"
#include "CategoryRules.h"
#include "CategoryTotals.h"
#include "RegisterFile.h"
#include "RunningBalance.h"
#include "StatementImport.h"

#include <QSettings>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Category, IsKeptInOneFormWhateverWasTyped)
{
    const std::pair<QString, QString> cases[] = {
        {u"Home:Utilities"_s, u"Home:Utilities"_s},
        {u"  Home : Utilities "_s, u"Home:Utilities"_s},
        {u"Home::Utilities:"_s, u"Home:Utilities"_s},
        {u":Home"_s, u"Home"_s},
        {u"Home  \t Goods"_s, u"Home Goods"_s},
        {u"Caf\u00e9\u0007"_s, u"Caf\u00e9"_s},
        {u" : : "_s, QString()},
    };
    for (const auto &[typed, kept] : cases)
        EXPECT_EQ(normalizedCategory(typed), kept) << typed.toStdString();
}

TEST(Category, IsWithinItselfAndTheCategoriesItIsNestedIn)
{
    struct Case {
        const char16_t *category;
        const char16_t *ancestor;
        bool within;
    };
    const Case cases[] = {
        {u"Home", u"Home", true},
        {u"Home:Utilities", u"Home", true},
        {u"home:utilities:gas", u"Home:Utilities", true},
        {u"Homeware", u"Home", false}, // a longer name is not a subcategory
        {u"Home", u"Home:Utilities", false},
        {u"Food", u"", false},
        {u"", u"Food", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.category).toStdString() + " in " + QString::fromUtf16(c.ancestor).toStdString());
        EXPECT_EQ(isWithinCategory(QStringView(c.category), QStringView(c.ancestor)), c.within);
        EXPECT_EQ(isWithinCategory(QLatin1StringView(QString::fromUtf16(c.category).toLatin1()), QStringView(c.ancestor)),
                  c.within);
    }
}

TEST(Category, InUseAndProposedForAPayeeComeFromRowsAndSplitLines)
{
    auto doc = monthDocument();
    Register &reg = *doc->array();
    EXPECT_EQ(categoriesInUse(reg), (QStringList{u"Food"_s, u"Food:Coffee"_s, u"Food:Groceries"_s, u"Home"_s,
                                                 u"Home:Utilities"_s, u"Household"_s, u"Income"_s}));
    EXPECT_EQ(categoryAsInUse(u"food:groceries "_s, categoriesInUse(reg)), u"Food:Groceries"_s);
    EXPECT_EQ(categoryAsInUse(u"Travel"_s, categoriesInUse(reg)), u"Travel"_s);
    EXPECT_EQ(categoryAsInUse(u"home:rent"_s, categoriesInUse(reg)), u"Home:rent"_s)
        << "a second top category that differs only in letter case";
    EXPECT_EQ(categoryAsInUse(u"FOOD:coffee:beans"_s, categoriesInUse(reg)), u"Food:Coffee:beans"_s);
    EXPECT_EQ(categoryAsInUse(u"homeware"_s, categoriesInUse(reg)), u"homeware"_s);

    reg.append(row(u"12/20/2026"_s, u"Hy-Vee"_s, u"-12.00"_s)); // the latest, but without a category
    EXPECT_EQ(lastCategoryOf(reg, u"Hy-Vee"), u"Food:Groceries"_s);
    EXPECT_EQ(lastCategoryOf(reg, u"Costco"), QString()) << "a split is not one category";
    EXPECT_EQ(lastCategoryOf(reg, u"Nobody"), QString());
    EXPECT_EQ(lastCategoryOf(reg, u"Hy-Vee", 1), QString()) << "beyond the rows looked at";

    EXPECT_EQ(categoryCellText(reg[4]), u"Split (2)"_s);
    EXPECT_EQ(categoryCellText(reg[1]), u"Food:Groceries"_s);
    EXPECT_EQ(categoryCellText(reg[5]), QString());
}

TEST(Splits, TextRoundTripsAndOnlyItsOwnFormIsRead)
{
    std::vector<SplitLine> lines = kSupermarket;
    lines.push_back({u"Gifts"_s, u"tab\there, line\nthere"_s, 500});
    const QString text = splitsText(lines);
    EXPECT_EQ(text, u"-30.25\tFood:Groceries\t\n-12.25\tHousehold\tpaper towels\n5.00\tGifts\ttab here, line there"_s);
    lines.back().memo = u"tab here, line there"_s;
    EXPECT_EQ(parseSplits(text), lines);

    for (const QString &damaged : {QString(), u"-30.25"_s, u"abc\tFood"_s, u"-30.25x\tFood"_s,
                                   u"-1.00\tA\tb\tc"_s, u"-1.00\tA\n\n-2.00\tB"_s}) {
        SCOPED_TRACE(damaged.toStdString());
        EXPECT_FALSE(parseSplits(damaged).has_value());
    }
}

TEST(Splits, ThatDoNotAddUpAreRefused)
{
    EXPECT_EQ(splitRefusal(kSupermarket, -4250), QString());
    EXPECT_EQ(splitRefusal(kSupermarket, -4200, u','),
              u"the lines of the split add up to -42,50, not to the transaction's -42,00: 0,50 is left to assign"_s);
    EXPECT_EQ(splitRefusal({kSupermarket[0]}, -3025),
              u"a split needs two lines or more; one category is given without one"_s);
    EXPECT_EQ(splitRefusal({kSupermarket[0], {u"X"_s, {}, 0}, kSupermarket[1]}, -4250),
              u"line 2 of the split has no amount"_s);
}

TEST(Splits, ALineLeftOverAfterTheAmountChangedStillCountsUnderTheRow)
{
    Record r = *row(u"12/09/2026"_s, u"Costco"_s, u"-50.00"_s, u"Shopping"_s);
    r.set(kSplitsKey, Value::text(splitsText(kSupermarket)));
    std::vector<std::pair<QString, Cents>> shares;
    forEachShare(r, [&](auto category, Cents amount) { shares.emplace_back(category.toString(), amount); });
    EXPECT_EQ(shares, (std::vector<std::pair<QString, Cents>>{
                          {u"Food:Groceries"_s, -3025}, {u"Household"_s, -1225}, {u"Shopping"_s, -750}}));

    // A Splits text another program wrote counts as no split: the row is whole.
    r.set(kSplitsKey, Value::text(u"half and half"));
    shares.clear();
    forEachShare(r, [&](auto category, Cents amount) { shares.emplace_back(category.toString(), amount); });
    EXPECT_EQ(shares, (std::vector<std::pair<QString, Cents>>{{u"Shopping"_s, -5000}}));
}

TEST(CategoryFiles, CategoriesAndSplitsSurviveBothFileFormsAndOlderReaders)
{
    auto doc = monthDocument();
    Register &reg = *doc->array();
    reg[2].set(Key::Category, Value::text(u"Caf\u00e9 \"Z\\\" \u263a"));
    const QByteArray text = bytesOf(*doc);
    EXPECT_TRUE(text.contains("{Amount = -71.24; Category = Food:Groceries; CheckNumber = \"\";"))
        << "written in the order of its keys: " << text.toStdString();
    EXPECT_TRUE(text.contains("Splits = \"-30.25\\tFood:Groceries\\t\\n-12.25\\tHousehold\\tpaper towels\";"));

    QString why;
    const std::optional<QByteArray> xml = xmlText(reg.rows(), &why);
    ASSERT_TRUE(xml) << why.toStdString();
    for (const QByteArray &bytes : {text, *xml}) {
        const RegisterReadResult back = parseRegister(bytes);
        ASSERT_TRUE(back.ok()) << back.error.toStdString();
        ASSERT_EQ(int(back.rows.size()), reg.count());
        for (int i = 0; i < reg.count(); ++i) {
            EXPECT_EQ(back.rows[size_t(i)]->value(Key::Category).toString(), reg[i].value(Key::Category).toString());
            EXPECT_EQ(back.rows[size_t(i)]->value(kSplitsKey).toString(), reg[i].value(kSplitsKey).toString());
        }
        if (bytes == text) // the XML form writes its numbers as numbers
            EXPECT_EQ(oldStyleText(back.rows), text) << "read and written again, the same bytes";
    }

    // What a report-only reading keeps of a row holds the category and splits too.
    std::vector<QString> shown;
    ASSERT_TRUE(parseShownRows(text, [&](ShownRow &&r) {
                    shown.push_back(r.category.visitText([](auto t) { return t.toString(); }) + u'|'
                                    + r.splits.visitText([](auto t) { return t.toString(); }));
                }).ok());
    EXPECT_EQ(shown[1], u"Food:Groceries|"_s);
    EXPECT_EQ(shown[4], u"|"_s + splitsText(kSupermarket));

    // A register without categories is written as it always was.
    const QByteArray plain = "({Amount = 5; CheckNumber = \"\"; Date = 01/01/2026; DescriptionofTransaction = A; "
                             "Total = 5; })";
    EXPECT_FALSE(oldStyleText(parseRegister(plain).rows).contains("Category"));
}

TEST(CategoryTotals, CountSplitLinesAndLeaveOutTheOpeningBalance)
{
    auto doc = monthDocument();
    const Register &reg = *doc->array();
    const QDate today(2027, 2, 1);
    using T = CategoryTotal;
    EXPECT_EQ(categoryTotals(reg, {}, today), (std::vector<T>{
                                                  {u"Food:Coffee"_s, {}, -450, 1},
                                                  {u"Food:Groceries"_s, {}, -10149, 2},
                                                  {u"Home:Utilities"_s, {}, -8000, 1},
                                                  {u"Household"_s, {}, -1225, 1},
                                                  {u"Income"_s, {}, 120000, 1},
                                                  {QString(), {}, -2000, 1},
                                              }));
    CategoryPeriod december{QDate(2026, 12, 1), QDate(2026, 12, 31), true};
    const QDate dec(2026, 12, 1);
    EXPECT_EQ(categoryTotals(reg, december, today), (std::vector<T>{
                                                         {u"Food:Groceries"_s, dec, -10149, 2},
                                                         {u"Home:Utilities"_s, dec, -8000, 1},
                                                         {u"Household"_s, dec, -1225, 1},
                                                         {u"Income"_s, dec, 120000, 1},
                                                         {QString(), dec, -2000, 1},
                                                     }));
    CategoryPeriod byMonth;
    byMonth.byMonth = true;
    const std::vector<T> months = categoryTotals(reg, byMonth, today);
    ASSERT_EQ(months.size(), 6u);
    EXPECT_EQ(months.back(), (T{u"Food:Coffee"_s, QDate(2027, 1, 1), -450, 1}));

    EXPECT_EQ(foldedTotals(categoryTotals(reg, {}, today)), (std::vector<T>{
                                                                 {u"Food"_s, {}, -10599, 3},
                                                                 {u"Home"_s, {}, -8000, 1},
                                                                 {u"Household"_s, {}, -1225, 1},
                                                                 {u"Income"_s, {}, 120000, 1},
                                                                 {QString(), {}, -2000, 1},
                                                             }));
}

TEST(CategoryTotals, RowsWithoutAReadableDateAreCountedOnlyWhenNoDateIsAsked)
{
    auto doc = monthDocument();
    Register &reg = *doc->array();
    reg[2].set(Key::Date, Value::text(u"someday"));
    int undated = -1;
    EXPECT_EQ(categoryTotals(reg, {}, QDate(2027, 2, 1), &undated).size(), 6u);
    EXPECT_EQ(undated, 0);
    CategoryPeriod from;
    from.from = QDate(2026, 1, 1);
    const std::vector<CategoryTotal> dated = categoryTotals(reg, from, QDate(2027, 2, 1), &undated);
    EXPECT_EQ(undated, 1);
    EXPECT_TRUE(std::none_of(dated.begin(), dated.end(),
                             [](const CategoryTotal &t) { return t.category == u"Home:Utilities"; }));
}

// Dates read straight from the file's digits must name the day readDate
// names, and nothing where it names nothing.
TEST(CategoryTotals, TheFileFormsDigitsNameTheDayReadDateNames)
{
    const QDate today(2026, 12, 7);
    for (const char *text : {"12/07/2026", "01/01/1990", "02/29/2024", "02/29/2023", "13/01/2026", "00/10/2026",
                             "12/00/2026", "12/32/2026", "12/31/9999", "01/01/0001", "12/7/2026", "12-07-2026",
                             "2026-12-07", "1a/07/2026", "12/07/2026 ", "yesterday", ""}) {
        SCOPED_TRACE(text);
        const QString utf16 = QString::fromLatin1(text);
        EXPECT_EQ(readFileDate(QLatin1StringView(text), today), readDate(QLatin1StringView(text), today));
        EXPECT_EQ(readFileDate(QStringView(utf16), today), readDate(QStringView(utf16), today));
    }
}

// By month, the rows of a month are counted from their date's digits without
// reading each date: an impossible day of the month, or a month of another
// year, must not slip into the month before it.
TEST(CategoryTotals, ByMonthAnImpossibleDayOrAnotherYearIsNotTheMonthBefore)
{
    auto doc = std::make_unique<MyDocument>();
    doc->ensureRegister();
    Register &reg = *doc->array();
    reg.append(row(u"02/01/2026"_s, u"Opening"_s, u"100.00"_s));
    for (const char *date : {"02/01/2026", "02/28/2026", "02/29/2026", "02/03/2027", "02/04/2027", "2/5/2027",
                             "03/01/2027", "03/1/2027"})
        reg.append(row(QString::fromLatin1(date), u"Shop"_s, u"-1.00"_s, u"Food"_s));
    CategoryPeriod byMonth;
    byMonth.byMonth = true;
    int undated = -1;
    using T = CategoryTotal;
    EXPECT_EQ(categoryTotals(reg, byMonth, QDate(2027, 6, 1), &undated),
              (std::vector<T>{{u"Food"_s, QDate(2026, 2, 1), -200, 2},
                              {u"Food"_s, QDate(2027, 2, 1), -300, 3},
                              {u"Food"_s, QDate(2027, 3, 1), -200, 2}}));
    EXPECT_EQ(undated, 1) << "02/29/2026 names no day";
}

TEST(CategoryTotals, TableAndCsvAgreeToTheCent)
{
    auto doc = monthDocument();
    CategoryPeriod byMonth;
    byMonth.byMonth = true;
    byMonth.from = QDate(2026, 12, 1);
    const std::vector<CategoryTotal> totals = categoryTotals(*doc->array(), byMonth, QDate(2027, 2, 1));
    EXPECT_EQ(categoryTotalsTable(totals, true), u"Month    Category         Amount  Count\n"
                                                 "2026-12  Food:Groceries  -101.49      2\n"
                                                 "2026-12  Home:Utilities   -80.00      1\n"
                                                 "2026-12  Household        -12.25      1\n"
                                                 "2026-12  Income          1200.00      1\n"
                                                 "2026-12  (no category)    -20.00      1\n"
                                                 "2026-12  Total            986.26      6\n"
                                                 "2027-01  Food:Coffee       -4.50      1\n"
                                                 "2027-01  Total             -4.50      1\n"
                                                 "         Total            981.76      7\n"_s);
    EXPECT_EQ(categoryTotalsCsv(totals, true), u"month,category,amount,count\n"
                                               "2026-12,Food:Groceries,-101.49,2\n"
                                               "2026-12,Home:Utilities,-80.00,1\n"
                                               "2026-12,Household,-12.25,1\n"
                                               "2026-12,Income,1200.00,1\n"
                                               "2026-12,,-20.00,1\n"
                                               "2027-01,Food:Coffee,-4.50,1\n"_s);
    // A category a file brought in with a comma, a quote or an escape.
    const std::vector<CategoryTotal> odd = {{u"Gifts, \"big\""_s, {}, -100, 1}, {u"\x1b[2J"_s, {}, -1, 1}};
    EXPECT_EQ(categoryTotalsCsv(odd, false), u"category,amount,count\n\"Gifts, \"\"big\"\"\",-1.00,1\n\x1b[2J,-0.01,1\n"_s);
    EXPECT_TRUE(categoryTotalsTable(odd, false).contains(u"\u241b[2J"_s)) << "no escape reaches a terminal";
}

TEST(CategoryFilter, ShowsACategoryWithItsSubcategoriesAndSplitRowsByTheirLines)
{
    auto doc = monthDocument();
    const Register &reg = *doc->array();
    const std::pair<QString, std::vector<int>> cases[] = {
        {u"Food"_s, {1, 4, 6}},
        {u"food:groceries"_s, {1, 4}},
        {u"Household"_s, {4}},
        {u"Home"_s, {2}}, // not Household
        {QString(), {5}}, // without a category, but not the opening balance
        {u"Travel"_s, {}},
    };
    for (const auto &[category, rows] : cases)
        EXPECT_EQ(rowsInCategory(reg, CategoryFilter(category)), rows) << category.toStdString();
    const std::vector<int> among = {2, 4, 5};
    EXPECT_EQ(rowsInCategory(reg, CategoryFilter(u"Food"_s), &among), std::vector<int>{4});
}

} // namespace
