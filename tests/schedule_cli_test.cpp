// cheqbook-cli forecast, post-due and schedule, run as a user (or cron) runs them.

#include "RegisterFile.h"
#include "ScheduleBook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ProgramRun cli(const QStringList &args)
{
    static QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_s, config.path());
    return runProgram(QString::fromUtf8(CHEQBOOK_CLI), args, {}, env);
}

// An opening balance of 500.00, groceries, and rent and a paycheck to come.
const QByteArray kRegister =
    "(\n"
    "{Amount = 500.00; CheckNumber = \"\"; Date = 03/01/2026; DescriptionofTransaction = Opening; "
    "Schedules = \"id=1;desc=Rent;amount=-400.00;every=1 month;on=1;start=2026-03-01;weekend=before;done=2026-03-01\\n"
    "id=2;desc=Paycheck;amount=1500.00;every=2 week;start=2026-03-13\\n"
    "id=3;desc=Gym;amount=-30.00;every=1 month;on=5;start=2026-03-05\"; Total = 500.00;},\n"
    "{Amount = -45.25; CheckNumber = 101; Date = 03/02/2026; DescriptionofTransaction = Groceries;}\n"
    ")\n";

class ScheduleCli : public ::testing::Test
{
protected:
    QString file(const QByteArray &bytes = kRegister, const QString &name = u"r.ldgr"_s)
    {
        return writeFile(m_dir.filePath(name), bytes);
    }
    QTemporaryDir m_dir;
};

TEST_F(ScheduleCli, ForecastPrintsTheDaysAheadAndTheLowestPoint)
{
    const ProgramRun r = cli({u"forecast"_s, file(), u"--from"_s, u"03/10/2026"_s, u"--days"_s, u"25"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(r.out, "Balance on 03/10/2026: 454.75\n"
                     "Date       | Description                          | Amount     | Balance\n"
                     "03/05/2026 | Gym (overdue)                        | -30.00     | 424.75\n"
                     "03/13/2026 | Paycheck                             | 1500.00    | 1924.75\n"
                     "03/27/2026 | Paycheck                             | 1500.00    | 3424.75\n"
                     "04/01/2026 | Rent                                 | -400.00    | 3024.75\n"
                     "Lowest ahead: 424.75 on 03/10/2026\n");
    const ProgramRun nothing = cli({u"forecast"_s, file(), u"--from"_s, u"03/06/2026"_s, u"--days"_s, u"2"_s,
                                    u"--reserve"_s, u"-10"_s});
    EXPECT_EQ(nothing.out, "Balance on 03/06/2026: 454.75\n"
                           "Date       | Description                          | Amount     | Balance\n"
                           "03/05/2026 | Gym (overdue)                        | -30.00     | 424.75\n"
                           "Lowest ahead: 424.75 on 03/06/2026 (reserve -10.00)\n");
}

TEST_F(ScheduleCli, ForecastExitsThreeOnlyWhenTheBalanceGoesUnderTheReserve)
{
    const QString reg = file();
    const struct {
        QStringList args;
        int exit;
    } cases[] = {
        {{u"--days"_s, u"25"_s}, 0},
        {{u"--days"_s, u"25"_s, u"--reserve"_s, u"424.75"_s}, 0},     // reaching it is not going under it
        {{u"--days"_s, u"25"_s, u"--reserve"_s, u"424.76"_s}, 3},
        {{u"--days"_s, u"30"_s, u"--reserve"_s, u"$100"_s}, 0},       // April's rent leaves 3024.75
        {{u"--until-income"_s, u"--reserve"_s, u"1000"_s}, 3},
        {{u"--days"_s, u"0"_s, u"--reserve"_s, u"430"_s}, 3},          // the overdue gym alone
    };
    for (const auto &c : cases) {
        const ProgramRun r = cli(QStringList{u"forecast"_s, reg, u"--from"_s, u"03/10/2026"_s} + c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args.join(u' ').toStdString() << r.err.toStdString();
    }
    // The reserve the register keeps counts when none is given.
    ASSERT_EQ(cli({u"schedule"_s, reg, u"reserve"_s, u"450"_s}).exitCode, 0);
    EXPECT_EQ(cli({u"schedule"_s, reg, u"reserve"_s}).out, "450.00\n");
    const ProgramRun kept = cli({u"forecast"_s, reg, u"--from"_s, u"03/10/2026"_s});
    EXPECT_EQ(kept.exitCode, 3);
    EXPECT_TRUE(kept.out.endsWith("Lowest ahead: 424.75 on 03/10/2026, under the reserve of 450.00\n")) << kept.out.toStdString();
}

TEST_F(ScheduleCli, ForecastReadsEveryRowEvenThoughTheSchedulesAreInTheFirst)
{
    // A damaged row after the opening row fails as the report fails.
    QByteArray damaged = kRegister;
    damaged.replace("Amount = -45.25", "Amount = (1)");
    const ProgramRun bad = cli({u"forecast"_s, file(damaged)});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(u"row 2 is a list"_s)) << bad.err.toStdString();
    EXPECT_EQ(bad.out, QByteArray());
    // Schedules an older version moved off the opening row are still found.
    QByteArray moved = kRegister;
    moved.replace("(\n{", "(\n{Amount = 1.00; Date = 02/28/2026; DescriptionofTransaction = Earlier;},\n{");
    const ProgramRun found = cli({u"forecast"_s, file(moved), u"--from"_s, u"03/10/2026"_s, u"--days"_s, u"3"_s});
    EXPECT_EQ(found.exitCode, 0) << found.err.toStdString();
    EXPECT_TRUE(found.out.contains("Paycheck")) << found.out.toStdString();
}

TEST_F(ScheduleCli, PostDueEntersWhatIsDueOnceAndKeepsTheOldFile)
{
    const QString reg = file();
    const ProgramRun r = cli({u"post-due"_s, reg, u"--through"_s, u"03/13/2026"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "entered 03/05/2026 Gym -30.00\nentered 03/13/2026 Paycheck 1500.00\n");
    EXPECT_EQ(readFile(reg + u'~'), kRegister);
    EXPECT_EQ(cli({u"balance"_s, reg}).out, "1924.75\n");

    const QByteArray after = readFile(reg);
    const ProgramRun again = cli({u"post-due"_s, reg, u"--through"_s, u"03/13/2026"_s});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, QByteArray());
    EXPECT_EQ(again.err, u"cheqbook-cli: r.ldgr: nothing is due through 03/13/2026\n"_s);
    EXPECT_EQ(readFile(reg), after) << "nothing written";
    EXPECT_EQ(cli({u"post-due"_s, reg, u"--through"_s, u"someday"_s}).exitCode, 2);
}

TEST_F(ScheduleCli, ScheduleAddListAndRemove)
{
    const QString reg = file();
    const ProgramRun added = cli({u"schedule"_s, reg, u"add"_s, u"--desc"_s, u"Evergy"_s, u"--amount"_s, u"-90"_s,
                                  u"--every"_s, u"1"_s, u"month"_s, u"--day-of-month"_s, u"last"_s, u"--start"_s,
                                  u"2026-03-10"_s, u"--estimate"_s, u"10"_s, u"--times"_s, u"12"_s});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, "added 4  03/31/2026      -90.00  Evergy  monthly on the last day, 12 times, estimate within 10%\n");
    const ProgramRun listed = cli({u"schedule"_s, reg, u"list"_s});
    EXPECT_EQ(listed.out,
              "1  04/01/2026     -400.00  Rent  monthly on the 1st, off weekends to the Friday before\n"
              "2  03/13/2026     1500.00  Paycheck  every 2 weeks on Friday\n"
              "3  03/05/2026      -30.00  Gym  monthly on the 5th\n"
              "4  03/31/2026      -90.00  Evergy  monthly on the last day, 12 times, estimate within 10%\n");
    EXPECT_EQ(cli({u"schedule"_s, reg, u"remove"_s, u"gym"_s}).exitCode, 0);
    EXPECT_EQ(cli({u"schedule"_s, reg, u"remove"_s, u"1"_s}).exitCode, 0);
    EXPECT_EQ(cli({u"schedule"_s, reg, u"list"_s}).out.count('\n'), 2);
    const ProgramRun missing = cli({u"schedule"_s, reg, u"remove"_s, u"Rent"_s});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, u"cheqbook-cli: r.ldgr: there is no schedule \u201cRent\u201d\n"_s);
}

TEST_F(ScheduleCli, AWrongScheduleIsRefusedBeforeTheRegisterIsTouched)
{
    const QString reg = file();
    const struct {
        QStringList args;
        const char *says;
    } cases[] = {
        {{u"add"_s, u"--amount"_s, u"-1"_s, u"--every"_s, u"month"_s}, "add needs --desc"},
        {{u"add"_s, u"--desc"_s, u"X"_s, u"--amount"_s, u"lots"_s, u"--every"_s, u"month"_s}, "--amount: "},
        {{u"add"_s, u"--desc"_s, u"X"_s, u"--amount"_s, u"-1"_s, u"--every"_s, u"fortnight"_s},
         "--every: \u201cfortnight\u201d is not how often (N day, week, month or year)"},
        {{u"add"_s, u"--desc"_s, u"X"_s, u"--amount"_s, u"-1"_s, u"--every"_s, u"week"_s, u"--day-of-month"_s, u"3"_s},
         "--day-of-month and --weekday-of-month are for monthly schedules"},
        {{u"add"_s, u"--desc"_s, u"X"_s, u"--amount"_s, u"-1"_s, u"--every"_s, u"month"_s, u"--end"_s, u"12/31/2026"_s,
          u"--times"_s, u"3"_s},
         "give --end or --times, not both"},
        {{u"add"_s, u"--desc"_s, u"X"_s, u"--amount"_s, u"-1"_s, u"--every"_s, u"month"_s, u"--weekday-of-month"_s,
          u"5:fri"_s},
         "--weekday-of-month: \u201c5:fri\u201d is not a week and a day (2:fri, last:mon)"},
        {{u"add"_s, u"--desc"_s, u"X"_s, u"--amount"_s, u"-1"_s, u"--every"_s, u"month"_s, u"--weekend"_s, u"never"_s},
         "--weekend: \u201cnever\u201d is none of keep, before and after"},
        {{u"rename"_s}, "schedule: \u201crename\u201d is none of list, add, remove and reserve"},
        {{u"remove"_s}, "schedule remove needs the id of one schedule"},
    };
    for (const auto &c : cases) {
        const ProgramRun r = cli(QStringList{u"schedule"_s, reg} + c.args);
        EXPECT_EQ(r.exitCode, 2) << c.says;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    }
    EXPECT_EQ(readFile(reg), kRegister);
    EXPECT_FALSE(QFile::exists(reg + u'~'));
}

TEST_F(ScheduleCli, HelpTellsTheExitStatuses)
{
    EXPECT_TRUE(cli({u"forecast"_s, u"--help"_s}).out.contains("3 when it goes under it"));
    EXPECT_TRUE(cli({u"--help"_s}).out.contains("3  forecast: the balance goes under the reserve"));
    for (const char *command : {"forecast", "post-due", "schedule"})
        EXPECT_TRUE(cli({QString::fromLatin1(command), u"--help"_s}).out.contains("Exits 0")) << command;
}

} // namespace
