#pragma once

// OFX and QFX statements, the files banks offer "for personal finance
// software": OFX 1.x (SGML) and 2.x (XML), told apart from CSV by their
// content, not their name. libofx reads them, in a process of its own (see
// OfxReaderProcess.h); a scan of our own first bounds what libofx is given
// (see OfxScan.h), finds the line of every transaction (libofx does not say
// where things are), and reads each posted date and amount from the text as
// the bank wrote it: libofx turns a date into a moment of the local time
// zone, which may fall on another day, and an amount into a binary fraction.

#include "Money.h"
#include "Progress.h"
#include "Statement.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

struct OfxAccount {
    QString id;    // the account number (ACCTID) as the bank writes it
    QString label; // "checking 12345678", for choosing among several
    Statement statement;
    // The statement's ledger balance and its date, when the bank sent them.
    std::optional<Cents> ledgerBalance;
    std::optional<QDate> ledgerDate;
};

struct OfxRead {
    std::vector<OfxAccount> accounts; // in the file's order; one per account
    QString error; // the file cannot be read; accounts is then empty
    bool stopped = false; // the reading was stopped; error says so, and accounts is empty
    bool ok() const { return error.isEmpty(); }
};

// The error of a reading that was stopped.
inline constexpr QStringView kReadingStoppedMessage = u"the reading was stopped; nothing was imported";

// The first few kilobytes name an OFX header or an <OFX> element.
bool looksLikeOfx(const QByteArray &bytes);

// Every bank and credit card statement of the file. Each transaction becomes
// a line: its posted date as 12/03/2026, its amount to the cent, its check
// number, the payee's name with the memo after it when that says something
// more, and "ofx:ACCOUNT:FITID" as its bank id. A file that is not OFX, is
// damaged or cut off, or holds a transaction without a readable date or
// amount is refused whole, naming the line. A payee made of an entity the
// file does not define is kept as written, the line in doubt (see
// StatementLine::doubt); a check number of 0 is none. Progress, when
// given, hears how far the reading has come, and may stop it.
OfxRead readOfx(const QByteArray &bytes, Progress *progress = nullptr);
