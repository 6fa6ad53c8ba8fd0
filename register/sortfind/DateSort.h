#pragma once

// Putting a register into date order.
//
// A record's Date is whatever text was typed or imported, read with
// readDate(). A record whose text names no date (a blank, a column title)
// sorts after every dated record, so that it never takes the opening row's
// place; only an undated opening row (a new year's register starts with one)
// stays first. Records on the same date keep their order.

#include "MyDocument.h"
#include "Register.h"

#include <QDate>
#include <QLatin1StringView>

#include <compare>
#include <vector>

class QSettings;

// The order of a and b by date: less when a's date is earlier (or b has none
// and a has one), equivalent when both name the same day or neither names a
// day. A strict weak ordering over any records.
std::weak_ordering compareDates(const Record &a, const Record &b, QDate today);

// The rows in date order: row i of the sorted register is row order[i] now.
// Each date is read once, so a large register is ordered in about the time
// of one pass of reading its dates.
std::vector<int> dateOrder(const Register &reg, QDate today, Progress *progress = nullptr);

// Sorts the register in place by date, keeping the order of records on the
// same date, then recalculates every balance.
void sortByDate(Register &reg, QDate today);
// The same as one step of the document's history ("Sort by Date"), marking
// one change, with the order applied (as dateOrder gives it) put in order.
// A sort that would take a balance in between beyond what money can hold is
// refused, changing nothing: the message says why.
QString sortByDate(MyDocument &doc, QDate today, std::vector<int> *order = nullptr, Progress *progress = nullptr);
// The name of that step, in the user's language.
QString sortStepName();

// The per-user setting that says whether to sort without asking first. It
// holds the text "1" (do not ask) or "0"; absent counts as "0".
inline constexpr QLatin1StringView kSortWarningKey{"sortWarning"};

// True when the stored answer says to sort without asking.
bool sortWithoutAsking(const QSettings &settings);
// Remembers the question's answer: "1" when the user asked not to be asked
// again, "0" otherwise, and writes the store out.
void rememberSortAnswer(QSettings &settings, bool doNotAskAgain);
