// cheqbook-ofx-reader: libofx over one OFX statement, for Cheqbook and
// cheqbook-cli (see OfxReaderProtocol.h for what it says to them).
//
// libofx's parser can run for minutes over a hostile file, with no way to be
// told to stop; in a process of its own it can be killed instead. libofx also
// writes a copy of the statement to the temporary folder, which a reader
// killed half way would leave there for good. So the reader:
//
// - dies with the program that started it, and writes no core file (the
//   statement would be in it);
// - reads the statement from its standard input, which is memory the
//   program handed it, never a file;
// - keeps libofx's copy in a folder of memory that only it can see (a mount
//   namespace of its own, whose folder is gone the moment the reader is),
//   done in a child, since a process that tried and failed is left in a
//   namespace where it can create no file;
// - where the system gives no namespaces, keeps it in a private folder in
//   the temporary folder instead, locked while it is used, removed when it
//   ends; one left behind by a reader that was killed is removed by the next
//   reading (OfxReaderProcess.cpp).

#include "OfxReaderProtocol.h"

#include <libofx/libofx.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The program that started the reader does not want to hear from it again.
constexpr int kNoParent = 71;

bool writeAll(const void *data, size_t size)
{
    const char *p = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = write(STDOUT_FILENO, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= size_t(n);
    }
    return true;
}

void putText(std::string &out, const char *text, size_t capacity)
{
    const std::uint32_t n = std::uint32_t(strnlen(text, capacity));
    out.append(reinterpret_cast<const char *>(&n), sizeof n);
    out.append(text, n);
}

// One record per transaction, as libofx hands it over, so that the program
// can tell how far the reading has come.
int takeTransaction(const OfxTransactionData data, void *)
{
    std::string record(1, ofxreader::kTransactionRecord);
    const double amount = data.amount_valid ? data.amount : 0.0;
    const char valid = data.amount_valid ? 1 : 0;
    record.append(reinterpret_cast<const char *>(&amount), sizeof amount);
    record.push_back(valid);
    putText(record, data.fi_id_valid ? data.fi_id : "", sizeof data.fi_id);
    putText(record, data.name_valid ? data.name : "", sizeof data.name);
    putText(record, data.memo_valid ? data.memo : "", sizeof data.memo);
    putText(record, data.check_number_valid ? data.check_number : "", sizeof data.check_number);
    if (!writeAll(record.data(), record.size()))
        _exit(kNoParent);
    return 0;
}

int readStatement()
{
    // libofx's messages would go to standard error, which nobody reads.
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = ofx_DEBUG4_msg =
        ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = ofx_ERROR_msg = ofx_show_position = 0;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, takeTransaction, nullptr);
    const std::int32_t result = libofx_proc_file(context, "/proc/self/fd/0", OFX);
    libofx_free_context(context);
    std::string record(1, ofxreader::kEndRecord);
    record.append(reinterpret_cast<const char *>(&result), sizeof result);
    return writeAll(record.data(), record.size()) ? 0 : kNoParent;
}

bool writeFile(const char *path, const std::string &text)
{
    const int fd = open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = write(fd, text.data(), text.size()) == ssize_t(text.size());
    close(fd);
    return ok;
}

// A user and mount namespace of the process's own, with a folder of memory
// over /tmp that no other process sees and that ends with the namespace.
bool memoryTempFolder()
{
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    // Each id maps to itself: the reader stays the user it was.
    char uidMap[64], gidMap[64];
    std::snprintf(uidMap, sizeof uidMap, "%u %u 1", unsigned(uid), unsigned(uid));
    std::snprintf(gidMap, sizeof gidMap, "%u %u 1", unsigned(gid), unsigned(gid));
    if (!writeFile("/proc/self/setgroups", "deny") || !writeFile("/proc/self/uid_map", uidMap)
        || !writeFile("/proc/self/gid_map", gidMap))
        return false;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    if (mount("tmpfs", "/tmp", "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC, "mode=0700") != 0)
        return false;
    return setenv("TMPDIR", "/tmp", 1) == 0;
}

// Reads with libofx's copy in a private folder of the temporary folder,
// locked while it is in use so that no other reading takes it for one
// left behind.
int readInPrivateFolder()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + '/' + ofxreader::kFolderPrefix
        + std::to_string(getpid()) + "-XXXXXX";
    if (!mkdtemp(path.data()))
        return EXIT_FAILURE;
    const int dirFd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0 || flock(dirFd, LOCK_EX) != 0) {
        rmdir(path.c_str());
        return EXIT_FAILURE;
    }
    std::string record(1, ofxreader::kFolderRecord);
    putText(record, path.c_str(), path.size());
    int result = kNoParent;
    if (writeAll(record.data(), record.size()) && setenv("TMPDIR", path.c_str(), 1) == 0)
        result = readStatement();
    ofxreader::removeFolderEntries(dirFd);
    rmdir(path.c_str());
    close(dirFd);
    return result;
}

// Ends the process the way its child ended.
[[noreturn]] void endAs(int status)
{
    if (WIFSIGNALED(status)) {
        std::signal(WTERMSIG(status), SIG_DFL);
        raise(WTERMSIG(status));
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : EXIT_FAILURE);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("cheqbook-ofx-reader is run by Cheqbook and cheqbook-cli, not by hand\n", stderr);
        return 2;
    }
    const pid_t parent = pid_t(std::atoi(argv[1]));
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent)
        return kNoParent;
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);

    const pid_t reader = getpid();
    const pid_t child = fork();
    if (child < 0)
        return readInPrivateFolder();
    if (child == 0) {
        if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != reader)
            _exit(kNoParent);
        _exit(memoryTempFolder() ? readStatement() : ofxreader::kNoNamespace);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return EXIT_FAILURE;
    if (WIFEXITED(status) && WEXITSTATUS(status) == ofxreader::kNoNamespace)
        return readInPrivateFolder();
    endAs(status);
}
