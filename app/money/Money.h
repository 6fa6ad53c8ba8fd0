#pragma once

// Money is held in whole cents. Amounts and balances are never added in binary
// floating point: a value read from text is rounded to the cent from its decimal
// digits, and balances are sums of integers.

#include <QString>
#include <QStringView>
#include <QLatin1StringView>

#include <cstdint>
#include <optional>

using Cents = std::int64_t;

// The largest magnitude a money value may have: 2^53 cents (about 90 trillion).
// Beyond it a cent amount would no longer convert to a double exactly.
inline constexpr Cents kMaxCents = Cents(1) << 53;

inline bool centsInRange(Cents c) { return c >= -kMaxCents && c <= kMaxCents; }

enum class NumberStatus { NotANumber, Ok, OutOfRange };

struct CentsReading {
    NumberStatus status = NumberStatus::NotANumber;
    Cents cents = 0;
    bool ok() const { return status == NumberStatus::Ok; }
};

// The leading decimal number of a text (after white space: sign, digits with an
// optional point, an optional exponent), rounded to the cent half away from zero
// from its decimal digits: 12.345 gives 1235, -0.005 gives -1. Whatever follows
// the number is ignored. NotANumber when the text does not begin with a number;
// OutOfRange when the magnitude exceeds kMaxCents (cents then holds the
// nearest limit, so that a caller that must go on can saturate).
CentsReading leadingCents(QStringView text);
CentsReading leadingCents(QLatin1StringView text);

// An amount as a person types it or a bank writes it: blanks, an optional sign,
// an optional currency sign ($ £ € ¥), grouping commas between digits, and
// parentheses for a negative amount: "(1,234.56)" and "-$12" read as -123456 and
// -1200. Text after the number is ignored, as with leadingCents.
CentsReading typedAmountCents(QStringView text);

// An amount a person typed into a field or a cell, read whole or not at all:
// blanks, a sign or parentheses, a currency sign ($ £ € ¥) before or after the
// number, and the number with grouping and a decimal separator. The locale's
// decimalPoint ('.' or ',') settles only what the text leaves open: one point
// or comma followed by exactly three digits ("12,345", "1.234") groups
// thousands unless it is the locale's own decimal separator. A separator
// followed by one or two digits is a decimal separator in any locale
// ("-12,50", "0.99"), as is the last of two kinds ("1.234,56", "1,234.56");
// blanks and apostrophes group thousands ("1 234,56"). Anything else in the
// text ("-12.50abc", "12 34", "1,2345" where commas group) makes it
// NotANumber, so that nothing is ever stored cut short.
CentsReading readTypedAmount(QStringView text, QChar decimalPoint);

// The cent amount as it is shown to a person: money text with their decimal
// separator ("-45,25" for a comma), never grouped, never with a currency sign.
QString shownMoney(Cents cents, QChar decimalPoint);
// A number text of the register (money text, or a balance's shortest form
// "954.75") with the decimal separator shown; any other text as it stands.
QString shownNumber(const QString &text, QChar decimalPoint);

// A double rounded to the cent from the decimal form a number value shows
// and is saved as (16 significant digits, "%.16g"), so 12.345 gives 1235 just
// as the text 12.345 does, and a value's cents stay the same when it is saved
// as text and read back. Nothing for NaN, infinities and values out of range.
std::optional<Cents> centsFromDouble(double value);
// That decimal form into a caller's buffer (at least 32 chars); returns the length.
int writeSixteenDigits(char *out, double value);

// The cent amount written as "%-2.2f" writes it: -45.25, 0.00, 1000000.00.
QString moneyText(Cents cents);
// The shortest decimal that names the cent amount: 100, 74.5, 64.25, -0.01.
QString shortestDecimal(Cents cents);

// Both of the above into a caller's buffer (at least 24 chars); returns the length.
int writeMoneyText(char *out, Cents cents);
int writeShortestDecimal(char *out, Cents cents);
