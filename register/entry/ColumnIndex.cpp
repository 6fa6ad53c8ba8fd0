#include "ColumnIndex.h"

#include "CutForShowing.h"

#include <algorithm>

namespace {

constexpr char kEnd = '\xff';

} // namespace

namespace {

// Simple case folding takes ASCII letters to lower case and nothing else to
// ASCII.
std::string foldedKey(std::string_view utf8)
{
    for (char c : utf8)
        if (uchar(c) >= 0x80)
            return foldedUtf8(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    std::string folded(utf8);
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return folded;
}

} // namespace

std::string foldedUtf8(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            const char32_t point = QChar::toCaseFolded(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            const QChar pair[2] = {QChar(QChar::highSurrogate(point)), QChar(QChar::lowSurrogate(point))};
            folded.append(pair, 2);
            ++i;
        } else {
            folded.append(QChar(char16_t(QChar::toCaseFolded(char32_t(unit)))));
        }
    }
    return folded.toStdString();
}

void ColumnIndex::clear()
{
    m_built = false;
    m_slots.clear();
    m_starts.clear();
    m_byText.clear();
    m_folded.clear();
    m_rows.clear();
    m_live = 0;
    m_dead = 0;
}

void ColumnIndex::build(const Register &reg)
{
    clear();
    m_built = true;
    m_rows.reserve(size_t(reg.count()));
    // Neighbouring rows often hold the same text (a day's date): compared
    // first, they spare most of the lookups.
    const Value *previous = nullptr;
    int previousSlot = -1;
    for (int row = 0; row < reg.count(); ++row) {
        const Value &value = reg[row].value(m_key);
        if (previous && value == *previous) {
            ++m_slots[size_t(previousSlot)].rows;
        } else {
            previousSlot = take(value);
            previous = &value;
        }
        m_rows.push_back(previousSlot);
    }
}

std::string_view ColumnIndex::keyOf(const Value &value)
{
    // Only as much of a text as is ever shown is indexed (and a character
    // more, to tell that there was more): a description of millions of
    // characters would otherwise be copied and folded whole, holding the
    // window for seconds.
    constexpr qsizetype kIndexed = kMaxShownLength + 1;
    QLatin1StringView latin1 = value.latin1Text();
    latin1 = latin1.first(std::min(latin1.size(), kIndexed));
    bool ascii = value.isText() && !latin1.isEmpty();
    for (qsizetype i = 0; ascii && i < latin1.size(); ++i)
        ascii = uchar(latin1.data()[i]) < 0x80;
    if (ascii)
        return std::string_view(latin1.data(), size_t(latin1.size()));
    m_scratch = value.visitText([kIndexed](auto text) {
        qsizetype keep = std::min(text.size(), kIndexed);
        if (keep < text.size() && QChar(text[keep - 1]).isHighSurrogate())
            --keep;
        return text.first(keep).toString();
    }).toStdString();
    return m_scratch;
}

int ColumnIndex::take(const Value &value)
{
    const std::string_view key = keyOf(value);
    int slot;
    bool added = false;
    if (const auto found = m_byText.find(key); found != m_byText.end()) {
        slot = found->second;
    } else {
        slot = int(m_slots.size());
        m_byText.emplace(std::string(key), slot);
        m_slots.push_back({std::string(key), 0});
        m_starts.push_back(m_folded.size());
        m_folded += foldedKey(key);
        m_folded += kEnd;
        added = true;
    }
    Slot &s = m_slots[size_t(slot)];
    if (s.rows++ == 0 && !s.utf8.empty()) {
        ++m_live;
        if (!added)
            --m_dead;
    }
    return slot;
}

void ColumnIndex::release(int slot)
{
    Slot &s = m_slots[size_t(slot)];
    if (--s.rows == 0 && !s.utf8.empty()) {
        --m_live;
        ++m_dead;
    }
}

void ColumnIndex::compact()
{
    std::vector<int> renumbered(m_slots.size(), -1);
    std::vector<Slot> kept;
    m_starts.clear();
    m_byText.clear();
    m_folded.clear();
    for (size_t old = 0; old < m_slots.size(); ++old) {
        Slot &s = m_slots[old];
        if (s.rows == 0)
            continue;
        renumbered[old] = int(kept.size());
        m_byText.emplace(s.utf8, int(kept.size()));
        m_starts.push_back(m_folded.size());
        m_folded += foldedKey(s.utf8);
        m_folded += kEnd;
        kept.push_back(std::move(s));
    }
    m_slots = std::move(kept);
    for (int &slot : m_rows)
        slot = renumbered[size_t(slot)];
    m_dead = 0;
}

void ColumnIndex::insertRows(const Register &reg, int row, int count)
{
    if (!m_built)
        return;
    if (row < 0 || size_t(row) > m_rows.size() || row + count > reg.count()) {
        clear(); // out of step: read again when next needed
        return;
    }
    std::vector<int> added;
    added.reserve(size_t(count));
    for (int i = row; i < row + count; ++i)
        added.push_back(take(reg[i].value(m_key)));
    m_rows.insert(m_rows.begin() + row, added.begin(), added.end());
}

void ColumnIndex::removeRows(int row, int count)
{
    if (!m_built)
        return;
    if (row < 0 || size_t(row + count) > m_rows.size()) {
        clear();
        return;
    }
    for (int i = row; i < row + count; ++i)
        release(m_rows[size_t(i)]);
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
    // Texts no row holds any more are let go once they outnumber the others.
    if (m_dead > 1000 && m_dead > m_live)
        compact();
}

void ColumnIndex::setRow(int row, const Value &value)
{
    if (!m_built)
        return;
    if (row < 0 || size_t(row) >= m_rows.size()) {
        clear();
        return;
    }
    const int before = m_rows[size_t(row)];
    m_rows[size_t(row)] = take(value);
    release(before);
}

std::string_view ColumnIndex::folded(int slot) const
{
    const size_t start = m_starts[size_t(slot)];
    return std::string_view(m_folded).substr(start, m_folded.find(kEnd, start) - start);
}

std::vector<char> ColumnIndex::holding(QStringView needle) const
{
    std::vector<char> flags(m_slots.size(), 0);
    if (needle.isEmpty())
        return flags;
    const std::string folded = foldedUtf8(needle);
    // Matches come in the order of the slots: the slot a match lies in is
    // found by stepping on from the last one, not by a search from the top
    // (a letter most texts hold matches in nearly every slot).
    size_t slot = 0;
    for (size_t at = m_folded.find(folded); at != std::string::npos; at = m_folded.find(folded, at)) {
        while (slot + 1 < m_starts.size() && m_starts[slot + 1] <= at)
            ++slot;
        flags[slot] = 1;
        // The search goes on from the next slot.
        if (++slot == m_starts.size())
            break;
        at = m_starts[slot];
    }
    return flags;
}
