#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// What writes a file in pieces: it calls put with each piece in turn and
// returns true once all are put; false, or a put that failed (which returns
// false), gives the write up and leaves the old file as it was.
using ChunkWriter = std::function<bool(QByteArrayView chunk)>;
using FileProducer = std::function<bool(const ChunkWriter &put)>;

// Writes data to path through a temporary file that replaces the old one only
// when every byte is on disk: a failure at any point (no room, no permission,
// a vanished folder, a file size limit) leaves the old file as it was.
// Returns an empty string on success, otherwise a message naming the file and
// the cause.
//
// A path that is a symbolic link is written through: the file it leads to is
// replaced and the link stays a link. An output that exists and is not a
// regular file (a device, a pipe, /dev/stdout) is not replaced: the data is
// written to it directly, and a failed write is reported. A new file gets the
// usual mode (0666 less the umask); a file written over keeps its mode, its
// owner and its group. A file that cannot keep them (another user's, or a
// group the writer is not in), or that the writer may not change, is not
// replaced: the message says why.
QString writeFileAtomically(const QString &path, const QByteArray &data);
// The same, the bytes written as produce makes them; when produce gives up,
// the old file is as it was.
QString writeFileAtomically(const QString &path, const FileProducer &produce);

// As above; when a file of that name already exists, it is kept as a backup
// beside the new one, "NAME~" (one generation), before the new one takes its
// place. A kill at any moment leaves the file and its backup whole and apart,
// and a half-made backup ("NAME~.new") is cleared by the next save. The
// backup is a convenience: when it cannot be made, the save still goes ahead.
QString writeFileAtomicallyWithBackup(const QString &path, const QByteArray &data);
// The same, the bytes written as produce makes them. When produce gives up,
// the old file is as it was and the message says the write was cancelled.
QString writeFileAtomicallyWithBackup(const QString &path, const FileProducer &produce);

// As writeFileAtomically, for a file only its owner may read: it is written
// with mode 0600, whatever the umask and whatever mode an older file had.
QString writePrivateFileAtomically(const QString &path, const QByteArray &data);
// The same, the bytes written as produce makes them, so that a large file
// is never held whole.
QString writePrivateFileAtomically(const QString &path, const FileProducer &produce);

// The backup kept beside a file (given its resolved path).
QString backupPath(const QString &path);

// Why a save would not replace the file at path (it is read-only, or it
// would lose its owner or group); empty when it would, or when there is no
// such file.
QString replaceRefusal(const QString &path);
