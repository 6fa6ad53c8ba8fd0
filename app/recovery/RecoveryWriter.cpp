#include "RecoveryWriter.h"

#include "AtomicFile.h"
#include "MyDocument.h"
#include "RecoveryStore.h"
#include "RegisterFile.h"
#include "RunningBalance.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <unordered_map>

#include <sys/resource.h>
#include <unistd.h>

namespace {
// Rows read under one hold of the lock: short enough that the window's
// thread, waiting to change a record, waits well under a millisecond.
constexpr size_t kBatch = 512;
} // namespace

struct RecoveryWriter::Job {
    // Not shares of the records: taking a million shares holds the window
    // for a tenth of a second. Records that leave the register while the
    // copy is written are kept alive instead (the window's thread alone
    // touches this list).
    std::vector<const Record *> rows;
    std::vector<RecordPtr> keptAlive;
    QByteArray header;
    QString target;
    quint64 changes = 0; // the document's changes when the rows were taken

    std::mutex gate;
    // Records as they were when the rows were taken, kept before they changed.
    std::unordered_map<const Record *, std::unique_ptr<Record>> before;
    std::atomic<bool> cancelled{false};
    QString error; // the thread's, read once it has ended

    // What the thread does: the copy, written a batch of rows at a time.
    void write()
    {
        error = writePrivateFileAtomically(target, [this](const ChunkWriter &put) {
            if (!put(header) || !put(rows.empty() ? QByteArrayView("()\n") : QByteArrayView(kOldStyleListStart)))
                return false;
            QByteArray chunk;
            Cents total = 0;
            for (size_t first = 0; first < rows.size(); first += kBatch) {
                if (cancelled.load(std::memory_order_relaxed))
                    return false;
                chunk.clear();
                {
                    const std::lock_guard lock(gate);
                    for (size_t i = first; i < std::min(rows.size(), first + kBatch); ++i) {
                        const auto kept = before.find(rows[i]);
                        const Record &record = kept == before.end() ? *rows[i] : *kept->second;
                        total = addCents(total, record.value(Key::Amount).centsOrZero());
                        const Value balance = Value::money(total);
                        appendOldStyleRow(chunk, record, i + 1 == rows.size(), &balance);
                    }
                }
                if (!put(chunk))
                    return false;
            }
            return rows.empty() || put(kOldStyleListEnd);
        });
        if (cancelled)
            error.clear();
        const std::lock_guard lock(gate);
        before.clear();
    }
};

RecoveryWriter::RecoveryWriter(MyDocument &document, RecoveryStore &store, int id)
    : m_document(document), m_store(store), m_id(id)
{
    m_document.addRowChangeListener(this);
}

RecoveryWriter::~RecoveryWriter()
{
    cancel();
    m_document.removeRowChangeListener(this);
}

bool RecoveryWriter::start(Done done, QString *error)
{
    if (m_job || !m_document.array())
        return false;
    if (const QString why = m_store.prepare(); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    auto job = std::make_shared<Job>();
    const std::vector<RecordPtr> &rows = m_document.array()->rows();
    job->rows.resize(rows.size());
    std::transform(rows.begin(), rows.end(), job->rows.begin(), [](const RecordPtr &r) { return r.get(); });
    job->header = RecoveryStore::copyHeader(m_document.fileName(), m_document.diskStamp());
    job->target = m_store.fileFor(m_id);
    job->changes = m_changes;
    m_job = job;
    m_done = std::move(done);
    m_thread = std::thread([this, job] {
        // Where cores are few, the window's thread goes first.
        ::setpriority(PRIO_PROCESS, ::gettid(), 10);
        job->write();
        // Told on the window's thread; dropped unheard if this object is gone.
        QMetaObject::invokeMethod(&m_context, [this, job] { finish(job); }, Qt::QueuedConnection);
    });
    return true;
}

void RecoveryWriter::finish(std::shared_ptr<Job> job)
{
    if (job != m_job)
        return;
    m_thread.join();
    m_job.reset();
    Done done = std::exchange(m_done, {});
    if (job->cancelled)
        return;
    if (job->error.isEmpty())
        m_copied = job->changes;
    if (done)
        done(job->error);
}

void RecoveryWriter::wait()
{
    if (m_job)
        finish(m_job);
}

void RecoveryWriter::cancel()
{
    if (!m_job)
        return;
    m_job->cancelled = true;
    finish(m_job);
}

void RecoveryWriter::rowsRemoved(const Register &, int, std::span<const RecordPtr> records)
{
    ++m_changes;
    if (m_job)
        m_job->keptAlive.insert(m_job->keptAlive.end(), records.begin(), records.end());
}

void RecoveryWriter::recordWillChange(const Record &record)
{
    if (!m_job)
        return;
    const std::lock_guard lock(m_job->gate);
    if (!m_job->before.contains(&record))
        m_job->before.emplace(&record, std::make_unique<Record>(record));
}
