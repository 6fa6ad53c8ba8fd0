#include "RegisterMerge.h"

#include "MergeOrder.h"
#include "RowMerge.h"
#include "SameRows.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const Record kNoRow;

// Whether side holds the other's rows but not its opening row, and the
// other not its: a new year's register, which starts from an opening row
// of its own and carries the rows not yet reconciled.
bool startsAnew(const IndexedRows &side, const IndexedRows &other)
{
    if (side.count() == 0 || other.count() == 0)
        return false;
    if (side.find(other.ids.front()) >= 0 || other.find(side.ids.front()) >= 0)
        return false;
    for (RowId id : side.ids)
        if (other.find(id) >= 0)
            return true;
    return false;
}

bool shareARow(const IndexedRows &a, const IndexedRows &b)
{
    const IndexedRows &fewer = a.count() <= b.count() ? a : b;
    const IndexedRows &more = &fewer == &a ? b : a;
    for (RowId id : fewer.ids)
        if (more.find(id) >= 0)
            return true;
    return false;
}

QString refusal(const IndexedRows &base, const IndexedRows &mine, const IndexedRows &theirs, const MergeNames &names)
{
    const QString rollover = QCoreApplication::translate(
        "RegisterMerge", "%1 is a new year\u2019s register made from %2: a new year\u2019s file is a new register, "
                         "and is not merged with the year it was made from.");
    if (base.rows) {
        if (startsAnew(theirs, base))
            return rollover.arg(names.theirs, names.mine);
        if (startsAnew(mine, base))
            return rollover.arg(names.mine, names.theirs);
    } else if (startsAnew(theirs, mine)) {
        return QCoreApplication::translate(
                   "RegisterMerge", "%1 and %2 start from different opening rows but hold the same transactions: one "
                                    "is a new year\u2019s register made from the other, and a new year\u2019s file "
                                    "is a new register, not merged with the year it was made from.")
            .arg(names.mine, names.theirs);
    }
    const bool related = shareARow(mine, theirs) ||
                         (base.rows && (mine.count() == 0 || shareARow(base, mine)) &&
                          (theirs.count() == 0 || shareARow(base, theirs)) && base.count() > 0);
    if (!related && (mine.count() > 0 || theirs.count() > 0))
        return QCoreApplication::translate("RegisterMerge",
                                           "%1 and %2 are not versions of one register: they have no transaction in "
                                           "common.")
            .arg(names.mine, names.theirs);
    return {};
}

} // namespace

bool RowConflict::resolved() const
{
    if (kind != Kind::Changed)
        return chosen.has_value();
    return std::all_of(fields.begin(), fields.end(), [](const FieldConflict &f) { return f.chosen.has_value(); });
}

int RegisterMerge::unresolvedCount() const
{
    return int(std::count_if(conflicts.begin(), conflicts.end(), [](const RowConflict &c) { return !c.resolved(); }));
}

void RegisterMerge::chooseAll(MergeSide side)
{
    for (RowConflict &c : conflicts) {
        if (c.kind != RowConflict::Kind::Changed && !c.chosen)
            c.chosen = side;
        for (FieldConflict &f : c.fields)
            if (!f.chosen)
                f.chosen = side;
    }
}

std::vector<RecordPtr> RegisterMerge::resolvedRows() const
{
    std::vector<RecordPtr> merged;
    merged.reserve(rows.size());
    for (const Row &row : rows) {
        if (row.conflict < 0) {
            merged.push_back(row.record);
            continue;
        }
        const RowConflict &c = conflicts[size_t(row.conflict)];
        switch (c.kind) {
        case RowConflict::Kind::DeletedByMine:
            if (c.chosen != MergeSide::Mine)
                merged.push_back(c.theirs);
            break;
        case RowConflict::Kind::DeletedByTheirs:
            if (c.chosen != MergeSide::Theirs)
                merged.push_back(c.mine);
            break;
        case RowConflict::Kind::Changed: {
            RecordPtr record = row.record;
            for (const FieldConflict &f : c.fields) {
                if (f.chosen != MergeSide::Theirs)
                    continue;
                if (record == row.record)
                    record = std::make_shared<Record>(*row.record);
                record->set(f.key, f.theirs);
            }
            merged.push_back(std::move(record));
            break;
        }
        }
    }
    return merged;
}

bool RegisterMerge::changesMine() const
{
    return !conflicts.empty() ||
           std::any_of(changes.begin(), changes.end(), [](const MergeChange &c) { return c.side == MergeSide::Theirs; }) ||
           orderFromTheirs;
}

RegisterMerge mergeRegisters(const std::vector<RecordPtr> *base, const std::vector<RecordPtr> &mine,
                             const std::vector<RecordPtr> &theirs, const MergeNames &names, QDate today,
                             const SameRows *indexed)
{
    RegisterMerge out;
    // A side indexed already is not indexed again.
    const auto sideOf = [&](const std::vector<RecordPtr> &rows, std::optional<IndexedRows> &own) -> const IndexedRows & {
        if (const IndexedRows *known = indexed ? indexed->indexOf(rows) : nullptr)
            return *known;
        return own.emplace(&rows);
    };
    std::optional<IndexedRows> ownBase, ownMine, ownTheirs;
    const IndexedRows noBase(nullptr);
    const IndexedRows &b = base ? sideOf(*base, ownBase) : noBase;
    const IndexedRows &m = sideOf(mine, ownMine);
    const IndexedRows &t = sideOf(theirs, ownTheirs);
    out.refusal = refusal(b, m, t, names);
    if (!out.ok())
        return out;
    out.baseInferred = base == nullptr;

    // Each row of the merge: where it stands on each side, and what it is.
    std::vector<OrderEntry> entries;
    std::vector<RegisterMerge::Row> merged;
    entries.reserve(size_t(std::max(m.count(), t.count())) + 16);
    merged.reserve(entries.capacity());
    // Changes, each with the entry of its row (-1: a deletion).
    std::vector<std::pair<int, MergeChange>> changes;
    const auto change = [&](MergeSide side, MergeChange::Kind kind, const RecordPtr &record,
                            const RecordPtr &before = {}, QStringList keys = {}) {
        const int entry = kind == MergeChange::Kind::Deleted ? -1 : int(entries.size());
        changes.emplace_back(entry, MergeChange{side, kind, record, before, std::move(keys)});
    };
    const auto add = [&](int baseRow, int mineRow, int theirsRow, RecordPtr record, int conflict = -1) {
        entries.push_back({baseRow, mineRow, theirsRow, record.get()});
        merged.push_back({std::move(record), conflict});
    };
    const auto conflict = [&](RowConflict c) {
        out.conflicts.push_back(std::move(c));
        return int(out.conflicts.size()) - 1;
    };

    // Where the next row is likely to be on each side: the rows of
    // versions of one register are mostly in one order.
    int nextTheirs = 0;
    int nextBase = 0;
    for (int i = 0; i < m.count(); ++i) {
        const RecordPtr &mr = m.at(i);
        const RowId id = m.ids[size_t(i)];
        const int j = t.findAfter(id, nextTheirs);
        const int k = b.findAfter(id, nextBase);
        nextTheirs = j >= 0 ? j + 1 : nextTheirs;
        nextBase = k >= 0 ? k + 1 : nextBase;
        const RecordPtr baseRow = k >= 0 ? b.at(k) : RecordPtr();
        if (j < 0) {
            if (k < 0) {
                change(MergeSide::Mine, MergeChange::Kind::Added, mr);
                add(k, i, j, mr);
            } else if (sameRow(*mr, *baseRow)) {
                change(MergeSide::Theirs, MergeChange::Kind::Deleted, baseRow);
            } else {
                add(k, i, j, mr, conflict({RowConflict::Kind::DeletedByTheirs, baseRow, mr, {}, {}, std::nullopt}));
            }
            continue;
        }
        const RecordPtr &tr = t.at(j);
        if (sameRow(*mr, *tr)) {
            add(k, i, j, mr);
            continue;
        }
        const Record &br = k >= 0 ? *baseRow : kNoRow;
        if (k >= 0 && sameRow(*mr, br)) {
            change(MergeSide::Theirs, MergeChange::Kind::Changed, tr, baseRow, changedKeys(br, *tr));
            add(k, i, j, tr);
            continue;
        }
        if (k >= 0 && sameRow(*tr, br)) {
            change(MergeSide::Mine, MergeChange::Kind::Changed, mr, baseRow, changedKeys(br, *mr));
            add(k, i, j, mr);
            continue;
        }
        FieldMerge f = mergeFields(br, *mr, *tr);
        RecordPtr merged = mr;
        if (!f.fromTheirs.empty()) {
            merged = std::make_shared<Record>(*mr);
            for (auto &[key, value] : f.fromTheirs)
                merged->set(key, std::move(value));
        }
        // A row both added (or, without a base, both hold) was not changed
        // from anything: only its conflicts are told.
        if (k >= 0 && !f.mineChanged.isEmpty())
            change(MergeSide::Mine, MergeChange::Kind::Changed, mr, baseRow, f.mineChanged);
        if (k >= 0 && !f.theirsChanged.isEmpty())
            change(MergeSide::Theirs, MergeChange::Kind::Changed, tr, baseRow, f.theirsChanged);
        const int c = f.conflicts.empty()
            ? -1
            : conflict({RowConflict::Kind::Changed, baseRow, mr, tr, std::move(f.conflicts), std::nullopt});
        add(k, i, j, std::move(merged), c);
    }
    int nextMine = 0;
    for (int j = 0; j < t.count(); ++j) {
        const RowId id = t.ids[size_t(j)];
        if (const int i = m.findAfter(id, nextMine); i >= 0) {
            nextMine = i + 1;
            continue;
        }
        const RecordPtr &tr = t.at(j);
        const int k = b.find(id);
        if (k < 0) {
            change(MergeSide::Theirs, MergeChange::Kind::Added, tr);
            add(k, -1, j, tr);
        } else if (sameRow(*tr, *b.at(k))) {
            change(MergeSide::Mine, MergeChange::Kind::Deleted, b.at(k));
        } else {
            add(k, -1, j, tr, conflict({RowConflict::Kind::DeletedByMine, b.at(k), {}, tr, {}, std::nullopt}));
        }
    }

    const std::vector<size_t> sequence = mergedOrder(entries, m.count(), t.count(), today, &out.orderFromTheirs);
    Q_ASSERT(sequence.size() == merged.size());
    entries = {};
    // The rows put in that order where they are, a cycle of the order at a
    // time: a million rows are not held twice.
    std::vector<int> position(merged.size(), -1);
    for (size_t p = 0; p < sequence.size(); ++p)
        position[sequence[p]] = int(p);
    out.rows = std::move(merged);
    std::vector<bool> placed(out.rows.size(), false);
    for (size_t start = 0; start < out.rows.size(); ++start) {
        if (placed[start])
            continue;
        RegisterMerge::Row first = std::move(out.rows[start]);
        size_t at = start;
        for (size_t from = sequence[at]; from != start; at = from, from = sequence[at]) {
            out.rows[at] = std::move(out.rows[from]);
            placed[at] = true;
        }
        out.rows[at] = std::move(first);
        placed[at] = true;
    }
    std::stable_sort(changes.begin(), changes.end(), [&](const auto &x, const auto &y) {
        const int px = x.first < 0 ? INT_MAX : position[size_t(x.first)];
        const int py = y.first < 0 ? INT_MAX : position[size_t(y.first)];
        return px < py;
    });
    out.changes.reserve(changes.size());
    for (auto &[entry, c] : changes)
        out.changes.push_back(std::move(c));
    return out;
}
