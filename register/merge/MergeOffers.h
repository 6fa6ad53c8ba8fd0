#pragma once

// The window's side of merging: the copies sync tools leave beside the open
// register (when it opens, and whenever one appears while it is open) are
// offered for merging; a merge asks about its conflicts side by side and
// becomes one step of the history. Nothing is written until the user saves;
// then the merged copy goes into the Merged folder of Cheqbook's data
// folder, never deleted. A merge that cannot be done says why and changes
// nothing.

#include "DocumentWindow.h"
#include "RegisterVersions.h"

#include <QDate>
#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>
#include <vector>

class MyDocument;
class Toolkit;
class QWidget;
struct ConflictCopy;

class MergeOffers : public QObject
{
    Q_OBJECT
public:
    // dateText writes a date as the window shows dates.
    MergeOffers(MyDocument *document, Toolkit &toolkit, QWidget *window, std::function<QString(QDate)> dateText);

    // Offers each conflict copy beside the register not offered before.
    void lookForCopies();
    // Merges the register at path into the document's rows; true when the
    // merge was taken (as one step).
    bool mergeFile(const QString &path);
    // Merges the register's own file as it now stands on disk (another
    // computer's save, brought by a sync tool) into the document's rows. The
    // file stays where it is.
    DocumentWindow::MergeOutcome mergeFileOnDisk();

    // The question a conflict copy is offered with.
    QString offerText(const ConflictCopy &copy) const;
    // Where merged copies go.
    static QString mergedFolder();

signals:
    // The rows were replaced by a merge: the window shows them again.
    void merged();

private:
    DocumentWindow::MergeOutcome merge(const QString &path, bool ownFile);
    void watchFolder();
    void moveSavedCopies();

    MyDocument *m_document;
    Toolkit &m_toolkit;
    QWidget *m_window;
    std::function<QString(QDate)> m_dateText;
    QSet<QString> m_offered;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a sync tool writes a copy in steps: looked at once it is quiet
    bool m_asking = false;
    struct Merged {
        QString path;
        VersionHash version;
    };
    std::vector<Merged> m_merged; // copies merged, moved once a save holds the merge
};
