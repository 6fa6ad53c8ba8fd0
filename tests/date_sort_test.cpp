// Reading dates and putting a register into date order.

#include "DateReader.h"
#include "DateSort.h"

#include <QSettings>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 5, 20);

struct DateCase {
    const char16_t *text;
    QDate expected; // invalid: not a date
};

void PrintTo(const DateCase &c, std::ostream *os) { *os << '"' << QStringView(c.text).toString().toStdString() << '"'; }

class ReadDate : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(ReadDate, ReadsTheSameFromUtf16AndLatin1)
{
    const DateCase &c = GetParam();
    const std::optional<QDate> expected = c.expected.isValid() ? std::optional(c.expected) : std::nullopt;
    const QString text = QStringView(c.text).toString();
    EXPECT_EQ(readDate(QStringView(text), kToday), expected);
    const QByteArray latin1 = text.toLatin1();
    EXPECT_EQ(readDate(QLatin1StringView(latin1), kToday), expected);
}

INSTANTIATE_TEST_SUITE_P(AsEntryWritesThem, ReadDate,
                         ::testing::Values(DateCase{u"12/07/2026", QDate(2026, 12, 7)},
                                           DateCase{u"3/13/2026", QDate(2026, 3, 13)},
                                           DateCase{u"  03/01/2007\t", QDate(2007, 3, 1)},
                                           DateCase{u"2/29/2024", QDate(2024, 2, 29)}));

INSTANTIATE_TEST_SUITE_P(ShortForms, ReadDate,
                         ::testing::Values(DateCase{u"12/07/26", QDate(2026, 12, 7)},
                                           DateCase{u"1/2/00", QDate(2000, 1, 2)},
                                           DateCase{u"1/2/69", QDate(2069, 1, 2)},
                                           DateCase{u"1/2/70", QDate(1970, 1, 2)},
                                           DateCase{u"1/2/99", QDate(1999, 1, 2)},
                                           DateCase{u"3/13", QDate(2026, 3, 13)},
                                           DateCase{u"12-07-2026", QDate(2026, 12, 7)}));

INSTANTIATE_TEST_SUITE_P(Iso, ReadDate,
                         ::testing::Values(DateCase{u"2026-12-07", QDate(2026, 12, 7)},
                                           DateCase{u"2026-1-7", QDate(2026, 1, 7)},
                                           DateCase{u"2026-12-07T10:30:00", QDate(2026, 12, 7)},
                                           DateCase{u"2026-12-07 10:30", QDate(2026, 12, 7)},
                                           DateCase{u"2026-12-07T23:59:59.250Z", QDate(2026, 12, 7)},
                                           DateCase{u"2026-12-07T00:00:00+02:00", QDate(2026, 12, 7)},
                                           DateCase{u"2026-12-07T00:00-0500", QDate(2026, 12, 7)}));

INSTANTIATE_TEST_SUITE_P(MonthNames, ReadDate,
                         ::testing::Values(DateCase{u"Dec 7, 2026", QDate(2026, 12, 7)},
                                           DateCase{u"dec 7 2026", QDate(2026, 12, 7)},
                                           DateCase{u"December 7 2026", QDate(2026, 12, 7)},
                                           DateCase{u"7 December 2026", QDate(2026, 12, 7)},
                                           DateCase{u"7 DECEMBER, 2026", QDate(2026, 12, 7)},
                                           DateCase{u"Sept 30, 2026", QDate(2026, 9, 30)},
                                           DateCase{u"Sep. 30, 2026", QDate(2026, 9, 30)},
                                           DateCase{u"may 1 2026", QDate(2026, 5, 1)},
                                           DateCase{u"Feb 3", QDate(2026, 2, 3)}));

INSTANTIATE_TEST_SUITE_P(Words, ReadDate,
                         ::testing::Values(DateCase{u"today", kToday}, DateCase{u" Yesterday ", QDate(2026, 5, 19)},
                                           DateCase{u"TOMORROW", QDate(2026, 5, 21)}));

INSTANTIATE_TEST_SUITE_P(NotDates, ReadDate,
                         ::testing::Values(DateCase{u"", {}}, DateCase{u" ", {}}, DateCase{u"Date", {}},
                                           DateCase{u"Groceries", {}}, DateCase{u"02/30/2026", {}},
                                           DateCase{u"13/01/2026", {}}, DateCase{u"0/10/2026", {}},
                                           DateCase{u"2/29/2026", {}}, DateCase{u"12/07/202", {}},
                                           DateCase{u"12/07/20266", {}}, DateCase{u"12/07/2026x", {}},
                                           DateCase{u"12.07.2026", {}}, DateCase{u"123/1/2026", {}},
                                           DateCase{u"12-07-26", {}}, DateCase{u"2026-12-07T24:00", {}},
                                           DateCase{u"2026-12-07 lunch", {}}, DateCase{u"Decem 7 2026", {}},
                                           DateCase{u"Dec 32, 2026", {}}, DateCase{u"Dec 7, 26", {}},
                                           DateCase{u"Dec 7,", {}}, DateCase{u"7 Dec2026", {}},
                                           DateCase{u"today please", {}}, DateCase{u"45.25", {}},
                                           DateCase{u"-45.25", {}}, DateCase{u"1042", {}},
                                           DateCase{u"D\u00e9c 7 2026", {}}));

RecordPtr dated(const QString &date, Cents amount = 0)
{
    RecordPtr r = makeRecord();
    r->set(Key::Date, Value::text(date));
    r->set(Key::Amount, Value::money(amount));
    return r;
}

TEST(CompareDates, OrdersByDayNotByText)
{
    struct Case {
        QString a, b;
        std::weak_ordering expected;
    };
    const Case cases[] = {
        {u"12/31/2025"_s, u"1/1/2026"_s, std::weak_ordering::less},
        {u"1/2/99"_s, u"1/2/00"_s, std::weak_ordering::less},
        {u"12/07/2026"_s, u"Dec 7, 2026"_s, std::weak_ordering::equivalent},
        {u" "_s, u"01/01/1900"_s, std::weak_ordering::less},
        {u"Date"_s, u""_s, std::weak_ordering::equivalent},
        {u"3/14/2026"_s, u"3/13/2026"_s, std::weak_ordering::greater},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(compareDates(*dated(c.a), *dated(c.b), kToday), c.expected) << c.a.toStdString();
        EXPECT_EQ(compareDates(*dated(c.b), *dated(c.a), kToday), 0 <=> c.expected) << c.a.toStdString();
    }
    RecordPtr noDateKey = makeRecord();
    EXPECT_EQ(compareDates(*noDateKey, *dated(u"1/1/2026"_s), kToday), std::weak_ordering::less);
}

TEST(CompareDates, IsAStrictWeakOrdering)
{
    std::vector<RecordPtr> records;
    for (const char16_t *t : {u"", u"Date", u"3/13/2026", u"2026-03-13", u"Mar 13, 2026", u"1/1/99", u"12/31/1999",
                              u"today", u"5/20", u"tomorrow", u"2/30/2026", u"01/02/2000", u"1/2/00"})
        records.push_back(dated(QStringView(t).toString()));
    std::shuffle(records.begin(), records.end(), std::mt19937(7));
    auto less = [](const RecordPtr &a, const RecordPtr &b) { return compareDates(*a, *b, kToday) < 0; };
    auto same = [&](const RecordPtr &a, const RecordPtr &b) { return !less(a, b) && !less(b, a); };
    for (const RecordPtr &a : records) {
        EXPECT_FALSE(less(a, a));
        for (const RecordPtr &b : records) {
            if (less(a, b)) {
                EXPECT_FALSE(less(b, a));
            }
            for (const RecordPtr &c : records) {
                if (less(a, b) && less(b, c)) {
                    EXPECT_TRUE(less(a, c));
                }
                if (same(a, b) && same(b, c)) {
                    EXPECT_TRUE(same(a, c));
                }
            }
        }
    }
}

QStringList dates(const Register &reg)
{
    QStringList out;
    for (const RecordPtr &r : reg.rows())
        out << r->value(Key::Date).toString();
    return out;
}

TEST(SortByDate, KeepsTheUndatedOpeningRowFirstAndSameDaysInOrder)
{
    Register reg;
    reg.append(dated(u" "_s, 100000)); // a new year's opening row
    reg.append(dated(u"03/12/2026"_s, -4525));
    reg.append(dated(u"Mar 1, 2026"_s, -100));
    reg.append(dated(u"3/12/26"_s, -200));
    reg.append(dated(u"Date"_s, 0)); // a statement's column title, imported
    reg.append(dated(u"2026-03-12"_s, -300));
    const std::vector<RecordPtr> before = reg.rows();

    sortByDate(reg, kToday);

    EXPECT_EQ(dates(reg), (QStringList{u" "_s, u"Date"_s, u"Mar 1, 2026"_s, u"03/12/2026"_s, u"3/12/26"_s,
                                       u"2026-03-12"_s}));
    EXPECT_EQ(reg.at(0), before[0]) << "the register holds the same records, not copies";
    EXPECT_EQ(reg.at(5), before[5]);
    EXPECT_EQ(reg[5].value(Key::Total), Value::money(100000 - 100 - 4525 - 200 - 300));
}

TEST(SortByDate, AnEarlierRowBecomesTheOpeningRow)
{
    Register reg;
    reg.append(dated(u"01/01/2026"_s, 100000));
    reg.append(dated(u"12/31/2025"_s, -2500));
    reg[0].set(Key::Total, Value::money(100000));
    sortByDate(reg, kToday);
    EXPECT_EQ(dates(reg), (QStringList{u"12/31/2025"_s, u"01/01/2026"_s}));
    EXPECT_EQ(reg[0].value(Key::Total), Value::money(-2500));
    EXPECT_EQ(reg[1].value(Key::Total), Value::money(97500));
}

TEST(SortByDate, LeavesASortedRegisterInOrderAndRecalculates)
{
    Register reg;
    for (const char16_t *d : {u"1/1/2026", u"1/1/2026", u"1/2/2026", u"2/1/2026"}) {
        reg.append(dated(QStringView(d).toString(), 1000));
        reg[reg.count() - 1].set(Key::Total, Value::text(u"stale"));
    }
    const std::vector<RecordPtr> before = reg.rows();
    sortByDate(reg, kToday);
    EXPECT_EQ(reg.rows(), before);
    EXPECT_EQ(reg[3].value(Key::Total), Value::money(4000));

    Register empty;
    sortByDate(empty, kToday);
    EXPECT_TRUE(empty.isEmpty());
}

TEST(SortWarning, IsReadAsAnIntegerAndStoredAsOneOrZero)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(u"prefs.ini"_s), QSettings::IniFormat);
    EXPECT_FALSE(sortWithoutAsking(settings)) << "absent means ask";
    rememberSortAnswer(settings, true);
    EXPECT_EQ(settings.value(kSortWarningKey).toString(), u"1"_s);
    EXPECT_TRUE(sortWithoutAsking(settings));
    rememberSortAnswer(settings, false);
    EXPECT_EQ(settings.value(kSortWarningKey).toString(), u"0"_s);
    EXPECT_FALSE(sortWithoutAsking(settings));
    settings.setValue(kSortWarningKey, u"yes"_s);
    EXPECT_FALSE(sortWithoutAsking(settings));
}

} // namespace
