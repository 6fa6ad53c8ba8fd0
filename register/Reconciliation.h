#pragma once

// Month-end balancing: the user types the amounts of the bank's statement one
// by one; each marks the first register row with that amount not yet
// reconciled, and the sum of the reconciled rows is shown to compare with the
// statement. The window holds the fields and the drawer; this is the logic.

#include "Register.h"

#include <QString>
#include <QStringView>

inline constexpr QStringView kBalancingBegunMessage = u"Balancing of the checkbook has begun";
inline constexpr QStringView kBalancingThanksMessage =
    u"Hey, like this program? Why not send the guy who made it a\n couple of those bucks it keeps track of as a Thanks?";
inline constexpr QStringView kAmountNotFoundMessage = u"That amount was not found as a transaction";
inline constexpr QStringView kBalancingDoneMessage = u"                                      Bye!";

// Reconciled: EOMSeen reads as exactly 1. Matchable: EOMSeen reads as 0,
// which an absent mark does. A mark that reads as anything else is neither.
bool isReconciled(const Record &record);
bool isMatchable(const Record &record);

// The Amounts of the reconciled rows added up in whole cents (an Amount that
// is not a number counts as 0).
Cents reconciledSum(const Register &reg);
// The sum as the balance field shows it: "$-12.50", "$1234.50", "$0.00".
QString reconciledSumText(Cents sum);

// The lowest matchable row whose Amount is the typed amount to the cent; -1
// when there is none. An Amount that is not a number counts as 0.00.
int matchStatementAmount(const Register &reg, Cents typed);

// The amount typed while balancing, read as entry reads it ("-1,450.00",
// "$-200.00", "(12.34)"); an error message for text that is not an amount.
struct TypedStatementAmount {
    Cents cents = 0;
    QString error;
};
TypedStatementAmount readStatementAmount(const QString &typed);

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
QStringView balancingBegunMessage(float drawn);
// Draws the value with randBetween(0, 10) and chooses.
QStringView drawBalancingBegunMessage();
