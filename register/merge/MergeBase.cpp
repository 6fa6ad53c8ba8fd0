#include "MergeBase.h"

#include "AtomicFile.h"
#include "InputFile.h"
#include "RegisterFile.h"
#include "RowIdentity.h"
#include "StableHash.h"

#include <QFileInfo>

#include <future>

using namespace Qt::StringLiterals;

VersionRead readVersion(const QString &path, const SameRows *alike, Naming naming)
{
    VersionRead v;
    // The version is named by the bytes parsed: the reading refuses a file
    // that changed while it was read.
    StableHash hash;
    BytePieces named;
    if (naming == Naming::Named)
        named = [&](QByteArrayView piece, bool last) { hash.addPiece(piece, last); };
    RegisterReadResult r =
        readRegisterFile(path, nullptr, nullptr, alike ? alike->holder() : RowHolder(), named);
    if (!r.ok()) {
        v.error = r.error;
        return v;
    }
    // Rows held as another version's are left as they are.
    v.ids = giveIdentitiesToCopies(r.rows, v.index);
    v.rows = std::move(r.rows);
    v.facts = {naming == Naming::Named ? hash.value() : 0, ancestry(v.rows)};
    return v;
}

namespace {

std::optional<std::vector<RecordPtr>> rowsOf(const QByteArray &bytes)
{
    RegisterReadResult r = parseRegister(bytes);
    if (!r.ok())
        return std::nullopt;
    giveIdentities(r.rows);
    return std::move(r.rows);
}

} // namespace

MergeBase findBase(const VersionStore &store, const VersionFacts &mine, const VersionFacts &theirs,
                   const QStringList &registerPaths)
{
    MergeBase base;
    const std::vector<VersionHash> candidates = commonAncestors(mine, theirs);
    // The backups, read only when a candidate is not kept.
    std::vector<std::pair<VersionHash, QByteArray>> backups;
    bool backupsRead = false;
    for (VersionHash hash : candidates) {
        base.hash = hash;
        if (hash == mine.hash) {
            base.source = MergeBase::Source::Mine;
            return base;
        }
        if (hash == theirs.hash) {
            base.source = MergeBase::Source::Theirs;
            return base;
        }
        std::optional<QByteArray> bytes = store.find(hash, registerPaths);
        if (!bytes) {
            if (!backupsRead) {
                backupsRead = true;
                for (const QString &path : registerPaths) {
                    InputFile file(backupPath(resolvedPath(path)), InputFile::Access::Read);
                    if (file.ok()) {
                        QByteArray b = file.bytes();
                        if (file.finish())
                            backups.emplace_back(versionHash(b), std::move(b));
                    }
                }
            }
            for (const auto &[backupHash, backupBytes] : backups)
                if (backupHash == hash)
                    bytes = backupBytes;
        }
        if (!bytes)
            continue;
        if (std::optional<std::vector<RecordPtr>> rows = rowsOf(*bytes)) {
            base.source = MergeBase::Source::Kept;
            base.rows = std::move(*rows);
            return base;
        }
    }
    base.hash = 0;
    return base;
}

PreparedMerge prepareMerge(const std::vector<RecordPtr> &mineRows, const VersionFacts &mine, const QString &minePath,
                           const QString &theirsPath, const VersionStore &store, QDate today, const QString &basePath,
                           const NamedFile *theirsNamed)
{
    PreparedMerge p;
    // Each version read holds the rows it has alike with mine as mine's.
    auto alike = std::make_unique<SameRows>();
    alike->add(mineRows);
    // A base given is read beside theirs, on the other core.
    const bool baseGiven = !basePath.isEmpty();
    std::future<VersionRead> given;
    if (baseGiven)
        given = std::async(std::launch::async, [&] { return readVersion(basePath, alike.get(), Naming::Unnamed); });
    VersionRead other = readVersion(theirsPath, alike.get(), theirsNamed ? Naming::Unnamed : Naming::Named);
    if (other.ok() && theirsNamed) {
        if (sameFileState(theirsNamed->stamp, FileStamp::of(theirsPath, 0)))
            other.facts.hash = theirsNamed->version;
        else // changed since it was named: named as it is read now
            other = readVersion(theirsPath, alike.get());
    }
    MergeBase base;
    if (baseGiven) {
        VersionRead read = given.get();
        if (other.ok() && !read.ok()) {
            p.error = read.error;
            return p;
        }
        base.source = MergeBase::Source::Kept;
        base.rows = std::move(read.rows);
        alike->add(base.rows, std::move(read.ids), std::move(read.index));
    }
    if (!other.ok()) {
        p.error = other.error;
        return p;
    }
    alike->add(other.rows, std::move(other.ids), std::move(other.index));
    if (!baseGiven)
        base = findBase(store, mine, other.facts, {minePath, theirsPath});
    p.merge = mergeRegisters(base.of(mineRows, other.rows), mineRows, other.rows, {minePath, theirsPath}, today,
                             alike.get());
    p.error = p.merge.refusal;
    p.theirsHash = other.facts.hash;
    // Rows held in memory (unsaved) are no version of their own.
    std::vector<VersionHash> sides{other.facts.hash};
    if (mine.hash != 0)
        sides.insert(sides.begin(), mine.hash);
    p.ancestry = joinAncestries({sides, mine.ancestry, other.facts.ancestry});
    return p;
}
