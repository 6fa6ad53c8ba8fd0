#include "RegisterFilter.h"

#include "CategoryFilter.h"
#include "DateReader.h"
#include "Reconciliation.h"
#include "RegisterIndex.h"

#include <array>
#include <string_view>

namespace {

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

// What a filter asks of each row, worked out once for the whole pass. With
// an index, a row's texts and date are numbers to look up in flags worked
// out once for each distinct text; only the money columns and the reconciled
// mark are read from the record, and only when they are asked about.
class RowTest
{
public:
    RowTest(const Register &reg, const RowFilter &filter, RegisterIndex *index)
        : m_reg(reg), m_filter(filter), m_text(filter.text), m_dates(filter.today),
          m_withText(!filter.text.isEmpty()), m_withDates(filter.from || filter.to),
          m_index(index && index->inStepWith(reg) ? index : nullptr)
    {
        if (!filter.category.isEmpty())
            m_category.emplace(filter.category);
        if (!m_index)
            return;
        if (m_withText) {
            if (m_text.couldBeMoney())
                m_money = &m_index->money(reg);
            m_checkHolds = m_index->checkNumbers().holding(filter.text);
            m_descriptionHolds = m_index->descriptions().holding(filter.text);
            m_dateHolds = m_index->dates().holding(filter.text);
        }
        if (m_withDates) {
            const ColumnIndex &dates = m_index->dates();
            m_dateWithin.resize(size_t(dates.slotCount()));
            for (int slot = 0; slot < dates.slotCount(); ++slot)
                m_dateWithin[size_t(slot)] = within(dateOf(dates.utf8(slot), filter.today));
        }
    }

    bool passes(int row)
    {
        const Record &r = m_reg[row];
        if (m_withDates) {
            const bool in = m_index ? m_dateWithin[size_t(m_index->dates().slotOf(row))]
                                    : within(m_dates.read(r.value(Key::Date)));
            if (!in)
                return false;
        }
        if (m_withText && !showsText(row, r))
            return false;
        if (m_category && !m_category->passes(r))
            return false;
        // The opening row is the balance the bank held to begin with: it
        // counts as cleared, mark or none, and is nothing left to tick off.
        return m_filter.reconciled == RowFilter::Reconciled::All
            || (row == 0 || isReconciled(r)) == (m_filter.reconciled == RowFilter::Reconciled::Reconciled);
    }

private:
    static std::optional<QDate> dateOf(std::string_view utf8, QDate today)
    {
        for (char c : utf8)
            if (uchar(c) >= 0x80)
                return readDate(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())), today);
        return readDate(QLatin1StringView(utf8.data(), qsizetype(utf8.size())), today);
    }
    bool within(std::optional<QDate> date) const
    {
        return date && (!m_filter.from || *date >= *m_filter.from) && (!m_filter.to || *date <= *m_filter.to);
    }
    bool showsText(int row, const Record &r) const
    {
        if (!m_index)
            return rowShows(r, m_text);
        if (m_checkHolds[size_t(m_index->checkNumbers().slotOf(row))]
            || m_descriptionHolds[size_t(m_index->descriptions().slotOf(row))]
            || m_dateHolds[size_t(m_index->dates().slotOf(row))])
            return true;
        return m_money && moneyShownAt(row, r);
    }
    bool moneyShownAt(int row, const Record &r) const
    {
        const auto test = [&](auto shown) { return m_text.foundIn(shown); };
        char buf[32];
        const size_t i = size_t(row);
        if (m_money->amountAsText[i] ? r.value(Key::Amount).visitText(test)
                                     : test(QLatin1StringView(buf, writeMoneyText(buf, m_money->amounts[i]))))
            return true;
        return m_money->balanceAsText[i] ? r.value(Key::Total).visitText(test)
                                         : test(QLatin1StringView(buf, writeMoneyText(buf, m_money->balances[i])));
    }

    const Register &m_reg;
    std::optional<CategoryFilter> m_category;
    const RowFilter &m_filter;
    TextMatcher m_text;
    SuccessiveDates m_dates;
    bool m_withText;
    bool m_withDates;
    RegisterIndex *m_index;
    const RegisterIndex::Money *m_money = nullptr;
    std::vector<char> m_checkHolds, m_descriptionHolds, m_dateHolds, m_dateWithin;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Money text as the table writes it: -12.34, 0.50, 1200.00.
bool isMoneyText(QLatin1StringView text)
{
    const char *s = text.data();
    const qsizetype n = text.size();
    qsizetype i = n > 0 && s[0] == '-' ? 1 : 0;
    const qsizetype first = i;
    while (i < n && isDigit(s[i]))
        ++i;
    const qsizetype whole = i - first;
    if (whole < 1 || whole > 14 || (whole > 1 && s[first] == '0'))
        return false;
    return n == i + 3 && s[i] == '.' && isDigit(s[i + 1]) && isDigit(s[i + 2])
        && !(first == 1 && text == QLatin1StringView("-0.00"));
}

// A money value as the table shows it.
template <typename F>
bool shownMoney(const Value &v, bool rewrittenWhenNotANumber, F &&test)
{
    // Most amounts are stored as the table shows them: no reading and
    // writing again.
    if (const QLatin1StringView stored = v.latin1Text(); isMoneyText(stored))
        return test(stored);
    const CentsReading c = v.cents();
    const bool asMoney = c.ok() || (rewrittenWhenNotANumber && c.status == NumberStatus::NotANumber);
    if (!asMoney)
        return v.visitText(test);
    char buf[32];
    return test(QLatin1StringView(buf, writeMoneyText(buf, c.cents)));
}

} // namespace

TextMatcher::TextMatcher(QStringView needle) : m_needle(needle.toString())
{
    m_ascii = true;
    m_couldBeMoney = !needle.isEmpty();
    for (QChar c : needle) {
        if (c.unicode() >= 0x80)
            m_ascii = false;
        if (!c.isDigit() && c != u'.' && c != u'-')
            m_couldBeMoney = false;
    }
    if (m_ascii)
        for (QChar c : needle)
            m_asciiLower += asciiLower(char(c.unicode()));
}

bool TextMatcher::foundIn(QLatin1StringView haystack) const
{
    if (!m_ascii)
        return haystack.contains(m_needle, Qt::CaseInsensitive);
    // Latin-1 letters beyond ASCII never fold to ASCII ones, so lowering the
    // ASCII letters of both sides compares as a case-insensitive search does.
    if (haystack.size() < qsizetype(m_asciiLower.size()))
        return false;
    std::array<char, 256> small;
    std::string large;
    char *lowered = small.data();
    if (haystack.size() > qsizetype(small.size())) {
        large.resize(size_t(haystack.size()));
        lowered = large.data();
    }
    for (qsizetype i = 0; i < haystack.size(); ++i)
        lowered[i] = asciiLower(haystack.data()[i]);
    return std::string_view(lowered, size_t(haystack.size())).find(m_asciiLower) != std::string_view::npos;
}

bool TextMatcher::foundIn(QStringView haystack) const { return haystack.contains(m_needle, Qt::CaseInsensitive); }

bool moneyShows(const Record &r, const TextMatcher &text)
{
    const auto test = [&](auto shown) { return text.foundIn(shown); };
    // An Amount that is not a number shows as 0.00 once the table asks for it.
    return shownMoney(r.value(Key::Amount), true, test) || shownMoney(r.value(Key::Total), false, test);
}

bool rowShows(const Record &r, const TextMatcher &text)
{
    const auto test = [&](auto shown) { return text.foundIn(shown); };
    for (Key key : {Key::DescriptionofTransaction, Key::CheckNumber, Key::Date})
        if (r.value(key).visitText(test))
            return true;
    return text.couldBeMoney() && moneyShows(r, text);
}

std::vector<int> filteredRows(const Register &reg, const RowFilter &filter, RegisterIndex *index)
{
    std::vector<int> rows;
    RowTest test(reg, filter, index);
    for (int row = 0; row < reg.count(); ++row)
        if (test.passes(row))
            rows.push_back(row);
    return rows;
}

std::vector<int> filteredRows(const Register &reg, const RowFilter &filter, const std::vector<int> &among,
                              RegisterIndex *index)
{
    std::vector<int> rows;
    RowTest test(reg, filter, index);
    for (int row : among)
        if (row < reg.count() && test.passes(row))
            rows.push_back(row);
    return rows;
}

bool narrows(const RowFilter &narrower, const RowFilter &wider)
{
    if (narrower.reconciled != wider.reconciled || narrower.from != wider.from || narrower.to != wider.to
        || narrower.today != wider.today || narrower.category != wider.category)
        return false;
    return foldedUtf8(narrower.text).find(foldedUtf8(wider.text)) != std::string::npos;
}
