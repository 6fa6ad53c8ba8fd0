#pragma once

// A transaction split among categories: one check at the supermarket that
// bought food and household goods. The row stays one row with the bank's
// amount; its lines, each a category, a memo and an amount, add up to it.
//
// The lines are kept as one text under the key Splits, so that a version
// that knows nothing of splits keeps them as it keeps any text: a line per
// split line, each its amount as money text (a decimal point, whatever the
// person's forms), its category and its memo, separated by tabs:
//
//   -30.25<TAB>Food:Groceries<TAB>
//   -12.25<TAB>Household<TAB>paper towels
//
// A split row has no Category of its own: its lines have them. The key,
// kSplitsKey, is in Record.h.

#include "Money.h"
#include "Record.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

struct SplitLine {
    QString category; // as normalizedCategory keeps it; empty for none
    QString memo;
    Cents amount = 0;
    bool operator==(const SplitLine &) const = default;
};

// The text kept under Splits. Tabs and line breaks in a memo become blanks,
// since they separate the lines' parts.
QString splitsText(const std::vector<SplitLine> &lines);

// The lines of a Splits text; nothing when the text is not one (the file was
// changed by hand, or by a program that does not know the form).
std::optional<std::vector<SplitLine>> parseSplits(QStringView text);

// The most lines one transaction is split in.
inline constexpr int kMostSplitLines = 1000;

// Why these lines cannot split a transaction of this amount, in words a
// person reads, amounts shown with their decimal separator: fewer than two
// lines, a line without an amount, lines that do not add up to the amount.
// Empty when they can.
QString splitRefusal(const std::vector<SplitLine> &lines, Cents amount, QChar decimalPoint = u'.');

// The row's split lines; empty for a row that is not split, or whose Splits
// text cannot be read.
std::vector<SplitLine> splitLinesOf(const Record &record);

// How a row's money goes among categories, each share handed to f as
// (category, Cents amount), the category a QLatin1StringView or QStringView
// valid during the call (empty for none): an unsplit row is one share under
// its category, a split row one share per line. When the lines do not add up
// to the row's amount (the amount was changed after the split, or a file
// says so), what is left is a share under the row's own category, so that
// the shares always make the row's amount. A Splits text that cannot be read
// counts as no split.
template <typename F>
void forEachShare(const Record &record, F &&f);

// The same for a row's texts as read for showing only: its amount, and its
// Category and Splits texts (a Value, or anything else with visitText).
template <typename Text, typename F>
void forEachShare(Cents amount, const Text &category, const Text &splits, F &&f)
{
    const std::optional<std::vector<SplitLine>> lines = splits.visitText([](auto text) {
        return text.isEmpty() ? std::nullopt : parseSplits(QStringView(text.toString()));
    });
    if (!lines) {
        category.visitText([&](auto c) { f(c, amount); });
        return;
    }
    Cents rest = amount;
    for (const SplitLine &line : *lines) {
        f(QStringView(line.category), line.amount);
        rest -= line.amount; // lines are few and each within money's range
    }
    if (rest != 0)
        category.visitText([&](auto c) { f(c, rest); });
}

template <typename F>
void forEachShare(const Record &record, F &&f)
{
    forEachShare(record.value(Key::Amount).centsOrZero(), record.value(Key::Category), record.value(kSplitsKey),
                 std::forward<F>(f));
}
