// cheqbook-cli import: bank statements of any layout into a register, each
// transaction once.

#include "ImportCommand.h"

#include "ImportDuplicates.h"
#include "LayoutMemory.h"
#include "Report.h"
#include "StatementImport.h"
#include "StatementReader.h"
#include "TerminalProgress.h"

#include <QDate>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

struct Options {
    bool keepDuplicates = false;
    bool dryRun = false;
    bool showProgress = false;
    ReadChoices choices;
    // The command line states something of the layout (but for the date
    // order, which only a file that needed it takes), which is then
    // remembered for the header of the file it was stated for.
    bool statesLayout = false;
};

// What an imported statement leaves to do once the register is written.
struct Imported {
    QString path;
    QString headerKey;
    CsvLayout layout;
};

// One line of the dry run per statement line, in the file's order.
void printDryRun(const QString &path, const Statement &statement, const std::vector<DuplicateCheck> &checks,
                 bool keepDuplicates)
{
    struct Out {
        int line;
        QString text;
    };
    std::vector<Out> out;
    for (size_t i = 0; i < statement.lines.size(); ++i) {
        const StatementLine &l = statement.lines[i];
        if (!l.doubt.isEmpty()) {
            out.push_back({l.lineNumber, u"skip\t%1:%2\t%3"_s.arg(withControlsShown(path), QString::number(l.lineNumber),
                                                                       withControlsShown(l.doubt))});
            continue;
        }
        const bool duplicate = checks[i].verdict != DuplicateCheck::Verdict::New;
        // The tabs are the line's own: each field shows the statement's
        // control characters as symbols, tabs too.
        QString text = u"%1\t%2:%3\t%4\t%5\t%6\t%7"_s.arg(
            duplicate && !keepDuplicates ? u"duplicate"_s : u"import"_s, withControlsShown(path),
            QString::number(l.lineNumber), withControlsShown(l.date), withControlsShown(l.checkNumber),
            withControlsShown(l.description), moneyText(l.amount));
        if (duplicate)
            text += u'\t' + withControlsShown(checks[i].reason);
        out.push_back({l.lineNumber, text});
    }
    for (const SkippedLine &s : statement.skipped)
        out.push_back({s.lineNumber, u"skip\t%1:%2\t%3"_s.arg(withControlsShown(path), s.lines().section(u' ', 1),
                                                              withControlsShown(s.reason))});
    std::stable_sort(out.begin(), out.end(), [](const Out &a, const Out &b) { return a.line < b.line; });
    for (const Out &o : out)
        writeOut(o.text + u'\n');
}

// As every command shows its long work with --progress.
std::unique_ptr<Progress> watch(bool shown, const char *doing, const QString &path)
{
    return progressFor(shown,
                       u"cheqbook-cli: %1 %2"_s.arg(QLatin1StringView(doing), QFileInfo(path).fileName()));
}

// Why a statement cannot be imported as it was asked, with what to say
// instead; empty when it can.
QString refusal(const StatementRead &read)
{
    if (read.needsAccount())
        return u"it holds several accounts: %1; name the one to import with --account ID"_s.arg(
            accountList(read.accounts));
    if (read.needsColumns())
        return read.columnsProblem()
            + u"; say which column is which with --columns date=N,desc=N,amount=N (or out=N,in=N instead of "
              "amount), counting from 1"_s;
    if (!read.dateOrderConflict.isEmpty())
        return read.dateOrderConflict
            + u" as --date-order says; nothing was imported (import it without --date-order)"_s;
    if (read.needsDateOrder())
        return read.dates.readable.empty()
            ? read.dateOrderProblem() + u"; name the date column with --columns date=N"_s
            : read.dateOrderProblem() + u"; say which with --date-order mdy or --date-order dmy"_s;
    if (read.needsAmountSign())
        return QString(kAmountSignProblem)
            + u"; say --amounts-out if they are charges (money out), --amounts-in if they are money in"_s;
    return {};
}

// Imports one statement; false after saying why it cannot be.
bool importOne(MyDocument &doc, const QString &path, const Options &o, std::vector<Imported> *imported)
{
    QString why;
    const QByteArray bytes = readStatementBytes(path, &why);
    if (!why.isEmpty()) {
        error(why);
        return false;
    }
    const QDate today = QDate::currentDate();
    const StatementRead read = readStatement(bytes, o.choices, today, watch(o.showProgress, "reading", path).get());
    if (!read.ok()) {
        error(u"%1: %2"_s.arg(path, read.statement.error));
        return false;
    }
    if (const QString no = refusal(read); !no.isEmpty()) {
        error(u"%1: %2"_s.arg(path, no));
        return false;
    }
    const Statement &statement = read.statement;
    if (statement.lines.empty() && statement.skipped.empty()) {
        error(u"%1: %2"_s.arg(path, kNothingToImportMessage));
        return true;
    }
    if (read.usedRememberedLayout)
        error(u"%1: read in the layout remembered for its header"_s.arg(path));
    for (const QString &note : statement.notes)
        error(u"%1: %2"_s.arg(path, note));
    const std::vector<DuplicateCheck> checks = checkDuplicates(*doc.array(), statement.lines, today);
    ImportPlan plan;
    int duplicates = 0;
    for (size_t i = 0; i < checks.size(); ++i) {
        const StatementLine &line = statement.lines[i];
        if (!line.doubt.isEmpty()) {
            plan.skipped.push_back({line.lineNumber, line.doubt, 0});
            continue;
        }
        const bool duplicate = checks[i].verdict != DuplicateCheck::Verdict::New;
        duplicates += duplicate;
        if (!duplicate || o.keepDuplicates)
            plan.add.push_back(line);
        else if (checks[i].verdict == DuplicateCheck::Verdict::Probable)
            plan.identify.push_back({checks[i].record, line.bankId});
    }
    plan.skipped.insert(plan.skipped.end(), statement.skipped.begin(), statement.skipped.end());
    std::stable_sort(plan.skipped.begin(), plan.skipped.end(),
                     [](const SkippedLine &a, const SkippedLine &b) { return a.lineNumber < b.lineNumber; });
    if (o.dryRun)
        printDryRun(path, statement, checks, o.keepDuplicates);
    // A dry run imports too, into the register in memory only, so that a
    // later statement's lines are checked against this one's.
    const ImportResult r = importPlanned(doc, doc.count(), plan, QFileInfo(path).fileName());
    if (!r.ok()) {
        error(u"%1: %2"_s.arg(path, r.error));
        return false;
    }
    if (!o.dryRun) {
        for (const SkippedLine &skipped : r.skipped)
            error(u"%1: %2 not imported: %3"_s.arg(path, skipped.lines(), skipped.reason));
        for (const StatementLine &line : plan.add)
            if (!line.note.isEmpty())
                error(u"%1: line %2: %3"_s.arg(path, QString::number(line.lineNumber), line.note));
    }
    if (duplicates > 0 && !o.keepDuplicates)
        error(u"%1: %2 already in the register, not imported again (--keep-duplicates imports them)"_s.arg(
            path, duplicates == 1 ? u"1 transaction"_s : u"%1 transactions"_s.arg(duplicates)));
    const bool stated = o.statesLayout || (o.choices.dateOrder && read.dateBasis == DateOrderBasis::Chosen);
    if (stated && read.format == StatementFormat::LayoutCsv && read.layout.headerLine > 0)
        imported->push_back({path, read.detected.headerKey, read.layout});
    return true;
}

// "date=2,desc=4,amount=5": columns counted from 1, 0 or "none" for none.
bool parseColumns(const QString &text, ColumnChoice *columns)
{
    for (const QString &item : text.split(u',', Qt::SkipEmptyParts)) {
        const QString name = item.section(u'=', 0, 0).trimmed().toLower();
        const QString value = item.section(u'=', 1).trimmed();
        bool ok = value.compare(u"none", Qt::CaseInsensitive) == 0;
        const int n = ok ? 0 : value.toInt(&ok);
        if (!ok || !item.contains(u'=') || n < 0 || n > 999) {
            error(u"--columns: \u201c%1\u201d is not NAME=NUMBER (the number of the column, counting from 1)"_s.arg(
                item));
            return false;
        }
        std::optional<int> *column = name == u"date"                          ? &columns->date
            : name == u"desc" || name == u"description" || name == u"payee" ? &columns->description
            : name == u"memo"                                                ? &columns->memo
            : name == u"amount"                                              ? &columns->amount
            : name == u"out"                                                 ? &columns->moneyOut
            : name == u"in"                                                  ? &columns->moneyIn
            : name == u"check"                                               ? &columns->checkNumber
            : name == u"sign"                                                ? &columns->sign
                                                                             : nullptr;
        if (!column) {
            error(u"--columns: \u201c%1\u201d is none of date, desc, memo, amount, out, in, check, sign"_s.arg(name));
            return false;
        }
        *column = n - 1;
    }
    return true;
}

std::optional<QChar> parseSeparator(const QString &text)
{
    const QString t = text.toLower();
    if (t == u"comma" || t == u",")
        return QChar(u',');
    if (t == u"semicolon" || t == u";")
        return QChar(u';');
    if (t == u"tab" || t == u"\t" || t == u"\\t")
        return QChar(u'\t');
    return std::nullopt;
}

} // namespace

int runImport(const Arguments &a)
{
    Options o;
    o.keepDuplicates = a.flags.contains(u"--keep-duplicates"_s);
    o.dryRun = a.flags.contains(u"--dry-run"_s);
    o.showProgress = a.showProgress;
    o.choices.account = a.values.value(u"--account"_s);
    if (a.values.contains(u"--date-order"_s)) {
        o.choices.dateOrder = dateOrderFromCode(a.values.value(u"--date-order"_s));
        if (!o.choices.dateOrder) {
            error(u"--date-order: \u201c%1\u201d is none of mdy, dmy, ymd"_s.arg(a.values.value(u"--date-order"_s)));
            return Usage;
        }
    }
    if (a.values.contains(u"--columns"_s) && !parseColumns(a.values.value(u"--columns"_s), &o.choices.columns))
        return Usage;
    if (a.values.contains(u"--separator"_s)) {
        o.choices.separator = parseSeparator(a.values.value(u"--separator"_s));
        if (!o.choices.separator) {
            error(u"--separator: \u201c%1\u201d is none of comma, semicolon, tab"_s.arg(a.values.value(u"--separator"_s)));
            return Usage;
        }
    }
    const bool out = a.flags.contains(u"--amounts-out"_s), in = a.flags.contains(u"--amounts-in"_s);
    if (out && in) {
        error(u"--amounts-out and --amounts-in say opposite things; give one"_s);
        return Usage;
    }
    if (out || in)
        o.choices.amountSign = out ? AmountSign::MoneyOut : AmountSign::AsWritten;
    o.choices.decimalComma = a.flags.contains(u"--decimal-comma"_s);
    o.statesLayout = o.choices.columns.any() || o.choices.separator || o.choices.decimalComma || out || in;
    // The layouts a person settled for a bank in the window, by the header.
    QSettings settings(u"Cheqbook"_s, u"Cheqbook"_s);
    LayoutMemory memory(settings);
    o.choices.remembered = [&memory](const QString &header) { return memory.layoutFor(header); };

    const QString &registerPath = a.positional[0];
    if (!a.output.isEmpty() && outputIsAnInput(a.output, a.positional.mid(1), u"the statement"_s))
        return Usage;
    auto doc = openRegister(registerPath, Recalculate::Yes, watch(a.showProgress, "reading", registerPath).get());
    if (!doc)
        return Failed;
    // Each statement is imported after the rows of the ones before it, as the
    // window imports several chosen files; a statement that cannot be read
    // leaves the register file as it was, but the others are still checked so
    // that every problem is told at once.
    bool failed = false;
    std::vector<Imported> imported;
    for (const QString &statementPath : a.positional.mid(1))
        failed = !importOne(*doc, statementPath, o, &imported) || failed;
    if (o.dryRun)
        return finishOut() && !failed ? Ok : Failed;
    if (failed)
        return Failed;
    // A register the statements add nothing to is left as it is, and so is
    // its backup.
    if (!doc->isDocumentEdited() && a.output.isEmpty()) {
        error(u"nothing to add: %1 was left as it was"_s.arg(registerPath));
        return Ok;
    }
    const QString output = a.output.isEmpty() ? registerPath : a.output;
    const int saved = saveRegister(*doc, output, watch(a.showProgress, "writing", output).get());
    if (saved != Ok)
        return saved;
    for (const Imported &i : imported) {
        if (memory.layoutFor(i.headerKey) == i.layout)
            continue;
        memory.remember(i.headerKey, i.layout);
        error(u"%1: its layout is remembered for files with the same header"_s.arg(i.path));
    }
    return Ok;
}

} // namespace cli
