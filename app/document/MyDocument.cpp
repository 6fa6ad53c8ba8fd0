#include "MyDocument.h"

#include "Backups.h"
#include "RegisterFile.h"
#include "RowIdentity.h"
#include "RunningBalance.h"
#include "TwoCoreWriting.h"
#include "VersionKeeper.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

class MyDocument::ListenerList : public RowChangeListener
{
public:
    std::vector<RowChangeListener *> all;

    void rowsInserted(const Register &reg, int row, int count) override
    {
        for (RowChangeListener *l : all)
            l->rowsInserted(reg, row, count);
    }
    void rowsRemoved(const Register &reg, int row, std::span<const RecordPtr> records) override
    {
        for (RowChangeListener *l : all)
            l->rowsRemoved(reg, row, records);
    }
    void valueChanged(const Register &reg, int row, QStringView key, const Value &before,
                      const Value &after) override
    {
        for (RowChangeListener *l : all)
            l->valueChanged(reg, row, key, before, after);
    }
    void rowsReplaced(const Register &reg) override
    {
        for (RowChangeListener *l : all)
            l->rowsReplaced(reg);
    }
    void balancesChanged(const Register &reg, int fromRow) override
    {
        for (RowChangeListener *l : all)
            l->balancesChanged(reg, fromRow);
    }
    void rowsWillBeReplaced(const Register &reg) override
    {
        for (RowChangeListener *l : all)
            l->rowsWillBeReplaced(reg);
    }
    void recordWillChange(const Record &record) override
    {
        for (RowChangeListener *l : all)
            l->recordWillChange(record);
    }
};

MyDocument::MyDocument(QObject *parent) : QObject(parent), m_listeners(std::make_unique<ListenerList>())
{
    addRowChangeListener(&m_textIndex);
}

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

QString MyDocument::edit(const QString &name, const std::function<void()> &change)
{
    if (m_openStep) {
        // Part of the step being built.
        change();
        return {};
    }
    ensureRegister();
    m_openStep = std::make_unique<EditStep>();
    m_openStep->name = name;
    const int changesBefore = m_changeCount;
    try {
        change();
    } catch (...) {
        m_openStep->undo(*theArray, rowListeners());
        m_openStep.reset();
        setChangeCount(changesBefore);
        throw;
    }
    std::unique_ptr<EditStep> step = std::move(m_openStep);
    if (step->edits.empty())
        return {};
    const int firstRow = step->firstBalanceRow();
    if (firstRow != INT_MAX) {
        if (const QString why = balanceBeyondLimit(*theArray, firstRow); !why.isEmpty()) {
            step->undo(*theArray, rowListeners());
            setChangeCount(changesBefore);
            return why;
        }
    }
    if (m_changeCount == changesBefore)
        updateChangeCount(ChangeDone);
    // The state last saved is reached only back along the history: once a
    // new step leaves the undone part behind, it is gone.
    if (m_savedPosition != EditHistory::kLost && m_savedPosition > m_history.position())
        m_savedPosition = EditHistory::kLost;
    m_history.push(std::move(step));
    emit historyChanged();
    return {};
}

void MyDocument::setStepRows(RowRuns before, RowRuns after)
{
    Q_ASSERT(m_history.canUndo());
    EditStep &step = *m_history.lastDone();
    step.rowsBefore = std::move(before);
    step.rowsAfter = std::move(after);
}

template <typename F>
void MyDocument::inStep(F &&f)
{
    ensureRegister();
    if (m_openStep)
        f();
    else
        edit(tr("Change"), f);
}

void MyDocument::apply(std::unique_ptr<RegisterEdit> e)
{
    Q_ASSERT(m_openStep);
    if (RowChangeListener *listener = rowListeners())
        e->warn(*listener, *theArray);
    e->redo(*theArray);
    if (RowChangeListener *listener = rowListeners())
        e->tell(*listener, *theArray, false);
    m_openStep->edits.push_back(std::move(e));
}

bool MyDocument::addData(RecordPtr record, int index)
{
    inStep([&] {
        updateChangeCount(ChangeDone);
        std::vector<RecordPtr> one{std::move(record)};
        giveAddedRowsIdentities(*theArray, one);
        apply(std::make_unique<InsertRows>(theArray->isEmpty() ? 0 : index, std::move(one)));
    });
    return true;
}

bool MyDocument::addData(std::vector<RecordPtr> records, int index)
{
    if (records.empty())
        return true;
    inStep([&] {
        setChangeCount(m_changeCount + int(records.size()));
        giveAddedRowsIdentities(*theArray, records);
        apply(std::make_unique<InsertRows>(std::clamp(index, 0, theArray->count()), std::move(records)));
    });
    return true;
}

bool MyDocument::remData(const RecordPtr &record)
{
    inStep([&] {
        updateChangeCount(ChangeDone);
        if (const int row = theArray->indexOf(record.get()); row >= 0)
            apply(std::make_unique<RemoveRow>(row, record));
    });
    return true;
}

void MyDocument::setValue(int row, QStringView key, Value value)
{
    inStep([&] {
        Q_ASSERT(row >= 0 && row < theArray->count());
        Value before = (*theArray)[row].value(key);
        apply(std::make_unique<SetValue>(row, key.toString(), std::move(before), std::move(value)));
    });
}

void MyDocument::reorder(std::vector<int> order)
{
    inStep([&] { apply(std::make_unique<ReorderRows>(*theArray, std::move(order))); });
}

void MyDocument::replaceAllRows(std::vector<RecordPtr> rows)
{
    inStep([&] { apply(std::make_unique<ReplaceRows>(std::move(rows))); });
}

void MyDocument::recalculateBalances()
{
    inStep([&] { apply(std::make_unique<RecomputeTotals>(*theArray, RecomputeTotals::How::Recalculate, 0)); });
}

void MyDocument::carryBalances(int fromRow)
{
    inStep([&] { apply(std::make_unique<RecomputeTotals>(*theArray, RecomputeTotals::How::Carry, fromRow)); });
}

const EditStep *MyDocument::undo()
{
    if (!theArray)
        return nullptr;
    const EditStep *step = m_history.undo(*theArray, rowListeners());
    if (step)
        afterHistoryMove();
    return step;
}

const EditStep *MyDocument::redo()
{
    if (!theArray)
        return nullptr;
    const EditStep *step = m_history.redo(*theArray, rowListeners());
    if (step)
        afterHistoryMove();
    return step;
}

void MyDocument::afterHistoryMove()
{
    setChangeCount(m_history.position() == m_savedPosition ? 0 : m_changeCount + 1);
    emit historyChanged();
}

void MyDocument::recordWillChange(const Record &record)
{
    if (RowChangeListener *listener = rowListeners())
        listener->recordWillChange(record);
}

void MyDocument::addRowChangeListener(RowChangeListener *listener) { m_listeners->all.push_back(listener); }

void MyDocument::removeRowChangeListener(RowChangeListener *listener) { std::erase(m_listeners->all, listener); }

RowChangeListener *MyDocument::rowListeners() { return m_listeners->all.empty() ? nullptr : m_listeners.get(); }

void MyDocument::startHistory(size_t savedPosition)
{
    if (theArray)
        m_listeners->rowsReplaced(*theArray);
    m_history.clear();
    m_savedPosition = savedPosition;
    emit historyChanged();
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

bool MyDocument::readFromFile(const QString &path, QStringView, QString *error, Progress *progress)
{
    if (path.isEmpty()) {
        if (error)
            *error = tr("No file was given.");
        return false;
    }
    FileStamp stamp;
    RegisterReadResult r = readRegisterFile(path, &stamp, progress);
    if (!r.ok()) {
        if (error)
            *error = r.error;
        return false;
    }
    giveIdentities(r.rows);
    if (theArray)
        replaceRows(std::move(r.rows));
    else
        theArray = std::make_shared<Register>(std::move(r.rows));
    setFileName(resolvedPath(path));
    m_diskStamp = stamp;
    if (m_versionKeeper)
        m_versionKeeper->fileRead(m_fileName, stamp, theArray->rows());
    startHistory(0);
    return true;
}

bool MyDocument::saveToFile(const QString &path, QString *error, Progress *progress)
{
    if (!theArray) {
        if (error)
            *error = tr("%1 could not be written: the document holds no register.").arg(QFileInfo(path).fileName());
        return false;
    }
    // A row that came without an identity (from a file, or by a way around
    // addData) has one from now on.
    giveIdentities(theArray->rows());
    if (m_versionKeeper)
        m_versionKeeper->aboutToWrite(theArray->rows());
    // The text goes to the file as it is made: a large register is never
    // held twice, and is made on two cores where nothing is shown meanwhile.
    const RegisterWrite written = writeRegisterFile(
        path, [&](const ChunkWriter &put) { return writeOldStyleOnTwoCores(theArray->rows(), put, progress); });
    if (!written.error.isEmpty()) {
        if (error)
            *error = written.error;
        return false;
    }
    const QString file = resolvedPath(path);
    setFileName(file);
    m_diskStamp = FileStamp::read(file);
    if (m_versionKeeper)
        m_versionKeeper->fileWritten(file, m_diskStamp);
    m_savedPosition = m_history.position();
    setChangeCount(0);
    return true;
}

bool MyDocument::fileChangedOnDisk() const
{
    return !m_fileName.isEmpty() && m_diskStamp.changedOnDisk(m_fileName);
}

bool MyDocument::fileOnDiskMerged() const
{
    return !m_fileName.isEmpty() && m_versionKeeper && m_versionKeeper->grewFrom(m_fileName, theArray->rows());
}

bool MyDocument::revertToSaved(QString *error, Progress *progress)
{
    if (m_fileName.isEmpty()) {
        if (error)
            *error = tr("The register has never been saved.");
        return false;
    }
    FileStamp stamp;
    RegisterReadResult r = readRegisterFile(m_fileName, &stamp, progress);
    if (!r.ok()) {
        if (error)
            *error = r.error;
        return false;
    }
    replaceRows(std::move(r.rows));
    m_diskStamp = stamp;
    if (m_versionKeeper)
        m_versionKeeper->fileRead(m_fileName, stamp, theArray->rows());
    startHistory(0);
    setChangeCount(0);
    return true;
}

bool MyDocument::revertToVersion(const QString &versionPath, QString *error, Progress *progress)
{
    RegisterReadResult r = readRegisterFile(versionPath, nullptr, progress);
    if (!r.ok()) {
        if (error)
            *error = r.error;
        return false;
    }
    replaceRows(std::move(r.rows));
    // The file is still what it was: only saving makes the version it again.
    startHistory(EditHistory::kLost);
    setChangeCount(m_changeCount + 1);
    return true;
}

void MyDocument::replaceRows(std::vector<RecordPtr> rows)
{
    giveIdentities(rows);
    ensureRegister();
    m_listeners->rowsWillBeReplaced(*theArray);
    theArray->assign(std::move(rows));
    if (m_versionKeeper)
        m_versionKeeper->rowsRestored();
}

void MyDocument::restoreRows(std::vector<RecordPtr> rows, const QString &originalPath, const FileStamp &stamp)
{
    replaceRows(std::move(rows));
    setFileName(originalPath);
    m_diskStamp = stamp;
    startHistory(EditHistory::kLost);
    setChangeCount(m_changeCount + 1);
}

void MyDocument::ensureRegister()
{
    if (!theArray) {
        theArray = std::make_shared<Register>();
        theArray->reserve(1);
    }
}

void MyDocument::setVersionKeeper(std::unique_ptr<VersionKeeper> keeper) { m_versionKeeper = std::move(keeper); }

void MyDocument::setFileName(const QString &path)
{
    if (path == m_fileName)
        return;
    m_fileName = path;
    emit fileNameChanged(path);
}
