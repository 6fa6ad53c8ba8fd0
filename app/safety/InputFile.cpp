#include "InputFile.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Mapped files being read. A signal handler belongs to the whole process, so
// this table does too; the handler only reads it.
struct GuardedRange {
    std::atomic<const char *> begin{nullptr};
    std::atomic<size_t> length{0};
    std::atomic<bool> faulted{false};
};
constexpr int kGuardedRanges = 64;
GuardedRange guardedRanges[kGuardedRanges];
std::mutex guardedRangesMutex;
uintptr_t pageMask = 0;
struct sigaction previousBusHandler {};

// A page of a mapped file that is no longer in the file (another program cut
// the file short) is replaced with a page of zeros, so that the access goes
// on; the reader is told afterwards. Any other SIGBUS goes where it went
// before.
void onBusError(int signal, siginfo_t *info, void *context)
{
    const auto *address = static_cast<const char *>(info->si_addr);
    if (info->si_code > 0) {
        for (GuardedRange &range : guardedRanges) {
            const char *begin = range.begin.load(std::memory_order_acquire);
            if (!begin || address < begin || address >= begin + range.length.load(std::memory_order_relaxed))
                continue;
            void *page = reinterpret_cast<void *>(reinterpret_cast<uintptr_t>(address) & pageMask);
            if (::mmap(page, ~pageMask + 1, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
                range.faulted.store(true, std::memory_order_relaxed);
                return;
            }
        }
    }
    if ((previousBusHandler.sa_flags & SA_SIGINFO) && previousBusHandler.sa_sigaction) {
        previousBusHandler.sa_sigaction(signal, info, context);
    } else if (previousBusHandler.sa_handler != SIG_DFL && previousBusHandler.sa_handler != SIG_IGN) {
        previousBusHandler.sa_handler(signal);
    } else {
        // The access that faulted runs again and ends the program, as it
        // would have without this handler.
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        ::sigaction(SIGBUS, &fallback, nullptr);
    }
}

void installBusHandler()
{
    pageMask = ~uintptr_t(::sysconf(_SC_PAGESIZE) - 1);
    struct sigaction action {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previousBusHandler);
}

// The slot guarding [begin, begin + length), or -1 when all are taken.
int guardRange(const char *begin, size_t length)
{
    static std::once_flag installed;
    std::call_once(installed, installBusHandler);
    const std::lock_guard lock(guardedRangesMutex);
    for (int i = 0; i < kGuardedRanges; ++i) {
        GuardedRange &range = guardedRanges[i];
        if (range.begin.load(std::memory_order_relaxed))
            continue;
        range.length.store(length, std::memory_order_relaxed);
        range.faulted.store(false, std::memory_order_relaxed);
        range.begin.store(begin, std::memory_order_release);
        return i;
    }
    return -1;
}

void unguardRange(int slot)
{
    const std::lock_guard lock(guardedRangesMutex);
    guardedRanges[slot].begin.store(nullptr, std::memory_order_release);
}

qint64 nanoseconds(const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; }

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString tooLargeMessage() { return InputFile::tr("it is larger than 2 GiB, more than Cheqbook reads"); }

} // namespace

QString notAFileReason(const struct stat &status)
{
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return InputFile::tr("it is a folder, not a file");
    if (S_ISFIFO(status.st_mode))
        return InputFile::tr("it is a pipe, not a file");
    if (S_ISSOCK(status.st_mode))
        return InputFile::tr("it is a socket, not a file");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return InputFile::tr("it is a device, not a file");
    return InputFile::tr("it is not a regular file");
}

QString InputFile::changedWhileReadMessage()
{
    return InputFile::tr("it was changed by another program while it was being read; try again");
}

InputFile::InputFile(const QString &path, Access access) { open(path, access); }

InputFile::~InputFile()
{
    if (m_mapped) {
        unguardRange(m_guard);
        ::munmap(m_mapped, size_t(m_mappedSize));
    }
    if (m_fd >= 0)
        ::close(m_fd);
}

void InputFile::open(const QString &path, Access access)
{
    const QByteArray native = QFile::encodeName(path);
    // What the path names is looked at before it is opened, so that a device
    // is never opened (some act on being opened) and a pipe never waited on.
    struct stat named {};
    if (::stat(native.constData(), &named) != 0) {
        m_error = systemError(errno);
        return;
    }
    m_error = notAFileReason(named);
    if (!m_error.isEmpty())
        return;
    m_fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = systemError(errno);
        return;
    }
    // It may have been replaced in between.
    if (::fstat(m_fd, &m_status) != 0) {
        m_error = systemError(errno);
        return;
    }
    m_error = notAFileReason(m_status);
    if (!m_error.isEmpty())
        return;
    if (m_status.st_size > kMaxBytes) {
        m_error = tooLargeMessage();
        return;
    }
    if (access == Access::Map && m_status.st_size > 0) {
        const size_t size = size_t(m_status.st_size);
        void *mapped = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, m_fd, 0);
        if (mapped != MAP_FAILED) {
            m_guard = guardRange(static_cast<const char *>(mapped), size);
            if (m_guard >= 0) {
                m_mapped = static_cast<char *>(mapped);
                m_mappedSize = qint64(size);
                m_bytes = QByteArray::fromRawData(m_mapped, qsizetype(size));
                return;
            }
            ::munmap(mapped, size);
        }
    }
    readAll();
}

bool InputFile::readAll()
{
    // The size is where reading starts, not a promise: files in /proc say 0,
    // and a file may grow while it is read.
    constexpr qint64 kStep = 1 << 20;
    qint64 used = 0;
    m_bytes.resize(qsizetype(std::min<qint64>(m_status.st_size + 1, kMaxBytes + 1)));
    for (;;) {
        if (used == m_bytes.size()) {
            if (used > kMaxBytes) {
                m_bytes.clear();
                m_error = tooLargeMessage();
                return false;
            }
            m_bytes.resize(qsizetype(std::min(std::max(used * 2, used + kStep), kMaxBytes + 1)));
        }
        const ssize_t n = ::read(m_fd, m_bytes.data() + used, size_t(m_bytes.size() - used));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            m_bytes.clear();
            m_error = systemError(errno);
            return false;
        }
        if (n == 0)
            break;
        used += n;
    }
    m_bytes.truncate(qsizetype(used));
    return true;
}

void InputFile::release(const char *from, const char *to)
{
    if (!m_mapped)
        return;
    const auto first = reinterpret_cast<uintptr_t>(m_mapped);
    const uintptr_t page = ~pageMask + 1;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(from) - first + page - 1) & pageMask;
    const uintptr_t end = (reinterpret_cast<uintptr_t>(to) - first) & pageMask;
    if (end > begin)
        ::madvise(m_mapped + begin, end - begin, MADV_DONTNEED);
}

bool InputFile::finish()
{
    if (!ok())
        return false;
    bool changed = m_mapped && guardedRanges[m_guard].faulted.load(std::memory_order_relaxed);
    struct stat now {};
    if (::fstat(m_fd, &now) != 0 || now.st_size != m_status.st_size
        || nanoseconds(now.st_mtim) != nanoseconds(m_status.st_mtim))
        changed = true;
    if (changed)
        m_error = changedWhileReadMessage();
    return !changed;
}
