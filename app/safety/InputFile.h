#pragma once

// Opening a file to read it, the same way for every reader: register files,
// bank statements and recovery copies, in the window and in cheqbook-cli.
//
// - Only a regular file is read, after symbolic links are followed. A folder,
//   a pipe, a socket or a device is refused with a message saying which, and
//   opening never waits: a pipe that no program writes to would otherwise
//   hang the reader for good.
// - At most kMaxBytes are read; a larger file is refused, never read until
//   memory runs out.
// - A mapped file that another program cuts short while it is read would kill
//   the reader with SIGBUS. The lost pages read as zeros instead, and
//   finish() reports that the file changed while it was being read; so does
//   a file whose size or time changed meanwhile.

#include "FileIdentity.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <sys/stat.h>

class InputFile
{
    Q_DECLARE_TR_FUNCTIONS(InputFile)

public:
    static constexpr qint64 kMaxBytes = qint64(2) << 30;

    enum class Access {
        Read, // the bytes are read into memory
        Map,  // the file is mapped where it can be, and read otherwise
    };

    InputFile(const QString &path, Access access);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    bool ok() const { return m_error.isEmpty(); }
    // Why the file cannot be read, without its name: "it is a pipe, not a
    // file", "No such file or directory".
    QString error() const { return m_error; }

    // The file's bytes, good while this object lives (a mapped file's pages
    // may have been given back, and are read again from the file if touched).
    QByteArray bytes() const { return m_bytes; }
    bool isMapped() const { return m_mapped != nullptr; }
    // Gives back the memory of [from, to) of a mapped file once read.
    void release(const char *from, const char *to);

    // Call once the bytes are done with: false, with error() set, when the
    // file changed while it was read (the bytes read are then not to be
    // trusted).
    bool finish();

    // The file's status when it was opened.
    const struct stat &status() const { return m_status; }

    // The message for a file that changed while it was read.
    static QString changedWhileReadMessage();

private:
    void open(const QString &path, Access access);
    bool readAll();

    int m_fd = -1;
    struct stat m_status {};
    QByteArray m_bytes;
    char *m_mapped = nullptr;
    qint64 m_mappedSize = 0;
    int m_guard = -1;
    QString m_error;
};

// Why a file of this status is not one a reader reads: "it is a folder, not
// a file", and the like; empty for a regular file.
QString notAFileReason(const struct stat &status);
