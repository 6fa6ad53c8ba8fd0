#pragma once

// Writing a register's recovery copy without stopping the window: the rows
// are taken as they stand (the addresses of their records: a million rows
// take a few milliseconds), and another thread writes them out while the
// user goes on editing. A record taken out of the register meanwhile is
// held until the copy is done; the whole register replaced (a revert) gives
// the copy up.
//
// The records are shared with the register and may change meanwhile. What
// the copy reads of a record is kept from changing under it: the window's
// thread tells, through the document, of every change to a record's values
// before it makes it (see RowChangeListener::recordWillChange), and the
// record as it was is kept for the copy; the thread holds a lock while it
// reads a batch of rows, which the telling waits for. A record's Total is
// never read: the copy writes the balances its amounts give, as the window
// works them out again when it restores a copy.

#include "FileIdentity.h"
#include "RegisterEdits.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <thread>

class MyDocument;
class RecoveryStore;

class RecoveryWriter : public RowChangeListener
{
public:
    // Follows the document's changes until it is destroyed. id names the
    // document's copy in store.
    RecoveryWriter(MyDocument &document, RecoveryStore &store, int id);
    // Gives up a copy being written, and waits for its thread.
    ~RecoveryWriter() override;
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    using Done = std::function<void(const QString &error)>;
    // Starts writing a copy of the register as it stands now. done is called
    // on this object's thread once the copy is in place (error empty) or has
    // failed, unless the copy is given up. False, and nothing started, while
    // a copy is still being written, or when the store cannot be used (error
    // then says why).
    bool start(Done done, QString *error = nullptr);
    bool isWriting() const { return m_job != nullptr; }
    // Waits until the copy being written is in place or has failed; done is
    // called before this returns.
    void wait();
    // Gives up the copy being written (it does not replace the copy before)
    // and waits for its thread.
    void cancel();
    // Whether a copy written holds the register as it stands now.
    bool isCurrent() const { return !m_job && m_copied == m_changes; }

    void rowsInserted(const Register &, int, int) override { ++m_changes; }
    void rowsRemoved(const Register &, int, std::span<const RecordPtr> records) override;
    void valueChanged(const Register &, int, QStringView, const Value &, const Value &) override { ++m_changes; }
    void rowsReplaced(const Register &) override { ++m_changes; }
    void rowsWillBeReplaced(const Register &) override { cancel(); }
    void balancesChanged(const Register &, int) override { ++m_changes; }
    void recordWillChange(const Record &record) override;

private:
    struct Job;
    // Joins the thread and tells of the copy; nothing once told.
    void finish(std::shared_ptr<Job> job); // a copy: m_job goes meanwhile

    MyDocument &m_document;
    RecoveryStore &m_store;
    int m_id;
    std::shared_ptr<Job> m_job;
    std::thread m_thread;
    Done m_done;
    quint64 m_changes = 0;
    quint64 m_copied = ~quint64(0);
    QObject m_context; // what the thread's news comes through
};
