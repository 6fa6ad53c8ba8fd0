#pragma once

// The reconciliation report a checkbook's owner keeps with the bank's
// statement: what the statement cleared, what is still outstanding, and
// whether the register agrees with the bank.

#include "Reconciliation.h"
#include "WrittenForms.h"

#include <QString>

#include <optional>
#include <vector>

struct ReconciliationItem {
    QString date;
    QString checkNumber;
    QString description;
    Cents amount = 0;
};

struct ReconciliationReport {
    std::optional<QDate> statementDate; // none: no statement, as things stand now
    std::optional<Cents> statementBalance;
    std::optional<QDate> previousDate; // of the statement before, when there is one
    Cents previousCleared = 0;         // the cleared balance at it (the opening balance without one)
    // The opening row: the balance the register began with, which the bank
    // held, so that it counts as cleared without a mark. Shown while no
    // earlier statement has taken it into its cleared balance.
    std::optional<ReconciliationItem> opening;
    std::vector<ReconciliationItem> cleared;
    int depositCount = 0;
    Cents deposits = 0;
    int withdrawalCount = 0;
    Cents withdrawals = 0;
    Cents clearedBalance = 0;
    std::vector<ReconciliationItem> outstanding; // not reconciled, dated on or before the statement
    Cents outstandingTotal = 0;
    Cents registerBalance = 0; // on the statement's date: the opening row and every row dated by then
    std::optional<Cents> difference;
};

// For the statement being balanced: the rows reconciled since the last
// finished statement, against the statement as typed (either part may be
// missing).
ReconciliationReport currentReconciliation(const Register &reg, const BankStatement &statement, QDate today);
// For a statement balancing finished.
ReconciliationReport finishedReconciliation(const Register &reg, const RecordedStatement &statement, QDate today);
// For the statement given (either part may be missing): a finished one when
// it is one, so that its report is the one Finish recorded; otherwise the
// statement being balanced. A finished statement is known by its closing
// date; given its balance alone, by that balance when nothing was reconciled
// after it. Given nothing, the last finished statement, or the register as
// it stands when none was finished.
ReconciliationReport reconciliationFor(const Register &reg, const BankStatement &statement, QDate today);

// The report as text, its summary lines first, each a label from
// "Statement balance", "Previous cleared balance", "Deposits cleared",
// "Withdrawals cleared", "Cleared balance", "Outstanding", "Register balance"
// and "Difference" followed by money text; then the lists. Lines a report
// has no figure for are left out. Dates and amounts are in the forms given
// (the window's); the file's forms by default.
QString reconciliationText(const ReconciliationReport &report, const QString &registerName,
                           const WrittenForms &forms = {});
