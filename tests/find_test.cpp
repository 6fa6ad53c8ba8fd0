// The find walk: which row a search selects next.

#include "Find.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Register fiveRowsWithTextIn(QList<int> rows)
{
    Register reg;
    for (int i = 0; i < 5; ++i) {
        RecordPtr r = makeRecord();
        r->set(Key::CheckNumber, Value::text(QString::number(100 + i)));
        r->set(Key::DescriptionofTransaction, Value::text(rows.contains(i) ? u"Corner Grocer" : u"Rent"));
        r->set(Key::Total, Value::money(0));
        reg.append(r);
    }
    return reg;
}

TEST(FindRow, WalksForwardThenWrapsAroundSkippingTheSelectedRow)
{
    const struct {
        const char *what;
        QList<int> rowsWithText;
        int selected, expected;
    } cases[] = {
        {"nothing selected", {2}, -1, 2},
        {"row 3 selected: on to row 4", {1, 4}, 3, 4},
        {"row 4 selected: wraps to row 1", {1, 4}, 4, 1},
        {"row 1 selected: on to row 4", {1, 4}, 1, 4},
        {"last row selected: rows 0 to 3 searched", {0}, 4, 0},
        {"the text only in the selected row", {2}, 2, -1},
        {"the text nowhere", {}, -1, -1},
        {"a stale selection past the end searches from the top", {3}, 9, 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(findRow(fiveRowsWithTextIn(c.rowsWithText), c.selected, u"grocer"), c.expected) << c.what;

    EXPECT_EQ(findRow(Register(), -1, u"a"), -1);
    EXPECT_EQ(findRow(Register(), 0, u"a"), -1);
    EXPECT_EQ(findRow(fiveRowsWithTextIn({0, 1, 2, 3, 4}), -1, u""), -1) << "empty text matches nothing";
}

TEST(RecordContains, SearchesTheShownKeysInTheirTextForms)
{
    RecordPtr row = makeRecord();
    row->set(Key::CheckNumber, Value::text(u"1042"));
    row->set(Key::DescriptionofTransaction, Value::text(u"Corner Grocer Stra\u00dfe \u0141\u00f3d\u017a Caf\u00e9"));
    row->set(Key::Date, Value::text(u"03/12/2007"));
    row->set(Key::Amount, Value::text(u"1000.00"));
    row->set(Key::Total, Value::money(95475));
    row->set(Key::EOMSeen, Value::text(u"1"));
    row->set(u"Memo", Value::text(u"hidden"));
    RecordPtr round = makeRecord();
    round->set(Key::Total, Value::money(100000));

    const struct {
        const Record &record;
        QString text;
        bool expected;
    } cases[] = {
        {*row, u"104"_s, true},       {*row, u"corner"_s, true},     {*row, u"NER GRO"_s, true},
        {*row, u"3/12/20"_s, true},   {*row, u"1000.00"_s, true},    {*row, u"54.7"_s, true},
        {*round, u"1000.00"_s, false}, {*round, u"1000"_s, true},    {*row, u"Groceries"_s, false},
        {*row, u"\u0142\u00d3D\u0179"_s, true}, {*row, u"CAF\u00c9"_s, true},
        {*row, u"strasse"_s, false},  {*row, u"Cafe\u0301"_s, false}, {*row, u"hidden"_s, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(recordContains(c.record, c.text), c.expected) << c.text.toStdString();
}

} // namespace
