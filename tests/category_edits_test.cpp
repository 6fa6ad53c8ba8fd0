// Category rules (the first that fits, refused when they cannot work, kept
// in the settings in order) and the edits of categories, rules and splits,
// each one step of the history, the import's own step included.

#include "CategoriesFixture.h"
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

#include <QSettings>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

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

// A payee's own history outweighs a rule written for many; a rule fills in
// only where the payee never had a category (or was split).
TEST(CategoryProposal, ThePayeesLastCategoryComesBeforeARule)
{
    auto doc = monthDocument();
    Register &reg = *doc->array();
    const CategoryRules rules({
        {CategoryRule::Match::Contains, u"hy-vee"_s, u"Shopping"_s},
        {CategoryRule::Match::Contains, u"costco"_s, u" bulk : food "_s},
        {CategoryRule::Match::Contains, u"kiosk"_s, u"Snacks"_s},
    });
    const struct {
        const char16_t *description;
        int lookBack;
        const char16_t *proposed;
    } cases[] = {
        {u"Hy-Vee", -1, u"Food:Groceries"},   // history, though a rule fits
        {u"Costco", -1, u"bulk:food"},        // the latest was split: the rule's, kept in one form
        {u"Kiosk #12", -1, u"Snacks"},        // never seen: the rule's
        {u"Evergy", -1, u"Home:Utilities"},   // history, no rule
        {u"ATM", -1, u""},                    // neither
        {u"Hy-Vee", 2, u"Shopping"},          // the payee's row is beyond those looked at
        {u"hy-vee", -1, u"Shopping"},         // another text is another payee
        {u"   ", -1, u""},                    // nothing typed proposes nothing
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.description).toStdString());
        EXPECT_EQ(proposedCategory(reg, c.description, rules, c.lookBack), QString::fromUtf16(c.proposed));
    }
    EXPECT_EQ(proposedCategory(reg, u"Kiosk", CategoryRules()), QString()) << "no rules";
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
