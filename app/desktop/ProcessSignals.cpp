#include "ProcessSignals.h"

#include "DocumentController.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe from the signal handler to the event loop. A signal handler
// belongs to the whole process, so this does too.
int signalPipe[2] = {-1, -1};

void onEndSignal(int signal)
{
    const int saved = errno;
    const char byte = char(signal);
    (void)!::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void ProcessSignals::reportFailedWrites()
{
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

ProcessSignals::ProcessSignals(DocumentController &documents, QObject *parent)
    : QObject(parent), m_documents(documents)
{
    reportFailedWrites();
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ProcessSignals::endRequested);
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kEndSignals)
        ::sigaction(signal, &action, nullptr);
}

ProcessSignals::~ProcessSignals()
{
    for (int signal : kEndSignals)
        std::signal(signal, SIG_DFL);
}

void ProcessSignals::endRequested()
{
    char byte = 0;
    if (::read(signalPipe[0], &byte, 1) != 1)
        return;
    m_documents.writeRecoveryCopies();
    // Ended by the signal, as the sender expects; the locks go with the
    // process, and the copies wait for the next start.
    std::signal(byte, SIG_DFL);
    ::raise(byte);
}
