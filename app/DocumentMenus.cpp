// The menus of a register window.

#include "DocumentController.h"

#include "MyDocument.h"
#include "MyWindowController.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

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
    MyWindowController *controller = document->windowController();
    QMainWindow *window = controller->window();
    QMenuBar *bar = window->menuBar();

    // The window brings its own menus; File comes first.
    QMenu *file = new QMenu(u"&File"_s, bar);
    bar->insertMenu(bar->actions().value(0), file);
    addItem(file, u"&New"_s, Qt::CTRL | Qt::Key_N, this, [this] { newDocument(); });
    addItem(file, u"&Open\u2026"_s, Qt::CTRL | Qt::Key_O, this, [this, window] { showOpenPanel(window); });
    QMenu *recent = file->addMenu(u"Open &Recent"_s);
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentMenu(recent); });
    file->addSeparator();
    addItem(file, u"&Close"_s, Qt::CTRL | Qt::Key_W, this, [this, document] { closeDocument(document); });
    addItem(file, u"&Save"_s, Qt::CTRL | Qt::Key_S, this, [this, document] { saveDocument(document); });
    addItem(file, u"Save &As\u2026"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_S, this,
            [this, document] { saveDocumentAs(document); });
    QAction *revert = addItem(file, u"Re&vert to Saved"_s, {}, this, [this, document] { revertDocument(document); });
    auto updateRevert = [revert, document] {
        revert->setEnabled(document->isDocumentEdited() && !document->fileName().isEmpty());
    };
    connect(document, &MyDocument::changeCountChanged, revert, updateRevert);
    connect(document, &MyDocument::fileNameChanged, revert, updateRevert);
    updateRevert();
    file->addSeparator();
    addItem(file, u"&Quit"_s, Qt::CTRL | Qt::Key_Q, this, [this] { quit(); });

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
    QAction *clear = menu->addAction(u"Clear Menu"_s);
    clear->setEnabled(!recentFiles().isEmpty());
    connect(clear, &QAction::triggered, this, [this] { clearRecentFiles(); });
}
