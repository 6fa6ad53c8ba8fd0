// The find walk: which row a search selects next.

#include "Find.h"
#include "RunningBalance.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

RecordPtr row(const QString &check, const QString &desc, const QString &date = u"01/02/2026"_s,
              Value amount = Value::text(u"-1.00"), Value total = Value::money(0))
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(check));
    r->set(Key::DescriptionofTransaction, Value::text(desc));
    r->set(Key::Date, Value::text(date));
    r->set(Key::Amount, std::move(amount));
    r->set(Key::Total, std::move(total));
    return r;
}

Register fiveRowsWithTextIn(std::initializer_list<int> rows)
{
    Register reg;
    for (int i = 0; i < 5; ++i)
        reg.append(row(QString::number(100 + i), std::find(rows.begin(), rows.end(), i) != rows.end()
                                                     ? u"Corner Grocer"_s
                                                     : u"Rent"_s));
    return reg;
}

TEST(FindRow, WalksForwardThenWrapsAroundSkippingTheSelectedRow)
{
    struct Case {
        const char *what;
        std::initializer_list<int> rowsWithText;
        int selected;
        int expected;
    };
    const Case cases[] = {
        {"nothing selected, text in row 2", {2}, -1, 2},
        {"row 3 selected: forward to row 4", {1, 4}, 3, 4},
        {"row 4 selected: wraps to row 1", {1, 4}, 4, 1},
        {"row 1 selected: on to row 4", {1, 4}, 1, 4},
        {"last row selected: rows 0 to 3 searched", {0}, 4, 0},
        {"row 0 selected: no wrap-around pass needed", {0, 3}, 0, 3},
        {"the text only in the selected row", {2}, 2, -1},
        {"the text nowhere", {}, -1, -1},
        {"a stale selection past the end searches from the top", {3}, 9, 3},
    };
    for (const Case &c : cases) {
        const Register reg = fiveRowsWithTextIn(c.rowsWithText);
        EXPECT_EQ(findRow(reg, c.selected, u"grocer"), c.expected) << c.what;
    }
}

TEST(FindRow, RepeatedSearchesCycleThroughTheMatches)
{
    const Register reg = fiveRowsWithTextIn({1, 4});
    int selected = 3;
    QList<int> visited;
    for (int i = 0; i < 3; ++i)
        visited << (selected = findRow(reg, selected, u"Grocer"));
    EXPECT_EQ(visited, (QList<int>{4, 1, 4}));

    // One matching row: found, then not found (the window clears the
    // selection), then found again from the top.
    const Register one = fiveRowsWithTextIn({2});
    EXPECT_EQ(findRow(one, -1, u"grocer"), 2);
    EXPECT_EQ(findRow(one, 2, u"grocer"), -1);
}

TEST(FindRow, NothingToFindInAnEmptyRegisterOrWithEmptyText)
{
    EXPECT_EQ(findRow(Register(), -1, u"a"), -1);
    EXPECT_EQ(findRow(Register(), 0, u"a"), -1);
    const Register reg = fiveRowsWithTextIn({0, 1, 2, 3, 4});
    EXPECT_EQ(findRow(reg, -1, u""), -1);
    EXPECT_EQ(findRow(reg, -1, QStringView()), -1);
}

TEST(RecordContains, SearchesEveryShownKeyInItsTextForm)
{
    RecordPtr plain = row(u"1042"_s, u"Corner Grocer"_s, u"03/12/2007"_s, Value::text(u"1000.00"),
                          Value::money(95475));
    RecordPtr roundTotal = row(u""_s, u"Paycheck"_s, u"03/01/2007"_s, Value::money(100000), Value::money(100000));
    RecordPtr bare = makeRecord();
    bare->set(Key::DescriptionofTransaction, Value::text(u"Stra\u00dfe Caf\u00e9 \u0141\u00f3d\u017a"));
    bare->set(Key::EOMSeen, Value::text(u"1"));
    bare->set(u"Memo", Value::text(u"hidden"));

    struct Case {
        const char *what;
        const Record &record;
        QString text;
        bool expected;
    };
    const Case cases[] = {
        {"check number", *plain, u"104"_s, true},
        {"start of description", *plain, u"corner"_s, true},
        {"middle, other case", *plain, u"NER GRO"_s, true},
        {"end of description", *plain, u"rocer"_s, true},
        {"date", *plain, u"3/12/20"_s, true},
        {"money text amount", *plain, u"1000.00"_s, true},
        {"balance number's text form", *plain, u"54.7"_s, true},
        {"a round balance has no decimals", *roundTotal, u"1000.00"_s, false},
        {"a round balance's digits", *roundTotal, u"1000"_s, true},
        {"not there", *plain, u"Groceries"_s, false},
        {"non-Latin-1 text, other case", *bare, u"\u0142\u00d3D\u0179"_s, true},
        {"Latin-1 accent, other case", *bare, u"CAF\u00c9"_s, true},
        {"no folding of \u00df to ss", *bare, u"strasse"_s, false},
        {"no decomposed forms", *bare, u"Cafe\u0301"_s, false},
        {"EOMSeen is not searched", *bare, u"1"_s, false},
        {"other keys are not searched", *bare, u"hidden"_s, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(recordContains(c.record, c.text), c.expected) << c.what;
}

} // namespace
