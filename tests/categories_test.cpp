// Categories, splits and rules: kept by both file forms, counted in totals
// and the filter as their lines, and every change one step of the history.

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

RecordPtr row(const QString &date, const QString &description, const QString &amount, const QString &category = {})
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(u""));
    r->set(Key::Date, Value::text(date));
    r->set(Key::DescriptionofTransaction, Value::text(description));
    r->set(Key::Amount, Value::text(amount));
    if (!category.isEmpty())
        r->set(Key::Category, Value::text(category));
    return r;
}

const std::vector<SplitLine> kSupermarket = {
    {u"Food:Groceries"_s, QString(), -3025},
    {u"Household"_s, u"paper towels"_s, -1225},
};

// A month as a person keeps it: an opening balance, categorised rows, one
// supermarket check split, one row without a category.
std::unique_ptr<MyDocument> monthDocument()
{
    auto doc = std::make_unique<MyDocument>();
    doc->ensureRegister();
    Register &reg = *doc->array();
    reg.append(row(u"12/01/2026"_s, u"Opening"_s, u"1000.00"_s));
    reg.append(row(u"12/02/2026"_s, u"Hy-Vee"_s, u"-71.24"_s, u"Food:Groceries"_s));
    reg.append(row(u"12/03/2026"_s, u"Evergy"_s, u"-80.00"_s, u"Home:Utilities"_s));
    reg.append(row(u"12/05/2026"_s, u"Paycheck"_s, u"1200.00"_s, u"Income"_s));
    reg.append(row(u"12/09/2026"_s, u"Costco"_s, u"-42.50"_s));
    reg[4].set(kSplitsKey, Value::text(splitsText(kSupermarket)));
    reg.append(row(u"12/10/2026"_s, u"ATM"_s, u"-20.00"_s));
    reg.append(row(u"01/04/2027"_s, u"Starbucks"_s, u"-4.50"_s, u"Food:Coffee"_s));
    recalculateCheckbook(reg);
    return doc;
}

QByteArray bytesOf(const MyDocument &doc) { return *doc.dataRepresentationOfType(); }

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

TEST(CategoryRules, TheFirstRuleThatFitsGivesTheCategory)
{
    const CategoryRules rules({
        {CategoryRule::Match::Contains, u" hy-vee "_s, u"Food:Groceries"_s},
        {CategoryRule::Match::Pattern, u"^(SQ|TST) \\*.*coffee"_s, u"Food:Coffee"_s},
        {CategoryRule::Match::Pattern, u"([unclosed"_s, u"Broken"_s}, // never matches
        {CategoryRule::Match::Contains, u"HY"_s, u"Later"_s},
        {CategoryRule::Match::Contains, u"Evergy"_s, u" home : utilities "_s},
    });
    const std::pair<QString, QString> cases[] = {
        {u"HY-VEE #1234 LAWRENCE"_s, u"Food:Groceries"_s}, // the first of two that fit
        {u"SQ *BLUE BOTTLE COFFEE"_s, u"Food:Coffee"_s},
        {u"Blue Bottle Coffee"_s, QString()},
        {u"Hyatt"_s, u"Later"_s},
        {u"EVERGY KS"_s, u"home:utilities"_s},
        {QString(), QString()},
    };
    for (const auto &[description, category] : cases)
        EXPECT_EQ(rules.categoryFor(description), category) << description.toStdString();
}

TEST(CategoryRules, ARuleThatCannotWorkSaysWhy)
{
    EXPECT_EQ(ruleRefusal({CategoryRule::Match::Contains, u" "_s, u"Food"_s}), u"the rule says no text to look for"_s);
    EXPECT_EQ(ruleRefusal({CategoryRule::Match::Contains, u"Aldi"_s, u" : "_s}), u"the rule gives no category"_s);
    EXPECT_TRUE(ruleRefusal({CategoryRule::Match::Pattern, u"([a"_s, u"Food"_s})
                    .startsWith(u"the pattern \u201c([a\u201d is not one: "_s));
    EXPECT_EQ(ruleRefusal({CategoryRule::Match::Pattern, u"^ALDI"_s, u"Food"_s}), QString());
}

TEST(CategoryRules, AKeptRuleLeavesOutTheStoreNumber)
{
    const std::pair<QString, QString> cases[] = {
        {u"QuikTrip #112"_s, u"QuikTrip"_s},
        {u"Shell Oil 5730"_s, u"Shell Oil"_s},
        {u"AMZN Mktp US*2K4T59XJ0"_s, u"AMZN Mktp"_s},
        {u"Evergy - 88812"_s, u"Evergy"_s},
        {u"Dr. Patel Pediatrics"_s, u"Dr. Patel Pediatrics"_s},
        {u"7-Eleven"_s, u"7-Eleven"_s}, // nothing would be left
    };
    for (const auto &[description, kept] : cases) {
        const CategoryRule rule = ruleFromExample(description, u" Auto : Fuel"_s);
        EXPECT_EQ(rule.text, kept);
        EXPECT_EQ(rule.category, u"Auto:Fuel"_s);
        EXPECT_EQ(CategoryRules({rule}).categoryFor(description), u"Auto:Fuel"_s) << "it fits its example";
    }
}

TEST(CategoryRules, AreKeptInTheSettingsInTheirOrder)
{
    QTemporaryDir dir;
    const std::vector<CategoryRule> rules = {
        {CategoryRule::Match::Pattern, u"^ALDI"_s, u"Food"_s},
        {CategoryRule::Match::Contains, u"Hy-Vee"_s, u"Food:Groceries"_s},
        {CategoryRule::Match::Pattern, u"([broken"_s, u"Kept anyway"_s},
    };
    {
        QSettings settings(dir.filePath(u"c.ini"_s), QSettings::IniFormat);
        storeRules(settings, rules);
        storeRules(settings, rules); // stored again, not appended
    }
    QSettings settings(dir.filePath(u"c.ini"_s), QSettings::IniFormat);
    EXPECT_EQ(storedRules(settings), rules);
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

TEST(CategoryEdits, EachIsOneStepThatUndoesToTheSameBytes)
{
    struct Edit {
        const char *what;
        QString stepName;
        std::function<void(MyDocument &)> run;
    };
    const CategoryRules rules({{CategoryRule::Match::Contains, u"atm"_s, u"Cash"_s},
                               {CategoryRule::Match::Contains, u"Hy-Vee"_s, u"Groceries"_s}});
    const Edit edits[] = {
        {"a category given to rows", u"Category \u201cfood:other\u201d"_s,
         [](MyDocument &d) { EXPECT_EQ(setCategory(d, {1, 4, 5}, u" food : other"_s), 2) << "the split is left"; }},
        {"a category taken away", u"Remove Category"_s, [](MyDocument &d) { EXPECT_EQ(setCategory(d, {1, 2}, {}), 2); }},
        {"the rules run", u"Apply Rules (2 rows)"_s,
         [&](MyDocument &d) {
             const RuleRun run = applyRules(d, {1, 2, 4, 5}, rules);
             EXPECT_EQ(run.changed, 2);
             EXPECT_EQ(run.split, 1);
             EXPECT_EQ(run.unmatched, 1);
         }},
        {"a row split", u"Split \u201cATM\u201d"_s,
         [](MyDocument &d) {
             EXPECT_EQ(setSplits(d, 5, {{u"Cash"_s, {}, -1500}, {u"Fees"_s, u"ATM fee"_s, -500}}), QString());
         }},
        {"a split taken back", u"Remove Split \u201cCostco\u201d"_s,
         [](MyDocument &d) { EXPECT_EQ(setSplits(d, 4, {}), QString()); }},
        {"a categorised row split", u"Split \u201cHy-Vee\u201d"_s,
         [](MyDocument &d) {
             EXPECT_EQ(setSplits(d, 1, {{u"Food"_s, {}, -7000}, {u"Gifts"_s, {}, -124}}), QString());
             EXPECT_FALSE(d.objectAtIndex(1)->contains(Key::Category)) << "the lines have the categories";
         }},
    };
    for (const Edit &e : edits) {
        SCOPED_TRACE(e.what);
        auto doc = monthDocument();
        const QByteArray before = bytesOf(*doc);
        const int changesBefore = doc->changeCount();
        e.run(*doc);
        const QByteArray after = bytesOf(*doc);
        ASSERT_NE(after, before);
        EXPECT_EQ(doc->history().undoName(), e.stepName);
        EXPECT_EQ(doc->changeCount(), changesBefore + 1);
        ASSERT_NE(doc->undo(), nullptr);
        EXPECT_EQ(bytesOf(*doc), before);
        EXPECT_FALSE(doc->history().canUndo()) << "one step, not one per row";
        ASSERT_NE(doc->redo(), nullptr);
        EXPECT_EQ(bytesOf(*doc), after);
    }
}

TEST(CategoryEdits, ASplitThatDoesNotAddUpChangesNothing)
{
    auto doc = monthDocument();
    const QByteArray before = bytesOf(*doc);
    EXPECT_EQ(setSplits(*doc, 1, {{u"Food"_s, {}, -7000}, {u"Gifts"_s, {}, -100}}),
              u"the lines of the split add up to -71.00, not to the transaction's -71.24: -0.24 is left to assign"_s);
    doc->objectAtIndex(5)->set(Key::Amount, Value::text(u"twenty"));
    EXPECT_EQ(setSplits(*doc, 5, kSupermarket), u"the transaction's amount is not a number, so it cannot be split"_s);
    doc->objectAtIndex(5)->set(Key::Amount, Value::text(u"-20.00"));
    EXPECT_EQ(bytesOf(*doc), before);
    EXPECT_FALSE(doc->history().canUndo());
    EXPECT_FALSE(doc->isDocumentEdited());
    // Nothing to change is no step either.
    EXPECT_EQ(setCategory(*doc, {1}, u"Food:Groceries"_s), 0);
    EXPECT_EQ(applyRules(*doc, {1, 2}, CategoryRules()).changed, 0);
    EXPECT_FALSE(doc->history().canUndo());
}

TEST(CategoryEdits, RulesCanLeaveCategoriesGivenByHand)
{
    auto doc = monthDocument();
    const CategoryRules rules({{CategoryRule::Match::Pattern, u"."_s, u"Everything"_s}});
    const RuleRun run = applyRules(*doc, {1, 2, 3, 5}, rules, true);
    EXPECT_EQ(run.matched, 4);
    EXPECT_EQ(run.changed, 1);
    EXPECT_EQ(doc->objectAtIndex(1)->value(Key::Category).toString(), u"Food:Groceries"_s);
    EXPECT_EQ(doc->objectAtIndex(5)->value(Key::Category).toString(), u"Everything"_s);
}

TEST(CategoryImport, RulesGiveImportedLinesTheirCategoriesInTheImportsOwnStep)
{
    auto doc = monthDocument();
    const QByteArray before = bytesOf(*doc);
    std::vector<StatementLine> lines(3);
    lines[0].description = u"HY-VEE #1234"_s;
    lines[0].amount = -1000;
    lines[1].description = u"Unknown"_s;
    lines[1].amount = -200;
    lines[2].description = u"Hy-Vee"_s;
    lines[2].category = u"Chosen:By Hand"_s; // changed in the preview: the rules leave it
    lines[2].amount = -300;
    const CategoryRules rules({{CategoryRule::Match::Contains, u"hy-vee"_s, u"Food:Groceries"_s}});
    EXPECT_EQ(categorizeLines(lines, rules), 1);
    ImportPlan plan;
    plan.add = lines;
    const ImportResult r = importPlanned(*doc, doc->count(), plan, u"dec.csv"_s);
    ASSERT_TRUE(r.ok());
    const Register &reg = *doc->array();
    EXPECT_EQ(reg[7].value(Key::Category).toString(), u"Food:Groceries"_s);
    EXPECT_FALSE(reg[8].contains(Key::Category));
    EXPECT_EQ(reg[9].value(Key::Category).toString(), u"Chosen:By Hand"_s);
    ASSERT_NE(doc->undo(), nullptr);
    EXPECT_EQ(bytesOf(*doc), before);
}

} // namespace
