#pragma once

// A scan of an OFX file's text, tag by tag, that knows where each statement
// and transaction begins and reads the values that must be exact: the posted
// dates, the amounts, the ledger balance. It reads both forms: SGML, where a
// value's element is never closed (<TRNAMT>-71.24), and XML.
//
// A file that ends before its statement does (a download cut off half way)
// is refused, naming the line where it stops. A file that holds no statement
// but the bank's error status (a failed sign-on, a server error) is refused
// with the bank's own words.

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
    // A payee's name or memo that refers to an entity other than the five
    // every XML reader knows (which libofx drops, leaving the payee empty):
    // the name and memo as the scan reads them, each entity the file defines
    // put in; ownText says they are to be used. An entity the file does not
    // define, or keeps in another file, is left as written, and entityDoubt
    // says why the line is in doubt.
    QString name;
    QString memo;
    bool ownText = false;
    QString entityDoubt;
};

struct OfxScannedStatement {
    int line = 0; // where <STMTRS> or <CCSTMTRS> is
    QString accountId;
    QString accountType; // CHECKING, SAVINGS, ... or CREDITCARD
    std::vector<OfxScannedTransaction> transactions;
    // Both absent when the bank sent an empty ledger balance.
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
