#include "RowIdentity.h"

#include "IdIndex.h"
#include "ImportDuplicates.h"
#include "StableHash.h"

#include <QRandomGenerator>

#include <array>
#include <unordered_map>

namespace {

constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Each byte's digit, -1 for a byte that is none. A table, not tests: an
// identity's letters are random, and a merge reads millions of them.
constexpr std::array<qint8, 256> kDigitValues = [] {
    std::array<qint8, 256> values{};
    values.fill(-1);
    for (int d = 0; d < 62; ++d)
        values[uchar(kDigits[d])] = qint8(d);
    return values;
}();

RowId textId(QLatin1StringView text)
{
    if (text.size() == kIdentityLength) {
        RowId id = 0;
        int notDigit = 0; // negative once a byte is no digit
        for (char c : text) {
            const int d = kDigitValues[uchar(c)];
            notDigit |= d;
            id = id * 62 + RowId(d);
        }
        if (notDigit >= 0)
            return id != 0 ? id : 1;
    }
    const RowId id = StableHash(0x1d).add(text).value();
    return id != 0 ? id : 1;
}

// What a row's identity is made from when it has none: the bank's id of it,
// or else what makes the transaction (not its reconciled mark, statement or
// balance, which balancing and the running balance change).
quint64 material(const Record &record)
{
    const Value &bankId = record.value(kBankIdKey);
    if (!bankId.isNull())
        return bankId.visitText([](auto text) { return StableHash(0xba).add(text).value(); });
    StableHash h(0x70);
    for (Key key : {Key::Date, Key::DescriptionofTransaction, Key::CheckNumber}) {
        const Value &v = record.value(key);
        h.add(quint64(v.isNull()));
        v.visitText([&](auto text) { h.add(text); });
    }
    const Value &amount = record.value(Key::Amount);
    if (const CentsReading cents = amount.cents(); cents.ok())
        h.add(quint64(cents.cents));
    else
        amount.visitText([&](auto text) { h.add(text); });
    return h.value();
}

RowId derived(quint64 material, int occurrence)
{
    const RowId id = StableHash(material).add(quint64(occurrence)).value();
    return id != 0 ? id : 1;
}

// Gives each row the identity rowIds describes, calling give(row, id) for
// every row whose identity is new.
template <typename Give>
std::vector<RowId> assign(const std::vector<RecordPtr> &rows, Give &&give, IdIndex &seen)
{
    // A million rows are a million trips to memory each way, for the
    // records and for the slots: each is asked for some rows ahead.
    constexpr size_t kAhead = 16;
    std::vector<RowId> ids(rows.size(), 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i + kAhead < rows.size())
            __builtin_prefetch(&rows[i + kAhead]->value(Key::ID));
        ids[i] = rowId(*rows[i]);
    }
    seen = IdIndex(rows.size());
    bool anyMissing = false;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i + kAhead < rows.size() && ids[i + kAhead] != 0)
            seen.prefetch(ids[i + kAhead]);
        if (ids[i] == 0 || !seen.insert(ids[i], int(i))) {
            ids[i] = 0;
            anyMissing = true;
        }
    }
    if (!anyMissing)
        return ids;
    std::unordered_map<quint64, int> occurrences;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (ids[i] != 0)
            continue;
        const quint64 m = material(*rows[i]);
        int &occurrence = occurrences[m];
        RowId id = derived(m, occurrence++);
        while (!seen.insert(id, int(i)))
            id = derived(m, occurrence++);
        ids[i] = id;
        give(i, id);
    }
    return ids;
}

} // namespace

Value identityValue(RowId id)
{
    char text[kIdentityLength];
    for (int i = kIdentityLength - 1; i >= 0; --i) {
        text[i] = kDigits[id % 62];
        id /= 62;
    }
    return Value::text(QLatin1StringView(text, kIdentityLength));
}

Value newIdentity()
{
    RowId id = 0;
    while (id == 0)
        id = QRandomGenerator::global()->generate64();
    return identityValue(id);
}

RowId rowId(const Value &identity)
{
    if (identity.isNull())
        return 0;
    if (const QLatin1StringView latin1 = identity.latin1Text(); !latin1.isEmpty())
        return textId(latin1);
    const QByteArray utf8 = identity.toString().toUtf8();
    return textId(QLatin1StringView(utf8));
}

std::vector<RowId> rowIds(const std::vector<RecordPtr> &rows)
{
    IdIndex index;
    return rowIds(rows, index);
}

std::vector<RowId> rowIds(const std::vector<RecordPtr> &rows, IdIndex &index)
{
    return assign(rows, [](size_t, RowId) {}, index);
}

int giveIdentities(const std::vector<RecordPtr> &rows)
{
    int given = 0;
    IdIndex index;
    assign(
        rows,
        [&](size_t row, RowId id) {
            rows[row]->set(Key::ID, identityValue(id));
            ++given;
        },
        index);
    return given;
}

std::vector<RowId> giveIdentitiesToCopies(std::vector<RecordPtr> &rows, IdIndex &index)
{
    return assign(
        rows,
        [&](size_t row, RowId id) {
            rows[row] = std::make_shared<Record>(*rows[row]);
            rows[row]->set(Key::ID, identityValue(id));
        },
        index);
}

void giveAddedRowsIdentities(const Register &reg, const std::vector<RecordPtr> &added)
{
    bool fromBank = false;
    for (const RecordPtr &r : added) {
        if (!r->contains(Key::ID)) {
            if (r->contains(kBankIdKey))
                fromBank = true;
            else
                r->set(Key::ID, newIdentity());
        }
    }
    if (!fromBank)
        return;
    // The same bank id twice (a line imported again on purpose) is two rows.
    IdIndex taken(size_t(reg.count()) + added.size());
    for (const RecordPtr &r : reg.rows())
        if (const RowId id = rowId(*r); id != 0)
            taken.insert(id, 0);
    for (const RecordPtr &r : added) {
        if (r->contains(Key::ID)) {
            taken.insert(rowId(*r), 0);
            continue;
        }
        const quint64 m = material(*r);
        int occurrence = 0;
        RowId id = derived(m, occurrence++);
        while (!taken.insert(id, 0))
            id = derived(m, occurrence++);
        r->set(Key::ID, identityValue(id));
    }
}
