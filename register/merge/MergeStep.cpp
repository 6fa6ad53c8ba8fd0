#include "MergeStep.h"

using namespace Qt::StringLiterals;

QString mergeStepName(const QString &theirsName) { return u"Merge \u201c%1\u201d"_s.arg(theirsName); }

QString applyMerge(MyDocument &doc, const RegisterMerge &merge, const QString &theirsName,
                   const std::vector<VersionHash> &ancestry)
{
    Q_ASSERT(merge.ok());
    return doc.edit(mergeStepName(theirsName), [&] {
        doc.replaceAllRows(merge.resolvedRows());
        if (doc.count() > 0) {
            // With the step, so that a merge undone no longer names theirs
            // as a version the register grew from.
            doc.setValue(0, kVersionsKey, ancestryValue(ancestry));
            for (int row = 1; row < doc.count(); ++row)
                if (doc.objectAtIndex(row)->contains(kVersionsKey))
                    doc.setValue(row, kVersionsKey, Value());
        }
        doc.recalculateBalances();
        doc.updateChangeCount(MyDocument::ChangeDone);
    });
}
