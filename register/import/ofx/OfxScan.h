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
//
// So is a file beyond any of the bounds below, naming the bound and where
// the file passes it. No bank's statement comes near them: a year of a busy
// account is a few thousand transactions in a few megabytes, nested about
// eight deep, no text longer than a few hundred characters. libofx, which
// reads the file after the scan, takes minutes over a file beyond them, or
// never ends.

#include "Money.h"
#include "Progress.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

inline constexpr qsizetype kMaxOfxBytes = qsizetype(64) << 20;
inline constexpr int kMaxOfxDepth = 64;               // aggregates open at once
inline constexpr int kMaxOfxTransactions = 50000;     // in the whole file
inline constexpr qsizetype kMaxOfxText = qsizetype(64) << 10; // between two tags, or in one

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

// Progress, when given, hears how far the scan has come, and may stop it
// (WorkStopped).
OfxScan scanOfx(const QByteArray &bytes, Progress *progress = nullptr);

// An OFX amount: an optional sign, digits, and a point or a comma before at
// most two decimals that count (further zeros are allowed). Nothing when the
// text is no such amount or is beyond what money holds.
std::optional<Cents> ofxAmount(QByteArrayView text);
// An OFX date: YYYYMMDD, then any time and zone, which do not change the day
// the bank states.
std::optional<QDate> ofxDate(QByteArrayView text);
