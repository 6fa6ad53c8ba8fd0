#pragma once

// Which lines of a statement the register already holds. A transaction that
// came from a statement keeps the bank's id of it (or the fingerprint of its
// CSV line) under the record key BankID, so that the same transaction coming
// again, in the same file or in a later one that overlaps it, is known.
//
// A line not known by its id may still be a row of the register: one the
// user entered by hand before the bank's statement came, one from a
// statement of the other kind (CSV before, OFX now), or one an earlier
// download of the same account showed otherwise (pending then, posted now,
// with another date or description). Such a row has the line's amount, and
// the line's check number or a date at most 5 days away; a row from an
// earlier download of the same account counts only where this statement
// covers its date (a transaction this download should show, and does not by
// its id), so that yesterday's coffee is not taken for today's.
//
// Lines and rows of one amount are paired so that the most lines find a
// row, and then the total distance between their dates is least: six
// coffees a day or two after six rows are six pairs, never a chain that
// slides one row along and leaves the last line new. The same check number
// pairs first, whatever the dates.
//
// Neither check is quadratic in the register: it is indexed once, by id,
// and by amount for the rows an amount of the statement could match.

#include "Progress.h"
#include "Register.h"
#include "Statement.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <vector>

inline constexpr QStringView kBankIdKey = u"BankID";
inline constexpr int kProbableMatchDays = 5;

struct DuplicateCheck {
    enum class Verdict { New, Duplicate, Probable };
    Verdict verdict = Verdict::New;
    // The row it duplicates, and that record itself (which stays right if
    // rows move before the import is done).
    int row = -1;
    RecordPtr record;
    QString reason; // "already in the register: 12/03/2026 Hy-Vee -71.24"
    bool chosen = false; // a person paired it (or said it is new)
};

// A pairing a person made in the preview: the line (by its index) is the
// record, or, with no record, is new.
struct ChosenPairing {
    size_t line = 0;
    RecordPtr record;
};

// One check per line, in the lines' order. A register row answers for one
// line at most: a statement with two identical coffees and a register with
// one hand-entered coffee has one probable duplicate and one new line. Dates
// the register holds are read as the register's date reader reads them. A
// line whose sign is not known is checked by no amount: it stays new.
// Chosen pairings hold as they are (a record the register no longer holds
// is none). Progress, when given, is told how far the check has come;
// stopped, the checks are not to be used.
std::vector<DuplicateCheck> checkDuplicates(const Register &reg, const std::vector<StatementLine> &lines,
                                            QDate today, Progress *progress = nullptr,
                                            const std::vector<ChosenPairing> &chosen = {});

// The rows a person may pair a line with: those of its amount that no other
// line is known to be by its id, nearest in date first, at most max.
std::vector<int> pairingCandidates(const Register &reg, const std::vector<StatementLine> &lines,
                                   const std::vector<DuplicateCheck> &checks, size_t line, QDate today,
                                   size_t max = 20);

// "12/03/2026 Hy-Vee -71.24": a row as the reasons name it.
QString describeRow(const Record &record);
