// cheqbook-cli: the register files of Cheqbook from a shell.

#include "Cli.h"
#include "CategoriesCommand.h"
#include "Commands.h"
#include "ImportCommand.h"

#include "HelperPrograms.h"
#include "PaperCommands.h"

#include <QCoreApplication>
#include <QFile>
#ifdef CHEQBOOK_PRINT
#include <QGuiApplication>
#endif

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using namespace cli;

struct Command {
    const char *name;
    const char *synopsis;
    const char *help;
    QStringList flags;
    int minPositional;
    int maxPositional; // -1: any number
    bool needsOutput;
    std::function<int(const Arguments &)> run;
    bool paints = false; // needs fonts and painting, which take a GUI application
};

// The commands that paint run in cheqbook-cli-paper, which links Qt's
// painting; cheqbook-cli hands them over to it whole.
#ifdef CHEQBOOK_PRINT
#define PAINTED(run) run
#else
#define PAINTED(run) nullptr
#endif

const std::vector<Command> &commands()
{
    static const std::vector<Command> list = {
        {"report", "report FILE [--category C]",
         "Prints the register as the printed report: a header every 48 rows, then one line per\n"
         "transaction with its check number, description, date, amount and running balance.\n"
         "--category C prints only the transactions of category C and of its subcategories\n"
         "(C:...), a split transaction when one of its lines is; each still with the account's\n"
         "balance after it. --category \"\" prints those without a category.",
         {u"--category="_s}, 1, 1, false, runReport},
        {"categories", "categories FILE [--from DATE] [--to DATE] [--by month] [--csv]",
         "Prints where the money went: for each category, the money in less the money out and how\n"
         "many transactions made it, a split transaction counted as its lines, the money without a\n"
         "category as (no category), then the total. The opening row is not counted. --from and\n"
         "--to (both included) limit the days, --by month gives the totals of each month, with a\n"
         "total per month; a transaction whose date cannot be read is then left out, and said so\n"
         "on standard error. --csv writes CSV (month, category, amount, count) without totals.",
         {u"--from="_s, u"--to="_s, u"--by="_s, u"--csv"_s}, 1, 1, false, runCategories},
        {"print", "print FILE -o OUT.pdf [--paper letter|a4]",
         "Writes the printed register, as 'report' gives it, to OUT.pdf: 12-point fixed-pitch type,\n"
         "32-point margins, a new page at every header. The pages are US Letter in the United States\n"
         "and Canada (and in the C locale) and A4 elsewhere, as the locale says, unless --paper\n"
         "says which. Needs no display.",
         {u"--paper="_s}, 1, 1, true, PAINTED(runPrint), true},
        {"print-checks",
         "print-checks FILE --rows LIST|--marked [--layout NAME] [--offset X,Y] [--start N] [--first-number N] "
         "-o OUT.pdf",
         kPrintChecksHelp,
         {u"--rows="_s, u"--marked"_s, u"--layout="_s, u"--offset="_s, u"--start="_s, u"--first-number="_s},
         1, 1, true, PAINTED(runPrintChecks), true},
        {"check-layouts", "check-layouts [NAME] [--alignment -o OUT.pdf [--offset X,Y]]", kCheckLayoutsHelp,
         {u"--alignment"_s, u"--offset="_s}, 0, 1, false, PAINTED(runCheckLayouts), true},
        {"balance", "balance FILE",
         "Prints the balance after the last transaction (nothing for an empty register).", {}, 1, 1, false,
         runBalance},
        {"convert", "convert FILE -o OUT [--xml]",
         "Writes the register, values as they are in FILE, to OUT in the text form Cheqbook saves,\n"
         "or with --xml in the XML form.",
         {u"--xml"_s}, 1, 1, true, runConvert},
        {"import",
         "import FILE STATEMENT... [-o OUT] [--account ID] [--date-order mdy|dmy|ymd] [--columns LIST] "
         "[--separator comma|semicolon|tab] [--decimal-comma] [--amounts-out|--amounts-in] [--keep-duplicates] "
         "[--dry-run] [--no-rules]",
         "Adds the transactions of bank statements after the last row of the register, each file's lines\n"
         "in their order; into an empty register the first line becomes the opening row. A statement is\n"
         "OFX or QFX, CSV with a header naming its columns (date, description, amount or money out and\n"
         "money in, check number, a debit/credit word; in English, German, French, Spanish, Dutch or\n"
         "Italian), or CSV without a header in the layout date, amount, -, -, description. A layout\n"
         "settled for a header in the window (or stated here, for a file with a header) is used for every\n"
         "file with that header. --columns states the columns, counting from 1: date=N, desc=N, memo=N,\n"
         "amount=N (or out=N,in=N), check=N, sign=N (a column of debit/credit words), 0 for none;\n"
         "--separator and --decimal-comma (-1.234,56) state how the fields and amounts are written.\n"
         "A file holding several accounts needs --account ID. --date-order is for files whose dates read\n"
         "both as month/day/year and day/month/year, and that the order of the file does not settle; a file\n"
         "whose dates settle the other order is refused. A file whose amounts carry no sign, with no column\n"
         "saying which way the money went, needs --amounts-out (a card's charges) or --amounts-in. A line\n"
         "whose debit/credit word says neither is not imported. Transactions already in the register\n"
         "(imported before, or probably the same: the same amount, and the same check number or a date\n"
         "at most 5 days away) are not imported again unless --keep-duplicates is given; how many is said\n"
         "on standard error, as are the lines that are not transactions, each naming the statement as\n"
         "given. Writes the register to OUT, or back to FILE when a statement adds to it; nothing is\n"
         "written when a statement cannot be read. --dry-run writes nothing and prints one tab-separated\n"
         "line per statement line: import or duplicate, FILE:LINE, date, check number, description,\n"
         "amount (and why it is a duplicate); or skip, FILE:LINE and why. Each transaction added gets\n"
         "the category of the first of your category rules (Register > Category Rules in the window)\n"
         "its description fits; --no-rules adds them without categories.",
         {u"--account="_s, u"--date-order="_s, u"--columns="_s, u"--separator="_s, u"--decimal-comma"_s,
          u"--amounts-out"_s, u"--amounts-in"_s, u"--keep-duplicates"_s, u"--dry-run"_s, u"--no-rules"_s},
         2, -1, false, runImport},
        {"sort", "sort FILE [-o OUT]",
         "Puts the register in date order, as the window's Sort by Date does: transactions on the same\n"
         "day keep their order, those whose date cannot be read go to the end (an undated opening row\n"
         "stays first), and the balances are worked out again. Writes the register to OUT, or back to\n"
         "FILE (keeping the old file as FILE~).",
         {}, 1, 1, false, runSort},
        {"reconciliation", "reconciliation FILE [--statement-balance AMOUNT] [--date DATE]",
         "Prints the reconciliation report: the statement's balance, the cleared balance, the\n"
         "transactions the statement cleared, those still outstanding, the register's balance on the\n"
         "statement's date and the difference. With --date of a statement finished in the window (or\n"
         "--statement-balance of the last one, when nothing was reconciled after it), that statement's\n"
         "report, as Finish recorded it; otherwise for the statement being balanced (the transactions\n"
         "reconciled since the last finished statement). Without either, for the last statement\n"
         "finished, or as the register stands when there is none.",
         {u"--statement-balance="_s, u"--date="_s}, 1, 1, false, runReconciliation},
        {"forecast", kForecastSynopsis, kForecastHelp,
         {u"--days="_s, u"--until-income"_s, u"--reserve="_s, u"--from="_s}, 1, 1, false, runForecast},
        {"post-due", kPostDueSynopsis, kPostDueHelp, {u"--through="_s}, 1, 1, false, runPostDue},
        {"schedule", kScheduleSynopsis, kScheduleHelp,
         {u"--desc="_s, u"--amount="_s, u"--every="_s, u"--day-of-month="_s, u"--weekday-of-month="_s, u"--start="_s,
          u"--end="_s, u"--times="_s, u"--weekend="_s, u"--estimate="_s, u"--check="_s, u"--auto"_s},
         2, 4, false, runSchedule},
        {"merge", "merge MINE THEIRS [--base BASE] [-o OUT] [--ours|--theirs]",
         "Merges two versions of one register that were changed apart (on two computers, say) into\n"
         "MINE, or into OUT. Transactions are matched by the identity each keeps in the file (ID), and\n"
         "compared with the version both grew from: the one Cheqbook kept when it last opened or saved\n"
         "them (named on the first row, under Versions), or BASE. A transaction added on either side is\n"
         "added among those of its date, one deleted on one side and unchanged on the other is deleted,\n"
         "and each value changed on one side is taken; the balances are worked out again. Without a\n"
         "known base, a transaction only one side holds is kept. Prints one tab-separated line per\n"
         "change: mine or theirs, added, deleted or changed, the transaction, and what changed; and\n"
         "one per conflict: a value changed differently on both sides, a transaction deleted on one side\n"
         "and changed on the other, or reconciled on one side and its amount or date changed on the\n"
         "other. With conflicts it writes nothing and exits with status 4, unless --ours or --theirs\n"
         "settles every one for that side. The old MINE is kept as MINE~. Two registers with no\n"
         "transaction in common are refused, and so is a new year's register with the year it was\n"
         "made from: a new year's file is a new register.",
         {u"--base="_s, u"--ours"_s, u"--theirs"_s}, 2, 2, false, runMerge},
        {"conflicts", "conflicts FILE",
         "Lists the copies of the register that sync tools left beside it when two computers changed\n"
         "it apart, one per line: the file, the tool, the computer (or person) it names, and the date\n"
         "and time in its name (month/day/year). Syncthing's NAME.sync-conflict-DATE-TIME-DEVICE.ldgr,\n"
         "Dropbox's NAME (DEVICE's conflicted copy DATE).ldgr, Nextcloud's and ownCloud's\n"
         "NAME (conflicted copy DATE TIME).ldgr and NAME_conflict-DATE-TIME.ldgr, Seafile's\n"
         "NAME (SFConflict WHO DATE-TIME).ldgr, and any NAME followed by a word with \"conflict\" in it.\n"
         "'merge FILE COPY' merges one.",
         {}, 1, 1, false, runConflicts},
        {"backups", "backups FILE",
         "Lists the earlier versions of the register that are kept, newest first, one per line: when\n"
         "the version was saved, a tab, and the file that holds it. FILE~ is the version before the\n"
         "last save; the others are the last version of each earlier day saved on, kept in\n"
         "~/.local/share/Cheqbook/Backups for 7 days, and one a week for 8 weeks (the settings\n"
         "backups/days and backups/weeks in ~/.config/Cheqbook/Cheqbook.conf).",
         {}, 1, 1, false, runBackups},
        {"rollover", "rollover FILE -o OUT",
         "Writes the register for a new year to OUT: an opening row holding the carried balance, then\n"
         "every transaction not yet reconciled. FILE is not changed.",
         {}, 1, 1, true, runRollover},
    };
    return list;
}

// The manual page is made from this text and each command's --help: a line
// ending in ':' starts a section, and an indented line is an item, its name
// set off from what it says by two spaces. A wrong command line is answered
// with the commands only.
QString usage(bool whole = true)
{
    QString text = u"usage: cheqbook-cli COMMAND [ARGS] [--progress]\n\n"_s;
    if (whole)
        text += u"cheqbook-cli reads and writes the register files (.ldgr) of Cheqbook, the checkbook register\n"
                "for the desktop, with the same rules as its windows: the same running balances, the same\n"
                "printed report, the same statement import and the same new year's register.\n\n"_s;
    text += u"commands:\n"_s;
    for (const Command &c : commands())
        text += u"  %1\n"_s.arg(QLatin1StringView(c.synopsis));
    if (!whole)
        return text + u"\n'cheqbook-cli --help' says more.\n"_s;
    text += u"\n"
            "options:\n"
            "  -o OUT, --output OUT  the file a command writes (also -oOUT and --output=OUT)\n"
            "  --progress            shows how far reading, sorting and writing a long register have come,\n"
            "                        on standard error when that is a terminal\n"
            "  -h, --help            describes cheqbook-cli, or a command: 'cheqbook-cli COMMAND --help'\n"
            "  --version             says which version of Cheqbook this is\n"
            "  --                    ends the options: what follows is a file name even if it starts with -\n"
            "\n"
            "exit status:\n"
            "  0  the command did its work\n"
            "  1  it could not; the reason is on standard error, one line naming the file and what is wrong\n"
            "  2  the command line is wrong, or names the command's input as its output\n"
            "  3  forecast: the balance goes under the reserve within the days looked at\n"
            "  4  merge: conflicts remain, and nothing was written\n"
            "\n"
            "files:\n"
            "  FILE~  the register as it was before convert, import, merge, sort, print-checks, post-due or schedule wrote over it\n"
            "  ~/.local/share/Cheqbook/Versions/  the versions of each register that merge starts from\n"
            "  ~/.local/share/Cheqbook/check-layouts/  your check layouts (NAME.layout)\n"
            "  ~/.local/share/Cheqbook/payee-addresses.txt  the addresses printed under payees on checks\n"
            "  ~/.config/Cheqbook/Cheqbook.conf  your settings, among them the category rules import uses\n"
            "\n"
            "environment:\n"
            "  TZ  the time zone of today's date, by which today, yesterday, tomorrow and dates without a\n"
            "      year are read (sort, import, reconciliation --date, forecast, post-due, schedule)\n"_s;
    return text;
}

#ifndef CHEQBOOK_PRINT
// Hands the command line to cheqbook-cli-paper, which becomes this process:
// the same arguments, standard streams and exit status.
int runPaperProgram(char **argv)
{
    const QString program = helperProgramPath(u"cheqbook-cli-paper"_s, "CHEQBOOK_CLI_PAPER");
    if (program.isEmpty()) {
        error(u"%1 needs cheqbook-cli-paper, which is not installed beside cheqbook-cli"_s.arg(
            QString::fromLocal8Bit(argv[1])));
        return Failed;
    }
    const QByteArray path = QFile::encodeName(program);
    ::execv(path.constData(), argv);
    error(u"%1 could not be started: %2"_s.arg(program, QString::fromLocal8Bit(std::strerror(errno))));
    return Failed;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    // A closed pipe is a failed write, which each writer decides about: one
    // given with -o is reported, standard output ends quietly (see Cli.cpp).
    std::signal(SIGPIPE, SIG_IGN);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs("cheqbook-cli " CHEQBOOK_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? Ok : Failed;
    }
    const bool painting = argc > 1 && std::any_of(commands().begin(), commands().end(), [&](const Command &c) {
        return c.paints && std::strcmp(argv[1], c.name) == 0;
    });
    std::unique_ptr<QCoreApplication> app;
#ifdef CHEQBOOK_PRINT
    // Printing loads the GUI side of Qt on the offscreen platform, so that it
    // works in a shell without a display.
    if (painting) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
#else
    if (painting)
        return runPaperProgram(argv);
#endif
    // The commands that read a register and print what they find need no
    // application object, whose making (the C library's locale, which
    // nothing here reads, and Qt's own set-up) is a tenth of their start.
    static const char *const kWithoutApplication[] = {"report", "balance", "categories", "conflicts"};
    const bool light = argc > 1 && std::any_of(std::begin(kWithoutApplication), std::end(kWithoutApplication),
                                               [&](const char *name) { return std::strcmp(argv[1], name) == 0; });
    if (!app && !light)
        app = std::make_unique<QCoreApplication>(argc, argv);
    // The window's settings, such as how long backups are kept.
    QCoreApplication::setOrganizationName(u"Cheqbook"_s);
    QCoreApplication::setApplicationName(u"Cheqbook"_s);
    QStringList args;
    if (app) {
        args = app->arguments().mid(1);
    } else {
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
    }
    if (args.isEmpty()) {
        std::fputs(usage(false).toUtf8().constData(), stderr);
        return Usage;
    }
    const QString name = args.takeFirst();
    if (name == u"-h" || name == u"--help" || name == u"help") {
        writeOut(usage());
        return finishOut() ? Ok : Failed;
    }
    for (const Command &c : commands()) {
        if (name != QLatin1StringView(c.name))
            continue;
        const Arguments a = parseArguments(args, c.flags);
        const QString synopsis = u"usage: cheqbook-cli %1\n"_s.arg(QLatin1StringView(c.synopsis));
        if (a.help) {
            writeOut(synopsis + u'\n' + QLatin1StringView(c.help) + u'\n');
            return finishOut() ? Ok : Failed;
        }
        QString problem = a.problem;
        if (problem.isEmpty() && a.positional.size() < c.minPositional)
            problem = u"missing file name"_s;
        if (problem.isEmpty() && c.maxPositional >= 0 && a.positional.size() > c.maxPositional)
            problem = u"too many arguments"_s;
        if (problem.isEmpty() && c.needsOutput && a.output.isEmpty())
            problem = u"%1 needs -o OUT"_s.arg(QLatin1StringView(c.name));
        if (!problem.isEmpty()) {
            error(problem);
            std::fputs(synopsis.toUtf8().constData(), stderr);
            return Usage;
        }
        // A file size limit makes a write fail with a message instead of
        // killing the program.
        std::signal(SIGXFSZ, SIG_IGN);
        const int code = c.run(a);
        // Everything written is flushed or committed by now; end without
        // taking apart what the command read.
        std::fflush(stdout);
        std::_Exit(code);
    }
    error(u"unknown command %1"_s.arg(name));
    std::fputs(usage(false).toUtf8().constData(), stderr);
    return Usage;
}
