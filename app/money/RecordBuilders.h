#pragma once

// What the readers of register files hand their values to: a builder told of
// each record's start, of each key and value, and of its end. One builder
// makes records; the other keeps only what the report shows. Used by the
// readers only.

#include "RegisterFileParsing.h"

#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace registerfile {

// A value as the file spells it: its bytes when they stand for themselves
// (plain ASCII without escapes, by far the most common), the text that its
// escapes and UTF-8 stand for, or a number the file gives as a number.
struct Token {
    static Token bytes(QLatin1StringView plain) { return {plain, {}, {}, false}; }
    static Token text(QString decoded) { return {{}, std::move(decoded), {}, true}; }
    static Token number(Value v) { return {{}, {}, std::move(v), false}; }

    QLatin1StringView plain;
    QString decoded;
    Value value; // a number; null for a text
    bool isDecoded = false;

    bool isNumber() const { return !value.isNull(); }
    QString toString() const { return isNumber() ? value.toString() : isDecoded ? decoded : QString(plain); }
};

// Builds the records themselves.
class RecordBuilder
{
public:
    explicit RecordBuilder(const std::function<void(RecordPtr)> &each) : m_each(each) {}

    void begin() { m_record = makeRecord(); }
    void set(Key key, Token &&value) { m_record->set(key, this->value(std::move(value))); }
    void setOther(QString &&key, Token &&value)
    {
        m_others.emplace_back(std::move(key), this->value(std::move(value)));
    }
    void end(qsizetype rowIndex)
    {
        m_record->setMany(std::move(m_others));
        m_others = {};
        checkMoneyRange(*m_record, rowIndex);
        m_each(std::move(m_record));
    }

private:
    static constexpr qsizetype kInternShortest = 16; // shorter texts are held inline anyway
    static constexpr qsizetype kInternMost = 1 << 16;

    // Payees repeat; a long text met before shares the text already read.
    Value value(Token &&token)
    {
        if (token.isNumber())
            return std::move(token.value);
        if (token.isDecoded)
            return Value::text(QStringView(token.decoded));
        const QLatin1StringView text = token.plain;
        if (text.size() < kInternShortest)
            return Value::text(text);
        const std::string_view bytes(text.data(), size_t(text.size()));
        if (auto it = m_interned.find(bytes); it != m_interned.end())
            return it->second;
        Value v = Value::text(text);
        if (m_interned.size() < kInternMost) {
            const QLatin1StringView held = v.latin1Text();
            m_interned.emplace(std::string_view(held.data(), size_t(held.size())), v);
        }
        return v;
    }

    const std::function<void(RecordPtr)> &m_each;
    RecordPtr m_record;
    std::vector<std::pair<QString, Value>> m_others; // keys the program does not know
    // Keyed by the bytes (Qt's hash of a Latin-1 text widens every character first).
    std::unordered_map<std::string_view, Value> m_interned;
};

// Keeps only what the report shows, as views of the file where it can.
class ShownRowBuilder
{
public:
    explicit ShownRowBuilder(const std::function<void(ShownRow &&)> &each) : m_each(each) {}

    void begin()
    {
        for (ShownText *text : {&m_row.checkNumber, &m_row.description, &m_row.date, &m_row.amount, &m_row.category,
                                &m_row.splits, &m_total})
            text->clear();
    }
    void set(Key key, Token &&value)
    {
        switch (key) {
        case Key::CheckNumber: assign(m_row.checkNumber, std::move(value)); break;
        case Key::DescriptionofTransaction: assign(m_row.description, std::move(value)); break;
        case Key::Date: assign(m_row.date, std::move(value)); break;
        case Key::Amount: assign(m_row.amount, std::move(value)); break;
        case Key::Total: assign(m_total, std::move(value)); break;
        case Key::Category: assign(m_row.category, std::move(value)); break;
        case Key::EOMSeen:
        case Key::ID: break;
        }
    }
    void setOther(QString &&key, Token &&value)
    {
        if (key == kSplitsKey)
            assign(m_row.splits, std::move(value));
    }
    void end(qsizetype rowIndex)
    {
        checkMoneyRange(Key::Amount, m_row.amount, rowIndex);
        checkMoneyRange(Key::Total, m_total, rowIndex);
        m_each(std::move(m_row));
    }

private:
    // Nearly every text is the file's bytes: taken as a view, with no value made.
    static void assign(ShownText &text, Token &&token)
    {
        if (token.isNumber())
            text = ShownText(std::move(token.value));
        else if (token.isDecoded)
            text = ShownText(Value::text(QStringView(token.decoded)));
        else
            text.setBytes(token.plain);
    }

    const std::function<void(ShownRow &&)> &m_each;
    ShownRow m_row;
    ShownText m_total; // checked, not shown: the report carries its own balance
};

} // namespace registerfile
