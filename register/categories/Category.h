#pragma once

// Where a transaction's money went: a category under the key Category, its
// parts nested with colons, the wider first ("Home:Utilities" is within
// "Home"). A register without categories is as it always was; the key is
// kept by every reader, so a version that knows nothing of it keeps it too.
//
// Categories are told apart by their letters as written; whether one is
// within another ignores letter case, as the filter does with texts.

#include "Register.h"

#include <QString>
#include <QStringList>
#include <QStringView>

inline constexpr QChar kCategorySeparator = u':';

// A category as it is kept: each part without blanks around it, empty parts
// and control characters left out ("  Home : Utilities " is "Home:Utilities",
// "Home::" is "Home"). Empty when nothing is left.
QString normalizedCategory(QStringView text);

// Whether category is ancestor or one of its subcategories, letter case
// ignored: "Home:Utilities" is within "Home" and "home", "Homeware" is not.
// Nothing is within an empty ancestor.
bool isWithinCategory(QStringView category, QStringView ancestor);
bool isWithinCategory(QLatin1StringView category, QStringView ancestor);

// The categories a category is nested in and itself, widest first:
// "Home", "Home:Utilities".
QStringList categoryAndParents(QStringView category);

// The categories in use in the register, on rows and on split lines, with
// those they are nested in, each once, sorted as people read them (letter
// case aside). What a category field completes from.
QStringList categoriesInUse(const Register &reg);

// Of the categories in use, the one that is text but for letter case, so
// that "food" typed becomes the "Food" already there, or the one text is
// nested in ("home:rent" becomes "Home:rent"); text itself when none is.
QString categoryAsInUse(const QString &text, const QStringList &inUse);

// The category the latest row in the register with this description has,
// for proposing it when the description is chosen again. Empty when no row
// with that description has one, or the latest with one was split: a split
// is not proposed as one category.
// Only the latest lookBack rows are looked at, when it is not negative.
QString lastCategoryOf(const Register &reg, QStringView description, int lookBack = -1);

// What a row's Category cell shows: its category, or "Split (3)" for a row
// split in three.
QString categoryCellText(const Record &record);
