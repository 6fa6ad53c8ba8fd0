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

void SameRows::add(const std::vector<RecordPtr> &rows, std::vector<RowId> ids, IdIndex index)
{
    m_sources.push_back(std::make_shared<IndexedRows>(&rows, std::move(ids), std::move(index)));
}

std::function<RecordPtr(RecordPtr)> SameRows::holder() const
{
    // Versions of one register hold most of their rows in one order: the
    // row after the one found last is looked at before the index, which is
    // a trip to memory a row.
    return [sources = m_sources, next = std::vector<int>(m_sources.size(), 0)](RecordPtr record) mutable -> RecordPtr {
        // The opening row's ancestry tells what the version grew from: it
        // is the version's own, whatever the merge makes of the row.
        const RowId id = rowId(*record);
        if (id == 0 || record->contains(kVersionsKey))
            return record;
        for (size_t s = 0; s < sources.size(); ++s) {
            const IndexedRows &source = *sources[s];
            const int i = source.findAfter(id, next[s]);
            if (i < 0)
                continue;
            next[s] = i + 1;
            if (sameRow(*source.at(i), *record))
                return source.at(i);
        }
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
