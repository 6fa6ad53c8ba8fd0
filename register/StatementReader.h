#pragma once

// Any statement file a bank gives: OFX or QFX, CSV with a header, or the
// five-field headerless CSV. What the file is follows from its content, not
// its name. The window's preview and cheqbook-cli import both read through
// here, with the choices a person made (or the ones remembered for the bank).

#include "CsvLayout.h"
#include "OfxStatement.h"
#include "Reconciliation.h"
#include "Statement.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

enum class StatementFormat { FiveFieldCsv, LayoutCsv, Ofx };

struct ReadChoices {
    std::optional<CsvLayout> layout;     // instead of the one found in the file
    std::optional<DateOrder> dateOrder;  // instead of the layout's
    QString account;                     // the OFX account to import, by its number
};

struct OfxAccountChoice {
    QString id;
    QString label;
    int transactions = 0;
};

struct StatementRead {
    StatementFormat format = StatementFormat::FiveFieldCsv;
    // The transactions and skipped lines to import (for OFX, the chosen
    // account's); error when the file cannot be read at all.
    Statement statement;

    // CSV: the layout read with, and what was found in the file.
    CsvLayout layout;
    LayoutDetection detected;
    bool dateOrderSettled = true;

    // OFX: the accounts the file holds, the one chosen (empty while several
    // wait for a choice), and its statement's ledger balance and date.
    std::vector<OfxAccountChoice> accounts;
    QString account;
    BankStatement ledger;

    bool ok() const { return statement.ok(); }
    // What must be chosen before anything is imported.
    bool needsDateOrder() const { return ok() && format != StatementFormat::Ofx && !dateOrderSettled; }
    bool needsAccount() const { return ok() && format == StatementFormat::Ofx && account.isEmpty(); }
};

StatementRead readStatement(const QByteArray &bytes, const ReadChoices &choices, QDate today);

// "checking 12345678 (14 transactions), savings 87654321 (2 transactions)".
QString accountList(const std::vector<OfxAccountChoice> &accounts);
