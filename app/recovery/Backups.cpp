#include "Backups.h"

#include "AtomicFile.h"
#include "DataFolder.h"
#include "FileIdentity.h"
#include "InputFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kNameFormat = u"yyyy-MM-dd_HHmmss"_s;
const QString kSuffix = u".ldgr"_s;

QDateTime modifiedAt(const struct stat &status)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000);
}

// Makes each folder from the data folder down, only its owner may enter.
bool makePrivatePath(const QString &path, QString *error)
{
    if (!QDir().mkpath(path)) {
        *error = QCoreApplication::translate("Backups", "the folder %1 cannot be made: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    for (QString folder = path; folder.startsWith(dataFolder()); folder = QFileInfo(folder).path()) {
        if (::chmod(QFile::encodeName(folder).constData(), 0700) != 0) {
            *error = QCoreApplication::translate("Backups", "the folder %1 cannot be made private: %2")
                         .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        if (folder == dataFolder())
            break;
    }
    return true;
}

// Whether the regular file at path holds exactly data.
// Compares the bytes of a file with bytes handed over a piece at a time.
class SameBytes
{
public:
    explicit SameBytes(const QString &path) : m_file(path)
    {
        m_same = m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    void compare(QByteArrayView piece)
    {
        if (!m_same)
            return;
        m_buffer.resize(piece.size());
        m_same = m_file.read(m_buffer.data(), piece.size()) == piece.size()
            && std::memcmp(m_buffer.constData(), piece.data(), size_t(piece.size())) == 0;
    }
    // Whether the file held those bytes and no more.
    bool same()
    {
        char more;
        return m_same && m_file.read(&more, 1) == 0;
    }

private:
    QFile m_file;
    QByteArray m_buffer;
    bool m_same = false;
};

} // namespace

BackupPolicy BackupPolicy::fromSettings()
{
    const QSettings settings;
    BackupPolicy policy;
    policy.days = std::max(0, settings.value(u"backups/days"_s, policy.days).toInt());
    policy.weeks = std::max(0, settings.value(u"backups/weeks"_s, policy.weeks).toInt());
    return policy;
}

RegisterBackups::RegisterBackups(const QString &registerPath, const QString &backupsFolder, BackupPolicy policy)
    : m_register(registerPath), m_policy(policy)
{
    // The name tells the user which register it is; the path's hash keeps
    // two registers of one name apart.
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(registerPath), QCryptographicHash::Sha256);
    m_folder = QDir(backupsFolder).filePath(QFileInfo(registerPath).fileName() + u'-'
                                            + QString::fromLatin1(hash.toHex().left(16)));
}

QString RegisterBackups::defaultFolder() { return dataFolder() + u"/Backups"_s; }

std::vector<BackupVersion> RegisterBackups::versions() const
{
    std::vector<BackupVersion> found;
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList({u"*"_s + kSuffix}, QDir::Files)) {
        const QDateTime savedAt = QDateTime::fromString(name.chopped(kSuffix.size()), kNameFormat);
        if (savedAt.isValid())
            found.push_back({dir.filePath(name), savedAt});
    }
    std::sort(found.begin(), found.end(),
              [](const BackupVersion &a, const BackupVersion &b) { return a.savedAt > b.savedAt; });
    return found;
}

QString RegisterBackups::keepVersionBefore(const QDateTime &now)
{
    struct stat status {};
    if (::stat(QFile::encodeName(m_register).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    const QDateTime savedAt = modifiedAt(status);
    if (savedAt.date() >= now.date())
        return {}; // the version before a save of the same day is NAME~
    if (m_policy.days == 0 && m_policy.weeks == 0)
        return {};
    const QString target = QDir(m_folder).filePath(savedAt.toString(kNameFormat) + kSuffix);
    QString why;
    if (!QFileInfo::exists(target)) {
        if (!makePrivatePath(m_folder, &why))
            return why;
        InputFile file(m_register, InputFile::Access::Map);
        if (!file.ok())
            return QCoreApplication::translate("Backups", "%1 could not be read: %2").arg(m_register, file.error());
        why = writePrivateFileAtomically(target, file.bytes());
        if (why.isEmpty() && !file.finish()) {
            QFile::remove(target);
            why = QCoreApplication::translate("Backups", "%1 could not be read: %2").arg(m_register, file.error());
        }
        if (!why.isEmpty())
            return why;
        const struct timespec times[2] = {status.st_atim, status.st_mtim};
        ::utimensat(AT_FDCWD, QFile::encodeName(target).constData(), times, 0);
    }
    prune(now.date());
    return {};
}

void RegisterBackups::prune(const QDate &today) const
{
    const std::vector<BackupVersion> all = versions();
    QSet<QDate> weeksKept;
    for (size_t i = 0; i < all.size(); ++i) {
        const QDate day = all[i].savedAt.date();
        const qint64 age = day.daysTo(today);
        const QDate week = day.addDays(1 - day.dayOfWeek());
        bool keep = i == 0 || age < m_policy.days;
        // Newest first, so the first of a week met is that week's last save.
        if (!keep && age < qint64(m_policy.weeks) * 7 && !weeksKept.contains(week))
            keep = true;
        if (keep)
            weeksKept.insert(week);
        else
            QFile::remove(all[i].path);
    }
}

std::vector<BackupVersion> earlierVersions(const QString &registerPath)
{
    const QString file = resolvedPath(registerPath);
    std::vector<BackupVersion> versions;
    if (const QFileInfo previous(backupPath(file)); previous.isFile())
        versions.push_back({previous.filePath(), previous.lastModified()});
    for (BackupVersion &dated : RegisterBackups(file).versions()) {
        // The first save of a day keeps the day before as both.
        if (versions.empty() || versions.front().savedAt.toSecsSinceEpoch() != dated.savedAt.toSecsSinceEpoch())
            versions.push_back(std::move(dated));
    }
    return versions;
}

RegisterWrite writeRegisterFile(const QString &path, const QByteArray &data, const QDateTime &now)
{
    return writeRegisterFile(path, [&data](const ChunkWriter &put) { return put(data); }, now);
}

RegisterWrite writeRegisterFile(const QString &path, const FileProducer &produce, const QDateTime &now)
{
    RegisterWrite result;
    const QString file = resolvedPath(path);
    struct stat status {};
    const bool regular = ::stat(QFile::encodeName(file).constData(), &status) == 0 && S_ISREG(status.st_mode);
    // The new bytes are written beside the old file and compared with it on
    // the way; when they are its own, the new file goes and the old one, with
    // its backups, is left alone.
    std::optional<SameBytes> old;
    if (regular)
        old.emplace(file);
    bool unchanged = false;
    const FileProducer compared = [&](const ChunkWriter &put) {
        const bool complete = produce([&](QByteArrayView piece) {
            if (old)
                old->compare(piece);
            return put(piece);
        });
        if (complete && old && old->same()) {
            unchanged = true;
            return false;
        }
        // A dated copy is a convenience, as NAME~ is: the save goes ahead without it.
        if (complete && regular)
            RegisterBackups(file).keepVersionBefore(now);
        return complete;
    };
    result.error = writeFileAtomicallyWithBackup(path, compared);
    if (unchanged)
        result.error.clear();
    result.written = result.error.isEmpty() && !unchanged;
    return result;
}
