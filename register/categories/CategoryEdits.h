#pragma once

// The changes categories make to a register, each one step of the document's
// history: giving rows a category, running the rules over rows, splitting a
// row and taking a split back.

#include "CategoryRules.h"
#include "MyDocument.h"
#include "Splits.h"

#include <QString>

#include <vector>

// Gives the rows the category (normalised; an empty one takes it away), in
// one step named after it. Split rows are left as they are: their lines
// have the categories. Returns the number of rows changed.
int setCategory(MyDocument &doc, const std::vector<int> &rows, const QString &category);

struct RuleRun {
    int changed = 0;   // rows given another category
    int matched = 0;   // rows a rule fits, changed or already so
    int split = 0;     // split rows left as they are
    int unmatched = 0; // rows no rule fits, left as they are
};

// Runs the rules over the rows, in one step: each row a rule fits gets that
// rule's category; with keepCategories, only the rows without one do. Rows
// no rule fits and split rows keep what they have.
RuleRun applyRules(MyDocument &doc, const std::vector<int> &rows, const CategoryRules &rules,
                   bool keepCategories = false);

// Splits a row in the lines, in one step: the lines are kept under Splits and
// the row's own category goes. Lines that cannot split the row's amount
// change nothing; why is returned (amounts shown with decimalPoint). No
// lines takes a split back, and the row is left without a category. Empty
// on success.
QString setSplits(MyDocument &doc, int row, const std::vector<SplitLine> &lines, QChar decimalPoint = u'.');
