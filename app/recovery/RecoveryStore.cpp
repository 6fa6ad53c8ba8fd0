#include "RecoveryStore.h"

#include "AtomicFile.h"
#include "DataFolder.h"
#include "InputFile.h"
#include "RegisterFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrl>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
// The first lines of a copy name the register it was taken from and that
// file as it was when the work began; the rest is the register in the form
// Cheqbook saves, which takes the first lines as comments.
constexpr char kHeader[] = "// Cheqbook recovery of: ";
constexpr char kStampHeader[] = "// The file as it was: ";

QString sessionLockName(const QString &session) { return u"session-%1.lock"_s.arg(session); }

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The line of bytes from from to its end, without the line feed.
QByteArrayView lineAt(QByteArrayView bytes, qsizetype from)
{
    const qsizetype end = bytes.indexOf('\n', from);
    return end < 0 ? QByteArrayView() : bytes.sliced(from, end - from);
}

std::optional<RecoveryStore::Recovered> readCopy(const QString &path, QString *why)
{
    InputFile file(path, InputFile::Access::Read);
    if (!file.ok()) {
        *why = file.error();
        return std::nullopt;
    }
    const QByteArray bytes = file.bytes();
    const QByteArrayView first = lineAt(bytes, 0);
    if (!first.startsWith(kHeader)) {
        *why = QCoreApplication::translate("RecoveryStore", "it is not a recovery copy");
        return std::nullopt;
    }
    RecoveryStore::Recovered r;
    r.recoveryFile = path;
    r.originalPath = QUrl::fromPercentEncoding(first.sliced(qsizetype(sizeof kHeader) - 1).toByteArray());
    if (const QByteArrayView second = lineAt(bytes, first.size() + 1); second.startsWith(kStampHeader)) {
        r.originalStamp = FileStamp::fromText(QString::fromLatin1(second.sliced(qsizetype(sizeof kStampHeader) - 1)));
        if (!r.originalStamp) {
            *why = QCoreApplication::translate("RecoveryStore", "its second line does not describe the register file");
            return std::nullopt;
        }
    }
    RegisterReadResult read = parseRegister(bytes);
    if (!file.finish()) {
        *why = file.error();
        return std::nullopt;
    }
    if (!read.ok()) {
        *why = read.error;
        return std::nullopt;
    }
    r.rows = std::move(read.rows);
    return r;
}

} // namespace

RecoveryStore::RecoveryStore(const QString &folder)
    : m_folder(folder), m_session(QString::number(QRandomGenerator::system()->generate64(), 16))
{
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    return dataFolder() + u"/Recovery"_s;
}

QString RecoveryStore::discardedFolder() const { return QDir(m_folder).filePath(u"Discarded"_s); }

QString RecoveryStore::damagedFolder() const { return QDir(m_folder).filePath(u"Damaged"_s); }

bool RecoveryStore::ensureSession(QString *error)
{
    if (m_sessionLock)
        return true;
    if (!makePrivateFolder(m_folder, error))
        return false;
    auto lock = std::make_unique<FileLock>(QDir(m_folder).filePath(sessionLockName(m_session)), 0600);
    if (lock->tryLock() != FileLock::Status::Acquired) {
        *error = QCoreApplication::translate("RecoveryStore", "the recovery folder %1 cannot be used: %2")
                     .arg(m_folder, lock->error());
        return false;
    }
    m_sessionLock = std::move(lock);
    return true;
}

QString RecoveryStore::fileFor(int id) const { return QDir(m_folder).filePath(u"%1-%2.ldgr"_s.arg(m_session).arg(id)); }

QString RecoveryStore::prepare()
{
    QString why;
    ensureSession(&why);
    return why;
}

QByteArray RecoveryStore::copyHeader(const QString &originalPath, const FileStamp &originalStamp)
{
    return kHeader + QUrl::toPercentEncoding(originalPath, "/ ") + '\n' + kStampHeader
        + originalStamp.toText().toLatin1() + '\n';
}

QString RecoveryStore::save(int id, const QString &originalPath, const FileStamp &originalStamp, const Register &reg)
{
    if (const QString why = prepare(); !why.isEmpty())
        return why;
    // Written as it is made: a recovery copy of a large register is never
    // held whole beside it.
    const QByteArray header = copyHeader(originalPath, originalStamp);
    return writePrivateFileAtomically(fileFor(id), [&](const ChunkWriter &put) {
        return put(header) && writeOldStyle(reg.rows(), put);
    });
}

void RecoveryStore::remove(int id) { QFile::remove(fileFor(id)); }

RecoveryStore::LeftBehind RecoveryStore::leftBehind()
{
    pruneAside();
    LeftBehind found;
    const QDir dir(m_folder);
    static const QRegularExpression name(u"^([0-9A-Za-z]+)-(\\d+)\\.ldgr$"_s);
    QStringList running;
    QStringList claimed;
    for (const QString &file : dir.entryList({u"*.ldgr"_s}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch m = name.match(file);
        if (!m.hasMatch())
            continue;
        const QString session = m.captured(1);
        if (session == m_session || running.contains(session))
            continue;
        if (!claimed.contains(session)) {
            // A session still running holds its lock; one that ended without
            // closing its registers holds nothing, and is claimed here.
            auto lock = std::make_unique<FileLock>(dir.filePath(sessionLockName(session)), 0600);
            if (lock->tryLock() != FileLock::Status::Acquired) {
                running << session;
                continue;
            }
            m_claims.push_back(std::move(lock));
            claimed << session;
        }
        const QString path = dir.filePath(file);
        QString why;
        if (std::optional<Recovered> r = readCopy(path, &why)) {
            found.recovered.push_back(std::move(*r));
        } else {
            QString unused;
            found.damaged.push_back({path, putAside(path, damagedFolder(), &unused), why});
        }
    }
    // A session that ended without copies left only its lock file; taking
    // the lock alone and letting it go removes it.
    for (const QString &file : dir.entryList({sessionLockName(u"*"_s)}, QDir::Files | QDir::Hidden)) {
        const QString session = file.mid(8, file.size() - 13);
        if (session != m_session && !running.contains(session) && !claimed.contains(session))
            FileLock(dir.filePath(file), 0600).tryLock();
    }
    return found;
}

QString RecoveryStore::adopt(const Recovered &recovered, int id)
{
    QString why;
    if (!ensureSession(&why))
        return why;
    if (::rename(QFile::encodeName(recovered.recoveryFile).constData(), QFile::encodeName(fileFor(id)).constData())
        != 0)
        return QCoreApplication::translate("RecoveryStore", "%1 could not be kept: %2")
            .arg(recovered.recoveryFile, systemError());
    return {};
}

QString RecoveryStore::discard(const Recovered &recovered)
{
    QString why;
    putAside(recovered.recoveryFile, discardedFolder(), &why);
    return why;
}

void RecoveryStore::releaseClaims() { m_claims.clear(); }

QString RecoveryStore::putAside(const QString &file, const QString &folder, QString *error) const
{
    if (!makePrivateFolder(folder, error))
        return {};
    const QString target = QDir(folder).filePath(
        QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss-"_s) + QFileInfo(file).fileName());
    const QByteArray native = QFile::encodeName(target);
    if (::rename(QFile::encodeName(file).constData(), native.constData()) != 0) {
        *error = QCoreApplication::translate("RecoveryStore", "%1 could not be moved to %2: %3")
                     .arg(file, folder, systemError());
        return {};
    }
    // Kept for so many days from now, not from when the copy was written.
    ::utimensat(AT_FDCWD, native.constData(), nullptr, 0);
    return target;
}

void RecoveryStore::pruneAside() const
{
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-kKeptAsideDays);
    for (const QString &folder : {discardedFolder(), damagedFolder()}) {
        const QDir dir(folder);
        for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::Hidden))
            if (info.lastModified() < oldest)
                QFile::remove(info.filePath());
    }
}
