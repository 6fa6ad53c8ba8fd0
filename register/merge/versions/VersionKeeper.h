#pragma once

// What a document tells about the files it reads and writes, to whoever
// keeps its versions for merging (see RegisterVersions.h). A document
// without one (cheqbook-cli's) reads and writes as ever.

#include "FileIdentity.h"
#include "Record.h"

#include <QByteArray>
#include <QString>

#include <vector>

class VersionKeeper
{
public:
    virtual ~VersionKeeper() = default;
    // The rows were read from path, whose bytes stamp describes.
    virtual void fileRead(const QString &path, const FileStamp &stamp, const std::vector<RecordPtr> &rows) = 0;
    // The rows are about to be written: the keeper may note on them what
    // goes with the file (no change the document counts).
    virtual void aboutToWrite(const std::vector<RecordPtr> &rows) = 0;
    // They were written to path, whose bytes stamp describes.
    virtual void fileWritten(const QString &path, const FileStamp &stamp) = 0;
    // The rows came from somewhere else than the document's file (work
    // recovered after a crash): no version of the file is theirs.
    virtual void rowsRestored() = 0;
    // Whether the file at path, as it stands now, is a version the rows grew
    // from (one merged into them): writing them over it loses nothing of it.
    virtual bool grewFrom(const QString &path, const std::vector<RecordPtr> &rows) const = 0;
};
