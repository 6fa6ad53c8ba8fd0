#pragma once

// Any statement file a bank gives: OFX or QFX, CSV with a header, or the
// five-field headerless CSV. What the file is follows from its content, not
// its name. The window's preview and cheqbook-cli import both read through
// here, with the choices a person made (or the ones remembered for the bank).

#include "CsvLayout.h"
#include "OfxStatement.h"
#include "Reconciliation.h"
#include "Statement.h"
#include "StatementText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

enum class StatementFormat { FiveFieldCsv, LayoutCsv, Ofx };

// The layout remembered for a header, if any (LayoutMemory).
using LayoutLookup = std::function<std::optional<CsvLayout>(const QString &headerKey)>;

// Columns stated by number (from 0) over the ones found; -1 for none.
struct ColumnChoice {
    std::optional<int> date, description, memo, amount, moneyOut, moneyIn, checkNumber, sign;
    bool any() const { return date || description || memo || amount || moneyOut || moneyIn || checkNumber || sign; }
};

struct ReadChoices {
    std::optional<CsvLayout> layout;     // a person's, instead of the one found in the file
    std::optional<DateOrder> dateOrder;  // for dates the file does not settle
    QString account;                     // the OFX account to import, by its number
    std::optional<QChar> separator;      // instead of the one the lines are written with
    ColumnChoice columns;                // over the layout found or remembered
    bool decimalComma = false;           // amounts are written -1.234,56
    std::optional<AmountSign> amountSign;
    LayoutLookup remembered;             // a layout settled for this header before
};

struct OfxAccountChoice {
    QString id;
    QString label;
    int transactions = 0;
};

// How the order of the dates' parts was settled.
enum class DateOrderBasis {
    Dates,     // the dates themselves (a part above 12, a year first, month names, dots)
    Chosen,    // a person's choice, now or remembered for the bank
    FileOrder, // only one order puts them in the order of the file within weeks
    None,      // they read both ways: a person must choose
};

struct StatementRead {
    StatementFormat format = StatementFormat::FiveFieldCsv;
    // The transactions and skipped lines to import (for OFX, the chosen
    // account's); error when the file cannot be read at all.
    Statement statement;

    // CSV: the layout read with, and what was found in the file.
    CsvLayout layout;
    LayoutDetection detected;
    bool usedRememberedLayout = false;
    DateDecision dates;
    DateOrderBasis dateBasis = DateOrderBasis::Dates;
    // A date order asked for that the dates themselves refuse: why.
    QString dateOrderConflict;
    bool unsignedAmounts = false; // see CsvReading

    // OFX: the accounts the file holds, the one chosen (empty while several
    // wait for a choice), and its statement's ledger balance and date.
    std::vector<OfxAccountChoice> accounts;
    QString account;
    BankStatement ledger;
    // The whole OFX file as it was read, every account's statement, so that
    // another account can be chosen without reading the file again.
    std::shared_ptr<const OfxRead> ofxFile;

    // CSV: the text the file's bytes are, decoded once; another layout or
    // choice reads it again from here (readCsvStatementText).
    DecodedText decoded;

    // The reading was stopped; statement.error says so, and nothing is to be imported.
    bool stopped = false;

    bool ok() const { return statement.ok(); }
    // What must be settled before anything is imported.
    bool needsColumns() const { return ok() && format == StatementFormat::LayoutCsv && !layout.namesColumns(); }
    bool needsDateOrder() const
    {
        return ok() && format == StatementFormat::LayoutCsv && !needsColumns() && dateBasis == DateOrderBasis::None;
    }
    bool needsAmountSign() const
    {
        return ok() && format == StatementFormat::LayoutCsv && !needsColumns() && unsignedAmounts
            && layout.amountSign == AmountSign::Unasked;
    }
    bool needsAccount() const { return ok() && format == StatementFormat::Ofx && account.isEmpty(); }
    // Why the layout reads nothing yet (no columns named); empty when it does.
    QString columnsProblem() const;
    // Why the dates wait for a choice of order.
    QString dateOrderProblem() const;
};

inline constexpr char kAmountSignProblemText[] = QT_TRANSLATE_NOOP(
    "StatementReader", "every amount is written without a sign, and no column says which way the money went");
inline constexpr QLatin1StringView kAmountSignProblem{kAmountSignProblemText, sizeof(kAmountSignProblemText) - 1};

// Progress, when given, hears how far the reading has come, and may stop
// it: the reading then ends at once, stopped.
StatementRead readStatement(const QByteArray &bytes, const ReadChoices &choices, QDate today,
                            Progress *progress = nullptr);

// A CSV statement from the text its bytes were decoded to before (another
// choice over a file already read): the bytes are not decoded again.
StatementRead readCsvStatementText(const DecodedText &decoded, const ReadChoices &choices, QDate today,
                                   Progress *progress = nullptr);

// The statement of an OFX file read before (StatementRead::ofxFile), for
// the account of that number, or the file's one account when it is empty.
StatementRead ofxStatementRead(std::shared_ptr<const OfxRead> file, const QString &account);

// "checking 12345678 (14 transactions), savings 87654321 (2 transactions)".
QString accountList(const std::vector<OfxAccountChoice> &accounts);
