#pragma once

// The document of one register: it owns the register list (shared with its
// window controller), reads it from a register file, writes it back, and
// counts the changes not yet saved.

#include "EditHistory.h"
#include "FileIdentity.h"
#include "Progress.h"
#include "Register.h"
#include "RegisterIndex.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class DocumentWindow;
class Toolkit;
class VersionKeeper;

class MyDocument : public QObject
{
    Q_OBJECT

public:
    // The only kind of change the program records: one more unsaved change.
    enum ChangeType { ChangeDone = 0 };

    explicit MyDocument(QObject *parent = nullptr);
    ~MyDocument() override;

    // The register list object itself, shared, not a copy. Null until a file
    // is read or the window is made.
    RegisterPtr array() const { return theArray; }
    int count() const;
    // The record object at a row (changes to it change the register).
    RecordPtr objectAtIndex(int row) const;
    // --- Changing the register. These are the only ways the register changes;
    // each edit is kept in the history, so that every change can be undone.

    // Runs change, whose edits become one step of the history under name (what
    // the Edit menu shows: "Delete “Hy-Vee”"). A step that would take a
    // balance beyond what money can hold is taken back whole: the register and
    // the change count are as they were, and the message names the row.
    // Otherwise returns an empty string. A step that changed something marks
    // at least one change. Edits made outside edit() are a step each.
    QString edit(const QString &name, const std::function<void()> &change);
    // The rows to select once the last step is undone, and once it is done again.
    void setStepRows(RowRuns before, RowRuns after);

    // Marks one change, then inserts the record before index; on an empty
    // register the record is appended whatever the index. A record without
    // an identity is given one (see RowIdentity.h).
    bool addData(RecordPtr record, int index);
    // Many records at once, in their order, as if each were added alone in
    // turn at its place: records.size() changes are marked (the count signal
    // is sent once), and on an empty register they are appended whatever the
    // index. An index beyond the register appends.
    bool addData(std::vector<RecordPtr> records, int index);
    // Marks one change, then takes that very record out of the register (a
    // record the register does not hold removes nothing).
    bool remData(const RecordPtr &record);
    // Stores a value under a key of a row (a null value removes the key).
    // Marks nothing itself: the command does.
    void setValue(int row, QStringView key, Value value);
    void setValue(int row, Key key, Value value) { setValue(row, QString(keyName(key)), std::move(value)); }
    // Puts the rows in a new order (row i becomes the row that was at
    // order[i]) and works out every balance again.
    void reorder(std::vector<int> order);
    // Replaces every row at once (by a merge), keeping the records the new
    // list shares with the old one. Marks nothing itself.
    void replaceAllRows(std::vector<RecordPtr> rows);
    // Every balance worked out again as a money number, from row 0 down.
    void recalculateBalances();
    // The balances from a row down carried as money text, as a cell edit does.
    void carryBalances(int fromRow);

    void updateChangeCount(ChangeType change = ChangeDone);
    int changeCount() const { return m_changeCount; }
    bool isDocumentEdited() const { return m_changeCount != 0; }

    // What follows the rows change by change: told of every edit as it is
    // made, undone or done again, and of a register read or restored whole.
    // A listener stays told until it is removed.
    void addRowChangeListener(RowChangeListener *listener);
    // To be called before a record of the register changes outside the
    // edits (as the table's rewriting of a shown Amount does), so that its
    // listeners are told as they are of an edit.
    void recordWillChange(const Record &record);
    void removeRowChangeListener(RowChangeListener *listener);
    // The register's texts indexed, followed change by change once first
    // read (a document without a window never reads them).
    RegisterIndex &textIndex() { return m_textIndex; }

    // --- Undo and redo.
    const EditHistory &history() const { return m_history; }
    // Takes back the last step (or does again the last one undone) and
    // returns it; null when there is none. Back at the state last saved the
    // document counts no unsaved change; anywhere else it counts one more.
    const EditStep *undo();
    const EditStep *redo();

    // The old-style text of the whole register; nothing when there is no register.
    std::optional<QByteArray> dataRepresentationOfType(QStringView type = {}) const;
    // Reads a register file into a new register. A file that cannot be read or
    // is not a register is refused: false, with a message naming the file (as
    // the path was given) and what is wrong, and the document is left as it
    // was. The document's file is the one the path leads to: symbolic links
    // are followed once, here, and its saves, backups and lock are that file's.
    bool readFromFile(const QString &path, QStringView type, QString *error, Progress *progress = nullptr);
    // Writes the register to path atomically (through a symbolic link, which
    // stays), keeping the version it replaces as backups (see
    // writeRegisterFile); a file that holds these bytes already is not
    // touched. On success the document takes the file as its own and counts
    // no unsaved change.
    bool saveToFile(const QString &path, QString *error, Progress *progress = nullptr);
    // Reads the document's file again into the same register object, so every
    // share of the register sees the saved rows.
    bool revertToSaved(QString *error, Progress *progress = nullptr);
    // Reads an earlier version of the document's file (a backup) into the
    // same register object. The document keeps its file, and counts as
    // changed until it is saved: the file still holds what it held.
    bool revertToVersion(const QString &versionPath, QString *error, Progress *progress = nullptr);

    // Takes back rows recovered after a crash: they become the register, the
    // document takes the name of the file they were a copy of (none for a
    // register never saved), and counts as changed. stamp is that file as it
    // was when the recovered work began, so that a change made to it since
    // is not saved over unasked.
    void restoreRows(std::vector<RecordPtr> rows, const QString &originalPath, const FileStamp &stamp);

    // An empty register when there is none yet: a new document starts so.
    void ensureRegister();
    // Makes the document's window, from the window factory the window
    // layer registered (see DocumentWindow.h).
    void makeWindowControllers(Toolkit &toolkit);
    // The document's window; null until it is made (and in the command line).
    DocumentWindow *documentWindow() const { return m_window; }

    // Whoever keeps the versions of the document's file for merging, told of
    // every read and write; none by default.
    void setVersionKeeper(std::unique_ptr<VersionKeeper> keeper);
    VersionKeeper *versionKeeper() const { return m_versionKeeper.get(); }

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path);

    // True when the document's file is not as it was when the document last
    // read or wrote it: another program changed, replaced or removed it, even
    // keeping its size and time.
    bool fileChangedOnDisk() const;
    // True when the file, changed on disk, is a version the rows grew from
    // (it was merged into them): writing them over it loses nothing of it.
    bool fileOnDiskMerged() const;
    // The file as the document last read or wrote it.
    FileStamp diskStamp() const { return m_diskStamp; }

signals:
    void changeCountChanged(int count);
    void fileNameChanged(const QString &path);
    // A step was added, undone or done again, or the history was emptied.
    void historyChanged();

private:
    void setChangeCount(int count);
    // Runs f as part of the step being built, or as a step of its own.
    template <typename F>
    void inStep(F &&f);
    // Makes an edit and keeps it in the step being built.
    void apply(std::unique_ptr<RegisterEdit> edit);
    void afterHistoryMove();
    // Every row replaced, in the same register object (listeners told first).
    void replaceRows(std::vector<RecordPtr> rows);
    // A fresh register from a file or a copy: no step leads back from it.
    void startHistory(size_t savedPosition);
    // Every listener at once, or null when there is none.
    RowChangeListener *rowListeners();

    class ListenerList;
    std::unique_ptr<ListenerList> m_listeners;
    RegisterIndex m_textIndex;

    RegisterPtr theArray;
    DocumentWindow *m_window = nullptr; // a child of the document
    int m_changeCount = 0;
    EditHistory m_history;
    std::unique_ptr<EditStep> m_openStep;
    // Where the history stood when the register was last saved or read.
    size_t m_savedPosition = 0;
    QString m_fileName;
    // What the file looked like when last read or written.
    FileStamp m_diskStamp;
    std::unique_ptr<VersionKeeper> m_versionKeeper;
};
