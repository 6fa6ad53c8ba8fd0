#include "OfxReaderProcess.h"

#include "HelperPrograms.h"
#include "OfxReaderProtocol.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A record's fields from what the reader has sent so far; fails quietly when
// the record is not all there yet, and says so (bad) when it is no record.
struct Cursor {
    const QByteArray &bytes;
    qsizetype at;
    bool bad = false;

    template <typename T>
    bool read(T *out)
    {
        if (bytes.size() - at < qsizetype(sizeof(T)))
            return false;
        std::memcpy(out, bytes.constData() + at, sizeof(T));
        at += sizeof(T);
        return true;
    }
    bool text(QString *out)
    {
        std::uint32_t n = 0;
        if (!read(&n))
            return false;
        if (n > ofxreader::kMaxText) {
            bad = true;
            return false;
        }
        if (bytes.size() - at < qsizetype(n))
            return false;
        *out = QString::fromUtf8(bytes.constData() + at, n);
        at += n;
        return true;
    }
};

// What the reader said, record by record as its bytes come.
class Records
{
public:
    // Takes every whole record among the bytes so far; false when they are not records.
    bool add(const char *data, qsizetype size, LibofxReading &reading)
    {
        m_bytes.append(data, size);
        for (;;) {
            Cursor c{m_bytes, m_at};
            char kind = 0;
            if (!c.read(&kind))
                break;
            bool whole = false;
            if (kind == ofxreader::kTransactionRecord) {
                LibofxTransaction t;
                char valid = 0;
                whole = c.read(&t.amount) && c.read(&valid) && c.text(&t.fitid) && c.text(&t.name) && c.text(&t.memo)
                    && c.text(&t.checkNumber);
                t.amountValid = valid != 0;
                if (whole)
                    reading.transactions.push_back(std::move(t));
            } else if (kind == ofxreader::kEndRecord) {
                std::int32_t result = 0;
                whole = c.read(&result);
                ended = ended || whole;
            } else if (kind == ofxreader::kFolderRecord) {
                whole = c.text(&folder);
            } else {
                return false;
            }
            if (c.bad)
                return false;
            if (!whole)
                break;
            m_at = c.at;
        }
        if (m_at > (1 << 16)) {
            m_bytes.remove(0, m_at);
            m_at = 0;
        }
        return true;
    }

    bool ended = false; // the reader read the file to its end
    QString folder;     // the private folder it said it keeps libofx's copy in

private:
    QByteArray m_bytes;
    qsizetype m_at = 0;
};

// The statement as a file that is memory, never on a disk.
int statementInMemory(const QByteArray &bytes)
{
    const int fd = memfd_create("cheqbook-statement", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t n = write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            close(fd);
            return -1;
        }
        at += n;
    }
    if (lseek(fd, 0, SEEK_SET) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Starts the reader in a process group of its own, with the statement as
// its standard input and output into a pipe whose reading end is *output.
std::optional<pid_t> startReader(const QString &program, int input, int *output)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, every;
    sigemptyset(&none);
    sigfillset(&every);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &every);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
    const QByteArray path = QFile::encodeName(program);
    QByteArray parent = QByteArray::number(qint64(getpid()));
    char *argv[] = {const_cast<char *>(path.constData()), parent.data(), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.constData(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(pipeEnds[1]);
    if (failed != 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }
    *output = pipeEnds[0];
    return pid;
}

// Kills the reader and the child it reads in, and waits for it.
void killReader(pid_t pid)
{
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// The process runs: it exists and has not ended. One that was killed stays
// a zombie until whoever adopted it waits for it, its files closed already.
bool processRuns(pid_t pid)
{
    if (kill(pid, 0) != 0 && errno == ESRCH)
        return false;
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close < 0 || text.size() < close + 3 || (text[close + 2] != 'Z' && text[close + 2] != 'X');
}

// Empties and removes a reader's private folder, given open, named in parent (also open).
void removePrivateFolder(int parentFd, const char *name, int folderFd)
{
    ofxreader::removeFolderEntries(folderFd);
    unlinkat(parentFd, name, AT_REMOVEDIR);
}

// The private folder the reader named, when it is one a reader makes: in
// the temporary folder, of the reader's own name, a folder of this user's.
// A reader that libofx misled may name anything else, which is left alone.
void removeReaderFolder(const QString &folder, pid_t reader)
{
    const QFileInfo info(folder);
    const QString expected = QString::fromLatin1(ofxreader::kFolderPrefix) + QString::number(reader) + u'-';
    if (folder.isEmpty() || QDir::cleanPath(info.absolutePath()) != QDir::cleanPath(QDir::tempPath())
        || !info.fileName().startsWith(expected))
        return;
    const int parentFd = open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0)
        return;
    const QByteArray name = QFile::encodeName(info.fileName());
    struct stat st {};
    if (fstatat(parentFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)
        && st.st_uid == geteuid()) {
        const int folderFd = openat(parentFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folderFd >= 0) {
            removePrivateFolder(parentFd, name.constData(), folderFd);
            close(folderFd);
        }
    }
    close(parentFd);
}

} // namespace

QString ofxReaderPath() { return helperProgramPath(u"cheqbook-ofx-reader"_s, "CHEQBOOK_OFX_READER"); }

void sweepOfxReaderFolders(const QString &tempPath)
{
    const int tempFd = open(QFile::encodeName(tempPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (tempFd < 0)
        return;
    const int listed = dup(tempFd);
    DIR *dir = listed >= 0 ? fdopendir(listed) : nullptr;
    if (!dir) {
        if (listed >= 0)
            close(listed);
        close(tempFd);
        return;
    }
    const size_t prefix = std::strlen(ofxreader::kFolderPrefix);
    while (const dirent *e = readdir(dir)) {
        if (std::strncmp(e->d_name, ofxreader::kFolderPrefix, prefix) != 0)
            continue;
        // "cheqbook-ofx-PID-XXXXXX": a reader still alive may have made it
        // and not yet locked it.
        const pid_t pid = pid_t(std::atol(e->d_name + prefix));
        if (pid <= 0 || processRuns(pid))
            continue;
        struct stat st {};
        if (fstatat(tempFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode)
            || st.st_uid != geteuid())
            continue;
        const int folderFd = openat(tempFd, e->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folderFd < 0)
            continue;
        if (flock(folderFd, LOCK_EX | LOCK_NB) == 0)
            removePrivateFolder(tempFd, e->d_name, folderFd);
        close(folderFd);
    }
    closedir(dir);
    close(tempFd);
}

LibofxReading readWithLibofx(const QByteArray &bytes, qsizetype expected, Progress *progress)
{
    LibofxReading reading;
    const QString program = ofxReaderPath();
    if (program.isEmpty()) {
        reading.error = u"cheqbook-ofx-reader, which reads OFX files with libofx, is not installed beside "
                        "Cheqbook (nor in ../libexec/cheqbook beside it); nothing was imported"_s;
        return reading;
    }
    sweepOfxReaderFolders(QDir::tempPath());
    const int input = statementInMemory(bytes);
    int output = -1;
    const std::optional<pid_t> started = input >= 0 ? startReader(program, input, &output) : std::nullopt;
    if (input >= 0)
        close(input);
    if (!started) {
        reading.error = u"%1 could not be started (%2); nothing was imported"_s.arg(program,
                                                                                   QString::fromLocal8Bit(strerror(errno)));
        return reading;
    }
    const pid_t pid = *started;
    Records records;
    bool atEnd = false; // the reader closed its output
    int status = 0;
    char buffer[1 << 16];
    for (;;) {
        if (!atEnd) {
            pollfd watched{output, POLLIN, 0};
            if (poll(&watched, 1, 50) > 0) {
                const ssize_t n = read(output, buffer, sizeof buffer);
                if (n > 0 && !records.add(buffer, n, reading)) {
                    reading.error = u"libofx's reader sent what is not a reading; nothing was imported"_s;
                    break;
                }
                if (qsizetype(reading.transactions.size()) > expected) {
                    reading.error = u"libofx read more transactions than the file has (%1); nothing was "
                                    "imported"_s.arg(expected);
                    break;
                }
                atEnd = n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN);
            }
        } else {
            const pid_t ended = waitpid(pid, &status, WNOHANG);
            if (ended == pid || (ended < 0 && errno != EINTR))
                break;
            usleep(10000);
        }
        // libofx hands over the transactions only once it has read the
        // whole file: until then, how far it has come is not known.
        const qint64 done = qint64(reading.transactions.size());
        if (progress && !progress->advance(done, done > 0 ? expected : 0)) {
            reading.stopped = true;
            break;
        }
    }
    close(output);
    if (!reading.ok() || !atEnd)
        killReader(pid);
    removeReaderFolder(records.folder, pid);
    if (reading.stopped)
        reading.transactions.clear();
    if (!reading.ok())
        return reading;
    if (!records.ended) {
        reading.error = WIFSIGNALED(status)
            ? u"libofx stopped on the file (signal %1); nothing was imported"_s.arg(WTERMSIG(status))
            : u"libofx stopped before the end of the file; nothing was imported"_s;
        reading.transactions.clear();
    }
    return reading;
}
