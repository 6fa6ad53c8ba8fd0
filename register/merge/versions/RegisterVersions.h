#pragma once

// The versions of a register that a merge starts from. Two computers that
// edit one register apart each make versions of their own from the last one
// they shared; merging them needs that one, the base, to tell a row one side
// added from one the other deleted.
//
// A version is named by a hash of its file's bytes. Every save writes on the
// opening row, under Versions, the names of the versions it grew from,
// newest first: the version it was read as, and that one's own ancestry. Any
// version two files both name (or one names the other) is a common ancestor,
// and the base is the nearest one whose bytes Cheqbook kept: at each open
// and save, every version is kept in its private data folder, per register.
// An older Cheqbook keeps the key as it is, and what it names stays true:
// each named version is still an ancestor of what that Cheqbook saves.

#include "AtomicFile.h"
#include "FileIdentity.h"
#include "Register.h"
#include "StableHash.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

using VersionHash = quint64;

inline constexpr QStringView kVersionsKey = u"Versions";
// How many ancestors a file names: enough for many saves on one side before
// the other side is heard from, a few hundred bytes on the opening row.
inline constexpr size_t kAncestryKept = 16;

VersionHash versionHash(QByteArrayView bytes);

// versionHash of bytes handed over a piece at a time, wherever the pieces
// are cut: for a text that is never held whole.
class VersionHasher
{
public:
    void add(QByteArrayView piece);
    VersionHash value() const;

private:
    StableHash m_hash;
    // The bytes of a word not yet whole.
    unsigned char m_pending[8] = {};
    int m_pendingCount = 0;
};

// versionHash of the rows' old-style text, without making it.
VersionHash versionHashOfText(const std::vector<RecordPtr> &rows);
// 16 hexadecimal digits, and back.
QString versionName(VersionHash hash);
std::optional<VersionHash> versionFromName(QStringView name);

// The version of the file at path if it still holds the bytes stamp
// describes (what a reader read); nothing when it changed since.
std::optional<VersionHash> fileVersion(const QString &path, const FileStamp &stamp);
// Whether two stamps are of one file in one state: the same inode, size and
// times, whatever their hashes. Every write moves the status change time,
// which no program can set back: two readings of it read the same bytes.
bool sameFileState(const FileStamp &a, const FileStamp &b);
// A file's version, from a reading of its own, with the file's stamp then
// (no hash in it): the version of the bytes another reading read, beside it
// or after it, when its stamp is in the same state.
struct NamedFile {
    FileStamp stamp;
    VersionHash version = 0;
};
std::optional<NamedFile> nameFile(const QString &path);

// The versions a register grew from, newest first, as its opening row names
// them (words that are no version's name are passed over).
std::vector<VersionHash> ancestry(const std::vector<RecordPtr> &rows);
// The value under Versions that names them, at most kAncestryKept (null for none).
Value ancestryValue(const std::vector<VersionHash> &ancestry);
// Names them on the opening row, at most kAncestryKept, and takes the key
// from any other row (the opening row of an earlier order). Not a change the
// document counts: it goes with the next save.
void setAncestry(const std::vector<RecordPtr> &rows, const std::vector<VersionHash> &ancestry);
// Lists of ancestors joined, newest first: the first of each, then the
// second of each..., each once, at most kAncestryKept.
std::vector<VersionHash> joinAncestries(const std::vector<std::vector<VersionHash>> &lists);

// What each side of a merge is, for finding their base.
struct VersionFacts {
    VersionHash hash = 0; // of the file's bytes; 0 for rows that were never a file as they stand
    std::vector<VersionHash> ancestry;
};
// The versions both sides grew from (either side itself included), nearest
// first: by how recently the further side of the two names it.
std::vector<VersionHash> commonAncestors(const VersionFacts &mine, const VersionFacts &theirs);

// The kept versions: FOLDER/REGISTER/HASH.ldgr, REGISTER a hash of the
// register's path, with a file "register" naming that path for people. Only
// the newest kVersionsKept of a register stay.
class VersionStore
{
public:
    static constexpr int kVersionsKept = 24;

    explicit VersionStore(QString folder) : m_folder(std::move(folder)) {}
    // The store in Cheqbook's data folder.
    static QString defaultFolder();
    const QString &folder() const { return m_folder; }

    // Keeps bytes as a version of the register at registerPath and returns
    // its hash; a version kept before is only marked as used now. Nothing,
    // with why, when it cannot be written (the register itself is safe).
    std::optional<VersionHash> keep(const QString &registerPath, const QByteArray &bytes, QString *error = nullptr);
    // The same for the version named hash whose bytes produce makes.
    std::optional<VersionHash> keep(const QString &registerPath, VersionHash hash, const FileProducer &bytes,
                                    QString *error = nullptr);
    // Keeps the file at path if it still holds the bytes of stamp (what the
    // document read): nothing when it changed since, which is then not the
    // version the document holds.
    std::optional<VersionHash> keepFile(const QString &registerPath, const QString &path, const FileStamp &stamp,
                                        QString *error = nullptr);
    // The bytes of a version, looked for among the versions of the registers
    // named first, then among every register's (one moved or renamed).
    // Nothing when no file holds it whole: bytes that no longer give their
    // name are no version.
    std::optional<QByteArray> find(VersionHash hash, const QStringList &registerPaths = {}) const;

private:
    QString registerFolder(const QString &registerPath) const;
    void prune(const QString &folder) const;

    QString m_folder;
};
