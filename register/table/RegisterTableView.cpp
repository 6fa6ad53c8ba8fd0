#include "RegisterTableView.h"

#include <QKeyEvent>

RegisterTableView::RegisterTableView(QWidget *parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
}

void RegisterTableView::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState
        && currentIndex().isValid()) {
        edit(currentIndex());
        event->accept();
        return;
    }
    if (plain && event->key() == Qt::Key_Space && state() != EditingState)
        emit spacePressed(currentIndex());
    const QString text = event->text();
    if (plain && !text.isEmpty() && text.front().isPrint() && text != u" ") {
        emit typedOutsideCell();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    emit leftByTab(next);
    return true;
}

void RegisterTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The delegate has committed the edit before asking to move on.
    const bool tabbed = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, tabbed ? QAbstractItemDelegate::NoHint : hint);
    if (tabbed)
        emit leftByTab(hint == QAbstractItemDelegate::EditNextItem);
}
