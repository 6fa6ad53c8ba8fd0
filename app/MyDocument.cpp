#include "MyDocument.h"

#include "AtomicFile.h"
#include "RegisterFile.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

MyDocument::MyDocument(QObject *parent) : QObject(parent) {}

MyDocument::~MyDocument()
{
    if (theArray)
        theArray->clear();
}

int MyDocument::count() const { return theArray ? theArray->count() : 0; }

RecordPtr MyDocument::objectAtIndex(int row) const
{
    Q_ASSERT(theArray && row >= 0 && row < theArray->count());
    return theArray->at(row);
}

bool MyDocument::addData(RecordPtr record, int index)
{
    updateChangeCount(ChangeDone);
    ensureRegister();
    if (theArray->isEmpty())
        theArray->append(std::move(record));
    else
        theArray->insert(index, std::move(record));
    return true;
}

bool MyDocument::addData(std::vector<RecordPtr> records, int index)
{
    setChangeCount(m_changeCount + int(records.size()));
    ensureRegister();
    theArray->insert(std::clamp(index, 0, theArray->count()), std::move(records));
    return true;
}

bool MyDocument::remData(const RecordPtr &record)
{
    updateChangeCount(ChangeDone);
    if (theArray)
        theArray->remove(record.get());
    return true;
}

void MyDocument::updateChangeCount(ChangeType)
{
    setChangeCount(m_changeCount + 1);
}

void MyDocument::setChangeCount(int count)
{
    if (count == m_changeCount)
        return;
    m_changeCount = count;
    emit changeCountChanged(count);
}

std::optional<QByteArray> MyDocument::dataRepresentationOfType(QStringView) const
{
    if (!theArray)
        return std::nullopt;
    return oldStyleText(theArray->rows());
}

bool MyDocument::readFromFile(const QString &path, QStringView, QString *error)
{
    if (path.isEmpty()) {
        if (error)
            *error = u"No file was given."_s;
        return false;
    }
    FileStamp stamp;
    RegisterReadResult r = readRegisterFile(path, &stamp);
    if (!r.ok()) {
        if (error)
            *error = r.error;
        return false;
    }
    if (theArray)
        theArray->assign(std::move(r.rows));
    else
        theArray = std::make_shared<Register>(std::move(r.rows));
    setFileName(resolvedPath(path));
    m_diskStamp = stamp;
    return true;
}

bool MyDocument::saveToFile(const QString &path, QString *error)
{
    const std::optional<QByteArray> data = dataRepresentationOfType();
    if (!data) {
        if (error)
            *error = u"%1 could not be written: the document holds no register."_s.arg(QFileInfo(path).fileName());
        return false;
    }
    const QString failure = writeFileAtomicallyWithBackup(path, *data);
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        return false;
    }
    const QString file = resolvedPath(path);
    setFileName(file);
    m_diskStamp = FileStamp::of(file, contentHash(*data));
    setChangeCount(0);
    return true;
}

bool MyDocument::fileChangedOnDisk() const
{
    return !m_fileName.isEmpty() && m_diskStamp.changedOnDisk(m_fileName);
}

bool MyDocument::revertToSaved(QString *error)
{
    if (m_fileName.isEmpty()) {
        if (error)
            *error = u"The register has never been saved."_s;
        return false;
    }
    FileStamp stamp;
    RegisterReadResult r = readRegisterFile(m_fileName, &stamp);
    if (!r.ok()) {
        if (error)
            *error = r.error;
        return false;
    }
    ensureRegister();
    theArray->assign(std::move(r.rows));
    m_diskStamp = stamp;
    setChangeCount(0);
    return true;
}

void MyDocument::restoreRows(std::vector<RecordPtr> rows, const QString &originalPath, const FileStamp &stamp)
{
    ensureRegister();
    theArray->assign(std::move(rows));
    setFileName(originalPath);
    m_diskStamp = stamp;
    setChangeCount(m_changeCount + 1);
}

void MyDocument::ensureRegister()
{
    if (!theArray) {
        theArray = std::make_shared<Register>();
        theArray->reserve(1);
    }
}

void MyDocument::setFileName(const QString &path)
{
    if (path == m_fileName)
        return;
    m_fileName = path;
    emit fileNameChanged(path);
}
