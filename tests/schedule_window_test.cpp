// Schedules in the register window: the due list entering, skipping and
// leaving for later, a day passing, and the forecast's lowest point turning
// to the warning colour under the reserve.

#include "ChartWindow.h"
#include "ScheduleDialogs.h"
#include "ScheduleEdits.h"
#include "ScheduleKeeping.h"
#include "ScheduleSupport.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineSeries>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

Schedule monthly(const char *description, Cents amount, const char *start, const char *handled = nullptr)
{
    Schedule s = schedule(description, amount, Period::Month, start);
    if (handled)
        s.handledThrough = d(handled);
    return s;
}

class ScheduleWindowTest : public WindowFixture
{
protected:
    // December 2026, today the 7th: the rent was due on the 1st and the gym
    // on the 5th; the paycheck enters itself on Fridays.
    void openDecember()
    {
        open({{"1000.00", "", "Opening", "12/01/2026"}});
        QCoreApplication::processEvents(); // the offer as the window opens: nothing yet
        ASSERT_EQ(addSchedule(*doc, monthly("Rent", -65000, "2026-11-01", "2026-11-01")), QString());
        ASSERT_EQ(addSchedule(*doc, monthly("Gym", -3000, "2026-12-05")), QString());
        Schedule pay = monthly("Paycheck", 20000, "2026-12-04");
        pay.recurrence.period = Period::Week;
        pay.recurrence.every = 2;
        pay.autoEnter = true;
        ASSERT_EQ(addSchedule(*doc, pay), QString());
        QCoreApplication::processEvents();
    }

    // What the person does with the due list, and what it showed.
    void answerDue(DueDialog::Choice choice, QStringList *shown, int untick = -1)
    {
        toolkit.dialogAnswers.push_back([=](QDialog &dialog) {
            auto &due = dynamic_cast<DueDialog &>(dialog);
            for (int i = 0; i < due.list()->topLevelItemCount(); ++i)
                *shown << due.list()->topLevelItem(i)->text(1);
            if (untick >= 0)
                due.list()->topLevelItem(untick)->setCheckState(0, Qt::Unchecked);
            due.choose(choice);
            return choice != DueDialog::Choice::Later;
        });
    }

    QLabel *lowest() const { return c->schedules()->lowestAhead(); }
};

TEST_F(ScheduleWindowTest, TheDueListEntersTheTickedAsOneStepAndSkippedOnesAreNotOfferedAgain)
{
    openDecember();
    QStringList shown;
    answerDue(DueDialog::Choice::Enter, &shown, 1); // the gym left ticked off
    const size_t steps = doc->history().position();
    c->schedules()->offerDue();
    EXPECT_EQ(shown, (QStringList{u"Rent"_s, u"Gym"_s})) << "the paycheck is not asked about";
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u"Opening"_s, u"Paycheck"_s, u"Rent"_s}));
    EXPECT_EQ(doc->history().position(), steps + 2) << "the paycheck entered itself, then the rent";
    EXPECT_EQ(reg()[2].value(Key::Total).centsOrZero(), 100000 + 20000 - 65000);

    shown.clear();
    answerDue(DueDialog::Choice::Skip, &shown);
    c->schedules()->offerDue();
    EXPECT_EQ(shown, QStringList{u"Gym"_s});
    EXPECT_EQ(doc->count(), 3) << "skipping enters nothing";
    c->schedules()->offerDue(); // nothing is due: no window (the fake would fail on one)
    EXPECT_TRUE(toolkit.dialogAnswers.empty());

    ASSERT_TRUE(doc->undo()); // the skip
    ASSERT_TRUE(doc->undo()); // the rent
    EXPECT_EQ(doc->count(), 2);
    shown.clear();
    answerDue(DueDialog::Choice::Later, &shown);
    c->schedules()->offerDue();
    EXPECT_EQ(shown, (QStringList{u"Rent"_s, u"Gym"_s})) << "offered again once undone";
    EXPECT_EQ(doc->count(), 2) << "Later changes nothing";
}

TEST_F(ScheduleWindowTest, ADayPassingOffersWhatCameDueThatDay)
{
    openDecember();
    QStringList shown;
    answerDue(DueDialog::Choice::Skip, &shown);
    c->schedules()->offerDue();
    shown.clear();
    c->schedules()->dayMayHavePassed(); // the same day: nothing asked
    toolkit.fixedToday = d("2026-12-18");
    answerDue(DueDialog::Choice::Enter, &shown);
    c->schedules()->dayMayHavePassed();
    EXPECT_TRUE(shown.isEmpty()) << "nothing was asked about by the 18th";
    EXPECT_EQ(reg()[doc->count() - 1].value(Key::DescriptionofTransaction).toString(), u"Paycheck"_s)
        << "the paycheck of the 18th entered itself";
    toolkit.dialogAnswers.clear();
    toolkit.fixedToday = d("2027-01-01");
    answerDue(DueDialog::Choice::Enter, &shown);
    c->schedules()->dayMayHavePassed();
    EXPECT_EQ(shown, QStringList{u"Rent"_s}) << "the new year's first morning: January's rent";
    EXPECT_EQ(reg()[doc->count() - 1].value(Key::Date).toString(), u"01/01/2027"_s);
}

// Later put the due list off until the register was next opened: a window
// left open all day never asked again.
TEST_F(ScheduleWindowTest, LaterAsksAgainAfterAnHourWhileTheWindowStaysOpen)
{
    openDecember();
    QStringList shown;
    toolkit.fixedTime = QTime(9, 0);
    answerDue(DueDialog::Choice::Later, &shown);
    c->schedules()->offerDue();
    ASSERT_FALSE(shown.isEmpty());
    const int rows = doc->count();

    struct Tick {
        int minutes; // after Later
        bool asked;
        DueDialog::Choice answer;
    } const ticks[] = {
        {1, false, DueDialog::Choice::Later},
        {59, false, DueDialog::Choice::Later},
        {60, true, DueDialog::Choice::Later}, // put off once more
        {61, false, DueDialog::Choice::Enter},
        {119, false, DueDialog::Choice::Enter},
        {120, true, DueDialog::Choice::Enter},
        {180, false, DueDialog::Choice::Enter}, // entered: nothing left to ask about
    };
    for (const Tick &t : ticks) {
        shown.clear();
        toolkit.dialogAnswers.clear();
        answerDue(t.answer, &shown);
        toolkit.fixedTime = QTime(9, 0).addSecs(t.minutes * 60);
        c->schedules()->dayMayHavePassed();
        EXPECT_EQ(!shown.isEmpty(), t.asked) << t.minutes << " minutes after Later";
    }
    EXPECT_GT(doc->count(), rows) << "entered when asked again";
}

TEST_F(ScheduleWindowTest, TheLowestAheadTurnsToTheWarningColourWhenALargeCheckGoesUnderTheReserve)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    QCoreApplication::processEvents();
    EXPECT_FALSE(lowest()->isVisibleTo(c->window())) << "a register without schedules shows no forecast";
    ASSERT_EQ(addSchedule(*doc, monthly("Rent", -65000, "2026-12-01", "2026-12-01")), QString());
    ASSERT_EQ(setReserve(*doc, 10000), QString());
    QCoreApplication::processEvents();
    EXPECT_EQ(lowest()->text(), u"Lowest ahead: 350.00 on 01/01/2027"_s);
    EXPECT_TRUE(lowest()->styleSheet().isEmpty());
    const QTreeWidget *ahead = c->schedules()->forecastView();
    ASSERT_EQ(ahead->topLevelItemCount(), 1);
    EXPECT_EQ(ahead->topLevelItem(0)->text(4), u"350.00"_s) << "the balance carried on";
    EXPECT_TRUE(ahead->font().italic());
    EXPECT_EQ(doc->count(), 1) << "the forecast is no row of the register";

    type("1042", "Roofer", "-300.00", "12/07/2026");
    enterButton()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(lowest()->text(), u"Lowest ahead: 50.00 on 01/01/2027"_s);
    EXPECT_TRUE(lowest()->styleSheet().contains(u"color"_s)) << "under the reserve of 100.00";
    ASSERT_TRUE(doc->undo());
    QCoreApplication::processEvents();
    EXPECT_TRUE(lowest()->styleSheet().isEmpty()) << "the check undone, the warning goes";
}

TEST_F(ScheduleWindowTest, TheForecastIsWrittenInThePersonsFormsWhenTheyChange)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    QCoreApplication::processEvents();
    ASSERT_EQ(addSchedule(*doc, monthly("Rent", -65000, "2026-12-01", "2026-12-01")), QString());
    QCoreApplication::processEvents();
    c->setWrittenForms({DateOrder::YearMonthDay, u','});
    EXPECT_EQ(lowest()->text(), u"Lowest ahead: 350,00 on 2027-01-01"_s);
    const QTreeWidgetItem *rent = c->schedules()->forecastView()->topLevelItem(0);
    ASSERT_NE(rent, nullptr);
    EXPECT_EQ(rent->text(2), u"2027-01-01"_s);
    EXPECT_EQ(rent->text(3), u"-650,00"_s);
}

TEST_F(ScheduleWindowTest, RepeatMakesTheSelectedRowItsFirstOccurrenceInOneStep)
{
    open({{"1000.00", "", "Opening", "11/01/2026"}, {"-650.00", "", "Rent", "11/03/2026"}});
    QCoreApplication::processEvents();
    QString title;
    toolkit.dialogAnswers.push_back([&](QDialog &dialog) {
        title = dialog.windowTitle();
        return true; // accepted as filled in from the row
    });
    const size_t steps = doc->history().position();
    c->schedules()->repeatRow(1);
    EXPECT_EQ(title, u"Repeat \u201cRent\u201d"_s);
    const ScheduleBook book = readScheduleBook(reg());
    ASSERT_EQ(book.schedules.size(), 1u);
    const Schedule &rent = book.schedules[0];
    EXPECT_EQ(rent.amount, -65000);
    EXPECT_EQ(rent.recurrence.period, Period::Month);
    EXPECT_EQ(rent.recurrence.day, 3);
    EXPECT_EQ(doc->history().position(), steps + 1);
    // Today is the 7th of December: November's rent, the row itself, is not due again.
    QStringList shown;
    answerDue(DueDialog::Choice::Later, &shown);
    c->schedules()->offerDue();
    EXPECT_EQ(shown, QStringList{u"Rent"_s}) << "December's only";
}

TEST_F(ScheduleWindowTest, TheBalanceChartDrawsTheForecastDashedWithTheReserve)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    ASSERT_EQ(addSchedule(*doc, monthly("Rent", -65000, "2026-12-01", "2026-12-01")), QString());
    ASSERT_EQ(setReserve(*doc, 10000), QString());
    ChartWindow charts(doc->array(), [this] { return toolkit.fixedToday; });
    charts.refresh();
    const QList<QPointF> ahead = charts.forecastSeries()->points();
    ASSERT_EQ(ahead.size(), 2) << "from today's balance to the January rent";
    EXPECT_EQ(ahead[0].y(), 1000.0);
    EXPECT_EQ(ahead[1].y(), 350.0);
    EXPECT_EQ(charts.forecastSeries()->pen().style(), Qt::DashLine);
    const QList<QPointF> reserve = charts.reserveSeries()->points();
    ASSERT_EQ(reserve.size(), 2);
    EXPECT_EQ(reserve[0].y(), 100.0);
    EXPECT_GE(reserve[1].x(), ahead[1].x()) << "the reserve runs to the forecast's end";

    ASSERT_EQ(removeSchedule(*doc, 1), QString());
    charts.refresh();
    EXPECT_EQ(charts.forecastSeries()->count(), 0) << "no schedules, no forecast";
}

TEST_F(ScheduleWindowTest, SchedulesAnOlderVersionMovedOffTheOpeningRowAreFoundAfterEachEdit)
{
    // A row an older Cheqbook put above the opening row, which keeps the schedules.
    open({{"500.00", "", "Deposit", "12/01/2026"}, {"1000.00", "", "Opening", "12/01/2026"}});
    reg()[1].set(kSchedulesKey, Value::text(u"id=1;desc=Rent;amount=-650.00;every=1 month;on=1;"
                                            "start=2026-12-01;done=2026-12-01"_s));
    c->schedules()->registerReplaced();
    EXPECT_EQ(lowest()->text(), u"Lowest ahead: 850.00 on 01/01/2027"_s);
    ASSERT_EQ(setReserve(*doc, 100000), QString()); // kept on the opening row from now on
    QCoreApplication::processEvents();
    EXPECT_FALSE(reg()[1].contains(kSchedulesKey));
    EXPECT_TRUE(lowest()->styleSheet().contains(u"color"_s)) << "850.00 is under 1000.00";
    ASSERT_TRUE(doc->undo()); // back on the row they were found on
    QCoreApplication::processEvents();
    EXPECT_EQ(lowest()->text(), u"Lowest ahead: 850.00 on 01/01/2027"_s);
    EXPECT_TRUE(lowest()->styleSheet().isEmpty());
    type("", "Coffee", "-4.50", "12/07/2026");
    enterButton()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(lowest()->text(), u"Lowest ahead: 845.50 on 01/01/2027"_s);
}

TEST_F(ScheduleWindowTest, ADoubleClickOnTheForecastChangesItsScheduleInOneStep)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    ASSERT_EQ(addSchedule(*doc, monthly("Rent", -65000, "2026-12-01", "2026-12-01")), QString());
    QCoreApplication::processEvents();
    QTreeWidget *ahead = c->schedules()->forecastView();
    ASSERT_EQ(ahead->topLevelItemCount(), 1);
    QString title;
    toolkit.dialogAnswers.push_back([&](QDialog &dialog) {
        title = dialog.windowTitle();
        const QList<QLineEdit *> fields = dialog.findChildren<QLineEdit *>(); // description, amount, check #
        fields.at(1)->setText(u"-700"_s);
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    });
    const size_t steps = doc->history().position();
    emit ahead->itemDoubleClicked(ahead->topLevelItem(0), 0);
    EXPECT_EQ(title, u"Change Schedule"_s);
    EXPECT_EQ(readScheduleBook(reg()).schedules.at(0).amount, -70000);
    EXPECT_EQ(doc->history().position(), steps + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(c->schedules()->forecastView()->topLevelItem(0)->text(3), u"-700.00"_s);
}

TEST_F(ScheduleWindowTest, TheEditorRefusesAnAmountThatIsNoneAndSaysWhy)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    Schedule rent = monthly("Rent", -65000, "2026-12-01");
    ScheduleEditor editor(c->window(), u"New Schedule"_s, rent, c->writtenForms());
    const QList<QLineEdit *> fields = editor.findChildren<QLineEdit *>();
    for (const char *typed : {"", "twelve", "0"}) {
        fields.at(1)->setText(QString::fromLatin1(typed));
        editor.accept();
        EXPECT_NE(editor.result(), QDialog::Accepted) << typed;
        QString why;
        editor.schedule(&why);
        EXPECT_TRUE(why.startsWith(u"The amount"_s)) << typed << ": " << why.toStdString();
    }
}

// The editor could not choose "the second Tuesday" at all, and a schedule
// on one (from the command line) was kept only while nobody touched it.
TEST_F(ScheduleWindowTest, TheEditorChoosesTheNthWeekdayAndGivesBackWhatItWasGiven)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    auto boxOf = [](ScheduleEditor &e, const char *name) { return e.findChild<QComboBox *>(QString::fromLatin1(name)); };
    struct Case {
        const char *what;
        MonthlyOn on;
        int week, weekday;
    } const cases[] = {
        {"the second Tuesday", MonthlyOn::Weekday, 2, 2},
        {"the last Friday", MonthlyOn::Weekday, kLastWeek, 5},
        {"the first Sunday", MonthlyOn::Weekday, 1, 7},
        {"the last day", MonthlyOn::LastDay, 1, 5},
    };
    for (const Case &k : cases) {
        Schedule given = monthly("Club", -2500, "2026-12-08");
        given.recurrence.monthlyOn = k.on;
        given.recurrence.week = k.week;
        given.recurrence.weekday = k.weekday;
        ScheduleEditor editor(c->window(), u"Change Schedule"_s, given, c->writtenForms());
        QString why;
        EXPECT_EQ(editor.schedule(&why).recurrence, given.recurrence) << k.what << ": opened and kept as it was";
        EXPECT_EQ(why, QString()) << k.what;
        editor.show();
        EXPECT_EQ(boxOf(editor, "weekBox")->isVisible(), k.on == MonthlyOn::Weekday) << k.what;
    }

    // Chosen by hand: a day of the month becomes the fourth Thursday, and the
    // last Monday; the text under the list says so.
    ScheduleEditor editor(c->window(), u"New Schedule"_s, monthly("Club", -2500, "2026-12-08"), c->writtenForms());
    editor.show();
    EXPECT_FALSE(boxOf(editor, "weekBox")->isVisible());
    EXPECT_EQ(boxOf(editor, "weekdayBox")->currentText(), u"Tuesday"_s) << "the start's weekday to begin with";
    boxOf(editor, "monthlyOnBox")->setCurrentIndex(int(MonthlyOn::Weekday));
    EXPECT_TRUE(boxOf(editor, "weekBox")->isVisible());
    boxOf(editor, "weekBox")->setCurrentIndex(3);
    boxOf(editor, "weekdayBox")->setCurrentIndex(3);
    Recurrence r = editor.schedule().recurrence;
    EXPECT_EQ(std::tuple(r.monthlyOn, r.week, r.weekday), std::tuple(MonthlyOn::Weekday, 4, 4));
    EXPECT_EQ(recurrenceText(r), u"monthly on the fourth Thursday"_s);
    boxOf(editor, "weekBox")->setCurrentIndex(4);
    boxOf(editor, "weekdayBox")->setCurrentIndex(0);
    r = editor.schedule().recurrence;
    EXPECT_EQ(std::tuple(r.week, r.weekday), std::tuple(kLastWeek, 1));
    EXPECT_EQ(OccurrenceWalk(r, d("2026-12-08")).next()->date, d("2026-12-28")) << "the last Monday of December";
}

TEST_F(ScheduleWindowTest, SuggestShowsEachProposalWithItsEvidenceAndAddingOneIsOneStep)
{
    open({{"3000.00", "", "Opening", "06/01/2026"},
          {"-1200.00", "", "Rent", "07/01/2026"},
          {"-1200.00", "", "Rent", "08/01/2026"},
          {"-1200.00", "", "Rent", "09/01/2026"},
          {"-41.10", "", "Hy-Vee", "09/12/2026"},
          {"-1200.00", "", "Rent", "10/01/2026"},
          {"-1200.00", "", "Rent", "11/01/2026"},
          {"-1200.00", "", "Rent", "12/01/2026"}});
    QStringList evidence;
    auto answer = [&](bool tickFirst) {
        toolkit.dialogAnswers.push_back([&evidence, tickFirst](QDialog &dialog) {
            auto &suggested = dynamic_cast<SuggestDialog &>(dialog);
            evidence.clear();
            for (int i = 0; i < suggested.list()->topLevelItemCount(); ++i)
                evidence << suggested.list()->topLevelItem(i)->text(0);
            if (tickFirst && suggested.list()->topLevelItemCount() > 0)
                suggested.list()->topLevelItem(0)->setCheckState(0, Qt::Checked);
            dialog.accept();
            return true;
        });
    };
    answer(false);
    const size_t steps = doc->history().position();
    c->suggestSchedules(&menuItem);
    EXPECT_EQ(evidence, QStringList{u"Rent: 6 times, monthly on the 1st, -1200.00"_s});
    EXPECT_EQ(doc->history().position(), steps) << "nothing ticked, nothing added";

    answer(true);
    c->suggestSchedules(&menuItem);
    EXPECT_EQ(doc->history().position(), steps + 1);
    const ScheduleBook book = readScheduleBook(reg());
    ASSERT_EQ(book.schedules.size(), 1u);
    EXPECT_EQ(book.schedules[0].description, u"Rent"_s);
    EXPECT_EQ(nextOpenOccurrence(book.schedules[0])->when.date, d("2027-01-01")) << "December's counts as entered";
    QCoreApplication::processEvents();
    EXPECT_EQ(c->schedules()->forecastView()->topLevelItemCount(), 1) << "the forecast shows it at once";

    answer(false);
    c->suggestSchedules(&menuItem);
    EXPECT_TRUE(evidence.isEmpty()) << "a payee a schedule names is not proposed again";

    c->undo(&menuItem);
    EXPECT_TRUE(readScheduleBook(reg()).schedules.empty());
    EXPECT_EQ(doc->count(), 8) << "the rows it was found in stay";
}

TEST_F(ScheduleWindowTest, SetReserveTurnsTheFigureToTheWarningColourAndUndoTakesItBack)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    ASSERT_EQ(addSchedule(*doc, monthly("Rent", -65000, "2026-12-01", "2026-12-01")), QString());
    QCoreApplication::processEvents();
    EXPECT_EQ(lowest()->text(), u"Lowest ahead: 350.00 on 01/01/2027"_s);
    auto typeReserve = [&](const char *typed) {
        toolkit.dialogAnswers.push_back([typed](QDialog &dialog) {
            auto &input = dynamic_cast<QInputDialog &>(dialog);
            input.setTextValue(QString::fromLatin1(typed));
            input.accept();
            return true;
        });
        c->setScheduleReserve(&menuItem);
        QCoreApplication::processEvents();
    };
    const size_t steps = doc->history().position();
    typeReserve("four hundred");
    ASSERT_EQ(toolkit.alerts.size(), 1u);
    EXPECT_TRUE(toolkit.alerts[0].message.contains(u"four hundred"_s)) << "the refusal names what was typed";
    EXPECT_EQ(doc->history().position(), steps);

    typeReserve("400");
    EXPECT_EQ(readScheduleBook(reg()).reserve, 40000);
    EXPECT_EQ(doc->history().position(), steps + 1);
    EXPECT_TRUE(lowest()->styleSheet().contains(u"color"_s)) << "350.00 ahead is under 400.00";
    EXPECT_EQ(lowest()->toolTip(), u"Under the register's reserve of 400.00"_s);
    typeReserve("400.00");
    EXPECT_EQ(doc->history().position(), steps + 1) << "the same reserve again is no step";

    c->undo(&menuItem);
    QCoreApplication::processEvents();
    EXPECT_EQ(readScheduleBook(reg()).reserve, 0);
    EXPECT_TRUE(lowest()->styleSheet().isEmpty()) << "undone, the warning goes";
}

} // namespace
