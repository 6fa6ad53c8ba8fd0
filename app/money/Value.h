#pragma once

// One value of a transaction record: a text, or a number of a kind. Every
// reader goes through doubleValue(), intValue(), cents() or the text form,
// never through the stored kind, since the same key holds a text after one
// operation and a number after another.
//
// A value is 16 bytes. Short Latin-1 texts (dates, check numbers, amounts) are
// held inline; longer ones in a shared heap block, as Latin-1 when they can be
// and as UTF-16 otherwise. A register of a million rows therefore costs a few
// hundred bytes a row, not a kilobyte.

#include "Money.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <cstring>
#include <iosfwd>

class Value
{
public:
    enum class Kind : quint8 {
        None,    // the key is absent
        Text,
        Money,   // a cent amount; the number every balance is stored as
        Int32,   // a 32-bit integer number
        Real,    // a 64-bit float, as read from a <real> element
        Integer, // a 64-bit integer, as read from an <integer> element
    };

    Value() noexcept { std::memset(m_raw, 0, sizeof m_raw); }
    // Copies share a long text; only its count is touched.
    Value(const Value &other) noexcept
    {
        std::memcpy(m_raw, other.m_raw, sizeof m_raw);
        if (isHeap())
            retain();
    }
    Value(Value &&other) noexcept
    {
        std::memcpy(m_raw, other.m_raw, sizeof m_raw);
        std::memset(other.m_raw, 0, sizeof other.m_raw);
    }
    Value &operator=(const Value &other) noexcept;
    Value &operator=(Value &&other) noexcept
    {
        if (this != &other) {
            if (isHeap())
                release();
            std::memcpy(m_raw, other.m_raw, sizeof m_raw);
            std::memset(other.m_raw, 0, sizeof other.m_raw);
        }
        return *this;
    }
    ~Value()
    {
        if (isHeap())
            release();
    }

    static Value text(QStringView s);
    static Value text(QLatin1StringView s);
    static Value text(const QString &s) { return text(QStringView(s)); }
    static Value text(const char16_t *s) { return text(QStringView(s)); }
    static Value money(Cents cents);
    static Value int32(qint32 v);
    static Value real(double v);
    static Value integer(qint64 v);

    Kind kind() const;
    bool isNull() const { return rep() == Rep::None; }
    bool isText() const { return kind() == Kind::Text; }
    bool isNumber() const { return !isNull() && !isText(); }

    // The stored number of a numeric kind (0 for the others).
    Cents storedCents() const;
    double storedReal() const;
    qint64 storedInteger() const;

    // The text form: a text is itself; Money is its shortest decimal (74.5),
    // integers their digits, a Real its %.16g form. Absent gives empty text.
    QString toString() const;
    // Calls f with a view of the text form, without allocating: a
    // QLatin1StringView or a QStringView, valid only during the call.
    template <typename F>
    decltype(auto) visitText(F &&f) const;
    qsizetype textLength() const;
    // The text itself when it is held as Latin-1 (a view into this value, or
    // for a long text into its shared block); empty otherwise.
    QLatin1StringView latin1Text() const;

    // The leading decimal number of a text (0 when there is none, an infinity on
    // overflow); a number's value; 0 when absent.
    double doubleValue() const;
    // The leading integer of a text (0 when none, clamped to the 32-bit range);
    // a number truncated toward zero and clamped; 0 when absent.
    int intValue() const;
    // The value as a cent amount, rounded half away from zero from its decimal
    // digits. NotANumber for a text that does not begin with a number and for
    // an absent value (both count as 0).
    CentsReading cents() const;
    // cents() for arithmetic: not a number counts as 0, out of range saturates.
    Cents centsOrZero() const { return cents().cents; }

    // Same kind and same text or number.
    bool operator==(const Value &other) const;

private:
    enum class Rep : quint8 { None, InlineLatin1, HeapLatin1, HeapUtf16, Money, Int32, Real, Integer };
    struct Block;
    static constexpr int kInline = 15;

    Rep rep() const { return Rep(m_raw[15] & 0x0f); }
    int inlineLength() const { return m_raw[15] >> 4; }
    void setTag(Rep r, int inlineLen = 0) { m_raw[15] = quint8(quint8(r) | (inlineLen << 4)); }
    Block *block() const;
    bool isHeap() const { return rep() == Rep::HeapLatin1 || rep() == Rep::HeapUtf16; }
    void retain() const noexcept;
    void release() noexcept; // drops this value's hold on its block
    template <typename T>
    T load() const
    {
        T v;
        std::memcpy(&v, m_raw, sizeof v);
        return v;
    }
    template <typename T>
    void store(T v) { std::memcpy(m_raw, &v, sizeof v); }
    QLatin1StringView latin1View() const;
    QStringView utf16View() const;
    int formatNumber(char *buf) const;

    alignas(8) unsigned char m_raw[16];
};

static_assert(sizeof(Value) == 16);

template <typename F>
decltype(auto) Value::visitText(F &&f) const
{
    switch (rep()) {
    case Rep::InlineLatin1:
    case Rep::HeapLatin1:
        return f(latin1View());
    case Rep::HeapUtf16:
        return f(utf16View());
    case Rep::None:
        return f(QLatin1StringView());
    default: {
        char buf[40];
        return f(QLatin1StringView(buf, formatNumber(buf)));
    }
    }
}

// For test failure messages.
void PrintTo(const Value &v, std::ostream *os);
