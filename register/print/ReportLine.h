#pragma once

// A line of the report, made in either kind of text (a QString for the
// window, UTF-8 bytes for a file or a pipe): for the report's own files.

#include "Record.h"

#include <QLatin1StringView>
#include <QString>

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>

namespace reportline {

enum class Overflow { Cut, Whole };

inline constexpr int kChunkRows = 4096;

// A value appended to a column of width characters: cut to it, or written
// whole, then padded with blanks; a control character shown as a symbol.
void appendColumn(QString &out, QLatin1StringView text, qsizetype width, Overflow overflow);
void appendColumn(QString &out, QStringView text, qsizetype width, Overflow overflow);
void appendColumn(QString &out, const Value &value, qsizetype width, Overflow overflow);

// The UTF-8 report is built straight into bytes: nearly every value is short
// ASCII text, copied as it stands into a buffer that grows only when a line
// would not fit.
// Bytes of UTF-8 text, held as they are written: the room is taken without
// being cleared first, as every byte of it is written before it is read.
class Utf8Buffer
{
public:
    Utf8Buffer() = default;
    Utf8Buffer(Utf8Buffer &&other) noexcept { *this = std::move(other); }
    Utf8Buffer &operator=(Utf8Buffer &&other) noexcept
    {
        m_bytes = std::move(other.m_bytes);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_used = std::exchange(other.m_used, 0);
        return *this;
    }

    void reserve(size_t n) { grow(n); }
    // Room for n more bytes at the end; commit says how many were written.
    char *room(size_t n)
    {
        if (m_used + n > m_capacity)
            grow(std::max(m_capacity * 2, m_used + n));
        return m_bytes.get() + m_used;
    }
    void commit(size_t n) { m_used += n; }
    void append(const char *data, size_t n)
    {
        if (n == 0) // an absent value's text has no data at all
            return;
        std::memcpy(room(n), data, n);
        m_used += n;
    }
    void append(const std::string &s) { append(s.data(), s.size()); }
    void append(const Utf8Buffer &other) { append(other.m_bytes.get(), other.m_used); }
    void appendBlanks(size_t n) { std::memset(room(n), ' ', n), m_used += n; }
    size_t size() const { return m_used; }
    void clear() { m_used = 0; }
    QByteArrayView view() const { return QByteArrayView(m_bytes.get(), qsizetype(m_used)); }

private:
    void grow(size_t capacity)
    {
        if (capacity <= m_capacity)
            return;
        auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_used > 0)
            std::memcpy(bigger.get(), m_bytes.get(), m_used);
        m_bytes = std::move(bigger);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_bytes;
    size_t m_capacity = 0;
    size_t m_used = 0;
};

// The same columns in UTF-8.
void appendUtf8Column(Utf8Buffer &out, QLatin1StringView text, qsizetype width, Overflow overflow);
void appendUtf8Column(Utf8Buffer &out, QStringView text, qsizetype width, Overflow overflow);

// A value, or a text of a shown row.
template <typename Texts>
void appendUtf8Column(Utf8Buffer &out, const Texts &value, qsizetype width, Overflow overflow)
{
    value.visitText([&](auto view) { appendUtf8Column(out, view, width, overflow); });
}

// One column and the separator after it, in either kind of text: the
// columns and separators are the same; only how a value is appended differs.
template <typename Text, typename Value>
void appendCell(Text &out, const Value &value, qsizetype width, Overflow overflow, QLatin1StringView separator)
{
    if constexpr (std::is_same_v<Text, QString>) {
        appendColumn(out, value, width, overflow);
        out.append(separator);
    } else {
        appendUtf8Column(out, value, width, overflow);
        out.append(separator.data(), size_t(separator.size()));
    }
}

// A row line up to its balance, and the line's end with the balance.
template <typename Text, typename Check, typename Description, typename Date, typename Amount>
void appendLineBeforeTotal(Text &out, const Check &check, const Description &description, const Date &date,
                           const Amount &amount)
{
    appendCell(out, check, 8, Overflow::Cut, QLatin1StringView(" | "));
    appendCell(out, description, 36, Overflow::Cut, QLatin1StringView(" | "));
    appendCell(out, date, 10, Overflow::Cut, QLatin1StringView(" |"));
    appendCell(out, amount, 11, Overflow::Whole, QLatin1StringView("|"));
}
template <typename Text, typename Total>
void appendLineTotal(Text &out, const Total &total)
{
    appendCell(out, total, 11, Overflow::Whole, QLatin1StringView("\n"));
}

template <typename Text, typename Check, typename Description, typename Date, typename Amount, typename Total>
void appendLine(Text &out, const Check &check, const Description &description, const Date &date, const Amount &amount,
                const Total &total)
{
    appendLineBeforeTotal(out, check, description, date, amount);
    appendLineTotal(out, total);
}

template <typename Text>
void appendLine(Text &out, const Record &record)
{
    appendLine(out, record.value(Key::CheckNumber), record.value(Key::DescriptionofTransaction),
               record.value(Key::Date), record.value(Key::Amount), record.value(Key::Total));
}

} // namespace reportline
