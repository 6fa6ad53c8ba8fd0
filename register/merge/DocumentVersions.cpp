#include "DocumentVersions.h"

void DocumentVersions::fileRead(const QString &path, const FileStamp &stamp, const std::vector<RecordPtr> &)
{
    m_problem.clear();
    m_parent = (m_store ? m_store->keepFile(path, path, stamp, &m_problem) : fileVersion(path, stamp)).value_or(0);
}

void DocumentVersions::aboutToWrite(const std::vector<RecordPtr> &rows)
{
    setAncestry(rows, facts(rows).ancestry);
}

void DocumentVersions::fileWritten(const QString &path, const QByteArray &bytes)
{
    m_problem.clear();
    m_parent = versionHash(bytes);
    if (m_store)
        m_store->keep(path, bytes, &m_problem);
}

VersionFacts DocumentVersions::facts(const std::vector<RecordPtr> &rows) const
{
    VersionFacts f;
    f.ancestry = ancestry(rows);
    if (m_parent != 0)
        f.ancestry = joinAncestries({{m_parent}, f.ancestry});
    return f;
}
