#include "TwoCoreWriting.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// Rows taken a block at a time: a block's text is a few megabytes, and at
// most two of them wait to be written.
constexpr size_t kBlockRows = 16384;
constexpr qsizetype kPiece = qsizetype(1) << 20;

// Hands out on, leaving it empty for more.
bool putOut(QByteArray &out, const ChunkWriter &put)
{
    const bool ok = put(out);
    out.resize(0);
    return ok;
}

// Appends the text of a block's rows to out; given put, hands it on a piece
// at a time.
bool appendBlock(const std::vector<RecordPtr> &rows, size_t block, QByteArray &out, const ChunkWriter *put)
{
    const size_t end = std::min(rows.size(), (block + 1) * kBlockRows);
    for (size_t i = block * kBlockRows; i < end; ++i) {
        appendOldStyleRow(out, *rows[i], i + 1 == rows.size());
        if (put && out.size() >= kPiece && !putOut(out, *put))
            return false;
    }
    return true;
}

} // namespace

bool writeOldStyleOnTwoCores(const std::vector<RecordPtr> &rows, const ChunkWriter &put, Progress *progress)
{
    if (rows.size() < kTwoCoreRows)
        return writeOldStyle(rows, put, progress);
    const size_t blocks = (rows.size() + kBlockRows - 1) / kBlockRows;

    // The odd blocks are made on another thread while this one makes the
    // even ones and puts every block in order.
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<QByteArray> made; // the next odd block's text, not yet taken
    bool stop = false;
    std::jthread maker([&] {
        for (size_t block = 1; block < blocks; block += 2) {
            QByteArray text;
            appendBlock(rows, block, text, nullptr);
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return stop || !made; });
            if (stop)
                return;
            made = std::move(text);
            changed.notify_all();
        }
    });
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

    QByteArray out;
    out.reserve(kPiece + 4096);
    out.append(kOldStyleListStart);
    for (size_t block = 0; block < blocks; ++block) {
        if (progress)
            progress->advance(qint64(block * kBlockRows), qint64(rows.size()));
        if (block % 2 == 0) {
            if (!appendBlock(rows, block, out, &put))
                return false;
            continue;
        }
        QByteArray text;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return made.has_value(); });
            text = std::move(*made);
            made.reset();
        }
        changed.notify_all();
        if ((!out.isEmpty() && !putOut(out, put)) || !put(text))
            return false;
    }
    out.append(kOldStyleListEnd);
    return put(out);
}
