#pragma once

// A transaction record: one row of a register, a map from key text to value.
// The keys the program uses live in fixed slots; any other key a file holds
// (or a column stores under) is kept too, so that it survives a save. A
// category has a slot of its own since a categorised register has one on
// every row: kept with the other keys it would cost a row three allocations.
//
// A record is an object with identity: the register holds shared pointers to
// records, and two records with the same keys and values are still two rows.

#include "Value.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The known keys, in ascending order of their characters: the order in which
// a record's keys are written to a file. ID is the row's identity, which
// stays with it through every edit, sort and save (see RowIdentity.h); it has
// a slot of its own, since every row of a large register holds one.
enum class Key : quint8 { Amount, Category, CheckNumber, Date, DescriptionofTransaction, EOMSeen, ID, Total };
inline constexpr int kKnownKeyCount = 8;

// The lines a transaction is split in, as one text: rare, so without a slot,
// but read with the known keys where rows are read only to be shown.
inline constexpr QStringView kSplitsKey = u"Splits";

QLatin1StringView keyName(Key key);
std::optional<Key> knownKey(QStringView name);
std::optional<Key> knownKey(QLatin1StringView name);

class Record
{
public:
    Record() = default;
    Record(const Record &other);
    Record &operator=(const Record &other);
    Record(Record &&) noexcept = default;
    Record &operator=(Record &&) noexcept = default;

    // The value under a key; an absent key gives a null Value.
    const Value &value(Key key) const { return m_known[size_t(key)]; }
    const Value &value(QStringView key) const;
    bool contains(Key key) const { return !value(key).isNull(); }
    bool contains(QStringView key) const { return !value(key).isNull(); }

    // Stores a value, replacing whatever the key held; a null Value removes it.
    void set(Key key, Value v) { m_known[size_t(key)] = std::move(v); }
    void set(QStringView key, Value v);
    void remove(QStringView key) { set(key, Value()); }
    // set() for many keys at once, in their order (a later value under a key
    // wins), sorting once instead of inserting each in place: a file with a
    // few hundred thousand keys in one record is read in a blink, not minutes.
    void setMany(std::vector<std::pair<QString, Value>> entries);

    int keyCount() const;
    // Calls f(QStringView key, const Value &) for every present key in ascending
    // order of the keys' characters.
    template <typename F>
    void forEachKey(F &&f) const { visitKeys(-1, nullptr, std::forward<F>(f)); }
    // The same with the value under key taken to be replacement: the
    // record's own value there is never read, so another thread may write
    // it meanwhile.
    template <typename F>
    void forEachKeyWith(Key key, const Value &replacement, F &&f) const
    {
        visitKeys(int(key), &replacement, std::forward<F>(f));
    }

    // Same keys with the same values (not the same record).
    bool sameContents(const Record &other) const;

private:
    template <typename F>
    void visitKeys(int replaced, const Value *replacement, F &&f) const;

    using Extra = std::vector<std::pair<QString, Value>>; // sorted by key
    std::array<Value, kKnownKeyCount> m_known;
    std::unique_ptr<Extra> m_extra;
};

using RecordPtr = std::shared_ptr<Record>;

inline RecordPtr makeRecord() { return std::make_shared<Record>(); }

template <typename F>
void Record::visitKeys(int replaced, const Value *replacement, F &&f) const
{
    static const std::array<QStringView, kKnownKeyCount> names = {
        u"Amount", u"Category", u"CheckNumber", u"Date", u"DescriptionofTransaction", u"EOMSeen", u"ID", u"Total"};
    size_t e = 0;
    const size_t extraCount = m_extra ? m_extra->size() : 0;
    for (int k = 0; k < kKnownKeyCount; ++k) {
        for (; e < extraCount && QStringView((*m_extra)[e].first) < names[k]; ++e)
            f(QStringView((*m_extra)[e].first), (*m_extra)[e].second);
        const Value &v = k == replaced ? *replacement : m_known[k];
        if (!v.isNull())
            f(names[k], v);
    }
    for (; e < extraCount; ++e)
        f(QStringView((*m_extra)[e].first), (*m_extra)[e].second);
}
