// The pieces every command of cheqbook-cli shares.

#include "Cli.h"
#include "TerminalProgress.h"

#include "DocumentVersions.h"
#include "FileIdentity.h"
#include "Report.h"
#include "RunningBalance.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace cli {

void error(const QString &message)
{
    // What a message quotes of a file or a command line (a name, an amount,
    // a line of a statement) may hold an escape sequence: it is shown, not
    // sent to the terminal.
    const QByteArray line = "cheqbook-cli: " + withControlsShown(message).toUtf8() + '\n';
    wipeProgressLine();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

namespace {
bool outFailed = false;

void reportOutFailure()
{
    // A reader that has gone (as "| head" does once it has its lines) is no
    // failure: end as cat and the other tools of a pipeline do, by the signal.
    // The signal is ignored while the program runs so that a closed pipe
    // given with -o is reported instead.
    if (errno == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    if (!outFailed)
        error(u"cannot write to standard output: %1"_s.arg(QString::fromLocal8Bit(std::strerror(errno))));
    outFailed = true;
}

// A pipe holds 64 KiB unless told otherwise, and a large output through it
// waits on its reader at every 64 KiB: a report of a million rows spent a
// third of its time so. Grown once, the two take it in larger steps. A pipe
// that cannot grow (the user's share of pipe memory used up) stays as it is.
void growOutPipe()
{
#ifdef F_SETPIPE_SZ
    static bool tried = false;
    if (tried)
        return;
    tried = true;
    struct stat out;
    if (fstat(STDOUT_FILENO, &out) == 0 && S_ISFIFO(out.st_mode))
        fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
#endif
}
} // namespace

bool writeOut(const QString &text) { return writeOut(QByteArrayView(text.toUtf8())); }

bool writeOut(QByteArrayView bytes)
{
    if (outFailed)
        return false;
    // Nothing to write may come without a buffer, which fwrite must not be given.
    if (bytes.isEmpty())
        return true;
    if (bytes.size() >= (qsizetype(64) << 10))
        growOutPipe();
    if (std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())) {
        reportOutFailure();
        return false;
    }
    return true;
}

bool finishOut()
{
    if (outFailed)
        return false;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        reportOutFailure();
        return false;
    }
    return true;
}

Arguments parseArguments(const QStringList &args, const QStringList &acceptedFlags)
{
    Arguments a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"-h" || arg == u"--help") {
            a.help = true;
        } else if (arg == u"--progress") {
            a.showProgress = true;
        } else if (arg == u"-o" || arg == u"--output") {
            if (i + 1 >= args.size()) {
                a.problem = u"%1 needs a file name"_s.arg(arg);
                return a;
            }
            a.output = args[++i];
        } else if (arg.startsWith(u"--output=")) {
            a.output = arg.mid(9);
        } else if (arg.startsWith(u"-o") && arg.size() > 2 && !arg.startsWith(u"--")) {
            a.output = arg.mid(2);
        } else if (arg == u"--") {
            a.positional += args.mid(i + 1);
            break;
        } else if (arg.startsWith(u"--") && acceptedFlags.contains(arg.section(u'=', 0, 0) + u'=')) {
            const QString name = arg.section(u'=', 0, 0);
            if (arg.contains(u'=')) {
                a.values.insert(name, arg.section(u'=', 1));
            } else if (i + 1 < args.size()) {
                a.values.insert(name, args[++i]);
            } else {
                a.problem = u"%1 needs a value"_s.arg(arg);
                return a;
            }
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            if (!acceptedFlags.contains(arg)) {
                a.problem = u"unknown option %1"_s.arg(arg);
                return a;
            }
            a.flags << arg;
        } else {
            a.positional << arg;
        }
    }
    return a;
}

MyDocument *openRegister(const QString &path, Recalculate recalculate, Progress *progress)
{
    auto *doc = new MyDocument; // see the header: never taken apart
    QString why;
    if (!doc->readFromFile(path, u"ldgr", &why, progress)) {
        error(why);
        delete doc;
        return nullptr;
    }
    // Said once, as the window says it on opening: the balances shown and
    // written are the ones the amounts give.
    if (const QString disagreement = storedBalanceDisagreement(*doc->array()); !disagreement.isEmpty())
        error(u"%1: %2; the balances the amounts give are used"_s.arg(path, disagreement));
    // Amounts as the window holds them once it has shown them, so that what
    // the commands write is in one form with what the window saves.
    if (recalculate == Recalculate::Yes)
        rewriteAmountsAndRecalculate(*doc->array());
    return doc;
}

int saveRegister(MyDocument &doc, const QString &path, Progress *progress)
{
    // The register names the version it was read as, so that a merge of it
    // with a version changed elsewhere knows where both began.
    if (!doc.versionKeeper() && !doc.fileName().isEmpty())
        doc.setVersionKeeper(std::make_unique<DocumentVersions>(
            std::nullopt, fileVersion(doc.fileName(), doc.diskStamp()).value_or(0)));
    QString why;
    if (!doc.saveToFile(path, &why, progress)) {
        error(why);
        return Failed;
    }
    return Ok;
}

bool outputIsAnInput(const QString &output, const QStringList &inputs, const QString &what)
{
    for (const QString &input : inputs) {
        if (isSameFile(output, input)) {
            error(u"%1 is %2 %3 itself; write to another file"_s.arg(output, what, input));
            return true;
        }
    }
    return false;
}

} // namespace cli
