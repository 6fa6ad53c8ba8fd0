// The charts: the balance over time, money in and out, the payees that took
// the most, worked out by hand on a small register; the window that draws
// them, follows the register, and saves and prints them.

#include "ChartData.h"
#include "ChartWindow.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QAbstractAxis>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// Rows as a register holds them after the balances are worked out.
Register registerOf(std::initializer_list<std::pair<const char *, const char *>> dateAmounts,
                    std::initializer_list<const char *> descriptions)
{
    Register reg;
    Cents total = 0;
    auto description = descriptions.begin();
    for (auto [date, amount] : dateAmounts) {
        RecordPtr r = makeRecord();
        r->set(Key::Date, Value::text(QLatin1StringView(date)));
        r->set(Key::Amount, Value::text(QLatin1StringView(amount)));
        r->set(Key::DescriptionofTransaction, Value::text(QLatin1StringView(*description++)));
        total += r->value(Key::Amount).centsOrZero();
        r->set(Key::Total, Value::money(total));
        reg.append(r);
    }
    return reg;
}

// Worked out by hand:
//   row  date        description  amount    balance
//   0    01/01/2026  Opening      1000.00   1000.00
//   1    01/05/2026  Rent         -650.00    350.00
//   2    01/05/2026  Coffee         -4.50    345.50   the day's last: 345.50
//   3    01/20/2026  Pay          1200.00   1545.50
//   4    sometime    Gift           50.00   1595.50   no day: left out
//   5    02/02/2026  Coffee         -5.50   1590.00
//   6    01/31/2026  Coffee          1.00   1591.00   before row 5 in time
//   7    03/15/2026  Rent         -650.00    941.00
Register handWorked()
{
    return registerOf({{"01/01/2026", "1000.00"},
                       {"01/05/2026", "-650.00"},
                       {"01/05/2026", "-4.50"},
                       {"01/20/2026", "1200.00"},
                       {"sometime", "50.00"},
                       {"02/02/2026", "-5.50"},
                       {"01/31/2026", "1.00"},
                       {"03/15/2026", "-650.00"}},
                      {"Opening", "Rent", "Coffee", "Pay", "Gift", "Coffee", "Coffee", "Rent"});
}

const QDate kToday(2026, 12, 7);

TEST(ChartData, TheBalanceFlowsAndPayeesOfASmallRegister)
{
    const ChartData data = chartData(handWorked(), {}, kToday);
    EXPECT_EQ(data.balance, (std::vector<BalancePoint>{{QDate(2026, 1, 1), 100000},
                                                        {QDate(2026, 1, 5), 34550},
                                                        {QDate(2026, 1, 20), 154550},
                                                        {QDate(2026, 1, 31), 159100},
                                                        {QDate(2026, 2, 2), 159000},
                                                        {QDate(2026, 3, 15), 94100}}));
    EXPECT_EQ(data.unreadableDates, 1);
    // The opening balance is no money in; Gift has no month.
    EXPECT_FALSE(data.flowsByYear);
    EXPECT_EQ(data.flows, (std::vector<MoneyFlow>{{QDate(2026, 1, 1), 120100, 65450},
                                                   {QDate(2026, 2, 1), 0, 550},
                                                   {QDate(2026, 3, 1), 0, 65000}}));
    // What came back from a payee counts against what went to it; Pay took nothing.
    EXPECT_EQ(data.payees, (std::vector<PayeeTotal>{{u"Rent"_s, 130000, 2}, {u"Coffee"_s, 900, 3}}));
}

TEST(ChartData, APeriodKeepsItsDaysAndEmptyMonthsShow)
{
    const DateSpan january = periodSpan(ChartPeriod::ThisMonth, QDate(2026, 1, 20));
    EXPECT_EQ(january.from, QDate(2026, 1, 1));
    EXPECT_EQ(january.to, QDate(2026, 1, 31));
    const ChartData data = chartData(handWorked(), january, kToday);
    EXPECT_EQ(data.balance.size(), 4u);
    EXPECT_EQ(data.flows, (std::vector<MoneyFlow>{{QDate(2026, 1, 1), 120100, 65450}}));
    EXPECT_EQ(data.payees, (std::vector<PayeeTotal>{{u"Rent"_s, 65000, 1}, {u"Coffee"_s, 350, 2}}));
    EXPECT_EQ(data.unreadableDates, 1) << "counted whatever the period";

    EXPECT_TRUE(chartData(handWorked(), periodSpan(ChartPeriod::LastYear, kToday), kToday).balance.empty());
    const DateSpan three = periodSpan(ChartPeriod::LastThreeMonths, QDate(2026, 3, 15));
    EXPECT_EQ(three.from, QDate(2026, 1, 1));
    EXPECT_EQ(three.to, QDate(2026, 3, 31));
    const DateSpan twelve = periodSpan(ChartPeriod::LastTwelveMonths, QDate(2026, 3, 15));
    EXPECT_EQ(twelve.from, QDate(2025, 4, 1));

    // A month with nothing in it is a month all the same.
    const Register gap = registerOf({{"01/01/2026", "10"}, {"01/10/2026", "-1"}, {"04/10/2026", "5"}},
                                    {"Opening", "A", "B"});
    const ChartData withGap = chartData(gap, {}, kToday);
    ASSERT_EQ(withGap.flows.size(), 4u);
    EXPECT_EQ(withGap.flows[1], (MoneyFlow{QDate(2026, 2, 1), 0, 0}));
    // More months than bars: a bar a year.
    const ChartData byYear = chartData(gap, {}, kToday, 3);
    EXPECT_TRUE(byYear.flowsByYear);
    EXPECT_EQ(byYear.flows, (std::vector<MoneyFlow>{{QDate(2026, 1, 1), 500, 100}}));
}

TEST(ChartData, AReducedLineKeepsEveryPeakAndDip)
{
    std::vector<BalancePoint> points;
    const QDate first(2000, 1, 1);
    for (int day = 0; day < 10000; ++day)
        points.push_back({first.addDays(day), Cents((day % 37) * 100 - (day % 11) * 300)});
    points[5000].balance = 99999999; // one spike
    points[7000].balance = -99999999; // one dip
    const std::vector<BalancePoint> reduced = reducedForWidth(points, 200);
    EXPECT_LE(reduced.size(), 800u);
    EXPECT_EQ(reduced.front(), points.front());
    EXPECT_EQ(reduced.back(), points.back());
    EXPECT_NE(std::find(reduced.begin(), reduced.end(), points[5000]), reduced.end());
    EXPECT_NE(std::find(reduced.begin(), reduced.end(), points[7000]), reduced.end());
    EXPECT_TRUE(std::is_sorted(reduced.begin(), reduced.end(),
                               [](const BalancePoint &a, const BalancePoint &b) { return a.day < b.day; }));
    EXPECT_EQ(reducedForWidth(chartData(handWorked(), {}, kToday).balance, 200).size(), 6u)
        << "few points stay as they are";
}

class ChartWindowTest : public WindowFixture
{
protected:
    void openHandWorked()
    {
        open({{"1000.00", "", "Opening", "01/01/2026"},
              {"-650.00", "", "Rent", "01/05/2026"},
              {"-4.50", "", "Coffee", "01/05/2026"},
              {"1200.00", "", "Pay", "01/20/2026"},
              {"50.00", "", "Gift", "sometime"},
              {"-5.50", "", "Coffee", "02/02/2026"},
              {"1.00", "", "Coffee", "01/31/2026"},
              {"-650.00", "", "Rent", "03/15/2026"}});
    }
    ChartWindow *charts()
    {
        for (QAction *menu : c->window()->menuBar()->actions())
            if (menu->text() == u"&View")
                for (QAction *item : menu->menu()->actions())
                    if (item->text() == u"&Charts")
                        item->trigger();
        return c->chartWindow();
    }
    static QList<QPointF> expectedLine(std::initializer_list<std::pair<QDate, double>> points)
    {
        QList<QPointF> line;
        for (auto [day, dollars] : points)
            line << QPointF(double(QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch()), dollars);
        return line;
    }
    static QList<qreal> values(const QBarSet *set)
    {
        QList<qreal> out;
        for (int i = 0; i < set->count(); ++i)
            out << set->at(i);
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(ChartWindowTest, DrawsTheRegisterAndFollowsItsChanges)
{
    openHandWorked();
    ChartWindow *w = charts();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->balanceSeries()->points(),
              expectedLine({{QDate(2026, 1, 1), 1000}, {QDate(2026, 1, 5), 345.5}, {QDate(2026, 1, 20), 1545.5},
                            {QDate(2026, 1, 31), 1591}, {QDate(2026, 2, 2), 1590}, {QDate(2026, 3, 15), 941}}));
    EXPECT_EQ(values(w->inBars()), (QList<qreal>{1201, 0, 0}));
    EXPECT_EQ(values(w->outBars()), (QList<qreal>{654.5, 5.5, 650}));
    EXPECT_EQ(w->barCategories(), (QStringList{u"Jan"_s, u"Feb"_s, u"Mar"_s})) << "the year is in the title";
    // Two years of months stand on end in the same width: cut short, every
    // name showed as "…".
    for (const QChartView *view : w->findChildren<QChartView *>())
        for (const QAbstractAxis *axis : view->chart()->axes(Qt::Horizontal))
            if (qobject_cast<const QBarCategoryAxis *>(axis))
                EXPECT_FALSE(axis->truncateLabels()) << "a month's name is shown whole";
    ASSERT_EQ(w->payeeTable()->rowCount(), 2);
    EXPECT_EQ(w->payeeTable()->item(0, 0)->text(), u"Rent");
    EXPECT_EQ(w->payeeTable()->item(0, 1)->text(), u"1300.00");
    EXPECT_EQ(w->payeeTable()->item(1, 2)->text(), u"3");
    EXPECT_EQ(w->leftOutText(), u"1 transaction is left out of the charts: Cheqbook cannot read its date.");
    EXPECT_TRUE(toolkit.progressShown.contains(u"Drawing the charts\u2026"_s)) << "a long register shows it";

    // An entry, and its undo, redraw the charts once the moment's events are over.
    type("", "Rent", "-100", "03/20/2026");
    c->addTransaction(enterButton());
    QApplication::processEvents();
    EXPECT_EQ(w->balanceSeries()->points().last(), expectedLine({{QDate(2026, 3, 20), 841}}).first());
    EXPECT_EQ(w->payeeTable()->item(0, 1)->text(), u"1400.00");
    c->undo(&menuItem);
    QApplication::processEvents();
    EXPECT_EQ(w->balanceSeries()->points().size(), 6);

    // A period of the window's own.
    w->findChild<QComboBox *>(u"chartPeriod"_s)->setCurrentText(u"Last year"_s);
    EXPECT_TRUE(w->balanceSeries()->points().isEmpty());
    EXPECT_EQ(w->payeeTable()->rowCount(), 0);
    EXPECT_EQ(charts(), w) << "one chart window per register window";
}

TEST_F(ChartWindowTest, SavedAsAPictureAndPrinted)
{
    openHandWorked();
    ChartWindow *w = charts();
    const QString png = dir.filePath(u"charts"_s);
    toolkit.saveAnswers = {png};
    c->saveChartImage(w);
    EXPECT_TRUE(toolkit.alerts.empty());
    EXPECT_EQ(toolkit.panelSuffixes, QStringList{u"png"_s});
    const QImage saved(png + u".png"_s);
    EXPECT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), w->picture().size());

    toolkit.saveAnswers = {dir.filePath(u"no such folder/charts.png"_s)};
    c->saveChartImage(w);
    EXPECT_TRUE(toolkit.takeAlert().startsWith(u"Error: The charts could not be saved."_s));

    toolkit.printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(u"charts.pdf"_s);
    toolkit.printer.setOutputFileName(pdf);
    toolkit.printAnswers = {false};
    c->printCharts(w);
    EXPECT_FALSE(QFile::exists(pdf)) << "cancelled";
    toolkit.printAnswers = {true};
    c->printCharts(w);
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));
    EXPECT_TRUE(toolkit.alerts.empty());
}

} // namespace
