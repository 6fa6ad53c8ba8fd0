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

TEST(ReadDate, ReadsEveryFormInUtf16AndLatin1)
{
    const struct {
        const char16_t *text;
        QDate expected; // invalid: not a date
    } cases[] = {
        {u"12/07/2026", {2026, 12, 7}}, {u"3/13/2026", {2026, 3, 13}}, {u"  03/01/2007\t", {2007, 3, 1}},
        {u"2/29/2024", {2024, 2, 29}}, {u"12/07/26", {2026, 12, 7}}, {u"1/2/00", {2000, 1, 2}},
        {u"1/2/69", {2069, 1, 2}}, {u"1/2/70", {1970, 1, 2}}, {u"1/2/99", {1999, 1, 2}}, {u"3/13", {2026, 3, 13}},
        {u"12-07-2026", {2026, 12, 7}}, {u"2026-12-07", {2026, 12, 7}}, {u"2026-1-7", {2026, 1, 7}},
        {u"2026-12-07T10:30:00", {2026, 12, 7}}, {u"2026-12-07 10:30", {2026, 12, 7}},
        {u"2026-12-07T23:59:59.250Z", {2026, 12, 7}}, {u"2026-12-07T00:00-05:00", {2026, 12, 7}},
        {u"Dec 7, 2026", {2026, 12, 7}}, {u"dec 7 2026", {2026, 12, 7}}, {u"December 7 2026", {2026, 12, 7}},
        {u"7 DECEMBER, 2026", {2026, 12, 7}}, {u"Sept 30, 2026", {2026, 9, 30}}, {u"Sep. 30, 2026", {2026, 9, 30}},
        {u"Feb 3", {2026, 2, 3}}, {u"today", kToday}, {u" Yesterday ", {2026, 5, 19}}, {u"TOMORROW", {2026, 5, 21}},
        // The forms banks write that once sorted above the opening row.
        {u"2009/11/15", {2009, 11, 15}}, {u"20091128", {2009, 11, 28}}, {u"25-Nov-09", {2009, 11, 25}},
        {u"25-NOV-2009", {2009, 11, 25}}, {u"15.11.2009", {2009, 11, 15}}, {u"1.2.09", {2009, 2, 1}},
        {u"12.07.2026", {2026, 7, 12}}, {u"December 1st, 2009", {2009, 12, 1}}, {u"Dec 2nd 2009", {2009, 12, 2}},
        {u"3rd March 2009", {2009, 3, 3}}, {u"7th Dec", {2026, 12, 7}}, {u"7Dec 2026", {2026, 12, 7}},
        // Not dates.
        {u"", {}}, {u" ", {}}, {u"Date", {}}, {u"Groceries", {}}, {u"02/30/2026", {}}, {u"13/01/2026", {}},
        {u"0/10/2026", {}}, {u"2/29/2026", {}}, {u"12/07/202", {}}, {u"12/07/2026x", {}}, {u"31.02.2026", {}},
        {u"20091328", {}}, {u"2009112", {}}, {u"2009/11/15/1", {}}, {u"25-Nox-09", {}}, {u"25-Nov-009", {}},
        {u"15.11.", {}}, {u"Dec 1xx, 2009", {}}, {u"1zz December 2009", {}},
        {u"123/1/2026", {}}, {u"12-07-26", {}}, {u"2026-12-07T24:00", {}}, {u"2026-12-07 lunch", {}},
        {u"Decem 7 2026", {}}, {u"Dec 32, 2026", {}}, {u"Dec 7, 26", {}}, {u"7 Dec2026", {}},
        {u"today please", {}}, {u"45.25", {}}, {u"-45.25", {}}, {u"1042", {}}, {u"D\u00e9c 7 2026", {}},
    };
    for (const auto &c : cases) {
        const std::optional<QDate> expected = c.expected.isValid() ? std::optional(c.expected) : std::nullopt;
        const QString text = QStringView(c.text).toString();
        EXPECT_EQ(readDate(QStringView(text), kToday), expected) << text.toStdString();
        const QByteArray latin1 = text.toLatin1();
        EXPECT_EQ(readDate(QLatin1StringView(latin1), kToday), expected) << text.toStdString();
    }
}

RecordPtr dated(QStringView date, Cents amount = 0)
{
    RecordPtr r = makeRecord();
    r->set(Key::Date, Value::text(date));
    r->set(Key::Amount, Value::money(amount));
    return r;
}

TEST(CompareDates, IsAStrictWeakOrderingByDayWithUndatedLast)
{
    using O = std::weak_ordering;
    EXPECT_EQ(compareDates(*dated(u"12/31/2025"), *dated(u"1/1/2026"), kToday), O::less) << "by day, not text";
    EXPECT_EQ(compareDates(*dated(u"1/2/99"), *dated(u"1/2/00"), kToday), O::less);
    EXPECT_EQ(compareDates(*dated(u"01/01/1900"), *dated(u" "), kToday), O::less);
    EXPECT_EQ(compareDates(*dated(u"12/07/2026"), *dated(u"Dec 7, 2026"), kToday), O::equivalent);

    std::vector<RecordPtr> records;
    for (QStringView t : {u"", u"Date", u"3/13/2026", u"2026-03-13", u"Mar 13, 2026", u"1/1/99", u"12/31/1999",
                          u"today", u"5/20", u"tomorrow", u"2/30/2026", u"01/02/2000", u"1/2/00"})
        records.push_back(dated(t));
    std::shuffle(records.begin(), records.end(), std::mt19937(7));
    auto less = [](const RecordPtr &a, const RecordPtr &b) { return compareDates(*a, *b, kToday) < 0; };
    auto same = [&](const RecordPtr &a, const RecordPtr &b) { return !less(a, b) && !less(b, a); };
    for (const RecordPtr &a : records) {
        EXPECT_FALSE(less(a, a));
        for (const RecordPtr &b : records) {
            EXPECT_FALSE(less(a, b) && less(b, a));
            for (const RecordPtr &c : records) {
                EXPECT_FALSE(less(a, b) && less(b, c) && !less(a, c));
                EXPECT_FALSE(same(a, b) && same(b, c) && !same(a, c));
            }
        }
    }
}

QStringList datesOf(const Register &reg)
{
    QStringList out;
    for (const RecordPtr &r : reg.rows())
        out << r->value(Key::Date).toString();
    return out;
}

TEST(SortByDate, MovesRowsByDateKeepingAnUndatedOpeningRowFirstAndSameDaysInOrder)
{
    Register reg;
    for (QStringView d : {u" ", u"03/12/2026", u"Mar 1, 2026", u"3/12/26", u"Date", u"2026-03-12"})
        reg.append(dated(d, -100));
    const std::vector<RecordPtr> before = reg.rows();
    sortByDate(reg, kToday);
    EXPECT_EQ(datesOf(reg), (QStringList{u" "_s, u"Mar 1, 2026"_s, u"03/12/2026"_s, u"3/12/26"_s, u"2026-03-12"_s,
                                         u"Date"_s}));
    EXPECT_EQ(reg.at(4), before[5]) << "the same records, not copies";
    EXPECT_EQ(reg[5].value(Key::Total), Value::money(-600));

    // Bank dates that could not be read sorted above the opening row, and one
    // became the undeletable opening row.
    Register bank;
    for (QStringView d : {u"11/01/2009", u"2009/11/15", u"20091128", u"25-Nov-09", u"15.11.2009",
                          u"December 1st, 2009", u"pending"})
        bank.append(dated(d, -100));
    sortByDate(bank, kToday);
    EXPECT_EQ(datesOf(bank), (QStringList{u"11/01/2009"_s, u"2009/11/15"_s, u"15.11.2009"_s, u"25-Nov-09"_s,
                                          u"20091128"_s, u"December 1st, 2009"_s, u"pending"_s}));

    // A row dated before the opening row becomes row 0 and starts the balance.
    Register opening;
    opening.append(dated(u"01/01/2026", 100000));
    opening.append(dated(u"12/31/2025", -2500));
    sortByDate(opening, kToday);
    EXPECT_EQ(datesOf(opening), (QStringList{u"12/31/2025"_s, u"01/01/2026"_s}));
    EXPECT_EQ(opening[0].value(Key::Total), Value::money(-2500));

    // A sorted register keeps its order and gets fresh balances.
    Register sorted;
    for (QStringView d : {u"1/1/2026", u"1/1/2026", u"1/2/2026"}) {
        sorted.append(dated(d, 1000));
        sorted[sorted.count() - 1].set(Key::Total, Value::text(u"stale"));
    }
    const std::vector<RecordPtr> sortedBefore = sorted.rows();
    sortByDate(sorted, kToday);
    EXPECT_EQ(sorted.rows(), sortedBefore);
    EXPECT_EQ(sorted[2].value(Key::Total), Value::money(3000));
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
}

} // namespace
