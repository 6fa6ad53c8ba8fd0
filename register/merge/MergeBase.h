#pragma once

// Finding the base of a merge: the nearest version both sides grew from
// whose rows can be had. That is either side itself (when one grew from the
// other), a version the store kept, or the backup beside either file
// (NAME.ldgr~, the version before its last save).

#include "RegisterMerge.h"
#include "SameRows.h"
#include "RegisterVersions.h"

#include <QDate>

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A register read for merging: its rows, with their identities given, and
// which version it is.
struct VersionRead {
    std::vector<RecordPtr> rows;
    std::vector<RowId> ids; // each row's
    IdIndex index; // the rows by them
    VersionFacts facts;
    QString error; // names the file as given; empty when it was read
    bool ok() const { return error.isEmpty(); }
};
// Rows alike with those of alike are held as theirs. Unnamed: the version's
// hash is not wanted (a base given by name), and the bytes are not hashed.
enum class Naming : quint8 { Named, Unnamed };
VersionRead readVersion(const QString &path, const SameRows *alike = nullptr, Naming naming = Naming::Named);

struct MergeBase {
    enum class Source { None, Mine, Theirs, Kept };
    Source source = Source::None;
    std::vector<RecordPtr> rows; // a kept version's (or a backup's) rows, identities given
    VersionHash hash = 0;
    // The base's rows for mergeRegisters: null when none was found.
    const std::vector<RecordPtr> *of(const std::vector<RecordPtr> &mine, const std::vector<RecordPtr> &theirs) const
    {
        switch (source) {
        case Source::None: return nullptr;
        case Source::Mine: return &mine;
        case Source::Theirs: return &theirs;
        case Source::Kept: return &rows;
        }
        return nullptr;
    }
};

// The base of mine and theirs; registerPaths are the files they are (or
// stand for), whose kept versions and backups are looked at first.
MergeBase findBase(const VersionStore &store, const VersionFacts &mine, const VersionFacts &theirs,
                   const QStringList &registerPaths);

// A merge of the file at theirsPath into mine's rows, ready to be applied
// (applyMerge) once its conflicts are chosen: the base found (or read from
// basePath when one is given), and what the merged rows grew from.
struct PreparedMerge {
    QString error; // the file could not be read, or the two cannot be merged
    RegisterMerge merge;
    std::vector<VersionHash> ancestry;
    VersionHash theirsHash = 0;
    bool ok() const { return error.isEmpty(); }
};
// theirsNamed: theirs as a reading of its own named it (nameFile), when it
// did: theirs is then read without hashing it again, and is that version
// when the file is still as it was.
PreparedMerge prepareMerge(const std::vector<RecordPtr> &mineRows, const VersionFacts &mine, const QString &minePath,
                           const QString &theirsPath, const VersionStore &store, QDate today,
                           const QString &basePath = {}, const NamedFile *theirsNamed = nullptr);
