#include "DocumentVersions.h"

#include "InputFile.h"
#include "MyDocument.h"
#include "RegisterFile.h"

void DocumentVersions::fileRead(const QString &path, const FileStamp &stamp, const std::vector<RecordPtr> &)
{
    m_problem.clear();
    m_parent = (m_store ? m_store->keepFile(path, path, stamp, &m_problem) : fileVersion(path, stamp)).value_or(0);
}

void DocumentVersions::aboutToWrite(const std::vector<RecordPtr> &rows, QByteArray &bytes)
{
    if (rows.empty() || (m_parent != 0 && versionHash(bytes) == m_parent))
        return;
    const std::vector<VersionHash> before = ancestry(rows);
    setAncestry(rows, facts(rows).ancestry);
    if (ancestry(rows) == before)
        return;
    // Only the opening row changed: its line is written again, not the
    // whole register.
    const qsizetype start = qsizetype(sizeof(kOldStyleListStart)) - 1;
    const qsizetype end = bytes.indexOf('\n', start);
    if (!bytes.startsWith(kOldStyleListStart) || end < 0) {
        bytes = oldStyleText(rows);
        return;
    }
    QByteArray line;
    appendOldStyleRow(line, *rows.front(), rows.size() == 1);
    bytes.replace(start, end + 1 - start, line);
}

void DocumentVersions::fileWritten(const QString &path, const QByteArray &bytes)
{
    m_problem.clear();
    m_parent = versionHash(bytes);
    if (m_store)
        m_store->keep(path, bytes, &m_problem);
}

bool DocumentVersions::grewFrom(const QString &path, const std::vector<RecordPtr> &rows) const
{
    const std::vector<VersionHash> grew = ancestry(rows);
    if (grew.empty())
        return false;
    InputFile file(path, InputFile::Access::Read);
    if (!file.ok())
        return false;
    const VersionHash hash = versionHash(file.bytes());
    return file.finish() && std::find(grew.begin(), grew.end(), hash) != grew.end();
}

VersionFacts DocumentVersions::facts(const std::vector<RecordPtr> &rows) const
{
    VersionFacts f;
    f.ancestry = ancestry(rows);
    if (m_parent != 0)
        f.ancestry = joinAncestries({{m_parent}, f.ancestry});
    return f;
}

void keepVersions(MyDocument &document)
{
    document.setVersionKeeper(std::make_unique<DocumentVersions>(VersionStore(VersionStore::defaultFolder())));
}
