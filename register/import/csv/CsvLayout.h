#pragma once

// Which column of a bank's CSV export holds what. A file whose first lines
// hold a header (a record that names a date column and an amount, or money
// out and money in, column) is read by the header's names; any lines of
// account information before it are not transactions. A comma-separated file
// without such a header is read in the five-field layout: date, amount, -, -,
// description. Any other file says which column is which only when a person
// (or cheqbook-cli's --columns) does.
//
// Names are read in English, German, French, Spanish, Dutch and Italian,
// letter case, accents, blanks and punctuation aside:
//   date         Date, Posting Date, Posted Date, Transaction Date, Value Date, Datum, Buchungstag,
//                Valuta, Date opération, Fecha, Boekdatum, Data, Data operazione...
//   description  Description, Payee, Name, Partner Name, Merchant, Narrative, Details (when it holds
//                more than debit/credit words), Auftraggeber/Begünstigter, Buchungstext, Libellé,
//                Concepto, Naam / Omschrijving, Omschrijving, Descrizione, Causale...; of several, the
//                best named one that holds any text
//   memo         Memo, Notes, Reference, Verwendungszweck, Mededelingen (added after the description
//                when it says something more; the description when there is none)
//   amount       Amount, Transaction Amount, Amount (USD), Betrag, Umsatz, Montant, Importe, Bedrag,
//                Importo (with a currency after it, too)
//   money out    Debit, Withdrawal, Money Out, Paid Out, Soll, Débit, Cargo, Af, Dare, Addebiti
//   money in     Credit, Deposit, Money In, Paid In, Haben, Crédit, Abono, Bij, Avere, Accrediti
//   check number Check Number, Check #, Check No., Check or Slip #, Cheque Number, Num, Check
//   sign         Type, Transaction Type, Debit/Credit, CR/DR, Af Bij, Soll/Haben (the debit or credit
//                word of each line, for an amount column that never says minus)
// The separator (comma, semicolon or tab) is found first, from the lines
// themselves; with a semicolon, or whenever an amount holds a decimal comma,
// amounts are read as -1.234,56.

#include "Progress.h"
#include "StatementDates.h"
#include "StatementText.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

// What an amount column's figures mean when they carry no sign of their own.
enum class AmountSign {
    Unasked,   // nobody said: read as written, and asked about when every amount is unsigned
    AsWritten, // a minus is money out, anything else money in
    MoneyOut,  // a card's charges: each amount is money out, a minus money in
};

struct CsvLayout {
    QChar separator = u',';
    int headerLine = 0; // the line of the header, from 1; 0 when the file has none
    int fieldCount = 0; // the fields the header names; 0 without a header
    // Column indexes from 0; -1 when the file has no such column.
    int date = 0;
    int amount = 1;
    int description = 4;
    int memo = -1;
    int moneyOut = -1;
    int moneyIn = -1;
    int checkNumber = -1;
    int sign = -1;
    DateOrder dateOrder = DateOrder::Unknown;
    bool decimalComma = false;
    AmountSign amountSign = AmountSign::Unasked;

    bool operator==(const CsvLayout &) const = default;
    // The five-field headerless layout, read exactly as it always was: the
    // date's text as it stands, no check number.
    bool isFiveField() const { return *this == CsvLayout(); }
    // The highest column the layout reads, plus one.
    int fieldsNeeded() const;
    // A column at or beyond the header's width becomes none.
    void dropColumnsBeyondHeader();
    // A layout that names no date, or no amount, column reads nothing.
    bool namesColumns() const { return date >= 0 && (amount >= 0 || moneyOut >= 0 || moneyIn >= 0); }
};

// What a column's name says it holds.
enum class ColumnRole { None, Date, Description, Memo, Amount, MoneyOut, MoneyIn, CheckNumber, Sign, Balance };
ColumnRole columnRole(QStringView name);

// A word some banks put in a column of its own to say which way money went
// (DEBIT, CR, Withdrawal, DSLIP, Af, Soll, Abono...): -1 out, +1 in, 0 for
// anything else, which is never guessed at.
int debitCreditSign(QStringView cell);

struct LayoutDetection {
    CsvLayout layout;           // the five-field layout when no header was found
    // The header's names as written, recognised or not; empty without one.
    QStringList header;
    QString headerKey;          // the header as a key to remember the bank's layout by
    // A first line that reads as a header, but names no date and amount
    // column Cheqbook knows: the layout names no columns until someone does.
    bool headerUnrecognised = false;
    // The whole text split with the header's separator and width, when a
    // header was found: the reading takes these rather than split it again.
    std::shared_ptr<const CsvRecords> records;
};

// Finds the separator (the one given, or the one the lines are written
// with), the header and each column's role, and the decimal comma from the
// columns' contents. The date order is left to the reading. Progress, when
// given, hears how far it has come, and may stop it (WorkStopped).
LayoutDetection detectCsvLayout(QStringView text, std::optional<QChar> separator = std::nullopt,
                                Progress *progress = nullptr);

// The header as a key to remember a bank's layout by: the separator and the
// names, letter case and surrounding blanks aside.
QString headerKeyOf(const QStringList &header, QChar separator);

// The fields of the record that starts on a line (from 1), split with the
// separator; empty when no record starts there.
QStringList recordFieldsAt(QStringView text, QChar separator, int line);
// The most fields a record has among the first lines.
int widestRecord(QStringView text, QChar separator);

// "comma", "semicolon", "tab".
QString separatorName(QChar separator);

// What a header must name, for telling someone whose header was not recognised.
QString namesRead();
