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
