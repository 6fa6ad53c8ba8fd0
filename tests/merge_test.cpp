// Merging two versions of a register made apart: the table of what each
// side did and what the merge makes of it, the order, the refusals, the
// choices of conflicts, and the merge as one step of the document (the
// versions it reads: merge_versions_test.cpp).

#include "MergeBase.h"
#include "MergeFixtures.h"
#include "MergeStep.h"
#include "RegisterFile.h"
#include "RegisterMerge.h"
#include "RegisterVersions.h"

#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using RowTexts = std::vector<const char16_t *>;

const QDate kToday(2026, 12, 20);

std::vector<RecordPtr> rowsOf(const RowTexts &texts)
{
    std::vector<RecordPtr> rows;
    for (const char16_t *s : texts)
        rows.push_back(mergeRow(QString::fromUtf16(s)));
    return rows;
}

QStringList textsOf(const RowTexts &texts)
{
    QStringList list;
    for (const char16_t *s : texts)
        list << QString::fromUtf16(s);
    return list;
}

struct MergeCase {
    const char *name; // what goes wrong when the case fails
    RowTexts base, mine, theirs;
    RowTexts merged; // with every conflict left open
    int conflicts = 0;
};

void PrintTo(const MergeCase &c, std::ostream *os) { *os << c.name; }

class MergeTable : public ::testing::TestWithParam<MergeCase>
{
};

TEST_P(MergeTable, MergesEachKindOfChange)
{
    const MergeCase &c = GetParam();
    const std::vector<RecordPtr> base = rowsOf(c.base), mine = rowsOf(c.mine), theirs = rowsOf(c.theirs);
    const RegisterMerge m = mergeRegisters(&base, mine, theirs, {u"mine"_s, u"theirs"_s}, kToday);
    ASSERT_TRUE(m.ok()) << m.refusal.toStdString();
    EXPECT_EQ(rowTexts(m.resolvedRows()), textsOf(c.merged));
    EXPECT_EQ(int(m.conflicts.size()), c.conflicts);
    // Merged the other way round, the same rows (their order aside) and conflicts.
    const RegisterMerge back = mergeRegisters(&base, theirs, mine, {u"theirs"_s, u"mine"_s}, kToday);
    ASSERT_TRUE(back.ok());
    // Each side's writing of an amount stands for both, so amounts are
    // compared by what they read as.
    const auto byMoney = [](const std::vector<RecordPtr> &rows) {
        QStringList texts;
        for (const RecordPtr &r : rows) {
            QStringList parts = rowText(*r).split(u'|');
            parts[3] = QString::number(r->value(Key::Amount).cents().cents);
            texts << parts.join(u'|');
        }
        return texts;
    };
    QStringList a = byMoney(m.resolvedRows()), b = byMoney(back.resolvedRows());
    if (c.conflicts == 0) {
        a.sort();
        b.sort();
        EXPECT_EQ(a, b);
    }
    EXPECT_EQ(int(back.conflicts.size()), c.conflicts);
}

INSTANTIATE_TEST_SUITE_P(
    Merge, MergeTable,
    ::testing::Values(
        MergeCase{"NothingChanged", {BASE}, {BASE}, {BASE}, {BASE}},
        MergeCase{"RowAddedByMineIsLost",
                  {BASE},
                  {BASE, u"d|12/06/2026|Shell|-30.00"},
                  {BASE},
                  {BASE, u"d|12/06/2026|Shell|-30.00"}},
        MergeCase{"RowAddedByTheirsIsNotPlacedByDate",
                  {BASE},
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00", u"e|12/02/2026|Target|-7.00",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00", u"e|12/02/2026|Target|-7.00",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"}},
        MergeCase{"RowsAddedOnBothSidesAtTheEndAreNotInterleavedByDate",
                  {BASE},
                  {BASE, u"m1|12/06/2026|Shell|-30.00", u"m2|12/09/2026|Target|-9.00"},
                  {BASE, u"t1|12/07/2026|Dillons|-8.00", u"t2|12/08/2026|USPS|-2.00"},
                  {BASE, u"m1|12/06/2026|Shell|-30.00", u"t1|12/07/2026|Dillons|-8.00", u"t2|12/08/2026|USPS|-2.00",
                   u"m2|12/09/2026|Target|-9.00"}},
        MergeCase{"RowDeletedByMineComesBack",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"}},
        MergeCase{"RowDeletedOnBothSidesComesBack",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"}},
        MergeCase{"ChangeByTheirsIsLost",
                  {BASE},
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"}},
        MergeCase{"SameChangeOnBothSidesIsAConflict",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"}},
        MergeCase{"ChangesOfOtherKeysOfOneRowConflict",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee 1432|-10.00",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee 1432|-12.00",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"}},
        MergeCase{"OneKeyChangedDifferentlyIsNotAConflict",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-21.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  1},
        MergeCase{"DeleteAgainstAnEditLosesTheEdit",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  1},
        MergeCase{"ReconciledOnBothSidesIsMarkedTwiceOrConflicts",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00|EOMSeen=1",
                   u"b|12/03/2026|Aldi|-20.00|EOMSeen=1", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00|EOMSeen=1",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00|EOMSeen=1"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00|EOMSeen=1",
                   u"b|12/03/2026|Aldi|-20.00|EOMSeen=1", u"c|12/05/2026|Coffee|-5.00|EOMSeen=1"}},
        MergeCase{"AmountChangedUnderAReconciliationGoesUnnoticed",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00|EOMSeen=1",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-11.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00|EOMSeen=1",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  1},
        MergeCase{"StatementRecordedByTheirsIsLost",
                  {BASE},
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00",
                   u"a|12/02/2026|Hy-Vee|-10.00|EOMSeen=1|StatementBalance=90.00|StatementDate=12/02/2026",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00",
                   u"a|12/02/2026|Hy-Vee|-10.00|EOMSeen=1|StatementBalance=90.00|StatementDate=12/02/2026",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"}},
        MergeCase{"AKeyThisCodeDoesNotKnowIsNotMerged",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00|Tag=Groceries",
                   u"b|12/03/2026|Aldi|-20.00|Tag=Food", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00",
                   u"b|12/03/2026|Aldi|-20.00|Tag=Groceries", u"c|12/05/2026|Coffee|-5.00|Tag=Treats"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00|Tag=Groceries",
                   u"b|12/03/2026|Aldi|-20.00|Tag=Food", u"c|12/05/2026|Coffee|-5.00|Tag=Treats"},
                  1},
        MergeCase{"SortByTheirsAndAnEditByMineLosesOneOfThem",
                  {u"o|12/01/2026|Opening Balance|100.00", u"c|12/05/2026|Coffee|-5.00", u"a|12/02/2026|Hy-Vee|-10.00",
                   u"b|12/03/2026|Aldi|-20.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"c|12/05/2026|Coffee|-6.00", u"a|12/02/2026|Hy-Vee|-10.00",
                   u"b|12/03/2026|Aldi|-20.00"},
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-6.00"}},
        MergeCase{"RowAddedToAnUnsortedSideLandsOutOfDateInTheSortedOne",
                  {u"o|12/01/2026|Opening Balance|100.00", u"c|12/05/2026|Coffee|-5.00", u"a|12/02/2026|Hy-Vee|-10.00",
                   u"b|12/03/2026|Aldi|-20.00"},
                  {u"o|12/01/2026|Opening Balance|100.00", u"c|12/05/2026|Coffee|-5.00", u"a|12/02/2026|Hy-Vee|-10.00",
                   u"b|12/03/2026|Aldi|-20.00", u"d|12/04/2026|Shell|-30.00"},
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00", u"b|12/03/2026|Aldi|-20.00",
                   u"d|12/04/2026|Shell|-30.00", u"c|12/05/2026|Coffee|-5.00"}},
        MergeCase{"AnAmountWrittenAnotherWayIsTakenForAChange",
                  {BASE},
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100", u"a|12/02/2026|Hy-Vee|-10.0", u"b|12/03/2026|Aldi|-20.00",
                   u"c|12/05/2026|Coffee|-5.00"},
                  {BASE}},
        MergeCase{"TotalsThatDifferAreTakenForAChange",
                  {BASE},
                  {u"o|12/01/2026|Opening Balance|100.00|Total=100.00", u"a|12/02/2026|Hy-Vee|-10.00|Total=90.00",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"o|12/01/2026|Opening Balance|100.00|Total=100", u"a|12/02/2026|Hy-Vee|-10.00|Total=1.00",
                   u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {BASE}},
        MergeCase{"AnOpeningBalanceInsertedByTheirsGoesElsewhere",
                  {BASE},
                  {BASE},
                  {u"n|11/30/2026|Opening Balance|50.00", u"o|12/01/2026|Opening Balance|100.00",
                   u"a|12/02/2026|Hy-Vee|-10.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"},
                  {u"n|11/30/2026|Opening Balance|50.00", BASE}}),
    [](const ::testing::TestParamInfo<MergeCase> &info) { return std::string(info.param.name); });

// The rows as a merge leaves them when no base is known, and when one is.
TEST(Merge, WithoutABaseKeepsEveryRowEitherSideHoldsAndDisagreementsAreConflicts)
{
    const std::vector<RecordPtr> mine = mergeRows({BASE, u"d|12/06/2026|Shell|-30.00"});
    const std::vector<RecordPtr> theirs =
        mergeRows({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"c|12/05/2026|Coffee|-5.00"});
    const RegisterMerge m = mergeRegisters(nullptr, mine, theirs, {u"mine"_s, u"theirs"_s}, kToday);
    ASSERT_TRUE(m.ok());
    EXPECT_TRUE(m.baseInferred);
    ASSERT_EQ(m.conflicts.size(), 1u);
    EXPECT_EQ(m.conflicts[0].fields[0].key, u"Amount");
    EXPECT_TRUE(m.conflicts[0].fields[0].base.isNull());
    // b, which theirs may have deleted, stays: nothing is lost for want of a base.
    EXPECT_EQ(rowTexts(m.resolvedRows()), rowTexts({BASE, u"d|12/06/2026|Shell|-30.00"}));
}

TEST(Merge, RefusesTwoRegistersWithNothingInCommonAndANewYearsRegister)
{
    const std::vector<RecordPtr> base = mergeRows({BASE});
    const std::vector<RecordPtr> mine = mergeRows({BASE, u"d|12/06/2026|Shell|-30.00"});
    const std::vector<RecordPtr> stranger = mergeRows({u"x|01/01/2026|Opening Balance|5.00", u"y|01/02/2026|ATM|-1.00"});
    // New Year carries the rows not reconciled after an opening row of its own.
    const std::vector<RecordPtr> newYear =
        mergeRows({u"i| |Initial|70.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"});
    const MergeNames names{u"household.ldgr"_s, u"copy.ldgr"_s};

    const RegisterMerge unrelated = mergeRegisters(nullptr, mine, stranger, names, kToday);
    EXPECT_EQ(unrelated.refusal,
              u"household.ldgr and copy.ldgr are not versions of one register: they have no transaction in common.");
    EXPECT_TRUE(mergeRegisters(&base, mine, stranger, names, kToday).refusal.contains(u"no transaction in common"));

    const RegisterMerge rolled = mergeRegisters(&base, mine, newYear, names, kToday);
    EXPECT_EQ(rolled.refusal, u"copy.ldgr is a new year\u2019s register made from household.ldgr: a new year\u2019s file "
                              "is a new register, and is not merged with the year it was made from.");
    EXPECT_TRUE(mergeRegisters(&base, newYear, mine, names, kToday).refusal.startsWith(u"household.ldgr is a new year"));
    EXPECT_TRUE(mergeRegisters(nullptr, mine, newYear, names, kToday).refusal.contains(u"a new year\u2019s file is a new register"));
    EXPECT_TRUE(rolled.rows.empty());

    // Both sides of one new year's register, and a new opening row inserted
    // above the old one, are no new year.
    const std::vector<RecordPtr> newYear2 =
        mergeRows({u"i| |Initial|70.00", u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-6.00"});
    EXPECT_TRUE(mergeRegisters(nullptr, newYear, newYear2, names, kToday).ok());
    const std::vector<RecordPtr> reopened = mergeRows({u"n|11/30/2026|Opening Balance|50.00", BASE});
    EXPECT_TRUE(mergeRegisters(&base, mine, reopened, names, kToday).ok());
}

TEST(Merge, ChoicesSettleEachKindOfConflictForTheSideChosen)
{
    const std::vector<RecordPtr> base = mergeRows({BASE});
    // a: changed differently; b: deleted by mine, changed by theirs; c: changed by mine, deleted by theirs.
    const std::vector<RecordPtr> mine =
        mergeRows({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-11.00", u"c|12/05/2026|Coffee|-6.00"});
    const std::vector<RecordPtr> theirs =
        mergeRows({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee!|-12.00", u"b|12/03/2026|Aldi|-21.00"});
    RegisterMerge m = mergeRegisters(&base, mine, theirs, {u"mine"_s, u"theirs"_s}, kToday);
    ASSERT_EQ(m.conflicts.size(), 3u);
    EXPECT_EQ(m.unresolvedCount(), 3);
    // Left open, nothing either side has is lost.
    EXPECT_EQ(rowTexts(m.resolvedRows()),
              rowTexts({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee!|-11.00",
                          u"b|12/03/2026|Aldi|-21.00", u"c|12/05/2026|Coffee|-6.00"}));

    RegisterMerge ours = m;
    ours.chooseAll(MergeSide::Mine);
    EXPECT_EQ(ours.unresolvedCount(), 0);
    EXPECT_EQ(rowTexts(ours.resolvedRows()),
              rowTexts({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee!|-11.00",
                          u"c|12/05/2026|Coffee|-6.00"}));
    RegisterMerge theirsWin = m;
    theirsWin.chooseAll(MergeSide::Theirs);
    EXPECT_EQ(rowTexts(theirsWin.resolvedRows()),
              rowTexts({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee!|-12.00",
                          u"b|12/03/2026|Aldi|-21.00"}));
    // One key for each side: a row of both.
    const auto a = std::find_if(m.conflicts.begin(), m.conflicts.end(),
                                [](const RowConflict &c) { return c.kind == RowConflict::Kind::Changed; });
    ASSERT_NE(a, m.conflicts.end());
    a->fields[0].chosen = MergeSide::Theirs;
    EXPECT_EQ(rowTexts(m.resolvedRows())[1], u"a|12/02/2026|Hy-Vee!|-12.00");
    // Choosing made new records: the sides' records are as they were.
    EXPECT_EQ(rowText(*mine[1]), u"a|12/02/2026|Hy-Vee|-11.00");
}

TEST(Merge, TellsWhatCameFromEachSideInTheMergedOrder)
{
    const std::vector<RecordPtr> base = mergeRows({BASE});
    const std::vector<RecordPtr> mine = mergeRows({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00",
                                                   u"b|12/03/2026|Aldi|-25.00", u"c|12/05/2026|Coffee|-5.00"});
    const std::vector<RecordPtr> theirs = mergeRows({u"o|12/01/2026|Opening Balance|100.00",
                                                     u"b|12/03/2026|Aldi Inc|-20.00", u"c|12/05/2026|Coffee|-5.00",
                                                     u"d|12/06/2026|Shell|-30.00"});
    const RegisterMerge m = mergeRegisters(&base, mine, theirs, {u"mine"_s, u"theirs"_s}, kToday);
    QStringList told;
    for (const MergeChange &c : m.changes)
        told << u"%1 %2 %3 %4"_s.arg(c.side == MergeSide::Mine ? u"mine" : u"theirs").arg(int(c.kind))
                    .arg(c.record->value(Key::ID).toString(), c.keys.join(u','));
    EXPECT_EQ(told, QStringList({u"mine 2 b Amount"_s, u"theirs 2 b DescriptionofTransaction"_s, u"theirs 0 d "_s,
                                  u"theirs 1 a "_s}));
}

TEST(Merge, ALargeRegisterMergesItsChangesAlone)
{
    // A merge looks at every row once: a register of 20,000 rows with a
    // change on each side gives those two changes and nothing else.
    std::vector<RecordPtr> base, mine, theirs;
    for (int i = 0; i < 20000; ++i) {
        const QString written = u"r%1|12/%2/2026|Payee %3|-%4.00"_s.arg(i).arg(1 + i % 28).arg(i % 50).arg(i % 90 + 1);
        base.push_back(mergeRow(written));
        mine.push_back(mergeRow(written + u"|Total=%1"_s.arg(i)));
        theirs.push_back(mergeRow(written));
    }
    mine[500]->set(Key::Amount, Value::text(u"-1.00"));
    theirs[19000]->set(Key::DescriptionofTransaction, Value::text(u"Changed"));
    const RegisterMerge m = mergeRegisters(&base, mine, theirs, {u"mine"_s, u"theirs"_s}, kToday);
    ASSERT_EQ(m.changes.size(), 2u);
    EXPECT_TRUE(m.conflicts.empty());
    const std::vector<RecordPtr> rows = m.resolvedRows();
    ASSERT_EQ(rows.size(), 20000u);
    EXPECT_EQ(rows[500], mine[500]); // shared, not copied
    EXPECT_EQ(rows[19000], theirs[19000]);
    EXPECT_EQ(rows[3], mine[3]);
}

// --- The merge as one step of the document.

TEST(MergeStep, IsOneStepThatUndoTakesBackWholeWithItsAncestry)
{
    MyDocument doc;
    doc.ensureRegister();
    for (const RecordPtr &r : mergeRows({BASE}))
        doc.array()->append(r);
    doc.recalculateBalances();
    const std::vector<RecordPtr> before = doc.array()->rows();
    const QByteArray bytesBefore = *doc.dataRepresentationOfType();
    const size_t stepsBefore = doc.history().position();
    const std::vector<RecordPtr> base = mergeRows({BASE});
    const std::vector<RecordPtr> theirs =
        mergeRows({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00",
                   u"c|12/05/2026|Coffee|-5.00", u"d|12/06/2026|Shell|-30.00"});
    const RegisterMerge m = mergeRegisters(&base, doc.array()->rows(), theirs, {u"mine"_s, u"theirs"_s}, kToday);
    ASSERT_TRUE(applyMerge(doc, m, u"household (conflicted copy 2026-12-09).ldgr"_s, {0x11, 0x22}).isEmpty());

    EXPECT_EQ(doc.history().position(), stepsBefore + 1);
    EXPECT_EQ(doc.history().lastDone()->name, u"Merge \u201chousehold (conflicted copy 2026-12-09).ldgr\u201d");
    EXPECT_EQ(rowTexts(doc.array()->rows()),
              rowTexts({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00",
                          u"c|12/05/2026|Coffee|-5.00", u"d|12/06/2026|Shell|-30.00"}));
    // The balance worked out once, over the merged rows.
    EXPECT_EQ(doc.objectAtIndex(3)->value(Key::Total).centsOrZero(), 5300);
    EXPECT_EQ(ancestry(doc.array()->rows()), (std::vector<VersionHash>{0x11, 0x22}));
    EXPECT_GT(doc.changeCount(), 0);

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.array()->rows(), before); // the very records
    EXPECT_EQ(*doc.dataRepresentationOfType(), bytesBefore); // balances and ancestry as they were
    EXPECT_TRUE(ancestry(doc.array()->rows()).empty());
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(doc.objectAtIndex(3)->value(Key::Total).centsOrZero(), 5300);
    EXPECT_EQ(ancestry(doc.array()->rows()).size(), 2u);
}

} // namespace
