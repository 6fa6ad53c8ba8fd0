// Undo and redo of the register's changes, from the Edit menu.

#include "MyWindowController.h"

#include "BalancingDrawer.h"

#include "Reconciliation.h"
#include "RegisterTableModel.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// A text field that has typing of its own to undo keeps Ctrl+Z for it, as
// every text field does; one that has none lets the keys reach the Edit
// menu, so that Ctrl+Z undoes the last change to the register even while
// the keyboard is in an entry field. A field always claims them otherwise.
class UndoKeyRouter : public QObject
{
public:
    explicit UndoKeyRouter(QWidget *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (!field || !m_window->isAncestorOf(field))
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const bool undo = key->matches(QKeySequence::Undo);
        const bool redo = key->matches(QKeySequence::Redo) || isCtrlY(key);
        if ((undo && !field->isUndoAvailable()) || (redo && !field->isRedoAvailable())) {
            event->ignore();
            return true; // not the field's: the menu's shortcut goes ahead
        }
        return false;
    }

private:
    static bool isCtrlY(const QKeyEvent *key)
    {
        return key->key() == Qt::Key_Y && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    }
    QWidget *m_window;
};

// A menu item's text shows an ampersand as it is.
QString menuText(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'&', u"&&"_s);
}

} // namespace

void MyWindowController::buildUndoActions(QMenu *edit)
{
    m_undoAction = new QAction(edit);
    QList<QKeySequence> undoKeys = QKeySequence::keyBindings(QKeySequence::Undo);
    m_undoAction->setShortcuts(undoKeys);
    connect(m_undoAction, &QAction::triggered, this, [this] { undo(m_undoAction); });
    m_redoAction = new QAction(edit);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    m_redoAction->setShortcuts(redoKeys);
    connect(m_redoAction, &QAction::triggered, this, [this] { redo(m_redoAction); });
    edit->addAction(m_undoAction);
    edit->addAction(m_redoAction);
    qApp->installEventFilter(new UndoKeyRouter(m_window));
    connect(myDocument, &MyDocument::historyChanged, this, &MyWindowController::updateUndoActions);
    updateUndoActions();
}

void MyWindowController::updateUndoActions()
{
    const EditHistory &history = myDocument->history();
    m_undoAction->setEnabled(history.canUndo());
    m_undoAction->setText(history.canUndo() ? tr("&Undo %1").arg(menuText(history.undoName())) : tr("&Undo"));
    m_redoAction->setEnabled(history.canRedo());
    m_redoAction->setText(history.canRedo() ? tr("&Redo %1").arg(menuText(history.redoName())) : tr("&Redo"));
}

void MyWindowController::undo(QObject *)
{
    if (const EditStep *step = myDocument->undo())
        showStep(step->rowsBefore);
}

void MyWindowController::redo(QObject *)
{
    if (const EditStep *step = myDocument->redo())
        showStep(step->rowsAfter);
}

void MyWindowController::showStep(const RowRuns &rows)
{
    reloadData();
    std::vector<int> selected;
    for (const auto &[first, last] : rows)
        for (int row = first; row <= last && row < dataArray->count(); ++row)
            selected.push_back(row);
    selectRows(selected);
    scrollRowToVisible(selected.empty() ? std::min(dataArray->count() - 1, numberOfRows() - 1) : selected.front());
    // What the status bar said of the step ("Deleted “Hy-Vee” (Ctrl+Z to
    // undo)") is no longer so.
    m_window->statusBar()->clearMessage();
    // The check number an undone entry used is free again.
    followCheckNumber(true);
    if (m_drawer->isBalancing())
        m_drawer->showMarkedSum();
}
