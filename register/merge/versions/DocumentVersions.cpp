#include "DocumentVersions.h"

#include "InputFile.h"
#include "MyDocument.h"

void DocumentVersions::fileRead(const QString &path, const FileStamp &stamp, const std::vector<RecordPtr> &)
{
    m_problem.clear();
    m_parent = (m_store ? m_store->keepFile(path, path, stamp, &m_problem) : fileVersion(path, stamp)).value_or(0);
}

void DocumentVersions::aboutToWrite(const std::vector<RecordPtr> &rows)
{
    // The text is hashed as it is made, never held: a save writes it once more.
    if (rows.empty() || (m_parent != 0 && versionHashOfText(rows) == m_parent))
        return;
    setAncestry(rows, facts(rows).ancestry);
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
