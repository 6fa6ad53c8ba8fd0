#pragma once

// Long work (reading, writing, importing or printing a large register) tells
// how far it has come, and learns whether the user asked it to stop.

#include <QtGlobal>

class Progress
{
public:
    virtual ~Progress() = default;
    // done out of total so far. False once the user asked to stop: work that
    // can stop then stops, leaving everything as it was.
    virtual bool advance(qint64 done, qint64 total) = 0;
    virtual bool wasCancelled() const = 0;
};

// For work nobody watches.
class NoProgress final : public Progress
{
public:
    bool advance(qint64, qint64) override { return true; }
    bool wasCancelled() const override { return false; }
};

// Thrown from deep inside work whose Progress said to stop, to leave it at
// once; the function that was handed the Progress catches it and returns
// what it returns for work that was stopped.
struct WorkStopped {
};

// A place in an inner loop of long work to report from: every stride-th
// pass it tells progress (when there is one) how far the work has come, and
// throws WorkStopped once progress says to stop.
class StopPoint
{
public:
    explicit StopPoint(Progress *progress, int stride = 4096) : m_progress(progress), m_stride(stride) {}
    void pass(qint64 done, qint64 total)
    {
        if (!m_progress || --m_countdown > 0)
            return;
        m_countdown = m_stride;
        if (!m_progress->advance(done, total))
            throw WorkStopped();
    }

private:
    Progress *m_progress;
    int m_stride;
    int m_countdown = 1;
};
