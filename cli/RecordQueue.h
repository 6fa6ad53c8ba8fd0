#pragma once

#include "Record.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

// Batches of records from the thread that reads the file to the one that
// writes the report; a few in flight at most, so that memory stays small.
class RecordQueue
{
public:
    void push(std::vector<RecordPtr> batch)
    {
        std::unique_lock lock(m_mutex);
        m_room.wait(lock, [&] { return m_batches.size() < kInFlight; });
        m_batches.push_back(std::move(batch));
        m_ready.notify_one();
    }
    void close()
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        m_ready.notify_one();
    }
    // The next batch; nothing once the queue is closed and empty.
    std::optional<std::vector<RecordPtr>> pop()
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return !m_batches.empty() || m_closed; });
        if (m_batches.empty())
            return std::nullopt;
        std::vector<RecordPtr> batch = std::move(m_batches.front());
        m_batches.pop_front();
        m_room.notify_one();
        return batch;
    }

private:
    static constexpr size_t kInFlight = 8;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_room;
    std::deque<std::vector<RecordPtr>> m_batches;
    bool m_closed = false;
};
