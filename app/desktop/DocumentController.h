#pragma once

// The document architecture: one MyDocument and one register window per
// register; new, open (and open recent), close, save, save as, revert and
// quit, with Save / Don't Save / Cancel for unsaved changes.

#include "FileLock.h"
#include "HelpMenu.h"
#include "RecoveryStore.h"
#include "Toolkit.h"
#include "WindowMemory.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

#include <memory>
#include <optional>
#include <unordered_map>

class MyDocument;
class RecoveryWriter;
class QMenu;
class QTimer;
class QWidget;

class DocumentController : public QObject
{
    Q_OBJECT

public:
    // Copies of unsaved registers go to recoveryFolder.
    explicit DocumentController(Toolkit &toolkit, const QString &recoveryFolder = RecoveryStore::defaultFolder(),
                                QObject *parent = nullptr);
    ~DocumentController() override;

    // File > New: an untitled register in a window of its own.
    MyDocument *newDocument();
    // Opens a register file in a window, or brings its window forward when it
    // is open already. A file that cannot be read shows the reader's message
    // and opens nothing (null).
    MyDocument *openDocument(const QString &path);
    void openDocuments(const QStringList &paths);
    // File > Open...: several files at once.
    void showOpenPanel(QWidget *parent);

    // Closes a document and its window, asking first when it has unsaved
    // changes; false when the user cancelled or saving failed.
    bool closeDocument(MyDocument *document);
    // Saves under the document's name, or asks for one; false on cancel or
    // failure (the failure is shown and the document stays modified).
    bool saveDocument(MyDocument *document);
    bool saveDocumentAs(MyDocument *document);
    // Writes the document to path, adding .ldgr when a new name has no extension.
    bool saveDocumentTo(MyDocument *document, QString path);
    // Rereads the document's file after asking; false when nothing changed.
    bool revertDocument(MyDocument *document);
    // File > Revert To: reads an earlier version of the document's file (a
    // backup, saved at when) after asking; the window then shows it as an
    // unsaved change. False when nothing changed.
    bool revertDocumentTo(MyDocument *document, const QString &versionPath, const QDateTime &when);
    // Closes every document (asking for each); false when the user cancelled.
    bool closeAll();
    void quit();

    QList<MyDocument *> documents() const { return m_documents; }
    MyDocument *documentForPath(const QString &path) const;
    // The file's name, or "Untitled", "Untitled 2", ...
    QString displayName(const MyDocument *document) const;

    QStringList recentFiles() const;
    void clearRecentFiles();

    // Offers back, one by one, the registers a Cheqbook that did not close
    // normally left with unsaved changes, and says which copies could not be
    // read (they are put aside). Restore is the default answer; a declined
    // copy is put aside for a few days, not removed.
    void offerRecovery();
    // What Cheqbook does when it starts: offers back what a Cheqbook that
    // stopped left unsaved, reopens the registers open when it last quit (if
    // the user wants that), then opens files; a new register when none of
    // that opened a window.
    void start(const QStringList &files);
    // Files another Cheqbook was started with; none brings this Cheqbook's
    // front window forward. While a question is open they wait for its answer.
    void openHandedOver(const QStringList &files);
    // The longest a change waits before it is in a recovery copy: the copy is
    // written this long after the first change not in it, however the
    // changes go on.
    static constexpr int kRecoveryDelayMs = 3000;
    // Writes the recovery copy of every register with unsaved changes now:
    // when the session ends or the program is asked to end.
    void writeRecoveryCopies();

private:
    void showDocument(MyDocument *document);
    // A new window goes where it was when its register was last closed, or
    // a little below and right of the one before.
    void placeWindow(MyDocument *document);
    // Keeps how the window was left, and whether its register is to reopen.
    void windowClosing(MyDocument *document);
    void installMenus(MyDocument *document);
    void fillRecentMenu(QMenu *menu);
    void fillRevertMenu(QMenu *menu, MyDocument *document);
    void updateWindow(MyDocument *document);
    // The file named name was changed by another program: Save Anyway,
    // Merge (into the window, saved later) or Cancel. True to write now.
    bool askAboutChangesOnDisk(MyDocument *document, const QString &name);
    void noteRecentFile(const QString &path);
    QWidget *windowOf(const MyDocument *document) const;
    void scheduleRecovery(MyDocument *document);
    // Starts writing the document's recovery copy (on another thread), or
    // has it written again once the copy being written is done.
    void writeRecoveryCopy(MyDocument *document);
    RecoveryWriter &recoveryWriter(MyDocument *document);
    void recoveryCopyWritten(MyDocument *document, const QString &error);
    void recoveryFailed(MyDocument *document, const QString &failure);
    void restore(RecoveryStore::Recovered &found);
    // Takes the lock beside path (the file itself, links followed), so that
    // another Cheqbook opening the file is warned. When another running
    // Cheqbook holds it, asks question (with %1 the file's name and %2 who
    // holds it) and, when the user goes on, holds it along with that one;
    // nothing when the user chose not to go on. A lock file that cannot be
    // used is said so when sayWhenUnusable; the result is then a null lock.
    std::optional<std::shared_ptr<FileLock>> lockFile(const MyDocument *document, const QString &path,
                                                      const QString &question, const QString &goOn,
                                                      bool sayWhenUnusable);

    Toolkit &m_toolkit;
    QList<MyDocument *> m_documents;
    QHash<const MyDocument *, QString> m_untitledNames;
    int m_untitledCount = 0;
    RecoveryStore m_recovery;
    QHash<const MyDocument *, int> m_recoveryIds;
    QHash<const MyDocument *, QTimer *> m_recoveryTimers;
    std::unordered_map<const MyDocument *, std::unique_ptr<RecoveryWriter>> m_recoveryWriters;
    QSet<const MyDocument *> m_recoveryPending; // to be copied again once the copy being written is done
    int m_nextRecoveryId = 0;
    bool m_toldRecoveryFailed = false;
    QHash<const MyDocument *, std::shared_ptr<FileLock>> m_locks;
    WindowMemory m_windowMemory;
    bool m_quitting = false;
    QStringList m_openAtQuit;
    HelpMenu m_help;
};
