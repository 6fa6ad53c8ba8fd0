// What keeps the registers of the document architecture safe: the lock
// beside each open register, and crash recovery.

#include "DocumentController.h"

#include "DocumentVersions.h"
#include "MyDocument.h"
#include "RecoveryWriter.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

void DocumentController::scheduleRecovery(MyDocument *document)
{
    const int id = m_recoveryIds.value(document);
    if (!document->isDocumentEdited()) {
        if (QTimer *timer = m_recoveryTimers.value(document))
            timer->stop();
        m_recoveryPending.remove(document);
        // A copy still being written would otherwise take the place of none.
        if (const auto writer = m_recoveryWriters.find(document); writer != m_recoveryWriters.end())
            writer->second->cancel();
        m_recovery.remove(id);
        return;
    }
    QTimer *&timer = m_recoveryTimers[document];
    if (!timer) {
        timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setInterval(kRecoveryDelayMs);
        connect(timer, &QTimer::timeout, this, [this, document] { writeRecoveryCopy(document); });
    }
    // The clock starts at the first change not yet copied, and later changes
    // do not hold it back: steady typing is copied every few seconds, not
    // only once it stops.
    if (!timer->isActive())
        timer->start();
}

RecoveryWriter &DocumentController::recoveryWriter(MyDocument *document)
{
    std::unique_ptr<RecoveryWriter> &writer = m_recoveryWriters[document];
    if (!writer)
        writer = std::make_unique<RecoveryWriter>(*document, m_recovery, m_recoveryIds.value(document));
    return *writer;
}

void DocumentController::writeRecoveryCopy(MyDocument *document)
{
    if (QTimer *timer = m_recoveryTimers.value(document))
        timer->stop();
    if (!document->isDocumentEdited() || !document->array())
        return;
    RecoveryWriter &writer = recoveryWriter(document);
    // The copy being written is of the rows before these changes; the next
    // one starts when it is done.
    if (writer.isWriting()) {
        m_recoveryPending.insert(document);
        return;
    }
    if (writer.isCurrent())
        return;
    QString why;
    if (!writer.start([this, document](const QString &error) { recoveryCopyWritten(document, error); }, &why))
        recoveryFailed(document, why);
}

void DocumentController::recoveryCopyWritten(MyDocument *document, const QString &error)
{
    if (!error.isEmpty())
        recoveryFailed(document, error);
    if (m_recoveryPending.remove(document))
        writeRecoveryCopy(document);
}

void DocumentController::recoveryFailed(MyDocument *document, const QString &failure)
{
    // Said once: the user is to know that a crash would now lose work, not
    // be told so every few seconds.
    if (failure.isEmpty() || m_toldRecoveryFailed)
        return;
    m_toldRecoveryFailed = true;
    m_toolkit.alert(windowOf(document), tr("Recovery"),
                    tr("Cheqbook cannot keep a copy of your unsaved changes, so they would be lost if it stopped "
                       "unexpectedly. Save often until this is mended.\n\n%1")
                        .arg(failure));
}

void DocumentController::writeRecoveryCopies()
{
    // The program is about to end: every copy is written now, and waited for.
    for (MyDocument *document : std::as_const(m_documents)) {
        if (QTimer *timer = m_recoveryTimers.value(document))
            timer->stop();
        m_recoveryPending.remove(document);
        if (!document->isDocumentEdited() || !document->array())
            continue;
        RecoveryWriter &writer = recoveryWriter(document);
        writer.wait();
        if (writer.isCurrent())
            continue;
        QString why;
        if (writer.start([this, document](const QString &error) { recoveryFailed(document, error); }, &why))
            writer.wait();
        else
            recoveryFailed(document, why);
    }
}

void DocumentController::offerRecovery()
{
    RecoveryStore::LeftBehind left = m_recovery.leftBehind();
    for (const RecoveryStore::Damaged &damaged : left.damaged) {
        // Said as it is done: the copy stays only so many days.
        const QString where = damaged.movedTo.isEmpty()
            ? tr("\n\nIt stays where it is.")
            : tr("\n\nIt was moved to %1; Cheqbook deletes it once it has been there %2 days (from %3 on).")
                  .arg(damaged.movedTo)
                  .arg(RecoveryStore::kKeptAsideDays)
                  .arg(QLocale().toString(QDate::currentDate().addDays(RecoveryStore::kKeptAsideDays),
                                          QLocale::LongFormat));
        m_toolkit.alert(nullptr, tr("Recovery"),
                        tr("Cheqbook kept a copy of unsaved changes that cannot be read, so it cannot be offered "
                           "back:\n%1\n\n%2%3")
                            .arg(damaged.recoveryFile, damaged.why, where));
    }
    for (RecoveryStore::Recovered &found : left.recovered)
        restore(found);
    m_recovery.releaseClaims();
}

void DocumentController::restore(RecoveryStore::Recovered &found)
{
    const QString name = found.originalPath.isEmpty()
        ? tr("a new register")
        : u"\u201c%1\u201d"_s.arg(QFileInfo(found.originalPath).fileName());
    const QString keptAside = tr("Discarded changes are kept for %1 days in %2.")
                                  .arg(RecoveryStore::kKeptAsideDays)
                                  .arg(m_recovery.discardedFolder());
    const auto discard = [&] {
        const QString failure = m_recovery.discard(found);
        if (!failure.isEmpty())
            m_toolkit.alert(nullptr, tr("Recovery"), failure);
    };
    if (!m_toolkit.confirmByDefault(nullptr, tr("Restore"),
                                    tr("Cheqbook closed unexpectedly while %1 had changes that were not saved.\n"
                                       "Do you want to restore them?\n\n%2")
                                        .arg(name, keptAside),
                                    tr("Restore"), tr("Discard"))) {
        discard();
        return;
    }
    // The stamp is the file as it was when the work began: a change made to
    // it since (an import from the command line, another computer's save) is
    // then not saved over without a question.
    FileStamp stamp = found.originalStamp.value_or(FileStamp());
    if (!found.originalPath.isEmpty()) {
        if (!found.originalStamp)
            stamp = FileStamp::read(found.originalPath);
        else if (stamp.changedOnDisk(found.originalPath)
                 && !m_toolkit.confirmByDefault(
                     nullptr, tr("Restore"),
                     tr("%1 was changed, moved or deleted by another program after these changes were made.\n"
                        "Keep the recovered changes in a window of their own? Saving them would replace what is "
                        "in the file now, and Cheqbook asks before it does.\n\n%2")
                         .arg(name, keptAside),
                     tr("Keep"), tr("Discard"))) {
            discard();
            return;
        }
    }
    auto *document = new MyDocument(this);
    keepVersions(*document);
    if (!found.originalPath.isEmpty() && documentForPath(found.originalPath)) {
        // The file is open already: the copy comes back as a new register.
        found.originalPath.clear();
    }
    if (found.originalPath.isEmpty()) {
        ++m_untitledCount;
        m_untitledNames.insert(document,
                               m_untitledCount == 1 ? tr("Untitled") : tr("Untitled %1").arg(m_untitledCount));
    } else if (const auto lock = lockFile(nullptr, found.originalPath, {}, {}, false); lock && *lock) {
        m_locks.insert(document, *lock);
    }
    document->restoreRows(std::move(found.rows), found.originalPath, stamp);
    showDocument(document);
    // The copy stays until the work is saved or a newer copy replaces it, so
    // that another crash straight away loses nothing.
    if (const QString failure = m_recovery.adopt(found, m_recoveryIds.value(document)); !failure.isEmpty())
        writeRecoveryCopy(document);
    scheduleRecovery(document);
}

std::optional<std::shared_ptr<FileLock>> DocumentController::lockFile(const MyDocument *document,
                                                                      const QString &path, const QString &question,
                                                                      const QString &goOn, bool sayWhenUnusable)
{
    const QFileInfo info(path);
    // The lock says as much as the register: one only its owner may read has
    // a lock only its owner may read.
    struct stat status {};
    const mode_t mode = ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0666 : 0666;
    auto lock = std::make_shared<FileLock>(info.absolutePath() + u"/."_s + info.fileName() + u".lock"_s, mode);
    switch (lock->tryLock()) {
    case FileLock::Status::Acquired:
        return lock;
    case FileLock::Status::HeldElsewhere:
        if (!question.isEmpty()) {
            const QString holder = lock->holder();
            const QString who = holder.isEmpty() ? QString() : u" (%1)"_s.arg(holder);
            if (!m_toolkit.confirm(windowOf(document), tr("Already Open"), question.arg(info.fileName(), who), goOn,
                                   Toolkit::cancelButton()))
                return std::nullopt;
        }
        // Held along with the other, so that a third Cheqbook is warned too.
        lock->join();
        return lock;
    case FileLock::Status::Unusable:
        // A folder where no lock can be made is one no other Cheqbook can
        // lock either, and saving there fails with its own message.
        if (sayWhenUnusable && !lock->couldNotBeMade())
            m_toolkit.alert(windowOf(document), tr("Lock"),
                            tr("Cheqbook cannot tell whether \u201c%1\u201d is open in another Cheqbook: its lock file "
                               "%2 cannot be used (%3). Another Cheqbook that opens it will not be warned either.")
                                .arg(info.fileName(), lock->path(), lock->error()));
        break;
    }
    return std::shared_ptr<FileLock>();
}
