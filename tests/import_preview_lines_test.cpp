// The import preview line by line: the scheduled occurrence each line
// enters, the category each line gets and where it came from, a category
// changed by hand, and the rule kept from it. What the preview shows is what
// the import enters, in its one step.

#include "Category.h"
#include "ImportPreview.h"
#include "ScheduleEdits.h"
#include "StatementImport.h"

#include "ScheduleSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A register with the rent scheduled on the 1st (Home:Rent) and the gym on
// the 5th (no category), both open from March on.
std::unique_ptr<MyDocument> withRentAndGym()
{
    auto doc = documentOf({row("01/01/2026", "Opening", "3000.00")});
    Schedule rent = schedule("Rent", -65000, Period::Month, "2026-01-01");
    rent.category = u"Home:Rent"_s;
    rent.handledThrough = d("2026-02-01");
    EXPECT_EQ(addSchedule(*doc, rent), QString());
    EXPECT_EQ(addSchedule(*doc, schedule("Gym", -3000, Period::Month, "2026-03-05")), QString());
    return doc;
}

// The bank's rent a day late, a coffee, the gym, and a second coffee.
constexpr char kMarch[] = "03/02/2026,-650.00,*,,ACH LANDLORD LLC\n"
                          "03/03/2026,-4.50,*,,BLUE BOTTLE COFFEE 112\n"
                          "03/05/2026,-30.00,*,,GYM\n"
                          "03/09/2026,-5.25,*,,BLUE BOTTLE COFFEE 7\n";

const std::vector<CategoryRule> kRules = {
    {CategoryRule::Match::Contains, u"coffee"_s, u"Food:Coffee"_s},
    {CategoryRule::Match::Contains, u"landlord"_s, u"Bills"_s},
};

ImportPreview previewOf(const MyDocument &doc, std::vector<CategoryRule> rules = kRules)
{
    ImportPreview p(kMarch, u"march.csv"_s, doc.array(), d("2026-03-10"));
    p.setRules(std::move(rules));
    return p;
}

QString categoryOf(const MyDocument &doc, int row) { return doc.array()->at(row)->value(kCategoryKey).toString(); }

} // namespace

TEST(ImportPreviewLines, EachLineSaysWhichOccurrenceItEntersNotOnlyTheCount)
{
    auto doc = withRentAndGym();
    ImportPreview p = previewOf(*doc);
    struct Expected {
        const char *schedule; // empty: enters none
        const char *on;
    } const expected[] = {{"Rent", "2026-03-01"}, {"", ""}, {"Gym", "2026-03-05"}, {"", ""}};
    ASSERT_EQ(p.rows().size(), std::size(expected));
    for (size_t i = 0; i < p.rows().size(); ++i) {
        const ImportPreview::Row &r = p.rows()[i];
        EXPECT_EQ(r.scheduleName, QString::fromLatin1(expected[i].schedule)) << "line " << i + 1;
        EXPECT_EQ(r.occurrence ? r.occurrence->when.date : QDate(), d(expected[i].on)) << "line " << i + 1;
    }
    EXPECT_EQ(p.meetsSchedules(), 2);

    // A line left out enters nothing: the count and the line agree.
    ASSERT_TRUE(p.setAction(0, ImportPreview::Action::Skip));
    EXPECT_FALSE(p.rows()[0].occurrence);
    EXPECT_EQ(p.meetsSchedules(), 1);
}

TEST(ImportPreviewLines, EachLineHasTheCategoryItWillGetAndWhereItCameFrom)
{
    auto doc = withRentAndGym();
    const ImportPreview p = previewOf(*doc);
    using From = ImportPreview::CategoryFrom;
    struct Expected {
        const char *category;
        From from;
        int rule;
    } const expected[] = {
        {"Home:Rent", From::Schedule, -1}, // the schedule's category before the landlord rule
        {"Food:Coffee", From::Rule, 0},
        {"", From::None, -1}, // the gym's schedule has none, and no rule fits
        {"Food:Coffee", From::Rule, 0},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        const ImportPreview::Row &r = p.rows()[i];
        EXPECT_EQ(r.line.category, QString::fromLatin1(expected[i].category)) << "line " << i + 1;
        EXPECT_EQ(r.categoryFrom, expected[i].from) << "line " << i + 1;
        EXPECT_EQ(r.rule, expected[i].rule) << "line " << i + 1;
    }
}

TEST(ImportPreviewLines, CategoriesChosenByHandAreWhatTheImportEntersInItsOneStep)
{
    auto doc = withRentAndGym();
    ImportPreview p = previewOf(*doc);
    ASSERT_TRUE(p.setCategory(0, u"Home:Housing"_s)); // over the schedule's
    ASSERT_TRUE(p.setCategory(1, QString()));         // none, over a rule's
    ASSERT_TRUE(p.setCategory(2, u" fitness "_s));    // given where there was none
    EXPECT_FALSE(p.setCategory(9, u"Nowhere"_s));
    EXPECT_EQ(p.rows()[0].categoryFrom, ImportPreview::CategoryFrom::Person);

    // Checked again (the register changed), the choices stay with their lines.
    p.recheck();
    EXPECT_EQ(p.rows()[0].line.category, u"Home:Housing"_s);

    const QByteArray before = *doc->dataRepresentationOfType();
    const int first = doc->count();
    const ImportResult r = importPlanned(*doc, first, p.plan(), u"march.csv"_s);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.occurrences, 2);
    const char *const entered[] = {"Home:Housing", "", "fitness", "Food:Coffee"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(categoryOf(*doc, first + i), QString::fromLatin1(entered[i])) << "line " << i + 1;
    EXPECT_EQ(doc->array()->at(first)->value(Key::DescriptionofTransaction).toString(), u"Rent"_s);
    ASSERT_TRUE(doc->undo());
    EXPECT_EQ(*doc->dataRepresentationOfType(), before) << "one step takes every line back";
}

TEST(ImportPreviewLines, AnImportWithoutAPreviewStillGivesTheSchedulesCategory)
{
    auto doc = withRentAndGym();
    ImportPlan plan = previewOf(*doc, {}).plan();
    plan.categoriesSettled = false; // as cheqbook-cli builds its plan
    for (StatementLine &line : plan.add)
        line.category.clear();
    const int first = doc->count();
    ASSERT_TRUE(importPlanned(*doc, first, plan, u"march.csv"_s).ok());
    EXPECT_EQ(categoryOf(*doc, first), u"Home:Rent"_s);
}

TEST(ImportPreviewLines, ARuleKeptFromALineGivesItsCategoryToTheOtherLinesOfThatPayee)
{
    auto doc = withRentAndGym();
    ImportPreview p = previewOf(*doc);
    ASSERT_TRUE(p.setCategory(1, u"Food:Cafes"_s));
    p.setRules(withRuleFor(p.rules(), p.rows()[1].line.description, p.rows()[1].line.category));
    // The store number is not part of the rule, so the other branch fits too.
    EXPECT_EQ(p.rules().front(), (CategoryRule{CategoryRule::Match::Contains, u"BLUE BOTTLE COFFEE"_s, u"Food:Cafes"_s}));
    EXPECT_EQ(p.rows()[3].line.category, u"Food:Cafes"_s);
    EXPECT_EQ(p.rows()[3].rule, 0);
}

TEST(ImportPreviewLines, AKeptRuleGoesWhereItWinsAndIsNeverKeptTwice)
{
    using M = CategoryRule::Match;
    const std::vector<CategoryRule> rules = {
        {M::Contains, u"gas"_s, u"Car"_s},
        {M::Contains, u"shell oil"_s, u"Car:Fuel"_s},
        {M::Pattern, u"^quik"_s, u"Car"_s},
    };
    struct Case {
        const char *fault;
        const char *description;
        const char *category;
        std::vector<CategoryRule> expected;
    } const cases[] = {
        {"kept behind a rule that fits first, it would change nothing", "QuikTrip #112", "Car:Fuel",
         {rules[0], rules[1], {M::Contains, u"QuikTrip"_s, u"Car:Fuel"_s}, rules[2]}},
        {"a rule fitting nothing is added at the end", "Evergy 5730", "Home:Utilities",
         {rules[0], rules[1], rules[2], {M::Contains, u"Evergy"_s, u"Home:Utilities"_s}}},
        {"the same text kept twice", "SHELL OIL 5730", "Car:Gas",
         {rules[0], {M::Contains, u"shell oil"_s, u"Car:Gas"_s}, rules[2]}},
        {"no category makes no rule", "Shell Oil 5730", "", rules},
    };
    for (const Case &c : cases)
        EXPECT_EQ(withRuleFor(rules, QString::fromLatin1(c.description), QString::fromLatin1(c.category)), c.expected)
            << c.fault;
    // The same text behind a rule that fits first is moved before it.
    const std::vector<CategoryRule> moved
        = withRuleFor({{M::Contains, u"oil"_s, u"Car"_s}, rules[1]}, u"Shell Oil 5730", u"Car:Gas"_s);
    EXPECT_EQ(moved.front(), (CategoryRule{M::Contains, u"shell oil"_s, u"Car:Gas"_s}));
}
