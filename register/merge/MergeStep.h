#pragma once

// A merge taken into the document of mine: one step of its history, which
// Undo takes back whole. Nothing is written until the document is saved.

#include "MyDocument.h"
#include "RegisterMerge.h"
#include "RegisterVersions.h"

#include <QString>

// The step's name in the Edit menu: Merge “NAME”.
QString mergeStepName(const QString &theirsName);

// Replaces the document's rows by the merge's (as its choices make them),
// names on the opening row the versions the rows now grew from, and works
// out the balances again once, as one step. The merge must have been made
// from the document's rows as they stand. Returns the document's refusal (a
// balance beyond what money can hold), the document unchanged; else empty.
QString applyMerge(MyDocument &doc, const RegisterMerge &merge, const QString &theirsName,
                   const std::vector<VersionHash> &ancestry);
