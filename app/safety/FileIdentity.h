#pragma once

// Which file a path names, and whether a file is still the one read or
// written. A register may be reached through symbolic links, "." and "..";
// what matters for saving, locking and comparing is the file itself.

#include <QByteArrayView>
#include <QString>

#include <optional>

#include <sys/types.h>

struct stat;

// The file a path names once symbolic links are followed, as an absolute path
// without "." or "..". A link whose target does not exist yet resolves to
// that target, so that writing through it creates the file and keeps the link.
QString resolvedPath(const QString &path);

// Whether two paths name the same file: the same device and inode when both
// exist (so a symbolic link, a hard link, "./F" and "dir/../F" are all F),
// otherwise the same resolved path.
bool isSameFile(const QString &a, const QString &b);

// The names of a user and a group, as the system knows them (their numbers
// when it does not).
QString userName(uid_t uid);
QString groupName(gid_t gid);

// A hash of a file's bytes: fast, and the same from one run to the next.
quint64 contentHash(QByteArrayView bytes);

// What a file looked like when it was last read or written, so that a change
// by another program can be told from none: its identity, size and times, and
// a hash of its bytes for a change that keeps the size and the time (cp -p,
// rsync -t).
struct FileStamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 statusChangedNs = 0;
    quint64 hash = 0;

    // The stamp of a file as it was read or written: its status and the hash
    // of the bytes that were read or written.
    static FileStamp of(const struct stat &status, quint64 hash);
    // The stamp of the file at path now, with the hash of bytes known to be
    // its content; a missing file gives the stamp of no file.
    static FileStamp of(const QString &path, quint64 hash);
    // The stamp of the file at path as it is now, its bytes read to hash
    // them; the stamp of no file when it cannot be read.
    static FileStamp read(const QString &path);

    // Whether the file at path is no longer the file this stamp describes: it
    // appeared, vanished, or holds other bytes. The file is read (to hash it)
    // only when its size and modification time are as they were but its
    // inode or status change time are not. A file that cannot be read counts
    // as changed.
    bool changedOnDisk(const QString &path) const;

    // One line of text, and back; nothing for text that is not a stamp.
    QString toText() const;
    static std::optional<FileStamp> fromText(QStringView text);

    bool operator==(const FileStamp &) const = default;
};
