// cheqbook-cli schedule: the register's schedules from a shell.

#include "Commands.h"

#include "DateReader.h"
#include "Reconciliation.h"
#include "ScheduleEdits.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace cli {

const char *const kScheduleSynopsis =
    "schedule FILE list | add --desc D --amount A --every [N] day|week|month|year [--day-of-month K|last] "
    "[--weekday-of-month N:DAY] [--start DATE] [--end DATE|--times N] [--weekend keep|before|after] "
    "[--estimate PCT] [--check N] [--auto] | remove ID | reserve [AMOUNT] [-o OUT]";
const char *const kScheduleHelp =
    "Manages the scheduled transactions a register keeps.\n"
    "list prints one line per schedule: its id, the next date it is due (or ended), its amount,\n"
    "description and how often it comes round.\n"
    "add makes a new one: --desc and --amount are the transaction it enters; --every says how often\n"
    "(2 week, or month for every month). A monthly one falls on --day-of-month (1 to 31, a shorter\n"
    "month's last day for 29 to 31, or last) or --weekday-of-month (2:fri, last:mon), otherwise on the\n"
    "start's day; weekly and yearly ones on the start's weekday and day. --start is the first day it\n"
    "may fall on (today unless given); it ends on --end or after --times occurrences, or never.\n"
    "--weekend before or after moves a date that falls on a weekend to the Friday before or the Monday\n"
    "after. --estimate PCT marks an amount that varies: a statement line within PCT percent of it is\n"
    "taken for it. --check gives it a check number, --auto enters it when due without asking.\n"
    "remove takes away the schedule with that id (or that description). reserve sets the balance\n"
    "the forecast warns under (0 for none), or prints it.\n"
    "add, remove and reserve AMOUNT write the register to OUT, or back to FILE (keeping the old file\n"
    "as FILE~).\n"
    "Exits 0 when done, 1 when the register cannot be read or written, or holds no such schedule, and\n"
    "2 when the command line is wrong.";

namespace {

struct Refused {
    QString why;
};

const QString &value(const Arguments &a, const QString &option)
{
    static const QString none;
    const auto found = a.values.constFind(option);
    return found == a.values.constEnd() ? none : *found;
}

int number(const Arguments &a, const QString &option, int least, int most)
{
    bool ok = false;
    const int n = value(a, option).toInt(&ok);
    if (!ok || n < least || n > most)
        throw Refused{u"%1: \u201c%2\u201d is not a number from %3 to %4"_s.arg(option, value(a, option)).arg(least).arg(most)};
    return n;
}

QDate date(const Arguments &a, const QString &option, QDate today)
{
    QString problem;
    const std::optional<QDate> d = optionDate(a, option, today, &problem);
    if (!d)
        throw Refused{problem};
    return *d;
}

// "--every 2 week" leaves the unit among the positional arguments; "--every
// month", "--every=2week" and "--every '2 weeks'" are read too.
void readEvery(Recurrence &r, QString every, const QStringList &extra)
{
    if (!extra.isEmpty())
        every += u' ' + extra.join(u' ');
    static const QRegularExpression form(uR"(^\s*(\d+)?\s*(day|week|month|year)s?\s*$)"_s);
    const QRegularExpressionMatch m = form.match(every.toLower());
    if (!m.hasMatch())
        throw Refused{u"--every: \u201c%1\u201d is not how often (N day, week, month or year)"_s.arg(every.trimmed())};
    const int n = m.captured(1).isEmpty() ? 1 : m.captured(1).toInt();
    if (n < 1 || n > kMaxEvery)
        throw Refused{u"--every: %1 is not a number from 1 to %2"_s.arg(m.captured(1)).arg(kMaxEvery)};
    r.every = n;
    const QString unit = m.captured(2);
    r.period = unit == u"day" ? Period::Day : unit == u"week" ? Period::Week : unit == u"month" ? Period::Month : Period::Year;
}

Schedule scheduleFromOptions(const Arguments &a, const QStringList &extra, QDate today)
{
    for (const QString &needed : {u"--desc"_s, u"--amount"_s, u"--every"_s})
        if (!a.values.contains(needed))
            throw Refused{u"add needs %1"_s.arg(needed)};
    Schedule s;
    s.description = value(a, u"--desc"_s);
    const TypedStatementAmount amount = readStatementAmount(value(a, u"--amount"_s));
    if (!amount.error.isEmpty())
        throw Refused{u"--amount: %1"_s.arg(amount.error)};
    s.amount = amount.cents;
    s.checkNumber = value(a, u"--check"_s);
    Recurrence &r = s.recurrence;
    readEvery(r, value(a, u"--every"_s), extra);
    r.start = date(a, u"--start"_s, today);
    r.day = r.start.day();
    const bool byDay = a.values.contains(u"--day-of-month"_s), byWeekday = a.values.contains(u"--weekday-of-month"_s);
    if ((byDay || byWeekday) && r.period != Period::Month)
        throw Refused{u"--day-of-month and --weekday-of-month are for monthly schedules"_s};
    if (byDay && byWeekday)
        throw Refused{u"give --day-of-month or --weekday-of-month, not both"_s};
    if (byDay && value(a, u"--day-of-month"_s) == u"last")
        r.monthlyOn = MonthlyOn::LastDay;
    else if (byDay)
        r.day = number(a, u"--day-of-month"_s, 1, 31);
    if (byWeekday) {
        const QStringList parts = value(a, u"--weekday-of-month"_s).toLower().split(u':');
        bool ok = false;
        const int week = parts.size() == 2 ? (parts[0] == u"last" ? kLastWeek : parts[0].toInt(&ok)) : 0;
        if (parts.size() != 2 || weekdayFromCode(parts[1]) == 0 || (week != kLastWeek && (!ok || week < 1 || week > 4)))
            throw Refused{u"--weekday-of-month: \u201c%1\u201d is not a week and a day (2:fri, last:mon)"_s.arg(
                value(a, u"--weekday-of-month"_s))};
        r.monthlyOn = MonthlyOn::Weekday;
        r.week = week;
        r.weekday = weekdayFromCode(parts[1]);
    }
    if (a.values.contains(u"--end"_s) && a.values.contains(u"--times"_s))
        throw Refused{u"give --end or --times, not both"_s};
    if (a.values.contains(u"--end"_s)) {
        r.ending = Ending::OnDate;
        r.until = date(a, u"--end"_s, today);
    } else if (a.values.contains(u"--times"_s)) {
        r.ending = Ending::AfterTimes;
        r.times = number(a, u"--times"_s, 1, 100000);
    }
    const QString weekend = value(a, u"--weekend"_s);
    if (weekend == u"before")
        r.weekend = WeekendRule::Before;
    else if (weekend == u"after")
        r.weekend = WeekendRule::After;
    else if (!weekend.isEmpty() && weekend != u"keep")
        throw Refused{u"--weekend: \u201c%1\u201d is none of keep, before and after"_s.arg(weekend)};
    if (a.values.contains(u"--estimate"_s)) {
        s.estimate = true;
        s.tolerance = number(a, u"--estimate"_s, 0, 100);
    }
    s.autoEnter = a.flags.contains(u"--auto"_s);
    return s;
}

QString listLine(const Schedule &s)
{
    if (!s.isReadable())
        return u"%1  cannot be read: %2\n"_s.arg(s.id).arg(s.problem);
    const std::optional<Occurrence> next = nextOpenOccurrence(s);
    QString how = recurrenceText(s.recurrence);
    const Recurrence &r = s.recurrence;
    if (r.weekend != WeekendRule::Keep)
        how += r.weekend == WeekendRule::Before ? u", off weekends to the Friday before"_s
                                                : u", off weekends to the Monday after"_s;
    if (r.ending == Ending::AfterTimes)
        how += u", %1 times"_s.arg(r.times);
    else if (r.ending == Ending::OnDate)
        how += u", until %1"_s.arg(fileDateText(r.until));
    if (s.estimate)
        how += u", estimate within %1%"_s.arg(s.tolerance);
    if (s.autoEnter)
        how += u", entered when due"_s;
    if (!s.checkNumber.isEmpty())
        how += u", check %1"_s.arg(s.checkNumber);
    return u"%1  %2  %3  %4  %5\n"_s.arg(s.id)
        .arg(next ? fileDateText(next->when.date) : u"ended"_s.leftJustified(10))
        .arg(moneyText(s.amount).rightJustified(10), s.description, how);
}

// The schedule named by an id, or by its description when exactly one has it.
int scheduleNamed(const ScheduleBook &book, const QString &name)
{
    bool isNumber = false;
    const int id = name.toInt(&isNumber);
    if (isNumber && book.find(id))
        return id;
    int found = 0;
    for (const Schedule &s : book.schedules) {
        if (s.isReadable() && s.description.compare(name, Qt::CaseInsensitive) == 0) {
            if (found)
                throw Refused{u"more than one schedule is \u201c%1\u201d; give its id ('schedule FILE list')"_s.arg(name)};
            found = s.id;
        }
    }
    if (!found)
        throw Refused{u"there is no schedule \u201c%1\u201d"_s.arg(name)};
    return found;
}

} // namespace

int runSchedule(const Arguments &a)
{
    const QString &path = a.positional[0];
    const QString action = a.positional.value(1);
    const QStringList rest = a.positional.mid(2);
    const QDate today = QDate::currentDate();
    const QStringList actions = {u"list"_s, u"add"_s, u"remove"_s, u"reserve"_s};
    if (!actions.contains(action)) {
        error(action.isEmpty() ? u"schedule needs list, add, remove or reserve"_s
                               : u"schedule: \u201c%1\u201d is none of list, add, remove and reserve"_s.arg(action));
        return Usage;
    }
    if ((action == u"list" && !rest.isEmpty()) || (action == u"remove" && rest.size() != 1)
        || (action == u"reserve" && rest.size() > 1)) {
        error(action == u"remove" ? u"schedule remove needs the id of one schedule"_s : u"too many arguments"_s);
        return Usage;
    }
    Schedule added;
    if (action == u"add") {
        try {
            added = scheduleFromOptions(a, rest, today);
        } catch (const Refused &r) {
            error(r.why);
            return Usage;
        }
    }
    MyDocument *doc = openRegister(path);
    if (!doc)
        return Failed;
    const QString name = QFileInfo(path).fileName();
    const ScheduleBook book = readScheduleBook(*doc->array());
    QString refusal, said;
    if (action == u"list" || (action == u"reserve" && rest.isEmpty())) {
        for (const QString &problem : book.problems())
            error(u"%1: %2"_s.arg(name, problem));
        QString out;
        if (action == u"reserve")
            out = moneyText(book.reserve) + u'\n';
        for (const Schedule &s : book.schedules)
            out += action == u"list" ? listLine(s) : QString();
        writeOut(out);
        return finishOut() ? Ok : Failed;
    }
    try {
        if (action == u"add") {
            int id = 0;
            refusal = addSchedule(*doc, added, &id);
            if (refusal.isEmpty())
                said = u"added "_s + listLine(*readScheduleBook(*doc->array()).find(id));
        } else if (action == u"remove") {
            const int id = scheduleNamed(book, rest[0]);
            said = u"removed "_s + listLine(*book.find(id));
            refusal = removeSchedule(*doc, id);
        } else {
            const TypedStatementAmount reserve = readStatementAmount(rest[0]);
            if (!reserve.error.isEmpty()) {
                error(u"reserve: %1"_s.arg(reserve.error));
                return Usage;
            }
            refusal = setReserve(*doc, reserve.cents);
        }
    } catch (const Refused &r) {
        refusal = r.why;
    }
    if (!refusal.isEmpty()) {
        error(u"%1: %2"_s.arg(name, refusal));
        return Failed;
    }
    const QString output = a.output.isEmpty() ? path : a.output;
    if (const int saved = saveRegister(*doc, output); saved != Ok)
        return saved;
    writeOut(said);
    return finishOut() ? Ok : Failed;
}

} // namespace cli
