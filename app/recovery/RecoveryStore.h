#pragma once

// Crash recovery. While a register has unsaved changes, a copy of it is kept
// in a recovery folder that only its owner may read (a private register's
// rows are in it), rewritten atomically a few seconds after the changes and
// removed once the register is saved or closed. Each running Cheqbook is a
// session holding a lock in that folder (see FileLock: a held lock, not a
// process id); a copy whose session lock is no longer held was left by a
// Cheqbook that did not close normally, and the next start offers it back.

#include "FileIdentity.h"
#include "FileLock.h"
#include "Register.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class RecoveryStore
{
public:
    // The folder is made when needed.
    explicit RecoveryStore(const QString &folder);
    ~RecoveryStore();

    // The user's recovery folder.
    static QString defaultFolder();
    // How long copies the user discarded, and copies that could not be read,
    // are kept aside before they are removed.
    static constexpr int kKeptAsideDays = 7;

    // Writes the copy of one register (id names it within this session): its
    // rows, the file they are the work on (empty for a register never saved)
    // and that file as it was when the work began. Returns an error message,
    // empty on success.
    QString save(int id, const QString &originalPath, const FileStamp &originalStamp, const Register &reg);
    // What save() does first: the folder and this session's lock made.
    // Returns an error message, empty when the store can be written to.
    QString prepare();
    // The first lines of a copy, before the rows (in the form Cheqbook
    // saves, which takes them as comments).
    static QByteArray copyHeader(const QString &originalPath, const FileStamp &originalStamp);
    void remove(int id);
    // This session's copy for id (which may not be there).
    QString fileFor(int id) const;

    struct Recovered {
        QString recoveryFile;
        QString originalPath; // empty for a register that was never saved
        // The file as it was when the work began; unknown for a copy written
        // by an older Cheqbook.
        std::optional<FileStamp> originalStamp;
        std::vector<RecordPtr> rows;
    };
    struct Damaged {
        QString recoveryFile; // where it was found
        QString movedTo;      // where it was put aside; empty when it could not be moved
        QString why;
    };
    struct LeftBehind {
        std::vector<Recovered> recovered;
        std::vector<Damaged> damaged;
    };
    // The copies left by sessions that ended without closing their
    // registers. Those sessions are claimed until releaseClaims(), so that two
    // Cheqbooks starting together do not both offer their copies. A copy that
    // cannot be read is put aside in damagedFolder() and listed as damaged.
    LeftBehind leftBehind();
    // Makes a recovered copy this session's copy for id: it stays on disk,
    // untouched, until the register is saved or a newer copy replaces it.
    QString adopt(const Recovered &recovered, int id);
    // Puts a copy the user declined in discardedFolder().
    QString discard(const Recovered &recovered);
    // Lets go of the sessions leftBehind() claimed, removing their locks.
    void releaseClaims();

    QString folder() const { return m_folder; }
    QString discardedFolder() const;
    QString damagedFolder() const;

private:
    bool ensureSession(QString *error);
    QString putAside(const QString &file, const QString &folder, QString *error) const;
    void pruneAside() const;

    QString m_folder;
    QString m_session; // this session's name, random
    std::unique_ptr<FileLock> m_sessionLock;
    std::vector<std::unique_ptr<FileLock>> m_claims;
};
