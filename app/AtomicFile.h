#pragma once

#include <QByteArray>
#include <QString>

// Writes data to path through a temporary file that replaces the old one only
// when every byte is on disk: a failure at any point (no room, no permission,
// a vanished folder) leaves the old file as it was. Returns an empty string on
// success, otherwise a message naming the file and the cause.
QString writeFileAtomically(const QString &path, const QByteArray &data);

// As above; when a file of that name already exists, it is kept as a backup
// beside the new one, "NAME~" (one generation), before the new one takes its
// place. The backup is a convenience: when it cannot be made, the save still
// goes ahead.
QString writeFileAtomicallyWithBackup(const QString &path, const QByteArray &data);

// The backup kept beside a file.
QString backupPath(const QString &path);
