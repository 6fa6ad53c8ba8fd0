#include "WatchedWork.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// What the work reports, kept for the waiting thread to pass on; and the
// waiting thread's word that it is to stop.
class Relay final : public Progress
{
public:
    bool advance(qint64 done, qint64 total) override
    {
        m_done.store(done, std::memory_order_relaxed);
        m_total.store(total, std::memory_order_relaxed);
        return !m_stop.load(std::memory_order_acquire);
    }
    bool wasCancelled() const override { return m_stop.load(std::memory_order_acquire); }

    void stop() { m_stop.store(true, std::memory_order_release); }
    qint64 done() const { return m_done.load(std::memory_order_relaxed); }
    qint64 total() const { return m_total.load(std::memory_order_relaxed); }

private:
    std::atomic<qint64> m_done{0};
    std::atomic<qint64> m_total{0};
    std::atomic<bool> m_stop{false};
};

} // namespace

bool runWatched(const std::function<void(Progress &)> &work, Progress &watcher)
{
    Relay relay;
    std::mutex mutex;
    std::condition_variable ended;
    bool finished = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work(relay);
        } catch (const WorkStopped &) {
        } catch (...) {
            failure = std::current_exception();
        }
        const std::lock_guard lock(mutex);
        finished = true;
        ended.notify_one();
    });
    bool cancelled = false;
    std::unique_lock lock(mutex);
    while (!ended.wait_for(lock, std::chrono::milliseconds(20), [&] { return finished; })) {
        lock.unlock();
        // Asked even after Cancel, so that the window stays painted while the work winds down.
        if (!watcher.advance(relay.done(), relay.total()) && !cancelled) {
            cancelled = true;
            relay.stop();
        }
        lock.lock();
    }
    lock.unlock();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return !cancelled && !watcher.wasCancelled();
}
