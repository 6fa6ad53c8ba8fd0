#include "RowStream.h"

#include "BatchQueue.h"

#include <QFileInfo>

#include <thread>

namespace cli {

RegisterReadResult streamShownRows(const QString &path, Progress *progress,
                                   const std::function<void(const ShownRow &)> &each)
{
    // A small register is read in less time than a thread takes to start.
    if (QFileInfo(path).size() < (qint64(1) << 20))
        return readShownRows(path, [&](ShownRow &&row) { each(row); }, [] {}, progress);
    // The rows read may point into the file, so the reader does not let it
    // go before every row has been handed on.
    constexpr size_t kBatch = 4096;
    using Queue = BatchQueue<ShownRow>;
    Queue queue;
    RegisterReadResult read;
    std::thread reader([&] {
        Queue::Batch batch;
        batch.reserve(kBatch);
        read = readShownRows(
            path,
            [&](ShownRow &&row) {
                batch.push_back(std::move(row));
                if (batch.size() == kBatch) {
                    queue.push(std::move(batch));
                    batch = {};
                    batch.reserve(kBatch);
                }
            },
            [&] {
                if (!batch.empty())
                    queue.push(std::move(batch));
                queue.closeAndWait();
            },
            progress);
    });
    while (std::optional<Queue::Batch> batch = queue.pop())
        for (const ShownRow &row : *batch)
            each(row);
    reader.join();
    return read;
}

} // namespace cli
