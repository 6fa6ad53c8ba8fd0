#include "RegisterVersions.h"

#include "AtomicFile.h"
#include "InputFile.h"
#include "DataFolder.h"
#include "RegisterFile.h"
#include "StableHash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

namespace {
constexpr QLatin1StringView kExtension(".ldgr");
constexpr QLatin1StringView kRegisterNote("register");

// Calls f with the bytes of the file at path if they are still those stamp
// describes; false, with why, otherwise.
template <typename F>
bool withStampedBytes(const QString &path, const FileStamp &stamp, QString *error, F &&f)
{
    InputFile file(path, InputFile::Access::Map);
    if (!file.ok()) {
        if (error)
            *error = file.error();
        return false;
    }
    const QByteArray bytes = file.bytes();
    // A file in the stamp's state holds its bytes, which are then not hashed
    // again (a million rows' worth, after a save).
    if ((!sameFileState(FileStamp::of(file.status(), 0), stamp) && contentHash(bytes) != stamp.hash)
        || !file.finish()) {
        if (error)
            *error = u"%1 changed since it was read"_s.arg(QFileInfo(path).fileName());
        return false;
    }
    f(bytes);
    return true;
}
// Hands the bytes of the file at path to put a piece at a time, as read();
// false when put gave up, or the file is not (or no longer) in stamp's state.
bool copyPieces(const QString &path, const FileStamp &stamp, const ChunkWriter &put)
{
    QFile file(path);
    struct stat status {};
    const auto asStamped = [&] {
        return ::fstat(file.handle(), &status) == 0 && sameFileState(FileStamp::of(status, 0), stamp);
    };
    if (!file.open(QIODevice::ReadOnly) || !asStamped())
        return false;
    QByteArray piece(qsizetype(1) << 20, Qt::Uninitialized);
    for (qint64 n; (n = file.read(piece.data(), piece.size())) != 0;)
        if (n < 0 || !put(QByteArrayView(piece.constData(), n)))
            return false;
    return asStamped();
}

} // namespace

VersionHash versionHash(QByteArrayView bytes) { return StableHash::of(bytes); }

// StableHash::add(bytes) takes whole little-endian words, then the bytes
// left over with their count: the same words whatever the pieces.
void VersionHasher::add(QByteArrayView piece)
{
    const auto *p = reinterpret_cast<const unsigned char *>(piece.data());
    qsizetype left = piece.size();
    auto word = [](const unsigned char *b) {
        quint64 v = 0;
        for (int i = 7; i >= 0; --i)
            v = (v << 8) | b[i];
        return v;
    };
    while (m_pendingCount > 0 && left > 0) {
        m_pending[m_pendingCount++] = *p++;
        --left;
        if (m_pendingCount == 8) {
            m_hash.add(word(m_pending));
            m_pendingCount = 0;
        }
    }
    for (; left >= 8; p += 8, left -= 8)
        m_hash.add(word(p));
    while (left-- > 0)
        m_pending[m_pendingCount++] = *p++;
}

VersionHash VersionHasher::value() const
{
    quint64 tail = 0;
    for (int i = 0; i < m_pendingCount; ++i)
        tail |= quint64(m_pending[i]) << (8 * i);
    return StableHash(m_hash).add(tail ^ (quint64(m_pendingCount) << 59)).value();
}

VersionHash versionHashOfText(const std::vector<RecordPtr> &rows)
{
    VersionHasher hasher;
    writeOldStyle(rows, [&](QByteArrayView piece) {
        hasher.add(piece);
        return true;
    });
    return hasher.value();
}

QString versionName(VersionHash hash) { return u"%1"_s.arg(hash, 16, 16, QChar(u'0')); }

std::optional<VersionHash> versionFromName(QStringView name)
{
    if (name.size() != 16)
        return std::nullopt;
    bool ok = false;
    const VersionHash hash = name.toULongLong(&ok, 16);
    if (!ok)
        return std::nullopt;
    return hash;
}

std::optional<VersionHash> fileVersion(const QString &path, const FileStamp &stamp)
{
    std::optional<VersionHash> hash;
    withStampedBytes(path, stamp, nullptr, [&](const QByteArray &bytes) { hash = versionHash(bytes); });
    return hash;
}

bool sameFileState(const FileStamp &a, const FileStamp &b)
{
    return a.exists && b.exists && a.device == b.device && a.inode == b.inode && a.size == b.size
        && a.modifiedNs == b.modifiedNs && a.statusChangedNs == b.statusChangedNs;
}

std::optional<NamedFile> nameFile(const QString &path)
{
    InputFile file(path, InputFile::Access::Map);
    if (!file.ok())
        return std::nullopt;
    // Hashed a piece at a time, each given back once hashed: the file is
    // never in memory whole beside the rows being read.
    const QByteArray bytes = file.bytes();
    constexpr qsizetype kPiece = qsizetype(8) << 20;
    StableHash hash;
    qsizetype at = 0;
    do {
        const qsizetype n = std::min(kPiece, bytes.size() - at);
        hash.addPiece(QByteArrayView(bytes.constData() + at, n), at + n == bytes.size());
        file.release(bytes.constData() + at, bytes.constData() + at + n);
        at += n;
    } while (at < bytes.size());
    const VersionHash version = hash.value();
    if (!file.finish())
        return std::nullopt;
    return NamedFile{FileStamp::of(file.status(), 0), version};
}

std::vector<VersionHash> ancestry(const std::vector<RecordPtr> &rows)
{
    std::vector<VersionHash> list;
    if (rows.empty())
        return list;
    const QString text = rows.front()->value(kVersionsKey).toString();
    for (QStringView word : QStringView(text).split(u' ', Qt::SkipEmptyParts))
        if (const std::optional<VersionHash> hash = versionFromName(word);
            hash && std::find(list.begin(), list.end(), *hash) == list.end())
            list.push_back(*hash);
    return list;
}

Value ancestryValue(const std::vector<VersionHash> &list)
{
    QStringList names;
    for (size_t i = 0; i < list.size() && i < kAncestryKept; ++i)
        names << versionName(list[i]);
    return names.isEmpty() ? Value() : Value::text(names.join(u' '));
}

void setAncestry(const std::vector<RecordPtr> &rows, const std::vector<VersionHash> &list)
{
    if (rows.empty())
        return;
    for (size_t i = 1; i < rows.size(); ++i)
        if (rows[i]->contains(kVersionsKey))
            rows[i]->remove(kVersionsKey);
    rows.front()->set(kVersionsKey, ancestryValue(list));
}

std::vector<VersionHash> joinAncestries(const std::vector<std::vector<VersionHash>> &lists)
{
    std::vector<VersionHash> joined;
    for (size_t i = 0; joined.size() < kAncestryKept; ++i) {
        bool any = false;
        for (const std::vector<VersionHash> &list : lists) {
            if (i >= list.size())
                continue;
            any = true;
            if (std::find(joined.begin(), joined.end(), list[i]) == joined.end() && joined.size() < kAncestryKept)
                joined.push_back(list[i]);
        }
        if (!any)
            break;
    }
    return joined;
}

std::vector<VersionHash> commonAncestors(const VersionFacts &mine, const VersionFacts &theirs)
{
    // How far back a side names a version: 0 for the side itself.
    const auto distance = [](const VersionFacts &side, VersionHash hash) {
        if (side.hash != 0 && side.hash == hash)
            return 0;
        const auto it = std::find(side.ancestry.begin(), side.ancestry.end(), hash);
        return it == side.ancestry.end() ? INT_MAX : int(it - side.ancestry.begin()) + 1;
    };
    struct Candidate {
        VersionHash hash;
        int further;
        int nearer;
    };
    std::vector<Candidate> found;
    std::vector<VersionHash> all = mine.ancestry;
    if (mine.hash != 0)
        all.insert(all.begin(), mine.hash);
    for (VersionHash hash : all) {
        const int a = distance(mine, hash);
        const int b = distance(theirs, hash);
        if (b != INT_MAX)
            found.push_back({hash, std::max(a, b), std::min(a, b)});
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate &x, const Candidate &y) {
        return x.further != y.further ? x.further < y.further : x.nearer < y.nearer;
    });
    std::vector<VersionHash> hashes;
    for (const Candidate &c : found)
        hashes.push_back(c.hash);
    return hashes;
}

QString VersionStore::defaultFolder() { return dataFolder() + u"/Versions"_s; }

QString VersionStore::registerFolder(const QString &registerPath) const
{
    const QString path = resolvedPath(registerPath);
    return QDir(m_folder).filePath(versionName(StableHash(0x7e).add(QStringView(path)).value()));
}

std::optional<VersionHash> VersionStore::keep(const QString &registerPath, const QByteArray &bytes, QString *error)
{
    return keep(registerPath, versionHash(bytes), [&](const ChunkWriter &put) { return put(bytes); }, error);
}

std::optional<VersionHash> VersionStore::keep(const QString &registerPath, VersionHash hash, const FileProducer &bytes,
                                              QString *error)
{
    const QString folder = registerFolder(registerPath);
    const QString file = QDir(folder).filePath(versionName(hash) + kExtension);
    if (QFileInfo::exists(file)) {
        // Used again: it stays among the newest.
        QFile f(file);
        if (f.open(QIODevice::ReadWrite))
            f.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
        return hash;
    }
    QString why;
    if (!makePrivateFolder(m_folder, &why) || !makePrivateFolder(folder, &why)) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    const QString note = QDir(folder).filePath(kRegisterNote);
    if (!QFileInfo::exists(note))
        writePrivateFileAtomically(note, resolvedPath(registerPath).toUtf8() + '\n');
    if (const QString failure = writePrivateFileAtomically(file, bytes); !failure.isEmpty()) {
        if (error)
            *error = failure;
        return std::nullopt;
    }
    prune(folder);
    return hash;
}

std::optional<VersionHash> VersionStore::keepFile(const QString &registerPath, const QString &path,
                                                  const FileStamp &stamp, QString *error)
{
    std::optional<VersionHash> kept;
    withStampedBytes(path, stamp, error, [&](const QByteArray &bytes) {
        const FileStamp now = FileStamp::of(path, 0);
        if (!sameFileState(now, stamp)) {
            kept = keep(registerPath, bytes, error);
            return;
        }
        // Copied by reading it a piece at a time: a large mapped file
        // written whole now and then stalls for a third of a second. The
        // copy is the version named only if the file stayed as it was.
        kept = keep(registerPath, versionHash(bytes), [&](const ChunkWriter &put) { return copyPieces(path, now, put); },
                    error);
    });
    return kept;
}

std::optional<QByteArray> VersionStore::find(VersionHash hash, const QStringList &registerPaths) const
{
    const QString name = versionName(hash) + kExtension;
    QStringList folders;
    for (const QString &path : registerPaths)
        folders << registerFolder(path);
    for (const QFileInfo &info : QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!folders.contains(info.filePath()))
            folders << info.filePath();
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (!QFileInfo::exists(path))
            continue;
        InputFile file(path, InputFile::Access::Read);
        if (!file.ok())
            continue;
        QByteArray bytes = file.bytes();
        if (file.finish() && versionHash(bytes) == hash)
            return bytes;
    }
    return std::nullopt;
}

void VersionStore::prune(const QString &folder) const
{
    const QFileInfoList versions =
        QDir(folder).entryInfoList({u"*"_s + kExtension}, QDir::Files, QDir::Time); // newest first
    for (qsizetype i = kVersionsKept; i < versions.size(); ++i)
        QFile::remove(versions[i].filePath());
}
