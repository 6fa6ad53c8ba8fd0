#include "SameRows.h"

#include "RegisterVersions.h"
#include "RowMerge.h"

IndexedRows::IndexedRows(const std::vector<RecordPtr> *list) : rows(list)
{
    if (rows)
        ids = rowIds(*rows, index);
}

SameRows::SameRows() = default;
SameRows::~SameRows() = default;

void SameRows::add(const std::vector<RecordPtr> &rows) { m_sources.push_back(std::make_shared<IndexedRows>(&rows)); }

std::function<RecordPtr(RecordPtr)> SameRows::holder() const
{
    return [sources = m_sources](RecordPtr record) -> RecordPtr {
        // The opening row's ancestry tells what the version grew from: it
        // is the version's own, whatever the merge makes of the row.
        const RowId id = rowId(*record);
        if (id == 0 || record->contains(kVersionsKey))
            return record;
        for (const auto &source : sources)
            if (const int i = source->find(id); i >= 0 && sameRow(*source->at(i), *record))
                return source->at(i);
        return record;
    };
}

const IndexedRows *SameRows::indexOf(const std::vector<RecordPtr> &rows) const
{
    for (const auto &source : m_sources)
        if (source->rows == &rows)
            return source.get();
    return nullptr;
}
