#include "RowMerge.h"

#include "Reconciliation.h"
#include "RegisterVersions.h"

#include <QVarLengthArray>

#include <algorithm>

namespace {

const Value kNone;

struct Keyed {
    QStringView key;
    const Value *value;
};
using KeyList = QVarLengthArray<Keyed, 12>;

KeyList mergedKeys(const Record &r)
{
    KeyList list;
    r.forEachKey([&](QStringView key, const Value &v) {
        if (isMergedKey(key))
            list.append({key, &v});
    });
    return list;
}

// How the values under a key are told alike.
enum class Compared : quint8 { AsText, AsMark, AsMoney };

Compared comparedAs(QStringView key)
{
    if (key == keyName(Key::EOMSeen))
        return Compared::AsMark;
    return key == keyName(Key::Amount) || key == kStatementBalanceKey ? Compared::AsMoney : Compared::AsText;
}

bool sameValue(Compared how, const Value &a, const Value &b)
{
    if (how == Compared::AsMark)
        return (a.intValue() == 1) == (b.intValue() == 1); // absent and "0" both say not reconciled
    if (a == b)
        return true;
    if (a.isNull() || b.isNull())
        return false;
    // Money by what it reads as: -5 and -5.00, a number read from the XML
    // form and the text of the other.
    if (how == Compared::AsMoney) {
        const CentsReading x = a.cents();
        const CentsReading y = b.cents();
        if (x.ok() && y.ok())
            return x.cents == y.cents;
    }
    return !a.isText() || !b.isText() ? a.toString() == b.toString() : false;
}

bool sameValue(QStringView key, const Value &a, const Value &b) { return sameValue(comparedAs(key), a, b); }

// The merged keys that have slots of their own, and how each is compared.
constexpr std::pair<Key, Compared> kMergedSlots[] = {
    {Key::Amount, Compared::AsMoney},    {Key::Category, Compared::AsText},
    {Key::CheckNumber, Compared::AsText}, {Key::Date, Compared::AsText},
    {Key::DescriptionofTransaction, Compared::AsText}, {Key::EOMSeen, Compared::AsMark},
};

// Whether a record holds keys besides those with slots (a statement's
// balance, a bank id, splits, keys of another program).
bool holdsOtherKeys(const Record &r)
{
    int inSlots = 0;
    for (int k = 0; k < kKnownKeyCount; ++k)
        inSlots += r.value(Key(k)).isNull() ? 0 : 1;
    return r.keyCount() > inSlots;
}

// Calls f(key, value in a, value in b) for every key either holds, in order.
template <typename F>
void forEachKeyOfTwo(const KeyList &a, const KeyList &b, F &&f)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() || j < b.size()) {
        if (j == b.size() || (i < a.size() && a[i].key < b[j].key)) {
            f(a[i].key, *a[i].value, kNone);
            ++i;
        } else if (i == a.size() || b[j].key < a[i].key) {
            f(b[j].key, kNone, *b[j].value);
            ++j;
        } else {
            f(a[i].key, *a[i].value, *b[j].value);
            ++i;
            ++j;
        }
    }
}

const Value &valueOf(const KeyList &list, QStringView key)
{
    for (const Keyed &k : list)
        if (k.key == key)
            return *k.value;
    return kNone;
}

} // namespace

bool isMergedKey(QStringView key)
{
    return key != keyName(Key::Total) && key != keyName(Key::ID) && key != kVersionsKey;
}

bool sameRow(const Record &a, const Record &b)
{
    if (&a == &b)
        return true;
    // Most rows hold only keys with slots: those are compared in place,
    // and the keys by name only for a row that holds others.
    for (const auto &[key, how] : kMergedSlots)
        if (!sameValue(how, a.value(key), b.value(key)))
            return false;
    if (!holdsOtherKeys(a) && !holdsOtherKeys(b))
        return true;
    bool same = true;
    forEachKeyOfTwo(mergedKeys(a), mergedKeys(b), [&](QStringView key, const Value &x, const Value &y) {
        same = same && sameValue(key, x, y);
    });
    return same;
}

QStringList changedKeys(const Record &before, const Record &after)
{
    QStringList keys;
    forEachKeyOfTwo(mergedKeys(before), mergedKeys(after), [&](QStringView key, const Value &x, const Value &y) {
        if (!sameValue(key, x, y))
            keys << key.toString();
    });
    return keys;
}

FieldMerge mergeFields(const Record &base, const Record &mine, const Record &theirs)
{
    const KeyList b = mergedKeys(base);
    const KeyList m = mergedKeys(mine);
    const KeyList t = mergedKeys(theirs);
    QVarLengthArray<QStringView, 24> keys;
    for (const KeyList *list : {&b, &m, &t})
        for (const Keyed &k : *list)
            keys.append(k.key);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());

    // A row one side reconciled was reconciled as it stood: the other
    // side's new amount or date is for a person to look at.
    const bool mineReconciled = !isReconciled(base) && isReconciled(mine);
    const bool theirsReconciled = !isReconciled(base) && isReconciled(theirs);
    const auto reconciledAs = [](QStringView key) {
        return key == keyName(Key::Amount) || key == keyName(Key::Date);
    };

    FieldMerge f;
    for (QStringView key : keys) {
        const Value &bv = valueOf(b, key);
        const Value &mv = valueOf(m, key);
        const Value &tv = valueOf(t, key);
        const bool mineChanged = !sameValue(key, bv, mv);
        const bool theirsChanged = !sameValue(key, bv, tv);
        if (!mineChanged && !theirsChanged)
            continue;
        const bool conflict = mineChanged && theirsChanged
            ? !sameValue(key, mv, tv)
            : reconciledAs(key) && (mineChanged ? theirsReconciled : mineReconciled);
        if (conflict) {
            f.conflicts.push_back({key.toString(), bv, mv, tv, std::nullopt});
            continue;
        }
        if (mineChanged)
            f.mineChanged << key.toString();
        if (theirsChanged) {
            f.theirsChanged << key.toString();
            if (!mineChanged)
                f.fromTheirs.emplace_back(key.toString(), tv);
        }
    }
    return f;
}
