#pragma once

// Merging two versions of one register that were edited apart (on two
// computers, say), from the last version both grew from: the base. Rows are
// matched by their identity (RowIdentity.h), and every key of a row is
// merged three-way on its own, so keys this code knows nothing of merge too:
//
// - a row added on either side is added, placed by date among the rows
//   around it on its side;
// - a row deleted on one side and unchanged on the other is deleted;
//   deleted on one side and changed on the other is a conflict;
// - a key changed on one side is taken; changed the same way on both, taken
//   once; changed differently on both, a conflict of that row and key. A
//   row one side reconciled whose amount or date the other changed is a
//   conflict too: the reconciliation was of the row as it stood.
// - the order of the rows is that of the side that reordered them (a sort),
//   else mine's.
//
// The running balance (Total) is not merged but worked out again once, and
// Versions (the opening row's ancestry) is the merge's own.
//
// Without a base, the rows both sides hold as they are stand for it: a row
// only one side holds is kept, and a key the two hold differently is a
// conflict. Two registers with no transaction in common are not merged, nor
// is a new year's register with the year it was made from.

#include "Register.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

enum class MergeSide : quint8 { Mine, Theirs };

struct FieldConflict {
    QString key;
    Value base; // null where the side has no value under the key
    Value mine;
    Value theirs;
    std::optional<MergeSide> chosen;
};

struct RowConflict {
    enum class Kind : quint8 {
        Changed,         // both sides changed keys of the row, differently
        DeletedByMine,   // mine deleted the row, theirs changed it
        DeletedByTheirs, // theirs deleted the row, mine changed it
    };
    Kind kind = Kind::Changed;
    RecordPtr base; // null for a row both sides added
    RecordPtr mine; // null when mine deleted it
    RecordPtr theirs;
    std::vector<FieldConflict> fields; // Changed only
    // For a deleted row: Mine or Theirs keeps what that side did (deleted
    // or changed).
    std::optional<MergeSide> chosen;
    bool resolved() const;
    // The side whose version of the row is shown for it (the one that has it).
    const Record &shown() const { return mine ? *mine : *theirs; }
};

// What one side did to the base, for telling.
struct MergeChange {
    enum class Kind : quint8 { Added, Deleted, Changed };
    MergeSide side = MergeSide::Mine;
    Kind kind = Kind::Added;
    RecordPtr record; // the row as the side has it; as the base had it, for a deletion
    RecordPtr before; // the base's row, for a change
    QStringList keys; // the keys it changed
};

struct MergeNames {
    QString mine;
    QString theirs;
};

class RegisterMerge
{
public:
    // Why the two cannot be merged; empty when they were.
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
    // No base was known: it was inferred from what both sides hold alike.
    bool baseInferred = false;
    // The merged order was theirs (theirs reordered the rows, mine did not).
    bool orderFromTheirs = false;

    // Each row of the merge in order: a record, or a conflict.
    struct Row {
        RecordPtr record; // for a conflict of keys: its keys merged, mine's values where they conflict
        int conflict = -1;
    };
    std::vector<Row> rows;
    std::vector<RowConflict> conflicts;
    std::vector<MergeChange> changes; // the rows in order, then the deletions

    int unresolvedCount() const;
    // Settles every conflict (not yet settled) for one side.
    void chooseAll(MergeSide side);
    // The merged rows as the choices make them. A conflict not yet chosen
    // keeps what would otherwise be lost: a deleted row stays, changed as
    // its other side changed it, and conflicting keys hold mine's values.
    std::vector<RecordPtr> resolvedRows() const;
    // Whether the merge changes anything of mine.
    bool changesMine() const;
};

// Merges theirs into mine from base (none: inferred). Records of mine and
// theirs are shared with the merge, not copied, and are not changed: a row
// the merge changes is a new record. today reads dates without a year.
// indexed: the rows' identities found already, for mine and theirs, when
// they were read beside each other (SameRows.h).
class SameRows;
RegisterMerge mergeRegisters(const std::vector<RecordPtr> *base, const std::vector<RecordPtr> &mine,
                             const std::vector<RecordPtr> &theirs, const MergeNames &names, QDate today,
                             const SameRows *indexed = nullptr);

// Whether a key is merged (not the running balance, the identity or the
// ancestry, which a merge makes itself).
bool isMergedKey(QStringView key);
