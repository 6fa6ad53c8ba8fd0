#include "TerminalProgress.h"

#include "Report.h"

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace cli {

namespace {
// Whether standard error ends in a progress line, which the next message
// would otherwise be appended to.
bool lineShown = false;
} // namespace

void wipeProgressLine()
{
    if (!lineShown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    lineShown = false;
}

TerminalProgress::TerminalProgress(const QString &what) : m_what(withControlsShown(what).toUtf8())
{
    m_clock.start();
}

TerminalProgress::~TerminalProgress()
{
    wipeProgressLine();
}

bool TerminalProgress::advance(qint64 done, qint64 total)
{
    // A terminal redrawn a few times a second is enough to watch.
    if (m_clock.elapsed() < m_nextLook)
        return true;
    m_nextLook = m_clock.elapsed() + 100;
    const int percent = total > 0 ? int(std::clamp<qint64>(done * 100 / total, 0, 100)) : 0;
    if (percent == m_shownPercent && lineShown)
        return true;
    m_shownPercent = percent;
    std::fprintf(stderr, "\r\033[K%s %d%%", m_what.constData(), percent);
    std::fflush(stderr);
    lineShown = true;
    return true;
}

std::unique_ptr<Progress> progressFor(bool shown, const QString &what)
{
    if (shown && ::isatty(STDERR_FILENO))
        return std::make_unique<TerminalProgress>(what);
    return std::make_unique<NoProgress>();
}

} // namespace cli
