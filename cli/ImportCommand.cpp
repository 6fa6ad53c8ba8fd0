// cheqbook-cli import: bank statements of any layout into a register, each
// transaction once.

#include "ImportCommand.h"

#include "ImportDuplicates.h"
#include "Report.h"
#include "StatementImport.h"
#include "StatementReader.h"
#include "TerminalProgress.h"

#include <QDate>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

struct Options {
    bool keepDuplicates = false;
    bool dryRun = false;
    ReadChoices choices;
};

// One line of the dry run per statement line, in the file's order.
void printDryRun(const QString &name, const Statement &statement, const std::vector<DuplicateCheck> &checks,
                 bool keepDuplicates)
{
    struct Out {
        int line;
        QString text;
    };
    std::vector<Out> out;
    for (size_t i = 0; i < statement.lines.size(); ++i) {
        const StatementLine &l = statement.lines[i];
        const bool duplicate = checks[i].verdict != DuplicateCheck::Verdict::New;
        // The tabs are the line's own: each field shows the statement's
        // control characters as symbols, tabs too.
        QString text = u"%1\t%2:%3\t%4\t%5\t%6\t%7"_s.arg(
            duplicate && !keepDuplicates ? u"duplicate"_s : u"import"_s, withControlsShown(name),
            QString::number(l.lineNumber), withControlsShown(l.date), withControlsShown(l.checkNumber),
            withControlsShown(l.description), moneyText(l.amount));
        if (duplicate)
            text += u'\t' + withControlsShown(checks[i].reason);
        out.push_back({l.lineNumber, text});
    }
    for (const SkippedLine &s : statement.skipped)
        out.push_back({s.lineNumber, u"skip\t%1:%2\t%3"_s.arg(withControlsShown(name), s.lines().section(u' ', 1),
                                                              withControlsShown(s.reason))});
    std::stable_sort(out.begin(), out.end(), [](const Out &a, const Out &b) { return a.line < b.line; });
    for (const Out &o : out)
        writeOut(o.text + u'\n');
}

// As every command shows its long work with --progress.
std::unique_ptr<Progress> watch(const Arguments &a, const char *doing, const QString &path)
{
    return progressFor(a.showProgress,
                       u"cheqbook-cli: %1 %2"_s.arg(QLatin1StringView(doing), QFileInfo(path).fileName()));
}

// Imports one statement; false after saying why it cannot be.
bool importOne(MyDocument &doc, const QString &path, const Options &o)
{
    const QString name = QFileInfo(path).fileName();
    QString why;
    const QByteArray bytes = readStatementBytes(path, &why);
    if (!why.isEmpty()) {
        error(why);
        return false;
    }
    const QDate today = QDate::currentDate();
    const StatementRead read = readStatement(bytes, o.choices, today);
    if (!read.ok()) {
        error(u"%1: %2"_s.arg(path, read.statement.error));
        return false;
    }
    if (read.needsAccount()) {
        error(u"%1 holds several accounts: %2; name the one to import with --account ID"_s.arg(
            path, accountList(read.accounts)));
        return false;
    }
    if (read.needsDateOrder()) {
        error(u"%1: the dates read both as month/day/year and as day/month/year; say which with --date-order "
              "mdy or --date-order dmy"_s.arg(path));
        return false;
    }
    const Statement &statement = read.statement;
    if (statement.lines.empty() && statement.skipped.empty()) {
        error(u"%1: %2"_s.arg(name, kNothingToImportMessage));
        return true;
    }
    const std::vector<DuplicateCheck> checks = checkDuplicates(*doc.array(), statement.lines, today);
    ImportPlan plan;
    int duplicates = 0;
    for (size_t i = 0; i < checks.size(); ++i) {
        const bool duplicate = checks[i].verdict != DuplicateCheck::Verdict::New;
        duplicates += duplicate;
        if (!duplicate || o.keepDuplicates)
            plan.add.push_back(statement.lines[i]);
        else if (checks[i].verdict == DuplicateCheck::Verdict::Probable)
            plan.identify.push_back({checks[i].record, statement.lines[i].bankId});
    }
    plan.skipped = statement.skipped;
    if (o.dryRun)
        printDryRun(name, statement, checks, o.keepDuplicates);
    // A dry run imports too, into the register in memory only, so that a
    // later statement's lines are checked against this one's.
    const ImportResult r = importPlanned(doc, doc.count(), plan, name);
    if (!r.ok()) {
        error(u"%1: %2"_s.arg(path, r.error));
        return false;
    }
    if (!o.dryRun)
        for (const SkippedLine &skipped : r.skipped)
            error(u"%1: %2 not imported: %3"_s.arg(name, skipped.lines(), skipped.reason));
    if (duplicates > 0 && !o.keepDuplicates)
        error(u"%1: %2 already in the register, not imported again (--keep-duplicates imports them)"_s.arg(
            name, duplicates == 1 ? u"1 transaction"_s : u"%1 transactions"_s.arg(duplicates)));
    return true;
}

} // namespace

int runImport(const Arguments &a)
{
    Options o;
    o.keepDuplicates = a.flags.contains(u"--keep-duplicates"_s);
    o.dryRun = a.flags.contains(u"--dry-run"_s);
    o.choices.account = a.values.value(u"--account"_s);
    if (a.values.contains(u"--date-order"_s)) {
        o.choices.dateOrder = dateOrderFromCode(a.values.value(u"--date-order"_s));
        if (!o.choices.dateOrder) {
            error(u"--date-order: \u201c%1\u201d is none of mdy, dmy, ymd"_s.arg(a.values.value(u"--date-order"_s)));
            return Usage;
        }
    }
    const QString &registerPath = a.positional[0];
    if (!a.output.isEmpty() && outputIsAnInput(a.output, a.positional.mid(1), u"the statement"_s))
        return Usage;
    auto doc = openRegister(registerPath, Recalculate::Yes, watch(a, "reading", registerPath).get());
    if (!doc)
        return Failed;
    // Each statement is imported after the rows of the ones before it, as the
    // window imports several chosen files; a statement that cannot be read
    // leaves the register file as it was, but the others are still checked so
    // that every problem is told at once.
    bool failed = false;
    for (const QString &statementPath : a.positional.mid(1))
        failed = !importOne(*doc, statementPath, o) || failed;
    if (o.dryRun)
        return finishOut() && !failed ? Ok : Failed;
    if (failed)
        return Failed;
    const QString output = a.output.isEmpty() ? registerPath : a.output;
    return saveRegister(*doc, output, watch(a, "writing", output).get());
}

} // namespace cli
