#pragma once

// Progress on a terminal, for cheqbook-cli --progress: one line on standard
// error, rewritten in place as the work goes on and wiped when it ends, so
// that it never mixes with what the command writes.

#include "Progress.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

namespace cli {

class TerminalProgress final : public Progress
{
public:
    explicit TerminalProgress(const QString &what);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    bool advance(qint64 done, qint64 total) override;
    bool wasCancelled() const override { return false; }

private:
    QByteArray m_what;
    QElapsedTimer m_clock;
    qint64 m_nextLook = 0;
    int m_shownPercent = -1;
};

// What a command reports its progress to: a terminal line when the user asked
// for it (shown) and standard error is a terminal, else nothing. A pipe or a
// log file never receives progress lines.
std::unique_ptr<Progress> progressFor(bool shown, const QString &what);

// Takes the progress line off the terminal, if one is there, so that a
// message starts on a line of its own.
void wipeProgressLine();

} // namespace cli
