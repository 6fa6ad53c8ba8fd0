// Starting Cheqbook, files handed over by another Cheqbook, and how windows
// are placed and remembered.

#include "DocumentController.h"

#include "DocumentWindow.h"
#include "MyDocument.h"
#include "ReopenList.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>

namespace {
// How often files handed over look again whether the question that kept
// them waiting has been answered.
constexpr int kHandOverRetryMs = 250;
} // namespace

void DocumentController::start(const QStringList &files)
{
    offerRecovery();
    if (reopen::enabled()) {
        // A register moved or deleted since is simply not reopened; the user
        // did not ask for it this time.
        QStringList existing = reopen::registers();
        existing.removeIf([](const QString &path) { return !QFileInfo(path).isFile(); });
        openDocuments(existing);
    }
    openDocuments(files);
    if (m_documents.isEmpty())
        newDocument();
}

void DocumentController::openHandedOver(const QStringList &files)
{
    // Opening may itself ask (a register open in another Cheqbook) or show
    // why a file cannot be read; that must not happen inside a question the
    // user has not answered yet, such as Save / Don't Save during Quit.
    if (QApplication::activeModalWidget() || m_quitting) {
        QTimer::singleShot(kHandOverRetryMs, this, [this, files] { openHandedOver(files); });
        return;
    }
    if (!files.isEmpty()) {
        openDocuments(files);
    } else if (m_documents.isEmpty()) {
        newDocument();
    } else {
        QWidget *window = windowOf(m_documents.last());
        window->showNormal();
        window->raise();
        window->activateWindow();
    }
}

void DocumentController::placeWindow(MyDocument *document)
{
    DocumentWindow *controller = document->documentWindow();
    QMainWindow *window = controller->window();
    if (m_windowMemory.restore(window, controller->tableView(), document->fileName()))
        return;
    // Each new window a little below and right of the one before.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const int step = 28 * ((m_documents.size() - 1) % 8);
        window->move(area.topLeft() + QPoint(std::max(0, area.width() / 2 - window->width() / 2) + step,
                                             std::max(0, area.height() / 2 - window->height() / 2) + step));
    }
}

void DocumentController::windowClosing(MyDocument *document)
{
    DocumentWindow *controller = document->documentWindow();
    m_windowMemory.remember(controller->window(), controller->tableView(), document->fileName());
    // Closing the last window ends Cheqbook as Quit does, and on a desktop
    // without an application menu it is how most people quit.
    if (m_quitting) {
        if (!document->fileName().isEmpty())
            m_openAtQuit << document->fileName();
    } else if (m_documents.isEmpty()) {
        reopen::setRegisters(document->fileName().isEmpty() ? QStringList() : QStringList{document->fileName()});
    }
}
