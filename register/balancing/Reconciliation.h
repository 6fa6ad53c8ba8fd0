#pragma once

// Month-end balancing: the user types the amounts of the bank's statement one
// by one; each marks the first register row with that amount not yet
// reconciled, and the sum of the reconciled rows is shown to compare with the
// statement. The window holds the fields and the drawer; this is the logic.

#include "MyDocument.h"
#include "Register.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// What the balancing drawer says; in the user's language through
// QCoreApplication::translate("Reconciliation", ...).
inline constexpr char kBalancingBegunText[]
    = QT_TRANSLATE_NOOP("Reconciliation", "Balancing of the checkbook has begun");
inline constexpr char kBalancingThanksText[]
    = QT_TRANSLATE_NOOP("Reconciliation",
                        "Hey, like this program? Why not send the guy who made it a\n couple of those bucks it keeps "
                        "track of as a Thanks?");
inline constexpr char kAmountNotFoundText[]
    = QT_TRANSLATE_NOOP("Reconciliation", "That amount was not found as a transaction");
inline constexpr QLatin1StringView kBalancingBegunMessage{kBalancingBegunText, sizeof(kBalancingBegunText) - 1};
inline constexpr QLatin1StringView kBalancingThanksMessage{kBalancingThanksText, sizeof(kBalancingThanksText) - 1};
inline constexpr QLatin1StringView kAmountNotFoundMessage{kAmountNotFoundText, sizeof(kAmountNotFoundText) - 1};
// Set to the right of the drawer's message field by its blanks.
inline constexpr char kBalancingDoneText[]
    = QT_TRANSLATE_NOOP("Reconciliation", "                                      Bye!");
inline constexpr QLatin1StringView kBalancingDoneMessage{kBalancingDoneText, sizeof(kBalancingDoneText) - 1};

// Reconciled: EOMSeen reads as exactly 1. Matchable: EOMSeen reads as 0,
// which an absent mark does. A mark that reads as anything else is neither.
bool isReconciled(const Record &record);
bool isMatchable(const Record &record);

// The Amounts of the reconciled rows added up in whole cents (an Amount that
// is not a number counts as 0).
Cents reconciledSum(const Register &reg);
// The sum as the balance field shows it, as every amount is shown, without a
// currency sign: "-12.50", "1234.50", "0.00" (or "-12,50" with a comma).
QString reconciledSumText(Cents sum, QChar decimalPoint = u'.');

// The lowest matchable row whose Amount is the typed amount to the cent; -1
// when there is none. An Amount that is not a number counts as 0.00. With a
// statement's closing date, rows dated after it are not on that statement
// and are passed over; a row whose date cannot be read may still be.
int matchStatementAmount(const Register &reg, Cents typed, std::optional<QDate> closingDate = {},
                         QDate today = {});
// What balancing says of a typed amount that only a row dated after the
// closing date holds: that it is, and which row (counted from 1, as shown).
QString datedAfterClosingMessage(const Record &record, int row);

// The balance the bank shows for what has cleared: the opening row's Amount
// (the balance the bank held when the register began, or a new year's
// carried balance), reconciled or not, plus the Amounts of every other
// reconciled row.
Cents clearedBalance(const Register &reg);

// A bank statement as the user types it while balancing: its closing date
// and its ending balance, each perhaps not (yet) given.
struct BankStatement {
    std::optional<QDate> closingDate;
    std::optional<Cents> endingBalance;
};

// A statement that balancing finished is kept in the register file itself,
// under two keys of each row it reconciled: its closing date and its ending
// balance. The file stays a plain list of records that every property-list
// reader takes, and an older Cheqbook keeps the keys it does not know.
inline constexpr QStringView kStatementDateKey = u"StatementDate";
inline constexpr QStringView kStatementBalanceKey = u"StatementBalance";

struct RecordedStatement {
    QDate date;
    Cents balance = 0;
    QString dateText; // as stored
    QString balanceText;
};
// The statements finished in this register, oldest first.
std::vector<RecordedStatement> recordedStatements(const Register &reg);
// Whether a row was reconciled by a finished statement (which one, then).
bool belongsToStatement(const Record &record, const RecordedStatement &statement);
bool belongsToAStatement(const Record &record);

// The rows reconciled since the last finished statement (the opening row
// aside): what finishing the statement being balanced records.
std::vector<int> rowsClearedSinceLastStatement(const Register &reg);

// --- Changes, each one step of the document's history.

// Marks a row reconciled, or takes the mark away (and with it the row's
// part in a finished statement).
void setReconciled(MyDocument &doc, int row, bool reconciled);
// Records the statement on the rows it reconciled, as a finished statement.
// Returns how many rows it recorded it on.
int finishStatement(MyDocument &doc, QDate closingDate, Cents endingBalance);
// The text a statement's date is kept as.
QString statementDateText(QDate date);

// The amount typed while balancing, read whole as entry reads it
// ("-1,450.00", "$-200.00", "(12.34)", "-12,50"); an error message naming
// the text for one that is not an amount.
struct TypedStatementAmount {
    Cents cents = 0;
    QString error;
};
TypedStatementAmount readStatementAmount(const QString &typed, QChar decimalPoint = u'.');

// The reconciled mark: the text "1" under EOMSeen.
inline Value reconciledMark() { return Value::text(u"1"); }
// Reconciles a row: EOMSeen becomes the text "1". This is not a change the
// document counts.
void markReconciled(Record &record);

// low + |high - low| * fraction, the fraction drawn from random() (which the
// program never seeds) modulo 123456789, all in 32-bit float arithmetic.
float randBetween(float low, float high);

// The greeting when balancing begins, for a value drawn from 0 to 10: the
// thanks text above 8, otherwise the plain one.
QString balancingBegunMessage(float drawn);
// Draws the value with randBetween(0, 10) and chooses.
QString drawBalancingBegunMessage();
