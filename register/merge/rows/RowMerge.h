#pragma once

// One row of a merge, key by key: whether two versions of a row hold the
// same, which keys one changed, and the keys of a row both sides changed
// merged one by one. Only the merged keys count (isMergedKey): the running
// balance, the identity and the ancestry are the merge's own.

#include "RegisterMerge.h"

#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

// Whether a and b hold the same values under every merged key: money by
// what it reads as (-5 and -5.00), an absent reconciled mark as "0".
bool sameRow(const Record &a, const Record &b);
// The merged keys whose values differ between before and after.
QStringList changedKeys(const Record &before, const Record &after);

// The keys of a row both sides changed, merged one by one.
struct FieldMerge {
    std::vector<std::pair<QString, Value>> fromTheirs; // mine's values stand for the rest
    QStringList mineChanged;
    QStringList theirsChanged;
    std::vector<FieldConflict> conflicts;
};
// A key changed on one side is taken, the same way on both taken once,
// differently a conflict; so is a new amount or date on one side of a row
// the other side reconciled. base is an empty record for a row both added.
FieldMerge mergeFields(const Record &base, const Record &mine, const Record &theirs);
