#include "RecoveryStore.h"

#include "AtomicFile.h"
#include "RegisterFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
// The first line of a copy names the register it was taken from; the rest is
// the register in the form Cheqbook saves.
constexpr char kHeader[] = "// Cheqbook recovery of: ";

QString sessionLockName(qint64 pid) { return u"session-%1.lock"_s.arg(pid); }
} // namespace

RecoveryStore::RecoveryStore(const QString &folder) : m_folder(folder) {}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/Recovery"_s;
}

bool RecoveryStore::ensureSession()
{
    if (m_session)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    auto lock = std::make_unique<QLockFile>(
        QDir(m_folder).filePath(sessionLockName(QCoreApplication::applicationPid())));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_session = std::move(lock);
    return true;
}

QString RecoveryStore::fileFor(int id) const
{
    return QDir(m_folder).filePath(u"%1-%2.ldgr"_s.arg(QCoreApplication::applicationPid()).arg(id));
}

QString RecoveryStore::save(int id, const QString &originalPath, const Register &reg)
{
    if (!ensureSession())
        return u"the recovery folder %1 cannot be used"_s.arg(m_folder);
    QByteArray data = kHeader + QUrl::toPercentEncoding(originalPath, "/ ") + '\n';
    data += oldStyleText(reg.rows());
    return writeFileAtomically(fileFor(id), data);
}

void RecoveryStore::remove(int id) { QFile::remove(fileFor(id)); }

std::vector<RecoveryStore::Recovered> RecoveryStore::leftBehind() const
{
    std::vector<Recovered> found;
    const QDir dir(m_folder);
    static const QRegularExpression name(u"^(\\d+)-(\\d+)\\.ldgr$"_s);
    const QStringList files = dir.entryList({u"*.ldgr"_s}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QRegularExpressionMatch m = name.match(file);
        if (!m.hasMatch())
            continue;
        const qint64 pid = m.captured(1).toLongLong();
        if (pid == QCoreApplication::applicationPid())
            continue;
        // A session still running holds its lock; one that ended without
        // closing its registers left a stale lock, or none.
        QLockFile session(dir.filePath(sessionLockName(pid)));
        session.setStaleLockTime(0);
        if (!session.tryLock(0))
            continue;
        session.unlock();
        QFile f(dir.filePath(file));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = f.readAll();
        const qsizetype lineEnd = bytes.indexOf('\n');
        if (!bytes.startsWith(kHeader) || lineEnd < 0)
            continue;
        RegisterReadResult r = parseRegister(bytes);
        if (!r.ok())
            continue;
        const QByteArray encoded = bytes.mid(qsizetype(sizeof kHeader) - 1, lineEnd - qsizetype(sizeof kHeader) + 1);
        found.push_back({dir.filePath(file), QUrl::fromPercentEncoding(encoded), std::move(r.rows)});
    }
    return found;
}

void RecoveryStore::discard(const Recovered &recovered) { QFile::remove(recovered.recoveryFile); }
