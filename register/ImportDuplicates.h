#pragma once

// Which lines of a statement the register already holds. A transaction that
// came from a statement keeps the bank's id of it (or the fingerprint of its
// CSV line) under the record key BankID, so that the same transaction coming
// again, in the same file or in a later one that overlaps it, is known. A
// line may also be one the user entered by hand before the bank's statement
// came: a row without a bank id with the same amount and the same check
// number, or a date at most 5 days away, is probably that one. So is a row
// that came from a statement of the other kind (CSV before, OFX now), whose
// id cannot be this line's.
//
// Neither check is quadratic: the register is indexed once, by id, and by
// amount for the rows an amount of the statement could match.

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
};

// One check per line, in the lines' order. A register row answers for one
// line at most: a statement with two identical coffees and a register with
// one hand-entered coffee has one probable duplicate and one new line. Dates
// the register holds are read as the register's date reader reads them.
std::vector<DuplicateCheck> checkDuplicates(const Register &reg, const std::vector<StatementLine> &lines,
                                            QDate today);

// "12/03/2026 Hy-Vee -71.24": a row as the reasons name it.
QString describeRow(const Record &record);
