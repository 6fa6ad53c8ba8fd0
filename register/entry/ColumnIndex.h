#pragma once

// The distinct texts one key holds down a register, and which of them each
// row holds, in a plain array: a question about a million rows' texts ("which
// rows hold 'hy-vee'?", "which description was used last?") becomes a look
// through the distinct texts and through an array of numbers, without
// reaching into a million records. It is kept in step with the register row
// by row (see RegisterIndex), never read again whole unless it must be.

#include "Register.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ColumnIndex
{
public:
    explicit ColumnIndex(Key key) : m_key(key) {}

    Key key() const { return m_key; }
    void build(const Register &reg);
    void clear();
    bool isBuilt() const { return m_built; }
    // Built, and holding a slot for every row of the register.
    bool inStepWith(const Register &reg) const { return m_built && m_rows.size() == size_t(reg.count()); }

    // The text of each row, as a slot: rows with the same text share one.
    int slotOf(int row) const { return m_rows[size_t(row)]; }
    const std::vector<int> &rowSlots() const { return m_rows; }
    int slotCount() const { return int(m_slots.size()); }
    QString text(int slot) const { return QString::fromUtf8(utf8(slot)); }
    std::string_view utf8(int slot) const { return m_slots[size_t(slot)].utf8; }
    // The text as a case-insensitive search sees it.
    std::string_view folded(int slot) const;
    // Whether that text begins with a needle folded as it is (foldedUtf8).
    bool startsWith(int slot, std::string_view foldedNeedle) const
    {
        return m_folded.compare(m_starts[size_t(slot)], foldedNeedle.size(), foldedNeedle) == 0;
    }
    // The distinct texts some row holds now, the empty one aside.
    int distinctCount() const { return m_live; }

    // A flag for each slot: whether its text holds the needle, case ignored
    // as QString ignores it. An empty needle is held by none.
    std::vector<char> holding(QStringView needle) const;

    // Following the register: rows added (read from it), taken out, or
    // holding another value.
    void insertRows(const Register &reg, int row, int count);
    void removeRows(int row, int count);
    void setRow(int row, const Value &value);

private:
    struct Slot {
        std::string utf8;
        int rows = 0;
    };
    // The slot of a value's text, with one more row holding it.
    int take(const Value &value);
    // The text as UTF-8, to look its slot up by: most texts are ASCII and
    // are looked up as they are stored, without a copy.
    std::string_view keyOf(const Value &value);
    void release(int slot);
    void compact();

    Key m_key;
    bool m_built = false;
    std::vector<Slot> m_slots;
    std::vector<size_t> m_starts; // of each slot's folded text in m_folded
    struct KeyHash {
        using is_transparent = void;
        size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
    };
    std::unordered_map<std::string, int, KeyHash, std::equal_to<>> m_byText;
    // The folded texts in slot order, each ended by a byte UTF-8 never holds,
    // so that one search goes through them all.
    std::string m_folded;
    std::vector<int> m_rows;
    int m_live = 0;
    int m_dead = 0;
    std::string m_scratch; // a value's text while its slot is looked up
};

// A text as a case-insensitive comparison sees it: each character simply
// case-folded, as UTF-8.
std::string foldedUtf8(QStringView text);
