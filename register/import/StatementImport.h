#pragma once

// Putting a bank statement into a register: the work behind the window's
// import command and cheqbook-cli import.

#include "MyDocument.h"
#include "Statement.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

struct ImportResult {
    int firstRow = 0; // the row the statement's first transaction landed on
    int count = 0;    // transactions added
    int reconciled = 0; // rows accepted as lines of the statement, and marked reconciled
    int occurrences = 0; // of those added, lines that entered a scheduled occurrence
    std::vector<SkippedLine> skipped;
    QString error; // the statement could not be read; the document is unchanged
    bool ok() const { return error.isEmpty(); }
    // The statement holds no line at all (an empty file, or blank lines only).
    bool nothingToImport = false;
};

inline constexpr char kNothingToImportText[]
    = QT_TRANSLATE_NOOP("StatementImport", "nothing to import: the statement holds no transactions");
inline constexpr QLatin1StringView kNothingToImportMessage{kNothingToImportText, sizeof(kNothingToImportText) - 1};

// The new records of a statement, one per line in file order, each holding
// exactly CheckNumber (empty text), Date, Amount (a money number) and
// DescriptionofTransaction. No Total and no reconciled mark.
std::vector<RecordPtr> statementRecords(const Statement &statement);

// Inserts the statement's transactions at atRow (the row count the window's
// table had when the import began; it is held to the register's size) in file
// order, so that into an empty register the first line becomes the opening
// row. Marks one change per transaction and one more for the file, even one
// whose lines were all skipped, then recalculates the balances. A statement
// that could not be read, or holds nothing at all, changes nothing and marks
// nothing.
// It is one step of the document's history, named after the file. A
// statement that would take a balance beyond what money can hold is refused
// whole, naming its line.
ImportResult importStatement(MyDocument &doc, int atRow, const Statement &statement, const QString &fileName = {});

// The name of an import's step: Import "december.csv" (42 transactions),
// and ", 3 matched" when rows the user entered were taken as its lines.
QString importStepName(const QString &fileName, int count, int matched = 0);

// What an import does once a person (or cheqbook-cli) has chosen.
struct ImportPlan {
    std::vector<StatementLine> add; // in the statement's order
    // Rows the user entered by hand that are lines of the statement: they
    // are marked reconciled instead of the lines being added, and take the
    // line's bank id, so that the line is known as them when it comes again.
    // Named by the record itself, so that the right row is marked wherever
    // it now is.
    struct Match {
        RecordPtr record;
        QString bankId;
    };
    std::vector<Match> reconcile;
    // Rows that lines left out as already in the register probably are: they
    // take the line's bank id only. A row the user entered answers for one
    // line, so that a later, other line of the same amount is not taken for
    // it again.
    std::vector<Match> identify;
    std::vector<SkippedLine> skipped;
    // The lines to add carry their categories as a person saw and chose
    // them (a preview's): a scheduled occurrence met does not give its own.
    bool categoriesSettled = false;
};

// The records of lines to add: as statementRecords makes them, with the
// line's check number, its category, and its bank id under BankID, so that
// the line is known when it comes again.
std::vector<RecordPtr> importedRecords(const std::vector<StatementLine> &lines);

// Adds the plan's lines at atRow as importStatement does, marks the rows to
// reconcile and gives the matched rows their ids, all in one step of the
// history. A line that meets a scheduled occurrence (see ScheduleMatch.h)
// enters it: its row takes the schedule's description, and the occurrence
// is marked entered in the same step. A record the register no longer holds is left out, and a row that
// has a bank id keeps it. A plan with nothing to add or mark changes nothing
// and counts no change.
ImportResult importPlanned(MyDocument &doc, int atRow, const ImportPlan &plan, const QString &fileName = {});

// Reads the file and imports it as above; the error names the file.
ImportResult importStatement(MyDocument &doc, int atRow, const QString &path);
