#include "Record.h"

#include <algorithm>
#include <cstring>

namespace {
const Value kNull;
constexpr std::array<QLatin1StringView, kKnownKeyCount> kNames = {
    QLatin1StringView("Amount"), QLatin1StringView("Category"), QLatin1StringView("CheckNumber"),
    QLatin1StringView("Date"), QLatin1StringView("DescriptionofTransaction"), QLatin1StringView("EOMSeen"),
    QLatin1StringView("ID"),
    QLatin1StringView("Total")};
} // namespace

QLatin1StringView keyName(Key key) { return kNames[size_t(key)]; }

std::optional<Key> knownKey(QStringView name)
{
    for (int k = 0; k < kKnownKeyCount; ++k)
        if (name == kNames[size_t(k)])
            return Key(k);
    return std::nullopt;
}

namespace {
// Compared at a length known here, the bytes are compared in a few words.
template <size_t N>
std::optional<Key> ifNamed(QLatin1StringView name, const char (&known)[N], Key key)
{
    return std::memcmp(name.data(), known, N - 1) == 0 ? std::optional(key) : std::nullopt;
}
} // namespace

std::optional<Key> knownKey(QLatin1StringView name)
{
    // The known keys differ in length, so the length alone names the candidate.
    switch (name.size()) {
    case 6: return ifNamed(name, "Amount", Key::Amount);
    case 8: return ifNamed(name, "Category", Key::Category);
    case 11: return ifNamed(name, "CheckNumber", Key::CheckNumber);
    case 4: return ifNamed(name, "Date", Key::Date);
    case 24: return ifNamed(name, "DescriptionofTransaction", Key::DescriptionofTransaction);
    case 7: return ifNamed(name, "EOMSeen", Key::EOMSeen);
    case 2: return ifNamed(name, "ID", Key::ID);
    case 5: return ifNamed(name, "Total", Key::Total);
    default: return std::nullopt;
    }
}

Record::Record(const Record &other)
    : m_known(other.m_known)
    , m_extra(other.m_extra ? std::make_unique<Extra>(*other.m_extra) : nullptr)
{
}

Record &Record::operator=(const Record &other)
{
    if (this != &other) {
        m_known = other.m_known;
        m_extra = other.m_extra ? std::make_unique<Extra>(*other.m_extra) : nullptr;
    }
    return *this;
}

const Value &Record::value(QStringView key) const
{
    if (auto k = knownKey(key))
        return value(*k);
    if (!m_extra)
        return kNull;
    auto it = std::lower_bound(m_extra->begin(), m_extra->end(), key,
                               [](const auto &entry, QStringView k) { return QStringView(entry.first) < k; });
    return it != m_extra->end() && it->first == key ? it->second : kNull;
}

void Record::set(QStringView key, Value v)
{
    if (auto k = knownKey(key)) {
        set(*k, std::move(v));
        return;
    }
    if (!m_extra) {
        if (v.isNull())
            return;
        m_extra = std::make_unique<Extra>();
    }
    auto it = std::lower_bound(m_extra->begin(), m_extra->end(), key,
                               [](const auto &entry, QStringView k) { return QStringView(entry.first) < k; });
    const bool present = it != m_extra->end() && it->first == key;
    if (v.isNull()) {
        if (present)
            m_extra->erase(it);
        if (m_extra->empty())
            m_extra.reset();
    } else if (present) {
        it->second = std::move(v);
    } else {
        m_extra->emplace(it, key.toString(), std::move(v));
    }
}

void Record::setMany(std::vector<std::pair<QString, Value>> entries)
{
    // Stable, so that of the entries under one key the last given stays last.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto &a, const auto &b) { return QStringView(a.first) < QStringView(b.first); });
    Extra added;
    added.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i + 1 < entries.size() && entries[i + 1].first == entries[i].first)
            continue;
        if (auto k = knownKey(QStringView(entries[i].first)))
            set(*k, std::move(entries[i].second));
        else
            added.push_back(std::move(entries[i]));
    }
    // Merge with the keys already held; a new value (a null one removes)
    // replaces an old one.
    Extra merged;
    const Extra empty;
    const Extra &held = m_extra ? *m_extra : empty;
    merged.reserve(held.size() + added.size());
    auto h = held.begin();
    for (auto &entry : added) {
        for (; h != held.end() && QStringView(h->first) < QStringView(entry.first); ++h)
            merged.push_back(*h);
        if (h != held.end() && h->first == entry.first)
            ++h;
        if (!entry.second.isNull())
            merged.push_back(std::move(entry));
    }
    merged.insert(merged.end(), h, held.end());
    if (merged.empty())
        m_extra.reset();
    else
        m_extra = std::make_unique<Extra>(std::move(merged));
}

int Record::keyCount() const
{
    int n = int(std::count_if(m_known.begin(), m_known.end(), [](const Value &v) { return !v.isNull(); }));
    return n + (m_extra ? int(m_extra->size()) : 0);
}

bool Record::sameContents(const Record &other) const
{
    if (m_known != other.m_known)
        return false;
    const size_t a = m_extra ? m_extra->size() : 0;
    const size_t b = other.m_extra ? other.m_extra->size() : 0;
    return a == b && (a == 0 || *m_extra == *other.m_extra);
}
