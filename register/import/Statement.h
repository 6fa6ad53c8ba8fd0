#pragma once

// A bank statement saved as comma-separated text. Each line is one
// transaction; the fields used are 0 (the date), 1 (the amount) and 4 (the
// description), and any others are ignored. The date is kept as the bank
// wrote it, unless it has no year (12/1, Dec 1): then it is the full date it
// means (see StatementDates.h).
//
// The text is UTF-8 (with or without a byte-order mark), or else
// Windows-1252, which is what banks' "CSV for Excel" exports are when they
// are not UTF-8, or UTF-16 when it begins with its byte-order mark. A file
// holding a NUL byte is not text and is refused. Lines end in CR LF, LF or a
// lone CR.
// A field that begins with a double quote runs to the matching quote and may
// hold commas, line breaks and doubled quotes; blanks around the quotes are
// not part of the field. Other fields are taken exactly as they stand.

#include "Money.h"
#include "Progress.h"
#include "StatementDates.h"
#include "StatementText.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

struct StatementLine {
    int lineNumber = 0; // the physical line the record starts on, from 1
    QString date;
    Cents amount = 0;
    QString description;
    QString checkNumber;
    // What tells this transaction apart when the statement comes again: the
    // bank's own id of it, or a fingerprint of the line (see bankIdKey).
    QString bankId;
    // Why the line is not imported as it stands, though it is a transaction
    // (it cannot be told whether the money went out or came in; its payee is
    // an entity the file does not define): a person may still take it.
    QString doubt;
    // The amount's sign is not known: the amount is as written, and the line
    // is imported only once someone says which way the money went.
    bool signUnknown = false;
    // A word on how the line was read ("the description is ... characters
    // long; only its first 2,000 are kept"); empty when there is none.
    QString note;
};

struct SkippedLine {
    int lineNumber = 0;
    QString reason; // e.g. "3 fields, 5 needed"
    int lastLine = 0; // the last line of a record that runs over several; 0 when it is one line
    // "line 4" or "lines 4-5".
    QString lines() const;
};

struct Statement {
    std::vector<StatementLine> lines;
    // Lines that hold something but are not a transaction: too few fields, or
    // an amount that is not a number (a header line of column titles). Empty
    // lines are left out without a word.
    std::vector<SkippedLine> skipped;
    // Set when the statement cannot be read at all; lines and skipped are
    // then empty, so that nothing of a damaged file is imported.
    QString error;
    // Words about the whole file, for the preview and cheqbook-cli to tell:
    // how the date order was settled, lines read in another encoding, every
    // description empty.
    std::vector<QString> notes;
    bool ok() const { return error.isEmpty(); }
};

inline constexpr int kStatementFieldsNeeded = 5;

// Reads the lines of a statement. A quoted field that is never closed would
// swallow the rest of the file, so it refuses the whole statement with an
// error naming the line where the quote opens (but not the file). Dates
// without a year are given the one nearest the statement's other dates, or
// nearest today (the current date when none is given).
Statement parseStatement(const QByteArray &bytes, QDate today = {});

// The same, from the records of the text the bytes are, split with commas
// and kStatementFieldsNeeded whole fields (see decodeStatementText and
// CsvRecordSource). Progress, when given, hears how far it has come,
// and may stop it (WorkStopped).
Statement parseFiveField(const CsvRecordSource &records, QDate today, Progress *progress = nullptr);

// Gives each line whose date had no year (yearless[i]) the date it means:
// the one nearest the statement's dated lines (dated), or nearest today.
void completeYearlessDates(std::vector<StatementLine> &lines, const std::vector<std::optional<StatementDate>> &yearless,
                           std::vector<QDate> dated, QDate today);

// Reads and parses a statement file (a regular file, as every reader takes
// it: see InputFile); an error starts with the path as given.
Statement readStatementFile(const QString &path, QDate today = {});

// The bytes of a statement file, read as readStatementFile reads them;
// nothing, and why (starting with the path as given), when it cannot be read.
QByteArray readStatementBytes(const QString &path, QString *error);

// The amount field of a statement line: blanks around it, an optional sign,
// currency sign, grouping commas and parentheses for a negative amount, but
// nothing else; "12.34-" or "12.34 CR" are not amounts, since reading only
// their leading number would get the sign wrong.
CentsReading statementAmount(QStringView field);
// Why an amount field is not a transaction's amount: empty, too large, not a number.
QString amountRefusal(const QString &amountField, const CentsReading &amount);

// A line's fingerprint: the same fields (blanks around them aside) give the
// same text, on every machine and in every later version.
QString fieldsFingerprint(const std::vector<QString> &fields);
// A CSV transaction's fingerprint, "csv:" and 16 hexadecimal digits: what
// makes the transaction (its date as the register keeps it, amount,
// description and check number), not columns a bank changes between two
// downloads of the same transaction, as a status or a running balance.
QString transactionFingerprint(const StatementLine &line);
// The statement's ids made unique: the second line with the same id as an
// earlier one gets ":2" after it, the third ":3", so that two identical
// coffees on one day are two transactions, and a second reading of the same
// lines gives the same ids.
void numberRepeatedIds(std::vector<StatementLine> &lines);

// One text for the alert after an import: how many lines of the file were
// not imported and why, naming the first few. Empty when none was skipped.
// Without a file name the text speaks of "the statement".
QString skippedLinesMessage(const std::vector<SkippedLine> &skipped, const QString &fileName = {});
