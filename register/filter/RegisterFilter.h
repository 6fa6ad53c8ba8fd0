#pragma once

// Which transactions the register table shows: all of them, or those that
// pass a filter. The balances stay those of the whole register; a filter
// only hides rows.

#include "Register.h"

class RegisterIndex;

#include <QDate>
#include <QString>

#include <optional>
#include <string>
#include <vector>

struct RowFilter {
    enum class Reconciled { All, NotReconciled, Reconciled };
    Reconciled reconciled = Reconciled::All;
    // Rows with this text in any column as the table shows it, case ignored.
    QString text;
    // Rows dated from this day, up to that day (both included); either may
    // be open. While either is given, a row whose date cannot be read is
    // left out.
    std::optional<QDate> from;
    std::optional<QDate> to;
    // The day dates are read against ("12/7" is in its year).
    QDate today;
    // Rows of this category or one within it ("Home" takes "Home:Utilities"),
    // a split row by its lines.
    QString category;

    bool isActive() const
    {
        return reconciled != Reconciled::All || !text.isEmpty() || from || to || !category.isEmpty();
    }
    bool operator==(const RowFilter &) const = default;
};

// The rows that pass, in register order. With an index in step with the
// register, the texts, dates and money are looked for in it (brought up to
// date first), not in every record.
std::vector<int> filteredRows(const Register &reg, const RowFilter &filter, RegisterIndex *index = nullptr);
// Those of the given rows (ascending) that pass.
std::vector<int> filteredRows(const Register &reg, const RowFilter &filter, const std::vector<int> &among,
                              RegisterIndex *index = nullptr);

// True when every row that passes narrower passes wider too, so that the
// rows of narrower can be sought among those of wider: the same choices
// and dates, and a text that holds wider's.
bool narrows(const RowFilter &narrower, const RowFilter &wider);

// A text looked for in many others, case ignored as QString's comparisons
// ignore it, quickly for the usual Latin-1 texts.
class TextMatcher
{
public:
    explicit TextMatcher(QStringView needle);
    bool foundIn(QLatin1StringView haystack) const;
    bool foundIn(QStringView haystack) const;
    // Whether the needle could be found in money text (digits, point, sign).
    bool couldBeMoney() const { return m_couldBeMoney; }

private:
    QString m_needle;
    std::string m_asciiLower; // the needle in lower case, when it is all ASCII
    bool m_ascii = false;
    bool m_couldBeMoney = false;
};

// Whether a row shows the text in any column, as the register table shows
// the row (Amount and Balance as money text).
bool rowShows(const Record &record, const TextMatcher &text);
// The same for its Amount and Balance alone.
bool moneyShows(const Record &record, const TextMatcher &text);
