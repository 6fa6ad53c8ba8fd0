#pragma once

// Putting a bank statement into a register: the work behind the window's
// import command and cheqbook-cli import.

#include "MyDocument.h"
#include "Statement.h"

#include <QString>

#include <vector>

struct ImportResult {
    int firstRow = 0; // the row the statement's first transaction landed on
    int count = 0;    // transactions added
    std::vector<SkippedLine> skipped;
    QString error; // the statement could not be read; the document is unchanged
    bool ok() const { return error.isEmpty(); }
    // The statement holds no line at all (an empty file, or blank lines only).
    bool nothingToImport = false;
};

inline constexpr QStringView kNothingToImportMessage = u"nothing to import: the statement holds no transactions";

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

// The name of an import's step: Import "december.csv" (42 transactions).
QString importStepName(const QString &fileName, int count);

// Reads the file and imports it as above; the error names the file.
ImportResult importStatement(MyDocument &doc, int atRow, const QString &path);
