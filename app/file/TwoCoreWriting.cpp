#include "TwoCoreWriting.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Rows taken a block at a time: a block's text is a few megabytes, and each
// core holds one at a time.
constexpr size_t kBlockRows = 16384;

// The text of a block of rows in text (emptied first), with the list's
// opening before the first and its closing after the last.
void makeBlock(QByteArray &text, const std::vector<RecordPtr> &rows, size_t block)
{
    text.resize(0);
    if (block == 0)
        text.append(kOldStyleListStart);
    const size_t end = std::min(rows.size(), (block + 1) * kBlockRows);
    for (size_t i = block * kBlockRows; i < end; ++i)
        appendOldStyleRow(text, *rows[i], i + 1 == rows.size());
    if (end == rows.size())
        text.append(kOldStyleListEnd);
}

} // namespace

bool writeOldStyleOnTwoCores(const std::vector<RecordPtr> &rows, const ChunkWriter &put, Progress *progress)
{
    // A progress shown lets the window handle events while the text is made,
    // and an edit then would change the rows under the other core.
    if (rows.size() < kTwoCoreRows || progress)
        return writeOldStyle(rows, put, progress);
    const size_t blocks = (rows.size() + kBlockRows - 1) / kBlockRows;

    // Each core makes every other block and puts it when its turn comes:
    // the text is put in order, and making it and writing it take both.
    std::mutex mutex;
    std::condition_variable changed;
    size_t turn = 0; // the block to be put next
    bool stop = false; // put gave up, or this thread left
    const auto makeAndPut = [&](size_t first) {
        QByteArray text;
        for (size_t block = first; block < blocks; block += 2) {
            makeBlock(text, rows, block);
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return stop || turn == block; });
            if (stop)
                return;
            lock.unlock();
            const bool putAll = put(text);
            lock.lock();
            turn = block + 1;
            stop = stop || !putAll;
            changed.notify_all();
        }
    };
    std::jthread maker(makeAndPut, 1);
    // However this thread leaves (put gave up, memory ran out), the maker
    // stops before it is joined.
    struct Stopping {
        std::mutex &mutex;
        std::condition_variable &changed;
        bool &stop;
        ~Stopping()
        {
            {
                const std::lock_guard lock(mutex);
                stop = true;
            }
            changed.notify_all();
        }
    } stopping{mutex, changed, stop};
    makeAndPut(0);
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return stop || turn == blocks; });
    return turn == blocks && !stop;
}
