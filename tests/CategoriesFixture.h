#pragma once

// Rows and a month of a register with categories and a split check, for the
// tests of categories, their rules and their edits.

#include "Category.h"
#include "MyDocument.h"
#include "RunningBalance.h"
#include "Splits.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

inline RecordPtr row(const QString &date, const QString &description, const QString &amount, const QString &category = {})
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(u""));
    r->set(Key::Date, Value::text(date));
    r->set(Key::DescriptionofTransaction, Value::text(description));
    r->set(Key::Amount, Value::text(amount));
    if (!category.isEmpty())
        r->set(Key::Category, Value::text(category));
    return r;
}

const std::vector<SplitLine> kSupermarket = {
    {u"Food:Groceries"_s, QString(), -3025},
    {u"Household"_s, u"paper towels"_s, -1225},
};

// A month as a person keeps it: an opening balance, categorised rows, one
// supermarket check split, one row without a category.
inline std::unique_ptr<MyDocument> monthDocument()
{
    auto doc = std::make_unique<MyDocument>();
    doc->ensureRegister();
    Register &reg = *doc->array();
    reg.append(row(u"12/01/2026"_s, u"Opening"_s, u"1000.00"_s));
    reg.append(row(u"12/02/2026"_s, u"Hy-Vee"_s, u"-71.24"_s, u"Food:Groceries"_s));
    reg.append(row(u"12/03/2026"_s, u"Evergy"_s, u"-80.00"_s, u"Home:Utilities"_s));
    reg.append(row(u"12/05/2026"_s, u"Paycheck"_s, u"1200.00"_s, u"Income"_s));
    reg.append(row(u"12/09/2026"_s, u"Costco"_s, u"-42.50"_s));
    reg[4].set(kSplitsKey, Value::text(splitsText(kSupermarket)));
    reg.append(row(u"12/10/2026"_s, u"ATM"_s, u"-20.00"_s));
    reg.append(row(u"01/04/2027"_s, u"Starbucks"_s, u"-4.50"_s, u"Food:Coffee"_s));
    recalculateCheckbook(reg);
    return doc;
}

inline QByteArray bytesOf(const MyDocument &doc) { return *doc.dataRepresentationOfType(); }
