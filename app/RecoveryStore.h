#pragma once

// Crash recovery. While a register has unsaved changes, a copy of it is kept
// in a recovery folder, rewritten (atomically) a few seconds after each
// change and removed once the register is saved or closed. Each running
// Cheqbook holds a session lock in that folder; a copy whose session lock is
// no longer held was left by a Cheqbook that did not close normally, and the
// next start offers it back.

#include "Register.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

class RecoveryStore
{
public:
    // The folder is made when needed.
    explicit RecoveryStore(const QString &folder);
    ~RecoveryStore();

    // The user's recovery folder.
    static QString defaultFolder();

    // Writes the copy of one register (id names it within this session);
    // returns an error message, empty on success.
    QString save(int id, const QString &originalPath, const Register &reg);
    void remove(int id);

    struct Recovered {
        QString recoveryFile;
        QString originalPath; // empty for a register that was never saved
        std::vector<RecordPtr> rows;
    };
    // The copies left by sessions that ended without closing their registers.
    // A copy that cannot be read is left where it is.
    std::vector<Recovered> leftBehind() const;
    // Removes a copy once it has been restored or declined.
    static void discard(const Recovered &recovered);

    QString folder() const { return m_folder; }

private:
    QString fileFor(int id) const;
    bool ensureSession();

    QString m_folder;
    std::unique_ptr<QLockFile> m_session;
};
