#include "DocumentController.h"

#include "AtomicFile.h"
#include "DocumentWindow.h"
#include "DocumentVersions.h"
#include "MyDocument.h"
#include "RecoveryWriter.h"
#include "RunningBalance.h"
#include "ReopenList.h"

#include <QApplication>
#include <QCoreApplication>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
const QString kRecentFilesKey = u"recentFiles"_s;
QString registerFilter()
{
    return QCoreApplication::translate("DocumentController", "Registers (*.ldgr);;All files (*)");
}
constexpr int kRecentFilesKept = 10;
} // namespace

DocumentController::DocumentController(Toolkit &toolkit, const QString &recoveryFolder, QObject *parent)
    : QObject(parent), m_toolkit(toolkit), m_recovery(recoveryFolder)
{
#ifndef QT_NO_SESSIONMANAGER
    // Logging out ends the program without a chance to ask about unsaved
    // changes; they are copied for recovery first.
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager &) { writeRecoveryCopies(); }, Qt::DirectConnection);
#endif
}

DocumentController::~DocumentController()
{
    // Each writer lets go of its document first.
    m_recoveryWriters.clear();
    qDeleteAll(m_documents);
}

QWidget *DocumentController::windowOf(const MyDocument *document) const
{
    return document && document->documentWindow() ? document->documentWindow()->window() : nullptr;
}

MyDocument *DocumentController::newDocument()
{
    auto *document = new MyDocument(this);
    keepVersions(*document);
    ++m_untitledCount;
    m_untitledNames.insert(document,
                           m_untitledCount == 1 ? tr("Untitled") : tr("Untitled %1").arg(m_untitledCount));
    showDocument(document);
    return document;
}

MyDocument *DocumentController::openDocument(const QString &path)
{
    if (MyDocument *open = documentForPath(path)) {
        QWidget *window = windowOf(open);
        window->show();
        window->raise();
        window->activateWindow();
        return open;
    }
    const auto lock = lockFile(nullptr, resolvedPath(path),
                               tr("\u201c%1\u201d is already open in another Cheqbook%2.\nIf both save it, one will "
                                  "overwrite the other's changes."),
                               tr("Open Anyway"), true);
    if (!lock)
        return nullptr;
    auto *document = new MyDocument(this);
    keepVersions(*document);
    QString why;
    const std::unique_ptr<Progress> progress = m_toolkit.progress(
        QApplication::activeWindow(), tr("Opening \u201c%1\u201d\u2026").arg(QFileInfo(path).fileName()), true);
    if (!document->readFromFile(path, u"ldgr", &why, progress.get())) {
        delete document;
        // Stopped by the user: nothing was opened, and nothing needs saying.
        if (progress->wasCancelled())
            return nullptr;
        m_toolkit.alert(
            QApplication::activeWindow(), Toolkit::errorTitle(),
            tr("The register \u201c%1\u201d could not be opened.\n\n%2").arg(QFileInfo(path).fileName(), why));
        return nullptr;
    }
    // The window works the balances out again from the amounts; a file that
    // said otherwise is told of once, before that is all it shows.
    const QString disagreement = storedBalanceDisagreement(*document->array());
    m_locks.insert(document, *lock);
    noteRecentFile(document->fileName());
    showDocument(document);
    if (!disagreement.isEmpty())
        m_toolkit.alert(windowOf(document), tr("Balances"),
                        tr("In \u201c%1\u201d, %2.\nCheqbook shows the balances the amounts give, and saves them "
                           "so.")
                            .arg(QFileInfo(path).fileName(), disagreement));
    return document;
}

void DocumentController::openDocuments(const QStringList &paths)
{
    for (const QString &path : paths)
        openDocument(path);
}

void DocumentController::showOpenPanel(QWidget *parent)
{
    openDocuments(m_toolkit.openPanel(parent, tr("Open Register"), registerFilter(), true));
}

MyDocument *DocumentController::documentForPath(const QString &path) const
{
    for (MyDocument *document : m_documents)
        if (!document->fileName().isEmpty() && isSameFile(document->fileName(), path))
            return document;
    return nullptr;
}

QString DocumentController::displayName(const MyDocument *document) const
{
    if (!document->fileName().isEmpty())
        return QFileInfo(document->fileName()).fileName();
    return m_untitledNames.value(document, tr("Untitled"));
}

void DocumentController::showDocument(MyDocument *document)
{
    m_documents.append(document);
    m_recoveryIds.insert(document, ++m_nextRecoveryId);
    document->makeWindowControllers(m_toolkit);
    DocumentWindow *documentWindow = document->documentWindow();
    connect(document, &MyDocument::changeCountChanged, this, [this, document] {
        updateWindow(document);
        scheduleRecovery(document);
    });
    connect(document, &MyDocument::fileNameChanged, this, [this, document] { updateWindow(document); });
    documentWindow->onCloseRequested(this, [this, document] { closeDocument(document); });
    installMenus(document);
    updateWindow(document);
    QWidget *window = documentWindow->window();
    placeWindow(document);
    window->show();
    window->raise();
    window->activateWindow();
}

void DocumentController::updateWindow(MyDocument *document)
{
    QWidget *window = windowOf(document);
    if (!window)
        return;
    // A file Cheqbook would not save over says so before the user tries.
    const bool readOnly = !document->fileName().isEmpty() && !replaceRefusal(document->fileName()).isEmpty();
    window->setWindowTitle(displayName(document) + (readOnly ? tr(" (read-only)") : QString())
                           + u"[*] \u2014 Cheqbook"_s);
    window->setWindowFilePath(document->fileName());
    window->setWindowModified(document->isDocumentEdited());
}

bool DocumentController::closeDocument(MyDocument *document)
{
    if (!m_documents.contains(document))
        return true;
    QWidget *window = windowOf(document);
    if (document->isDocumentEdited()) {
        window->show();
        window->raise();
        switch (m_toolkit.askToSave(window, displayName(document))) {
        case Toolkit::SaveAnswer::Save:
            if (!saveDocument(document))
                return false;
            break;
        case Toolkit::SaveAnswer::DontSave:
            break;
        case Toolkit::SaveAnswer::Cancel:
            return false;
        }
    }
    m_documents.removeOne(document);
    m_untitledNames.remove(document);
    m_recoveryWriters.erase(document); // a copy being written is given up
    m_recoveryPending.remove(document);
    m_recovery.remove(m_recoveryIds.take(document));
    delete m_recoveryTimers.take(document);
    m_locks.remove(document);
    windowClosing(document);
    document->documentWindow()->closeForGood();
    // The close may come from the window's own event; it goes once that is over.
    document->deleteLater();
    return true;
}

bool DocumentController::saveDocument(MyDocument *document)
{
    if (document->fileName().isEmpty())
        return saveDocumentAs(document);
    return saveDocumentTo(document, document->fileName());
}

bool DocumentController::saveDocumentAs(MyDocument *document)
{
    const QString suggested = document->fileName().isEmpty()
        ? QDir::home().filePath(displayName(document) + u".ldgr"_s)
        : document->fileName();
    const QString path
        = m_toolkit.savePath(windowOf(document), tr("Save Register"), suggested, registerFilter(), u"ldgr"_s);
    if (path.isEmpty())
        return false;
    return saveDocumentTo(document, path);
}

bool DocumentController::saveDocumentTo(MyDocument *document, QString path)
{
    // A register saved under its own name keeps that name, whatever it is.
    if (path != document->fileName() && QFileInfo(path).suffix().isEmpty())
        path += u".ldgr"_s;
    path = QFileInfo(path).absoluteFilePath();
    const QString name = QFileInfo(path).fileName();
    // Through a link or not, the file written is the one it leads to.
    const QString file = resolvedPath(path);
    const bool sameFile = file == document->fileName();
    if (sameFile && document->fileChangedOnDisk() && !document->fileOnDiskMerged()) {
        if (!QFileInfo::exists(path)) {
            if (!m_toolkit.confirm(windowOf(document), tr("Save"),
                                   tr("\u201c%1\u201d was moved or deleted since you opened it.\nSave it again where "
                                      "it was?")
                                       .arg(name),
                                   tr("Save Anyway"), Toolkit::cancelButton()))
                return false;
        } else if (!askAboutChangesOnDisk(document, name)) {
            return false;
        }
    }
    std::shared_ptr<FileLock> newLock;
    if (!sameFile) {
        const auto lock = lockFile(document, file,
                                   tr("\u201c%1\u201d is open in another Cheqbook%2.\nIf both save it, one will "
                                      "overwrite the other's changes."),
                                   tr("Save Anyway"), false);
        if (!lock)
            return false;
        newLock = *lock;
    }
    QString why;
    const std::unique_ptr<Progress> progress = m_toolkit.progress(
        windowOf(document), tr("Saving \u201c%1\u201d\u2026").arg(QFileInfo(path).fileName()), false);
    if (!document->saveToFile(path, &why, progress.get())) {
        m_toolkit.alert(windowOf(document), Toolkit::errorTitle(),
                        tr("The register \u201c%1\u201d could not be saved.\n\n%2").arg(displayName(document), why));
        return false;
    }
    m_untitledNames.remove(document);
    if (newLock)
        m_locks.insert(document, newLock); // the old file's lock goes
    noteRecentFile(document->fileName());
    updateWindow(document);
    return true;
}

bool DocumentController::askAboutChangesOnDisk(MyDocument *document, const QString &name)
{
    const QString question = tr("\u201c%1\u201d was changed by another program since you opened it.\n"
                                "Saving replaces those changes with yours.")
                                 .arg(name) +
        u"\n\n"_s + tr("Merge takes them in beside yours, for you to look over before you save.");
    enum { SaveAnyway, Merge, Cancel };
    switch (m_toolkit.choose(windowOf(document), tr("Save"), question,
                             {tr("Save Anyway"), tr("Merge"), Toolkit::cancelButton()})) {
    case SaveAnyway:
        return true;
    case Merge:
        // A merge is looked over and saved by the user; only a version the
        // window holds all of already is written at once.
        return document->documentWindow()->mergeFileOnDisk() == DocumentWindow::MergeOutcome::NothingNew;
    default:
        return false;
    }
}

bool DocumentController::revertDocument(MyDocument *document)
{
    if (document->fileName().isEmpty())
        return false;
    if (!m_toolkit.confirm(windowOf(document), tr("Revert to Saved"),
                           tr("Do you want to revert \u201c%1\u201d to the version last saved?\n"
                              "The changes you made since then will be lost.")
                               .arg(displayName(document)),
                           tr("Revert"), Toolkit::cancelButton()))
        return false;
    QString why;
    const std::unique_ptr<Progress> progress = m_toolkit.progress(
        windowOf(document), tr("Reading \u201c%1\u201d again\u2026").arg(displayName(document)), true);
    if (!document->revertToSaved(&why, progress.get())) {
        if (progress->wasCancelled())
            return false;
        m_toolkit.alert(
            windowOf(document), Toolkit::errorTitle(),
            tr("The register \u201c%1\u201d could not be read again.\n\n%2").arg(displayName(document), why));
        return false;
    }
    document->documentWindow()->registerReverted();
    return true;
}

bool DocumentController::revertDocumentTo(MyDocument *document, const QString &versionPath, const QDateTime &when)
{
    const QString saved = QLocale().toString(when, QLocale::ShortFormat);
    if (!m_toolkit.confirm(windowOf(document), tr("Revert To"),
                           tr("Do you want to go back to the version of \u201c%1\u201d saved %2?\n"
                              "The window shows that version until you save it, which makes it the register "
                              "again. The changes not saved will be lost.")
                               .arg(displayName(document), saved),
                           tr("Revert"), tr("Cancel")))
        return false;
    QString why;
    const std::unique_ptr<Progress> progress =
        m_toolkit.progress(windowOf(document), tr("Reading the version saved %1\u2026").arg(saved), true);
    if (!document->revertToVersion(versionPath, &why, progress.get())) {
        if (progress->wasCancelled())
            return false;
        m_toolkit.alert(windowOf(document), Toolkit::errorTitle(),
                        tr("The version of \u201c%1\u201d saved %2 could not be read.\n\n%3")
                            .arg(displayName(document), saved, why));
        return false;
    }
    document->documentWindow()->registerReverted();
    return true;
}

bool DocumentController::closeAll()
{
    const QList<MyDocument *> open = m_documents;
    for (MyDocument *document : open)
        if (!closeDocument(document))
            return false;
    return true;
}

void DocumentController::quit()
{
    m_quitting = true;
    m_openAtQuit.clear();
    const bool closed = closeAll();
    m_quitting = false;
    if (closed) {
        reopen::setRegisters(m_openAtQuit);
        QCoreApplication::quit();
    }
}

QStringList DocumentController::recentFiles() const
{
    return QSettings().value(kRecentFilesKey).toStringList();
}

void DocumentController::clearRecentFiles() { QSettings().remove(kRecentFilesKey); }

void DocumentController::noteRecentFile(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFilesKept)
        files.removeLast();
    QSettings().setValue(kRecentFilesKey, files);
}
