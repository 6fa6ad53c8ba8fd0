// cheqbook-cli forecast and post-due.

#include "Commands.h"

#include "DateReader.h"
#include "Forecast.h"
#include "Reconciliation.h"
#include "RegisterFile.h"
#include "RunningBalance.h"
#include "ScheduleEdits.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace cli {

const char *const kForecastSynopsis = "forecast FILE [--days N | --until-income] [--reserve AMOUNT] [--from DATE]";
const char *const kForecastHelp =
    "Prints the scheduled transactions of the coming days, each with the balance after it, from the\n"
    "register's last balance: first those due and not yet entered (overdue), then the next N days\n"
    "(--days, 30 unless given), or until the next scheduled income with --until-income. On one day,\n"
    "money going out is counted before money coming in. The last line gives the lowest balance ahead\n"
    "and its date, and the register's reserve (set with 'schedule FILE reserve'), or the one given\n"
    "with --reserve. --from counts the days from another day than today.\n"
    "Exits 0 when the balance stays at or above the reserve, 3 when it goes under it within the\n"
    "days looked at (so that cron or a systemd timer can warn), 1 when the register cannot be read\n"
    "and 2 when the command line is wrong.";

const char *const kPostDueSynopsis = "post-due FILE [--through DATE] [-o OUT]";
const char *const kPostDueHelp =
    "Enters every scheduled transaction that is due through DATE (today unless given) and not yet\n"
    "entered or skipped, after the last row, as the window's due list does with Enter All, and prints\n"
    "one line for each. Writes the register to OUT, or back to FILE (keeping the old file as FILE~);\n"
    "nothing is written when nothing is due.\n"
    "Exits 0 when it entered what was due (or nothing was), 1 when the register cannot be read or\n"
    "written, and 2 when the command line is wrong.";

std::optional<QDate> optionDate(const Arguments &a, const QString &option, QDate today, QString *problem)
{
    if (!a.values.contains(option))
        return today;
    const QString text = a.values.value(option);
    const std::optional<QDate> date = readDate(text, today);
    if (!date)
        *problem = u"%1: \u201c%2\u201d is not a date Cheqbook reads (%3)"_s.arg(option, text, kDateFormsRead);
    return date;
}

namespace {

// The register's last balance as a window just opened would show it, read
// as the report reads rows (without keeping them); nothing after saying why.
std::optional<Cents> readLastBalance(const QString &path)
{
    Cents total = 0;
    qint64 rows = 0;
    QString beyond;
    const RegisterReadResult read = readShownRows(
        path,
        [&](ShownRow &&row) {
            const Cents amount = row.amount.cents().cents;
            if (beyond.isEmpty() && !centsInRange(total + amount))
                beyond = u"%1: %2"_s.arg(QFileInfo(path).fileName(), balanceBeyondLimitMessage(total + amount, rows));
            total = addCents(total, amount);
            ++rows;
        },
        {});
    if (!read.ok() || !beyond.isEmpty()) {
        error(read.ok() ? beyond : read.error);
        return std::nullopt;
    }
    return total;
}

// The schedules of a register: those of its opening row read alone, which
// is where they are kept; only when it has none is every row read, for
// schedules an older version moved off it.
std::optional<ScheduleBook> readBook(const QString &path)
{
    const RegisterReadResult first = readLeadingRows(path, 1);
    if (!first.ok()) {
        error(first.error);
        return std::nullopt;
    }
    if (first.rows.empty())
        return ScheduleBook();
    const Record &opening = *first.rows.front();
    if (opening.contains(kSchedulesKey) || opening.contains(kReserveKey))
        return readScheduleBook(Register(first.rows));
    MyDocument *doc = openRegister(path, Recalculate::No);
    if (!doc)
        return std::nullopt;
    return readScheduleBook(*doc->array());
}

void warnOfProblems(const QString &path, const ScheduleBook &book)
{
    for (const QString &problem : book.problems())
        error(u"%1: %2"_s.arg(QFileInfo(path).fileName(), problem));
}

QString forecastLine(QStringView date, QStringView description, QStringView amount, QStringView balance)
{
    return u"%1 | %2 | %3 | %4\n"_s.arg(date.toString().leftJustified(10), description.toString().leftJustified(36),
                                       amount.toString().leftJustified(10), balance);
}

} // namespace

int runForecast(const Arguments &a)
{
    const QString &path = a.positional[0];
    QString problem;
    const std::optional<QDate> today = optionDate(a, u"--from"_s, QDate::currentDate(), &problem);
    Horizon horizon;
    horizon.untilIncome = a.flags.contains(u"--until-income"_s);
    if (a.values.contains(u"--days"_s)) {
        bool ok = false;
        horizon.days = a.values.value(u"--days"_s).toInt(&ok);
        if (!ok || horizon.days < 0 || horizon.days > kMostForecastDays)
            problem = u"--days: \u201c%1\u201d is not a number of days from 0 to %2"_s.arg(a.values.value(u"--days"_s))
                          .arg(kMostForecastDays);
        else if (horizon.untilIncome)
            problem = u"--days and --until-income say two different things; give one"_s;
    }
    std::optional<Cents> reserve;
    if (problem.isEmpty() && a.values.contains(u"--reserve"_s)) {
        const TypedStatementAmount typed = readStatementAmount(a.values.value(u"--reserve"_s));
        if (typed.error.isEmpty())
            reserve = typed.cents;
        else
            problem = u"--reserve: %1"_s.arg(typed.error);
    }
    if (!problem.isEmpty()) {
        error(problem);
        return Usage;
    }
    std::optional<ScheduleBook> book = readBook(path);
    if (!book)
        return Failed;
    const std::optional<Cents> balance = readLastBalance(path);
    if (!balance)
        return Failed;
    warnOfProblems(path, *book);
    if (reserve)
        book->reserve = *reserve;
    const Forecast f = forecast(*book, *balance, *today, horizon);

    QString out = u"Balance on %1: %2\n"_s.arg(fileDateText(f.today), moneyText(f.startBalance));
    if (!f.rows.empty())
        out += forecastLine(u"Date", u"Description", u"Amount", u"Balance");
    for (const ForecastRow &r : f.rows) {
        const QString description = r.overdue ? r.description + u" (overdue)"_s : r.description;
        out += forecastLine(fileDateText(r.occurrence.when.date), description, moneyText(r.occurrence.amount),
                            moneyText(r.balance));
    }
    if (f.rows.empty())
        out += u"Nothing is scheduled through %1.\n"_s.arg(fileDateText(f.until));
    out += u"Lowest ahead: %1 on %2"_s.arg(moneyText(f.lowest), fileDateText(f.lowestDate));
    if (f.underReserve())
        out += u", under the reserve of %1"_s.arg(moneyText(f.reserve));
    else if (f.reserve != 0)
        out += u" (reserve %1)"_s.arg(moneyText(f.reserve));
    writeOut(out + u'\n');
    if (!finishOut())
        return Failed;
    return f.underReserve() ? UnderReserve : Ok;
}

int runPostDue(const Arguments &a)
{
    const QString &path = a.positional[0];
    QString problem;
    const std::optional<QDate> through = optionDate(a, u"--through"_s, QDate::currentDate(), &problem);
    if (!through) {
        error(problem);
        return Usage;
    }
    MyDocument *doc = openRegister(path);
    if (!doc)
        return Failed;
    const ScheduleBook book = readScheduleBook(*doc->array());
    warnOfProblems(path, book);
    const std::vector<Occurrence> due = dueOccurrences(book, *through);
    if (due.empty()) {
        error(u"%1: nothing is due through %2"_s.arg(QFileInfo(path).fileName(), fileDateText(*through)));
        return Ok;
    }
    const int first = doc->count();
    int entered = 0;
    if (const QString refusal = enterOccurrences(*doc, due, &entered); !refusal.isEmpty()) {
        error(u"%1: %2"_s.arg(QFileInfo(path).fileName(), refusal));
        return Failed;
    }
    const QString output = a.output.isEmpty() ? path : a.output;
    if (const int saved = saveRegister(*doc, output); saved != Ok)
        return saved;
    QString out;
    for (int row = first; row < first + entered; ++row) {
        const Record &r = *doc->objectAtIndex(row);
        out += u"entered %1 %2 %3\n"_s.arg(r.value(Key::Date).toString(), r.value(Key::DescriptionofTransaction).toString(),
                                           r.value(Key::Amount).toString());
    }
    writeOut(out);
    return finishOut() ? Ok : Failed;
}

} // namespace cli
