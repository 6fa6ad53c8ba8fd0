// Amounts and dates as a person types and reads them: read whole or refused,
// in the order and with the decimal separator of their locale, while the
// register file keeps its own forms.

#include "DateReader.h"
#include "Money.h"
#include "ReconciliationReport.h"
#include "RegisterFigures.h"
#include "Report.h"
#include "TestSupport.h"
#include "WrittenForms.h"

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr CentsReading kRefused{NumberStatus::NotANumber, 0};
CentsReading cents(Cents c) { return {NumberStatus::Ok, c}; }

// An amount cut at a comma or at letters was stored as what was left of it:
// -12,50 as -12.00, 0,99 as 0.00, 1.234,56 as 1.23, -12.50abc as -12.50.
TEST(TypedAmount, IsReadWholeOrRefusedNeverCut)
{
    struct Case {
        const char *text;
        CentsReading point; // where the decimal separator is a point
        CentsReading comma; // where it is a comma
    } cases[] = {
        // What a comma locale writes, read alike everywhere when it can be.
        {"-12,50", cents(-1250), cents(-1250)},
        {"0,99", cents(99), cents(99)},
        {"1.234,56", cents(123456), cents(123456)},
        {"-\u20ac12,50", cents(-1250), cents(-1250)},
        {"45,50", cents(4550), cents(4550)},
        {"-12,50 \u20ac", cents(-1250), cents(-1250)},
        {"1 234,56", cents(123456), cents(123456)},
        {"1\u202f234,56", cents(123456), cents(123456)},
        {"1,5", cents(150), cents(150)},
        // Three digits after one separator: the locale settles it.
        {"12,345", cents(1234500), cents(1235)},
        {"1.234", cents(123), cents(123400)},
        // What a point locale writes.
        {"-12.50", cents(-1250), cents(-1250)},
        {"1,234.56", cents(123456), cents(123456)},
        {"($1,234.56)", cents(-123456), cents(-123456)},
        {"$-12", cents(-1200), cents(-1200)},
        {"- $ 12", cents(-1200), cents(-1200)},
        {"\u221212.50", cents(-1250), cents(-1250)},
        {".50", cents(50), cents(50)},
        {"12.", cents(1200), kRefused},
        {"1,234,567", cents(123456700), cents(123456700)},
        {"1.234.567", cents(123456700), cents(123456700)},
        {"12.345", cents(1235), cents(1234500)},
        // Anything left over, or a reading that is not one: refused.
        {"-12.50abc", kRefused, kRefused},
        {"12abc", kRefused, kRefused},
        {"12 34", kRefused, kRefused},
        {"1,2345", kRefused, cents(123)},
        {"1234,567", kRefused, cents(123457)},
        {"1,23.45", kRefused, kRefused},
        {"1.234,567.89", kRefused, kRefused},
        {"1e3", kRefused, kRefused},
        {"(-12)", kRefused, kRefused},
        {"(12", kRefused, kRefused},
        {"--5", kRefused, kRefused},
        {"$", kRefused, kRefused},
        {"", kRefused, kRefused},
        {" ", kRefused, kRefused},
        {"99999999999999999", {NumberStatus::OutOfRange, kMaxCents}, {NumberStatus::OutOfRange, kMaxCents}},
    };
    for (const Case &c : cases) {
        for (QChar decimalPoint : {u'.', u','}) {
            SCOPED_TRACE(std::string(c.text) + " with a decimal " + char(decimalPoint.unicode()));
            const CentsReading expected = decimalPoint == u'.' ? c.point : c.comma;
            const CentsReading r = readTypedAmount(QString::fromUtf8(c.text), decimalPoint);
            EXPECT_EQ(r.status, expected.status);
            EXPECT_EQ(r.cents, expected.cents);
        }
    }
}

TEST(TypedAmount, WhatIsShownReadsBackAsTheSameAmount)
{
    for (Cents c : {Cents(0), Cents(-1), Cents(-4525), Cents(123456789), kMaxCents, -kMaxCents})
        for (QChar decimalPoint : {u'.', u','})
            EXPECT_EQ(readTypedAmount(shownMoney(c, decimalPoint), decimalPoint).cents, c);
    EXPECT_EQ(shownMoney(-4525, u','), u"-45,25");
    EXPECT_EQ(shownMoney(-4525, u'.'), moneyText(-4525));
    // Balances are kept in their shortest form; only plain numbers change.
    EXPECT_EQ(shownNumber(u"954.75"_s, u','), u"954,75");
    EXPECT_EQ(shownNumber(u"-1000"_s, u','), u"-1000");
    EXPECT_EQ(shownNumber(u"1.5e+07"_s, u','), u"1.5e+07");
    EXPECT_EQ(shownNumber(u"abc.d"_s, u','), u"abc.d");
    EXPECT_EQ(shownNumber(u"954.75"_s, u'.'), u"954.75");
}

const QDate kToday(2026, 12, 7);

TEST(TypedDate, IsReadInThePersonsOrder)
{
    struct Case {
        QStringView text;
        QDate monthFirst, dayFirst, yearFirst;
    } cases[] = {
        {u"05/12/2026", {2026, 5, 12}, {2026, 12, 5}, {}},
        {u"25/12/2026", {}, {2026, 12, 25}, {}},
        {u"12/25/26", {2026, 12, 25}, {}, {}},
        {u"5.12.2026", {2026, 12, 5}, {2026, 12, 5}, {2026, 12, 5}},
        {u"05-12-2026", {2026, 5, 12}, {2026, 12, 5}, {}},
        {u"2026-12-05", {2026, 12, 5}, {2026, 12, 5}, {2026, 12, 5}},
        {u"26-12-05", {}, {2005, 12, 26}, {2026, 12, 5}},
        {u"2026/12/05", {2026, 12, 5}, {2026, 12, 5}, {2026, 12, 5}},
        {u"20261205", {2026, 12, 5}, {2026, 12, 5}, {2026, 12, 5}},
        {u"05122026", {2026, 5, 12}, {2026, 12, 5}, {}},
        {u"Dec 5, 2026", {2026, 12, 5}, {2026, 12, 5}, {2026, 12, 5}},
        {u"5 December 2026", {2026, 12, 5}, {2026, 12, 5}, {2026, 12, 5}},
        {u" yesterday ", {2026, 12, 6}, {2026, 12, 6}, {2026, 12, 6}},
        {u"31/02/2026", {}, {}, {}},
        {u"05/12/2026x", {}, {}, {}},
        {u"05/12-2026", {}, {}, {}},
        {u"1/2/3/4", {}, {}, {}},
        {u"", {}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toString().toStdString());
        EXPECT_EQ(readTypedDate(c.text, DateOrder::MonthDayYear, kToday).value_or(QDate()), c.monthFirst);
        EXPECT_EQ(readTypedDate(c.text, DateOrder::DayMonthYear, kToday).value_or(QDate()), c.dayFirst);
        EXPECT_EQ(readTypedDate(c.text, DateOrder::YearMonthDay, kToday).value_or(QDate()), c.yearFirst);
    }
}

// 12/1 was kept as typed, and read in January as the new year's 1 December.
TEST(TypedDate, WithoutAYearIsTheNearestSuchDay)
{
    struct Case {
        QStringView text;
        DateOrder order;
        QDate today, meant;
    } cases[] = {
        {u"12/1", DateOrder::MonthDayYear, {2027, 1, 5}, {2026, 12, 1}},
        {u"12/1", DateOrder::MonthDayYear, {2026, 12, 7}, {2026, 12, 1}},
        {u"1/5", DateOrder::MonthDayYear, {2026, 12, 20}, {2027, 1, 5}},
        {u"1/12", DateOrder::DayMonthYear, {2027, 1, 5}, {2026, 12, 1}},
        {u"12-01", DateOrder::YearMonthDay, {2027, 1, 5}, {2026, 12, 1}},
        {u"Dec 1", DateOrder::DayMonthYear, {2027, 1, 5}, {2026, 12, 1}},
        {u"6/7", DateOrder::MonthDayYear, {2026, 12, 7}, {2027, 6, 7}},
        {u"6/8", DateOrder::MonthDayYear, {2026, 12, 7}, {2026, 6, 8}},
        {u"2/29", DateOrder::MonthDayYear, {2027, 6, 1}, {2028, 2, 29}},
        {u"2/29", DateOrder::MonthDayYear, {2026, 6, 1}, {}},
        {u"13/1", DateOrder::MonthDayYear, {2026, 6, 1}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toString().toStdString() + " on " + c.today.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(readTypedDate(c.text, c.order, c.today).value_or(QDate()), c.meant);
    }
    // A limit of the filter is the day in the year of today.
    EXPECT_EQ(readTypedDate(u"1/3", DateOrder::MonthDayYear, kToday), QDate(2027, 1, 3));
    EXPECT_EQ(readTypedDate(u"1/3", DateOrder::MonthDayYear, kToday, Yearless::ThisYear), QDate(2026, 1, 3));
    EXPECT_EQ(readTypedDate(u"Jan 3", DateOrder::DayMonthYear, kToday, Yearless::ThisYear), QDate(2026, 1, 3));
}

TEST(ShownDate, IsTheKeptDateInThePersonsOrderAndAnythingElseAsItStands)
{
    struct Case {
        QStringView stored;
        QStringView dayFirst, yearFirst;
    } cases[] = {
        {u"12/05/2026", u"05/12/2026", u"2026-12-05"},
        {u"12/5/26", u"05/12/2026", u"2026-12-05"},
        {u"Dec 5, 2026", u"05/12/2026", u"2026-12-05"},
        {u"7.12.2026", u"07/12/2026", u"2026-12-07"},
        {u"12/1", u"01/12", u"12-01"},
        {u"2/29", u"29/02", u"02-29"},
        {u"today", u"today", u"today"},
        {u"Opening", u"Opening", u"Opening"},
        {u"13/45/2026", u"13/45/2026", u"13/45/2026"},
        {u"", u"", u""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored.toString().toStdString());
        EXPECT_EQ(shownDate(c.stored, DateOrder::MonthDayYear), c.stored) << "month first shows what is kept";
        EXPECT_EQ(shownDate(c.stored, DateOrder::DayMonthYear), c.dayFirst);
        EXPECT_EQ(shownDate(c.stored, DateOrder::YearMonthDay), c.yearFirst);
        const QByteArray latin1 = c.stored.toLatin1();
        EXPECT_EQ(shownDate(Value::text(QLatin1StringView(latin1)), DateOrder::DayMonthYear), c.dayFirst);
        // What is shown is typed back as the date kept.
        if (const std::optional<QDate> kept = readDate(c.stored, QDate()))
            EXPECT_EQ(readTypedDate(c.dayFirst, DateOrder::DayMonthYear, kToday), kept);
    }
    EXPECT_EQ(fileDateText(QDate(2026, 12, 5)), u"12/05/2026");
}

TEST(WrittenForms, ComeFromTheLocaleUntilChosen)
{
    struct Case {
        const char *locale;
        DateOrder order;
        QChar decimalPoint;
    } cases[] = {
        {"C", DateOrder::MonthDayYear, u'.'},     {"en_US", DateOrder::MonthDayYear, u'.'},
        {"de_DE", DateOrder::DayMonthYear, u','}, {"fr_FR", DateOrder::DayMonthYear, u','},
        {"en_GB", DateOrder::DayMonthYear, u'.'}, {"ja_JP", DateOrder::YearMonthDay, u'.'},
        {"sv_SE", DateOrder::YearMonthDay, u','}, {"en_CA", DateOrder::YearMonthDay, u'.'},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        const WrittenForms forms = formsOfLocale(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(forms.dateOrder, c.order);
        EXPECT_EQ(forms.decimalPoint, c.decimalPoint);
    }

    QTemporaryDir dir;
    QSettings settings(dir.filePath(u"prefs.ini"_s), QSettings::IniFormat);
    const QLocale french(u"fr_FR"_s);
    const QLocale american(u"en_US"_s);
    // Keeping what the locale says keeps nothing: another locale still counts.
    storeForms(settings, formsOfLocale(french), french);
    EXPECT_TRUE(settings.allKeys().isEmpty());
    EXPECT_EQ(storedForms(settings, american), formsOfLocale(american));
    // A choice holds under any locale, and once made it is kept.
    storeForms(settings, {DateOrder::YearMonthDay, u'.'}, french);
    EXPECT_EQ(storedForms(settings, american), (WrittenForms{DateOrder::YearMonthDay, u'.'}));
    storeForms(settings, formsOfLocale(french), french);
    EXPECT_EQ(storedForms(settings, american), formsOfLocale(french));
    settings.setValue(u"dateOrder"_s, u"sideways"_s);
    settings.setValue(u"decimalSeparator"_s, u";"_s);
    EXPECT_EQ(storedForms(settings, american), formsOfLocale(american)) << "an odd value counts as none";
}

// The window's printed register and reconciliation report showed the file's
// month/day/year to a person who reads day/month/year.
TEST(WrittenForms, ShapeTheReportsOfTheWindowButNeverTheFilesOwn)
{
    Register reg;
    auto row = [&](const char *date, const char *amount, const char *total) {
        RecordPtr r = makeRecord();
        r->set(Key::Date, Value::text(QString::fromLatin1(date)));
        r->set(Key::Amount, Value::text(QString::fromLatin1(amount)));
        r->set(Key::Total, Value::text(QString::fromLatin1(total)));
        reg.append(r);
    };
    row("12/05/2026", "1000.00", "1000");
    row("Dec 24, 2026", "-45.25", "954.75");
    const WrittenForms french{DateOrder::DayMonthYear, u','};
    QString line;
    appendReportLine(line, reg[1], french);
    const QString blankColumns = QString(8, u' ') + u" | "_s + QString(36, u' ') + u" | "_s;
    EXPECT_EQ(line, blankColumns + u"24/12/2026 |-45,25     |954,75     \n"_s);
    line.clear();
    appendReportLine(line, reg[1], WrittenForms());
    EXPECT_EQ(line, blankColumns + u"Dec 24, 20 |-45.25     |954.75     \n"_s);
    EXPECT_EQ(reportText(reg).count(u"12/05/2026"_s), 1) << "the report of the file keeps its forms";

    BankStatement statement;
    statement.closingDate = QDate(2026, 12, 31);
    statement.endingBalance = 95475;
    const QString report = reconciliationText(currentReconciliation(reg, statement, kToday), u"r"_s, french);
    EXPECT_TRUE(report.contains(u"Statement of 31/12/2026\n"_s)) << report.toStdString();
    EXPECT_TRUE(report.contains(u"Statement balance"_s + QString(33, u' ') + u"954,75\n"_s)) << report.toStdString();
    EXPECT_TRUE(report.contains(u"24/12/2026 |"_s)) << report.toStdString();
    EXPECT_EQ(reconciliationText(currentReconciliation(reg, statement, kToday), u"r"_s),
              reconciliationText(currentReconciliation(reg, statement, kToday), u"r"_s, WrittenForms()));

    // The status bar: with a decimal comma, thousands of rows are set apart
    // by narrow blanks, never by the comma that now means a fraction.
    EXPECT_EQ(figuresText({-12345, 100, 1500}, std::nullopt, u','),
              u"Balance -123,45 \u00b7 Cleared 1,00 \u00b7 1\u202f500 transactions");
    EXPECT_EQ(selectionText({2, -821}, u','), u"2 selected: -8,21");
}

} // namespace
