#pragma once

// The rows of the versions read for a merge, found by identity. A version
// read after others holds each row it has alike with theirs (the same
// identity and merged values) as theirs: each version is otherwise a whole
// register more in memory, and merging them gives the same.

#include "IdIndex.h"
#include "Record.h"

#include <functional>
#include <memory>
#include <vector>

// A version's rows with the identity of each (as giveIdentities would leave
// them) and the rows found by it.
struct IndexedRows {
    explicit IndexedRows(const std::vector<RecordPtr> *list);
    // Rows whose identities were found already.
    IndexedRows(const std::vector<RecordPtr> *list, std::vector<RowId> ids, IdIndex index)
        : rows(list), ids(std::move(ids)), index(std::move(index))
    {
    }
    int find(RowId id) const { return rows ? index.find(id) : -1; }
    // The same, looking first at row guess: where the row is when the rows
    // before it are where they were.
    int findAfter(RowId id, int guess) const
    {
        return guess >= 0 && size_t(guess) < ids.size() && ids[size_t(guess)] == id ? guess : find(id);
    }
    int count() const { return rows ? int(rows->size()) : 0; }
    const RecordPtr &at(int row) const { return (*rows)[size_t(row)]; }

    const std::vector<RecordPtr> *rows; // null: no rows (a base not known)
    std::vector<RowId> ids;
    IdIndex index;
};

class SameRows
{
public:
    SameRows();
    ~SameRows();
    // Rows read later are held as these where alike; rows must outlive
    // the reading.
    void add(const std::vector<RecordPtr> &rows);
    // The same for rows whose identities were found as they were read.
    void add(const std::vector<RecordPtr> &rows, std::vector<RowId> ids, IdIndex index);
    // For reading one version: each record read to what to hold in its
    // place. Two rows of one version may then be one record (a line copied
    // by hand, identity and all): the one given an identity of its own is
    // made a copy first (giveIdentitiesToCopies).
    std::function<RecordPtr(RecordPtr)> holder() const;
    // The rows added, indexed by identity for the merge; null for rows not
    // added.
    const IndexedRows *indexOf(const std::vector<RecordPtr> &rows) const;

private:
    std::vector<std::shared_ptr<const IndexedRows>> m_sources;
};
