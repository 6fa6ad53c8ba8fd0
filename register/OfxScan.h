#pragma once

// A scan of an OFX file's text, tag by tag, that knows where each statement
// and transaction begins and reads the values that must be exact: the posted
// dates, the amounts, the ledger balance. It reads both forms: SGML, where a
// value's element is never closed (<TRNAMT>-71.24), and XML.

#include "Money.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

struct OfxScannedTransaction {
    int line = 0; // where <STMTTRN> is
    QDate posted;
    Cents amount = 0;
    QString fitid;
};

struct OfxScannedStatement {
    int line = 0; // where <STMTRS> or <CCSTMTRS> is
    QString accountId;
    QString accountType; // CHECKING, SAVINGS, ... or CREDITCARD
    std::vector<OfxScannedTransaction> transactions;
    std::optional<Cents> ledgerBalance;
    std::optional<QDate> ledgerDate;
};

struct OfxScan {
    std::vector<OfxScannedStatement> statements;
    QString error; // "line 12: ..."; statements is then empty
};

OfxScan scanOfx(const QByteArray &bytes);

// An OFX amount: an optional sign, digits, and a point or a comma before at
// most two decimals that count (further zeros are allowed). Nothing when the
// text is no such amount or is beyond what money holds.
std::optional<Cents> ofxAmount(QByteArrayView text);
// An OFX date: YYYYMMDD, then any time and zone, which do not change the day
// the bank states.
std::optional<QDate> ofxDate(QByteArrayView text);
