#pragma once

// Dated backups of a register, beyond the one NAME~ kept beside it: the
// version a register had before each day it was saved on, so that a change
// regretted days later, or a save that went wrong twice, can still be undone.
//
// They live in the data folder, not beside the register: that folder is the
// user's own (a register in a shared folder does not hand its history to
// everyone who may read the folder), backups of a register on a memory stick
// stay on the computer, and a read-only or crowded register folder is no
// obstacle. Each register has a folder of its own there, named after the
// file and its path.

#include "AtomicFile.h"

#include <QDateTime>
#include <QString>

#include <vector>

struct BackupPolicy {
    // Every dated version of the last `days` days is kept, and of older ones
    // the last of each week, for `weeks` weeks; the newest is always kept.
    int days = 7;
    int weeks = 8;

    // As the user set it ("backups/days" and "backups/weeks" in Cheqbook's
    // settings), the values above when not set.
    static BackupPolicy fromSettings();
};

struct BackupVersion {
    QString path;
    QDateTime savedAt; // when that version of the register was saved
};

class RegisterBackups
{
public:
    // registerPath is the register file itself (links followed); the backups
    // of every register are under backupsFolder.
    explicit RegisterBackups(const QString &registerPath, const QString &backupsFolder = defaultFolder(),
                             BackupPolicy policy = BackupPolicy::fromSettings());

    static QString defaultFolder();
    // This register's folder of backups.
    QString folder() const { return m_folder; }

    // The dated versions kept, newest first.
    std::vector<BackupVersion> versions() const;

    // Called before the register is replaced at now: when the version it
    // holds was saved on an earlier day, it is kept as a dated copy (once),
    // and the copies the policy no longer keeps go. Returns why the copy
    // could not be made, empty when it was made or was not needed.
    QString keepVersionBefore(const QDateTime &now);

    // Removes the copies the policy does not keep as of today.
    void prune(const QDate &today) const;

private:
    QString m_register;
    QString m_folder;
    BackupPolicy m_policy;
};

// Every earlier version kept of the register (links followed): NAME~, the
// version before the last save, then the dated copies, newest first.
std::vector<BackupVersion> earlierVersions(const QString &registerPath);

struct RegisterWrite {
    QString error;        // empty when the file holds the data now
    bool written = false; // false when it held them already: nothing was touched
};

// Writes a register's bytes to path as every save does. A file that already
// holds exactly these bytes is left alone, so that its backups stay the
// versions before real changes. Otherwise the version it holds is kept as a
// dated backup when it is from an earlier day, and as NAME~, and the data
// replace it whole (see writeFileAtomicallyWithBackup).
RegisterWrite writeRegisterFile(const QString &path, const QByteArray &data,
                                const QDateTime &now = QDateTime::currentDateTime());
// The same, the bytes written as produce makes them: the old file is
// compared with them on the way, and left alone when they are its own.
RegisterWrite writeRegisterFile(const QString &path, const FileProducer &produce,
                                const QDateTime &now = QDateTime::currentDateTime());
