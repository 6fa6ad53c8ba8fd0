// Schedules kept in the register: their text, the file in both forms, what
// an older reader sees, the document's edits and their undo, due
// occurrences entered and skipped.

#include "MyDocument.h"
#include "RegisterFile.h"
#include "Report.h"
#include "RunningBalance.h"
#include "ScheduleBook.h"
#include "ScheduleEdits.h"
#include "ScheduleText.h"
#include "ImportPreview.h"
#include "StatementImport.h"

#include "ScheduleSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

void PrintTo(const Schedule &s, std::ostream *os) { *os << scheduleLine(s).toStdString(); }

namespace {

std::unique_ptr<MyDocument> household()
{
    return documentOf({row("01/01/2026", "Opening", "1000.00"), row("01/05/2026", "Hy-Vee", "-71.24"),
                       row("02/01/2026", "Rent", "-650.00")});
}

std::unique_ptr<MyDocument> reopened(const MyDocument &doc)
{
    RegisterReadResult r = parseRegister(*doc.dataRepresentationOfType());
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    return documentOf(std::move(r.rows));
}

QByteArray bytesOf(const MyDocument &doc) { return *doc.dataRepresentationOfType(); }

// --- The text the schedules are kept as.

std::vector<Schedule> everyKindOfSchedule()
{
    Schedule rent = schedule("Rent; \"flat\" 100% = mine\nsecond line", -120000, Period::Month, "2026-01-01");
    rent.recurrence.weekend = WeekendRule::Before;
    rent.handledThrough = d("2026-03-01");
    rent.handledAlso = {d("2026-05-01"), d("2026-07-01")};
    Schedule pay = schedule("Paycheck \u2013 Northwind", 185000, Period::Week, "2026-01-02", 2);
    pay.autoEnter = true;
    pay.recurrence.ending = Ending::AfterTimes;
    pay.recurrence.times = 26;
    Schedule power = schedule("Evergy", -9000, Period::Month, "2026-01-15");
    power.recurrence.monthlyOn = MonthlyOn::LastDay;
    power.estimate = true;
    power.tolerance = 15;
    power.category = u"Utilities"_s;
    power.recurrence.weekend = WeekendRule::After;
    Schedule club = schedule("Book club", -2500, Period::Month, "2026-01-01", 3);
    club.recurrence.monthlyOn = MonthlyOn::Weekday;
    club.recurrence.week = kLastWeek;
    club.recurrence.weekday = 4;
    club.checkNumber = u"1001"_s;
    club.recurrence.ending = Ending::OnDate;
    club.recurrence.until = d("2027-12-31");
    Schedule insurance = schedule("", -64000, Period::Year, "2024-02-29");
    Schedule vitamins = schedule("Vitamins", -1999, Period::Day, "2026-01-03", 45);
    std::vector<Schedule> all = {rent, pay, power, club, insurance, vitamins};
    for (size_t i = 0; i < all.size(); ++i)
        all[i].id = int(i) + 1;
    return all;
}

TEST(ScheduleText, EveryFieldReadsBackAsItWasWritten)
{
    const std::vector<Schedule> all = everyKindOfSchedule();
    const QString text = schedulesText(all);
    EXPECT_EQ(readSchedulesText(text), all);
    EXPECT_EQ(scheduleLine(all[0]),
              u"id=1;desc=Rent%3B \"flat\" 100%25 %3D mine%0Asecond line;amount=-1200.00;every=1 month;on=1;"
              "start=2026-01-01;weekend=before;done=2026-03-01;also=2026-05-01,2026-07-01"_s);
    EXPECT_EQ(text.count(u'\n'), qsizetype(all.size()) - 1) << "one line each, the line break in a value escaped";
}

TEST(ScheduleText, WhatItCannotReadIsKeptAsItStands)
{
    // A field of a later version, a line it cannot read, and one with no id.
    const QString text = u"id=4;desc=Rent;amount=-1200.00;every=1 month;on=1;start=2026-01-01;colour=blue\n"
                         "id=5;desc=Gym;amount=lots;every=1 month;start=2026-01-01\n"
                         "desc=Netflix;amount=-15.49;every=1 month;on=9;start=2026-01-09\n"
                         "id=4;desc=Twin;amount=-1.00;every=1 week;start=2026-01-09"_s;
    const std::vector<Schedule> read = readSchedulesText(text);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0].otherFields, (std::vector<std::pair<QString, QString>>{{u"colour"_s, u"blue"_s}}));
    EXPECT_FALSE(read[1].isReadable());
    EXPECT_EQ(read[1].problem, u"the amount \u201clots\u201d is not an amount"_s);
    EXPECT_EQ(openOccurrences(read[1], {}, d("2027-01-01")).size(), 0u) << "no occurrences from what it cannot read";
    // Ids: each unique, the ones written kept.
    EXPECT_EQ(read[0].id, 4);
    EXPECT_NE(read[2].id, 4);
    EXPECT_NE(read[3].id, 4);
    EXPECT_NE(read[2].id, read[3].id);
    EXPECT_NE(read[1].id, read[2].id);
    // Written back, the unknown field and the unread line are as they were.
    const QStringList back = schedulesText(read).split(u'\n');
    EXPECT_EQ(back[0], text.split(u'\n')[0]);
    EXPECT_EQ(back[1], text.split(u'\n')[1]);
}

TEST(ScheduleText, LinesThatAreNotSchedulesSayWhy)
{
    const struct {
        const char *line;
        const char *why;
    } cases[] = {
        {"desc=A;every=1 month;start=2026-01-01", "it has no amount"},
        {"desc=A;amount=1;start=2026-01-01", "it does not say how often it comes round"},
        {"desc=A;amount=1;every=1 fortnight;start=2026-01-01",
         "\u201c1 fortnight\u201d is not how often it comes round (N day, week, month or year)"},
        {"desc=A;amount=1;every=0 month;start=2026-01-01", "the every \u201c0\u201d is not a number from 1 to 1000"},
        {"desc=A;amount=1;every=1 month;start=01/01/2026", "the start \u201c01/01/2026\u201d is not a date (YYYY-MM-DD)"},
        {"desc=A;amount=1;every=1 month", "it has no start date"},
        {"desc=A;amount=1;every=1 month;on=32;start=2026-01-01",
         "\u201c32\u201d is not a day of the month (1 to 31, last, or 2 fri)"},
        {"desc=A%zz;amount=1;every=1 month;start=2026-01-01",
         "the desc holds a % that is not followed by two hexadecimal digits"},
        {"desc=A;amount=1;every=1 month;start=2026-01-01;oops", "\u201coops\u201d is not a field (name=value)"},
    };
    for (const auto &c : cases) {
        const std::vector<Schedule> read = readSchedulesText(QString::fromUtf8(c.line));
        ASSERT_EQ(read.size(), 1u) << c.line;
        EXPECT_EQ(read[0].problem, QString::fromUtf8(c.why)) << c.line;
    }
}

// --- The register file.

TEST(RegisterWithSchedules, TravelsInBothFileForms)
{
    auto doc = household();
    for (Schedule s : everyKindOfSchedule())
        ASSERT_EQ(addSchedule(*doc, s), QString());
    ASSERT_EQ(setReserve(*doc, 25000), QString());
    const ScheduleBook kept = readScheduleBook(*doc->array());
    ASSERT_EQ(kept.schedules.size(), 6u);

    const ScheduleBook fromText = readScheduleBook(*reopened(*doc)->array());
    EXPECT_EQ(fromText.schedules, kept.schedules);
    EXPECT_EQ(fromText.reserve, 25000);

    QString why;
    const std::optional<QByteArray> xml = xmlText(doc->array()->rows(), &why);
    ASSERT_TRUE(xml) << why.toStdString();
    RegisterReadResult fromXml = parseRegister(*xml);
    ASSERT_TRUE(fromXml.ok()) << fromXml.error.toStdString();
    const Register xmlRegister(std::move(fromXml.rows));
    EXPECT_EQ(readScheduleBook(xmlRegister).schedules, kept.schedules);
    EXPECT_EQ(readScheduleBook(xmlRegister).reserve, 25000);
    // And back from XML to the text form, byte for byte.
    EXPECT_EQ(oldStyleText(xmlRegister.rows()), bytesOf(*doc));
}

TEST(RegisterWithSchedules, AnOlderReaderSeesTheSameRowsAndBalances)
{
    auto doc = household();
    const QString reportBefore = reportText(*doc->array());
    const int rowsBefore = doc->count();
    for (Schedule s : everyKindOfSchedule())
        ASSERT_EQ(addSchedule(*doc, s), QString());
    ASSERT_EQ(setReserve(*doc, 10000), QString());
    const QByteArray saved = bytesOf(*doc);

    // A reader that knows only the rows: the same rows, report and balances.
    RegisterReadResult read = parseRegister(saved);
    ASSERT_TRUE(read.ok());
    Register older(std::move(read.rows));
    EXPECT_EQ(older.count(), rowsBefore);
    recalculateCheckbook(older);
    EXPECT_EQ(reportText(older), reportBefore);
    int shown = 0;
    ASSERT_TRUE(parseShownRows(saved, [&](ShownRow &&) { ++shown; }).ok());
    EXPECT_EQ(shown, rowsBefore);
    // And a save there keeps them, as keys it does not know.
    EXPECT_EQ(oldStyleText(older.rows()), saved);
}

TEST(RegisterWithSchedules, ARegisterWithoutSchedulesIsTheFileItWas)
{
    auto doc = household();
    const QByteArray before = bytesOf(*doc);
    int id = 0;
    ASSERT_EQ(addSchedule(*doc, schedule("Rent", -65000, Period::Month, "2026-03-01"), &id), QString());
    ASSERT_EQ(setReserve(*doc, 5000), QString());
    ASSERT_EQ(setReserve(*doc, 0), QString());
    ASSERT_EQ(removeSchedule(*doc, id), QString());
    EXPECT_EQ(bytesOf(*doc), before) << "no empty Schedules or Reserve key left behind";
}

TEST(RegisterWithSchedules, SchedulesMovedOffTheOpeningRowAreFoundAndPutBack)
{
    // An older version put a row above the opening row: the keys went down with it.
    auto doc = household();
    ASSERT_EQ(addSchedule(*doc, schedule("Rent", -65000, Period::Month, "2026-03-01")), QString());
    doc->array()->insert(0, row("12/31/2025", "Earlier", "10.00"));
    EXPECT_EQ(scheduleRow(*doc->array()), 1);
    ASSERT_EQ(readScheduleBook(*doc->array()).schedules.size(), 1u);

    ASSERT_EQ(addSchedule(*doc, schedule("Gym", -3000, Period::Month, "2026-03-05")), QString());
    EXPECT_EQ(scheduleRow(*doc->array()), 0);
    EXPECT_FALSE((*doc->array())[1].contains(kSchedulesKey)) << "moved, not copied";
    EXPECT_EQ(readScheduleBook(*doc->array()).schedules.size(), 2u);
}

TEST(RegisterWithSchedules, AnUnreadableReserveIsKeptUntilOneIsSet)
{
    auto doc = household();
    (*doc->array())[0].set(kReserveKey, Value::text(u"plenty"));
    const ScheduleBook book = readScheduleBook(*doc->array());
    EXPECT_EQ(book.reserve, 0);
    EXPECT_EQ(book.problems(), QStringList{u"the reserve \u201cplenty\u201d is not an amount; 0.00 is used"_s});
    ASSERT_EQ(addSchedule(*doc, schedule("Rent", -65000, Period::Month, "2026-03-01")), QString());
    EXPECT_EQ((*doc->array())[0].value(kReserveKey).toString(), u"plenty"_s);
    ASSERT_EQ(setReserve(*doc, 12345), QString());
    EXPECT_EQ((*doc->array())[0].value(kReserveKey).toString(), u"123.45"_s);
}

// --- The document's edits.

struct Edit {
    const char *what;
    std::function<QString(MyDocument &)> run;
};

std::unique_ptr<MyDocument> withRentAndGym()
{
    auto doc = household();
    Schedule rent = schedule("Rent", -65000, Period::Month, "2026-01-01");
    rent.handledThrough = d("2026-02-01");
    EXPECT_EQ(addSchedule(*doc, rent), QString());
    EXPECT_EQ(addSchedule(*doc, schedule("Gym", -3000, Period::Month, "2026-02-05")), QString());
    return doc;
}

TEST(ScheduleEdits, EachIsOneStepThatUndoesAndRedoesToTheSameBytes)
{
    const QDate today = d("2026-03-10");
    const Edit edits[] = {
        {"a new schedule", [](MyDocument &doc) { return addSchedule(doc, schedule("Netflix", -1549, Period::Month, "2026-03-09")); }},
        {"a changed schedule",
         [](MyDocument &doc) {
             Schedule s = readScheduleBook(*doc.array()).schedules[1];
             s.amount = -3500;
             return changeSchedule(doc, s);
         }},
        {"a removed schedule", [](MyDocument &doc) { return removeSchedule(doc, 1); }},
        {"the reserve", [](MyDocument &doc) { return setReserve(doc, 20000); }},
        {"every due occurrence entered",
         [&](MyDocument &doc) { return enterOccurrences(doc, dueOccurrences(readScheduleBook(*doc.array()), today)); }},
        {"one skipped",
         [&](MyDocument &doc) {
             return skipOccurrences(doc, {dueOccurrences(readScheduleBook(*doc.array()), today).front()});
         }},
    };
    for (const Edit &e : edits) {
        auto doc = withRentAndGym();
        const QByteArray before = bytesOf(*doc);
        const size_t steps = doc->history().position();
        ASSERT_EQ(e.run(*doc), QString()) << e.what;
        const QByteArray after = bytesOf(*doc);
        EXPECT_NE(after, before) << e.what;
        EXPECT_EQ(doc->history().position(), steps + 1) << e.what << ": one step";
        ASSERT_TRUE(doc->undo()) << e.what;
        EXPECT_EQ(bytesOf(*doc), before) << e.what;
        ASSERT_TRUE(doc->redo()) << e.what;
        EXPECT_EQ(bytesOf(*doc), after) << e.what;
    }
}

QStringList describe(const ScheduleBook &book, const std::vector<Occurrence> &os)
{
    QStringList out;
    for (const Occurrence &o : os)
        out << book.find(o.scheduleId)->description + u' ' + o.when.date.toString(Qt::ISODate);
    return out;
}

TEST(ScheduleEdits, EnteredAndSkippedOccurrencesAreNotOfferedAfterAReopen)
{
    auto doc = withRentAndGym();
    const QDate today = d("2026-03-10");
    const ScheduleBook book = readScheduleBook(*doc->array());
    const std::vector<Occurrence> due = dueOccurrences(book, today);
    EXPECT_EQ(describe(book, due), (QStringList{u"Gym 2026-02-05"_s, u"Rent 2026-03-01"_s, u"Gym 2026-03-05"_s}));

    int entered = 0;
    ASSERT_EQ(enterOccurrences(*doc, {due[1]}, &entered), QString());
    EXPECT_EQ(entered, 1);
    ASSERT_EQ(skipOccurrences(*doc, {due[0]}), QString());
    const Record &last = (*doc->array())[doc->count() - 1];
    EXPECT_EQ(last.value(Key::DescriptionofTransaction).toString(), u"Rent"_s);
    EXPECT_EQ(last.value(Key::Date).toString(), u"03/01/2026"_s);
    EXPECT_EQ(last.value(Key::Amount).toString(), u"-650.00"_s);
    EXPECT_EQ(last.value(Key::Total).centsOrZero(), 100000 - 7124 - 65000 - 65000);

    auto again = reopened(*doc);
    const ScheduleBook reread = readScheduleBook(*again->array());
    EXPECT_EQ(describe(reread, dueOccurrences(reread, today)), QStringList{u"Gym 2026-03-05"_s});

    // A list shown before is stale now: what it offers again is left out.
    const int rows = doc->count();
    ASSERT_EQ(enterOccurrences(*doc, due, &entered), QString());
    EXPECT_EQ(entered, 1) << "only the March gym was still open";
    EXPECT_EQ(doc->count(), rows + 1);
}

TEST(ScheduleEdits, AutomaticOccurrencesAreTheOnlyOnesEnteredWithoutAsking)
{
    auto doc = withRentAndGym();
    Schedule pay = schedule("Paycheck", 185000, Period::Week, "2026-02-20", 2);
    pay.autoEnter = true;
    ASSERT_EQ(addSchedule(*doc, pay), QString());
    const QDate today = d("2026-03-10");
    const ScheduleBook book = readScheduleBook(*doc->array());
    EXPECT_EQ(describe(book, dueOccurrences(book, today, DueKind::Automatic)),
              (QStringList{u"Paycheck 2026-02-20"_s, u"Paycheck 2026-03-06"_s}));
    EXPECT_EQ(describe(book, dueOccurrences(book, today, DueKind::Asked)),
              (QStringList{u"Gym 2026-02-05"_s, u"Rent 2026-03-01"_s, u"Gym 2026-03-05"_s}));
    ASSERT_EQ(enterOccurrences(*doc, dueOccurrences(book, today, DueKind::Automatic)), QString());
    EXPECT_EQ(doc->history().undoName(), u"Enter 2 Scheduled Transactions"_s);
    const ScheduleBook after = readScheduleBook(*doc->array());
    EXPECT_TRUE(dueOccurrences(after, today, DueKind::Automatic).empty());
    EXPECT_EQ(dueOccurrences(after, today, DueKind::Asked).size(), 3u);
}

TEST(ScheduleEdits, RefusalsSayWhyAndChangeNothing)
{
    MyDocument empty;
    empty.ensureRegister();
    EXPECT_EQ(addSchedule(empty, schedule("Rent", -1, Period::Month, "2026-01-01")),
              u"The register has no opening balance yet; schedules are kept with it, so enter it first."_s);
    EXPECT_EQ(empty.count(), 0);

    auto doc = withRentAndGym();
    const QByteArray before = bytesOf(*doc);
    EXPECT_EQ(removeSchedule(*doc, 9), u"There is no schedule 9."_s);
    Schedule ghost = schedule("Ghost", -1, Period::Month, "2026-01-01");
    ghost.id = 9;
    EXPECT_EQ(changeSchedule(*doc, ghost), u"There is no schedule 9."_s);
    EXPECT_EQ(addSchedule(*doc, schedule("Never", -1, Period::Month, "")),
              u"The schedule cannot be kept: it has no start date."_s);
    // An entry that would take the balance beyond what money holds enters nothing.
    Schedule huge = schedule("Huge", kMaxCents, Period::Day, "2026-03-01");
    ASSERT_EQ(addSchedule(*doc, huge), QString());
    const QByteArray withHuge = bytesOf(*doc);
    const std::vector<Occurrence> due = dueOccurrences(readScheduleBook(*doc->array()), d("2026-03-02"));
    EXPECT_TRUE(enterOccurrences(*doc, due).startsWith(u"Nothing was entered: "_s));
    EXPECT_EQ(bytesOf(*doc), withHuge);
    ASSERT_TRUE(doc->undo());
    EXPECT_EQ(bytesOf(*doc), before);
}

TEST(ScheduleEdits, StepNamesSayWhat)
{
    auto doc = withRentAndGym();
    EXPECT_EQ(doc->history().undoName(), u"New Schedule \u201cGym\u201d"_s);
    ASSERT_EQ(removeSchedule(*doc, 1), QString());
    EXPECT_EQ(doc->history().undoName(), u"Remove Schedule \u201cRent\u201d"_s);
    const ScheduleBook book = readScheduleBook(*doc->array());
    ASSERT_EQ(skipOccurrences(*doc, dueOccurrences(book, d("2026-03-10"))), QString());
    EXPECT_EQ(doc->history().undoName(), u"Skip 2 Scheduled Transactions"_s);
}

} // namespace

// --- A statement meeting the schedules.

TEST(ScheduleEdits, AnImportedLineEntersTheOccurrenceItMeetsAndOneUndoTakesBothBack)
{
    auto doc = withRentAndGym();
    const QByteArray before = bytesOf(*doc);
    // The bank's rent a day after it was due, and a coffee.
    const ImportPreview preview("03/02/2026,-650.00,*,,ACH LANDLORD LLC\n03/02/2026,-4.50,*,,COFFEE\n",
                                u"march.csv"_s, doc->array(), d("2026-03-10"));
    EXPECT_EQ(preview.summary(), u"2 transactions to add, 1 of them a scheduled transaction"_s);

    const ImportResult r = importPlanned(*doc, doc->count(), preview.plan(), u"march.csv"_s);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(r.occurrences, 1);
    const Register &reg = *doc->array();
    EXPECT_EQ(reg[r.firstRow].value(Key::DescriptionofTransaction).toString(), u"Rent"_s);
    EXPECT_EQ(reg[r.firstRow].value(Key::Date).toString(), u"03/02/2026"_s) << "the bank's date";
    EXPECT_EQ(reg[r.firstRow + 1].value(Key::DescriptionofTransaction).toString(), u"COFFEE"_s);
    for (const Occurrence &o : dueOccurrences(readScheduleBook(reg), d("2026-03-10")))
        EXPECT_FALSE(o.when.scheduled == d("2026-03-01")) << "the March rent is not offered again";

    ASSERT_TRUE(doc->undo());
    EXPECT_EQ(bytesOf(*doc), before) << "the rows and the mark go back together";
}
