#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

// Batches of rows from the thread that reads the file to the one that writes
// the report; a few in flight at most, so that memory stays small.
template <typename Row>
class BatchQueue
{
public:
    using Batch = std::vector<Row>;

    void push(Batch batch)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_batches.size() < kInFlight; });
        m_batches.push_back(std::move(batch));
        m_changed.notify_all();
    }
    // The next batch; nothing once the queue is closed and empty. Asking for
    // the next batch says that the one before is done with.
    std::optional<Batch> pop()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return !m_batches.empty() || m_closed; });
        if (m_batches.empty()) {
            m_drained = true;
            m_changed.notify_all();
            return std::nullopt;
        }
        Batch batch = std::move(m_batches.front());
        m_batches.pop_front();
        m_changed.notify_all();
        return batch;
    }
    // Closes the queue and waits until every batch in it is done with.
    void closeAndWait()
    {
        std::unique_lock lock(m_mutex);
        m_closed = true;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_drained; });
    }

private:
    static constexpr size_t kInFlight = 8;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Batch> m_batches;
    bool m_closed = false;
    bool m_drained = false;
};
