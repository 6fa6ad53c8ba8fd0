// Quicker entry: descriptions proposed while one is typed (and the index
// that keeps them), the keys of the Date and Check # fields, and a date the
// date reader cannot read.

#include "DateReader.h"
#include "DateSort.h"
#include "EntryFields.h"
#include "StatementImport.h"
#include "SuggestionList.h"
#include "WindowFixture.h"
#include "descriptionfield.h"

#include <QApplication>
#include <QCheckBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

RecordPtr row(const QString &description, const char *amount, const char *date = "12/01/2026")
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(u""));
    r->set(Key::DescriptionofTransaction, Value::text(description));
    r->set(Key::Date, Value::text(QLatin1StringView(date)));
    r->set(Key::Amount, Value::text(QLatin1StringView(amount)));
    return r;
}

QStringList descriptions(const std::vector<DescriptionSuggestion> &found)
{
    QStringList out;
    for (const DescriptionSuggestion &s : found)
        out << s.description;
    return out;
}

QStringList amounts(const std::vector<DescriptionSuggestion> &found)
{
    QStringList out;
    for (const DescriptionSuggestion &s : found)
        out << s.amount;
    return out;
}

// --- The proposals and the index behind them -----------------------------

TEST(TypeAhead, ListsEachDescriptionHoldingTheTextOnceWithTheAmountProposed)
{
    Register reg;
    for (auto [description, amount] : {std::pair(u"Opening"_s, "1000.00"), {u"Hy-Vee"_s, "-71.24"},
                                       {u"Dillons"_s, "-64.81"}, {u"HY-VEE Gas"_s, "-30.00"},
                                       {u"Hy-Vee"_s, "-12.00"}, {u"Paycheck"_s, "2000.00"}, {u"Dillons"_s, "-20.00"},
                                       {QString(), "-1.00"}, {u"Dillons Fuel"_s, "-45.00"}})
        reg.append(row(description, amount));
    RegisterIndex index;
    const auto hy = descriptionSuggestions(index, reg, u"hy", 10);
    EXPECT_EQ(descriptions(hy), (QStringList{u"Hy-Vee"_s, u"HY-VEE Gas"_s})) << "each once, case ignored";
    EXPECT_EQ(amounts(hy), (QStringList{u"-12.00"_s, u"-30.00"_s}));
    EXPECT_EQ(hy[0].row, 4);
    // Hy-Vee was used twice, the others once: it comes first, then the latest.
    EXPECT_EQ(descriptions(descriptionSuggestions(index, reg, u"E", 10)),
              (QStringList{u"Hy-Vee"_s, u"Dillons Fuel"_s, u"Paycheck"_s, u"HY-VEE Gas"_s, u"Opening"_s}));
    EXPECT_EQ(descriptions(descriptionSuggestions(index, reg, u"E", 2)), (QStringList{u"Hy-Vee"_s, u"Dillons Fuel"_s}));
    // "Dillons Fuel" holds "Dillons" and is later: the amount field would
    // propose its amount for "Dillons", so the list says so.
    EXPECT_EQ(amounts(descriptionSuggestions(index, reg, u"dillons", 10)), (QStringList{u"-45.00"_s, u"-45.00"_s}));
    EXPECT_TRUE(descriptionSuggestions(index, reg, u"", 10).empty());
    EXPECT_TRUE(descriptionSuggestions(index, reg, u"Kwik", 10).empty());
    EXPECT_EQ(index.descriptions().distinctCount(), 6) << "a blank description is none";
}

// Descriptions that differ in case, hold one another or hold letters beyond
// ASCII, in long random registers: the list is what reading every row would
// give, in its order, and every amount listed is the one the amount field
// proposes.
TEST(TypeAhead, TheListIsWhatReadingEveryRowGives)
{
    QStringList pool{u"Hy-Vee"_s, u"hy-vee"_s, u"Hy-Vee #2"_s, u"Vee"_s, u"Aldi"_s, u"ALDI S\u00fcd"_s,
                     u"Caf\u00e9 Ol\u00e9"_s, u"CAF\u00c9"_s, u"\u00e9t\u00e9"_s, u"Stra\u00dfe"_s};
    for (int i = 0; i < 400; ++i) // more than are looked into one by one
        pool << u"Vendor %1 vee"_s.arg(i);
    QRandomGenerator random(7);
    for (int size : {300, 2000}) {
        Register reg;
        for (int i = 0; i < size; ++i) {
            // The few first more often, as a household's payees are.
            const int pick = random.bounded(4) ? random.bounded(10) : random.bounded(int(pool.size()));
            reg.append(row(pool[pick], QByteArray::number(-random.bounded(1, 9999)).data()));
        }
        RegisterIndex index;
        for (const QString &typed : {u"v"_s, u"VEE"_s, u"hy-vee"_s, u"\u00c9"_s, u"caf"_s, u"d"_s, u"\u00df"_s,
                                     u"#"_s, u"vendor 1"_s}) {
            // Every row read: which descriptions hold the text, how each ranks.
            struct Expected {
                QString description;
                bool starts;
                int uses;
                int latest;
            };
            std::vector<Expected> all;
            for (int r = 0; r < reg.count(); ++r) {
                const QString d = reg[r].value(Key::DescriptionofTransaction).toString();
                if (!d.contains(typed, Qt::CaseInsensitive))
                    continue;
                auto it = std::find_if(all.begin(), all.end(), [&](const Expected &e) { return e.description == d; });
                if (it == all.end())
                    it = all.insert(all.end(), Expected{d, d.startsWith(typed, Qt::CaseInsensitive), 0, r});
                it->latest = r;
                it->uses += r >= reg.count() - 500;
            }
            std::sort(all.begin(), all.end(), [](const Expected &a, const Expected &b) {
                return std::tuple(a.starts, a.uses, a.latest) > std::tuple(b.starts, b.uses, b.latest);
            });
            for (int limit : {5, 1000}) {
                SCOPED_TRACE(typed.toStdString() + " in " + std::to_string(size) + " rows, at most "
                             + std::to_string(limit));
                const auto found = descriptionSuggestions(index, reg, typed, limit);
                ASSERT_EQ(found.size(), std::min(all.size(), size_t(limit)));
                for (size_t i = 0; i < found.size(); ++i) {
                    EXPECT_EQ(found[i].description, all[i].description) << i;
                    EXPECT_EQ(found[i].row, all[i].latest);
                    EXPECT_EQ(found[i].amount,
                              descriptionfield::proposedAmount(reg, found[i].description).value_or(u"?"_s));
                }
            }
        }
    }
}

// "sta" offered State Farm, entered last, above the Starbucks entered six
// times; and "Costa" above "Stamps".
TEST(TypeAhead, WhatStartsWithTheTextAndWhatIsUsedMostComeFirst)
{
    struct Case {
        const char *what;
        std::vector<QString> rows; // oldest first
        QStringList listed;
    };
    const QString coffee = u"Starbucks"_s;
    std::vector<QString> weekly(6, coffee);
    std::vector<QString> longAgo(6, coffee);
    longAgo.insert(longAgo.end(), 600, u"Rent"_s);
    auto with = [](std::vector<QString> rows, std::initializer_list<QString> more) {
        rows.insert(rows.end(), more);
        return rows;
    };
    const Case cases[] = {
        {"used most lately before the latest", with(weekly, {u"State Farm"_s}),
         {u"Starbucks"_s, u"State Farm"_s}},
        {"what starts with it before what holds it", with({u"Stamps"_s}, {u"Costa Coffee"_s}),
         {u"Stamps"_s, u"Costa Coffee"_s}},
        {"uses long ago count for nothing", with(longAgo, {u"State Farm"_s}), {u"State Farm"_s, u"Starbucks"_s}},
        {"the latest among the equally used", with({u"Stamps"_s}, {u"State Farm"_s}),
         {u"State Farm"_s, u"Stamps"_s}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        Register reg;
        for (const QString &d : k.rows)
            reg.append(row(d, "-1.00"));
        RegisterIndex index;
        EXPECT_EQ(descriptions(descriptionSuggestions(index, reg, u"sta", 10)), k.listed);
    }
}

class IndexAfterChanges : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.ensureRegister();
        for (auto [description, amount, date] :
             {std::tuple(u"Opening"_s, "1000.00", "12/01/2026"), {u"Hy-Vee"_s, "-71.24", "12/02/2026"},
              {u"Dillons"_s, "-64.81", "12/03/2026"}, {u"Hy-Vee"_s, "-12.00", "12/04/2026"},
              {u"Rent"_s, "-650.00", "12/01/2026"}, {u"Dillons"_s, "-20.00", "12/05/2026"}})
            doc.array()->append(row(description, amount, date));
        doc.textIndex().prepare(reg()); // read now; from here on it follows
        ASSERT_TRUE(doc.textIndex().isBuilt());
    }
    Register &reg() { return *doc.array(); }

    // What the followed index lists is what one built afresh lists.
    void expectInStep(const char *after)
    {
        for (const QString &typed : {u"e"_s, u"hy"_s, u"dillons"_s, u"new"_s, u"o"_s, u"a"_s}) {
            RegisterIndex fresh;
            const auto expected = descriptionSuggestions(fresh, reg(), typed, 100);
            const auto followed = descriptionSuggestions(doc.textIndex(), reg(), typed, 100);
            EXPECT_EQ(descriptions(followed), descriptions(expected)) << after << ", typed " << typed.toStdString();
            EXPECT_EQ(amounts(followed), amounts(expected)) << after << ", typed " << typed.toStdString();
        }
        RegisterIndex fresh;
        fresh.prepare(reg());
        expectSame(doc.textIndex().checkNumbers(), fresh.checkNumbers(), after);
        expectSame(doc.textIndex().descriptions(), fresh.descriptions(), after);
        expectSame(doc.textIndex().dates(), fresh.dates(), after);
    }

    static void expectSame(const ColumnIndex &followed, const ColumnIndex &fresh, const char *after)
    {
        ASSERT_EQ(followed.rowSlots().size(), fresh.rowSlots().size()) << after;
        for (int row = 0; row < int(fresh.rowSlots().size()); ++row)
            EXPECT_EQ(followed.text(followed.slotOf(row)), fresh.text(fresh.slotOf(row))) << after << ", row " << row;
        EXPECT_EQ(followed.distinctCount(), fresh.distinctCount()) << after;
    }

    MyDocument doc;
};

TEST_F(IndexAfterChanges, FollowsEntryEditDeleteImportSortAndUndo)
{
    doc.edit(u"Enter"_s, [&] { doc.addData(row(u"New Place"_s, "-3.00"), doc.count()); });
    expectInStep("an entry at the end");
    doc.edit(u"Insert"_s, [&] {
        doc.addData(row(u"Hy-Vee"_s, "-5.00"), 2);
        doc.recalculateBalances();
    });
    expectInStep("an entry after a row");
    doc.edit(u"Edit Description"_s, [&] { doc.setValue(3, Key::DescriptionofTransaction, Value::text(u"Aldi"_s)); });
    expectInStep("a description edited");
    doc.edit(u"Edit Description"_s, [&] { doc.setValue(6, Key::DescriptionofTransaction, Value::text(u"Dillons"_s)); });
    expectInStep("the latest row of a description edited to another");
    doc.edit(u"Delete"_s, [&] {
        doc.remData(reg().at(doc.count() - 1));
        doc.recalculateBalances();
    });
    expectInStep("the latest row deleted");
    QTemporaryDir dir;
    const QString statement = writeFile(dir.filePath(u"s.csv"_s),
                                        "12/06/2026,-9.00,,,Hy-Vee\n12/07/2026,-1.00,,,New Place\n12/07/2026,5,,,Refund\n");
    ASSERT_TRUE(importStatement(doc, doc.count(), statement).ok());
    expectInStep("an import");
    EXPECT_EQ(doc.textIndex().fullReads(), 1) << "followed change by change, never read again";
    ASSERT_TRUE(sortByDate(doc, QDate(2026, 12, 7)).isEmpty());
    expectInStep("a sort");
    EXPECT_EQ(doc.textIndex().fullReads(), 2) << "a new order is read again";
    while (doc.undo())
        expectInStep("undone");
    EXPECT_EQ(descriptions(descriptionSuggestions(doc.textIndex(), reg(), u"hy", 10)), QStringList{u"Hy-Vee"_s});
    EXPECT_EQ(doc.textIndex().fullReads(), 3) << "only the sort's undo reads it again";
    while (doc.redo())
        expectInStep("done again");
    EXPECT_EQ(doc.textIndex().fullReads(), 4);
}

TEST_F(IndexAfterChanges, AStepTakenBackOrARegisterReadAgainLeavesItInStep)
{
    // A step refused as a whole (a balance beyond what money holds) is taken
    // back edit by edit.
    const QString refusal = doc.edit(u"Enter"_s, [&] {
        doc.addData(row(u"Huge"_s, "99999999999999.00"), doc.count());
        doc.setValue(1, Key::DescriptionofTransaction, Value::text(u"Huge too"_s));
        doc.recalculateBalances();
    });
    ASSERT_FALSE(refusal.isEmpty());
    expectInStep("a refused step");
    EXPECT_EQ(doc.textIndex().fullReads(), 1);
    EXPECT_TRUE(descriptionSuggestions(doc.textIndex(), reg(), u"huge", 10).empty());

    // A description changed behind the document's back is noticed once a
    // proposal's row no longer holds it.
    reg()[3].set(Key::DescriptionofTransaction, Value::text(u"Quiet change"_s));
    expectInStep("a change the document was not told of");
    EXPECT_EQ(doc.textIndex().fullReads(), 2);

    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(u"r.ldgr"_s), "({Amount = 1; DescriptionofTransaction = Fresh;})");
    QString error;
    ASSERT_TRUE(doc.readFromFile(path, u"ldgr", &error)) << error.toStdString();
    EXPECT_EQ(descriptions(descriptionSuggestions(doc.textIndex(), reg(), u"e", 10)), QStringList{u"Fresh"_s});
}

// --- Keys of the fields ---------------------------------------------------

TEST(FieldKeys, TheDateStepsOnlyAsADate)
{
    const QDate today(2026, 12, 7);
    const struct {
        const char *text;
        char key;
        FieldKeyResult::What what;
        const char *result;
    } cases[] = {
        {"12/07/2026", '+', FieldKeyResult::What::Replace, "12/08/2026"},
        {"12/31/2026", '+', FieldKeyResult::What::Replace, "01/01/2027"},
        {"3/1/2024", '-', FieldKeyResult::What::Replace, "02/29/2024"},
        {"12/7", '-', FieldKeyResult::What::Replace, "12/06/2026"}, // the nearest such day
        {"", '+', FieldKeyResult::What::Replace, "12/08/2026"},    // from today
        {"01/01/2020", 'T', FieldKeyResult::What::Replace, "12/07/2026"},
        {"", 't', FieldKeyResult::What::Replace, "12/07/2026"},
        // Anything else is typed on: dashes and words are dates too.
        {"12", '-', FieldKeyResult::What::Type, ""},
        {"12-07", '-', FieldKeyResult::What::Type, ""},
        {"2026-12-07", 'T', FieldKeyResult::What::Type, ""},
        {"Dec 7", '+', FieldKeyResult::What::Type, ""},
        {"12/", '/', FieldKeyResult::What::Type, ""},
        {"13/45/2026", '+', FieldKeyResult::What::Type, ""},
        {"13/45/2026", 'T', FieldKeyResult::What::Replace, "12/07/2026"}, // the slip mended
        {"12/07/2026", 'x', FieldKeyResult::What::Type, ""},
        {"01/01/0001", '-', FieldKeyResult::What::Refuse, ""},
    };
    for (const auto &k : cases) {
        const FieldKeyResult r = dateFieldKey(QString::fromLatin1(k.text), QChar::fromLatin1(k.key), today);
        EXPECT_EQ(r.what, k.what) << k.text << " " << k.key;
        EXPECT_EQ(r.text, QString::fromLatin1(k.result)) << k.text << " " << k.key;
    }
    // In the other orders the field steps what it shows, in its own form.
    const struct {
        DateOrder order;
        const char *text;
        char key;
        FieldKeyResult::What what;
        const char *result;
    } ordered[] = {
        {DateOrder::DayMonthYear, "07/12/2026", '+', FieldKeyResult::What::Replace, "08/12/2026"},
        {DateOrder::DayMonthYear, "31/12/2026", '+', FieldKeyResult::What::Replace, "01/01/2027"},
        {DateOrder::DayMonthYear, "", 't', FieldKeyResult::What::Replace, "07/12/2026"},
        {DateOrder::YearMonthDay, "2026-12-07", '-', FieldKeyResult::What::Replace, "2026-12-06"},
        {DateOrder::YearMonthDay, "2026-12", '-', FieldKeyResult::What::Type, ""},
        {DateOrder::YearMonthDay, "2026", '-', FieldKeyResult::What::Type, ""},
        {DateOrder::YearMonthDay, "12/07/2026", '+', FieldKeyResult::What::Type, ""},
    };
    for (const auto &k : ordered) {
        const FieldKeyResult r =
            dateFieldKey(QString::fromLatin1(k.text), QChar::fromLatin1(k.key), today, {}, k.order);
        EXPECT_EQ(r.what, k.what) << k.text << " " << k.key;
        EXPECT_EQ(r.text, QString::fromLatin1(k.result)) << k.text << " " << k.key;
    }
}

TEST(FieldKeys, TheCheckNumberStepsOnlyAsANumber)
{
    const struct {
        const char *text;
        char key;
        std::optional<qint64> next;
        FieldKeyResult::What what;
        const char *result;
    } cases[] = {
        {"1041", '+', {}, FieldKeyResult::What::Replace, "1042"},
        {"1041", '-', {}, FieldKeyResult::What::Replace, "1040"},
        {"0099", '+', {}, FieldKeyResult::What::Replace, "0100"},
        {"", '+', 1043, FieldKeyResult::What::Replace, "1043"},
        {"", '+', {}, FieldKeyResult::What::Refuse, ""},
        {"", '-', 1043, FieldKeyResult::What::Refuse, ""},
        {"1", '-', {}, FieldKeyResult::What::Refuse, ""},
        {"99999999999999999999", '+', {}, FieldKeyResult::What::Refuse, ""},
        {"DEP", '+', {}, FieldKeyResult::What::Type, ""},
        {"12a", '-', {}, FieldKeyResult::What::Type, ""},
        {"1041", '5', {}, FieldKeyResult::What::Type, ""},
    };
    for (const auto &k : cases) {
        const FieldKeyResult r = checkNumberFieldKey(QString::fromLatin1(k.text), QChar::fromLatin1(k.key), k.next);
        EXPECT_EQ(r.what, k.what) << k.text << " " << k.key;
        EXPECT_EQ(r.text, QString::fromLatin1(k.result)) << k.text << " " << k.key;
    }
    Register reg;
    reg.append(row(u"Opening"_s, "1"));
    EXPECT_EQ(nextCheckNumber(reg), std::nullopt) << "the opening row holds no check";
    reg[0].set(Key::CheckNumber, Value::text(u"500"));
    reg.append(row(u"Rent"_s, "-1"));
    reg[1].set(Key::CheckNumber, Value::text(u"101"));
    reg.append(row(u"Card"_s, "-1"));
    EXPECT_EQ(nextCheckNumber(reg), 102);
}

} // namespace
