#pragma once

#include <QByteArray>
#include <QString>

// Writes data to path through a temporary file that replaces the old one only
// when every byte is on disk: a failure at any point (no room, no permission,
// a vanished folder) leaves the old file as it was. Returns an empty string on
// success, otherwise a message naming the file and the cause.
QString writeFileAtomically(const QString &path, const QByteArray &data);
