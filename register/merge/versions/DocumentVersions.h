#pragma once

// A document's versions: each save names on the opening row the version the
// rows were read as (or last written as), with that one's ancestors; and,
// given a store, each file the document reads or writes is kept in it.

#include "RegisterVersions.h"
#include "VersionKeeper.h"

class MyDocument;

class DocumentVersions : public VersionKeeper
{
public:
    // Without a store the versions are named, not kept (cheqbook-cli's
    // commands that write a register). parent: the version the rows are
    // already known to be, when they were read before the keeper came.
    explicit DocumentVersions(std::optional<VersionStore> store, VersionHash parent = 0)
        : m_store(std::move(store)), m_parent(parent)
    {
    }

    void fileRead(const QString &path, const FileStamp &stamp, const std::vector<RecordPtr> &rows) override;
    // Names the parent on the opening row, unless the rows' text is the
    // parent itself: a save that changes nothing still writes nothing.
    void aboutToWrite(const std::vector<RecordPtr> &rows) override;
    void fileWritten(const QString &path, const FileStamp &stamp) override { fileRead(path, stamp, {}); }
    void rowsRestored() override { m_parent = 0; }
    bool grewFrom(const QString &path, const std::vector<RecordPtr> &rows) const override;

    // The version of the file the rows were last read or written as; 0 when
    // unknown (the file changed as it was read, or the rows were recovered).
    VersionHash parent() const { return m_parent; }
    // What the rows held in memory are, for finding a base: no file as they
    // stand, grown from the parent and what the opening row names.
    VersionFacts facts(const std::vector<RecordPtr> &rows) const;
    const std::optional<VersionStore> &store() const { return m_store; }
    // Why the last version could not be kept; empty when it was.
    const QString &problem() const { return m_problem; }

private:
    std::optional<VersionStore> m_store;
    VersionHash m_parent = 0;
    QString m_problem;
};

// The window's documents keep every version they read and write in the
// store of Cheqbook's data folder.
void keepVersions(MyDocument &document);
