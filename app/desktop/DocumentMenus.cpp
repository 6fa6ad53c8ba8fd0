// The menus of a register window.

#include "DocumentController.h"

#include "Backups.h"
#include "DocumentWindow.h"
#include "MyDocument.h"

#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {
template <typename F>
QAction *addItem(QMenu *menu, const QString &text, const QKeySequence &shortcut, QObject *context, F &&f)
{
    QAction *action = menu->addAction(text);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, context, std::forward<F>(f));
    return action;
}
} // namespace

void DocumentController::installMenus(MyDocument *document)
{
    DocumentWindow *controller = document->documentWindow();
    QMainWindow *window = controller->window();

    // The window's File menu holds its own commands; the document's go around them.
    QMenu *file = controller->fileMenu();
    QAction *windowItems = file->actions().value(0);
    auto insertItem = [&](const QString &text, const QKeySequence &shortcut, auto &&f) {
        auto *action = new QAction(text, file);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, std::forward<decltype(f)>(f));
        file->insertAction(windowItems, action);
        return action;
    };
    insertItem(tr("&New"), Qt::CTRL | Qt::Key_N, [this] { newDocument(); });
    insertItem(tr("&Open\u2026"), Qt::CTRL | Qt::Key_O, [this, window] { showOpenPanel(window); });
    QMenu *recent = new QMenu(tr("Open &Recent"), file);
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentMenu(recent); });
    file->insertMenu(windowItems, recent);
    file->insertSeparator(windowItems);
    insertItem(tr("&Close"), Qt::CTRL | Qt::Key_W, [this, document] { closeDocument(document); });
    insertItem(tr("&Save"), Qt::CTRL | Qt::Key_S, [this, document] { saveDocument(document); });
    insertItem(tr("Save &As\u2026"), Qt::CTRL | Qt::SHIFT | Qt::Key_S, [this, document] { saveDocumentAs(document); });
    QAction *revert = insertItem(tr("Re&vert to Saved"), QKeySequence(), [this, document] { revertDocument(document); });
    auto updateRevert = [revert, document] {
        revert->setEnabled(document->isDocumentEdited() && !document->fileName().isEmpty());
    };
    connect(document, &MyDocument::changeCountChanged, revert, updateRevert);
    connect(document, &MyDocument::fileNameChanged, revert, updateRevert);
    updateRevert();
    QMenu *revertTo = new QMenu(tr("Revert &To"), file);
    revertTo->setObjectName(u"revertToMenu"_s);
    connect(revertTo, &QMenu::aboutToShow, this, [this, revertTo, document] { fillRevertMenu(revertTo, document); });
    file->insertMenu(windowItems, revertTo);
    auto updateRevertTo = [revertTo, document] { revertTo->setEnabled(!document->fileName().isEmpty()); };
    connect(document, &MyDocument::fileNameChanged, revertTo, updateRevertTo);
    updateRevertTo();
    file->insertSeparator(windowItems);
    file->addSeparator();
    addItem(file, tr("&Quit"), Qt::CTRL | Qt::Key_Q, this, [this] { quit(); });
    m_help.addTo(window);
}

void DocumentController::fillRevertMenu(QMenu *menu, MyDocument *document)
{
    menu->clear();
    const QString file = document->fileName();
    if (file.isEmpty())
        return;
    const std::vector<BackupVersion> versions = earlierVersions(file);
    for (const BackupVersion &version : versions) {
        QAction *action = menu->addAction(
            tr("Saved %1").arg(QLocale().toString(version.savedAt, QLocale::ShortFormat)));
        action->setToolTip(version.path);
        connect(action, &QAction::triggered, this, [this, document, version] {
            revertDocumentTo(document, version.path, version.savedAt);
        });
    }
    if (versions.empty())
        menu->addAction(tr("No Earlier Versions"))->setEnabled(false);
}

void DocumentController::fillRecentMenu(QMenu *menu)
{
    menu->clear();
    for (const QString &path : recentFiles()) {
        if (!QFileInfo::exists(path))
            continue;
        QAction *action = menu->addAction(QFileInfo(path).fileName());
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openDocument(path); });
    }
    if (!menu->isEmpty())
        menu->addSeparator();
    QAction *clear = menu->addAction(tr("Clear Menu"));
    clear->setEnabled(!recentFiles().isEmpty());
    connect(clear, &QAction::triggered, this, [this] { clearRecentFiles(); });
}
